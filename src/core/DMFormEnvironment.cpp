#include "DMFormEnvironment.h"

#include "DM.h"
#include "kit/data/DbError.h"
#include "kit/widgets/Colors.h"

namespace core {

using kit::ui::fromSettingsColor;

kit::forms::FormColors DMFormEnvironment::colors() const {
  const Settings& s = dm_.settings;
  return {fromSettingsColor(s.colorForm), fromSettingsColor(s.colorPanel), fromSettingsColor(s.colorGrid),
          fromSettingsColor(s.colorGridTitle), fromSettingsColor(s.colorDBNav)};
}

int DMFormEnvironment::rowsPerPage() const {
  return dm_.settings.rowsPerPage();
}

bool DMFormEnvironment::pagingOff() const {
  return dm_.settings.limit;
}

void DMFormEnvironment::setPagingOff(bool off) {
  dm_.settings.limit = off;
}

int DMFormEnvironment::rowCount(const kit::data::Dataset& dataset) {
  return dm_.rowCount(dataset);
}

void DMFormEnvironment::pageClause(kit::data::Dataset& dataset, int pageIndex, bool pagingOff) {
  dm_.pageClause(dataset, pageIndex, pagingOff);
}

void DMFormEnvironment::auditStamp(kit::data::Dataset& dataset) {
  dm_.auditStamp(dataset);
}

bool DMFormEnvironment::hasRight(const QString& right) {
  try {
    if (!dm_.positionCurrentUser()) return false;
    const kit::data::Dataset& user = dm_.ZQueryUser();
    if (user.value(QStringLiteral("superuser")).toBool()) return true;
    return user.hasField(right) && user.value(right).toBool();
  } catch (const kit::data::DbError&) {
    return false;
  }
}

}  // namespace core
