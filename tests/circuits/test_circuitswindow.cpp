// The circuits window as a user meets it: opened from the menu, edited through the palette,
// simulated with lamps and switches toggled, stopped, cleared, printed, and left by Exit or
// the title bar.

#include <gtest/gtest.h>

#include "tests/support/controls.h"
#include "tests/support/menufixture.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <initializer_list>

#include "app/projects.h"
#include "circuits/circuitdraw.h"
#include "circuits/circuitswindow.h"
#include "platform/button.h"
#include "platform/files.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/picturebox.h"
#include "platform/printer.h"
#include "platform/services.h"
#include "platform/textbox.h"
#include "runtime/colour.h"
#include "runtime/palette.h"
#include "shell/menuwindow.h"
#include "shell/settings.h"
#include "tests/support/doubles.h"

namespace {

using circuits::CircuitsWindow;
using circuits::slotX;
using circuits::slotY;

class CircuitsWindowTest : public MenuFixture {
 protected:
  void SetUp() override {
    shell::settings() = shell::SharedSettings{};
    MenuFixture::SetUp();
    ASSERT_EQ(shell::settings().Element[1], 1);
  }
  void TearDown() override { MenuFixture::TearDown(); }
  CircuitsWindow* open() {
    w = openProject<CircuitsWindow>(6);
    return w;
  }
  // The window's controls, by the names it gives them.
  plat::CommandButton& button(const char* name) const { return control<plat::CommandButton>(*w, name); }
  plat::CommandButton& elementButton(int index) const {
    return control<plat::CommandButton>(*w, "elementButton", index);
  }
  plat::Label& voltReadout(int rung) const { return control<plat::Label>(*w, "voltReadout", rung); }
  plat::ImageBox& voltArrow(int rung) const { return control<plat::ImageBox>(*w, "voltArrow", rung); }
  plat::PictureBox& board() const { return control<plat::PictureBox>(*w, "board"); }
  plat::Frame& elementPalette() const { return control<plat::Frame>(*w, "elementPalette"); }
  plat::Label& shortWarning() const { return control<plat::Label>(*w, "shortWarning"); }
  plat::TextBox& toggleHint() const { return control<plat::TextBox>(*w, "toggleHint"); }
  void setCircuit(std::initializer_list<int16_t> codes) {
    int s = 1;
    for (int16_t code : codes) shell::settings().Element[s++] = code;
  }
  std::vector<int16_t> circuit() const {
    return std::vector<int16_t>(shell::settings().Element + 1, shell::settings().Element + 10);
  }
  // A click in the middle of a slot.
  void clickSlot(int s) { w->clickBoard(slotX(s) + 25, slotY(s) + 20); }
  rt::Colour at(double x, double y) const {
    const plat::ImageSurface& pic = board().surface();
    const QPoint p = pic.toDevice(x, y);
    return pic.pixel(p.x(), p.y());
  }
  int plays(const char* name) const { return services.sound->countPlays(name); }
  QString volt(int k) const { return voltReadout(k).caption(); }

