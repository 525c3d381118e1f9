#include "platform/surface.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

#include "platform/colours.h"
#include "platform/fonts.h"

namespace plat {

namespace {
constexpr int kDotsPerMeter96 = 3780;  // 96 dots per inch: point sizes come out as on screen
constexpr double kPi = std::numbers::pi;

int roundToInt(double v) { return int(std::lround(v)); }

// The rectangle with two corners, both included, in whichever order they come.
QRect rectBetween(QPoint a, QPoint b) {
  return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
               QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}
}  // namespace

Surface::Surface() { installFontSubstitutions(); }
Surface::~Surface() = default;

// ---------------------------------------------------------------- scale

void Surface::setScale(double x1, double y1, double x2, double y2) {
  m_mode = ScaleMode::User;
  m_left = x1;
  m_top = y1;
  m_width = x2 - x1;
  m_height = y2 - y1;
  if (m_width == 0 || !std::isfinite(m_width)) m_width = 1;
  if (m_height == 0 || !std::isfinite(m_height)) m_height = 1;
}

void Surface::setScaleMode(ScaleMode m) {
  m_mode = m;
  if (m == ScaleMode::User) return;  // keeps the present mapping, as a user scale
  rescale();
}

void Surface::rescale() {
  if (m_mode == ScaleMode::User) return;
  double unit = m_mode == ScaleMode::Twips ? twipsPerPixel() : 1.0;
  m_left = 0;
  m_top = 0;
  m_width = std::max(1, deviceWidth()) * unit;
  m_height = std::max(1, deviceHeight()) * unit;
}

QPoint Surface::toDevice(double x, double y) const {
  double dx = toDeviceX(x), dy = toDeviceY(y);
  // Far outside any device, or no number at all: kept within what the painter can take,
  // still off the surface.
  dx = std::isnan(dx) ? -1.0e7 : std::clamp(dx, -1.0e7, 1.0e7);
  dy = std::isnan(dy) ? -1.0e7 : std::clamp(dy, -1.0e7, 1.0e7);
  return QPoint(roundToInt(dx), roundToInt(dy));
}

double Surface::unitsPerPixelX() const { return std::abs(m_width) / std::max(1, deviceWidth()); }
double Surface::unitsPerPixelY() const { return std::abs(m_height) / std::max(1, deviceHeight()); }

// ---------------------------------------------------------------- state

void Surface::setBackColor(rt::Colour c) {
  m_back = c;
  cls();
}

void Surface::setFont(const QString& name, double points, bool bold, bool italic) {
  m_fontName = name;
  setFontSize(points);
  m_bold = bold;
  m_italic = italic;
}

QFont Surface::makeFont() const {
  QFont f(m_fontName);
  f.setPointSizeF(m_fontPoints);
  // Heavy display faces have no twin on this system; a bold substitute keeps their weight.
  f.setBold(m_bold || m_fontName == "Arial Black" || m_fontName == "Impact");
  f.setItalic(m_italic);
  f.setUnderline(m_underline);
  f.setStyleStrategy(QFont::NoAntialias);
  // Whole-pixel glyph advances, so a fixed-pitch line is as wide as its characters.
  f.setHintingPreference(QFont::PreferFullHinting);
  return f;
}

void Surface::resetDrawingState() {
  m_mode = ScaleMode::Twips;
  rescale();
  m_fore = 0;
  m_fill = 0;
  m_fillStyle = FillTransparent;
  m_drawWidth = 1;
  m_drawStyle = DrawSolid;
  m_cx = m_cy = 0;
  m_underline = false;
  m_italic = false;
  m_fontTransparent = true;
}

// ---------------------------------------------------------------- pens and brushes

void Surface::applyPen(QPainter& p, rt::Colour c) const {
  if (m_drawStyle == DrawInvisible) {
    p.setPen(Qt::NoPen);
    return;
  }
  QPen pen(toQColor(c));
  pen.setWidth(m_drawWidth);
  // Wide pens have round ends; a thin line includes both of its end pixels.
  pen.setCapStyle(m_drawWidth > 1 ? Qt::RoundCap : Qt::SquareCap);
  pen.setJoinStyle(m_drawWidth > 1 ? Qt::RoundJoin : Qt::MiterJoin);
  // Broken lines exist only at width 1, as with the classic pens.
  if (m_drawWidth == 1 && m_drawStyle >= DrawDash && m_drawStyle <= DrawDashDotDot) {
    double k = std::max(1.0, std::round(patternScale()));
    QList<qreal> pattern;
    switch (m_drawStyle) {
      case DrawDash: pattern = {6, 3}; break;
      case DrawDot: pattern = {1, 2}; break;
      case DrawDashDot: pattern = {6, 3, 1, 3}; break;
      default: pattern = {6, 3, 1, 3, 1, 3}; break;
    }
    for (qreal& v : pattern) v *= k;
    pen.setDashPattern(pattern);
  }
  p.setPen(pen);
}

bool Surface::applyFillBrush(QPainter& p) const {
  static const Qt::BrushStyle kStyles[] = {Qt::SolidPattern, Qt::NoBrush,      Qt::HorPattern,   Qt::VerPattern,
                                           Qt::BDiagPattern, Qt::FDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
  int s = (m_fillStyle >= FillSolid && m_fillStyle <= FillDiagonalCross) ? m_fillStyle : FillTransparent;
  if (s == FillTransparent) {
    p.setBrush(Qt::NoBrush);
    return false;
  }
  p.setBrush(QBrush(toQColor(m_fill), kStyles[s]));
  p.setBrushOrigin(0, 0);
  return true;
}

bool Surface::hatchesAsLines() const {
  return patternScale() > 1.0 && m_fillStyle >= FillHorizontal && m_fillStyle <= FillDiagonalCross;
}

void Surface::hatchLines(QPainter& p, const QPainterPath& shape) const {
  // A screen hatch is a 1-pixel line every 8 pixels; on paper the same look, grown by the
  // page's pattern scale, drawn as lines clipped to the shape.
  double k = patternScale();
  double step = 8 * k;
  QRectF b = shape.boundingRect().adjusted(-step, -step, step, step);
  p.save();
  p.setClipPath(shape, Qt::IntersectClip);
  QPen pen(toQColor(m_fill));
  pen.setWidthF(std::max(1.0, std::round(k)));
  pen.setCapStyle(Qt::FlatCap);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  bool horizontal = m_fillStyle == FillHorizontal || m_fillStyle == FillCross;
  bool vertical = m_fillStyle == FillVertical || m_fillStyle == FillCross;
  bool upward = m_fillStyle == FillUpwardDiagonal || m_fillStyle == FillDiagonalCross;
  bool downward = m_fillStyle == FillDownwardDiagonal || m_fillStyle == FillDiagonalCross;
  if (horizontal)
    for (double y = std::floor(b.top() / step) * step; y <= b.bottom(); y += step)
      p.drawLine(QPointF(b.left(), y), QPointF(b.right(), y));
  if (vertical)
    for (double x = std::floor(b.left() / step) * step; x <= b.right(); x += step)
      p.drawLine(QPointF(x, b.top()), QPointF(x, b.bottom()));
  if (upward)  // x + y = c
    for (double c = std::floor((b.left() + b.top()) / step) * step; c <= b.right() + b.bottom(); c += step)
      p.drawLine(QPointF(c - b.top(), b.top()), QPointF(c - b.bottom(), b.bottom()));
  if (downward)  // x - y = c
    for (double c = std::floor((b.left() - b.bottom()) / step) * step; c <= b.right() - b.top(); c += step)
      p.drawLine(QPointF(c + b.top(), b.top()), QPointF(c + b.bottom(), b.bottom()));
  p.restore();
}

// ---------------------------------------------------------------- recording

void Surface::record(const std::string& op, std::vector<double> args, rt::Colour c, const QString& text) {
  if (!m_recording) return;
  DrawOp d;
  d.op = op;
  d.args = std::move(args);
  d.text = text;
  d.colour = c;
  d.drawWidth = m_drawWidth;
  d.drawStyle = m_drawStyle;
  d.fillStyle = m_fillStyle;
  d.fillColour = m_fill;
  if (op == "print") {
    d.fontName = m_fontName;
    d.fontSize = m_fontPoints;
    d.bold = m_bold;
    d.underline = m_underline;
  }
  m_ops.push_back(std::move(d));
}

int Surface::countOps(const std::string& op) const {
  return int(std::count_if(m_ops.begin(), m_ops.end(), [&](const DrawOp& d) { return d.op == op; }));
}

std::vector<QString> Surface::printedTexts() const {
  std::vector<QString> out;
  for (const DrawOp& d : m_ops)
    if (d.op == "print") out.push_back(d.text);
  return out;
}

// ---------------------------------------------------------------- drawing

void Surface::line(double x1, double y1, double x2, double y2, std::optional<rt::Colour> c) {
  rt::Colour col = c.value_or(m_fore);
  record("line", {x1, y1, x2, y2}, col);
  m_cx = x2;
  m_cy = y2;
  QPainter* p = beginDraw();
  if (!p) return;
  QPoint a = toDevice(x1, y1), b = toDevice(x2, y2);
  // A solid line covers the same pixels whichever end it starts from, so a line erased
  // by drawing it backwards leaves nothing behind. Broken lines keep their direction, as
  // their pattern starts at the first end.
  if (m_drawStyle == DrawSolid || m_drawWidth > 1) {
    if (b.y() < a.y() || (b.y() == a.y() && b.x() < a.x())) std::swap(a, b);
  }
  applyPen(*p, col);
  if (a == b)
    p->drawPoint(a);
  else
    p->drawLine(a, b);
  endDraw();
  int w = m_drawWidth + 1;
  touched(rectBetween(a, b).adjusted(-w, -w, w, w));
}

void Surface::lineTo(double x2, double y2, std::optional<rt::Colour> c) { line(m_cx, m_cy, x2, y2, c); }

void Surface::box(double x1, double y1, double x2, double y2, std::optional<rt::Colour> c) {
  rt::Colour col = c.value_or(m_fore);
  record("box", {x1, y1, x2, y2}, col);
  m_cx = x2;
  m_cy = y2;
  QPainter* p = beginDraw();
  if (!p) return;
  QRect r = rectBetween(toDevice(x1, y1), toDevice(x2, y2));
  if (hatchesAsLines()) {
    QPainterPath inside;
    inside.addRect(QRectF(r));
    hatchLines(*p, inside);
  } else if (applyFillBrush(*p)) {
    p->setPen(Qt::NoPen);
    p->drawRect(r);
  }
  applyPen(*p, col);
  p->setBrush(Qt::NoBrush);
  // An outline through the corner pixels: the rectangle's right and bottom edges included.
  if (r.width() == 1 || r.height() == 1)
    p->drawLine(r.topLeft(), r.bottomRight());
  else
    p->drawRect(QRect(r.topLeft(), r.size() - QSize(1, 1)));
  endDraw();
  int w = m_drawWidth + 1;
  touched(r.adjusted(-w, -w, w, w));
}

void Surface::filledBox(double x1, double y1, double x2, double y2, std::optional<rt::Colour> c) {
  rt::Colour col = c.value_or(m_fore);
  record("fill", {x1, y1, x2, y2}, col);
  m_cx = x2;
  m_cy = y2;
  QPainter* p = beginDraw();
  if (!p) return;
  QRect r = rectBetween(toDevice(x1, y1), toDevice(x2, y2));
  p->fillRect(r, toQColor(col));
  if (m_drawWidth > 1 && m_drawStyle != DrawInvisible) {
    applyPen(*p, col);
    p->setBrush(Qt::NoBrush);
    p->drawRect(QRect(r.topLeft(), r.size() - QSize(1, 1)));
  }
  endDraw();
  int w = m_drawWidth + 1;
  touched(r.adjusted(-w, -w, w, w));
}

void Surface::pset(double x, double y, std::optional<rt::Colour> c) {
  rt::Colour col = c.value_or(m_fore);
  record("pset", {x, y}, col);
  m_cx = x;
  m_cy = y;
  QPainter* p = beginDraw();
  if (!p) return;
  QPoint a = toDevice(x, y);
  int d = m_drawWidth;
  if (d <= 1) {
    p->setPen(toQColor(col));
    p->drawPoint(a);
  } else if (d <= 3) {
    // Small dots are squares: a round dot of two or three pixels is one anyway.
    p->fillRect(QRect(a.x() - (d - 1) / 2, a.y() - (d - 1) / 2, d, d), toQColor(col));
  } else {
    p->setPen(Qt::NoPen);
    p->setBrush(toQColor(col));
    p->drawEllipse(QRect(a.x() - d / 2, a.y() - d / 2, d, d));
  }
  endDraw();
  touched(QRect(a, a).adjusted(-d - 1, -d - 1, d + 1, d + 1));
}

int64_t Surface::point(double x, double y) const {
  const QImage* img = keptImage();
  QPoint a = toDevice(x, y);
  if (!img || !img->rect().contains(a)) return -1;
  return int64_t(fromQColor(img->pixelColor(a)));
}

QRect Surface::ellipseBounds(QPoint centre, double r, double aspect) const {
  // The radius is measured along x; the circle stays round in pixels whatever the scale.
  double rx = std::abs(r) / unitsPerPixelX();
  double ry = rx;
  if (!(aspect > 0) || !std::isfinite(aspect)) aspect = 1.0;
  if (aspect > 1.0)
    rx = rx / aspect;
  else
    ry = rx * aspect;
  if (!std::isfinite(rx) || !std::isfinite(ry)) rx = ry = 0;  // no size: a point
  int irx = roundToInt(std::min(rx, 1.0e7));
  int iry = roundToInt(std::min(ry, 1.0e7));
  // The ellipse through the pixels centre +- radius, both ends included.
  return QRect(centre.x() - irx, centre.y() - iry, 2 * irx, 2 * iry);
}

void Surface::drawEllipse(QPainter& p, QPoint centre, const QRect& bounds, rt::Colour col) {
  if (bounds.width() == 0 && bounds.height() == 0) {
    applyPen(p, col);
    p.drawPoint(centre);
    return;
  }
  if (hatchesAsLines()) {
    QPainterPath inside;
    inside.addEllipse(QRectF(bounds));
    hatchLines(p, inside);
  } else if (applyFillBrush(p)) {
    p.setPen(Qt::NoPen);
    p.drawEllipse(bounds);
  }
  applyPen(p, col);
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(bounds);
}

void Surface::drawArc(QPainter& p, const QRect& bounds, rt::Colour col, double start, double end) {
  // A negative end draws the radius to it: both negative make a closed, fillable pie.
  bool pie = start < 0 || end < 0;
  double s = std::abs(start), e = std::abs(end);
  double span = e - s;
  if (span <= 0) span += 2 * kPi;
  int a16 = roundToInt(s * 180.0 / kPi * 16);
  int span16 = roundToInt(span * 180.0 / kPi * 16);
  if (!pie) {
    applyPen(p, col);
    p.setBrush(Qt::NoBrush);
    p.drawArc(bounds, a16, span16);
    return;
  }
  if (hatchesAsLines()) {
    QPainterPath inside;
    inside.moveTo(QRectF(bounds).center());
    inside.arcTo(QRectF(bounds), a16 / 16.0, span16 / 16.0);
    inside.closeSubpath();
    hatchLines(p, inside);
  } else if (applyFillBrush(p)) {
    p.setPen(Qt::NoPen);
    p.drawPie(bounds, a16, span16);
  }
  applyPen(p, col);
  p.setBrush(Qt::NoBrush);
  p.drawPie(bounds, a16, span16);
}

void Surface::circle(double x, double y, double r, std::optional<rt::Colour> c, std::optional<double> start,
                     std::optional<double> end, double aspect) {
  rt::Colour col = c.value_or(m_fore);
  std::vector<double> args{x, y, r};
  if (start || end) {
    args.push_back(start.value_or(0.0));
    args.push_back(end.value_or(0.0));
  }
  record("circle", args, col);
  m_cx = x;
  m_cy = y;
  QPainter* p = beginDraw();
  if (!p) return;
  QPoint centre = toDevice(x, y);
  QRect bounds = ellipseBounds(centre, r, aspect);
  if (!start && !end)
    drawEllipse(*p, centre, bounds, col);
  else
    drawArc(*p, bounds, col, start.value_or(0.0), end.value_or(2 * kPi));
  endDraw();
  int w = m_drawWidth + 1;
  touched(bounds.adjusted(-w, -w, w + 1, w + 1));
}

void Surface::polygon(const std::vector<QPoint>& pts) {
  std::vector<double> args;
  args.reserve(pts.size() * 2);
  for (const QPoint& q : pts) {
    args.push_back(q.x());
    args.push_back(q.y());
  }
  record("polygon", std::move(args), m_fore);
  if (pts.empty()) return;
  QPainter* p = beginDraw();
  if (!p) return;
  if (hatchesAsLines()) {
    QPainterPath inside;
    inside.addPolygon(QPolygonF(QPolygon(QList<QPoint>(pts.begin(), pts.end()))));
    inside.closeSubpath();
    hatchLines(*p, inside);
    p->setBrush(Qt::NoBrush);
  } else {
    applyFillBrush(*p);
  }
  applyPen(*p, m_fore);
  p->drawPolygon(pts.data(), int(pts.size()));
  endDraw();
  QRect r(pts.front(), pts.front());
  for (const QPoint& q : pts) r |= QRect(q, q);
  int w = m_drawWidth + 1;
  touched(r.adjusted(-w, -w, w, w));
}

void Surface::print(const QString& text, bool newline) {
  record("print", {m_cx, m_cy}, m_fore, text);
  QFont f = makeFont();
  QFontMetrics fm(f, metricsDevice());  // a page's printer is known from here on
  double x0 = m_cx, y0 = m_cy;
  int w = text.isEmpty() ? 0 : fm.horizontalAdvance(text);
  if (newline) {
    m_cx = m_left;
    m_cy = fromDeviceY(toDeviceY(y0) + fm.height());
  } else {
    m_cx = fromDeviceX(toDeviceX(x0) + w);
  }
  if (text.isEmpty()) return;
  QPainter* p = beginDraw();
  if (!p) return;
  QPoint at = toDevice(x0, y0);
  QRect r(at.x(), at.y(), w, fm.height());
  p->setFont(f);
  if (!m_fontTransparent) p->fillRect(r, toQColor(m_back));
  p->setPen(toQColor(m_fore));
  p->setBrush(Qt::NoBrush);
  p->drawText(QPoint(at.x(), at.y() + fm.ascent()), text);
  endDraw();
  touched(r.adjusted(-2, -2, 2, 2));
}

void Surface::printUnderlined(const QString& text, bool newline) {
  m_underline = true;
  print(text, newline);
  m_underline = false;
}

void Surface::tab(int column) {
  if (column < 1) column = 1;
  QFontMetrics fm(makeFont(), metricsDevice());
  double target = double(column - 1) * fm.horizontalAdvance(QLatin1Char('0'));
  // Half a pixel of slack: a point that stands on the column by rounding is on it.
  if (toDeviceX(m_cx) > target + 0.5) m_cy = fromDeviceY(toDeviceY(m_cy) + fm.height());
  m_cx = fromDeviceX(target);
}

double Surface::textWidth(const QString& text) const {
  QFontMetrics fm(makeFont(), metricsDevice());
  return fm.horizontalAdvance(text) * unitsPerPixelX();
}

double Surface::textHeight(const QString& text) const {
  QFontMetrics fm(makeFont(), metricsDevice());
  int lines = int(text.count('\n')) + 1;
  return fm.height() * lines * unitsPerPixelY();
}

void Surface::paintPicture(const QImage& picture, double x, double y, double w, double h) {
  record("picture", {x, y, w, h, double(picture.width()), double(picture.height())}, 0);
  if (picture.isNull()) return;
  QPainter* p = beginDraw();
  if (!p) return;
  QRect target = rectBetween(toDevice(x, y), toDevice(x + w, y + h));
  // QRect(p, q) holds both corners; the target ends just before the far corner.
  target.setSize(target.size() - QSize(1, 1));
  if (target.width() > 0 && target.height() > 0) p->drawImage(target, picture);
  endDraw();
  touched(target.adjusted(-1, -1, 1, 1));
}

void Surface::paintPicture(const ImageSurface& picture, double x, double y, double w, double h) {
  // A shallow copy: drawing onto the same surface then works on an image of its own.
  QImage copy = picture.image();
  paintPicture(copy, x, y, w, h);
}

void Surface::cls() {
  record("cls", {}, m_back);
  m_cx = 0;
  m_cy = 0;
  if (!keptImage()) return;  // a page is blank until something is drawn on it
  QPainter* p = beginDraw();
  if (!p) return;
  p->fillRect(QRect(0, 0, deviceWidth(), deviceHeight()), toQColor(m_back));
  endDraw();
  touched(QRect(0, 0, deviceWidth(), deviceHeight()));
}

// ---------------------------------------------------------------- image surface

namespace {
QImage blankImage(int width, int height, rt::Colour back) {
  QImage img(std::max(1, width), std::max(1, height), QImage::Format_RGB32);
  img.setDotsPerMeterX(kDotsPerMeter96);
  img.setDotsPerMeterY(kDotsPerMeter96);
  img.fill(toQColor(back));
  return img;
}
}  // namespace

ImageSurface::ImageSurface(int width, int height, rt::Colour back)
    : m_image(blankImage(width, height, back)), m_painter(new QPainter) {
  Surface::setBackColor(back);
  rescale();
}

ImageSurface::~ImageSurface() { delete m_painter; }

QPainter* ImageSurface::beginDraw() {
  if (!m_painter->begin(&m_image)) return nullptr;
  m_painter->setRenderHint(QPainter::Antialiasing, false);
  m_painter->setRenderHint(QPainter::TextAntialiasing, false);
  m_painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
  return m_painter;
}

void ImageSurface::endDraw() { m_painter->end(); }

QPaintDevice* ImageSurface::metricsDevice() const { return const_cast<QImage*>(&m_image); }

void ImageSurface::resizeDevice(int width, int height) {
  width = std::max(1, width);
  height = std::max(1, height);
  if (width == m_image.width() && height == m_image.height()) return;
  QImage next = blankImage(width, height, backColor());
  int w = std::min(width, m_image.width()), h = std::min(height, m_image.height());
  for (int y = 0; y < h; ++y) std::memcpy(next.scanLine(y), m_image.constScanLine(y), size_t(w) * 4);
  m_image = std::move(next);
  rescale();
  touched(m_image.rect());
}

void ImageSurface::setPicture(const QImage& picture) {
  if (picture.isNull()) return;
  m_image = picture.convertToFormat(QImage::Format_RGB32);
  m_image.setDotsPerMeterX(kDotsPerMeter96);
  m_image.setDotsPerMeterY(kDotsPerMeter96);
  rescale();
  touched(m_image.rect());
}

rt::Colour ImageSurface::pixel(int x, int y) const {
  if (!m_image.rect().contains(x, y)) return 0;
  QRgb v = m_image.pixel(x, y);
  return rt::rgb(qRed(v), qGreen(v), qBlue(v));
}

// ---------------------------------------------------------------- block copies

void bitBlt(ImageSurface& dst, int dx, int dy, int w, int h, const ImageSurface& src, int sx, int sy, BlitOp op) {
  dst.record("blit", {double(dx), double(dy), double(w), double(h), double(sx), double(sy), double(int(op))}, 0);
  if (w <= 0 || h <= 0) return;
  const QImage& s = src.m_image;
  QImage& d = dst.m_image;
  // The part of the rectangle inside both images, as offsets into it.
  long x0 = std::max({0L, -long(sx), -long(dx)});
  long y0 = std::max({0L, -long(sy), -long(dy)});
  long x1 = std::min({long(w), long(s.width()) - sx, long(d.width()) - dx});
  long y1 = std::min({long(h), long(s.height()) - sy, long(d.height()) - dy});
  if (x0 >= x1 || y0 >= y1) return;
  int cw = int(x1 - x0), ch = int(y1 - y0);
  int srcX = int(sx + x0), srcY = int(sy + y0), dstX = int(dx + x0), dstY = int(dy + y0);

  // A copy of the source block first when the surface copies onto itself, so the
  // rectangles may overlap.
  std::vector<uint32_t> block;
  const uint32_t* rows;
  size_t stride;
  if (&src == &dst) {
    block.resize(size_t(cw) * size_t(ch));
    for (int y = 0; y < ch; ++y)
      std::memcpy(&block[size_t(y) * cw], reinterpret_cast<const uint32_t*>(s.constScanLine(srcY + y)) + srcX,
                  size_t(cw) * 4);
    rows = block.data();
    stride = size_t(cw);
  } else {
    rows = reinterpret_cast<const uint32_t*>(s.constScanLine(srcY)) + srcX;
    stride = size_t(s.bytesPerLine() / 4);
  }
  for (int y = 0; y < ch; ++y) {
    const uint32_t* in = rows + size_t(y) * stride;
    uint32_t* out = reinterpret_cast<uint32_t*>(d.scanLine(dstY + y)) + dstX;
    switch (op) {
      case BlitOp::Copy: std::memcpy(out, in, size_t(cw) * 4); break;
      case BlitOp::And:
        for (int x = 0; x < cw; ++x) out[x] &= in[x];
        break;
      case BlitOp::Or:
        for (int x = 0; x < cw; ++x) out[x] |= in[x];
        break;
      case BlitOp::Xor:
        // The colour bits only: the image's unused top byte stays set.
        for (int x = 0; x < cw; ++x) out[x] = (out[x] ^ in[x]) | 0xFF000000u;
        break;
    }
  }
  dst.touched(QRect(dstX, dstY, cw, ch));
}

}  // namespace plat
