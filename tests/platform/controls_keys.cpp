// The keyboard as the controls see it: the key code, shift state, character and typed text
// of a key with every kind of modifier, Alt and Meta keys typing nothing in a text box
// (letters, digits, Backspace, Enter, Ctrl+Alt), and the ways out of the boxes that take Tab
// for themselves, past the controls that cannot take the focus, in both directions.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <string>
#include <utility>
#include <vector>

#include "platform/keys.h"
#include "platform/scrollbar.h"
#include "platform/textbox.h"

using namespace plat;

namespace {

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kAlt = Qt::AltModifier;
constexpr Qt::KeyboardModifiers kMeta = Qt::MetaModifier;
constexpr Qt::KeyboardModifiers kAltGr = Qt::GroupSwitchModifier;

// A key as the keyboard reports it (the text is what the X keyboard gives with those
// modifiers held), and what the controls must make of it.
struct KeyRow {
  const char* name;
  int key;
  Qt::KeyboardModifiers modifiers;
  const char* text;
  int keyCode;
  int shift;
  int keyAscii;
  const char* typed;
  bool command;
};

const KeyRow kKeyRows[] = {
    {"a", Qt::Key_A, kNone, "a", 65, 0, 'a', "a", false},
    {"Shift+A", Qt::Key_A, kShift, "A", 65, 1, 'A', "A", false},
    {"Ctrl+A", Qt::Key_A, kCtrl, "\x01", 65, 2, 1, "", false},
    {"Alt+A", Qt::Key_A, kAlt, "a", 65, 4, 0, "", true},
    {"Alt+Shift+A", Qt::Key_A, kAlt | kShift, "A", 65, 5, 0, "", true},
    {"Meta+A", Qt::Key_A, kMeta, "a", 65, 0, 0, "", true},
    {"Ctrl+Alt+V", Qt::Key_V, kCtrl | kAlt, "\x16", 86, 6, 0, "", true},
    {"Ctrl+Shift+Alt+V", Qt::Key_V, kCtrl | kShift | kAlt, "\x16", 86, 7, 0, "", true},
    {"7", Qt::Key_7, kNone, "7", 55, 0, '7', "7", false},
    {"Alt+7", Qt::Key_7, kAlt, "7", 55, 4, 0, "", true},
    {"Ctrl+Alt+7", Qt::Key_7, kCtrl | kAlt, "7", 55, 6, 0, "", true},
    {"Backspace", Qt::Key_Backspace, kNone, "\b", 8, 0, 8, "", false},
    {"Alt+Backspace", Qt::Key_Backspace, kAlt, "\b", 8, 4, 0, "", true},
    {"Ctrl+Alt+Backspace", Qt::Key_Backspace, kCtrl | kAlt, "", 8, 6, 0, "", true},
    {"Enter", Qt::Key_Return, kNone, "\r", 13, 0, 13, "", false},
    {"Alt+Enter", Qt::Key_Return, kAlt, "\r", 13, 4, 0, "", true},
    {"Alt+keypad Enter", Qt::Key_Enter, kAlt | Qt::KeypadModifier, "\r", 13, 4, 0, "", true},
    {"Alt+Tab", Qt::Key_Tab, kAlt, "\t", 9, 4, 0, "", true},
    {"Alt+Escape", Qt::Key_Escape, kAlt, "\x1b", 27, 4, 0, "", true},
    {"Alt+Minus", Qt::Key_Minus, kAlt, "-", 189, 4, 0, "", true},
    {"Alt+Left", Qt::Key_Left, kAlt, "", 37, 4, 0, "", true},
    {"Alt+F1", Qt::Key_F1, kAlt, "", 112, 4, 0, "", true},
    // AltGr types the keyboard's third level, with the group switch reported, Alt or not.
    {"AltGr+Q", Qt::Key_At, kAltGr, "@", 64, 0, '@', "@", false},
    {"AltGr+7 with Alt", Qt::Key_BraceLeft, kAltGr | kAlt, "{", 123, 4, '{', "{", false},
};

}  // namespace

