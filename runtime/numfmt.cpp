#include "runtime/numfmt.h"

#include "runtime/convert.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>
#include <vector>

// All conversions go through <charconv>: it rounds exactly (ties to even on the
// binary value) and never depends on the process locale, which the GUI sets
// from the environment.

namespace rt {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

// |v| with exactly `decimals` places, e.g. "3.14" or "20" for no places.
std::string fixedText(double v, int decimals) {
  std::vector<char> buf(static_cast<std::size_t>(decimals) + 330);
  auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(v), std::chars_format::fixed, decimals);
  if (ec != std::errc{}) return "0";  // cannot happen with the buffer sized above
  return std::string(buf.data(), end);
}

std::string nonFiniteText(double v) {
  if (std::isnan(v)) return "NaN";
  return v < 0 ? "-Infinity" : "Infinity";
}

// The number text without the leading blank, rounded to `precision` significant digits.
std::string generalText(double v, int precision) {
  if (!std::isfinite(v)) return nonFiniteText(v);
  if (v == 0.0) return "0";

  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, precision - 1);
  if (ec != std::errc{}) return "0";
  std::string_view sci(buf, static_cast<std::size_t>(end - buf));  // "d.ddde+XX"
  std::size_t e = sci.find('e');

  std::string digits;
  for (char c : sci.substr(0, e))
    if (isDigit(c)) digits += c;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string_view expText = sci.substr(e + 1);
  if (!expText.empty() && expText.front() == '+') expText.remove_prefix(1);
  int exponent = 0;
  std::from_chars(expText.data(), expText.data() + expText.size(), exponent);

  std::string out = v < 0 ? "-" : "";
  if (exponent < -4 || exponent >= precision) {
    out += digits[0];
    if (digits.size() > 1) {
      out += '.';
      out.append(digits, 1);
    }
    out += 'E';
    out += exponent < 0 ? '-' : '+';
    std::string mag = std::to_string(std::abs(exponent));
    if (mag.size() < 2) mag.insert(0, "0");
    out += mag;
  } else if (exponent >= 0) {
    std::size_t intDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= intDigits) {
      out += digits;
      out.append(intDigits - digits.size(), '0');
    } else {
      out.append(digits, 0, intDigits);
      out += '.';
      out.append(digits, intDigits);
    }
  } else {
    out += '.';
    out.append(static_cast<std::size_t>(-exponent - 1), '0');
    out += digits;
  }
  return out;
}

std::string withSignBlank(std::string text) {
  if (text.empty() || text.front() != '-') text.insert(0, " ");
  return text;
}

// Length of the number at the start of s: [sign] digits [. digits] [E [sign] digits].
// The exponent only counts when at least one digit follows it. mantissaDigits
// reports how many digits the mantissa has (0 means there is no number).
std::size_t scanNumber(std::string_view s, std::size_t& mantissaDigits) {
  std::size_t i = 0;
  mantissaDigits = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  while (i < s.size() && isDigit(s[i])) ++i, ++mantissaDigits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && isDigit(s[i])) ++i, ++mantissaDigits;
  }
  if (mantissaDigits == 0) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && isDigit(s[j])) {
      while (j < s.size() && isDigit(s[j])) ++j;
      i = j;
    }
  }
  return i;
}

enum class Conversion { Ok, Overflow };

