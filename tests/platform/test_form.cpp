// Windows: the load step on every show after an unload, the title bar's close taking the
// window's own way out, F1 opening the window's help topic, centring on the screen, and the
// focus passing on from a control that hides or disables itself; message boxes wide
// enough for their titles.

#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "platform/files.h"
#include "platform/form.h"
#include "platform/services.h"
#include "tests/support/doubles.h"

namespace {

class CountingForm : public plat::Form {
 public:
  int loads = 0, unloads = 0, titleCloses = 0;
  bool unloadOnTitleClose = true;
  void closeByTitleBar() { close(); }

 protected:
  void loadStep() override { ++loads; }
  void unloadStep() override { ++unloads; }
  void closeFromTitleBar() override {
    ++titleCloses;
    if (unloadOnTitleClose) unload();
  }
};

TEST(Form, LoadStepRunsOnEveryShowAfterAnUnload) {
  CountingForm f;
  f.setKeptAfterUnload(true);
  f.open();
  f.open();
  EXPECT_EQ(f.loads, 1);
  EXPECT_TRUE(f.isVisible());
  f.unload();
  EXPECT_EQ(f.unloads, 1);
  EXPECT_FALSE(f.isVisible());
  EXPECT_FALSE(f.isLoaded());
  f.open();
  EXPECT_EQ(f.loads, 2);
  f.unload();
}

TEST(Form, UnloadedFormIsDiscardedUnlessKept) {
  QPointer<CountingForm> f = new CountingForm;
  f->open();
  f->unload();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(f.isNull());
}

TEST(Form, TitleBarCloseTakesTheWindowsOwnWay) {
  CountingForm f;
  f.setKeptAfterUnload(true);
  f.unloadOnTitleClose = false;  // a window that refuses, e.g. while it asks a question
  f.open();
  f.closeByTitleBar();
  EXPECT_EQ(f.titleCloses, 1);
  EXPECT_TRUE(f.isVisible());
  EXPECT_TRUE(f.isLoaded());
  f.unloadOnTitleClose = true;
  f.closeByTitleBar();
  EXPECT_EQ(f.titleCloses, 2);
  EXPECT_EQ(f.unloads, 1);
  EXPECT_FALSE(f.isVisible());
}

TEST(Form, F1OpensTheWindowsHelpTopic) {
  auto services = plat::installTestServices();
  plat::setProgramFolder("/opt/vantrel-test");
  CountingForm f;
  f.setKeptAfterUnload(true);
  f.setHelp("palorime.hlp", 13);
  f.open();
  QApplication::setActiveWindow(&f);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
  QTest::keyClick(&f, Qt::Key_F1);
  ASSERT_EQ(services.help->calls.size(), 1u);
  EXPECT_EQ(services.help->calls[0].file, "/opt/vantrel-test/palorime.hlp");
  EXPECT_EQ(services.help->calls[0].topic, 13);
  f.setHelp("vtrel.hlp", 0);
  QTest::keyClick(&f, Qt::Key_F1);
  ASSERT_EQ(services.help->calls.size(), 2u);
  EXPECT_EQ(services.help->calls[1].topic, 0);  // the contents page
  plat::setProgramFolder(QString());
  f.unload();
}

TEST(Form, CentresOnTheScreen) {
  CountingForm f;
  f.setKeptAfterUnload(true);
  f.setClientSizeTwips(7395, 3945);
  f.centreOnScreen();
  QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(f.width(), 493);  // 7395 twips at 15 to the pixel
  EXPECT_EQ(f.x(), screen.left() + (screen.width() - f.width()) / 2);
  EXPECT_EQ(f.y(), screen.top() + (screen.height() - f.height()) / 2);
}

// The focus always lands: a control that hides or disables itself passes the focus to the next
// control of the Tab order that can take it, counted once its handler has shown what takes
// its place; a handler that gives the focus somewhere keeps it there.
TEST(Form, TheFocusPassesOnWhenTheFocusedControlHidesOrDisablesItself) {
  CountingForm f;
  f.setKeptAfterUnload(true);
  f.resize(300, 200);
  auto* panel = new QWidget(&f);
  panel->setGeometry(0, 0, 300, 60);
  auto* learn = new QPushButton("Learn", panel);
  auto* work = new QPushButton("Work", panel);
  work->move(100, 0);
  auto* print = new QPushButton("Print", &f);
  auto* stop = new QPushButton("Stop", &f);
  auto* next = new QPushButton("Next", &f);
  print->setGeometry(0, 100, 80, 30);
  stop->setGeometry(100, 100, 80, 30);
  next->setGeometry(200, 100, 80, 30);
  print->hide();
  stop->hide();
  next->hide();
  // The topic panel hides before the tools of the topic show; Stop hides the tools first.
  QObject::connect(work, &QPushButton::clicked, [&] {
    panel->hide();
    print->show();
    stop->show();
  });
  QObject::connect(stop, &QPushButton::clicked, [&] {
    stop->hide();
    print->hide();
    panel->show();
  });
  f.open();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f));

  work->setFocus(Qt::TabFocusReason);
  QTest::keyClick(work, Qt::Key_Space);
  EXPECT_TRUE(QTest::qWaitFor([&] { return print->hasFocus(); }, 5000));
  stop->setFocus(Qt::TabFocusReason);
  QTest::keyClick(stop, Qt::Key_Space);
  EXPECT_TRUE(QTest::qWaitFor([&] { return learn->hasFocus(); }, 5000));  // round to the first

  // Disabled with the focus: on to the next that can take it, past a disabled one.
  next->show();
  learn->setFocus(Qt::TabFocusReason);
  work->setEnabled(false);
  panel->setEnabled(false);
  EXPECT_TRUE(QTest::qWaitFor([&] { return next->hasFocus(); }, 5000));
  panel->setEnabled(true);
  work->setEnabled(true);

  // A handler that names where the focus goes is obeyed.
  QObject::connect(next, &QPushButton::clicked, [&] {
    next->hide();
    work->setFocus(Qt::OtherFocusReason);
  });
  next->setFocus(Qt::TabFocusReason);
  QTest::keyClick(next, Qt::Key_Space);
  QTest::qWait(50);
  EXPECT_TRUE(work->hasFocus());
}

}  // namespace

namespace {

// The width of the real message box the program shows, measured while it is up.
int shownBoxWidth(const QString& text, const QString& title) {
  plat::setMessageBoxBackend(nullptr);  // the desktop's own boxes
  int width = 0;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    width = box->width();
    box->defaultButton()->click();
  });
  poll.start(10);
  plat::messageBox(text, plat::msg::OkOnly | plat::msg::Information, title);
  plat::setMessageBoxBackend(nullptr);
  return width;
}

}  // namespace

// A title bar shows the title in a bold face beside the window's icon and its buttons: a box
// with a short text is still wide enough for all of its title.
TEST(MessageBox, IsWideEnoughForItsTitle) {
  QFont bold = QApplication::font();
  bold.setBold(true);
  const QFontMetrics metrics(bold);
  for (const QString& title : {QStringLiteral("Error Opening File"), QStringLiteral("File Already Exists")}) {
    SCOPED_TRACE(title.toStdString());
    const int width = shownBoxWidth(" 53.", title);
    EXPECT_GE(width, metrics.horizontalAdvance(title) + 4 * metrics.height() * 2);
  }
}
