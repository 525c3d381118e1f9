#pragma once
// A picture shown on a window (no drawing on it), optionally stretched to its size.

#include <QWidget>
#include <functional>

namespace plat {

class ImageBox : public QWidget {
  Q_OBJECT
 public:
  explicit ImageBox(QWidget* parent);
  void setPicture(const QPixmap& p);
  const QPixmap& picture() const { return m_picture; }
  void setStretch(bool s) {
    m_stretch = s;
    update();
  }
  std::function<void()> onClick;
  // Mouse events: button and shift codes, the point in twips from the image's top left corner.
  std::function<void(int button, int shift, double x, double y)> onMouseDown, onMouseMove, onMouseUp;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;

 private:
  QPixmap m_picture;
  bool m_stretch = false;
};

// One of the program's own pictures, by its name ("exit.png"). The pictures are built into the
// program, never read from its folder. A name that is none of them gives a null picture and a
// warning that begins "No picture named", so a test sees the fault a user would meet as a blank.
QPixmap loadPicture(const QString& fileName);

}  // namespace plat
