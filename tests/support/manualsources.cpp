#include "tests/support/manualsources.h"

#include <cmath>
#include <stdexcept>
#include <utility>

namespace rt {

void ManualTimeOfDay::set(float seconds) {
  if (!std::isfinite(seconds)) seconds = 0.0f;
  float s = std::fmod(seconds, 86400.0f);
  if (s < 0.0f) s += 86400.0f;
  if (s >= 86400.0f) s = 0.0f;  // a tiny negative value can round up to a full day
  seconds_ = s;
}

ScriptedRandom::ScriptedRandom(std::vector<float> values) : values_(std::move(values)) {
  if (values_.empty()) throw std::invalid_argument("ScriptedRandom needs at least one value");
  for (float v : values_)
    if (!(v >= 0.0f && v < 1.0f)) throw std::invalid_argument("ScriptedRandom values must lie in [0, 1)");
}

float ScriptedRandom::next() { return values_[drawn_++ % values_.size()]; }

}  // namespace rt
