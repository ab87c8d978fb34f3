#pragma once

#include <QObject>
#include <QStringList>
#include <QVariant>
#include <QVariantHash>
#include <QVector>
#include <vector>

#include "Connection.h"
#include "Hooks.h"
#include "Result.h"

namespace kit::data {

// How Dataset::locate compares.
struct LocateOptions {
  bool caseInsensitive = false;  // compare ignoring letter case
  bool partialKey = false;       // the value is a prefix of the column's text
};

// A query whose rows a window browses and edits, in the manner of a data-aware query:
//  - its SQL text is a list of lines, so that the row count and the page clause can rewrite
//    it line by line;
//  - named parameters (":pkod") are set by name and sent as values, never spliced in;
//  - it has a current row and the states browse, edit and insert;
//  - post() writes the current row to its update table by the key column "<table>_kod":
//    an insert reads the stored row back (the new key, the server's defaults) through
//    RETURNING, an update writes only the columns that changed.
// Fields are found by name case-insensitively. Text longer than its column is cut to the
// column's length when it is assigned, as the stored row could not hold it anyway.
class Dataset : public QObject {
  Q_OBJECT

 public:
  enum class State { Inactive, Browse, Edit, Insert };

  explicit Dataset(Connection& connection, const QString& name = {}, QObject* parent = nullptr);
  ~Dataset() override;

  const QString& name() const { return name_; }
  Connection& connection() const { return connection_; }

  // --- SQL text and parameters
  QStringList& sqlLines() { return lines_; }
  const QStringList& sqlLines() const { return lines_; }
  void setSql(const QString& text);
  QString sql() const { return lines_.join(QLatin1Char('\n')); }
  void setParam(const QString& name, const QVariant& value);
  QVariant param(const QString& name) const;
  const QVariantHash& params() const { return params_; }

  // The table post() writes to: set explicitly, or the first table after "from".
  void setUpdateTable(const QString& table) { updateTable_ = table.toLower(); }
  QString updateTable() const;
  // Its key column: as set, else the table's key as the connection knows it from the
  // catalogue, else "<table>_kod" (the rule most tables follow).
  void setKeyField(const QString& field) { keyField_ = field.toLower(); }
  QString keyField() const;

  // --- Opening
  void open();
  void close();
  // Runs the query again and returns to the row with the same key when it is still there.
  void refresh();
  bool isOpen() const { return state_ != State::Inactive; }
  State state() const { return state_; }
  bool isEditing() const { return state_ == State::Edit || state_ == State::Insert; }

  // --- Rows
  int recordCount() const { return int(rows_.size()); }
  bool isEmpty() const { return rows_.empty(); }
  int currentRow() const { return current_; }  // -1 when there is no row
  bool atEnd() const { return current_ < 0 || current_ >= recordCount() - 1; }
  void first() { moveTo(0); }
  void last() { moveTo(recordCount() - 1); }
  void next() { moveTo(current_ + 1); }
  void prior() { moveTo(current_ - 1); }
  // Moves the current row (clamped to the rows there are). Refused while a row is edited.
  void moveTo(int row);
  // Finds the first row whose column matches and makes it current; false (and the current
  // row unchanged) when there is none.
  bool locate(const QString& field, const QVariant& value, LocateOptions options = {});

  // --- Fields
  int fieldCount() const { return int(fields_.size()); }
  const Column& field(int index) const { return fields_[index]; }
  int fieldIndex(const QString& name) const;
  bool hasField(const QString& name) const { return fieldIndex(name) >= 0; }
  // Value of a field in the current row (while editing: as edited). Throws DbError for an
  // unknown field name.
  QVariant value(const QString& field) const;
  QString text(const QString& field) const { return value(field).toString(); }
  bool isNull(const QString& field) const { return value(field).isNull(); }
  // Value of any loaded row, for grids.
  QVariant valueAt(int row, int field) const;
  // Sets a field of the row being edited or inserted, converted to the column's type.
  void setValue(const QString& field, const QVariant& value);
  bool isModified() const;
  QStringList modifiedFields() const;

  // --- Editing
  void edit();
  void append();
  void post();
  void cancel();
  void remove();

  // --- Events
  Hooks<Dataset&> beforeOpen, afterOpen, afterScroll, beforePost, afterPost, beforeDelete, afterDelete,
      afterCancel, onNewRecord;
  // Before moving to another row, and before a browsed row goes into editing: a handler that
  // throws keeps the dataset where and as it is (a window refusing while another list is edited).
  Hooks<Dataset&> beforeScroll, beforeEdit;
  Hooks<Dataset&, const QString&> fieldChanged;  // after setValue changed a field

 signals:
  void aboutToReset();
  void reset();  // opened, closed or refreshed: everything may have changed
  void rowAboutToBeInserted(int row);
  void rowInserted(int row);
  void rowAboutToBeRemoved(int row);
  void rowRemoved(int row);
  void rowChanged(int row);
  void currentRowChanged(int row);
  void stateChanged(kit::data::Dataset::State state);
  void valueChanged(const QString& field);

 private:
  // A loaded row: an index into the result, or values of its own once posted or appended.
  struct Row {
    int resultRow = -1;
    QVector<QVariant> values;
  };

  int requireField(const QString& name) const;
  QString displayName() const { return name_.isEmpty() ? updateTable() : name_; }
  QVariant converted(int field, const QVariant& value) const;
  void setState(State state);
  void requireBrowse() const;
  void load(const Result& result);
  void storeReturnedRow(const Result& result);
  QStringList updatableFields() const;
  void postInsert();
  void postUpdate();

  Connection& connection_;
  QString name_;
  QStringList lines_;
  QVariantHash params_;
  QString updateTable_;
  QString keyField_;

  State state_ = State::Inactive;
  Result result_;
  QList<Column> fields_;
  std::vector<Row> rows_;
  int current_ = -1;

  QVector<QVariant> buffer_;  // the current row while editing
  QVector<bool> changed_;
};

}  // namespace kit::data
