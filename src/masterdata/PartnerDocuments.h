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
