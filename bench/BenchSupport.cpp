#include "BenchSupport.h"

#include <QFile>
#include <QProcess>
#include <QTcpSocket>
#include <QThread>

namespace bench {

kit::data::ConnectionParams serverParams() {
  return {qEnvironmentVariable("PGHOST", "127.0.0.1"),
          qEnvironmentVariableIntValue("PGPORT"),
          "postgres",
          qEnvironmentVariable("PGUSER", "vareko"),
          {},
          10};
}

kit::data::ConnectionParams createDatabase(const QString& name) {
  kit::data::Connection admin;
  admin.open(serverParams());
  admin.exec(QString("CREATE DATABASE %1 TEMPLATE template0 ENCODING 'UTF8'").arg(name));
  kit::data::ConnectionParams params = serverParams();
  params.database = name;
  return params;
}

void dropDatabase(const QString& name) {
  kit::data::Connection admin;
  admin.open(serverParams());
  admin.exec(QString("DROP DATABASE %1 WITH (FORCE)").arg(name));
}

namespace {
bool waitForPort(int port) {
  for (int i = 0; i < 50; ++i) {
    QTcpSocket s;
    s.connectToHost("127.0.0.1", quint16(port));
    if (s.waitForConnected(100)) return true;
    QThread::msleep(100);
  }
  return false;
}
}  // namespace

void throughLatencyProxy(const kit::data::ConnectionParams& direct,
                         const std::function<void(const kit::data::ConnectionParams&)>& measure) {
  const QString proxy = qEnvironmentVariable("VAREKO_LATENCY_PROXY");
  if (proxy.isEmpty()) return;
  const int listen = direct.port + 1000;
  QProcess process;
  process.start(proxy, {QString::number(listen), QString::number(direct.port), "25", "600"});
  if (process.waitForStarted() && waitForPort(listen)) {
    kit::data::ConnectionParams slow = direct;
    slow.port = listen;
    measure(slow);
  }
  process.kill();
  process.waitForFinished();
}

void directAndOverSlowLink(
    const kit::data::ConnectionParams& direct,
    const std::function<void(const char*, const kit::data::ConnectionParams&)>& measure) {
  measure("Direct connection", direct);
  throughLatencyProxy(direct, [&](const kit::data::ConnectionParams& slow) {
    measure("Through the latency proxy (25 ms each way)", slow);
  });
}

long memoryKb(const char* key) {
  QFile f("/proc/self/status");
  if (!f.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : f.readAll().split('\n'))
    if (line.startsWith(key)) return line.mid(qstrlen(key)).trimmed().split(' ').value(0).toLong();
  return 0;
}

}  // namespace bench
