// The rocketry window as a user meets it: opened from the menu, set up with the bars, the
// parachute and the units, launched, stopped or landed, repainted, printed, and left.

#include <gtest/gtest.h>

#include "tests/support/menufixture.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <utility>

#include "app/projects.h"
#include "platform/button.h"
#include "platform/checkbox.h"
#include "platform/files.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/lineoverlay.h"
#include "platform/optionbutton.h"
#include "platform/picturebox.h"
#include "platform/printer.h"
#include "platform/scrollbar.h"
#include "platform/services.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "rocketry/rocketrylayout.h"
#include "rocketry/rocketrywindow.h"
#include "runtime/palette.h"
#include "shell/clocks.h"
#include "shell/menuwindow.h"
#include "shell/programfolder.h"
#include "shell/settings.h"
#include "tests/support/controls.h"
#include "tests/support/doubles.h"
#include "tests/support/layoutrows.h"
#include "tests/support/manualsources.h"
#include "tests/support/pixels.h"
#include "tests/support/screenreader.h"
#include "tests/support/tabchain.h"

namespace {

using rocketry::RocketryWindow;

class RocketryWindowTest : public MenuFixture {
 protected:
  void SetUp() override {
    MenuFixture::SetUp();
    ASSERT_EQ(shell::settings().RocketThrust, 10.0f);
  }

  RocketryWindow* open() { return window = openProject<RocketryWindow>(9); }

  // The window's controls, by the names the window gives them.
  template <class T>
  T& named(const char* name) const {
    return control<T>(*window, name);
  }
  plat::ScrollBar& thrustBar() const { return named<plat::ScrollBar>("thrustBar"); }
  plat::ScrollBar& burnTimeBar() const { return named<plat::ScrollBar>("burnTimeBar"); }
  plat::ScrollBar& massBar() const { return named<plat::ScrollBar>("massBar"); }
  plat::Label& thrustReadout() const { return named<plat::Label>("thrustReadout"); }
  plat::Label& burnTimeReadout() const { return named<plat::Label>("burnTimeReadout"); }
  plat::Label& massReadout() const { return named<plat::Label>("massReadout"); }
  plat::Label& massTitle() const { return named<plat::Label>("massTitle"); }
  plat::CheckBox& chuteBox() const { return named<plat::CheckBox>("chuteBox"); }
  plat::OptionButton& unitOption(int index) const { return control<plat::OptionButton>(*window, "unitOption", index); }
  plat::CommandButton& launchButton() const { return named<plat::CommandButton>("launchButton"); }
  plat::CommandButton& printButton() const { return named<plat::CommandButton>("printButton"); }
  plat::CommandButton& helpButton() const { return named<plat::CommandButton>("helpButton"); }
  plat::CommandButton& exitButton() const { return named<plat::CommandButton>("exitButton"); }
  plat::PictureBox& skyPicture() const { return named<plat::PictureBox>("skyPicture"); }
  plat::ImageBox& rocketPicture() const { return named<plat::ImageBox>("rocketPicture"); }
  plat::ImageBox& smokePicture() const { return named<plat::ImageBox>("smokePicture"); }
  plat::ImageBox& chutePicture() const { return named<plat::ImageBox>("chutePicture"); }
  plat::PictureBox& altitudePlot() const { return named<plat::PictureBox>("altitudePlot"); }
  plat::PictureBox& speedPlot() const { return named<plat::PictureBox>("speedPlot"); }
  plat::PictureBox& forcePlot() const { return named<plat::PictureBox>("forcePlot"); }
  plat::Line& speedZeroLine() const { return named<plat::Line>("speedZeroLine"); }
  plat::Line& forceZeroLine() const { return named<plat::Line>("forceZeroLine"); }
  plat::Timer& flightTimer() const { return named<plat::Timer>("flightTimer"); }
  // The six predicted results, in the window's order.
  enum Result { MaxSpeed, MaxAltitude, ApogeeTime, DescentSpeed, DescentTime, FlightTime };
  plat::Label& result(Result which) const { return control<plat::Label>(*window, "result", which); }

