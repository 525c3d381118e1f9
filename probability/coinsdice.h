#pragma once
// The coins and the dice: n items thrown together many times in timed batches, each throw
// counted (heads, or the total of the spots) and set against the exact chance. The two are
// twins: a run is started and paused by one button, makes a batch of throws one per tick,
// adds to the counts of earlier runs, and stops for good at 10000 throws until Clear.
//
// The experiments keep everything their tab shows (faces, read-out texts, captions), so
// the window only copies it onto its controls and draws the graph from Graph().

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "runtime/random.h"

namespace probability {

using std::size_t;

// Throws counted since Clear at most.
inline constexpr int16_t kThrowCap = 10000;

// The frequency graph and its axis strip, in the graph's own units: x the number of heads
// or the total, y the relative frequency upwards.
struct FrequencyGraph {
  double left = 0, top = 1, right = 1, bottom = 0;
  std::vector<std::pair<double, double>> theory;     // red
  std::vector<std::pair<double, double>> actual;     // black, empty before the first throw
  std::vector<std::pair<double, std::string>> axis;  // digits centred at x on the strip
};

// Running, stopping and counting batches: what coins and dice share.
class BatchRun {
 public:
  virtual ~BatchRun();
  // The start/pause button.
  void startPause();
  // One tick of the timer: one throw, and the end of the batch after its last.
  void tick();
  bool running() const { return m_running != 0; }
  int16_t batch() const { return m_batch; }
  int16_t total() const { return m_total; }
  int16_t perRun() const { return m_perRun; }

 protected:
  // One throw; false (and the run stopped) when the cap was already reached.
  bool throwWithinCap();
  virtual void throwOnce() = 0;
  void stop() { m_running = 0; }
  int16_t m_running = 0, m_batch = 0, m_total = 0, m_perRun = 1;
};

class CoinsExperiment : public BatchRun {
 public:
  explicit CoinsExperiment(rt::RandomSource& random) : m_random(random) {}

  // The flips per run, from the flips bar.
  void setNumFlips(int16_t n) { m_perRun = n; }
  // The coins bar: the coins shown get new random faces, then the counts are cleared.
  void setNumCoins(int16_t n);
  void clear();
  // One flip of all coins (the timer's step); false when the cap stopped the run.
  bool flipCoins() { return throwWithinCap(); }
  FrequencyGraph graph() const;

  int16_t numCoins() const { return m_numCoins; }
  int16_t numFlips() const { return m_perRun; }
  int16_t totalFlips() const { return m_total; }
  int16_t headCount(int k) const { return m_heads[size_t(k)]; }
  // 0 heads, 1 tails, -1 an empty slot.
  int face(int slot) const { return m_face[size_t(slot)]; }
  bool rowVisible(int k) const { return m_rowVisible[size_t(k)]; }
  const std::string& actualText(int k) const { return m_actualText[size_t(k)]; }
  const std::string& theoryText(int k) const { return m_theoryText[size_t(k)]; }
  std::string frameCaption() const;
  std::string buttonCaption() const { return running() ? "&Pause" : "&Flip Coins"; }
  // The top of the graph's scale: 1.2 times the largest chance.
  float graphTop() const { return m_graphTop; }
  // Expected flips with k heads so far, to the nearest whole (halves to even).
  int16_t theoryCount(int k) const;

 private:
  void throwOnce() override;
  rt::RandomSource& m_random;
  int16_t m_numCoins = 1;
  std::array<int16_t, 6> m_heads{};
  std::array<int, 5> m_face{-1, -1, -1, -1, -1};
  std::array<bool, 6> m_rowVisible{};
  std::array<std::string, 6> m_actualText{}, m_theoryText{};
  float m_graphTop = 1;
};

class DiceExperiment : public BatchRun {
 public:
  // Every slot starts with a random face (the load step).
  explicit DiceExperiment(rt::RandomSource& random) : m_random(random) {}

  // The load step's faces for all five slots.
  void randomFaces();
  void setNumRolls(int16_t n) { m_perRun = n; }
  // The dice bar: the slots in use show their last faces again; the counts are cleared.
  void setNumDice(int16_t n);
  void clear();
  bool rollDice() { return throwWithinCap(); }
  FrequencyGraph graph() const;

  int16_t numDice() const { return m_numDice; }
  int16_t numRolls() const { return m_perRun; }
  int16_t totalRolls() const { return m_total; }
  int16_t totalCount(int t) const { return m_count[size_t(t)]; }
  // The spots (1 to 6) a slot shows, and whether it is shown.
  int face(int slot) const { return m_face[size_t(slot)]; }
  bool slotVisible(int slot) const { return m_visible[size_t(slot)]; }
  const std::string& rollsText() const { return m_rollsText; }
  const std::string& totalText() const { return m_totalText; }
  std::string buttonCaption() const { return running() ? "&Pause" : "&Roll Dice"; }
  float graphTop() const { return m_graphTop; }
  int16_t theoryCount(int t) const;

 private:
  void throwOnce() override;
  rt::RandomSource& m_random;
  int16_t m_numDice = 1;
  std::array<int16_t, 31> m_count{};
  std::array<int, 5> m_face{1, 1, 1, 1, 1};
  std::array<bool, 5> m_visible{};
  std::string m_rollsText = "0", m_totalText = "0";
  float m_graphTop = 1;
};

}  // namespace probability
