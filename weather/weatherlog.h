#pragma once
// The weather log: 60 days of six readings each, kept exactly as typed, and the data files
// that hold a log (".wwd" in the program's folder, 60 records of six quoted fields).
//
// Also the grid editor's rules that do not depend on a window: how long a cell's text may be
// typed, which keys a column accepts, and where the navigation keys move the edit cell.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace weather {

constexpr int kDays = 60;
constexpr int kFields = 6;

// Columns of a day's record.
enum Field : int { kDate = 1, kHigh = 2, kLow = 3, kPrec = 4, kPress = 5, kComment = 6 };

// Rows 1 to 60 are the days, columns 1 to 6 the fields; row 0 and column 0 stay unused so
// that the indices are the day and field numbers.
using WeatherTable = std::array<std::array<std::string, kFields + 1>, kDays + 1>;

// Reads a whole log. Each day takes the next six items of the file, whatever its line
// structure; records after the 60th are ignored. Throws rt::RuntimeError: 53 for a missing
// file, 62 for a file that ends before 360 items.
WeatherTable readWeatherFile(const std::string& path);
// The same from a data file's bytes already in memory; throws rt::RuntimeError(62) for bytes
// that end before 360 items.
WeatherTable readWeatherData(std::string bytes);
// Writes the log as 60 records through a temporary file, so a failed write leaves an older
// file of the same name intact. Throws rt::RuntimeError.
void writeWeatherFile(const std::string& path, const WeatherTable& log);

// A typed file name that may not be used as it stands: the reason, or empty when it is fine.
// Names stay inside the program's folder (no path separators, no drive, no ".."), and a
// name must be text (UTF-8, no control characters) that is not empty, only blanks or begun
// with a full stop (a hidden file), so the file can be found in the list again.
std::string fileNameProblem(const std::string& typed);
// The name a log is saved under: the first 8 letters (never part of one), in capitals by
// the rule for every letter (é to É).
std::string saveName(const std::string& typed);
// The list entry for a data file's name: without its last four characters (".wwd"), in
// capitals as saveName puts them, so a saved file is listed under the name it was saved as.
std::string listEntry(const std::string& fileName);

// -- the grid editor's rules ------------------------------------------------------------
// The typing limit of a column's edit box.
int maxLengthFor(int col);
// Whether a typed character (its code; 8 for Backspace) is accepted in a column. The double
// quote is refused everywhere: it would end a field in the data file.
bool keyAccepted(int col, int keyAscii);

struct Cell {
  int row;
  int col;
  bool operator==(const Cell&) const = default;
};
// Where a key moves the edit cell (Enter and Tab forward with a wrap to the next day,
// Shift+Tab back, the arrows up and down); any other key stays.
Cell nextCell(Cell from, int keyCode, int shift);

}  // namespace weather
