// The trajectories window as a user meets it: opened from the menu with the shared values,
// shots taken and judged, the grid cleared and repainted, the mark dragged, help, and the
// ways out.

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QTest>
#include <utility>

#include "platform/image.h"
#include "platform/label.h"
#include "platform/lineoverlay.h"
#include "platform/picturebox.h"
#include "platform/placement.h"
#include "platform/scrollbar.h"
#include "platform/surface.h"
#include "platform/twips.h"
#include "runtime/palette.h"
#include "tests/support/doubles.h"
#include "tests/support/layoutrows.h"
#include "tests/support/manualsources.h"
#include "tests/support/pixels.h"
#include "tests/support/screenreader.h"
#include "tests/trajectories/trajectoriesfixture.h"
#include "trajectories/trajectorieslayout.h"

namespace {

using namespace trajtest;

TEST_F(TrajectoriesWindowTest, OpensWithTheFreshSettings) {
  ASSERT_TRUE(open());
  EXPECT_FALSE(menu->isVisible());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->caption(), "Trajectories");
  EXPECT_EQ(window->width(), 602);  // 9030 x 6780 twips
  EXPECT_EQ(window->height(), 452);
  EXPECT_EQ(angleReadout().caption(), "63.0");
  EXPECT_EQ(speedReadout().caption(), "200");
  EXPECT_EQ(markXReadout().caption(), "400");
  EXPECT_EQ(markYReadout().caption(), "200");
  EXPECT_EQ(angleBar().value(), 630);
  EXPECT_EQ(speedBar().value(), 200);
  EXPECT_FALSE(message().isVisible());
  EXPECT_EQ(window->store().shotCount(), 0);
  EXPECT_EQ(window->indicatorLength(), 600.0f);
  EXPECT_EQ(countColour(&gridPicture(), rt::palette::kArrowPath), 0);
  // The mark's centre stands on (400, 200) feet, within a pixel.
  const plat::Surface& feet = gridPicture().surface();
  const double cx = plat::leftInScale(&markPicture(), feet) + plat::widthInScale(&markPicture(), feet) / 2;
  const double cy = plat::topInScale(&markPicture(), feet) - plat::heightInScale(&markPicture(), feet) / 2;
  EXPECT_NEAR(cx, 400, 2.5);
  EXPECT_NEAR(cy, 200, 1.6);
}

// Every control stands where the layout table puts it, with its caption, font and colours.
TEST_F(TrajectoriesWindowTest, TheControlsAreBuiltFromTheLayoutTable) {
  using namespace trajectories::layout;
  using layoutrows::expectBuilt;
  using layoutrows::expectRow;
  ASSERT_TRUE(open());
  EXPECT_EQ(window->width(), plat::twipsToPixels(kWidth));
  EXPECT_EQ(window->height(), plat::twipsToPixels(kHeight));
  for (const auto* row : {&kTitleBox, &kTitle, &kBowPicture, &kFlightPicture, &kIndicator, &kAngleTitle, &kSpeedTitle,
                          &kMarkTitle, &kMarkXTitle, &kMarkYTitle, &kCommandFrame})
    expectBuilt(window, *row);
  for (const auto& row : kHeightNumbers) expectBuilt(window, row);
  for (const auto& row : kDistanceNumbers) expectBuilt(window, row);
  expectRow(&gridPicture(), kGrid);
  expectRow(&message(), kMessage);
  expectRow(&angleBar(), kAngleBar);
  expectRow(&speedBar(), kSpeedBar);
  expectRow(&shootButton(), kShootButton);
  expectRow(&clearButton(), kClearButton);
  expectRow(&printButton(), kPrintButton);
  expectRow(&helpButton(), kHelpButton);
  expectRow(&exitButton(), kExitButton);
  // The read-outs' rows hold the widest value each shows; the load step shows the settings.
  for (auto [readout, row] : {std::pair{&angleReadout(), kAngleReadout}, std::pair{&speedReadout(), kSpeedReadout},
                              std::pair{&markXReadout(), kMarkXReadout}, std::pair{&markYReadout(), kMarkYReadout}})
    expectRow(readout, {nullptr, row.left, row.top, row.width, row.height, row.font, row.fore, row.back});
}

TEST_F(TrajectoriesWindowTest, StoredValuesShowAtOnceAlsoWhenTheyAreZero) {
  shell::settings().ArrowAngle = 45.3f;
  shell::settings().ArrowSpeed = 120;
  ASSERT_TRUE(open());
  EXPECT_EQ(angleReadout().caption(), "45.3");
  EXPECT_EQ(speedReadout().caption(), "120");
  // The indicator points at 45.3 degrees from its corner at (0, 600) twips.
  const QPoint a = indicatorLine().end1(), b = indicatorLine().end2();
  EXPECT_NEAR(std::atan2(double(a.y() - b.y()), double(b.x() - a.x())) * 180 / M_PI, 45.3, 1.5);
  exitButton().click();

  shell::settings().ArrowAngle = 0;
  shell::settings().ArrowSpeed = 0;
  ASSERT_TRUE(open());
  EXPECT_EQ(angleReadout().caption(), "0.0");
  EXPECT_EQ(speedReadout().caption(), "0");
  EXPECT_EQ(indicatorLine().end2().y(), indicatorLine().end1().y());
}

