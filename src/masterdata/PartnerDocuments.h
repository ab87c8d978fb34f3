#pragma once

#include <QStringList>

#include "kit/report/ReportModel.h"
#include "session/ReportHeaders.h"

namespace kit::data {
class Dataset;
}

namespace masterdata {

// The query text of "Partnerek listája": every partner, or only the contracted ones.
QStringList partnerListQuery(bool contractedOnly);

// "Partnerek listája": numbered partners with their name and joined address, over the rows of
// the list query (partnerListQuery).
kit::report::Document partnerListDocument(kit::report::RowSource& partners, const session::OwnerData& owner);

// "Partner adatai": the data sheet of each partner of `partners` (the partner table's rows).
kit::report::Document partnerDataDocument(kit::report::RowSource& partners, const session::OwnerData& owner);

// The query of "Időszakos munkavédelmi oktatás": the sites (of every partner) whose last
// training is at least 365 days before :ma.
QStringList trainingDueQuery();
// "Időszakos munkavédelmi oktatás": numbered sites with their name, address and last training.
kit::report::Document trainingDueDocument(kit::report::RowSource& sites, const session::OwnerData& owner);
// The text shown instead of the training list when no site is due.
inline QString noSiteDueMessage() {
  return QStringLiteral("Nincsen a lekérdezésnek megfelelő Telephely!");
}

// "GDPR partnereknek": the data-protection letter, one per partner of `partners`, each on its
// own page and addressed to that partner. `signerPosition` is the current user's
// alairas_beosztas; `date` the date of the letter.
kit::report::Document gdprLetterDocument(kit::report::RowSource& partners, const session::OwnerData& owner,
                                         const QString& signerPosition, const QDate& date);

// The rows of a dataset, or only its current row ("Minden partner szerepeljen" off).
class PartnerRows : public kit::report::RowSource {
 public:
  PartnerRows(kit::data::Dataset& dataset, bool allRows);
  int rowCount() const override;
  void moveTo(int row) override;
  QVariant value(const QString& field) const override;

 private:
  kit::data::Dataset& dataset_;
  bool all_;
  int home_;
};

}  // namespace masterdata
