#include "circuits/circuitswindow.h"

#include "platform/button.h"
#include "platform/controlarray.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/layout.h"
#include "platform/picturebox.h"
#include "platform/placement.h"
#include "platform/printer.h"
#include "platform/services.h"
#include "platform/surface.h"
#include "platform/textbox.h"
#include "runtime/numfmt.h"
#include "runtime/palette.h"
#include "shell/programfolder.h"
#include "shell/settings.h"
#include "shell/sounds.h"

namespace circuits {

namespace {

constexpr plat::FontStyle kButtonFont{"MS Sans Serif", 8.25, true};

constexpr plat::ControlRow kBoard{nullptr, 120, 120, 8415, 5895};
// The palette: a small panel on the board, moved beside the slot being filled.
constexpr plat::ControlRow kElementPalette{nullptr, 0, 0, 1440, 2655, {}, plat::kNoColour, rt::palette::kLightGrey};
// Picture buttons: their names are for screen readers only.
constexpr plat::ControlRow kElementButtons[kPaletteSize] = {
    {nullptr, 120, 240, 600, 600}, {nullptr, 720, 240, 600, 600},  {nullptr, 120, 840, 600, 600},
    {nullptr, 720, 840, 600, 600}, {nullptr, 420, 1440, 600, 600},
};
constexpr const char* kElementNames[kPaletteSize] = {"Battery", "Battery Reversed", "Lamp", "Switch", "Wire"};
constexpr const char* kElementIconFiles[6] = {"cbatup.png",   "cbatdown.png", "cbatright.png",
                                              "cbatleft.png", "cwirev.png",   "cwireh.png"};
constexpr plat::ControlRow kDeleteButton{"Delete", 240, 2160, 975, 375, kButtonFont};
// The rung voltages, each with an arrow down to its rung; placed over their rungs at load.
constexpr plat::FontStyle kVoltFont{"Arial", 8.25, true};
constexpr plat::ControlRow kVoltReadout{"3.00 V", 0, 0, 735, 255, kVoltFont, rt::palette::kWhite, rt::palette::kBlack};
constexpr plat::ControlRow kVoltArrow{nullptr, 0, 0, 180, 600};
constexpr plat::ControlRow kShortWarning{
    "Short Circuit!", 3120, 5400, 2175, 495, {"Britannic Bold", 13.5, true}, rt::palette::kYellow, rt::palette::kBlue};
constexpr plat::ControlRow kSimulateButton{"&Simulate Circuit", 720, 6120, 2175, 495, kButtonFont};
constexpr plat::ControlRow kClearButton{"&Clear Circuit", 3360, 6120, 2175, 495, kButtonFont};
constexpr plat::ControlRow kPrintButton{"&Print Circuit", 360, 6120, 2055, 495, kButtonFont};
constexpr plat::ControlRow kToggleHint{nullptr, 2640, 6120, 3375, 615, kButtonFont};
constexpr plat::ControlRow kHelpButton{"&Help", 6120, 6120, 1095, 495, kButtonFont};
constexpr plat::ControlRow kExitButton{"E&xit", 7320, 6120, 1095, 495, kButtonFont};

QString voltText(float v) { return QString::fromStdString(rt::formatNumber(v, "0.#0 V")); }

}  // namespace

CircuitsWindow::CircuitsWindow() : m_circuit(shell::settings().Element) {
  setCaption("Circuits");
  setBackColor(rt::palette::kPaleYellow);
  setHelp("vtrel.hlp", 6);
  setClientSizeTwips(8625, 6825);

  m_board = plat::build<plat::PictureBox>(this, kBoard, rt::palette::kBlack);
  m_board->setObjectName("board");
  m_board->setAccessibleName("Circuit: a ladder of five rungs");
  m_board->onMouseDown = [this](int, int, double x, double y) { clickBoard(x, y); };
  buildPalette();
  buildReadouts();
  buildCommands();
  m_draw = std::make_unique<CircuitDrawing>(m_board->surface(), m_circuit);
}

CircuitsWindow::~CircuitsWindow() = default;

void CircuitsWindow::buildPalette() {
  m_elementPalette = plat::build<plat::Frame>(m_board, kElementPalette);
  m_elementPalette->setObjectName("elementPalette");
  for (int i = 0; i < kPaletteSize; ++i) {
    auto* b = plat::build<plat::CommandButton>(m_elementPalette, kElementButtons[i]);
    plat::nameInRow(b, "elementButton", i);
    b->setAccessibleName(kElementNames[i]);
    b->onClick = [this, i] { placeElement(i); };
    m_elementButtons[size_t(i)] = b;
  }
  for (size_t i = 0; i < m_elementIcons.size(); ++i) m_elementIcons[i] = plat::loadPicture(kElementIconFiles[i]);
  m_elementButtons[0]->setPicture(m_elementIcons[0], kElementNames[0]);
  m_elementButtons[1]->setPicture(m_elementIcons[1], kElementNames[1]);
  m_elementButtons[2]->setPicture(plat::loadPicture("clamp.png"), kElementNames[2]);
  m_elementButtons[3]->setPicture(plat::loadPicture("cswitch.png"), kElementNames[3]);
  m_elementButtons[4]->setPicture(m_elementIcons[4], kElementNames[4]);
  m_deleteButton = plat::build<plat::CommandButton>(m_elementPalette, kDeleteButton);
  m_deleteButton->setObjectName("deleteButton");
  m_deleteButton->onClick = [this] { leaveSlotEmpty(); };
  m_elementPalette->hide();
}

void CircuitsWindow::buildReadouts() {
  const QPixmap arrow = plat::loadPicture("carrow.png");
  for (int k = 0; k < kRungs; ++k) {
    auto* l = plat::build<plat::Label>(m_board, kVoltReadout);
    plat::nameInRow(l, "voltReadout", k);
    l->setHeardCaption(QStringLiteral("Rung %1 voltage").arg(k + 1));
    l->setAlignment(plat::Label::Center);
    l->hide();
    m_voltReadouts[size_t(k)] = l;
    auto* a = plat::build<plat::ImageBox>(m_board, kVoltArrow);
    plat::nameInRow(a, "voltArrow", k);
    a->setPicture(arrow);
    a->setStretch(true);
    a->hide();
    m_voltArrows[size_t(k)] = a;
  }
  m_shortWarning = plat::build<plat::Label>(this, kShortWarning);
  m_shortWarning->setObjectName("shortWarning");
  m_shortWarning->setAlignment(plat::Label::Center);
  m_shortWarning->setAnnounced(true);
  m_shortWarning->hide();
}

void CircuitsWindow::buildCommands() {
  m_simulateButton = plat::build<plat::CommandButton>(this, kSimulateButton);
  m_simulateButton->setObjectName("simulateButton");
  m_simulateButton->onClick = [this] { simulate(); };
  m_clearButton = plat::build<plat::CommandButton>(this, kClearButton);
  m_clearButton->setObjectName("clearButton");
  m_clearButton->onClick = [this] { clearCircuit(); };
  m_printButton = plat::build<plat::CommandButton>(this, kPrintButton);
  m_printButton->setObjectName("printButton");
  m_printButton->onClick = [this] { printCircuit(); };
  m_printButton->hide();

  m_toggleHint = plat::build<plat::TextBox>(this, kToggleHint);
  m_toggleHint->setObjectName("toggleHint");
  m_toggleHint->setMultiLine(true);
  m_toggleHint->setLocked(true);
  m_toggleHint->setText("Click Lamp to Burn Out/Repair\nClick Switch to Open/Close");
  m_toggleHint->hide();

  m_helpButton = plat::build<plat::CommandButton>(this, kHelpButton);
  m_helpButton->setObjectName("helpButton");
  m_helpButton->onClick = [this] { showHelp(); };
  m_exitButton = plat::build<plat::CommandButton>(this, kExitButton);
  m_exitButton->setObjectName("exitButton");
  m_exitButton->onClick = [this] { stopOrLeave(); };
}

// ------------------------------------------------------------------------------ load step

void CircuitsWindow::loadStep() {
  m_dingFile = shell::appFilePath("ding.wav");
  m_uhOhFile = shell::appFilePath("uhoh.wav");
  centreOnScreen();

  CircuitDrawing& d = *m_draw;
  d.setUpPicture();
  m_circuit.ZeroCurrent = 0.05f;
  placeReadouts();
  m_circuit.OpenR = 10000;
  m_circuit.ClosedR = 1.0f / 10000.0f;
  m_circuit.LampR = 1.0f;
  d.CurrentSlot = 1;

  // A hand-edited settings file may hold codes no element has, or more elements than the
  // palette allows; those slots start empty, and the settings hold what the board shows.
  normaliseCircuit(shell::settings().Element);
  redrawForEditing();
}

void CircuitsWindow::placeReadouts() {
  const plat::Surface& board = m_board->surface();
  for (int k = 0; k < kRungs; ++k) {
    plat::Label* l = m_voltReadouts[size_t(k)];
    const double centre = slotX(2 * k + 1) + 24;
    plat::moveInScale(l, board, centre - plat::widthInScale(l, board) * 0.5, 0);
    plat::ImageBox* a = m_voltArrows[size_t(k)];
    const double top = plat::topInScale(l, board) + plat::heightInScale(l, board);
    plat::placeInScale(a, board, centre - plat::widthInScale(a, board) * 0.5, top, plat::widthInScale(a, board),
                       21 - top);
  }
}

void CircuitsWindow::redrawForEditing() {
  CircuitDrawing& d = *m_draw;
  d.EditMode = 1;
  d.SimRedraw = 0;
  d.drawCircuit(m_board->surface(), rt::palette::kYellow);
}

void CircuitsWindow::closeFromTitleBar() {
  // The title bar leaves the way Exit does; a running simulation is stopped first, so the
  // circuit kept in the settings is the user's own, lamps repaired and switches open.
  if (m_draw->EditMode == 0) stopSimulation();
  stopOrLeave();
}

// ------------------------------------------------------------------------------ the board

void CircuitsWindow::clickBoard(double x, double y) {
  CircuitDrawing& d = *m_draw;
  m_shortWarning->hide();
  d.CurrentSlot = 0;
  const int s = slotAt(x, y);
  if (s != 0) {
    d.CurrentSlot = int16_t(s);
    shell::playWave(m_dingFile, 1);
  }
  if (d.CurrentSlot == 0) return;

  if (d.EditMode == 1) {
    openPaletteAt(s);
    return;
  }

  switch (m_circuit.toggleSlot(s)) {
    case Toggle::Lamp:
    case Toggle::Switch:
      d.drawToggled(s);
      solveAndShow();
      break;
    case Toggle::None: shell::playWave(m_uhOhFile, 1); break;
  }
}

void CircuitsWindow::openPaletteAt(int s) {
  // The battery and wire buttons show their element as it would lie in this slot.
  const bool rung = isRung(s);
  m_elementButtons[0]->setPicture(m_elementIcons[rung ? 0 : 2], m_elementButtons[0]->accessibleName());
  m_elementButtons[1]->setPicture(m_elementIcons[rung ? 1 : 3], m_elementButtons[1]->accessibleName());
  m_elementButtons[4]->setPicture(m_elementIcons[rung ? 4 : 5], m_elementButtons[4]->accessibleName());
  if (m_circuit.Element[s] != kEmpty) {
    const int16_t old = m_circuit.emptySlot(s);
    m_draw->eraseElement(s, old);
  }
  for (int i = 0; i < kPaletteSize; ++i) m_elementButtons[size_t(i)]->setEnabled(m_circuit.paletteEnabled(i));
  const plat::Surface& board = m_board->surface();
  plat::moveInScale(m_elementPalette, board, slotX(s) + 25 - plat::widthInScale(m_elementPalette, board) * 0.5,
                    slotY(s) - 2);
  m_elementPalette->show();
  m_elementPalette->raise();
}

void CircuitsWindow::placeElement(int index) {
  CircuitDrawing& d = *m_draw;
  const int s = d.CurrentSlot;
  if (s >= 1 && s <= kSlots && m_circuit.Element[s] == kEmpty) {
    m_circuit.placeElement(s, index);
    plat::Surface& board = m_board->surface();
    switch (index) {
      case 0:
      case 1: d.drawBattery(board, rt::palette::kYellow); break;
      case 2: d.drawLamp(board, rt::palette::kYellow); break;
      case 3: d.drawSwitch(board, rt::palette::kYellow); break;
      case 4: d.drawWire(board, rt::palette::kYellow); break;
      default: break;
    }
  }
  m_elementPalette->hide();
}

void CircuitsWindow::leaveSlotEmpty() { m_elementPalette->hide(); }

void CircuitsWindow::clearCircuit() {
  m_elementPalette->hide();
  const int answer =
      plat::messageBox("Are you sure you want to clear the entire circuit?",
                       plat::msg::YesNo | plat::msg::Question | plat::msg::DefaultButton2, "Clear Circuit");
  if (answer != plat::msg::Yes) return;
  m_circuit.clear();
  m_board->surface().cls();
  redrawForEditing();
}

// ------------------------------------------------------------------------------ simulation

void CircuitsWindow::simulate() {
  CircuitDrawing& d = *m_draw;
  d.EditMode = 0;
  m_elementPalette->hide();
  m_simulateButton->hide();
  m_clearButton->hide();
  m_toggleHint->show();
  m_printButton->show();
  m_exitButton->setCaption("&Stop");
  d.eraseSlotOutlines();
  d.drawCircuit(m_board->surface(), rt::palette::kYellow);
  for (int k = 0; k < kRungs; ++k) {
    m_voltReadouts[size_t(k)]->setCaption("0.00 V");
    m_voltReadouts[size_t(k)]->show();
    m_voltArrows[size_t(k)]->show();
  }
  m_circuit.setUp();
  solveAndShow();
}

void CircuitsWindow::solveAndShow() {
  m_circuit.solve();
  if (m_circuit.ShortFlag == 1) {
    m_shortWarning->show();
    m_shortWarning->raise();
    m_shortWarning->repaint();
    shell::playWave(m_uhOhFile, 1);
  }
  for (int k = 0; k < kRungs; ++k) m_voltReadouts[size_t(k)]->setCaption(voltText(m_circuit.RungVolt[k]));
  m_draw->drawCurrents();
}

void CircuitsWindow::printCircuit() {
  if (!plat::askPrinterReady("Print Circuit")) return;
  CircuitDrawing& d = *m_draw;
  plat::Printer& page = plat::printer();
  d.Printing = 1;
  page.setFontName("Courier New");
  page.setOrientation(plat::Orientation::Landscape);
  page.setFontSize(12);
  page.setScale(-60, -40, 380, 140);
  page.moveTo(0, -20);
  page.print("Circuits");
  d.drawCircuit(page, rt::palette::kBlack);
  page.endDoc();
  page.setOrientation(plat::Orientation::Portrait);
  d.Printing = 0;
}

void CircuitsWindow::stopOrLeave() {
  if (m_draw->EditMode == 0) {
    stopSimulation();
    return;
  }
  unload();
  returnToMenu();
}

void CircuitsWindow::stopSimulation() {
  // Back to editing, with every lamp repaired and every switch open.
  CircuitDrawing& d = *m_draw;
  d.EditMode = 1;
  for (int k = 0; k < kRungs; ++k) {
    m_voltReadouts[size_t(k)]->hide();
    m_voltArrows[size_t(k)]->hide();
  }
  m_shortWarning->hide();
  m_toggleHint->hide();
  m_printButton->hide();
  m_simulateButton->show();
  m_clearButton->show();
  m_exitButton->setCaption("E&xit");
  m_circuit.repairAndOpen();
  d.drawCircuit(m_board->surface(), rt::palette::kYellow);
}

}  // namespace circuits
