#pragma once
// The printer: a page that is a drawing surface like any other (the same operations, scale,
// current point and font), plus orientation, new page and end of document. Pages go to a
// back-end: the system's default printer when there is one, otherwise a PDF file in the
// program's folder (and the user is told where it went), or, in tests, a recording.
//
// A page appears only when something is drawn on it: a new page that stays empty adds no
// blank sheet, and a document with nothing drawn prints nothing. Fonts keep their point
// size and pens their width in device pixels whatever the printer's resolution; hatches
// and dots are sized as they look on screen. A printer that fails shows a clear message
// once; the rest of the document is dropped, and nothing claims it was printed.

#include <QPaintDevice>
#include <QSize>
#include <QString>
#include <memory>
#include <vector>

#include "platform/surface.h"

class QPainter;

namespace plat {

enum class Orientation { Portrait = 1, Landscape = 2 };

// Where the pages of a document go.
class PrinterBackend {
 public:
  virtual ~PrinterBackend() = default;
  // Dots per inch of the page.
  virtual int dpi() const = 0;
  // The printable area of a page in device pixels.
  virtual QSize pageSize(Orientation o) const = 0;
  // A device with the page's resolution, for measuring text before a document starts.
  virtual QPaintDevice* metricsDevice() = 0;
  // Starts a document whose first page has the given orientation. Returns the device to
  // paint on, or null with the reason in error.
  virtual QPaintDevice* beginDocument(const QString& title, Orientation first, QString& error) = 0;
  // Ends the present page and starts the next. Returns the device to paint the new page on
  // (the same or another), or null with the reason in error.
  virtual QPaintDevice* newPage(Orientation next, QString& error) = 0;
  // Delivers the document once its painting has ended; false with the reason in error.
  virtual bool endDocument(QString& error) = 0;
  // Drops the document in progress: nothing of it is delivered.
  virtual void abortDocument() = 0;
  // What the user is told once a document has been delivered; empty for nothing.
  virtual QString deliveredMessage() const { return {}; }
  // A back-end that keeps the operations of each page gets them when the page is complete.
  virtual bool wantsOps() const { return false; }
  virtual void pageDone(std::vector<DrawOp> /*ops*/) {}
};

class Printer : public Surface {
 public:
  Printer();
  ~Printer() override;

  int deviceWidth() const override { return pageSize().width(); }
  int deviceHeight() const override { return pageSize().height(); }
  // Dots per inch of the pages.
  int dpi() const;

  // The orientation of the next page begun; it stays as set across documents.
  void setOrientation(Orientation o);
  Orientation orientation() const { return m_orientation; }
  // Ends the page; the next drawing starts a new one. An empty page stays unprinted.
  void newPage();
  // Ends the document and sends it out. The drawing state (scale, colours, widths, styles,
  // font, current point) starts afresh for the next document; the orientation stays.
  void endDoc();
  // The name of the print job and the title of the printer's messages.
  void setDocumentTitle(const QString& title) { m_title = title; }
  QString documentTitle() const { return m_title; }

  // Pages begun in the document in progress (0 before anything is drawn).
  int pagesInDocument() const { return m_pages; }
  bool documentFailed() const { return m_state == State::Failed; }

  // Puts pages elsewhere from now on, in portrait; a document in progress is dropped. With
  // no back-end set, each document goes to the system's default printer or, without one,
  // to a PDF file.
  void setBackend(std::unique_ptr<PrinterBackend> backend);

 protected:
  QPainter* beginDraw() override;
  void endDraw() override {}
  QPaintDevice* metricsDevice() const override;
  double twipsPerPixel() const override { return 1440.0 / dpi(); }
  double patternScale() const override { return dpi() / 96.0; }

 private:
  enum class State { Idle, Drawing, PageEnded, Failed };
  PrinterBackend& backend() const;
  QSize pageSize() const;
  void fail(const QString& reason);
  void finishPageOps();
  void resetDocument();
  void orientationChanged();

  mutable std::unique_ptr<PrinterBackend> m_backend;
  mutable bool m_autoBackend = false;
  mutable QSize m_size;
  mutable bool m_sizeValid = false;
  std::unique_ptr<QPainter> m_painter;
  State m_state = State::Idle;
  Orientation m_orientation = Orientation::Portrait;
  Orientation m_pageOrientation = Orientation::Portrait;
  int m_pages = 0;
  QString m_title = QStringLiteral("Print");
};

// The program's printer.
Printer& printer();

// Asks "Make sure printer is on-line and ready." with OK and Cancel and the information
// icon, under the caller's title; true to go on printing. The title also names the job.
bool askPrinterReady(const QString& title);

// The back-end a document goes to when none is set: the system's default printer, or a PDF
// file in the program's folder when there is no printer.
std::unique_ptr<PrinterBackend> makeDefaultPrinterBackend();

}  // namespace plat