  // The units chosen (0 US, 1 metric), -1 while none is.
  int chosenUnits() const { return chosenOption(*window, "unitOption", 2); }
  // Chooses the units as code does: the click runs only when the choice changes.
  void chooseUnits(int index) { unitOption(index).setValue(true); }
  // The launch button shows the stop picture during a flight, named Stop for screen readers.
  bool showsStop() const { return launchButton().accessibleName() == "Stop"; }
  int flyToEnd() {
    int ticks = 0;
    while (window->launch().running() && ticks < 10000) {
      flightTimer().fire();
      ++ticks;
    }
    return ticks;
  }
  QStringList results() const {
    return {result(MaxSpeed).caption(),     result(MaxAltitude).caption(), result(ApogeeTime).caption(),
            result(DescentSpeed).caption(), result(DescentTime).caption(), result(FlightTime).caption()};
  }
  int plays(const char* file) const { return services.sound->countPlays(file); }

  QPointer<RocketryWindow> window;
};

TEST_F(RocketryWindowTest, OpensWithTheFreshSettingsAndThePredictedFlight) {
  ASSERT_TRUE(open());
  EXPECT_FALSE(menu->isVisible());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->caption(), "Rocketry");
  EXPECT_EQ(window->width(), 637);  // 9555 x 6945 twips
  EXPECT_EQ(window->height(), 463);
  EXPECT_EQ(window->loading(), 0);
  EXPECT_EQ(thrustBar().value(), 100);
  EXPECT_EQ(burnTimeBar().value(), 39);
  EXPECT_EQ(massBar().value(), 204);
  EXPECT_EQ(massBar().min(), 204);
  EXPECT_EQ(massBar().max(), 714);
  EXPECT_EQ(thrustReadout().caption(), "10.0");
  EXPECT_EQ(burnTimeReadout().caption(), "3.9");
  // US units without a parachute.
  EXPECT_EQ(chosenUnits(), 0);
  EXPECT_EQ(massTitle().caption(), "Mass (oz)");
  EXPECT_EQ(massReadout().caption(), "7.2");
  EXPECT_EQ(chuteBox().value(), 0);
  EXPECT_EQ(results(), (QStringList{"502 ft/s", "4889 ft", "19.5 s", "-197 ft/s", "25.6 s", "47.4 s"}));
  // Idle: no flight kept, Print disabled, the rocket on the pad, no zero lines yet.
  EXPECT_FALSE(printButton().isEnabled());
  EXPECT_FALSE(showsStop());
  EXPECT_FALSE(flightTimer().enabled());
  EXPECT_FALSE(speedZeroLine().isVisible());
  EXPECT_FALSE(chutePicture().isVisible());
  EXPECT_TRUE(smokePicture().isVisible());
  EXPECT_EQ(rocketPicture().y() + rocketPicture().height(), skyPicture().surface().deviceHeight());
  EXPECT_EQ(smokePicture().y(), skyPicture().surface().deviceHeight());
  EXPECT_EQ(window->focusWidget(), &launchButton());
  // The fresh values are stored unchanged.
  const auto& s = shell::settings();
  EXPECT_EQ(s.RocketThrust, 10.0f);
  EXPECT_EQ(s.RocketBurnTime, 3.9f);
  EXPECT_EQ(s.RocketMass, 204.0f);
  EXPECT_EQ(s.RocketUnits, 0);
  EXPECT_EQ(s.RocketChute, 0);
}

