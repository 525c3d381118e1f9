// Text boxes, the simple combo box and the file list: the order of the key events and what
// each can drop, the typing limit that never cuts loaded text, pasting through the key
// filter, focus events, and the file list's case-blind pattern.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <vector>

#include "platform/combobox.h"
#include "platform/filelist.h"
#include "platform/textbox.h"

using namespace plat;

namespace {

// A window with two text boxes, shown and active, so the focus can move between them.
struct TwoBoxes {
  QWidget window;
  TextBox* a;
  TextBox* b;
  TwoBoxes() {
    a = new TextBox(&window);
    b = new TextBox(&window);
    a->setGeometry(0, 0, 80, 20);
    b->setGeometry(0, 30, 80, 20);
    window.resize(100, 60);
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    a->setFocus(Qt::OtherFocusReason);
  }
};

}  // namespace

TEST(TextBox, KeyDownComesBeforeKeyPressAndEitherCanDropTheKey) {
  QWidget w;
  TextBox box(&w);
  std::vector<std::string> order;
  box.onKeyDown = [&](int& code, int shift) {
    if (code == 16) return;  // the Shift key itself goes down first
    order.push_back("down " + std::to_string(code) + "/" + std::to_string(shift));
    if (code == 'X') code = 0;
  };
  box.onKeyPress = [&](int& ascii) {
    order.push_back("press " + std::to_string(ascii));
    if (ascii == '"') ascii = 0;                    // the weather log's one forbidden character
    if (ascii >= 'a' && ascii <= 'z') ascii -= 32;  // a filter may change the character
  };
  QTest::keyClicks(&box, "ab");
  QTest::keyClick(&box, Qt::Key_X, Qt::ShiftModifier);
  QTest::keyClick(&box, Qt::Key_QuoteDbl, Qt::ShiftModifier);
  QTest::keyClick(&box, Qt::Key_Backspace);
  EXPECT_EQ(box.text(), "A");
  ASSERT_GE(order.size(), 4u);
  EXPECT_EQ(order[0], "down 65/0");
  EXPECT_EQ(order[1], "press 97");
  EXPECT_EQ(order[4], "down 88/1");  // dropped in KeyDown: no KeyPress follows
  EXPECT_EQ(order[5].substr(0, 4), "down");
  EXPECT_EQ(order[6], "press 34");
  EXPECT_EQ(order.back(), "press 8");
}

TEST(TextBox, TabAndShiftTabReachTheHandlersAndStayPut) {
  TwoBoxes t;
  std::vector<std::pair<int, int>> downs;
  std::vector<int> presses;
  t.a->onKeyDown = [&](int& code, int shift) {
    if (code != 16) downs.push_back({code, shift});
  };
  t.a->onKeyPress = [&](int& ascii) { presses.push_back(ascii); };
  QTest::keyClick(t.a, Qt::Key_Tab);
  QTest::keyClick(t.a, Qt::Key_Backtab, Qt::ShiftModifier);
  QTest::keyClick(t.a, Qt::Key_Return);
  EXPECT_EQ(downs, (std::vector<std::pair<int, int>>{{9, 0}, {9, 1}, {13, 0}}));
  EXPECT_EQ(presses, (std::vector<int>{9, 9, 13}));
  EXPECT_TRUE(t.a->hasFocus());
  EXPECT_EQ(t.a->text(), "");  // neither Tab nor Enter types into a box on one line
}

TEST(TextBox, WithoutKeyHandlersTabPassesTheFocusOn) {
  TwoBoxes t;
  QTest::keyClick(t.a, Qt::Key_Tab);
  EXPECT_TRUE(t.b->hasFocus());
}

TEST(TextBox, LengthLimitStopsTypingButNeverCutsLoadedText) {
  QWidget w;
  TextBox box(&w);
  box.setMaxLength(5);
  QTest::keyClicks(&box, "1234567");
  EXPECT_EQ(box.text(), "12345");
  box.setText("a comment loaded from a file, longer than the limit");
  EXPECT_EQ(box.text(), "a comment loaded from a file, longer than the limit");
  box.setMaxLength(10);
  box.setText("0123456789");
  box.selectAllText();
  QTest::keyClicks(&box, "x");  // typing over a selection replaces it
  EXPECT_EQ(box.text(), "x");
}

