// Open, Save and New with their questions and messages, on real files in a folder of
// their own, the answers scripted.

#include <gtest/gtest.h>

#include <unistd.h>
#include <deque>
#include <filesystem>
#include <fstream>

#include "weather/watchfiles.h"

namespace {

using namespace weather;
namespace fs = std::filesystem;

struct Prompt {
  std::string text, title;
  bool question;
};

class ScriptedPrompts : public WatchPrompts {
 public:
  bool askYesNo(const std::string& text, const std::string& title) override {
    asked.push_back({text, title, true});
    if (answers.empty()) return false;  // No is the default button
    const bool a = answers.front();
    answers.pop_front();
    return a;
  }
  void showMessage(const std::string& text, const std::string& title) override {
    asked.push_back({text, title, false});
  }
  std::deque<bool> answers;
  std::vector<Prompt> asked;
};

class Files : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("watch-" + std::to_string(::getpid()) + "-" +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
    folder = dir.string() + "/";
  }
  void TearDown() override { fs::remove_all(dir); }
  bool exists(const std::string& name) const { return fs::exists(dir / name); }
  std::vector<std::string> names() const {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(dir)) out.push_back(e.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
  }
  void writeDays(const std::string& name, int days, const std::string& high) const {
    std::ofstream out(dir / name, std::ios::binary);
    for (int d = 0; d < days; ++d) out << "\"\",\"" << high << "\",\"\",\"\",\"\",\"\"\r\n";
  }
  fs::path dir;
  std::string folder;
  ScriptedPrompts prompts;
  WatchFiles files{prompts};
};

TEST_F(Files, TheUnsavedDataQuestionsAreAskedOnlyWhileTheLogIsUnsaved) {
  EXPECT_TRUE(files.confirmDiscard(Discard::Exit));
  EXPECT_TRUE(prompts.asked.empty());
  files.setEntry(1, kHigh, "45");
  EXPECT_FALSE(files.saved());
  EXPECT_FALSE(files.confirmDiscard(Discard::Open));
  EXPECT_FALSE(files.confirmDiscard(Discard::New));
  prompts.answers = {true};
  EXPECT_TRUE(files.confirmDiscard(Discard::Exit));
  ASSERT_EQ(prompts.asked.size(), 3u);
  EXPECT_EQ(prompts.asked[0].text, "Data in unsaved file will be lost.  Do you still want to open a file?");
  EXPECT_EQ(prompts.asked[0].title, "Open File");
  EXPECT_EQ(prompts.asked[1].text, "Data in unsaved file will be lost.  Do you still want to start a new file?");
  EXPECT_EQ(prompts.asked[1].title, "New File");
  EXPECT_EQ(prompts.asked[2].text, "Data in unsaved file will be lost.  Do you still want to exit?");
  EXPECT_EQ(prompts.asked[2].title, "Exit Program");
}

