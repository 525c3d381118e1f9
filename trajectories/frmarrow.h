#pragma once
// The trajectories window: an arrow shot from the lower left corner of a grid 1000 feet wide
// and 500 feet high at a target mark the user drags over the grid. Two scroll bars set the
// launch angle (shown also on a small indicator) and speed; Take Shot draws the whole path at
// once and judges it, Clear Grid empties the store of shots, Print prints them.

#include <QString>
#include <array>
#include <cstdint>
#include <memory>

#include "platform/form.h"
#include "trajectories/shot.h"

namespace rt {
class RandomSource;
}

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

namespace traj {

class frmArrow : public plat::Form, private ShotSounds {
  Q_OBJECT
 public:
  frmArrow();
  ~frmArrow() override;

  // -- event handlers ---------------------------------------------------------------------
  void cmdShoot_Click();
  void cmdClear_Click();
  void cmdPrint_Click();
  void cmdHelp_Click();
  void cmdExit_Click();
  void hsbAngle_Change();
  void hsbAngle_Scroll() { hsbAngle_Change(); }
  void hsbSpeed_Change();
  void hsbSpeed_Scroll() { hsbSpeed_Change(); }
  void picGrid_Paint();
  void imgMark_MouseDown(int button, int shift, double x, double y);
  void imgMark_MouseMove(int button, int shift, double x, double y);
  void imgMark_MouseUp(int button, int shift, double x, double y);

  // -- controls ------------------------------------------------------------------------
  plat::Label* Label1 = nullptr;  // the title
  plat::Shape* Shape1 = nullptr;
  plat::ImageBox* Image1 = nullptr;
  plat::ImageBox* Image2 = nullptr;
  plat::Label* Label4 = nullptr;  // "Angle:"
  plat::Label* Label5 = nullptr;  // "Speed:"
  plat::Label* lblAngle = nullptr;
  plat::HScrollBar* hsbAngle = nullptr;
  plat::Label* lblSpeed = nullptr;
  plat::HScrollBar* hsbSpeed = nullptr;
  plat::CommandButton* cmdShoot = nullptr;
  plat::CommandButton* cmdClear = nullptr;
  plat::Label* Label3 = nullptr;  // "Mark:"
  plat::Label* Label6 = nullptr;  // "X"
  plat::Label* Label7 = nullptr;  // "Y"
  plat::Label* lblMarkX = nullptr;
  plat::Label* lblMarkY = nullptr;
  plat::PictureBox* picGrid = nullptr;
  std::array<plat::Line*, 4> Line4{};  // the grid's frame
  std::array<plat::Line*, 4> Line1{};  // heights 100 to 400
  std::array<plat::Line*, 4> Line2{};  // distances 200 to 800
  std::array<plat::Label*, 12> Label2{};  // axis numbers: 0 to 5 heights, 6 to 11 distances
  plat::ImageBox* imgMark = nullptr;
  plat::Label* lblMessage = nullptr;
  plat::PictureBox* picAngle = nullptr;
  plat::Line* linAngle = nullptr;
  std::array<plat::Line*, 2> Line3{};
  plat::Frame* fraChoice = nullptr;
  plat::CommandButton* cmdPrint = nullptr;
  plat::CommandButton* cmdHelp = nullptr;
  plat::CommandButton* cmdExit = nullptr;

  // -- state, for tests ------------------------------------------------------------------
  const ShotStore& store() const { return m_store; }
  const ArrowValues& values() const { return m_v; }
  const ShotResult& lastShot() const { return m_last; }
  int16_t Dragging() const { return m_dragging; }
  float IndicatorLength() const { return m_indicatorLength; }
  // Where the hit messages' chance comes from (the window's own time-seeded source by default).
  void setRandomSource(rt::RandomSource* r) { m_random = r; }

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  void closeFromTitleBar() override;

 private:
  void DrawAngleLine();
  void PlaceMark();
  void MouseToMark(double x, double y);
  void StoreSettings();
  // ShotSounds
  void PlayWave(ShotSound sound, int16_t flags) override;

  ArrowValues m_v;
  ShotStore m_store;
  ShotResult m_last;
  int16_t m_dragging = 0;
  Grab m_grab;
  float m_indicatorLength = 600;
  QString m_tadaFile, m_uhohFile, m_boingFile;
  std::unique_ptr<rt::RandomSource> m_ownRandom;
  rt::RandomSource* m_random = nullptr;
};

}  // namespace traj
