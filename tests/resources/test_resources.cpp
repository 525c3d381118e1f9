// Checks the fresh settings file and the help files as written in resources/, and what resgen
// makes: the pictures built into the program and the sounds laid beside it.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

QByteArray readSource(const char* name) {
  QFile f(QStringLiteral(VANTREL_RESOURCES_DIR "/") + QString::fromLatin1(name));
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

// ---- Settings file -------------------------------------------------------

TEST(SettingsFile, NineteenNumericLinesEachEndedByCrLf) {
  const QByteArray bytes = readSource("vtrel5.ini");
  ASSERT_EQ(bytes.size(), 215);
  ASSERT_TRUE(bytes.endsWith("\r\n"));

  const QList<QByteArray> lines = bytes.chopped(1).split('\n');
  ASSERT_EQ(lines.size(), 19);
  for (const QByteArray& line : lines) {
    ASSERT_TRUE(line.endsWith('\r')) << line.constData();
    const QByteArray body = line.chopped(1);
    // Numbers separated by commas, nothing else (a stray CR or space would break the reader).
    for (const QByteArray& field : body.split(',')) {
      bool ok = false;
      field.toDouble(&ok);
      EXPECT_TRUE(ok && !field.isEmpty() && field.trimmed() == field) << "bad field in line: " << body.constData();
    }
  }
  EXPECT_TRUE(lines.first() == "1,-1,5,-3,2,2,2,2,2\r");
  EXPECT_TRUE(lines.last() == "2,500\r");
}

// ---- Help files ----------------------------------------------------------

// Strict reading of the help format: returns the topic numbers in file order,
// or an error message.
struct HelpCheck {
  std::vector<int> topics;
  std::string error;
};

HelpCheck checkHelp(const std::string& text) {
  HelpCheck result;
  auto fail = [&](const std::string& why) {
    result.error = why;
    return result;
  };
  if (text.find('\r') != std::string::npos) return fail("CR in file");
  if (text.empty() || text.back() != '\n') return fail("last line not ended");
  std::istringstream in(text);
  std::string line;
  std::getline(in, line);
  if (line != "VANTREL HELP 1") return fail("missing tag");
  bool haveContents = false;
  int lineNo = 1;
  while (std::getline(in, line)) {
    ++lineNo;
    const std::string where = " at line " + std::to_string(lineNo);
    if (line.empty() || line[0] != '=') {
      if (!haveContents && !line.empty()) return fail("text before the contents page" + where);
      continue;
    }
    if (line.rfind("=contents ", 0) == 0) {
      if (haveContents) return fail("second contents page" + where);
      if (line.size() == 10) return fail("empty contents title" + where);
      haveContents = true;
      continue;
    }
    if (line.rfind("=topic ", 0) != 0) return fail("unknown header" + where);
    if (!haveContents) return fail("topic before contents" + where);
    std::istringstream head(line.substr(7));
    int number = 0;
    std::string title;
    if (!(head >> number) || number <= 0 || head.get() != ' ' || !std::getline(head, title) || title.empty())
      return fail("malformed topic header" + where);
    if (!result.topics.empty() && number <= result.topics.back()) return fail("topic out of order" + where);
    result.topics.push_back(number);
  }
  if (!haveContents) return fail("no contents page");
  return result;
}

TEST(HelpFiles, ShippedFilesFollowTheFormatAndHaveTheirTopics) {
  const struct {
    const char* name;
    std::vector<int> topics;
  } files[] = {
      {"vtrel.hlp", {1, 3, 4, 6, 7, 13, 14, 15, 16}},
      {"palorime.hlp", {13, 15, 16, 18}},
  };
  for (const auto& file : files) {
    SCOPED_TRACE(file.name);
    const QByteArray bytes = readSource(file.name);
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_TRUE(QString::fromUtf8(bytes).toUtf8() == bytes) << "not valid UTF-8";
    const HelpCheck check = checkHelp(bytes.toStdString());
    EXPECT_EQ(check.error, "");
    EXPECT_EQ(check.topics, file.topics);
  }
}

TEST(HelpFiles, CheckerRejectsBrokenFiles) {
  // The checker above must not pass anything: each of these breaks one rule.
  const char* const broken[] = {
      "VANTREL HELP 2\n=contents C\n",
      "VANTREL HELP 1\n=topic 1 A\n",
      "VANTREL HELP 1\n=contents C\n=topic 2 A\n=topic 2 B\n",
      "VANTREL HELP 1\n=contents C\n=topic x A\n",
      "VANTREL HELP 1\n=contents C\n=topic 3\n",
      "VANTREL HELP 1\n=contents C\n=page 3 A\n",
      "VANTREL HELP 1\r\n=contents C\r\n",
      "VANTREL HELP 1\nstray\n=contents C\n",
  };
  for (const char* text : broken) EXPECT_NE(checkHelp(text).error, "") << text;
  EXPECT_EQ(checkHelp("VANTREL HELP 1\n\n=contents C\nHi.\n\n- a\n=topic 9 T\nx\n").error, "");
}

// ---- Generated pictures and sounds ---------------------------------------

std::optional<QString> runResgen(const QString& pictureDir, const QString& soundDir) {
  QProcess proc;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
  proc.setProcessEnvironment(env);
  proc.start(QStringLiteral(VANTREL_RESGEN), {pictureDir, soundDir});
  if (!proc.waitForFinished(120000) || proc.exitStatus() != QProcess::NormalExit || proc.exitCode() != 0)
    return QString::fromLocal8Bit(proc.readAllStandardError());
  return std::nullopt;
}

std::set<QString> listed(const QString& joined) {
  std::set<QString> names;
  for (const QString& n : joined.split(QLatin1Char(','))) names.insert(n);
  return names;
}
std::set<QString> pictureNames() { return listed(QStringLiteral(VANTREL_PICTURE_NAMES)); }
std::set<QString> soundNames() { return listed(QStringLiteral(VANTREL_SOUND_NAMES)); }

std::set<QString> namesIn(const QDir& dir) {
  const QStringList list = dir.entryList(QDir::Files);
  return {list.begin(), list.end()};
}

std::uint32_t le32(const QByteArray& b, int at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<std::uint8_t>(b[at + i]);
  return v;
}

std::uint16_t le16(const QByteArray& b, int at) {
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8);
}

