#include "StoppableServer.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdlib>

namespace {
const char* libScript() {
  return VAREKO_SOURCE_DIR "/scripts/lib.sh";
}
}  // namespace

StoppableServer::StoppableServer() {
  char pattern[] = "/tmp/vareko-stoppable.XXXXXX";
  if (const char* made = mkdtemp(pattern)) {
    folder_ = QString::fromLocal8Bit(made);
    QFile::setPermissions(folder_, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                       QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                       QFileDevice::ReadOther | QFileDevice::ExeOther);
  }
}

StoppableServer::~StoppableServer() {
  if (folder_.isEmpty()) return;
  stop();
  QDir(folder_).removeRecursively();
}

bool StoppableServer::run(const QString& script) {
  QProcess bash;
  bash.start(QStringLiteral("bash"),
             {QStringLiteral("-c"), QStringLiteral(". '%1'; %2").arg(libScript(), script)});
  if (!bash.waitForFinished(120000) || bash.exitStatus() != QProcess::NormalExit || bash.exitCode() != 0) {
    error_ = QString::fromLocal8Bit(bash.readAllStandardError()).trimmed();
    if (error_.isEmpty()) error_ = QStringLiteral("the cluster script failed");
    return false;
  }
  return true;
}

bool StoppableServer::start() {
  if (folder_.isEmpty()) return false;
  if (!port_) {
    QProcess bash;
    bash.start(QStringLiteral("bash"),
               {QStringLiteral("-c"), QStringLiteral(". '%1'; free_port 5500 5549").arg(libScript())});
    bash.waitForFinished(10000);
    port_ = QString::fromLatin1(bash.readAllStandardOutput()).trimmed().toInt();
    if (!port_) {
      error_ = QStringLiteral("no free port");
      return false;
    }
  }
  return run(QStringLiteral("cluster_start '%1/data' %2 '-c fsync=off'").arg(folder_).arg(port_));
}

bool StoppableServer::stop() {
  return run(QStringLiteral("cluster_stop '%1/data'").arg(folder_));
}
