#include "platform/button.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <utility>

#include "platform/colours.h"
#include "platform/picturebox.h"
#include "platform/twips.h"

namespace plat {

namespace {

// What a press changes among the buttons of its window while its Click runs: the buttons
// that take a new caption and the buttons that come into sight, each in turn, and whether
// the Click gave the focus a place of its own (the toolkit's own passing of the focus on,
// from a control that hides, is a Tab's).
class PressRecord : public QObject {
 public:
  explicit PressRecord(const CommandButton* pressed) : m_window(pressed->window()), m_place(placeInWindow(pressed)) {
    qApp->installEventFilter(this);
  }
  ~PressRecord() override { qApp->removeEventFilter(this); }
  PressRecord(const PressRecord&) = delete;
  PressRecord& operator=(const PressRecord&) = delete;

  void recaptioned(CommandButton* b) {
    if (b->window() == m_window) m_recaptioned.push_back(b);
  }
  void shown(CommandButton* b) {
    if (b->window() == m_window) m_shown.push_back(b);
  }
  bool focusGiven() const { return m_focusGiven; }
  // The button that came in place of the pressed one: one that took a new caption (Stop on
  // the button that was Exit), else one that came into sight where the pressed one stood.
  CommandButton* successor(const CommandButton* pressed) const {
    const auto canTake = [pressed](const CommandButton* b) {
      return b && b != pressed && b->isVisible() && b->isEnabled() && (b->focusPolicy() & Qt::TabFocus);
    };
    for (const QPointer<CommandButton>& b : m_recaptioned)
      if (canTake(b)) return b;
    for (const QPointer<CommandButton>& b : m_shown)
      if (canTake(b) && placeInWindow(b).intersects(m_place)) return b;
    return nullptr;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::FocusIn && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == m_window) {
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(e)->reason();
      if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason) m_focusGiven = true;
    }
    return false;
  }

 private:
  static QRect placeInWindow(const QWidget* w) { return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()); }
  QWidget* m_window;
  QRect m_place;
  QList<QPointer<CommandButton>> m_recaptioned, m_shown;
  bool m_focusGiven = false;
};

// The press whose Click is running, if any.
PressRecord* g_press = nullptr;

}  // namespace

CommandButton::CommandButton(QWidget* parent, const QString& caption) : QPushButton(caption, parent) {
  setAutoDefault(false);
  setMouseTracking(true);
  connect(this, &QPushButton::clicked, this, [this] {
    if (onClick) runClick();
  });
}

// A button that hides as it is pressed hands the focus it had to the button that comes in
// its place (Start hides and Exit becomes Stop: a second Space stops the run; Stop hides and
// Reset shows where it stood), unless the Click put the focus somewhere itself. Where no
// button comes, the focus goes on to the next control, as from any control that hides.
void CommandButton::runClick() {
  QPointer<CommandButton> self(this);
  QPointer<QWidget> window = this->window();
  const bool hadFocus = window->focusWidget() == this;
  PressRecord record(this);
  PressRecord* outer = std::exchange(g_press, &record);
  onClick();
  g_press = outer;
  if (!self || !window || !hadFocus || self->isVisible() || !window->isVisible() || record.focusGiven()) return;
  if (CommandButton* next = record.successor(self)) next->setFocus(Qt::OtherFocusReason);
}

void CommandButton::showEvent(QShowEvent* e) {
  QPushButton::showEvent(e);
  if (g_press) g_press->shown(this);
}

void CommandButton::setCaption(const QString& caption) {
  if (g_press && caption != text()) g_press->recaptioned(this);
  setText(caption);
  QString plain = caption;
  setAccessibleName(plain.remove('&'));
}

void CommandButton::setPicture(const QPixmap& picture, const QString& accessibleCaption) {
  setIcon(QIcon(picture));
  setIconSize(picture.size());
  if (!accessibleCaption.isEmpty()) {
    setAccessibleName(accessibleCaption);
    setToolTip(accessibleCaption);
  }
}

