#include "platform/button.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "platform/colours.h"
#include "platform/picturebox.h"
#include "platform/twips.h"

namespace plat {

CommandButton::CommandButton(QWidget* parent, const QString& caption) : QPushButton(caption, parent) {
  setAutoDefault(false);
  setMouseTracking(true);
  connect(this, &QPushButton::clicked, this, [this] {
    if (onClick) onClick();
  });
}

void CommandButton::setCaption(const QString& caption) {
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
