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
  void setStretch(bool s) { m_stretch = s; update(); }
  std::function<void()> onClick;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;

 private:
  QPixmap m_picture;
  bool m_stretch = false;
};

// Loads a picture from the program's folder, by a name matched without regard to case.
QPixmap loadPicture(const QString& fileName);

}  // namespace plat
