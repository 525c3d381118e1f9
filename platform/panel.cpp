#include "platform/panel.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/accessibleroles.h"
#include "platform/colours.h"
#include "platform/fonts.h"

namespace plat {

namespace {

// The panel for assistive technology: a group with its caption, or a progress bar with the
// percentage as its value when it serves as a gauge.
class PanelAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit PanelAccessible(Panel* p)
      : QAccessibleWidget(p, p->floodType() == Panel::FloodNone ? QAccessible::Grouping : QAccessible::ProgressBar) {}
  Panel* panel() const { return static_cast<Panel*>(widget()); }
  QAccessible::Role role() const override {
    return panel()->floodType() == Panel::FloodNone ? QAccessible::Grouping : QAccessible::ProgressBar;
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return QString(panel()->caption()).remove('&');
    if (t == QAccessible::Value && panel()->floodType() != Panel::FloodNone)
      return QString::number(panel()->floodPercent()) + '%';
    return QAccessibleWidget::text(t);
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::ValueInterface && panel()->floodType() != Panel::FloodNone)
      return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }
  QVariant currentValue() const override { return panel()->floodPercent(); }
  void setCurrentValue(const QVariant&) override {}
  QVariant maximumValue() const override { return 100; }
  QVariant minimumValue() const override { return 0; }
  QVariant minimumStepSize() const override { return 1; }
};

QAccessibleInterface* panelFactory(const QString&, QObject* o) {
  if (auto* p = qobject_cast<Panel*>(o)) return new PanelAccessible(p);
  return nullptr;
}

void drawBevel(QPainter& p, QRect& r, Panel::Bevel b, int width) {
  if (b == Panel::BevelNone) return;
  QColor light(255, 255, 255), dark(128, 128, 128);
  QColor topLeft = b == Panel::BevelRaised ? light : dark;
  QColor bottomRight = b == Panel::BevelRaised ? dark : light;
  for (int i = 0; i < width && r.width() > 1 && r.height() > 1; ++i) {
    p.setPen(topLeft);
    p.drawLine(r.left(), r.top(), r.right() - 1, r.top());
    p.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
    p.setPen(bottomRight);
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    p.drawLine(r.right(), r.top(), r.right(), r.bottom());
    r.adjust(1, 1, -1, -1);
  }
}

}  // namespace

Panel::Panel(QWidget* parent, const QString& caption) : QWidget(parent) {
  static bool factoryInstalled = false;
  if (!factoryInstalled) {
    QAccessible::installFactory(panelFactory);
    factoryInstalled = true;
  }
  setCaption(caption);
}

void Panel::setCaption(const QString& caption) {
  const bool renamed = caption != m_caption;
  m_caption = caption;
  // Screen readers hear the panel by its caption unless it was given a name.
  if (renamed && accessibleName().isEmpty()) announceNameChange(this);
  update();
}

void Panel::setAlignment(Align a) {
  m_align = a;
  update();
}

void Panel::setForeColor(rt::Colour c) {
  m_fore = c;
  update();
}

void Panel::setBackColor(rt::Colour c) {
  m_back = c;
  update();
}

void Panel::setBevelOuter(Bevel b) {
  m_outer = b;
  update();
}

void Panel::setBevelInner(Bevel b) {
  m_inner = b;
  update();
}

void Panel::setBevelWidth(int pixels) {
  m_bevelWidth = std::max(0, pixels);
  update();
}

void Panel::setBorderWidth(int pixels) {
  m_borderWidth = std::max(0, pixels);
  update();
}

void Panel::setOutline(bool on) {
  m_outline = on;
  update();
}

void Panel::setFloodType(Flood f) {
  m_floodType = f;
  update();
}

void Panel::setFloodColor(rt::Colour c) {
  m_flood = c;
  update();
}

void Panel::setFloodShowPct(bool on) {
  m_showPct = on;
  update();
}

void Panel::setFloodPercent(double percent) {
  if (std::isnan(percent)) percent = 0;
  percent = std::clamp(percent, 0.0, 100.0);
  int whole = int(std::nearbyint(percent));  // the default rounding mode gives halves to even
  if (whole == m_percent) return;
  m_percent = whole;
  update();
  if (QAccessible::isActive()) {
    QAccessibleValueChangeEvent ev(this, m_percent);
    QAccessible::updateAccessibility(&ev);
  }
}

QRect Panel::innerRect() const {
  QRect r = rect();
  if (m_outline) r.adjust(1, 1, -1, -1);
  if (m_outer != BevelNone) r.adjust(m_bevelWidth, m_bevelWidth, -m_bevelWidth, -m_bevelWidth);
  r.adjust(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
  if (m_inner != BevelNone) r.adjust(m_bevelWidth, m_bevelWidth, -m_bevelWidth, -m_bevelWidth);
  return r;
}

QString Panel::shownText() const {
  if (m_floodType != FloodNone && m_showPct) return QString::number(m_percent) + '%';
  return QString(m_caption).remove('&');
}

void Panel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QRect r = rect();
  p.fillRect(r, toQColor(m_back));
  if (m_outline) {
    p.setPen(Qt::black);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    r.adjust(1, 1, -1, -1);
  }
  drawBevel(p, r, m_outer, m_bevelWidth);
  r.adjust(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
  drawBevel(p, r, m_inner, m_bevelWidth);
  if (r.width() <= 0 || r.height() <= 0) return;

  QRect flooded;
  if (m_floodType != FloodNone && m_percent > 0) {
    int w = r.width() * m_percent / 100, h = r.height() * m_percent / 100;
    switch (m_floodType) {
      case FloodLeftToRight: flooded = QRect(r.left(), r.top(), w, r.height()); break;
      case FloodRightToLeft: flooded = QRect(r.right() + 1 - w, r.top(), w, r.height()); break;
      case FloodTopToBottom: flooded = QRect(r.left(), r.top(), r.width(), h); break;
      case FloodBottomToTop: flooded = QRect(r.left(), r.bottom() + 1 - h, r.width(), h); break;
      default: break;
    }
    p.fillRect(flooded, toQColor(m_flood));
  }

  QString text = shownText();
  if (text.isEmpty()) return;
  p.setFont(font());
  Qt::Alignment h = m_align == AlignLeft ? Qt::AlignLeft : m_align == AlignRight ? Qt::AlignRight : Qt::AlignHCenter;
  // Over the flood the text takes the panel's back colour, elsewhere its fore colour, so
  // the percentage reads at every fill.
  p.save();
  p.setClipRegion(QRegion(r).subtracted(QRegion(flooded)));
  p.setPen(toQColor(m_fore));
  p.drawText(r, h | Qt::AlignVCenter, text);
  p.restore();
  if (!flooded.isEmpty()) {
    p.setClipRect(flooded);
    p.setPen(toQColor(m_back));
    p.drawText(r, h | Qt::AlignVCenter, text);
  }
}

}  // namespace plat
