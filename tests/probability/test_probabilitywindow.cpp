// The probability window as a user meets it: opened from the menu with the stored values,
// the four experiments run from their tabs, help per tab, the three printed results, and
// leaving by Exit or the title bar.

#include <gtest/gtest.h>

#include "tests/support/menufixture.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include "app/projects.h"
#include "platform/button.h"
#include "platform/colours.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/panel.h"
#include "platform/picturebox.h"
#include "platform/printer.h"
#include "platform/scrollbar.h"
#include "platform/services.h"
#include "platform/tabcontrol.h"
#include "platform/timer.h"
#include "probability/probabilitylayout.h"
#include "probability/probabilitywindow.h"
#include "runtime/clock.h"
#include "runtime/palette.h"
#include "runtime/random.h"
#include "shell/clocks.h"
#include "shell/menuwindow.h"
#include "shell/programfolder.h"
#include "shell/settings.h"
#include "tests/support/controls.h"
#include "tests/support/layoutrows.h"
#include "tests/support/manualsources.h"
#include "tests/support/pixels.h"

namespace {

using Window = probability::ProbabilityWindow;
using namespace probability::layout;

// A control and the layout row it was built from, in its container.
struct Placed {
  const QWidget* control;
  const ControlRow& row;
  const QWidget* container;
};

using layoutrows::pixels;

// The label that shows a caption among a container's own controls.
const plat::Label* labelIn(const QWidget* container, const char* caption) {
  for (const plat::Label* l : container->findChildren<plat::Label*>(Qt::FindDirectChildrenOnly))
    if (l->caption() == caption) return l;
  return nullptr;
}

class SteppingTimeOfDay : public rt::TimeOfDayClock {
 public:
  float seconds() override {
    now += 0.05f;
    return now;
  }
  float now = 1000;
};

class ProbabilityWindow : public MenuFixture {
 protected:
  void SetUp() override {
    shell::setTimeOfDayClock(&clock);
    shell::setRandomSource(&random);
    MenuFixture::SetUp();
    ASSERT_EQ(shell::settings().NumCoins, 5);
  }
  void TearDown() override {
    MenuFixture::TearDown();
    shell::setRandomSource(nullptr);
    shell::setTimeOfDayClock(nullptr);
  }

  Window* open() { return window = openProject<Window>(10); }

