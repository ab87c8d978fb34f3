// Preparing a long list document: 1 000 pages of a four-column list, in pages per second and
// peak memory, against ten times a 100-page document prepared in the same run (the cost should
// grow with the pages, not faster); then writing it as PDF.
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

#include "BenchSupport.h"
#include "kit/report/Elements.h"
#include "kit/report/ReportEngine.h"
#include "kit/report/Rows.h"

using namespace kit::report;

namespace {

Element field(const char* name, double left, double width) {
  return make::field(name, {left, 0, width, 5});
}

Document listDocument(TableRows& rows) {
  Report r;
  Element title;
  title.text = "Munkaeszközök nyilvántartása";
  title.rect = {0, 0, 180, 8};
  title.font.bold = true;
  r.pageHeader = Band{10, {title}};
  Element head;
  head.text = "Név                Gyári szám          Telephely          Következő vizsgálat";
  head.rect = {0, 0, 180, 6};
  r.columnHeader = Band{7, {head}};
  r.rows = &rows;
  r.detail = Band{
      6, {field("nev", 0, 60), field("gyariszam", 60, 35), field("hely", 95, 50), field("datum", 145, 35)}};
  r.pageFooter = Band{10, {make::pageInfo("{page} / {pages}", {150, 2, 30, 6})}};
  return Document{"Munkaeszközök", {r}};
}

TableRows makeRows(int n) {
  TableRows rows({"nev", "gyariszam", "hely", "datum"});
  for (int i = 0; i < n; ++i)
    rows.append({QString("Emelőgép %1").arg(i), QString("GY-%1").arg(i * 7919 % 100000),
                 QString("Csarnok %1").arg(i % 17), QDate(2026, 1, 1).addDays(i % 365)});
  return rows;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const int rowsPerPage = 41;  // as the layout fits them on A4

  TableRows small = makeRows(100 * rowsPerPage);
  QElapsedTimer timer;
  timer.start();
  int smallPages = 0;
  for (int i = 0; i < 10; ++i) smallPages = prepare(listDocument(small)).pageCount();
  const double tenSmall = double(timer.nsecsElapsed()) / 1e6;

  TableRows big = makeRows(1000 * rowsPerPage);
  const long before = bench::memoryKb("VmRSS:");
  timer.restart();
  PreparedDocument prepared = prepare(listDocument(big));
  const double bigMs = double(timer.nsecsElapsed()) / 1e6;
  const long after = bench::memoryKb("VmHWM:");

  std::printf("prepare %d pages: %.0f ms, %.0f pages/s\n", prepared.pageCount(), bigMs,
              prepared.pageCount() / bigMs * 1000);
  std::printf("baseline 10 x %d pages: %.0f ms; ratio %.2f (1.00 = cost grows with the pages)\n", smallPages,
              tenSmall, bigMs / tenSmall);
  std::printf("peak memory %ld KiB, %ld KiB above the rows (%.1f KiB a page)\n", after, after - before,
              double(after - before) / std::max(1, prepared.pageCount()));

  QTemporaryDir dir;
  timer.restart();
  writePdf(prepared, dir.filePath("lista.pdf"));
  std::printf("PDF of %d pages: %.0f ms, %lld KiB\n", prepared.pageCount(),
              double(timer.nsecsElapsed()) / 1e6, QFileInfo(dir.filePath("lista.pdf")).size() / 1024);
  return 0;
}
