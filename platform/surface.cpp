#include "platform/surface.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/colours.h"
#include "platform/fonts.h"

namespace plat {

namespace {
constexpr int kDotsPerMeter96 = 3780;  // 96 dots per inch: point sizes come out as on screen
}

Surface::Surface() { installFontSubstitutions(); }
Surface::~Surface() = default;

void Surface::setScale(double x1, double y1, double x2, double y2) {
  m_mode = ScaleMode::User;
  m_left = x1;
  m_top = y1;
  m_width = x2 - x1;
  m_height = y2 - y1;
  if (m_width == 0) m_width = 1;
  if (m_height == 0) m_height = 1;
}

void Surface::setScaleMode(ScaleMode m) {
  m_mode = m;
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
  return QPoint(int(std::lround(toDeviceX(x))), int(std::lround(toDeviceY(y))));
}

double Surface::unitsPerPixelX() const { return std::abs(m_width) / std::max(1, deviceWidth()); }
double Surface::unitsPerPixelY() const { return std::abs(m_height) / std::max(1, deviceHeight()); }

void Surface::setBackColor(rt::Colour c) {
  m_back = c;
  cls();
}

void Surface::setFont(const QString& name, double points, bool bold, bool italic) {
  m_fontName = name;
  m_fontPoints = points;
  m_bold = bold;
  m_italic = italic;
}
void Surface::setFontBold(bool b) { m_bold = b; }
void Surface::setFontItalic(bool i) { m_italic = i; }
void Surface::setFontUnderline(bool u) { m_underline = u; }
void Surface::setFontSize(double points) { m_fontPoints = points; }
void Surface::setFontName(const QString& name) { m_fontName = name; }

QFont Surface::makeFont() const {
  QFont f(m_fontName);
  f.setPointSizeF(m_fontPoints);
  f.setBold(m_bold || m_fontName == "Arial Black");
  f.setItalic(m_italic);
  f.setUnderline(m_underline);
  f.setStyleStrategy(QFont::NoAntialias);
  return f;
}

void Surface::beginPainter(QPainter& p) {
  p.begin(paintDevice());
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing, false);
}

void Surface::applyPen(QPainter& p, rt::Colour c) const {
  if (m_drawStyle == DrawInvisible) {
    p.setPen(Qt::NoPen);
    return;
  }
  QPen pen(toQColor(c));
  pen.setWidth(m_drawWidth);
  pen.setCapStyle(m_drawWidth > 1 ? Qt::RoundCap : Qt::SquareCap);
  pen.setJoinStyle(m_drawWidth > 1 ? Qt::RoundJoin : Qt::MiterJoin);
  // Broken lines exist only at width 1, as with the classic pens.
  if (m_drawWidth == 1) {
    switch (m_drawStyle) {
      case DrawDash: pen.setDashPattern({6, 2}); break;
      case DrawDot: pen.setDashPattern({1, 1}); break;
      case DrawDashDot: pen.setDashPattern({6, 2, 1, 2}); break;
      case DrawDashDotDot: pen.setDashPattern({6, 2, 1, 2, 1, 2}); break;
      default: break;
    }
  }
  p.setPen(pen);
}

bool Surface::applyFillBrush(QPainter& p) const {
  static const Qt::BrushStyle styles[] = {Qt::SolidPattern, Qt::NoBrush,   Qt::HorPattern,
                                          Qt::VerPattern,   Qt::BDiagPattern, Qt::FDiagPattern,
                                          Qt::CrossPattern, Qt::DiagCrossPattern};
  int s = (m_fillStyle >= 0 && m_fillStyle <= 7) ? m_fillStyle : FillTransparent;
  if (s == FillTransparent) {
    p.setBrush(Qt::NoBrush);
    return false;
  }
  p.setBrush(QBrush(toQColor(m_fill), styles[s]));
  return true;
}

void Surface::record(const std::string& op, std::vector<double> args, rt::Colour c, const QString& text) {
  if (m_recording) m_ops.push_back({op, std::move(args), text, c});
}

int Surface::countOps(const std::string& op) const {
  return int(std::count_if(m_ops.begin(), m_ops.end(), [&](const DrawOp& d) { return d.op == op; }));
}

void Surface::line(double x1, double y1, double x2, double y2, std::optional<rt::Colour> c) {
  rt::Colour col = c.value_or(m_fore);
  record("line", {x1, y1, x2, y2}, col);
  QPoint a = toDevice(x1, y1), b = toDevice(x2, y2);
  QPainter p;
  beginPainter(p);
  applyPen(p, col);
  if (a == b)
    p.drawPoint(a);
  else
    p.drawLine(a, b);
  p.end();
  m_cx = x2;
  m_cy = y2;
  int w = m_drawWidth;
  touched(QRect(a, b).normalized().adjusted(-w, -w, w, w));
}