// Two runs of resgen, each writing its pictures and its sounds into folders of their own.
class Generated : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    first_ = new QTemporaryDir;
    second_ = new QTemporaryDir;
    ASSERT_TRUE(first_->isValid() && second_->isValid());
    for (const QTemporaryDir* run : {first_, second_}) {
      const auto err = runResgen(run->filePath("pictures"), run->filePath("sounds"));
      ASSERT_FALSE(err) << err->toStdString();
    }
  }
  static void TearDownTestSuite() {
    delete first_;
    delete second_;
  }
  static QByteArray bytes(const QString& name) {
    const bool picture = name.endsWith(QLatin1String(".png"));
    QFile f(QDir(first_->filePath(picture ? "pictures" : "sounds")).filePath(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  static inline QTemporaryDir* first_ = nullptr;
  static inline QTemporaryDir* second_ = nullptr;
};

TEST_F(Generated, WritesExactlyTheListedFilesInTheirFoldersAndTheSameBytesEveryRun) {
  const struct {
    const char* folder;
    std::set<QString> names;
  } outputs[] = {{"pictures", pictureNames()}, {"sounds", soundNames()}};
  for (const auto& output : outputs) {
    SCOPED_TRACE(output.folder);
    const QDir a(first_->filePath(output.folder)), b(second_->filePath(output.folder));
    EXPECT_EQ(namesIn(a), output.names);
    EXPECT_EQ(namesIn(b), output.names);
    for (const QString& name : namesIn(a)) {
      QFile fa(a.filePath(name)), fb(b.filePath(name));
      ASSERT_TRUE(fa.open(QIODevice::ReadOnly) && fb.open(QIODevice::ReadOnly));
      EXPECT_TRUE(fa.readAll() == fb.readAll()) << name.toStdString() << " differs between runs";
    }
  }
}

TEST_F(Generated, PicturesHaveTheirSizesAndBackgrounds) {
  const struct {
    const char* name;
    int w, h;
    bool transparentCorners;
  } pictures[] = {
      {"menu.png", 180, 200, false},     {"rocketpic.png", 33, 90, false}, {"smoke.png", 33, 40, false},
      {"chute.png", 61, 45, false},      {"golaunch.png", 32, 32, true},   {"stoplaunch.png", 32, 32, true},
      {"exit.png", 32, 32, true},        {"help16.png", 16, 16, true},     {"vantrel.png", 64, 64, true},
      {"robotarm.png", 32, 32, true},    {"arrowmark.png", 25, 25, true},  {"cbatup.png", 32, 32, false},
      {"cbatleft.png", 32, 32, false},   {"clamp.png", 32, 32, false},     {"cswitch.png", 32, 32, false},
      {"landerbg.png", 640, 700, false}, {"thrleft.png", 32, 32, true},    {"thrup.png", 32, 32, true},
      {"thrright.png", 32, 32, true},    {"wwnew.png", 32, 32, true},      {"wwopen.png", 32, 32, true},
      {"wwsave.png", 32, 32, true},      {"wwprint.png", 32, 32, true},    {"coinheads.png", 65, 65, false},
      {"cointails.png", 65, 65, false},  {"dice1.png", 57, 57, false},     {"dice6.png", 57, 57, false},
  };
  for (const auto& pic : pictures) {
    SCOPED_TRACE(pic.name);
    QImage img;
    ASSERT_TRUE(img.loadFromData(bytes(QString::fromLatin1(pic.name)), "PNG"));
    EXPECT_EQ(img.size(), QSize(pic.w, pic.h));
    const QPoint corners[] = {{0, 0}, {pic.w - 1, 0}, {0, pic.h - 1}, {pic.w - 1, pic.h - 1}};
    for (const QPoint& c : corners) EXPECT_EQ(qAlpha(img.pixel(c)), pic.transparentCorners ? 0 : 255);
    // Something is drawn: at least a tenth of the pixels are opaque and not all one colour.
    int opaque = 0;
    std::set<QRgb> colours;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) {
        opaque += qAlpha(img.pixel(x, y)) == 255;
        colours.insert(img.pixel(x, y));
      }
    EXPECT_GT(opaque, pic.w * pic.h / 10);
    EXPECT_GT(colours.size(), 3u);
  }
}

// The lander's sprites are drawn by AND-ing the mask and OR-ing the sprite: the mask is black
// where the sprite is opaque and white elsewhere, and the sprite is black wherever it is not.
TEST_F(Generated, LanderSpritesMatchTheirMasks) {
  const struct {
    const char *sprite, *mask;
    int w, h;
  } pairs[] = {
      {"lander_s.png", "lander_m.png", 105, 115},
      {"landpad_s.png", "landpad_m.png", 143, 64},
      {"flameh_s.png", "flameh_m.png", 32, 16},
      {"flamev_s.png", "flamev_m.png", 24, 32},
  };
  for (const auto& pair : pairs) {
    SCOPED_TRACE(pair.sprite);
    QImage sprite, mask;
    ASSERT_TRUE(sprite.loadFromData(bytes(QString::fromLatin1(pair.sprite)), "PNG"));
    ASSERT_TRUE(mask.loadFromData(bytes(QString::fromLatin1(pair.mask)), "PNG"));
    EXPECT_EQ(sprite.size(), QSize(pair.w, pair.h));
    EXPECT_EQ(mask.size(), QSize(pair.w, pair.h));
    int opaque = 0, strays = 0;
    for (int y = 0; y < pair.h; ++y)
      for (int x = 0; x < pair.w; ++x) {
        const QRgb m = mask.pixel(x, y) & 0xFFFFFF;
        ASSERT_TRUE(m == 0 || m == 0xFFFFFF);
        if (m == 0)
          ++opaque;
        else
          strays += (sprite.pixel(x, y) & 0xFFFFFF) != 0;
      }
    EXPECT_EQ(strays, 0);
    EXPECT_GT(opaque, pair.w * pair.h / 10);
    EXPECT_LT(opaque, pair.w * pair.h);
  }
}

TEST_F(Generated, SoundsAreValidMonoPcmWaves) {
  for (const QString& name : soundNames()) {
    SCOPED_TRACE(name.toStdString());
    const QByteArray b = bytes(name);
    ASSERT_GE(b.size(), 44);
    EXPECT_TRUE(b.left(4) == "RIFF" && b.mid(8, 4) == "WAVE" && b.mid(12, 4) == "fmt " && b.mid(36, 4) == "data");
    EXPECT_EQ(le32(b, 4), static_cast<std::uint32_t>(b.size() - 8));
    EXPECT_EQ(le32(b, 16), 16u);
    EXPECT_EQ(le16(b, 20), 1);       // PCM
    EXPECT_EQ(le16(b, 22), 1);       // mono
    EXPECT_EQ(le32(b, 24), 22050u);  // sample rate
    EXPECT_EQ(le32(b, 28), 44100u);  // bytes per second
    EXPECT_EQ(le16(b, 32), 2);       // block align
    EXPECT_EQ(le16(b, 34), 16);      // bits
    EXPECT_EQ(le32(b, 40), static_cast<std::uint32_t>(b.size() - 44));
    // Audible but never clipped.
    int peak = 0;
    for (int at = 44; at + 1 < b.size(); at += 2)
      peak = std::max(peak, std::abs(int(static_cast<std::int16_t>(le16(b, at)))));
    EXPECT_GT(peak, 3000);
    EXPECT_LT(peak, 32767);
    EXPECT_GT(b.size() - 44, 2 * 441);  // at least 0.02 s
    // Short sounds, but the motor's roar, which the flight cuts at burn-out: it lasts the
    // longest burn, 5.0 s.
    if (name == QLatin1String("rocket.wav"))
      EXPECT_GE(b.size() - 44, 2 * 110250);
    else
      EXPECT_LT(b.size() - 44, 2 * 33075);  // under 1.5 s
  }
}

// From the moment it is lit until the longest burn ends, the motor roars without a lull: every
// tenth of a second holds a loud sample.
TEST_F(Generated, TheMotorRoarsSteadilyForTheLongestBurn) {
  const QByteArray b = bytes("rocket.wav");
  ASSERT_GE(b.size(), 44 + 2 * 110250);
  for (int tenth = 3; tenth < 50; ++tenth) {
    int loudest = 0;
    for (int i = tenth * 2205; i < (tenth + 1) * 2205; ++i)
      loudest = std::max(loudest, std::abs(int(static_cast<std::int16_t>(le16(b, 44 + 2 * i)))));
    EXPECT_GT(loudest, 6000) << "at " << tenth / 10.0 << " s";
  }
}

}  // namespace
