#pragma once
// A project's stand-in until the project itself is built: a window with the project's caption
// and an Exit button back to the menu.

#include "platform/form.h"

namespace plat {
class CommandButton;
}

namespace shell {

class PlaceholderWindow : public plat::Form {
  Q_OBJECT
 public:
  PlaceholderWindow(const QString& caption, const QString& helpFile, int helpTopic);
  plat::CommandButton* cmdExit() const { return m_exit; }
  void cmdExit_Click();

 protected:
  void Form_Load() override { centreOnScreen(); }
  void closeFromTitleBar() override { cmdExit_Click(); }

 private:
  plat::CommandButton* m_exit;
};

}  // namespace shell
