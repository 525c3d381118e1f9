#pragma once
// The program as window tests meet it: a program folder of its own holding the settings file
// of a fresh installation, the scripted message boxes, recording sound, help and printer, a
// tick counter that moves only when the test moves it, and the menu started on that folder
// with every project registered. A test opens its project through the menu, as a user does.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>

#include "app/projects.h"
#include "platform/button.h"
#include "platform/files.h"
#include "platform/printer.h"
#include "platform/services.h"
#include "shell/clocks.h"
#include "shell/menuwindow.h"
#include "tests/support/controls.h"
#include "tests/support/doubles.h"
#include "tests/support/manualsources.h"

class MenuFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    services = plat::installTestServices();
    printed = plat::installRecordingPrinter();
    ASSERT_TRUE(dir.isValid());
    plat::setProgramFolder(dir.path());
    QFile fresh(VANTREL_RESOURCES "/vtrel5.ini");
    ASSERT_TRUE(fresh.copy(dir.filePath("vtrel5.ini")));
    shell::setTickClock(&clock);
    menu = new shell::MenuWindow;
    registerProjects(*menu);
    menu->onEnd = [](int) {};
    menu->open();
  }
  void TearDown() override {
    if (menu) {
      if (menu->currentProject()) delete menu->currentProject();
      delete menu;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    shell::setTickClock(nullptr);
    plat::setProgramFolder(QString());
  }
  // Presses the menu's project button and returns the window it opened.
  template <class Window>
  Window* openProject(int index) {
    control<plat::CommandButton>(*menu, "projectButton", index).click();
    return qobject_cast<Window*>(menu->currentProject());
  }

  plat::TestServices services{};
  plat::RecordingPrinter* printed = nullptr;
  QTemporaryDir dir;
  QPointer<shell::MenuWindow> menu;
  rt::ManualTickClock clock{1000};
};
