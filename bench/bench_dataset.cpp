// Opening a paged list of 100 000 rows, turning pages, loading the whole list and saving a
// row, directly and over a slow link (the latency proxy, 25 ms each way). Each measure is
// printed with its database round trips and against a bare connect-and-one-query baseline.
// The proxy delays every 64 KiB chunk by itself, so loading a whole list through it costs far
// more than on a real link of the same latency: that figure is an upper bound.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>
#include <functional>

#include "BenchSupport.h"
#include "core/DM.h"
#include "kit/data/DbError.h"

using kit::data::Connection;
using kit::data::ConnectionParams;
using kit::data::Dataset;

namespace {

struct Measure {
  double ms;
  double roundTrips;
};

Measure measure(Connection& conn, int repeats, const std::function<void()>& action) {
  conn.resetRoundTrips();
  QElapsedTimer timer;
  timer.start();
  for (int i = 0; i < repeats; ++i) action();
  return {double(timer.nsecsElapsed()) / 1e6 / repeats, double(conn.roundTrips()) / repeats};
}

void report(const char* what, const Measure& m, const Measure& baseline) {
  std::printf("  %-42s %9.2f ms  %5.1f round trips  %6.2fx baseline\n", what, m.ms, m.roundTrips,
              m.ms / baseline.ms);
}

void run(const char* title, const ConnectionParams& params) {
  std::printf("%s\n", title);
  const int repeats = 5;

  Measure baseline;
  {
    Connection c;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < repeats; ++i) {
      c.open(params);
      c.exec("select 1");
      c.close();
    }
    baseline = {double(timer.nsecsElapsed()) / 1e6 / repeats, 1};
  }
  report("baseline: connect + one query", baseline, baseline);

  core::TDM dm;
  dm.settings.limitNum = 50;
  dm.ZConnection.open(params);
  Dataset& partners = dm.ZQueryPartner();
  int page = 0;
  bool pagingOff = false;
  partners.beforeOpen.add([&](Dataset& d) { dm.pageClause(d, page, pagingOff); });

  report("open paged list (count + first page)",
         measure(dm.ZConnection, repeats,
                 [&] {
                   partners.open();
                   dm.rowCount(partners);
                 }),
         baseline);
  page = 1000;
  report("turn to page 1001 (offset 50 000)", measure(dm.ZConnection, repeats, [&] { partners.open(); }),
         baseline);
  page = 0;
  partners.open();
  int saved = 0;
  report("save a changed row",
         measure(dm.ZConnection, repeats,
                 [&] {
                   partners.edit();
                   partners.setValue("megjegyzes", QString("mentés %1").arg(++saved));
                   partners.post();
                 }),
         baseline);

  pagingOff = true;
  const long before = bench::memoryKb("VmRSS:");
  const Measure all = measure(dm.ZConnection, 1, [&] { partners.open(); });
  const long after = bench::memoryKb("VmRSS:");
  report("load all 100 000 rows (paging off)", all, baseline);
  std::printf("  %-42s %9ld KiB (%d rows held)\n", "memory of the loaded list", after - before,
              partners.recordCount());
  partners.close();
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (bench::serverParams().port == 0) {
    std::fprintf(stderr, "no database server: run scripts/bench\n");
    return 1;
  }
  const QString name = QString("bench_dataset_%1").arg(QCoreApplication::applicationPid());
  try {
    const ConnectionParams params = bench::createDatabase(name);
    Connection setup;
    setup.open(params);
    setup.execScript(R"(
      create table partner (
        partner_kod serial primary key, nev varchar(80), rnev varchar(30), isz varchar(9),
        varos varchar(60), utca varchar(80), telefon varchar(20), email varchar(60),
        adoszam varchar(15), megjegyzes text, szerzodes boolean, datum_kelt date,
        c_userid varchar(20), c_date date, c_time varchar(10),
        m_userid varchar(20), m_date date, m_time varchar(10));
      insert into partner (nev, rnev, isz, varos, utca, telefon, email, adoszam, szerzodes, datum_kelt)
        select 'Partner ' || lpad(i::text, 6, '0') || ' Kft.', 'P' || i, '6720', 'Szeged',
               'Kossuth Lajos sugárút ' || i, '(62)123-45-67', 'iroda' || i || '@pelda.hu',
               '12345678-2-06', i % 3 = 0, date '2020-01-01' + (i % 1500)
        from generate_series(1, 100000) i;
      create index on partner (nev);
      analyze partner;
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
