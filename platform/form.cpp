#include "platform/form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QShortcut>

#include "platform/accessible.h"
#include "platform/accessibleroles.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/picturebox.h"
#include "platform/services.h"
#include "platform/twips.h"

namespace plat {

namespace {

// Where the focus goes when the control that has it hides or disables itself (or is hidden
// or disabled with its container): on to the next control in the window's Tab order that
// can take it, as Tab would move it. The toolkit tries this at once, when the handler that
// hides the control may not yet have shown the controls that take its place (a topic
// button hides its panel before it shows the topic's controls); so the focus lands only
// when the handler is done, and only if nothing gave it a place meanwhile.
class FocusLanding : public QObject {
 public:
  explicit FocusLanding(QWidget* window) : QObject(window), m_window(window) {
    connect(qApp, &QApplication::focusChanged, this, &FocusLanding::focusMoved);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (watched == m_watched && (e->type() == QEvent::Hide || e->type() == QEvent::EnabledChange)) leftBy(m_watched);
    return false;
  }

 private:
  void focusMoved(QWidget* old, QWidget* now) {
    if (m_watched) m_watched->removeEventFilter(this);
    m_watched = now && now->window() == m_window ? now : nullptr;
    if (m_watched) m_watched->installEventFilter(this);
    // The toolkit cleared the focus inside the window that stays active: the control that
    // had it could pass it nowhere.
    if (old && !now && old->window() == m_window && QApplication::activeWindow() == m_window) leftBy(old);
  }

  // The first control that lost the focus so is where the Tab order is counted from.
  void leftBy(QWidget* control) {
    if (m_pending) return;
    m_pending = true;
    m_leftBy = control;
    QMetaObject::invokeMethod(
        this, [this] { land(); }, Qt::QueuedConnection);
  }

  static bool canTakeFocus(const QWidget* w) { return w->isVisible() && w->isEnabled(); }

  void land() {
    m_pending = false;
    QWidget* from = m_leftBy;
    m_leftBy = nullptr;
    if (!from || !m_window->isVisible()) return;
    QWidget* focus = m_window->focusWidget();
    if (focus && canTakeFocus(focus)) return;
    for (QWidget* w = from->nextInFocusChain(); w && w != from; w = w->nextInFocusChain()) {
      if (w->window() == m_window && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && canTakeFocus(w)) {
        w->setFocus(Qt::TabFocusReason);
        return;
      }
    }
  }

  QWidget* m_window;
  QPointer<QWidget> m_watched;
  QPointer<QWidget> m_leftBy;
  bool m_pending = false;
};

}  // namespace

Form::Form(QWidget* parent) : QWidget(parent, Qt::Window) {
  installAccessible<Form, WindowAccessible>();
  new FocusLanding(this);
  installFontSubstitutions();
  setFont(defaultFont());
  setBackColor(m_backColor);
  // Moves over the window's own area reach mouseMoveOnWindow with no button down.
  setMouseTracking(true);
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
  f1->setContext(Qt::WindowShortcut);
  connect(f1, &QShortcut::activated, this, [this] { showHelp(); });
}

void Form::open() {
  if (!m_loaded) {
    m_loaded = true;
    loadStep();
    if (!m_loaded) return;  // the load step unloaded the window again
  }
  show();
  raise();
  activateWindow();
}

void Form::unload() {
  if (!m_loaded || m_unloading) return;
  m_unloading = true;
  unloadStep();
  m_loaded = false;
  hide();
  m_unloading = false;
  if (!m_kept) deleteLater();
}

void Form::closeEvent(QCloseEvent* e) {
  if (m_unloading || !m_loaded) {
    e->accept();
    return;
  }
  e->ignore();
  closeFromTitleBar();
}

// The title names the window to screen readers, which hear of a new one only when told.
void Form::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::WindowTitleChange) announceNameChange(this);
}

// The toolkit passes the focus on at once when the control that has it hides or disables
// itself, while the handler that did so may yet show, rename or hide other controls (Start
// hides the level options, shows the thrusters and becomes Pause). A screen reader would
// hear each stop on the way, some of them on controls about to hide. The focus stays where
// it is until the handler is done and then lands once (FocusLanding), or goes where the
// handler sends it. A second move asked for meanwhile (Tab typed before the handler's turn
// is over) is made at once.
bool Form::focusNextPrevChild(bool next) {
  const QWidget* focus = focusWidget();
  if (focus && focus != this && (!focus->isVisible() || !focus->isEnabled()) && !m_focusMoveHeld) {
    m_focusMoveHeld = true;
    QMetaObject::invokeMethod(
        this, [this] { m_focusMoveHeld = false; }, Qt::QueuedConnection);
    return true;
  }
  return QWidget::focusNextPrevChild(next);
}

