#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "kit/report/ReportEngine.h"
#include "kit/report/Rows.h"
#include "kit/report/TfrmNetScapePreview.h"
#include "kit/sys/Printers.h"
#include "kit/sys/ProgramFolder.h"
#include "support/RecordingMessages.h"

using namespace kit::report;

namespace {

// Records the print jobs instead of printing.
struct RecordingJobs : PrintJobs {
  struct Job {
    int from, to;
    QString printer;
  };
  QList<Job> jobs;
  bool fail = false;
  RecordingJobs() { setPrintJobs(this); }
  ~RecordingJobs() override { setPrintJobs(nullptr); }
  bool print(const PreparedDocument&, int from, int to, const QString& printer) override {
    if (fail) return false;
    jobs.append({from, to, printer});
    return true;
  }
};

// A composite document of three one-page reports.
PreparedDocument threePages() {
  Document doc;
  doc.title = "Próba";
  for (const char* title : {"Első", "Második", "Harmadik"}) {
    Report r;
    Element e;
    e.text = title;
    e.rect = {0, 0, 50, 6};
    r.title = Band{8, {e}};
    doc.reports.push_back(r);
  }
  return prepare(doc);
}

}  // namespace

// The print preview: pages, zoom, printing as the settings say, and PDF export.
class TestPreview : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    kit::sys::Printers::replaceInstalled(QStringList{"Irodai lézer"});
    kit::sys::Printers::setCurrent("Irodai lézer");
  }
  void cleanup() { kit::sys::Printers::replaceInstalled(std::nullopt); }

  void pagesAndTitle();
  void zoomSteps();
  void printJobs_data();
  void printJobs();
  void printFailureIsTold();
  void pdfExport_data();
  void pdfExport();
  void produceRetriesOnce();
  void nonModalPreview();
  void builtInPdfPrinterWritesAFile();
};

void TestPreview::pagesAndTitle() {
  TfrmNetScapePreview preview;
  preview.setDocument(threePages(), true);
  QCOMPARE(preview.windowTitle(), QString("Nyomtatási kép Próba - 1 oldal :  Befejezve"));
  QCOMPARE(preview.LabelPage->text(), QString("1/3"));
  QVERIFY(!preview.ButtonPrior->isEnabled());
  QVERIFY(preview.ButtonNext->isEnabled());
  preview.ButtonNext->click();
  QCOMPARE(preview.windowTitle(), QString("Nyomtatási kép Próba - 2 oldal :  Befejezve"));
  preview.ButtonLast->click();
  QCOMPARE(preview.LabelPage->text(), QString("3/3"));
  QVERIFY(!preview.ButtonNext->isEnabled());
  QVERIFY(preview.ButtonPrior->isEnabled());
  preview.ButtonFirst->click();
  QCOMPARE(preview.currentPage(), 0);
}

void TestPreview::zoomSteps() {
  TfrmNetScapePreview preview;
  preview.setDocument(threePages(), false);
  QCOMPARE(preview.LabelZoom->text(), QString("100%"));
  for (int i = 0; i < 15; ++i) preview.ButtonZoomIn->click();
  QCOMPARE(preview.zoom(), 200);
  for (int i = 0; i < 25; ++i) preview.ButtonZoomOut->click();
  QCOMPARE(preview.zoom(), 10);
  QCOMPARE(preview.LabelZoom->text(), QString("10%"));
}

void TestPreview::printJobs_data() {
  QTest::addColumn<bool>("composite");
  QTest::addColumn<bool>("pageByPage");
  QTest::addColumn<int>("jobs");
  QTest::newRow("composite, page by page") << true << true << 3;
  QTest::newRow("composite, one job") << true << false << 1;
  QTest::newRow("single report") << false << true << 1;
}

