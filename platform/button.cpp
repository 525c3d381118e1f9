#include "platform/button.h"

#include <QMouseEvent>

#include "platform/colours.h"
#include "platform/picturebox.h"
#include "platform/twips.h"

namespace plat {

CommandButton::CommandButton(QWidget* parent, const QString& caption) : QPushButton(caption, parent) {
  setAutoDefault(false);
  setMouseTracking(true);
  connect(this, &QPushButton::clicked, this, [this] {
    if (onClick) onClick();
  });
}

void CommandButton::setCaption(const QString& caption) {
  setText(caption);
  QString plain = caption;
  setAccessibleName(plain.remove('&'));
}

void CommandButton::setPicture(const QPixmap& picture, const QString& accessibleCaption) {
  setIcon(QIcon(picture));
  setIconSize(picture.size());
  if (!accessibleCaption.isEmpty()) {
    setAccessibleName(accessibleCaption);
    setToolTip(accessibleCaption);
  }
}

void CommandButton::mouseMoveEvent(QMouseEvent* e) {
  QPushButton::mouseMoveEvent(e);
  if (onMouseMove)
    onMouseMove(mouseButtonCode(e), mouseShiftCode(e), pixelsToTwips(e->position().x()),
                pixelsToTwips(e->position().y()));
}

void CommandButton::setForeColor(rt::Colour c) {
  QPalette p = palette();
  p.setColor(QPalette::ButtonText, toQColor(c));
  setPalette(p);
}

CommandButton* placeButton(QWidget* parent, const QString& caption, double left, double top, double width,
                           double height, std::function<void()> onClick) {
  auto* b = new CommandButton(parent, caption);
  placeTwips(b, left, top, width, height);
  b->onClick = std::move(onClick);
  return b;
}

}  // namespace plat
