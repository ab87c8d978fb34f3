#include "TFormPartner.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "PartnerDocuments.h"
#include "PartnerRules.h"
#include "TFormTeaor.h"
#include "core/DM.h"
#include "kit/data/DbError.h"
#include "kit/data/Transaction.h"
#include "kit/forms/FormEnvironment.h"
#include "kit/forms/PageSwitcher.h"
#include "kit/report/ReportEngine.h"
#include "kit/report/Rows.h"
#include "kit/report/TfrmNetScapePreview.h"
#include "kit/sys/Clock.h"
#include "kit/widgets/Colors.h"
#include "kit/widgets/DBDateEdit.h"
#include "kit/widgets/DBGrid.h"
#include "kit/widgets/MessageService.h"
#include "kit/widgets/Messages.h"
#include "session/ReportHeaders.h"
#include "session/TFormCsere.h"

namespace masterdata {

using kit::data::Dataset;
using kit::forms::FieldSpec;
using kit::forms::ListPanel;
using C = ListPanel::Command;
using Kind = FieldSpec::Kind;

namespace {

const QString phoneMask = QStringLiteral("(99)999-99-99");

std::unique_ptr<Dataset> query(core::TDM& dm, const QString& table, const QStringList& lines) {
  auto d = std::make_unique<Dataset>(dm.ZConnection, table);
  d->sqlLines() = lines;
  d->setUpdateTable(table);
  return d;
}

std::vector<FieldSpec> partnerFields() {
  return {
      {.caption = "Partner neve:", .column = "nev", .kind = Kind::Name, .required = true},
      {.caption = "Címe:", .column = "isz", .required = true, .width = 60, .displayLabel = "isz"},
      {.caption = "", .column = "telepules", .required = true, .displayLabel = "telepules"},
      {.caption = "", .column = "cim", .required = true, .displayLabel = "cim"},
      {.caption = "E-mail:", .column = "email"},
      {.caption = "Telefon (xx)xxx-xx-xx:", .column = "telefon", .mask = phoneMask, .width = 130},
      {.caption = "Mobil (xx)xxx-xx-xx:", .column = "mobil", .mask = phoneMask, .width = 130},
      {.caption = "Fax (xx)xxx-xx-xx:", .column = "fax", .mask = phoneMask, .width = 130},
      {.caption = "KSH szám:", .column = "ksh", .mask = "99999999-9999-999-99", .width = 180},
      {.caption = "Fő TEAOR:", .column = "teaor", .width = 60, .buttonCaption = "..."},
      {.caption = "Vezető:", .column = "vezeto", .kind = Kind::Name},
      {.caption = "Vezető megszólítása:", .column = "vezetomegsz"},
      {.caption = "Besorolás:",
       .column = "besorolas",
       .kind = Kind::ComboText,
       .items = legalForms(),
       .editable = true},
      {.caption = "Létszám kategória [3]:",
       .column = "letszamkategoria",
       .kind = Kind::ComboIndex,
       .items = headCountCategories()},
      {.caption = "Üzemorvos neve:", .column = "orvos_nev", .kind = Kind::Name},
      {.caption = "Címe:", .column = "orvos_isz", .width = 60},
      {.caption = "", .column = "orvos_telepules"},
      {.caption = "", .column = "orvos_cim"},
      {.caption = "Pecsét:", .column = "orvos_pecsetszam", .width = 140},
      {.caption = "Adószám:", .column = "adoszam", .mask = "99999999-9-99", .width = 130},
      {.caption = "Közösségi adószám:", .column = "adoszkozos", .width = 130},
      {.caption = "Adóazonosító jel:", .column = "adoazonjel", .width = 130},
      {.caption = "Partner tevékenyége:", .column = "tevekenyseg"},
      {.caption = " Felvétel dátuma:", .column = "nyilvantartas_datum", .kind = Kind::Date},
      {.caption = "KÜJ:", .column = "kuj", .width = 130},
      {.caption = "KTJ:", .column = "ktj", .width = 130},
      {.caption = "Szerződéses partner", .column = "szerzodeses", .kind = Kind::Check},
      {.caption = "TB kifizető hely", .column = "tb_kifizeto", .kind = Kind::Check},
  };
}

std::vector<FieldSpec> siteFields() {
  return {
      {.caption = "Név:", .column = "nev", .kind = Kind::Name, .required = true},
      {.caption = "Cím:", .column = "isz", .required = true, .width = 60, .displayLabel = "isz"},
      {.caption = "", .column = "telepules", .required = true, .displayLabel = "telepules"},
      {.caption = "", .column = "cim", .required = true, .displayLabel = "cim"},
      {.caption = "Tel.:", .column = "telefon", .mask = phoneMask, .width = 130},
      {.caption = "Fax:", .column = "fax", .mask = phoneMask, .width = 130},
      {.caption = "KTJ:", .column = "ktj", .width = 130},
      {.caption = "Kapcsolattartó:", .column = "kapcsolat", .kind = Kind::Name},
      {.caption = "Ellenőrzés kikapcs.", .column = "ellenorzes", .kind = Kind::Check},
      {.caption = "Üzemorvos:", .column = "orvos_nev", .kind = Kind::Name},
      {.caption = "Címe:", .column = "orvos_isz", .width = 60},
      {.caption = "", .column = "orvos_telepules"},
      {.caption = "", .column = "orvos_cim"},
      {.caption = "Pecsét:", .column = "orvos_pecsetszam", .width = 140},
      {.caption = "Létszám kat.:",
       .column = "letszamkategoria",
       .kind = Kind::ComboIndex,
       .items = headCountCategories()},
      {.caption = "Helyi TEAOR:", .column = "teaor", .width = 60, .buttonCaption = "..."},
      {.caption = "Munkv. okt.:",
       .column = "datum_moktdat",
       .kind = Kind::Date,
       .readOnly = true,
       .buttonCaption = "Módosítás"},
  };
}

std::vector<FieldSpec> contactFields() {
  return {
      {.caption = "Név:", .column = "nev", .kind = Kind::Name, .required = true},
      {.caption = "Cím:", .column = "isz", .width = 60},
      {.caption = "", .column = "telepules"},
      {.caption = "", .column = "cim"},
      {.caption = "Tel.:", .column = "telefon"},
      {.caption = "E-mail:", .column = "email"},
      {.caption = "Fax:", .column = "fax"},
      {.caption = "Beosztás:", .column = "beosztas"},
      {.caption = "Megjegyzés:", .column = "megjegyzes", .kind = Kind::Memo},
      {.caption = "Kockázatértékelésnél felelős", .column = "kfelelos", .kind = Kind::Check},
  };
}

// The command bar of the sites and of the contacts.
std::vector<ListPanel::Button> detailButtons() {
  return {{C::Delete, "Törlés", "ButtonDelete"},
          {C::New, "Új Telep", "ButtonNew"},
          {C::Post, "Rögzítés", "ButtonPost"},
          {C::Cancel, "Mégsem", "ButtonCancel"},
          {C::Refresh, "Tábla frissítése", "ButtonRefresh"}};
}

QStringList sortedQuery(TFormPartner::Order order) {
  switch (order) {
    case TFormPartner::Order::Contracted:
      return {"select *", "from partner", "where szerzodeses=true", "order by nev"};
    case TFormPartner::Order::ByNumber: return {"select *", "from partner", "order by partner_kod"};
    case TFormPartner::Order::ByName: break;
  }
  return {"select *", "from partner", "order by nev"};
}

[[noreturn]] void refusePendingEdit() {
  throw kit::data::DbError(kit::data::pendingEditMessage());
}

QFrame* framedPanel(QWidget* parent, const char* name, const QString& title, QVBoxLayout** layout) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(QLatin1String(name));
  panel->setFrameShape(QFrame::Box);
  panel->setAutoFillBackground(true);
  *layout = new QVBoxLayout(panel);
  auto* heading = new QLabel(title, panel);
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  (*layout)->addWidget(heading);
  panel->hide();
  return panel;
}

}  // namespace

