#include "weather/weatherlog.h"

#include <algorithm>

#include "runtime/lettercase.h"
#include "runtime/recordfile.h"

namespace weather {

namespace {
WeatherTable readDays(rt::RecordReader& in) {
  WeatherTable log;
  for (int r = 1; r <= kDays; ++r)
    for (int c = 1; c <= kFields; ++c) log[size_t(r)][size_t(c)] = in.readItem();
  return log;
}
}  // namespace

WeatherTable readWeatherData(std::string bytes) {
  rt::RecordReader in = rt::RecordReader::fromBytes(std::move(bytes));
  return readDays(in);
}

WeatherTable readWeatherFile(const std::string& path) {
  rt::RecordReader in(path);
  return readDays(in);
}

void writeWeatherFile(const std::string& path, const WeatherTable& log) {
  rt::RecordWriter out(path);
  for (int r = 1; r <= kDays; ++r) {
    const auto& day = log[size_t(r)];
    out.writeRecord(std::vector<std::string>(day.begin() + 1, day.end()));
  }
  out.commit();
}

std::string fileNameProblem(const std::string& typed) {
  if (typed.find_first_not_of(' ') == std::string::npos) return "Please type a file name.";
  if (typed.find_first_of("/\\:") != std::string::npos || typed.find("..") != std::string::npos)
    return "A file name may not contain \\, /, : or \"..\": data files stay in the program's folder.";
  for (unsigned char ch : typed)
    if (ch < 32 || ch == 127) return "A file name may not contain control characters.";
  // A name must be text the folder's list can show again, letter for letter, so the file
  // can be found under it; a name begun with a full stop would make a hidden file.
  if (!rt::isUtf8(typed)) return "A file name may only contain letters, digits and other characters that can be typed.";
  if (typed.front() == '.') return "A file name may not begin with a full stop.";
  return {};
}

// Cut by letters, never inside one, then put in capitals letter by letter.
std::string saveName(const std::string& typed) { return rt::upperCase(rt::leftLetters(typed, 8)); }

std::string listEntry(const std::string& fileName) {
  return rt::upperCase(fileName.size() > 4 ? fileName.substr(0, fileName.size() - 4) : std::string());
}

int maxLengthFor(int col) {
  if (col == kDate) return 10;
  if (col == kComment) return 30;
  return 5;
}

bool keyAccepted(int col, int keyAscii) {
  if (keyAscii == '"') return false;
  const bool digit = keyAscii >= '0' && keyAscii <= '9';
  switch (col) {
    case kHigh:
    case kLow: return digit || keyAscii == '-' || keyAscii == 8;
    case kPrec:
    case kPress: return digit || keyAscii == '.' || keyAscii == 8;
    default: return true;
  }
}

Cell nextCell(Cell from, int keyCode, int shift) {
  int r = from.row, c = from.col;
  constexpr int kEnter = 13, kTab = 9, kUp = 38, kDown = 40;
  if ((keyCode == kEnter || keyCode == kTab) && shift == 0) {
    if (++c > kFields) {
      r = std::min(r + 1, kDays);
      c = 1;
    }
  } else if (keyCode == kDown && shift == 0) {
    r = std::min(r + 1, kDays);
  } else if (keyCode == kUp && shift == 0) {
    r = std::max(r - 1, 1);
  } else if (keyCode == kTab && shift == 1) {
    if (--c < 1) {
      r = std::max(r - 1, 1);
      c = kFields;
    }
  }
  return {r, c};
}

}  // namespace weather
