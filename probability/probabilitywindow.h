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
class PictureBox;
class ScrollBar;
class TabControl;
class Timer;
}  // namespace plat

namespace probability {

class ProbabilityWindow : public plat::Form, private MarbleHost, private ToothpickHost {
  Q_OBJECT
 public:
  ProbabilityWindow();
  ~ProbabilityWindow() override;

  // What the controls do. Each bar's change stores its value in the settings.
  void leaveWindow();
  // Coins.
  void setCoinCount();
  void setFlipCount();
  void startPauseFlips();
  void flipStep();
  void clearCoins();
  void printCoins();
  // Dice.
  void setDiceCount();
  void setRollCount();
  void startPauseRolls();
  void rollStep();
  void clearDice();
  void printDice();
  // Marbles.
  void startPauseMarbles();
  void marbleStep();
  void clearMarbles();
  void printMarbles();
  // Toothpicks.
  void setDropGroup();
  void startPauseToothpicks();
  void toothpickStep();
  void clearToothpicks();

  // The four experiments, each with its counts and whether it runs.
  const CoinsExperiment& coins() const { return *m_coins; }
  const DiceExperiment& dice() const { return *m_dice; }
  const MarbleBoard& marbles() const { return *m_marbles; }
  const ToothpickDrop& toothpicks() const { return *m_picks; }
  // Non-zero while the window loads: the bars' changes then leave the focus alone.
  int16_t loading() const { return m_loading; }

 protected:
  void loadStep() override;
  void unloadStep() override;
  void closeFromTitleBar() override;

 private:
  void buildCoinsPage(QWidget* page);
  void buildCoinsTotals(QWidget* page);
  void buildDicePage(QWidget* page);
  void buildMarblesPage(QWidget* page);
  void buildToothpicksPage(QWidget* page);
  void buildToothpickCounts(QWidget* page);
  void addHelpAndExit(QWidget* page, int index);
  void loadPictures();
  void restoreCoins();
  void loadMarbles();
  void restoreDice();
  void restoreToothpicks();
  void showCoins();
  void showDice();
  void showCoinsRunState();
  void showDiceRunState();
  void showMarbleRunState();
  void showPicksRunState();
  void drawCoinGraph();
  void drawDiceGraph();

  // MarbleHost
  void drawBoard() override;
  void drawMarble(float col, float row, rt::Colour colour) override;
  void eraseMarble(float col, float row) override;
  void playBoing() override;
  void playDing() override;
  void delay(float seconds) override;
  void showCounts() override;
  // ToothpickHost
  void clearSheet() override;
  void drawRuledLine(int16_t y) override;
  void drawToothpick(double x1, double y1, double x2, double y2, rt::Colour colour) override;

  std::unique_ptr<CoinsExperiment> m_coins;
  std::unique_ptr<DiceExperiment> m_dice;
  std::unique_ptr<MarbleBoard> m_marbles;
  std::unique_ptr<ToothpickDrop> m_picks;
  int16_t m_loading = 0;
  QString m_dingWave, m_boingWave;
  std::array<QPixmap, 2> m_coinFaces;
  std::array<QPixmap, 7> m_diceFaces;

  plat::TabControl* m_experimentTabs = nullptr;
  plat::ControlArray<plat::CommandButton> m_helpButtons, m_exitButtons;

  std::array<plat::ImageBox*, 5> m_coinImages{};
  plat::ScrollBar* m_coinsBar = nullptr;
  plat::ScrollBar* m_flipsBar = nullptr;
  plat::Label* m_coinsReadout = nullptr;
  plat::Label* m_flipsReadout = nullptr;
  plat::Frame* m_coinTotalsFrame = nullptr;
  std::array<plat::Label*, 6> m_headsLabels{}, m_headsActual{}, m_headsTheory{};
  std::unique_ptr<plat::ImageSurface> m_coinGraphHidden;
  plat::PictureBox* m_coinGraph = nullptr;
  plat::PictureBox* m_coinAxisStrip = nullptr;
  plat::CommandButton* m_flipButton = nullptr;
  plat::CommandButton* m_clearCoinsButton = nullptr;
  plat::CommandButton* m_printCoinsButton = nullptr;
  plat::Timer* m_flipTimer = nullptr;

  std::array<plat::ImageBox*, 5> m_dieImages{};
  plat::ScrollBar* m_diceBar = nullptr;
  plat::ScrollBar* m_rollsBar = nullptr;
  plat::Label* m_diceReadout = nullptr;
  plat::Label* m_rollsReadout = nullptr;
  plat::Label* m_rollCountReadout = nullptr;
  plat::Label* m_diceTotalReadout = nullptr;
  std::unique_ptr<plat::ImageSurface> m_diceGraphHidden;
  plat::PictureBox* m_diceGraph = nullptr;
  plat::PictureBox* m_diceAxisStrip = nullptr;
  plat::CommandButton* m_rollButton = nullptr;
  plat::CommandButton* m_clearDiceButton = nullptr;
  plat::CommandButton* m_printDiceButton = nullptr;
  plat::Timer* m_rollTimer = nullptr;

  plat::PictureBox* m_boardPicture = nullptr;
  plat::Frame* m_marbleTotalsFrame = nullptr;
  std::array<plat::Label*, 6> m_binActual{}, m_binTheory{};
  plat::CommandButton* m_dropMarblesButton = nullptr;
  plat::CommandButton* m_clearMarblesButton = nullptr;
  plat::CommandButton* m_printMarblesButton = nullptr;
  plat::Timer* m_marbleTimer = nullptr;

  plat::PictureBox* m_sheetPicture = nullptr;
  plat::Label* m_dropsReadout = nullptr;
  plat::Label* m_crossingsReadout = nullptr;
  plat::Label* m_piReadout = nullptr;
  plat::ScrollBar* m_groupBar = nullptr;
  plat::Label* m_groupReadout = nullptr;
  plat::CommandButton* m_dropToothpicksButton = nullptr;
  plat::CommandButton* m_clearToothpicksButton = nullptr;
  plat::Timer* m_toothpickTimer = nullptr;
};

}  // namespace probability