TFormPartner::TFormPartner(core::TDM& dm, QWidget* parent) : QDialog(parent), dm_(dm) {
  setObjectName(QStringLiteral("TFormPartner"));
  setWindowTitle(QStringLiteral("Partnerek felvétele"));
  setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
  setMinimumSize(900, 640);
  resize(1040, 760);
  build();
}

TFormPartner::~TFormPartner() = default;

void TFormPartner::build() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  auto* bar = new QWidget(this);

  partners_ = new ListPanel(
      query(dm_, "partner", sortedQuery(Order::ByName)),
      {{"nev", "Partner neve", 420}, {"check_kockazat", "Kockázat", 130}, {"check_baleset", "Baleset", 0}},
      partnerFields(), "nev",
      {.paged = true,
       .buttons = {{C::New, "Új tétel <Insert>", "ButtonNew"},
                   {C::Post, "Rögzítés <F2>", "ButtonPost"},
                   {C::Delete, "Törlés <Delete>", "ButtonDelete"},
                   {C::Cancel, "Mégsem <Esc>", "ButtonCancel"},
                   {C::Print, "Nyomtatás <F5>", "ButtonPrint"},
                   {C::Other, "Feladatok ellenőrzése", "ButtonCheck"},
                   {C::Refresh, "Tábla frissítése", "ButtonRefresh"}},
       .fieldColumns = 2},
      bar, this);
  partners_->setObjectName(QStringLiteral("PanelPartner"));
  partners_->DBGrid->setObjectName(QStringLiteral("DBGridPartner"));
  session::paintContractedPartners(*partners_->DBGrid);
  auto* barLayout = new QHBoxLayout(bar);
  barLayout->setContentsMargins(0, 0, 0, 0);
  barLayout->addWidget(partners_->DBNavPanel);
  layout->addWidget(partners_, 2);

  PageControl = new kit::forms::PageSwitcher(this);
  layout->addWidget(PageControl, 3);
  // The partner's fields live on the first page, below the list.
  partners_->contentLayout()->removeWidget(partners_->PanelAlap);
  PageControl->addPage(QStringLiteral("Partner adatai <F9>"), partners_->PanelAlap);
  auto* partnerNotes = new kit::forms::EditPanel(
      partners_->query(), {{.caption = "Feljegyzések:", .column = "feljegyzes", .kind = Kind::Memo}}, this);
  PageControl->addPage(QStringLiteral("Feljegyzések <F9>"), partnerNotes);

  sites_ = new ListPanel(
      query(dm_, "telephely",
            {"select *", "from telephely", "where telephely_pkod=:parampkod", "order by telephely_kod asc"}),
      {{"nev", "Telephely neve", 420}, {"letszamkategoria", "Létszám kat.", 0}}, siteFields(), "nev",
      {.paged = false, .buttons = detailButtons(), .fieldColumns = 2}, nullptr, this);
  sites_->setObjectName(QStringLiteral("PanelTelephely"));
  sites_->DBGrid->setObjectName(QStringLiteral("DBGridTelephely"));
  PageControl->addPage(QStringLiteral("Telephely adatai <F9>"), sites_);
  auto* siteNotes = new kit::forms::EditPanel(
      sites_->query(), {{.caption = "Feljegyzések:", .column = "feljegyzes", .kind = Kind::Memo}}, this);
  PageControl->addPage(QStringLiteral("Telephelyhez feljegyzések <F9>"), siteNotes);

  contacts_ = new ListPanel(
      query(dm_, "partner_kapcsolat",
            {"select *", "from partner_kapcsolat", "where partner_kapcsolat_pkod=:pkod", "order by nev"}),
      {{"nev", "Név", 300}, {"beosztas", "Beosztás", 0}}, contactFields(), "nev",
      {.paged = false, .buttons = detailButtons(), .fieldColumns = 2}, nullptr, this);
  contacts_->setObjectName(QStringLiteral("PanelKapcsolat"));
  contacts_->DBGrid->setObjectName(QStringLiteral("DBGridKapcsolat"));
  PageControl->addPage(QStringLiteral("Partner kapcsolatai <F9>"), contacts_);
  layout->addWidget(bar);

  Dataset& p = partners_->query();
  Dataset& s = sites_->query();
  Dataset& k = contacts_->query();
  for (Dataset* d : {&p, &s, &k}) {
    d->setKeyField(d->updateTable() + QStringLiteral("_kod"));
    dm_.pairPostalCodeAndTown(*d, QStringLiteral("isz"), QStringLiteral("telepules"));
  }
  dm_.pairPostalCodeAndTown(p, QStringLiteral("orvos_isz"), QStringLiteral("orvos_telepules"));
  dm_.pairPostalCodeAndTown(s, QStringLiteral("orvos_isz"), QStringLiteral("orvos_telepules"));

  // One row in editing at a time across the three lists.
  partners_->busyElsewhere = [this] { return sites_->query().isEditing() || contacts_->query().isEditing(); };
  sites_->busyElsewhere = [this] { return partners_->query().isEditing() || contacts_->query().isEditing(); };
  contacts_->busyElsewhere = [this] { return partners_->query().isEditing() || sites_->query().isEditing(); };
  p.beforeScroll.add([this](Dataset&) {
    if (sites_->query().isEditing() || contacts_->query().isEditing()) refusePendingEdit();
  });
  p.beforeEdit.add([this](Dataset&) {
    if (sites_->query().isEditing() || contacts_->query().isEditing()) refusePendingEdit();
  });
  s.beforeEdit.add([this](Dataset&) {
    if (partners_->query().isEditing() || contacts_->query().isEditing()) refusePendingEdit();
    if (isSeat() && !seatBypass_) {
      kit::ui::warn(QStringLiteral("A székhely csak a Partnernál módosítható!"));
      throw kit::data::Abort();
    }
  });
  k.beforeEdit.add([this](Dataset&) {
    if (partners_->query().isEditing() || sites_->query().isEditing()) refusePendingEdit();
  });

  // The sites and contacts follow the selected partner.
  p.afterScroll.add([this](Dataset&) { followPartner(); });
  p.afterOpen.add([this](Dataset&) { followPartner(); });
  s.onNewRecord.add([this](Dataset& site) {
    site.setValue(QStringLiteral("telephely_pkod"), partners_->query().value(QStringLiteral("partner_kod")));
  });
  k.onNewRecord.add([this](Dataset& contact) {
    contact.setValue(QStringLiteral("partner_kapcsolat_pkod"),
                     partners_->query().value(QStringLiteral("partner_kod")));
  });

  // Saving a partner keeps its seat equal to it.
  p.beforePost.add([this](Dataset& d) {
    partnerInserted_ = d.state() == Dataset::State::Insert;
    partnerPosted_ = false;
  });
  p.afterPost.add([this](Dataset&) { partnerPosted_ = true; });
  partners_->afterChange = [this] {
    if (partnerPosted_) applySeatRule();
    partnerPosted_ = false;
    refreshAll();
  };
  sites_->afterChange = [this] { refreshAll(); };
  contacts_->afterChange = [this] { refreshAll(); };
  for (ListPanel* list : {partners_, sites_, contacts_}) list->afterCancel = [this] { refreshAll(); };

  // The seat goes only with its partner; a partner goes only without machines.
  sites_->mayRemove = [this](Dataset&) {
    if (!isSeat()) return true;
    kit::ui::warn(QStringLiteral("A székhely csak a Partnernál törölhető!"));
    return false;
  };
  partners_->mayRemove = [this](Dataset& d) {
    const bool machines =
        dm_.ZConnection
            .exec(QStringLiteral("select 1 from gep_munkaeszkoz where gep_munkaeszkoz_pkod = $1 limit 1"),
                  {d.value(QStringLiteral("partner_kod"))})
            .rowCount() > 0;
    if (machines) kit::ui::warn(QStringLiteral("Tartoznak még gépek a partnerhez!"));
    return !machines;
  };
  partners_->removeRow = [this](Dataset& d) {
    if (!removePartner(dm_.ZConnection, d.value(QStringLiteral("partner_kod")))) {
      kit::ui::warn(QStringLiteral("Tartoznak még gépek a partnerhez!"));
      throw kit::data::Abort();
    }
    // The list is read again by the refresh after the delete.
  };

  // Commands of the window's own.
  ButtonCheck = partners_->DBNavPanel->findChild<QPushButton*>(QStringLiteral("ButtonCheck"));
  connect(ButtonCheck, &QPushButton::clicked, this, [this] { runDueCheck(); });
  connect(&p, &Dataset::stateChanged, this,
          [this] { ButtonCheck->setEnabled(!partners_->query().isEditing()); });
  partners_->onPrint = [this] { openPrintPanel(); };
  connect(partners_->PanelAlap->button(QStringLiteral("teaor")), &QPushButton::clicked, this,
          [this] { pickActivity(*partners_); });
  connect(sites_->PanelAlap->button(QStringLiteral("teaor")), &QPushButton::clicked, this,
          [this] { pickActivity(*sites_); });
  connect(sites_->PanelAlap->button(QStringLiteral("datum_moktdat")), &QPushButton::clicked, this,
          [this] { openTrainingPanel(); });
  connect(partners_->DBGrid, &kit::ui::DBGrid::rowActivated, this, [this] {
    // Enter or a double click edits the partner on its first page.
    if (partners_->refuseIfEditing() || partners_->query().isEmpty()) return;
    try {
      partners_->query().edit();
    } catch (const kit::data::DbError& e) {
      kit::ui::showError(e);
      return;
    }
    partners_->PanelAlap->firstControl()->setFocus();
  });
  // A partner being edited or added is shown on its first page.
  connect(&p, &Dataset::stateChanged, this, [this] {
    if (partners_->query().isEditing() && PageControl->currentPage() != PartnerData) {
      PageControl->setCurrentPage(PartnerData);
      partners_->PanelAlap->firstControl()->setFocus();
    }
  });

  // The pop-up sort menu of the partner list.
  PopupSort = new QMenu(partners_->DBGrid);
  PopupSort->setObjectName(QStringLiteral("PopupSort"));
  PopupSort->addAction(QStringLiteral("Név szerinti rendezés"), this, [this] { sortBy(Order::ByName); });
  PopupSort->addAction(QStringLiteral("Szerződés szerinti rendezés"), this,
                       [this] { sortBy(Order::Contracted); });
  PopupSort->addAction(QStringLiteral("Sorszám szerinti rendezés"), this,
                       [this] { sortBy(Order::ByNumber); });
  partners_->DBGrid->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(partners_->DBGrid, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { PopupSort->popup(partners_->DBGrid->viewport()->mapToGlobal(at)); });

  // The training-date panel of a site.
  QVBoxLayout* panel = nullptr;
  PanelOktatas = framedPanel(this, "PanelOktatas", QStringLiteral("Munkavédelmi oktatás időpontja:"), &panel);
  auto* date = new kit::ui::DBDateEdit(s, QStringLiteral("datum_moktdat"), PanelOktatas);
  date->setObjectName(QStringLiteral("EditOktatas"));
  panel->addWidget(date);
  auto* trainingButtons = new QHBoxLayout;
  auto* saveTrainingButton = new QPushButton(QStringLiteral("Rögzítés"), PanelOktatas);
  auto* cancelTrainingButton = new QPushButton(QStringLiteral("Mégsem"), PanelOktatas);
  saveTrainingButton->setObjectName(QStringLiteral("ButtonOktatasPost"));
  cancelTrainingButton->setObjectName(QStringLiteral("ButtonOktatasCancel"));
  trainingButtons->addWidget(saveTrainingButton);
  trainingButtons->addWidget(cancelTrainingButton);
  panel->addLayout(trainingButtons);
  connect(saveTrainingButton, &QPushButton::clicked, this, [this] { saveTraining(); });
  connect(cancelTrainingButton, &QPushButton::clicked, this, [this] { cancelTraining(); });

  // The due-check panel.
  PanelCheck = framedPanel(this, "PanelCheck", QStringLiteral("Elvégzendő feladatok ellenőrzése"), &panel);
  panel->addWidget(new QLabel(QStringLiteral("Kockázat értékelés:"), PanelCheck));
  ProgressCheck = new QProgressBar(PanelCheck);
  panel->addWidget(ProgressCheck);

  // The print panel.
  PanelPrint = framedPanel(this, "PanelPrint", QStringLiteral("Nyomtatási vezérlő"), &panel);
  RadioPartnerData = new QRadioButton(QStringLiteral("Partner adatainak nyomtatása <F5>"), PanelPrint);
  RadioPartnerList = new QRadioButton(QStringLiteral("Partnerek listájának nyomtatása <F6>"), PanelPrint);
  RadioTraining = new QRadioButton(
      QStringLiteral("Adott hónapban következő munkavé-\ndelmi oktatás nyomtatása <F7>"), PanelPrint);
  RadioGdpr = new QRadioButton(QStringLiteral("GDPR partnereknek"), PanelPrint);
  RadioPartnerData->setChecked(true);
  CheckAllPartners = new QCheckBox(QStringLiteral("Minden partner szerepeljen"), PanelPrint);
  CheckContractedOnly = new QCheckBox(QStringLiteral("Csak szerződéses partnerek"), PanelPrint);
  for (QWidget* w : std::initializer_list<QWidget*>{RadioPartnerData, RadioPartnerList, RadioTraining,
                                                    RadioGdpr, CheckAllPartners, CheckContractedOnly})
    panel->addWidget(w);
  auto* printButtons = new QHBoxLayout;
  auto* start = new QPushButton(QStringLiteral("Nyomtatás indítása"), PanelPrint);
  auto* close = new QPushButton(QStringLiteral("Bezárás"), PanelPrint);
  start->setObjectName(QStringLiteral("ButtonPrintStart"));
  close->setObjectName(QStringLiteral("ButtonPrintClose"));
  printButtons->addWidget(start);
  printButtons->addWidget(close);
  panel->addLayout(printButtons);
  connect(start, &QPushButton::clicked, this, [this] { print(); });
  connect(close, &QPushButton::clicked, PanelPrint, &QWidget::hide);

  connect(PageControl, &kit::forms::PageSwitcher::pageChanged, this,
          [this] { activeList().DBGrid->setFocus(); });
}

