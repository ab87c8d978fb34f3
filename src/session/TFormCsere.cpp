#include "TFormCsere.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/DM.h"
#include "kit/data/DbError.h"
#include "kit/forms/FormEnvironment.h"
#include "kit/text/TextHelpers.h"
#include "kit/widgets/Colors.h"
#include "kit/widgets/DBGrid.h"
#include "kit/widgets/Messages.h"

namespace session {

using kit::data::Dataset;

TFormCsere::TFormCsere(core::TDM& dm, QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      partners_(std::make_unique<Dataset>(dm.ZConnection, QStringLiteral("partner"))),
      sites_(std::make_unique<Dataset>(dm.ZConnection, QStringLiteral("telephely"))) {
  setObjectName(QStringLiteral("TFormCsere"));
  setWindowTitle(QStringLiteral("Partner / telephely csere"));
  resize(720, 480);
  partners_->setSql(QStringLiteral("select partner_kod, nev, szerzodeses from partner order by nev"));
  sites_->setSql(QStringLiteral(
      "select telephely_kod, nev from telephely where telephely_pkod=:parampkod order by telephely_kod asc"));

  auto* layout = new QVBoxLayout(this);
  auto* lists = new QHBoxLayout;
  auto* partnerBox = new QGroupBox(QStringLiteral(" Partner "), this);
  auto* partnerLayout = new QVBoxLayout(partnerBox);
  GridPartner =
      new kit::ui::DBGrid(*partners_, {{QStringLiteral("nev"), QStringLiteral("Partner neve")}}, partnerBox);
  GridPartner->setObjectName(QStringLiteral("GridPartner"));
  paintContractedPartners(*GridPartner);
  EditSearch = new QLineEdit(partnerBox);
  EditSearch->setObjectName(QStringLiteral("EditSearch"));
  EditSearch->setPlaceholderText(QStringLiteral("Keresés"));
  EditSearch->hide();
  partnerLayout->addWidget(GridPartner);
  partnerLayout->addWidget(EditSearch);
  auto* siteBox = new QGroupBox(QStringLiteral(" Telephely "), this);
  auto* siteLayout = new QVBoxLayout(siteBox);
  GridTelephely =
      new kit::ui::DBGrid(*sites_, {{QStringLiteral("nev"), QStringLiteral("Telephely neve")}}, siteBox);
  GridTelephely->setObjectName(QStringLiteral("GridTelephely"));
  siteLayout->addWidget(GridTelephely);
  lists->addWidget(partnerBox, 3);
  lists->addWidget(siteBox, 2);
  layout->addLayout(lists);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  ButtonPost = new QPushButton(QStringLiteral("Rögzítés"), this);
  ButtonExit = new QPushButton(QStringLiteral("Kilépés <Esc>"), this);
  for (QPushButton* b : {ButtonPost, ButtonExit}) {
    b->setAutoDefault(false);
    b->setMinimumWidth(120);
    buttons->addWidget(b);
  }
  layout->addLayout(buttons);

  connect(ButtonPost, &QPushButton::clicked, this, [this] {
    if (save()) accept();
  });
  connect(ButtonExit, &QPushButton::clicked, this, &QDialog::reject);
  connect(partners_.get(), &Dataset::currentRowChanged, this, [this] { loadSites(); });
  connect(GridPartner, &kit::ui::DBGrid::searchRequested, this, [this](const QString& first) {
    EditSearch->show();
    EditSearch->setFocus();
    EditSearch->setText(first);
  });
  connect(EditSearch, &QLineEdit::textChanged, this, [this](const QString& text) { search(text); });
}

TFormCsere::~TFormCsere() = default;

void TFormCsere::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  if (auto* env = kit::forms::installedFormEnvironment()) {
    const kit::forms::FormColors colors = env->colors();
    kit::ui::paintBackground(this, colors.form);
    for (kit::ui::DBGrid* grid : {GridPartner, GridTelephely}) grid->setColors(colors.grid, colors.gridTitle);
  }
  try {
    QVariant userPartner;
    if (dm_.positionCurrentUser()) {
      const Dataset& user = dm_.ZQueryUser();
      partnerChangeAllowed_ =
          user.value(QStringLiteral("superuser")).toBool() || user.value(QStringLiteral("u_csere")).toBool();
      userPartner = user.value(QStringLiteral("partner_kod"));
      userSite_ = user.value(QStringLiteral("telephely_kod"));
    }
    partners_->open();
    // The list starts at the user's own partner, so that a user who may only change the site
    // sees (and saves) the sites of the partner already chosen.
    if (userPartner.isNull() || !partners_->locate(QStringLiteral("partner_kod"), userPartner))
      partners_->first();
    loadSites();
  } catch (const kit::data::DbError& e) {
    kit::ui::showError(e);
  }
  GridPartner->setEnabled(partnerChangeAllowed_);
  (partnerChangeAllowed_ ? GridPartner : GridTelephely)->setFocus();
}

void TFormCsere::loadSites() {
  try {
    sites_->setParam(QStringLiteral("parampkod"), partners_->value(QStringLiteral("partner_kod")));
    sites_->open();
    if (userSite_.isNull() || !sites_->locate(QStringLiteral("telephely_kod"), userSite_)) sites_->first();
  } catch (const kit::data::DbError& e) {
    kit::ui::showError(e);
  }
}

void TFormCsere::search(const QString& text) {
  const QString wanted = kit::text::trimmedCapitalisedWords(text);
  if (wanted.isEmpty() || !partnerChangeAllowed_) return;
  partners_->locate(QStringLiteral("nev"), wanted, {.partialKey = true});
}

bool TFormCsere::save() {
  if (partners_->isEmpty()) return false;
  Dataset& user = dm_.ZQueryUser();
  try {
    if (!dm_.positionCurrentUser()) return false;
    user.edit();
    user.setValue(QStringLiteral("partner_kod"), partners_->value(QStringLiteral("partner_kod")));
    user.setValue(QStringLiteral("telephely_kod"),
                  sites_->isEmpty() ? QVariant() : sites_->value(QStringLiteral("telephely_kod")));
    user.post();
    return true;
  } catch (const kit::data::DbError& e) {
    user.cancel();
    kit::ui::showError(e);
    return false;
  }
}

void paintContractedPartners(kit::ui::DBGrid& grid) {
  grid.datasetModel().setRowStyle([](const Dataset& d, int row, int role) -> QVariant {
    if (role != Qt::BackgroundRole) return {};
    const int field = d.fieldIndex(QStringLiteral("szerzodeses"));
    if (field >= 0 && d.valueAt(row, field).toBool())
      return kit::ui::fromSettingsColor(TFormCsere::contractedColor);
    return {};
  });
}

void TFormCsere::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape: reject(); return;
    case Qt::Key_Return:
    case Qt::Key_Enter: focusNextChild(); return;
    default: QDialog::keyPressEvent(event);
  }
}

}  // namespace session
