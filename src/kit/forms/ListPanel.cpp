#include "ListPanel.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "FormEnvironment.h"
#include "PagingBar.h"
#include "TFormSablon02.h"
#include "kit/data/DbError.h"
#include "kit/data/Transaction.h"
#include "kit/text/TextHelpers.h"
#include "kit/widgets/Colors.h"
#include "kit/widgets/DBGrid.h"
#include "kit/widgets/Messages.h"

namespace kit::forms {

using kit::data::Dataset;

namespace {

// Closes the search field when it loses the focus.
class CloseOnFocusOut : public QObject {
 public:
  CloseOnFocusOut(QObject* parent, std::function<void()> close) : QObject(parent), close_(std::move(close)) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::FocusOut) close_();
    return false;
  }

 private:
  std::function<void()> close_;
};

}  // namespace

std::vector<ListPanel::Button> ListPanel::standardButtons() {
  return {{Command::New, QStringLiteral("Új tétel <Insert>"), "ButtonNew"},
          {Command::Post, QStringLiteral("Rögzítés <F2>"), "ButtonPost"},
          {Command::Delete, QStringLiteral("Törlés <Delete>"), "ButtonDelete"},
          {Command::Cancel, QStringLiteral("Visszavonás <Esc>"), "ButtonCancel"},
          {Command::Print, QStringLiteral("Nyomtatás <F5>"), "ButtonPrint"},
          {Command::Help, QStringLiteral("Súgó"), "ButtonHelp"},
          {Command::Refresh, QStringLiteral("Tábla frissítése"), "ButtonRefresh"}};
}

ListPanel::ListPanel(std::unique_ptr<Dataset> query, const std::vector<GridColumn>& columns,
                     const std::vector<FieldSpec>& fields, const QString& searchColumn, Options options,
                     QWidget* navParent, QWidget* parent)
    : QWidget(parent), query_(std::move(query)), searchColumn_(searchColumn) {
  query_->setParent(this);
  query_->beforePost.add([](Dataset& d) { formEnvironment().auditStamp(d); });
  layout_ = new QVBoxLayout(this);
  layout_->setContentsMargins(0, 0, 0, 0);
  layout_->setSpacing(4);

  if (options.paged) {
    Panel_SzuresSav = new PagingBar(*query_, this);
    Panel_SzuresSav->mayReopen = [this] { return !refuseIfEditing(); };
    layout_->addWidget(Panel_SzuresSav);
  }

  PanelFind = new QFrame(this);
  PanelFind->setObjectName(QStringLiteral("PanelFind"));
  PanelFind->setFrameShape(QFrame::StyledPanel);
  auto* find = new QHBoxLayout(PanelFind);
  find->setContentsMargins(6, 2, 6, 2);
  auto* findLabel = new QLabel(QStringLiteral("Keresés:"), PanelFind);
  EditFind = new QLineEdit(PanelFind);
  EditFind->setObjectName(QStringLiteral("EditFind"));
  EditFind->setAccessibleName(QStringLiteral("Keresés"));
  findLabel->setBuddy(EditFind);
  auto* closeFind = new QPushButton(QStringLiteral("Kereső ablak bezárása"), PanelFind);
  closeFind->setAutoDefault(false);
  closeFind->setFocusPolicy(Qt::NoFocus);
  find->addWidget(findLabel);
  find->addWidget(EditFind, 1);
  find->addWidget(closeFind);
  PanelFind->hide();
  layout_->addWidget(PanelFind);
  connect(closeFind, &QPushButton::clicked, this, [this] { closeSearch(); });
  connect(EditFind, &QLineEdit::textEdited, this, [this](const QString& text) { search(text); });
  EditFind->installEventFilter(new CloseOnFocusOut(EditFind, [this] { closeSearch(); }));

  QList<kit::data::DatasetModel::Column> gridColumns;
  QList<int> widths;
  for (const GridColumn& c : columns) {
    gridColumns.append({c.column, c.title});
    widths.append(c.width);
  }
  DBGrid = new kit::ui::DBGrid(*query_, gridColumns, this);
  DBGrid->setObjectName(QStringLiteral("DBGrid"));
  DBGrid->setColumnWidths(widths);
  layout_->addWidget(DBGrid, 1);
  connect(DBGrid, &kit::ui::DBGrid::searchRequested, this, [this](const QString& c) { openSearch(c); });

  PanelAlap = new EditPanel(*query_, fields, this, options.fieldColumns);
  PanelAlap->setVisible(!fields.empty());
  layout_->addWidget(PanelAlap);

  DBNavPanel = new QWidget(navParent ? navParent : this);
  DBNavPanel->setObjectName(QStringLiteral("DBNavPanel"));
  navLayout_ = new QHBoxLayout(DBNavPanel);
  navLayout_->setContentsMargins(8, 6, 8, 6);
  navLayout_->addStretch(1);
  navLayout_->addStretch(1);  // the commands go between the two, centred
  if (!navParent) layout_->addWidget(DBNavPanel);
  for (const Button& b : options.buttons) {
    QPushButton* button = addButton(b.caption, b.name);
    buttons_.emplace_back(b.command, button);
    switch (b.command) {
      case Command::New: connect(button, &QPushButton::clicked, this, [this] { commandNew(); }); break;
      case Command::Post: connect(button, &QPushButton::clicked, this, [this] { commandPost(); }); break;
      case Command::Delete: connect(button, &QPushButton::clicked, this, [this] { commandDelete(); }); break;
      case Command::Cancel: connect(button, &QPushButton::clicked, this, [this] { commandCancel(); }); break;
      case Command::Print: connect(button, &QPushButton::clicked, this, [this] { commandPrint(); }); break;
      case Command::Refresh:
        connect(button, &QPushButton::clicked, this, [this] { commandRefresh(); });
        break;
      case Command::Help:
        connect(button, &QPushButton::clicked, this, [this] {
          if (onHelp) onHelp();
        });
        break;
      case Command::Other: break;
    }
  }
  connect(query_.get(), &Dataset::stateChanged, this, [this] { followState(); });
  followState();
}

