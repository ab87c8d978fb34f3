// Start-up against an up-to-date database: connect, the creation check of every table of
// SQL/Create.ini and the upgrade check, as the program does at every start. Printed with its
// round trips against a bare connect-and-one-query baseline, directly and over a slow link
// (the latency proxy, 25 ms each way).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "BenchSupport.h"
#include "core/DM.h"
#include "core/ProgramVersion.h"
#include "core/SchemaSteps.h"
#include "kit/data/DbError.h"
#include "kit/sys/ProgramFolder.h"

using kit::data::Connection;
using kit::data::ConnectionParams;

namespace {

void run(const char* title, const ConnectionParams& params) {
  const int repeats = 5;
  QElapsedTimer timer;
  timer.start();
  for (int i = 0; i < repeats; ++i) {
    Connection c;
    c.open(params);
    c.exec("select 1");
  }
  const double baseline = double(timer.nsecsElapsed()) / 1e6 / repeats;

  qint64 roundTrips = 0;
  timer.restart();
  for (int i = 0; i < repeats; ++i) {
    core::TDM dm;
    dm.ZConnection.open(params);
    core::SchemaSteps steps(dm);
    steps.runCreation();
    steps.runUpgrade(core::programVersion());
    roundTrips = dm.ZConnection.roundTrips();
  }
  const double startup = double(timer.nsecsElapsed()) / 1e6 / repeats;
  std::printf("%s\n", title);
  std::printf("  %-46s %9.2f ms  %3d round trips\n", "baseline: connect + one query", baseline, 1);
  std::printf("  %-46s %9.2f ms  %3lld round trips  %5.2fx baseline\n", "start-up: connect + schema check",
              startup, roundTrips, startup / baseline);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (bench::serverParams().port == 0) {
    std::fprintf(stderr, "no database server: run scripts/bench\n");
    return 1;
  }
  kit::sys::setProgramFolder(QCoreApplication::applicationDirPath() + "/../bin");
  const QString name = QString("bench_startup_%1").arg(QCoreApplication::applicationPid());
  try {
    const ConnectionParams params = bench::createDatabase(name);
    {
      core::TDM dm;  // the first start builds the schema
      dm.ZConnection.open(params);
      core::SchemaSteps steps(dm);
      QElapsedTimer timer;
      timer.start();
      steps.runCreation();
      steps.runUpgrade(core::programVersion());
      std::printf("first start on an empty database: %d scripts, %.0f ms\n", int(steps.scriptsRun().size()),
                  double(timer.nsecsElapsed()) / 1e6);
    }
    bench::directAndOverSlowLink(params, run);
    bench::dropDatabase(name);
  } catch (const kit::data::DbError& e) {
    std::fprintf(stderr, "%s\n", qPrintable(e.message()));
    return 1;
  }
  return 0;
}
