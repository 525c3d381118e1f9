#include "platform/printer.h"

#include <QCoreApplication>
#include <QPainter>

#include "platform/files.h"
#include "platform/printer_pdf.h"
#include "platform/printer_system.h"
#include "platform/services.h"

namespace plat {

Printer::Printer() : m_painter(std::make_unique<QPainter>()) {
  setFont(QStringLiteral("Courier New"), 12);
  resetDrawingState();
}

Printer::~Printer() {
  if (m_state != State::Idle && m_backend) m_backend->abortDocument();
  if (m_painter->isActive()) m_painter->end();
}

namespace {
// Letter paper at 600 dots per inch: the page assumed until a printer is chosen, which
// happens when the first text is measured or the first drawing made.
constexpr int kProvisionalDpi = 600;
QSize provisionalPage(Orientation o) {
  QSize s(kProvisionalDpi * 17 / 2, kProvisionalDpi * 11);
  return o == Orientation::Landscape ? s.transposed() : s;
}
}  // namespace

PrinterBackend& Printer::backend() const {
  if (!m_backend) {
    m_backend = makeDefaultPrinterBackend();
    m_autoBackend = true;
    // The scale in twips follows the chosen printer's page.
    const_cast<Printer*>(this)->orientationChanged();
  }
  return *m_backend;
}

int Printer::dpi() const { return m_backend ? std::max(1, m_backend->dpi()) : kProvisionalDpi; }

QSize Printer::pageSize() const {
  if (!m_sizeValid) {
    Orientation o = m_state == State::Drawing ? m_pageOrientation : m_orientation;
    m_size = m_backend ? m_backend->pageSize(o) : provisionalPage(o);
    if (m_size.width() < 1 || m_size.height() < 1) m_size = QSize(1, 1);
    m_sizeValid = true;
  }
  return m_size;
}

QPaintDevice* Printer::metricsDevice() const {
  if (m_state == State::Drawing && m_painter->isActive()) return m_painter->device();
  return backend().metricsDevice();
}

void Printer::orientationChanged() {
  m_sizeValid = false;
  rescale();
}

void Printer::setOrientation(Orientation o) {
  if (o != Orientation::Portrait && o != Orientation::Landscape) return;
  m_orientation = o;
  // A page in progress keeps its own; the new orientation starts with the next page.
  if (m_state != State::Drawing) orientationChanged();
}

void Printer::setBackend(std::unique_ptr<PrinterBackend> b) {
  if (m_state != State::Idle) {
    if (m_backend) m_backend->abortDocument();
    if (m_painter->isActive()) m_painter->end();
  }
  m_backend = std::move(b);
  m_autoBackend = false;
  // Another printer starts in its own default orientation.
  m_orientation = Orientation::Portrait;
  resetDocument();
}

void Printer::resetDocument() {
  m_state = State::Idle;
  m_pages = 0;
  clearOps();
  // A back-end that keeps what was drawn gets every operation of the page.
  setRecording(m_backend && m_backend->wantsOps());
  setFont(QStringLiteral("Courier New"), 12);
  m_sizeValid = false;
  resetDrawingState();
}

void Printer::fail(const QString& reason) {
  // Drop the document first, so ending the painter delivers nothing.
  if (m_backend) m_backend->abortDocument();
  if (m_painter->isActive()) m_painter->end();
  m_state = State::Failed;
  messageBox(QStringLiteral("The report could not be printed.\n\n%1").arg(reason), msg::OkOnly | msg::Critical,
             m_title);
}

void Printer::finishPageOps() {
  if (m_backend && m_backend->wantsOps()) {
    m_backend->pageDone(ops());
    clearOps();
  }
}

QPainter* Printer::beginDraw() {
  QString error;
  switch (m_state) {
    case State::Failed: return nullptr;
    case State::Drawing: break;
    case State::Idle: {
      PrinterBackend& b = backend();
      QPaintDevice* dev = b.beginDocument(m_title, m_orientation, error);
      if (!dev) {
        fail(error.isEmpty() ? QStringLiteral("The printer did not start the document.") : error);
        return nullptr;
      }
      if (!m_painter->begin(dev)) {
        fail(QStringLiteral("The printer did not accept the document."));
        return nullptr;
      }
      m_pageOrientation = m_orientation;
      m_pages = 1;
      m_state = State::Drawing;
      orientationChanged();
      break;
    }
    case State::PageEnded: {
      QPaintDevice* dev = backend().newPage(m_orientation, error);
      if (!dev) {
        fail(error.isEmpty() ? QStringLiteral("The printer did not start a new page.") : error);
        return nullptr;
      }
      if (dev != m_painter->device()) {
        m_painter->end();
        if (!m_painter->begin(dev)) {
          fail(QStringLiteral("The printer did not accept a new page."));
          return nullptr;
        }
      }
      m_pageOrientation = m_orientation;
      ++m_pages;
      m_state = State::Drawing;
      orientationChanged();
      break;
    }
  }
  QPainter* p = m_painter.get();
  p->setRenderHint(QPainter::Antialiasing, false);
  p->setRenderHint(QPainter::TextAntialiasing, false);
  p->setRenderHint(QPainter::SmoothPixmapTransform, false);
  p->setCompositionMode(QPainter::CompositionMode_SourceOver);
  p->setClipping(false);
  return p;
}

void Printer::newPage() {
  if (m_state == State::Drawing) {
    finishPageOps();
    m_state = State::PageEnded;
    orientationChanged();
  }
  moveTo(0, 0);
}

void Printer::endDoc() {
  if (m_state == State::Drawing || m_state == State::PageEnded) {
    if (m_state == State::Drawing) finishPageOps();
    QString error;
    bool ended = m_painter->end();
    if (!ended) {
      fail(QStringLiteral("The printer did not finish the document."));
    } else if (!backend().endDocument(error)) {
      fail(error.isEmpty() ? QStringLiteral("The printer did not take the document.") : error);
    } else {
      QString told = backend().deliveredMessage();
      if (!told.isEmpty()) messageBox(told, msg::OkOnly | msg::Information, m_title);
    }
  } else if (m_painter->isActive()) {
    m_painter->end();
  }
  // The next document chooses its printer again (one may have been set up meanwhile).
  if (m_autoBackend) {
    m_backend.reset();
    m_autoBackend = false;
  }
  resetDocument();
}

// ---------------------------------------------------------------- the program's printer

Printer& printer() {
  static Printer* p = nullptr;
  if (!p) {
    p = new Printer;
    // The printer's painter and print job belong to the application's lifetime.
    qAddPostRoutine([] {
      delete p;
      p = nullptr;
    });
  }
  return *p;
}

bool askPrinterReady(const QString& title) {
  int answer =
      messageBox(QStringLiteral("Make sure printer is on-line and ready."), msg::OkCancel | msg::Information, title);
  if (answer != msg::Ok) return false;
  printer().setDocumentTitle(title);
  return true;
}

std::unique_ptr<PrinterBackend> makeDefaultPrinterBackend() {
  if (auto system = makeSystemPrinterBackend()) return system;
  return std::make_unique<PdfPrinterBackend>(programFolder());
}

}  // namespace plat
