#include "TFormSablon05.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "FormEnvironment.h"
#include "PageSwitcher.h"
#include "TFormSablon02.h"
#include "kit/widgets/Colors.h"
#include "kit/widgets/DBGrid.h"

namespace kit::forms {

// ---------------------------------------------------------------- 05

TFormSablon05::TFormSablon05(QWidget* parent) : QDialog(parent) {
  setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
  setMinimumSize(795, 498);
  resize(1024, 700);
}

void TFormSablon05::setup(std::unique_ptr<kit::data::Dataset> query,
                          const std::vector<ListPanel::GridColumn>& columns,
                          const std::vector<FieldSpec>& fields, const QString& searchColumn) {
  PanelClient = new QWidget(this);
  PanelClient->setObjectName(QStringLiteral("PanelClient"));
  auto* client = new QVBoxLayout(PanelClient);
  client->setContentsMargins(0, 4, 0, 4);
  PageControl = new PageSwitcher(PanelClient);
  client->addWidget(PageControl);
  list_ = new ListPanel(std::move(query), columns, fields, searchColumn, {}, this, PageControl);
  DBNavPanel = list_->DBNavPanel;
  PageControl->addPage(QStringLiteral("Törzsadatok <F9>"), list_);
  connect(PageControl, &PageSwitcher::pageChanged, this, [this](int index) {
    DBNavPanel->setVisible(index == 0);  // the commands belong to the list
    if (index == 0) list_->DBGrid->setFocus();
  });
}

int TFormSablon05::addPage(const QString& caption, QWidget* page) {
  return PageControl->addPage(caption, page);
}

void TFormSablon05::showPage(int index) {
  if (index == PageControl->currentPage() || list_->refuseIfEditing()) return;
  PageControl->setCurrentPage(index);
}

void TFormSablon05::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  kit::ui::paintBackground(this, formEnvironment().colors().form);
  list_->applyColors();
  PageControl->setCurrentPage(0);
  beforeShowing();
  list_->openList();
  list_->DBGrid->setFocus();
}

void TFormSablon05::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (!list_) return;
  const int w = width(), h = height();
  PanelClient->setGeometry((w - 795) / 2 + 4, 0, 787, h - 44);
  DBNavPanel->setGeometry(0, h - 44, w, 44);
}

void TFormSablon05::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F9) {
    showPage((PageControl->currentPage() + 1) % PageControl->pageCount());
    return;
  }
  if (PageControl->currentPage() != 0) {
    if (event->key() == Qt::Key_Escape) {
      showPage(0);
      return;
    }
    QDialog::keyPressEvent(event);
    return;
  }
  switch (list_->handleKey(event)) {
    case ListPanel::KeyResult::Handled: return;
    case ListPanel::KeyResult::FocusNext: focusNextChild(); return;
    case ListPanel::KeyResult::CloseWindow: reject(); return;
    case ListPanel::KeyResult::NotHandled: QDialog::keyPressEvent(event);
  }
}

// ---------------------------------------------------------------- 06

TFormSablon06::TFormSablon06(QWidget* parent) : QDialog(parent) {
  setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
  setMinimumSize(795, 498);
  resize(1024, 700);
}

void TFormSablon06::setup(std::unique_ptr<kit::data::Dataset> query,
                          const std::vector<ListPanel::GridColumn>& columns) {
  auto* layout = new QVBoxLayout(this);
  using C = ListPanel::Command;
  list_ = new ListPanel(std::move(query), columns, {}, {},
                        {.paged = false,
                         .buttons = {{C::Other, QStringLiteral("Exportálás indítása"), "ButtonExport"},
                                     {C::Other, QStringLiteral("Importálás indítása"), "ButtonImport"}}},
                        nullptr, this);
  list_->setObjectName(QStringLiteral("PanelClient"));
  layout->addWidget(list_);
  ButtonExport = list_->DBNavPanel->findChild<QPushButton*>(QStringLiteral("ButtonExport"));
  ButtonImport = list_->DBNavPanel->findChild<QPushButton*>(QStringLiteral("ButtonImport"));
  ButtonImport->hide();
  connect(ButtonExport, &QPushButton::clicked, this, [this] {
    if (startExport) startExport();
  });
  connect(ButtonImport, &QPushButton::clicked, this, [this] {
    if (startImport) startImport();
  });
}

void TFormSablon06::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  kit::ui::paintBackground(this, formEnvironment().colors().form);
  list_->applyColors();
  list_->openList();
  list_->DBGrid->setFocus();
}

void TFormSablon06::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    reject();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace kit::forms
