#pragma once

#include <QString>

namespace kit::sys {

// Holds the program's single-instance lock: an exclusive lock on a file in the user's runtime
// folder, which the system releases when the process ends in any way, so a crashed program
// never blocks the next start.
class SingleInstance {
 public:
  explicit SingleInstance(const QString& name);
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // True when this process holds the lock; false when another process of the same name does.
  bool acquired() const { return acquired_; }
  // The lock file of a name (in $XDG_RUNTIME_DIR, or the temporary folder).
  static QString lockFile(const QString& name);

 private:
  int fd_ = -1;
  bool acquired_ = true;
};

}  // namespace kit::sys
