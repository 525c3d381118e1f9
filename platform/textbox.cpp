#include "platform/textbox.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDropEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>

#include "platform/accessible.h"
#include "platform/colours.h"
#include "platform/keys.h"

namespace plat {

namespace {
bool isTabKey(const QKeyEvent* k) {
  return (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) &&
         !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

// Ctrl+Tab and Ctrl+Shift+Tab.
bool isFocusKey(const QKeyEvent* k) {
  return (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) && (k->modifiers() & Qt::ControlModifier) &&
         !(k->modifiers() & (Qt::AltModifier | Qt::MetaModifier));
}

// Screen readers see a text box as one editable text: named by the label whose buddy it is
// (or its own accessible name), its text as its value, read through the text interface.
// The box's inner viewport is no separate object to them, so the focus they find is the
// box itself.
class TextBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit TextBoxAccessible(TextBox* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

  QAccessible::Role role() const override {
    return box()->announced() ? QAccessible::Notification : QAccessible::EditableText;
  }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return box()->text();
    // A locked box that no label names is a message: its text names it, as a label's does.
    if (t == QAccessible::Name && box()->isReadOnly()) {
      const QString name = QAccessibleWidget::text(t);
      return name.isEmpty() ? box()->text().simplified() : name;
    }
    return QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.editable = !box()->isReadOnly();
    s.readOnly = box()->isReadOnly();
    s.multiLine = box()->multiLine();
    s.selectableText = true;
    return s;
  }
  int childCount() const override { return 0; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || box()->selLength() == 0) return;
    *startOffset = box()->selStart();
    *endOffset = box()->selStart() + box()->selLength();
  }
  int selectionCount() const override { return box()->selLength() > 0 ? 1 : 0; }
  void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
  void removeSelection(int) override { box()->setSelStart(box()->textCursor().position()); }
  void setSelection(int, int startOffset, int endOffset) override {
    box()->setSelStart(startOffset);
    box()->setSelLength(endOffset - startOffset);
  }
  int cursorPosition() const override { return box()->textCursor().position(); }
  void setCursorPosition(int position) override { box()->setSelStart(position); }
  QString text(int startOffset, int endOffset) const override {
    return box()->text().mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override { return int(box()->text().size()); }
  QRect characterRect(int offset) const override {
    QTextCursor c(box()->document());
    c.setPosition(std::clamp(offset, 0, characterCount()));
    QRect r = box()->cursorRect(c);
    const QString ch = box()->text().mid(offset, 1);
    r.setWidth(std::max(1, box()->fontMetrics().horizontalAdvance(ch)));
    return QRect(box()->viewport()->mapToGlobal(r.topLeft()), r.size());
  }
  int offsetAtPoint(const QPoint& point) const override {
    const QPoint local = box()->viewport()->mapFromGlobal(point);
    if (!box()->viewport()->rect().contains(local)) return -1;
    return box()->cursorForPosition(local).position();
  }
  void scrollToSubstring(int startIndex, int) override { box()->setSelStart(startIndex); }
  QString attributes(int offset, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = offset;
    return QString();
  }

 private:
  TextBox* box() const { return static_cast<TextBox*>(widget()); }
};

}  // namespace

TextBox::TextBox(QWidget* parent, const QString& text) : QPlainTextEdit(parent) {
  installAccessible<TextBox, TextBoxAccessible>();
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setWordWrapMode(QTextOption::NoWrap);
  setTabChangesFocus(false);
  // Dropped text and what an input method composes enter as pasted and typed text do,
  // through the KeyPress filter.
  setAcceptDrops(true);
  setAttribute(Qt::WA_InputMethodEnabled, true);
  document()->setDocumentMargin(1);
  setBorder(true);
  setBackColor(0xFFFFFF);
  setForeColor(0x000000);
  connect(this, &QPlainTextEdit::textChanged, this, &TextBox::textWasChanged);
  setText(text);
}

void TextBox::setText(const QString& t) {
  if (t == toPlainText()) return;
  setPlainText(t);  // the caret goes to the start; textChanged reports the change
}

void TextBox::textWasChanged() {
  QString now = toPlainText();
  if (now == m_text) return;  // a change of format only
  m_text = now;
  if (onChange) onChange();
}

int TextBox::selStart() const { return textCursor().selectionStart(); }
int TextBox::selLength() const { return textCursor().selectionEnd() - textCursor().selectionStart(); }
QString TextBox::selText() const { return textCursor().selectedText().replace(QChar::ParagraphSeparator, '\n'); }

void TextBox::setSelStart(int pos) {
  QTextCursor c = textCursor();
  c.setPosition(std::clamp(pos, 0, int(toPlainText().size())));
  setTextCursor(c);
}

void TextBox::setSelLength(int length) {
  QTextCursor c = textCursor();
  int start = c.selectionStart();
  int end = std::clamp(start + std::max(0, length), start, int(toPlainText().size()));
  c.setPosition(start);
  c.setPosition(end, QTextCursor::KeepAnchor);
  setTextCursor(c);
}

void TextBox::setSelText(const QString& t) { textCursor().insertText(t); }

void TextBox::selectAllText() { selectAll(); }

void TextBox::setMultiLine(bool on) {
  m_multiLine = on;
  setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  setWordWrapMode(on ? QTextOption::WordWrap : QTextOption::NoWrap);
}

void TextBox::setAlignment(Align a) {
  QTextOption o = document()->defaultTextOption();
  o.setAlignment(a == AlignRight ? Qt::AlignRight : a == AlignCenter ? Qt::AlignHCenter : Qt::AlignLeft);
  document()->setDefaultTextOption(o);
}

void TextBox::setBorder(bool on) {
  setFrameStyle(on ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
  setLineWidth(1);
}

void TextBox::setForeColor(rt::Colour c) {
  QPalette p = palette();
  p.setColor(QPalette::Text, toQColor(c));
  setPaletteHidingSelection(p);
}

void TextBox::setBackColor(rt::Colour c) {
  QPalette p = palette();
  p.setColor(QPalette::Base, toQColor(c));
  setPaletteHidingSelection(p);
}

// A box without the focus keeps its selection (SelStart and SelLength still read it) but
// does not show it: the box draws a selection in its inactive colours whenever it lacks the
// focus, so those colours are its plain text on its plain background. A box whose window
// is not active has lost the focus too, and shows no selection until it comes back.
void TextBox::setPaletteHidingSelection(QPalette p) {
  p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Inactive, QPalette::Base));
  p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Inactive, QPalette::Text));
  setPalette(p);
}

