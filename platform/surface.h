#pragma once
// A drawing target in the classic model: a scale of the caller's choosing, a current point,
// fore, back and fill colours, a fill style, a draw width in device pixels, a draw style,
// a font, and drawing operations in scale units. Nothing is antialiased, so a shape drawn
// again in the background colour leaves no trace.
//
// Kinds: an image surface (a window's picture, a window's own client area or a hidden
// picture, backed by an image that is kept, so covering a window loses nothing) and the
// printer page (platform/printer.h). Any surface can record the operations made on it, so
// tests can read what was drawn.
//
// The scale is applied here, by mapping coordinates to device pixels, never through a
// painter transform: pens then stay in device pixels and fonts in points on every device.

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "runtime/colour.h"

class QPainter;
class QPainterPath;
class QPaintDevice;

namespace plat {

class ImageSurface;

enum class ScaleMode { User = 0, Twips = 1, Pixels = 3 };

enum FillStyle : int {
  FillSolid = 0,
  FillTransparent = 1,
  FillHorizontal = 2,
  FillVertical = 3,
  FillUpwardDiagonal = 4,
  FillDownwardDiagonal = 5,
  FillCross = 6,
  FillDiagonalCross = 7,
};

enum DrawStyle : int {
  DrawSolid = 0,
  DrawDash = 1,
  DrawDot = 2,
  DrawDashDot = 3,
  DrawDashDotDot = 4,
  DrawInvisible = 5,
  DrawInsideSolid = 6
};

// How a block copy combines source and destination, pixel by pixel on the colour bits.
enum class BlitOp { Copy, And, Or, Xor };

// One drawing operation as the caller made it, in the caller's scale units, with the drawing
// state it was made in.
struct DrawOp {
  std::string op;            // "line", "box", "fill", "pset", "circle", "polygon", "print",
                             // "cls", "blit", "picture"
  std::vector<double> args;  // coordinates and sizes as given
  QString text;              // for "print"
  rt::Colour colour = 0;     // the colour the operation drew in (fore, or as given)
  int drawWidth = 1;
  int drawStyle = DrawSolid;
  int fillStyle = FillTransparent;
  rt::Colour fillColour = 0;
  QString fontName;  // for "print"
  double fontSize = 0;
  bool bold = false, underline = false;
};

class Surface {
 public:
  virtual ~Surface();
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  // -- scale ------------------------------------------------------------------
  // A user scale: (x1, y1) is the top left corner, (x2, y2) the bottom right; y grows
  // upwards when y2 < y1. The two axes may have different units. A scale with no extent
  // along an axis is refused for that axis (one unit spans the whole surface instead).
  void setScale(double x1, double y1, double x2, double y2);
  void setScaleMode(ScaleMode m);
  ScaleMode scaleMode() const { return m_mode; }
  double scaleLeft() const { return m_left; }
  double scaleTop() const { return m_top; }
  double scaleWidth() const { return m_width; }
  double scaleHeight() const { return m_height; }
  // Device pixels of the drawing area.
  virtual int deviceWidth() const = 0;
  virtual int deviceHeight() const = 0;
  // Scale units to device pixels and back.
  double toDeviceX(double x) const { return (x - m_left) * deviceWidth() / m_width; }
  double toDeviceY(double y) const { return (y - m_top) * deviceHeight() / m_height; }
  QPoint toDevice(double x, double y) const;
  double fromDeviceX(double px) const { return m_left + px * m_width / deviceWidth(); }
  double fromDeviceY(double py) const { return m_top + py * m_height / deviceHeight(); }
  // Scale units per device pixel along an axis (always positive).
  double unitsPerPixelX() const;
  double unitsPerPixelY() const;

