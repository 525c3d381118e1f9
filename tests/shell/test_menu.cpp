// The menu as a user meets it: start-up with and without a good settings file, the ten
// project buttons, the round trip to a project and back, help, and the way out that writes
// the settings file.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include "app/projects.h"
#include "platform/button.h"
#include "platform/files.h"
#include "platform/services.h"
#include "shell/menuwindow.h"
#include "shell/programfolder.h"
#include "shell/settings.h"
#include "tests/support/controls.h"
#include "tests/support/doubles.h"
#include "tests/support/filelimit.h"

#include <sys/wait.h>
#include <unistd.h>

namespace {

// A project whose own way out goes back where the menu said.
class LeavingWindow : public plat::Form {
 public:
  void leave() {
    unload();
    returnToMenu();
  }
};

QByteArray freshFile() {
  QFile f(VANTREL_RESOURCES "/vtrel5.ini");
  f.open(QIODevice::ReadOnly);
  return f.readAll();
}

class MenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    services = plat::installTestServices();
    ASSERT_TRUE(dir.isValid());
    plat::setProgramFolder(dir.path());
    shell::settings() = shell::SharedSettings{};
  }
  void TearDown() override {
    if (menu) {
      if (menu->currentProject()) delete menu->currentProject();
      delete menu;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    plat::setProgramFolder(QString());
  }
  void writeSettings(const QByteArray& bytes) {
    QFile f(iniPath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
  }
  QByteArray readSettings() {
    QFile f(iniPath());
    if (!f.open(QIODevice::ReadOnly)) return "(missing)";
    return f.readAll();
  }
  QString iniPath() const { return dir.filePath("vtrel5.ini"); }
  // The menu's buttons, by the names it gives them.
  plat::CommandButton& projectButton(int index) { return control<plat::CommandButton>(*menu, "projectButton", index); }
  plat::CommandButton& exitButton() { return control<plat::CommandButton>(*menu, "exitButton"); }
  plat::CommandButton& helpButton() { return control<plat::CommandButton>(*menu, "helpButton"); }
  void start() {
    menu = new shell::MenuWindow;
    registerProjects(*menu);
    menu->onEnd = [this](int code) { endCodes.push_back(code); };
    menu->open();
  }

  plat::TestServices services{};
  QTemporaryDir dir;
  QPointer<shell::MenuWindow> menu;
  std::vector<int> endCodes;
};

TEST_F(MenuTest, OpensWithTenProjectButtonsInTwoColumns) {
  writeSettings(freshFile());
  start();
  ASSERT_TRUE(menu->isVisible());
  EXPECT_EQ(menu->caption(), "Vantrel, Version 4.0");
  EXPECT_EQ(menu->width(), 493);  // 7395 x 3945 twips
  EXPECT_EQ(menu->height(), 263);
  const char* captions[] = {"Levers",   "Pendulum", "Water Wheel",  "Moon Lander", "Weather Watch",
                            "Circuits", "Robotics", "Trajectories", "Rocketry",    "Probability"};
  for (int i = 1; i <= 10; ++i) {
    auto* b = &projectButton(i);
    EXPECT_EQ(b->caption(), captions[i - 1]);
    EXPECT_EQ(b->x(), i <= 5 ? 192 : 344) << i;  // 2880 and 5160 twips
    EXPECT_EQ(b->y(), 16 + 48 * ((i - 1) % 5)) << i;
    EXPECT_EQ(b->size(), QSize(145, 41));
    EXPECT_TRUE(b->isEnabled());
  }
  EXPECT_EQ(exitButton().accessibleName(), "Exit");
  EXPECT_EQ(helpButton().caption(), "&Help");
  EXPECT_TRUE(services.boxes->calls.empty());
  EXPECT_TRUE(services.sound->calls.empty());  // no sound at start-up
}

TEST_F(MenuTest, ExitRewritesTheFreshFileByteForByte) {
  writeSettings(freshFile());
  start();
  exitButton().click();
  EXPECT_EQ(readSettings(), freshFile());
  EXPECT_EQ(readSettings().size(), 215);
  EXPECT_EQ(endCodes, std::vector<int>{0});
}

TEST_F(MenuTest, ClosingTheMenuWindowSavesLikeExit) {
  writeSettings(freshFile());
  start();
  shell::settings().NumFlips = 250;
  menu->close();
  EXPECT_EQ(endCodes, std::vector<int>{0});
  EXPECT_NE(readSettings().indexOf("\r\n5,250\r\n"), -1);
}

TEST_F(MenuTest, ExitOnAFullDiskKeepsTheOldFileSaysSoAndEnds) {
  writeSettings(freshFile());
  start();
  shell::settings().NumFlips = 250;
  // The disk takes 100 bytes of the 215 that the file needs.
  const std::string seen = testsupport::inChildWithFileLimit(100, [&] {
    exitButton().click();
    std::string out;
    for (const auto& c : services.boxes->calls)
      out += "box " + std::to_string(c.style) + ": " + c.text.toStdString() + "\n";
    for (int code : endCodes) out += "end " + std::to_string(code) + "\n";
    return out;
  });
  EXPECT_EQ(seen, "box " + std::to_string(plat::msg::OkOnly | plat::msg::Exclamation) +
                      ": The settings could not be saved in " + (shell::g_basePath + "vtrel5.ini").toStdString() +
                      ".\n\nDisk full (File too large)\nend 1\n");
  EXPECT_EQ(readSettings(), freshFile());
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"vtrel5.ini"});
}

