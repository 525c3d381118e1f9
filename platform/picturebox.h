#pragma once
// A picture on a window: a surface whose image is kept, so covering and uncovering the
// window loses nothing. The repaint hook runs, from the event loop as a repaint does, when
// the picture is shown (first or again) and when it grows, so windows that redraw from their
// own state can do it there; requestPaint runs it at once.
//
// A picture can hold other pictures, placed on it like any control; a window's own client
// area is a picture too (Form::surface).

#include <QWidget>
#include <functional>
#include <memory>

#include "platform/surface.h"

namespace plat {

class PictureBox : public QWidget {
  Q_OBJECT
 public:
  explicit PictureBox(QWidget* parent, rt::Colour back = 0xFFFFFF);
  ~PictureBox() override;
  // The drawing surface: the inside of the picture, within its border.
  ImageSurface& surface();
  const ImageSurface& surface() const;
  // Repaints the window at once from the image, before the caller goes on (for drawing that
  // must show before a blocking wait). The surface's own refresh does the same.
  void refresh();
  // Runs the repaint hook now (not inside itself).
  void requestPaint();
  // A one-pixel black border; the surface is the inside.
  void setBorder(bool b);
  bool border() const { return m_border; }
  // The size of the inside in pixels.
  QSize innerSize() const;

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
  void syncSize() const;
  void schedulePaint();
  void mouse(QMouseEvent* e, const std::function<void(int, int, double, double)>& hook, bool press);
  std::unique_ptr<ImageSurface> m_surface;
  bool m_border = false;
  bool m_inPaintHook = false;
  bool m_paintPending = false;
};

// The button and shift codes of a mouse event, as the mouse hooks receive them.
int mouseButtonCode(const QMouseEvent* e);
int mouseShiftCode(const QMouseEvent* e);

// Places a picture in its container at a rectangle in twips and sizes its image at once,
// so a load step can draw on it before the window is shown.
void placeTwips(PictureBox* p, double left, double top, double width, double height);

}  // namespace plat