// ---------------------------------------------------------------- lists

bool TFormPartner::anyEditing() const {
  return partners_->query().isEditing() || sites_->query().isEditing() || contacts_->query().isEditing();
}

bool TFormPartner::isSeat() const {
  const Dataset& s = sites_->query();
  return s.state() != Dataset::State::Insert && s.currentRow() == 0 && !s.isEmpty();
}

ListPanel& TFormPartner::activeList() const {
  switch (PageControl->currentPage()) {
    case SiteData:
    case SiteNotes: return *sites_;
    case Contacts: return *contacts_;
    default: return *partners_;
  }
}

void TFormPartner::followPartner(bool reload) {
  Dataset& p = partners_->query();
  const QVariant key = p.isEmpty() ? QVariant() : p.value(QStringLiteral("partner_kod"));
  if (holdFollowing_ || (!reload && sites_->query().isOpen() && key == followed_)) return;
  followed_ = key;
  if (PanelOktatas && PanelOktatas->isVisible()) cancelTraining();  // it belonged to the site left
  try {
    for (auto [list, param] : {std::pair{sites_, "parampkod"}, std::pair{contacts_, "pkod"}}) {
      Dataset& d = list->query();
      d.cancel();
      d.setParam(QLatin1String(param), key);
      d.open();
    }
  } catch (const kit::data::DbError& e) {
    kit::ui::showError(e);
  }
}

