#pragma once
// The probability window: four experiments on the pages of one tab control. Coins and dice
// are thrown in timed batches and counted against their exact chances in a table and a
// frequency graph; marbles bounce down a board of pegs into six bins; toothpicks dropped on
// ruled lines estimate pi. Each page has Help and Exit; coins, dice and marbles print.

#include <QPixmap>
#include <array>
#include <memory>

#include "platform/button.h"
#include "platform/controlarray.h"
#include "platform/form.h"
#include "probability/coinsdice.h"
#include "probability/marbles.h"
#include "probability/toothpicks.h"

namespace plat {
class CommandButton;
class Frame;
class ImageBox;
class ImageSurface;
class Label;
class Panel;
class PictureBox;
class ScrollBar;
class TabControl;
class Timer;
}  // namespace plat

namespace rt {
class RandomSource;
}

namespace prob {

class ProbabilityWindow : public plat::Form, private MarbleHost, private ToothpickHost {
  Q_OBJECT
 public:
  ProbabilityWindow();
  ~ProbabilityWindow() override;

  // Tests: the random numbers of every window opened from now on (null: seeded from the
  // time of day at each load).
  static void useRandomSource(rt::RandomSource* source);

  // Event handlers.
  void cmdSHelp_Click(int index);
  void cmdExit_Click(int index);
  void hsbCoin_Change();
  void hsbFlips_Change();
  void cmdFlip_Click();
  void timFlip_Timer();
  void cmdClearCoin_Click();
  void cmdPrintCoin_Click();
  void hsbDice_Change();
  void hsbRolls_Change();
  void cmdRollDice_Click();
  void timRoll_Timer();
  void cmdClearDice_Click();
  void cmdPrintDice_Click();
  void cmdDropBall_Click();
  void timDropBall_Timer();
  void cmdClearBall_Click();
  void cmdPrintBall_Click();
  void lblMT_Click(int) {}
  void hsbGroup_Change();
  void cmdDrop_Click();
  void timDrop_Timer();
  void cmdClear_Click();

  // The experiments and controls, for tests and automation.
  const CoinsExperiment& coins() const { return *m_coins; }
  const DiceExperiment& dice() const { return *m_dice; }
  const MarbleBoard& marbles() const { return *m_marbles; }
  const ToothpickDrop& toothpicks() const { return *m_picks; }
  int16_t Loading() const { return m_loading; }
  plat::TabControl* sstProb() const { return m_tabs; }
  plat::CommandButton* cmdSHelp(int i) const { return m_help(i); }
  plat::CommandButton* cmdExit(int i) const { return m_exit(i); }
  plat::ImageBox* picShow(int i) const { return m_picShow[size_t(i)]; }
  plat::ScrollBar* hsbCoin() const { return m_hsbCoin; }
  plat::ScrollBar* hsbFlips() const { return m_hsbFlips; }
  plat::Label* lblCoin() const { return m_lblCoin; }
  plat::Label* lblFlips() const { return m_lblFlips; }
  plat::Frame* fraCoin() const { return m_fraCoin; }
  plat::Label* lblNH(int k) const { return m_lblNH[size_t(k)]; }
  plat::Label* lblHA(int k) const { return m_lblHA[size_t(k)]; }
  plat::Label* lblHT(int k) const { return m_lblHT[size_t(k)]; }
  plat::ImageSurface& picCoinHidden() const { return *m_picCoinHidden; }
  plat::PictureBox* picCoin() const { return m_picCoin; }
  plat::PictureBox* picCoinLabel() const { return m_picCoinLabel; }
  plat::CommandButton* cmdFlip() const { return m_cmdFlip; }
  plat::CommandButton* cmdClearCoin() const { return m_cmdClearCoin; }
  plat::CommandButton* cmdPrintCoin() const { return m_cmdPrintCoin; }
  plat::Timer* timFlip() const { return m_timFlip; }
  plat::ImageBox* imgDice(int i) const { return m_imgDice[size_t(i)]; }
  plat::ScrollBar* hsbDice() const { return m_hsbDice; }
  plat::ScrollBar* hsbRolls() const { return m_hsbRolls; }
  plat::Label* lblDice() const { return m_lblDice; }
  plat::Label* lblRolls() const { return m_lblRolls; }
  plat::Label* lblNRolls() const { return m_lblNRolls; }
  plat::Label* lblTotal() const { return m_lblTotal; }
  plat::ImageSurface& picDiceHidden() const { return *m_picDiceHidden; }
  plat::PictureBox* picDice() const { return m_picDice; }
  plat::PictureBox* picDiceLabel() const { return m_picDiceLabel; }
  plat::CommandButton* cmdRollDice() const { return m_cmdRollDice; }
  plat::CommandButton* cmdClearDice() const { return m_cmdClearDice; }
  plat::CommandButton* cmdPrintDice() const { return m_cmdPrintDice; }
  plat::Timer* timRoll() const { return m_timRoll; }
  plat::PictureBox* picTriangle() const { return m_picTriangle; }
  plat::Frame* fraMarbles() const { return m_fraMarbles; }
  plat::Label* lblBin(int b) const { return m_lblBin[size_t(b)]; }
  plat::Label* lblMT(int b) const { return m_lblMT[size_t(b)]; }
  plat::CommandButton* cmdDropBall() const { return m_cmdDropBall; }
  plat::CommandButton* cmdClearBall() const { return m_cmdClearBall; }
  plat::CommandButton* cmdPrintBall() const { return m_cmdPrintBall; }
  plat::Timer* timDropBall() const { return m_timDropBall; }
  plat::PictureBox* picPick() const { return m_picPick; }
  plat::Label* lblDrops() const { return m_lblDrops; }
  plat::Label* lblHits() const { return m_lblHits; }
  plat::Label* lblPI() const { return m_lblPI; }
  plat::ScrollBar* hsbGroup() const { return m_hsbGroup; }
  plat::Label* lblGroup() const { return m_lblGroup; }
  plat::CommandButton* cmdDrop() const { return m_cmdDrop; }
  plat::CommandButton* cmdClear() const { return m_cmdClear; }
  plat::Timer* timDrop() const { return m_timDrop; }

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  void closeFromTitleBar() override;