  // The window's controls, by the names the window gives them.
  template <class T>
  T& named(const char* name) const {
    return control<T>(*window, name);
  }
  plat::TabControl& experimentTabs() const { return named<plat::TabControl>("experimentTabs"); }
  plat::CommandButton& helpButton(int page) const { return control<plat::CommandButton>(*window, "helpButton", page); }
  plat::CommandButton& exitButton(int page) const { return control<plat::CommandButton>(*window, "exitButton", page); }
  plat::ImageBox& coinImage(int slot) const { return control<plat::ImageBox>(*window, "coinImage", slot); }
  plat::ScrollBar& coinsBar() const { return named<plat::ScrollBar>("coinsBar"); }
  plat::ScrollBar& flipsBar() const { return named<plat::ScrollBar>("flipsBar"); }
  plat::Label& coinsReadout() const { return named<plat::Label>("coinsReadout"); }
  plat::Label& flipsReadout() const { return named<plat::Label>("flipsReadout"); }
  plat::Frame& coinTotalsFrame() const { return named<plat::Frame>("coinTotalsFrame"); }
  plat::Label& headsLabel(int k) const { return control<plat::Label>(*window, "headsLabel", k); }
  plat::Label& headsActual(int k) const { return control<plat::Label>(*window, "headsActual", k); }
  plat::Label& headsTheory(int k) const { return control<plat::Label>(*window, "headsTheory", k); }
  plat::PictureBox& coinGraph() const { return named<plat::PictureBox>("coinGraph"); }
  plat::PictureBox& coinAxisStrip() const { return named<plat::PictureBox>("coinAxisStrip"); }
  plat::CommandButton& flipButton() const { return named<plat::CommandButton>("flipButton"); }
  plat::CommandButton& clearCoinsButton() const { return named<plat::CommandButton>("clearCoinsButton"); }
  plat::CommandButton& printCoinsButton() const { return named<plat::CommandButton>("printCoinsButton"); }
  plat::Timer& flipTimer() const { return named<plat::Timer>("flipTimer"); }
  plat::ImageBox& dieImage(int slot) const { return control<plat::ImageBox>(*window, "dieImage", slot); }
  plat::ScrollBar& diceBar() const { return named<plat::ScrollBar>("diceBar"); }
  plat::ScrollBar& rollsBar() const { return named<plat::ScrollBar>("rollsBar"); }
  plat::Label& diceReadout() const { return named<plat::Label>("diceReadout"); }
  plat::Label& rollsReadout() const { return named<plat::Label>("rollsReadout"); }
  plat::Label& rollCountReadout() const { return named<plat::Label>("rollCountReadout"); }
  plat::Label& diceTotalReadout() const { return named<plat::Label>("diceTotalReadout"); }
  plat::PictureBox& diceGraph() const { return named<plat::PictureBox>("diceGraph"); }
  plat::PictureBox& diceAxisStrip() const { return named<plat::PictureBox>("diceAxisStrip"); }
  plat::CommandButton& rollButton() const { return named<plat::CommandButton>("rollButton"); }
  plat::CommandButton& clearDiceButton() const { return named<plat::CommandButton>("clearDiceButton"); }
  plat::CommandButton& printDiceButton() const { return named<plat::CommandButton>("printDiceButton"); }
  plat::Timer& rollTimer() const { return named<plat::Timer>("rollTimer"); }
  plat::PictureBox& boardPicture() const { return named<plat::PictureBox>("boardPicture"); }
  plat::Frame& marbleTotalsFrame() const { return named<plat::Frame>("marbleTotalsFrame"); }
  plat::Label& binActual(int bin) const { return control<plat::Label>(*window, "binActual", bin); }
  plat::Label& binTheory(int bin) const { return control<plat::Label>(*window, "binTheory", bin); }
  plat::CommandButton& dropMarblesButton() const { return named<plat::CommandButton>("dropMarblesButton"); }
  plat::CommandButton& clearMarblesButton() const { return named<plat::CommandButton>("clearMarblesButton"); }
  plat::CommandButton& printMarblesButton() const { return named<plat::CommandButton>("printMarblesButton"); }
  plat::Timer& marbleTimer() const { return named<plat::Timer>("marbleTimer"); }
  plat::PictureBox& sheetPicture() const { return named<plat::PictureBox>("sheetPicture"); }
  plat::Label& dropsReadout() const { return named<plat::Label>("dropsReadout"); }
  plat::Label& crossingsReadout() const { return named<plat::Label>("crossingsReadout"); }
  plat::Label& piReadout() const { return named<plat::Label>("piReadout"); }
  plat::ScrollBar& groupBar() const { return named<plat::ScrollBar>("groupBar"); }
  plat::Label& groupReadout() const { return named<plat::Label>("groupReadout"); }
  plat::CommandButton& dropToothpicksButton() const { return named<plat::CommandButton>("dropToothpicksButton"); }
  plat::CommandButton& clearToothpicksButton() const { return named<plat::CommandButton>("clearToothpicksButton"); }
  plat::Timer& toothpickTimer() const { return named<plat::Timer>("toothpickTimer"); }

  static void runToStop(plat::Timer* t, int most = 20000) {
    for (int i = 0; i < most && t->enabled(); ++i) t->fire();
  }
  // The print operations of the last document, with their positions.
  std::vector<plat::DrawOp> printOps() const {
    std::vector<plat::DrawOp> out;
    for (const auto& op : printed->documents.back().pages.at(0).ops)
      if (op.op == "print") out.push_back(op);
    return out;
  }
  static const plat::DrawOp* find(const std::vector<plat::DrawOp>& ops, const QString& text, int nth = 0) {
    for (const auto& op : ops)
      if (op.text == text && nth-- == 0) return &op;
    return nullptr;
  }

  SteppingTimeOfDay clock;
  rt::ScriptedRandom random{{0.3f, 0.8f, 0.55f, 0.1f, 0.95f, 0.45f, 0.7f}};
  QPointer<Window> window;
};

TEST_F(ProbabilityWindow, OpensWithTheStoredValuesAndZeroCounts) {
  ASSERT_TRUE(open());
  EXPECT_FALSE(menu->isVisible());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->loading(), 0);
  EXPECT_EQ(experimentTabs().tab(), CoinsPage);

