#pragma once
// Rows the windows with plots beside their picture share (the pendulum and the water wheel),
// for what stands the same in both: the frame of Help and Exit at the bottom right (only the
// frame's top differs) and the titles written downwards letter by letter beside the plots.

#include <functional>
#include <span>
#include <vector>

#include "platform/button.h"
#include "platform/label.h"
#include "platform/layout.h"
#include "runtime/palette.h"

namespace plat::plotwindow {

// -- the frame of Help and Exit -------------------------------------------------------------

constexpr double kFrameLeft = 5280, kFrameWidth = 2535, kFrameHeight = 855;
// The buttons, in the frame. Exit's caption turns to "&Stop" while a run goes on.
constexpr plat::ControlRow kHelpButton{"&Help", 120, 240, 1095, 495};
constexpr plat::ControlRow kExitButton{"E&xit", 1320, 240, 1095, 495};

// The frame's row in its window, for a frame whose top edge stands at `top` twips.
constexpr plat::ControlRow helpExitFrameAt(double top) {
  return plat::ControlRow{nullptr, kFrameLeft, top, kFrameWidth, kFrameHeight};
}

struct HelpExitButtons {
  plat::CommandButton* help;
  plat::CommandButton* exit;
};

// Builds the frame at `top` in the window and its two buttons, with what their clicks do.
inline HelpExitButtons buildHelpExit(QWidget* window, double top, std::function<void()> onHelp,
                                     std::function<void()> onExit) {
  auto* frame = plat::build<plat::Frame>(window, helpExitFrameAt(top));
  HelpExitButtons b{plat::build<plat::CommandButton>(frame, kHelpButton),
                    plat::build<plat::CommandButton>(frame, kExitButton)};
  b.help->onClick = std::move(onHelp);
  b.exit->onClick = std::move(onExit);
  return b;
}

// -- titles and plots -----------------------------------------------------------------------

constexpr plat::FontStyle kTitleFont{"Arial", 9.75, true};

// One letter of a title written downwards in the gap left of the plots.
constexpr double kSideLetterStep = 240;  // from one letter's top to the next one's
constexpr plat::ControlRow sideLetterAt(const char* letter, double top) {
  return plat::ControlRow{letter, 4320, top, 255, 255, kTitleFont, rt::palette::kYellow};
}

// A title's letter, centred in its row.
inline plat::Label* buildTitle(QWidget* window, const plat::ControlRow& row) {
  auto* title = plat::build<plat::Label>(window, row);
  title->setAlignment(plat::Label::Center);
  return title;
}

// The titles written downwards, from their letters' rows: letters a step apart make one word,
// which screen readers hear whole, and none of its letters alone.
inline void buildSideTitles(QWidget* window, std::span<const plat::ControlRow> letters) {
  std::vector<plat::Label*> word;
  for (size_t i = 0; i < letters.size(); ++i) {
    word.push_back(buildTitle(window, letters[i]));
    if (i + 1 == letters.size() || letters[i + 1].top - letters[i].top != kSideLetterStep) {
      plat::hearAsOneWord(word);
      word.clear();
    }
  }
}

}  // namespace plat::plotwindow
