// Our help file format: pages by topic number, paragraphs and bullet items; the help window
// that shows them.

#include <gtest/gtest.h>

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

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

}  // namespace
