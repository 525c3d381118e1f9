// The printer page through the recording back-end: the prompt, pages that appear only when
// drawn on, orientation per page and across documents, the page scale, fonts that keep their
// points at any resolution, tab columns, pictures copied into page rectangles, and failures
// that are told and never pass for success.

#include <gtest/gtest.h>

#include "platform/printer.h"
#include "platform/services.h"
#include "tests/support/doubles.h"

namespace {

using plat::Orientation;
using plat::printer;

constexpr rt::Colour kBlack = 0x000000, kWhite = 0xFFFFFF;

class PrinterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    services = plat::installTestServices();
    rec = plat::installRecordingPrinter();
  }
  void TearDown() override { printer().setOrientation(Orientation::Portrait); }
  plat::TestServices services{};
  plat::RecordingPrinter* rec = nullptr;
};

TEST_F(PrinterTest, ThePromptAsksWithOkCancelAndTheInformationIcon) {
  services.boxes->answer(plat::msg::Cancel);
  EXPECT_FALSE(plat::askPrinterReady("Print Lever"));
  services.boxes->answer(plat::msg::Ok);
  EXPECT_TRUE(plat::askPrinterReady("Print Plots"));
  ASSERT_EQ(services.boxes->calls.size(), 2u);
  EXPECT_EQ(services.boxes->calls[0].text, "Make sure printer is on-line and ready.");
  EXPECT_EQ(services.boxes->calls[0].style, plat::msg::OkCancel | plat::msg::Information);
  EXPECT_EQ(services.boxes->calls[0].title, "Print Lever");
  // The title names the job.
  printer().print("Pendulum");
  printer().endDoc();
  ASSERT_EQ(rec->documents.size(), 1u);
  EXPECT_EQ(rec->documents[0].title, "Print Plots");
}

TEST_F(PrinterTest, APageAppearsOnlyWhenSomethingIsDrawnOnIt) {
  auto& p = printer();
  p.setScale(0, 0, 1100, 850);
  for (int page = 1; page <= 3; ++page) {
    p.moveTo(90, 75);
    p.print("Weather Watch");
    p.line(90, 200, 1040, 200);
    p.newPage();  // after the third page too: no blank sheet follows
  }
  p.newPage();
  p.endDoc();
  ASSERT_EQ(rec->documents.size(), 1u);
  ASSERT_EQ(rec->documents[0].pages.size(), 3u);
  for (const auto& page : rec->documents[0].pages) {
    EXPECT_EQ(page.texts(), (std::vector<QString>{"Weather Watch"}));
    EXPECT_EQ(page.count("line"), 1);
  }
  // A document with nothing drawn prints nothing at all.
  p.newPage();
  p.endDoc();
  EXPECT_EQ(rec->documents.size(), 1u);
  EXPECT_TRUE(services.boxes->calls.empty());  // a printer says nothing when it prints
}

TEST_F(PrinterTest, OrientationAppliesPerPageAndIsKeptAcrossDocuments) {
  auto& p = printer();
  EXPECT_EQ(p.orientation(), Orientation::Portrait);
  int portraitWidth = p.deviceWidth();
  p.setOrientation(Orientation::Landscape);
  EXPECT_GT(p.deviceWidth(), p.deviceHeight());
  p.print("Circuits");
  p.endDoc();
  // Kept after the end of the document, until set back.
  EXPECT_EQ(p.orientation(), Orientation::Landscape);
  p.print("Trajectories");
  p.setOrientation(Orientation::Portrait);  // the page in progress keeps its own
  EXPECT_GT(p.deviceWidth(), p.deviceHeight());
  p.newPage();
  EXPECT_EQ(p.deviceWidth(), portraitWidth);
  p.print("Page 2");
  p.endDoc();
  ASSERT_EQ(rec->documents.size(), 2u);
  EXPECT_EQ(rec->documents[0].pages[0].orientation, Orientation::Landscape);
  ASSERT_EQ(rec->documents[1].pages.size(), 2u);
  EXPECT_EQ(rec->documents[1].pages[0].orientation, Orientation::Landscape);
  EXPECT_EQ(rec->documents[1].pages[1].orientation, Orientation::Portrait);
  EXPECT_EQ(rec->documents[1].pages[1].image->width(), portraitWidth);
}

