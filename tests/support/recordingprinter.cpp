#include "tests/support/recordingprinter.h"

#include <algorithm>
#include <cmath>

namespace plat {

namespace {
int dotsPerMeter(int dpi) { return int(std::lround(dpi / 0.0254)); }
}  // namespace

std::vector<QString> PrintedPage::texts() const {
  std::vector<QString> out;
  for (const DrawOp& d : ops)
    if (d.op == "print") out.push_back(d.text);
  return out;
}

int PrintedPage::count(const std::string& op) const {
  return int(std::count_if(ops.begin(), ops.end(), [&](const DrawOp& d) { return d.op == op; }));
}

RecordingPrinter::RecordingPrinter(int dpi, bool keepImages)
    : m_dpi(std::max(1, dpi)), m_keepImages(keepImages), m_metrics(1, 1, QImage::Format_RGB32) {
  m_metrics.setDotsPerMeterX(dotsPerMeter(m_dpi));
  m_metrics.setDotsPerMeterY(dotsPerMeter(m_dpi));
  m_metrics.fill(Qt::white);
}

RecordingPrinter::~RecordingPrinter() = default;

QSize RecordingPrinter::pageSize(Orientation o) const {
  // Letter paper, printable to its edges.
  QSize s(m_dpi * 17 / 2, m_dpi * 11);
  return o == Orientation::Landscape ? s.transposed() : s;
}

QPaintDevice* RecordingPrinter::startPage(Orientation o) {
  PrintedPage page;
  page.orientation = o;
  QPaintDevice* dev = &m_metrics;
  if (m_keepImages) {
    QSize s = pageSize(o);
    page.image = std::make_shared<QImage>(s, QImage::Format_RGB32);
    page.image->setDotsPerMeterX(dotsPerMeter(m_dpi));
    page.image->setDotsPerMeterY(dotsPerMeter(m_dpi));
    page.image->fill(Qt::white);
    dev = page.image.get();
  }
  m_current.pages.push_back(std::move(page));
  return dev;
}

QPaintDevice* RecordingPrinter::beginDocument(const QString& title, Orientation first, QString& error) {
  if (!failOnBegin.isEmpty()) {
    error = failOnBegin;
    failOnBegin.clear();
    return nullptr;
  }
  m_dropped = PrintedDocument{};
  m_current = PrintedDocument{};
  m_current.title = title;
  m_open = true;
  return startPage(first);
}

QPaintDevice* RecordingPrinter::newPage(Orientation next, QString& error) {
  if (!failOnNewPage.isEmpty()) {
    error = failOnNewPage;
    failOnNewPage.clear();
    return nullptr;
  }
  return startPage(next);
}

void RecordingPrinter::pageDone(std::vector<DrawOp> ops) {
  if (!m_current.pages.empty()) m_current.pages.back().ops = std::move(ops);
}

bool RecordingPrinter::endDocument(QString& error) {
  if (!failOnEnd.isEmpty()) {
    error = failOnEnd;
    failOnEnd.clear();
    return false;
  }
  if (m_open) documents.push_back(std::move(m_current));
  m_current = PrintedDocument{};
  m_open = false;
  return true;
}

void RecordingPrinter::abortDocument() {
  if (m_open) ++aborted;
  // The painter may still be on the last page's image: it is kept until the next document.
  m_dropped = std::move(m_current);
  m_current = PrintedDocument{};
  m_open = false;
}

std::vector<QString> RecordingPrinter::lastTexts() const {
  std::vector<QString> out;
  if (documents.empty()) return out;
  for (const PrintedPage& p : documents.back().pages)
    for (const QString& t : p.texts()) out.push_back(t);
  return out;
}

RecordingPrinter* installRecordingPrinter(int dpi, bool keepImages) {
  auto rec = std::make_unique<RecordingPrinter>(dpi, keepImages);
  RecordingPrinter* raw = rec.get();
  printer().setBackend(std::move(rec));
  return raw;
}

}  // namespace plat
