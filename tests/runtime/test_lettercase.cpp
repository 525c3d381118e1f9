// Names counted, cut and put into capitals by letters: UTF-8 text is never split inside a
// letter, and accented letters take their capitals as a to z do.

#include <gtest/gtest.h>

#include "runtime/lettercase.h"

namespace {

TEST(LetterCase, WellFormedUtf8IsToldFromStrayBytes) {
  EXPECT_TRUE(rt::isUtf8(""));
  EXPECT_TRUE(rt::isUtf8("MARCH"));
  EXPECT_TRUE(rt::isUtf8("a\xC3\xA9"));                     // aé
  EXPECT_TRUE(rt::isUtf8("\xE2\x82\xAC\xF0\x9F\x8C\xA7"));  // the euro sign, a cloud with rain
  EXPECT_FALSE(rt::isUtf8("A\xC3"));                        // a letter cut after its first byte
  EXPECT_FALSE(rt::isUtf8("\xC9T\xC9"));                    // ÉTÉ in a single-byte code page
  EXPECT_FALSE(rt::isUtf8("\xC0\xAF"));                     // an overlong "/"
  EXPECT_FALSE(rt::isUtf8("\xED\xA0\x80"));                 // a surrogate
  EXPECT_FALSE(rt::isUtf8("\xF4\x90\x80\x80"));             // beyond U+10FFFF
  EXPECT_FALSE(rt::isUtf8("\xA9"));                         // a continuation byte alone
}

TEST(LetterCase, TextIsCutByLettersNeverInsideOne) {
  EXPECT_EQ(rt::leftLetters("september2026", 8), "septembe");
  EXPECT_EQ(rt::leftLetters("abc", 8), "abc");
  // aéééé is nine bytes: the eighth byte starts the last é, which stays whole.
  EXPECT_EQ(rt::leftLetters("a\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", 8), "a\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9");
  // Nine accented letters (18 bytes) keep eight (16 bytes).
  const std::string nine = "\xC3\xA9\xC3\xA8\xC3\xAA\xC3\xAB\xC3\xA0\xC3\xA2\xC3\xA4\xC3\xB4\xC3\xBC";
  EXPECT_EQ(rt::leftLetters(nine, 8), nine.substr(0, 16));
  // An accent typed as a mark of its own stays with its letter: e + U+0301 is one letter.
  EXPECT_EQ(rt::leftLetters("abcdefge\xCC\x81xyz", 8), "abcdefge\xCC\x81");
  EXPECT_EQ(rt::leftLetters("\xE6\x97\xA5\xE6\x9C\xAC", 1), "\xE6\x97\xA5");
  EXPECT_EQ(rt::leftLetters("abc", 0), "");
  // Stray bytes count one each, so nothing is lost beyond the cut.
  EXPECT_EQ(rt::leftLetters("\xC9T\xC9T\xC9T\xC9T\xC9T", 8), "\xC9T\xC9T\xC9T\xC9T");
}

TEST(LetterCase, EveryLetterWithACapitalTakesIt) {
  EXPECT_EQ(rt::upperCase("abc xyz 19"), "ABC XYZ 19");
  EXPECT_EQ(rt::upperCase("a\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"), "A\xC3\x89\xC3\x89\xC3\x89\xC3\x89");  // AÉÉÉÉ
  EXPECT_EQ(rt::upperCase("\xCF\x89"), "\xCE\xA9");                                                    // ω to Ω
  EXPECT_EQ(rt::upperCase("\xD0\xBB\xD0\xB5\xD1\x82\xD0\xBE"), "\xD0\x9B\xD0\x95\xD0\xA2\xD0\x9E");    // лето
  EXPECT_EQ(rt::upperCase("stra\xC3\x9F"
                          "e"),
            "STRA\xC3\x9F"
            "E");                                                      // ß has no one capital
  EXPECT_EQ(rt::upperCase("e\xCC\x81"), "E\xCC\x81");                  // the mark stays
  EXPECT_EQ(rt::upperCase("\xC3\x89T\xC3\x89"), "\xC3\x89T\xC3\x89");  // capitals stay
  // Bytes that are not UTF-8 stay as they are; only a to z among them change.
  EXPECT_EQ(rt::upperCase("\xE9t\xE9"), "\xE9T\xE9");
  EXPECT_EQ(rt::upperCase("A\xC3"), "A\xC3");
}

TEST(LetterCase, NamesMatchRegardlessOfTheCaseOfAnyLetter) {
  EXPECT_TRUE(rt::equalIgnoringCase("Scores.DAT", "scores.dat"));
  EXPECT_TRUE(rt::equalIgnoringCase("\xC3\xA9t\xC3\xA9.wwd", "\xC3\x89T\xC3\x89.WWD"));  // été, ÉTÉ
  EXPECT_FALSE(rt::equalIgnoringCase("\xC3\xA9t\xC3\xA9", "ete"));
  EXPECT_FALSE(rt::equalIgnoringCase("ab", "abc"));
}

}  // namespace
