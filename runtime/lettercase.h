#pragma once

// Names typed by the user are kept as UTF-8 bytes. These routines count, cut and put into
// capitals by letters, never by bytes, so a name is never split inside a letter.

#include <cstddef>
#include <string>

namespace rt {

// Whether the bytes are well-formed UTF-8: no stray or missing continuation bytes, no
// overlong forms, no surrogates, nothing beyond U+10FFFF.
bool isUtf8(const std::string& s);

// The first `letters` letters of a UTF-8 text: a letter is one character with the combining
// marks that follow it (an accent typed as a character of its own stays with its letter).
// Bytes that are not UTF-8 count as one letter each.
std::string leftLetters(const std::string& s, std::size_t letters);

// The text in capitals: every letter that has one capital form takes it (a to A, é to É, ω
// to Ω); letters without one (ß) stay as they are. Bytes that are not UTF-8 are left as
// they are, apart from the letters a to z.
std::string upperCase(const std::string& s);

// Whether two names are equal regardless of letter case, by the rule of upperCase.
bool equalIgnoringCase(const std::string& a, const std::string& b);

}  // namespace rt
