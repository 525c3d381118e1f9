// The printed table and plots page, on the recording printer.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>

#include "platform/printer.h"
#include "platform/services.h"
#include "platform/surface.h"
#include "runtime/palette.h"
#include "tests/support/doubles.h"
#include "weather/weatherplots.h"
#include "weather/weatherprint.h"

namespace {

using namespace weather;

class Printout : public ::testing::Test {
 protected:
  void SetUp() override {
    services = plat::installTestServices();
    printed = plat::installRecordingPrinter(100, false);
  }
  static bool has(const std::vector<QString>& texts, const QString& t) {
    return std::find(texts.begin(), texts.end(), t) != texts.end();
  }
  // The printed text whose centre lies nearest (x, y) on a page.
  static const plat::DrawOp* printAt(const plat::PrintedPage& page, const QString& text) {
    for (const auto& op : page.ops)
      if (op.op == "print" && op.text == text) return &op;
    return nullptr;
  }
  plat::TestServices services{};
  plat::RecordingPrinter* printed = nullptr;
};

TEST_F(Printout, AnEmptyLogPrintsThreeRuledLandscapePages) {
  printTable(plat::printer(), WeatherTable{}, "NEW");
  ASSERT_EQ(printed->documents.size(), 1u);
  const auto& pages = printed->documents[0].pages;
  ASSERT_EQ(pages.size(), 3u);
  for (int p = 0; p < 3; ++p) {
    SCOPED_TRACE(p);
    const auto& page = pages[size_t(p)];
    EXPECT_EQ(page.orientation, plat::Orientation::Landscape);
    const auto texts = page.texts();
    EXPECT_EQ(texts.at(0), "Weather Watch");
    EXPECT_EQ(texts.at(1), QString("File: NEW, Page %1").arg(p + 1));
    EXPECT_TRUE(has(texts, "Precipitation"));
    EXPECT_TRUE(has(texts, "Barometric"));
    EXPECT_TRUE(has(texts, QString::number(20 * p + 1)));
    EXPECT_TRUE(has(texts, QString::number(20 * p + 20)));
    // A box, the rule under the headings, 19 between the days and six between the columns.
    EXPECT_EQ(page.count("box"), 1);
    EXPECT_EQ(page.count("line"), 1 + 19 + 6);
  }
  EXPECT_EQ(plat::printer().orientation(), plat::Orientation::Portrait);
}

TEST_F(Printout, TableEntriesPrintInTheirColumnsMasks) {
  WeatherTable log{};
  log[1][kDate] = "10/10/2026";
  log[1][kHigh] = "72";
  log[1][kPrec] = "0.5";
  log[1][kPress] = "1013";
  log[1][kComment] = "a comment much longer than the column of the table";
  log[2][kLow] = "-";
  log[21][kPrec] = "1.2.3";
  printTable(plat::printer(), log, "ABC");
  const auto& pages = printed->documents.at(0).pages;
  const auto first = pages.at(0).texts();
  EXPECT_TRUE(has(first, "10/10/2026"));
  EXPECT_TRUE(has(first, "72"));
  EXPECT_TRUE(has(first, "0.50"));
  EXPECT_TRUE(has(first, "1013.00"));
  EXPECT_TRUE(has(first, "-"));  // not a number: as typed
  EXPECT_TRUE(has(first, "a comment much longer than the column of the table"));
  EXPECT_TRUE(has(pages.at(1).texts(), "1.2.3"));
  // The date is centred on its column, the comment starts at 720.
  const plat::DrawOp* date = printAt(pages[0], "10/10/2026");
  ASSERT_NE(date, nullptr);
  const plat::DrawOp* comment = printAt(pages[0], "a comment much longer than the column of the table");
  ASSERT_NE(comment, nullptr);
  EXPECT_NEAR(comment->args.at(0), 720, 0.01);
}

TEST_F(Printout, ThePlotsPageShowsTheSummariesAndPictures) {
  WeatherTable log{};
  for (int d = 1; d <= 60; ++d) {
    log[size_t(d)][kHigh] = std::to_string(40 + d);
    log[size_t(d)][kLow] = "30";
  }
  const WeatherSummary s = summariseWeather(log);
  plat::ImageSurface temp(337, 153), prec(337, 97), press(337, 89);
  drawTemperaturePlot(temp, s);
  drawPrecipitationPlot(prec, s);
  drawPressurePlot(press, s);
  PlotsPage page;
  page.fileName = "ABC";
  page.highestHigh = QString::fromStdString(s.highestHigh);
  page.highestLow = QString::fromStdString(s.highestLow);
  page.averageHigh = QString::fromStdString(s.averageHigh);
  page.averageLow = QString::fromStdString(s.averageLow);
  page.lowestHigh = QString::fromStdString(s.lowestHigh);
  page.lowestLow = QString::fromStdString(s.lowestLow);
  page.highTrend = QString::fromStdString(s.highs.trendText);
  page.lowTrend = QString::fromStdString(s.lows.trendText);
  page.highestPrec = "0.00";
  page.totalPrec = "0.00";
  page.highestPress = page.lowestPress = "---";
  page.tempAxisTop = "100";
  page.tempAxisBottom = "30";
  page.precAxisTop = "1.0";
  page.precAxisBottom = "0";
  page.pressAxisTop = "30";
  page.pressAxisBottom = "25";
  page.temp = &temp;
  page.prec = &prec;
  page.press = &press;
  plat::printer().setOrientation(plat::Orientation::Portrait);
  printPlots(plat::printer(), page);
  ASSERT_EQ(printed->documents.size(), 1u);
  ASSERT_EQ(printed->documents[0].pages.size(), 1u);
  const auto& pg = printed->documents[0].pages[0];
  EXPECT_EQ(pg.orientation, plat::Orientation::Portrait);
  const auto texts = pg.texts();
  EXPECT_EQ(texts.at(0), "Weather Watch");
  EXPECT_EQ(texts.at(1), "File: ABC");
  EXPECT_TRUE(has(texts, "  High  = 100"));
  EXPECT_TRUE(has(texts, "  Trend = +59.0"));
  EXPECT_TRUE(has(texts, "  Total = 0.00"));
  EXPECT_TRUE(has(texts, "  Low   = ---"));
  EXPECT_EQ(pg.count("picture") + pg.count("blit"), 3);
  // Each heading underlined whole, the blank between its words included.
  std::vector<QString> underlined;
  for (const auto& op : pg.ops)
    if (op.op == "print" && op.underline) underlined.push_back(op.text);
  EXPECT_EQ(underlined, (std::vector<QString>{"Temperatures:", "Precipitation:", "Barometric Pressure:"}));
  // The axis labels end at x 140.
  const plat::DrawOp* tempH = printAt(pg, "100");
  ASSERT_NE(tempH, nullptr);
}

TEST_F(Printout, CancelPrintsNothing) {
  // The question is the platform's: Cancel is its answer by default here.
  services.boxes->answer(plat::msg::Cancel);
  EXPECT_FALSE(plat::askPrinterReady("Print File"));
  EXPECT_TRUE(printed->documents.empty());
}

TEST_F(Printout, PlotsDrawInTheirColoursOnTheirScales) {
  WeatherTable log{};
  log[1][kHigh] = "50";
  log[60][kHigh] = "60";
  log[1][kLow] = "20";
  log[60][kLow] = "30";
  log[30][kPrec] = "2";
  log[1][kPress] = "29";
  log[60][kPress] = "31";
  const WeatherSummary s = summariseWeather(log);
  plat::ImageSurface temp(337, 153), prec(337, 97), press(337, 89);
  temp.setRecording(true);
  prec.setRecording(true);
  press.setRecording(true);
  drawTemperaturePlot(temp, s);
  drawPrecipitationPlot(prec, s);
  drawPressurePlot(press, s);
  EXPECT_EQ(temp.scaleLeft(), 0);
  EXPECT_EQ(temp.scaleWidth(), 61);
  EXPECT_EQ(temp.scaleTop(), s.tHi);
  // Each series: its first point, one line to the second, and its trend line.
  EXPECT_EQ(temp.countOps("pset"), 2);
  EXPECT_EQ(temp.countOps("line"), 4);
  // The bar stands on 0 at day 30.
  ASSERT_EQ(prec.countOps("line"), 1);
  for (const auto& op : prec.ops())
    if (op.op == "line") {
      EXPECT_EQ(op.args, (std::vector<double>{30, 0, 30, 2}));
      EXPECT_EQ(op.colour, rt::palette::kPrecipitation);
    }
  EXPECT_EQ(press.countOps("line"), 1);
  // An empty log clears the pictures and draws nothing.
  temp.clearOps();
  drawTemperaturePlot(temp, summariseWeather(WeatherTable{}));
  EXPECT_EQ(temp.countOps("cls"), 1);
  EXPECT_EQ(temp.countOps("line") + temp.countOps("pset"), 0);
}

}  // namespace