void TFormPartner::applySeatRule() {
  Dataset& p = partners_->query();
  Dataset& s = sites_->query();
  seatBypass_ = true;
  try {
    s.cancel();
    s.setParam(QStringLiteral("parampkod"), p.value(QStringLiteral("partner_kod")));
    s.open();
    kit::data::Transaction transaction(dm_.ZConnection);
    if (partnerInserted_ || s.isEmpty()) {
      s.append();
    } else {
      s.first();
      s.edit();
    }
    copySeat(p, s);
    s.post();
    transaction.commit();
  } catch (const kit::data::DbError& e) {
    s.cancel();
    kit::ui::showError(e);
  }
  seatBypass_ = false;
}

void TFormPartner::refreshAll() {
  Dataset& p = partners_->query();
  Dataset& s = sites_->query();
  Dataset& k = contacts_->query();
  const QVariant siteKey = s.isEmpty() ? QVariant() : s.value(QStringLiteral("telephely_kod"));
  const QVariant contactKey = k.isEmpty() ? QVariant() : k.value(QStringLiteral("partner_kapcsolat_kod"));
  try {
    if (p.isOpen()) p.refresh();  // back on the same partner
    followPartner(true);
    if (!siteKey.isNull()) s.locate(QStringLiteral("telephely_kod"), siteKey);
    if (!contactKey.isNull()) k.locate(QStringLiteral("partner_kapcsolat_kod"), contactKey);
    // The data module's lists and the main window's working context.
    for (Dataset* shared : {&dm_.ZQueryPartner(), &dm_.ZQueryTelephely()})
      if (shared->isOpen() && !shared->isEditing()) shared->refresh();
  } catch (const kit::data::DbError& e) {
    kit::ui::showError(e);
  }
  if (workingContextChanged) workingContextChanged();
}