TEST(TextBox, ChangeFiresOnEveryRealChangeOfTheText) {
  QWidget w;
  TextBox box(&w);
  int changes = 0;
  box.onChange = [&] { ++changes; };
  box.setText("45");
  box.setText("45");  // the same text is no change
  EXPECT_EQ(changes, 1);
  box.setText("30");
  QTest::keyClicks(&box, "7");
  EXPECT_EQ(changes, 3);
  box.setText("");
  EXPECT_EQ(changes, 4);
}

TEST(TextBox, PastedTextPassesTheKeyFilterAndTheLimit) {
  QWidget w;
  TextBox box(&w);
  box.onKeyPress = [](int& ascii) {
    if (ascii == '"') ascii = 0;
  };
  QApplication::clipboard()->setText("say \"hi\"\nsecond line");
  QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(box.text(), "say hi");

  TextBox limited(&w);
  limited.setMaxLength(5);
  limited.setText("12");
  limited.setSelStart(2);
  QApplication::clipboard()->setText("34567");
  QTest::keyClick(&limited, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(limited.text(), "12345");

  // A filter that refuses Ctrl+V refuses the paste itself.
  TextBox digits(&w);
  digits.onKeyPress = [](int& ascii) {
    if (!(ascii == 8 || (ascii >= '0' && ascii <= '9'))) ascii = 0;
  };
  QTest::keyClick(&digits, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(digits.text(), "");
}

TEST(TextBox, SelectionByPositionAndLength) {
  QWidget w;
  TextBox box(&w, "101.6");
  box.setSelStart(2);
  box.setSelLength(10);
  EXPECT_EQ(box.selStart(), 2);
  EXPECT_EQ(box.selLength(), 3);
  EXPECT_EQ(box.selText(), "1.6");
  box.selectAllText();
  EXPECT_EQ(box.selLength(), 5);
  box.setSelText("40.0");
  EXPECT_EQ(box.text(), "40.0");
}

TEST(TextBox, FocusEventsFollowTheProgramsFocusNotTheWindowActivation) {
  TwoBoxes t;
  std::vector<std::string> events;
  t.a->onGotFocus = [&] { events.push_back("a got"); };
  t.a->onLostFocus = [&] { events.push_back("a lost"); };
  t.b->onGotFocus = [&] { events.push_back("b got"); };
  t.b->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(events, (std::vector<std::string>{"a lost", "b got"}));
  // A message box or another program taking the activation is no focus move.
  QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
  QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
  QApplication::sendEvent(t.b, &out);
  QApplication::sendEvent(t.b, &in);
  EXPECT_EQ(events.size(), 2u);
}

// A load step puts the focus on a box before its window is shown; the focus then arrives
// together with the activation, and is the box's GotFocus all the same.
TEST(TextBox, AFocusTheProgramGivesBeforeTheWindowIsActiveIsAGotFocus) {
  QWidget window;
  auto* a = new TextBox(&window);
  auto* b = new TextBox(&window);
  a->setGeometry(0, 0, 80, 20);
  b->setGeometry(0, 30, 80, 20);
  std::vector<std::string> events;
  a->onGotFocus = [&] { events.push_back("a got"); };
  a->onLostFocus = [&] { events.push_back("a lost"); };
  b->onGotFocus = [&] { events.push_back("b got"); };
  b->onLostFocus = [&] { events.push_back("b lost"); };
  b->setFocus(Qt::OtherFocusReason);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  EXPECT_EQ(events, (std::vector<std::string>{"b got"}));

  // Another window takes the activation and gives it back: no event.
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  EXPECT_EQ(events.size(), 1u);

  // While the window is inactive the program moves the focus: both events come with the
  // activation, the old box's first.
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  a->setFocus(Qt::OtherFocusReason);
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  EXPECT_EQ(events, (std::vector<std::string>{"b got", "b lost", "a got"}));
  EXPECT_TRUE(a->hasFocus());
}

// The selection shows only while the box has the focus; the box keeps it all the same.
TEST(TextBox, ABoxWithoutTheFocusShowsNoSelection) {
  TwoBoxes t;
  t.a->setText("40.0");
  t.b->setText("40.0");
  const QImage plain = t.b->grab().toImage();  // the same text, nothing selected, no focus
  t.a->selectAllText();
  EXPECT_NE(t.a->grab().toImage(), plain);  // with the focus the selection shows

  t.b->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(t.a->selLength(), 4);
  EXPECT_EQ(t.a->grab().toImage(), plain);

  // Coloured boxes too: the hidden selection takes the box's own colours.
  t.a->setBackColor(0x00FFFF);
  t.a->setForeColor(0x0000FF);
  t.b->setBackColor(0x00FFFF);
  t.b->setForeColor(0x0000FF);
  t.b->clearFocus();  // neither box has the focus now
  EXPECT_EQ(t.a->grab().toImage(), t.b->grab().toImage());
  EXPECT_EQ(t.a->selLength(), 4);
}

// Screen readers hear a text box as one editable text, named by the label whose buddy it is
// (without the access-key mark), its text as its value; the focus they find is the box itself.
TEST(TextBox, ScreenReadersHearAnEditableTextNamedByItsLabel) {
  TwoBoxes k;
  auto* caption = new QLabel("&N Cans", &k.window);
  caption->setBuddy(k.b);
  k.b->setText("12.5");
  k.b->setFocus(Qt::TabFocusReason);
  k.b->selectAllText();
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(k.b);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->role(), QAccessible::EditableText);
  EXPECT_EQ(a->text(QAccessible::Name), "N Cans");
  EXPECT_EQ(a->text(QAccessible::Value), "12.5");
  EXPECT_TRUE(a->state().focused);
  EXPECT_TRUE(a->state().editable);
  EXPECT_EQ(a->childCount(), 0);  // nothing inside it takes the focus from it
  QAccessibleTextInterface* t = a->textInterface();
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->characterCount(), 4);
  EXPECT_EQ(t->text(0, 2), "12");
  int start = -1, end = -1;
  t->selection(0, &start, &end);
  EXPECT_EQ(start, 0);
  EXPECT_EQ(end, 4);
  t->setCursorPosition(2);
  EXPECT_EQ(k.b->selStart(), 2);
  EXPECT_EQ(t->selectionCount(), 0);

  // A locked box that no label names is a message, named by its text.
  k.a->setLocked(true);
  k.a->setText("Click Lamp to Burn Out/Repair");
  QAccessibleInterface* message = QAccessible::queryAccessibleInterface(k.a);
  EXPECT_FALSE(message->state().editable);
  EXPECT_EQ(message->text(QAccessible::Name), "Click Lamp to Burn Out/Repair");
}

