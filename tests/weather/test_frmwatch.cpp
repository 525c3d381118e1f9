// The weather window as a user meets it: opened from the menu, typed into, saved, opened,
// cleared, plotted and left by Exit or the title bar.

#include <gtest/gtest.h>

#include "tests/support/filelimit.h"
#include "tests/support/menufixture.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include "app/projects.h"
#include "platform/button.h"
#include "platform/combobox.h"
#include "platform/files.h"
#include "platform/grid.h"
#include "platform/label.h"
#include "platform/picturebox.h"
#include "platform/scrollbar.h"
#include "platform/services.h"
#include "platform/tabcontrol.h"
#include "platform/textbox.h"
#include "platform/twips.h"
#include "shell/menuwindow.h"
#include "shell/settings.h"
#include "weather/frmwatch.h"
#include "weather/weatherplots.h"

namespace {

using weather::frmWatch;

class WeatherWindow : public MenuFixture {
 protected:
  void SetUp() override {
    shell::settings() = shell::SharedSettings{};
    MenuFixture::SetUp();
  }
  void TearDown() override {
    MenuFixture::TearDown();
  }
  frmWatch* open() {
    menu->projectButton(5)->click();
    window = qobject_cast<frmWatch*>(menu->currentProject());
    return window;
  }
  void type(const QString& text) { QTest::keyClicks(window->txtEdit(), text); }
  void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(window->txtEdit(), k, m); }
  void writeFile(const QString& name, const QByteArray& bytes) {
    QFile f(dir.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  // Names the file in the frame and presses OK.
  void fileCommand(plat::CommandButton* command, const QString& name) {
    command->click();
    ASSERT_TRUE(window->fraFiles()->isVisible());
    window->cboFiles()->setText(name);
    window->cmdOK()->click();
  }
  QString cell(int r, int c) const { return window->grdData()->textMatrix(r, c); }
  QString lbl(const char* name) const { return window->label(name)->caption(); }
  static int countColour(const plat::PictureBox* p, rt::Colour c) {
    int n = 0;
    const auto& s = p->surface();
    for (int y = 0; y < s.deviceHeight(); ++y)
      for (int x = 0; x < s.deviceWidth(); ++x) n += s.pixel(x, y) == c;
    return n;
  }

  QPointer<frmWatch> window;
};

QByteArray Days(int n, const QByteArray& record) {
  QByteArray out;
  for (int i = 0; i < n; ++i) out += record;
  return out;
}

TEST_F(WeatherWindow, OpensWithAnEmptyLogNamedNew) {
  writeFile("march.wwd", Days(60, "\"\",\"\",\"\",\"\",\"\",\"\"\r\n"));
  ASSERT_TRUE(open());
  EXPECT_FALSE(menu->isVisible());
  EXPECT_EQ(window->caption(), "Weather Watch, Current File: NEW");
  EXPECT_EQ(window->grdData()->rows(), 61);
  EXPECT_EQ(window->grdData()->cols(), 7);
  EXPECT_EQ(cell(0, 0), "Day");
  EXPECT_EQ(cell(0, 6), "Comment");
  EXPECT_EQ(cell(60, 0), "60");
  EXPECT_EQ(window->EditRow(), 1);
  EXPECT_EQ(window->EditCol(), 1);
  EXPECT_EQ(window->NoCellUpdate(), 0);
  EXPECT_EQ(window->files().FileSaved, 1);
  EXPECT_EQ(window->txtEdit()->maxLength(), 10);
  // The data files are listed by name in upper case.
  ASSERT_EQ(window->cboFiles()->listCount(), 1);
  EXPECT_EQ(window->cboFiles()->list(0), "MARCH");
  // Fifteen days in view; the scroll bar runs over the top days.
  EXPECT_TRUE(window->grdData()->rowIsVisible(15));
  EXPECT_FALSE(window->grdData()->rowIsVisible(16));
  EXPECT_EQ(window->vsbRow()->max(), 46);
}

TEST_F(WeatherWindow, KeysAreFilteredByColumn) {
  ASSERT_TRUE(open());
  type("3/\"14");
  EXPECT_EQ(window->txtEdit()->text(), "3/14");
  key(Qt::Key_Tab);
  EXPECT_EQ(window->EditCol(), 2);
  type("a-5x");
  EXPECT_EQ(window->txtEdit()->text(), "-5");
  key(Qt::Key_Return);
  key(Qt::Key_Return);
  type("-0.5");
  EXPECT_EQ(window->txtEdit()->text(), "0.5");
  EXPECT_EQ(cell(1, 1), "3/14");
  EXPECT_EQ(cell(1, 2), "-5");
  EXPECT_EQ(cell(1, 4), "0.5");
  EXPECT_EQ(window->files().WeatherData[1][4], "0.5");
  EXPECT_EQ(window->files().FileSaved, 0);
  // The length limit holds while typing.
  key(Qt::Key_Tab, Qt::ShiftModifier);
  key(Qt::Key_Tab, Qt::ShiftModifier);
  key(Qt::Key_Down);
  type("1234567");
  EXPECT_EQ(window->txtEdit()->text(), "12345");
}

TEST_F(WeatherWindow, NavigationWrapsAndScrollsTheGrid) {
  ASSERT_TRUE(open());
  key(Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(window->EditRow(), 1);
  EXPECT_EQ(window->EditCol(), 6);
  EXPECT_EQ(window->txtEdit()->maxLength(), 30);
  key(Qt::Key_Return);
  EXPECT_EQ(window->EditRow(), 2);
  EXPECT_EQ(window->EditCol(), 1);
  for (int i = 0; i < 13; ++i) key(Qt::Key_Down);
  EXPECT_EQ(window->EditRow(), 15);
  EXPECT_EQ(window->grdData()->topRow(), 1);
  key(Qt::Key_Down);
  EXPECT_EQ(window->EditRow(), 16);
  EXPECT_EQ(window->grdData()->topRow(), 2);
  EXPECT_EQ(window->vsbRow()->value(), 2);
  key(Qt::Key_Up);
  key(Qt::Key_Up);
  EXPECT_EQ(window->EditRow(), 14);
  // Up on the top visible day makes the new day the top row.
  for (int i = 0; i < 12; ++i) key(Qt::Key_Up);
  EXPECT_EQ(window->EditRow(), 2);
  EXPECT_EQ(window->grdData()->topRow(), 2);
  key(Qt::Key_Up);
  EXPECT_EQ(window->grdData()->topRow(), 1);
  key(Qt::Key_Up);
  EXPECT_EQ(window->EditRow(), 1);
  // The edit box lies over its cell.
  const QPoint at = window->txtEdit()->pos();
  EXPECT_EQ(at.x(), window->grdData()->x() + window->grdData()->colPos(1) / 15);
}

TEST_F(WeatherWindow, TheScrollBarMovesTheGridAndTheEditBoxWithIt) {
  ASSERT_TRUE(open());
  key(Qt::Key_Down);
  key(Qt::Key_Down);
  window->vsbRow()->setValue(46);
  EXPECT_EQ(window->grdData()->topRow(), 46);
  EXPECT_EQ(window->EditRow(), 48);
  window->vsbRow()->setValue(1);
  EXPECT_EQ(window->EditRow(), 3);
}

TEST_F(WeatherWindow, SaveWritesTheLogAndListsIt) {
  ASSERT_TRUE(open());
  type("3/14");
  key(Qt::Key_Tab);
  type("56");
  fileCommand(window->cmdSave(), "abc");
  EXPECT_FALSE(window->fraFiles()->isVisible());
  EXPECT_EQ(window->caption(), "Weather Watch, Current File: ABC");
  QFile saved(dir.filePath("ABC.wwd"));
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  const QByteArray bytes = saved.readAll();
  EXPECT_EQ(bytes.size(), 1140 + 4 + 2);
  EXPECT_TRUE(bytes.startsWith("\"3/14\",\"56\",\"\",\"\",\"\",\"\"\r\n"));
  EXPECT_EQ(window->cboFiles()->list(0), "ABC");
  EXPECT_EQ(window->files().FileSaved, 1);
  // Saving does not move the edit box.
  EXPECT_EQ(window->EditCol(), 2);
  // Nothing unsaved: Exit asks nothing.
  window->cmdExit(2)->click();
  EXPECT_TRUE(services.boxes->calls.empty());
  EXPECT_TRUE(menu->isVisible());
}

TEST_F(WeatherWindow, ASaveOnAFullDiskKeepsTheOldLogAndTheWindowAsItWas) {
  const QByteArray old = Days(60, "\"3/1\",\"50\",\"31\",\"\",\"30.1\",\"kept\"\r\n");
  writeFile("OLD.wwd", old);
  ASSERT_TRUE(open());
  type("3/14");
  key(Qt::Key_Tab);
  type("56");
  services.boxes->answer(plat::Msg::Yes);  // overwrite the existing file
  // The disk takes 200 bytes of the log's 1146.
  const std::string seen = testsupport::inChildWithFileLimit(200, [&] {
    fileCommand(window->cmdSave(), "old");
    std::string out;
    for (const auto& c : services.boxes->calls)
      out += c.title.toStdString() + " " + std::to_string(c.style) + ":" + c.text.toStdString() + "\n";
    out += window->caption().toStdString() + "\n";
    out += "saved " + std::to_string(window->files().FileSaved) + " name " + window->files().FileName + "\n";
    out += "cell " + cell(1, 2).toStdString() + " edit " + std::to_string(window->EditRow()) + "," +
           std::to_string(window->EditCol()) + "\n";
    out += window->cmdSave()->isEnabled() && window->grdData()->isEnabled() && !window->fraFiles()->isVisible()
               ? "usable\n"
               : "stuck\n";
    return out;
  });
  const int info = plat::Msg::OkOnly | plat::Msg::Information;
  const int question = plat::Msg::YesNo | plat::Msg::Question | plat::Msg::DefaultButton2;
  EXPECT_EQ(seen, "File Already Exists " + std::to_string(question) + ":Overwrite existing file?\n" +
                      "Error Saving File " + std::to_string(info) + ": 61.\n" +
                      "Weather Watch, Current File: NEW\n"
                      "saved 0 name NEW\n"
                      "cell 56 edit 1,2\n"
                      "usable\n");
  QFile kept(dir.filePath("OLD.wwd"));
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), old);
  EXPECT_EQ(QDir(dir.path()).entryList({"*wwd*"}, QDir::Files | QDir::Hidden), QStringList{"OLD.wwd"});
}

TEST_F(WeatherWindow, OpenLoadsTheGridAndPlacesTheEditBoxOnTheFirstCell) {
  writeFile("SPRING.wwd", "\"4/1\",\"45\",\"30\",\"0.2\",\"29.9\",\"showers\"\r\n" +
                              Days(59, "\"\",\"\",\"\",\"\",\"\",\"\"\r\n"));
  ASSERT_TRUE(open());
  key(Qt::Key_Down);
  fileCommand(window->cmdOpen(), "spring");
  EXPECT_EQ(window->caption(), "Weather Watch, Current File: spring");
  EXPECT_EQ(cell(1, 6), "showers");
  EXPECT_EQ(window->txtEdit()->text(), "4/1");
  EXPECT_EQ(window->EditRow(), 1);
  EXPECT_EQ(window->files().FileSaved, 1);
}

// The edit box taking a cell's text is a change of the box: moving onto a cell whose text
// differs from the box's marks the log unsaved, although nothing was typed.
TEST_F(WeatherWindow, MovingOntoACellWithOtherTextMarksTheLogUnsaved) {
  writeFile("FALL.wwd", "\"45\",\"45\",\"30\",\"\",\"\",\"\"\r\n" + Days(59, "\"\",\"\",\"\",\"\",\"\",\"\"\r\n"));
  ASSERT_TRUE(open());
  fileCommand(window->cmdOpen(), "FALL");
  ASSERT_EQ(window->txtEdit()->text(), "45");
  ASSERT_EQ(window->files().FileSaved, 1);
  plat::Grid* grid = window->grdData();
  auto click = [&](int r, int c) {
    QTest::mouseClick(grid, Qt::LeftButton, {},
                      QPoint(plat::twipsToPixels(grid->colPos(c)) + 3, plat::twipsToPixels(grid->rowPos(r)) + 3));
  };
  click(1, 2);  // "45" to "45": the box's text stays as it was
  EXPECT_EQ(window->EditCol(), 2);
  EXPECT_EQ(window->files().FileSaved, 1);
  click(1, 3);  // "45" to "30"
  EXPECT_EQ(window->EditCol(), 3);
  EXPECT_EQ(window->txtEdit()->text(), "30");
  EXPECT_EQ(window->files().FileSaved, 0);
  EXPECT_EQ(cell(1, 2), "45");
  EXPECT_EQ(window->files().WeatherData[1][3], "30");
  window->cmdExit(2)->click();  // No
  ASSERT_EQ(services.boxes->calls.size(), 1u);
  EXPECT_EQ(services.boxes->calls[0].title, "Exit Program");
  EXPECT_TRUE(window->isVisible());

  // Down from day 1 onto an empty day is a move to other text too; a fresh open is saved.
  services.boxes->answer(plat::Msg::Yes);
  fileCommand(window->cmdOpen(), "FALL");
  EXPECT_EQ(window->files().FileSaved, 1);
  key(Qt::Key_Down);
  EXPECT_EQ(window->EditRow(), 2);
  EXPECT_EQ(window->files().FileSaved, 0);
}

TEST_F(WeatherWindow, AFailedOpenReportsAndKeepsTheLog) {
  writeFile("SHORT.wwd", Days(10, "\"\",\"70\",\"\",\"\",\"\",\"\"\r\n"));
  ASSERT_TRUE(open());
  key(Qt::Key_Tab);
  type("45");
  services.boxes->answer(plat::Msg::Yes);
  fileCommand(window->cmdOpen(), "SHORT");
  ASSERT_EQ(services.boxes->calls.size(), 2u);
  EXPECT_EQ(services.boxes->calls[0].title, "Open File");
  EXPECT_EQ(services.boxes->calls[1].text, " 62.");
  EXPECT_EQ(services.boxes->calls[1].title, "Error Opening File");
  EXPECT_EQ(services.boxes->calls[1].style, plat::Msg::OkOnly | plat::Msg::Information);
  EXPECT_EQ(cell(1, 2), "45");
  EXPECT_EQ(cell(2, 2), "");
  EXPECT_EQ(window->caption(), "Weather Watch, Current File: NEW");
  EXPECT_EQ(window->files().FileSaved, 0);
  EXPECT_TRUE(window->cmdSave()->isEnabled());
  EXPECT_TRUE(window->grdData()->isEnabled());
}

TEST_F(WeatherWindow, ADoubleClickInTheSaveFrameAsksBeforeUnsavedDataIsLost) {
  writeFile("OLD.wwd", Days(60, "\"\",\"1\",\"\",\"\",\"\",\"\"\r\n"));
  ASSERT_TRUE(open());
  type("x");
  window->cmdSave()->click();
  window->cboFiles()->setText("OLD");
  window->cboFiles_DblClick();  // answered No by default
  ASSERT_EQ(services.boxes->calls.size(), 1u);
  EXPECT_EQ(services.boxes->calls[0].title, "Open File");
  EXPECT_TRUE(window->fraFiles()->isVisible());
  EXPECT_EQ(cell(1, 1), "x");
  services.boxes->answer(plat::Msg::Yes);
  window->cboFiles_DblClick();
  EXPECT_FALSE(window->fraFiles()->isVisible());
  EXPECT_EQ(cell(1, 2), "1");
  EXPECT_EQ(window->caption(), "Weather Watch, Current File: OLD");
}

TEST_F(WeatherWindow, TheFileFrameDisablesTheLogUntilCancel) {
  ASSERT_TRUE(open());
  window->cmdOpen()->click();
  EXPECT_EQ(window->fraFiles()->caption(), "Open File");
  EXPECT_EQ(window->cboFiles()->text(), "NEW");
  EXPECT_FALSE(window->grdData()->isEnabled());
  EXPECT_FALSE(window->txtEdit()->isEnabled());
  EXPECT_FALSE(window->cmdPrint()->isEnabled());
  // The tabs stay usable, but the plots are not redrawn meanwhile.
  window->SSTab1()->setTab(1);
  EXPECT_EQ(lbl("lblTHH"), "");
  window->SSTab1()->setTab(0);
  window->cmdCancel()->click();
  EXPECT_FALSE(window->fraFiles()->isVisible());
  EXPECT_TRUE(window->grdData()->isEnabled());
  EXPECT_TRUE(window->txtEdit()->isEnabled());
}

TEST_F(WeatherWindow, NewClearsTheLogAfterTheQuestion) {
  ASSERT_TRUE(open());
  type("1/1");
  window->cmdNew()->click();  // No
  EXPECT_EQ(cell(1, 1), "1/1");
  services.boxes->answer(plat::Msg::Yes);
  window->cmdNew()->click();
  ASSERT_EQ(services.boxes->calls.size(), 2u);
  EXPECT_EQ(services.boxes->calls[1].text,
            "Data in unsaved file will be lost.  Do you still want to start a new file?");
  EXPECT_EQ(services.boxes->calls[1].style, plat::Msg::YesNo | plat::Msg::Question | plat::Msg::DefaultButton2);
  EXPECT_EQ(cell(1, 1), "");
  EXPECT_EQ(window->txtEdit()->text(), "");
  EXPECT_EQ(window->files().FileSaved, 1);
}

TEST_F(WeatherWindow, ExitAndTheTitleBarAskAboutUnsavedData) {
  ASSERT_TRUE(open());
  type("5/5");
  window->cmdExit(1)->click();  // No: the window stays as it was
  ASSERT_EQ(services.boxes->calls.size(), 1u);
  EXPECT_EQ(services.boxes->calls[0].title, "Exit Program");
  EXPECT_TRUE(window->isVisible());
  window->close();
  EXPECT_EQ(services.boxes->calls.size(), 2u);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_FALSE(window.isNull());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(cell(1, 1), "5/5");
  services.boxes->answer(plat::Msg::Yes);
  window->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());
  EXPECT_TRUE(menu->isVisible());
  // The next opening starts afresh.
  ASSERT_TRUE(open());
  EXPECT_EQ(cell(1, 1), "");
}