  // -- state --------------------------------------------------------------------
  rt::Colour foreColor() const { return m_fore; }
  void setForeColor(rt::Colour c) { m_fore = c; }
  rt::Colour backColor() const { return m_back; }
  // Setting the back colour of a surface clears it to that colour, as on the classic platform.
  void setBackColor(rt::Colour c);
  rt::Colour fillColor() const { return m_fill; }
  void setFillColor(rt::Colour c) { m_fill = c; }
  int fillStyle() const { return m_fillStyle; }
  void setFillStyle(int s) { m_fillStyle = (s >= FillSolid && s <= FillDiagonalCross) ? s : FillTransparent; }
  int drawWidth() const { return m_drawWidth; }
  void setDrawWidth(int w) { m_drawWidth = w < 1 ? 1 : w; }
  int drawStyle() const { return m_drawStyle; }
  void setDrawStyle(int s) { m_drawStyle = (s >= DrawSolid && s <= DrawInsideSolid) ? s : DrawSolid; }
  double currentX() const { return m_cx; }
  double currentY() const { return m_cy; }
  void setCurrentX(double x) { m_cx = x; }
  void setCurrentY(double y) { m_cy = y; }
  void moveTo(double x, double y) {
    m_cx = x;
    m_cy = y;
  }
  // Fonts by name and point size; the size holds in points on any device.
  void setFont(const QString& name, double points, bool bold = false, bool italic = false);
  void setFontBold(bool b) { m_bold = b; }
  void setFontItalic(bool i) { m_italic = i; }
  void setFontUnderline(bool u) { m_underline = u; }
  void setFontSize(double points) { m_fontPoints = points > 0 ? points : m_fontPoints; }
  void setFontName(const QString& name) { m_fontName = name; }
  QString fontName() const { return m_fontName; }
  double fontSize() const { return m_fontPoints; }
  bool fontBold() const { return m_bold; }
  bool fontItalic() const { return m_italic; }
  bool fontUnderline() const { return m_underline; }
  // Text is drawn without a background unless this is switched off.
  void setFontTransparent(bool t) { m_fontTransparent = t; }
  bool fontTransparent() const { return m_fontTransparent; }

  // -- drawing ------------------------------------------------------------------
  // A line from (x1, y1) to (x2, y2), both ends included, in the fore colour or the given
  // one; the end point becomes the current point.
  void line(double x1, double y1, double x2, double y2, std::optional<rt::Colour> c = {});
  // A line from the current point.
  void lineTo(double x2, double y2, std::optional<rt::Colour> c = {});
  // A rectangle between two corners (both included): its outline in the given colour, its
  // inside filled by the fill style and fill colour. The second corner becomes the current point.
  void box(double x1, double y1, double x2, double y2, std::optional<rt::Colour> c = {});
  // A rectangle filled solid in the given colour (outline and inside).
  void filledBox(double x1, double y1, double x2, double y2, std::optional<rt::Colour> c = {});
  // One point, as big as the draw width; it becomes the current point.
  void pset(double x, double y, std::optional<rt::Colour> c = {});
  // The colour of the pixel under a point; -1 outside the surface or on a page.
  int64_t point(double x, double y) const;
  // A circle of radius r in x units, round in pixels whatever the scale; filled by the fill
  // style. With start and end angles (radians, counter-clockwise from 3 o'clock) an arc;
  // a negative angle draws the radius to that end, closing a pie. aspect = height / width.
  // The centre becomes the current point.
  void circle(double x, double y, double r, std::optional<rt::Colour> c = {}, std::optional<double> start = {},
              std::optional<double> end = {}, double aspect = 1.0);
  // A polygon in device pixels: outline in the fore colour, inside in the fill colour by the
  // fill style.
  void polygon(const std::vector<QPoint>& devicePoints);
  // Text at the current point (its top left corner). With newline the current point moves to
  // the start of the next line (x back to the scale's left edge), else to the text's end.
  void print(const QString& text, bool newline = true);
  // An empty line: the current point moves down one line, to the left edge.
  void newLine() { print(QString(), true); }
  // A heading: the whole text underlined, blanks included, in one piece; the underline is
  // off again afterwards.
  void printUnderlined(const QString& text, bool newline = true);
  // Moves the current point to character column n (1 is the left edge; columns are as wide
  // as a digit of the font, which is every character in a fixed-pitch font). A point already
  // past the column goes to that column of the next line.
  void tab(int column);
  double textWidth(const QString& text) const;
  // The height of one line of text (the height of "A" for any one-line text).
  double textHeight(const QString& text = QStringLiteral("A")) const;
  // Copies a picture into the rectangle (x, y)-(x + w, y + h) in scale units, stretched to
  // fill it, pixel for pixel without smoothing.
  void paintPicture(const QImage& picture, double x, double y, double w, double h);
  // The same with a surface's kept image (a surface may copy itself).
  void paintPicture(const ImageSurface& picture, double x, double y, double w, double h);
  // Clears to the back colour; the current point goes to (0, 0).
  void cls();
  // Shows what was drawn at once, before the caller goes on (for drawing that must show
  // before a blocking wait). Pages show nothing until they are printed.
  virtual void refresh() {}

  // -- recording ------------------------------------------------------------------
  void setRecording(bool on) { m_recording = on; }
  bool recording() const { return m_recording; }
  const std::vector<DrawOp>& ops() const { return m_ops; }
  void clearOps() { m_ops.clear(); }
  int countOps(const std::string& op) const;
  // The texts printed, in order.
  std::vector<QString> printedTexts() const;

