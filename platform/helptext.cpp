#include "platform/helptext.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>

#include "platform/accessible.h"
#include "platform/hypertextbus.h"

namespace plat {

namespace {

// The invisible break opportunities the page puts into long words: no part of what is read.
constexpr QChar kBreakOpportunity(0x200B);

// Where a stretch of the page's text stands on the screen.
QRect screenRect(HelpText* text, int start, int end) {
  QTextCursor c(text->document());
  c.setPosition(start);
  const QRect first = text->cursorRect(c);
  c.setPosition(end);
  const QRect last = text->cursorRect(c);
  QRect r = first.united(last);
  if (last.top() != first.top()) r.setRight(text->viewport()->width());  // it runs over a line
  return QRect(text->viewport()->mapToGlobal(r.topLeft()), r.size());
}

// A link of the page: a link a screen reader can name, focus and follow, with where it stands
// in the page's text and where it leads.
class LinkAccessible : public PartAccessible, public QAccessibleActionInterface, public QAccessibleHyperlinkInterface {
 public:
  LinkAccessible(HelpText* text, int index) : PartAccessible(text), m_text(text), m_index(index) {}

  bool isValid() const override { return m_text && m_index < int(m_text->links().size()); }
  QAccessible::Role role() const override { return QAccessible::Link; }

  QString text(QAccessible::Text t) const override {
    if (!isValid() || t != QAccessible::Name) return QString();
    return link().text;
  }

  QAccessible::State state() const override {
    QAccessible::State s;
    if (!isValid()) {
      s.invalid = true;
      return s;
    }
    const QAccessible::State page = parent()->state();
    s.invisible = page.invisible;
    s.offscreen = page.offscreen;
    s.focusable = true;
    s.focused = m_text->focusedLink() == m_index;
    s.linked = true;
    return s;
  }
  QRect rect() const override { return isValid() ? screenRect(m_text, link().start, link().end) : QRect(); }

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
    if (t == QAccessible::HyperlinkInterface) return static_cast<QAccessibleHyperlinkInterface*>(this);
    return nullptr;
  }
  QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
  void doAction(const QString& action) override {
    if (!isValid()) return;
    if (action == pressAction()) m_text->followLink(m_index);
    if (action == setFocusAction()) m_text->focusLink(m_index);
  }
  QStringList keyBindingsForAction(const QString& action) const override {
    return action == pressAction() ? QStringList{QStringLiteral("Return")} : QStringList();
  }

  QString anchor() const override { return isValid() ? link().text : QString(); }
  QString anchorTarget() const override { return isValid() ? link().target : QString(); }
  int startIndex() const override { return isValid() ? link().start : -1; }
  int endIndex() const override { return isValid() ? link().end : -1; }

