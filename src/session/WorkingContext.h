#pragma once

#include <QString>
#include <QVariant>

namespace core {
class TDM;
}

namespace session {

// The partner and site the current user works on, as the user's row holds them.
struct WorkingContext {
  QVariant partner;  // partner_kod
  QVariant site;     // telephely_kod
  QString partnerName;
  QString siteName;
};

// Positions the data module's partner and site queries on the current user's working context
// and returns it. Without one (no partner, or a partner that no longer exists) shows
// "Nincsen beállítva a bejelentkezett felhasználóhoz Partner/Telephely páros!" and returns an
// empty context.
WorkingContext selectWorkingContext(core::TDM& dm);

}  // namespace session
