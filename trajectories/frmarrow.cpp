#include "trajectories/frmarrow.h"

#include <cmath>

#include "platform/button.h"
#include "platform/fonts.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/lineoverlay.h"
#include "platform/picturebox.h"
#include "platform/placement.h"
#include "platform/printer.h"
#include "platform/scrollbar.h"
#include "platform/services.h"
#include "platform/shape.h"
#include "platform/twips.h"
#include "runtime/convert.h"
#include "runtime/numfmt.h"
#include "runtime/random.h"
#include "shell/menuwindow.h"
#include "shell/programfolder.h"
#include "shell/sounds.h"
#include "shell/clocks.h"
#include "shell/settings.h"
#include "trajectories/griddraw.h"
#include "trajectories/printarrow.h"

namespace traj {

namespace {

constexpr rt::Colour kCyan = rt::RGB(0, 255, 255);
constexpr rt::Colour kWhite = rt::RGB(255, 255, 255);
constexpr rt::Colour kBlue = rt::RGB(0, 0, 255);
constexpr rt::Colour kRed = rt::RGB(255, 0, 0);
constexpr rt::Colour kYellow = rt::RGB(255, 255, 0);
constexpr rt::Colour kBlack = rt::RGB(0, 0, 0);
constexpr int kHelpTopic = 16;

// The grid picture: 6000 by 4800 twips inside a one-pixel border.
constexpr double kGridLeft = 1080, kGridTop = 960;
constexpr double kGridInnerWidth = 6000, kGridInnerHeight = 4800;
constexpr double kBorder = plat::kTwipsPerPixel;

// The right-hand column.
constexpr double kColumn = 7320, kColumnWidth = 1575;

// The angle indicator's design: ground and upright meet at (0, 600) in the indicator picture.
constexpr double kIndicatorX1 = 0, kIndicatorY1 = 600, kIndicatorX2 = 600, kIndicatorY2 = 600;

QString text(const std::string& s) { return QString::fromStdString(s); }

plat::Label* title(QWidget* parent, const QString& caption, double left, double top, double width) {
  auto* l = new plat::Label(parent, caption);
  l->setFont(plat::screenFont("Arial", 9.75, true));
  plat::placeTwips(l, left, top, width, 255);
  return l;
}

plat::Label* readout(QWidget* parent, const QString& design, rt::Colour colour, double left, double top) {
  auto* l = new plat::Label(parent, design);
  l->setFont(plat::screenFont("MS Sans Serif", 9.75, true));
  l->setForeColor(colour);
  l->setBackColor(kWhite);
  l->setBorder(true);
  l->setAlignment(plat::Label::Center);
  plat::placeTwips(l, left, top, 855, 330);
  return l;
}

plat::Line* gridLine(QWidget* container, rt::Colour colour, int width, int style) {
  auto* line = new plat::Line(container);
  line->setBorderColor(colour);
  line->setBorderWidth(width);
  line->setBorderStyle(style);
  return line;
}

}  // namespace

frmArrow::frmArrow() {
  setCaption("Trajectories");
  setBackColor(kCyan);
  setClientSizeTwips(9030, 6780);
  setHelp("palorime.hlp", kHelpTopic);

  // -- title and decoration ---------------------------------------------------------------
  Shape1 = new plat::Shape(this, plat::Shape::RoundedRectangle);
  Shape1->setBackOpaque(true);
  Shape1->setBackColor(kWhite);
  Shape1->setBorderColor(kBlue);
  Shape1->setBorderWidth(2);
  plat::placeTwips(Shape1, 2280, 150, 3615, 630);
  Label1 = new plat::Label(this, "Trajectories");
  Label1->setFont(plat::screenFont("Comic Sans MS", 20.25, true));
  Label1->setForeColor(kBlue);
  Label1->setAlignment(plat::Label::Center);
  plat::placeTwips(Label1, 2340, 195, 3495, 540);
  Image1 = new plat::ImageBox(this);
  Image1->setPicture(plat::loadPicture("bowarrow.png"));
  plat::placeTwips(Image1, 240, 120, 720, 720);
  Image2 = new plat::ImageBox(this);
  Image2->setPicture(plat::loadPicture("arrowflight.png"));
  plat::placeTwips(Image2, 6360, 120, 720, 720);

  // -- the grid ---------------------------------------------------------------------------
  picGrid = new plat::PictureBox(this, kWhite);
  picGrid->setBorder(true);
  plat::placeTwips(picGrid, kGridLeft, kGridTop, kGridInnerWidth + 2 * kBorder, kGridInnerHeight + 2 * kBorder);
  picGrid->onPaint = [this] { picGrid_Paint(); };
  SetupGrid(picGrid->surface());
  const plat::Surface& feet = picGrid->surface();
  for (auto& l : Line1) l = gridLine(picGrid, kBlack, 1, plat::Line::Dot);
  for (auto& l : Line2) l = gridLine(picGrid, kBlack, 1, plat::Line::Dot);
  for (int i = 0; i < 4; ++i) {
    Line1[size_t(i)]->setEnds(feet, 0, 100 * (i + 1), 1000, 100 * (i + 1));
    Line2[size_t(i)]->setEnds(feet, 200 * (i + 1), 0, 200 * (i + 1), 500);
  }
  for (auto& l : Line4) l = gridLine(picGrid, kBlack, 5, plat::Line::Solid);
  Line4[0]->setEndsTwips(0, 0, kGridInnerWidth, 0);
  Line4[1]->setEndsTwips(kGridInnerWidth, 0, kGridInnerWidth, kGridInnerHeight);
  Line4[2]->setEndsTwips(0, kGridInnerHeight, kGridInnerWidth, kGridInnerHeight);
  Line4[3]->setEndsTwips(0, 0, 0, kGridInnerHeight);

  // The axis numbers: heights right-aligned left of the grid, distances centred under it.
  for (int j = 0; j <= 5; ++j) {
    auto* up = new plat::Label(this, QString::number(j * 100));
    up->setFont(plat::screenFont("Times New Roman", 9.75));
    up->setAlignment(plat::Label::Right);
    plat::placeTwips(up, 660, kGridTop + kBorder + kGridInnerHeight * (5 - j) / 5 - 120, 360, 255);
    Label2[size_t(j)] = up;
    auto* across = new plat::Label(this, QString::number(j * 200));
    across->setFont(plat::screenFont("Times New Roman", 9.75));
    across->setAlignment(plat::Label::Center);
    plat::placeTwips(across, kGridLeft + kBorder + kGridInnerWidth * j / 5 - 240,
                     kGridTop + kGridInnerHeight + 2 * kBorder + 30, 480, 255);
    Label2[size_t(6 + j)] = across;
  }

  imgMark = new plat::ImageBox(picGrid);
  imgMark->setPicture(plat::loadPicture("arrowmark.png"));
  imgMark->setStretch(true);
  imgMark->setAccessibleName("Target mark");
  imgMark->resize(plat::twipsToPixels(375), plat::twipsToPixels(375));
  imgMark->raise();
  imgMark->setCursor(Qt::SizeAllCursor);
  imgMark->onMouseDown = [this](int b, int s, double x, double y) { imgMark_MouseDown(b, s, x, y); };
  imgMark->onMouseMove = [this](int b, int s, double x, double y) { imgMark_MouseMove(b, s, x, y); };
  imgMark->onMouseUp = [this](int b, int s, double x, double y) { imgMark_MouseUp(b, s, x, y); };

  lblMessage = new plat::Label(this);
  lblMessage->setFont(plat::screenFont("Arial", 12, true));
  lblMessage->setForeColor(kBlue);
  lblMessage->setBackColor(kYellow);
  lblMessage->setBorder(true);
  lblMessage->setAlignment(plat::Label::Center);
  plat::placeTwips(lblMessage, 1080, 6240, 6015, 495);
  lblMessage->hide();

  // -- the angle indicator ----------------------------------------------------------------
  picAngle = new plat::PictureBox(this, kWhite);
  picAngle->setBorder(true);
  plat::placeTwips(picAngle, 120, 5160, 600 + 2 * kBorder, 600 + 2 * kBorder);
  Line3[0] = gridLine(picAngle, kRed, 5, plat::Line::Solid);
  Line3[0]->setEndsTwips(0, 600, 600, 600);
  Line3[1] = gridLine(picAngle, kRed, 5, plat::Line::Solid);
  Line3[1]->setEndsTwips(0, 720, 0, 0);
  linAngle = gridLine(picAngle, kBlue, 2, plat::Line::Solid);
  linAngle->setEndsTwips(kIndicatorX1, kIndicatorY1, kIndicatorX2, kIndicatorY2);

  // -- the right-hand column --------------------------------------------------------------
  Label4 = title(this, "Angle:", kColumn, 960, kColumnWidth);
  lblAngle = readout(this, "90.0", kBlue, kColumn, 1230);
  hsbAngle = new plat::HScrollBar(this);
  hsbAngle->setAccessibleCaption("Angle");
  hsbAngle->setRange(0, 900);
  hsbAngle->setSmallChange(1);
  hsbAngle->setLargeChange(10);
  plat::placeTwips(hsbAngle, kColumn, 1620, kColumnWidth, 255);

  Label5 = title(this, "Speed:", kColumn, 2010, kColumnWidth);
  lblSpeed = readout(this, "300", kBlue, kColumn, 2280);
  hsbSpeed = new plat::HScrollBar(this);
  hsbSpeed->setAccessibleCaption("Speed");
  hsbSpeed->setRange(0, 300);
  hsbSpeed->setSmallChange(1);
  hsbSpeed->setLargeChange(10);
  plat::placeTwips(hsbSpeed, kColumn, 2670, kColumnWidth, 255);

  cmdShoot = new plat::CommandButton(this, "&Take Shot");
  plat::placeTwips(cmdShoot, kColumn, 3120, kColumnWidth, 450);
  cmdClear = new plat::CommandButton(this, "&Clear Grid");
  plat::placeTwips(cmdClear, kColumn, 3660, kColumnWidth, 450);

  Label3 = title(this, "Mark:", kColumn, 4230, kColumnWidth);
  Label6 = title(this, "X", kColumn, 4530, 255);
  lblMarkX = readout(this, "1000", kRed, kColumn + 300, 4500);
  Label7 = title(this, "Y", kColumn, 4920, 255);
  lblMarkY = readout(this, "500", kRed, kColumn + 300, 4890);

  fraChoice = new plat::Frame(this);
  plat::placeTwips(fraChoice, kColumn + 60, 5280, kColumnWidth, 1440);
  cmdPrint = new plat::CommandButton(fraChoice, "&Print");
  plat::placeTwips(cmdPrint, 90, 150, kColumnWidth - 180, 375);
  cmdHelp = new plat::CommandButton(fraChoice, "&Help");
  plat::placeTwips(cmdHelp, 90, 570, kColumnWidth - 180, 375);
  cmdExit = new plat::CommandButton(fraChoice, "E&xit");
  plat::placeTwips(cmdExit, 90, 990, kColumnWidth - 180, 375);

  cmdShoot->onClick = [this] { cmdShoot_Click(); };
  cmdClear->onClick = [this] { cmdClear_Click(); };
  cmdPrint->onClick = [this] { cmdPrint_Click(); };
  cmdHelp->onClick = [this] { cmdHelp_Click(); };
  cmdExit->onClick = [this] { cmdExit_Click(); };
  hsbAngle->onChange = [this] { hsbAngle_Change(); };
  hsbAngle->onScroll = [this] { hsbAngle_Scroll(); };
  hsbSpeed->onChange = [this] { hsbSpeed_Change(); };
  hsbSpeed->onScroll = [this] { hsbSpeed_Scroll(); };
}

frmArrow::~frmArrow() = default;

// -- load and unload ----------------------------------------------------------------------

void frmArrow::Form_Load() {
  m_ownRandom = std::make_unique<rt::TimeSeededRandom>(shell::timeOfDay().seconds());
  m_random = m_ownRandom.get();
  m_store.Clear();
  m_last = ShotResult{};
  m_indicatorLength = float(std::sqrt((kIndicatorX2 - kIndicatorX1) * (kIndicatorX2 - kIndicatorX1) +
                                      (kIndicatorY2 - kIndicatorY1) * (kIndicatorY2 - kIndicatorY1)));
  centreOnScreen();
  m_tadaFile = shell::AppFilePath("tada.wav");
  m_uhohFile = shell::AppFilePath("uhoh.wav");
  m_boingFile = shell::AppFilePath("boing.wav");
  SetupGrid(picGrid->surface());
  picGrid->surface().cls();
  lblMessage->hide();

  // Values a hand-edited settings file may hold outside the controls' ranges come in range.
  const shell::SharedSettings& s = shell::settings();
  m_v = SaneArrowValues({s.ArrowAngle, s.ArrowSpeed, s.MarkX, s.MarkY});
  StoreSettings();
  // Each bar's change handling stores the value back and shows it, also when the bar
  // already stood at that value.
  const int16_t angleTenths = rt::CInt(double(m_v.ArrowAngle) * 10);
  const int16_t speed = rt::CInt(m_v.ArrowSpeed);
  if (hsbAngle->value() == angleTenths) hsbAngle_Change();
  else hsbAngle->setValue(angleTenths);
  if (hsbSpeed->value() == speed) hsbSpeed_Change();
  else hsbSpeed->setValue(speed);
  m_dragging = 0;
  PlaceMark();
}

void frmArrow::Form_Unload() { m_dragging = 0; }

void frmArrow::closeFromTitleBar() { cmdExit_Click(); }

void frmArrow::StoreSettings() {
  shell::SharedSettings& s = shell::settings();
  s.ArrowAngle = m_v.ArrowAngle;
  s.ArrowSpeed = m_v.ArrowSpeed;
  s.MarkX = m_v.MarkX;
  s.MarkY = m_v.MarkY;
}

// -- the launch ---------------------------------------------------------------------------

void frmArrow::hsbAngle_Change() {
  lblMessage->hide();
  m_v.ArrowAngle = float(double(hsbAngle->value()) / 10);
  StoreSettings();
  lblAngle->setCaption(text(rt::Format(m_v.ArrowAngle, "#0.0")));
  lblAngle->refresh();
  DrawAngleLine();
}

void frmArrow::hsbSpeed_Change() {
  lblMessage->hide();
  m_v.ArrowSpeed = float(hsbSpeed->value());
  StoreSettings();
  lblSpeed->setCaption(text(rt::Format(m_v.ArrowSpeed, "##0")));
  lblSpeed->refresh();
}

void frmArrow::DrawAngleLine() {
  const IndicatorEnd end = AngleIndicator(m_indicatorLength, m_v.ArrowAngle, kIndicatorY1);
  linAngle->setEndsTwips(kIndicatorX1, kIndicatorY1, end.x, end.y);
}

void frmArrow::cmdShoot_Click() {
  lblMessage->hide();
  GridPen pen(picGrid->surface());
  m_last = TakeShot(m_store, m_v, pen, *this, *m_random);
  lblMessage->setCaption(text(m_last.Message));
  lblMessage->show();
  lblMessage->refresh();
}

void frmArrow::PlayWave(ShotSound sound, int16_t flags) {
  // The path drawn so far shows before a waiting sound holds the window.
  if (flags == 0) picGrid->refresh();
  switch (sound) {
    case ShotSound::Shot: shell::PlayWave(m_boingFile, flags); break;
    case ShotSound::Hit: shell::PlayWave(m_tadaFile, flags); break;
    case ShotSound::Miss: shell::PlayWave(m_uhohFile, flags); break;
  }
}

void frmArrow::picGrid_Paint() {
  if (m_dragging == 1 || m_store.ShotCount() == 0) return;
  GridPen pen(picGrid->surface());
  RedrawShots(m_store, m_v.MarkX, m_v.MarkY, pen);
}

void frmArrow::cmdClear_Click() {
  m_store.Clear();
  lblMessage->hide();
  picGrid->surface().cls();
}

// -- the mark -----------------------------------------------------------------------------

void frmArrow::PlaceMark() {
  const plat::Surface& feet = picGrid->surface();
  const double w = plat::widthInScale(imgMark, feet), h = plat::heightInScale(imgMark, feet);
  plat::moveInScale(imgMark, feet, m_v.MarkX - w / 2, m_v.MarkY + h / 2);
  imgMark->repaint();
  lblMarkX->setCaption(text(rt::Format(m_v.MarkX, "##0")));
  lblMarkX->refresh();
  lblMarkY->setCaption(text(rt::Format(m_v.MarkY, "##0")));
  lblMarkY->refresh();
}

void frmArrow::imgMark_MouseDown(int, int, double x, double y) {
  lblMessage->hide();
  m_dragging = 1;
  const plat::Surface& feet = picGrid->surface();
  m_grab = GrabMark(float(x), float(y), float(plat::widthTwips(picGrid)), float(plat::heightTwips(picGrid)),
                    float(plat::widthInScale(imgMark, feet)), float(plat::heightInScale(imgMark, feet)));
}

void frmArrow::imgMark_MouseMove(int, int, double x, double y) {
  if (m_dragging == 0) return;
  MouseToMark(x, y);
  PlaceMark();
}

void frmArrow::imgMark_MouseUp(int, int, double x, double y) {
  m_dragging = 0;
  MouseToMark(x, y);
  PlaceMark();
  // The mark has left its old place: the grid repaints, and the stored shots are drawn
  // again against the mark where it is now.
  picGrid->requestPaint();
}

void frmArrow::MouseToMark(double x, double y) {
  const plat::Surface& feet = picGrid->surface();
  const MarkPlace m = traj::MouseToMark(float(x), float(y), float(plat::widthTwips(picGrid)),
                                        float(plat::heightTwips(picGrid)), float(plat::leftInScale(imgMark, feet)),
                                        float(plat::topInScale(imgMark, feet)), m_grab);
  m_v.MarkX = m.MarkX;
  m_v.MarkY = m.MarkY;
  StoreSettings();
}

// -- print, help, exit --------------------------------------------------------------------

void frmArrow::cmdPrint_Click() {
  if (!plat::askPrinterReady("Print Trajectories")) return;
  ArrowPrintout sheet;
  sheet.angle = lblAngle->caption();
  sheet.speed = lblSpeed->caption();
  sheet.markX = lblMarkX->caption();
  sheet.markY = lblMarkY->caption();
  sheet.store = &m_store;
  sheet.MarkX = m_v.MarkX;
  sheet.MarkY = m_v.MarkY;
  sheet.mark = imgMark->picture().toImage();
  PrintTrajectories(plat::printer(), sheet);
}

void frmArrow::cmdHelp_Click() { plat::help().showTopic(shell::BasePath + "palorime.hlp", kHelpTopic); }

void frmArrow::cmdExit_Click() {
  m_dragging = 0;
  Unload();
  returnToMenu();
}

}  // namespace traj
