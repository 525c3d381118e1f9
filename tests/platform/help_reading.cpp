// The help window as a screen reader reads it: its page a read-only text with a caret that
// the arrows move, line by line and word by word, and its topic links links that a reader
// lists, follows and hears the focus land on; what sighted users see stays as it was.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "platform/helptext.h"
#include "platform/helpviewer.h"
#include "platform/hypertextbus.h"
#include "tests/support/screenreader.h"

namespace {

class HelpReading : public ::testing::Test {
 protected:
  void SetUp() override {
    QFile file(dir.filePath("vtrel.hlp"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray text =
        "VANTREL HELP 1\n=contents Sample Help\nAll topics.\n=topic 1 Levers\nA lever turns.\n"
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

// The desktop's accessibility bus asks for the page's links through its hypertext interface,
// and for each link through its hyperlink interface, which the toolkit's bridge does not
// answer: the platform answers them, beside the toolkit.
class HypertextOnTheBus : public HelpReading {
 protected:
  static QString pathOf(QAccessibleInterface* object) {
    return "/org/a11y/atspi/accessible/" + QString::number(QAccessible::uniqueId(object));
  }
  static QDBusMessage ask(const QString& path, const QString& interface, const QString& method,
                          const QVariantList& arguments = {}) {
    QDBusMessage call = QDBusMessage::createMethodCall(":1.7", path, interface, method);
    call.setArguments(arguments);
    return plat::answerHypertextCall(call, ":1.42");
  }
};

TEST_F(HypertextOnTheBus, ThePageOffersHypertextBesideItsText) {
  const QDBusMessage reply = ask(pathOf(reader), "org.a11y.atspi.Accessible", "GetInterfaces");
  ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage);
  EXPECT_EQ(reply.arguments().value(0).toStringList(),
            (QStringList{"org.a11y.atspi.Accessible", "org.a11y.atspi.Component", "org.a11y.atspi.Action",
                         "org.a11y.atspi.Text", "org.a11y.atspi.Hypertext"}));
  EXPECT_EQ(ask(pathOf(reader), "org.a11y.atspi.Hypertext", "GetNLinks").arguments().value(0).toInt(), 3);
  const int robotics = reader->child(1)->hyperlinkInterface()->startIndex();
  EXPECT_EQ(ask(pathOf(reader), "org.a11y.atspi.Hypertext", "GetLinkIndex", {robotics + 2}).arguments().value(0), 1);
  EXPECT_EQ(ask(pathOf(reader), "org.a11y.atspi.Hypertext", "GetLinkIndex", {0}).arguments().value(0), -1);
  EXPECT_EQ(ask(pathOf(reader), "org.a11y.atspi.Hypertext", "GetLink", {1}).type(), QDBusMessage::ReplyMessage);
}

TEST_F(HypertextOnTheBus, EachLinkIsAHyperlinkWithItsPlaceAndTarget) {
  const QString hyperlink = pathOf(reader->child(1)) + "/hyperlink";
  EXPECT_EQ(ask(hyperlink, "org.a11y.atspi.Hyperlink", "GetURI", {0}).arguments().value(0), "topic:7");
  EXPECT_EQ(ask(hyperlink, "org.a11y.atspi.Hyperlink", "IsValid").arguments().value(0), true);
  const QDBusMessage start =
      ask(hyperlink, "org.freedesktop.DBus.Properties", "Get", {"org.a11y.atspi.Hyperlink", "StartIndex"});
  EXPECT_EQ(start.arguments().value(0).value<QDBusVariant>().variant().toInt(),
            reader->child(1)->hyperlinkInterface()->startIndex());
  EXPECT_EQ(ask(hyperlink, "org.a11y.atspi.Hyperlink", "Nonsense").type(), QDBusMessage::ErrorMessage);
}

TEST_F(HypertextOnTheBus, EverythingElseIsTheToolkitsToAnswer) {
  // The page's own text, name and actions; the link as an accessible object; other objects.
  EXPECT_EQ(ask(pathOf(reader), "org.a11y.atspi.Text", "GetText", {0, 5}).type(), QDBusMessage::InvalidMessage);
  EXPECT_EQ(ask(pathOf(reader->child(0)), "org.a11y.atspi.Accessible", "GetInterfaces").type(),
            QDBusMessage::InvalidMessage);
  EXPECT_EQ(
      ask(pathOf(QAccessible::queryAccessibleInterface(&viewer)), "org.a11y.atspi.Accessible", "GetInterfaces").type(),
      QDBusMessage::InvalidMessage);
  EXPECT_EQ(ask("/org/a11y/atspi/accessible/root", "org.a11y.atspi.Accessible", "GetInterfaces").type(),
            QDBusMessage::InvalidMessage);
}

}  // namespace
