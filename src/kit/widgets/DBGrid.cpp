#include "DBGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QWheelEvent>

#include "Messages.h"
#include "kit/data/DbError.h"

namespace kit::ui {

using kit::data::Dataset;

DBGrid::DBGrid(Dataset& dataset, QList<kit::data::DatasetModel::Column> columns, QWidget* parent)
    : QTableView(parent), dataset_(dataset) {
  model_ = new kit::data::DatasetModel(dataset, std::move(columns), this);
  setModel(model_);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setAlternatingRowColors(false);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  verticalHeader()->setFixedWidth(14);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setStretchLastSection(true);

  connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current, const QModelIndex&) {
            if (following_ || !current.isValid() || current.row() == dataset_.currentRow()) return;
            try {
              dataset_.moveTo(current.row());
            } catch (const kit::data::DbError& e) {
              showError(e);
              followDataset();  // back to the row being edited
            }
          });
  connect(&dataset_, &Dataset::currentRowChanged, this, [this] { followDataset(); });
  connect(&dataset_, &Dataset::reset, this, [this] { followDataset(); });
  connect(this, &QTableView::doubleClicked, this, [this] { emit rowActivated(); });
}

void DBGrid::followDataset() {
  following_ = true;
  const int row = dataset_.currentRow();
  if (row >= 0 && row < model_->rowCount()) {
    const QModelIndex index = model_->index(row, std::max(0, currentIndex().column()));
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
  } else {
    selectionModel()->clearSelection();
  }
  following_ = false;
}

void DBGrid::setColumnWidths(const QList<int>& widths) {
  for (int i = 0; i < widths.size(); ++i) setColumnWidth(i, widths[i]);
}

void DBGrid::setColors(const QColor& background, const QColor& title) {
  QString style;
  if (background.isValid())
    style += QStringLiteral("QTableView { background-color: %1; selection-background-color: #1f4e79; }")
                 .arg(background.name());
  if (title.isValid())
    style += QStringLiteral(
                 " QHeaderView::section { background-color: %1; padding: 3px; border: 1px solid #b0b0b0; }")
                 .arg(title.name());
  setStyleSheet(style);
}

void DBGrid::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  if (delta == 0) return;
  try {
    if (delta < 0)
      dataset_.next();
    else
      dataset_.prior();
  } catch (const kit::data::DbError& e) {
    showError(e);
  }
  event->accept();
}

void DBGrid::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::ShiftModifier) {
    if (text.size() == 1 && (text[0].unicode() > 64 || text[0].isDigit()) && text[0].isPrint()) {
      emit searchRequested(text);
      event->accept();
      return;
    }
  }
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    emit rowActivated();
    event->accept();
    return;
  }
  // Keys of the window's commands go to the window.
  switch (event->key()) {
    case Qt::Key_Insert:
    case Qt::Key_Delete:
    case Qt::Key_Escape:
    case Qt::Key_F2:
    case Qt::Key_F4:
    case Qt::Key_F5:
    case Qt::Key_F6:
    case Qt::Key_F9: event->ignore(); return;
    default: QTableView::keyPressEvent(event);
  }
}

}  // namespace kit::ui
