#include "platform/image.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/picturebox.h"
#include "platform/twips.h"

namespace plat {

ImageBox::ImageBox(QWidget* parent) : QWidget(parent) {}

void ImageBox::setPicture(const QPixmap& p) {
  m_picture = p;
  update();
}

void ImageBox::paintEvent(QPaintEvent*) {
  if (m_picture.isNull()) return;
  QPainter painter(this);
  if (m_stretch)
    painter.drawPixmap(rect(), m_picture);
  else
    painter.drawPixmap(0, 0, m_picture);
}

namespace {
void forward(QMouseEvent* e, const std::function<void(int, int, double, double)>& hook) {
  if (hook)
    hook(mouseButtonCode(e), mouseShiftCode(e), pixelsToTwips(e->position().x()), pixelsToTwips(e->position().y()));
}
}  // namespace

void ImageBox::mousePressEvent(QMouseEvent* e) { forward(e, onMouseDown); }
void ImageBox::mouseMoveEvent(QMouseEvent* e) { forward(e, onMouseMove); }
void ImageBox::mouseReleaseEvent(QMouseEvent* e) {
  forward(e, onMouseUp);
  if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && onClick) onClick();
}

QPixmap loadPicture(const QString& fileName) {
  QPixmap picture(QStringLiteral(":/pictures/") + fileName);
  if (picture.isNull()) qWarning("No picture named %s among the program's pictures", qPrintable(fileName));
  return picture;
}

}  // namespace plat
