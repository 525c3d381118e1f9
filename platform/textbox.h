#pragma once
// A text box. Its events, in the order a key meets them:
// - KeyDown (key code, shift state) for every key, Tab and Shift+Tab included; a handler
//   that sets the key code to 0 drops the key, and it goes no further.
// - KeyPress (character code) for every key that types something, Backspace (8), Tab (9)
//   and Enter (13) included; a handler that sets the code to 0 drops the key, and one that
//   changes it types the new character instead.
// - Change after every change of the text, by typing, pasting or code (setting the text it
//   already has is no change).
// GotFocus and LostFocus come when the focus moves between the program's controls, not
// when the whole window loses or regains the activation (a message box, another program).
// A focus the program gives while the window is not active (a load step putting the focus
// on a box before the window shows) is a GotFocus when the window becomes active.
// A box shows its selection only while it has the focus; without it the selection is kept
// but not drawn.
//
// Tab and Shift+Tab do not move the focus in a text box whose window handles its keys: they
// reach the handlers, which decide where the focus goes. A text box without key handlers
// passes the focus on as usual.
//
// Ctrl+Tab and Ctrl+Shift+Tab move the focus on to the window's next and previous controls
// in every box, also in one whose window takes Tab for itself.
//
// A key with Alt or Meta held types nothing: it is an access key or a command (AltGr types
// its character). Every other way text enters (a key that types several characters, pasting
// by key, menu or middle button, dropping, an input method's commit) meets the KeyPress
// filter character by character, as if typed, so nothing enters the box that could not be
// typed into it. The length limit applies to all of them: text set by code (setText,
// setSelText) is kept whole, however long. An input method's commit goes over the stretch
// beside the caret it names (and deletes it when it commits nothing), as in a line edit.

#include <QPlainTextEdit>
#include <functional>

#include "runtime/colour.h"

namespace plat {

class TextBox : public QPlainTextEdit {
  Q_OBJECT
 public:
  enum Align : int { AlignLeft = 0, AlignRight = 1, AlignCenter = 2 };
  explicit TextBox(QWidget* parent, const QString& text = QString());

  QString text() const { return toPlainText(); }
  void setText(const QString& t);

  // 0: no limit.
  void setMaxLength(int chars) { m_maxLength = chars < 0 ? 0 : chars; }
  int maxLength() const { return m_maxLength; }

  int selStart() const;
  int selLength() const;
  QString selText() const;
  // The caret goes to a position (clamped to the text) with nothing selected.
  void setSelStart(int pos);
  // Selects this many characters from SelStart (as many as there are).
  void setSelLength(int length);
  // Replaces the selection by code (no filter, no limit).
  void setSelText(const QString& t);
  void selectAllText();

  // A text box on several lines, wrapping at its width; Enter then starts a new line.
  void setMultiLine(bool on);
  bool multiLine() const { return m_multiLine; }
  void setLocked(bool on) { setReadOnly(on); }
  // A locked box that shows a message on its own ("Crash!!"): heard as a notification, which
  // a screen reader announces each time it shows.
  void setAnnounced(bool announced) { m_announced = announced; }
  bool announced() const { return m_announced; }
  void setAlignment(Align a);
  void setBorder(bool on);
  void setForeColor(rt::Colour c);
  void setBackColor(rt::Colour c);
  void refresh() {
    repaint();
    viewport()->repaint();
  }

  std::function<void(int& keyCode, int shift)> onKeyDown;
  std::function<void(int& keyAscii)> onKeyPress;
  std::function<void(int keyCode, int shift)> onKeyUp;
  std::function<void()> onChange;
  std::function<void()> onGotFocus;
  std::function<void()> onLostFocus;
  std::function<void()> onClick;
  std::function<void()> onDblClick;

 protected:
  bool event(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  bool focusNextPrevChild(bool next) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
  void dropEvent(QDropEvent* e) override;
  void inputMethodEvent(QInputMethodEvent* e) override;

 private:
  void typeCharacter(QKeyEvent* e, int original, int code);
  void editByKey(QKeyEvent* e);
  // Text entered other than by one key, each character met by the KeyPress filter.
  void enterText(const QString& text);
  // The characters of a text the KeyPress filter lets in, as they are typed; the first line
  // only in a box on one line.
  QString filterTyped(const QString& text);
  // What of a text fits within the length limit once `replaced` characters have gone.
  QString cutToRoom(QString text, int replaced) const;
  // The one way typed text goes in: over the selection, cut to the length limit.
  void insertTyped(QString text);
  bool takesTab() const { return onKeyDown || onKeyPress; }
  void leaveByKeyboard(bool forward);
  void textWasChanged();
  void windowActivated();
  void setPaletteHidingSelection(QPalette p);
  QString m_text;
  int m_maxLength = 0;
  bool m_multiLine = false;
  bool m_announced = false;
  // The box had the focus when its window last lost the activation.
  bool m_heldWhileInactive = false;
  bool m_movingOwnText = false;
};

}  // namespace plat
