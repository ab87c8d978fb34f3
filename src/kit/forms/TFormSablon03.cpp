#include "TFormSablon03.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "FormEnvironment.h"
#include "PageSwitcher.h"
#include "TFormSablon02.h"
#include "kit/data/DbError.h"
#include "kit/data/Transaction.h"
#include "kit/widgets/Colors.h"
#include "kit/widgets/DBGrid.h"
#include "kit/widgets/DataControls.h"
#include "kit/widgets/Messages.h"

namespace kit::forms {

using kit::data::Dataset;
using C = ListPanel::Command;

namespace {

std::vector<ListPanel::Button> masterButtons(MasterPointsForm::Variant variant) {
  using V = MasterPointsForm::Variant;
  std::vector<ListPanel::Button> b{{C::New, QStringLiteral("Új tétel <Insert>"), "ButtonNew"},
                                   {C::Post, QStringLiteral("Rögzítés <F2>"), "ButtonPost"},
                                   {C::Delete, QStringLiteral("Törlés <Delete>"), "ButtonDelete"},
                                   {C::Cancel, QStringLiteral("Mégsem <Esc>"), "ButtonCancel"}};
  if (variant == V::Sablon03) b.push_back({C::Other, QStringLiteral("Duplikálás <F4>"), "ButtonDuplicate"});
  if (variant == V::Sablon04) {
    b.push_back({C::Other, QStringLiteral("Felvétel mintának"), "ButtonRecordAsTemplate"});
    b.push_back({C::Other, QStringLiteral("Szűrés"), "ButtonFilter"});
  }
  b.push_back({C::Help, QStringLiteral("Súgó"), "ButtonHelp"});
  b.push_back({C::Refresh, QStringLiteral("Tábla frissítése"), "ButtonRefresh"});
  if (variant == V::Sablon7) {
    b.push_back({C::Other, QStringLiteral("Szűrés"), "ButtonFilter"});
    b.push_back({C::Print, QStringLiteral("Nyomtatás <F5>"), "ButtonPrint"});
  }
  return b;
}

std::vector<ListPanel::Button> pointButtons(MasterPointsForm::Variant variant) {
  using V = MasterPointsForm::Variant;
  const ListPanel::Button newRow{C::New, QStringLiteral("Új tétel <Insert>"), "ButtonNew"},
      post{C::Post, QStringLiteral("Rögzítés <F2>"), "ButtonPost"},
      remove{C::Delete, QStringLiteral("Törlés <Delete>"), "ButtonDelete"},
      cancel{C::Cancel, QStringLiteral("Mégsem <Esc>"), "ButtonCancel"},
      print{C::Print, QStringLiteral("Nyomtatás <F5>"), "ButtonPrint"},
      help{C::Help, QStringLiteral("Súgó"), "ButtonHelp"},
      refresh{C::Refresh, QStringLiteral("Tábla frissítése"), "ButtonRefresh"};
  switch (variant) {
    case V::Sablon03: return {newRow, post, remove, cancel, print, help, refresh};
    case V::Sablon04: return {post, cancel, print, help, refresh};
    case V::Sablon7:
      return {newRow, post, remove, cancel, {C::Print, QStringLiteral("Nyomtatás <F6>"), "ButtonPrint"}};
  }
  return {};
}

QWidget* messagePanel(QWidget* parent, const char* name, const QString& text, QProgressBar** bar) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(QLatin1String(name));
  panel->setFrameShape(QFrame::Box);
  auto* layout = new QVBoxLayout(panel);
  layout->addWidget(new QLabel(text, panel));
  if (bar) {
    *bar = new QProgressBar(panel);
    layout->addWidget(*bar);
  }
  panel->hide();
  return panel;
}

}  // namespace

MasterPointsForm::MasterPointsForm(Variant variant, QWidget* parent) : QDialog(parent), variant_(variant) {
  setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
  setMinimumSize(795, 498);
  resize(1024, 700);
}

