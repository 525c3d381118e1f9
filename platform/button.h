#pragma once
// A push button with a caption, a picture or both. Click fires on a press by mouse, by the
// keyboard (Space or Enter on the focused button), by its access key, through the
// accessibility interface, or from code. A button that hides as it is pressed hands its
// focus to the button that comes in its place (one that takes a new caption, or one shown
// where it stood), unless its Click gives the focus a place itself.

#include <QPushButton>
#include <functional>

#include "runtime/colour.h"

namespace plat {

class CommandButton : public QPushButton {
  Q_OBJECT
 public:
  explicit CommandButton(QWidget* parent, const QString& caption = QString());
  void setCaption(const QString& caption);
  QString caption() const { return text(); }
  // A picture beside (or, with no caption, in place of) the caption; "name" also becomes
  // the button's name for screen readers when it has no caption.
  void setPicture(const QPixmap& picture, const QString& accessibleCaption = QString());
  void setForeColor(rt::Colour c);
  // Whether the picture stands above the caption: when the two do not fit side by side
  // within the button's inside, the picture goes on top and the caption beneath it.
  bool pictureAboveCaption() const;
  std::function<void()> onClick;
  // The mouse moving over the button: button and shift codes, the point in twips from the
  // button's top left corner (tool bars show their tips from it).
  std::function<void(int button, int shift, double x, double y)> onMouseMove;

 protected:
  void showEvent(QShowEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void paintEvent(QPaintEvent* e) override;

 private:
  void runClick();
};

// A button with its caption, placed in its container at a rectangle in twips, whose Click
// runs onClick: how the windows lay out their command buttons.
CommandButton* placeButton(QWidget* parent, const QString& caption, double left, double top, double width,
                           double height, std::function<void()> onClick = {});

}  // namespace plat
