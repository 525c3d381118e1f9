#include "platform/keys.h"

#include <QKeyEvent>

namespace plat {

int keyCodeOf(const QKeyEvent* e) {
  int k = e->key();
  if (k >= Qt::Key_A && k <= Qt::Key_Z) return k;  // 65 to 90, as the letters
  if (k >= Qt::Key_0 && k <= Qt::Key_9) return k;  // 48 to 57
  if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return key::F1 + (k - Qt::Key_F1);
  switch (k) {
    case Qt::Key_Backspace: return key::Back;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return key::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return key::Return;
    case Qt::Key_Shift: return key::Shift;
    case Qt::Key_Control: return key::Control;
    case Qt::Key_Alt: return key::Menu;
    case Qt::Key_Escape: return key::Escape;
    case Qt::Key_Space: return key::Space;
    case Qt::Key_PageUp: return key::PageUp;
    case Qt::Key_PageDown: return key::PageDown;
    case Qt::Key_End: return key::End;
    case Qt::Key_Home: return key::Home;
    case Qt::Key_Left: return key::Left;
    case Qt::Key_Up: return key::Up;
    case Qt::Key_Right: return key::Right;
    case Qt::Key_Down: return key::Down;
    case Qt::Key_Insert: return key::Insert;
    case Qt::Key_Delete: return key::Delete;
    case Qt::Key_Minus: return 189;
    case Qt::Key_Period: return 190;
    case Qt::Key_Comma: return 188;
    default: break;
  }
  return k < 256 ? k : 0;
}

int shiftStateOf(Qt::KeyboardModifiers m) {
  int s = 0;
  if (m & Qt::ShiftModifier) s |= 1;
  if (m & Qt::ControlModifier) s |= 2;
  if (m & Qt::AltModifier) s |= 4;
  return s;
}

bool isCommandKey(const QKeyEvent* e) {
  const Qt::KeyboardModifiers m = e->modifiers();
  return (m & (Qt::AltModifier | Qt::MetaModifier)) && !(m & Qt::GroupSwitchModifier);
}

QString typedTextOf(const QKeyEvent* e) {
  const Qt::KeyboardModifiers m = e->modifiers();
  if (!(m & Qt::GroupSwitchModifier) && (m & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
    return QString();
  QString typed;
  for (QChar c : e->text())
    if (c.unicode() >= 32 && c.unicode() != 127) typed += c;
  return typed;
}

int keyAsciiOf(const QKeyEvent* e) {
  if (isCommandKey(e)) return 0;  // Alt+Backspace and Alt+Enter too: a command, no character
  int k = e->key();
  switch (k) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    default: break;
  }
  if ((e->modifiers() & Qt::ControlModifier) && k >= Qt::Key_A && k <= Qt::Key_Z) return k - Qt::Key_A + 1;
  const QString typed = typedTextOf(e);
  return typed.size() == 1 ? typed.at(0).unicode() : 0;
}

}  // namespace plat