// Converts a text already checked by scanNumber. Underflow gives a (signed) zero.
Conversion convert(std::string_view number, double& result) {
  bool negative = false;
  if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
    negative = number.front() == '-';
    number.remove_prefix(1);
  }
  double value = 0.0;
  auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::general);
  (void)ptr;
  if (ec == std::errc::result_out_of_range) {
    // Decide between too large and too small from the decimal exponent:
    // position of the first significant digit plus the written exponent.
    long long scale = 0;
    bool seenPoint = false, seenSignificant = false;
    std::size_t i = 0;
    for (; i < number.size() && (isDigit(number[i]) || number[i] == '.'); ++i) {
      char c = number[i];
      if (c == '.') {
        seenPoint = true;
        continue;
      }
      if (!seenSignificant && c != '0') seenSignificant = true;
      if (seenSignificant && !seenPoint) ++scale;
      if (!seenSignificant && seenPoint) --scale;
    }
    if (i < number.size()) {  // exponent
      std::string_view expText = number.substr(i + 1);
      bool expNegative = !expText.empty() && expText.front() == '-';
      if (!expText.empty() && (expText.front() == '+' || expText.front() == '-')) expText.remove_prefix(1);
      long long expValue = 0;
      for (char c : expText) {
        expValue = expValue * 10 + (c - '0');
        if (expValue > 1'000'000) break;  // far beyond any double
      }
      scale += expNegative ? -expValue : expValue;
    }
    if (seenSignificant && scale > 0) return Conversion::Overflow;
    value = 0.0;
  } else if (ec != std::errc{}) {
    value = 0.0;
  }
  result = negative ? -value : value;
  return Conversion::Ok;
}

std::string_view trimBlanks(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace

std::string formatNumber(double value, std::string_view mask) {
  std::size_t numberEnd = 0;
  while (numberEnd < mask.size() && (mask[numberEnd] == '0' || mask[numberEnd] == '#' || mask[numberEnd] == '.'))
    ++numberEnd;
  std::string_view numberPart = mask.substr(0, numberEnd);
  std::string_view literal = mask.substr(numberEnd);

  if (numberPart.empty()) return generalText(value, 15) + std::string(literal);
  if (!std::isfinite(value)) return nonFiniteText(value) + std::string(literal);

  std::size_t point = numberPart.find('.');
  std::string_view integerMask = numberPart.substr(0, point);
  int decimals = 0;
  if (point != std::string_view::npos)
    for (char c : numberPart.substr(point + 1))
      if (c == '0' || c == '#') ++decimals;

  std::size_t minIntegerDigits = 0;
  if (std::size_t firstZero = integerMask.find('0'); firstZero != std::string_view::npos)
    for (char c : integerMask.substr(firstZero))
      if (c == '0' || c == '#') ++minIntegerDigits;

  std::string text = fixedText(value, decimals);
  std::size_t textPoint = text.find('.');
  std::string integerDigits = text.substr(0, textPoint);
  std::string fraction = textPoint == std::string::npos ? "" : text.substr(textPoint + 1);

  if (integerDigits == "0") integerDigits.clear();
  if (integerDigits.size() < minIntegerDigits) integerDigits.insert(0, minIntegerDigits - integerDigits.size(), '0');

  bool roundsToZero = text.find_first_not_of("0.") == std::string::npos;
  std::string out = (value < 0 && !roundsToZero) ? "-" : "";
  out += integerDigits;
  if (point != std::string_view::npos) {
    out += '.';
    out += fraction;
  }
  out += literal;
  return out;
}

std::string numberText(double v) { return withSignBlank(generalText(v, 15)); }
std::string numberText(float v) { return withSignBlank(generalText(static_cast<double>(v), 7)); }
std::string numberText(long long v) { return withSignBlank(std::to_string(v)); }
std::string numberText(long v) { return numberText(static_cast<long long>(v)); }
std::string numberText(int v) { return numberText(static_cast<long long>(v)); }
std::string numberText(int16_t v) { return numberText(static_cast<long long>(v)); }

std::string settingsNumber(float v) { return generalText(static_cast<double>(v), 7); }
std::string settingsNumber(int16_t v) { return std::to_string(v); }

double leadingNumber(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  std::size_t digits = 0;
  std::size_t length = scanNumber(text, digits);
  if (length == 0) return 0.0;
  double value = 0.0;
  if (convert(text.substr(0, length), value) == Conversion::Overflow) throw RuntimeError(6);
  return value;
}

std::optional<double> parseNumber(std::string_view item) {
  item = trimBlanks(item);
  std::size_t digits = 0;
  std::size_t length = scanNumber(item, digits);
  if (length == 0 || length != item.size()) return std::nullopt;
  double value = 0.0;
  if (convert(item, value) == Conversion::Overflow) return std::nullopt;
  return value;
}

}  // namespace rt
