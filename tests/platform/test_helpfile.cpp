// Our help file format: pages by topic number, paragraphs and bullet items; the help window
// that shows them, the shipped files as written and text too long to lay out quickly cut and
// broken.

#include <gtest/gtest.h>

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <memory>

#include "platform/helpfile.h"
#include "platform/helpviewer.h"

namespace {

TEST(HelpFile, PagesParagraphsAndBullets) {
  auto f = plat::parseHelpFile(
      "VANTREL HELP 1\n"
      "=contents Sample Help\n"
      "First line\n"
      "continues here.\n"
      "\n"
      "=topic 13 Pendulum\n"
      "A swinging weight.\n"
      "- Start swings it\n"
      "  until it stops.\n"
      "- Reset\n"
      "=topic 7 Robotics\n"
      "Two links.\n");
  ASSERT_TRUE(f);
  EXPECT_EQ(f->contents.title, "Sample Help");
  ASSERT_EQ(f->contents.blocks.size(), 1u);
  EXPECT_EQ(f->contents.blocks[0].text, "First line continues here.");
  ASSERT_EQ(f->topics.size(), 2u);
  const auto& p = f->topics.at(13);
  EXPECT_EQ(p.title, "Pendulum");
  ASSERT_EQ(p.blocks.size(), 3u);
  EXPECT_FALSE(p.blocks[0].bullet);
  EXPECT_TRUE(p.blocks[1].bullet);
  EXPECT_EQ(p.blocks[1].text, "Start swings it until it stops.");
  EXPECT_EQ(p.blocks[2].text, "Reset");
  EXPECT_EQ(f->topics.at(7).title, "Robotics");
}

TEST(HelpFile, RejectsTextWithoutTheTag) {
  EXPECT_FALSE(plat::parseHelpFile(""));
  EXPECT_FALSE(plat::parseHelpFile("=contents Help\ntext\n"));
}

TEST(HelpFile, IgnoresMalformedTopicHeaders) {
  auto f = plat::parseHelpFile("VANTREL HELP 1\n=topic x Bad\ntext\n=topic 3 Good\nok\n");
  ASSERT_TRUE(f);
  ASSERT_EQ(f->topics.size(), 1u);
  EXPECT_EQ(f->topics.at(3).blocks.at(0).text, "ok");
}

// The help window's buttons answer Enter as every button of the program does.
TEST(HelpViewer, EnterPressesTheFocusedButton) {
  QTemporaryDir dir;
  QFile file(dir.filePath("vtrel.hlp"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("VANTREL HELP 1\n=contents Sample Help\nAll topics.\n=topic 7 Robotics\nTwo links.\n");
  file.close();
  plat::HelpViewer viewer;
  viewer.open(file.fileName(), 7);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer));
  ASSERT_EQ(viewer.pageTitle(), "Robotics");
  QPushButton* contents = nullptr;
  QPushButton* close = nullptr;
  for (QPushButton* b : viewer.findChildren<QPushButton*>()) (b->text() == "&Contents" ? contents : close) = b;
  ASSERT_TRUE(contents && close);

  contents->setFocus(Qt::TabFocusReason);
  QTest::keyClick(contents, Qt::Key_Return);
  EXPECT_EQ(viewer.pageTitle(), "Sample Help");
  close->setFocus(Qt::TabFocusReason);
  QTest::keyClick(close, Qt::Key_Return);
  EXPECT_FALSE(viewer.isVisible());
}

// Escape closes the help window wherever its focus is: on the text or on a button.
TEST(HelpViewer, EscapeClosesTheWindow) {
  QTemporaryDir dir;
  QFile file(dir.filePath("vtrel.hlp"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("VANTREL HELP 1\n=contents Sample Help\nAll topics.\n=topic 7 Robotics\nTwo links.\n");
  file.close();
  plat::HelpViewer viewer;
  viewer.open(file.fileName(), 7);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer));
  QTextBrowser* text = viewer.findChild<QTextBrowser*>();
  ASSERT_NE(text, nullptr);
  text->setFocus(Qt::TabFocusReason);
  QTest::keyClick(text, Qt::Key_Escape);
  EXPECT_FALSE(viewer.isVisible());

  viewer.open(file.fileName(), 0);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer));
  QPushButton* button = viewer.findChildren<QPushButton*>().value(0);
  ASSERT_NE(button, nullptr);
  button->setFocus(Qt::TabFocusReason);
  QTest::keyClick(button, Qt::Key_Escape);
  EXPECT_FALSE(viewer.isVisible());
}

