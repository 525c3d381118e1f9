#pragma once
// Pages as a PDF file, for a computer without a printer: each document becomes a new file
// in the given folder (the program's folder), named after the report and the time, and the
// user is told where it went. The document is made in memory and written at its end through
// the program's safe writer: whole, or not at all and the report counts as not printed.

#include <QBuffer>
#include <QPdfWriter>
#include <QString>
#include <memory>

#include "platform/printer.h"

namespace plat {

class PdfPrinterBackend : public PrinterBackend {
 public:
  // Letter paper printable to its edges, at 600 dots per inch.
  explicit PdfPrinterBackend(const QString& folder, int dpi = 600);
  ~PdfPrinterBackend() override;

  int dpi() const override { return m_dpi; }
  QSize pageSize(Orientation o) const override;
  QPaintDevice* metricsDevice() override { return m_metrics.get(); }
  QPaintDevice* beginDocument(const QString& title, Orientation first, QString& error) override;
  QPaintDevice* newPage(Orientation next, QString& error) override;
  bool endDocument(QString& error) override;
  void abortDocument() override;
  QString deliveredMessage() const override;

  // The file of the last document begun.
  QString lastFile() const { return m_path; }

 private:
  std::unique_ptr<QPdfWriter> makeWriter(QIODevice* out, const QString& title, Orientation o) const;
  QString freshPath(const QString& title) const;
  void dropDocument();
  QString m_folder;
  int m_dpi;
  QBuffer m_metricsBuffer;
  std::unique_ptr<QPdfWriter> m_metrics;
  std::unique_ptr<QBuffer> m_document;
  std::unique_ptr<QPdfWriter> m_writer;
  QString m_path;
};

}  // namespace plat
