#pragma once
// The levers window. It opens on a panel of two topics: "Learn About Levers", a short lesson
// in screens, and "Work With Levers", a lever the user sets up with scroll bars and then turns
// under an applied effort. Inside a topic the window is black, shows the lever's logical
// screen and a tool bar of picture buttons whose tips appear when the mouse rests on them;
// the Stop tool brings the panel back, whose Exit returns to the menu.

#include <QString>
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

// The tools of the tool bar, numbered as their buttons.
enum Tool : int { PrintTool = 0, NextTool = 1, HelpTool = 2, StopTool = 3, PreviousTool = 4 };

class LeversWindow : public plat::Form {
  Q_OBJECT
 public:
  LeversWindow();
  ~LeversWindow() override;

  // -- state ---------------------------------------------------------------------------
  Lever& lever() { return m_lever; }
  LeverShapes& shapes() { return m_shapes; }
  // The picture on the window's surface: its logical scale and the dimensions' heights.
  LeverScreen& screen() { return *m_screen; }
  int16_t topic() const { return m_topic; }
  // The lesson's screen, 1 to 7; 8 ends the lesson.
  int16_t screenNumber() const { return m_screenNumber; }
  // The tool whose tip shows or last showed; -1 after the mouse left the tools.
  int16_t lastTip() const { return m_lastTip; }

  // -- what the controls do ------------------------------------------------------------
  void openTopic(int topic);
  void useTool(int tool);
  // The mouse over a tool starts the tip's delay, unless that tool's tip already showed.
  void hoverTool(int tool);
  // The tip's delay is over: the tip shows centred just above its tool.
  void showTip();
  // One timed step of the turning lever.
  void rotateStep();
  void exitToMenu();
  void switchMode();
  void moveFulcrum();
  void moveEffort();
  void moveLoad();
  // The load follows its bar, also while the thumb is dragged.
  void changeLoad();
  void applyEffort();
  // Ends the open topic and shows the topic panel.
  void showTopics();

  // -- the lesson (levers/lesson.cpp) -----------------------------------------------------
  // Draws the lesson's current screen; the first drawing of screen 1 keeps the user's own
  // lever.
  void showScreen();
  void showNextScreen();
  void showPreviousScreen();

  // -- the printed lever (levers/printlever.cpp) -----------------------------------------
  void printLever();

  // The tips of the tools, blanks included.
  static QString toolTip(int index);

 protected:
  void loadStep() override;
  void unloadStep() override;
  void mouseMoveOnWindow(int button, int shift, double x, double y) override;
  void closeFromTitleBar() override;

 private:
  // The user's own lever, kept while the lesson's examples take its place.
  struct SavedLever {
    int16_t load = 0, leverClass = 0;
    float fulcrumPos = 0, dEffort = 0, dLoad = 0;
  };

  void buildTopicPanel();
  void buildValues();
  void buildBars();
  void buildTools();
  void connectControls();
  void sizeToFont();
  void placeToolBar();
  void placeValueFrames();
  void showBarsOfLever();
  void placeTools(const int* order, int count, double left);
  void openWork();
  void showEffortView();
  void showValuesView();
  void setSetupFramesVisible(bool on);
  void showClassCaption();
  void redrawAfterMove();
  void showDistances();
  void setToolVisible(int index, bool on);
  void keepUserLever();
  void restoreUserLever();
  // Lesson screens: an example lever set up and drawn, and the text under the divider.
  void drawExample(int screen);
  void drawScreenText(int screen);

  plat::Shape* m_topicsBackdrop = nullptr;
  plat::Frame* m_topicsFrame = nullptr;
  plat::ControlArray<plat::CommandButton> m_topicButtons;  // 1 lesson, 2 work
  plat::Frame* m_buttonFrame = nullptr;
  plat::CommandButton* m_helpButton = nullptr;
  plat::CommandButton* m_exitButton = nullptr;
  plat::Frame* m_valuesFrame = nullptr;
  plat::ControlArray<plat::Label> m_valueTitles;  // Effort, D Effort, Load, D Load, each left of its figure
  plat::Label* m_effortFigure = nullptr;
  plat::Label* m_effortDistanceFigure = nullptr;
  plat::Label* m_loadFigure = nullptr;
  plat::Label* m_loadDistanceFigure = nullptr;
  // The bars, each in its frame: the load, the positions of load, effort and fulcrum (in
  // tenths of a lever unit) and the applied effort.
  plat::Frame* m_loadFrame = nullptr;
  plat::Frame* m_loadPositionFrame = nullptr;
  plat::Frame* m_effortPositionFrame = nullptr;
  plat::Frame* m_fulcrumFrame = nullptr;
  plat::Frame* m_effortFrame = nullptr;
  plat::HScrollBar* m_loadBar = nullptr;
  plat::HScrollBar* m_loadPositionBar = nullptr;
  plat::HScrollBar* m_effortPositionBar = nullptr;
  plat::HScrollBar* m_fulcrumBar = nullptr;
  plat::HScrollBar* m_effortBar = nullptr;
  // Switches between changing the values and applying the effort.
  plat::CommandButton* m_modeButton = nullptr;
  plat::ControlArray<plat::CommandButton> m_toolButtons;  // numbered as Tool
  plat::Label* m_tipLabel = nullptr;
  plat::Timer* m_tipTimer = nullptr;
  plat::Timer* m_rotationTimer = nullptr;

  Lever m_lever;
  LeverShapes m_shapes;
  std::unique_ptr<LeverScreen> m_screen;
  int16_t m_topic = NoTopic;
  rt::Colour m_panelBackColour = 0;
  // Where each topic's tool bar starts, in logical pixels.
  int16_t m_lessonToolsLeft = 0, m_workToolsLeft = 0;
  SavedLever m_saved;
  int16_t m_screenNumber = 0;
  int16_t m_hoverTool = 0, m_lastTip = 0;
  // While the load step sets the bars, their changes do nothing.
  bool m_loading = false;
  QString m_clickSound;
  bool m_topicOpen = false;
  bool m_userLeverSaved = false;
};

}  // namespace levers