TEST_F(PrinterTest, ThePageScaleMapsOntoThePrintableArea) {
  auto& p = printer();
  p.setScale(0, 0, 850, 1100);  // hundredths of an inch on letter paper at 100 dpi
  p.setDrawWidth(2);
  p.box(150, 300, 700, 550);
  p.setDrawWidth(1);
  p.setDrawStyle(plat::DrawDot);
  p.line(150, 425, 700, 425);
  p.setDrawStyle(plat::DrawSolid);
  p.endDoc();
  const QImage& img = *rec->documents.at(0).pages.at(0).image;
  EXPECT_EQ(img.size(), QSize(850, 1100));
  EXPECT_EQ(QColor(img.pixel(150, 400)), QColor(Qt::black));
  EXPECT_EQ(QColor(img.pixel(700, 300)), QColor(Qt::black));
  EXPECT_EQ(QColor(img.pixel(400, 400)), QColor(Qt::white));
  int dots = 0;
  for (int x = 160; x < 690; ++x) dots += QColor(img.pixel(x, 425)) == QColor(Qt::black);
  EXPECT_GT(dots, 20);
  EXPECT_LT(dots, 530);  // dotted, not solid
  const auto& ops = rec->documents[0].pages[0].ops;
  ASSERT_EQ(ops.size(), 2u);
  EXPECT_EQ(ops[0].drawWidth, 2);
  EXPECT_EQ(ops[1].drawStyle, plat::DrawDot);
}

TEST_F(PrinterTest, FontsKeepTheirPointsAtAnyResolution) {
  auto measure = [&](int dpi) {
    plat::installRecordingPrinter(dpi, false);
    auto& p = printer();
    p.setFont("Courier New", 12);
    p.setScale(0, 0, 850, 1100);
    return std::pair(p.textWidth("Weather Watch"), p.textHeight());
  };
  auto [w100, h100] = measure(100);
  auto [w1200, h1200] = measure(1200);
  // 13 characters of 7.2 points: 130 hundredths of an inch, whatever the printer.
  EXPECT_NEAR(w1200, 130, 1.5);
  EXPECT_NEAR(w100, w1200, 3);
  EXPECT_NEAR(h100, h1200, 3);
  // A new document starts with the printer's font again; the tests that follow set their own.
  printer().setFontSize(30);
  printer().endDoc();
  EXPECT_EQ(printer().fontSize(), 12);
}

TEST_F(PrinterTest, TextWithTabColumnsUnderlinedHeadingsAndEmptyLines) {
  auto& p = printer();
  p.setFont("Courier New", 12);
  p.setScale(0, 0, 850, 1100);
  p.moveTo(100, 100);
  p.print("Weather Watch");
  double line = p.textHeight();
  p.newLine();
  p.setCurrentX(100);
  p.setFontUnderline(true);
  p.print("Temperatures:");
  p.setFontUnderline(false);
  p.tab(16);
  p.print("High Temperature", false);
  p.tab(40);
  p.print("Low Temperature");
  EXPECT_NEAR(p.currentY(), 100 + 4 * line, 1e-6);
  p.endDoc();
  const auto& ops = rec->documents.at(0).pages.at(0).ops;
  ASSERT_EQ(ops.size(), 5u);
  EXPECT_EQ(ops[1].text, "");  // the empty line
  EXPECT_TRUE(ops[2].underline);
  EXPECT_FALSE(ops[3].underline);
  double cw = 7.2 / 72 * 100;  // one character of Courier New 12 in hundredths of an inch
  EXPECT_NEAR(ops[3].args[0], 15 * cw, 1.5);
  EXPECT_NEAR(ops[4].args[0], 39 * cw, 1.5);
  EXPECT_DOUBLE_EQ(ops[3].args[1], ops[4].args[1]);
  EXPECT_EQ(ops[3].fontName, "Courier New");
  EXPECT_EQ(ops[3].fontSize, 12);
}

TEST_F(PrinterTest, HatchesLookOnPaperAsOnScreenWhileThinPensStayThin) {
  // At 288 dots per inch, three times a screen's: a hatch line every 24 pixels, 3 wide.
  auto* hi = plat::installRecordingPrinter(288, true);
  auto& p = printer();
  p.setScale(0, 0, 850, 1100);
  p.setFillStyle(plat::FillDiagonalCross);
  p.setFillColor(kBlack);
  p.box(100, 100, 400, 200);
  p.line(100, 500, 400, 500);
  p.endDoc();
  const QImage& img = *hi->documents.at(0).pages.at(0).image;
  int runs = 0, black = 0;
  bool prev = false;
  int y = 440;  // a row where the two diagonals cross it apart
  for (int x = 120 * 288 / 100; x < 380 * 288 / 100; ++x) {
    bool on = QColor(img.pixel(x, y)) == QColor(Qt::black);
    black += on;
    runs += on && !prev;
    prev = on;
  }
  int width = 260 * 288 / 100;
  EXPECT_GT(runs, width / 16);   // both diagonals cross the row
  EXPECT_LT(runs, width / 8);    // but not at a screen pixel's spacing
  EXPECT_GT(black, width / 12);  // lines three pixels wide, not one
  EXPECT_LT(black, width / 2);
  int thick = 0;
  for (int yy = 490 * 288 / 100; yy < 510 * 288 / 100; ++yy) thick += QColor(img.pixel(600, yy)) == QColor(Qt::black);
  EXPECT_EQ(thick, 1);  // a pen of width 1 is one device pixel
}

