#include "TFormTeaor.h"

#include <QLineEdit>
#include <QTreeWidget>

#include "kit/data/Connection.h"
#include "kit/data/DbError.h"
#include "kit/widgets/Messages.h"

namespace masterdata {

TFormTeaor::TFormTeaor(kit::data::Connection& connection, QWidget* parent)
    : TFormSablon_08(parent), connection_(connection) {
  setObjectName(QStringLiteral("TFormTeaor"));
  setWindowTitle(QStringLiteral("TEÁOR adatai"));
  TreeView->setAccessibleName(windowTitle());
  // Leaving the search field searches, as "Keresés" does.
  connect(EditSearch, &QLineEdit::editingFinished, this, [this] { search(EditSearch->text()); });
  connect(this, &QDialog::accepted, this, [this] { lastChoice_ = chosenValue(); });
  buildTree();
}

void TFormTeaor::buildTree() {
  clearTree();
  try {
    // The list's own order: divisions, each followed by its groups and their classes.
    const kit::data::Result rows =
        connection_.exec(QStringLiteral("select *\nfrom fixdata_teaor\norder by teaor_kod"));
    const int code = rows.columnIndex(QStringLiteral("teaor"));
    const int name = rows.columnIndex(QStringLiteral("megnevezes"));
    QTreeWidgetItem* division = nullptr;
    QTreeWidgetItem* group = nullptr;
    for (int row = 0; row < rows.rowCount(); ++row) {
      const QString c = rows.value(row, code).toString().trimmed();
      const QString text = c + QLatin1Char(' ') + rows.value(row, name).toString();
      if (c.size() == 2) {
        division = addNode(nullptr, text, false);
        group = nullptr;
      } else if (c.size() == 3) {
        group = addNode(division, text, false);
      } else if (c.size() == 4) {
        addNode(group ? group : division, text, true);
      }
    }
  } catch (const kit::data::DbError& e) {
    kit::ui::showError(e);
  }
}

bool TFormTeaor::isSelectable(const QTreeWidgetItem* node) const {
  return node && node->text(0).section(QLatin1Char(' '), 0, 0).size() == 4;
}

}  // namespace masterdata