void TFormPartner::sortBy(Order order) {
  if (partners_->refuseIfEditing()) return;
  partners_->query().sqlLines() = sortedQuery(order);
  followed_ = QVariant();
  partners_->openList();
}

void TFormPartner::showPage(int page) {
  if (page == PageControl->currentPage()) return;
  // The pages beyond the first need a partner; a site or contact being edited keeps its page.
  if (page != PartnerData && partners_->query().isEmpty()) return;
  if (&activeList() != partners_ && activeList().refuseIfEditing()) return;
  PageControl->setCurrentPage(page);
}

// ---------------------------------------------------------------- commands of the window

TFormTeaor& TFormPartner::activityPicker() {
  if (!teaor_) teaor_ = std::make_unique<TFormTeaor>(dm_.ZConnection, this);
  return *teaor_;
}

void TFormPartner::pickActivity(ListPanel& list) {
  Dataset& d = list.query();
  if (d.isEmpty() && !d.isEditing()) return;
  activityPicker().exec();
  // Leaving the picker without a choice keeps the code there; after an earlier choice that
  // choice is written again.
  const QString code = TFormTeaor::codeOf(activityPicker().lastChoice());
  if (code.isEmpty()) return;
  try {
    d.edit();
    d.setValue(QStringLiteral("teaor"), code);
  } catch (const kit::data::DbError& e) {
    kit::ui::showError(e);
  } catch (const kit::data::Abort&) {
  }
}