// Tab must reach keyPressEvent instead of moving the focus on its own. A box that is disabled
// while it has the focus passes it on as every control does (its window lands it once the
// handler is done): refused here, the toolkit would clear the focus and tell screen readers
// the box had it anew.
bool TextBox::focusNextPrevChild(bool next) {
  if (!isEnabled() || !isVisible()) return QWidget::focusNextPrevChild(next);
  return false;
}

// Ctrl+Tab leaves the boxes that take Tab for themselves (a grid's cells, a dialog's rows
// that Tab cycles through) for the window's next control that takes the focus from the
// keyboard; Ctrl+Shift+Tab for the one before them. The boxes passed over get no focus on
// the way, so none of them sees a GotFocus or LostFocus of its own.
void TextBox::leaveByKeyboard(bool forward) {
  QWidget* top = window();
  QWidget* w = this;
  for (;;) {
    w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
    if (!w || w == this) return;
    if (w->window() != top || !w->isEnabled() || !w->isVisibleTo(top) || !(w->focusPolicy() & Qt::TabFocus) ||
        w->focusProxy())
      continue;
    if (auto* box = qobject_cast<TextBox*>(w); box && box->takesTab()) continue;
    w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return;
  }
}

bool TextBox::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) windowActivated();
  // Tab normally never reaches a widget's key handler; here it does, like any other key.
  if (e->type() == QEvent::KeyPress && isTabKey(static_cast<QKeyEvent*>(e))) {
    keyPressEvent(static_cast<QKeyEvent*>(e));
    return true;
  }
  return QPlainTextEdit::event(e);
}

void TextBox::keyPressEvent(QKeyEvent* e) {
  // Ctrl+Tab leaves the box whatever its handlers make of Tab: the keyboard's way on to the
  // window's other controls.
  if (isFocusKey(e)) {
    leaveByKeyboard(!(e->modifiers() & Qt::ShiftModifier) && e->key() != Qt::Key_Backtab);
    return;
  }
  QPointer<TextBox> alive(this);
  int code = keyCodeOf(e);
  if (onKeyDown && code != 0) {
    int c = code;
    onKeyDown(c, shiftStateOf(e->modifiers()));
    if (!alive || c == 0) return;
  }
  // With Alt or Meta held a key is an access key or a command: it types nothing, and the
  // window may take it.
  if (isCommandKey(e)) {
    e->ignore();
    return;
  }
  int original = keyAsciiOf(e);
  if (original == 0) {
    // One key that types several characters (composed), each met as if typed.
    const QString typed = typedTextOf(e);
    if (!typed.isEmpty()) {
      enterText(typed);
      return;
    }
    // A key that types nothing: the caret keys, Delete, function keys. Ctrl+Page Down and
    // Ctrl+Page Up are the page tabs' keys, which a box on one line leaves to them.
    const bool pageKey = e->key() == Qt::Key_PageUp || e->key() == Qt::Key_PageDown;
    if (!m_multiLine && pageKey && (e->modifiers() & Qt::ControlModifier)) {
      e->ignore();
      return;
    }
    if (!m_multiLine && (e->key() == Qt::Key_Up || e->key() == Qt::Key_Down || pageKey)) return;
    editByKey(e);
    return;
  }
  int a = original;
  if (onKeyPress) {
    onKeyPress(a);
    if (!alive || a == 0) return;
  }
  typeCharacter(e, original, a);
}

