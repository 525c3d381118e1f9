#include "shell/menuwindow.h"

#include <QCoreApplication>

#include "platform/button.h"
#include "platform/controlarray.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/image.h"
#include "platform/layout.h"
#include "platform/services.h"
#include "platform/twips.h"
#include "runtime/palette.h"
#include "shell/programfolder.h"
#include "shell/settings.h"

namespace shell {

namespace {

constexpr plat::FontStyle kProjectFont{"Comic Sans MS", 12};
// Two columns of five, in menu order down the left column and then down the right.
constexpr plat::ControlRow kProjectButtons[11] = {
    {},
    {"Levers", 2880, 240, 2175, 615, kProjectFont},
    {"Pendulum", 2880, 960, 2175, 615, kProjectFont},
    {"Water Wheel", 2880, 1680, 2175, 615, kProjectFont},
    {"Moon Lander", 2880, 2400, 2175, 615, kProjectFont},
    {"Weather Watch", 2880, 3120, 2175, 615, kProjectFont},
    {"Circuits", 5160, 240, 2175, 615, kProjectFont},
    {"Robotics", 5160, 960, 2175, 615, kProjectFont},
    {"Trajectories", 5160, 1680, 2175, 615, kProjectFont},
    {"Rocketry", 5160, 2400, 2175, 615, kProjectFont},
    {"Probability", 5160, 3120, 2175, 615, kProjectFont},
};
constexpr plat::ControlRow kPicture{nullptr, 120, 120, 2700, 3000};
constexpr plat::ControlRow kExitButton{nullptr, 1560, 3240, 630, 615};
constexpr plat::ControlRow kHelpButton{"&Help", 720, 3240, 615, 615};

}  // namespace

QString projectCaption(int index) {
  return index >= 1 && index <= 10 ? QString::fromLatin1(kProjectButtons[index].caption) : QString();
}

MenuWindow::MenuWindow() {
  setKeptAfterUnload(true);
  setCaption("Vantrel, Version 4.0");
  setBackColor(rt::palette::kSoftRed);
  setClientSizeTwips(7395, 3945);
  setWindowIcon(plat::loadPicture("vantrel.png"));
  setHelp("vtrel.HLP", 0);
  onEnd = [](int code) { QCoreApplication::exit(code); };

  m_picture = plat::build<plat::ImageBox>(this, kPicture);
  m_picture->setPicture(plat::loadPicture("menu.png"));
  m_picture->setStretch(true);

  for (int i = 1; i <= 10; ++i) {
    auto* b = plat::build<plat::CommandButton>(this, kProjectButtons[i]);
    plat::nameInRow(b, "projectButton", i);
    b->onClick = [this, i] { openProject(i); };
    m_projectButtons[size_t(i)] = b;
  }
  m_exitButton = plat::build<plat::CommandButton>(this, kExitButton);
  m_exitButton->setObjectName("exitButton");
  m_exitButton->setPicture(plat::loadPicture("exit.png"), "Exit");
  m_exitButton->onClick = [this] { exitProgram(); };

  m_helpButton = plat::build<plat::CommandButton>(this, kHelpButton);
  m_helpButton->setObjectName("helpButton");
  m_helpButton->setPicture(plat::loadPicture("help16.png"));
  m_helpButton->onClick = [this] { showHelp(); };
}

MenuWindow::~MenuWindow() = default;

void MenuWindow::setProject(int index, ProjectFactory make) {
  if (index >= 1 && index <= 10) m_factory[size_t(index)] = std::move(make);
}

void MenuWindow::loadStep() {
  setBasePath(plat::programFolder());
  removeStaleTemporaries();
  centreOnScreen();
  if (!readSettingsFile()) {
    plat::messageBox("File missing/incomplete - Reinstall program", plat::msg::OkOnly | plat::msg::Critical);
    abortLoad();
    m_ended = true;
    if (onEnd) onEnd(1);
  }
}

void MenuWindow::unloadStep() { exitProgram(); }

void MenuWindow::openProject(int index) {
  if (index < 1 || index > 10 || !m_factory[size_t(index)]) return;
  hide();
  m_project = m_factory[size_t(index)]();
  m_project->setWayBack([this] { open(); });
  m_project->open();
}

void MenuWindow::exitProgram() {
  if (m_ended) return;
  std::string reason;
  if (!writeSettingsFile(&reason)) {
    // The old file is still whole; the user is told, and the program ends all the same,
    // with a status that says the settings were not kept.
    plat::messageBox(
        "The settings could not be saved in " + appFilePath("vtrel5.ini") + ".\n\n" + QString::fromStdString(reason),
        plat::msg::OkOnly | plat::msg::Exclamation);
    end(1);
    return;
  }
  end(0);
}

void MenuWindow::end(int code) {
  m_ended = true;
  if (onEnd) onEnd(code);
}

}  // namespace shell
