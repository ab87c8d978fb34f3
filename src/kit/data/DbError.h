#pragma once

#include <QString>
#include <stdexcept>

namespace kit::data {

// An error of the database layer. Carries the server's own message and, when the server
// sent them, the SQLSTATE code and the table, column and constraint the error is about, so
// that callers recognise "the row is still referenced" (23503) by code rather than by text.
class DbError : public std::runtime_error {
 public:
  enum class Kind {
    Server,      // the server refused a statement
    Connection,  // no connection, or it broke
    Program,     // the program's own check (a value that is not a number, a pending edit)
  };

  explicit DbError(const QString& message, Kind kind = Kind::Program)
      : std::runtime_error(message.toStdString()), message_(message), kind_(kind) {}

  const QString& message() const { return message_; }
  Kind kind() const { return kind_; }
  const QString& sqlState() const { return sqlState_; }
  const QString& detail() const { return detail_; }
  const QString& table() const { return table_; }
  const QString& column() const { return column_; }
  const QString& constraint() const { return constraint_; }

  bool isForeignKeyViolation() const { return sqlState_ == QLatin1String("23503"); }

  DbError& withServerFields(const QString& sqlState, const QString& detail, const QString& table,
                            const QString& column, const QString& constraint) {
    sqlState_ = sqlState;
    detail_ = detail;
    table_ = table;
    column_ = column;
    constraint_ = constraint;
    return *this;
  }

 private:
  QString message_;
  Kind kind_;
  QString sqlState_, detail_, table_, column_, constraint_;
};

// Stops an operation without a message, as a before-post check does after it has told the
// user what is missing. Callers catch it and simply leave the row as it is.
class Abort : public std::exception {
 public:
  const char* what() const noexcept override { return "operation aborted"; }
};

// The text shown when a command would throw away or bypass a row being edited.
inline QString pendingEditMessage() {
  return QStringLiteral("Az adatok még szerkesztés alatt vannak. Először rögzítsük!");
}

}  // namespace kit::data