void TextBox::typeCharacter(QKeyEvent* e, int original, int code) {
  switch (code) {
    case 8:
      if (isReadOnly()) return;
      if (original == 8)
        editByKey(e);
      else
        textCursor().deletePreviousChar();
      return;
    case 9: {
      // A window that handles the box's keys moves the focus itself; otherwise Tab passes
      // the focus on as in any other control.
      bool forward = !(e->modifiers() & Qt::ShiftModifier) && e->key() != Qt::Key_Backtab;
      if (!onKeyDown && !onKeyPress) QWidget::focusNextPrevChild(forward);
      return;
    }
    case 13:
      if (m_multiLine) insertTyped("\n");
      return;
    case 27: return;
    default: break;
  }
  if (code < 32) {
    // Ctrl with a letter: copy, cut, paste, undo, select all, as the box does them.
    if (code == original) editByKey(e);
    return;
  }
  const char32_t typed = char32_t(code);
  insertTyped(QString::fromUcs4(&typed, 1));
}

// The editor sees a key for what it does (the caret keys, Delete, the clipboard's keys),
// never for the text it carries: every character enters through the filter.
void TextBox::editByKey(QKeyEvent* e) {
  QKeyEvent bare(e->type(), e->key(), e->modifiers(), e->nativeScanCode(), e->nativeVirtualKey(), e->nativeModifiers(),
                 QString(), e->isAutoRepeat(), quint16(e->count()), e->device());
  QPlainTextEdit::keyPressEvent(&bare);
  e->setAccepted(bare.isAccepted());
}

void TextBox::enterText(const QString& text) {
  if (isReadOnly()) return;
  QPointer<TextBox> alive(this);
  const QString accepted = filterTyped(text);
  if (alive) insertTyped(accepted);
}

QString TextBox::filterTyped(const QString& text) {
  QPointer<TextBox> alive(this);
  QString accepted;
  for (char32_t ch : text.toUcs4()) {
    int a = int(ch);
    if (a == '\n' && !m_multiLine) break;  // a box on one line takes the first line
    if (a < 32 && a != '\n') continue;
    if (a != '\n' && onKeyPress) {
      onKeyPress(a);
      if (!alive) return QString();
      if (a < 32) continue;  // dropped, or turned into a key that types no character
    }
    const char32_t kept = char32_t(a);
    accepted += QString::fromUcs4(&kept, 1);
  }
  return accepted;
}

QString TextBox::cutToRoom(QString text, int replaced) const {
  if (m_maxLength > 0) {
    const int room = std::max(0, m_maxLength - (int(toPlainText().size()) - replaced));
    if (text.size() > room) {
      text.truncate(room);
      if (!text.isEmpty() && text.back().isHighSurrogate()) text.chop(1);  // no half character
    }
  }
  return text;
}

void TextBox::insertTyped(QString text) {
  if (isReadOnly()) return;
  text = cutToRoom(text, selLength());
  if (text.isEmpty()) return;
  insertPlainText(text);
  ensureCursorVisible();
}

void TextBox::keyReleaseEvent(QKeyEvent* e) {
  QPlainTextEdit::keyReleaseEvent(e);
  if (onKeyUp && !e->isAutoRepeat()) onKeyUp(keyCodeOf(e), shiftStateOf(e->modifiers()));
}

bool TextBox::canInsertFromMimeData(const QMimeData* source) const { return source->hasText(); }

// Pasting (the keys, the context menu, the middle button) and dropping come here.
void TextBox::insertFromMimeData(const QMimeData* source) {
  if (isReadOnly() || !source->hasText()) return;
  QString pasted = source->text();
  if (!m_multiLine) {
    // A box on one line takes the first line of what is pasted.
    int end = pasted.indexOf(QRegularExpression("[\r\n]"));
    if (end >= 0) pasted.truncate(end);
  }
  if (m_movingOwnText) {
    // The box's own text dragged elsewhere in it: nothing new enters, and nothing is lost.
    insertPlainText(pasted);
    return;
  }
  enterText(pasted);
}