  // Coins: five coins, 500 flips a run, every row at zero.
  EXPECT_EQ(coinsReadout().caption(), "5");
  EXPECT_EQ(flipsReadout().caption(), "500");
  EXPECT_EQ(coinTotalsFrame().caption(), "Totals For 0 Flips");
  for (int k = 0; k <= 5; ++k) {
    EXPECT_FALSE(headsActual(k).isHidden());
    EXPECT_EQ(headsActual(k).caption(), "0");
    EXPECT_EQ(headsTheory(k).caption(), "0");
    EXPECT_EQ(headsLabel(k).caption(), QString::number(k));
  }
  for (int s = 0; s < 5; ++s) EXPECT_FALSE(coinImage(s).isHidden());
  EXPECT_EQ(flipButton().caption(), "&Flip Coins");
  // Dice: two dice in the slots 1 and 3.
  EXPECT_EQ(diceReadout().caption(), "2");
  EXPECT_EQ(rollsReadout().caption(), "500");
  for (int s = 0; s < 5; ++s) EXPECT_EQ(dieImage(s).isHidden(), s != 1 && s != 3) << s;
  EXPECT_EQ(rollCountReadout().caption(), "0");
  // Marbles and toothpicks.
  EXPECT_EQ(marbleTotalsFrame().caption(), "Totals for 0 Marbles");
  EXPECT_EQ(window->marbles().xUnit(), 315);
  EXPECT_EQ(window->marbles().yUnit(), 199);
  EXPECT_EQ(groupReadout().caption(), "400");
  EXPECT_EQ(dropsReadout().caption(), "0");
  EXPECT_EQ(piReadout().caption(), "");
  // The graph shows the theory line only.
  EXPECT_GT(countColour(&coinGraph(), rt::palette::kRed), 100);
  EXPECT_EQ(countColour(&coinGraph(), rt::palette::kBlack), 0);
  // Nothing runs.
  for (plat::Timer* t : {&flipTimer(), &rollTimer(), &marbleTimer(), &toothpickTimer()}) EXPECT_FALSE(t->enabled());
}