void TFormPartner::openTrainingPanel() {
  if (sites_->refuseIfEditing() || sites_->query().isEmpty()) return;
  seatBypass_ = true;  // the training date of the seat too
  PanelOktatas->move((width() - PanelOktatas->sizeHint().width()) / 2, height() / 3);
  PanelOktatas->adjustSize();
  PanelOktatas->show();
  PanelOktatas->raise();
}

void TFormPartner::saveTraining() {
  Dataset& s = sites_->query();
  try {
    if (s.isEditing()) {
      kit::data::Transaction transaction(dm_.ZConnection);
      s.post();
      transaction.commit();
    }
  } catch (const kit::data::DbError& e) {
    kit::ui::showError(e);  // the date stays typed in the panel
    return;
  }
  cancelTraining();
}

void TFormPartner::cancelTraining() {
  sites_->query().cancel();
  seatBypass_ = false;
  PanelOktatas->hide();
}

void TFormPartner::runDueCheck() {
  if (partners_->refuseIfEditing()) return;
  Dataset& p = partners_->query();
  PanelCheck->adjustSize();
  PanelCheck->move((width() - PanelCheck->width()) / 2, height() / 3);
  PanelCheck->show();
  PanelCheck->raise();
  ProgressCheck->setRange(0, std::max(1, p.recordCount()));
  ProgressCheck->setValue(0);
  // The grid is not repainted row by row while the check runs.
  partners_->DBGrid->setUpdatesEnabled(false);
  holdFollowing_ = true;
  try {
    masterdata::runDueCheck(dm_.ZConnection, p, kit::sys::Clock::today(), dm_.currentUser,
                            [this](int done, int) { ProgressCheck->setValue(done); });
  } catch (const kit::data::DbError&) {
    p.cancel();
    kit::ui::warn(QStringLiteral("Hiba az adatokban! Az ellenőrzés befejeződik!"));
  }
  holdFollowing_ = false;
  partners_->DBGrid->setUpdatesEnabled(true);
  PanelCheck->hide();
}

