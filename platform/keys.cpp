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

int keyAsciiOf(const QKeyEvent* e) {
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
  bool ctrl = e->modifiers() & Qt::ControlModifier;
  if (ctrl && k >= Qt::Key_A && k <= Qt::Key_Z) return k - Qt::Key_A + 1;
  if (e->modifiers() & (Qt::AltModifier | Qt::MetaModifier)) return 0;
  QString t = e->text();
  if (t.size() != 1) return 0;
  char16_t c = t.at(0).unicode();
  if (c < 32 || c == 127) return 0;
  return c;
}

}  // namespace plat
