#include "SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDir>
#include <QStandardPaths>

namespace kit::sys {

QString SingleInstance::lockFile(const QString& name) {
  QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::tempPath();
  return folder + QLatin1Char('/') + name + QStringLiteral(".lock");
}

SingleInstance::SingleInstance(const QString& name) {
  const QByteArray path = QFile::encodeName(lockFile(name));
  const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return;  // no lock file can be made here: nobody else holds one either
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    acquired_ = false;
    return;
  }
  fd_ = fd;
}

SingleInstance::~SingleInstance() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace kit::sys
