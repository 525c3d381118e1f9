#include "runtime/convert.h"

#include <cmath>

namespace rt {

RuntimeError::RuntimeError(int number) : RuntimeError(number, defaultMessage(number)) {}

RuntimeError::RuntimeError(int number, const std::string& message) : std::runtime_error(message), number(number) {}

std::string RuntimeError::defaultMessage(int number) {
  switch (number) {
    case 5: return "Invalid procedure call";
    case 6: return "Overflow";
    case 13: return "Type mismatch";
    case 52: return "Bad file name or number";
    case 53: return "File not found";
    case 55: return "File already open";
    case 57: return "Device I/O error";
    case 61: return "Disk full";
    case 62: return "Input past end of file";
    case 70: return "Permission denied";
    case 75: return "Path/File access error";
    case 76: return "Path not found";
    default: return "Error " + std::to_string(number);
  }
}

namespace {

// Nearest integer with exact halves to even, independent of the current
// floating-point rounding mode.
double roundHalfEven(double x) {
  double lower = std::floor(x);
  // Exact for |x| >= 1 (the operands are within a factor of two); inside
  // (-1, 0) any rounding happens only far from the half.
  double diff = x - lower;
  if (diff > 0.5) return lower + 1.0;
  if (diff < 0.5) return lower;
  return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

template <typename Result>
Result roundChecked(double x, double lowest, double highest) {
  if (!std::isfinite(x)) throw RuntimeError(6);
  double r = roundHalfEven(x);
  if (r < lowest || r > highest) throw RuntimeError(6);
  return static_cast<Result>(r);
}

}  // namespace

int16_t roundToInt16(double x) { return roundChecked<int16_t>(x, -32768.0, 32767.0); }
int32_t roundToInt32(double x) { return roundChecked<int32_t>(x, -2147483648.0, 2147483647.0); }

double roundDown(double x) { return std::floor(x); }
float roundDown(float x) { return std::floor(x); }
double roundTowardZero(double x) { return std::trunc(x); }
float roundTowardZero(float x) { return std::trunc(x); }

}  // namespace rt
