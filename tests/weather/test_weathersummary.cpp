// Axis limits, the numeric value of an entry, and the summaries of whole logs.

#include <gtest/gtest.h>

#include <cmath>

#include "weather/weathersummary.h"

namespace {

using namespace weather;

std::pair<float, float> Limits(float lo, float hi) {
  float outLo = 0, outHi = 0;
  findNiceLimits(4, lo, hi, outLo, outHi);
  return {outLo, outHi};
}

TEST(NiceLimits, EncloseTheDataOnStepsOfOneTwoOrFive) {
  EXPECT_EQ(Limits(30, 70), std::make_pair(30.0f, 70.0f));
  EXPECT_EQ(Limits(32, 87), std::make_pair(30.0f, 90.0f));
  EXPECT_EQ(Limits(-5, 12), std::make_pair(-5.0f, 15.0f));
  EXPECT_EQ(Limits(25, 30), std::make_pair(25.0f, 30.0f));
  EXPECT_EQ(Limits(0, 99999), std::make_pair(0.0f, 100000.0f));
  auto [lo, hi] = Limits(0, 0.37f);
  EXPECT_FLOAT_EQ(lo, 0.0f);
  EXPECT_FLOAT_EQ(hi, 0.4f);
}

TEST(NiceLimits, AnEmptyRangeStartsAtNineTenthsOfItsTop) {
  float lo = 50, hi = 50, outLo = 0, outHi = 0;
  findNiceLimits(4, lo, hi, outLo, outHi);
  EXPECT_FLOAT_EQ(lo, 45.0f);
  EXPECT_LE(outLo, 45.0f);
  EXPECT_GE(outHi, 50.0f);
}

TEST(NumericValue, ReadsTheLeadingNumberSkippingBlanks) {
  EXPECT_EQ(numericValue(""), 0.0f);
  EXPECT_EQ(numericValue("--5"), 0.0f);
  EXPECT_FLOAT_EQ(numericValue("1.2.3"), 1.2f);
  EXPECT_EQ(numericValue(" 1 2 "), 12.0f);
  EXPECT_EQ(numericValue("-7"), -7.0f);
  EXPECT_FLOAT_EQ(numericValue(".5"), 0.5f);
  EXPECT_EQ(numericValue("12abc"), 12.0f);
  EXPECT_EQ(numericValue("abc"), 0.0f);
  EXPECT_EQ(numericValue("1e3"), 1.0f);
}

WeatherTable Highs(int firstDay, int lastDay, int start, int perDay) {
  WeatherTable log{};
  for (int d = firstDay; d <= lastDay; ++d) log[size_t(d)][kHigh] = std::to_string(start + perDay * (d - firstDay));
  return log;
}

TEST(Summary, AnEmptyLog) {
  const WeatherSummary s = summariseWeather(WeatherTable{});
  EXPECT_FALSE(s.tempData);
  EXPECT_EQ(s.tempAxisTop, "70");
  EXPECT_EQ(s.tempAxisBottom, "30");
  for (const std::string& l : {s.highestHigh, s.lowestHigh, s.highestLow, s.lowestLow, s.averageHigh, s.averageLow})
    EXPECT_EQ(l, "---");
  EXPECT_FALSE(s.highs.hasTrend);
  EXPECT_EQ(s.precAxisTop, "1.0");
  EXPECT_EQ(s.highestPrec, "0.00");
  EXPECT_EQ(s.totalPrec, "0.00");
  EXPECT_TRUE(s.bars.empty());
  EXPECT_FALSE(s.pressData);
  EXPECT_EQ(s.pressAxisTop, "30");
  EXPECT_EQ(s.pressAxisBottom, "25");
  EXPECT_EQ(s.highestPress, "---");
  EXPECT_EQ(s.lowestPress, "---");
}

TEST(Summary, HighsWithoutLowsAreNoTemperatureData) { EXPECT_FALSE(summariseWeather(Highs(1, 30, 50, 1)).tempData); }

TEST(Summary, OneHighAndOneLowGiveNoTrend) {
  WeatherTable log{};
  log[5][kHigh] = "60";
  log[9][kLow] = "40";
  const WeatherSummary s = summariseWeather(log);
  ASSERT_TRUE(s.tempData);
  EXPECT_EQ(s.highs.points.size(), 1u);
  EXPECT_EQ(s.lows.points.size(), 1u);
  EXPECT_FALSE(s.highs.hasTrend);
  EXPECT_FALSE(s.lows.hasTrend);
  EXPECT_EQ(s.highestHigh, "60");
  EXPECT_EQ(s.lowestLow, "40");
  EXPECT_EQ(s.averageHigh, "60");
  EXPECT_EQ(s.tempAxisBottom, "40");
  EXPECT_EQ(s.tempAxisTop, "60");
}

TEST(Summary, TrendsOverTheSixtyDays) {
  struct Case {
    int start, perDay;
    const char* text;
  } cases[] = {{10, 1, "+59.0"}, {10, 2, "> 60"}, {80, -1, "-59.0"}, {150, -2, "< -60"}};
  for (const Case& c : cases) {
    WeatherTable log = Highs(1, 60, c.start, c.perDay);
    log[1][kLow] = "-40";
    const WeatherSummary s = summariseWeather(log);
    ASSERT_TRUE(s.highs.hasTrend);
    EXPECT_EQ(s.highs.trendText, c.text) << c.perDay;
    EXPECT_FLOAT_EQ(s.highs.b, float(c.perDay));
  }
}

TEST(Summary, TheTrendIsFittedOverTheOrdinalsOfTheReadings) {
  // Highs on days 10 to 20 only: x runs 1 to 11, the line still spans the 60 days.
  WeatherTable log = Highs(10, 20, 40, 1);
  log[15][kLow] = "20";
  log[16][kLow] = "30";
  const WeatherSummary s = summariseWeather(log);
  ASSERT_TRUE(s.highs.hasTrend);
  EXPECT_FLOAT_EQ(s.highs.b, 1.0f);
  EXPECT_FLOAT_EQ(s.highs.a + s.highs.b, 40.0f);
  EXPECT_EQ(s.highs.points.front().x, 10.0f);
  EXPECT_EQ(s.highs.trendText, "+59.0");
  EXPECT_EQ(s.lows.trendText, "> 60");
  EXPECT_EQ(s.averageHigh, "45");
  EXPECT_EQ(s.averageLow, "25");
}

TEST(Summary, ExtremesRoundTheirIntegerSidesHalvesToEven) {
  WeatherTable log{};
  log[1][kHigh] = "70.5";
  log[2][kHigh] = "62.5";
  log[1][kLow] = "41.5";
  log[2][kLow] = "30.5";
  const WeatherSummary s = summariseWeather(log);
  EXPECT_EQ(s.lowestHigh, "62");  // lowest high, rounded when found
  EXPECT_EQ(s.highestLow, "42");  // highest low, rounded when found
}

TEST(Summary, PrecipitationBarsCountWithoutTemperatures) {
  WeatherTable log{};
  log[3][kPrec] = "0.5";
  log[4][kPrec] = "1.25";
  log[4][kHigh] = "";
  const WeatherSummary s = summariseWeather(log);
  EXPECT_FALSE(s.tempData);
  ASSERT_EQ(s.bars.size(), 2u);
  EXPECT_EQ(s.bars[1].x, 4.0f);
  EXPECT_EQ(s.highestPrec, "1.25");
  EXPECT_EQ(s.totalPrec, "1.75");
  EXPECT_FLOAT_EQ(s.pHi, 1.4f);  // steps of 0.2 enclose 1.25
  EXPECT_EQ(s.precAxisTop, "1.4");
}

TEST(Summary, SmallPrecipitationKeepsAnAxisOfAtLeastATenth) {
  WeatherTable log{};
  log[1][kPrec] = "0.01";
  const WeatherSummary s = summariseWeather(log);
  EXPECT_FLOAT_EQ(s.pHi, 0.1f);
  EXPECT_EQ(s.precAxisTop, "0.1");
}

TEST(Summary, PressureInInchesAndInMillibars) {
  WeatherTable inches{};
  inches[1][kPress] = "29.5";
  inches[2][kPress] = "30.5";
  WeatherSummary s = summariseWeather(inches);
  ASSERT_TRUE(s.pressData);
  EXPECT_EQ(s.pressAxisTop, "30.6");
  EXPECT_EQ(s.pressAxisBottom, "29.4");
  EXPECT_EQ(s.highestPress, "30.50");
  EXPECT_EQ(s.lowestPress, "29.50");

  // Readings above 1000 count in full: the lowest is the lowest reading.
  WeatherTable millibars{};
  millibars[1][kPress] = "1005";
  millibars[2][kPress] = "1020";
  s = summariseWeather(millibars);
  EXPECT_EQ(s.prLo, 1005.0f);
  EXPECT_EQ(s.prHi, 1020.0f);
  EXPECT_EQ(s.pressAxisTop, "1020");
  EXPECT_EQ(s.pressAxisBottom, "1005");
  EXPECT_EQ(s.highestPress, "1020.0");
  EXPECT_EQ(s.lowestPress, "1005.0");
}

TEST(Summary, OneOrEqualPressuresAreNoData) {
  WeatherTable log{};
  log[1][kPress] = "30";
  log[9][kPress] = "30";
  const WeatherSummary s = summariseWeather(log);
  EXPECT_FALSE(s.pressData);
  EXPECT_TRUE(s.pressure.empty());
  EXPECT_EQ(s.highestPress, "---");
}

TEST(Summary, EntriesFarBeyondAnyWeatherStayFinite) {
  // Only a hand-made file can hold these; nothing may overflow or hang.
  WeatherTable log{};
  log[1][kHigh] = "99999999999999999999999999999999999999999999999";
  log[2][kHigh] = "-70000";
  log[1][kLow] = "-99999999999999999999999999999999999999999999999";
  log[2][kLow] = "70000";
  log[1][kPrec] = "99999999999999999999999999999999999999999999999";
  log[1][kPress] = "1";
  log[2][kPress] = "99999999999999999999999999999999999999999999999";
  const WeatherSummary s = summariseWeather(log);
  EXPECT_TRUE(s.tempData);
  EXPECT_TRUE(std::isfinite(s.tHi));
  EXPECT_TRUE(std::isfinite(s.highs.a));
  EXPECT_TRUE(std::isfinite(s.pHi));
  EXPECT_TRUE(std::isfinite(s.prHi));
  EXPECT_GE(s.prHi, 1e9f);
  EXPECT_EQ(s.lowestHigh, "-32768");
}

TEST(Summary, AllNegativePrecipitationShowsNoData) {
  WeatherTable log{};
  for (int d = 1; d <= kDays; ++d) log[size_t(d)][kPrec] = "-1";
  const WeatherSummary s = summariseWeather(log);
  EXPECT_FALSE(s.precData);
  EXPECT_EQ(s.highestPrec, "---");
  EXPECT_EQ(s.totalPrec, "---");
  EXPECT_TRUE(s.bars.empty());
}

}  // namespace
