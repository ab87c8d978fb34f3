#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace core {

// One shared query of the data module: all columns of one table, with its filter and order.
struct SharedQuery {
  QString name;     // "ZQueryPartner"
  QString table;    // "partner"
  QString where;    // condition after "where", or empty
  QString orderBy;  // columns after "order by", or empty
  bool stamped;     // runs the audit stamp before each post
};

// Every shared query of the data module, in the order they are declared.
const std::vector<SharedQuery>& sharedQueries();

// "ZQuery" followed by the table name in capitalised words ("gep_jegyzokonyv" ->
// "ZQueryGep_Jegyzokonyv").
QString queryNameOf(const QString& table);

// The SQL text of a shared query, one clause a line (select list, from, where, order by),
// so that the row count and the page clause can work on it.
QStringList sqlLinesOf(const SharedQuery& query);

}  // namespace core
