// Surfaces on windows: a picture sized before it is shown, its repaint hook run from the
// event loop, the mouse in its scale units, pictures inside pictures, and a window's own
// surface behind its controls with its repaint and mouse steps.

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "platform/form.h"
#include "platform/picturebox.h"
#include "platform/surface.h"
#include "platform/twips.h"

namespace {

using plat::PictureBox;

constexpr rt::Colour kBlack = 0x000000, kWhite = 0xFFFFFF;

rt::Colour grabbed(QWidget& w, QPoint at) {
  QImage img = w.grab().toImage();
  QRgb v = img.pixel(at);
  return rt::rgb(qRed(v), qGreen(v), qBlue(v));
}

TEST(SurfaceWindows, PictureIsSizedWhenPlacedAndDrawnBeforeItIsShown) {
  QWidget window;
  PictureBox pic(&window);
  plat::placeTwips(&pic, 120, 960, 6015, 4815);
  EXPECT_EQ(pic.surface().deviceWidth(), 401);
  EXPECT_EQ(pic.surface().deviceHeight(), 321);
  pic.surface().setScale(0, 500, 1000, 0);
  pic.surface().filledBox(0, 0, 500, 250, kBlack);
  window.resize(600, 600);
  window.show();
  EXPECT_EQ(grabbed(pic, QPoint(10, 300)), kBlack);
  EXPECT_EQ(grabbed(pic, QPoint(300, 10)), kWhite);
  // Placed again with setGeometry while hidden: the image follows at once.
  pic.hide();
  pic.setGeometry(0, 0, 100, 50);
  EXPECT_EQ(pic.surface().deviceWidth(), 100);
  EXPECT_EQ(pic.surface().toDevice(1000, 0), QPoint(100, 50));  // the user scale holds
}

TEST(SurfaceWindows, RepaintHookRunsFromTheEventLoopAfterEachShow) {
  QWidget window;
  window.resize(300, 300);
  PictureBox pic(&window);
  pic.setGeometry(10, 10, 100, 100);
  int paints = 0;
  pic.onPaint = [&] {
    ++paints;
    pic.surface().line(0, 0, 1500, 1500, kBlack);  // drawing inside the hook is fine
    pic.requestPaint();                            // and does not re-enter it
  };
  window.show();
  EXPECT_EQ(paints, 0);  // not inside show: after it, as a repaint event would
  QCoreApplication::processEvents();
  EXPECT_EQ(paints, 1);
  pic.hide();
  pic.show();
  pic.hide();
  pic.show();
  QCoreApplication::processEvents();
  EXPECT_EQ(paints, 2);  // shows close together paint once
  pic.requestPaint();
  EXPECT_EQ(paints, 3);
  // Growing repaints; shrinking keeps what is there.
  pic.resize(200, 200);
  QCoreApplication::processEvents();
  EXPECT_EQ(paints, 4);
  pic.resize(50, 50);
  QCoreApplication::processEvents();
  EXPECT_EQ(paints, 4);
}

TEST(SurfaceWindows, RefreshShowsTheDrawingAtOnce) {
  QWidget window;
  window.resize(200, 200);
  PictureBox pic(&window);
  pic.setGeometry(0, 0, 100, 100);
  window.show();
  QCoreApplication::processEvents();
  int repaints = 0;
  struct Counter : QObject {
    int* n;
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Paint) ++*n;
      return false;
    }
  } counter;
  counter.n = &repaints;
  pic.installEventFilter(&counter);
  pic.surface().circle(750, 750, 300, kBlack);
  pic.surface().refresh();  // a picture on a window repaints now, not later
  EXPECT_EQ(repaints, 1);
  pic.removeEventFilter(&counter);
}

TEST(SurfaceWindows, MouseArrivesInScaleUnitsInsideTheBorder) {
  QWidget window;
  window.resize(400, 400);
  PictureBox pic(&window);
  pic.setGeometry(10, 10, 202, 202);
  pic.setBorder(true);
  EXPECT_EQ(pic.surface().deviceWidth(), 200);
  pic.surface().setScale(-11, 11, 11, -11);
  double gotX = 0, gotY = 0;
  int gotButton = 0, gotShift = -1;
  pic.onMouseDown = [&](int b, int sh, double x, double y) {
    gotButton = b;
    gotShift = sh;
    gotX = x;
    gotY = y;
  };
  window.show();
  QTest::mousePress(&pic, Qt::RightButton, Qt::ShiftModifier, QPoint(101, 51));
  EXPECT_EQ(gotButton, 2);
  EXPECT_EQ(gotShift, 1);
  EXPECT_NEAR(gotX, 0.0, 1e-9);
  EXPECT_NEAR(gotY, 5.5, 1e-9);
  QTest::mouseRelease(&pic, Qt::RightButton, Qt::ShiftModifier, QPoint(101, 51));
  // The border is drawn around the inside, not over it.
  pic.surface().setBackColor(rt::numberedColour(14));
  EXPECT_EQ(grabbed(pic, QPoint(0, 0)), kBlack);
  EXPECT_EQ(grabbed(pic, QPoint(1, 1)), rt::numberedColour(14));
}

