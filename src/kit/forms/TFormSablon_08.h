#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace kit::forms {

// Template of the code-list pickers: a tree with search, expand and collapse. The window
// fills the tree; a node marked selectable can be chosen, and its whole text is the choice.
// "Kilépés <Esc>" closes the picker as cancelled.
class TFormSablon_08 : public QDialog {
  Q_OBJECT

 public:
  explicit TFormSablon_08(QWidget* parent = nullptr);

  // Adds a node under `parent` (nullptr: a top node).
  QTreeWidgetItem* addNode(QTreeWidgetItem* parent, const QString& text, bool selectable);
  void clearTree();

  bool cancelled() const { return cancelled_; }
  // The whole text of the chosen node; empty when the selected node cannot be chosen.
  QString chosenValue() const { return chosen_; }

  // "Keresés": selects the first node in tree order whose text contains the text
  // (case-sensitive) and scrolls it to the top; false when none does.
  bool search(const QString& text);
  void expandAll();
  void collapseAll();
  // "Kiválasztás <Enter>": takes the selected node when it can be chosen and closes.
  void choose();

  QWidget* PanelClient = nullptr;
  QTreeWidget* TreeView = nullptr;
  QWidget* DBNavPanel = nullptr;
  QPushButton* ButtonExit = nullptr;      // "Kilépés <Esc>"
  QPushButton* ButtonSelect = nullptr;    // "Kiválasztás <Enter>"
  QPushButton* ButtonExpand = nullptr;    // "Kibontás"
  QPushButton* ButtonCollapse = nullptr;  // "Becsukás"
  QPushButton* ButtonSearch = nullptr;    // "Keresés"
  QLineEdit* EditSearch = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Whether a node may be chosen; by default the nodes added as selectable.
  virtual bool isSelectable(const QTreeWidgetItem* node) const;
  // The value a chosen node gives; by default its whole text.
  virtual QString valueOf(const QTreeWidgetItem* node) const;

 private:
  bool cancelled_ = true;
  QString chosen_;
};

}  // namespace kit::forms