void MasterPointsForm::setup(Master master, Points points) {
  nameColumn_ = master.nameColumn;
  masterParam_ = points.masterParam;
  masterColumn_ = points.masterColumn;

  PanelClient = new QWidget(this);
  PanelClient->setObjectName(QStringLiteral("PanelClient"));
  auto* client = new QVBoxLayout(PanelClient);
  client->setContentsMargins(0, 4, 0, 4);
  PanelTorzsNev = new QLabel(PanelClient);
  PanelTorzsNev->setObjectName(QStringLiteral("PanelTorzsNev"));
  PanelTorzsNev->setFrameShape(QFrame::Panel);
  PanelTorzsNev->setMinimumHeight(24);
  QFont bold = PanelTorzsNev->font();
  bold.setBold(true);
  PanelTorzsNev->setFont(bold);
  client->addWidget(PanelTorzsNev);

  PageControl = new PageSwitcher(PanelClient);
  client->addWidget(PageControl, 1);
  master_ = new ListPanel(std::move(master.query), master.columns, master.fields, master.searchColumn,
                          {.paged = true, .buttons = masterButtons(variant_)}, nullptr, PageControl);
  points_ = new ListPanel(std::move(points.query), points.columns, points.fields, points.searchColumn,
                          {.paged = false, .buttons = pointButtons(variant_)}, nullptr, PageControl);
  PageControl->addPage(master.pageCaption.isEmpty() ? QStringLiteral("Törzsadatok <F9>") : master.pageCaption,
                       master_);
  PageControl->addPage(points.pageCaption.isEmpty()
                           ? (variant_ == Variant::Sablon7 ? QStringLiteral("Alpontok felvétele <F9>")
                                                           : QStringLiteral("Pontok <F9>"))
                           : points.pageCaption,
                       points_);
  DBGridTorzs = master_->DBGrid;
  DBGridTorzs->setObjectName(QStringLiteral("DBGridTorzs"));
  DBGridPont = points_->DBGrid;
  DBGridPont->setObjectName(QStringLiteral("DBGridPont"));

  const auto findButton = [](ListPanel* list, const char* name) {
    return list->DBNavPanel->findChild<QPushButton*>(QLatin1String(name));
  };
  ButtonDuplicate = findButton(master_, "ButtonDuplicate");
  ButtonRecordAsTemplate = findButton(master_, "ButtonRecordAsTemplate");
  ButtonFilter = findButton(master_, "ButtonFilter");
  if (ButtonDuplicate)
    connect(ButtonDuplicate, &QPushButton::clicked, this, [this] { openDuplicatePanel(); });
  if (ButtonRecordAsTemplate)
    connect(ButtonRecordAsTemplate, &QPushButton::clicked, this, [this] {
      if (!master_->refuseIfEditing() && recordAsTemplate) recordAsTemplate();
    });
  if (ButtonFilter)
    connect(ButtonFilter, &QPushButton::clicked, this, [this] {
      if (!master_->refuseIfEditing() && filter) filter();
    });

  // The duplicate panel, and the panels shown while deleting.
  PanelDuplicate = new QFrame(PanelClient);
  PanelDuplicate->setObjectName(QStringLiteral("PanelDuplicate"));
  static_cast<QFrame*>(PanelDuplicate)->setFrameShape(QFrame::Box);
  auto* dup = new QVBoxLayout(PanelDuplicate);
  dup->addWidget(new QLabel(QStringLiteral("A duplikálni kívánt jegyzőkönyv"), PanelDuplicate));
  LabelDuplicateName = new kit::ui::TDBInfoLabel(master_->query(), nameColumn_, PanelDuplicate);
  LabelDuplicateKey =
      new kit::ui::TDBInfoLabel(master_->query(), master_->query().keyField(), PanelDuplicate);
  for (QLabel* l : {static_cast<QLabel*>(LabelDuplicateName), static_cast<QLabel*>(LabelDuplicateKey)}) {
    l->setFrameShape(QFrame::Box);
    dup->addWidget(l);
  }
  ProgressDuplicate = new QProgressBar(PanelDuplicate);
  dup->addWidget(ProgressDuplicate);
  auto* dupButtons = new QHBoxLayout;
  ButtonDuplicateStart = new QPushButton(QStringLiteral("Duplikálás indítása"), PanelDuplicate);
  ButtonDuplicateCancel = new QPushButton(QStringLiteral("Mégsem"), PanelDuplicate);
  dupButtons->addStretch(1);
  dupButtons->addWidget(ButtonDuplicateStart);
  dupButtons->addWidget(ButtonDuplicateCancel);
  dup->addLayout(dupButtons);
  PanelDuplicate->hide();
  client->addWidget(PanelDuplicate);
  connect(ButtonDuplicateCancel, &QPushButton::clicked, this, [this] { closeDuplicatePanel(); });
  connect(ButtonDuplicateStart, &QPushButton::clicked, this, [this] {
    if (duplicate) duplicate();
    closeDuplicatePanel();
  });
  PanelProgress =
      messagePanel(PanelClient, "PanelProgress", QStringLiteral("Törlés folyamatban"), &ProgressDelete);
  client->addWidget(PanelProgress);
  PanelTorles = messagePanel(PanelClient, "PanelTorles",
                             QStringLiteral("Pont törlése és újra sorszámozása folyamatban!"), nullptr);
  client->addWidget(PanelTorles);

  // The points follow the selected master.
  Dataset& m = master_->query();
  m.afterScroll.add([this](Dataset&) { followMaster(); });
  m.afterPost.add([this](Dataset&) { followMaster(); });
  connect(&m, &Dataset::rowChanged, this, [this] {
    PanelTorzsNev->setText(master_->query().currentRow() >= 0 ? master_->query().text(nameColumn_)
                                                              : QString());
  });
  points_->query().onNewRecord.add([this](Dataset& p) {
    const Dataset& owner = master_->query();
    if (owner.currentRow() >= 0) p.setValue(masterColumn_, owner.value(owner.keyField()));
  });
  master_->removeRow = [this](Dataset& d) { removeMasterWithPoints(d); };
  points_->removeRow = [this](Dataset& d) { removePoint(d); };
  connect(PageControl, &PageSwitcher::pageChanged, this,
          [this](int index) { (index == 0 ? DBGridTorzs : DBGridPont)->setFocus(); });
}

