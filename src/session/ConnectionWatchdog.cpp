#include "ConnectionWatchdog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/DM.h"
#include "kit/data/DbError.h"

namespace session {

TFormServerDown::TFormServerDown(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("TFormServerDown"));
  setWindowTitle(QStringLiteral("Szerver csatlakozási hiba!"));
  // Shown without blocking the program (the watchdog keeps running), but above every other
  // window and taking the input while it is up: windows opened before it keep what was typed
  // in them, to be saved once the connection is back.
  setWindowModality(Qt::ApplicationModal);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(18, 14, 18, 14);
  auto* title = new QLabel(QStringLiteral("Szerver csatlakozási hiba!"), this);
  QFont big = title->font();
  big.setPointSizeF(big.pointSizeF() * 1.4);
  big.setBold(true);
  title->setFont(big);
  title->setStyleSheet(QStringLiteral("color: #b00000"));
  layout->addWidget(title);
  auto* lost = new QLabel(QStringLiteral("Az adatok, amivel éppen dolgozott valószínűleg elvesztek!"), this);
  QFont bold = lost->font();
  bold.setBold(true);
  lost->setFont(bold);
  layout->addWidget(lost);
  auto* explanation = new QLabel(
      QStringList{
          QStringLiteral("Ha ezt az ablakot látja, akkor a következő hibák történhettek:"),
          QStringLiteral("  - Megszakadt az internet kapcsolat"),
          QStringLiteral("  - Megszakadt a kapcsolat az adatbázis szerverrel"),
          QStringLiteral("  - Leált az adatbázis szerver (pl. kikapcsolták a szerverként működő gépet)"),
          QString(),
          QStringLiteral("Lehetőségek, amit tehet:"),
          QStringLiteral("  - Jelzi a rendszergazdának a hiba okát"),
          QStringLiteral("  - Kilép a programból"),
          QStringLiteral("  - Megvárja, míg a kapcsolat helyreáll, és folytatja a munkát"),
      }
          .join(QLatin1Char('\n')),
      this);
  explanation->setObjectName(QStringLiteral("LabelExplanation"));
  explanation->setTextFormat(Qt::PlainText);
  layout->addWidget(explanation);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  ButtonContinue = new QPushButton(QStringLiteral("Munka folytatása"), this);
  ButtonClose = new QPushButton(QStringLiteral("Ablak bezárása"), this);
  for (QPushButton* b : {ButtonContinue, ButtonClose}) {
    b->setAutoDefault(false);
    b->setMinimumWidth(140);
    buttons->addWidget(b);
  }
  layout->addLayout(buttons);
  connect(ButtonContinue, &QPushButton::clicked, this, &QWidget::hide);
  connect(ButtonClose, &QPushButton::clicked, this, [this] {
    hide();
    emit endProgramRequested();
  });
}

void TFormServerDown::showDown() {
  ButtonContinue->setEnabled(false);
  show();
  raise();
}

void TFormServerDown::closeEvent(QCloseEvent* event) {
  // The title bar's close box means the same as "Ablak bezárása".
  event->ignore();
  ButtonClose->click();
}

void TFormServerDown::keyPressEvent(QKeyEvent* event) {
  // Esc must not hide the window while the server is away.
  if (event->key() == Qt::Key_Escape) return;
  QDialog::keyPressEvent(event);
}

ConnectionWatchdog::ConnectionWatchdog(core::TDM& dm, std::function<void()> afterReconnect,
                                       QWidget* windowParent)
    : QObject(windowParent),
      dm_(dm),
      afterReconnect_(std::move(afterReconnect)),
      window_(new TFormServerDown(windowParent)) {
  timer_.setInterval(intervalMs);
  connect(&timer_, &QTimer::timeout, this, &ConnectionWatchdog::tick);
  connect(window_, &TFormServerDown::endProgramRequested, this, &ConnectionWatchdog::endProgramRequested);
}

void ConnectionWatchdog::tick() {
  // A reconnect that waits for the server runs the event loop in nested windows; one tick at
  // a time.
  if (ticking_) return;
  ticking_ = true;
  try {
    if (!dm_.ZConnection.isOpen()) {
      dm_.ZConnection.reopen();
      if (afterReconnect_) afterReconnect_();
    }
    kit::data::Dataset& probe = dm_.ZQueryServer_Down();
    probe.close();
    probe.open();
    if (window_->isVisible()) window_->ButtonContinue->setEnabled(true);
  } catch (const kit::data::DbError&) {
    if (!window_->isVisible()) window_->showDown();
    dm_.ZConnection.close();
  }
  ticking_ = false;
}

}  // namespace session