// Where the controls stand, what the fixed captions say, and the colours and fonts the
// layout gives them, walked row by row against the controls the window built.
TEST_F(ProbabilityWindow, ControlsStandWhereTheLayoutPutsThem) {
  ASSERT_TRUE(open());
  EXPECT_EQ(window->caption(), "Probability");
  EXPECT_EQ(window->width(), 632);  // 9480 x 6840 twips
  EXPECT_EQ(window->height(), 456);
  plat::TabControl* tabs = &experimentTabs();
  EXPECT_EQ(tabs->geometry(), pixels(kTabs));
  for (int i = 0; i < 4; ++i) EXPECT_EQ(tabs->tabCaption(i), kTabCaptions[i]);
  QWidget* const coins = tabs->page(CoinsPage);
  QWidget* const marbles = tabs->page(MarblesPage);
  QWidget* const dice = tabs->page(DicePage);
  QWidget* const picks = tabs->page(ToothpicksPage);
  QWidget* const coinTotals = &coinTotalsFrame();
  QWidget* const binTotals = &marbleTotalsFrame();
  QWidget* const groupFrame = groupBar().parentWidget();
  QWidget* const countsPanel = dropsReadout().parentWidget();

  std::vector<Placed> placed = {
      {&coinGraph(), kCoinGraph.graph, coins},
      {&coinAxisStrip(), kCoinGraph.strip, coins},
      {&coinsBar(), kCoinsBar.place, coins},
      {&flipsBar(), kFlipsBar.place, coins},
      {&coinTotalsFrame(), kCoinTotalsFrame, coins},
      {&diceGraph(), kDiceGraph.graph, dice},
      {&diceAxisStrip(), kDiceGraph.strip, dice},
      {&diceBar(), kDiceBar.place, dice},
      {&rollsBar(), kRollsBar.place, dice},
      {&boardPicture(), kBoardPicture, marbles},
      {&marbleTotalsFrame(), kMarbleTotalsFrame, marbles},
      {&sheetPicture(), kSheetPicture, picks},
      {countsPanel, kCountsPanel, picks},
      {groupFrame, kGroupFrame, picks},
      {&groupBar(), kGroupBar.place, groupFrame},
  };
  for (int s = 0; s < 5; ++s) {
    placed.push_back({&coinImage(s), kCoinImages[s], coins});
    placed.push_back({&dieImage(s), kDieImages[s], dice});
  }
  for (const Placed& p : placed) {
    EXPECT_EQ(p.control->parentWidget(), p.container) << p.control->accessibleName().toStdString();
    EXPECT_EQ(p.control->geometry(), pixels(p.row)) << p.control->accessibleName().toStdString();
  }
  // The bars' names for screen readers and their ranges.
  const std::pair<plat::ScrollBar*, const plat::BarRow*> bars[] = {{&coinsBar(), &kCoinsBar},
                                                                   {&flipsBar(), &kFlipsBar},
                                                                   {&diceBar(), &kDiceBar},
                                                                   {&rollsBar(), &kRollsBar},
                                                                   {&groupBar(), &kGroupBar}};
  for (const auto& [bar, row] : bars) {
    EXPECT_EQ(bar->accessibleName(), row->name);
    EXPECT_EQ(bar->min(), 1);
    EXPECT_EQ(bar->max(), row->max);
    EXPECT_EQ(bar->largeChange(), row->largeChange);
  }

  const std::vector<Placed> buttons = {
      {&flipButton(), kFlipButton, coins},
      {&clearCoinsButton(), kClearCoinsButton, coins},
      {&printCoinsButton(), kPrintCoinsButton, coins},
      {&rollButton(), kRollButton, dice},
      {&clearDiceButton(), kClearDiceButton, dice},
      {&printDiceButton(), kPrintDiceButton, dice},
      {&dropMarblesButton(), kDropMarblesButton, marbles},
      {&clearMarblesButton(), kClearMarblesButton, marbles},
      {&printMarblesButton(), kPrintMarblesButton, marbles},
      {&dropToothpicksButton(), kDropToothpicksButton, groupFrame},
      {&clearToothpicksButton(), kClearToothpicksButton, groupFrame},
      {&helpButton(CoinsPage), kHelpButtons[CoinsPage], coins},
      {&exitButton(CoinsPage), kExitButtons[CoinsPage], coins},
      {&helpButton(MarblesPage), kHelpButtons[MarblesPage], marbles},
      {&exitButton(MarblesPage), kExitButtons[MarblesPage], marbles},
      {&helpButton(DicePage), kHelpButtons[DicePage], dice},
      {&exitButton(DicePage), kExitButtons[DicePage], dice},
      {&helpButton(ToothpicksPage), kHelpButtons[ToothpicksPage], picks},
      {&exitButton(ToothpicksPage), kExitButtons[ToothpicksPage], picks},
  };
  for (const Placed& b : buttons) {
    EXPECT_EQ(b.control->parentWidget(), b.container) << b.row.caption;
    EXPECT_EQ(b.control->geometry(), pixels(b.row)) << b.row.caption;
    EXPECT_EQ(static_cast<const plat::CommandButton*>(b.control)->caption(), b.row.caption);
  }

  // Read-outs: white boxes, each in its own ink.
  std::vector<Placed> readouts = {
      {&coinsReadout(), kCoinsReadout, coins},        {&flipsReadout(), kFlipsReadout, coins},
      {&diceReadout(), kDiceReadout, dice},           {&rollsReadout(), kRollsReadout, dice},
      {&rollCountReadout(), kRollCountReadout, dice}, {&diceTotalReadout(), kDiceTotalReadout, dice},
      {&dropsReadout(), kDropsReadout, countsPanel},  {&crossingsReadout(), kCrossingsReadout, countsPanel},
      {&piReadout(), kPiReadout, countsPanel},        {&groupReadout(), kGroupReadout, groupFrame},
  };
  for (size_t k = 0; k <= 5; ++k) {
    readouts.push_back({&headsLabel(int(k)), kHeadsLabels[k], coinTotals});
    readouts.push_back({&headsActual(int(k)), kHeadsActual[k], coinTotals});
    readouts.push_back({&headsTheory(int(k)), kHeadsTheory[k], coinTotals});
    readouts.push_back({&binActual(int(k)), kBinActual[k], binTotals});
    readouts.push_back({&binTheory(int(k)), kBinTheory[k], binTotals});
  }
  for (const Placed& r : readouts) {
    const auto* label = static_cast<const plat::Label*>(r.control);
    const QString where = label->caption() + " at " + QString::number(r.row.left) + "," + QString::number(r.row.top);
    EXPECT_EQ(label->parentWidget(), r.container) << where.toStdString();
    EXPECT_EQ(label->geometry(), pixels(r.row)) << where.toStdString();
    EXPECT_EQ(label->palette().color(QPalette::WindowText), plat::toQColor(r.row.fore)) << where.toStdString();
    EXPECT_EQ(label->palette().color(QPalette::Window), plat::toQColor(r.row.back)) << where.toStdString();
    EXPECT_GT(label->frameWidth(), 0) << where.toStdString();
    EXPECT_TRUE(label->alignment() & Qt::AlignHCenter) << where.toStdString();
  }
  for (size_t k = 0; k <= 5; ++k) EXPECT_EQ(headsLabel(int(k)).caption(), kHeadsLabels[k].caption);

  // The fixed captions, found by what they say in their containers.
  std::vector<std::pair<QWidget*, ControlRow>> titles = {
      {coins, kCoinGraph.legend[0].caption},
      {coins, kCoinGraph.legend[1].caption},
      {coins, kCoinGraph.axisTitle},
      {coins, kCoinsTitle},
      {coins, kFlipsTitle},
      {dice, kDiceGraph.legend[0].caption},
      {dice, kDiceGraph.legend[1].caption},
      {dice, kDiceGraph.axisTitle},
      {dice, kDiceTitle},
      {dice, kRollsTitle},
      {dice, kRollCountTitle},
      {dice, kDiceTotalTitle},
  };
  for (const ControlRow& row : kCoinTotalsTitles) titles.push_back({coinTotals, row});
  for (const ControlRow& row : kMarbleTotalsTitles) titles.push_back({binTotals, row});
  for (const ControlRow& row : kBinTitles) titles.push_back({binTotals, row});
  for (const ControlRow& row : kCountTitles) titles.push_back({countsPanel, row});
  for (const auto& [container, row] : titles) {
    const plat::Label* label = labelIn(container, row.caption);
    ASSERT_TRUE(label) << row.caption;
    EXPECT_EQ(label->geometry(), pixels(row)) << row.caption;
    if (row.font.face) {
      EXPECT_EQ(label->font(), plat::screenFont(row.font.face, row.font.points, row.font.bold)) << row.caption;
    }
    if (row.back != plat::kNoColour) {
      EXPECT_EQ(label->palette().color(QPalette::Window), plat::toQColor(row.back)) << row.caption;
    }
  }
}