TEST(ComboBox, ListEntryClickedGivesTextThenDoubleClickOpens) {
  QWidget w;
  ComboBox files(&w);
  files.setGeometry(0, 0, 150, 150);
  files.addItem("JUNE");
  files.addItem("JULY");
  std::vector<std::string> events;
  files.onClick = [&] { events.push_back("click " + files.text().toStdString()); };
  files.onDblClick = [&] { events.push_back("dblclick " + files.text().toStdString()); };
  QListWidget* list = files.listBox();
  QPoint second = list->visualItemRect(list->item(1)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second);
  ASSERT_GE(events.size(), 2u);
  EXPECT_EQ(events.front(), "click JULY");
  EXPECT_EQ(events.back(), "dblclick JULY");
  EXPECT_EQ(files.listIndex(), 1);
}

TEST(ComboBox, ClearingTheListKeepsTheTextAndTypingMarksTheEntry) {
  QWidget w;
  ComboBox files(&w);
  files.addItem("ABC");
  files.addItem("NEW");
  files.setListIndex(0);
  EXPECT_EQ(files.text(), "ABC");
  files.setText("new");  // typed in lower case: the entry still matches
  EXPECT_EQ(files.listIndex(), 1);
  files.setText("nothing");
  EXPECT_EQ(files.listIndex(), -1);
  files.clear();
  EXPECT_EQ(files.listCount(), 0);
  EXPECT_EQ(files.text(), "nothing");
}

TEST(FileList, PatternMatchesRegardlessOfCaseInNameOrder) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  for (const char* name : {"june.wwd", "APRIL.WWD", "May.Wwd", "notes.txt", "wwd", ".hidden.wwd"}) {
    QFile f(dir.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  QDir(dir.path()).mkdir("folder.wwd");
  QWidget w;
  FileList list(&w);
  list.setPattern("*.wwd");
  list.setPath(dir.path() + "/");
  ASSERT_EQ(list.listCount(), 3);
  EXPECT_EQ(list.list(0), "APRIL.WWD");
  EXPECT_EQ(list.list(1), "june.wwd");
  EXPECT_EQ(list.list(2), "May.Wwd");
  EXPECT_EQ(list.list(3), "");

  QFile f(dir.filePath("ABC.wwd"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.close();
  EXPECT_EQ(list.listCount(), 3);  // read again only on Refresh
  list.refresh();
  EXPECT_EQ(list.list(0), "ABC.wwd");

  list.setPattern("*.txt;*.WWD");
  EXPECT_EQ(list.listCount(), 5);
}
