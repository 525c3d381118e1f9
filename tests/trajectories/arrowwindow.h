#pragma once
// The trajectories window opened from the menu on the offscreen platform, in a program folder
// of its own with the fresh settings file and the pictures, a recording printer and the test
// services.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "app/projects.h"
#include "platform/button.h"
#include "platform/files.h"
#include "platform/printer.h"
#include "platform/services.h"
#include "runtime/random.h"
#include "shell/menuwindow.h"
#include "shell/programfolder.h"
#include "shell/settings.h"
#include "tests/support/manualsources.h"
#include "tests/support/doubles.h"
#include "trajectories/frmarrow.h"

namespace arrowtest {

using traj::frmArrow;

class ArrowWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    services = plat::installTestServices();
    printed = plat::installRecordingPrinter(100, true);
    ASSERT_TRUE(dir.isValid());
    plat::setProgramFolder(dir.path());
    shell::settings() = shell::SharedSettings{};
    QFile fresh(VANTREL_RESOURCES "/vtrel5.ini");
    ASSERT_TRUE(fresh.copy(dir.filePath("vtrel5.ini")));
    // The mark's picture, as the build lays it beside the program.
    QFile::copy(VANTREL_APP_DIR "/arrowmark.png", dir.filePath("arrowmark.png"));
    menu = new shell::MenuWindow;
    registerProjects(*menu);
    menu->onEnd = [](int) {};
    menu->Show();
  }
  void TearDown() override {
    if (menu) {
      if (menu->currentProject()) delete menu->currentProject();
      delete menu;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    plat::setProgramFolder(QString());
  }
  // Opens the trajectories from the menu's eighth button; hit messages then come from a
  // scripted source.
  frmArrow* open() {
    menu->projectButton(8)->click();
    window = qobject_cast<frmArrow*>(menu->currentProject());
    if (window) window->setRandomSource(&random);
    return window;
  }
  int plays(const char* name) const { return services.sound->countPlays(name); }

  plat::TestServices services{};
  plat::RecordingPrinter* printed = nullptr;
  rt::ScriptedRandom random{{0.1f}};
  QTemporaryDir dir;
  QPointer<shell::MenuWindow> menu;
  QPointer<frmArrow> window;
};

}  // namespace arrowtest
