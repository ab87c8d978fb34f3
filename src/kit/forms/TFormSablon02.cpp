#include "TFormSablon02.h"

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
#include "kit/data/DbError.h"
#include "kit/data/Transaction.h"
#include "kit/text/TextHelpers.h"
#include "kit/widgets/DBGrid.h"
#include "kit/widgets/Messages.h"

namespace kit::forms {

using kit::data::Dataset;

namespace {

void paint(QWidget* widget, const QColor& color) {
  if (!widget || !color.isValid()) return;
  widget->setAutoFillBackground(true);
  QPalette p = widget->palette();
  p.setColor(QPalette::Window, color);
  widget->setPalette(p);
}

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

TFormSablon02::TFormSablon02(QWidget* parent) : QDialog(parent) {
  setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
  setMinimumSize(795, 498);
  resize(1024, 700);

  PanelClient = new QWidget(this);
  PanelClient->setObjectName(QStringLiteral("PanelClient"));
  clientLayout_ = new QVBoxLayout(PanelClient);
  clientLayout_->setContentsMargins(0, 4, 0, 4);
  clientLayout_->setSpacing(4);

  DBNavPanel = new QWidget(this);
  DBNavPanel->setObjectName(QStringLiteral("DBNavPanel"));
  auto* bar = new QHBoxLayout(DBNavPanel);
  bar->setContentsMargins(8, 6, 8, 6);
  bar->addStretch(1);
  bar->addStretch(1);  // the commands go between the two, centred
  ButtonNew = addCommand(QStringLiteral("Új tétel <Insert>"), "ButtonNew");
  ButtonPost = addCommand(QStringLiteral("Rögzítés <F2>"), "ButtonPost");
  ButtonDelete = addCommand(QStringLiteral("Törlés <Delete>"), "ButtonDelete");
  ButtonCancel = addCommand(QStringLiteral("Visszavonás <Esc>"), "ButtonCancel");
  ButtonPrint = addCommand(QStringLiteral("Nyomtatás <F5>"), "ButtonPrint");
  ButtonHelp = addCommand(QStringLiteral("Súgó"), "ButtonHelp");
  ButtonRefresh = addCommand(QStringLiteral("Tábla frissítése"), "ButtonRefresh");
  connect(ButtonNew, &QPushButton::clicked, this, [this] { commandNew(); });
  connect(ButtonPost, &QPushButton::clicked, this, [this] { commandPost(); });
  connect(ButtonDelete, &QPushButton::clicked, this, [this] { commandDelete(); });
  connect(ButtonCancel, &QPushButton::clicked, this, [this] { commandCancel(); });
  connect(ButtonPrint, &QPushButton::clicked, this, [this] { commandPrint(); });
  connect(ButtonRefresh, &QPushButton::clicked, this, [this] { commandRefresh(); });
}

TFormSablon02::~TFormSablon02() = default;

QPushButton* TFormSablon02::addCommand(const QString& caption, const char* name) {
  auto* button = new QPushButton(caption, DBNavPanel);
  button->setObjectName(QLatin1String(name));
  button->setAutoDefault(false);
  button->setFocusPolicy(Qt::NoFocus);
  static_cast<QHBoxLayout*>(DBNavPanel->layout())->insertWidget(DBNavPanel->layout()->count() - 1, button);
  return button;
}

void TFormSablon02::setup(std::unique_ptr<Dataset> query, const std::vector<GridColumn>& columns,
                          const std::vector<FieldSpec>& fields, const QString& searchColumn) {
  query_ = std::move(query);
  query_->setParent(this);
  searchColumn_ = searchColumn;
  query_->beforePost.add([](Dataset& d) { formEnvironment().auditStamp(d); });

  Panel_SzuresSav = new PagingBar(*query_, PanelClient);
  Panel_SzuresSav->mayReopen = [this] { return !refuseIfEditing(); };
  clientLayout_->addWidget(Panel_SzuresSav);

  PanelFind = new QFrame(PanelClient);
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
  clientLayout_->addWidget(PanelFind);
  connect(closeFind, &QPushButton::clicked, this, [this] { closeSearch(); });
  connect(EditFind, &QLineEdit::textEdited, this, [this](const QString& text) { search(text); });
  EditFind->installEventFilter(new CloseOnFocusOut(EditFind, [this] { closeSearch(); }));

  QList<kit::data::DatasetModel::Column> gridColumns;
  QList<int> widths;
  for (const GridColumn& c : columns) {
    gridColumns.append({c.column, c.title});
    widths.append(c.width);
  }
  DBGrid = new kit::ui::DBGrid(*query_, gridColumns, PanelClient);
  DBGrid->setObjectName(QStringLiteral("DBGrid"));
  DBGrid->setAccessibleName(windowTitle());
  DBGrid->setColumnWidths(widths);
  clientLayout_->addWidget(DBGrid, 1);
  connect(DBGrid, &kit::ui::DBGrid::searchRequested, this, [this](const QString& c) { openSearch(c); });

  PanelAlap = new EditPanel(*query_, fields, PanelClient);
  clientLayout_->addWidget(PanelAlap);

  connect(query_.get(), &Dataset::stateChanged, this, [this] { followState(); });
  followState();
}

// ---------------------------------------------------------------- showing and layout

void TFormSablon02::applyColors() {
  const FormColors colors = formEnvironment().colors();
  paint(this, colors.form);
  paint(PanelAlap, colors.panel);
  paint(Panel_SzuresSav, colors.panel);
  paint(DBNavPanel, colors.dbNav);
  if (DBGrid) DBGrid->setColors(colors.grid, colors.gridTitle);
}

void TFormSablon02::openList() {
  Panel_SzuresSav->resetForShowing();
  try {
    query_->open();
    query_->first();
  } catch (const kit::data::DbError& e) {
    kit::ui::showError(e);
  }
}

void TFormSablon02::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  applyColors();
  closeSearch();
  beforeShowing();
  openList();
  DBGrid->setFocus();
}

void TFormSablon02::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  // The content has a fixed width and stays centred however wide the window is.
  const int w = width(), h = height();
  PanelClient->setGeometry((w - 795) / 2 + 4, 0, 787, h - 44);
  DBNavPanel->setGeometry(0, h - 44, w, 44);
}