ListPanel& MasterPointsForm::activeList() const {
  return PageControl->currentPage() == 0 ? *master_ : *points_;
}

void MasterPointsForm::followMaster() {
  const Dataset& m = master_->query();
  const bool hasRow = m.isOpen() && m.currentRow() >= 0 && !m.isEditing();
  PanelTorzsNev->setText(hasRow ? m.text(nameColumn_) : QString());
  Dataset& p = points_->query();
  if (p.isEditing()) return;
  p.setParam(masterParam_, hasRow ? m.value(m.keyField()) : QVariant());
  try {
    p.open();
  } catch (const kit::data::DbError& e) {
    kit::ui::showError(e);
  }
}

void MasterPointsForm::removeMasterWithPoints(Dataset& master) {
  PanelProgress->show();
  ProgressDelete->setRange(0, 0);
  PanelProgress->repaint();
  const QVariant key = master.value(master.keyField());
  const QString table = points_->query().updateTable();
  try {
    kit::data::Transaction transaction(master.connection());
    master.connection().exec(QStringLiteral("DELETE FROM %1 WHERE %2 = $1").arg(table, masterColumn_), {key});
    master.remove();
    transaction.commit();
  } catch (...) {
    PanelProgress->hide();
    throw;
  }
  PanelProgress->hide();
  followMaster();
}

void MasterPointsForm::removePoint(Dataset& points) {
  PanelTorles->show();
  PanelTorles->repaint();
  try {
    kit::data::Transaction transaction(points.connection());
    points.remove();
    if (renumberPoints) renumberPoints(points);
    transaction.commit();
  } catch (...) {
    PanelTorles->hide();
    throw;
  }
  PanelTorles->hide();
}

void MasterPointsForm::showPage(int index) {
  if (index == PageControl->currentPage()) return;
  if (activeList().refuseIfEditing()) return;
  PageControl->setCurrentPage(index);
}

void MasterPointsForm::openDuplicatePanel() {
  if (master_->refuseIfEditing() || master_->query().isEmpty()) return;
  ProgressDuplicate->setValue(0);
  PageControl->hide();
  PanelDuplicate->show();
}

void MasterPointsForm::closeDuplicatePanel() {
  PanelDuplicate->hide();
  PageControl->show();
  PageControl->setCurrentPage(0);
}

void MasterPointsForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  const FormColors colors = formEnvironment().colors();
  kit::ui::paintBackground(this, colors.form);
  kit::ui::paintBackground(PanelTorzsNev, colors.panel);
  master_->applyColors();
  points_->applyColors();
  PageControl->setCurrentPage(0);
  beforeShowing();
  master_->openList();
  followMaster();
  DBGridTorzs->setFocus();
}

void MasterPointsForm::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (PanelClient) PanelClient->setGeometry((width() - 795) / 2 + 4, 0, 787, height() - 4);
}

void MasterPointsForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F9) {
    showPage(PageControl->currentPage() == 0 ? 1 : 0);
    return;
  }
  if (event->key() == Qt::Key_F4 && ButtonDuplicate && PageControl->currentPage() == 0) {
    openDuplicatePanel();
    return;
  }
  if (event->key() == Qt::Key_F6 && variant_ == Variant::Sablon7) {
    points_->commandPrint();
    return;
  }
  if (event->key() == Qt::Key_F5 && variant_ == Variant::Sablon7 && PageControl->currentPage() == 1) return;
  switch (activeList().handleKey(event)) {
    case ListPanel::KeyResult::Handled: return;
    case ListPanel::KeyResult::FocusNext: focusNextChild(); return;
    case ListPanel::KeyResult::CloseWindow:
      // From the points, Esc returns to the master list; from the master list it closes.
      if (PageControl->currentPage() == 1)
        showPage(0);
      else
        reject();
      return;
    case ListPanel::KeyResult::NotHandled: QDialog::keyPressEvent(event);
  }
}

}  // namespace kit::forms
