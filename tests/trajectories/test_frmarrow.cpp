// The trajectories window as a user meets it: opened from the menu with the shared values,
// shots taken and judged, the grid cleared and repainted, the mark dragged, help, and the
// ways out.

#include <QApplication>
#include <QTest>

#include "platform/image.h"
#include "platform/label.h"
#include "platform/lineoverlay.h"
#include "platform/picturebox.h"
#include "platform/placement.h"
#include "platform/scrollbar.h"
#include "platform/surface.h"
#include "platform/twips.h"
#include "tests/support/manualsources.h"
#include "tests/trajectories/arrowwindow.h"
#include "trajectories/griddraw.h"

namespace {

using namespace arrowtest;

int countColour(const plat::PictureBox* p, rt::Colour c) {
  int n = 0;
  const auto& s = p->surface();
  for (int y = 0; y < s.deviceHeight(); ++y)
    for (int x = 0; x < s.deviceWidth(); ++x) n += s.pixel(x, y) == c;
  return n;
}

TEST_F(ArrowWindow, OpensWithTheFreshSettings) {
  ASSERT_TRUE(open());
  EXPECT_FALSE(menu->isVisible());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->caption(), "Trajectories");
  EXPECT_EQ(window->width(), 602);  // 9030 x 6780 twips
  EXPECT_EQ(window->height(), 452);
  EXPECT_EQ(window->lblAngle->caption(), "63.0");
  EXPECT_EQ(window->lblSpeed->caption(), "200");
  EXPECT_EQ(window->lblMarkX->caption(), "400");
  EXPECT_EQ(window->lblMarkY->caption(), "200");
  EXPECT_EQ(window->hsbAngle->value(), 630);
  EXPECT_EQ(window->hsbSpeed->value(), 200);
  EXPECT_FALSE(window->lblMessage->isVisible());
  EXPECT_EQ(window->store().ShotCount(), 0);
  EXPECT_EQ(window->IndicatorLength(), 600.0f);
  EXPECT_EQ(window->cmdShoot->caption(), "&Take Shot");
  EXPECT_EQ(window->cmdClear->caption(), "&Clear Grid");
  EXPECT_EQ(countColour(window->picGrid, traj::kPathColour), 0);
  // The mark's centre stands on (400, 200) feet, within a pixel.
  const plat::Surface& feet = window->picGrid->surface();
  const double cx = plat::leftInScale(window->imgMark, feet) + plat::widthInScale(window->imgMark, feet) / 2;
  const double cy = plat::topInScale(window->imgMark, feet) - plat::heightInScale(window->imgMark, feet) / 2;
  EXPECT_NEAR(cx, 400, 2.5);
  EXPECT_NEAR(cy, 200, 1.6);
}

TEST_F(ArrowWindow, StoredValuesShowAtOnceAlsoWhenTheyAreZero) {
  shell::settings().ArrowAngle = 45.3f;
  shell::settings().ArrowSpeed = 120;
  ASSERT_TRUE(open());
  EXPECT_EQ(window->lblAngle->caption(), "45.3");
  EXPECT_EQ(window->lblSpeed->caption(), "120");
  // The indicator points at 45.3 degrees from its corner at (0, 600) twips.
  const QPoint a = window->linAngle->end1(), b = window->linAngle->end2();
  EXPECT_NEAR(std::atan2(double(a.y() - b.y()), double(b.x() - a.x())) * 180 / M_PI, 45.3, 1.5);
  window->cmdExit->click();

  shell::settings().ArrowAngle = 0;
  shell::settings().ArrowSpeed = 0;
  ASSERT_TRUE(open());
  EXPECT_EQ(window->lblAngle->caption(), "0.0");
  EXPECT_EQ(window->lblSpeed->caption(), "0");
  EXPECT_EQ(window->linAngle->end2().y(), window->linAngle->end1().y());
}

