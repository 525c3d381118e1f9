#pragma once
// The levers window. It opens on a panel of two topics: "Learn About Levers", a short lesson
// in screens, and "Work With Levers", a lever the user sets up with scroll bars and then turns
// under an applied effort. Inside a topic the window is black, shows the lever's logical
// screen and a tool bar of picture buttons whose tips appear when the mouse rests on them;
// the Stop tool brings the panel back, whose Exit returns to the menu.

#include <QString>
#include <array>
#include <cstdint>
#include <memory>

#include "levers/lever.h"
#include "levers/levergeometry.h"
#include "levers/leverscreen.h"
#include "platform/controlarray.h"
#include "platform/form.h"

namespace plat {
class CommandButton;
class Frame;
class HScrollBar;
class Label;
class Shape;
class Timer;
}  // namespace plat

namespace levers {

class frmLever : public plat::Form {
  Q_OBJECT
 public:
  frmLever();
  ~frmLever() override;

  // -- controls ------------------------------------------------------------------------
  plat::Frame* fraMain = nullptr;
  plat::ControlArray<plat::CommandButton> cmdChoice;  // 1 tutorial, 2 work
  plat::Frame* Frame2 = nullptr;
  plat::CommandButton* cmdHelp = nullptr;
  plat::CommandButton* cmdExit = nullptr;
  plat::Shape* shpMain = nullptr;
  plat::Frame* fraValues = nullptr;
  plat::ControlArray<plat::Label> Label1;
  plat::Label* lblEffort = nullptr;
  plat::Label* lblDEffort = nullptr;
  plat::Label* lblLoad = nullptr;
  plat::Label* lblDLoad = nullptr;
  plat::Frame* fraCLoad = nullptr;
  plat::Frame* fraMLoad = nullptr;
  plat::Frame* fraMEffort = nullptr;
  plat::Frame* fraMFulcrum = nullptr;
  plat::Frame* fraAEffort = nullptr;
  plat::HScrollBar* hsbCLoad = nullptr;
  plat::HScrollBar* hsbMLoad = nullptr;
  plat::HScrollBar* hsbMEffort = nullptr;
  plat::HScrollBar* hsbMFulcrum = nullptr;
  plat::HScrollBar* hsbAEffort = nullptr;
  plat::CommandButton* cmdOptions = nullptr;
  plat::ControlArray<plat::CommandButton> cmdTool;  // 0 print, 1 next, 2 help, 3 stop, 4 previous
  plat::Label* lblTip = nullptr;
  plat::Timer* Timer1 = nullptr;  // tip delay
  plat::Timer* Timer2 = nullptr;  // rotation step

  // -- state ---------------------------------------------------------------------------
  Lever& lever() { return m_lever; }
  LeverShapes& shapes() { return m_shapes; }
  LeverScreen& screen() { return *m_screen; }

  int16_t ChoiceIndex = 0;
  rt::Colour OrigBackColor = 0;
  int16_t BarOriginLearn = 0, BarOriginWork = 0;
  int16_t SavedLoad = 0, SavedClass = 0;
  float SavedFulcrumPos = 0, SavedDEffort = 0, SavedDLoad = 0;
  int16_t ScreenNum = 0;
  int16_t HoverTool = 0, LastTip = 0;
  int16_t Loading = 0;
  QString SoundFile;
  // Whether a topic is open (the panel is hidden).
  bool topicOpen() const { return m_topicOpen; }

  // -- event handlers ------------------------------------------------------------------
  void cmdChoice_Click(int Index);
  void cmdTool_Click(int Index);
  void cmdTool_MouseMove(int Index);
  void Timer1_Timer();
  void Timer2_Timer();
  void cmdHelp_Click();
  void cmdExit_Click();
  void cmdOptions_Click();
  void hsbMFulcrum_Change();
  void hsbMEffort_Change();
  void hsbMLoad_Change();
  void hsbCLoad_Change();
  void hsbCLoad_Scroll();
  void hsbAEffort_Change();
  // Ends the open topic and shows the topic panel.
  void ShowTopics();

  // -- the lesson (levers/lesson.cpp) -----------------------------------------------------
  // Draws screen ScreenNum; the first drawing of screen 1 keeps the user's own lever.
  void ShowScreen();
  void ShowNextScreen();
  void ShowPreviousScreen();

  // -- the printed lever (levers/printlever.cpp) -----------------------------------------
  void PrintLever();

  // The tips of the tools, blanks included.
  static QString toolTip(int index);

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  void Form_MouseMove(int button, int shift, double x, double y) override;
  void closeFromTitleBar() override;

 private:
  void buildControls();
  void showClassCaption();
  void redrawAfterMove();
  void showDistances();
  void setToolVisible(int index, bool on);

  Lever m_lever;
  LeverShapes m_shapes;
  std::unique_ptr<LeverScreen> m_screen;
  bool m_topicOpen = false;
  bool m_userLeverSaved = false;
};

}  // namespace levers
