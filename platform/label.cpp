#include "platform/label.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <QStringList>

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

// A label as screen readers hear it: a static text named by what it shows, or a notification
// for a message that appears on its own. A read-out is labelled by its captions and a caption
// is the label for its read-outs; a label hidden from readers is neither seen nor named.
class LabelAccessible : public QAccessibleWidget {
 public:
  explicit LabelAccessible(Label* l) : QAccessibleWidget(l, QAccessible::StaticText) {}

  QAccessible::Role role() const override {
    return label()->announced() ? QAccessible::Notification : QAccessible::StaticText;
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return label()->heardName();
    return QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    if (label()->hiddenFromReaders()) s.invisible = true;
    return s;
  }
  QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override {
    auto related = QAccessibleWidget::relations(match);
    if (match & QAccessible::Label)
      for (Label* caption : label()->heardCaptions())
        related.append({QAccessible::queryAccessibleInterface(caption), QAccessible::Label});
    if (match & QAccessible::Labelled) {
      if (QWidget* buddy = label()->buddy())
        related.append({QAccessible::queryAccessibleInterface(buddy), QAccessible::Labelled});
      for (QObject* readout : label()->findReadouts())
        related.append({QAccessible::queryAccessibleInterface(readout), QAccessible::Labelled});
    }
    return related;
  }

 private:
  Label* label() const { return static_cast<Label*>(widget()); }
};

}  // namespace

// The toolkit's label is made without its text, so the first interface a screen reader is
// given for it is already the platform's (the toolkit keeps the first it makes).
Label::Label(QWidget* parent, const QString& caption) : QLabel(parent) {
  installAccessible<Label, LabelAccessible>();
  setText(caption);
  setAccessibleName(caption);
  setTextFormat(Qt::PlainText);
  setAlignment(Left);
}

void Label::setCaption(const QString& caption) {
  const bool renamed = caption != text();
  setText(caption);
  setAccessibleName(caption);
  // The read-outs it is a caption of, and the control it names, are heard by it.
  for (const QPointer<Label>& readout : m_captionOf) announceNameChange(readout);
  if (renamed) announceNameChange(buddy());
}

void Label::setHeardCaptions(const std::vector<Label*>& captions) {
  m_heardCaptions.assign(captions.begin(), captions.end());
  for (Label* caption : captions) caption->m_captionOf.emplace_back(this);
  announceNameChange(this);
}

std::vector<Label*> Label::heardCaptions() const {
  std::vector<Label*> captions;
  for (const QPointer<Label>& caption : m_heardCaptions)
    if (caption) captions.push_back(caption);
  return captions;
}

std::vector<Label*> Label::findReadouts() const {
  std::vector<Label*> readouts;
  for (const QPointer<Label>& readout : m_captionOf)
    if (readout) readouts.push_back(readout);
  return readouts;
}

void Label::setHeardCaption(const QString& words) {
  m_heardCaption = words;
  announceNameChange(this);
}

void Label::setHeardText(const QString& text) {
  m_heardText = text;
  announceNameChange(this);
}

QString Label::heardName() const {
  if (m_hiddenFromReaders) return QString();
  const QString own = !m_heardText.isEmpty() ? m_heardText : !accessibleName().isEmpty() ? accessibleName() : text();
  QStringList words;
  if (!m_heardCaption.isEmpty()) words << m_heardCaption;
  for (Label* caption : heardCaptions()) words << caption->heardName();
  if (!own.isEmpty()) words << own;  // an empty read-out is heard as its captions alone
  return words.join(' ');
}

void hearAsOneWord(const std::vector<Label*>& letters) {
  QString word;
  for (Label* letter : letters) word += letter->caption();
  for (size_t i = 0; i < letters.size(); ++i) {
    if (i == 0)
      letters[i]->setHeardText(word);
    else
      letters[i]->hideFromReaders();
  }
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
