#pragma once
// The main menu: the first window, the hub from which every project opens.

#include <array>
#include <QPointer>
#include <functional>

#include "platform/form.h"

namespace plat {
class CommandButton;
class ImageBox;
}  // namespace plat

namespace shell {

class frmMenu : public plat::Form {
  Q_OBJECT
 public:
  using ProjectFactory = std::function<plat::Form*()>;

  frmMenu();
  ~frmMenu() override;
  // The window each project button opens, made anew for every opening.
  void setProject(int index, ProjectFactory make);
  // How the program ends (tests replace it); by default the event loop stops.
  std::function<void(int code)> onEnd;
  // True once the load step failed or Exit ran: the program is ending.
  bool ended() const { return m_ended; }
  // The project window now open, if any.
  plat::Form* openProject() const { return m_project; }

  plat::CommandButton* cmdChoice(int index) const { return m_choice[size_t(index)]; }
  plat::CommandButton* cmdExit() const { return m_exit; }
  plat::CommandButton* cmdHelp() const { return m_help; }

  void cmdChoice_Click(int index);
  void cmdHelp_Click();
  void cmdExit_Click();

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  void closeFromTitleBar() override { cmdExit_Click(); }

 private:
  void end(int code);
  std::array<plat::CommandButton*, 11> m_choice{};
  std::array<ProjectFactory, 11> m_factory{};
  plat::CommandButton* m_exit = nullptr;
  plat::CommandButton* m_help = nullptr;
  plat::ImageBox* m_image = nullptr;
  QPointer<plat::Form> m_project;
  bool m_ended = false;
};

// The menu of the running program.
frmMenu* menu();
// A project's way back: shows the menu again (it was only hidden).
void ShowMenu();

// The captions of the ten project buttons, in menu order (index 1 to 10).
QString projectCaption(int index);

}  // namespace shell