TEST(Keys, EachKindOfKeyWithAndWithoutAltAndMeta) {
  for (const KeyRow& row : kKeyRows) {
    SCOPED_TRACE(row.name);
    QKeyEvent e(QEvent::KeyPress, row.key, row.modifiers, QString::fromLatin1(row.text));
    EXPECT_EQ(keyCodeOf(&e), row.keyCode);
    EXPECT_EQ(shiftStateOf(e.modifiers()), row.shift);
    EXPECT_EQ(isCommandKey(&e), row.command);
    EXPECT_EQ(keyAsciiOf(&e), row.keyAscii);
    EXPECT_EQ(typedTextOf(&e), QString::fromLatin1(row.typed));
  }
}

namespace {

// A box on several lines, as a comment box is, holding "12345" with the caret at its end,
// whose handlers record every key that reaches them.
struct RecordingBox {
  QWidget window;
  TextBox* box = new TextBox(&window);
  std::vector<std::pair<int, int>> downs;
  std::vector<int> presses;
  RecordingBox() {
    box->setGeometry(0, 0, 150, 60);
    box->setMultiLine(true);
    window.resize(160, 70);
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    box->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(box, "12345");
    box->onKeyDown = [this](int& code, int shift) {
      if (code != 16 && code != 17 && code != 18) downs.push_back({code, shift});
    };
    box->onKeyPress = [this](int& ascii) { presses.push_back(ascii); };
  }
  // Sends a key as the keyboard does; says whether the box took it.
  bool key(const KeyRow& row) {
    QKeyEvent press(QEvent::KeyPress, row.key, row.modifiers, QString::fromLatin1(row.text));
    QApplication::sendEvent(box, &press);
    QKeyEvent release(QEvent::KeyRelease, row.key, row.modifiers, QString::fromLatin1(row.text));
    QApplication::sendEvent(box, &release);
    return press.isAccepted();
  }
};

}  // namespace

// Alt or Meta with any key is an access key or a command: the window's KeyDown hears it with
// its shift state, but no KeyPress follows (Alt+Backspace is no 8, Ctrl+Alt+V no 22), nothing
// is typed, deleted, undone or pasted, Alt+Enter starts no line, and the key is left for the
// window to take.
TEST(TextBox, AltWithEveryKindOfKeyTypesNothingAndReachesNoKeyPress) {
  RecordingBox r;
  QApplication::clipboard()->setText("678");
  for (const KeyRow& row : kKeyRows) {
    if (!row.command) continue;
    SCOPED_TRACE(row.name);
    r.downs.clear();
    EXPECT_FALSE(r.key(row)) << "the box took a command key";
    EXPECT_EQ(r.downs, (std::vector<std::pair<int, int>>{{row.keyCode, row.shift}}));
    EXPECT_EQ(r.presses, std::vector<int>{});
    EXPECT_EQ(r.box->text(), "12345");
    EXPECT_EQ(r.box->selStart(), 5);
    EXPECT_EQ(r.box->selLength(), 0);
  }
  // The same keys without Alt do what they always do.
  r.key({"Enter", Qt::Key_Return, kNone, "\r", 13, 0, 13, "", false});
  r.key({"7", Qt::Key_7, kNone, "7", 55, 0, '7', "7", false});
  QTest::keyClick(r.box, Qt::Key_V, kCtrl);
  r.key({"Backspace", Qt::Key_Backspace, kNone, "\b", 8, 0, 8, "", false});
  EXPECT_EQ(r.presses, (std::vector<int>{13, '7', 22, '6', '7', '8', 8}));
  EXPECT_EQ(r.box->text(), "12345\n767");
}

