#include "TfrmNetScapePreview.h"

#include <QApplication>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include "kit/widgets/MessageService.h"

namespace kit::report {
namespace {

// Draws the current page of the preview at its zoom.
class PageView : public QWidget {
 public:
  explicit PageView(TfrmNetScapePreview& preview) : preview_(preview) {}
  double dotsPerMm() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96;
    return dpi / 25.4 * preview_.zoom() / 100.0;
  }
  void fit() {
    const auto& pages = preview_.document().pages;
    if (pages.empty()) return;
    const QSizeF mm = pages[preview_.currentPage()].size;
    setFixedSize(int(mm.width() * dotsPerMm()) + 1, int(mm.height() * dotsPerMm()) + 1);
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const auto& pages = preview_.document().pages;
    if (!pages.empty()) paintPage(painter, pages[preview_.currentPage()], dotsPerMm());
  }

 private:
  TfrmNetScapePreview& preview_;
};

}  // namespace

TfrmNetScapePreview::TfrmNetScapePreview(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TfrmNetScapePreview"));
  setWindowTitle(QStringLiteral("Nyomtatási kép"));
  setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
  resize(1000, 760);
  auto* layout = new QVBoxLayout(this);
  auto* bar = new QHBoxLayout;
  const auto button = [this, bar](const QString& caption, const char* name) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    bar->addWidget(b);
    return b;
  };
  ButtonFirst = button(QStringLiteral("Első oldalra ugrás"), "ButtonFirst");
  ButtonPrior = button(QStringLiteral("Elöző oldal"), "ButtonPrior");
  LabelPage = new QLabel(this);
  LabelPage->setObjectName(QStringLiteral("LabelPage"));
  bar->addWidget(LabelPage);
  ButtonNext = button(QStringLiteral("Következő oldal"), "ButtonNext");
  ButtonLast = button(QStringLiteral("Utolsó oldalra ugrás"), "ButtonLast");
  bar->addSpacing(12);
  ButtonZoomOut = button(QStringLiteral("Kicsinyítés"), "ButtonZoomOut");
  LabelZoom = new QLabel(this);
  LabelZoom->setObjectName(QStringLiteral("LabelZoom"));
  bar->addWidget(LabelZoom);
  ButtonZoomIn = button(QStringLiteral("Nagyítás"), "ButtonZoomIn");
  bar->addStretch(1);
  ButtonPrint = button(QStringLiteral("Nyomtatás"), "ButtonPrint");
  ButtonPdf = button(QStringLiteral("PDF-be nyomtatás"), "ButtonPdf");
  ButtonClose = button(QStringLiteral("Kilépés a nyomtatási képből"), "ButtonClose");
  layout->addLayout(bar);

  scroll_ = new QScrollArea(this);
  scroll_->setAlignment(Qt::AlignHCenter);
  scroll_->setBackgroundRole(QPalette::Dark);
  view_ = new PageView(*this);
  scroll_->setWidget(view_);
  layout->addWidget(scroll_, 1);

  connect(ButtonFirst, &QPushButton::clicked, this, [this] { showPage(0); });
  connect(ButtonPrior, &QPushButton::clicked, this, [this] { showPage(page_ - 1); });
  connect(ButtonNext, &QPushButton::clicked, this, [this] { showPage(page_ + 1); });
  connect(ButtonLast, &QPushButton::clicked, this, [this] { showPage(document_.pageCount() - 1); });
  connect(ButtonZoomIn, &QPushButton::clicked, this, [this] { zoomIn(); });
  connect(ButtonZoomOut, &QPushButton::clicked, this, [this] { zoomOut(); });
  connect(ButtonPrint, &QPushButton::clicked, this, [this] { printNow(); });
  connect(ButtonPdf, &QPushButton::clicked, this, [this] {
    const QString name = askPdfName ? askPdfName()
                                    : QFileDialog::getSaveFileName(this, QStringLiteral("PDF-be nyomtatás"),
                                                                   {}, QStringLiteral("Pdf (*.pdf)"));
    saveAsPdf(name);
  });
  connect(ButtonClose, &QPushButton::clicked, this, [this] {
    document_ = {};  // releases the prepared pages
    accept();
  });
  askPrintRange = [this](const PreparedDocument& doc) -> std::optional<PageRange> {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, doc.pageCount());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    if (printer.fromPage() == 0) return PageRange{0, doc.pageCount() - 1};
    return PageRange{printer.fromPage() - 1, printer.toPage() - 1};
  };
  refresh();
}

