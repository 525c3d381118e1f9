// The weather window as a user meets it: opened from the menu, typed into, saved, opened,
// cleared, plotted and left by Exit or the title bar.

#include <gtest/gtest.h>

#include "tests/support/controls.h"
#include "tests/support/filelimit.h"
#include "tests/support/heardtree.h"
#include "tests/support/menufixture.h"
#include "tests/support/pixels.h"
#include "tests/support/screenreader.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

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
#include "runtime/palette.h"
#include "shell/menuwindow.h"
#include "shell/settings.h"
#include "weather/weatherwindow.h"

namespace {

using weather::SummaryText;
using weather::WeatherWindow;

class WeatherWatch : public MenuFixture {
 protected:
  void SetUp() override {
    shell::settings() = shell::SharedSettings{};
    MenuFixture::SetUp();
  }
  void TearDown() override { MenuFixture::TearDown(); }
  WeatherWindow* open() {
    window = openProject<WeatherWindow>(5);
    return window;
  }
  // The window's controls, by the names it gives them.
  plat::CommandButton& button(const char* name) const { return control<plat::CommandButton>(*window, name); }
  plat::PictureBox& plot(const char* name) const { return control<plat::PictureBox>(*window, name); }
  plat::TextBox& editBox() const { return control<plat::TextBox>(*window, "editBox"); }
  plat::Grid& logGrid() const { return control<plat::Grid>(*window, "logGrid"); }
  plat::VScrollBar& dayBar() const { return control<plat::VScrollBar>(*window, "dayBar"); }
  plat::Frame& fileFrame() const { return control<plat::Frame>(*window, "fileFrame"); }
  plat::ComboBox& fileNameBox() const { return control<plat::ComboBox>(*window, "fileNameBox"); }
  plat::TabControl& tabs() const { return control<plat::TabControl>(*window, "tabs"); }
  void type(const QString& text) { QTest::keyClicks(&editBox(), text); }
  void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(&editBox(), k, m); }
  void writeFile(const QString& name, const QByteArray& bytes) {
    QFile f(dir.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  // Names the file in the frame and presses OK.
  void fileCommand(const char* command, const QString& name) {
    button(command).click();
    ASSERT_TRUE(fileFrame().isVisible());
    fileNameBox().setText(name);
    button("okButton").click();
  }
  QString cell(int r, int c) const { return logGrid().textMatrix(r, c); }
  QString summary(SummaryText text) const { return control<plat::Label>(*window, "summaryLabel", int(text)).caption(); }

  QPointer<WeatherWindow> window;
};

QByteArray days(int n, const QByteArray& record) {
  QByteArray out;
  for (int i = 0; i < n; ++i) out += record;
  return out;
}

TEST_F(WeatherWatch, OpensWithAnEmptyLogNamedNew) {
  writeFile("march.wwd", days(60, "\"\",\"\",\"\",\"\",\"\",\"\"\r\n"));
  ASSERT_TRUE(open());
  EXPECT_FALSE(menu->isVisible());
  EXPECT_EQ(window->caption(), "Weather Watch, Current File: NEW");
  EXPECT_EQ(logGrid().rows(), 61);
  EXPECT_EQ(logGrid().cols(), 7);
  EXPECT_EQ(cell(0, 0), "Day");
  EXPECT_EQ(cell(0, 6), "Comment");
  EXPECT_EQ(cell(60, 0), "60");
  EXPECT_EQ(window->editRow(), 1);
  EXPECT_EQ(window->editColumn(), 1);
  EXPECT_FALSE(window->cellUpdatesHeld());
  EXPECT_TRUE(window->files().saved());
  EXPECT_EQ(editBox().maxLength(), 10);
  // The data files are listed by name in upper case.
  ASSERT_EQ(fileNameBox().listCount(), 1);
  EXPECT_EQ(fileNameBox().list(0), "MARCH");
  // Fifteen days in view; the scroll bar runs over the top days.
  EXPECT_TRUE(logGrid().rowIsVisible(15));
  EXPECT_FALSE(logGrid().rowIsVisible(16));
  EXPECT_EQ(dayBar().max(), 46);
}

TEST_F(WeatherWatch, KeysAreFilteredByColumn) {
  ASSERT_TRUE(open());
  type("3/\"14");
  EXPECT_EQ(editBox().text(), "3/14");
  key(Qt::Key_Tab);
  EXPECT_EQ(window->editColumn(), 2);
  type("a-5x");
  EXPECT_EQ(editBox().text(), "-5");
  key(Qt::Key_Return);
  key(Qt::Key_Return);
  type("-0.5");
  EXPECT_EQ(editBox().text(), "0.5");
  EXPECT_EQ(cell(1, 1), "3/14");
  EXPECT_EQ(cell(1, 2), "-5");
  EXPECT_EQ(cell(1, 4), "0.5");
  EXPECT_EQ(window->files().log()[1][4], "0.5");
  EXPECT_FALSE(window->files().saved());
  // The length limit holds while typing.
  key(Qt::Key_Tab, Qt::ShiftModifier);
  key(Qt::Key_Tab, Qt::ShiftModifier);
  key(Qt::Key_Down);
  type("1234567");
  EXPECT_EQ(editBox().text(), "12345");
}

// Alt with a key is an access key, never typing: not past the column's filter, nor past its
// limit, nor a double quote that the writer would turn into an apostrophe.
TEST_F(WeatherWatch, AltKeysTypeNothingInAnyColumn) {
  ASSERT_TRUE(open());
  key(Qt::Key_QuoteDbl, Qt::AltModifier | Qt::ShiftModifier);
  key(Qt::Key_A, Qt::AltModifier);
  EXPECT_EQ(editBox().text(), "");
  key(Qt::Key_Tab);
  key(Qt::Key_A, Qt::AltModifier);
  key(Qt::Key_B, Qt::AltModifier);
  type("12345");
  key(Qt::Key_C, Qt::AltModifier);
  key(Qt::Key_QuoteDbl, Qt::AltModifier | Qt::ShiftModifier);
  key(Qt::Key_S, Qt::AltModifier);  // tried for Save
  EXPECT_EQ(editBox().text(), "12345");
  EXPECT_EQ(cell(1, 2), "12345");
  key(Qt::Key_Tab);
  key(Qt::Key_Tab);
  key(Qt::Key_Minus, Qt::AltModifier);
  EXPECT_EQ(window->editColumn(), 4);
  EXPECT_EQ(editBox().text(), "");
  EXPECT_EQ(window->files().log()[1][4], "");
}

// Pasted text meets the column's filter character by character, by key or by the context
// menu, and the column's limit; Ctrl+V is itself a key the numeric columns refuse.
TEST_F(WeatherWatch, PastedTextEntersOnlyWhatTheColumnTakes) {
  ASSERT_TRUE(open());
  QApplication::clipboard()->setText("qz\"7");
  key(Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(editBox().text(), "qz7");  // the date takes every key but the double quote
  key(Qt::Key_Tab);
  key(Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(editBox().text(), "7");
  key(Qt::Key_Tab);
  key(Qt::Key_Tab);
  key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(editBox().text(), "");
  std::unique_ptr<QMenu> menu(editBox().createStandardContextMenu());
  QAction* paste = menu->findChild<QAction*>("edit-paste");
  ASSERT_NE(paste, nullptr);
  paste->trigger();
  EXPECT_EQ(editBox().text(), "7");
  QApplication::clipboard()->setText("-1234567");
  paste->trigger();
  EXPECT_EQ(editBox().text(), "71234");
  EXPECT_EQ(window->files().log()[1][1], "qz7");
  EXPECT_EQ(window->files().log()[1][2], "7");
  EXPECT_EQ(window->files().log()[1][4], "71234");
}

// Tab, Shift+Tab and Enter stay the grid's; Ctrl+Tab leads out of it to the file buttons and
// the page tabs, Ctrl+Shift+Tab back, and Ctrl+Page Down turns to the plots.
TEST_F(WeatherWatch, CtrlTabLeadsOutOfTheGridToTheFileButtonsAndThePageTabs) {
  ASSERT_TRUE(open());
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  ASSERT_TRUE(editBox().hasFocus());
  type("3/14");
  key(Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(QApplication::focusWidget(), &button("newButton"));
  EXPECT_EQ(window->editColumn(), 1);
  EXPECT_EQ(cell(1, 1), "3/14");
  std::vector<QWidget*> reached;
  for (int i = 0; i < 8 && QApplication::focusWidget() != tabs().tabBar(); ++i) {
    reached.push_back(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(reached,
            (std::vector<QWidget*>{&button("newButton"), &button("openButton"), &button("saveButton"),
                                   &button("printButton"), &button("recordHelpButton"), &button("recordExitButton")}));
  ASSERT_EQ(QApplication::focusWidget(), tabs().tabBar());
  QTest::keyClick(tabs().tabBar(), Qt::Key_Right);
  EXPECT_EQ(tabs().tab(), 1);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
  EXPECT_EQ(tabs().tab(), 0);
  ASSERT_TRUE(editBox().hasFocus());

  // Back out of the grid: the page tabs come within the grid's own controls.
  key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_FALSE(editBox().hasFocus());
  for (int i = 0; i < 3 && QApplication::focusWidget() != tabs().tabBar(); ++i)
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), tabs().tabBar());

  editBox().setFocus();
  key(Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(tabs().tab(), 1);
  EXPECT_EQ(window->editRow(), 1);
}

TEST_F(WeatherWatch, NavigationWrapsAndScrollsTheGrid) {
  ASSERT_TRUE(open());
  key(Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(window->editRow(), 1);
  EXPECT_EQ(window->editColumn(), 6);
  EXPECT_EQ(editBox().maxLength(), 30);
  key(Qt::Key_Return);
  EXPECT_EQ(window->editRow(), 2);
  EXPECT_EQ(window->editColumn(), 1);
  for (int i = 0; i < 13; ++i) key(Qt::Key_Down);
  EXPECT_EQ(window->editRow(), 15);
  EXPECT_EQ(logGrid().topRow(), 1);
  key(Qt::Key_Down);
  EXPECT_EQ(window->editRow(), 16);
  EXPECT_EQ(logGrid().topRow(), 2);
  EXPECT_EQ(dayBar().value(), 2);
  key(Qt::Key_Up);
  key(Qt::Key_Up);
  EXPECT_EQ(window->editRow(), 14);
  // Up on the top visible day makes the new day the top row.
  for (int i = 0; i < 12; ++i) key(Qt::Key_Up);
  EXPECT_EQ(window->editRow(), 2);
  EXPECT_EQ(logGrid().topRow(), 2);
  key(Qt::Key_Up);
  EXPECT_EQ(logGrid().topRow(), 1);
  key(Qt::Key_Up);
  EXPECT_EQ(window->editRow(), 1);
  // The edit box lies over its cell.
  const QPoint at = editBox().pos();
  EXPECT_EQ(at.x(), logGrid().x() + logGrid().colPos(1) / 15);
}

// Screen readers hear the edit box as the cell it edits, its column and its day, and hear
// each move to another cell: going down the High column they hear which day they are on.
TEST_F(WeatherWatch, ScreenReadersHearTheEditBoxAsTheCellItEdits) {
  ASSERT_TRUE(open());
  QAccessibleInterface* box = QAccessible::queryAccessibleInterface(&editBox());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->text(QAccessible::Name), "Date, Day 1");
  HeardEvents heard;
  key(Qt::Key_Tab);
  EXPECT_EQ(box->text(QAccessible::Name), "High, Day 1");
  for (int day = 2; day <= 16; ++day) {
    key(Qt::Key_Down);
    EXPECT_EQ(box->text(QAccessible::Name), QString("High, Day %1").arg(day));
  }
  EXPECT_EQ(heard.count(&editBox(), QAccessible::NameChanged), 16);
  // The scroll bar moves the box with the grid; it is heard on its new day.
  dayBar().setValue(30);
  EXPECT_EQ(box->text(QAccessible::Name), "High, Day 44");
  EXPECT_EQ(heard.count(&editBox(), QAccessible::NameChanged), 17);
}

TEST_F(WeatherWatch, TheScrollBarMovesTheGridAndTheEditBoxWithIt) {
  ASSERT_TRUE(open());
  key(Qt::Key_Down);
  key(Qt::Key_Down);
  dayBar().setValue(46);
  EXPECT_EQ(logGrid().topRow(), 46);
  EXPECT_EQ(window->editRow(), 48);
  dayBar().setValue(1);
  EXPECT_EQ(window->editRow(), 3);
}

TEST_F(WeatherWatch, SaveWritesTheLogAndListsIt) {
  ASSERT_TRUE(open());
  type("3/14");
  key(Qt::Key_Tab);
  type("56");
  fileCommand("saveButton", "abc");
  EXPECT_FALSE(fileFrame().isVisible());
  EXPECT_EQ(window->caption(), "Weather Watch, Current File: ABC");
  QFile saved(dir.filePath("ABC.wwd"));
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  const QByteArray bytes = saved.readAll();
  EXPECT_EQ(bytes.size(), 1140 + 4 + 2);
  EXPECT_TRUE(bytes.startsWith("\"3/14\",\"56\",\"\",\"\",\"\",\"\"\r\n"));
  EXPECT_EQ(fileNameBox().list(0), "ABC");
  EXPECT_TRUE(window->files().saved());
  // Saving does not move the edit box.
  EXPECT_EQ(window->editColumn(), 2);
  // Nothing unsaved: Exit asks nothing.
  button("recordExitButton").click();
  EXPECT_TRUE(services.boxes->calls.empty());
  EXPECT_TRUE(menu->isVisible());
}

// The names of the data files in the folder, as the bytes the disk holds.
std::vector<QByteArray> dataFileNames(const QTemporaryDir& dir) {
  std::vector<QByteArray> names;
  for (const QString& name : QDir(dir.path()).entryList({"*.wwd"}, QDir::Files))
    names.push_back(QFile::encodeName(name));
  return names;
}

// A name of accented letters is cut by letters and put in capitals letter for letter: the
// file on the disk, the caption and the Open list show the same name, and the log opens
// again from the list.
TEST_F(WeatherWatch, AnAccentedNameIsSavedWholeAndOpensAgainFromTheList) {
  ASSERT_TRUE(open());
  type("3/14");
  fileCommand("saveButton", QString::fromUtf8("a\u00e9\u00e9\u00e9\u00e9"));
  const QString saved = QString::fromUtf8("A\u00c9\u00c9\u00c9\u00c9");
  EXPECT_EQ(dataFileNames(dir), std::vector<QByteArray>{(saved + ".wwd").toUtf8()});
  EXPECT_EQ(window->caption(), "Weather Watch, Current File: " + saved);
  button("newButton").click();
  EXPECT_EQ(cell(1, 1), "");
  button("openButton").click();
  ASSERT_EQ(fileNameBox().listCount(), 1);
  EXPECT_EQ(fileNameBox().list(0), saved);
  fileNameBox().setListIndex(0);
  button("okButton").click();
  EXPECT_TRUE(services.boxes->calls.empty());
  EXPECT_EQ(cell(1, 1), "3/14");

  // Nine accented letters keep eight.
  fileCommand("saveButton", QString::fromUtf8("\u00e9t\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9"));
  const QString cut = QString::fromUtf8("\u00c9T\u00c9\u00c9\u00c9\u00c9\u00c9\u00c9");
  EXPECT_EQ(window->caption(), "Weather Watch, Current File: " + cut);
  EXPECT_TRUE(QFile::exists(dir.filePath(cut + ".wwd")));
  EXPECT_EQ(fileNameBox().list(1), cut);
}

// The file frame answers the keyboard as a dialog: Escape closes it and writes nothing,
// Enter in the name box carries out the command; either way the focus is back in the grid's
// edit box. A key with Alt or Meta held types nothing into the name.
TEST_F(WeatherWatch, TheFileFrameAnswersEscapeAndEnterAndGivesTheFocusBackToTheGrid) {
  ASSERT_TRUE(open());
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  type("3/14");
  button("saveButton").click();
  QLineEdit* name = fileNameBox().edit();
  ASSERT_TRUE(name->hasFocus());
  QTest::keyClick(name, Qt::Key_Escape);
  EXPECT_FALSE(fileFrame().isVisible());
  EXPECT_TRUE(dataFileNames(dir).empty());
  EXPECT_TRUE(editBox().hasFocus());
  EXPECT_TRUE(logGrid().isEnabled());

  button("saveButton").click();
  QTest::keyClick(name, Qt::Key_End);
  for (Qt::Key k : {Qt::Key_Q, Qt::Key_1, Qt::Key_Minus, Qt::Key_Apostrophe}) QTest::keyClick(name, k, Qt::AltModifier);
  QTest::keyClick(name, Qt::Key_A, Qt::MetaModifier);
  EXPECT_EQ(fileNameBox().text(), "NEW");
  QTest::keyClicks(name, "day");
  QTest::keyClick(name, Qt::Key_Return);
  EXPECT_FALSE(fileFrame().isVisible());
  EXPECT_EQ(dataFileNames(dir), std::vector<QByteArray>{"NEWDAY.wwd"});
  EXPECT_EQ(window->caption(), "Weather Watch, Current File: NEWDAY");
  EXPECT_TRUE(editBox().hasFocus());

  // Escape with the focus on OK cancels too; Cancel pressed by the mouse gives the focus
  // back to the grid as well.
  button("openButton").click();
  button("okButton").setFocus();
  QTest::keyClick(&button("okButton"), Qt::Key_Escape);
  EXPECT_FALSE(fileFrame().isVisible());
  EXPECT_TRUE(editBox().hasFocus());
  button("openButton").click();
  QTest::mouseClick(&button("cancelButton"), Qt::LeftButton);
  EXPECT_FALSE(fileFrame().isVisible());
  EXPECT_TRUE(editBox().hasFocus());
  EXPECT_TRUE(services.boxes->calls.empty());
}

TEST_F(WeatherWatch, ASaveOnAFullDiskKeepsTheOldLogAndTheWindowAsItWas) {
  const QByteArray old = days(60, "\"3/1\",\"50\",\"31\",\"\",\"30.1\",\"kept\"\r\n");
  writeFile("OLD.wwd", old);
  ASSERT_TRUE(open());
  type("3/14");
  key(Qt::Key_Tab);
  type("56");
  services.boxes->answer(plat::msg::Yes);  // overwrite the existing file
  // The disk takes 200 bytes of the log's 1146.
  const std::string seen = testsupport::inChildWithFileLimit(200, [&] {
    fileCommand("saveButton", "old");
    std::string out;
    for (const auto& c : services.boxes->calls)
      out += c.title.toStdString() + " " + std::to_string(c.style) + ":" + c.text.toStdString() + "\n";
    out += window->caption().toStdString() + "\n";
    out += "saved " + std::to_string(window->files().saved()) + " name " + window->files().fileName() + "\n";
    out += "cell " + cell(1, 2).toStdString() + " edit " + std::to_string(window->editRow()) + "," +
           std::to_string(window->editColumn()) + "\n";
    out +=
        button("saveButton").isEnabled() && logGrid().isEnabled() && !fileFrame().isVisible() ? "usable\n" : "stuck\n";
    return out;
  });
  const int info = plat::msg::OkOnly | plat::msg::Information;
  const int question = plat::msg::YesNo | plat::msg::Question | plat::msg::DefaultButton2;
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

TEST_F(WeatherWatch, OpenLoadsTheGridAndPlacesTheEditBoxOnTheFirstCell) {
  writeFile("SPRING.wwd",
            "\"4/1\",\"45\",\"30\",\"0.2\",\"29.9\",\"showers\"\r\n" + days(59, "\"\",\"\",\"\",\"\",\"\",\"\"\r\n"));
  ASSERT_TRUE(open());
  key(Qt::Key_Down);
  fileCommand("openButton", "spring");
  EXPECT_EQ(window->caption(), "Weather Watch, Current File: spring");
  EXPECT_EQ(cell(1, 6), "showers");
  EXPECT_EQ(editBox().text(), "4/1");
  EXPECT_EQ(window->editRow(), 1);
  EXPECT_TRUE(window->files().saved());
}

// A screen reader meets one focused control, showing, from the moment the window opens: the
// hidden file frame's list never claims the focus, on the grid's page, with the frame shown or
// on the plot page. Opening a log renames the window, and the reader is told.
TEST_F(WeatherWatch, ScreenReadersHearOneFocusAndTheNewFileName) {
  for (const char* name : {"NEW.wwd", "LONG.wwd", "TEST1.wwd"})
    writeFile(name, days(60, "\"\",\"\",\"\",\"\",\"\",\"\"\r\n"));
  HeardEvents heard;
  ASSERT_TRUE(open());
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  QCoreApplication::processEvents();
  for (const auto& [object, name] : heard.focusLandings()) {
    const auto* landed = qobject_cast<const QWidget*>(object);
    if (landed && landed->window() == window) {
      EXPECT_TRUE(landed->isVisible()) << "the focus was heard on the hidden " << name.toStdString();
    }
  }
  EXPECT_EQ(oneShowingFocus(), "");

  // The file frame takes the focus from the edit box, which it disables: the reader hears the
  // file name box, and the edit box is not heard again on the way.
  const auto before = heard.focusLandings().size();
  button("openButton").click();
  QCoreApplication::processEvents();
  QStringList landed;
  for (size_t i = before; i < heard.focusLandings().size(); ++i) landed << heard.focusLandings()[i].second;
  EXPECT_EQ(landed.join(", ").toStdString(), "File name");
  EXPECT_EQ(oneShowingFocus(), "");
  fileNameBox().setText("LONG");
  const int renamed = heard.count(window, QAccessible::NameChanged);
  button("okButton").click();
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(window);
  EXPECT_EQ(a->text(QAccessible::Name), "Weather Watch, Current File: LONG");
  EXPECT_EQ(heard.count(window, QAccessible::NameChanged), renamed + 1);
  EXPECT_EQ(oneShowingFocus(), "");

  const int turned = heard.count(tabs().tabBar(), QAccessible::NameChanged);
  tabs().setTab(1);
  QCoreApplication::processEvents();  // the focus leaves the hidden page once the turn is done
  EXPECT_EQ(oneShowingFocus(), "");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(tabs().tabBar())->text(QAccessible::Name), "Plot Weather Data");
  EXPECT_EQ(heard.count(tabs().tabBar(), QAccessible::NameChanged), turned + 1);
}

// The edit box taking a cell's text is a change of the box: moving onto a cell whose text
// differs from the box's marks the log unsaved, although nothing was typed.
TEST_F(WeatherWatch, MovingOntoACellWithOtherTextMarksTheLogUnsaved) {
  writeFile("FALL.wwd", "\"45\",\"45\",\"30\",\"\",\"\",\"\"\r\n" + days(59, "\"\",\"\",\"\",\"\",\"\",\"\"\r\n"));
  ASSERT_TRUE(open());
  fileCommand("openButton", "FALL");
  ASSERT_EQ(editBox().text(), "45");
  ASSERT_TRUE(window->files().saved());
  plat::Grid* grid = &logGrid();
  auto click = [&](int r, int c) {
    QTest::mouseClick(grid, Qt::LeftButton, {},
                      QPoint(plat::twipsToPixels(grid->colPos(c)) + 3, plat::twipsToPixels(grid->rowPos(r)) + 3));
  };
  click(1, 2);  // "45" to "45": the box's text stays as it was
  EXPECT_EQ(window->editColumn(), 2);
  EXPECT_TRUE(window->files().saved());
  click(1, 3);  // "45" to "30"
  EXPECT_EQ(window->editColumn(), 3);
  EXPECT_EQ(editBox().text(), "30");
  EXPECT_FALSE(window->files().saved());
  EXPECT_EQ(cell(1, 2), "45");
  EXPECT_EQ(window->files().log()[1][3], "30");
  button("recordExitButton").click();  // No
  ASSERT_EQ(services.boxes->calls.size(), 1u);
  EXPECT_EQ(services.boxes->calls[0].title, "Exit Program");
  EXPECT_TRUE(window->isVisible());

  // Down from day 1 onto an empty day is a move to other text too; a fresh open is saved.
  services.boxes->answer(plat::msg::Yes);
  fileCommand("openButton", "FALL");
  EXPECT_TRUE(window->files().saved());
  key(Qt::Key_Down);
  EXPECT_EQ(window->editRow(), 2);
  EXPECT_FALSE(window->files().saved());
}

TEST_F(WeatherWatch, AFailedOpenReportsAndKeepsTheLog) {
  writeFile("SHORT.wwd", days(10, "\"\",\"70\",\"\",\"\",\"\",\"\"\r\n"));
  ASSERT_TRUE(open());
  key(Qt::Key_Tab);
  type("45");
  services.boxes->answer(plat::msg::Yes);
  fileCommand("openButton", "SHORT");
  ASSERT_EQ(services.boxes->calls.size(), 2u);
  EXPECT_EQ(services.boxes->calls[0].title, "Open File");
  EXPECT_EQ(services.boxes->calls[1].text, " 62.");
  EXPECT_EQ(services.boxes->calls[1].title, "Error Opening File");
  EXPECT_EQ(services.boxes->calls[1].style, plat::msg::OkOnly | plat::msg::Information);
  EXPECT_EQ(cell(1, 2), "45");
  EXPECT_EQ(cell(2, 2), "");
  EXPECT_EQ(window->caption(), "Weather Watch, Current File: NEW");
  EXPECT_FALSE(window->files().saved());
  EXPECT_TRUE(button("saveButton").isEnabled());
  EXPECT_TRUE(logGrid().isEnabled());
}

TEST_F(WeatherWatch, ADoubleClickInTheSaveFrameAsksBeforeUnsavedDataIsLost) {
  writeFile("OLD.wwd", days(60, "\"\",\"1\",\"\",\"\",\"\",\"\"\r\n"));
  ASSERT_TRUE(open());
  type("x");
  button("saveButton").click();
  fileNameBox().setText("OLD");
  window->openChosenFile();  // answered No by default
  ASSERT_EQ(services.boxes->calls.size(), 1u);
  EXPECT_EQ(services.boxes->calls[0].title, "Open File");
  EXPECT_TRUE(fileFrame().isVisible());
  EXPECT_EQ(cell(1, 1), "x");
  services.boxes->answer(plat::msg::Yes);
  window->openChosenFile();
  EXPECT_FALSE(fileFrame().isVisible());
  EXPECT_EQ(cell(1, 2), "1");
  EXPECT_EQ(window->caption(), "Weather Watch, Current File: OLD");
}

TEST_F(WeatherWatch, TheFileFrameDisablesTheLogUntilCancel) {
  ASSERT_TRUE(open());
  button("openButton").click();
  EXPECT_EQ(fileFrame().caption(), "Open File");
  EXPECT_EQ(fileNameBox().text(), "NEW");
  EXPECT_FALSE(logGrid().isEnabled());
  EXPECT_FALSE(editBox().isEnabled());
  EXPECT_FALSE(button("printButton").isEnabled());
  // The tabs stay usable, but the plots are not redrawn meanwhile.
  tabs().setTab(1);
  EXPECT_EQ(summary(SummaryText::HighestHigh), "");
  tabs().setTab(0);
  button("cancelButton").click();
  EXPECT_FALSE(fileFrame().isVisible());
  EXPECT_TRUE(logGrid().isEnabled());
  EXPECT_TRUE(editBox().isEnabled());
}

TEST_F(WeatherWatch, NewClearsTheLogAfterTheQuestion) {
  ASSERT_TRUE(open());
  type("1/1");
  button("newButton").click();  // No
  EXPECT_EQ(cell(1, 1), "1/1");
  services.boxes->answer(plat::msg::Yes);
  button("newButton").click();
  ASSERT_EQ(services.boxes->calls.size(), 2u);
  EXPECT_EQ(services.boxes->calls[1].text,
            "Data in unsaved file will be lost.  Do you still want to start a new file?");
  EXPECT_EQ(services.boxes->calls[1].style, plat::msg::YesNo | plat::msg::Question | plat::msg::DefaultButton2);
  EXPECT_EQ(cell(1, 1), "");
  EXPECT_EQ(editBox().text(), "");
  EXPECT_TRUE(window->files().saved());
}

TEST_F(WeatherWatch, ExitAndTheTitleBarAskAboutUnsavedData) {
  ASSERT_TRUE(open());
  type("5/5");
  button("plotExitButton").click();  // No: the window stays as it was
  ASSERT_EQ(services.boxes->calls.size(), 1u);
  EXPECT_EQ(services.boxes->calls[0].title, "Exit Program");
  EXPECT_TRUE(window->isVisible());
  window->close();
  EXPECT_EQ(services.boxes->calls.size(), 2u);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_FALSE(window.isNull());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(cell(1, 1), "5/5");
  services.boxes->answer(plat::msg::Yes);
  window->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());
  EXPECT_TRUE(menu->isVisible());
  // The next opening starts afresh.
  ASSERT_TRUE(open());
  EXPECT_EQ(cell(1, 1), "");
}

TEST_F(WeatherWatch, ThePlotTabSummarisesAndDrawsTheLog) {
  ASSERT_TRUE(open());
  tabs().setTab(1);
  EXPECT_EQ(summary(SummaryText::HighestHigh), "---");
  EXPECT_EQ(summary(SummaryText::TempAxisTop), "70");
  EXPECT_EQ(summary(SummaryText::PressAxisBottom), "25");
  EXPECT_EQ(summary(SummaryText::PrecAxisBottom), "0");
  EXPECT_EQ(summary(SummaryText::HighTrend), "");
  tabs().setTab(0);

  // Highs rising a degree a day, lows steady, some rain and pressure.
  for (int d = 1; d <= 60; ++d) {
    while (window->editRow() != d || window->editColumn() != 2) key(Qt::Key_Tab);
    type(QString::number(40 + d));
    key(Qt::Key_Tab);
    type("30");
    key(Qt::Key_Tab);
    if (d % 10 == 0) type("0.5");
    key(Qt::Key_Tab);
    if (d <= 2) type(d == 1 ? "29.5" : "30.5");
  }
  tabs().setTab(1);
  EXPECT_EQ(summary(SummaryText::HighestHigh), "100");
  EXPECT_EQ(summary(SummaryText::LowestHigh), "41");
  EXPECT_EQ(summary(SummaryText::AverageHigh), "70");
  EXPECT_EQ(summary(SummaryText::HighTrend), "+59.0");
  EXPECT_EQ(summary(SummaryText::LowTrend), "+0.0");
  EXPECT_EQ(summary(SummaryText::TempAxisTop), "100");
  EXPECT_EQ(summary(SummaryText::TempAxisBottom), "20");  // steps of 20 from 30 to 100
  EXPECT_EQ(summary(SummaryText::HighestPrec), "0.50");
  EXPECT_EQ(summary(SummaryText::TotalPrec), "3.00");
  EXPECT_EQ(summary(SummaryText::PressAxisTop), "30.6");
  EXPECT_EQ(summary(SummaryText::LowestPress), "29.50");
  EXPECT_GT(countColour(&plot("temperaturePlot"), rt::palette::kHighTemperature), 100);
  EXPECT_GT(countColour(&plot("temperaturePlot"), rt::palette::kLowTemperature), 100);
  EXPECT_GT(countColour(&plot("precipitationPlot"), rt::palette::kPrecipitation), 6);
  EXPECT_GT(countColour(&plot("pressurePlot"), rt::palette::kPressure), 0);
}

}  // namespace
