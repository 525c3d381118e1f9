#pragma once
// The trajectories window opened from the menu on the offscreen platform, in a program folder
// of its own with the fresh settings file and the mark's picture, a recording printer and the
// test services; hit messages draw their chance from a scripted source.

#include <gtest/gtest.h>

#include <QFile>
#include <QPointer>

#include "runtime/random.h"
#include "shell/clocks.h"
#include "shell/programfolder.h"
#include "shell/settings.h"
#include "tests/support/manualsources.h"
#include "tests/support/menufixture.h"
#include "trajectories/trajectorieswindow.h"

namespace trajtest {

using traj::TrajectoriesWindow;

class TrajectoriesWindowTest : public MenuFixture {
 protected:
  void SetUp() override {
    MenuFixture::SetUp();
    // The mark's picture, as the build lays it beside the program.
    QFile::copy(VANTREL_APP_DIR "/arrowmark.png", dir.filePath("arrowmark.png"));
  }
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

  rt::ScriptedRandom random{{0.1f}};
  QPointer<TrajectoriesWindow> window;
};

}  // namespace trajtest