TEST_F(WeatherWindow, HelpAndF1OpenTheWeatherTopic) {
  ASSERT_TRUE(open());
  window->cmdHelp(2)->click();
  window->cmdHelp(1)->click();
  QApplication::setActiveWindow(window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  QTest::keyClick(window, Qt::Key_F1);
  ASSERT_EQ(services.help->calls.size(), 3u);
  for (const auto& call : services.help->calls) {
    EXPECT_TRUE(call.file.endsWith("/palorime.hlp")) << call.file.toStdString();
    EXPECT_EQ(call.topic, 15);
  }
}

TEST_F(WeatherWindow, ThePlotTabSummarisesAndDrawsTheLog) {
  ASSERT_TRUE(open());
  window->SSTab1()->setTab(1);
  EXPECT_EQ(lbl("lblTHH"), "---");
  EXPECT_EQ(lbl("lblTempH"), "70");
  EXPECT_EQ(lbl("lblPressL"), "25");
  EXPECT_EQ(lbl("lblPrecL"), "0");
  EXPECT_EQ(lbl("lblHT"), "");
  window->SSTab1()->setTab(0);

  // Highs rising a degree a day, lows steady, some rain and pressure.
  for (int d = 1; d <= 60; ++d) {
    while (window->EditRow() != d || window->EditCol() != 2) key(Qt::Key_Tab);
    type(QString::number(40 + d));
    key(Qt::Key_Tab);
    type("30");
    key(Qt::Key_Tab);
    if (d % 10 == 0) type("0.5");
    key(Qt::Key_Tab);
    if (d <= 2) type(d == 1 ? "29.5" : "30.5");
  }
  window->SSTab1()->setTab(1);
  EXPECT_EQ(lbl("lblTHH"), "100");
  EXPECT_EQ(lbl("lblTLH"), "41");
  EXPECT_EQ(lbl("lblTAH"), "70");
  EXPECT_EQ(lbl("lblHT"), "+59.0");
  EXPECT_EQ(lbl("lblLT"), "+0.0");
  EXPECT_EQ(lbl("lblTempH"), "100");
  EXPECT_EQ(lbl("lblTempL"), "20");  // steps of 20 from 30 to 100
  EXPECT_EQ(lbl("lblPH"), "0.50");
  EXPECT_EQ(lbl("lblPT"), "3.00");
  EXPECT_EQ(lbl("lblPressH"), "30.6");
  EXPECT_EQ(lbl("lblPresL"), "29.50");
  EXPECT_GT(countColour(window->picTemp(), weather::kHighColour), 100);
  EXPECT_GT(countColour(window->picTemp(), weather::kLowColour), 100);
  EXPECT_GT(countColour(window->picPrec(), rt::QBColor(2)), 6);
  EXPECT_GT(countColour(window->picPress(), rt::QBColor(5)), 0);
}

}  // namespace