TEST_F(PrinterTest, ASurfacesKeptImageCopiedIntoAPageRectangle) {
  plat::ImageSurface grid(400, 400, kWhite);
  grid.setScale(-11, 11, 11, -11);
  grid.filledBox(-11, 11, 0, 0, rt::numberedColour(12));  // the top left quarter red
  auto& p = printer();
  p.setScale(0, 0, 850, 1100);
  p.paintPicture(grid, 150, 200, 550, 550);
  p.endDoc();
  const QImage& img = *rec->documents.at(0).pages.at(0).image;
  EXPECT_EQ(QColor(img.pixel(160, 210)), QColor(255, 0, 0));
  EXPECT_EQ(QColor(img.pixel(420, 470)), QColor(255, 0, 0));
  EXPECT_EQ(QColor(img.pixel(430, 480)), QColor(Qt::white));
  EXPECT_EQ(QColor(img.pixel(149, 210)), QColor(Qt::white));  // nothing outside the rectangle
  EXPECT_EQ(QColor(img.pixel(160, 199)), QColor(Qt::white));
  EXPECT_EQ(rec->documents[0].pages[0].ops.at(0).op, "picture");
}

TEST_F(PrinterTest, EveryPrintoutStartsFromAFreshPage) {
  auto& p = printer();
  p.setScale(-65, -75, 395, 200);
  p.setDrawWidth(2);
  p.setFillStyle(plat::FillDiagonalCross);
  p.setForeColor(rt::numberedColour(12));
  p.moveTo(50, 50);
  p.print("Levers");
  p.endDoc();
  EXPECT_EQ(p.scaleMode(), plat::ScaleMode::Twips);
  EXPECT_EQ(p.drawWidth(), 1);
  EXPECT_EQ(p.fillStyle(), plat::FillTransparent);
  EXPECT_EQ(p.foreColor(), kBlack);
  EXPECT_EQ(p.currentX(), 0);
  EXPECT_EQ(p.fontName(), "Courier New");
}

TEST_F(PrinterTest, AFailureIsToldOnceAndNothingPassesForPrinted) {
  rec->failOnBegin = "The printer is off line.";
  auto& p = printer();
  p.print("Robotics");
  p.line(0, 0, 100, 100);
  p.newPage();
  p.print("more");
  p.endDoc();
  ASSERT_EQ(services.boxes->calls.size(), 1u);
  EXPECT_TRUE(services.boxes->calls[0].text.contains("The printer is off line."));
  EXPECT_EQ(services.boxes->calls[0].style & 0x70, plat::msg::Critical);
  EXPECT_TRUE(rec->documents.empty());
  // The next document prints again.
  p.print("Robotics");
  p.endDoc();
  EXPECT_EQ(rec->documents.size(), 1u);
}

TEST_F(PrinterTest, AFailureWhileDeliveringOrBetweenPagesDropsTheDocument) {
  auto& p = printer();
  rec->failOnEnd = "The job was refused.";
  p.print("Rocketry");
  p.endDoc();
  EXPECT_TRUE(rec->documents.empty());
  EXPECT_EQ(rec->aborted, 1);
  ASSERT_EQ(services.boxes->calls.size(), 1u);
  EXPECT_TRUE(services.boxes->calls[0].text.contains("The job was refused."));

  rec->failOnNewPage = "Out of paper.";
  p.print("page 1");
  p.newPage();
  p.print("page 2");
  p.print("page 2, again");
  p.endDoc();
  EXPECT_TRUE(rec->documents.empty());
  EXPECT_EQ(rec->aborted, 2);
  EXPECT_EQ(services.boxes->calls.size(), 2u);
}

TEST_F(PrinterTest, ChangingThePrinterMidDocumentDropsThatDocument) {
  auto& p = printer();
  p.print("half a page");
  auto* other = plat::installRecordingPrinter();
  p.print("whole");
  p.endDoc();
  ASSERT_EQ(other->documents.size(), 1u);
  EXPECT_EQ(other->lastTexts(), (std::vector<QString>{"whole"}));
}

}  // namespace
