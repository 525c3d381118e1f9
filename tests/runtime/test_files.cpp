#include "runtime/convert.h"
#include "runtime/filenames.h"
#include "runtime/recordfile.h"
#include "tests/support/scratchfolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class Files : public testsupport::ScratchFolder {};

int errorNumber(auto&& f) {
  try {
    f();
  } catch (const rt::RuntimeError& e) {
    return e.number;
  }
  return 0;
}

TEST(RecordReader, QuotedItems) {
  auto r = rt::RecordReader::fromBytes("\"Smith, J\",\"\",  \"x\"  ,\"a\"\r\n\"b\"\n\"c\"\r\"d\"");
  EXPECT_EQ(r.readItem(), "Smith, J");
  EXPECT_EQ(r.readItem(), "");
  EXPECT_EQ(r.readItem(), "x");
  EXPECT_EQ(r.readItem(), "a");
  EXPECT_EQ(r.readItem(), "b");
  EXPECT_EQ(r.readItem(), "c");
  EXPECT_FALSE(r.atEnd());
  EXPECT_EQ(r.readItem(), "d");
  EXPECT_TRUE(r.atEnd());
  EXPECT_EQ(errorNumber([&] { r.readItem(); }), 62);
}

TEST(RecordReader, UnquotedItems) {
  auto r = rt::RecordReader::fromBytes("  45 , -9\t,,.05\r\n\r\n  101.6  \r\n \t\r\n");
  EXPECT_EQ(r.readItem(), "45");
  EXPECT_EQ(r.readItem(), "-9");
  EXPECT_EQ(r.readItem(), "");
  EXPECT_EQ(r.readItem(), ".05");
  EXPECT_EQ(r.readItem(), "101.6");
  EXPECT_TRUE(r.atEnd());
  EXPECT_EQ(errorNumber([&] { r.readItem(); }), 62);
}

TEST(RecordReader, OddQuoting) {
  auto r = rt::RecordReader::fromBytes("\"ab\"cd,\"e\nf\",\"open");
  EXPECT_EQ(r.readItem(), "ab");  // text after the closing quote is dropped
  EXPECT_EQ(r.readItem(), "e\nf");
  EXPECT_EQ(r.readItem(), "open");
  EXPECT_TRUE(r.atEnd());
}

TEST(RecordReader, Lines) {
  auto r = rt::RecordReader::fromBytes("[Sound]\r\nOn=1\n\nlast");
  EXPECT_EQ(r.readLine(), "[Sound]");
  EXPECT_EQ(r.readLine(), "On=1");
  EXPECT_EQ(r.readLine(), "");
  EXPECT_EQ(r.readLine(), "last");
  EXPECT_EQ(errorNumber([&] { r.readLine(); }), 62);
}

TEST_F(Files, ReaderOpenErrors) {
  EXPECT_EQ(errorNumber([&] { rt::RecordReader r(file("missing.dat")); }), 53);
  EXPECT_EQ(errorNumber([&] { rt::RecordReader r(file("nofolder/x.dat")); }), 76);
  EXPECT_EQ(errorNumber([&] { rt::RecordReader r(dir_.string()); }), 75);
  EXPECT_EQ(errorNumber([&] { rt::RecordReader r(""); }), 52);
}

TEST_F(Files, ShortFileRunsOutOfItems) {
  put(file("short.dat"), "\"1\",\"2\"\r\n");
  rt::RecordReader r(file("short.dat"));
  EXPECT_EQ(r.readItem(), "1");
  EXPECT_EQ(r.readItem(), "2");
  EXPECT_EQ(errorNumber([&] { r.readItem(); }), 62);
}

TEST_F(Files, WriterRoundTripIsByteExact) {
  const std::vector<std::string> row = {"Smith, J", "", "12.5", "a \"b\""};
  {
    rt::RecordWriter w(file("scores.dat"));
    w.writeRecord(row);
    w.writeRecord(std::vector<std::string>(6));
    w.writeLine("plain");
    w.commit();
  }
  const std::string expected =
      "\"Smith, J\",\"\",\"12.5\",\"a 'b'\"\r\n"
      "\"\",\"\",\"\",\"\",\"\",\"\"\r\n"
      "plain\r\n";
  EXPECT_EQ(contents(file("scores.dat")), expected);
  EXPECT_EQ(std::string("\"\",\"\",\"\",\"\",\"\",\"\"").size(), 17u);
  EXPECT_EQ(entries(), 1u);  // no temporary left behind

  rt::RecordReader r(file("scores.dat"));
  EXPECT_EQ(r.readItem(), "Smith, J");
  EXPECT_EQ(r.readItem(), "");
  EXPECT_EQ(r.readItem(), "12.5");
  EXPECT_EQ(r.readItem(), "a 'b'");
  for (int i = 0; i < 6; ++i) EXPECT_EQ(r.readItem(), "");
  EXPECT_EQ(r.readItem(), "plain");
  EXPECT_TRUE(r.atEnd());
}

TEST_F(Files, UncommittedWriteKeepsTheOldFile) {
  put(file("keep.dat"), "old\r\n");
  {
    rt::RecordWriter w(file("keep.dat"));
    w.writeLine("new");
  }
  EXPECT_EQ(contents(file("keep.dat")), "old\r\n");
  EXPECT_EQ(entries(), 1u);

  rt::RecordWriter w(file("keep.dat"));
  w.writeLine("new");
  w.commit();
  EXPECT_EQ(contents(file("keep.dat")), "new\r\n");
  EXPECT_EQ(errorNumber([&] { w.writeLine("late"); }), 52);
}

TEST_F(Files, WriterOpenErrors) {
  EXPECT_EQ(errorNumber([&] { rt::RecordWriter w(file("nofolder/x.dat")); }), 76);
  fs::create_directory(dir_ / "sub");
  EXPECT_EQ(errorNumber([&] { rt::RecordWriter w(file("sub")); }), 75);
}

TEST_F(Files, ResolvesNamesIgnoringCase) {
  put(file("Scores.DAT"), "");
  EXPECT_EQ(rt::resolveCaseInsensitive(file("Scores.DAT")), file("Scores.DAT"));
  EXPECT_EQ(rt::resolveCaseInsensitive(file("scores.dat")), file("Scores.DAT"));
  EXPECT_EQ(rt::resolveCaseInsensitive(file("other.dat")), file("other.dat"));
  EXPECT_EQ(rt::resolveCaseInsensitive(file("nofolder/x.dat")), file("nofolder/x.dat"));
  // Accented letters match their capitals too: a name typed as listed, ÉTÉ, finds été.
  put(file("\xC3\xA9t\xC3\xA9.wwd"), "");
  EXPECT_EQ(rt::resolveCaseInsensitive(file("\xC3\x89T\xC3\x89.wwd")), file("\xC3\xA9t\xC3\xA9.wwd"));
}

}  // namespace
