// The risk-evaluation due check of the partner window over 1 000 partners with two sites and
// three evaluations each, directly and over a slow link (the latency proxy, 25 ms each way):
// its time and round trips, against a bare connect-and-one-query baseline. The check reads the
// sites and evaluations of all the partners in two statements, writes the results that change
// in one, and reads the list again; a second run over the same data writes nothing.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>

#include "BenchSupport.h"
#include "kit/data/Dataset.h"
#include "kit/data/DbError.h"
#include "masterdata/PartnerRules.h"

using kit::data::Connection;
using kit::data::ConnectionParams;
using kit::data::Dataset;

namespace {

void runScript(Connection& c, const char* name) {
  QFile script(QStringLiteral(VAREKO_DIST_DIR "/SQL/") + QLatin1String(name));
  if (!script.open(QIODevice::ReadOnly)) throw kit::data::DbError(QStringLiteral("missing %1").arg(name));
  c.execScript(QString::fromUtf8(script.readAll()));
}

void run(const char* title, const ConnectionParams& params) {
  std::printf("%s\n", title);
  QElapsedTimer timer;
  Connection c;
  timer.start();
  c.open(params);
  c.exec("select 1");
  const double baseline = double(timer.nsecsElapsed()) / 1e6;
  std::printf("  %-42s %9.2f ms\n", "baseline: connect + one query", baseline);

  c.exec("update partner set check_kockazat = null");
  Dataset partners(c, "partner");
  partners.setSql("select *\nfrom partner\norder by nev");
  partners.setKeyField("partner_kod");
  partners.open();
  const QDate today(2026, 12, 11);
  for (const char* pass : {"due check, every result written", "due check again, nothing changes"}) {
    c.resetRoundTrips();
    timer.restart();
    masterdata::runDueCheck(c, partners, today, "bench");
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    std::printf("  %-42s %9.2f ms  %5lld round trips  %6.2fx baseline\n", pass, ms, c.roundTrips(),
                ms / baseline);
  }
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (bench::serverParams().port == 0) {
    std::fprintf(stderr, "no database server: run scripts/bench\n");
    return 1;
  }
  const QString name = QString("bench_due_check_%1").arg(QCoreApplication::applicationPid());
  try {
    const ConnectionParams params = bench::createDatabase(name);
    Connection setup;
    setup.open(params);
    for (const char* script : {"partner.sql", "telephely.sql", "kockazat_ertekeles.sql"})
      runScript(setup, script);
    setup.execScript(R"(
      insert into partner (nev) select 'Partner ' || lpad(i::text, 4, '0') from generate_series(1, 1000) i;
      insert into telephely (telephely_pkod, nev)
        select partner_kod, s.nev from partner, (values ('Székhely'), ('Telep')) s(nev);
      insert into kockazat_ertekeles (kockazat_ertekeles_pkod, kockazat_ertekeles_tkod, nev, datum_keltido,
                                      datum_kovetkezoido)
        select t.telephely_pkod, t.telephely_kod, 'Értékelés ' || k, date '2024-01-01' + k * 200,
               date '2026-06-01' + (t.telephely_kod % 400)
        from telephely t, generate_series(1, 3) k;
      analyze;
    )");
    setup.close();
    bench::directAndOverSlowLink(params, run);
    bench::dropDatabase(name);
  } catch (const kit::data::DbError& e) {
    std::fprintf(stderr, "%s\n", qPrintable(e.message()));
    return 1;
  }
  return 0;
}
