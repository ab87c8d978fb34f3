#pragma once

#include "kit/forms/FormEnvironment.h"

namespace core {

class TDM;

// The window templates' view of the running program: the settings of the data module and its
// services.
class DMFormEnvironment : public kit::forms::FormEnvironment {
 public:
  explicit DMFormEnvironment(TDM& dm) : dm_(dm) {}
  kit::forms::FormColors colors() const override;
  int rowsPerPage() const override;
  bool pagingOff() const override;
  void setPagingOff(bool off) override;
  int rowCount(const kit::data::Dataset& dataset) override;
  void pageClause(kit::data::Dataset& dataset, int pageIndex, bool pagingOff) override;
  void auditStamp(kit::data::Dataset& dataset) override;
  bool hasRight(const QString& right) override;

 private:
  TDM& dm_;
};

}  // namespace core