// Buttons side by side stand 120 twips (8 pixels) apart on every page, none covers
// another, and each lies whole inside its page or frame.
TEST_F(ProbabilityWindow, ButtonsStandApartInsideTheirContainers) {
  ASSERT_TRUE(open());
  plat::TabControl* tabs = &experimentTabs();
  int pairs = 0;
  for (int page = 0; page < 4; ++page) {
    const auto buttons = tabs->page(page)->findChildren<plat::CommandButton*>();
    for (const plat::CommandButton* a : buttons) {
      const std::string name = a->caption().toStdString();
      EXPECT_TRUE(a->parentWidget()->rect().contains(a->geometry())) << name;
      for (const plat::CommandButton* b : buttons) {
        if (a == b || a->parentWidget() != b->parentWidget()) continue;
        EXPECT_FALSE(a->geometry().intersects(b->geometry())) << name << " / " << b->caption().toStdString();
        if (a->y() == b->y() && a->x() < b->x()) {
          EXPECT_EQ(b->x() - (a->geometry().right() + 1), 8) << name << " / " << b->caption().toStdString();
          ++pairs;
        }
      }
    }
  }
  EXPECT_EQ(pairs, 8);  // on each page Help and Exit, and the experiment's start and Clear
}

TEST_F(ProbabilityWindow, StoredValuesOutsideTheBarsAreBroughtIntoRange) {
  shell::SharedSettings& s = shell::settings();
  s.NumCoins = 9;
  s.NumFlips = 0;
  s.NumDice = -2;
  s.NumRolls = 800;
  s.DropGroup = -5;
  ASSERT_TRUE(open());
  EXPECT_EQ(s.NumCoins, 5);
  EXPECT_EQ(s.NumFlips, 1);
  EXPECT_EQ(s.NumDice, 1);
  EXPECT_EQ(s.NumRolls, 500);
  EXPECT_EQ(s.DropGroup, 1);
  EXPECT_EQ(coinsReadout().caption(), "5");
  EXPECT_EQ(flipsReadout().caption(), "1");
  EXPECT_EQ(diceReadout().caption(), "1");
  EXPECT_EQ(rollsReadout().caption(), "500");
  EXPECT_EQ(groupReadout().caption(), "1");
  EXPECT_EQ(window->coins().numCoins(), 5);
  EXPECT_EQ(window->dice().numDice(), 1);
  EXPECT_EQ(window->toothpicks().dropGroup(), 1);
}

