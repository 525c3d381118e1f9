#pragma once
// A frame of controls that stands in for a dialog (the weather window's file frame) answers
// the keyboard as a dialog does while it shows: Escape presses its Cancel button, and Enter
// its OK button, wherever the focus is inside it, unless the focused control takes the key
// itself (a focused button takes Enter as a press of its own).

class QWidget;

namespace plat {

class CommandButton;

void answerDialogKeys(QWidget* frame, CommandButton* ok, CommandButton* cancel);

}  // namespace plat
