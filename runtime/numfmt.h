#pragma once

// Number texts: masked display (formatNumber), the plain number text (numberText), the form
// numbers take in the settings file, and reading numbers back from text.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rt {

// Writes value through a mask such as "##0.0 s" or "0.00 Seconds". The leading
// run of '0', '#' and '.' is the number part; the rest is copied after the number.
// Every digit position after the point is a written decimal place (the value is
// rounded to that many places, exact ties to even). Before the point the whole
// integer part is written; the digit positions from the first '0' up to the
// point are the minimum number of integer digits ("##0" writes 0 as "0",
// "#.0" writes 0.5 as ".5"). A negative value that does not round to zero gets
// a leading '-'. A mask without any digit position or point writes the plain
// number text (without the leading blank) followed by the mask.
std::string formatNumber(double value, std::string_view mask);

// The plain number text: a leading blank for values that are not negative, no
// zero before the point below 1, no trailing zeros. Doubles keep 15 significant
// digits, singles 7; exponent form below 1E-4 or from 10^digits upwards.
std::string numberText(double v);
std::string numberText(float v);
std::string numberText(long long v);
std::string numberText(long v);
std::string numberText(int v);
std::string numberText(int16_t v);

// The settings file's form of a number: numberText without the leading blank.
std::string settingsNumber(float v);
std::string settingsNumber(int16_t v);

// The leading number of text; the rest is ignored. No number gives 0.
// Throws RuntimeError(6) when the number is too large for a double.
double leadingNumber(std::string_view text);

// The whole item (blanks around it aside) as a finite number, otherwise nullopt.
std::optional<double> parseNumber(std::string_view item);

}  // namespace rt
