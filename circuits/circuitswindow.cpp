#include "circuits/circuitswindow.h"

#include "platform/button.h"
#include "platform/fonts.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/picturebox.h"
#include "platform/placement.h"
#include "platform/printer.h"
#include "platform/services.h"
#include "platform/surface.h"
#include "platform/textbox.h"
#include "platform/twips.h"
#include "runtime/numfmt.h"
#include "shell/menuwindow.h"
#include "shell/programfolder.h"
#include "shell/sounds.h"
#include "shell/settings.h"

namespace circuits {

namespace {

constexpr rt::Colour kFormBack = 0x00C0FFFF;  // pale yellow
constexpr rt::Colour kBlack = 0x000000;
constexpr rt::Colour kBlue = 0x00FF0000;
constexpr rt::Colour kYellow = 0x0000FFFF;
constexpr rt::Colour kWhite = 0x00FFFFFF;
constexpr rt::Colour kPaletteBack = 0x00C0C0C0;

plat::CommandButton* makeButton(QWidget* parent, const QString& caption, double left, double top, double width,
                                double height) {
  auto* b = plat::placeButton(parent, caption, left, top, width, height);
  b->setFont(plat::screenFont("MS Sans Serif", 8.25, true));
  return b;
}

QString voltText(float v) { return QString::fromStdString(rt::Format(v, "0.#0 V")); }

}  // namespace

frmCircuit::frmCircuit() : m_circuit(shell::settings().Element) {
  setCaption("Circuits");
  setBackColor(kFormBack);
  setHelp("vtrel.hlp", 6);
  buildControls();
  m_draw = std::make_unique<CircuitDrawing>(picCirc->surface(), m_circuit);
}

frmCircuit::~frmCircuit() = default;

void frmCircuit::buildControls() {
  setClientSizeTwips(8625, 6825);

  picCirc = new plat::PictureBox(this, kBlack);
  plat::placeTwips(picCirc, 120, 120, 8415, 5895);
  picCirc->onMouseDown = [this](int b, int s, double x, double y) { picCirc_MouseDown(b, s, x, y); };

  // The palette: a small panel on the board beside the slot being filled.
  fraElement = new plat::Frame(picCirc);
  fraElement->setBackColor(kPaletteBack);
  plat::placeTwips(fraElement, 0, 0, 1440, 2655);
  const double at[5][2] = {{120, 240}, {720, 240}, {120, 840}, {720, 840}, {420, 1440}};
  const char* names[5] = {"Battery", "Battery Reversed", "Lamp", "Switch", "Wire"};
  for (int i = 0; i <= 4; ++i) {
    auto* b = cmdElement.set(i, new plat::CommandButton(fraElement));
    plat::placeTwips(b, at[i][0], at[i][1], 600, 600);
    b->setAccessibleName(names[i]);
    b->onClick = [this, i] { cmdElement_Click(i); };
  }
  const char* icons[6] = {"cbatup.png", "cbatdown.png", "cbatright.png", "cbatleft.png", "cwirev.png", "cwireh.png"};
  for (int i = 0; i <= 5; ++i) imgicon[size_t(i)] = plat::loadPicture(icons[i]);
  cmdElement(0)->setPicture(imgicon[0], names[0]);
  cmdElement(1)->setPicture(imgicon[1], names[1]);
  cmdElement(2)->setPicture(plat::loadPicture("clamp.png"), names[2]);
  cmdElement(3)->setPicture(plat::loadPicture("cswitch.png"), names[3]);
  cmdElement(4)->setPicture(imgicon[4], names[4]);
  cmdCancelE = makeButton(fraElement, "Delete", 240, 2160, 975, 375);
  cmdCancelE->onClick = [this] { cmdCancelE_Click(); };
  fraElement->hide();

  // The rung voltages, each with an arrow down to its rung; placed on the board at load.
  const QPixmap arrow = plat::loadPicture("carrow.png");
  for (int k = 0; k <= 4; ++k) {
    auto* l = lblVolt.set(k, new plat::Label(picCirc, "3.00 V"));
    l->setFont(plat::screenFont("Arial", 8.25, true));
    l->setBackColor(kBlack);
    l->setForeColor(kWhite);
    l->setAlignment(plat::Label::Center);
    plat::placeTwips(l, 0, 0, 735, 255);
    l->hide();
    auto* a = imgarrow.set(k, new plat::ImageBox(picCirc));
    a->setPicture(arrow);
    a->setStretch(true);
    plat::placeTwips(a, 0, 0, 180, 600);
    a->hide();
  }

  lblShort = new plat::Label(this, "Short Circuit!");
  lblShort->setFont(plat::screenFont("Britannic Bold", 13.5, true));
  lblShort->setForeColor(kYellow);
  lblShort->setBackColor(kBlue);
  lblShort->setAlignment(plat::Label::Center);
  plat::placeTwips(lblShort, 3120, 5400, 2175, 495);
  lblShort->hide();

  cmdSim = makeButton(this, "&Simulate Circuit", 720, 6120, 2175, 495);
  cmdSim->onClick = [this] { cmdSim_Click(); };
  cmdClear = makeButton(this, "&Clear Circuit", 3360, 6120, 2175, 495);
  cmdClear->onClick = [this] { cmdClear_Click(); };
  cmdPrint = makeButton(this, "&Print Circuit", 360, 6120, 2055, 495);
  cmdPrint->onClick = [this] { cmdPrint_Click(); };
  cmdPrint->hide();

  txtMessage = new plat::TextBox(this);
  txtMessage->setMultiLine(true);
  txtMessage->setLocked(true);
  txtMessage->setFont(plat::screenFont("MS Sans Serif", 8.25, true));
  txtMessage->setText("Click Lamp to Burn Out/Repair\nClick Switch to Open/Close");
  plat::placeTwips(txtMessage, 2640, 6120, 3375, 615);
  txtMessage->hide();

  cmdHelp = makeButton(this, "&Help", 6120, 6120, 1095, 495);
  cmdHelp->onClick = [this] { cmdHelp_Click(); };
  cmdExit = makeButton(this, "E&xit", 7320, 6120, 1095, 495);
  cmdExit->onClick = [this] { cmdExit_Click(); };
}

// ------------------------------------------------------------------------------ load step

void frmCircuit::Form_Load() {
  DingFile = shell::AppFilePath("ding.wav");
  UhOhFile = shell::AppFilePath("uhoh.wav");
  centreOnScreen();

  CircuitDrawing& d = *m_draw;
  d.SetUpPicture();
  m_circuit.ZeroCurrent = 0.05f;
  placeReadouts();
  m_circuit.OpenR = 10000;
  m_circuit.ClosedR = 1.0f / 10000.0f;
  m_circuit.LampR = 1.0f;
  d.CurrentSlot = 1;

  // A hand-edited settings file may hold codes no element has, or more elements than the
  // palette allows; those slots start empty, and the settings hold what the board shows.
  normaliseCircuit(shell::settings().Element);

  d.EditMode = 1;
  d.SimRedraw = 0;
  d.DrawCircuit(picCirc->surface(), 14);
}

void frmCircuit::placeReadouts() {
  const plat::Surface& board = picCirc->surface();
  for (int k = 0; k <= 4; ++k) {
    plat::Label* l = lblVolt(k);
    const double centre = SlotX(2 * k + 1) + 24;
    plat::moveInScale(l, board, centre - plat::widthInScale(l, board) * 0.5, 0);
    plat::ImageBox* a = imgarrow(k);
    const double top = plat::topInScale(l, board) + plat::heightInScale(l, board);
    plat::placeInScale(a, board, centre - plat::widthInScale(a, board) * 0.5, top, plat::widthInScale(a, board),
                       21 - top);
  }
}

void frmCircuit::closeFromTitleBar() {
  // The title bar leaves the way Exit does; a running simulation is stopped first, so the
  // circuit kept in the settings is the user's own, lamps repaired and switches open.
  if (m_draw->EditMode == 0) cmdExit_Click();
  cmdExit_Click();
}

// ------------------------------------------------------------------------------ the board

void frmCircuit::picCirc_MouseDown(int, int, double X, double Y) {
  CircuitDrawing& d = *m_draw;
  lblShort->hide();
  d.CurrentSlot = 0;
  const int s = slotAt(X, Y);
  if (s != 0) {
    d.CurrentSlot = int16_t(s);
    shell::PlayWave(DingFile, 1);
  }
  if (d.CurrentSlot == 0) return;

  if (d.EditMode == 1) {
    const bool rung = isRung(s);
    cmdElement(0)->setPicture(imgicon[rung ? 0 : 2], cmdElement(0)->accessibleName());
    cmdElement(1)->setPicture(imgicon[rung ? 1 : 3], cmdElement(1)->accessibleName());
    cmdElement(4)->setPicture(imgicon[rung ? 4 : 5], cmdElement(4)->accessibleName());
    if (m_circuit.Element[s] != kEmpty) {
      const int16_t old = m_circuit.EmptySlot(s);
      d.EraseElement(s, old);
    }
    for (int i = 0; i <= 4; ++i) cmdElement(i)->setEnabled(m_circuit.PaletteEnabled(i));
    const plat::Surface& board = picCirc->surface();
    plat::moveInScale(fraElement, board, SlotX(s) + 25 - plat::widthInScale(fraElement, board) * 0.5, SlotY(s) - 2);
    fraElement->show();
    fraElement->raise();
    return;
  }

  switch (m_circuit.ToggleSlot(s)) {
    case Toggle::Lamp:
    case Toggle::Switch:
      d.DrawToggled(s);
      SolveAndShow();
      break;
    case Toggle::None:
      shell::PlayWave(UhOhFile, 1);
      break;
  }
}

void frmCircuit::cmdElement_Click(int Index) {
  CircuitDrawing& d = *m_draw;
  const int s = d.CurrentSlot;
  if (s >= 1 && s <= kSlots && m_circuit.Element[s] == kEmpty) {
    m_circuit.PlaceElement(s, Index);
    plat::Surface& board = picCirc->surface();
    switch (Index) {
      case 0: case 1: d.DrawBattery(board, 14); break;
      case 2: d.DrawLamp(board, 14); break;
      case 3: d.DrawSwitch(board, 14); break;
      case 4: d.DrawWire(board, 14); break;
      default: break;
    }
  }
  fraElement->hide();
}

void frmCircuit::cmdCancelE_Click() { fraElement->hide(); }

void frmCircuit::cmdClear_Click() {
  fraElement->hide();
  const int answer = plat::MsgBox("Are you sure you want to clear the entire circuit?",
                                  plat::Msg::YesNo | plat::Msg::Question | plat::Msg::DefaultButton2,
                                  "Clear Circuit");
  if (answer != plat::Msg::Yes) return;
  m_circuit.Clear();
  picCirc->surface().cls();
  CircuitDrawing& d = *m_draw;
  d.EditMode = 1;
  d.SimRedraw = 0;
  d.DrawCircuit(picCirc->surface(), 14);
}

void frmCircuit::cmdSim_Click() {
  CircuitDrawing& d = *m_draw;
  d.EditMode = 0;
  fraElement->hide();
  cmdSim->hide();
  cmdClear->hide();
  txtMessage->show();
  cmdPrint->show();
  cmdExit->setCaption("&Stop");
  d.EraseSlotOutlines();
  d.DrawCircuit(picCirc->surface(), 14);
  for (int k = 0; k <= 4; ++k) {
    lblVolt(k)->setCaption("0.00 V");
    lblVolt(k)->show();
    imgarrow(k)->show();
  }
  m_circuit.SetUp();
  SolveAndShow();
}

void frmCircuit::SolveAndShow() {
  m_circuit.Solve();
  if (m_circuit.ShortFlag == 1) {
    lblShort->show();
    lblShort->raise();
    lblShort->repaint();
    shell::PlayWave(UhOhFile, 1);
  }
  for (int k = 0; k <= 4; ++k) lblVolt(k)->setCaption(voltText(m_circuit.RungVolt[k]));
  m_draw->DrawCurrents();
}

void frmCircuit::cmdPrint_Click() {
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
  d.DrawCircuit(page, 0);
  page.endDoc();
  page.setOrientation(plat::Orientation::Portrait);
  d.Printing = 0;
}

void frmCircuit::cmdHelp_Click() { plat::help().showTopic(shell::BasePath + "vtrel.hlp", 6); }

void frmCircuit::cmdExit_Click() {
  CircuitDrawing& d = *m_draw;
  if (d.EditMode == 0) {
    // Stop: back to editing, with every lamp repaired and every switch open.
    d.EditMode = 1;
    for (int k = 0; k <= 4; ++k) {
      lblVolt(k)->hide();
      imgarrow(k)->hide();
    }
    lblShort->hide();
    txtMessage->hide();
    cmdPrint->hide();
    cmdSim->show();
    cmdClear->show();
    cmdExit->setCaption("E&xit");
    m_circuit.RepairAndOpen();
    d.DrawCircuit(picCirc->surface(), 14);
    return;
  }
  Unload();
  returnToMenu();
}

}  // namespace circuits
