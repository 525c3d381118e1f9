#include "platform/printer_pdf.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>

#include "runtime/safefile.h"

namespace plat {

namespace {
QPageLayout::Orientation toLayout(Orientation o) {
  return o == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}
}  // namespace

PdfPrinterBackend::PdfPrinterBackend(const QString& folder, int dpi) : m_folder(folder), m_dpi(std::max(72, dpi)) {
  m_metrics = makeWriter(&m_metricsBuffer, QString(), Orientation::Portrait);
}

PdfPrinterBackend::~PdfPrinterBackend() {
  abortDocument();
  dropDocument();
}

std::unique_ptr<QPdfWriter> PdfPrinterBackend::makeWriter(QIODevice* out, const QString& title, Orientation o) const {
  auto w = std::make_unique<QPdfWriter>(out);
  w->setResolution(m_dpi);
  w->setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), toLayout(o), QMarginsF(0, 0, 0, 0)));
  w->setCreator(QStringLiteral("Vantrel"));
  if (!title.isEmpty()) w->setTitle(title);
  return w;
}

QSize PdfPrinterBackend::pageSize(Orientation o) const {
  QPageLayout l(QPageSize(QPageSize::Letter), toLayout(o), QMarginsF(0, 0, 0, 0));
  return l.paintRectPixels(m_dpi).size();
}

QString PdfPrinterBackend::freshPath(const QString& title) const {
  // "Print Lever" gives "Print-Lever-20240131-154502.pdf"; only letters and digits are kept.
  QString base;
  for (QChar c : title) {
    if (c.isLetterOrNumber() && c.unicode() < 128)
      base += c;
    else if (!base.isEmpty() && !base.endsWith('-'))
      base += '-';
  }
  while (base.endsWith('-')) base.chop(1);
  if (base.isEmpty()) base = QStringLiteral("Printout");
  base += '-' + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
  QString folder = m_folder;
  if (!folder.isEmpty() && !folder.endsWith('/')) folder += '/';
  QString path = folder + base + ".pdf";
  for (int n = 2; QFileInfo::exists(path); ++n) path = folder + base + '-' + QString::number(n) + ".pdf";
  return path;
}

QPaintDevice* PdfPrinterBackend::beginDocument(const QString& title, Orientation first, QString& error) {
  abortDocument();
  dropDocument();
  m_path = freshPath(title);
  m_document = std::make_unique<QBuffer>();
  if (!m_document->open(QIODevice::WriteOnly)) {
    error = QStringLiteral("The document could not be started.");
    m_document.reset();
    return nullptr;
  }
  m_writer = makeWriter(m_document.get(), title, first);
  return m_writer.get();
}

QPaintDevice* PdfPrinterBackend::newPage(Orientation next, QString& error) {
  if (!m_writer) {
    error = QStringLiteral("No document is open.");
    return nullptr;
  }
  m_writer->setPageOrientation(toLayout(next));
  if (!m_writer->newPage()) {
    error = QStringLiteral("A new page could not be started in %1.").arg(QDir::toNativeSeparators(m_path));
    return nullptr;
  }
  return m_writer.get();
}

bool PdfPrinterBackend::endDocument(QString& error) {
  if (!m_document) {
    error = QStringLiteral("No document is open.");
    return false;
  }
  m_writer.reset();  // the writer finishes the document in the buffer
  const QByteArray bytes = m_document->data();
  m_document.reset();
  try {
    rt::writeWholeFile(QFile::encodeName(m_path).toStdString(),
                       std::string_view(bytes.constData(), size_t(bytes.size())));
  } catch (const rt::WriteError& e) {
    error = QStringLiteral("The file %1 could not be written: %2")
                .arg(QDir::toNativeSeparators(m_path), QString::fromStdString(e.reason()));
    return false;
  }
  return true;
}

void PdfPrinterBackend::abortDocument() {
  // Nothing reaches the disk before the end of the document, so there is nothing to undo.
  // The painter may still be on the writer: the writer and its buffer go when the next
  // document begins or the back-end ends.
}

void PdfPrinterBackend::dropDocument() {
  m_writer.reset();
  m_document.reset();
}

QString PdfPrinterBackend::deliveredMessage() const {
  return QStringLiteral("No printer is set up on this computer, so the report was saved as a PDF file:\n\n%1")
      .arg(QDir::toNativeSeparators(m_path));
}

}  // namespace plat
