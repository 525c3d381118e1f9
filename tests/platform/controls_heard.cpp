// What a screen reader hears of what the windows show rather than operate: read-outs with the
// captions that say what they are, titles written a letter a label, messages that appear on
// their own, and pictures with what they show.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QWidget>
#include <memory>

#include "platform/form.h"
#include "platform/label.h"
#include "platform/picturebox.h"
#include "tests/support/screenreader.h"

namespace {

QAccessibleInterface* heard(QObject* o) { return QAccessible::queryAccessibleInterface(o); }
QString heardName(QObject* o) { return heard(o)->text(QAccessible::Name); }

// The objects a screen reader is told label this one ("labelled by").
QList<QObject*> labelsOf(QObject* o) {
  QList<QObject*> labels;
  for (const auto& [other, relation] : heard(o)->relations(QAccessible::Label)) labels << other->object();
  return labels;
}
QList<QObject*> labelledBy(QObject* caption) {
  QList<QObject*> readouts;
  for (const auto& [other, relation] : heard(caption)->relations(QAccessible::Labelled)) readouts << other->object();
  return readouts;
}

// A panel of read-outs in rows and columns, as the moon lander's.
class ReadoutPanel : public ::testing::Test {
 protected:
  void SetUp() override {
    rowTitle = new plat::Label(&panel, "Altitude");
    columnHead = new plat::Label(&panel, "Value (ft)");
    readout = new plat::Label(&panel, "1864");
    readout->setHeardCaptions({rowTitle, columnHead});
  }
  QWidget panel;
  plat::Label* rowTitle = nullptr;
  plat::Label* columnHead = nullptr;
  plat::Label* readout = nullptr;
};

TEST_F(ReadoutPanel, AReadoutIsLabelledByItsCaptionsAndNamedWithThem) {
  EXPECT_EQ(heard(readout)->role(), QAccessible::StaticText);
  EXPECT_EQ(heardName(readout), "Altitude Value (ft) 1864");
  EXPECT_EQ(labelsOf(readout), (QList<QObject*>{rowTitle, columnHead}));
  EXPECT_EQ(labelledBy(rowTitle), QList<QObject*>{readout});
  // What sighted users see is the figure alone.
  EXPECT_EQ(readout->text(), "1864");
  // A caption stays a caption.
  EXPECT_EQ(heardName(rowTitle), "Altitude");
  EXPECT_TRUE(labelsOf(rowTitle).isEmpty());
}

TEST_F(ReadoutPanel, ANewFigureOrANewCaptionRenamesTheReadoutAndSaysSo) {
  HeardEvents events;
  readout->setCaption("1790");
  EXPECT_EQ(heardName(readout), "Altitude Value (ft) 1790");
  EXPECT_EQ(events.count(readout, QAccessible::NameChanged), 1);

  columnHead->setCaption("Value (m)");
  EXPECT_EQ(heardName(readout), "Altitude Value (m) 1790");
  EXPECT_EQ(events.count(readout, QAccessible::NameChanged), 2);
  EXPECT_EQ(events.count(columnHead, QAccessible::NameChanged), 1);
}

TEST_F(ReadoutPanel, AnEmptyReadoutIsHeardAsItsCaptionsAlone) {
  readout->setCaption("");
  EXPECT_EQ(heardName(readout), "Altitude Value (ft)");
}

TEST_F(ReadoutPanel, AReadoutOutlivesACaptionThatGoes) {
  delete columnHead;
  EXPECT_EQ(heardName(readout), "Altitude 1864");
  EXPECT_EQ(labelsOf(readout), QList<QObject*>{rowTitle});
}

TEST(HeardLabels, WordsNoCaptionShowsComeBeforeTheFigure) {
  QWidget board;
  auto* volts = new plat::Label(&board, "1.50 V");
  volts->setHeardCaption("Rung 1 voltage");
  EXPECT_EQ(heardName(volts), "Rung 1 voltage 1.50 V");
  EXPECT_TRUE(labelsOf(volts).isEmpty());
}

TEST(HeardLabels, ATitleWrittenALetterALabelIsHeardAsOneWord) {
  QWidget window;
  std::vector<plat::Label*> letters;
  for (const char* letter : {"S", "P", "E", "E", "D"}) letters.push_back(new plat::Label(&window, letter));
  plat::hearAsOneWord(letters);
  window.show();
  EXPECT_EQ(heardName(letters[0]), "SPEED");
  EXPECT_FALSE(heard(letters[0])->state().invisible);
  for (size_t i = 1; i < letters.size(); ++i) {
    EXPECT_TRUE(heard(letters[i])->state().invisible) << i;
    EXPECT_EQ(heardName(letters[i]), "") << i;
    EXPECT_EQ(letters[i]->text(), QString("SPEED").at(qsizetype(i))) << "still shown";
  }
}

// A message that appears on its own is a notification, told each time it appears and only
// then: showing it again while it shows says nothing more.
TEST(HeardLabels, AMessageIsAnnouncedOnceEachTimeItAppears) {
  QWidget window;
  auto* message = new plat::Label(&window, "Short Circuit!");
  message->setAnnounced(true);
  message->hide();
  window.show();
  HeardEvents events;
  EXPECT_EQ(heard(message)->role(), QAccessible::Notification);
  message->show();
  message->show();
  EXPECT_EQ(events.count(message, QAccessible::ObjectShow), 1);
  message->hide();
  message->show();
  EXPECT_EQ(events.count(message, QAccessible::ObjectShow), 2);
}

TEST(HeardPictures, APictureIsAnImageNamedByWhatItShows) {
  QWidget window;
  auto* plot = new plat::PictureBox(&window);
  plot->setAccessibleName("Pendulum plot: angle against time");
  EXPECT_EQ(heard(plot)->role(), QAccessible::Graphic);
  EXPECT_EQ(heardName(plot), "Pendulum plot: angle against time");
}

TEST(HeardPictures, TheWordsDrawnOnAWindowAreItsDrawingsDescription) {
  plat::Form form;
  form.describeSurface("Lever", "Levers are simple devices that help you do work.");
  plat::PictureBox* canvas = form.findChild<plat::PictureBox*>();
  ASSERT_NE(canvas, nullptr);
  EXPECT_EQ(heard(canvas)->role(), QAccessible::Graphic);
  EXPECT_EQ(heardName(canvas), "Lever");
  EXPECT_EQ(heard(canvas)->text(QAccessible::Description), "Levers are simple devices that help you do work.");
  HeardEvents events;
  form.describeSurface("Lever", "If we call the distance from the effort to the fulcrum D Effort");
  EXPECT_EQ(events.count(canvas, QAccessible::DescriptionChanged), 1);
}

}  // namespace