TEST_F(ArrowWindow, HandEditedValuesAreBroughtIntoRange) {
  shell::SharedSettings& s = shell::settings();
  s.ArrowAngle = 451.27f;
  s.ArrowSpeed = 120.5f;
  s.MarkX = -40;
  s.MarkY = 987;
  ASSERT_TRUE(open());
  EXPECT_EQ(window->lblAngle->caption(), "90.0");
  EXPECT_EQ(window->lblSpeed->caption(), "120");
  EXPECT_EQ(window->lblMarkX->caption(), "0");
  EXPECT_EQ(window->lblMarkY->caption(), "500");
  EXPECT_EQ(s.ArrowAngle, 90.0f);
  EXPECT_EQ(s.ArrowSpeed, 120.0f);
  EXPECT_EQ(s.MarkX, 0);
  EXPECT_EQ(s.MarkY, 500);
  window->cmdShoot->click();  // no overflow anywhere
  EXPECT_TRUE(window->lblMessage->isVisible());
}

TEST_F(ArrowWindow, TheBarsStoreTheirValuesAndHideTheMessage) {
  ASSERT_TRUE(open());
  window->cmdShoot->click();
  ASSERT_TRUE(window->lblMessage->isVisible());
  window->hsbAngle->setValue(5);
  EXPECT_FALSE(window->lblMessage->isVisible());
  EXPECT_EQ(window->lblAngle->caption(), "0.5");
  EXPECT_EQ(shell::settings().ArrowAngle, 0.5f);
  window->cmdShoot->click();
  window->hsbSpeed->setValue(300);
  EXPECT_FALSE(window->lblMessage->isVisible());
  EXPECT_EQ(window->lblSpeed->caption(), "300");
  EXPECT_EQ(shell::settings().ArrowSpeed, 300.0f);
  // Dragging the thumb shows the value as it goes.
  window->hsbAngle->bar()->setSliderDown(true);
  window->hsbAngle->bar()->setValue(450);
  EXPECT_EQ(window->lblAngle->caption(), "45.0");
  window->hsbAngle->bar()->setSliderDown(false);
}

TEST_F(ArrowWindow, AMissDrawsThePathAndTellsTheClosestPoint) {
  ASSERT_TRUE(open());
  window->cmdShoot->click();
  EXPECT_EQ(window->store().ShotCount(), 1);
  EXPECT_TRUE(window->lblMessage->isVisible());
  EXPECT_EQ(window->lblMessage->caption(), "Missed ...  Closest at X = 241, Y = 359");
  EXPECT_GT(countColour(window->picGrid, traj::kPathColour), 300);
  // The shot's sound returns at once, the miss is waited for; both are the program's files.
  std::vector<plat::SoundCall> files;
  for (const auto& c : services.sound->calls)
    if (c.kind == plat::SoundCall::File) files.push_back(c);
  ASSERT_EQ(files.size(), 2u);
  EXPECT_EQ(files[0].path, shell::AppFilePath("boing.wav"));
  EXPECT_FALSE(files[0].wait);
  EXPECT_EQ(files[1].path, shell::AppFilePath("uhoh.wav"));
  EXPECT_TRUE(files[1].wait);
}

TEST_F(ArrowWindow, AHitCheersAndPlaysTheFanfare) {
  shell::settings().ArrowAngle = 49;
  shell::settings().ArrowSpeed = 150;
  ASSERT_TRUE(open());
  random = rt::ScriptedRandom({0.65f});
  window->cmdShoot->click();
  EXPECT_EQ(window->lblMessage->caption(), "A Hit!  Nice Speed!");
  EXPECT_EQ(plays("tada.wav"), 1);
  EXPECT_EQ(plays("uhoh.wav"), 0);
  EXPECT_TRUE(services.sound->calls.back().wait);
}

TEST_F(ArrowWindow, ClearGridEmptiesTheStoreAndThePicture) {
  ASSERT_TRUE(open());
  for (int i = 0; i < 41; ++i) window->cmdShoot->click();
  EXPECT_EQ(window->store().ShotCount(), 40);
  window->cmdClear->click();
  EXPECT_EQ(window->store().ShotCount(), 0);
  EXPECT_FALSE(window->lblMessage->isVisible());
  EXPECT_EQ(countColour(window->picGrid, traj::kPathColour), 0);
  // The grid lines are controls and stay; the next shot is stored as shot 1.
  EXPECT_TRUE(window->Line1[0]->isVisible());
  window->hsbAngle->setValue(300);
  window->cmdShoot->click();
  EXPECT_EQ(window->store().ShotCount(), 1);
  EXPECT_EQ(window->store().ShotAngle(1), 30.0f);
}

