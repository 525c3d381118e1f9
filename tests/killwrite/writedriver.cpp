// Performs exactly one of the program's writes, for a harness that kills it at a random
// moment (scripts/killtest.sh): the settings file as the menu's Exit writes it, or a weather
// log saved over an existing one as the weather window's Save does. It prints "ready" just
// before the write begins and "done" once the write has returned. The third mode does what
// the program does with its folder when it starts, so that the harness can see that the
// temporary files a kill left are gone after the next start.
//
//   writedriver settings FOLDER   FOLDER holds vtrel5.ini; the file is rewritten with changed values
//   writedriver weather FOLDER    FOLDER holds LOG.wwd; a different log is saved over it
//   writedriver start FOLDER      the temporary files of ended writes in FOLDER are removed

#include <cstdio>
#include <cstring>
#include <string>

#include <QString>

#include "shell/programfolder.h"
#include "shell/settings.h"
#include "weather/watchfiles.h"

namespace {

// The weather window's questions, answered as a user replacing the log answers them.
class OverwritePrompts : public weather::WatchPrompts {
 public:
  bool askYesNo(const std::string&, const std::string&) override { return true; }
  void showMessage(const std::string& text, const std::string& title) override {
    std::printf("message %s: %s\n", title.c_str(), text.c_str());
  }
};

void ready() {
  std::fputs("ready\n", stdout);
  std::fflush(stdout);
}

int writeSettings(const std::string& folder) {
  shell::setBasePath(QString::fromLocal8Bit(folder.c_str()));
  if (!shell::readSettingsFile()) {
    std::fputs("cannot read the settings file\n", stdout);
    return 2;
  }
  // Every project's values change, so the new file differs from the old one throughout.
  shell::SharedSettings& s = shell::settings();
  for (int i = 1; i <= 9; ++i) s.Element[i] = int16_t(-s.Element[i] - 7);
  s.FulcrumPos += 1.25f;
  s.PendMass += 111;
  s.WheelStickLength += 0.5f;
  s.ArrowSpeed += 3;
  s.DesiredX -= 1;
  s.RocketMass += 17;
  s.NumFlips = 1234;
  s.NumRolls = 4321;
  ready();
  const bool ok = shell::writeSettingsFile();
  std::fputs(ok ? "done\n" : "failed\n", stdout);
  return ok ? 0 : 1;
}

int saveWeather(const std::string& folder) {
  OverwritePrompts prompts;
  weather::WatchFiles files(prompts);
  files.reset();
  for (int r = 1; r <= weather::kDays; ++r) {
    files.setEntry(r, weather::kDate, std::to_string(r % 12 + 1) + "/" + std::to_string(r % 28 + 1) + "/2024");
    files.setEntry(r, weather::kHigh, std::to_string(40 + r));
    files.setEntry(r, weather::kLow, std::to_string(r - 10));
    files.setEntry(r, weather::kPrec, "0." + std::to_string(r));
    files.setEntry(r, weather::kPress, "29." + std::to_string(r + 10));
    files.setEntry(r, weather::kComment, "new reading for day " + std::to_string(r));
  }
  ready();
  const bool ok = files.saveDataFile(folder + "/", "LOG", {"LOG"});
  std::fputs(ok ? "done\n" : "failed\n", stdout);
  return ok ? 0 : 1;
}

int start(const std::string& folder) {
  shell::setBasePath(QString::fromLocal8Bit(folder.c_str()));
  shell::removeStaleTemporaries();
  std::fputs("done\n", stdout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: writedriver settings|weather|start FOLDER\n", stderr);
    return 2;
  }
  if (std::strcmp(argv[1], "settings") == 0) return writeSettings(argv[2]);
  if (std::strcmp(argv[1], "weather") == 0) return saveWeather(argv[2]);
  if (std::strcmp(argv[1], "start") == 0) return start(argv[2]);
  std::fputs("usage: writedriver settings|weather|start FOLDER\n", stderr);
  return 2;
}
