#pragma once
// What a read-out shows for a number, worked out apart from the program's own formatting, for
// tests that sweep a conversion over many values: the C library's fixed-point printing, which
// rounds the exact binary value to the mask's places (exact ties to even), as the read-outs'
// masks ("###0.0", "####0", ...) do. A negative value that rounds to zero shows no sign.

#include <cstdio>
#include <string>

inline std::string fixedReadout(double value, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  std::string t(text);
  if (t[0] == '-' && t.find_first_not_of("-0.") == std::string::npos) t.erase(0, 1);
  return t;
}