void TfrmNetScapePreview::setDocument(PreparedDocument document, bool composite) {
  document_ = std::move(document);
  composite_ = composite;
  page_ = 0;
  refresh();
}

void TfrmNetScapePreview::showPage(int page) {
  if (page < 0 || page >= document_.pageCount()) return;
  page_ = page;
  refresh();
}

void TfrmNetScapePreview::zoomIn() {
  zoom_ = std::min(200, zoom_ + 10);
  refresh();
}

void TfrmNetScapePreview::zoomOut() {
  zoom_ = std::max(10, zoom_ - 10);
  refresh();
}

void TfrmNetScapePreview::refresh() {
  const int count = document_.pageCount();
  const QString pageText =
      page_ == 0 ? QStringLiteral(" - 1 oldal : ")
                 : QStringLiteral(" - ") + QString::number(page_ + 1) + QStringLiteral(" oldal : ");
  setWindowTitle(QStringLiteral("Nyomtatási kép ") + document_.title + pageText +
                 QStringLiteral(" Befejezve"));
  LabelPage->setText(QString::number(count == 0 ? 0 : page_ + 1) + QLatin1Char('/') + QString::number(count));
  ButtonPrior->setEnabled(page_ > 0);
  ButtonNext->setEnabled(page_ + 1 < count);
  ButtonFirst->setEnabled(page_ > 0);
  ButtonLast->setEnabled(page_ + 1 < count);
  LabelZoom->setText(QString::number(zoom_) + QLatin1Char('%'));
  static_cast<PageView*>(view_)->fit();
}

bool TfrmNetScapePreview::printNow() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const bool pageByPage = printsPageByPage ? printsPageByPage() : false;
  const bool printed = printDocument(document_, composite_, pageByPage, askPrintRange);
  QApplication::restoreOverrideCursor();
  if (!printed) kit::ui::warn(QStringLiteral("Hiba a nyomtatás során!"));
  return printed;
}

bool TfrmNetScapePreview::saveAsPdf(const QString& name) {
  if (name.trimmed().isEmpty()) {
    kit::ui::warn(QStringLiteral("Nincsen megadva a mentés neve!"));
    return false;
  }
  // ".pdf" once: a name typed with the extension keeps it as it is.
  const QString path =
      name.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) ? name : name + QStringLiteral(".pdf");
  if (!writePdf(document_, path)) {
    kit::ui::warn(QStringLiteral("Hiba a nyomtatás során!"));
    return false;
  }
  kit::ui::warn(QStringLiteral("PDF állomány mentése befejezve!"));
  return true;
}

void TfrmNetScapePreview::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_PageDown: showPage(page_ + 1); return;
    case Qt::Key_PageUp: showPage(page_ - 1); return;
    case Qt::Key_Escape: ButtonClose->click(); return;
    default: QDialog::keyPressEvent(event);
  }
}

void warnIncompleteData() {
  kit::ui::warn(
      QStringLiteral("A program nem tudta befejezni az adatok feldolgozását!\nA nyomtatási listából "
                     "hiányozni fognak adatok!"));
}

TfrmNetScapePreview* showPreview(PreparedDocument document, bool composite, PreviewMode mode) {
  auto* preview = new TfrmNetScapePreview(QApplication::activeWindow());
  preview->setAttribute(Qt::WA_DeleteOnClose);
  preview->setDocument(std::move(document), composite);
  if (mode == PreviewMode::Modal) {
    preview->exec();
    return nullptr;  // closed and gone
  }
  preview->setModal(false);
  preview->show();
  return preview;
}

bool produceAndPreview(const std::function<PreparedDocument()>& build, bool composite,
                       const std::function<void(PreparedDocument, bool)>& show) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    try {
      PreparedDocument document = build();
      if (show)
        show(std::move(document), composite);
      else
        showPreview(std::move(document), composite, PreviewMode::Modal);
      QCoreApplication::processEvents();
      return true;
    } catch (const std::exception&) {
      // tried once more, then told
    }
  }
  kit::ui::warn(QStringLiteral("Hiba a nyomtatás során! Próbálja újra"));
  return false;
}

}  // namespace kit::report