void TFormPartner::openPrintPanel() {
  PanelPrint->adjustSize();
  PanelPrint->move(width() - PanelPrint->width() - 20, 60);
  PanelPrint->show();
  PanelPrint->raise();
}

bool TFormPartner::print() {
  if (partners_->refuseIfEditing() || anyEditing() || partners_->query().isEmpty()) return false;
  session::OwnerData owner;
  QString position;  // the current user's, signing the data-protection letter
  try {
    owner = session::readOwner(dm_);
    if (dm_.positionCurrentUser()) position = dm_.ZQueryUser().text(QStringLiteral("alairas_beosztas"));
  } catch (const kit::data::DbError& e) {
    kit::ui::showError(e);
    return false;
  }
  if (RadioPartnerData->isChecked()) {
    PartnerRows rows(partners_->query(), CheckAllPartners->isChecked());
    return kit::report::produceAndPreview(
        [&] { return kit::report::prepare(partnerDataDocument(rows, owner)); }, false);
  }
  if (RadioGdpr->isChecked()) {
    PartnerRows rows(partners_->query(), CheckAllPartners->isChecked());
    return kit::report::produceAndPreview(
        [&] {
          return kit::report::prepare(gdprLetterDocument(rows, owner, position, kit::sys::Clock::today()));
        },
        true);
  }
  // The two lists over queries of their own.
  Dataset list(dm_.ZConnection);
  list.sqlLines() =
      RadioPartnerList->isChecked() ? partnerListQuery(CheckContractedOnly->isChecked()) : trainingDueQuery();
  list.setParam(QStringLiteral("ma"), kit::sys::Clock::today());
  try {
    list.open();
  } catch (const kit::data::DbError& e) {
    kit::ui::showError(e);
    return false;
  }
  kit::report::DatasetRows rows(list);
  if (RadioPartnerList->isChecked())
    return kit::report::produceAndPreview(
        [&] { return kit::report::prepare(partnerListDocument(rows, owner)); }, false);
  if (list.isEmpty()) {
    kit::ui::warn(noSiteDueMessage());
    return false;
  }
  return kit::report::produceAndPreview(
      [&] { return kit::report::prepare(trainingDueDocument(rows, owner)); }, false);
}

