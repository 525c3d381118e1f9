// The one writer of the program against real failures: writes that the kernel refuses
// part-way (a file-size limit standing in for a full disk), a missing folder, a folder in the
// target's place. After every failure the old file is there byte for byte, no temporary file
// is left, and the cause comes back as a run-time error number with the system's reason.

#include "runtime/recordfile.h"
#include "runtime/safefile.h"
#include "tests/support/filelimit.h"
#include "tests/support/scratchfolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using testsupport::inChildWithFileLimit;

namespace {

class SafeFileTest : public testsupport::ScratchFolder {
 protected:
  // Runs a write in a child limited to `limit` bytes a file; returns "ok" or
  // "<number> <errno> <reason>" of the WriteError it met.
  static std::string failingWrite(rlim_t limit, const std::function<void()>& write) {
    return inChildWithFileLimit(limit, [&]() -> std::string {
      try {
        write();
      } catch (const rt::WriteError& e) {
        return std::to_string(e.number) + " " + std::to_string(e.err) + " " + e.reason();
      }
      return "ok";
    });
  }
};

std::string oldLog() {
  std::string s;
  for (int d = 1; d <= 60; ++d) s += "\"" + std::to_string(d) + "/3\",\"50\",\"31\",\"\",\"\",\"old\"\r\n";
  return s;
}

TEST_F(SafeFileTest, AWriteThatFillsTheDiskKeepsTheOldFileAndLeavesNoTemporary) {
  const std::string old = oldLog();
  put(file("MARCH.wwd"), old);

  // The new content fails at the end (the last block goes out in commit) ...
  const std::string small = failingWrite(500, [&] { rt::writeWholeFile(file("MARCH.wwd"), std::string(2000, 'x')); });
  EXPECT_EQ(small, "61 " + std::to_string(EFBIG) + " Disk full (File too large)");
  EXPECT_EQ(contents(file("MARCH.wwd")), old);
  EXPECT_EQ(names(), std::vector<std::string>{"MARCH.wwd"});

  // ... or while it is still being written, block by block.
  const std::string large = failingWrite(100000, [&] {
    rt::SafeFile out(file("MARCH.wwd"));
    for (int i = 0; i < 100; ++i) out.write(std::string(10000, 'y'));
    out.commit();
  });
  EXPECT_EQ(large.substr(0, 3), "61 ");
  EXPECT_EQ(contents(file("MARCH.wwd")), old);
  EXPECT_EQ(names(), std::vector<std::string>{"MARCH.wwd"});

  // A new file that cannot be written whole does not appear at all.
  EXPECT_EQ(failingWrite(10, [&] { rt::writeWholeFile(file("NEW.wwd"), oldLog()); }).substr(0, 3), "61 ");
  EXPECT_EQ(names(), std::vector<std::string>{"MARCH.wwd"});
}

TEST_F(SafeFileTest, RecordsThatCannotBeWrittenLeaveTheOldRecords) {
  put(file("scores.dat"), "\"old\"\r\n");
  const std::string got = failingWrite(64, [&] {
    rt::RecordWriter w(file("scores.dat"));
    for (int i = 0; i < 60; ++i) w.writeRecord({"a", "b", "c", "d", "e", "f"});
    w.commit();
  });
  EXPECT_EQ(got.substr(0, 3), "61 ");
  EXPECT_EQ(contents(file("scores.dat")), "\"old\"\r\n");
  EXPECT_EQ(names(), std::vector<std::string>{"scores.dat"});
}

TEST_F(SafeFileTest, AWholeWriteReplacesTheFileAndKeepsItsPermissions) {
  put(file("vtrel5.ini"), "old\r\n");
  ::chmod(file("vtrel5.ini").c_str(), 0640);
  // Within the limit the same child writes normally.
  EXPECT_EQ(failingWrite(4096, [&] { rt::writeWholeFile(file("vtrel5.ini"), "new\r\n"); }), "ok");
  EXPECT_EQ(contents(file("vtrel5.ini")), "new\r\n");
  struct stat st {};
  ASSERT_EQ(::stat(file("vtrel5.ini").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(names(), std::vector<std::string>{"vtrel5.ini"});
}

TEST_F(SafeFileTest, RefusedPathsAreToldByNumberBeforeAnythingIsWritten) {
  auto number = [](auto&& f) {
    try {
      f();
    } catch (const rt::WriteError& e) {
      return e.number;
    }
    return 0;
  };
  EXPECT_EQ(number([&] { rt::writeWholeFile(file("nofolder/x.wwd"), "x"); }), 76);
  EXPECT_EQ(number([&] { rt::writeWholeFile("", "x"); }), 52);
  fs::create_directory(dir_ / "sub");
  EXPECT_EQ(number([&] { rt::writeWholeFile(file("sub"), "x"); }), 75);
  EXPECT_EQ(names(), std::vector<std::string>{"sub"});

  // An abandoned write leaves nothing, and a finished one takes no more bytes.
  {
    rt::SafeFile out(file("half.wwd"));
    out.write("half");
  }
  EXPECT_EQ(names(), std::vector<std::string>{"sub"});
  rt::SafeFile out(file("done.wwd"));
  out.commit();
  EXPECT_EQ(number([&] { out.write("late"); }), 52);
  EXPECT_EQ(contents(file("done.wwd")), "");
}

// A write whose process ends between creating its temporary file and renaming it, as a
// kill leaves it: the child writes half a file and ends without a chance to tidy up.
// Returns the temporary file's name.
std::string abandonedWrite(const std::string& target) {
  return inChildWithFileLimit(RLIM_INFINITY, [&] {
    auto* out = new rt::SafeFile(target);  // never destroyed: the process just ends
    out->write("half a fi");
    return fs::path(out->tempPath()).filename().string();
  });
}

TEST_F(SafeFileTest, StartUpRemovesTheTemporariesOfEndedWritersOnly) {
  put(file("vtrel5.ini"), "old\r\n");
  put(file("MARCH.wwd"), oldLog());
  const std::string killedIni = abandonedWrite(file("vtrel5.ini"));
  const std::string killedLog = abandonedWrite(file("MARCH.wwd"));
  ASSERT_EQ(killedIni.rfind(".vtrel5.ini.", 0), 0u) << killedIni;
  ASSERT_EQ(killedLog.rfind(".MARCH.wwd.", 0), 0u) << killedLog;

  // A write of this process, still going on: its temporary file carries this process's id.
  rt::SafeFile going(file("vtrel5.ini"));
  const std::string own = fs::path(going.tempPath()).filename().string();
  EXPECT_EQ(own.rfind(".vtrel5.ini." + std::to_string(::getpid()) + ".", 0), 0u) << own;

  // Names from before the writer's id was in them: the old one goes, the fresh one stays.
  put(file(".REPORT.wwd.123456.tmp"), "old");
  fs::last_write_time(dir_ / ".REPORT.wwd.123456.tmp", fs::file_time_type::clock::now() - std::chrono::hours(2));
  put(file(".vtrel5.ini.654321.tmp"), "fresh");
  // Look-alikes that are no temporary file of a write, and a folder named like one.
  for (const char* name : {".tmp", "..1.tmp", ".x.tmp", "notes.1.2.tmp", ".hidden", ".LOG.wwd.12.34.tmpx"})
    put(file(name), "keep");
  const std::string endedWriter = killedLog.substr(std::string(".MARCH.wwd.").size());  // "<pid>.<number>.tmp"
  fs::create_directory(dir_ / (".DIR.wwd." + endedWriter));

  std::vector<std::string> removed = rt::removeStaleTemporaries(dir_.string());
  std::sort(removed.begin(), removed.end());
  EXPECT_EQ(removed, (std::vector<std::string>{killedLog, ".REPORT.wwd.123456.tmp", killedIni}));
  EXPECT_EQ(entries(), 11u);
  EXPECT_EQ(contents(file("vtrel5.ini")), "old\r\n");
  EXPECT_EQ(contents(file("MARCH.wwd")), oldLog());

  // The write that was going on finishes as if nothing happened.
  going.write("new\r\n");
  going.commit();
  EXPECT_EQ(contents(file("vtrel5.ini")), "new\r\n");
  EXPECT_TRUE(rt::removeStaleTemporaries(dir_.string()).empty());
  // Nothing to do in a folder that is not there.
  EXPECT_TRUE(rt::removeStaleTemporaries(file("missing")).empty());
}

TEST(WriteErrorNumbers, FollowTheCause) {
  EXPECT_EQ(rt::writeErrorNumber(ENOSPC), 61);
  EXPECT_EQ(rt::writeErrorNumber(EDQUOT), 61);
  EXPECT_EQ(rt::writeErrorNumber(EFBIG), 61);
  EXPECT_EQ(rt::writeErrorNumber(EROFS), 75);
  EXPECT_EQ(rt::writeErrorNumber(EACCES), 70);
  EXPECT_EQ(rt::writeErrorNumber(ENOENT), 76);
  EXPECT_EQ(rt::writeErrorNumber(EIO), 57);
  EXPECT_EQ(rt::WriteError(61, ENOSPC, "x").reason(), "Disk full (No space left on device)");
}

}  // namespace
