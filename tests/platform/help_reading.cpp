// The help window as a screen reader reads it: its page a read-only text with a caret that
// the arrows move, line by line and word by word, and its topic links links that a reader
// lists, follows and hears the focus land on; what sighted users see stays as it was.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "platform/helptext.h"
#include "platform/helpviewer.h"
#include "tests/support/screenreader.h"

namespace {

class HelpReading : public ::testing::Test {
 protected:
  void SetUp() override {
    QFile file(dir.filePath("vtrel.hlp"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray text = "VANTREL HELP 1\n=contents Sample Help\nAll topics.\n=topic 1 Levers\nA lever turns.\n"
                      "=topic 7 Robotics\nAn arm of two links.\n=topic 9 Long\n";
    for (int i = 1; i <= 80; ++i) text += "Paragraph " + QByteArray::number(i) + " of a long page.\n";
    file.write(text);
    file.close();
    path = file.fileName();
    viewer.open(path, 0);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer));
    page = viewer.findChild<plat::HelpText*>();
    ASSERT_NE(page, nullptr);
    reader = QAccessible::queryAccessibleInterface(page);
  }
  QAccessibleTextInterface* text() const { return reader->textInterface(); }
  // The line of the page that holds the caret, as a reader reads it.
  QString caretLine() const {
    int start = 0, end = 0;
    return text()->textAtOffset(text()->cursorPosition(), QAccessible::LineBoundary, &start, &end).trimmed();
  }

  QTemporaryDir dir;
  QString path;
  plat::HelpViewer viewer;
  plat::HelpText* page = nullptr;
  QAccessibleInterface* reader = nullptr;
};

TEST_F(HelpReading, ThePageIsReadOnlyTextWithTheWholePage) {
  ASSERT_NE(text(), nullptr);
  EXPECT_EQ(reader->role(), QAccessible::EditableText);
  EXPECT_TRUE(reader->state().readOnly);
  EXPECT_FALSE(reader->state().editable);
  EXPECT_TRUE(reader->state().multiLine);
  EXPECT_EQ(text()->text(0, text()->characterCount()), viewer.pageText());
  int start = 0, end = 0;
  EXPECT_EQ(text()->textAtOffset(0, QAccessible::WordBoundary, &start, &end), "Sample");
  EXPECT_EQ(text()->textAtOffset(0, QAccessible::LineBoundary, &start, &end), "Sample Help\n");
  EXPECT_EQ(text()->textAfterOffset(0, QAccessible::LineBoundary, &start, &end), "All topics.\n");
  EXPECT_EQ(text()->textBeforeOffset(start, QAccessible::LineBoundary, &start, &end), "Sample Help\n");
}

TEST_F(HelpReading, TheArrowsMoveAnUnseenCaretLineByLineAndWordByWord) {
  EXPECT_EQ(page->cursorWidth(), 0) << "the caret is never drawn";
  page->setFocus(Qt::OtherFocusReason);
  HeardEvents events;
  EXPECT_EQ(caretLine(), "Sample Help");
  QTest::keyClick(page, Qt::Key_Down);
  EXPECT_EQ(caretLine(), "All topics.");
  EXPECT_GE(events.count(page, QAccessible::TextCaretMoved), 1);
  QTest::keyClick(page, Qt::Key_Right, Qt::ControlModifier);
  int start = 0, end = 0;
  EXPECT_EQ(text()->textAtOffset(text()->cursorPosition(), QAccessible::WordBoundary, &start, &end), "topics");
}

TEST_F(HelpReading, UpAndDownStillMoveALongPageALineAPress) {
  viewer.open(path, 9);
  page->setFocus(Qt::OtherFocusReason);
  QScrollBar* bar = page->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 0);
  EXPECT_EQ(bar->value(), 0);
  QTest::keyClick(page, Qt::Key_Down);
  const int oneLine = bar->value();
  EXPECT_GT(oneLine, 0);
  EXPECT_LT(oneLine, page->viewport()->height() / 4);
  QTest::keyClick(page, Qt::Key_Down);
  EXPECT_GT(bar->value(), oneLine);
  QTest::keyClick(page, Qt::Key_Up);
  QTest::keyClick(page, Qt::Key_Up);
  EXPECT_EQ(bar->value(), 0);
}

TEST_F(HelpReading, TheContentsLinksAreLinksAReaderListsAndFollows) {
  ASSERT_EQ(reader->childCount(), 3);
  QAccessibleInterface* link = reader->child(1);
  ASSERT_NE(link, nullptr);
  EXPECT_EQ(link->role(), QAccessible::Link);
  EXPECT_EQ(link->text(QAccessible::Name), "Robotics");
  EXPECT_EQ(reader->indexOfChild(link), 1);
  EXPECT_EQ(link->parent(), reader);
  ASSERT_NE(link->hyperlinkInterface(), nullptr);
  EXPECT_EQ(link->hyperlinkInterface()->anchorTarget(), "topic:7");
  const int start = link->hyperlinkInterface()->startIndex();
  EXPECT_EQ(text()->text(start, link->hyperlinkInterface()->endIndex()), "Robotics");
  EXPECT_TRUE(link->rect().intersects(reader->rect()));

  ASSERT_NE(link->actionInterface(), nullptr);
  link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(viewer.pageTitle(), "Robotics");
  EXPECT_EQ(reader->childCount(), 0) << "a topic page has no links";
}

TEST_F(HelpReading, TabFromLinkToLinkTellsWhereTheFocusLands) {
  page->setFocus(Qt::TabFocusReason);
  HeardEvents events;
  QTest::keyClick(page, Qt::Key_Tab);
  QTest::keyClick(page, Qt::Key_Tab);
  EXPECT_EQ(events.focusedNames(), (QStringList{"Levers", "Robotics"}));
  QAccessibleInterface* focused = reader->focusChild();
  ASSERT_NE(focused, nullptr);
  EXPECT_EQ(focused->text(QAccessible::Name), "Robotics");
  EXPECT_TRUE(focused->state().focused);
  EXPECT_FALSE(reader->child(0)->state().focused);
  // Enter follows the link the focus is on, as before.
  QTest::keyClick(page, Qt::Key_Return);
  EXPECT_EQ(viewer.pageTitle(), "Robotics");
}

TEST_F(HelpReading, AReaderMovesTheFocusToALinkAndEnterFollowsIt) {
  QAccessibleInterface* link = reader->child(2);
  ASSERT_NE(link, nullptr);
  HeardEvents events;
  link->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
  EXPECT_TRUE(page->hasFocus());
  // The page takes the focus first when it had none; the link last.
  ASSERT_FALSE(events.focusedNames().isEmpty());
  EXPECT_EQ(events.focusedNames().last(), "Long");
  QTest::keyClick(page, Qt::Key_Return);
  EXPECT_EQ(viewer.pageTitle(), "Long");
}

}  // namespace
