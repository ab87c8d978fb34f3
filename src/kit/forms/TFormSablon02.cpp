#include "TFormSablon02.h"

#include <QShowEvent>
#include <QVBoxLayout>

#include "FormEnvironment.h"
#include "kit/widgets/Colors.h"
#include "kit/widgets/DBGrid.h"

namespace kit::forms {

TFormSablon02::TFormSablon02(QWidget* parent) : QDialog(parent) {
  setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
  setMinimumSize(795, 498);
  resize(1024, 700);
}

TFormSablon02::~TFormSablon02() = default;

void TFormSablon02::setup(std::unique_ptr<kit::data::Dataset> query, const std::vector<GridColumn>& columns,
                          const std::vector<FieldSpec>& fields, const QString& searchColumn,
                          ListPanel::Options options) {
  list_ = new ListPanel(std::move(query), columns, fields, searchColumn, std::move(options), this, this);
  list_->setObjectName(QStringLiteral("PanelClient"));
  list_->contentLayout()->setContentsMargins(0, 4, 0, 4);
  PanelClient = list_;
  DBGrid = list_->DBGrid;
  DBGrid->setAccessibleName(windowTitle());
  DBNavPanel = list_->DBNavPanel;
  PanelFind = list_->PanelFind;
  EditFind = list_->EditFind;
  Panel_SzuresSav = list_->Panel_SzuresSav;
  PanelAlap = list_->PanelAlap;
  using C = ListPanel::Command;
  ButtonNew = list_->button(C::New);
  ButtonPost = list_->button(C::Post);
  ButtonDelete = list_->button(C::Delete);
  ButtonCancel = list_->button(C::Cancel);
  ButtonPrint = list_->button(C::Print);
  ButtonHelp = list_->button(C::Help);
  ButtonRefresh = list_->button(C::Refresh);
}

void TFormSablon02::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  kit::ui::paintBackground(this, formEnvironment().colors().form);
  list_->applyColors();
  beforeShowing();
  list_->openList();
  DBGrid->setFocus();
}

void TFormSablon02::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (!list_) return;
  // The content has a fixed width and stays centred however wide the window is.
  const int w = width(), h = height();
  PanelClient->setGeometry((w - 795) / 2 + 4, 0, 787, h - 44);
  DBNavPanel->setGeometry(0, h - 44, w, 44);
}

void TFormSablon02::keyPressEvent(QKeyEvent* event) {
  switch (list_->handleKey(event)) {
    case ListPanel::KeyResult::Handled: return;
    case ListPanel::KeyResult::FocusNext: focusNextChild(); return;
    case ListPanel::KeyResult::CloseWindow: reject(); return;
    case ListPanel::KeyResult::NotHandled: QDialog::keyPressEvent(event);
  }
}

}  // namespace kit::forms
