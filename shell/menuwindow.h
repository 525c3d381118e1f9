#pragma once
// The main menu: the first window, the hub from which every project opens.

#include <QPointer>
#include <array>
#include <functional>

#include "platform/form.h"

namespace plat {
class CommandButton;
class ImageBox;
}  // namespace plat

namespace shell {

class MenuWindow : public plat::Form {
  Q_OBJECT
 public:
  using ProjectFactory = std::function<plat::Form*()>;

  MenuWindow();
  ~MenuWindow() override;
  // The window each project button opens, made anew for every opening.
  void setProject(int index, ProjectFactory make);
  // How the program ends (tests replace it); by default the event loop stops.
  std::function<void(int code)> onEnd;
  // True once the load step failed or Exit ran: the program is ending.
  bool ended() const { return m_ended; }
  // The project window now open, if any.
  plat::Form* currentProject() const { return m_project; }

  // Hides the menu and opens project 1 to 10, which is given its way back here.
  void openProject(int index);
  // Writes the settings file and ends the program.
  void exitProgram();

 protected:
  void loadStep() override;
  void unloadStep() override;
  void closeFromTitleBar() override { exitProgram(); }

 private:
  void end(int code);
  std::array<plat::CommandButton*, 11> m_projectButtons{};
  std::array<ProjectFactory, 11> m_factory{};
  plat::CommandButton* m_exitButton = nullptr;
  plat::CommandButton* m_helpButton = nullptr;
  plat::ImageBox* m_picture = nullptr;
  QPointer<plat::Form> m_project;
  bool m_ended = false;
};

// The captions of the ten project buttons, in menu order (index 1 to 10).
QString projectCaption(int index);

}  // namespace shell