 private:
  void BuildCoinsPage(QWidget* page);
  void BuildDicePage(QWidget* page);
  void BuildMarblesPage(QWidget* page);
  void BuildToothpicksPage(QWidget* page);
  void AddHelpAndExit(QWidget* page, int index, int left, int top);
  void ShowCoins();
  void ShowDice();
  void ShowCoinsRunState();
  void ShowDiceRunState();
  void ShowMarbleRunState();
  void ShowPicksRunState();
  void DrawCoinGraph();
  void DrawDiceGraph();
  void LeaveWindow();

  // MarbleHost
  void DrawBoard() override;
  void DrawMarble(float col, float row, rt::Colour colour) override;
  void EraseMarble(float col, float row) override;
  void PlayBoing() override;
  void PlayDing() override;
  void Delay(float seconds) override;
  void ShowCounts() override;
  // ToothpickHost
  void ClearSheet() override;
  void DrawRuledLine(int16_t y) override;
  void DrawToothpick(double x1, double y1, double x2, double y2, rt::Colour colour) override;

  std::unique_ptr<rt::RandomSource> m_ownRandom;
  rt::RandomSource* m_random = nullptr;
  std::unique_ptr<CoinsExperiment> m_coins;
  std::unique_ptr<DiceExperiment> m_dice;
  std::unique_ptr<MarbleBoard> m_marbles;
  std::unique_ptr<ToothpickDrop> m_picks;
  int16_t m_loading = 0;
  QString m_dingWave, m_boingWave;
  std::array<QPixmap, 2> m_coinFaces;
  std::array<QPixmap, 7> m_diceFaces;

  plat::TabControl* m_tabs = nullptr;
  plat::ControlArray<plat::CommandButton> m_help, m_exit;

  std::array<plat::ImageBox*, 5> m_picShow{};
  plat::ScrollBar* m_hsbCoin = nullptr;
  plat::ScrollBar* m_hsbFlips = nullptr;
  plat::Label* m_lblCoin = nullptr;
  plat::Label* m_lblFlips = nullptr;
  plat::Frame* m_fraCoin = nullptr;
  std::array<plat::Label*, 6> m_lblNH{}, m_lblHA{}, m_lblHT{};
  std::unique_ptr<plat::ImageSurface> m_picCoinHidden;
  plat::PictureBox* m_picCoin = nullptr;
  plat::PictureBox* m_picCoinLabel = nullptr;
  plat::CommandButton* m_cmdFlip = nullptr;
  plat::CommandButton* m_cmdClearCoin = nullptr;
  plat::CommandButton* m_cmdPrintCoin = nullptr;
  plat::Timer* m_timFlip = nullptr;

  std::array<plat::ImageBox*, 5> m_imgDice{};
  plat::ScrollBar* m_hsbDice = nullptr;
  plat::ScrollBar* m_hsbRolls = nullptr;
  plat::Label* m_lblDice = nullptr;
  plat::Label* m_lblRolls = nullptr;
  plat::Label* m_lblNRolls = nullptr;
  plat::Label* m_lblTotal = nullptr;
  std::unique_ptr<plat::ImageSurface> m_picDiceHidden;
  plat::PictureBox* m_picDice = nullptr;
  plat::PictureBox* m_picDiceLabel = nullptr;
  plat::CommandButton* m_cmdRollDice = nullptr;
  plat::CommandButton* m_cmdClearDice = nullptr;
  plat::CommandButton* m_cmdPrintDice = nullptr;
  plat::Timer* m_timRoll = nullptr;

  plat::PictureBox* m_picTriangle = nullptr;
  plat::Frame* m_fraMarbles = nullptr;
  std::array<plat::Label*, 6> m_lblBin{}, m_lblMT{};
  plat::CommandButton* m_cmdDropBall = nullptr;
  plat::CommandButton* m_cmdClearBall = nullptr;
  plat::CommandButton* m_cmdPrintBall = nullptr;
  plat::Timer* m_timDropBall = nullptr;

  plat::PictureBox* m_picPick = nullptr;
  plat::Label* m_lblDrops = nullptr;
  plat::Label* m_lblHits = nullptr;
  plat::Label* m_lblPI = nullptr;
  plat::ScrollBar* m_hsbGroup = nullptr;
  plat::Label* m_lblGroup = nullptr;
  plat::CommandButton* m_cmdDrop = nullptr;
  plat::CommandButton* m_cmdClear = nullptr;
  plat::Timer* m_timDrop = nullptr;
};

}  // namespace prob