TEST_F(Files, SaveWritesAnUpperCaseNameOfAtMostEightCharacters) {
  files.setEntry(1, kHigh, "56");
  ASSERT_TRUE(files.saveDataFile(folder, "abc", {}));
  EXPECT_TRUE(exists("ABC.wwd"));
  EXPECT_EQ(files.fileName(), "ABC");
  EXPECT_EQ(files.caption(), "Weather Watch, Current File: ABC");
  EXPECT_TRUE(files.saved());
  ASSERT_TRUE(files.saveDataFile(folder, "september", {"ABC"}));
  EXPECT_TRUE(exists("SEPTEMBE.wwd"));
  EXPECT_EQ(files.fileName(), "SEPTEMBE");
  EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(Files, AnAccentedNameIsSavedWholeAndOpensAgainUnderTheNameTheListShows) {
  files.setEntry(1, kHigh, "56");
  const std::string typed = "a\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9";  // aéééé
  const std::string saved = "A\xC3\x89\xC3\x89\xC3\x89\xC3\x89";  // AÉÉÉÉ
  ASSERT_TRUE(files.saveDataFile(folder, typed, {}));
  ASSERT_EQ(names(), std::vector<std::string>{saved + ".wwd"});
  EXPECT_EQ(files.caption(), "Weather Watch, Current File: " + saved);
  // Saving again under the name typed the same way asks before replacing it.
  EXPECT_FALSE(files.saveDataFile(folder, typed, {listEntry(saved + ".wwd")}));
  ASSERT_EQ(prompts.asked.size(), 1u);
  EXPECT_EQ(prompts.asked[0].title, "File Already Exists");
  files.clearLog();
  ASSERT_TRUE(files.openDataFile(folder, listEntry(names()[0])));
  EXPECT_EQ(files.log()[1][kHigh], "56");
  EXPECT_EQ(files.fileName(), saved);
}

TEST_F(Files, AFileNamedBySmallAccentedLettersOpensUnderItsCapitals) {
  writeDays("\xC3\xA9t\xC3\xA9.wwd", 60, "81");  // été
  ASSERT_TRUE(files.openDataFile(folder, listEntry("\xC3\xA9t\xC3\xA9.wwd")));
  EXPECT_EQ(files.log()[60][kHigh], "81");
}

TEST_F(Files, ANameThatIsNotTextIsRefusedAndNothingIsWritten) {
  files.setEntry(1, kDate, "1/1");
  EXPECT_FALSE(files.saveDataFile(folder, "A\xC3", {}));
  ASSERT_EQ(prompts.asked.size(), 1u);
  EXPECT_EQ(prompts.asked[0].title, "Error Saving File");
  EXPECT_TRUE(names().empty());
  EXPECT_EQ(files.fileName(), "NEW");
  EXPECT_FALSE(files.saved());
}

TEST_F(Files, OverwritingAsksFirstAlsoForALongNameCutOntoAnExistingFile) {
  ASSERT_TRUE(files.saveDataFile(folder, "SEPTEMBE", {}));
  files.setEntry(2, kLow, "12");
  // Declined: nothing written, the name stays that of the file the log came from.
  ASSERT_FALSE(files.saveDataFile(folder, "september", {"SEPTEMBE"}));
  ASSERT_EQ(prompts.asked.size(), 1u);
  EXPECT_EQ(prompts.asked[0].text, "Overwrite existing file?");
  EXPECT_EQ(prompts.asked[0].title, "File Already Exists");
  EXPECT_FALSE(files.saved());
  EXPECT_EQ(readWeatherFile((dir / "SEPTEMBE.wwd").string())[2][kLow], "");
  // Accepted: the file is replaced.
  prompts.answers = {true};
  ASSERT_TRUE(files.saveDataFile(folder, "sepTEMBER", {"SEPTEMBE"}));
  EXPECT_EQ(readWeatherFile((dir / "SEPTEMBE.wwd").string())[2][kLow], "12");
  EXPECT_TRUE(files.saved());
}

TEST_F(Files, ANameReachingOutsideTheFolderOrEmptyIsRefusedWithAMessage) {
  files.setEntry(1, kDate, "1/1");
  for (const char* bad : {"../escape", "sub/log", "", "  "}) {
    prompts.asked.clear();
    EXPECT_FALSE(files.saveDataFile(folder, bad, {})) << bad;
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_FALSE(prompts.asked[0].question);
    EXPECT_EQ(prompts.asked[0].title, "Error Saving File");
    EXPECT_FALSE(files.openDataFile(folder, bad)) << bad;
  }
  EXPECT_TRUE(names().empty());
  EXPECT_FALSE(fs::exists(dir.parent_path() / "ESCAPE.wwd"));
  EXPECT_EQ(files.fileName(), "NEW");
  EXPECT_FALSE(files.saved());
}

TEST_F(Files, AFailedSaveLeavesTheLogUnsavedAndItsName) {
  files.setEntry(1, kDate, "1/1");
  EXPECT_FALSE(files.saveDataFile(folder + "missing/", "LOG", {}));
  ASSERT_EQ(prompts.asked.size(), 1u);
  EXPECT_EQ(prompts.asked[0].text, " 76.");
  EXPECT_EQ(prompts.asked[0].title, "Error Saving File");
  EXPECT_FALSE(files.saved());
  EXPECT_EQ(files.fileName(), "NEW");
}

TEST_F(Files, OpenReadsTheWholeFileAndFindsItWhateverTheCase) {
  writeDays("MARCH.wwd", 60, "50");
  files.setEntry(1, kLow, "3");
  ASSERT_TRUE(files.openDataFile(folder, "march"));
  EXPECT_EQ(files.fileName(), "march");
  EXPECT_EQ(files.log()[60][kHigh], "50");
  EXPECT_EQ(files.log()[1][kLow], "");
  EXPECT_TRUE(files.saved());
}

TEST_F(Files, AFailedOpenChangesNothing) {
  writeDays("SHORT.wwd", 59, "70");
  files.setEntry(1, kHigh, "45");
  ASSERT_FALSE(files.openDataFile(folder, "SHORT"));
  ASSERT_FALSE(files.openDataFile(folder, "NOFILE"));
  ASSERT_EQ(prompts.asked.size(), 2u);
  EXPECT_EQ(prompts.asked[0].text, " 62.");
  EXPECT_EQ(prompts.asked[0].title, "Error Opening File");
  EXPECT_EQ(prompts.asked[1].text, " 53.");
  // The log is not a mixture of two files, and its name and unsaved state stay.
  EXPECT_EQ(files.log()[1][kHigh], "45");
  EXPECT_EQ(files.log()[2][kHigh], "");
  EXPECT_EQ(files.fileName(), "NEW");
  EXPECT_FALSE(files.saved());
}

TEST_F(Files, NewEmptiesTheLogButKeepsItsName) {
  files.setEntry(3, kComment, "windy");
  ASSERT_TRUE(files.saveDataFile(folder, "windy", {}));
  files.setEntry(4, kComment, "calm");
  files.clearLog();
  EXPECT_EQ(files.log()[3][kComment], "");
  EXPECT_EQ(files.fileName(), "WINDY");
  EXPECT_TRUE(files.saved());
  // A later Save offers the same name and asks before replacing it.
  EXPECT_FALSE(files.saveDataFile(folder, files.fileName(), {"WINDY"}));
  EXPECT_EQ(prompts.asked.size(), 1u);
}

}  // namespace