namespace {
bool isEnterKey(const QKeyEvent* e) {
  return (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !(e->modifiers() & ~Qt::KeypadModifier);
}
// The same key event with Space in place of Enter.
QKeyEvent asSpace(const QKeyEvent* e) {
  return QKeyEvent(e->type(), Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), e->isAutoRepeat(), e->count());
}
}  // namespace

// Enter presses the focused button exactly as Space does: down at the key's press, Click at
// its release, nothing for the keyboard's repeat while it is held.
void CommandButton::keyPressEvent(QKeyEvent* e) {
  if (!isEnterKey(e)) {
    QPushButton::keyPressEvent(e);
    return;
  }
  QKeyEvent space = asSpace(e);
  QPushButton::keyPressEvent(&space);
  e->setAccepted(space.isAccepted());
}

void CommandButton::keyReleaseEvent(QKeyEvent* e) {
  if (!isEnterKey(e)) {
    QPushButton::keyReleaseEvent(e);
    return;
  }
  QKeyEvent space = asSpace(e);
  QPushButton::keyReleaseEvent(&space);
  e->setAccepted(space.isAccepted());
}

void CommandButton::mouseMoveEvent(QMouseEvent* e) {
  QPushButton::mouseMoveEvent(e);
  if (onMouseMove)
    onMouseMove(mouseButtonCode(e), mouseShiftCode(e), pixelsToTwips(e->position().x()),
                pixelsToTwips(e->position().y()));
}

namespace {
// The gap the style leaves between a picture and the caption beside it.
constexpr int kPictureGap = 4;
}  // namespace

bool CommandButton::pictureAboveCaption() const {
  if (icon().isNull() || text().isEmpty()) return false;
  QStyleOptionButton opt;
  initStyleOption(&opt);
  const QRect inside = style()->subElementRect(QStyle::SE_PushButtonContents, &opt, this);
  QString shown = text();
  shown.remove('&');
  return iconSize().width() + kPictureGap + fontMetrics().horizontalAdvance(shown) > inside.width();
}

void CommandButton::paintEvent(QPaintEvent* e) {
  if (!pictureAboveCaption()) {
    QPushButton::paintEvent(e);
    return;
  }
  // The button's face and focus as the style draws them; the picture centred above the
  // caption, the pair centred in the inside.
  QStylePainter p(this);
  QStyleOptionButton opt;
  initStyleOption(&opt);
  p.drawControl(QStyle::CE_PushButtonBevel, opt);
  const QRect inside = style()->subElementRect(QStyle::SE_PushButtonContents, &opt, this);
  const QSize picture = iconSize();
  const int textHeight = fontMetrics().height();
  const int top = inside.top() + std::max(0, (inside.height() - picture.height() - textHeight) / 2);
  const bool pressed = opt.state & (QStyle::State_Sunken | QStyle::State_On);
  const QPoint shift = pressed ? QPoint(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &opt, this),
                                        style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &opt, this))
                               : QPoint();
  const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
  const QRect pictureRect(inside.left() + (inside.width() - picture.width()) / 2, top, picture.width(),
                          picture.height());
  p.drawPixmap(pictureRect.translated(shift), icon().pixmap(picture, devicePixelRatio(), mode));
  const QRect textRect(inside.left(), top + picture.height(), inside.width(), textHeight);
  int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic;
  if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &opt, this)) flags |= Qt::TextHideMnemonic;
  style()->drawItemText(&p, textRect.translated(shift), flags, opt.palette, isEnabled(), text(), QPalette::ButtonText);
  if (opt.state & QStyle::State_HasFocus) {
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(opt);
    focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &opt, this);
    p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}

void CommandButton::setForeColor(rt::Colour c) {
  QPalette p = palette();
  p.setColor(QPalette::ButtonText, toQColor(c));
  setPalette(p);
}

CommandButton* placeButton(QWidget* parent, const QString& caption, double left, double top, double width,
                           double height, std::function<void()> onClick) {
  auto* b = new CommandButton(parent, caption);
  placeTwips(b, left, top, width, height);
  b->onClick = std::move(onClick);
  return b;
}

}  // namespace plat
