#include "platform/image.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/files.h"

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

void ImageBox::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton && onClick) onClick();
}

QPixmap loadPicture(const QString& fileName) { return QPixmap(resolveFile(programFolder() + fileName)); }

}  // namespace plat