void TFormSablon02::followState() {
  const bool editing = query_ && query_->isEditing();
  ButtonPost->setEnabled(editing);
  for (QPushButton* b : {ButtonNew, ButtonDelete, ButtonPrint, ButtonRefresh}) b->setEnabled(!editing);
}

// ---------------------------------------------------------------- commands

bool TFormSablon02::refuseIfEditing() {
  if (!query_->isEditing()) return false;
  kit::ui::refusePendingEdit();
  return true;
}

void TFormSablon02::commandNew() {
  if (refuseIfEditing()) return;
  try {
    query_->append();
  } catch (const kit::data::DbError& e) {
    kit::ui::showError(e);
    return;
  }
  if (QWidget* first = PanelAlap->firstControl()) first->setFocus();
}

bool TFormSablon02::commandPost() {
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
    Panel_SzuresSav->recount();
  } catch (const kit::data::DbError&) {
  }
  DBGrid->setFocus();
  return true;
}

void TFormSablon02::commandDelete() {
  if (refuseIfEditing()) return;
  if (!kit::ui::confirmDelete()) return;
  if (query_->isEmpty()) return;
  try {
    query_->remove();
    Panel_SzuresSav->recount();
  } catch (const kit::data::DbError& e) {
    kit::ui::showError(e);
  }
}

void TFormSablon02::commandCancel() {
  query_->cancel();
  DBGrid->setFocus();
}

void TFormSablon02::commandRefresh() {
  if (refuseIfEditing()) return;
  try {
    query_->refresh();
  } catch (const kit::data::DbError& e) {
    kit::ui::showError(e);
  }
}

// ---------------------------------------------------------------- search

void TFormSablon02::openSearch(const QString& firstCharacter) {
  PanelFind->show();
  EditFind->setFocus();
  EditFind->setText(firstCharacter);
  EditFind->setCursorPosition(EditFind->text().size());
  search(EditFind->text());
}

void TFormSablon02::closeSearch() {
  if (!PanelFind || PanelFind->isHidden() || searching_) return;
  PanelFind->hide();
  if (DBGrid) DBGrid->setFocus();
}

void TFormSablon02::search(const QString& text) {
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

// ---------------------------------------------------------------- keyboard

void TFormSablon02::keyPressEvent(QKeyEvent* event) {
  QWidget* focus = QApplication::focusWidget();
  const bool inList = focus == DBGrid;
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (!qobject_cast<QPlainTextEdit*>(focus) && !inList) focusNextChild();
      return;
    case Qt::Key_Insert:
      if (inList) commandNew();
      return;
    case Qt::Key_F2: commandPost(); return;
    case Qt::Key_Delete:
      if (inList) commandDelete();
      return;
    case Qt::Key_F5:
      if (!refuseIfEditing()) commandPrint();
      return;
    case Qt::Key_Escape:
      if (focus == EditFind) {
        closeSearch();
      } else if (!inList) {
        DBGrid->setFocus();
      } else if (query_->isEditing()) {
        query_->cancel();  // undo the edit first; nothing typed is lost by closing
      } else {
        reject();
      }
      return;
    default: QDialog::keyPressEvent(event);
  }
}

}  // namespace kit::forms
