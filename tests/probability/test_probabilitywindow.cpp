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
#include "platform/files.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/picturebox.h"
#include "platform/printer.h"
#include "platform/printer_recording.h"
#include "platform/scrollbar.h"
#include "platform/services.h"
#include "platform/tabcontrol.h"
#include "platform/timer.h"
#include "probability/probabilitywindow.h"
#include "runtime/clock.h"
#include "runtime/random.h"
#include "shell/menuwindow.h"
#include "shell/programfolder.h"
#include "shell/clocks.h"
#include "shell/settings.h"

namespace {

using Window = prob::ProbabilityWindow;

// A time of day that moves on a little at every reading, so a blocking wait ends at once.
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
    Window::useRandomSource(&random);
    MenuFixture::SetUp();
    ASSERT_EQ(shell::settings().NumCoins, 5);
  }
  void TearDown() override {
    MenuFixture::TearDown();
    Window::useRandomSource(nullptr);
    shell::setTimeOfDayClock(nullptr);
  }

  Window* open() { return window = openProject<Window>(10); }
  static void runToStop(plat::Timer* t, int most = 20000) {
    for (int i = 0; i < most && t->enabled(); ++i) t->fire();
  }
  static int countColour(const plat::PictureBox* p, rt::Colour c) {
    int n = 0;
    const auto& s = p->surface();
    for (int y = 0; y < s.deviceHeight(); ++y)
      for (int x = 0; x < s.deviceWidth(); ++x) n += s.pixel(x, y) == c;
    return n;
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
  EXPECT_EQ(window->caption(), "Probability");
  EXPECT_EQ(window->width(), 632);  // 9480 x 6840 twips
  EXPECT_EQ(window->height(), 456);
  EXPECT_EQ(window->Loading(), 0);
  const char* tabs[] = {"Coins", "Marbles", "Dice", "Toothpicks"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(window->sstProb()->tabCaption(i), tabs[i]);
  EXPECT_EQ(window->sstProb()->tab(), 0);

  // Coins: five coins, 500 flips a run, every row at zero.
  EXPECT_EQ(window->lblCoin()->caption(), "5");
  EXPECT_EQ(window->lblFlips()->caption(), "500");
  EXPECT_EQ(window->fraCoin()->caption(), "Totals For 0 Flips");
  for (int k = 0; k <= 5; ++k) {
    EXPECT_FALSE(window->lblHA(k)->isHidden());
    EXPECT_EQ(window->lblHA(k)->caption(), "0");
    EXPECT_EQ(window->lblHT(k)->caption(), "0");
    EXPECT_EQ(window->lblNH(k)->caption(), QString::number(k));
  }
  for (int s = 0; s < 5; ++s) EXPECT_FALSE(window->picShow(s)->isHidden());
  EXPECT_EQ(window->cmdFlip()->caption(), "&Flip Coins");
  // Dice: two dice in the slots 1 and 3.
  EXPECT_EQ(window->lblDice()->caption(), "2");
  EXPECT_EQ(window->lblRolls()->caption(), "500");
  for (int s = 0; s < 5; ++s) EXPECT_EQ(window->imgDice(s)->isHidden(), s != 1 && s != 3) << s;
  EXPECT_EQ(window->lblNRolls()->caption(), "0");
  // Marbles and toothpicks.
  EXPECT_EQ(window->fraMarbles()->caption(), "Totals for 0 Marbles");
  EXPECT_EQ(window->marbles().XUnit(), 315);
  EXPECT_EQ(window->marbles().YUnit(), 199);
  EXPECT_EQ(window->lblGroup()->caption(), "400");
  EXPECT_EQ(window->lblDrops()->caption(), "0");
  EXPECT_EQ(window->lblPI()->caption(), "");
  // The graph shows the theory line only.
  EXPECT_GT(countColour(window->picCoin(), 0x0000FF), 100);
  EXPECT_EQ(countColour(window->picCoin(), 0x000000), 0);
  // Nothing runs.
  for (plat::Timer* t : {window->timFlip(), window->timRoll(), window->timDropBall(), window->timDrop()})
    EXPECT_FALSE(t->enabled());
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
  EXPECT_EQ(window->lblCoin()->caption(), "5");
  EXPECT_EQ(window->lblFlips()->caption(), "1");
  EXPECT_EQ(window->lblDice()->caption(), "1");
  EXPECT_EQ(window->lblRolls()->caption(), "500");
  EXPECT_EQ(window->lblGroup()->caption(), "1");
  EXPECT_EQ(window->coins().NumCoins(), 5);
  EXPECT_EQ(window->dice().NumDice(), 1);
  EXPECT_EQ(window->toothpicks().DropGroup(), 1);
}

TEST_F(ProbabilityWindow, HelpAndF1OpenTheTopicOfThePageInFront) {
  ASSERT_TRUE(open());
  window->cmdSHelp(0)->click();
  ASSERT_EQ(services.help->calls.size(), 1u);
  EXPECT_EQ(services.help->calls.back().topic, 13);
  EXPECT_EQ(services.help->calls.back().file, shell::BasePath + "vtrel.hlp");
  const int topics[4] = {13, 14, 15, 16};
  for (int page = 0; page < 4; ++page) {
    window->sstProb()->setTab(page);
    window->cmdSHelp(page)->click();
    EXPECT_EQ(services.help->calls.back().topic, topics[page]);
    QTest::keyClick(window, Qt::Key_F1);
    EXPECT_EQ(services.help->calls.back().topic, topics[page]);
    EXPECT_TRUE(services.help->calls.back().file.endsWith("vtrel.hlp"));
  }
}

TEST_F(ProbabilityWindow, ACoinRunFlipsItsBatchAndLocksItsControls) {
  ASSERT_TRUE(open());
  window->hsbFlips()->setValue(3);
  EXPECT_EQ(shell::settings().NumFlips, 3);
  EXPECT_EQ(window->lblFlips()->caption(), "3");
  window->cmdFlip()->click();
  EXPECT_EQ(window->cmdFlip()->caption(), "&Pause");
  EXPECT_TRUE(window->timFlip()->enabled());
  EXPECT_EQ(window->timFlip()->interval(), 100);
  EXPECT_FALSE(window->hsbCoin()->isEnabled());
  EXPECT_FALSE(window->hsbFlips()->isEnabled());
  EXPECT_FALSE(window->cmdClearCoin()->isEnabled());
  EXPECT_FALSE(window->cmdPrintCoin()->isEnabled());
  runToStop(window->timFlip());
  EXPECT_EQ(window->coins().TotalFlips(), 3);
  EXPECT_EQ(window->fraCoin()->caption(), "Totals For 3 Flips");
  EXPECT_EQ(window->cmdFlip()->caption(), "&Flip Coins");
  EXPECT_TRUE(window->hsbCoin()->isEnabled());
  EXPECT_TRUE(window->cmdPrintCoin()->isEnabled());
  EXPECT_GT(countColour(window->picCoin(), 0x000000), 100);
  int shown = 0;
  for (int k = 0; k <= 5; ++k) shown += window->lblHA(k)->caption().toInt();
  EXPECT_EQ(shown, 3);

  // Fewer coins clear the counts and show the middle slots.
  window->hsbCoin()->setValue(2);
  EXPECT_EQ(shell::settings().NumCoins, 2);
  EXPECT_EQ(window->fraCoin()->caption(), "Totals For 0 Flips");
  for (int k = 0; k <= 5; ++k) EXPECT_EQ(window->lblHA(k)->isHidden(), k > 2) << k;
  for (int s = 0; s < 5; ++s) EXPECT_EQ(window->picShow(s)->isHidden(), s != 1 && s != 3) << s;
}

TEST_F(ProbabilityWindow, DiceRollAndClear) {
  ASSERT_TRUE(open());
  window->sstProb()->setTab(2);
  window->hsbRolls()->setValue(4);
  window->cmdRollDice()->click();
  EXPECT_FALSE(window->cmdPrintDice()->isEnabled());
  runToStop(window->timRoll());
  EXPECT_EQ(window->lblNRolls()->caption(), "4");
  EXPECT_EQ(window->cmdRollDice()->caption(), "&Roll Dice");
  const int total = window->lblTotal()->caption().toInt();
  EXPECT_GE(total, 2);
  EXPECT_LE(total, 12);
  window->cmdClearDice()->click();
  EXPECT_EQ(window->lblNRolls()->caption(), "0");
  EXPECT_EQ(window->lblTotal()->caption(), "0");
  EXPECT_EQ(countColour(window->picDice(), 0x000000), 0);
}

TEST_F(ProbabilityWindow, MarblesFallWithSoundsAndFillTheirBins) {
  ASSERT_TRUE(open());
  window->sstProb()->setTab(1);
  window->cmdDropBall()->click();
  EXPECT_EQ(window->cmdDropBall()->caption(), "&Pause");
  EXPECT_FALSE(window->cmdPrintBall()->isEnabled());
  for (int t = 0; t < 6; ++t) window->timDropBall()->fire();
  EXPECT_EQ(services.sound->countPlays("boing.wav"), 6);
  EXPECT_EQ(services.sound->countPlays("ding.wav"), 1);
  for (const auto& call : services.sound->calls) EXPECT_FALSE(call.wait);
  EXPECT_EQ(window->fraMarbles()->caption(), "Totals For 1 Marbles");
  int inBins = 0;
  for (int b = 0; b < 6; ++b) inBins += window->lblBin(b)->caption().toInt();
  EXPECT_EQ(inBins, 1);
  EXPECT_EQ(window->lblMT(2)->caption(), "0");

  runToStop(window->timDropBall());
  EXPECT_EQ(window->marbles().TotalMarbles(), 32);
  EXPECT_EQ(window->fraMarbles()->caption(), "Totals For 32 Marbles");
  const char* theory[] = {"1", "5", "10", "10", "5", "1"};
  for (int b = 0; b < 6; ++b) EXPECT_EQ(window->lblMT(b)->caption(), theory[b]);
  EXPECT_EQ(window->cmdDropBall()->caption(), "&Drop");
  EXPECT_TRUE(window->cmdClearBall()->isEnabled());
  window->cmdClearBall()->click();
  EXPECT_EQ(window->fraMarbles()->caption(), "Totals for 0 Marbles");
  EXPECT_EQ(window->lblBin(0)->caption(), "0");
}

TEST_F(ProbabilityWindow, ToothpicksDropTheirBatchOnTheRuledSheet) {
  ASSERT_TRUE(open());
  window->sstProb()->setTab(3);
  // The six white lines on the black sheet.
  EXPECT_GT(countColour(window->picPick(), 0xFFFFFF), 6 * 300);
  window->hsbGroup()->setValue(5);
  EXPECT_EQ(shell::settings().DropGroup, 5);
  window->cmdDrop()->click();
  EXPECT_TRUE(window->timDrop()->enabled());
  EXPECT_EQ(window->timDrop()->interval(), 10);
  EXPECT_FALSE(window->cmdClear()->isEnabled());
  EXPECT_FALSE(window->hsbGroup()->isEnabled());
  runToStop(window->timDrop());
  EXPECT_EQ(window->lblDrops()->caption(), "5");
  EXPECT_EQ(window->lblHits()->caption().toInt(), window->toothpicks().TotalHits());
  EXPECT_FALSE(window->lblPI()->caption().isEmpty());
  EXPECT_TRUE(window->cmdClear()->isEnabled());
  window->cmdClear()->click();
  EXPECT_EQ(window->lblDrops()->caption(), "0");
  EXPECT_EQ(window->lblHits()->caption(), "0");
  EXPECT_EQ(window->lblPI()->caption(), "");
}

TEST_F(ProbabilityWindow, ExitAndTheTitleBarStopEverythingAndShowTheMenu) {
  ASSERT_TRUE(open());
  window->hsbFlips()->setValue(7);
  window->cmdFlip()->click();
  window->cmdDrop()->click();
  window->cmdDropBall()->click();
  ASSERT_TRUE(window->timFlip()->enabled());
  window->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(menu->isVisible());
  if (window) {
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->timFlip()->enabled());
    EXPECT_FALSE(window->timDrop()->enabled());
    EXPECT_FALSE(window->timDropBall()->enabled());
  }
  EXPECT_EQ(shell::settings().NumFlips, 7);

  // Opened again: counts start from zero; Exit on any page leaves.
  ASSERT_TRUE(open());
  EXPECT_EQ(window->coins().TotalFlips(), 0);
  EXPECT_EQ(window->lblFlips()->caption(), "7");
  window->sstProb()->setTab(3);
  window->cmdExit(3)->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(menu->isVisible());
}

