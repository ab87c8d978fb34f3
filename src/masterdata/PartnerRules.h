#pragma once

#include <QDate>
#include <QList>
#include <QStringList>
#include <QVariant>
#include <functional>

namespace kit::data {
class Connection;
class Dataset;
}  // namespace kit::data

namespace masterdata {

// The head-count categories of partners and sites; a row stores the position of the chosen
// line ("6" for the last one, although its text begins with 9).
const QStringList& headCountCategories();

// The legal forms offered for a partner (free text is allowed too).
const QStringList& legalForms();

// The columns the seat (the partner's first site) copies from the partner after every save.
const QStringList& seatColumns();
// Copies them from the partner's current row into the site's current row (in edit).
void copySeat(const kit::data::Dataset& partner, kit::data::Dataset& site);

// One site as the risk-evaluation due check sees it.
struct SiteDue {
  bool checkOff = false;  // "Ellenőrzés kikapcs."
  QString name;
  bool hasEvaluation = false;
  QDate nextDue;  // of the newest evaluation; null when it has none
};
// The due-check text of a partner from its sites in their order: "Nincsen" (a site without an
// evaluation or a name), "K: <date>" (due next month), "E: <date>" (due this month or earlier),
// "-" (the newest evaluation has no next date), or empty.
QString dueCheckResult(const QList<SiteDue>& sites, const QDate& today);

// Runs the due check over the loaded rows of a partner list: reads the sites and the newest
// evaluation of every site of those partners in two statements, writes the results that change
// into `check_kockazat` in one statement (stamped as changed by `user`), and re-reads the list.
// `progress` is told after each partner. Throws the database error that stopped it; nothing is
// written then.
void runDueCheck(kit::data::Connection& connection, kit::data::Dataset& partners, const QDate& today,
                 const QString& user, const std::function<void(int done, int total)>& progress = {});

// Deletes a partner with its sites and contacts in one transaction, and clears the working
// context of every user who had it. Returns false, deleting nothing, when machines still belong
// to the partner ("Tartoznak még gépek a partnerhez!" is the caller's to show).
bool removePartner(kit::data::Connection& connection, const QVariant& partnerKey);

}  // namespace masterdata
