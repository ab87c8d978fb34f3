#include "TFormLoad.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QScreen>

#include "ProgramVersion.h"

namespace core {
namespace {

QPixmap programPicture() {
  QPixmap picture(460, 110);
  QPainter p(&picture);
  QLinearGradient gradient(0, 0, 460, 110);
  gradient.setColorAt(0, QColor(0x1f, 0x4e, 0x79));
  gradient.setColorAt(1, QColor(0x2e, 0x86, 0xc1));
  p.fillRect(picture.rect(), gradient);
  p.setPen(Qt::white);
  QFont title(QStringLiteral("Sans Serif"), 30, QFont::Bold);
  p.setFont(title);
  p.drawText(QRect(20, 10, 420, 55), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Vareko"));
  QFont subtitle(QStringLiteral("Sans Serif"), 11);
  p.setFont(subtitle);
  p.drawText(QRect(22, 62, 420, 40), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Munkavédelmi nyilvántartás") + programVersionText());
  return picture;
}

}  // namespace

TFormLoad::TFormLoad(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("TFormLoad"));
  setAttribute(Qt::WA_DeleteOnClose, false);
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 12);
  auto* picture = new QLabel(this);
  picture->setPixmap(programPicture());
  grid->addWidget(picture, 0, 0, 1, 2);
  grid->setColumnStretch(1, 1);

  const auto bar = [this](const char* name, int maximum) {
    auto* b = new QProgressBar(this);
    b->setObjectName(QLatin1String(name));
    b->setRange(0, maximum);
    b->setValue(0);
    b->setTextVisible(false);
    b->setFixedHeight(12);
    return b;
  };
  ProgressBarWindow = bar("ProgressBarWindow", 100);
  ProgressBarPrint = bar("ProgressBarPrint", 125);
  ProgressBarDB = bar("ProgressBarDB", 0);
  ProgressBarUpdate = bar("ProgressBarUpdate", 0);

  host_ = addLine(QStringLiteral("Adatbázis:"));
  connection_ = addLine(QStringLiteral("Csatlakozás az adatbázishoz:"));
  printer_ = addLine(QStringLiteral("Nyomtató ellenőrzése:"));
  version_ = addLine(QStringLiteral("Új verzió ellenőrzése:"));
  version_->setText(QStringLiteral("..."));
  addLine(QStringLiteral("Ablakrendszer felépítése:"), ProgressBarWindow);
  addLine(QStringLiteral("Nyomtatási képek felépítése:"), ProgressBarPrint);
  addLine(QStringLiteral("Adatbázis ellenőrzése és felépítése:"), ProgressBarDB);
  script_ = addLine(QStringLiteral("Update script(ek) futtatása:"));
  addLine(QString(), ProgressBarUpdate);
  setFixedWidth(460);
}

QLabel* TFormLoad::addLine(const QString& caption, QWidget* status) {
  auto* grid = static_cast<QGridLayout*>(layout());
  const int row = grid->rowCount();
  auto* label = new QLabel(caption, this);
  label->setContentsMargins(12, 0, 6, 0);
  grid->addWidget(label, row, 0);
  QLabel* statusLabel = nullptr;
  if (!status) {
    statusLabel = new QLabel(this);
    statusLabel->setObjectName(caption);
    status = statusLabel;
  }
  status->setContentsMargins(0, 0, 12, 0);
  grid->addWidget(status, row, 1);
  return statusLabel;
}

QString TFormLoad::statusText(const QString& caption) const {
  const auto* label = findChild<QLabel*>(caption);
  return label ? label->text() : QString();
}

void TFormLoad::showAndPaint() {
  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
  show();
  repaint();
}

void TFormLoad::setHost(const QString& host) {
  host_->setText(host);
  repaint();
}

void TFormLoad::setConnected(bool connected) {
  connection_->setText(connected ? QStringLiteral("Sikerült!") : QStringLiteral("Nem sikerült!"));
  repaint();
}

void TFormLoad::setPrinterFound(bool found) {
  printer_->setText(found ? QStringLiteral("Rendben") : QStringLiteral("Nincsen nyomtató telepítve!"));
  repaint();
}

void TFormLoad::setVersionCheckRunning() {
  version_->setText(QStringLiteral("...folyamatban!"));
  repaint();
}

void TFormLoad::stepAndMaybeRepaint(QProgressBar* bar, int count) {
  if (bar->value() + count > bar->maximum()) bar->setMaximum(bar->value() + count);
  bar->setValue(bar->value() + count);
  if (bar->value() % 10 == 0) repaint();
}

void TFormLoad::windowStep() {
  stepAndMaybeRepaint(ProgressBarWindow, 1);
}

void TFormLoad::printStep(int count) {
  stepAndMaybeRepaint(ProgressBarPrint, count);
}

void TFormLoad::setSchemaRange(int maximum) {
  ProgressBarDB->setRange(0, maximum);
  ProgressBarDB->setValue(0);
}

void TFormLoad::setSchemaPosition(int position) {
  ProgressBarDB->setValue(position);
  if (position % 10 == 0) repaint();
}

void TFormLoad::setUpgradeRange(int maximum) {
  ProgressBarUpdate->setRange(0, maximum);
  ProgressBarUpdate->setValue(0);
}

void TFormLoad::setUpgradePosition(int position) {
  ProgressBarUpdate->setValue(position);
}

void TFormLoad::setUpgradeScript(const QString& script) {
  script_->setText(script);
  repaint();
}

}  // namespace core