ListPanel::~ListPanel() = default;

QPushButton* ListPanel::addButton(const QString& caption, const char* name) {
  auto* button = new QPushButton(caption, DBNavPanel);
  button->setObjectName(QLatin1String(name));
  button->setAutoDefault(false);
  button->setFocusPolicy(Qt::NoFocus);
  navLayout_->insertWidget(navLayout_->count() - 1, button);
  return button;
}

QPushButton* ListPanel::button(Command command) const {
  for (const auto& [c, b] : buttons_)
    if (c == command) return b;
  return nullptr;
}

void ListPanel::applyColors() {
  const FormColors colors = formEnvironment().colors();
  kit::ui::paintBackground(PanelAlap, colors.panel);
  kit::ui::paintBackground(Panel_SzuresSav, colors.panel);
  kit::ui::paintBackground(DBNavPanel, colors.dbNav);
  DBGrid->setColors(colors.grid, colors.gridTitle);
}

void ListPanel::openList() {
  closeSearch();
  if (Panel_SzuresSav) Panel_SzuresSav->resetForShowing();
  try {
    query_->open();
    query_->first();
  } catch (const kit::data::DbError& e) {
    kit::ui::showError(e);
  }
}

void ListPanel::followState() {
  const bool editing = query_->isEditing();
  for (const auto& [command, button] : buttons_) {
    if (command == Command::Post) button->setEnabled(editing);
    if (command == Command::New || command == Command::Delete || command == Command::Print ||
        command == Command::Refresh)
      button->setEnabled(!editing);
  }
}

// ---------------------------------------------------------------- commands

bool ListPanel::refuseIfEditing() {
  if (!query_->isEditing() && !(busyElsewhere && busyElsewhere())) return false;
  kit::ui::refusePendingEdit();
  return true;
}

void ListPanel::commandNew() {
  if (refuseIfEditing()) return;
  try {
    query_->append();
  } catch (const kit::data::DbError& e) {
    kit::ui::showError(e);
    return;
  }
  if (QWidget* first = PanelAlap->firstControl()) first->setFocus();
}