// A key handler may drop an Alt key in KeyDown; one it lets through still types nothing.
TEST(TextBox, AnAltKeyTheWindowLetsThroughStillTypesNothing) {
  RecordingBox r;
  int dropped = 0;
  r.box->onKeyDown = [&](int& code, int shift) {
    if (code == 'D' && shift == 4) {
      code = 0;
      ++dropped;
    }
  };
  QTest::keyClick(r.box, Qt::Key_D, kAlt);
  QTest::keyClick(r.box, Qt::Key_E, kAlt);
  QTest::keyClick(r.box, Qt::Key_Backspace, kAlt);
  QTest::keyClick(r.box, Qt::Key_Return, kAlt);
  EXPECT_EQ(dropped, 1);
  EXPECT_EQ(r.presses, std::vector<int>{});
  EXPECT_EQ(r.box->text(), "12345");
}

namespace {

// A window whose controls lie in this focus order: a plain box, two boxes that take Tab for
// themselves (a grid's cells), a disabled box, a hidden box, a box in a hidden frame, a box in
// a disabled frame, a caption, a scroll bar and a last plain box.
struct FocusRow {
  QWidget window;
  TextBox* first = new TextBox(&window);
  TextBox* cellA = new TextBox(&window);
  TextBox* cellB = new TextBox(&window);
  TextBox* disabledBox = new TextBox(&window);
  TextBox* hiddenBox = new TextBox(&window);
  QWidget* hiddenFrame = new QWidget(&window);
  TextBox* inHiddenFrame = new TextBox(hiddenFrame);
  QWidget* disabledFrame = new QWidget(&window);
  TextBox* inDisabledFrame = new TextBox(disabledFrame);
  QLabel* caption = new QLabel("Days", &window);
  HScrollBar* bar = new HScrollBar(&window);
  TextBox* last = new TextBox(&window);
  std::vector<std::string> focusEvents;
  int tabKeys = 0;

