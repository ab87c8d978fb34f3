#include "Login.h"

#include "core/DM.h"
#include "kit/data/DbError.h"
#include "kit/data/Transaction.h"
#include "kit/sys/Clock.h"
#include "kit/widgets/MessageService.h"

namespace session {

using kit::data::Dataset;

bool ensureBuiltInAdministrator(core::TDM& dm) {
  Dataset& users = dm.ZQueryUser();
  try {
    users.open();
    if (users.locate(QStringLiteral("felhasznalo"), QStringLiteral("admin"), {.caseInsensitive = true}))
      return false;
    kit::data::Transaction transaction(dm.ZConnection);
    users.append();
    users.setValue(QStringLiteral("felhasznalo"), QStringLiteral("admin"));
    users.setValue(QStringLiteral("jelszo"), QStringLiteral("pelvo"));
    users.setValue(QStringLiteral("nev"), QStringLiteral("Admin"));
    users.setValue(QStringLiteral("datum"), kit::sys::Clock::today());
    for (int i = 0; i < users.fieldCount(); ++i) {
      const QString name = users.field(i).name;
      if (name.startsWith(QLatin1String("u_")) || name == QLatin1String("superuser"))
        users.setValue(name, true);
    }
    users.setValue(QStringLiteral("login"), false);
    users.post();
    transaction.commit();
    users.refresh();
    return true;
  } catch (const kit::data::DbError&) {
    users.cancel();  // rolled back; the login then finds no administrator
    return false;
  }
}

Login::Login(core::TDM& dm, Mode mode) : dm_(dm), mode_(mode) {
  try {
    dm_.ZQueryUser().open();
  } catch (const kit::data::DbError&) {
  }
}

Login::Outcome Login::attempt(const QString& userName, const QString& password) {
  if (userName.isEmpty() || password.isEmpty()) return Outcome::Nothing;
  Dataset& users = dm_.ZQueryUser();
  const auto failed = [&] {
    --remaining_;
    if (remaining_ > 0) {
      kit::ui::warn(QStringLiteral("Hibás felhasználói név vagy jelszó! Még ") + QString::number(remaining_) +
                    QStringLiteral(" próbálkozás lehet!"));
      return Outcome::Failed;
    }
    users.close();
    return Outcome::Exhausted;
  };
  try {
    if (!users.isOpen()) users.open();
    if (!users.locate(QStringLiteral("felhasznalo"), userName, {.partialKey = true})) return failed();
    if (users.value(QStringLiteral("login")).toBool()) {
      kit::ui::warn(QStringLiteral("Ezzel a felhasználóval már be vannak jelentkezve!"));
      return Outcome::AlreadyLoggedIn;
    }
    if (users.text(QStringLiteral("jelszo")) != password || users.isNull(QStringLiteral("jelszo")))
      return failed();

    // The row's own login name is the current user, also when a beginning of it was typed, so
    // that the user's row is found again by it.
    const QString login = users.text(QStringLiteral("felhasznalo"));
    const QVariant key = users.value(users.keyField());
    if (mode_ == Mode::ChangeOfUser && !dm_.currentUser.isEmpty() &&
        users.locate(QStringLiteral("felhasznalo"), dm_.currentUser, {.caseInsensitive = true})) {
      users.edit();
      users.setValue(QStringLiteral("login"), false);
      users.post();
    }
    users.locate(users.keyField(), key);
    users.edit();
    users.setValue(QStringLiteral("login"), true);
    users.post();
    dm_.currentUser = login;
    return Outcome::LoggedIn;
  } catch (const kit::data::DbError& e) {
    users.cancel();
    kit::ui::warn(e.message());
    return Outcome::Nothing;
  }
}

}  // namespace session