// Every control stands where the layout table puts it, with its caption, font and colours.
TEST_F(RocketryWindowTest, TheControlsAreBuiltFromTheLayoutTable) {
  using namespace rocketry::layout;
  using layoutrows::expectBuilt;
  using layoutrows::expectRow;
  ASSERT_TRUE(open());
  EXPECT_EQ(window->width(), plat::twipsToPixels(kWidth));
  EXPECT_EQ(window->height(), plat::twipsToPixels(kHeight));
  expectRow(&skyPicture(), kSky);

  QWidget* inputs = thrustBar().parentWidget();
  expectRow(inputs, kInputPanel);
  expectBuilt(inputs, kThrustTitle);
  expectBuilt(inputs, kBurnTimeTitle);
  // The mass title names the units chosen at load.
  expectRow(&massTitle(),
            {nullptr, kMassTitle.left, kMassTitle.top, kMassTitle.width, kMassTitle.height, kMassTitle.font});
  expectRow(&thrustBar(), kThrustBar);
  expectRow(&burnTimeBar(), kBurnTimeBar);
  expectRow(&massBar(), kMassBar);
  expectRow(&thrustReadout(), kThrustReadout);
  expectRow(&burnTimeReadout(), kBurnTimeReadout);
  expectRow(&massReadout(), kMassReadout);

  expectRow(unitOption(0).parentWidget(), kChoicePanel);
  EXPECT_EQ(chuteBox().parentWidget(), window);
  expectRow(&chuteBox(), kChuteBox);
  for (int i = 0; i < 2; ++i) expectRow(&unitOption(i), kUnitOptions[i]);

  QWidget* results = result(MaxSpeed).parentWidget();
  expectRow(results, kResultPanel);
  for (size_t i = 0; i < 6; ++i) {
    expectBuilt(results, kResultTitles[i]);
    expectRow(&result(Result(i)), kResultReadouts[i]);
  }

  for (const ControlRow& row : kPlotTitles) expectBuilt(window, row);
  expectRow(&altitudePlot(), kAltitudePlot);
  expectRow(&speedPlot(), kSpeedPlot);
  expectRow(&forcePlot(), kForcePlot);

  expectRow(launchButton().parentWidget(), kCommandPanel);
  expectRow(&launchButton(), kLaunchButton);
  expectRow(&printButton(), kPrintButton);
  expectRow(&helpButton(), kHelpButton);
  expectRow(&exitButton(), kExitButton);
}

TEST_F(RocketryWindowTest, TheThrustKeepsTheMassWithinItsLimits) {
  auto& s = shell::settings();
  s.RocketThrust = 2.0f;
  s.RocketMass = 140;
  ASSERT_TRUE(open());
  EXPECT_EQ(massBar().value(), 140);  // within 41 to 143 g: loads unchanged
  EXPECT_EQ(massBar().min(), 41);
  EXPECT_EQ(massBar().max(), 143);
  chooseUnits(1);
  massBar().setValue(100);
  thrustBar().setValue(50);  // 2.0 N to 5.0 N with 100 g
  EXPECT_EQ(thrustReadout().caption(), "5.0");
  EXPECT_EQ(massBar().value(), 102);
  EXPECT_EQ(massBar().min(), 102);
  EXPECT_EQ(massBar().max(), 357);
  EXPECT_EQ(massReadout().caption(), "102.0");
  EXPECT_EQ(s.RocketMass, 102.0f);
  EXPECT_EQ(s.RocketThrust, 5.0f);

  thrustBar().setValue(100);
  massBar().setValue(500);
  thrustBar().setValue(30);  // 10.0 N to 3.0 N with 500 g
  EXPECT_EQ(massBar().value(), 214);
  EXPECT_EQ(massBar().min(), 61);
  EXPECT_EQ(massBar().max(), 214);
  EXPECT_EQ(s.RocketMass, 214.0f);
}

TEST_F(RocketryWindowTest, DraggingABarRecomputesAsAChangeDoes) {
  ASSERT_TRUE(open());
  chooseUnits(1);
  QScrollBar* bar = burnTimeBar().bar();
  bar->setSliderDown(true);
  bar->setValue(20);
  EXPECT_EQ(burnTimeReadout().caption(), "2.0");
  EXPECT_EQ(shell::settings().RocketBurnTime, 2.0f);
  EXPECT_EQ(result(ApogeeTime).caption(), "10.0 s");  // 78.4 / 9.81 + 2
  bar->setSliderDown(false);
}

TEST_F(RocketryWindowTest, UnitsAndParachuteChangeTheReadoutsNotTheFlight) {
  ASSERT_TRUE(open());
  chooseUnits(1);
  EXPECT_EQ(shell::settings().RocketUnits, 1);
  EXPECT_EQ(massTitle().caption(), "Mass (g)");
  EXPECT_EQ(massReadout().caption(), "204.0");
  EXPECT_EQ(results(), (QStringList{"153 m/s", "1490 m", "19.5 s", "-60 m/s", "25.6 s", "47.4 s"}));
  EXPECT_EQ(shell::settings().RocketMass, 204.0f);
  chuteBox().setValue(1);
  EXPECT_EQ(shell::settings().RocketChute, 1);
  EXPECT_EQ(results(), (QStringList{"153 m/s", "1490 m", "19.5 s", "-15 m/s", "21.0 s", "119.6 s"}));
  chooseUnits(0);
  EXPECT_EQ(result(DescentSpeed).caption(), "-49 ft/s");
  EXPECT_EQ(result(FlightTime).caption(), "119.6 s");
}