// The id of a process that has ended.
pid_t endedProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  int status = 0;
  ::waitpid(child, &status, 0);
  return child;
}

TEST_F(MenuTest, StartUpRemovesTheTemporaryFilesOfKilledWrites) {
  writeSettings(freshFile());
  const QString killed = dir.filePath(QString(".vtrel5.ini.%1.123456.tmp").arg(endedProcess()));
  const QString killedLog = dir.filePath(QString(".MARCH.wwd.%1.42.tmp").arg(endedProcess()));
  const QString running = dir.filePath(QString(".MARCH.wwd.%1.7.tmp").arg(::getpid()));
  for (const QString& path : {killed, killedLog, running}) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("1, -1 ,5");
  }
  start();
  ASSERT_TRUE(menu->isVisible());
  EXPECT_FALSE(QFile::exists(killed));
  EXPECT_FALSE(QFile::exists(killedLog));
  EXPECT_TRUE(QFile::exists(running));  // a write going on now keeps its file
  EXPECT_EQ(readSettings(), freshFile());
  EXPECT_TRUE(services.boxes->calls.empty());
}

TEST_F(MenuTest, MissingFileStopsBeforeTheMenuAndWritesNothing) {
  start();
  ASSERT_EQ(services.boxes->calls.size(), 1u);
  EXPECT_EQ(services.boxes->calls[0].text, "File missing/incomplete - Reinstall program");
  EXPECT_EQ(services.boxes->calls[0].style, plat::msg::OkOnly | plat::msg::Critical);
  EXPECT_FALSE(menu->isVisible());
  EXPECT_TRUE(menu->ended());
  EXPECT_EQ(endCodes, std::vector<int>{1});
  EXPECT_FALSE(QFile::exists(iniPath()));
}

TEST_F(MenuTest, IncompleteFileStopsAndIsLeftAsItWas) {
  QByteArray cut = freshFile();
  cut.chop(6);  // line 19 loses its last value
  writeSettings(cut);
  start();
  ASSERT_EQ(services.boxes->calls.size(), 1u);
  EXPECT_EQ(services.boxes->calls[0].text, "File missing/incomplete - Reinstall program");
  EXPECT_FALSE(menu->isVisible());
  EXPECT_EQ(readSettings(), cut);
}