// What the window shows of files no page should take long to lay out.
class HelpViewerLongText : public ::testing::Test {
 protected:
  static constexpr QChar kBreak{0x200B};  // the invisible place a line may break
  static inline const QString kCutNote = "(The rest of this page is too long to show.)";

  // The text of the page shown for the file holding `text` (after its tag line), at `topic`.
  QString show(const QByteArray& text, int topic = 0) {
    QFile file(dir.filePath("long.hlp"));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("VANTREL HELP 1\n" + text);
    file.close();
    viewer = std::make_unique<plat::HelpViewer>();  // a new window reads the file afresh
    viewer->open(file.fileName(), topic);
    return viewer->pageText();
  }
  static QByteArray letters(qsizetype count) {
    QByteArray word;
    for (qsizetype i = 0; i < count; ++i) word += char('a' + i % 26);
    return word;
  }
  QTemporaryDir dir;
  std::unique_ptr<plat::HelpViewer> viewer;
};

TEST_F(HelpViewerLongText, ALongWordMayBreakAfterItsFortiethCharacterAndEveryTenthMore) {
  const QString word = letters(2 * 1024 * 1024);
  QString page = show("=contents Long\n" + word.toUtf8() + "\n");
  ASSERT_TRUE(
      page.startsWith("Long\n" + word.left(40) + kBreak + word.mid(40, 10) + kBreak + word.mid(50, 10) + kBreak));
  EXPECT_TRUE(page.endsWith(kCutNote));
  // The page shows 99 996 letters of the word (100 000 less the title's 4), with a break before
  // letters 41, 51, ... 99 991.
  page = page.mid(5, page.indexOf('\n', 5) - 5);
  EXPECT_EQ(page.count(kBreak), 9996);
  EXPECT_EQ(page.remove(kBreak), word.left(99996));
}

TEST_F(HelpViewerLongText, WordsUpToFortyCharactersStayWhole) {
  const QString forty = letters(40);
  EXPECT_EQ(show("=contents T\n" + forty.toUtf8() + " " + forty.toUtf8() + "\n"), "T\n" + forty + " " + forty);
  // One more letter, and the word may break before it; a blank starts the count again.
  EXPECT_EQ(show("=contents T\n" + letters(41) + " ab\n"), "T\n" + forty + kBreak + "o ab");
  EXPECT_EQ(show("=contents T\n" + letters(61) + "\n"),
            "T\n" + forty + kBreak + "opqrstuvwx" + kBreak + "yzabcdefgh" + kBreak + "i");
  // A break never parts an accent from its letter: it comes after the accent.
  const QString accented = letters(39) + "e\u0301bc";
  EXPECT_EQ(show("=contents T\n" + accented.toUtf8() + "\n"), "T\n" + QString(letters(39)) + "e\u0301" + kBreak + "bc");
}

TEST_F(HelpViewerLongText, ALetterShowsThirtyAccentsThenABlankTakesTheRest) {
  const QString thirty = QString(30, QChar(0x0301));
  EXPECT_EQ(show(("=contents T\na" + thirty + "b\n").toUtf8()), "T\na" + thirty + "b");
  EXPECT_EQ(show(("=contents T\na" + thirty + thirty + "\u0302b\n").toUtf8()),
            "T\na" + thirty + " " + thirty + " \u0302b");
}