// Screen readers hear each bar as its read-out shows it: the thrust's 10.0 newtons, not the
// bar's 100 tenths, from 2.0 to 10.0; the burn time's 3.9 seconds; the mass in the units
// chosen, a change of units alone announced as the mass heard anew.
TEST_F(RocketryWindowTest, ScreenReadersHearTheBarsAsTheReadoutsShowThem) {
  ASSERT_TRUE(open());
  auto limits = [](plat::ScrollBar& b) {
    QAccessibleValueInterface* v = QAccessible::queryAccessibleInterface(b.bar())->valueInterface();
    return std::pair(v->minimumValue().toDouble(), v->maximumValue().toDouble());
  };
  EXPECT_EQ(thrustReadout().caption(), "10.0");
  EXPECT_EQ(heardValue(thrustBar().bar()), 10);
  EXPECT_EQ(limits(thrustBar()), std::pair(2.0, 10.0));
  EXPECT_EQ(burnTimeReadout().caption(), "3.9");
  EXPECT_EQ(heardValue(burnTimeBar().bar()), 3.9);
  EXPECT_EQ(limits(burnTimeBar()), std::pair(0.5, 5.0));
  EXPECT_EQ(massReadout().caption(), "7.2");  // 204 g in ounces
  EXPECT_EQ(heardValue(massBar().bar()), 7.2);
  EXPECT_EQ(limits(massBar()), std::pair(7.2, 25.2));  // 204 to 714 g
  {
    HeardEvents heard;
    chooseUnits(1);
    EXPECT_EQ(heardValue(massBar().bar()), 204);
    EXPECT_EQ(limits(massBar()), std::pair(204.0, 714.0));
    EXPECT_EQ(heard.count(massBar().bar(), QAccessible::ValueChanged), 1);
  }
  // A key moves the thrust a tenth of a newton, heard as shown.
  QTest::keyClick(thrustBar().bar(), Qt::Key_Left);
  EXPECT_EQ(thrustReadout().caption(), "9.9");
  EXPECT_EQ(heardValue(thrustBar().bar()), 9.9);
}

// Screen readers hear the two units in a group "Units" of their own; the parachute box, which
// stands on the same panel, is no choice of units and stands in no group of them.
TEST_F(RocketryWindowTest, TheChuteBoxStandsOutsideTheUnitsGroup) {
  ASSERT_TRUE(open());
  for (int i = 0; i < 2; ++i) {
    QAccessibleInterface* group = heardGroup(&unitOption(i));
    ASSERT_TRUE(group);
    EXPECT_EQ(group->role(), QAccessible::Grouping);
    EXPECT_EQ(group->text(QAccessible::Name), "Units");
  }
  for (QAccessibleInterface* a = heardGroup(&chuteBox()); a; a = a->parent())
    EXPECT_FALSE(a->role() == QAccessible::Grouping && a->text(QAccessible::Name) == "Units");
}

// Choosing the units runs the flight's computation, which ends with the focus on the launch
// button: by an arrow key as by a click.
TEST_F(RocketryWindowTest, TheUnitsChosenByAKeyOrAClickHandTheFocusToLaunch) {
  ASSERT_TRUE(open());
  ASSERT_EQ(chosenUnits(), 0);
  ASSERT_TRUE(tabTo(window, &unitOption(0)));
  QTest::keyClick(&unitOption(0), Qt::Key_Down);
  EXPECT_EQ(chosenUnits(), 1);
  EXPECT_EQ(massTitle().caption(), "Mass (g)");
  EXPECT_EQ(QApplication::focusWidget(), &launchButton());
  QTest::mouseClick(&unitOption(0), Qt::LeftButton);
  EXPECT_EQ(chosenUnits(), 0);
  EXPECT_EQ(QApplication::focusWidget(), &launchButton());
}