TEST_F(ProbabilityWindow, CoinsReportAfterClearAndCancel) {
  ASSERT_TRUE(open());
  services.boxes->answer(plat::Msg::Cancel);
  window->cmdPrintCoin()->click();
  ASSERT_EQ(services.boxes->calls.size(), 1u);
  EXPECT_EQ(services.boxes->calls[0].text, "Make sure printer is on-line and ready.");
  EXPECT_EQ(services.boxes->calls[0].title, "Print Coins Results");
  EXPECT_TRUE(printed->documents.empty());

  services.boxes->answer(plat::Msg::Ok);
  window->cmdPrintCoin()->click();
  ASSERT_EQ(printed->documents.size(), 1u);
  const auto texts = printed->lastTexts();
  const std::vector<QString> head = {"Probability", "", "COINS:", "", "Flipped 5 Coins, 0 Times", "",
                                     "Number of Heads", "   ", "Actual", "   ", "Theory", ""};
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
  window->sstProb()->setTab(2);
  window->cmdPrintDice()->click();
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
  window->hsbDice()->setValue(5);
  window->cmdPrintDice()->click();
  const auto ops = printOps();
  const auto* five = find(ops, " 5");
  const auto* seventeen = find(ops, " 17");
  const auto* eighteen = find(ops, " 18");
  const auto* thirty = find(ops, " 30");
  ASSERT_TRUE(five && seventeen && eighteen && thirty);
  EXPECT_EQ(eighteen->args[1], std::round(five->args[1]));
  EXPECT_NEAR(thirty->args[1], seventeen->args[1], 1e-9);
}

