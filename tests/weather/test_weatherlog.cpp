// The data file format and the grid editor's rules.

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "runtime/convert.h"
#include "weather/weatherlog.h"

namespace {

using namespace weather;
namespace fs = std::filesystem;

class DataFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("wwd-" + std::to_string(::getpid()) + "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string path(const std::string& name) const { return (dir / name).string(); }
  std::string contents(const std::string& name) const {
    std::ifstream in(path(name), std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }
  void write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(path(name), std::ios::binary);
    out << bytes;
  }
  fs::path dir;
};

const std::string kEmptyDay = "\"\",\"\",\"\",\"\",\"\",\"\"\r\n";

std::string repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

TEST_F(DataFile, AnEmptyLogIsSixtyLinesOfSixEmptyQuotedFields) {
  writeWeatherFile(path("E.wwd"), WeatherTable{});
  const std::string bytes = contents("E.wwd");
  EXPECT_EQ(kEmptyDay.size(), 19u);
  EXPECT_EQ(bytes.size(), 1140u);
  EXPECT_EQ(bytes, repeat(kEmptyDay, 60));
}

TEST_F(DataFile, ARecordQuotesEachFieldInColumnOrder) {
  WeatherTable log{};
  log[1][kDate] = "3/14";
  log[1][kHigh] = "56";
  log[2][kComment] = "rain, then sun";
  writeWeatherFile(path("A.wwd"), log);
  const std::string bytes = contents("A.wwd");
  EXPECT_EQ(bytes.substr(0, 25), "\"3/14\",\"56\",\"\",\"\",\"\",\"\"\r\n");
  EXPECT_EQ(bytes.substr(25, 33), "\"\",\"\",\"\",\"\",\"\",\"rain, then sun\"\r\n");
}

TEST_F(DataFile, ASavedLogReadsBackExactly) {
  WeatherTable log{};
  for (int r = 1; r <= kDays; ++r)
    for (int c = 1; c <= kFields; ++c) log[size_t(r)][size_t(c)] = (r + c) % 3 ? std::to_string(r * 10 + c) : "";
  log[7][kComment] = "  blanks kept , commas too ";
  log[60][kDate] = "12/31/2026";
  writeWeatherFile(path("B.wwd"), log);
  EXPECT_EQ(readWeatherFile(path("B.wwd")), log);
}

TEST_F(DataFile, ReadingTakesSixItemsADayWhateverTheLines) {
  // Unquoted items, blanks before them skipped and after them removed; records split over
  // lines or run together.
  std::string bytes = "  1/2 , 40,30\r\n\"\",\"29.9\",\"x\"\r\n" + repeat(kEmptyDay, 59);
  write("C.wwd", bytes);
  const WeatherTable log = readWeatherFile(path("C.wwd"));
  EXPECT_EQ(log[1][kDate], "1/2");
  EXPECT_EQ(log[1][kHigh], "40");
  EXPECT_EQ(log[1][kLow], "30");
  EXPECT_EQ(log[1][kPrec], "");
  EXPECT_EQ(log[1][kPress], "29.9");
  EXPECT_EQ(log[1][kComment], "x");
}

TEST_F(DataFile, RecordsAfterTheSixtiethAreIgnored) {
  write("D.wwd", repeat("\"1\",\"2\",\"3\",\"4\",\"5\",\"6\"\r\n", 65));
  const WeatherTable log = readWeatherFile(path("D.wwd"));
  EXPECT_EQ(log[60][kComment], "6");
}

TEST_F(DataFile, AShortOrMissingFileFailsWithItsErrorNumber) {
  write("S.wwd", repeat(kEmptyDay, 59));
  try {
    readWeatherFile(path("S.wwd"));
    FAIL() << "a file of 59 records read";
  } catch (const rt::RuntimeError& e) {
    EXPECT_EQ(e.number, 62);
  }
  try {
    readWeatherFile(path("NONE.wwd"));
    FAIL() << "a missing file read";
  } catch (const rt::RuntimeError& e) {
    EXPECT_EQ(e.number, 53);
  }
}

TEST_F(DataFile, BytesInMemoryReadAsTheSameFileWould) {
  const std::string bytes = "  1/2 , 40,30\r\n\"\",\"29.9\",\"x\"\r\n" + repeat(kEmptyDay, 59);
  write("M.wwd", bytes);
  EXPECT_EQ(readWeatherData(bytes), readWeatherFile(path("M.wwd")));
  try {
    readWeatherData(repeat(kEmptyDay, 59));
    FAIL() << "59 records read";
  } catch (const rt::RuntimeError& e) {
    EXPECT_EQ(e.number, 62);
  }
}

TEST(FileNames, SavedNamesAreCutToEightCharactersInUpperCase) {
  EXPECT_EQ(saveName("abc"), "ABC");
  EXPECT_EQ(saveName("september2026"), "SEPTEMBE");
  EXPECT_EQ(listEntry("march.wwd"), "MARCH");
  EXPECT_EQ(listEntry("X.WWD"), "X");
}

TEST(FileNames, AccentedNamesAreCutByLettersAndPutInCapitalsLetterForLetter) {
  // aéééé is nine bytes; its eighth byte starts the last é.
  EXPECT_EQ(saveName("a\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"), "A\xC3\x89\xC3\x89\xC3\x89\xC3\x89");
  // Nine accented letters keep eight: ééééééééé gives ÉÉÉÉÉÉÉÉ.
  std::string nine, eight;
  for (int i = 0; i < 9; ++i) nine += "\xC3\xA9";
  for (int i = 0; i < 8; ++i) eight += "\xC3\x89";
  EXPECT_EQ(saveName(nine), eight);
  EXPECT_EQ(saveName("abcdefg\xC3\xA9h"), "ABCDEFG\xC3\x89");
  // The list shows a saved file under the name it was saved as, and a file named by hand
  // in small letters in capitals.
  EXPECT_EQ(listEntry(saveName(nine) + ".wwd"), eight);
  EXPECT_EQ(listEntry("\xC3\xA9t\xC3\xA9.wwd"), "\xC3\x89T\xC3\x89");
}

TEST(FileNames, NamesThatLeaveTheFolderOrNameNothingAreRefused) {
  EXPECT_EQ(fileNameProblem("MARCH"), "");
  EXPECT_EQ(fileNameProblem("my log 1"), "");
  EXPECT_EQ(fileNameProblem("\xC3\xA9t\xC3\xA9"), "");
  for (const char* bad : {"", "   ", "../secret", "..", "a/b", "a\\b", "c:log", "tab\there"})
    EXPECT_NE(fileNameProblem(bad), "") << bad;
  // Names no list could show again: not text, or a hidden file.
  for (const char* bad : {"A\xC3", "\xC9T\xC9", "del\x7F", ".hidden"}) EXPECT_NE(fileNameProblem(bad), "") << bad;
}

TEST(Editor, KeysAcceptedByColumn) {
  // The double quote is refused everywhere, also in the free-text columns.
  for (int c = 1; c <= kFields; ++c) EXPECT_FALSE(keyAccepted(c, '"')) << c;
  EXPECT_TRUE(keyAccepted(kDate, 'a'));
  EXPECT_TRUE(keyAccepted(kComment, ','));
  EXPECT_FALSE(keyAccepted(kHigh, 'a'));
  EXPECT_TRUE(keyAccepted(kHigh, '-'));
  EXPECT_FALSE(keyAccepted(kHigh, '.'));
  EXPECT_TRUE(keyAccepted(kLow, 8));
  EXPECT_FALSE(keyAccepted(kPrec, '-'));
  EXPECT_TRUE(keyAccepted(kPrec, '.'));
  EXPECT_TRUE(keyAccepted(kPress, '7'));
  EXPECT_EQ(maxLengthFor(kDate), 10);
  EXPECT_EQ(maxLengthFor(kPress), 5);
  EXPECT_EQ(maxLengthFor(kComment), 30);
}

TEST(Editor, NavigationWrapsAndStopsAtTheEdges) {
  constexpr int kEnter = 13, kTab = 9, kUp = 38, kDown = 40;
  EXPECT_EQ(nextCell({5, 3}, kEnter, 0), (Cell{5, 4}));
  EXPECT_EQ(nextCell({5, 6}, kTab, 0), (Cell{6, 1}));
  EXPECT_EQ(nextCell({60, 6}, kEnter, 0), (Cell{60, 1}));
  EXPECT_EQ(nextCell({60, 2}, kDown, 0), (Cell{60, 2}));
  EXPECT_EQ(nextCell({1, 2}, kUp, 0), (Cell{1, 2}));
  EXPECT_EQ(nextCell({4, 1}, kTab, 1), (Cell{3, 6}));
  EXPECT_EQ(nextCell({1, 1}, kTab, 1), (Cell{1, 6}));
  // Shifted Enter and arrows, and other keys, stay.
  EXPECT_EQ(nextCell({4, 4}, kEnter, 1), (Cell{4, 4}));
  EXPECT_EQ(nextCell({4, 4}, kDown, 2), (Cell{4, 4}));
  EXPECT_EQ(nextCell({4, 4}, 'A', 0), (Cell{4, 4}));
}

}  // namespace
