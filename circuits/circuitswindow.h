#pragma once
// The circuits window: a ladder circuit of nine slots on a black board. In edit mode a
// click on a slot empties it and opens a palette of batteries, lamps, switches and wires;
// "Simulate Circuit" solves the network and shows the currents in red, the lamps lit by
// their current and the voltage of each rung, and a click on a lamp or switch then burns
// it out or repairs it, opens or closes it. Stop returns to editing with every lamp
// repaired and every switch open.

#include <QPixmap>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>

#include "circuits/circuit.h"
#include "circuits/circuitdraw.h"
#include "platform/form.h"

namespace plat {
class CommandButton;
class Frame;
class ImageBox;
class Label;
class PictureBox;
class TextBox;
}  // namespace plat

namespace circuits {

// The palette's elements, in the order of its buttons.
inline constexpr int kPaletteSize = 5;  // 0 battery, 1 battery reversed, 2 lamp, 3 switch, 4 wire
// One voltage read-out over each rung.
inline constexpr int kRungs = 5;

class CircuitsWindow : public plat::Form {
  Q_OBJECT
 public:
  CircuitsWindow();
  ~CircuitsWindow() override;

  // -- state ---------------------------------------------------------------------------
  Circuit& circuit() { return m_circuit; }
  // 1 while the circuit is edited, 0 during the simulation.
  int16_t editMode() const { return m_draw->EditMode; }

  // -- what the user does --------------------------------------------------------------
  // A click on the board at a point in its scale: in edit mode it empties the slot and
  // opens the palette there; in the simulation it toggles a lamp or a switch.
  void clickBoard(double x, double y);
  // The palette's element (0 battery, 1 battery reversed, 2 lamp, 3 switch, 4 wire) goes
  // into the chosen slot.
  void placeElement(int index);
  // The palette closes with the chosen slot left empty.
  void leaveSlotEmpty();
  void clearCircuit();
  void simulate();
  void printCircuit();
  // Exit: during the simulation it is Stop, back to editing; otherwise back to the menu.
  void stopOrLeave();

  // Solves with the present resistances and shows the result: the warning, the rung
  // voltages and the current overlay.
  void solveAndShow();

 protected:
  void loadStep() override;
  void closeFromTitleBar() override;

 private:
  void buildPalette();
  void buildReadouts();
  void buildCommands();
  void placeReadouts();
  void openPaletteAt(int slot);
  void stopSimulation();
  void redrawForEditing();

  Circuit m_circuit;
  std::unique_ptr<CircuitDrawing> m_draw;
  QString m_dingFile, m_uhOhFile;

  plat::PictureBox* m_board = nullptr;
  plat::Frame* m_elementPalette = nullptr;
  std::array<plat::CommandButton*, kPaletteSize> m_elementButtons{};
  // The battery and wire pictures: 0, 1, 4 for rung slots; 2, 3, 5 for top-rail slots.
  std::array<QPixmap, 6> m_elementIcons;
  plat::CommandButton* m_deleteButton = nullptr;
  std::array<plat::Label*, kRungs> m_voltReadouts{};
  std::array<plat::ImageBox*, kRungs> m_voltArrows{};
  plat::Label* m_shortWarning = nullptr;
  plat::CommandButton* m_simulateButton = nullptr;
  plat::CommandButton* m_clearButton = nullptr;
  plat::CommandButton* m_printButton = nullptr;
  plat::TextBox* m_toggleHint = nullptr;
  plat::CommandButton* m_helpButton = nullptr;
  plat::CommandButton* m_exitButton = nullptr;
};

}  // namespace circuits