 private:
  const HelpText::Link& link() const { return m_text->links()[size_t(m_index)]; }
  QPointer<HelpText> m_text;
  int m_index;
};

// The page: a read-only, many-line text read through the text interface, caret and all,
// whose children are its links.
class HelpTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface, public AccessibleHypertext {
 public:
  explicit HelpTextAccessible(HelpText* text) : QAccessibleWidget(text, QAccessible::EditableText) {}
  using QAccessibleWidget::text;

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.editable = false;
    s.readOnly = true;
    s.multiLine = true;
    s.selectableText = true;
    return s;
  }
  int childCount() const override { return int(page()->links().size()); }
  QAccessibleInterface* child(int index) const override { return page()->linkAccessible(index); }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < childCount(); ++i)
      if (page()->linkAccessible(i) == child) return i;
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (int i = 0; i < childCount(); ++i)
      if (QAccessibleInterface* link = child(i); link->rect().contains(x, y)) return link;
    return nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    const int focused = page()->focusedLink();
    return focused >= 0 ? child(focused) : nullptr;
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  int linkCount() const override { return childCount(); }
  QAccessibleInterface* linkAt(int index) const override { return child(index); }
  int linkIndexAtCharacter(int offset) const override {
    const auto& links = page()->links();
    for (int i = 0; i < int(links.size()); ++i)
      if (offset >= links[size_t(i)].start && offset < links[size_t(i)].end) return i;
    return -1;
  }

  void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = 0;
    const QTextCursor c = page()->textCursor();
    if (selectionIndex != 0 || !c.hasSelection()) return;
    *startOffset = c.selectionStart();
    *endOffset = c.selectionEnd();
  }
  int selectionCount() const override { return page()->textCursor().hasSelection() ? 1 : 0; }
  void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
  void removeSelection(int) override { setCursorPosition(cursorPosition()); }
  void setSelection(int, int startOffset, int endOffset) override {
    QTextCursor c(page()->document());
    c.setPosition(clamped(startOffset));
    c.setPosition(clamped(endOffset), QTextCursor::KeepAnchor);
    page()->setTextCursor(c);
  }
  int cursorPosition() const override { return page()->textCursor().position(); }
  void setCursorPosition(int position) override {
    QTextCursor c(page()->document());
    c.setPosition(clamped(position));
    page()->setTextCursor(c);
  }
  QString text(int startOffset, int endOffset) const override {
    return plainText().mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override { return std::max(0, page()->document()->characterCount() - 1); }
  QRect characterRect(int offset) const override { return screenRect(page(), clamped(offset), clamped(offset + 1)); }
  int offsetAtPoint(const QPoint& point) const override {
    const QPoint local = page()->viewport()->mapFromGlobal(point);
    if (!page()->viewport()->rect().contains(local)) return -1;
    return page()->cursorForPosition(local).position();
  }
  void scrollToSubstring(int startIndex, int) override {
    QTextCursor c(page()->document());
    c.setPosition(clamped(startIndex));
    page()->setTextCursor(c);
    page()->ensureCursorVisible();
  }
  QString attributes(int offset, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = offset;
    return QString();
  }

  // Lines are the lines the page is laid out in, as they show; words, sentences and
  // paragraphs the toolkit finds in the text.
  QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                       int* endOffset) const override {
    if (type != QAccessible::LineBoundary)
      return QAccessibleTextInterface::textAtOffset(offset, type, startOffset, endOffset);
    return lineAt(offset, startOffset, endOffset);
  }
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                           int* endOffset) const override {
    if (type != QAccessible::LineBoundary)
      return QAccessibleTextInterface::textBeforeOffset(offset, type, startOffset, endOffset);
    int start = 0, end = 0;
    lineAt(offset, &start, &end);
    if (start <= 0) {
      *startOffset = *endOffset = -1;
      return QString();
    }
    return lineAt(start - 1, startOffset, endOffset);
  }
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                          int* endOffset) const override {
    if (type != QAccessible::LineBoundary)
      return QAccessibleTextInterface::textAfterOffset(offset, type, startOffset, endOffset);
    int start = 0, end = 0;
    lineAt(offset, &start, &end);
    if (end >= characterCount()) {
      *startOffset = *endOffset = -1;
      return QString();
    }
    return lineAt(end, startOffset, endOffset);
  }

 private:
  HelpText* page() const { return static_cast<HelpText*>(widget()); }
  QString plainText() const { return page()->toPlainText(); }
  int clamped(int offset) const { return std::clamp(offset, 0, characterCount()); }

  // The laid-out line holding an offset (the caret's for -2), with the break that ends it.
  QString lineAt(int offset, int* startOffset, int* endOffset) const {
    if (offset == -2) offset = cursorPosition();
    if (offset < 0 || offset > characterCount()) {
      *startOffset = *endOffset = -1;
      return QString();
    }
    QTextCursor c(page()->document());
    c.setPosition(offset);
    const QPair<int, int> line = QAccessible::qAccessibleTextBoundaryHelper(c, QAccessible::LineBoundary);
    *startOffset = line.first;
    *endOffset = std::min(
        characterCount(),
        line.second + (line.second < characterCount() && plainText().at(line.second) == QLatin1Char('\n') ? 1 : 0));
    return text(*startOffset, *endOffset);
  }
};

}  // namespace

