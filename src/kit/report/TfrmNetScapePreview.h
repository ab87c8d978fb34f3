#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "Printing.h"

class QLabel;
class QPushButton;
class QScrollArea;

namespace kit::report {

// The print preview that every document of the program goes to: pages one at a time with
// their number, zoom from 10 to 200 per cent, printing and saving as PDF.
class TfrmNetScapePreview : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmNetScapePreview(QWidget* parent = nullptr);

  // Shows a prepared document; `composite` documents ask for the pages to print first.
  void setDocument(PreparedDocument document, bool composite);
  const PreparedDocument& document() const { return document_; }

  int currentPage() const { return page_; }  // zero-based
  int zoom() const { return zoom_; }
  void showPage(int page);
  void zoomIn();
  void zoomOut();
  // "Nyomtatás": prints as the settings say (page by page when PrintPerPage is not "Nem").
  bool printNow();
  // "PDF-be nyomtatás" with the name the save dialog gave; ".pdf" is added when it is missing.
  bool saveAsPdf(const QString& name);

  // Whether reports print page by page as separate jobs (the PrintPerPage setting).
  std::function<bool()> printsPageByPage;
  // The printer settings dialog of a composite document; std::nullopt cancels.
  std::function<std::optional<PageRange>(const PreparedDocument&)> askPrintRange;
  // The save dialog; an empty name means none was given.
  std::function<QString()> askPdfName;

  QPushButton* ButtonFirst = nullptr;    // "Első oldalra ugrás"
  QPushButton* ButtonPrior = nullptr;    // "Elöző oldal"
  QPushButton* ButtonNext = nullptr;     // "Következő oldal"
  QPushButton* ButtonLast = nullptr;     // "Utolsó oldalra ugrás"
  QLabel* LabelPage = nullptr;           // "1/3"
  QPushButton* ButtonZoomIn = nullptr;   // "Nagyítás"
  QPushButton* ButtonZoomOut = nullptr;  // "Kicsinyítés"
  QLabel* LabelZoom = nullptr;           // "100%"
  QPushButton* ButtonPrint = nullptr;    // "Nyomtatás"
  QPushButton* ButtonPdf = nullptr;      // "PDF-be nyomtatás"
  QPushButton* ButtonClose = nullptr;    // "Kilépés a nyomtatási képből"

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void refresh();
  PreparedDocument document_;
  bool composite_ = false;
  int page_ = 0;
  int zoom_ = 100;
  QScrollArea* scroll_ = nullptr;
  QWidget* view_ = nullptr;
};

// Told when the data of a long document (the risk evaluation) could not all be assembled; what
// was assembled is still previewed.
void warnIncompleteData();

// Shows a prepared document in the preview window over the active window: modally (returns when
// the preview is closed), or beside the work (returns at once; the window goes when closed).
enum class PreviewMode { Modal, NonModal };
TfrmNetScapePreview* showPreview(PreparedDocument document, bool composite, PreviewMode mode);

// Produces a document and shows it in the preview: `build` lays it out; when that fails it is
// tried once more, and a second failure shows "Hiba a nyomtatás során! Próbálja újra". Returns
// false then. `show` presents the prepared document (the modal preview window by default).
bool produceAndPreview(const std::function<PreparedDocument()>& build, bool composite,
                       const std::function<void(PreparedDocument, bool composite)>& show = {});

}  // namespace kit::report