  QPointer<CircuitsWindow> w;
};

TEST_F(CircuitsWindowTest, OpensFromTheMenuInEditMode) {
  ASSERT_NE(open(), nullptr);
  EXPECT_TRUE(w->isVisible());
  EXPECT_FALSE(menu->isVisible());
  EXPECT_EQ(w->caption(), "Circuits");
  EXPECT_EQ(w->editMode(), 1);
  EXPECT_EQ(button("exitButton").caption(), "E&xit");
  EXPECT_TRUE(button("simulateButton").isVisible());
  EXPECT_FALSE(button("printButton").isVisible());
  EXPECT_FALSE(elementPalette().isVisible());
  for (int k = 0; k <= 4; ++k) EXPECT_FALSE(voltReadout(k).isVisible());
  // The fresh circuit on the board: the battery in rung 1, the empty rung 3 outlined.
  EXPECT_EQ(at(slotX(1) + 24, slotY(1) + 20), rt::palette::kMagenta);
  EXPECT_EQ(at(slotX(3) + 20, slotY(3)), rt::palette::kCyan);
  EXPECT_EQ(w->circuit().BatteryCount, 2);
  EXPECT_EQ(w->circuit().LampCount, 5);
}

TEST_F(CircuitsWindowTest, SlotClickOpensThePaletteAndEmptiesTheSlot) {
  open();
  // On a slot's edge nothing happens.
  w->clickBoard(slotX(5), 60);
  w->clickBoard(slotX(5) + 10, slotY(5) + 41);
  EXPECT_EQ(plays("ding.wav"), 0);
  EXPECT_FALSE(elementPalette().isVisible());

  clickSlot(5);
  EXPECT_EQ(plays("ding.wav"), 1);
  EXPECT_TRUE(elementPalette().isVisible());
  EXPECT_EQ(shell::settings().Element[5], 5);
  EXPECT_EQ(w->circuit().LampCount, 4);
  // Two batteries on the board: neither battery button may add a third.
  EXPECT_FALSE(elementButton(0).isEnabled());
  EXPECT_FALSE(elementButton(1).isEnabled());
  EXPECT_TRUE(elementButton(2).isEnabled());
  EXPECT_TRUE(elementButton(4).isEnabled());

  elementButton(3).click();
  EXPECT_FALSE(elementPalette().isVisible());
  EXPECT_EQ(shell::settings().Element[5], -3);  // a new switch is open
  EXPECT_EQ(w->circuit().SwitchCount, 2);

  // Emptying a battery's slot frees the battery buttons in the palette it opens.
  clickSlot(1);
  EXPECT_EQ(shell::settings().Element[1], 5);
  EXPECT_TRUE(elementButton(0).isEnabled());
  EXPECT_TRUE(elementButton(1).isEnabled());
  button("deleteButton").click();
  EXPECT_FALSE(elementPalette().isVisible());
  EXPECT_EQ(shell::settings().Element[1], 5);

  // A top-rail piece takes the first battery button's battery reversed.
  clickSlot(4);
  elementButton(0).click();
  EXPECT_EQ(shell::settings().Element[4], -1);
}

TEST_F(CircuitsWindowTest, SimulationShowsCurrentsAndRungVoltages) {
  setCircuit({1, 2, 4, 5, 5, 5, 5, 5, 5});
  open();
  button("simulateButton").click();
  EXPECT_EQ(w->editMode(), 0);
  EXPECT_EQ(button("exitButton").caption(), "&Stop");
  EXPECT_FALSE(button("simulateButton").isVisible());
  EXPECT_FALSE(button("clearButton").isVisible());
  EXPECT_TRUE(button("printButton").isVisible());
  EXPECT_TRUE(toggleHint().isVisible());
  EXPECT_EQ(toggleHint().text(), "Click Lamp to Burn Out/Repair\nClick Switch to Open/Close");
  EXPECT_EQ(volt(0), "1.50 V");
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(volt(k), "0.00 V");
  for (int k = 0; k <= 4; ++k) EXPECT_TRUE(voltReadout(k).isVisible() && voltArrow(k).isVisible());
  EXPECT_FALSE(shortWarning().isVisible());
  EXPECT_EQ(plays("uhoh.wav"), 0);
  EXPECT_EQ(at(slotX(3) + 24, 70), rt::palette::kRed);  // the wire carries the current
  // The read-outs sit over their rungs, the arrows reaching down to the top rail.
  const plat::Surface& surface = board().surface();
  for (int k = 0; k <= 4; ++k) {
    const QRect a = voltArrow(k).geometry();
    EXPECT_NEAR(surface.fromDeviceX(a.center().x() + 0.5), slotX(2 * k + 1) + 24, 1.0);
    EXPECT_NEAR(surface.fromDeviceY(a.bottom() + 1), 21, 0.5);
  }

  // Burning out the lamp stops the current; repairing it brings it back.
  clickSlot(2);
  EXPECT_EQ(shell::settings().Element[2], -2);
  EXPECT_EQ(volt(0), "0.00 V");
  EXPECT_EQ(at(slotX(3) + 24, 70), rt::palette::kYellow);
  clickSlot(2);
  EXPECT_EQ(shell::settings().Element[2], 2);
  EXPECT_EQ(volt(0), "1.50 V");

  // A battery or wire is no toggle: ding, then uh-oh, and nothing changes.
  const int dings = plays("ding.wav");
  clickSlot(3);
  EXPECT_EQ(plays("ding.wav"), dings + 1);
  EXPECT_EQ(plays("uhoh.wav"), 1);
  EXPECT_EQ(shell::settings().Element[3], 4);
  // Outside every slot: nothing at all.
  w->clickBoard(2, 2);
  EXPECT_EQ(plays("ding.wav"), dings + 1);
}

TEST_F(CircuitsWindowTest, ShortCircuitWarnsAndNextClickHidesTheWarning) {
  setCircuit({1, 4, 4, 5, 5, 5, 5, 5, 5});
  open();
  button("simulateButton").click();
  EXPECT_TRUE(shortWarning().isVisible());
  EXPECT_EQ(shortWarning().caption(), "Short Circuit!");
  EXPECT_EQ(plays("uhoh.wav"), 1);
  EXPECT_EQ(volt(0), "1.50 V");
  EXPECT_EQ(volt(1), "0.75 V");
  w->clickBoard(2, 2);
  EXPECT_FALSE(shortWarning().isVisible());
}

TEST_F(CircuitsWindowTest, StopRepairsLampsAndOpensSwitches) {
  setCircuit({1, 2, 5, -3, 2, 5, 5, 5, 5});
  open();
  button("simulateButton").click();
  EXPECT_EQ(volt(2), "0.00 V");
  clickSlot(4);  // close the switch: rung 3's lamp lights
  EXPECT_EQ(shell::settings().Element[4], 3);
  EXPECT_NE(volt(2), "0.00 V");
  clickSlot(2);  // burn out the lamp in piece 2
  EXPECT_EQ(shell::settings().Element[2], -2);
  button("exitButton").click();
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(w->editMode(), 1);
  EXPECT_EQ(button("exitButton").caption(), "E&xit");
  EXPECT_TRUE(button("simulateButton").isVisible());
  EXPECT_FALSE(button("printButton").isVisible());
  for (int k = 0; k <= 4; ++k) EXPECT_FALSE(voltReadout(k).isVisible());
  EXPECT_EQ(circuit(), (std::vector<int16_t>{1, 2, 5, -3, 2, 5, 5, 5, 5}));
  // No red is left on the board.
  EXPECT_EQ(at(slotX(1) + 24, 30), rt::palette::kYellow);
  EXPECT_EQ(at(200, 112), rt::palette::kYellow);
}

TEST_F(CircuitsWindowTest, ClearAsksFirst) {
  open();
  clickSlot(3);
  services.boxes->answer(plat::msg::No);
  button("clearButton").click();
  ASSERT_EQ(services.boxes->calls.size(), 1u);
  const auto& box = services.boxes->calls[0];
  EXPECT_EQ(box.text, "Are you sure you want to clear the entire circuit?");
  EXPECT_EQ(box.title, "Clear Circuit");
  EXPECT_EQ(box.style, plat::msg::YesNo | plat::msg::Question | plat::msg::DefaultButton2);
  EXPECT_FALSE(elementPalette().isVisible());
  EXPECT_EQ(circuit(), (std::vector<int16_t>{1, -1, 5, -3, 2, 2, 2, 2, 2}));

  services.boxes->answer(plat::msg::Yes);
  button("clearButton").click();
  EXPECT_EQ(circuit(), (std::vector<int16_t>(9, 5)));
  EXPECT_EQ(w->circuit().BatteryCount, 0);
  EXPECT_EQ(at(slotX(1) + 24, slotY(1) + 20), rt::palette::kBlack);
  EXPECT_EQ(at(slotX(1) + 20, slotY(1)), rt::palette::kCyan);
}

TEST_F(CircuitsWindowTest, PrintsTheCircuitInBlackOnALandscapePage) {
  setCircuit({1, 2, 3, 5, 5, 5, 5, 5, 5});
  open();
  button("simulateButton").click();
  services.boxes->answer(plat::msg::Cancel);
  button("printButton").click();
  EXPECT_TRUE(printed->documents.empty());

  button("printButton").click();
  ASSERT_EQ(services.boxes->calls.size(), 2u);
  EXPECT_EQ(services.boxes->calls[1].text, "Make sure printer is on-line and ready.");
  EXPECT_EQ(services.boxes->calls[1].title, "Print Circuit");
  ASSERT_EQ(printed->documents.size(), 1u);
  ASSERT_EQ(printed->documents[0].pages.size(), 1u);
  const auto& page = printed->documents[0].pages[0];
  EXPECT_EQ(page.orientation, plat::Orientation::Landscape);
  EXPECT_EQ(page.texts(), std::vector<QString>{"Circuits"});
  EXPECT_EQ(page.count("polygon"), 0);
  for (const auto& op : page.ops) {
    if (op.op == "line") {
      EXPECT_EQ(op.colour, rt::palette::kBlack) << "only black lines on paper";
    }
    if (op.op == "print") {
      EXPECT_EQ(op.fontName, "Courier New");
      EXPECT_EQ(op.fontSize, 12);
    }
  }
  EXPECT_EQ(plat::printer().orientation(), plat::Orientation::Portrait);
  // The board keeps its overlay.
  EXPECT_EQ(at(slotX(3) + 24, 70), rt::palette::kRed);
}

TEST_F(CircuitsWindowTest, ExitReturnsToTheMenu) {
  open();
  button("exitButton").click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(menu->isVisible());
  EXPECT_TRUE(w.isNull() || !w->isVisible());
}

TEST_F(CircuitsWindowTest, TitleBarCloseInSimulationStopsThenLeaves) {
  setCircuit({1, 2, 5, -3, 2, 5, 5, 5, 5});
  open();
  button("simulateButton").click();
  clickSlot(4);
  clickSlot(5);
  ASSERT_EQ(circuit(), (std::vector<int16_t>{1, 2, 5, 3, -2, 5, 5, 5, 5}));
  w->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(menu->isVisible());
  EXPECT_EQ(circuit(), (std::vector<int16_t>{1, 2, 5, -3, 2, 5, 5, 5, 5}));
  // Opened again, it starts in edit mode with the same circuit.
  open();
  EXPECT_EQ(w->editMode(), 1);
  EXPECT_EQ(circuit(), (std::vector<int16_t>{1, 2, 5, -3, 2, 5, 5, 5, 5}));
}

TEST_F(CircuitsWindowTest, DamagedSettingsAreBroughtIntoRangeAtLoad) {
  setCircuit({7, 1, 1, 1, 2, 0, -9, 4, 5});
  open();
  EXPECT_EQ(circuit(), (std::vector<int16_t>{5, 1, 1, 5, 2, 5, 5, 4, 5}));
  EXPECT_EQ(w->circuit().BatteryCount, 2);
  button("simulateButton").click();
  for (int k = 0; k <= 4; ++k) EXPECT_FALSE(voltReadout(k).caption().contains("nan"));
}

}  // namespace
