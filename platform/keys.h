#pragma once
// The keyboard as the windows' key handlers see it: a key code for every physical key
// (13 Enter, 9 Tab, 8 Backspace, 37 to 40 the arrows, 65 to 90 the letters, 112 on the
// function keys), a shift state (1 Shift, 2 Ctrl, 4 Alt, added together) and, for keys
// that type something, the character code (8 Backspace, 9 Tab, 13 Enter, 27 Escape,
// 1 to 26 for Ctrl with a letter, else the character itself).

#include <QString>
#include <Qt>

class QKeyEvent;

namespace plat {

namespace key {
enum : int {
  Back = 8,
  Tab = 9,
  Return = 13,
  Shift = 16,
  Control = 17,
  Menu = 18,
  Escape = 27,
  Space = 32,
  PageUp = 33,
  PageDown = 34,
  End = 35,
  Home = 36,
  Left = 37,
  Up = 38,
  Right = 39,
  Down = 40,
  Insert = 45,
  Delete = 46,
  F1 = 112,
};
}  // namespace key

int keyCodeOf(const QKeyEvent* e);
int shiftStateOf(Qt::KeyboardModifiers m);
// A key pressed with Alt or Meta held: an access key or a command, which types nothing.
// AltGr is no such key: it types the characters of the keyboard's third level, and reports
// a switch of the keyboard's group, or no modifier at all.
bool isCommandKey(const QKeyEvent* e);
// The characters a key types: one, several for a key that composes them, or none (a key
// that types nothing, a command key, Ctrl with a key, a control character).
QString typedTextOf(const QKeyEvent* e);
// The character code of a key that types one character, or 0 for a key that types nothing
// (arrows, Delete, F1, Alt with a key) or several characters.
int keyAsciiOf(const QKeyEvent* e);

}  // namespace plat
