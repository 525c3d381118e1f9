#include "platform/picturebox.h"

#include <QMouseEvent>
#include <QPainter>

namespace plat {

PictureBox::PictureBox(QWidget* parent, rt::Colour back)
    : QWidget(parent), m_surface(std::make_unique<ImageSurface>(1, 1, back)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  m_surface->onTouched = [this](const QRect& r) { update(r); };
}

void PictureBox::refresh() { repaint(); }

void PictureBox::requestPaint() {
  if (m_inPaintHook || !onPaint) return;
  m_inPaintHook = true;
  onPaint();
  m_inPaintHook = false;
}

void PictureBox::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  p.drawImage(e->rect().topLeft(), m_surface->image(), e->rect());
  if (m_border) {
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

void PictureBox::resizeEvent(QResizeEvent*) {
  bool grew = width() > m_surface->deviceWidth() || height() > m_surface->deviceHeight();
  m_surface->resizeDevice(width(), height());
  if (grew && isVisible()) requestPaint();
}

void PictureBox::showEvent(QShowEvent*) { requestPaint(); }

void PictureBox::mouse(QMouseEvent* e, const std::function<void(int, int, double, double)>& hook, bool press) {
  if (!hook) return;
  int button = 0;
  Qt::MouseButtons bs = press ? Qt::MouseButtons(e->button()) : e->buttons();
  if (e->type() == QEvent::MouseButtonRelease) bs = e->button();
  if (bs & Qt::LeftButton) button |= 1;
  if (bs & Qt::RightButton) button |= 2;
  if (bs & Qt::MiddleButton) button |= 4;
  int shift = 0;
  if (e->modifiers() & Qt::ShiftModifier) shift |= 1;
  if (e->modifiers() & Qt::ControlModifier) shift |= 2;
  if (e->modifiers() & Qt::AltModifier) shift |= 4;
  QPointF pos = e->position();
  hook(button, shift, m_surface->fromDeviceX(pos.x()), m_surface->fromDeviceY(pos.y()));
}

void PictureBox::mousePressEvent(QMouseEvent* e) { mouse(e, onMouseDown, true); }
void PictureBox::mouseMoveEvent(QMouseEvent* e) { mouse(e, onMouseMove, false); }
void PictureBox::mouseReleaseEvent(QMouseEvent* e) {
  mouse(e, onMouseUp, false);
  if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && onClick) onClick();
}

}  // namespace plat

#include "platform/twips.h"

namespace plat {
void placeTwips(PictureBox* p, double left, double top, double width, double height) {
  placeTwips(static_cast<QWidget*>(p), left, top, width, height);
  p->surface().resizeDevice(p->width(), p->height());
}
}  // namespace plat