void Surface::lineTo(double x2, double y2, std::optional<rt::Colour> c) { line(m_cx, m_cy, x2, y2, c); }

void Surface::box(double x1, double y1, double x2, double y2, std::optional<rt::Colour> c) {
  rt::Colour col = c.value_or(m_fore);
  record("box", {x1, y1, x2, y2}, col);
  QRect r = QRect(toDevice(x1, y1), toDevice(x2, y2)).normalized();
  QPainter p;
  beginPainter(p);
  if (applyFillBrush(p)) {
    p.setPen(Qt::NoPen);
    p.drawRect(r);
  }
  applyPen(p, col);
  p.setBrush(Qt::NoBrush);
  // An outline through the corner pixels: the rectangle's right and bottom edges included.
  if (r.width() == 1 || r.height() == 1)
    p.drawLine(r.topLeft(), r.bottomRight());
  else
    p.drawRect(QRect(r.topLeft(), r.size() - QSize(1, 1)));
  p.end();
  m_cx = x2;
  m_cy = y2;
  int w = m_drawWidth;
  touched(r.adjusted(-w, -w, w, w));
}

void Surface::filledBox(double x1, double y1, double x2, double y2, std::optional<rt::Colour> c) {
  rt::Colour col = c.value_or(m_fore);
  record("fill", {x1, y1, x2, y2}, col);
  QRect r = QRect(toDevice(x1, y1), toDevice(x2, y2)).normalized();
  QPainter p;
  beginPainter(p);
  p.fillRect(r, toQColor(col));
  if (m_drawWidth > 1) {
    applyPen(p, col);
    p.drawRect(QRect(r.topLeft(), r.size() - QSize(1, 1)));
  }
  p.end();
  m_cx = x2;
  m_cy = y2;
  int w = m_drawWidth;
  touched(r.adjusted(-w, -w, w, w));
}

void Surface::pset(double x, double y, std::optional<rt::Colour> c) {
  rt::Colour col = c.value_or(m_fore);
  record("pset", {x, y}, col);
  QPoint a = toDevice(x, y);
  QPainter p;
  beginPainter(p);
  if (m_drawWidth <= 1) {
    p.setPen(toQColor(col));
    p.drawPoint(a);
  } else {
    p.setPen(Qt::NoPen);
    p.setBrush(toQColor(col));
    int d = m_drawWidth;
    p.drawEllipse(QRect(a.x() - d / 2, a.y() - d / 2, d, d));
  }
  p.end();
  m_cx = x;
  m_cy = y;
  touched(QRect(a, a).adjusted(-m_drawWidth, -m_drawWidth, m_drawWidth, m_drawWidth));
}

int64_t Surface::point(double x, double y) const {
  auto* self = const_cast<Surface*>(this);
  auto* img = dynamic_cast<QImage*>(self->paintDevice());
  QPoint a = toDevice(x, y);
  if (!img || !img->rect().contains(a)) return -1;
  return int64_t(fromQColor(img->pixelColor(a)));
}

void Surface::circle(double x, double y, double r, std::optional<rt::Colour> c, std::optional<double> start,
                     std::optional<double> end, double aspect) {
  rt::Colour col = c.value_or(m_fore);
  std::vector<double> args{x, y, r};
  if (start) args.push_back(*start);
  if (end) args.push_back(*end);
  record("circle", args, col);
  QPoint centre = toDevice(x, y);
  // The radius is measured along x; the circle stays round in pixels.
  double rx = std::abs(r) / unitsPerPixelX();
  double ry = rx;
  if (aspect > 1.0) {
    ry = rx;
    rx = rx / aspect;
  } else {
    ry = rx * aspect;
  }
  int irx = int(std::lround(rx)), iry = int(std::lround(ry));
  QRect bounds(centre.x() - irx, centre.y() - iry, 2 * irx, 2 * iry);
  QPainter p;
  beginPainter(p);
  if (!start && !end) {
    if (applyFillBrush(p)) {
      p.setPen(Qt::NoPen);
      p.drawEllipse(bounds);
    }
    applyPen(p, col);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(bounds);
  } else {
    double s = start.value_or(0.0), e = end.value_or(2 * 3.14159265358979);
    bool pie = s < 0 || e < 0;
    s = std::abs(s);
    e = std::abs(e);
    double span = e - s;
    if (span <= 0) span += 2 * 3.14159265358979;
    int a16 = int(std::lround(s * 180.0 / 3.14159265358979 * 16));
    int span16 = int(std::lround(span * 180.0 / 3.14159265358979 * 16));
    if (pie) {
      if (applyFillBrush(p)) {
        p.setPen(Qt::NoPen);
        p.drawPie(bounds, a16, span16);
      }
      applyPen(p, col);
      p.setBrush(Qt::NoBrush);
      p.drawPie(bounds, a16, span16);
    } else {
      applyPen(p, col);
      p.drawArc(bounds, a16, span16);
    }
  }
  p.end();
  int w = m_drawWidth;
  touched(bounds.adjusted(-w - 1, -w - 1, w + 1, w + 1));
}