TEST_F(TrajectoriesWindowTest, HandEditedValuesAreBroughtIntoRange) {
  shell::SharedSettings& s = shell::settings();
  s.ArrowAngle = 451.27f;
  s.ArrowSpeed = 120.5f;
  s.MarkX = -40;
  s.MarkY = 987;
  ASSERT_TRUE(open());
  EXPECT_EQ(angleReadout().caption(), "90.0");
  EXPECT_EQ(speedReadout().caption(), "120");
  EXPECT_EQ(markXReadout().caption(), "0");
  EXPECT_EQ(markYReadout().caption(), "500");
  EXPECT_EQ(s.ArrowAngle, 90.0f);
  EXPECT_EQ(s.ArrowSpeed, 120.0f);
  EXPECT_EQ(s.MarkX, 0);
  EXPECT_EQ(s.MarkY, 500);
  shootButton().click();  // no overflow anywhere
  EXPECT_TRUE(message().isVisible());
}

TEST_F(TrajectoriesWindowTest, TheBarsStoreTheirValuesAndHideTheMessage) {
  ASSERT_TRUE(open());
  shootButton().click();
  ASSERT_TRUE(message().isVisible());
  angleBar().setValue(5);
  EXPECT_FALSE(message().isVisible());
  EXPECT_EQ(angleReadout().caption(), "0.5");
  EXPECT_EQ(shell::settings().ArrowAngle, 0.5f);
  shootButton().click();
  speedBar().setValue(300);
  EXPECT_FALSE(message().isVisible());
  EXPECT_EQ(speedReadout().caption(), "300");
  EXPECT_EQ(shell::settings().ArrowSpeed, 300.0f);
  // Dragging the thumb shows the value as it goes.
  angleBar().bar()->setSliderDown(true);
  angleBar().bar()->setValue(450);
  EXPECT_EQ(angleReadout().caption(), "45.0");
  EXPECT_EQ(heardValue(angleBar().bar()), 45);
  angleBar().bar()->setSliderDown(false);
}

// Screen readers hear the angle in the degrees its read-out shows, not the bar's tenths, from
// 0.0 to 90.0; the speed, shown as the bar holds it, as it is.
TEST_F(TrajectoriesWindowTest, ScreenReadersHearTheBarsAsTheReadoutsShowThem) {
  ASSERT_TRUE(open());
  EXPECT_EQ(angleReadout().caption(), "63.0");
  EXPECT_EQ(heardValue(angleBar().bar()), 63);
  QAccessibleValueInterface* angle = QAccessible::queryAccessibleInterface(angleBar().bar())->valueInterface();
  EXPECT_EQ(angle->minimumValue().toDouble(), 0);
  EXPECT_EQ(angle->maximumValue().toDouble(), 90);
  EXPECT_DOUBLE_EQ(angle->minimumStepSize().toDouble(), 0.1);
  QTest::keyClick(angleBar().bar(), Qt::Key_Right);
  EXPECT_EQ(angleReadout().caption(), "63.1");
  EXPECT_EQ(heardValue(angleBar().bar()), 63.1);
  EXPECT_EQ(heardValue(speedBar().bar()), 200);
}

TEST_F(TrajectoriesWindowTest, AMissDrawsThePathAndTellsTheClosestPoint) {
  ASSERT_TRUE(open());
  shootButton().click();
  EXPECT_EQ(window->store().shotCount(), 1);
  EXPECT_TRUE(message().isVisible());
  EXPECT_EQ(message().caption(), "Missed ...  Closest at X = 241, Y = 359");
  EXPECT_GT(countColour(&gridPicture(), rt::palette::kArrowPath), 300);
  // The shot's sound returns at once, the miss is waited for; both are the program's files.
  std::vector<plat::SoundCall> files;
  for (const auto& c : services.sound->calls)
    if (c.kind == plat::SoundCall::File) files.push_back(c);
  ASSERT_EQ(files.size(), 2u);
  EXPECT_EQ(files[0].path, shell::appFilePath("boing.wav"));
  EXPECT_FALSE(files[0].wait);
  EXPECT_EQ(files[1].path, shell::appFilePath("uhoh.wav"));
  EXPECT_TRUE(files[1].wait);
}

