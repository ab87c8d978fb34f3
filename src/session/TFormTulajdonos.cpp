#include "TFormTulajdonos.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "InfoWindows.h"
#include "core/DM.h"
#include "kit/data/DbError.h"
#include "kit/data/Transaction.h"
#include "kit/forms/EditPanel.h"
#include "kit/forms/FormEnvironment.h"
#include "kit/widgets/Colors.h"
#include "kit/widgets/Messages.h"

namespace session {

using kit::data::Dataset;
using kit::forms::FieldSpec;

TFormTulajdonos::TFormTulajdonos(core::TDM& dm, QWidget* parent) : QDialog(parent), dm_(dm) {
  setObjectName(QStringLiteral("TFormTulajdonos"));
  setWindowTitle(QStringLiteral("Tulajdonos"));
  setMinimumWidth(560);
  owner_ = new Dataset(dm_.ZConnection, QStringLiteral("ZQueryTulajdonos"), this);
  owner_->setSql(QStringLiteral("SELECT * FROM tulajdonos"));
  Dataset& owner = *owner_;
  auto* layout = new QVBoxLayout(this);
  auto* page = new QLabel(QStringLiteral("Tulajdonos adatai"), this);
  QFont bold = page->font();
  bold.setBold(true);
  page->setFont(bold);
  layout->addWidget(page);
  PanelAlap = new kit::forms::EditPanel(
      owner,
      {{.caption = QStringLiteral("Név:"),
        .column = QStringLiteral("nev"),
        .required = true,
        .displayLabel = QStringLiteral("tulajdonos neve")},
       {.caption = QStringLiteral("Irányítószám:"), .column = QStringLiteral("isz"), .width = 70},
       {.caption = QStringLiteral("Település:"), .column = QStringLiteral("telepules")},
       {.caption = QStringLiteral("Cím:"), .column = QStringLiteral("cim")},
       {.caption = QStringLiteral("Telefon:"),
        .column = QStringLiteral("telefon"),
        .mask = QStringLiteral("(99)999-99-99"),
        .width = 140},
       {.caption = QStringLiteral("Fax:"),
        .column = QStringLiteral("fax"),
        .mask = QStringLiteral("(99)999-99-99"),
        .width = 140},
       {.caption = QStringLiteral("Adószám:"),
        .column = QStringLiteral("adoszam"),
        .required = true,
        .mask = QStringLiteral("99999999-9-99"),
        .width = 140,
        .displayLabel = QStringLiteral("adószám")},
       {.caption = QStringLiteral("Email:"), .column = QStringLiteral("email")},
       {.caption = QStringLiteral("Kapcsolattartó:"),
        .column = QStringLiteral("kapcsolat"),
        .kind = FieldSpec::Kind::Name}},
      this);
  layout->addWidget(PanelAlap);
  auto* buttons = new QHBoxLayout;
  QPushButton* help = createHelpButton(HelpTopic::owner, this);
  help->setFocusPolicy(Qt::NoFocus);
  buttons->addWidget(help);
  buttons->addStretch(1);
  ButtonPost = new QPushButton(QStringLiteral("Rögzítés <F2>"), this);
  ButtonExit = new QPushButton(QStringLiteral("Kilépés <Esc>"), this);
  for (QPushButton* b : {ButtonPost, ButtonExit}) {
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
    buttons->addWidget(b);
  }
  layout->addLayout(buttons);
  connect(ButtonPost, &QPushButton::clicked, this, [this] { save(); });
  connect(ButtonExit, &QPushButton::clicked, this, [this] { leave(); });
  connect(&owner, &Dataset::stateChanged, this,
          [this, &owner] { ButtonPost->setEnabled(owner.isEditing()); });
  dm_.pairPostalCodeAndTown(owner, QStringLiteral("isz"), QStringLiteral("telepules"));
  dm_.stampBeforePost(owner);
}

void TFormTulajdonos::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  if (auto* env = kit::forms::installedFormEnvironment()) kit::ui::paintBackground(this, env->colors().form);
  try {
    owner_->open();
  } catch (const kit::data::DbError& e) {
    kit::ui::showError(e);
  }
  ButtonPost->setEnabled(false);
  if (QWidget* first = PanelAlap->firstControl()) first->setFocus();
}

bool TFormTulajdonos::save() {
  Dataset& owner = *owner_;
  if (!owner.isEditing()) return true;
  if (!PanelAlap->checkRequired()) return false;
  try {
    kit::data::Transaction transaction(dm_.ZConnection);
    owner.post();
    transaction.commit();
  } catch (const kit::data::DbError& e) {
    kit::ui::showError(e);
    return false;
  }
  return true;
}

void TFormTulajdonos::leave() {
  owner_->cancel();
  owner_->close();
  accept();
}

void TFormTulajdonos::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_F2: save(); return;
    case Qt::Key_Escape: leave(); return;
    case Qt::Key_Return:
    case Qt::Key_Enter: focusNextChild(); return;
    default: QDialog::keyPressEvent(event);
  }
}

bool checkOwnerAfterFirstLogin(core::TDM& dm, const std::function<void(TFormTulajdonos&)>& show) {
  try {
    if (!dm.positionCurrentUser() || !dm.ZQueryUser().value(QStringLiteral("superuser")).toBool())
      return false;
    Dataset& owner = dm.ZQueryTulajdonos();
    owner.open();
    if (!owner.isEmpty() && owner.text(QStringLiteral("nev")) != QLatin1String("-")) return false;
    if (owner.isEmpty()) {
      owner.append();
      owner.setValue(QStringLiteral("nev"), QStringLiteral("-"));
      owner.post();
    }
  } catch (const kit::data::DbError& e) {
    kit::ui::showError(e);
    return false;
  }
  TFormTulajdonos window(dm);
  if (show)
    show(window);
  else
    window.exec();
  return true;
}

}  // namespace session