HelpText::HelpText(QWidget* parent) : QTextBrowser(parent) {
  installAccessible<HelpText, HelpTextAccessible>();
  setOpenLinks(false);
  // The caret is there for screen readers and the keyboard alone: it is never drawn.
  setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
  setCursorWidth(0);
  connect(this, &QTextEdit::textChanged, this, &HelpText::findLinks);
}

void HelpText::findLinks() {
  m_linkParts.clear();
  m_links.clear();
  for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextFragment f = it.fragment();
      const QString target = f.charFormat().anchorHref();
      if (!f.isValid() || !f.charFormat().isAnchor() || target.isEmpty()) continue;
      QString words = f.text();
      words.remove(kBreakOpportunity);
      // One link may be laid out in several fragments.
      if (!m_links.empty() && m_links.back().end == f.position() && m_links.back().target == target) {
        m_links.back().end += f.length();
        m_links.back().text += words;
      } else {
        m_links.push_back({f.position(), f.position() + f.length(), words, target});
      }
    }
  }
  if (!QAccessible::isActive()) return;
  offerHypertextOnBus();
  // A reader learns of the page's new links.
  for (int i = 0; i < int(m_links.size()); ++i) {
    QAccessibleEvent created(linkAccessible(i), QAccessible::ObjectCreated);
    QAccessible::updateAccessibility(&created);
  }
}

QAccessibleInterface* HelpText::linkAccessible(int index) {
  if (index < 0 || index >= int(m_links.size())) return nullptr;
  return m_linkParts.at(index, [&] { return new LinkAccessible(this, index); });
}

int HelpText::focusedLink() const {
  if (!hasFocus()) return -1;
  const QTextCursor c = textCursor();
  if (!c.hasSelection()) return -1;
  for (int i = 0; i < int(m_links.size()); ++i)
    if (m_links[size_t(i)].start == c.selectionStart() && m_links[size_t(i)].end == c.selectionEnd()) return i;
  return -1;
}

void HelpText::focusLink(int index) {
  if (index < 0 || index >= int(m_links.size())) return;
  QTextCursor c(document());
  c.setPosition(m_links[size_t(index)].start);
  c.setPosition(m_links[size_t(index)].end, QTextCursor::KeepAnchor);
  setTextCursor(c);
  ensureCursorVisible();
  setFocus(Qt::OtherFocusReason);
  tellLinkFocused();
}

void HelpText::followLink(int index) {
  if (index >= 0 && index < int(m_links.size())) emit anchorClicked(QUrl(m_links[size_t(index)].target));
}

void HelpText::tellLinkFocused() {
  const int focused = focusedLink();
  if (focused < 0 || !QAccessible::isActive()) return;
  QAccessibleEvent e(linkAccessible(focused), QAccessible::Focus);
  QAccessible::updateAccessibility(&e);
}

bool HelpText::focusNextPrevChild(bool next) {
  const bool moved = QTextBrowser::focusNextPrevChild(next);
  if (hasFocus()) tellLinkFocused();
  return moved;
}

void HelpText::keyPressEvent(QKeyEvent* e) {
  const int before = textCursor().position();
  QTextBrowser::keyPressEvent(e);
  // Up and Down moved the page a line a press before it had a caret, and still do: the
  // caret's line goes to the top, as far as the page scrolls.
  const bool upOrDown = e->key() == Qt::Key_Up || e->key() == Qt::Key_Down;
  if (upOrDown && !(e->modifiers() & ~Qt::KeypadModifier) && textCursor().position() != before) {
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() + cursorRect().top() - int(document()->documentMargin()));
  }
}

}  // namespace plat