// ---------------------------------------------------------------- events

void TFormPartner::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  if (auto* env = kit::forms::installedFormEnvironment()) {
    const kit::forms::FormColors colors = env->colors();
    kit::ui::paintBackground(this, colors.form);
    for (QFrame* panel : {PanelOktatas, PanelCheck, PanelPrint})
      kit::ui::paintBackground(panel, colors.panel);
  }
  for (ListPanel* list : {partners_, sites_, contacts_}) list->applyColors();
  PageControl->setCurrentPage(PartnerData);
  partners_->openList();
  partners_->DBGrid->setFocus();
}

void TFormPartner::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F9) {
    // From the last page back to the first; nothing while there is no partner.
    if (!partners_->query().isEmpty()) showPage((PageControl->currentPage() + 1) % PageControl->pageCount());
    return;
  }
  if (PanelPrint->isVisible() &&
      (event->key() == Qt::Key_F5 || event->key() == Qt::Key_F6 || event->key() == Qt::Key_F7)) {
    (event->key() == Qt::Key_F5   ? RadioPartnerData
     : event->key() == Qt::Key_F6 ? RadioPartnerList
                                  : RadioTraining)
        ->setChecked(true);
    print();
    return;
  }
  ListPanel& list = activeList();
  switch (list.handleKey(event)) {
    case ListPanel::KeyResult::Handled: return;
    case ListPanel::KeyResult::FocusNext: focusNextChild(); return;
    case ListPanel::KeyResult::CloseWindow:
      // From the sites and contacts Esc goes back to the partner list; from there it closes.
      if (&list != partners_) {
        partners_->DBGrid->setFocus();
        PageControl->setCurrentPage(PartnerData);
      } else {
        reject();
      }
      return;
    case ListPanel::KeyResult::NotHandled: QDialog::keyPressEvent(event);
  }
}

}  // namespace masterdata
