#include "TFormSablon_08.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include "FormEnvironment.h"

namespace kit::forms {

namespace {
// The image index of a node that can be chosen.
constexpr int kSelectableRole = Qt::UserRole + 1;
}  // namespace

TFormSablon_08::TFormSablon_08(QWidget* parent) : QDialog(parent) {
  setMinimumSize(785, 498);
  resize(900, 640);
  PanelClient = new QWidget(this);
  PanelClient->setObjectName(QStringLiteral("PanelClient"));
  auto* client = new QVBoxLayout(PanelClient);
  client->setContentsMargins(0, 6, 0, 6);
  TreeView = new QTreeWidget(PanelClient);
  TreeView->setObjectName(QStringLiteral("TreeView"));
  TreeView->setHeaderHidden(true);
  TreeView->setColumnCount(1);
  TreeView->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  TreeView->installEventFilter(this);
  client->addWidget(TreeView);

  DBNavPanel = new QWidget(this);
  DBNavPanel->setObjectName(QStringLiteral("DBNavPanel"));
  auto* bar = new QHBoxLayout(DBNavPanel);
  bar->setContentsMargins(8, 6, 8, 6);
  const auto button = [this, bar](const QString& caption, const char* name) {
    auto* b = new QPushButton(caption, DBNavPanel);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
    bar->addWidget(b);
    return b;
  };
  bar->addStretch(1);
  ButtonExit = button(QStringLiteral("Kilépés <Esc>"), "ButtonExit");
  ButtonSelect = button(QStringLiteral("Kiválasztás <Enter>"), "ButtonSelect");
  ButtonExpand = button(QStringLiteral("Kibontás"), "ButtonExpand");
  ButtonCollapse = button(QStringLiteral("Becsukás"), "ButtonCollapse");
  ButtonSearch = button(QStringLiteral("Keresés"), "ButtonSearch");
  EditSearch = new QLineEdit(DBNavPanel);
  EditSearch->setObjectName(QStringLiteral("EditSearch"));
  EditSearch->setAccessibleName(QStringLiteral("Keresés"));
  EditSearch->setFixedWidth(180);
  bar->addWidget(EditSearch);
  bar->addStretch(1);

  connect(ButtonExit, &QPushButton::clicked, this, [this] {
    cancelled_ = true;
    reject();
  });
  connect(ButtonSelect, &QPushButton::clicked, this, [this] { choose(); });
  connect(ButtonExpand, &QPushButton::clicked, this, [this] { expandAll(); });
  connect(ButtonCollapse, &QPushButton::clicked, this, [this] { collapseAll(); });
  connect(ButtonSearch, &QPushButton::clicked, this, [this] { search(EditSearch->text()); });
  connect(TreeView, &QTreeWidget::itemDoubleClicked, this, [this] { choose(); });
}

QTreeWidgetItem* TFormSablon_08::addNode(QTreeWidgetItem* parent, const QString& text, bool selectable) {
  auto* node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(TreeView);
  node->setText(0, text);
  node->setData(0, kSelectableRole, selectable);
  return node;
}

void TFormSablon_08::clearTree() {
  TreeView->clear();
}

bool TFormSablon_08::isSelectable(const QTreeWidgetItem* node) const {
  return node && node->data(0, kSelectableRole).toBool();
}

QString TFormSablon_08::valueOf(const QTreeWidgetItem* node) const {
  return node->text(0);
}

bool TFormSablon_08::search(const QString& text) {
  if (text.isEmpty()) return false;
  for (QTreeWidgetItemIterator it(TreeView); *it; ++it) {
    if ((*it)->text(0).contains(text, Qt::CaseSensitive)) {
      TreeView->setCurrentItem(*it);
      TreeView->scrollToItem(*it, QAbstractItemView::PositionAtTop);
      return true;
    }
  }
  return false;
}

void TFormSablon_08::expandAll() {
  TreeView->expandAll();
}

void TFormSablon_08::collapseAll() {
  TreeView->collapseAll();
}

void TFormSablon_08::choose() {
  const QTreeWidgetItem* node = TreeView->currentItem();
  if (!isSelectable(node)) {
    chosen_.clear();
    return;
  }
  chosen_ = valueOf(node);
  cancelled_ = false;
  accept();
}

void TFormSablon_08::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  cancelled_ = true;
  if (FormEnvironment* env = installedFormEnvironment()) {
    const FormColors colors = env->colors();
    const auto paint = [](QWidget* w, const QColor& color, QPalette::ColorRole role) {
      if (!color.isValid()) return;
      w->setAutoFillBackground(true);
      QPalette p = w->palette();
      p.setColor(role, color);
      w->setPalette(p);
    };
    paint(this, colors.form, QPalette::Window);
    paint(DBNavPanel, colors.dbNav, QPalette::Window);
    paint(TreeView, colors.grid, QPalette::Base);
  }
  TreeView->setFocus();
}

void TFormSablon_08::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  const int w = width(), h = height();
  PanelClient->setGeometry((w - 785) / 2 + 8, 0, 769, h - 50);
  DBNavPanel->setGeometry(0, h - 50, w, 50);
}

bool TFormSablon_08::eventFilter(QObject* watched, QEvent* event) {
  // Enter in the tree chooses its node.
  if (watched == TreeView && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      choose();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TFormSablon_08::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      cancelled_ = true;
      reject();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // Enter in the search field searches; elsewhere it moves to the next control.
      if (focusWidget() == EditSearch)
        search(EditSearch->text());
      else
        focusNextChild();
      return;
    default: QDialog::keyPressEvent(event);
  }
}

}  // namespace kit::forms