TEST_F(ProbabilityWindow, HelpAndF1OpenTheTopicOfThePageInFront) {
  ASSERT_TRUE(open());
  helpButton(0).click();
  ASSERT_EQ(services.help->calls.size(), 1u);
  EXPECT_EQ(services.help->calls.back().topic, 13);
  EXPECT_EQ(services.help->calls.back().file, shell::g_basePath + "vtrel.hlp");
  const int topics[4] = {13, 14, 15, 16};
  for (int page = 0; page < 4; ++page) {
    experimentTabs().setTab(page);
    helpButton(page).click();
    EXPECT_EQ(services.help->calls.back().topic, topics[page]);
    QTest::keyClick(window, Qt::Key_F1);
    EXPECT_EQ(services.help->calls.back().topic, topics[page]);
    EXPECT_TRUE(services.help->calls.back().file.endsWith("vtrel.hlp"));
  }
}

TEST_F(ProbabilityWindow, ACoinRunFlipsItsBatchAndLocksItsControls) {
  ASSERT_TRUE(open());
  flipsBar().setValue(3);
  EXPECT_EQ(shell::settings().NumFlips, 3);
  EXPECT_EQ(flipsReadout().caption(), "3");
  flipButton().click();
  EXPECT_EQ(flipButton().caption(), "&Pause");
  EXPECT_TRUE(flipTimer().enabled());
  EXPECT_EQ(flipTimer().interval(), 100);
  EXPECT_FALSE(coinsBar().isEnabled());
  EXPECT_FALSE(flipsBar().isEnabled());
  EXPECT_FALSE(clearCoinsButton().isEnabled());
  EXPECT_FALSE(printCoinsButton().isEnabled());
  runToStop(&flipTimer());
  EXPECT_EQ(window->coins().totalFlips(), 3);
  EXPECT_EQ(coinTotalsFrame().caption(), "Totals For 3 Flips");
  EXPECT_EQ(flipButton().caption(), "&Flip Coins");
  EXPECT_TRUE(coinsBar().isEnabled());
  EXPECT_TRUE(printCoinsButton().isEnabled());
  EXPECT_GT(countColour(&coinGraph(), rt::palette::kBlack), 100);
  int shown = 0;
  for (int k = 0; k <= 5; ++k) shown += headsActual(k).caption().toInt();
  EXPECT_EQ(shown, 3);

  // Fewer coins clear the counts and show the middle slots.
  coinsBar().setValue(2);
  EXPECT_EQ(shell::settings().NumCoins, 2);
  EXPECT_EQ(coinTotalsFrame().caption(), "Totals For 0 Flips");
  for (int k = 0; k <= 5; ++k) EXPECT_EQ(headsActual(k).isHidden(), k > 2) << k;
  for (int s = 0; s < 5; ++s) EXPECT_EQ(coinImage(s).isHidden(), s != 1 && s != 3) << s;
}

TEST_F(ProbabilityWindow, DiceRollAndClear) {
  ASSERT_TRUE(open());
  experimentTabs().setTab(2);
  rollsBar().setValue(4);
  rollButton().click();
  EXPECT_FALSE(printDiceButton().isEnabled());
  runToStop(&rollTimer());
  EXPECT_EQ(rollCountReadout().caption(), "4");
  EXPECT_EQ(rollButton().caption(), "&Roll Dice");
  const int total = diceTotalReadout().caption().toInt();
  EXPECT_GE(total, 2);
  EXPECT_LE(total, 12);
  clearDiceButton().click();
  EXPECT_EQ(rollCountReadout().caption(), "0");
  EXPECT_EQ(diceTotalReadout().caption(), "0");
  EXPECT_EQ(countColour(&diceGraph(), rt::palette::kBlack), 0);
}