TEST_F(RocketryWindowTest, AFlightLandsByItselfWithItsSoundsAndCurves) {
  ASSERT_TRUE(open());
  chuteBox().setValue(1);
  launchButton().click();
  EXPECT_TRUE(showsStop());
  EXPECT_FALSE(exitButton().isEnabled());
  EXPECT_FALSE(chuteBox().isEnabled());
  EXPECT_FALSE(unitOption(0).isEnabled());
  EXPECT_FALSE(unitOption(1).isEnabled());
  EXPECT_TRUE(thrustBar().isEnabled());
  EXPECT_FALSE(printButton().isEnabled());
  EXPECT_TRUE(speedZeroLine().isVisible());
  EXPECT_TRUE(forceZeroLine().isVisible());
  EXPECT_TRUE(flightTimer().enabled());
  EXPECT_EQ(flightTimer().interval(), 50);
  ASSERT_EQ(plays("rocket.wav"), 1);
  EXPECT_FALSE(services.sound->calls.back().wait);
  EXPECT_EQ(services.sound->calls.back().path, shell::appFilePath("rocket.wav"));

  for (int i = 0; i < 100; ++i) flightTimer().fire();  // 5 s: past burn-out
  EXPECT_FALSE(smokePicture().isVisible());
  EXPECT_LT(rocketPicture().y(), 300);
  for (int i = 0; i < 320; ++i) flightTimer().fire();  // 21 s: past the top
  EXPECT_TRUE(chutePicture().isVisible());
  EXPECT_EQ(plays("xpoof.wav"), 1);

  flyToEnd();
  EXPECT_EQ(plays("tada.wav"), 1);
  EXPECT_FALSE(showsStop());
  EXPECT_TRUE(exitButton().isEnabled());
  EXPECT_TRUE(chuteBox().isEnabled());
  EXPECT_TRUE(unitOption(0).isEnabled());
  EXPECT_TRUE(printButton().isEnabled());
  EXPECT_FALSE(flightTimer().enabled());
  EXPECT_FALSE(chutePicture().isVisible());
  EXPECT_EQ(rocketPicture().y() + rocketPicture().height(), skyPicture().surface().deviceHeight());
  // The three curves in their pens' colours.
  EXPECT_GT(countColour(&altitudePlot(), rt::palette::kRed), 100);
  EXPECT_GT(countColour(&speedPlot(), rt::palette::kBlue), 100);
  EXPECT_GT(countColour(&forcePlot(), rt::palette::kBlack), 100);
}

// A control's caption as it shows on its container: the caption's area beside the indicator,
// painted with the container behind it. Counts the pixels darker and lighter than the
// container's face by a clear step.
struct CaptionInk {
  int darker = 0, lighter = 0;
};
CaptionInk captionInk(QAbstractButton* control, QStyle::SubElement captionArea, QColor face) {
  QStyleOptionButton opt;
  opt.initFrom(control);
  opt.text = control->text();
  const QRect area = control->style()->subElementRect(captionArea, &opt, control);
  const QImage image = control->parentWidget()->grab(control->geometry()).toImage();
  // The etch reaches one pixel past the caption's area.
  const QRect scan = area.adjusted(0, 0, 1, 1) & image.rect();
  CaptionInk ink;
  for (int y = scan.top(); y <= scan.bottom(); ++y)
    for (int x = scan.left(); x <= scan.right(); ++x) {
      const int step = qGray(image.pixel(x, y)) - qGray(face.rgb());
      ink.darker += step <= -48;
      ink.lighter += step >= 40;
    }
  return ink;
}

