#include "runtime/convert.h"
#include "runtime/numfmt.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using rt::formatNumber;
using rt::numberText;

TEST(FormatNumber, WorkedExamples) {
  EXPECT_EQ(formatNumber(20.0, "0.00 Seconds"), "20.00 Seconds");
  EXPECT_EQ(formatNumber(0, "0.00 Seconds"), "0.00 Seconds");
  EXPECT_EQ(formatNumber(3.14159, "0.#0"), "3.14");
  EXPECT_EQ(formatNumber(0.5, "0.#0 V"), "0.50 V");
  EXPECT_EQ(formatNumber(7.25, "#0.0"), "7.2");
  EXPECT_EQ(formatNumber(12.35, "#0.0"), "12.3");  // 12.35 is 12.3499999... in binary
  EXPECT_EQ(formatNumber(100, "##0"), "100");
  EXPECT_EQ(formatNumber(-9, "#0.0"), "-9.0");
  EXPECT_EQ(formatNumber(0.05, "0.##0"), "0.050");
  EXPECT_EQ(formatNumber(1234.5, "#0.0"), "1234.5");
  EXPECT_EQ(formatNumber(42.0, "##0.0 s"), "42.0 s");
}

TEST(FormatNumber, IntegerPartOfZero) {
  EXPECT_EQ(formatNumber(0.5, "0.0"), "0.5");
  EXPECT_EQ(formatNumber(0.5, "#.0"), ".5");
  EXPECT_EQ(formatNumber(0.5, "####.0"), ".5");
  EXPECT_EQ(formatNumber(0, "#"), "");
  EXPECT_EQ(formatNumber(0, "##0"), "0");
  EXPECT_EQ(formatNumber(0.4, "##0"), "0");
  EXPECT_EQ(formatNumber(5, "00.0"), "05.0");
}

TEST(FormatNumber, RoundingAndSign) {
  EXPECT_EQ(formatNumber(12.5, "####0"), "12");
  EXPECT_EQ(formatNumber(13.5, "####0"), "14");
  EXPECT_EQ(formatNumber(-2.25, "#0.0"), "-2.2");
  EXPECT_EQ(formatNumber(0.125, "0.00"), "0.12");
  EXPECT_EQ(formatNumber(0.375, "0.00"), "0.38");
  EXPECT_EQ(formatNumber(9.96, "0.0"), "10.0");
  EXPECT_EQ(formatNumber(-0.04, "0.0"), "0.0");  // no sign on a value shown as zero
  EXPECT_EQ(formatNumber(0.05f, "0.00"), "0.05");
  EXPECT_EQ(formatNumber(2.675f, "0.00"), "2.67");  // 2.67499995... as a single
  EXPECT_EQ(formatNumber(1e20, "0"), "100000000000000000000");
}

TEST(FormatNumber, UnusualMasks) {
  EXPECT_EQ(formatNumber(2.5, ""), "2.5");
  EXPECT_EQ(formatNumber(2.5, " V"), "2.5 V");
  EXPECT_EQ(formatNumber(std::numeric_limits<double>::infinity(), "0.0 s"), "Infinity s");
}

TEST(NumberText, ExamplesFromTheProjects) {
  EXPECT_EQ("Totals For" + numberText(37) + " Flips", "Totals For 37 Flips");
  EXPECT_EQ(numberText(0.5), " .5");
  EXPECT_EQ(numberText(-0.5), "-.5");
  EXPECT_EQ(numberText(0.0), " 0");
  EXPECT_EQ(numberText(-0.0), " 0");
  EXPECT_EQ(numberText(int16_t{-12}), "-12");
  EXPECT_EQ(numberText(101.6f), " 101.6");
  EXPECT_EQ(numberText(-6.1f), "-6.1");
  EXPECT_EQ(numberText(4988.66f), " 4988.66");
}

TEST(NumberText, SignificantDigitsAndExponentForm) {
  EXPECT_EQ(numberText(0.00001f), " 1E-05");
  EXPECT_EQ(numberText(0.0001f), " .0001");
  EXPECT_EQ(numberText(12345678.0f), " 1.234568E+07");
  EXPECT_EQ(numberText(9999999.0f), " 9999999");
  EXPECT_EQ(numberText(1.0f / 3.0f), " .3333333");
  EXPECT_EQ(numberText(0.1 + 0.2), " .3");
  EXPECT_EQ(numberText(1.0 / 3.0), " .333333333333333");
  EXPECT_EQ(numberText(1e15), " 1E+15");
  EXPECT_EQ(numberText(123456789012345.0), " 123456789012345");
  EXPECT_EQ(numberText(-2.5e-300), "-2.5E-300");
}

TEST(SettingsNumber, FreshSettingsValues) {
  const std::pair<float, const char*> cases[] = {
      {0.05f, ".05"},    {-0.5f, "-.5"},    {45.0f, "45"},
      {-115.0f, "-115"}, {101.6f, "101.6"}, {907.0295f, "907.0295"},
      {7.62f, "7.62"},   {15.24f, "15.24"}, {141.7234f, "141.7234"},
      {3.9f, "3.9"},     {-6.1f, "-6.1"},   {1e-5f, "1E-05"},
      {5000.0f, "5000"}, {0.2f, ".2"},
  };
  for (auto [value, text] : cases) EXPECT_EQ(rt::settingsNumber(value), text) << text;
  EXPECT_EQ(rt::settingsNumber(int16_t{-9}), "-9");
  EXPECT_EQ(rt::settingsNumber(int16_t{32767}), "32767");
}

TEST(LeadingNumber, TakesTheLeadingNumber) {
  EXPECT_EQ(rt::leadingNumber("12abc"), 12.0);
  EXPECT_EQ(rt::leadingNumber(" .5"), 0.5);
  EXPECT_EQ(rt::leadingNumber("\t-3.5e2x"), -350.0);
  EXPECT_EQ(rt::leadingNumber("abc"), 0.0);
  EXPECT_EQ(rt::leadingNumber(""), 0.0);
  EXPECT_EQ(rt::leadingNumber("1e"), 1.0);
  EXPECT_EQ(rt::leadingNumber("1e+"), 1.0);
  EXPECT_EQ(rt::leadingNumber("-"), 0.0);
  EXPECT_EQ(rt::leadingNumber("+7."), 7.0);
  EXPECT_EQ(rt::leadingNumber("1e-999"), 0.0);
  EXPECT_THROW(rt::leadingNumber("1e999"), rt::RuntimeError);
}

TEST(ParseNumber, WholeItemOnly) {
  EXPECT_EQ(rt::parseNumber(".05"), 0.05);
  EXPECT_EQ(rt::parseNumber("0.05"), 0.05);
  EXPECT_EQ(rt::parseNumber("-5"), -5.0);
  EXPECT_EQ(rt::parseNumber("5E-2"), 0.05);
  EXPECT_EQ(rt::parseNumber("  907.0295 "), 907.0295);
  EXPECT_FALSE(rt::parseNumber("12abc"));
  EXPECT_FALSE(rt::parseNumber("1e999"));
  EXPECT_FALSE(rt::parseNumber("1e"));
  EXPECT_FALSE(rt::parseNumber(""));
  EXPECT_FALSE(rt::parseNumber("."));
  EXPECT_FALSE(rt::parseNumber("- 5"));
  EXPECT_FALSE(rt::parseNumber("inf"));
  EXPECT_FALSE(rt::parseNumber("nan"));
}

}  // namespace