TEST_F(ProbabilityWindow, MarblesFallWithSoundsAndFillTheirBins) {
  ASSERT_TRUE(open());
  experimentTabs().setTab(1);
  dropMarblesButton().click();
  EXPECT_EQ(dropMarblesButton().caption(), "&Pause");
  EXPECT_FALSE(printMarblesButton().isEnabled());
  for (int t = 0; t < 6; ++t) marbleTimer().fire();
  EXPECT_EQ(services.sound->countPlays("boing.wav"), 6);
  EXPECT_EQ(services.sound->countPlays("ding.wav"), 1);
  for (const auto& call : services.sound->calls) EXPECT_FALSE(call.wait);
  EXPECT_EQ(marbleTotalsFrame().caption(), "Totals For 1 Marbles");
  int inBins = 0;
  for (int b = 0; b < 6; ++b) inBins += binActual(b).caption().toInt();
  EXPECT_EQ(inBins, 1);
  EXPECT_EQ(binTheory(2).caption(), "0");

  runToStop(&marbleTimer());
  EXPECT_EQ(window->marbles().totalMarbles(), 32);
  EXPECT_EQ(marbleTotalsFrame().caption(), "Totals For 32 Marbles");
  const char* theory[] = {"1", "5", "10", "10", "5", "1"};
  for (int b = 0; b < 6; ++b) EXPECT_EQ(binTheory(b).caption(), theory[b]);
  EXPECT_EQ(dropMarblesButton().caption(), "&Drop");
  EXPECT_TRUE(clearMarblesButton().isEnabled());
  clearMarblesButton().click();
  EXPECT_EQ(marbleTotalsFrame().caption(), "Totals for 0 Marbles");
  EXPECT_EQ(binActual(0).caption(), "0");
}

TEST_F(ProbabilityWindow, ToothpicksDropTheirBatchOnTheRuledSheet) {
  ASSERT_TRUE(open());
  experimentTabs().setTab(3);
  // The six white lines on the black sheet.
  EXPECT_GT(countColour(&sheetPicture(), rt::palette::kWhite), 6 * 300);
  groupBar().setValue(5);
  EXPECT_EQ(shell::settings().DropGroup, 5);
  dropToothpicksButton().click();
  EXPECT_TRUE(toothpickTimer().enabled());
  EXPECT_EQ(toothpickTimer().interval(), 10);
  EXPECT_FALSE(clearToothpicksButton().isEnabled());
  EXPECT_FALSE(groupBar().isEnabled());
  runToStop(&toothpickTimer());
  EXPECT_EQ(dropsReadout().caption(), "5");
  EXPECT_EQ(crossingsReadout().caption().toInt(), window->toothpicks().totalHits());
  EXPECT_FALSE(piReadout().caption().isEmpty());
  EXPECT_TRUE(clearToothpicksButton().isEnabled());
  clearToothpicksButton().click();
  EXPECT_EQ(dropsReadout().caption(), "0");
  EXPECT_EQ(crossingsReadout().caption(), "0");
  EXPECT_EQ(piReadout().caption(), "");
}

TEST_F(ProbabilityWindow, ExitAndTheTitleBarStopEverythingAndShowTheMenu) {
  ASSERT_TRUE(open());
  flipsBar().setValue(7);
  flipButton().click();
  dropToothpicksButton().click();
  dropMarblesButton().click();
  ASSERT_TRUE(flipTimer().enabled());
  window->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(menu->isVisible());
  if (window) {
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(flipTimer().enabled());
    EXPECT_FALSE(toothpickTimer().enabled());
    EXPECT_FALSE(marbleTimer().enabled());
  }
  EXPECT_EQ(shell::settings().NumFlips, 7);

  // Opened again: counts start from zero; Exit on any page leaves.
  ASSERT_TRUE(open());
  EXPECT_EQ(window->coins().totalFlips(), 0);
  EXPECT_EQ(flipsReadout().caption(), "7");
  experimentTabs().setTab(3);
  exitButton(3).click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(menu->isVisible());
}

