#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "Settings.h"
#include "kit/data/Connection.h"
#include "kit/data/Dataset.h"
#include "kit/forms/FormEnvironment.h"

namespace core {

// The data module: the one owner of the database connection and of the shared queries, and
// the services every window uses (audit stamps, row count and page clause of the paged
// lists, table exists, postal-code and town look-ups). One instance, `DM`.
class TDM : public QObject {
  Q_OBJECT

 public:
  explicit TDM(QObject* parent = nullptr);
  ~TDM() override;

  // --- Session
  Settings settings;
  kit::data::Connection ZConnection;
  bool connectionFailed = false;
  QString currentUser;  // the name typed at the successful login

  // Reads the settings file and connects. On failure shows "Mivel nem sikerült az
  // adatbázishoz csatlakozni a program leáll!", sets connectionFailed and returns false.
  bool openSession();
  // Connects with the settings already in memory (no file read); same failure handling.
  bool connectDatabase();
  // The connection parameters of the settings: the port text as an integer (false when it
  // is empty or not a number); the protocol text is not used.
  static bool connectionParams(const Settings& settings, kit::data::ConnectionParams* params);

  // Splash-window reporting during start-up.
  std::function<void(const QString& host)> showHost;
  std::function<void(bool connected)> showConnectResult;

  // --- Shared queries
  // A shared query by name ("ZQueryPartner"), compared case-insensitively; nullptr when
  // there is none.
  kit::data::Dataset* query(const QString& name) const;
  kit::data::Dataset& ZQueryUser() const { return *query(QStringLiteral("ZQueryUser")); }
  kit::data::Dataset& ZQueryTulajdonos() const { return *query(QStringLiteral("ZQueryTulajdonos")); }
  kit::data::Dataset& ZQueryVerzio() const { return *query(QStringLiteral("ZQueryVerzio")); }
  kit::data::Dataset& ZQueryServer_Down() const { return *query(QStringLiteral("ZQueryServer_Down")); }
  kit::data::Dataset& ZQueryPartner() const { return *query(QStringLiteral("ZQueryPartner")); }
  kit::data::Dataset& ZQueryTelephely() const { return *query(QStringLiteral("ZQueryTelephely")); }
  QStringList queryNames() const;
  // The value a rich-text template marker names: the text of `column` in the current row of the
  // shared query "ZQuery" + `query` (names compared case-insensitively); std::nullopt when there
  // is no such query or column. A query not open gives empty text.
  std::optional<QString> markerValue(const QString& query, const QString& column) const;
  // Positions ZQueryUser on the current user's row (login name compared case-insensitively),
  // opening it when needed; false when there is no such row.
  bool positionCurrentUser();

  // --- Services
  // Fills the audit columns of the row about to be posted: m_userid, m_date, m_time for a
  // changed row, c_userid, c_date, c_time for a new one; a dataset without them is left alone.
  void auditStamp(kit::data::Dataset& dataset) const;
  // Adds the audit stamp to a dataset's before-post handlers.
  void stampBeforePost(kit::data::Dataset& dataset) const;

  // Number of rows the dataset's query would return without its ORDER and LIMIT lines:
  // the first line becomes "select COUNT(*)", the lines before the first "from" line and
  // every line beginning with ORDER or LIMIT are emptied.
  int rowCount(const kit::data::Dataset& dataset) const;
  // The text that rowCount() sends for a query's lines.
  static QStringList rowCountLines(const QStringList& lines);

  // Puts the page clause ("  LIMIT n" or "  LIMIT n OFFSET m"; empty when paging is off)
  // into the query's text, replacing the last line that starts with "  LIMIT".
  void pageClause(kit::data::Dataset& dataset, int pageIndex, bool pagingOff) const;
  static void applyPageClause(QStringList& lines, int pageIndex, bool pagingOff, int rowsPerPage);

  // Whether a table of that exact name exists in the schema public (one query).
  bool tableExists(const QString& table);
  // Reads the names and key columns of all tables of the schema public in one statement:
  // the keys go to the connection (datasets post by them), the names answer
  // tableExistsInCatalogue() until the next read.
  void readCatalogue();
  bool tableExistsInCatalogue(const QString& table) const;

  // Town of a postal code and postal code of a town from fixdata_helyseg; empty when unknown.
  QString townOfPostalCode(const QString& postalCode);
  QString postalCodeOfTown(const QString& town);
  // Keeps a postal-code column and a town column of a dataset in step: a changed code fills
  // in its town, a changed town its code; an unknown value leaves the other column alone.
  void pairPostalCodeAndTown(kit::data::Dataset& dataset, const QString& postalCodeField,
                             const QString& townField);

 private:
  std::vector<std::unique_ptr<kit::data::Dataset>> queries_;
  QHash<QString, kit::data::Dataset*> byName_;  // lower-case name
  std::optional<QSet<QString>> catalogue_;
  std::unique_ptr<kit::forms::FormEnvironment> formEnvironment_;
};

// The process-wide data module, created at start-up.
extern TDM* DM;

}  // namespace core