// A drop gives the box the focus, as a click would: a window that takes a box's value when
// it loses the focus then takes the dropped text too.
void TextBox::dropEvent(QDropEvent* e) {
  if (!isReadOnly() && !hasFocus()) setFocus(Qt::MouseFocusReason);
  m_movingOwnText = (e->source() == this || e->source() == viewport()) && e->dropAction() == Qt::MoveAction;
  QPlainTextEdit::dropEvent(e);
  m_movingOwnText = false;
}

// An input method shows what it composes as the editor shows it. What it commits enters as
// typed, through the filter and within the limit, over the selection and over the stretch
// beside the caret it replaces (an empty commit over a stretch deletes it, as a method's
// deletion of the characters before the caret does), the caret then after what entered. A
// commit the filter or the limit refuses in full changes nothing: the stretch it would have
// replaced stays, and the selection is what it was.
void TextBox::inputMethodEvent(QInputMethodEvent* e) {
  if (isReadOnly()) {
    e->ignore();  // the editor would take a method's text even into a locked box
    return;
  }
  if (e->commitString().isEmpty() && e->replacementLength() <= 0) {
    QPlainTextEdit::inputMethodEvent(e);
    return;
  }
  QPointer<TextBox> alive(this);
  const QString accepted = filterTyped(e->commitString());
  if (!alive) return;
  // The stretch is counted from the caret as it stands once the selection is gone.
  QTextCursor edit = textCursor();
  const int selected = edit.selectionEnd() - edit.selectionStart();
  const int rest = int(toPlainText().size()) - selected;
  const int from = std::clamp(edit.selectionStart() + e->replacementStart(), 0, rest);
  const int to = std::clamp(from + std::max(0, e->replacementLength()), from, rest);
  const QString entered = cutToRoom(accepted, selected + (to - from));
  if (!e->commitString().isEmpty() && entered.isEmpty()) {
    QInputMethodEvent composing(e->preeditString(), e->attributes());
    QPlainTextEdit::inputMethodEvent(&composing);
    e->accept();
    return;
  }
  edit.beginEditBlock();
  edit.removeSelectedText();
  edit.setPosition(from);
  edit.setPosition(to, QTextCursor::KeepAnchor);
  edit.insertText(entered);
  edit.endEditBlock();
  setTextCursor(edit);  // the caret after what entered, or where the stretch was
  ensureCursorVisible();
  QInputMethodEvent composing(e->preeditString(), e->attributes());
  QPlainTextEdit::inputMethodEvent(&composing);
  e->accept();
}

// The window's activation moves Qt's keyboard focus in and out of the box, but only a move of
// the focus between the program's controls is a GotFocus or LostFocus. The box remembers
// whether it held the focus when its window lost the activation: coming back to it is no
// event. A focus the program gave while the window was inactive (in a load step, before the
// window shows) only arrives with the activation, and is the box's GotFocus all the same.
void TextBox::focusInEvent(QFocusEvent* e) {
  QPlainTextEdit::focusInEvent(e);
  if (e->reason() == Qt::PopupFocusReason) return;
  const bool returning = e->reason() == Qt::ActiveWindowFocusReason && m_heldWhileInactive;
  m_heldWhileInactive = false;
  if (!returning && onGotFocus) onGotFocus();
}

void TextBox::focusOutEvent(QFocusEvent* e) {
  QPlainTextEdit::focusOutEvent(e);
  if (e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason) {
    m_heldWhileInactive = true;
    return;
  }
  m_heldWhileInactive = false;
  if (onLostFocus) onLostFocus();
}

// Before the activation hands the focus back: if the program moved the window's focus
// elsewhere meanwhile, the box lost it then.
void TextBox::windowActivated() {
  if (!m_heldWhileInactive || window()->focusWidget() == this) return;
  m_heldWhileInactive = false;
  if (onLostFocus) onLostFocus();
}

void TextBox::mouseReleaseEvent(QMouseEvent* e) {
  QPointer<TextBox> alive(this);
  QPlainTextEdit::mouseReleaseEvent(e);
  if (alive && e->button() == Qt::LeftButton && onClick) onClick();
}

void TextBox::mouseDoubleClickEvent(QMouseEvent* e) {
  QPointer<TextBox> alive(this);
  QPlainTextEdit::mouseDoubleClickEvent(e);
  if (alive && e->button() == Qt::LeftButton && onDblClick) onDblClick();
}

}  // namespace plat
