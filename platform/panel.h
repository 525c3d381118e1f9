#pragma once
// A panel: a raised or inset bevelled area with a caption that holds other controls, and
// that can serve as a gauge, its inside flooded to a whole percentage in the flood colour.
// The gauge shows the percentage as text ("45%") unless told not to; screen readers read
// the percentage as the panel's value.

#include <QWidget>

#include "runtime/colour.h"

namespace plat {

class Panel : public QWidget {
  Q_OBJECT
 public:
  enum Bevel : int { BevelNone = 0, BevelInset = 1, BevelRaised = 2 };
  enum Flood : int {
    FloodNone = 0,
    FloodLeftToRight = 1,
    FloodRightToLeft = 2,
    FloodTopToBottom = 3,
    FloodBottomToTop = 4
  };
  enum Align : int { AlignLeft = 0, AlignRight = 1, AlignCenter = 2 };

  explicit Panel(QWidget* parent, const QString& caption = QString());

  void setCaption(const QString& caption);
  QString caption() const { return m_caption; }
  void setAlignment(Align a);
  void setForeColor(rt::Colour c);
  void setBackColor(rt::Colour c);
  rt::Colour backColor() const { return m_back; }

  void setBevelOuter(Bevel b);
  void setBevelInner(Bevel b);
  void setBevelWidth(int pixels);
  void setBorderWidth(int pixels);  // the gap between the outer and the inner bevel
  void setOutline(bool on);         // a black line around everything

  void setFloodType(Flood f);
  Flood floodType() const { return m_floodType; }
  void setFloodColor(rt::Colour c);
  void setFloodShowPct(bool on);
  // The gauge holds whole percentages from 0 to 100: a fraction is rounded to the nearest
  // whole (halves to the even one), and a value outside the range is held at its end.
  void setFloodPercent(double percent);
  int floodPercent() const { return m_percent; }

  // Repaints at once (a read-out that must show before a blocking wait).
  void refresh() { repaint(); }
  // The rectangle inside the bevels, where the flood and the caption go.
  QRect innerRect() const;

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QString shownText() const;
  QString m_caption;
  Align m_align = AlignCenter;
  rt::Colour m_fore = 0x000000, m_back = 0xC0C0C0, m_flood = 0xFF0000;
  Bevel m_outer = BevelRaised, m_inner = BevelNone;
  int m_bevelWidth = 1, m_borderWidth = 3;
  bool m_outline = false, m_showPct = true;
  Flood m_floodType = FloodNone;
  int m_percent = 0;
};

}  // namespace plat