void TestPreview::printJobs() {
  QFETCH(bool, composite);
  QFETCH(bool, pageByPage);
  QFETCH(int, jobs);
  RecordingJobs recorder;
  TfrmNetScapePreview preview;
  preview.setDocument(threePages(), composite);
  preview.printsPageByPage = [&] { return pageByPage; };
  preview.askPrintRange = [](const PreparedDocument& d) {
    return std::optional<PageRange>(PageRange{0, d.pageCount() - 1});
  };
  QVERIFY(preview.printNow());
  QCOMPARE(recorder.jobs.size(), jobs);
  QCOMPARE(recorder.jobs.first().printer, QString("Irodai lézer"));
  QCOMPARE(recorder.jobs.last().to, 2);
}

void TestPreview::printFailureIsTold() {
  RecordingJobs recorder;
  recorder.fail = true;
  RecordingMessages messages;
  TfrmNetScapePreview preview;
  preview.setDocument(threePages(), false);
  QVERIFY(!preview.printNow());
  QCOMPARE(messages.texts(), QStringList{"Hiba a nyomtatás során!"});
}

void TestPreview::pdfExport_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("written");
  QTest::newRow("without extension") << "lista"
                                     << "lista.pdf";
  QTest::newRow("with extension") << "lista.pdf"
                                  << "lista.pdf";
  QTest::newRow("upper-case extension") << "LISTA.PDF"
                                        << "LISTA.PDF";
}

void TestPreview::pdfExport() {
  QFETCH(QString, typed);
  QFETCH(QString, written);
  QTemporaryDir dir;
  RecordingMessages messages;
  TfrmNetScapePreview preview;
  preview.setDocument(threePages(), true);
  preview.askPdfName = [&] { return dir.filePath(typed); };
  preview.ButtonPdf->click();
  QVERIFY(QFile::exists(dir.filePath(written)));
  QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
  QCOMPARE(messages.texts(), QStringList{"PDF állomány mentése befejezve!"});
  messages.clear();
  preview.askPdfName = [] { return QString(); };
  preview.ButtonPdf->click();
  QCOMPARE(messages.texts(), QStringList{"Nincsen megadva a mentés neve!"});
}

void TestPreview::produceRetriesOnce() {
  RecordingMessages messages;
  int attempts = 0;
  int shown = 0;
  const auto show = [&](PreparedDocument, bool) { ++shown; };
  QVERIFY(produceAndPreview(
      [&] {
        if (++attempts == 1) throw std::runtime_error("first attempt fails");
        return threePages();
      },
      true, show));
  QCOMPARE(attempts, 2);
  QCOMPARE(shown, 1);
  QVERIFY(messages.shown().isEmpty());
  attempts = 0;
  QVERIFY(!produceAndPreview(
      [&]() -> PreparedDocument {
        ++attempts;
        throw std::runtime_error("always fails");
      },
      true, show));
  QCOMPARE(attempts, 2);
  QCOMPARE(shown, 1);
  QCOMPARE(messages.texts(), QStringList{"Hiba a nyomtatás során! Próbálja újra"});
}

void TestPreview::nonModalPreview() {
  QPointer<TfrmNetScapePreview> preview = showPreview(threePages(), true, PreviewMode::NonModal);
  QVERIFY(preview);
  QVERIFY(preview->isVisible());
  QVERIFY(!preview->isModal());  // the work goes on beside it
  QVERIFY(!QApplication::activeModalWidget());
  preview->ButtonClose->click();
  QTRY_VERIFY(preview.isNull());  // gone with its pages
}

void TestPreview::builtInPdfPrinterWritesAFile() {
  QTemporaryDir folder;
  kit::sys::setProgramFolder(folder.path());
  kit::sys::Printers::setCurrent(kit::sys::Printers::pdfPrinterName());
  QVERIFY(printDocument(threePages(), false, false, {}));
  const QStringList files = QDir(pdfPrinterFolder()).entryList({"*.pdf"});
  QCOMPARE(files.size(), 1);
  QVERIFY(files.first().startsWith("Próba_"));
  kit::sys::setProgramFolder({});
}

QTEST_MAIN(TestPreview)
#include "test_preview.moc"
