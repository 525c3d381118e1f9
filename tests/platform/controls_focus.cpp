// What a screen reader is told of the platform's windows and controls, checked through the
// toolkit's accessibility interfaces as the desktop's bus reads them: one focused object, and
// it showing; windows and dialogs known as such; names that a reader is told are new when
// they change.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "platform/button.h"
#include "platform/combobox.h"
#include "platform/filelist.h"
#include "platform/form.h"
#include "platform/helpviewer.h"
#include "platform/label.h"
#include "platform/optionbutton.h"
#include "platform/scrollbar.h"
#include "platform/services.h"
#include "platform/tabcontrol.h"
#include "platform/textbox.h"
#include "tests/support/heardtree.h"
#include "tests/support/screenreader.h"

using namespace plat;

namespace {

// A window shown and active, whose controls can take the focus.
struct ShownForm {
  Form form;
  explicit ShownForm(QWidget* owner = nullptr) : form(owner) { form.resize(400, 300); }
  bool show() {
    form.show();
    form.activateWindow();
    return QTest::qWaitForWindowActive(&form);
  }
};

// The level options and the units of a game, and its start button: Start hides both frames
// and shows the thrusters, then becomes Pause, as the moon lander's does.
struct StartWindow : ShownForm {
  Frame* levels = new Frame(&form, "Level");
  OptionGroup levelOptions;
  Frame* units = new Frame(&form, "Units");
  OptionGroup unitOptions;
  CommandButton* start = new CommandButton(&form, "&Start");
  CommandButton* thruster = new CommandButton(&form, "Main");
  StartWindow() {
    levels->setGeometry(0, 0, 150, 80);
    for (int i = 0; i < 2; ++i)
      levelOptions.add(i, levels, i ? "Expert" : "Beginner")->setGeometry(8, 20 + 25 * i, 120, 20);
    units->setGeometry(0, 90, 150, 80);
    for (int i = 0; i < 2; ++i)
      unitOptions.add(i, units, i ? "Metric" : "US (English)")->setGeometry(8, 20 + 25 * i, 120, 20);
    start->setGeometry(200, 0, 80, 30);
    thruster->setGeometry(200, 40, 80, 30);
    thruster->hide();
    levelOptions.choose(0);
    unitOptions.choose(0);
    start->onClick = [this] {
      levels->hide();
      units->hide();
      thruster->show();
      start->setCaption("&Pause");
    };
  }
};

}  // namespace

// The control that hides or disables itself while it has the focus keeps it until the handler
// that did so is done; the focus then lands once, where it is heard under its new name, and
// never on a control that was about to hide.
TEST(Focus, LandsOnceWhenTheHandlerIsDoneNeverOnTheWayThere) {
  StartWindow w;
  ASSERT_TRUE(w.show());
  w.levelOptions(0)->setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(w.levelOptions(0)->hasFocus());
  HeardEvents heard;
  w.start->click();  // as automation presses it: the focus stays on the level option
  QCoreApplication::processEvents();
  const auto landings = heard.focusLandings();
  ASSERT_EQ(landings.size(), 1u);
  EXPECT_EQ(landings[0].second, "Pause");
  EXPECT_EQ(landings[0].first, w.start);
  EXPECT_EQ(heard.count(w.unitOptions(0), QAccessible::Focus), 0);
  EXPECT_EQ(oneShowingFocus(), "");
}

// A disabled control passes the focus on once the handler is done, as a hidden one does.
TEST(Focus, ADisabledControlPassesTheFocusOnOnce) {
  ShownForm w;
  auto* first = new CommandButton(&w.form, "First");
  auto* second = new CommandButton(&w.form, "Second");
  first->setGeometry(0, 0, 80, 30);
  second->setGeometry(0, 40, 80, 30);
  ASSERT_TRUE(w.show());
  first->setFocus(Qt::TabFocusReason);
  HeardEvents heard;
  first->setEnabled(false);
  EXPECT_TRUE(heard.focusLandings().empty());
  QCoreApplication::processEvents();
  ASSERT_EQ(heard.focusLandings().size(), 1u);
  EXPECT_EQ(heard.focusLandings()[0].first, second);
  EXPECT_TRUE(second->hasFocus());
}

