#include "PartnerRules.h"

#include <QHash>

#include "kit/data/Connection.h"
#include "kit/data/Dataset.h"
#include "kit/data/Transaction.h"
#include "kit/sys/Clock.h"
#include "kit/text/TextHelpers.h"

namespace masterdata {

using kit::data::Dataset;

const QStringList& headCountCategories() {
  static const QStringList items = {
      "0 - Nincs munkavállaló",
      "1 - 1-9 fő munkavállaló",
      "2 - 10-49 fő munkavállaló",
      "3 - 50-249 fő munkavállaló",
      "4 - 250-499 fő munkavállaló",
      "5 - 500 vagy több munkavállaló",
      "9 - A munkavállalók száma ismeretlen",
  };
  return items;
}

const QStringList& legalForms() {
  static const QStringList items = {"Kft.",        "RT.",          "Nyrt.",       "Zrt.",
                                    "BT.",         "KKT.",         "Vállalkozás", "Egyéni vállalkozó",
                                    "Intézmény",   "Szövetkezet",  "Alapítvány",  "Egyesület",
                                    "Köztestület", "Nonprofit Kft"};
  return items;
}

const QStringList& seatColumns() {
  static const QStringList columns = {"nev",       "isz",
                                      "telepules", "cim",
                                      "telefon",   "fax",
                                      "email",     "orvos_nev",
                                      "orvos_isz", "orvos_telepules",
                                      "orvos_cim", "orvos_pecsetszam",
                                      "teaor",     "letszamkategoria",
                                      "ktj"};
  return columns;
}

void copySeat(const Dataset& partner, Dataset& site) {
  for (const QString& column : seatColumns()) site.setValue(column, partner.value(column));
}

QString dueCheckResult(const QList<SiteDue>& sites, const QDate& today) {
  const int year = today.year(), month = today.month();
  QString result;
  for (const SiteDue& site : sites) {
    if (site.checkOff) continue;
    if (!site.hasEvaluation || site.name.isEmpty()) {
      result = QStringLiteral("Nincsen");
      continue;
    }
    const QDate& due = site.nextDue;
    const bool nextMonth = due.isValid() && ((due.year() == year && due.month() == month + 1) ||
                                             (due.year() == year + 1 && month == 12 && due.month() == 1));
    if (result.isEmpty() && nextMonth) result = QStringLiteral("K: ") + kit::text::dateAsText(due);
    if (!due.isValid())
      result = QStringLiteral("-");
    else if (due.year() < year || (due.year() == year && due.month() <= month))
      result = QStringLiteral("E: ") + kit::text::dateAsText(due);
  }
  return result;
}

void runDueCheck(kit::data::Connection& connection, Dataset& partners, const QDate& today,
                 const QString& user, const std::function<void(int, int)>& progress) {
  if (partners.isEmpty()) return;
  QStringList keys;
  for (int row = 0; row < partners.recordCount(); ++row)
    keys << partners.valueAt(row, partners.fieldIndex(QStringLiteral("partner_kod"))).toString();
  const QString keyArray = QLatin1Char('{') + keys.join(QLatin1Char(',')) + QLatin1Char('}');

  // The sites of all those partners, and the newest evaluation of each site, in two statements.
  const kit::data::Result sites =
      connection.exec(QStringLiteral("select telephely_kod, telephely_pkod, nev, ellenorzes from telephely "
                                     "where telephely_pkod = any($1::integer[]) order by telephely_kod"),
                      {keyArray});
  const kit::data::Result newest = connection.exec(
      QStringLiteral(
          "select distinct on (kockazat_ertekeles_pkod, kockazat_ertekeles_tkod) "
          "kockazat_ertekeles_pkod, kockazat_ertekeles_tkod, datum_kovetkezoido "
          "from kockazat_ertekeles where kockazat_ertekeles_pkod = any($1::integer[]) "
          "order by kockazat_ertekeles_pkod, kockazat_ertekeles_tkod, datum_keltido desc nulls last"),
      {keyArray});
  QHash<QPair<int, int>, QDate> due;  // (partner, site) → next due date of the newest evaluation
  QSet<QPair<int, int>> evaluated;
  for (int r = 0; r < newest.rowCount(); ++r) {
    const QPair<int, int> key{newest.value(r, 0).toInt(), newest.value(r, 1).toInt()};
    evaluated.insert(key);
    due.insert(key, newest.value(r, 2).toDate());
  }
  QHash<int, QList<SiteDue>> sitesOf;
  for (int r = 0; r < sites.rowCount(); ++r) {
    const int partner = sites.value(r, 1).toInt(), site = sites.value(r, 0).toInt();
    sitesOf[partner].append({sites.value(r, 3).toBool(), sites.value(r, 2).toString(),
                             evaluated.contains({partner, site}), due.value({partner, site})});
  }

  // The results that change, written in one statement with the audit stamp of a save.
  const int resultField = partners.fieldIndex(QStringLiteral("check_kockazat"));
  const int keyField = partners.fieldIndex(QStringLiteral("partner_kod"));
  const int maxLength = partners.field(resultField).maxLength;
  QStringList changedKeys, changedResults;
  for (int row = 0; row < partners.recordCount(); ++row) {
    QString result = dueCheckResult(sitesOf.value(partners.valueAt(row, keyField).toInt()), today);
    if (maxLength >= 0) result.truncate(maxLength);  // as a save cuts it to the column
    if (partners.valueAt(row, resultField).toString() != result) {
      changedKeys << partners.valueAt(row, keyField).toString();
      QString quoted = result;
      quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
          .replace(QLatin1Char('"'), QLatin1String("\\\""));
      changedResults << QLatin1Char('"') + quoted + QLatin1Char('"');
    }
    if (progress) progress(row + 1, partners.recordCount());
  }
  if (changedKeys.isEmpty()) return;
  const QDateTime now = kit::sys::Clock::now();
  connection.exec(
      QStringLiteral(
          "update partner p set check_kockazat = v.result, m_userid = $3, m_date = $4, m_time = $5 "
          "from unnest($1::integer[], $2::text[]) as v(key, result) where p.partner_kod = v.key"),
      {QLatin1Char('{') + changedKeys.join(QLatin1Char(',')) + QLatin1Char('}'),
       QLatin1Char('{') + changedResults.join(QLatin1Char(',')) + QLatin1Char('}'), user, now.date(),
       now.time().toString(QStringLiteral("H:mm:ss"))});
  partners.refresh();
}

bool removePartner(kit::data::Connection& connection, const QVariant& partnerKey) {
  kit::data::Transaction transaction(connection);
  if (connection
          .exec(QStringLiteral("select 1 from gep_munkaeszkoz where gep_munkaeszkoz_pkod = $1 limit 1"),
                {partnerKey})
          .rowCount() > 0)
    return false;
  // Users working on the partner lose the context rather than keep one that no longer exists.
  connection.exec(
      QStringLiteral("update kaq_user set partner_kod = null, telephely_kod = null where partner_kod = $1"),
      {partnerKey});
  connection.exec(QStringLiteral("delete from telephely where telephely_pkod = $1"), {partnerKey});
  connection.exec(QStringLiteral("delete from partner_kapcsolat where partner_kapcsolat_pkod = $1"),
                  {partnerKey});
  connection.exec(QStringLiteral("delete from partner where partner_kod = $1"), {partnerKey});
  transaction.commit();
  return true;
}

}  // namespace masterdata