TEST_F(RocketryWindowTest, TheLockedChoicesStayReadableDuringAFlight) {
  ASSERT_TRUE(open());
  launchButton().click();
  for (int i = 0; i < 20; ++i) flightTimer().fire();
  ASSERT_TRUE(window->launch().running());
  // The panel behind the three choices is the grey face.
  const QColor face(192, 192, 192);
  const QImage panel = unitOption(0).parentWidget()->grab().toImage();
  ASSERT_EQ(panel.pixelColor(4, panel.height() / 2), face);
  struct Choice {
    QAbstractButton* control;
    QStyle::SubElement caption;
  };
  const Choice choices[3] = {{&chuteBox(), QStyle::SE_CheckBoxContents},
                             {&unitOption(0), QStyle::SE_RadioButtonContents},
                             {&unitOption(1), QStyle::SE_RadioButtonContents}};
  for (const Choice& c : choices) {
    SCOPED_TRACE(c.control->text().toStdString());
    ASSERT_FALSE(c.control->isEnabled());
    // Greyed: dark grey strokes, etched in white below and to the right.
    const CaptionInk ink = captionInk(c.control, c.caption, face);
    EXPECT_GT(ink.darker, 60) << ink.lighter;
    EXPECT_GT(ink.lighter, 30) << ink.darker;
  }
  // Once the rocket has landed the captions are black again.
  flyToEnd();
  for (const Choice& c : choices) {
    ASSERT_TRUE(c.control->isEnabled());
    EXPECT_GT(captionInk(c.control, c.caption, face).darker, 60);
  }
}

// Columns beneath a printed text, drawn from where `text` was (page of 100 dots per inch, units of hundredths of an
// inch, so a unit is a pixel) where its underline is broken. The underline's row is the row below the glyphs' feet with
// the most dark pixels across the text's width; an underline that does not reach both ends of the text counts as broken
// all along.
int underlineGaps(const QImage& page, const plat::DrawOp& text, const QString& whole) {
  const int left = int(text.args[0]), top = int(text.args[1]);
  QFont font(text.fontName);
  font.setPointSizeF(text.fontSize);
  font.setUnderline(true);
  QImage probe(1, 1, QImage::Format_RGB32);
  probe.setDotsPerMeterX(page.dotsPerMeterX());
  probe.setDotsPerMeterY(page.dotsPerMeterY());
  const QFontMetrics fm(font, &probe);
  const int width = fm.horizontalAdvance(whole);
  auto dark = [&](int x, int y) { return qGray(page.pixel(x, y)) < 128; };
  int row = -1, best = 0;
  for (int y = top + fm.ascent(); y < top + fm.height() + 2; ++y) {
    int n = 0;
    for (int x = left; x < left + width; ++x) n += dark(x, y);
    if (n > best) best = n, row = y;
  }
  if (row < 0) return width;
  // Between the underline's two ends, which lie within a pixel or two of the text's ends.
  int first = left + width, last = left - 1;
  for (int x = left - 2; x < left + width + 2; ++x)
    if (dark(x, row)) first = std::min(first, x), last = std::max(last, x);
  if (first > left + 2 || last < left + width - 4) return width;
  int gaps = 0;
  for (int x = first; x <= last; ++x) gaps += !dark(x, row);
  return gaps;
}

TEST_F(RocketryWindowTest, StoppingKeepsThePlotsAndARepaintRedrawsThemSilently) {
  ASSERT_TRUE(open());
  launchButton().click();
  for (int i = 0; i < 200; ++i) flightTimer().fire();
  launchButton().click();  // stop
  EXPECT_FALSE(flightTimer().enabled());
  EXPECT_TRUE(printButton().isEnabled());
  const QImage altitude = altitudePlot().surface().image().copy();
  const int rocketY = rocketPicture().y();
  EXPECT_LT(rocketY, 300);  // still in the air
  const size_t calls = services.sound->calls.size();

  forcePlot().requestPaint();
  forcePlot().requestPaint();
  // The replay puts the rocket on the pad and draws the curves again, one step later in
  // time, without a sound but the motor's stop at burn-out.
  EXPECT_EQ(rocketPicture().y() + rocketPicture().height(), skyPicture().surface().deviceHeight());
  EXPECT_EQ(plays("rocket.wav"), 1);
  for (size_t i = calls; i < services.sound->calls.size(); ++i) EXPECT_TRUE(services.sound->calls[i].path.isEmpty());
  EXPECT_TRUE(printButton().isEnabled());
  EXPECT_EQ(window->launch().haveFlight(), 1);
  int before = 0;
  for (int y = 0; y < altitude.height(); ++y)
    for (int x = 0; x < altitude.width(); ++x) before += altitude.pixel(x, y) == qRgb(255, 0, 0);
  EXPECT_GT(before, 50);
  EXPECT_NEAR(countColour(&altitudePlot(), rt::palette::kRed), before, before / 6);
  // The next launch clears the plots and starts from the pad.
  launchButton().click();
  EXPECT_FALSE(printButton().isEnabled());
  EXPECT_LT(countColour(&altitudePlot(), rt::palette::kRed), 3);
}