  FocusRow() {
    int top = 0;
    for (QWidget* w : std::initializer_list<QWidget*>{first, cellA, cellB, disabledBox, hiddenBox, hiddenFrame,
                                                      disabledFrame, caption, bar, last}) {
      w->setGeometry(0, top, 120, 18);
      top += 20;
    }
    inHiddenFrame->setGeometry(0, 0, 100, 18);
    inDisabledFrame->setGeometry(0, 0, 100, 18);
    for (TextBox* cell : {cellA, cellB}) {
      cell->onKeyDown = [this](int& code, int) { tabKeys += code == 9; };
      cell->onKeyPress = [this](int& ascii) { tabKeys += ascii == 9; };
    }
    for (auto [box, name] : {std::pair{disabledBox, "disabled"},
                             {hiddenBox, "hidden"},
                             {inHiddenFrame, "in hidden"},
                             {inDisabledFrame, "in disabled"}}) {
      box->onGotFocus = [this, name = std::string(name)] { focusEvents.push_back(name + " got"); };
      box->onLostFocus = [this, name = std::string(name)] { focusEvents.push_back(name + " lost"); };
    }
    disabledBox->setEnabled(false);
    disabledFrame->setEnabled(false);
    window.resize(140, top);
    window.show();
    hiddenBox->hide();
    hiddenFrame->hide();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  // Ctrl+Tab, or Ctrl+Shift+Tab as X reports it (Backtab) or as some keyboards do (Tab).
  QWidget* ctrlTab(TextBox* from) {
    from->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(from, Qt::Key_Tab, kCtrl);
    return QApplication::focusWidget();
  }
  QWidget* ctrlBacktab(TextBox* from, Qt::Key key = Qt::Key_Backtab) {
    from->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(from, key, kCtrl | kShift);
    return QApplication::focusWidget();
  }
};

}  // namespace

// Ctrl+Tab goes on to the next control that can take the focus from the keyboard, past the
// other boxes that take Tab, disabled and hidden controls (or ones in a disabled or hidden
// frame) and captions; Ctrl+Shift+Tab back to the one before, by either key the keyboard
// reports.
TEST(TextBox, CtrlTabLeavesForTheNextControlThatCanTakeTheFocusInEachDirection) {
  FocusRow f;
  EXPECT_EQ(f.ctrlTab(f.cellA), f.bar->bar());
  EXPECT_EQ(f.ctrlTab(f.cellB), f.bar->bar());
  EXPECT_EQ(f.ctrlTab(f.first), f.bar->bar());  // a plain box leaves past the cells too
  EXPECT_EQ(f.ctrlBacktab(f.cellB), f.first);
  EXPECT_EQ(f.ctrlBacktab(f.cellA), f.first);
  EXPECT_EQ(f.ctrlBacktab(f.cellB, Qt::Key_Tab), f.first);
  EXPECT_EQ(f.ctrlBacktab(f.last), f.bar->bar());
  EXPECT_EQ(f.tabKeys, 0) << "a box heard Ctrl+Tab as Tab";
  EXPECT_EQ(f.focusEvents, std::vector<std::string>{});

  // Past the bar once it is disabled, and round the ends of the window's order.
  f.bar->setEnabled(false);
  EXPECT_EQ(f.ctrlTab(f.cellB), f.last);
  EXPECT_EQ(f.ctrlTab(f.last), f.first);
  f.first->setEnabled(false);
  EXPECT_EQ(f.ctrlBacktab(f.cellA), f.last);
  EXPECT_EQ(f.ctrlTab(f.cellA), f.last);
  f.first->setEnabled(true);
  f.bar->setEnabled(true);

  // Each control passed over was passed for what it was: enabled or shown, it takes the turn.
  f.hiddenFrame->show();
  EXPECT_EQ(f.ctrlTab(f.cellB), f.inHiddenFrame);
  f.bar->setEnabled(false);
  EXPECT_EQ(f.ctrlBacktab(f.last), f.inHiddenFrame);
  f.disabledFrame->setEnabled(true);
  EXPECT_EQ(f.ctrlBacktab(f.last), f.inDisabledFrame);
  f.hiddenBox->show();
  EXPECT_EQ(f.ctrlTab(f.cellB), f.hiddenBox);
  f.disabledBox->setEnabled(true);
  EXPECT_EQ(f.ctrlTab(f.cellA), f.disabledBox);
  EXPECT_EQ(f.ctrlBacktab(f.hiddenBox), f.disabledBox);
  EXPECT_EQ(f.tabKeys, 0);
}

// A window with nothing else to take the focus keeps it in the box, and Ctrl with Alt and
// Tab is no way out.
TEST(TextBox, CtrlTabWithNowhereToGoKeepsTheFocus) {
  FocusRow f;
  for (QWidget* w : std::initializer_list<QWidget*>{f.first, f.bar, f.last}) w->setEnabled(false);
  EXPECT_EQ(f.ctrlTab(f.cellA), f.cellA);
  EXPECT_EQ(f.ctrlBacktab(f.cellB), f.cellB);
  f.first->setEnabled(true);
  f.cellA->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(f.cellA, Qt::Key_Tab, kCtrl | kAlt);
  EXPECT_TRUE(f.cellA->hasFocus());
  EXPECT_EQ(f.cellA->text(), "");
}

// A box whose window does not take its keys passes the focus on by Tab as any control does,
// and back by Shift+Tab, by either key the keyboard reports.
TEST(TextBox, WithoutKeyHandlersTabAndShiftTabMoveTheFocusBothWays) {
  FocusRow f;
  f.last->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(f.last, Qt::Key_Backtab, kShift);
  EXPECT_EQ(QApplication::focusWidget(), f.bar->bar());
  f.last->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(f.last, Qt::Key_Tab, kShift);
  EXPECT_EQ(QApplication::focusWidget(), f.bar->bar());
  f.last->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(f.last, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), f.first);
  QTest::keyClick(f.first, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), f.cellA);  // Tab enters the cells; only Ctrl+Tab passes them
  EXPECT_EQ(f.tabKeys, 0);
}
