#include "shell/frmmenu.h"

#include <QCoreApplication>

#include "platform/button.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/image.h"
#include "platform/services.h"
#include "platform/twips.h"
#include "shell/module1.h"
#include "shell/settings.h"

namespace shell {

namespace {

frmMenu* g_menu = nullptr;

struct Choice {
  const char* caption;
  int left, top;
};
// Two columns of five, in menu order down the left column and then down the right.
constexpr Choice kChoices[11] = {
    {"", 0, 0},
    {"Levers", 2880, 240},        {"Pendulum", 2880, 960},     {"Water Wheel", 2880, 1680},
    {"Moon Lander", 2880, 2400},  {"Weather Watch", 2880, 3120}, {"Circuits", 5160, 240},
    {"Robotics", 5160, 960},      {"Trajectories", 5160, 1680}, {"Rocketry", 5160, 2400},
    {"Probability", 5160, 3120},
};

}  // namespace

QString projectCaption(int index) {
  return index >= 1 && index <= 10 ? QString::fromLatin1(kChoices[index].caption) : QString();
}

frmMenu* menu() { return g_menu; }

void ShowMenu() {
  if (g_menu) g_menu->Show();
}

frmMenu::frmMenu() {
  g_menu = this;
  setKeptAfterUnload(true);
  setCaption("Vantrel, Version 4.0");
  setBackColor(rt::RGB(255, 128, 128));
  setClientSizeTwips(7395, 3945);
  setWindowIcon(plat::loadPicture("vantrel.png"));
  onEnd = [](int code) { QCoreApplication::exit(code); };

  m_image = new plat::ImageBox(this);
  plat::placeTwips(m_image, 120, 120, 2700, 3000);
  m_image->setPicture(plat::loadPicture("menu.png"));
  m_image->setStretch(true);

  QFont choiceFont = plat::screenFont("Comic Sans MS", 12);
  for (int i = 1; i <= 10; ++i) {
    auto* b = new plat::CommandButton(this);
    b->setCaption(kChoices[i].caption);
    b->setFont(choiceFont);
    plat::placeTwips(b, kChoices[i].left, kChoices[i].top, 2175, 615);
    b->onClick = [this, i] { cmdChoice_Click(i); };
    m_choice[size_t(i)] = b;
  }
  m_exit = new plat::CommandButton(this);
  plat::placeTwips(m_exit, 1560, 3240, 630, 615);
  m_exit->setPicture(plat::loadPicture("exit.png"), "Exit");
  m_exit->onClick = [this] { cmdExit_Click(); };

  m_help = new plat::CommandButton(this);
  m_help->setCaption("&Help");
  plat::placeTwips(m_help, 720, 3240, 615, 615);
  m_help->setPicture(plat::loadPicture("help16.png"));
  m_help->onClick = [this] { cmdHelp_Click(); };
}

frmMenu::~frmMenu() {
  if (g_menu == this) g_menu = nullptr;
}

void frmMenu::setProject(int index, ProjectFactory make) {
  if (index >= 1 && index <= 10) m_factory[size_t(index)] = std::move(make);
}

void frmMenu::Form_Load() {
  setBasePath(plat::programFolder());
  setHelp("vtrel.hlp", 0);
  centreOnScreen();
  if (!ReadSettingsFile()) {
    plat::MsgBox("File missing/incomplete - Reinstall program", plat::Msg::OkOnly | plat::Msg::Critical);
    abortLoad();
    m_ended = true;
    if (onEnd) onEnd(1);
  }
}

void frmMenu::Form_Unload() { cmdExit_Click(); }

void frmMenu::cmdChoice_Click(int index) {
  if (index < 1 || index > 10 || !m_factory[size_t(index)]) return;
  hide();
  m_project = m_factory[size_t(index)]();
  m_project->Show();
}

void frmMenu::cmdHelp_Click() { plat::help().showContents(BasePath + "vtrel.HLP"); }

void frmMenu::cmdExit_Click() {
  if (m_ended) return;
  std::string reason;
  if (!WriteSettingsFile(&reason)) {
    // The old file is still whole; the user is told, and the program ends all the same,
    // with a status that says the settings were not kept.
    plat::MsgBox("The settings could not be saved in " + AppFilePath("vtrel5.ini") + ".\n\n" +
                     QString::fromStdString(reason),
                 plat::Msg::OkOnly | plat::Msg::Exclamation);
    end(1);
    return;
  }
  end(0);
}

void frmMenu::end(int code) {
  m_ended = true;
  if (onEnd) onEnd(code);
}

}  // namespace shell
