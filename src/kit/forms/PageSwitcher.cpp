#include "PageSwitcher.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace kit::forms {

PageSwitcher::PageSwitcher(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  buttons_ = new QHBoxLayout;
  buttons_->setSpacing(2);
  buttons_->addStretch(1);
  layout->addLayout(buttons_);
  stack_ = new QStackedWidget(this);
  layout->addWidget(stack_, 1);
  group_ = new QButtonGroup(this);
  group_->setExclusive(true);
  connect(group_, &QButtonGroup::idClicked, this, [this](int id) { setCurrentPage(id); });
}

int PageSwitcher::addPage(const QString& caption, QWidget* page) {
  const int index = stack_->addWidget(page);
  auto* button = new QToolButton(this);
  button->setText(caption);
  button->setCheckable(true);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setObjectName(QStringLiteral("PageButton%1").arg(index));
  group_->addButton(button, index);
  buttons_->insertWidget(buttons_->count() - 1, button);
  if (index == 0) button->setChecked(true);
  return index;
}

int PageSwitcher::currentPage() const {
  return stack_->currentIndex();
}

void PageSwitcher::setCurrentPage(int index) {
  if (index < 0 || index >= stack_->count()) return;
  stack_->setCurrentIndex(index);
  group_->button(index)->setChecked(true);
  emit pageChanged(index);
}

void PageSwitcher::nextPage() {
  setCurrentPage((currentPage() + 1) % std::max(1, pageCount()));
}

int PageSwitcher::pageCount() const {
  return stack_->count();
}

QWidget* PageSwitcher::page(int index) const {
  return stack_->widget(index);
}

}  // namespace kit::forms