TEST_F(TrajectoriesWindowTest, AHitCheersAndPlaysTheFanfare) {
  shell::settings().ArrowAngle = 49;
  shell::settings().ArrowSpeed = 150;
  ASSERT_TRUE(open());
  random = rt::ScriptedRandom({0.65f});
  shootButton().click();
  EXPECT_EQ(message().caption(), "A Hit!  Nice Speed!");
  EXPECT_EQ(plays("tada.wav"), 1);
  EXPECT_EQ(plays("uhoh.wav"), 0);
  EXPECT_TRUE(services.sound->calls.back().wait);
}

TEST_F(TrajectoriesWindowTest, ClearGridEmptiesTheStoreAndThePicture) {
  ASSERT_TRUE(open());
  for (int i = 0; i < 41; ++i) shootButton().click();
  EXPECT_EQ(window->store().shotCount(), 40);
  clearButton().click();
  EXPECT_EQ(window->store().shotCount(), 0);
  EXPECT_FALSE(message().isVisible());
  EXPECT_EQ(countColour(&gridPicture(), rt::palette::kArrowPath), 0);
  // The grid lines are controls and stay; the next shot is stored as shot 1.
  EXPECT_TRUE(heightLine(0).isVisible());
  angleBar().setValue(300);
  shootButton().click();
  EXPECT_EQ(window->store().shotCount(), 1);
  EXPECT_EQ(window->store().shotAngle(1), 30.0f);
}

TEST_F(TrajectoriesWindowTest, ARepaintRedrawsTheStoredShotsUnlessTheMarkIsHeld) {
  ASSERT_TRUE(open());
  shootButton().click();
  gridPicture().surface().cls();  // as if the picture had lost its drawing
  window->grabMark(1, 0, 0, 0);
  ASSERT_EQ(window->dragging(), 1);
  gridPicture().requestPaint();
  EXPECT_EQ(countColour(&gridPicture(), rt::palette::kArrowPath), 0);
  window->dropMark(1, 0, 0, 0);
  EXPECT_EQ(window->dragging(), 0);
  EXPECT_GT(countColour(&gridPicture(), rt::palette::kArrowPath), 300);
}

TEST_F(TrajectoriesWindowTest, DraggingTheMarkMovesItInTenFootStepsAndKeepsItOnTheGrid) {
  ASSERT_TRUE(open());
  shootButton().click();
  plat::ImageBox* mark = &markPicture();
  const QPoint grab(mark->width() / 2, mark->height() / 2);
  const QPoint before = mark->pos();
  QTest::mousePress(mark, Qt::LeftButton, {}, grab);
  EXPECT_EQ(window->dragging(), 1);
  EXPECT_FALSE(message().isVisible());
  // 40 pixels right is 100 feet; 32 pixels up is 50 feet.
  const QPointF to(grab + QPoint(40, -32));
  QMouseEvent move(QEvent::MouseMove, to, mark->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(mark, &move);
  EXPECT_NEAR(window->values().MarkX, 500, 10);
  EXPECT_NEAR(window->values().MarkY, 250, 10);
  EXPECT_EQ(window->values().MarkX % 10, 0);
  EXPECT_EQ(markXReadout().caption(), QString::number(window->values().MarkX));
  EXPECT_EQ(shell::settings().MarkX, window->values().MarkX);
  EXPECT_EQ(shell::settings().MarkY, window->values().MarkY);
  // The grab point stays under the mouse: the mark followed it, short of the snapping.
  EXPECT_NEAR(mark->pos().x() - before.x(), 40, 4);
  EXPECT_NEAR(mark->pos().y() - before.y(), -32, 7);
  // Far beyond the top right corner it stops at the corner.
  QTest::mouseRelease(mark, Qt::LeftButton, {}, grab + QPoint(5000, -5000));
  EXPECT_EQ(window->dragging(), 0);
  EXPECT_EQ(window->values().MarkX, 1000);
  EXPECT_EQ(window->values().MarkY, 500);
  EXPECT_EQ(markXReadout().caption(), "1000");
  EXPECT_EQ(markYReadout().caption(), "500");
  // A move with no button held moves nothing.
  QMouseEvent idle(QEvent::MouseMove, QPointF(-500, 500), mark->mapToGlobal(QPointF(-500, 500)), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(mark, &idle);
  EXPECT_EQ(window->values().MarkX, 1000);
}

TEST_F(TrajectoriesWindowTest, ExitAndTheTitleBarReturnToTheMenuKeepingTheValues) {
  ASSERT_TRUE(open());
  speedBar().setValue(250);
  exitButton().click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(menu->isVisible());
  EXPECT_EQ(shell::settings().ArrowSpeed, 250.0f);

  ASSERT_TRUE(open());
  EXPECT_EQ(speedReadout().caption(), "250");
  window->grabMark(1, 0, 0, 0);
  window->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(menu->isVisible());
  EXPECT_EQ(shell::settings().ArrowSpeed, 250.0f);
  // A new window starts with an empty store.
  ASSERT_TRUE(open());
  EXPECT_EQ(window->store().shotCount(), 0);
  EXPECT_EQ(window->dragging(), 0);
}

}  // namespace
