#pragma once
// The trajectories window opened from the menu on the offscreen platform, in a program folder
// of its own with the fresh settings file, a recording printer and the test services; hit
// messages draw their chance from a scripted source.

#include <gtest/gtest.h>

#include <QPointer>

#include "platform/button.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/lineoverlay.h"
#include "platform/picturebox.h"
#include "platform/scrollbar.h"
#include "runtime/random.h"
#include "shell/clocks.h"
#include "shell/programfolder.h"
#include "shell/settings.h"
#include "tests/support/controls.h"
#include "tests/support/manualsources.h"
#include "tests/support/menufixture.h"
#include "trajectories/trajectorieswindow.h"

namespace trajtest {

using trajectories::TrajectoriesWindow;

class TrajectoriesWindowTest : public MenuFixture {
 protected:
  void TearDown() override {
    MenuFixture::TearDown();
    shell::setRandomSource(nullptr);
  }
  // Opens the trajectories from the menu's eighth button; hit messages then come from the
  // scripted source.
  TrajectoriesWindow* open() {
    window = openProject<TrajectoriesWindow>(8);
    shell::setRandomSource(&random);
    return window;
  }
  int plays(const char* name) const { return services.sound->countPlays(name); }

  // The window's controls, by the names it gives them.
  plat::Label& angleReadout() const { return control<plat::Label>(*window, "angleReadout"); }
  plat::Label& speedReadout() const { return control<plat::Label>(*window, "speedReadout"); }
  plat::Label& markXReadout() const { return control<plat::Label>(*window, "markXReadout"); }
  plat::Label& markYReadout() const { return control<plat::Label>(*window, "markYReadout"); }
  plat::Label& message() const { return control<plat::Label>(*window, "message"); }
  plat::HScrollBar& angleBar() const { return control<plat::HScrollBar>(*window, "angleBar"); }
  plat::HScrollBar& speedBar() const { return control<plat::HScrollBar>(*window, "speedBar"); }
  plat::CommandButton& shootButton() const { return control<plat::CommandButton>(*window, "shootButton"); }
  plat::CommandButton& clearButton() const { return control<plat::CommandButton>(*window, "clearButton"); }
  plat::CommandButton& printButton() const { return control<plat::CommandButton>(*window, "printButton"); }
  plat::CommandButton& helpButton() const { return control<plat::CommandButton>(*window, "helpButton"); }
  plat::CommandButton& exitButton() const { return control<plat::CommandButton>(*window, "exitButton"); }
  plat::PictureBox& gridPicture() const { return control<plat::PictureBox>(*window, "gridPicture"); }
  plat::ImageBox& markPicture() const { return control<plat::ImageBox>(*window, "markPicture"); }
  plat::Line& indicatorLine() const { return control<plat::Line>(*window, "indicatorLine"); }
  // The dotted lines of 100 to 400 feet, 0 to 3.
  plat::Line& heightLine(int i) const { return control<plat::Line>(*window, "heightLine", i); }

  rt::ScriptedRandom random{{0.1f}};
  QPointer<TrajectoriesWindow> window;
};

}  // namespace trajtest