// A control that wraps another and hands it the focus is heard as a plain container: the bar
// of a scroll bar and the text field of a combo box alone report the focus.
TEST(Focus, AWrapperReportsNoFocusOfItsOwn) {
  ShownForm w;
  auto* bar = new HScrollBar(&w.form);
  bar->setGeometry(0, 0, 150, 17);
  bar->setRange(0, 100);
  bar->setAccessibleCaption("Speed");
  auto* box = new ComboBox(&w.form);
  box->setGeometry(0, 30, 150, 100);
  box->setAccessibleCaption("File name");
  box->addItem("LONG");
  box->addItem("NEW");
  box->setText("NEW");
  ASSERT_TRUE(w.show());

  bar->setFocus(Qt::TabFocusReason);
  QTest::keyClick(bar->bar(), Qt::Key_Right);
  EXPECT_EQ(bar->value(), 1);
  EXPECT_EQ(oneShowingFocus(), "");
  QAccessibleInterface* wrapper = QAccessible::queryAccessibleInterface(bar);
  EXPECT_FALSE(wrapper->state().focused);
  EXPECT_EQ(wrapper->text(QAccessible::Name), QString());
  EXPECT_TRUE(QAccessible::queryAccessibleInterface(bar->bar())->state().focused);

  box->setFocus(Qt::TabFocusReason);
  ASSERT_EQ(heardFocused().size(), 1u);
  EXPECT_EQ(heardFocused().front()->object(), box->edit());
}

// The entries of a list report the focus only while the list has it, and show only while the
// list shows: the marked entry of a combo box's list, or of a list in a hidden frame, is no
// second focus.
TEST(Focus, AListEntryIsFocusedOnlyWhileItsListHasTheFocus) {
  ShownForm w;
  auto* frame = new Frame(&w.form, "Open File");
  frame->setGeometry(0, 0, 200, 200);
  auto* box = new ComboBox(frame);
  box->setGeometry(8, 20, 150, 120);
  for (const char* name : {"LONG", "NEW", "TEST1"}) box->addItem(name);
  box->setText("NEW");
  auto* files = new FileList(frame);
  files->hide();
  files->addItem("NEW.wwd");
  files->setListIndex(0);
  auto* grid = new TextBox(&w.form);
  grid->setGeometry(250, 0, 100, 24);
  frame->hide();
  ASSERT_TRUE(w.show());
  grid->setFocus(Qt::TabFocusReason);

  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(box->listBox());
  ASSERT_EQ(list->childCount(), 3);
  EXPECT_EQ(list->child(1)->text(QAccessible::Name), "NEW");
  EXPECT_TRUE(list->child(1)->state().selected);
  EXPECT_TRUE(list->child(1)->state().invisible);
  EXPECT_EQ(oneShowingFocus(), "");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(files)->child(0)->state().focused, false);

  frame->show();
  box->setFocus(Qt::TabFocusReason);
  EXPECT_FALSE(list->child(1)->state().invisible);
  EXPECT_EQ(oneShowingFocus(), "");
  EXPECT_EQ(heardFocused().front()->object(), box->edit());

  // In the list itself, the current entry has the focus and is heard as it gets it.
  HeardEvents heard;
  box->listBox()->setFocus(Qt::MouseFocusReason);
  box->listBox()->setCurrentRow(2);
  EXPECT_EQ(oneShowingFocus(), "");
  EXPECT_EQ(heardAs(heardFocused().front()).toStdString(), "ListItem 'TEST1'");
  ASSERT_FALSE(heard.focusLandings().empty());
  EXPECT_EQ(heard.focusLandings().back().second, "TEST1");
}

// A message box is heard as an alert named by its title, its default button alone focused,
// not the row that holds it.
TEST(Focus, AMessageBoxHasOneFocusOnItsButton) {
  setMessageBoxBackend(nullptr);  // the desktop's own boxes
  QString problem = "the box never showed";
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    const bool active = QTest::qWaitForWindowActive(box);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(box);
    problem = active ? QString::fromStdString(oneShowingFocus()) : "the box never became active";
    if (a->text(QAccessible::Name) != "Print Lever") problem += " named " + a->text(QAccessible::Name);
    if (a->role() != QAccessible::AlertMessage && a->role() != QAccessible::Dialog) problem += " no dialog";
    auto* row = box->findChild<QDialogButtonBox*>();
    if (row && QAccessible::queryAccessibleInterface(row)->state().focused) problem += " the row is focused";
    box->reject();
  });
  messageBox("Make sure printer is on-line and ready.", msg::OkCancel, "Print Lever");
  EXPECT_EQ(problem.toStdString(), "");
}

