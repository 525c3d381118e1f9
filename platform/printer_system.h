#pragma once
// Pages on the system's default printer, at its own resolution and paper.

#include <QPrinter>
#include <QPrinterInfo>
#include <memory>

#include "platform/printer.h"

namespace plat {

class SystemPrinterBackend : public PrinterBackend {
 public:
  explicit SystemPrinterBackend(const QPrinterInfo& info);
  int dpi() const override { return m_printer.resolution(); }
  QSize pageSize(Orientation o) const override;
  QPaintDevice* metricsDevice() override { return &m_printer; }
  QPaintDevice* beginDocument(const QString& title, Orientation first, QString& error) override;
  QPaintDevice* newPage(Orientation next, QString& error) override;
  bool endDocument(QString& error) override;
  void abortDocument() override;

 private:
  QPrinter m_printer;
};

// The back-end for the system's default printer; null when the system has none.
std::unique_ptr<PrinterBackend> makeSystemPrinterBackend();

}  // namespace plat