void Surface::polygon(const std::vector<QPoint>& pts) {
  std::vector<double> args;
  for (const QPoint& q : pts) {
    args.push_back(q.x());
    args.push_back(q.y());
  }
  record("polygon", args, m_fore);
  if (pts.empty()) return;
  QPainter p;
  beginPainter(p);
  applyFillBrush(p);
  applyPen(p, m_fore);
  p.drawPolygon(pts.data(), int(pts.size()));
  p.end();
  QRect r(pts.front(), pts.front());
  for (const QPoint& q : pts) r |= QRect(q, q);
  int w = m_drawWidth;
  touched(r.adjusted(-w, -w, w, w));
}

void Surface::print(const QString& text, bool newline) {
  record("print", {m_cx, m_cy}, m_fore, text);
  QPainter p;
  beginPainter(p);
  QFont f = makeFont();
  p.setFont(f);
  QFontMetrics fm(f, paintDevice());
  QPoint at = toDevice(m_cx, m_cy);
  int w = fm.horizontalAdvance(text);
  QRect r(at.x(), at.y(), w, fm.height());
  if (!m_fontTransparent) p.fillRect(r, toQColor(m_back));
  p.setPen(toQColor(m_fore));
  p.drawText(QPoint(at.x(), at.y() + fm.ascent()), text);
  p.end();
  if (newline) {
    m_cx = m_left;
    m_cy = fromDeviceY(at.y() + fm.height());
  } else {
    m_cx = fromDeviceX(at.x() + w);
  }
  touched(r.adjusted(-1, -1, 1, 1));
}

double Surface::textWidth(const QString& text) const {
  auto* self = const_cast<Surface*>(this);
  QFontMetrics fm(makeFont(), self->paintDevice());
  return fm.horizontalAdvance(text) * unitsPerPixelX();
}

double Surface::textHeight(const QString& text) const {
  auto* self = const_cast<Surface*>(this);
  QFontMetrics fm(makeFont(), self->paintDevice());
  int lines = int(text.count('\n')) + 1;
  return fm.height() * lines * unitsPerPixelY();
}

void Surface::cls() {
  record("cls", {}, m_back);
  QPainter p;
  beginPainter(p);
  p.fillRect(QRect(0, 0, deviceWidth(), deviceHeight()), toQColor(m_back));
  p.end();
  m_cx = 0;
  m_cy = 0;
  touched(QRect(0, 0, deviceWidth(), deviceHeight()));
}

// ---------------------------------------------------------------- image surface

ImageSurface::ImageSurface(int width, int height, rt::Colour back)
    : m_image(std::max(1, width), std::max(1, height), QImage::Format_RGB32) {
  m_image.setDotsPerMeterX(kDotsPerMeter96);
  m_image.setDotsPerMeterY(kDotsPerMeter96);
  m_image.fill(toQColor(back));
  Surface::setBackColor(back);
  rescale();
}

void ImageSurface::resizeDevice(int width, int height) {
  width = std::max(1, width);
  height = std::max(1, height);
  if (width == m_image.width() && height == m_image.height()) return;
  QImage next(width, height, QImage::Format_RGB32);
  next.setDotsPerMeterX(kDotsPerMeter96);
  next.setDotsPerMeterY(kDotsPerMeter96);
  next.fill(toQColor(backColor()));
  QPainter p(&next);
  p.drawImage(0, 0, m_image);
  p.end();
  m_image = std::move(next);
  rescale();
  touched(m_image.rect());
}

rt::Colour ImageSurface::pixel(int x, int y) const {
  if (!m_image.rect().contains(x, y)) return 0;
  return fromQColor(m_image.pixelColor(x, y));
}

void bitBlt(ImageSurface& dst, int dx, int dy, int w, int h, const ImageSurface& src, int sx, int sy, BlitOp op) {
  if (w <= 0 || h <= 0) return;
  dst.record("blit", {double(dx), double(dy), double(w), double(h), double(sx), double(sy), double(int(op))}, 0);
  // A copy of the source block first, so a surface may be copied onto itself.
  QImage block = src.m_image.copy(sx, sy, w, h);
  QPainter p(&dst.m_image);
  switch (op) {
    case BlitOp::Copy: p.setCompositionMode(QPainter::CompositionMode_Source); break;
    case BlitOp::And: p.setCompositionMode(QPainter::RasterOp_SourceAndDestination); break;
    case BlitOp::Or: p.setCompositionMode(QPainter::RasterOp_SourceOrDestination); break;
    case BlitOp::Xor: p.setCompositionMode(QPainter::RasterOp_SourceXorDestination); break;
  }
  p.drawImage(dx, dy, block);
  p.end();
  dst.touched(QRect(dx, dy, w, h));
}

}  // namespace plat