 protected:
  Surface();
  // A painter ready for one operation (aliased, no transform), or null when nothing can be
  // drawn (a page whose printer failed). Every operation sets the pen, brush and font it needs.
  virtual QPainter* beginDraw() = 0;
  virtual void endDraw() = 0;
  // The device whose resolution text is measured with.
  virtual QPaintDevice* metricsDevice() const = 0;
  // The image behind the surface, if it keeps one (a page does not).
  virtual const QImage* keptImage() const { return nullptr; }
  // How many twips one device pixel is (15 on screen, 1440 / dpi on paper).
  virtual double twipsPerPixel() const { return 15.0; }
  // Hatches and dots are sized for a screen; on paper they grow by this factor, so they look
  // the same at any resolution. Pen widths stay in device pixels.
  virtual double patternScale() const { return 1.0; }
  // Called after every drawing operation with the device rectangle it touched.
  virtual void touched(const QRect&) {}
  void record(const std::string& op, std::vector<double> args, rt::Colour c, const QString& text = {});
  // Re-applies the current scale mode after the device's size changed.
  void rescale();
  QFont makeFont() const;
  // Puts the drawing state back to a new surface's (colours, styles, font, scale, point).
  void resetDrawingState();

 private:
  void applyPen(QPainter& p, rt::Colour c) const;
  bool applyFillBrush(QPainter& p) const;
  bool hatchesAsLines() const;
  void hatchLines(QPainter& p, const QPainterPath& shape) const;
  // A circle's or ellipse's pixel rectangle: the radius along x, squeezed by the aspect.
  QRect ellipseBounds(QPoint centre, double r, double aspect) const;
  // A whole circle (a point when it has no size), filled as the fill style says.
  void drawEllipse(QPainter& p, QPoint centre, const QRect& bounds, rt::Colour col);
  // An arc from start to end in radians, or a pie when either is negative.
  void drawArc(QPainter& p, const QRect& bounds, rt::Colour col, double start, double end);
  ScaleMode m_mode = ScaleMode::Twips;
  double m_left = 0, m_top = 0, m_width = 1, m_height = 1;
  rt::Colour m_fore = 0, m_back = 0xFFFFFF, m_fill = 0;
  int m_fillStyle = FillTransparent, m_drawWidth = 1, m_drawStyle = DrawSolid;
  double m_cx = 0, m_cy = 0;
  QString m_fontName = QStringLiteral("MS Sans Serif");
  double m_fontPoints = 8.25;
  bool m_bold = true, m_italic = false, m_underline = false, m_fontTransparent = true;
  bool m_recording = false;
  std::vector<DrawOp> m_ops;
};

// A surface backed by an image of its own: a hidden picture, or the kept image behind a
// picture or a window's client area.
class ImageSurface : public Surface {
 public:
  ImageSurface(int width, int height, rt::Colour back = 0xFFFFFF);
  ~ImageSurface() override;
  int deviceWidth() const override { return m_image.width(); }
  int deviceHeight() const override { return m_image.height(); }
  // New size in pixels; what was drawn stays at its place, new area in the back colour.
  void resizeDevice(int width, int height);
  const QImage& image() const { return m_image; }
  // Takes a picture as the surface's image: the surface gets the picture's size and pixels
  // (a picture loaded into a picture that sizes itself to it).
  void setPicture(const QImage& picture);
  // The colour of a device pixel; 0 outside the image.
  rt::Colour pixel(int x, int y) const;
  void refresh() override {
    if (onRefresh) onRefresh();
  }
  // Something to run whenever the image changed (a window schedules a repaint).
  std::function<void(const QRect&)> onTouched;
  // What refresh does (a window repaints at once).
  std::function<void()> onRefresh;

 protected:
  friend void bitBlt(ImageSurface&, int, int, int, int, const ImageSurface&, int, int, BlitOp);
  QPainter* beginDraw() override;
  void endDraw() override;
  QPaintDevice* metricsDevice() const override;
  const QImage* keptImage() const override { return &m_image; }
  void touched(const QRect& r) override {
    if (onTouched) onTouched(r);
  }

 private:
  QImage m_image;
  QPainter* m_painter;
};

// An image surface that records every operation made on it: what tests draw on.
// Copies a rectangle of w x h device pixels from src at (sx, sy) to dst at (dx, dy),
// combining the pixels by op. src and dst may be one surface, the rectangles overlapping
// (a strip chart scrolls by copying itself one pixel aside). Only pixels that lie inside
// both images take part: the rest of the rectangle is clipped away on either side.
void bitBlt(ImageSurface& dst, int dx, int dy, int w, int h, const ImageSurface& src, int sx, int sy,
            BlitOp op = BlitOp::Copy);

}  // namespace plat
