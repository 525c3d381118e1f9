// The settings file: the fresh file read and written back byte for byte, the reader's
// leniency about spacing and line breaks, and its refusal of what does not fit.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "shell/settings.h"

namespace {

std::string freshFile() {
  std::ifstream in(VANTREL_RESOURCES "/vtrel5.ini", std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(SettingsFile, FreshFileReadsTheInitialValues) {
  shell::SharedSettings s;
  ASSERT_TRUE(shell::parseSettings(freshFile(), s));
  EXPECT_EQ(s.Element[1], 1);
  EXPECT_EQ(s.Element[4], -3);
  EXPECT_EQ(s.Element[9], 2);
  EXPECT_EQ(s.Element[0], 0);  // never stored
  EXPECT_FLOAT_EQ(s.FulcrumPos, 9);
  EXPECT_FLOAT_EQ(s.DEffort, -9);
  EXPECT_FLOAT_EQ(s.LeverLoad, 100);
  EXPECT_EQ(s.PendUnits, 1);
  EXPECT_EQ(s.PendFriction, 0.05f);
  EXPECT_EQ(s.WheelStickMass, 907.0295f);
  EXPECT_EQ(s.MarkX, 400);
  EXPECT_EQ(s.JointAngle[0], -115);
  EXPECT_EQ(s.DesiredX, -6.1f);
  EXPECT_EQ(s.SpareReal2, 0.2f);
  EXPECT_EQ(s.RocketBurnTime, 3.9f);
  EXPECT_EQ(s.DropGroup, 400);
  EXPECT_EQ(s.NumRolls, 500);
}

TEST(SettingsFile, FreshFileWritesBackByteForByte) {
  std::string fresh = freshFile();
  ASSERT_EQ(fresh.size(), 215u);
  shell::SharedSettings s;
  ASSERT_TRUE(shell::parseSettings(fresh, s));
  EXPECT_EQ(shell::formatSettings(s), fresh);
}

TEST(SettingsFile, NumberForms) {
  shell::SharedSettings s;
  ASSERT_TRUE(shell::parseSettings(freshFile(), s));
  s.PendFriction = 0.05f;
  s.DEffort = -0.5f;
  s.PendAngle = 45;
  s.JointAngle[0] = -115;
  s.WheelFriction = 0.00001f;
  std::string text = shell::formatSettings(s);
  EXPECT_NE(text.find("\r\n5000,200,.05,45\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n9,-.5,1,100\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n0,-115,100\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n30,1,1E-05\r\n"), std::string::npos);
}

TEST(SettingsFile, ReaderIgnoresSpacingAndLineBreaks) {
  shell::SharedSettings fresh;
  ASSERT_TRUE(shell::parseSettings(freshFile(), fresh));
  std::string oneLine, spaced;
  for (char c : freshFile()) {
    if (c == '\r') continue;
    if (c == '\n') {
      oneLine += ',';
      spaced += ",\n\n";
    } else {
      oneLine += c;
      spaced += c == ',' ? std::string(",   ") : std::string(1, c);
    }
  }
  oneLine.pop_back();
  for (const std::string& text : {oneLine, spaced}) {
    shell::SharedSettings s;
    ASSERT_TRUE(shell::parseSettings(text, s)) << text;
    EXPECT_EQ(shell::formatSettings(s), shell::formatSettings(fresh));
  }
  // Zeros before the point, signs and exponents are all read; values past the last are ignored.
  std::string lenient = freshFile();
  lenient.replace(lenient.find("5000,200,.05,45"), 15, "5.0E3,+200,0.05,45");
  lenient += "99,98\r\n";
  shell::SharedSettings s;
  ASSERT_TRUE(shell::parseSettings(lenient, s));
  EXPECT_EQ(shell::formatSettings(s), shell::formatSettings(fresh));
}

TEST(SettingsFile, MissingOrUnfittingValuesAreReadErrors) {
  std::string fresh = freshFile();
  shell::SharedSettings s;
  // The last value of line 19 missing.
  std::string cut = fresh.substr(0, fresh.size() - 6) + "\r\n";  // "2,500\r\n" -> "2\r\n"
  ASSERT_EQ(cut.substr(cut.size() - 4), "\n2\r\n");
  EXPECT_FALSE(shell::parseSettings(cut, s));
  EXPECT_FALSE(shell::parseSettings("", s));
  // Text that is no number, an integer out of range, a value too large for a single.
  auto replaced = [&](const std::string& from, const std::string& to) {
    std::string t = fresh;
    t.replace(t.find(from), from.size(), to);
    return t;
  };
  EXPECT_FALSE(shell::parseSettings(replaced("400\r\n", "abc\r\n"), s));
  EXPECT_FALSE(shell::parseSettings(replaced("400\r\n", "12x\r\n"), s));
  EXPECT_FALSE(shell::parseSettings(replaced("400\r\n", "32768\r\n"), s));
  EXPECT_FALSE(shell::parseSettings(replaced("0,-115,100", "0,-32769,100"), s));
  EXPECT_FALSE(shell::parseSettings(replaced("9,-9,1,100", "9,-9,1,1E39"), s));
  EXPECT_FALSE(shell::parseSettings(replaced("9,-9,1,100", "9,-9,1,1E999"), s));
  EXPECT_FALSE(shell::parseSettings(replaced("9,-9,1,100", "9,-9,,100"), s));
  // Integers at the edges of their range, and halves rounded to even.
  ASSERT_TRUE(shell::parseSettings(replaced("400\r\n5,500", "32767\r\n-32768,2.5"), s));
  EXPECT_EQ(s.DropGroup, 32767);
  EXPECT_EQ(s.NumCoins, -32768);
  EXPECT_EQ(s.NumFlips, 2);
}

}  // namespace
