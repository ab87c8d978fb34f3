#include "PagingBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "FormEnvironment.h"
#include "kit/data/Dataset.h"
#include "kit/data/DbError.h"
#include "kit/widgets/MessageService.h"
#include "kit/widgets/Messages.h"

namespace kit::forms {

using kit::data::Dataset;

PagingBar::PagingBar(Dataset& list, QWidget* parent) : QWidget(parent), list_(list) {
  setObjectName(QStringLiteral("Panel_SzuresSav"));
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(6, 2, 6, 2);
  ButtonLimitOff = new QPushButton(QStringLiteral("Limit felügyelés kikapcsolása"), this);
  ButtonLimitOn = new QPushButton(QStringLiteral("Limit felügyelés bekapcsolása"), this);
  for (QPushButton* b : {ButtonLimitOff, ButtonLimitOn}) {
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
    row->addWidget(b);
  }
  row->addSpacing(12);
  row->addWidget(new QLabel(QStringLiteral("Összes sor:"), this));
  Label_maxlines = new QLabel(QStringLiteral("0"), this);
  Label_maxlines->setObjectName(QStringLiteral("Label_maxlines"));
  row->addWidget(Label_maxlines);
  row->addStretch(1);

  Panel_offset = new QWidget(this);
  Panel_offset->setObjectName(QStringLiteral("Panel_offset"));
  auto* pages = new QHBoxLayout(Panel_offset);
  pages->setContentsMargins(0, 0, 0, 0);
  const auto button = [&](const char* name, const char* glyph, const char* hint) {
    auto* b = new QToolButton(Panel_offset);
    b->setObjectName(QLatin1String(name));
    b->setText(QString::fromUtf8(glyph));
    b->setToolTip(QString::fromUtf8(hint));
    b->setAccessibleName(QString::fromUtf8(hint));
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoRaise(true);
    return b;
  };
  SpeedButton_Of_First = button("SpeedButton_Of_First", "|◀", "Első lap");
  SpeedButton_Of_Prior = button("SpeedButton_Of_Prior", "◀", "Előző lap");
  Label_Of_No = new QLabel(QStringLiteral("1"), Panel_offset);
  Label_Of_No->setObjectName(QStringLiteral("Label_Of_No"));
  Label_Of_Max = new QLabel(QStringLiteral("/ 1"), Panel_offset);
  Label_Of_Max->setObjectName(QStringLiteral("Label_Of_Max"));
  SpeedButton_Of_Next = button("SpeedButton_Of_Next", "▶", "Következő lap");
  SpeedButton_Of_Last = button("SpeedButton_Of_Last", "▶|", "Utolsó lap");
  pages->addWidget(SpeedButton_Of_First);
  pages->addWidget(SpeedButton_Of_Prior);
  pages->addWidget(Label_Of_No);
  pages->addWidget(Label_Of_Max);
  pages->addWidget(SpeedButton_Of_Next);
  pages->addWidget(SpeedButton_Of_Last);
  row->addWidget(Panel_offset);
  row->addSpacing(12);
  row->addWidget(new QLabel(QStringLiteral("Limit:"), this));
  Label_limit = new QLabel(this);
  Label_limit->setObjectName(QStringLiteral("Label_limit"));
  row->addWidget(Label_limit);

  connect(SpeedButton_Of_First, &QToolButton::clicked, this, [this] { goToPage(1); });
  connect(SpeedButton_Of_Prior, &QToolButton::clicked, this, [this] {
    if (page_ > 1) goToPage(page_ - 1);
  });
  connect(SpeedButton_Of_Next, &QToolButton::clicked, this, [this] { goToPage(page_ + 1); });
  connect(SpeedButton_Of_Last, &QToolButton::clicked, this, [this] { goToPage(pageCount()); });
  connect(ButtonLimitOff, &QPushButton::clicked, this, [this] { switchPagingOff(); });
  connect(ButtonLimitOn, &QPushButton::clicked, this, [this] { switchPagingOn(); });

  list_.beforeOpen.add(
      [this](Dataset& d) { formEnvironment().pageClause(d, page_ - 1, formEnvironment().pagingOff()); });
  list_.afterOpen.add([this](Dataset&) { recount(); });
}

int PagingBar::pageCount() const {
  const int size = formEnvironment().rowsPerPage();
  return size > 0 ? (total_ + size - 1) / size : 1;
}

void PagingBar::resetForShowing() {
  page_ = 1;
  Label_Of_No->setText(QStringLiteral("1"));
  Label_limit->setText(QString::number(formEnvironment().rowsPerPage()));
  showPagingState(formEnvironment().pagingOff());
}

void PagingBar::showPagingState(bool off) {
  ButtonLimitOn->setVisible(off);
  ButtonLimitOff->setVisible(!off);
  Panel_offset->setVisible(!off);
}

void PagingBar::recount() {
  total_ = formEnvironment().rowCount(list_);
  Label_maxlines->setText(QString::number(total_));
  Label_Of_No->setText(QString::number(page_));
  Label_Of_Max->setText(QStringLiteral("/ ") + QString::number(pageCount()));
  SpeedButton_Of_First->setEnabled(page_ != 1);
  SpeedButton_Of_Prior->setEnabled(page_ != 1);
  SpeedButton_Of_Next->setEnabled(page_ < pageCount());
  SpeedButton_Of_Last->setEnabled(page_ < pageCount());
}

void PagingBar::reopenKeepingRow() {
  if (mayReopen && !mayReopen()) return;
  QVariant key;
  if (list_.isOpen() && list_.currentRow() >= 0 && list_.hasField(list_.keyField()))
    key = list_.value(list_.keyField());
  try {
    list_.open();
    if (!key.isNull()) list_.locate(list_.keyField(), key);
  } catch (const kit::data::DbError& e) {
    kit::ui::showError(e);
  }
  emit reopened();
}

void PagingBar::goToPage(int page) {
  if (list_.isEditing()) {
    kit::ui::refusePendingEdit();
    return;
  }
  page_ = std::max(1, page);
  reopenKeepingRow();
}

void PagingBar::switchPagingOff() {
  if (list_.isEditing()) {
    kit::ui::refusePendingEdit();
    return;
  }
  const bool yes = kit::ui::ask(
      QStringLiteral("A sorlimit kikapcsolása a teljes tétellista megjelenítését eredményezi.\n"
                     "Ennek a funkciónak a bekapcsolása internetes elérés esetén több 10 másodpercig is "
                     "eltarthat.\nVégrehajtásra kerülhet a sorlimit kikapcsolása?"),
      QStringLiteral("Limit felügyelés"));
  if (!yes) return;
  formEnvironment().setPagingOff(true);
  showPagingState(true);
  page_ = 1;
  reopenKeepingRow();
}

void PagingBar::switchPagingOn() {
  if (list_.isEditing()) {
    kit::ui::refusePendingEdit();
    return;
  }
  formEnvironment().setPagingOff(false);
  showPagingState(false);
  page_ = 1;
  reopenKeepingRow();
}

}  // namespace kit::forms
