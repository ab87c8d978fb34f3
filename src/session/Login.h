#pragma once

#include <QString>

namespace core {
class TDM;
}

namespace session {

// Inserts the built-in administrator ("admin" / "pelvo", every right) when the user table has
// no "admin" row (login names compared case-insensitively). Returns whether it did.
bool ensureBuiltInAdministrator(core::TDM& dm);

// The login rules: three attempts; the typed name finds the first user whose login name begins
// with it; a user logged in elsewhere is refused without using an attempt; a successful login
// makes the user current and marks the row logged in (at a change of user, after the previous
// user's row is marked logged out).
class Login {
 public:
  enum class Mode { FirstLogin, ChangeOfUser };
  enum class Outcome {
    Nothing,          // a field is empty
    AlreadyLoggedIn,  // "Ezzel a felhasználóval már be vannak jelentkezve!"
    Failed,           // "Hibás felhasználói név vagy jelszó! Még n próbálkozás lehet!"
    Exhausted,        // no attempt left: the program ends
    LoggedIn,
  };

  Login(core::TDM& dm, Mode mode);
  Mode mode() const { return mode_; }
  int remainingAttempts() const { return remaining_; }
  Outcome attempt(const QString& userName, const QString& password);

 private:
  core::TDM& dm_;
  Mode mode_;
  int remaining_ = 3;
};

}  // namespace session
