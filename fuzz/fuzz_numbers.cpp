// The two number readers on any text: the lenient one (leadingNumber: the leading number, the rest
// ignored) and the strict one (parseNumber: the whole item or nothing, as the settings file
// and the weather log read numbers). The strict reader may only accept what the lenient one
// reads the same way, and every number either reads is written (numberText, and the settings file's
// form) as a text that reads back to the same number, to the digits written.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz/require.h"
#include "runtime/convert.h"
#include "runtime/numfmt.h"

namespace {

bool sameNumber(double a, double b) { return a == b && std::signbit(a) == std::signbit(b); }

// Within the rounding of `digits` significant digits.
bool close(double a, double b, int digits) { return std::fabs(a - b) <= std::fabs(a) * std::pow(10.0, 1 - digits); }

void checkDouble(double v) {
  const std::string text = rt::numberText(v);
  const double back = rt::leadingNumber(text);
  FUZZ_REQUIRE(close(v, back, 15));
  FUZZ_REQUIRE(rt::numberText(back) == text);
  const auto strict = rt::parseNumber(text);
  FUZZ_REQUIRE(strict && sameNumber(*strict, back));
}

// Seven digits cannot tell every single from its neighbours: a single just above a power of
// ten is written as that power, which reads back as the single just below it. So the text
// written from the number read back may differ once in its last digit; from then on it stays.
void checkSingle(float v) {
  const std::string text = rt::numberText(v);
  const float back = float(rt::leadingNumber(text));
  FUZZ_REQUIRE(close(v, back, 7));
  const std::string again = rt::numberText(back);
  FUZZ_REQUIRE(rt::numberText(float(rt::leadingNumber(again))) == again);

  const std::string stored = rt::settingsNumber(v);
  const auto read = rt::parseNumber(stored);
  FUZZ_REQUIRE(read && close(v, *read, 7));
  const std::string storedAgain = rt::settingsNumber(float(*read));
  const auto readAgain = rt::parseNumber(storedAgain);
  FUZZ_REQUIRE(readAgain && rt::settingsNumber(float(*readAgain)) == storedAgain);
}

void checkInteger(double v) {
  int16_t i = 0;
  try {
    i = rt::roundToInt16(v);
  } catch (const rt::RuntimeError& e) {
    FUZZ_REQUIRE(e.number == 6);
    FUZZ_REQUIRE(!(std::fabs(v) < 32767.5));
    return;
  }
  FUZZ_REQUIRE(std::fabs(double(i) - v) <= 0.5);
  const auto read = rt::parseNumber(rt::settingsNumber(i));
  FUZZ_REQUIRE(read && *read == double(i));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  std::optional<double> lenient;
  try {
    lenient = rt::leadingNumber(text);
  } catch (const rt::RuntimeError& e) {
    FUZZ_REQUIRE(e.number == 6);  // too large for a double
  }
  const std::optional<double> strict = rt::parseNumber(text);

  if (strict) {
    FUZZ_REQUIRE(std::isfinite(*strict));
    FUZZ_REQUIRE(lenient && sameNumber(*lenient, *strict));
  }
  if (!lenient) return 0;
  FUZZ_REQUIRE(std::isfinite(*lenient));

  const double v = *lenient;
  checkDouble(v);
  if (std::fabs(v) <= double(std::numeric_limits<float>::max())) checkSingle(float(v));
  checkInteger(v);
  return 0;
}