// Characters beyond the basic plane take two places in the window's text; a cut never
// leaves half of one.
TEST_F(HelpViewerLongText, AWordOfWideCharactersBreaksBetweenThem) {
  const QString frog = QString::fromUcs4(U"\U0001F438");
  const QString page = show("=topic 1 T\n" + frog.repeated(100000).toUtf8() + "\n", 1);
  ASSERT_TRUE(page.startsWith("T\n" + frog.repeated(40) + kBreak + frog.repeated(10) + kBreak + frog));
  EXPECT_TRUE(page.endsWith(kCutNote));
  const QString shown = page.mid(2, page.lastIndexOf('\n') - 2).remove(kBreak);
  EXPECT_EQ(shown, frog.repeated((100000 - 1) / 2));
}

TEST_F(HelpViewerLongText, AHugeTopicIsCutWithANote) {
  QByteArray words;
  while (words.size() < 2 * 1024 * 1024) words += "lorem ipsum dolor sit amet ";
  const QString page = show("=contents C\nAll.\n=topic 5 Huge\n" + words + "\n\nNever shown.\n", 5);
  EXPECT_EQ(viewer->pageTitle(), "Huge");
  ASSERT_TRUE(page.startsWith("Huge\nlorem ipsum dolor sit amet lorem"));
  EXPECT_EQ(page, "Huge\n" + QString(words.left(100000 - 4)) + "\n" + kCutNote);
}

TEST_F(HelpViewerLongText, APageShowsAThousandParts) {
  QString page = show("=contents Many\n" + QByteArray("x\n\n").repeated(5000));
  EXPECT_EQ(page, "Many\n" + QString("x\n").repeated(999) + kCutNote);
  // A page of exactly a thousand parts is whole.
  page = show("=contents Many\n" + QByteArray("x\n\n").repeated(999));
  EXPECT_EQ(page, "Many" + QString("\nx").repeated(999));
}

TEST_F(HelpViewerLongText, TheContentsListsTopicsUpToAThousandParts) {
  QByteArray topics;
  for (int n = 1; n <= 20000; ++n) topics += "=topic " + QByteArray::number(n) + " T" + QByteArray::number(n) + "\n";
  const QString page = show("=contents Index\nEvery topic.\n" + topics);
  const QStringList lines = page.split('\n');
  ASSERT_EQ(lines.size(), 1000 + 1);
  EXPECT_EQ(lines.mid(0, 4), QStringList({"Index", "Every topic.", "T1", "T2"}));
  EXPECT_EQ(lines[999], "T998");
  EXPECT_EQ(lines[1000], kCutNote);
  // The topics past the cut are still in the file.
  EXPECT_EQ(show("=contents Index\nEvery topic.\n" + topics, 20000), "T20000");
}

TEST_F(HelpViewerLongText, ReadsTheFirstFourMegabytes) {
  QByteArray text = "=contents C\nAll.\n=topic 1 First\n";
  text += QByteArray(4 * 1024 * 1024, 'x') + "\n=topic 2 Beyond\nNever read.\n";
  EXPECT_EQ(show(text, 2), "C\n" + QString("Topic 2 is not in this help file.") + "\nAll.\nFirst");
}

// The pages of the shipped files show their title, paragraphs and items exactly as written,
// and the contents page every topic: none comes near the limits above.
TEST(HelpViewer, ShowsTheShippedPagesWhole) {
  for (const char* name : {"vtrel.hlp", "palorime.hlp"}) {
    SCOPED_TRACE(name);
    const QString path = QString(VANTREL_RESOURCES "/") + name;
    QFile source(path);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const auto file = plat::parseHelpFile(source.readAll().toStdString());
    ASSERT_TRUE(file);
    auto written = [](const plat::HelpPage& page) {
      QStringList lines{QString::fromStdString(page.title)};
      for (const plat::HelpBlock& block : page.blocks) lines << QString::fromStdString(block.text);
      return lines;
    };
    plat::HelpViewer viewer;
    QStringList contents = written(file->contents);
    for (const auto& [number, page] : file->topics) {
      contents << QString::fromStdString(page.title);
      viewer.open(path, number);
      EXPECT_EQ(viewer.pageText(), written(page).join('\n')) << "topic " << number;
    }
    viewer.open(path, 0);
    EXPECT_EQ(viewer.pageText(), contents.join('\n'));
  }
}

}  // namespace