TEST_F(RocketryWindowTest, ThePrintoutShowsTheInputsTheLaunchValuesAndTheCurves) {
  ASSERT_TRUE(open());
  launchButton().click();
  for (int i = 0; i < 200; ++i) flightTimer().fire();  // stopped at 10 s
  launchButton().click();
  services.boxes->answer(plat::msg::Cancel);
  printButton().click();
  EXPECT_TRUE(printed->documents.empty());
  ASSERT_EQ(services.boxes->calls.size(), 1u);
  EXPECT_EQ(services.boxes->calls[0].text, "Make sure printer is on-line and ready.");
  EXPECT_EQ(services.boxes->calls[0].title, "Print Launch Results");

  printButton().click();
  ASSERT_EQ(printed->documents.size(), 1u);
  ASSERT_EQ(printed->documents[0].pages.size(), 1u);
  const plat::PrintedPage& page = printed->documents[0].pages[0];
  EXPECT_EQ(page.orientation, plat::Orientation::Portrait);
  QStringList texts;
  for (const QString& t : page.texts()) texts << t;
  const QString all = texts.join('|');
  EXPECT_TRUE(all.startsWith("Rocketry|")) << all.toStdString();
  EXPECT_TRUE(all.contains("Thrust = 10.0 newtons|Burn Time = 3.9 seconds|Mass = 7.2 ounces")) << all.toStdString();
  EXPECT_TRUE(
      all.contains("Flight Time = 47.4 seconds|"
                   "Maximum Speed = 502 feet/sec - Reached at 3.9 seconds|"
                   "Maximum Altitude = 4889 feet - Reached at 19.5 seconds|"
                   "Descent Speed = -197 feet/sec - Reached at 25.6 seconds"))
      << all.toStdString();
  // The headings are underlined whole; the titles run downwards.
  std::vector<QString> underlined;
  for (const auto& op : page.ops)
    if (op.op == "print" && op.underline) {
      underlined.push_back(op.text);
      EXPECT_EQ(op.fontName, "Courier New");
    }
  EXPECT_EQ(underlined, (std::vector<QString>{"Input Parameters:", "Launch Values:"}));
  // On the page the underline runs unbroken beneath each heading, under its blank as under
  // its letters: every column from the heading's first letter to its last has an underline
  // pixel on the underline's row.
  ASSERT_TRUE(page.image);
  for (const char* heading : {"Input Parameters:", "Launch Values:"}) {
    SCOPED_TRACE(heading);
    const QString whole = QString::fromLatin1(heading);
    const auto op = std::find_if(page.ops.begin(), page.ops.end(), [&](const plat::DrawOp& d) {
      return d.op == "print" && d.underline && !d.text.isEmpty() && whole.startsWith(d.text.section(' ', 0, 0));
    });
    ASSERT_NE(op, page.ops.end());
    EXPECT_EQ(underlineGaps(*page.image, *op, whole), 0);
  }
  EXPECT_TRUE(all.contains("A|L|T|I|T|U|D|E|S|P|E|E|D|N|E|T| |F|O|R|C|E")) << all.toStdString();
  // Three frames, three curves of 200 steps (stopped at 10 s), two dotted zero lines.
  EXPECT_EQ(page.count("box"), 3);
  int solid = 0, dotted = 0;
  double rightmost = 0;
  for (const auto& op : page.ops) {
    if (op.op != "line") continue;
    if (op.drawStyle == plat::DrawDot) {
      ++dotted;
      EXPECT_EQ(op.args[0], 150);
      EXPECT_EQ(op.args[2], 700);
    } else {
      ++solid;
      rightmost = std::max(rightmost, op.args[2]);
    }
  }
  EXPECT_EQ(solid, 600);
  EXPECT_EQ(dotted, 2);
  // The curves end where the flight was stopped: 10 s of a 47.4 s flight.
  EXPECT_NEAR(rightmost, 150 + 10 * 550 / window->launch().flight().FlightTime, 0.01);
  // Printing again prints the same curves.
  printButton().click();
  ASSERT_EQ(printed->documents.size(), 2u);
  EXPECT_EQ(printed->documents[1].pages[0].ops.size(), page.ops.size());
  EXPECT_EQ(window->focusWidget(), &launchButton());
}

