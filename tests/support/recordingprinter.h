#pragma once
// A printer for tests: it keeps every document that was delivered, page by page, with the
// operations drawn on each page (in the page's scale units, with the drawing state they were
// made in) and, when asked, an image of the page. It can also be told to fail.

#include <QImage>
#include <QString>
#include <memory>
#include <vector>

#include "platform/printer.h"

namespace plat {

struct PrintedPage {
  Orientation orientation = Orientation::Portrait;
  std::vector<DrawOp> ops;
  std::shared_ptr<QImage> image;  // null unless images are kept
  // The texts printed on the page, in order (empty lines included as empty texts).
  std::vector<QString> texts() const;
  int count(const std::string& op) const;
};

struct PrintedDocument {
  QString title;
  std::vector<PrintedPage> pages;
};

class RecordingPrinter : public PrinterBackend {
 public:
  explicit RecordingPrinter(int dpi = 100, bool keepImages = true);
  ~RecordingPrinter() override;

  int dpi() const override { return m_dpi; }
  QSize pageSize(Orientation o) const override;
  QPaintDevice* metricsDevice() override { return &m_metrics; }
  QPaintDevice* beginDocument(const QString& title, Orientation first, QString& error) override;
  QPaintDevice* newPage(Orientation next, QString& error) override;
  bool endDocument(QString& error) override;
  void abortDocument() override;
  bool wantsOps() const override { return true; }
  void pageDone(std::vector<DrawOp> ops) override;

  // Documents delivered, in order.
  std::vector<PrintedDocument> documents;
  // Documents dropped after a failure.
  int aborted = 0;
  // Set to a reason to make the next start of a document, new page or delivery fail.
  QString failOnBegin, failOnNewPage, failOnEnd;

  // All texts of the last delivered document, page after page.
  std::vector<QString> lastTexts() const;

 private:
  QPaintDevice* startPage(Orientation o);
  int m_dpi;
  bool m_keepImages;
  QImage m_metrics;
  bool m_open = false;
  PrintedDocument m_current;
  PrintedDocument m_dropped;
};

// From now on pages are recorded, at the given resolution, keeping an image of each page
// when asked (letter paper; at 100 dpi a page unit of hundredths of an inch is a pixel).
RecordingPrinter* installRecordingPrinter(int dpi = 100, bool keepImages = true);

}  // namespace plat
