#pragma once
// A picture on a window: a surface whose image is kept, so covering and uncovering the
// window loses nothing. The repaint hook runs when the picture is first shown, shown again
// or resized, so windows that redraw from their own state can do it there.

#include <QWidget>
#include <functional>
#include <memory>

#include "platform/surface.h"

namespace plat {

class PictureBox : public QWidget {
  Q_OBJECT
 public:
  explicit PictureBox(QWidget* parent, rt::Colour back = 0xFFFFFF);
  ImageSurface& surface() { return *m_surface; }
  const ImageSurface& surface() const { return *m_surface; }
  // Repaints the window at once from the image, before the caller goes on (for drawing that
  // must show before a blocking wait).
  void refresh();
  // Runs the repaint hook now.
  void requestPaint();
  void setBorder(bool b) { m_border = b; update(); }

  std::function<void()> onPaint;
  // Mouse events with the button (1 left, 2 right, 4 middle), the shift state (1 shift,
  // 2 ctrl, 4 alt) and the point in the surface's scale units.
  std::function<void(int button, int shift, double x, double y)> onMouseDown, onMouseMove, onMouseUp;
  std::function<void()> onClick;

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void showEvent(QShowEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;

 private:
  void mouse(QMouseEvent* e, const std::function<void(int, int, double, double)>& hook, bool press);
  std::unique_ptr<ImageSurface> m_surface;
  bool m_border = false;
  bool m_inPaintHook = false;
};

}  // namespace plat

namespace plat {
// Places a picture in its container at a rectangle in twips and sizes its image at once,
// so a load step can draw on it before the window is shown.
void placeTwips(PictureBox* p, double left, double top, double width, double height);
}  // namespace plat
