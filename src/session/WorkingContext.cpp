#include "WorkingContext.h"

#include "core/DM.h"
#include "kit/data/DbError.h"
#include "kit/widgets/MessageService.h"
#include "kit/widgets/Messages.h"

namespace session {

using kit::data::Dataset;

WorkingContext selectWorkingContext(core::TDM& dm) {
  const auto none = [] {
    kit::ui::warn(
        QStringLiteral("Nincsen beállítva a bejelentkezett felhasználóhoz Partner/Telephely páros!"));
    return WorkingContext{};
  };
  try {
    if (!dm.positionCurrentUser()) return none();
    const Dataset& user = dm.ZQueryUser();
    const QVariant partnerKey = user.value(QStringLiteral("partner_kod"));
    if (partnerKey.isNull() || partnerKey.toInt() == 0) return none();
    Dataset& partners = dm.ZQueryPartner();
    if (!partners.isOpen()) partners.open();
    if (!partners.locate(QStringLiteral("partner_kod"), partnerKey)) return none();  // deleted meanwhile
    Dataset& sites = dm.ZQueryTelephely();
    sites.setParam(QStringLiteral("parampkod"), partnerKey);
    sites.open();
    WorkingContext context{
        partnerKey, user.value(QStringLiteral("telephely_kod")), partners.text(QStringLiteral("nev")), {}};
    if (!context.site.isNull() && sites.locate(QStringLiteral("telephely_kod"), context.site))
      context.siteName = sites.text(QStringLiteral("nev"));
    return context;
  } catch (const kit::data::DbError& e) {
    kit::ui::showError(e);
    return {};
  }
}

}  // namespace session
