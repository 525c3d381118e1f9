#include "platform/label.h"

#include <QAccessibleWidget>
#include <QPainter>

#include "platform/accessible.h"
#include "platform/accessibleroles.h"
#include "platform/colours.h"

namespace plat {

namespace {

// Screen readers hear a frame as a group of the controls inside it, named by its caption:
// moving among the options of a frame, they hear the frame's caption as the options' group.
class FrameAccessible : public QAccessibleWidget {
 public:
  explicit FrameAccessible(Frame* f) : QAccessibleWidget(f, QAccessible::Grouping) {}
};

}  // namespace

Label::Label(QWidget* parent, const QString& caption) : QLabel(caption, parent) {
  setAccessibleName(caption);
  setTextFormat(Qt::PlainText);
  setAlignment(Left);
}

void Label::announceToBuddy() {
  if (buddy()) announceNameChange(buddy());
}

void Label::setAlignment(Align a) {
  Qt::Alignment h = a == Right ? Qt::AlignRight : a == Center ? Qt::AlignHCenter : Qt::AlignLeft;
  QLabel::setAlignment(h | Qt::AlignTop);
  applyIndent();
}

void Label::applyIndent() {
  // A border gives its own gap (the toolkit's indent of half an "x"); without one, text set
  // against a side stands two pixels in from it.
  constexpr int kSideGap = 2;
  setIndent(frameWidth() > 0 || (alignment() & Qt::AlignHCenter) ? -1 : kSideGap);
}

void Label::setForeColor(rt::Colour c) {
  QPalette p = palette();
  p.setColor(QPalette::WindowText, toQColor(c));
  setPalette(p);
}

void Label::setBackColor(rt::Colour c) {
  QPalette p = palette();
  p.setColor(QPalette::Window, toQColor(c));
  setPalette(p);
  setAutoFillBackground(true);
}

void Label::setTransparent() { setAutoFillBackground(false); }

void Label::setBorder(bool single) {
  setFrameStyle(single ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
  setLineWidth(1);
  applyIndent();
}

Frame::Frame(QWidget* parent, const QString& caption) : QWidget(parent) {
  installAccessible<Frame, FrameAccessible>();
  setCaption(caption);
}

void Frame::setCaption(const QString& caption) {
  m_caption = caption;
  setAccessibleName(QString(caption).remove('&'));
  update();
}

void Frame::setForeColor(rt::Colour c) {
  QPalette p = palette();
  p.setColor(QPalette::WindowText, toQColor(c));
  setPalette(p);
  update();
}

void Frame::setBackColor(rt::Colour c) {
  QPalette p = palette();
  p.setColor(QPalette::Window, toQColor(c));
  setPalette(p);
  setAutoFillBackground(true);
}

void Frame::paintEvent(QPaintEvent*) {
  // An etched rectangle whose top edge runs through the middle of the caption.
  QPainter p(this);
  QFontMetrics fm(font());
  int top = m_caption.isEmpty() ? 0 : fm.height() / 2;
  QRect r = rect().adjusted(0, top, -1, -1);
  p.setPen(QColor(128, 128, 128));
  p.drawRect(r.adjusted(0, 0, -1, -1));
  p.setPen(Qt::white);
  p.drawRect(r.adjusted(1, 1, 0, 0));
  if (!m_caption.isEmpty()) {
    QString shown = m_caption;
    shown.remove('&');
    int w = fm.horizontalAdvance(shown);
    QRect textRect(8, 0, w + 4, fm.height());
    p.fillRect(textRect, palette().color(QPalette::Window));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(textRect, Qt::AlignCenter, shown);
  }
}

}  // namespace plat