void Form::setBackColor(rt::Colour c) {
  m_backColor = c;
  if (m_canvas) m_canvas->surface().setBackColor(c);
  QPalette p = palette();
  p.setColor(QPalette::Window, QColor(rt::redOf(c), rt::greenOf(c), rt::blueOf(c)));
  setPalette(p);
  setAutoFillBackground(true);
}

void Form::setClientSizeTwips(int width, int height) { setFixedSize(twipsToPixels(width), twipsToPixels(height)); }

void Form::centreOnScreen() {
  QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  if (!s) return;
  QRect screenRect = s->geometry();
  QSize outer = frameGeometry().size();
  if (!isVisible()) outer = size();
  move(screenRect.left() + (screenRect.width() - outer.width()) / 2,
       screenRect.top() + (screenRect.height() - outer.height()) / 2);
}

// ---------------------------------------------------------------- the window's own surface

void Form::syncCanvas() {
  if (m_canvas && m_canvas->geometry() != rect()) m_canvas->setGeometry(rect());
}

ImageSurface& Form::surface() {
  if (!m_canvas) {
    m_canvas = new PictureBox(this, m_backColor);
    // The canvas only shows the drawing: the mouse reaches the window itself.
    m_canvas->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_canvas->setGeometry(rect());
    m_canvas->lower();
    m_canvas->show();
  }
  syncCanvas();
  return m_canvas->surface();
}

void Form::describeSurface(const QString& name, const QString& description) {
  surface();
  m_canvas->setAccessibleName(name);
  m_canvas->setAccessibleDescription(description);
}

void Form::refresh() {
  if (!m_canvas) return;
  syncCanvas();
  m_canvas->refresh();
}

void Form::requestPaint() {
  if (m_inPaint) return;
  m_inPaint = true;
  repaintStep();
  m_inPaint = false;
}

void Form::schedulePaint() {
  if (m_paintPending) return;
  m_paintPending = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        m_paintPending = false;
        if (isVisible() && m_loaded) requestPaint();
      },
      Qt::QueuedConnection);
}

void Form::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  syncCanvas();
  schedulePaint();
}

void Form::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  bool grew = e->size().width() > e->oldSize().width() || e->size().height() > e->oldSize().height();
  syncCanvas();
  if (grew && isVisible()) schedulePaint();
}

bool Form::onOwnArea(QMouseEvent* e, double& x, double& y) {
  QPoint at = e->position().toPoint();
  // A control that let the event through (a label) is not the window's own area.
  if (childAt(at) != nullptr) return false;
  if (m_canvas) {
    const ImageSurface& s = m_canvas->surface();
    x = s.fromDeviceX(e->position().x());
    y = s.fromDeviceY(e->position().y());
  } else {
    x = pixelsToTwips(e->position().x());
    y = pixelsToTwips(e->position().y());
  }
  return true;
}

void Form::mousePressEvent(QMouseEvent* e) {
  double x, y;
  if (onOwnArea(e, x, y)) mouseDownOnWindow(mouseButtonCode(e), mouseShiftCode(e), x, y);
}

void Form::mouseMoveEvent(QMouseEvent* e) {
  double x, y;
  if (onOwnArea(e, x, y)) mouseMoveOnWindow(mouseButtonCode(e), mouseShiftCode(e), x, y);
}

void Form::mouseReleaseEvent(QMouseEvent* e) {
  double x, y;
  if (onOwnArea(e, x, y)) mouseUpOnWindow(mouseButtonCode(e), mouseShiftCode(e), x, y);
}

void Form::setHelp(const QString& fileName, int topic) {
  m_helpFile = fileName;
  m_helpTopic = topic;
}

void Form::showHelp() {
  if (m_helpFile.isEmpty()) return;
  if (m_helpTopic > 0)
    help().showTopic(programFolder() + m_helpFile, m_helpTopic);
  else
    help().showContents(programFolder() + m_helpFile);
}

void Form::returnToMenu() {
  if (m_wayBack) m_wayBack();
}

}  // namespace plat