TEST_F(RocketryWindowTest, MetricPrintoutOfAFlightThatNeverReachesTheLimit) {
  auto& s = shell::settings();
  s.RocketThrust = 2.0f;
  s.RocketBurnTime = 0.5f;
  s.RocketMass = 140;
  s.RocketUnits = 1;
  ASSERT_TRUE(open());
  launchButton().click();
  flyToEnd();
  printButton().click();
  ASSERT_EQ(printed->documents.size(), 1u);
  QStringList texts;
  for (const QString& t : printed->documents[0].pages[0].texts()) texts << t;
  EXPECT_TRUE(texts.contains("Mass = 140.0 grams"));
  EXPECT_TRUE(texts.contains("Maximum Speed = 2 meters/sec - Reached at 0.5 seconds"));
  EXPECT_TRUE(texts.contains("Descent Speed = -4 meters/sec - Reached at 1.1 seconds"))
      << texts.join('|').toStdString();
}

TEST_F(RocketryWindowTest, ExitAndTheTitleBarReturnToTheMenuKeepingTheUsersValues) {
  ASSERT_TRUE(open());
  chooseUnits(1);
  burnTimeBar().setValue(25);
  exitButton().click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());
  EXPECT_TRUE(menu->isVisible());
  EXPECT_EQ(shell::settings().RocketBurnTime, 2.5f);
  EXPECT_EQ(shell::settings().RocketUnits, 1);

  // Closed mid-flight from the title bar: the timer stops and the menu shows.
  ASSERT_TRUE(open());
  EXPECT_EQ(burnTimeReadout().caption(), "2.5");
  launchButton().click();
  flightTimer().fire();
  plat::Timer* timer = &flightTimer();
  window->close();
  EXPECT_FALSE(timer->enabled());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());
  EXPECT_TRUE(menu->isVisible());
  EXPECT_EQ(shell::settings().RocketBurnTime, 2.5f);
}

TEST_F(RocketryWindowTest, HandEditedSettingsAreBroughtIntoRange) {
  auto& s = shell::settings();
  s.RocketThrust = 55.0f;    // beyond the bar
  s.RocketBurnTime = 0.04f;  // below it
  s.RocketMass = 3.5f;       // far too light for the thrust
  s.RocketUnits = 7;
  s.RocketChute = -2;
  ASSERT_TRUE(open());
  EXPECT_EQ(thrustBar().value(), 100);
  EXPECT_EQ(burnTimeBar().value(), 5);
  EXPECT_EQ(massBar().value(), 204);
  EXPECT_EQ(chosenUnits(), 0);
  EXPECT_EQ(chuteBox().value(), 0);
  EXPECT_EQ(s.RocketThrust, 10.0f);
  EXPECT_EQ(s.RocketBurnTime, 0.5f);
  EXPECT_EQ(s.RocketMass, 204.0f);
  EXPECT_EQ(s.RocketUnits, 0);
  EXPECT_EQ(s.RocketChute, 0);
  EXPECT_EQ(thrustReadout().caption(), "10.0");
  EXPECT_EQ(burnTimeReadout().caption(), "0.5");
  EXPECT_EQ(massReadout().caption(), "7.2");
  // A fractional mass is held in whole grams.
  exitButton().click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  s.RocketMass = 250.4f;
  s.RocketChute = 1;
  ASSERT_TRUE(open());
  EXPECT_EQ(s.RocketMass, 250.0f);
  EXPECT_EQ(chuteBox().value(), 1);
  EXPECT_EQ(result(DescentSpeed).caption(), "-49 ft/s");
}

}  // namespace
