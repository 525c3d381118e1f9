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
#include "platform/controlarray.h"
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

class frmCircuit : public plat::Form {
  Q_OBJECT
 public:
  frmCircuit();
  ~frmCircuit() override;

  // -- controls ------------------------------------------------------------------------
  plat::PictureBox* picCirc = nullptr;
  plat::Frame* fraElement = nullptr;
  plat::ControlArray<plat::CommandButton> cmdElement;  // 0 battery, 1 reversed, 2 lamp, 3 switch, 4 wire
  plat::CommandButton* cmdCancelE = nullptr;
  std::array<QPixmap, 6> imgicon;  // 0, 1, 4 for rung slots; 2, 3, 5 for top-rail slots
  plat::ControlArray<plat::Label> lblVolt;
  plat::ControlArray<plat::ImageBox> imgarrow;
  plat::Label* lblShort = nullptr;
  plat::CommandButton* cmdSim = nullptr;
  plat::CommandButton* cmdClear = nullptr;
  plat::CommandButton* cmdPrint = nullptr;
  plat::TextBox* txtMessage = nullptr;
  plat::CommandButton* cmdHelp = nullptr;
  plat::CommandButton* cmdExit = nullptr;

  // -- state ---------------------------------------------------------------------------
  Circuit& circuit() { return m_circuit; }
  CircuitDrawing& drawing() { return *m_draw; }
  int16_t EditMode() const { return m_draw->EditMode; }
  int16_t CurrentSlot() const { return m_draw->CurrentSlot; }
  QString DingFile, UhOhFile;

  // -- event handlers ------------------------------------------------------------------
  void picCirc_MouseDown(int Button, int Shift, double X, double Y);
  void cmdElement_Click(int Index);
  void cmdCancelE_Click();
  void cmdClear_Click();
  void cmdSim_Click();
  void cmdPrint_Click();
  void cmdHelp_Click();
  void cmdExit_Click();

  // Solves with the present resistances and shows the result: the warning, the rung
  // voltages and the current overlay.
  void SolveAndShow();

 protected:
  void Form_Load() override;
  void closeFromTitleBar() override;

 private:
  void buildControls();
  void placeReadouts();

  Circuit m_circuit;
  std::unique_ptr<CircuitDrawing> m_draw;
};

}  // namespace circuits
