#pragma once
// The trajectories window: an arrow shot from the lower left corner of a grid 1000 feet wide
// and 500 feet high at a target mark the user drags over the grid. Two scroll bars set the
// launch angle (shown also on a small indicator) and speed; Take Shot draws the whole path at
// once and judges it, Clear Grid empties the store of shots, Print prints them.

#include <QString>
#include <array>
#include <cstdint>

#include "platform/form.h"
#include "trajectories/shot.h"

namespace plat {
class CommandButton;
class Frame;
class HScrollBar;
class ImageBox;
class Label;
class Line;
class PictureBox;
class Shape;
}  // namespace plat

namespace trajectories {

class TrajectoriesWindow : public plat::Form, private ShotSounds {
  Q_OBJECT
 public:
  TrajectoriesWindow();
  ~TrajectoriesWindow() override;

  // -- what the controls do -----------------------------------------------------------------
  void takeShot();
  void clearGrid();
  void printShots();
  void exitToMenu();
  // The bars' values (on every change, and while a thumb is dragged) stored and shown.
  void applyAngle();
  void applySpeed();
  // The grid's repaint: the stored shots drawn again, unless the mark is held.
  void redrawShots();
  // The mark dragged over the grid: the mouse in twips from the mark picture's top left.
  void grabMark(int button, int shift, double x, double y);
  void dragMark(int button, int shift, double x, double y);
  void dropMark(int button, int shift, double x, double y);

  // -- what the window holds: the stored shots, the launch and mark values, whether the mark
  // is held, and the angle indicator's length (twips) worked out at load ------------------
  const ShotStore& store() const { return m_store; }
  const ArrowValues& values() const { return m_arrow; }
  int16_t dragging() const { return m_dragging; }
  float indicatorLength() const { return m_indicatorLength; }

 protected:
  void loadStep() override;
  void unloadStep() override;
  void closeFromTitleBar() override;

 private:
  void buildTitle();
  void buildGrid();
  void buildGridLines();
  void buildAxisNumbers();
  void buildMark();
  void buildIndicator();
  void buildColumn();
  void buildCommands();
  void showValues();
  void drawAngleLine();
  void placeMark();
  void moveMarkTo(double x, double y);
  void storeSettings();
  // ShotSounds
  void playWave(ShotSound sound, int16_t flags) override;

  ArrowValues m_arrow;
  ShotStore m_store;
  ShotResult m_last;
  int16_t m_dragging = 0;
  Grab m_grab;
  float m_indicatorLength = 600;
  QString m_tadaFile, m_uhohFile, m_boingFile;

  plat::Shape* m_titleBox = nullptr;
  plat::Label* m_title = nullptr;
  plat::ImageBox* m_bowPicture = nullptr;
  plat::ImageBox* m_flightPicture = nullptr;
  plat::PictureBox* m_gridPicture = nullptr;
  std::array<plat::Line*, 4> m_gridFrame{};         // top, right, bottom, left
  std::array<plat::Line*, 4> m_heightLines{};       // 100 to 400 feet
  std::array<plat::Line*, 4> m_distanceLines{};     // 200 to 800 feet
  std::array<plat::Label*, 6> m_heightNumbers{};    // 0 to 500
  std::array<plat::Label*, 6> m_distanceNumbers{};  // 0 to 1000
  plat::ImageBox* m_markPicture = nullptr;
  plat::Label* m_message = nullptr;
  plat::PictureBox* m_indicatorPicture = nullptr;
  std::array<plat::Line*, 2> m_indicatorAxes{};  // ground and upright
  plat::Line* m_indicatorLine = nullptr;
  plat::Label* m_angleTitle = nullptr;
  plat::Label* m_angleReadout = nullptr;
  plat::HScrollBar* m_angleBar = nullptr;
  plat::Label* m_speedTitle = nullptr;
  plat::Label* m_speedReadout = nullptr;
  plat::HScrollBar* m_speedBar = nullptr;
  plat::CommandButton* m_shootButton = nullptr;
  plat::CommandButton* m_clearButton = nullptr;
  plat::Label* m_markTitle = nullptr;
  plat::Label* m_markXTitle = nullptr;
  plat::Label* m_markXReadout = nullptr;
  plat::Label* m_markYTitle = nullptr;
  plat::Label* m_markYReadout = nullptr;
  plat::Frame* m_commandFrame = nullptr;
  plat::CommandButton* m_printButton = nullptr;
  plat::CommandButton* m_helpButton = nullptr;
  plat::CommandButton* m_exitButton = nullptr;
};

}  // namespace trajectories