bool ListPanel::commandPost() {
  if (!query_->isEditing()) return true;
  if (!PanelAlap->checkRequired()) return false;
  try {
    kit::data::Transaction transaction(query_->connection());
    query_->post();
    transaction.commit();
  } catch (const kit::data::DbError& e) {
    kit::ui::showError(e);  // the row stays in editing with everything typed
    return false;
  } catch (const kit::data::Abort&) {
    return false;
  }
  try {
    if (Panel_SzuresSav) Panel_SzuresSav->recount();
  } catch (const kit::data::DbError&) {
  }
  if (afterChange) afterChange();
  DBGrid->setFocus();
  return true;
}

void ListPanel::commandDelete() {
  if (refuseIfEditing() || query_->isEmpty()) return;
  try {
    if (mayRemove && !mayRemove(*query_)) return;
  } catch (const kit::data::DbError& e) {
    kit::ui::showError(e);
    return;
  }
  if (!kit::ui::confirmDelete()) return;
  try {
    if (removeRow)
      removeRow(*query_);
    else
      query_->remove();
    if (Panel_SzuresSav) Panel_SzuresSav->recount();
    if (afterChange) afterChange();
  } catch (const kit::data::DbError& e) {
    kit::ui::showError(e);
  } catch (const kit::data::Abort&) {
    // the window refused the delete and told the user why
  }
}

void ListPanel::commandCancel() {
  const bool editing = query_->isEditing();
  query_->cancel();
  DBGrid->setFocus();
  if (editing && afterCancel) afterCancel();
}

void ListPanel::commandRefresh() {
  if (refuseIfEditing()) return;
  try {
    query_->refresh();
  } catch (const kit::data::DbError& e) {
    kit::ui::showError(e);
  }
}

// ---------------------------------------------------------------- search

void ListPanel::openSearch(const QString& firstCharacter) {
  PanelFind->show();
  EditFind->setFocus();
  EditFind->setText(firstCharacter);
  EditFind->setCursorPosition(EditFind->text().size());
  search(EditFind->text());
}

void ListPanel::closeSearch() {
  if (!PanelFind || PanelFind->isHidden() || searching_) return;
  PanelFind->hide();
  if (DBGrid) DBGrid->setFocus();
}

void ListPanel::search(const QString& text) {
  // The field shows the name with capital initials; a blank at its end stays, so that the
  // next word can be typed, while the search itself uses the trimmed name.
  const QString name = kit::text::trimmedCapitalisedWords(text);
  const QString shown = text.endsWith(QLatin1Char(' ')) && !name.isEmpty() ? name + QLatin1Char(' ') : name;
  if (shown != text) {
    searching_ = true;
    EditFind->setText(shown);
    EditFind->setCursorPosition(shown.size());
    searching_ = false;
  }
  if (name.isEmpty() || query_->isEditing()) return;
  try {
    query_->locate(searchColumn_, name, {.partialKey = true});
  } catch (const kit::data::DbError&) {
  }
}

void ListPanel::commandPrint() {
  // Nothing is printed over a pending edit or from an empty list.
  if (refuseIfEditing() || query_->isEmpty()) return;
  if (onPrint) onPrint();
}

// ---------------------------------------------------------------- keyboard

ListPanel::KeyResult ListPanel::handleKey(QKeyEvent* event) {
  QWidget* focus = QApplication::focusWidget();
  const bool inList = focus == DBGrid;
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (qobject_cast<QPlainTextEdit*>(focus) || inList) return KeyResult::NotHandled;
      return KeyResult::FocusNext;
    case Qt::Key_Insert:
      if (inList && button(Command::New)) commandNew();
      return KeyResult::Handled;
    case Qt::Key_F2:
      if (button(Command::Post)) commandPost();
      return KeyResult::Handled;
    case Qt::Key_Delete:
      if (inList && button(Command::Delete)) commandDelete();
      return KeyResult::Handled;
    case Qt::Key_F5:
      if (button(Command::Print)) commandPrint();
      return KeyResult::Handled;
    case Qt::Key_Escape:
      if (focus == EditFind) {
        closeSearch();
      } else if (!inList) {
        DBGrid->setFocus();
      } else if (query_->isEditing()) {
        commandCancel();  // undo the edit first; nothing typed is lost by closing
      } else {
        return KeyResult::CloseWindow;
      }
      return KeyResult::Handled;
    default: return KeyResult::NotHandled;
  }
}

}  // namespace kit::forms