TEST(SurfaceWindows, PicturesInsideAPicture) {
  QWidget window;
  window.resize(400, 400);
  PictureBox sky(&window, rt::rgb(0, 255, 255));
  plat::placeTwips(&sky, 0, 0, 2055, 5000);
  auto* rocket = new PictureBox(&sky, kWhite);
  plat::placeTwips(rocket, 600, 3000, 450, 900);
  rocket->surface().filledBox(0, 0, 450, 900, rt::numberedColour(12));
  window.show();
  EXPECT_EQ(grabbed(sky, QPoint(45, 220)), rt::numberedColour(12));
  EXPECT_EQ(grabbed(sky, QPoint(10, 10)), rt::rgb(0, 255, 255));
  // Moving the child uncovers the sky as it was.
  rocket->move(rocket->x(), 10);
  EXPECT_EQ(grabbed(sky, QPoint(45, 220)), rt::rgb(0, 255, 255));
}

class DrawingForm : public plat::Form {
 public:
  int paints = 0;
  std::vector<std::tuple<int, int, double, double>> downs;
  QLabel* label = nullptr;
  QPushButton* button = nullptr;

 protected:
  void loadStep() override {
    setClientSizeTwips(4800, 3000);
    button = new QPushButton("Start", this);
    button->setGeometry(10, 10, 80, 30);
    label = new QLabel("Read-out", this);
    label->setGeometry(10, 150, 100, 30);
    surface().setScale(0, 0, 319, 199);  // after the controls: it still lies under them
  }
  void repaintStep() override { ++paints; }
  void mouseDownOnWindow(int b, int sh, double x, double y) override { downs.emplace_back(b, sh, x, y); }
};

TEST(SurfaceWindows, AWindowsOwnSurfaceLiesBehindItsControls) {
  DrawingForm f;
  f.setKeptAfterUnload(true);
  f.open();
  ASSERT_EQ(f.width(), 320);
  plat::ImageSurface& s = f.surface();
  EXPECT_EQ(s.deviceWidth(), 320);
  EXPECT_EQ(s.deviceHeight(), 200);
  EXPECT_EQ(f.childAt(QPoint(20, 20)), f.button);
  s.setBackColor(kBlack);
  s.setDrawWidth(2);
  s.box(0, 0, 319, 199, rt::numberedColour(12));
  s.filledBox(200, 100, 300, 190, rt::numberedColour(14));
  EXPECT_EQ(grabbed(f, QPoint(250, 150)), rt::numberedColour(14));
  EXPECT_EQ(grabbed(f, QPoint(0, 100)), rt::numberedColour(12));
  // Setting the window's back colour clears the drawing, as it does on the classic platform.
  f.setBackColor(rt::rgb(192, 192, 255));
  EXPECT_EQ(grabbed(f, QPoint(250, 150)), rt::rgb(192, 192, 255));
  EXPECT_EQ(s.pixel(250, 150), rt::rgb(192, 192, 255));
  f.unload();
}

TEST(SurfaceWindows, AWindowsRepaintStepRunsAfterEveryShow) {
  DrawingForm f;
  f.setKeptAfterUnload(true);
  f.open();
  EXPECT_EQ(f.paints, 0);
  QCoreApplication::processEvents();
  EXPECT_EQ(f.paints, 1);
  f.unload();
  QCoreApplication::processEvents();
  EXPECT_EQ(f.paints, 1);
  f.open();
  QCoreApplication::processEvents();
  EXPECT_EQ(f.paints, 2);
  f.unload();
}

TEST(SurfaceWindows, MouseOnTheWindowsOwnAreaNotOverItsControls) {
  DrawingForm f;
  f.setKeptAfterUnload(true);
  f.open();
  QTest::mouseClick(&f, Qt::LeftButton, Qt::NoModifier, QPoint(160, 64));
  ASSERT_EQ(f.downs.size(), 1u);
  EXPECT_EQ(std::get<0>(f.downs[0]), 1);
  EXPECT_NEAR(std::get<2>(f.downs[0]), 160 * 319.0 / 320, 1e-9);
  EXPECT_NEAR(std::get<3>(f.downs[0]), 64 * 199.0 / 200, 1e-9);
  // A label lets clicks through to its container; they are not the window's.
  QTest::mouseClick(f.label, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_EQ(f.downs.size(), 1u);
  f.unload();
}

}  // namespace