TEST_F(MenuTest, ProjectRoundTripReadsTheFileOnce) {
  writeSettings(freshFile());
  start();
  // The file on disk changes behind the program's back: it is not read again.
  writeSettings(QByteArray(freshFile()).replace("5,500", "3,100"));

  QTest::mouseClick(&projectButton(1), Qt::LeftButton);
  EXPECT_FALSE(menu->isVisible());
  QPointer<plat::Form> project = menu->currentProject();
  ASSERT_TRUE(project);
  EXPECT_TRUE(project->isVisible());
  EXPECT_EQ(project->caption(), "Levers");
  shell::settings().NumRolls = 123;  // a value the project stores

  // The title bar's close box goes back to the menu, as the project's Exit does.
  project->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(project.isNull());
  EXPECT_TRUE(menu->isVisible());
  EXPECT_TRUE(endCodes.empty());

  // Chosen again, the project is loaded anew.
  QTest::mouseClick(&projectButton(1), Qt::LeftButton);
  QPointer<plat::Form> again = menu->currentProject();
  ASSERT_TRUE(again);
  EXPECT_EQ(again->caption(), "Levers");
  again->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(menu->isVisible());

  // A project's own way out takes the way back the menu gave it.
  menu->setProject(10, [] { return new LeavingWindow; });
  QTest::mouseClick(&projectButton(10), Qt::LeftButton);
  auto* leaving = dynamic_cast<LeavingWindow*>(menu->currentProject());
  ASSERT_NE(leaving, nullptr);
  EXPECT_FALSE(menu->isVisible());
  leaving->leave();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(menu->isVisible());

  EXPECT_EQ(shell::settings().NumCoins, 5);  // not re-read from the changed file
  exitButton().click();
  QByteArray written = readSettings();
  EXPECT_NE(written.indexOf("\r\n5,500\r\n2,123\r\n"), -1);
}

TEST_F(MenuTest, HelpOpensTheContentsOfTheApplicationHelpFile) {
  writeSettings(freshFile());
  QFile help(dir.filePath("vtrel.hlp"));
  ASSERT_TRUE(help.open(QIODevice::WriteOnly));
  help.write("VANTREL HELP 1\n=contents Test\n");
  help.close();
  start();
  helpButton().click();
  ASSERT_EQ(services.help->calls.size(), 1u);
  EXPECT_EQ(services.help->calls[0].topic, 0);
  EXPECT_EQ(services.help->calls[0].file, shell::g_basePath + "vtrel.HLP");
  // The upper-case name finds the file as it lies in the folder.
  EXPECT_EQ(plat::resolveFile(services.help->calls[0].file), dir.filePath("vtrel.hlp"));
}

// Every project states its help file and topic once: its Help button and F1 open the same page.
TEST_F(MenuTest, HelpButtonAndF1InEveryProjectOpenTheProjectsTopic) {
  writeSettings(freshFile());
  start();
  struct {
    int index;
    const char* file;
    int topic;
  } expected[] = {{1, "vtrel.hlp", 1},     {2, "palorime.hlp", 13}, {3, "vtrel.hlp", 3}, {4, "vtrel.hlp", 4},
                  {5, "palorime.hlp", 15}, {6, "vtrel.hlp", 6},     {7, "vtrel.hlp", 7}, {8, "palorime.hlp", 16},
                  {9, "palorime.hlp", 18}, {10, "vtrel.hlp", 13}};
  for (const auto& e : expected) {
    SCOPED_TRACE(shell::projectCaption(e.index).toStdString());
    menu->openProject(e.index);
    QPointer<plat::Form> project = menu->currentProject();
    ASSERT_TRUE(project);
    EXPECT_EQ(project->helpFile(), e.file);
    EXPECT_EQ(project->helpTopic(), e.topic);

    services.help->calls.clear();
    plat::CommandButton* help = nullptr;
    for (auto* b : project->findChildren<plat::CommandButton*>())
      if (b->accessibleName() == "Help" && b->isVisible()) help = b;
    ASSERT_NE(help, nullptr);
    help->click();
    QApplication::setActiveWindow(project);
    ASSERT_TRUE(QTest::qWaitForWindowActive(project));
    QTest::keyClick(project, Qt::Key_F1);
    ASSERT_EQ(services.help->calls.size(), 2u);
    for (const plat::HelpCall& call : services.help->calls) {
      EXPECT_EQ(call.file, shell::appFilePath(e.file));
      EXPECT_EQ(call.topic, e.topic);
    }

    project->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(menu->isVisible());
  }
}

}  // namespace
