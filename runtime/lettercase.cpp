#include "runtime/lettercase.h"

#include <locale.h>
#include <wctype.h>

namespace rt {

namespace {

constexpr char32_t kInvalid = 0xFFFFFFFF;

// The character that starts at `at`, and moves `at` past it; kInvalid (moving one byte) for
// bytes that do not start a well-formed character.
char32_t decodeAt(const std::string& s, std::size_t& at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) {
    ++at;
    return lead;
  }
  std::size_t length = 0;
  char32_t c = 0;
  char32_t least = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, c = lead & 0x1Fu, least = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, c = lead & 0x0Fu, least = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, c = lead & 0x07u, least = 0x10000;
  } else {
    ++at;
    return kInvalid;
  }
  if (at + length > s.size()) {
    ++at;
    return kInvalid;
  }
  for (std::size_t i = 1; i < length; ++i) {
    const unsigned char next = byte(at + i);
    if ((next & 0xC0u) != 0x80u) {
      ++at;
      return kInvalid;
    }
    c = (c << 6) | (next & 0x3Fu);
  }
  if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    ++at;
    return kInvalid;
  }
  at += length;
  return c;
}

void encode(char32_t c, std::string& out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Marks that are written after the letter they stand on, and the joiners and variant
// selectors that bind a character to the one before it.
bool bindsToPrevious(char32_t c) {
  return (c >= 0x0300 && c <= 0x036F) || (c >= 0x1AB0 && c <= 0x1AFF) || (c >= 0x1DC0 && c <= 0x1DFF) ||
         (c >= 0x20D0 && c <= 0x20FF) || (c >= 0xFE20 && c <= 0xFE2F) || (c >= 0xFE00 && c <= 0xFE0F) || c == 0x200D;
}

// The case rules for every letter come from the C library's UTF-8 character tables, which
// do not depend on the language the user's session is set to; without those tables only
// a to z have capitals.
locale_t utf8Tables() {
  static locale_t tables = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(nullptr));
  return tables;
}

char32_t upper(char32_t c) {
  if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
  if (c < 0x80) return c;
  const locale_t tables = utf8Tables();
  if (tables == locale_t(nullptr)) return c;
  const auto u = static_cast<char32_t>(towupper_l(static_cast<wint_t>(c), tables));
  // A capital must be a character a name can hold.
  return (u == 0 || u > 0x10FFFF || (u >= 0xD800 && u <= 0xDFFF)) ? c : u;
}

}  // namespace

bool isUtf8(const std::string& s) {
  for (std::size_t at = 0; at < s.size();)
    if (decodeAt(s, at) == kInvalid) return false;
  return true;
}

std::string leftLetters(const std::string& s, std::size_t letters) {
  std::size_t at = 0;
  std::size_t counted = 0;
  while (at < s.size()) {
    std::size_t next = at;
    const char32_t c = decodeAt(s, next);
    if (c == kInvalid || !bindsToPrevious(c) || counted == 0) {
      if (counted == letters) break;
      ++counted;
    }
    at = next;
  }
  return s.substr(0, at);
}

std::string upperCase(const std::string& s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t at = 0; at < s.size();) {
    const std::size_t start = at;
    const char32_t c = decodeAt(s, at);
    if (c == kInvalid)
      out += s[start];
    else
      encode(upper(c), out);
  }
  return out;
}

bool equalIgnoringCase(const std::string& a, const std::string& b) { return a == b || upperCase(a) == upperCase(b); }

}  // namespace rt