// A window is heard as a frame, a window with an owner as a dialog, each named by its title;
// a new title is announced.
TEST(Windows, AreHeardAsFramesAndDialogsByTheirTitles) {
  ShownForm project;
  project.form.setCaption("Water Wheel");
  ShownForm dialog(&project.form);
  dialog.form.setCaption("Water Wheel Parameters");
  QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&project.form);
  EXPECT_EQ(window->role(), QAccessible::Window);
  EXPECT_EQ(window->text(QAccessible::Name), "Water Wheel");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(&dialog.form)->role(), QAccessible::Dialog);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(&dialog.form)->text(QAccessible::Name), "Water Wheel Parameters");

  HeardEvents heard;
  project.form.setCaption("Weather Watch, Current File: LONG");
  EXPECT_EQ(heard.count(&project.form, QAccessible::NameChanged), 1);
  EXPECT_EQ(window->text(QAccessible::Name), "Weather Watch, Current File: LONG");
}

// The help window's title names the help and its page, not only the page (a topic is often
// named as the project it helps with); a link followed gives a new title, announced.
TEST(Windows, TheHelpWindowIsTitledByTheHelpAndItsPage) {
  QTemporaryDir dir;
  QFile file(dir.filePath("vtrel.hlp"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(
      "VANTREL HELP 1\n=contents Sample Help\nAll topics.\n=topic 1 Levers\nA lever.\n=topic 7 Robotics\nAn arm.\n");
  file.close();
  HelpViewer viewer;
  viewer.open(file.fileName(), 1);
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&viewer);
  EXPECT_EQ(a->role(), QAccessible::Window);
  EXPECT_EQ(a->text(QAccessible::Name), "Levers - Sample Help");
  HeardEvents heard;
  viewer.open(file.fileName(), 0);
  EXPECT_EQ(a->text(QAccessible::Name), "Sample Help");
  EXPECT_EQ(heard.count(&viewer, QAccessible::NameChanged), 1);
  viewer.close();
}

// A text box is heard by the caption whose buddy it is: a new caption renames it, and the
// reader is told; an unchanged caption tells nothing.
TEST(Names, ABuddyIsRenamedWithItsCaption) {
  QWidget w;
  auto* caption = new Label(&w, "L Stick (cm)");
  auto* value = new TextBox(&w);
  caption->setBuddy(value);
  HeardEvents heard;
  caption->setCaption("L Stick (in)");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(value)->text(QAccessible::Name), "L Stick (in)");
  EXPECT_EQ(heard.count(value, QAccessible::NameChanged), 1);
  caption->setCaption("L Stick (in)");
  EXPECT_EQ(heard.count(value, QAccessible::NameChanged), 1);
}

// A tab row is heard by its current tab: turning to another tab, by code or by a click, and
// a new caption of the current tab are announced on the row.
TEST(Names, ATabRowIsRenamedWithItsCurrentTab) {
  QWidget w;
  TabControl tabs(&w, 2);
  tabs.setTabCaption(0, "Record Weather Data");
  tabs.setTabCaption(1, "Plot Weather Data");
  QAccessibleInterface* row = QAccessible::queryAccessibleInterface(tabs.tabBar());
  HeardEvents heard;
  tabs.setTab(1);
  EXPECT_EQ(row->text(QAccessible::Name), "Plot Weather Data");
  EXPECT_EQ(heard.count(tabs.tabBar(), QAccessible::NameChanged), 1);
  tabs.tabBar()->setCurrentIndex(0);  // as a click turns it
  EXPECT_EQ(row->text(QAccessible::Name), "Record Weather Data");
  EXPECT_EQ(heard.count(tabs.tabBar(), QAccessible::NameChanged), 2);
  tabs.setTabCaption(0, "Record Data");
  EXPECT_EQ(row->text(QAccessible::Name), "Record Data");
  EXPECT_EQ(heard.count(tabs.tabBar(), QAccessible::NameChanged), 3);
  tabs.setTabCaption(1, "Plot Data");  // not the current tab: the row keeps its name
  EXPECT_EQ(heard.count(tabs.tabBar(), QAccessible::NameChanged), 3);
}