TEST_F(ArrowWindow, ARepaintRedrawsTheStoredShotsUnlessTheMarkIsHeld) {
  ASSERT_TRUE(open());
  window->cmdShoot->click();
  window->picGrid->surface().cls();  // as if the picture had lost its drawing
  window->imgMark_MouseDown(1, 0, 0, 0);
  ASSERT_EQ(window->Dragging(), 1);
  window->picGrid->requestPaint();
  EXPECT_EQ(countColour(window->picGrid, traj::kPathColour), 0);
  window->imgMark_MouseUp(1, 0, 0, 0);
  EXPECT_EQ(window->Dragging(), 0);
  EXPECT_GT(countColour(window->picGrid, traj::kPathColour), 300);
}

TEST_F(ArrowWindow, DraggingTheMarkMovesItInTenFootStepsAndKeepsItOnTheGrid) {
  ASSERT_TRUE(open());
  window->cmdShoot->click();
  plat::ImageBox* mark = window->imgMark;
  const QPoint grab(mark->width() / 2, mark->height() / 2);
  const QPoint before = mark->pos();
  QTest::mousePress(mark, Qt::LeftButton, {}, grab);
  EXPECT_EQ(window->Dragging(), 1);
  EXPECT_FALSE(window->lblMessage->isVisible());
  // 40 pixels right is 100 feet; 32 pixels up is 50 feet.
  const QPointF to(grab + QPoint(40, -32));
  QMouseEvent move(QEvent::MouseMove, to, mark->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(mark, &move);
  EXPECT_NEAR(window->values().MarkX, 500, 10);
  EXPECT_NEAR(window->values().MarkY, 250, 10);
  EXPECT_EQ(window->values().MarkX % 10, 0);
  EXPECT_EQ(window->lblMarkX->caption(), QString::number(window->values().MarkX));
  EXPECT_EQ(shell::settings().MarkX, window->values().MarkX);
  EXPECT_EQ(shell::settings().MarkY, window->values().MarkY);
  // The grab point stays under the mouse: the mark followed it, short of the snapping.
  EXPECT_NEAR(mark->pos().x() - before.x(), 40, 4);
  EXPECT_NEAR(mark->pos().y() - before.y(), -32, 7);
  // Far beyond the top right corner it stops at the corner.
  QTest::mouseRelease(mark, Qt::LeftButton, {}, grab + QPoint(5000, -5000));
  EXPECT_EQ(window->Dragging(), 0);
  EXPECT_EQ(window->values().MarkX, 1000);
  EXPECT_EQ(window->values().MarkY, 500);
  EXPECT_EQ(window->lblMarkX->caption(), "1000");
  EXPECT_EQ(window->lblMarkY->caption(), "500");
  // A move with no button held moves nothing.
  QMouseEvent idle(QEvent::MouseMove, QPointF(-500, 500), mark->mapToGlobal(QPointF(-500, 500)), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(mark, &idle);
  EXPECT_EQ(window->values().MarkX, 1000);
}

TEST_F(ArrowWindow, HelpOpensTheTopicFromTheButtonAndFromF1) {
  ASSERT_TRUE(open());
  window->cmdHelp->click();
  QApplication::setActiveWindow(window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  QTest::keyClick(window, Qt::Key_F1);
  ASSERT_EQ(services.help->calls.size(), 2u);
  for (const auto& c : services.help->calls) {
    EXPECT_TRUE(c.file.endsWith("palorime.hlp"));
    EXPECT_EQ(c.topic, 16);
  }
}

TEST_F(ArrowWindow, ExitAndTheTitleBarReturnToTheMenuKeepingTheValues) {
  ASSERT_TRUE(open());
  window->hsbSpeed->setValue(250);
  window->cmdExit->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(menu->isVisible());
  EXPECT_EQ(shell::settings().ArrowSpeed, 250.0f);

  ASSERT_TRUE(open());
  EXPECT_EQ(window->lblSpeed->caption(), "250");
  window->imgMark_MouseDown(1, 0, 0, 0);
  window->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(menu->isVisible());
  EXPECT_EQ(shell::settings().ArrowSpeed, 250.0f);
  // A new window starts with an empty store.
  ASSERT_TRUE(open());
  EXPECT_EQ(window->store().ShotCount(), 0);
  EXPECT_EQ(window->Dragging(), 0);
}

}  // namespace
