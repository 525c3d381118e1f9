#include "platform/printer_system.h"

#include <QPageLayout>
#include <QPrinterInfo>

namespace plat {

namespace {
QPageLayout::Orientation toLayout(Orientation o) {
  return o == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}
}  // namespace

SystemPrinterBackend::SystemPrinterBackend(const QPrinterInfo& info) : m_printer(info, QPrinter::HighResolution) {}

QSize SystemPrinterBackend::pageSize(Orientation o) const {
  QPageLayout l = m_printer.pageLayout();
  l.setOrientation(toLayout(o));
  return l.paintRectPixels(m_printer.resolution()).size();
}

QPaintDevice* SystemPrinterBackend::beginDocument(const QString& title, Orientation first, QString& error) {
  if (!m_printer.isValid()) {
    error = QStringLiteral("The printer %1 is not available.").arg(m_printer.printerName());
    return nullptr;
  }
  m_printer.setDocName(title);
  m_printer.setPageOrientation(toLayout(first));
  return &m_printer;
}

QPaintDevice* SystemPrinterBackend::newPage(Orientation next, QString& error) {
  m_printer.setPageOrientation(toLayout(next));
  if (!m_printer.newPage()) {
    error = QStringLiteral("The printer %1 did not start a new page.").arg(m_printer.printerName());
    return nullptr;
  }
  return &m_printer;
}

bool SystemPrinterBackend::endDocument(QString& error) {
  if (m_printer.printerState() == QPrinter::Error) {
    error = QStringLiteral("The printer %1 reported an error.").arg(m_printer.printerName());
    return false;
  }
  return true;
}

void SystemPrinterBackend::abortDocument() {
  if (m_printer.printerState() == QPrinter::Active) m_printer.abort();
}

std::unique_ptr<PrinterBackend> makeSystemPrinterBackend() {
  QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull() || info.printerName().isEmpty()) return nullptr;
  return std::make_unique<SystemPrinterBackend>(info);
}

}  // namespace plat
