#include "platform/picturebox.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

#include "platform/accessible.h"
#include "platform/twips.h"

namespace plat {

namespace {

// A screen reader hears a picture as an image, named by what it shows; the words drawn on it
// are its description.
class PictureAccessible : public QAccessibleWidget {
 public:
  explicit PictureAccessible(PictureBox* p) : QAccessibleWidget(p, QAccessible::Graphic) {}
};

}  // namespace

PictureBox::PictureBox(QWidget* parent, rt::Colour back)
    : QWidget(parent), m_surface(std::make_unique<ImageSurface>(1, 1, back)) {
  installAccessible<PictureBox, PictureAccessible>();
  setAttribute(Qt::WA_OpaquePaintEvent);
  m_surface->onTouched = [this](const QRect& r) { update(r.translated(m_border ? 1 : 0, m_border ? 1 : 0)); };
  m_surface->onRefresh = [this] { refresh(); };
}

PictureBox::~PictureBox() = default;

QSize PictureBox::innerSize() const {
  int b = m_border ? 2 : 0;
  return QSize(std::max(1, width() - b), std::max(1, height() - b));
}

void PictureBox::syncSize() const {
  // The widget's size is known at once when it is placed, even while it is hidden and its
  // resize event waits; the image follows it here so drawing never lands on a stale size.
  QSize s = innerSize();
  if (s.width() != m_surface->deviceWidth() || s.height() != m_surface->deviceHeight())
    m_surface->resizeDevice(s.width(), s.height());
}

ImageSurface& PictureBox::surface() {
  syncSize();
  return *m_surface;
}

const ImageSurface& PictureBox::surface() const {
  syncSize();
  return *m_surface;
}

void PictureBox::setBorder(bool b) {
  if (b == m_border) return;
  m_border = b;
  syncSize();
  update();
}

void PictureBox::refresh() {
  syncSize();
  repaint();
}

void PictureBox::requestPaint() {
  if (m_inPaintHook || !onPaint) return;
  syncSize();
  m_inPaintHook = true;
  onPaint();
  m_inPaintHook = false;
}

void PictureBox::schedulePaint() {
  if (m_paintPending || !onPaint) return;
  m_paintPending = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        m_paintPending = false;
        if (isVisible()) requestPaint();
      },
      Qt::QueuedConnection);
}

void PictureBox::paintEvent(QPaintEvent* e) {
  syncSize();
  QPainter p(this);
  int off = m_border ? 1 : 0;
  QRect inner(off, off, m_surface->deviceWidth(), m_surface->deviceHeight());
  QRect r = e->rect() & inner;
  if (!r.isEmpty()) p.drawImage(r.topLeft(), m_surface->image(), r.translated(-off, -off));
  if (m_border) {
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

void PictureBox::resizeEvent(QResizeEvent*) {
  bool grew = innerSize().width() > m_surface->deviceWidth() || innerSize().height() > m_surface->deviceHeight();
  syncSize();
  if (grew && isVisible()) schedulePaint();
}

void PictureBox::showEvent(QShowEvent*) {
  syncSize();
  schedulePaint();
}

int mouseButtonCode(const QMouseEvent* e) {
  Qt::MouseButtons bs = e->type() == QEvent::MouseMove ? e->buttons() : Qt::MouseButtons(e->button());
  int button = 0;
  if (bs & Qt::LeftButton) button |= 1;
  if (bs & Qt::RightButton) button |= 2;
  if (bs & Qt::MiddleButton) button |= 4;
  return button;
}

int mouseShiftCode(const QMouseEvent* e) {
  int shift = 0;
  if (e->modifiers() & Qt::ShiftModifier) shift |= 1;
  if (e->modifiers() & Qt::ControlModifier) shift |= 2;
  if (e->modifiers() & Qt::AltModifier) shift |= 4;
  return shift;
}

void PictureBox::mouse(QMouseEvent* e, const std::function<void(int, int, double, double)>& hook, bool) {
  if (!hook) return;
  QPointF pos = e->position();
  int off = m_border ? 1 : 0;
  const ImageSurface& s = surface();
  hook(mouseButtonCode(e), mouseShiftCode(e), s.fromDeviceX(pos.x() - off), s.fromDeviceY(pos.y() - off));
}

void PictureBox::mousePressEvent(QMouseEvent* e) { mouse(e, onMouseDown, true); }
void PictureBox::mouseMoveEvent(QMouseEvent* e) { mouse(e, onMouseMove, false); }
void PictureBox::mouseReleaseEvent(QMouseEvent* e) {
  mouse(e, onMouseUp, false);
  if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && onClick) onClick();
}

void placeTwips(PictureBox* p, double left, double top, double width, double height) {
  placeTwips(static_cast<QWidget*>(p), left, top, width, height);
  p->surface();  // sizes the image now
}

}  // namespace plat