TEST_F(ProbabilityWindow, CoinsReportAfterClearAndCancel) {
  ASSERT_TRUE(open());
  services.boxes->answer(plat::msg::Cancel);
  printCoinsButton().click();
  ASSERT_EQ(services.boxes->calls.size(), 1u);
  EXPECT_EQ(services.boxes->calls[0].text, "Make sure printer is on-line and ready.");
  EXPECT_EQ(services.boxes->calls[0].title, "Print Coins Results");
  EXPECT_TRUE(printed->documents.empty());

  services.boxes->answer(plat::msg::Ok);
  printCoinsButton().click();
  ASSERT_EQ(printed->documents.size(), 1u);
  const auto texts = printed->lastTexts();
  const std::vector<QString> head = {
      "Probability", "",    "COINS:", "", "Flipped 5 Coins, 0 Times", "", "Number of Heads", "   ",
      "Actual",      "   ", "Theory", ""};
  ASSERT_GE(texts.size(), head.size() + 18);
  for (size_t i = 0; i < head.size(); ++i) EXPECT_EQ(texts[i], head[i]) << i;
  for (int k = 0; k <= 5; ++k) {
    EXPECT_EQ(texts[head.size() + 3 * size_t(k)], " " + QString::number(k));
    EXPECT_EQ(texts[head.size() + 3 * size_t(k) + 1], " 0");
    EXPECT_EQ(texts[head.size() + 3 * size_t(k) + 2], " 0");
  }
  const auto ops = printOps();
  const auto* title = find(ops, "Number of Heads");
  ASSERT_TRUE(title);
  EXPECT_TRUE(title->underline);
  EXPECT_FALSE(find(ops, "   ")->underline);
  EXPECT_EQ(title->fontName, "Courier New");
  EXPECT_EQ(title->args[0], 225);
  // The picture: the hidden graph at 150, 550 square, then the axis strip under its frame.
  std::vector<plat::DrawOp> pictures;
  for (const auto& op : printed->documents.back().pages[0].ops)
    if (op.op == "picture") pictures.push_back(op);
  ASSERT_EQ(pictures.size(), 2u);
  EXPECT_EQ(pictures[0].args[0], 150);
  EXPECT_EQ(pictures[0].args[2], 550);
  EXPECT_EQ(pictures[0].args[3], 550);
  EXPECT_EQ(pictures[1].args[1], pictures[0].args[1] + 550);
  EXPECT_EQ(pictures[1].args[3], 40);
}

TEST_F(ProbabilityWindow, DiceReportSplitsTheTotalsIntoTwoGroups) {
  ASSERT_TRUE(open());
  experimentTabs().setTab(2);
  printDiceButton().click();
  ASSERT_EQ(printed->documents.size(), 1u);
  EXPECT_EQ(services.boxes->calls.back().title, "Print Dice Results");
  const auto ops = printOps();
  ASSERT_TRUE(find(ops, "Rolled 2 Dice, 0 Times"));
  const auto* two = find(ops, " 2");
  const auto* seven = find(ops, " 7");
  const auto* eight = find(ops, " 8");
  const auto* twelve = find(ops, " 12");
  ASSERT_TRUE(two && seven && eight && twelve);
  EXPECT_FALSE(find(ops, " 13"));
  EXPECT_EQ(eight->args[1], std::round(two->args[1]));
  EXPECT_GT(eight->args[0], seven->args[0] + 200);
  EXPECT_LT(twelve->args[1], seven->args[1]);
}

TEST_F(ProbabilityWindow, FiveDiceRunFromFiveToSeventeenThenToThirty) {
  ASSERT_TRUE(open());
  diceBar().setValue(5);
  printDiceButton().click();
  const auto ops = printOps();
  const auto* five = find(ops, " 5");
  const auto* seventeen = find(ops, " 17");
  const auto* eighteen = find(ops, " 18");
  const auto* thirty = find(ops, " 30");
  ASSERT_TRUE(five && seventeen && eighteen && thirty);
  EXPECT_EQ(eighteen->args[1], std::round(five->args[1]));
  EXPECT_NEAR(thirty->args[1], seventeen->args[1], 1e-9);
}

TEST_F(ProbabilityWindow, MarblesReportCopiesTheBinReadouts) {
  ASSERT_TRUE(open());
  dropMarblesButton().click();
  for (int i = 0; i < 16 * 6; ++i) marbleTimer().fire();
  dropMarblesButton().click();
  ASSERT_EQ(window->marbles().totalMarbles(), 16);
  printMarblesButton().click();
  ASSERT_EQ(printed->documents.size(), 1u);
  EXPECT_EQ(services.boxes->calls.back().title, "Print Marbles Results");
  const auto texts = printed->lastTexts();
  const std::vector<QString> head = {
      "Probability", "", "MARBLES:", "", "Dropped 16 Marbles", "", "Bin Number", "   ", "Actual", "   ", "Theory", ""};
  ASSERT_GE(texts.size(), head.size() + 18);
  for (size_t i = 0; i < head.size(); ++i) EXPECT_EQ(texts[i], head[i]) << i;
  const char* theory[] = {"0", "2", "5", "5", "2", "0"};
  for (int b = 0; b < 6; ++b) {
    EXPECT_EQ(texts[head.size() + 3 * size_t(b)], " " + QString::number(b + 1));
    EXPECT_EQ(texts[head.size() + 3 * size_t(b) + 1], binActual(b).caption());
    EXPECT_EQ(texts[head.size() + 3 * size_t(b) + 2], theory[b]);
  }
}

}  // namespace