TEST_F(ProbabilityWindow, MarblesReportCopiesTheBinReadOuts) {
  ASSERT_TRUE(open());
  window->cmdDropBall()->click();
  for (int i = 0; i < 16 * 6; ++i) window->timDropBall()->fire();
  window->cmdDropBall()->click();
  ASSERT_EQ(window->marbles().TotalMarbles(), 16);
  window->cmdPrintBall()->click();
  ASSERT_EQ(printed->documents.size(), 1u);
  EXPECT_EQ(services.boxes->calls.back().title, "Print Marbles Results");
  const auto texts = printed->lastTexts();
  const std::vector<QString> head = {"Probability", "", "MARBLES:", "", "Dropped 16 Marbles", "",
                                     "Bin Number", "   ", "Actual", "   ", "Theory", ""};
  ASSERT_GE(texts.size(), head.size() + 18);
  for (size_t i = 0; i < head.size(); ++i) EXPECT_EQ(texts[i], head[i]) << i;
  const char* theory[] = {"0", "2", "5", "5", "2", "0"};
  for (int b = 0; b < 6; ++b) {
    EXPECT_EQ(texts[head.size() + 3 * size_t(b)], " " + QString::number(b + 1));
    EXPECT_EQ(texts[head.size() + 3 * size_t(b) + 1], window->lblBin(b)->caption());
    EXPECT_EQ(texts[head.size() + 3 * size_t(b) + 2], theory[b]);
  }
}

}  // namespace
