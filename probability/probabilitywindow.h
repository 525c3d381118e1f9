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

namespace prob {

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

  // The experiments and controls, for tests and automation.
  const CoinsExperiment& coins() const { return *m_coins; }
  const DiceExperiment& dice() const { return *m_dice; }
  const MarbleBoard& marbles() const { return *m_marbles; }
  const ToothpickDrop& toothpicks() const { return *m_picks; }
  // Non-zero while the window loads: the bars' changes then leave the focus alone.
  int16_t loading() const { return m_loading; }
  plat::TabControl* experimentTabs() const { return m_experimentTabs; }
  // Help and Exit, one of each on every page, indexed by page.
  plat::CommandButton* helpButton(int page) const { return m_helpButtons(page); }
  plat::CommandButton* exitButton(int page) const { return m_exitButtons(page); }

  plat::ImageBox* coinImage(int slot) const { return m_coinImages[size_t(slot)]; }
  plat::ScrollBar* coinsBar() const { return m_coinsBar; }
  plat::ScrollBar* flipsBar() const { return m_flipsBar; }
  plat::Label* coinsReadOut() const { return m_coinsReadOut; }
  plat::Label* flipsReadOut() const { return m_flipsReadOut; }
  plat::Frame* coinTotalsFrame() const { return m_coinTotalsFrame; }
  // The totals table by number of heads k: the number itself, the count and the theory.
  plat::Label* headsLabel(int k) const { return m_headsLabels[size_t(k)]; }
  plat::Label* headsActual(int k) const { return m_headsActual[size_t(k)]; }
  plat::Label* headsTheory(int k) const { return m_headsTheory[size_t(k)]; }
  plat::ImageSurface& coinGraphHidden() const { return *m_coinGraphHidden; }
  plat::PictureBox* coinGraph() const { return m_coinGraph; }
  plat::PictureBox* coinAxisStrip() const { return m_coinAxisStrip; }
  plat::CommandButton* flipButton() const { return m_flipButton; }
  plat::CommandButton* clearCoinsButton() const { return m_clearCoinsButton; }
  plat::CommandButton* printCoinsButton() const { return m_printCoinsButton; }
  plat::Timer* flipTimer() const { return m_flipTimer; }

  plat::ImageBox* dieImage(int slot) const { return m_dieImages[size_t(slot)]; }
  plat::ScrollBar* diceBar() const { return m_diceBar; }
  plat::ScrollBar* rollsBar() const { return m_rollsBar; }
  plat::Label* diceReadOut() const { return m_diceReadOut; }
  plat::Label* rollsReadOut() const { return m_rollsReadOut; }
  plat::Label* rollCountReadOut() const { return m_rollCountReadOut; }
  plat::Label* diceTotalReadOut() const { return m_diceTotalReadOut; }
  plat::ImageSurface& diceGraphHidden() const { return *m_diceGraphHidden; }
  plat::PictureBox* diceGraph() const { return m_diceGraph; }
  plat::PictureBox* diceAxisStrip() const { return m_diceAxisStrip; }
  plat::CommandButton* rollButton() const { return m_rollButton; }
  plat::CommandButton* clearDiceButton() const { return m_clearDiceButton; }
  plat::CommandButton* printDiceButton() const { return m_printDiceButton; }
  plat::Timer* rollTimer() const { return m_rollTimer; }

  plat::PictureBox* boardPicture() const { return m_boardPicture; }
  plat::Frame* marbleTotalsFrame() const { return m_marbleTotalsFrame; }
  // The bins' counts and their theory, by bin from the left (0 to 5).
  plat::Label* binActual(int bin) const { return m_binActual[size_t(bin)]; }
  plat::Label* binTheory(int bin) const { return m_binTheory[size_t(bin)]; }
  plat::CommandButton* dropMarblesButton() const { return m_dropMarblesButton; }
  plat::CommandButton* clearMarblesButton() const { return m_clearMarblesButton; }
  plat::CommandButton* printMarblesButton() const { return m_printMarblesButton; }
  plat::Timer* marbleTimer() const { return m_marbleTimer; }

  plat::PictureBox* sheetPicture() const { return m_sheetPicture; }
  plat::Label* dropsReadOut() const { return m_dropsReadOut; }
  plat::Label* crossingsReadOut() const { return m_crossingsReadOut; }
  plat::Label* piReadOut() const { return m_piReadOut; }
  plat::ScrollBar* groupBar() const { return m_groupBar; }
  plat::Label* groupReadOut() const { return m_groupReadOut; }
  plat::CommandButton* dropToothpicksButton() const { return m_dropToothpicksButton; }
  plat::CommandButton* clearToothpicksButton() const { return m_clearToothpicksButton; }
  plat::Timer* toothpickTimer() const { return m_toothpickTimer; }

 protected:
  void Form_Load() override;
  void Form_Unload() override;
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
  plat::Label* m_coinsReadOut = nullptr;
  plat::Label* m_flipsReadOut = nullptr;
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
  plat::Label* m_diceReadOut = nullptr;
  plat::Label* m_rollsReadOut = nullptr;
  plat::Label* m_rollCountReadOut = nullptr;
  plat::Label* m_diceTotalReadOut = nullptr;
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
  plat::Label* m_dropsReadOut = nullptr;
  plat::Label* m_crossingsReadOut = nullptr;
  plat::Label* m_piReadOut = nullptr;
  plat::ScrollBar* m_groupBar = nullptr;
  plat::Label* m_groupReadOut = nullptr;
  plat::CommandButton* m_dropToothpicksButton = nullptr;
  plat::CommandButton* m_clearToothpicksButton = nullptr;
  plat::Timer* m_toothpickTimer = nullptr;
};

}  // namespace prob
