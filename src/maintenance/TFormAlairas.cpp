#include "TFormAlairas.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/DM.h"
#include "kit/data/DbError.h"
#include "kit/forms/FormEnvironment.h"
#include "kit/widgets/DBGrid.h"
#include "kit/widgets/Messages.h"

namespace maintenance {

using kit::forms::FieldSpec;

TFormAlairas::TFormAlairas(core::TDM& dm, QWidget* parent) : TFormSablon02(parent), dm_(dm) {
  setObjectName(QStringLiteral("TFormAlairas"));
  setWindowTitle(QStringLiteral("Aláírások"));
  auto list = std::make_unique<kit::data::Dataset>(dm.ZConnection, QStringLiteral("ZQueryAlairas"));
  list->setSql(QStringLiteral("select *\nfrom alairas\norder by nev"));
  setup(std::move(list),
        {{QStringLiteral("nev"), QStringLiteral("Név"), 330},
         {QStringLiteral("beosztas"), QStringLiteral("Bizonyítvány száma (beosztás)"), 0}},
        {{.caption = QStringLiteral("Név:"), .column = QStringLiteral("nev"), .required = true},
         {.caption = QStringLiteral("Bizonyítvány szám:"), .column = QStringLiteral("beosztas")}},
        QStringLiteral("nev"));

  PanelPick = new QWidget(PanelClient);
  PanelPick->setObjectName(QStringLiteral("PanelPick"));
  auto* bar = new QHBoxLayout(PanelPick);
  bar->setContentsMargins(0, 4, 0, 4);
  const auto button = [this](const QString& caption, const char* name) {
    auto* b = new QPushButton(caption, PanelPick);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
  };
  ButtonRollDown = button(QStringLiteral("Új aláíró felvétele ▼"), "ButtonRollDown");
  ButtonRollUp = button(QStringLiteral("Felvétel bezárása ▲"), "ButtonRollUp");
  ButtonPick = button(QStringLiteral("Kiválasztás"), "ButtonPick");
  ButtonExit = button(QStringLiteral("Kilépés"), "ButtonExit");
  bar->addWidget(ButtonRollDown);
  bar->addWidget(ButtonRollUp);
  bar->addStretch(1);
  bar->addWidget(ButtonPick);
  bar->addWidget(ButtonExit);
  clientLayout()->insertWidget(clientLayout()->indexOf(PanelAlap), PanelPick);
  connect(ButtonPick, &QPushButton::clicked, this, [this] { choose(); });
  connect(ButtonExit, &QPushButton::clicked, this, [this] {
    cancelled_ = true;
    reject();
  });
  connect(ButtonRollDown, &QPushButton::clicked, this, [this] { rollDown(); });
  connect(ButtonRollUp, &QPushButton::clicked, this, [this] { rollUp(); });
  connect(DBGrid, &kit::ui::DBGrid::rowActivated, this, [this] {
    if (picking_) {
      choose();
    } else if (!query().isEmpty()) {
      query().edit();  // Enter in the list edits the row
      PanelAlap->firstControl()->setFocus();
    }
  });
  setPickingMode(false);
}

void TFormAlairas::setPickingMode(bool picking) {
  picking_ = picking;
  cancelled_ = true;
  PanelPick->setVisible(picking);
  ButtonRollUp->hide();
  showEditing(!picking);
}

void TFormAlairas::showEditing(bool shown) {
  PanelAlap->setVisible(shown);
  DBNavPanel->setVisible(shown);
}

void TFormAlairas::beforeShowing() {
  try {
    dm_.positionCurrentUser();
  } catch (const kit::data::DbError&) {
  }
}

void TFormAlairas::choose() {
  if (refuseIfEditing()) return;
  if (query().isEmpty()) return;
  chosenName_ = query().text(QStringLiteral("nev"));
  chosenPosition_ = query().text(QStringLiteral("beosztas"));
  cancelled_ = false;
  accept();
}

void TFormAlairas::rollDown() {
  if (!kit::forms::formEnvironment().hasRight(QStringLiteral("u_alairas"))) return;
  showEditing(true);
  ButtonRollDown->hide();
  ButtonRollUp->show();
}

void TFormAlairas::rollUp() {
  if (refuseIfEditing()) return;
  showEditing(false);
  ButtonRollUp->hide();
  ButtonRollDown->show();
}

void TFormAlairas::keyPressEvent(QKeyEvent* event) {
  if (picking_ && event->key() == Qt::Key_Escape && !query().isEditing() && DBGrid->hasFocus()) {
    cancelled_ = true;
    reject();
    return;
  }
  TFormSablon02::keyPressEvent(event);
}

SignatoryChoice pickSignatory(core::TDM& dm, QWidget* parent) {
  TFormAlairas window(dm, parent);
  window.setPickingMode(true);
  window.exec();
  return {window.cancelled(), window.chosenName(), window.chosenPosition()};
}

}  // namespace maintenance
