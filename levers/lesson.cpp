// The "Learn About Levers" topic: seven screens that set the lever up as examples of the
// three classes, label its parts, draw the distances and explain balance and mechanical
// advantage, then an end step that gives the user's own lever back. The picture stays in the
// upper part of the logical screen; the text lies on the 40 x 25 grid of 8 x 8 cells below a
// red divider.

#include <QStringList>
#include <vector>

#include "levers/leverslayout.h"
#include "levers/leverswindow.h"
#include "platform/surface.h"
#include "runtime/palette.h"

namespace levers {

namespace {

// Colours of the lesson: labels, headings and formulas; the running text; the distance lines
// and their labels.
constexpr rt::Colour kLabel = rt::palette::kYellow, kText = rt::palette::kCyan, kDistance = rt::palette::kWhite;

// The example levers, each with the lesson's load of 10.
struct LeverSetup {
  int16_t LeverClass;
  float FulcrumPos, DEffort, DLoad;
};
// Effort at the left end, fulcrum in the middle, load at the right end.
constexpr LeverSetup kFirstClass{1, 5, -5, 5};
// Fulcrum at the left end, load in the middle, effort at the right end.
constexpr LeverSetup kSecondClass{2, 0, 10, 5};
// Fulcrum at the left end, effort in the middle, load at the right end.
constexpr LeverSetup kThirdClass{3, 0, 5, 10};

// One line of text from column 3: a heading run printed without a line break, then a run
// that ends the line. Lines with a single run leave the heading empty.
struct TextLine {
  int16_t row;
  rt::Colour colour;
  const char* text;
  rt::Colour tailColour = rt::palette::kBlack;
  const char* tail = nullptr;
  int raise = 0;  // pixels the line stands above its cell
};

// The text of each screen, 1 to 7.
const std::vector<TextLine> kScreenTexts[8] = {
    {},
    {
        {14, kText, "Levers are simple devices that help"},
        {15, kText, "you do work. By applying an effort,"},
        {16, kText, "the lever rotates about a fulcrum to"},
        {17, kText, "move a load. If the effort applied  "},
        {18, kText, "is less than the load moved, you    "},
        {19, kText, "have a \"mechanical advantage.\" The  "},
        {20, kText, "farther from the fulcrum a force is "},
        {21, kText, "applied, the greater the advantage. "},
    },
    {
        {14, kText, "If we call the distance from the  "},
        {15, kText, "effort to the fulcrum D Effort and"},
        {16, kText, "the distance from the load to the "},
        {17, kText, "fulcrum D Load, we find a lever is"},
        {18, kText, "balanced when:"},
        {20, kLabel, " Effort x D Effort = Load x D Load"},
    },
    {
        {14, kText, "Mechanical advantage is defined as:"},
        {16, kLabel, "         D Effort / D Load", rt::palette::kBlack, nullptr, 4},
        {17, kText, "If this is equal to 1, there is no  "},
        {18, kText, "advantage (Effort=Load), if greater "},
        {19, kText, "than 1, an advantage (Effort<Load), "},
        {20, kText, "and if less than 1, we call it a    "},
        {21, kText, "disadvantage (Effort>Load)."},
    },
    {
        {14, kText, "There are three classes of levers"},
        {15, kText, "(first, second, third), depending on"},
        {16, kText, "location of the effort, fulcrum, and"},
        {17, kText, "load. Study the terms above and then"},
        {18, kText, "continue to see each lever class. In"},
        {19, kText, "each example and throughout this"},
        {20, kText, "program, the lever is 10 units long."},
    },
    {
        {14, kLabel, "1st Class Lever: ", kText, "fulcrum between the"},
        {15, kText, "effort and the load. When load and"},
        {16, kText, "effort are the same distance from "},
        {17, kText, "the fulcrum, there is no mechanical"},
        {18, kText, "advantage. Applying the effort     "},
        {19, kText, "farther from the fulcrum, or the   "},
        {20, kText, "load nearer, creates an advantage. "},
        {21, kText, "Pliers, scissors, shears, and      "},
        {22, kText, "crowbars are all first class levers."},
    },
    {
        {14, kLabel, "2nd Class Lever: ", kText, "load between the"},
        {15, kText, "effort and fulcrum.  Although load, "},
        {16, kText, "fulcrum, and effort are equal       "},
        {17, kText, "distances apart here, the effort is "},
        {18, kText, "twice as far from the fulcrum as the"},
        {19, kText, "load, giving it a mechanical      "},
        {20, kText, "advantage equal to 2. Screwdrivers,"},
        {21, kText, "nutcrackers, and wheel barrows are"},
        {22, kText, "all second-class levers."},
    },
    {
        {14, kLabel, "3rd Class Lever: ", kText, "effort between the"},
        {15, kText, "load and fulcrum. Again load, effort"},
        {16, kText, "and fulcrum are separated equally, "},
        {17, kText, "but this time the effort is half as"},
        {18, kText, "far from the fulcrum as the load,  "},
        {19, kText, "giving it a disadvantage. This is  "},
        {20, kText, "useful when you need a delicate    "},
        {21, kText, "grip. Your lower arm, tweezers, and"},
        {22, kText, "tongs are all third class levers."},
    },
};

const std::vector<TextLine>& screenText(int screen) {
  static const std::vector<TextLine> kNone;
  return screen >= 1 && screen <= 7 ? kScreenTexts[screen] : kNone;
}

// The parts of the lever, named where they stand in the first-class example.
void drawLabels(LeverScreen& scr) {
  plat::Surface& s = scr.surface();
  s.setForeColor(kLabel);
  scr.locate(4, 3);
  s.print("Effort", false);
  scr.locate(3, 34);
  s.print("Load", false);
  scr.locate(10, 23);
  s.print("Fulcrum", false);
  scr.locate(7, 18);
  s.print("Lever", false);
}

// Clears a label's place: from its cell's corner, w pixels wide and one cell high.
void clearLabel(LeverScreen& scr, int16_t row, int16_t column, int w) {
  plat::Surface& s = scr.surface();
  const double x = (column - 1) * 8, y = (row - 1) * 8;
  s.filledBox(x, y, x + w, y + 8, s.backColor());
}

// The distances of effort and load from the fulcrum, as lines with arrowheads over the
// first-class example, named D Effort and D Load.
void drawDistances(LeverScreen& scr) {
  plat::Surface& s = scr.surface();
  clearLabel(scr, 4, 3, 48);
  clearLabel(scr, 3, 34, 32);
  clearLabel(scr, 7, 18, 40);
  s.setForeColor(kLabel);
  scr.locate(7, 8);
  s.print("Effort", false);
  scr.locate(7, 28);
  s.print("Load", false);

  s.setForeColor(kDistance);
  s.line(160, 3, 160, 56);
  s.line(280, 3, 280, 33);
  s.line(40, 3, 40, 36);
  s.line(280, 11, 160, 11);
  s.line(40, 11, 160, 11);
  // Heads onto the fulcrum's and the load's lines, and onto the effort's and the fulcrum's.
  const struct {
    double x;
    const char* head;
  } heads[4] = {{159, "h3f3g3"}, {279, "h3f3g3"}, {41, "e3g3f3"}, {161, "e3g3f3"}};
  for (const auto& h : heads) {
    s.pset(h.x, 11);
    scr.drawMacro(h.head);
  }

  clearLabel(scr, 2, 9, 64);
  scr.locate(2, 9);
  s.print("D Effort", false);
  clearLabel(scr, 2, 25, 48);
  scr.locate(2, 25);
  s.print("D Load", false);
}

// An example lever drawn whole and level, its divider raised above the text: two pixels wide on
// the introductory screens, one pixel on the later class examples.
void drawScene(LeverScreen& scr, Lever& lever, const LeverSetup& setup, bool clearFirst, int width) {
  plat::Surface& s = scr.surface();
  if (clearFirst) s.filledBox(1, 1, 318, 97, s.backColor());
  lever.LeverClass = setup.LeverClass;
  lever.values.FulcrumPos = setup.FulcrumPos;
  lever.values.DEffort = setup.DEffort;
  lever.values.DLoad = setup.DLoad;
  lever.Theta = 0;
  scr.drawScene();
  if (width == 2) {
    s.setDrawWidth(2);
    s.setFillStyle(plat::FillSolid);
    s.setFillColor(s.backColor());
    s.box(1, 98, 318, 105, s.backColor());
    s.line(0, 98, 319, 98, rt::palette::kRed);
    s.setDrawWidth(1);
  } else {
    s.filledBox(1, 98, 318, 105, s.backColor());
    s.line(0, 98, 319, 98, rt::palette::kRed);
  }
}

}  // namespace

void LeversWindow::showScreen() {
  if (m_screenNumber == 8) {
    // The end: the user's lever comes back with the topic panel.
    restoreUserLever();
    showTopics();
    return;
  }
  if (m_screenNumber < 1 || m_screenNumber > 8) return;
  drawExample(m_screenNumber);
  drawScreenText(m_screenNumber);
}

void LeversWindow::drawExample(int screen) {
  LeverScreen& scr = *m_screen;
  switch (screen) {
    case 1:
      // The examples replace the user's lever while the lesson runs; it is kept the first
      // time screen 1 is drawn, so paging back to screen 1 never keeps an example instead.
      if (!m_userLeverSaved) {
        keepUserLever();
        m_userLeverSaved = true;
      }
      drawScene(scr, m_lever, kFirstClass, false, 2);
      drawLabels(scr);
      break;
    case 2: drawDistances(scr); break;
    case 3: break;  // the picture of screen 2 stays
    case 4:
      drawScene(scr, m_lever, kFirstClass, false, 2);
      drawLabels(scr);
      drawDistances(scr);
      break;
    case 5:
      drawScene(scr, m_lever, kFirstClass, true, 2);
      scr.drawDimensions();
      break;
    case 6:
      drawScene(scr, m_lever, kSecondClass, true, 1);
      scr.drawDimensions();
      break;
    case 7:
      drawScene(scr, m_lever, kThirdClass, true, 1);
      scr.drawDimensions();
      break;
    default: break;
  }
}

namespace {

// A screen's text as one passage, for screen readers: its lines joined without the blanks
// that pad them to the screen's grid.
QString screenPassage(int screen) {
  QStringList lines;
  for (const TextLine& line : screenText(screen))
    lines << (QString::fromUtf8(line.text) + (line.tail ? QString::fromUtf8(line.tail) : QString())).trimmed();
  return lines.join(' ');
}

}  // namespace

void LeversWindow::drawScreenText(int screen) {
  LeverScreen& scr = *m_screen;
  plat::Surface& s = scr.surface();
  describeSurface(layout::kLeverPictureName, screenPassage(screen));
  for (const TextLine& line : screenText(screen)) {
    scr.locate(line.row, 3);
    if (line.raise) s.setCurrentY(s.currentY() - line.raise);
    s.setForeColor(line.colour);
    if (line.tail) {
      s.print(line.text, false);
      s.setForeColor(line.tailColour);
      s.print(line.tail, true);
    } else {
      s.print(line.text, true);
    }
  }
}

void LeversWindow::showNextScreen() {
  m_screenNumber = int16_t(m_screenNumber + 1);
  m_screen->surface().filledBox(0, 100, 319, 196, m_screen->surface().backColor());
  showScreen();
}

void LeversWindow::showPreviousScreen() {
  m_screenNumber = int16_t(m_screenNumber - 1);
  if (m_screenNumber < 1) m_screenNumber = 1;
  m_screen->surface().filledBox(0, 100, 319, 196, m_screen->surface().backColor());
  showScreen();
}

}  // namespace levers
