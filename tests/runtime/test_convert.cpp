#include "runtime/colour.h"
#include "runtime/convert.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <type_traits>

namespace {

int errorNumber(auto&& f) {
  try {
    f();
  } catch (const rt::RuntimeError& e) {
    return e.number;
  }
  return 0;
}

TEST(roundToInt16, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(rt::roundToInt16(0.5), 0);
  EXPECT_EQ(rt::roundToInt16(1.5), 2);
  EXPECT_EQ(rt::roundToInt16(2.5), 2);
  EXPECT_EQ(rt::roundToInt16(3.5), 4);
  EXPECT_EQ(rt::roundToInt16(-0.5), 0);
  EXPECT_EQ(rt::roundToInt16(-1.5), -2);
  EXPECT_EQ(rt::roundToInt16(-2.5), -2);
  EXPECT_EQ(rt::roundToInt16(2.5000001), 3);
  EXPECT_EQ(rt::roundToInt16(-0.49999999999999994), 0);
  EXPECT_EQ(rt::roundToInt16(2.4f), 2);
}

TEST(roundToInt16, RangeLimits) {
  EXPECT_EQ(rt::roundToInt16(32767.4), 32767);
  EXPECT_EQ(rt::roundToInt16(-32768.4), -32768);
  EXPECT_EQ(rt::roundToInt16(-32768.5), -32768);                 // tie goes to the even -32768
  EXPECT_EQ(errorNumber([] { rt::roundToInt16(32767.5); }), 6);  // tie goes to 32768
  EXPECT_EQ(errorNumber([] { rt::roundToInt16(-32768.6); }), 6);
  EXPECT_EQ(errorNumber([] { rt::roundToInt16(std::nan("")); }), 6);
  EXPECT_EQ(errorNumber([] { rt::roundToInt16(std::numeric_limits<double>::infinity()); }), 6);
}

TEST(roundToInt32, RoundsAndChecksRange) {
  EXPECT_EQ(rt::roundToInt32(2.5), 2);
  EXPECT_EQ(rt::roundToInt32(-3.5), -4);
  EXPECT_EQ(rt::roundToInt32(2147483647.4), 2147483647);
  EXPECT_EQ(rt::roundToInt32(-2147483648.0), -2147483647 - 1);
  EXPECT_EQ(errorNumber([] { rt::roundToInt32(2147483647.5); }), 6);
  EXPECT_EQ(errorNumber([] { rt::roundToInt32(1e12); }), 6);
}

TEST(IntFix, FloorAgainstTruncation) {
  EXPECT_EQ(rt::roundDown(-2.5), -3.0);
  EXPECT_EQ(rt::roundTowardZero(-2.5), -2.0);
  EXPECT_EQ(rt::roundDown(2.7), 2.0);
  EXPECT_EQ(rt::roundTowardZero(2.7), 2.0);
  EXPECT_EQ(rt::roundDown(-0.1f), -1.0f);
  EXPECT_EQ(rt::roundTowardZero(-0.1f), 0.0f);
  static_assert(std::is_same_v<decltype(rt::roundDown(1.0f)), float>);
  EXPECT_EQ(rt::roundDown(7), 7);
}

TEST(RuntimeError, CarriesNumberAndMessage) {
  rt::RuntimeError e(62);
  EXPECT_EQ(e.number, 62);
  EXPECT_STREQ(e.what(), "Input past end of file");
  EXPECT_STREQ(rt::RuntimeError(76).what(), "Path not found");
}

TEST(Colour, LayoutAndNumberedColours) {
  constexpr rt::Colour c = rt::rgb(1, 2, 3);
  static_assert(c == 0x00030201u);
  static_assert(rt::redOf(c) == 1 && rt::greenOf(c) == 2 && rt::blueOf(c) == 3);
  EXPECT_EQ(rt::rgb(300, -4, 255), rt::rgb(255, 0, 255));

  EXPECT_EQ(rt::numberedColour(0), rt::rgb(0, 0, 0));
  EXPECT_EQ(rt::numberedColour(1), rt::rgb(0, 0, 128));
  EXPECT_EQ(rt::numberedColour(4), rt::rgb(128, 0, 0));
  EXPECT_EQ(rt::numberedColour(6), rt::rgb(128, 128, 0));
  EXPECT_EQ(rt::numberedColour(7), rt::rgb(192, 192, 192));
  EXPECT_EQ(rt::numberedColour(8), rt::rgb(128, 128, 128));
  EXPECT_EQ(rt::numberedColour(9), rt::rgb(0, 0, 255));
  EXPECT_EQ(rt::numberedColour(12), rt::rgb(255, 0, 0));
  EXPECT_EQ(rt::numberedColour(14), rt::rgb(255, 255, 0));
  EXPECT_EQ(rt::numberedColour(15), rt::rgb(255, 255, 255));
  EXPECT_EQ(errorNumber([] { rt::numberedColour(16); }), 5);
  EXPECT_EQ(errorNumber([] { rt::numberedColour(-1); }), 5);
}

}  // namespace
