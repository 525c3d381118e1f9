// The "Learn About Levers" topic: the texts of each screen in their cells and colours, the
// example levers and their pictures, paging with Next and Previous, and the user's own lever
// kept safe whichever way the lesson ends.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QFile>
#include <QPointer>
#include <vector>

#include "levers/leverswindow.h"
#include "platform/button.h"
#include "platform/label.h"
#include "platform/picturebox.h"
#include "platform/shape.h"
#include "platform/surface.h"
#include "runtime/colour.h"
#include "runtime/palette.h"
#include "shell/settings.h"
#include "tests/levers/leverwindow.h"

namespace {

using namespace leverstest;

struct Printed {
  QString text;
  double x, y;
  rt::Colour colour;
};

class Lesson : public LeversWindowTest {
 protected:
  // The lesson opened on screen 1, recording what is drawn from then on.
  LeversWindow* start() {
    LeversWindow* w = open();
    if (!w) return nullptr;
    w->surface().setRecording(true);
    topicButton(w, 1)->click();
    return w;
  }
  static std::vector<Printed> printed(LeversWindow* w) {
    std::vector<Printed> out;
    for (const plat::DrawOp& op : w->surface().ops())
      if (op.op == "print") out.push_back({op.text, op.args[0], op.args[1], op.colour});
    return out;
  }
  static void next(LeversWindow* w) {
    w->surface().clearOps();
    toolButton(w, 1)->click();
  }
  static void previous(LeversWindow* w) {
    w->surface().clearOps();
    toolButton(w, 4)->click();
  }
  // The text printed at a cell (row, column), with its colour.
  static const Printed* at(const std::vector<Printed>& texts, int row, int column) {
    for (const Printed& p : texts)
      if (p.x == (column - 1) * 8 && p.y == (row - 1) * 8) return &p;
    return nullptr;
  }
  void expectUsersLever(LeversWindow* w) {
    const shell::SharedSettings& s = shell::settings();
    EXPECT_EQ(s.FulcrumPos, 9.0f);
    EXPECT_EQ(s.DEffort, -9.0f);
    EXPECT_EQ(s.DLoad, 1.0f);
    EXPECT_EQ(s.LeverLoad, 100.0f);
    EXPECT_EQ(w->lever().LeverClass, 1);
    EXPECT_EQ(w->lever().ClassText, "1st");
  }
};

const rt::Colour kYellow = rt::palette::kYellow, kCyan = rt::palette::kCyan, kWhite = rt::palette::kWhite;

TEST_F(Lesson, EachScreenPrintsItsTextsInTheirCellsAndColours) {
  LeversWindow* w = start();
  ASSERT_TRUE(w);

  // Screen 1: the parts named in yellow, eight lines of cyan text from row 14.
  auto t = printed(w);
  ASSERT_EQ(t.size(), 12u);
  const char* labels[4][3] = {{"Effort", "4", "3"}, {"Load", "3", "34"}, {"Fulcrum", "10", "23"}, {"Lever", "7", "18"}};
  for (auto& l : labels) {
    const Printed* p = at(t, atoi(l[1]), atoi(l[2]));
    ASSERT_TRUE(p) << l[0];
    EXPECT_EQ(p->text, l[0]);
    EXPECT_EQ(p->colour, kYellow);
  }
  ASSERT_TRUE(at(t, 14, 3));
  EXPECT_EQ(at(t, 14, 3)->text, "Levers are simple devices that help");
  EXPECT_EQ(at(t, 14, 3)->colour, kCyan);
  EXPECT_EQ(at(t, 17, 3)->text, "move a load. If the effort applied  ");
  // Real double quotes around the term.
  EXPECT_EQ(at(t, 19, 3)->text, "have a \"mechanical advantage.\" The  ");
  EXPECT_EQ(at(t, 21, 3)->text, "applied, the greater the advantage. ");

  // Screen 2: the distances named in white; the formula in yellow.
  next(w);
  t = printed(w);
  ASSERT_TRUE(at(t, 2, 9));
  EXPECT_EQ(at(t, 2, 9)->text, "D Effort");
  EXPECT_EQ(at(t, 2, 9)->colour, kWhite);
  EXPECT_EQ(at(t, 2, 25)->text, "D Load");
  EXPECT_EQ(at(t, 7, 8)->text, "Effort");
  EXPECT_EQ(at(t, 7, 28)->text, "Load");
  EXPECT_EQ(at(t, 7, 28)->colour, kYellow);
  EXPECT_EQ(at(t, 18, 3)->text, "balanced when:");
  EXPECT_EQ(at(t, 20, 3)->text, " Effort x D Effort = Load x D Load");
  EXPECT_EQ(at(t, 20, 3)->colour, kYellow);

  // Screen 3: only text; the formula stands 4 pixels above its cell.
  next(w);
  t = printed(w);
  ASSERT_EQ(t.size(), 7u);
  EXPECT_EQ(t[1].text, "         D Effort / D Load");
  EXPECT_EQ(t[1].y, 15 * 8 - 4);
  EXPECT_EQ(t[1].colour, kYellow);
  EXPECT_EQ(at(t, 21, 3)->text, "disadvantage (Effort>Load).");
  EXPECT_EQ(w->surface().countOps("polygon"), 0);

  // Screen 4: labels, distances and text.
  next(w);
  t = printed(w);
  EXPECT_EQ(at(t, 10, 23)->text, "Fulcrum");
  EXPECT_EQ(at(t, 2, 9)->text, "D Effort");
  EXPECT_EQ(at(t, 20, 3)->text, "program, the lever is 10 units long.");

  // Screens 5 to 7: a yellow heading and cyan text on the same line.
  const char* heads[3][3] = {{"1st Class Lever: ", "fulcrum between the", "crowbars are all first class levers."},
                             {"2nd Class Lever: ", "load between the", "all second-class levers."},
                             {"3rd Class Lever: ", "effort between the", "tongs are all third class levers."}};
  for (auto& h : heads) {
    next(w);
    t = printed(w);
    ASSERT_EQ(t.size(), 10u) << h[0];
    EXPECT_EQ(t[0].text, h[0]);
    EXPECT_EQ(t[0].colour, kYellow);
    EXPECT_EQ(t[0].y, 13 * 8);
    EXPECT_EQ(t[1].text, h[1]);
    EXPECT_EQ(t[1].colour, kCyan);
    EXPECT_EQ(t[1].y, 13 * 8);
    EXPECT_GT(t[1].x, t[0].x);
    EXPECT_EQ(at(t, 22, 3)->text, h[2]);
  }
}

TEST_F(Lesson, TheExamplesAreLevelLeversOfEachClassWithTheLessonsLoad) {
  LeversWindow* w = start();
  ASSERT_TRUE(w);
  const shell::SharedSettings& s = shell::settings();
  // Screen 1: the first class, fulcrum in the middle; text below a divider raised to y 98
  // and no yellow panel.
  EXPECT_EQ(w->lever().LeverClass, 1);
  EXPECT_EQ(s.FulcrumPos, 5.0f);
  EXPECT_EQ(s.DEffort, -5.0f);
  EXPECT_EQ(s.DLoad, 5.0f);
  EXPECT_EQ(s.LeverLoad, 10.0f);
  EXPECT_EQ(w->lever().Theta, 0.0f);
  EXPECT_EQ(pixel(w, 150, 98), rt::palette::kRed);
  EXPECT_EQ(pixel(w, 150, 102), 0u);
  EXPECT_EQ(pixel(w, 300, 190), 0u);
  EXPECT_EQ(pixel(w, 157, 77), rt::palette::kRed);      // the fulcrum at x 160
  EXPECT_EQ(pixel(w, 280, 48), rt::palette::kMagenta);  // the load at the right end
  EXPECT_EQ(pixel(w, 100, 11), 0u);

  // Screen 2 draws the distance lines over the same picture.
  next(w);
  EXPECT_EQ(pixel(w, 50, 11), kWhite);
  EXPECT_EQ(pixel(w, 250, 11), kWhite);
  EXPECT_EQ(pixel(w, 160, 40), kWhite);  // the fulcrum's extension line
  EXPECT_EQ(w->surface().countOps("polygon"), 0);
  next(w);  // screen 3 keeps it
  EXPECT_EQ(pixel(w, 50, 11), kWhite);

  // Screen 4 draws the picture whole again with its labels and distances.
  next(w);
  EXPECT_EQ(pixel(w, 50, 11), kWhite);
  EXPECT_GT(w->surface().countOps("polygon"), 0);

  // Screen 5: the same lever with its dimensions: 5.0 either side and the fulcrum at 5.0.
  next(w);
  EXPECT_EQ(pixel(w, 50, 10), kWhite);  // now the D Effort dimension line
  EXPECT_EQ(pixel(w, 50, 11), 0u);
  EXPECT_EQ(w->screen().EffY, 10);

  // Screen 6: the second class, fulcrum at the left end, the load in the middle.
  next(w);
  EXPECT_EQ(w->lever().LeverClass, 2);
  EXPECT_EQ(s.FulcrumPos, 0.0f);
  EXPECT_EQ(s.DEffort, 10.0f);
  EXPECT_EQ(s.DLoad, 5.0f);
  EXPECT_EQ(pixel(w, 37, 77), rt::palette::kRed);
  EXPECT_EQ(pixel(w, 160, 48), rt::palette::kMagenta);
  // The fulcrum's dimension has no room: 0.0 to the left, its point at (26, 75).
  EXPECT_EQ(pixel(w, 26, 75), rt::palette::kMagenta);
  // The narrow divider of the class examples.
  const auto& ops = w->surface().ops();
  bool narrow = false;
  for (const plat::DrawOp& op : ops)
    if (op.op == "line" && op.args == std::vector<double>{0, 98, 319, 98}) narrow = op.drawWidth == 1;
  EXPECT_TRUE(narrow);

  // Screen 7: the third class; D Load is the upper dimension.
  next(w);
  EXPECT_EQ(w->lever().LeverClass, 3);
  EXPECT_EQ(s.FulcrumPos, 0.0f);
  EXPECT_EQ(s.DEffort, 5.0f);
  EXPECT_EQ(s.DLoad, 10.0f);
  EXPECT_EQ(w->screen().LoadY, 10);
  EXPECT_EQ(w->screen().EffY, 25);
  EXPECT_EQ(pixel(w, 280, 48), rt::palette::kMagenta);
  EXPECT_EQ(pixel(w, 170, 48), 0u);  // the second class's load is gone
  // The user's class text stays through the lesson.
  EXPECT_EQ(w->lever().ClassText, "1st");
}

// The words of each screen are drawn, not shown in controls: screen readers hear them as the
// description of the window's drawing, one passage a screen, with the padding blanks gone.
TEST_F(Lesson, ScreenReadersHearEachScreensTextAsTheDrawingsDescription) {
  LeversWindow* w = start();
  ASSERT_TRUE(w);
  plat::PictureBox* drawing = w->findChild<plat::PictureBox*>();
  ASSERT_NE(drawing, nullptr);
  auto heard = [&](QAccessible::Text t) { return QAccessible::queryAccessibleInterface(drawing)->text(t); };
  EXPECT_EQ(heard(QAccessible::Name), "Lever");
  EXPECT_TRUE(heard(QAccessible::Description)
                  .startsWith("Levers are simple devices that help you do work. By applying an effort, the lever "
                              "rotates about a fulcrum to move a load."));
  EXPECT_TRUE(heard(QAccessible::Description)
                  .endsWith("have a \"mechanical advantage.\" The farther from the "
                            "fulcrum a force is applied, the greater the advantage."));
  next(w);
  next(w);
  EXPECT_EQ(heard(QAccessible::Description),
            "Mechanical advantage is defined as: D Effort / D Load If this is equal to 1, there is no advantage "
            "(Effort=Load), if greater than 1, an advantage (Effort<Load), and if less than 1, we call it a "
            "disadvantage (Effort>Load).");
  next(w);
  next(w);
  EXPECT_TRUE(heard(QAccessible::Description).startsWith("1st Class Lever: fulcrum between the effort and the load."));
  // Stop: the user's lever, with no lesson text.
  toolButton(w, 3)->click();
  EXPECT_EQ(heard(QAccessible::Description), "");
}

TEST_F(Lesson, PreviousOnTheFirstScreenRedrawsIt) {
  LeversWindow* w = start();
  ASSERT_TRUE(w);
  previous(w);
  EXPECT_EQ(w->screenNumber(), 1);
  const auto t = printed(w);
  ASSERT_EQ(t.size(), 12u);
  EXPECT_EQ(at(t, 14, 3)->text, "Levers are simple devices that help");
  // The text area was cleared before the screen was drawn again.
  const plat::DrawOp& first = w->surface().ops().front();
  EXPECT_EQ(first.op, "fill");
  EXPECT_EQ(first.args, (std::vector<double>{0, 100, 319, 196}));
  EXPECT_EQ(first.colour, 0u);
  // Still the lesson, and the user's lever is still kept.
  EXPECT_TRUE(toolButton(w, 1)->isVisible());
  toolButton(w, 3)->click();
  expectUsersLever(w);
}

TEST_F(Lesson, PagingBackAndForthAndStopBringBackTheUsersLever) {
  LeversWindow* w = start();
  ASSERT_TRUE(w);
  // Forward to an example, back to screen 1 (drawn again, nothing kept anew), on and back.
  for (int i = 0; i < 5; ++i) next(w);
  EXPECT_EQ(w->screenNumber(), 6);
  for (int i = 0; i < 5; ++i) previous(w);
  EXPECT_EQ(w->screenNumber(), 1);
  for (int round = 0; round < 3; ++round) {
    next(w);
    previous(w);
  }
  next(w);
  next(w);
  next(w);
  next(w);
  next(w);
  ASSERT_EQ(w->screenNumber(), 6);
  ASSERT_EQ(w->lever().LeverClass, 2);
  // Stop in the middle.
  toolButton(w, 3)->click();
  expectUsersLever(w);
  EXPECT_TRUE(topicsFrame(w)->isVisible());
  EXPECT_EQ(w->backColor(), kPanelBack);
  // The work topic then shows the user's lever and its class.
  topicButton(w, 2)->click();
  EXPECT_EQ(valuesFrame(w)->caption(), "1st Class Lever");
  EXPECT_EQ(loadFigure(w)->caption(), "100");
  EXPECT_EQ(effortDistanceFigure(w)->caption(), "9.0");
  EXPECT_EQ(pixel(w, 253, 77), rt::palette::kRed);  // the fulcrum at 9
}

TEST_F(Lesson, NextOnTheLastScreenEndsTheLessonWithTheUsersLever) {
  LeversWindow* w = start();
  ASSERT_TRUE(w);
  for (int i = 0; i < 6; ++i) next(w);
  ASSERT_EQ(w->screenNumber(), 7);
  ASSERT_TRUE(toolButton(w, 1)->isVisible());
  next(w);
  EXPECT_EQ(w->screenNumber(), 8);
  // The topic panel on light blue, no tools, no text drawn.
  EXPECT_TRUE(topicsFrame(w)->isVisible());
  EXPECT_TRUE(topicsBackdrop(w)->isVisible());
  EXPECT_EQ(w->backColor(), kPanelBack);
  EXPECT_EQ(w->surface().pixel(5, 5), kPanelBack);
  for (int i = 0; i <= 4; ++i) EXPECT_FALSE(toolButton(w, i)->isVisible()) << i;
  EXPECT_TRUE(printed(w).empty());
  expectUsersLever(w);
  // The bars were never touched.
  EXPECT_EQ(fulcrumBar(w)->value(), 90);
  EXPECT_EQ(effortPositionBar(w)->value(), 0);
  EXPECT_EQ(loadPositionBar(w)->value(), 100);
  EXPECT_EQ(loadBar(w)->value(), 100);

  // A second lesson keeps the user's lever again, not the first lesson's last example.
  topicButton(w, 1)->click();
  for (int i = 0; i < 6; ++i) next(w);
  toolButton(w, 3)->click();
  expectUsersLever(w);
}

TEST_F(Lesson, ClosingTheWindowInTheLessonKeepsTheExamplesOutOfTheSettingsFile) {
  LeversWindow* w = start();
  ASSERT_TRUE(w);
  QPointer<LeversWindow> alive(w);
  for (int i = 0; i < 5; ++i) next(w);
  ASSERT_EQ(shell::settings().DEffort, 10.0f);
  w->close();
  settle();
  EXPECT_TRUE(alive.isNull());
  ASSERT_TRUE(menu->isVisible());
  EXPECT_EQ(shell::settings().FulcrumPos, 9.0f);
  EXPECT_EQ(shell::settings().DEffort, -9.0f);
  EXPECT_EQ(shell::settings().DLoad, 1.0f);
  EXPECT_EQ(shell::settings().LeverLoad, 100.0f);
  // The menu's Exit writes the file: the levers' line holds the user's lever.
  QTest::mouseClick(&control<plat::CommandButton>(*menu, "exitButton"), Qt::LeftButton);
  QFile ini(dir.filePath("vtrel5.ini"));
  ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
  const QList<QByteArray> lines = ini.readAll().split('\n');
  ASSERT_GT(lines.size(), 2);
  EXPECT_EQ(lines[1].trimmed(), "9,-9,1,100");
}

}  // namespace
