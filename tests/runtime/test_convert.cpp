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

TEST(CInt, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(rt::CInt(0.5), 0);
  EXPECT_EQ(rt::CInt(1.5), 2);
  EXPECT_EQ(rt::CInt(2.5), 2);
  EXPECT_EQ(rt::CInt(3.5), 4);
  EXPECT_EQ(rt::CInt(-0.5), 0);
  EXPECT_EQ(rt::CInt(-1.5), -2);
  EXPECT_EQ(rt::CInt(-2.5), -2);
  EXPECT_EQ(rt::CInt(2.5000001), 3);
  EXPECT_EQ(rt::CInt(-0.49999999999999994), 0);
  EXPECT_EQ(rt::CInt(2.4f), 2);
}

TEST(CInt, RangeLimits) {
  EXPECT_EQ(rt::CInt(32767.4), 32767);
  EXPECT_EQ(rt::CInt(-32768.4), -32768);
  EXPECT_EQ(rt::CInt(-32768.5), -32768);                 // tie goes to the even -32768
  EXPECT_EQ(errorNumber([] { rt::CInt(32767.5); }), 6);  // tie goes to 32768
  EXPECT_EQ(errorNumber([] { rt::CInt(-32768.6); }), 6);
  EXPECT_EQ(errorNumber([] { rt::CInt(std::nan("")); }), 6);
  EXPECT_EQ(errorNumber([] { rt::CInt(std::numeric_limits<double>::infinity()); }), 6);
}

TEST(CLng, RoundsAndChecksRange) {
  EXPECT_EQ(rt::CLng(2.5), 2);
  EXPECT_EQ(rt::CLng(-3.5), -4);
  EXPECT_EQ(rt::CLng(2147483647.4), 2147483647);
  EXPECT_EQ(rt::CLng(-2147483648.0), -2147483647 - 1);
  EXPECT_EQ(errorNumber([] { rt::CLng(2147483647.5); }), 6);
  EXPECT_EQ(errorNumber([] { rt::CLng(1e12); }), 6);
}

TEST(IntFix, FloorAgainstTruncation) {
  EXPECT_EQ(rt::Int(-2.5), -3.0);
  EXPECT_EQ(rt::Fix(-2.5), -2.0);
  EXPECT_EQ(rt::Int(2.7), 2.0);
  EXPECT_EQ(rt::Fix(2.7), 2.0);
  EXPECT_EQ(rt::Int(-0.1f), -1.0f);
  EXPECT_EQ(rt::Fix(-0.1f), 0.0f);
  static_assert(std::is_same_v<decltype(rt::Int(1.0f)), float>);
  EXPECT_EQ(rt::Int(7), 7);
}

TEST(RuntimeError, CarriesNumberAndMessage) {
  rt::RuntimeError e(62);
  EXPECT_EQ(e.number, 62);
  EXPECT_STREQ(e.what(), "Input past end of file");
  EXPECT_STREQ(rt::RuntimeError(76).what(), "Path not found");
}

TEST(Colour, LayoutAndNumberedColours) {
  constexpr rt::Colour c = rt::RGB(1, 2, 3);
  static_assert(c == 0x00030201u);
  static_assert(rt::redOf(c) == 1 && rt::greenOf(c) == 2 && rt::blueOf(c) == 3);
  EXPECT_EQ(rt::RGB(300, -4, 255), rt::RGB(255, 0, 255));

  EXPECT_EQ(rt::QBColor(0), rt::RGB(0, 0, 0));
  EXPECT_EQ(rt::QBColor(1), rt::RGB(0, 0, 128));
  EXPECT_EQ(rt::QBColor(4), rt::RGB(128, 0, 0));
  EXPECT_EQ(rt::QBColor(6), rt::RGB(128, 128, 0));
  EXPECT_EQ(rt::QBColor(7), rt::RGB(192, 192, 192));
  EXPECT_EQ(rt::QBColor(8), rt::RGB(128, 128, 128));
  EXPECT_EQ(rt::QBColor(9), rt::RGB(0, 0, 255));
  EXPECT_EQ(rt::QBColor(12), rt::RGB(255, 0, 0));
  EXPECT_EQ(rt::QBColor(14), rt::RGB(255, 255, 0));
  EXPECT_EQ(rt::QBColor(15), rt::RGB(255, 255, 255));
  EXPECT_EQ(errorNumber([] { rt::QBColor(16); }), 5);
  EXPECT_EQ(errorNumber([] { rt::QBColor(-1); }), 5);
}

}  // namespace
