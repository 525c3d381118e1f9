#pragma once
// A text read-out. Alignment, colours, font and an optional border; "refresh" repaints it at
// once, for read-outs that must show before a blocking wait. Text aligned to a side keeps a
// little clear of that side, so it never meets a neighbour that stands against the label.

#include <QLabel>

#include "runtime/colour.h"

namespace plat {

class Label : public QLabel {
  Q_OBJECT
 public:
  enum Align { Left = 0, Right = 1, Center = 2 };
  explicit Label(QWidget* parent, const QString& caption = QString());
  void setCaption(const QString& caption) {
    const bool renamed = caption != text();
    setText(caption);
    setAccessibleName(caption);
    if (renamed) announceToBuddy();
  }
  QString caption() const { return text(); }
  void setAlignment(Align a);
  void setForeColor(rt::Colour c);
  void setBackColor(rt::Colour c);  // an opaque background
  void setTransparent();            // the container shows through
  void setBorder(bool single);
  void refresh() { repaint(); }

 private:
  void applyIndent();
  // The control this label names (its buddy) is heard by the caption: a new caption renames it.
  void announceToBuddy();
};

// A frame: a captioned border that groups controls. Screen readers hear it as a group named
// by its caption.
class Frame : public QWidget {
  Q_OBJECT
 public:
  explicit Frame(QWidget* parent, const QString& caption = QString());
  void setCaption(const QString& caption);
  QString caption() const { return m_caption; }
  void setForeColor(rt::Colour c);
  void setBackColor(rt::Colour c);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QString m_caption;
};

}  // namespace plat
