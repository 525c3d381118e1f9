#pragma once
// The toothpick drop: toothpicks as long as the spacing of six ruled lines fall at random
// on the sheet; the share that cross a line is 2 / pi, so twice the drops over the
// crossings tends to pi. Drops come in timed batches and stop for good at 10000 until Clear.
//
// The sheet is measured in twips from its top left corner, y downwards.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "runtime/colour.h"
#include "runtime/random.h"

namespace probability {

using std::size_t;

inline constexpr int16_t kDropCap = 10000;

class ToothpickHost {
 public:
  virtual ~ToothpickHost();
  virtual void clearSheet() = 0;
  // A ruled line in white across the whole sheet at height y.
  virtual void drawRuledLine(int16_t y) = 0;
  virtual void drawToothpick(double x1, double y1, double x2, double y2, rt::Colour colour) = 0;
};

// Where one toothpick fell: its rounded centre, the angle, and its ends (heights rounded).
struct Toothpick {
  int16_t xc = 0, yc = 0;
  float angle = 0;
  int16_t y1 = 0, y2 = 0;
  double x1 = 0, x2 = 0;
};

class ToothpickDrop {
 public:
  ToothpickDrop(rt::RandomSource& random, ToothpickHost& host) : m_random(random), m_host(host) {}

  // The load step: the spacing from the sheet's outer size, counts at zero, the lines drawn.
  void load(int sheetWidthTwips, int sheetHeightTwips);
  void setDropGroup(int16_t n) { m_group = n; }
  void startPause();
  void tick();
  // One drop; false (and the run stopped) when the cap was already reached.
  bool dropToothpick();
  void clear();

  // Where a toothpick with these random numbers falls on a sheet of width w, spacing l.
  static Toothpick place(int w, int16_t l, float r1, float r2, float r3);
  // Whether the toothpick crosses the ruled line at height y (ends on the line count).
  static bool crosses(const Toothpick& t, int16_t y);

  bool running() const { return m_running != 0; }
  int16_t dropGroup() const { return m_group; }
  int16_t totalDrops() const { return m_drops; }
  int16_t totalHits() const { return m_hits; }
  int16_t dropBatch() const { return m_batch; }
  int16_t lineSpacing() const { return m_spacing; }
  int16_t lineY(int i) const { return m_lineY[size_t(i)]; }
  const Toothpick& last() const { return m_last; }
  const std::string& dropsText() const { return m_dropsText; }
  const std::string& hitsText() const { return m_hitsText; }
  const std::string& piText() const { return m_piText; }
  std::string buttonCaption() const { return running() ? "&Pause" : "&Drop"; }

 private:
  void drawLines();
  rt::RandomSource& m_random;
  ToothpickHost& m_host;
  int m_width = 5175;
  int16_t m_spacing = 791;
  std::array<int16_t, 6> m_lineY{};
  int16_t m_running = 0, m_drops = 0, m_hits = 0, m_batch = 0, m_group = 1;
  Toothpick m_last;
  std::string m_dropsText = "0", m_hitsText = "0", m_piText;
};

}  // namespace probability
