#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <optional>

namespace kit::sys {

// The one clock of the program: every rule that needs "today" or "now" asks it, so that
// tests can fix the time.
class Clock {
 public:
  static QDateTime now();
  static QDate today() { return now().date(); }
  static QTime time() { return now().time(); }

  // Fixes the clock at a moment (tests); std::nullopt returns to the system clock.
  static void setFixed(std::optional<QDateTime> moment);
};

}  // namespace kit::sys
