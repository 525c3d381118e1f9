#pragma once

// Numeric conversions shared by every project, and the numbered run-time error
// that the runtime raises when a file or a conversion fails.

#include <concepts>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace rt {

// A numbered run-time error. The number is what the program reports and what
// callers test; the message is the standard wording for that number.
struct RuntimeError : std::runtime_error {
  int number;

  explicit RuntimeError(int number);
  RuntimeError(int number, const std::string& message);

  // The standard wording for an error number ("Error <n>" for numbers without one).
  static std::string defaultMessage(int number);
};

// Round to the nearest integer, exact halves to the even neighbour.
// Throws RuntimeError(6) when the rounded value does not fit, or for NaN/infinity.
int16_t roundToInt16(double x);
int32_t roundToInt32(double x);

// Largest integer not above x: roundDown(-2.5) == -3.
double roundDown(double x);
float roundDown(float x);
// Truncation towards zero: roundTowardZero(-2.5) == -2.
double roundTowardZero(double x);
float roundTowardZero(float x);

// Integer arguments are already whole.
template <std::integral T>
constexpr T roundDown(T x) {
  return x;
}
template <std::integral T>
constexpr T roundTowardZero(T x) {
  return x;
}

}  // namespace rt
