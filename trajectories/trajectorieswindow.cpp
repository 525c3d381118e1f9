#include "trajectories/trajectorieswindow.h"

#include <cmath>

#include "platform/button.h"
#include "platform/controlarray.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/layout.h"
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
#include "runtime/palette.h"
#include "shell/clocks.h"
#include "shell/programfolder.h"
#include "shell/settings.h"
#include "shell/sounds.h"
#include "trajectories/griddraw.h"
#include "trajectories/printarrow.h"
#include "trajectories/trajectorieslayout.h"

namespace trajectories {

namespace {

using namespace layout;

constexpr int kHelpTopic = 16;

// The angle indicator's design: ground and upright meet at (0, 600) in the indicator picture.
constexpr double kIndicatorX1 = 0, kIndicatorY1 = 600, kIndicatorX2 = 600, kIndicatorY2 = 600;

QString text(const std::string& s) { return QString::fromStdString(s); }

plat::Label* axisNumber(QWidget* parent, const ControlRow& row, plat::Label::Align align) {
  auto* l = plat::build<plat::Label>(parent, row);
  l->setAlignment(align);
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

TrajectoriesWindow::TrajectoriesWindow() {
  setCaption("Trajectories");
  setBackColor(rt::palette::kCyan);
  setClientSizeTwips(kWidth, kHeight);
  setHelp("palorime.hlp", kHelpTopic);
  // Built in this order, each later control over the earlier ones and after them in the
  // tab order.
  buildTitle();
  buildGrid();
  buildAxisNumbers();
  buildMark();
  buildIndicator();
  buildColumn();
  buildCommands();
}

TrajectoriesWindow::~TrajectoriesWindow() = default;

// -- the controls -------------------------------------------------------------------------

void TrajectoriesWindow::buildTitle() {
  m_titleBox = plat::build<plat::Shape>(this, kTitleBox, plat::Shape::RoundedRectangle);
  m_titleBox->setBackOpaque(true);
  m_titleBox->setBorderColor(rt::palette::kBlue);
  m_titleBox->setBorderWidth(2);
  m_title = plat::build<plat::Label>(this, kTitle);
  m_title->setAlignment(plat::Label::Center);
  m_bowPicture = plat::build<plat::ImageBox>(this, kBowPicture);
  m_bowPicture->setPicture(plat::loadPicture("bowarrow.png"));
  m_flightPicture = plat::build<plat::ImageBox>(this, kFlightPicture);
  m_flightPicture->setPicture(plat::loadPicture("arrowflight.png"));
}

void TrajectoriesWindow::buildGrid() {
  m_gridPicture = plat::buildFramedPicture(this, kGrid, rt::palette::kWhite);
  m_gridPicture->setObjectName("gridPicture");
  m_gridPicture->setAccessibleName("Trajectory grid: the arrows' paths and the target");
  m_gridPicture->onPaint = [this] { redrawShots(); };
  setupGrid(m_gridPicture->surface());
  buildGridLines();
}

void TrajectoriesWindow::buildGridLines() {
  // Dotted lines every 100 feet up and every 200 feet across, placed in the grid's feet.
  const plat::Surface& feet = m_gridPicture->surface();
  for (auto& l : m_heightLines) l = gridLine(m_gridPicture, rt::palette::kBlack, 1, plat::Line::Dot);
  for (auto& l : m_distanceLines) l = gridLine(m_gridPicture, rt::palette::kBlack, 1, plat::Line::Dot);
  for (int i = 0; i < 4; ++i) {
    plat::nameInRow(m_heightLines[size_t(i)], "heightLine", i);
    m_heightLines[size_t(i)]->setEnds(feet, 0, 100 * (i + 1), 1000, 100 * (i + 1));
    m_distanceLines[size_t(i)]->setEnds(feet, 200 * (i + 1), 0, 200 * (i + 1), 500);
  }
  // The frame, a heavy line along each inner edge.
  for (auto& l : m_gridFrame) l = gridLine(m_gridPicture, rt::palette::kBlack, 5, plat::Line::Solid);
  m_gridFrame[0]->setEndsTwips(0, 0, kGridInnerWidth, 0);
  m_gridFrame[1]->setEndsTwips(kGridInnerWidth, 0, kGridInnerWidth, kGridInnerHeight);
  m_gridFrame[2]->setEndsTwips(0, kGridInnerHeight, kGridInnerWidth, kGridInnerHeight);
  m_gridFrame[3]->setEndsTwips(0, 0, 0, kGridInnerHeight);
}

void TrajectoriesWindow::buildAxisNumbers() {
  for (size_t j = 0; j < 6; ++j) {
    m_heightNumbers[j] = axisNumber(this, kHeightNumbers[j], plat::Label::Right);
    m_distanceNumbers[j] = axisNumber(this, kDistanceNumbers[j], plat::Label::Center);
    m_heightNumbers[j]->setHeardCaption("Height (ft)");
    m_distanceNumbers[j]->setHeardCaption("Distance (ft)");
  }
}

void TrajectoriesWindow::buildMark() {
  // The mark is placed in the grid's feet whenever it moves; only its size is fixed here.
  m_markPicture = new plat::ImageBox(m_gridPicture);
  m_markPicture->setObjectName("markPicture");
  m_markPicture->setPicture(plat::loadPicture("arrowmark.png"));
  m_markPicture->setStretch(true);
  m_markPicture->setAccessibleName("Target mark");
  m_markPicture->resize(plat::twipsToPixels(375), plat::twipsToPixels(375));
  m_markPicture->raise();
  m_markPicture->setCursor(Qt::SizeAllCursor);
  m_markPicture->onMouseDown = [this](int b, int s, double x, double y) { grabMark(b, s, x, y); };
  m_markPicture->onMouseMove = [this](int b, int s, double x, double y) { dragMark(b, s, x, y); };
  m_markPicture->onMouseUp = [this](int b, int s, double x, double y) { dropMark(b, s, x, y); };

  m_message = plat::buildReadout(this, kMessage);
  m_message->setObjectName("message");
  m_message->setAnnounced(true);
  m_message->hide();
}

void TrajectoriesWindow::buildIndicator() {
  m_indicatorPicture = plat::buildFramedPicture(this, kIndicator, rt::palette::kWhite);
  m_indicatorPicture->setAccessibleName("Launch angle");
  m_indicatorAxes[0] = gridLine(m_indicatorPicture, rt::palette::kRed, 5, plat::Line::Solid);
  m_indicatorAxes[0]->setEndsTwips(0, 600, 600, 600);
  m_indicatorAxes[1] = gridLine(m_indicatorPicture, rt::palette::kRed, 5, plat::Line::Solid);
  m_indicatorAxes[1]->setEndsTwips(0, 720, 0, 0);
  m_indicatorLine = gridLine(m_indicatorPicture, rt::palette::kBlue, 2, plat::Line::Solid);
  m_indicatorLine->setObjectName("indicatorLine");
  m_indicatorLine->setEndsTwips(kIndicatorX1, kIndicatorY1, kIndicatorX2, kIndicatorY2);
}

void TrajectoriesWindow::buildColumn() {
  m_angleTitle = plat::build<plat::Label>(this, kAngleTitle);
  m_angleReadout = plat::buildReadout(this, kAngleReadout);
  m_angleBar = plat::buildBar<plat::HScrollBar>(this, {kAngleBar, "Angle", 0, 900});
  // Screen readers hear the angle in the degrees the read-out shows, not the bar's tenths.
  m_angleBar->setShownValue(plat::inTenths);
  m_speedTitle = plat::build<plat::Label>(this, kSpeedTitle);
  m_speedReadout = plat::buildReadout(this, kSpeedReadout);
  m_speedBar = plat::buildBar<plat::HScrollBar>(this, {kSpeedBar, "Speed", 0, 300});
  m_shootButton = plat::build<plat::CommandButton>(this, kShootButton);
  m_clearButton = plat::build<plat::CommandButton>(this, kClearButton);
  m_markTitle = plat::build<plat::Label>(this, kMarkTitle);
  m_markXTitle = plat::build<plat::Label>(this, kMarkXTitle);
  m_markXReadout = plat::buildReadout(this, kMarkXReadout);
  m_markYTitle = plat::build<plat::Label>(this, kMarkYTitle);
  m_markYReadout = plat::buildReadout(this, kMarkYReadout);
  m_angleReadout->setObjectName("angleReadout");
  m_angleBar->setObjectName("angleBar");
  m_speedReadout->setObjectName("speedReadout");
  m_speedBar->setObjectName("speedBar");
  m_shootButton->setObjectName("shootButton");
  m_clearButton->setObjectName("clearButton");
  m_markXReadout->setObjectName("markXReadout");
  m_markYReadout->setObjectName("markYReadout");
  m_angleReadout->setHeardCaptions({m_angleTitle});
  m_speedReadout->setHeardCaptions({m_speedTitle});
  m_markXReadout->setHeardCaptions({m_markTitle, m_markXTitle});
  m_markYReadout->setHeardCaptions({m_markTitle, m_markYTitle});
  m_shootButton->onClick = [this] { takeShot(); };
  m_clearButton->onClick = [this] { clearGrid(); };
  m_angleBar->onChange = [this] { applyAngle(); };
  m_angleBar->onScroll = [this] { applyAngle(); };
  m_speedBar->onChange = [this] { applySpeed(); };
  m_speedBar->onScroll = [this] { applySpeed(); };
}

void TrajectoriesWindow::buildCommands() {
  m_commandFrame = plat::build<plat::Frame>(this, kCommandFrame);
  m_printButton = plat::build<plat::CommandButton>(m_commandFrame, kPrintButton);
  m_helpButton = plat::build<plat::CommandButton>(m_commandFrame, kHelpButton);
  m_exitButton = plat::build<plat::CommandButton>(m_commandFrame, kExitButton);
  m_printButton->setObjectName("printButton");
  m_helpButton->setObjectName("helpButton");
  m_exitButton->setObjectName("exitButton");
  m_printButton->onClick = [this] { printShots(); };
  m_helpButton->onClick = [this] { showHelp(); };
  m_exitButton->onClick = [this] { exitToMenu(); };
}

// -- load and unload ----------------------------------------------------------------------

void TrajectoriesWindow::loadStep() {
  // A new chance for the hit messages at every opening.
  shell::randomize();
  m_store.clear();
  m_last = ShotResult{};
  m_indicatorLength = float(std::sqrt((kIndicatorX2 - kIndicatorX1) * (kIndicatorX2 - kIndicatorX1) +
                                      (kIndicatorY2 - kIndicatorY1) * (kIndicatorY2 - kIndicatorY1)));
  centreOnScreen();
  m_tadaFile = shell::appFilePath("tada.wav");
  m_uhohFile = shell::appFilePath("uhoh.wav");
  m_boingFile = shell::appFilePath("boing.wav");
  setupGrid(m_gridPicture->surface());
  m_gridPicture->surface().cls();
  m_message->hide();

  // Values a hand-edited settings file may hold outside the controls' ranges come in range.
  const shell::SharedSettings& s = shell::settings();
  m_arrow = saneArrowValues({s.ArrowAngle, s.ArrowSpeed, s.MarkX, s.MarkY});
  storeSettings();
  showValues();
  m_dragging = 0;
  placeMark();
}

void TrajectoriesWindow::showValues() {
  // Each bar's change handling stores the value back and shows it, also when the bar
  // already stood at that value.
  const int16_t angleTenths = rt::roundToInt16(double(m_arrow.ArrowAngle) * 10);
  const int16_t speed = rt::roundToInt16(m_arrow.ArrowSpeed);
  if (m_angleBar->value() == angleTenths)
    applyAngle();
  else
    m_angleBar->setValue(angleTenths);
  if (m_speedBar->value() == speed)
    applySpeed();
  else
    m_speedBar->setValue(speed);
}

void TrajectoriesWindow::unloadStep() { m_dragging = 0; }

void TrajectoriesWindow::closeFromTitleBar() { exitToMenu(); }

void TrajectoriesWindow::storeSettings() {
  shell::SharedSettings& s = shell::settings();
  s.ArrowAngle = m_arrow.ArrowAngle;
  s.ArrowSpeed = m_arrow.ArrowSpeed;
  s.MarkX = m_arrow.MarkX;
  s.MarkY = m_arrow.MarkY;
}

// -- the launch ---------------------------------------------------------------------------

void TrajectoriesWindow::applyAngle() {
  m_message->hide();
  m_arrow.ArrowAngle = float(double(m_angleBar->value()) / 10);
  storeSettings();
  m_angleReadout->setCaption(text(rt::formatNumber(m_arrow.ArrowAngle, "#0.0")));
  m_angleReadout->refresh();
  drawAngleLine();
}

void TrajectoriesWindow::applySpeed() {
  m_message->hide();
  m_arrow.ArrowSpeed = float(m_speedBar->value());
  storeSettings();
  m_speedReadout->setCaption(text(rt::formatNumber(m_arrow.ArrowSpeed, "##0")));
  m_speedReadout->refresh();
}

void TrajectoriesWindow::drawAngleLine() {
  const IndicatorEnd end = angleIndicator(m_indicatorLength, m_arrow.ArrowAngle, kIndicatorY1);
  m_indicatorLine->setEndsTwips(kIndicatorX1, kIndicatorY1, end.x, end.y);
}

void TrajectoriesWindow::takeShot() {
  m_message->hide();
  GridPen pen(m_gridPicture->surface());
  m_last = trajectories::takeShot(m_store, m_arrow, pen, *this, shell::randomSource());
  m_message->setCaption(text(m_last.Message));
  m_message->show();
  m_message->refresh();
}

void TrajectoriesWindow::playWave(ShotSound sound, int16_t flags) {
  // The path drawn so far shows before a waiting sound holds the window.
  if (flags == 0) m_gridPicture->refresh();
  switch (sound) {
    case ShotSound::Shot: shell::playWave(m_boingFile, flags); break;
    case ShotSound::Hit: shell::playWave(m_tadaFile, flags); break;
    case ShotSound::Miss: shell::playWave(m_uhohFile, flags); break;
  }
}

void TrajectoriesWindow::redrawShots() {
  if (m_dragging == 1 || m_store.shotCount() == 0) return;
  GridPen pen(m_gridPicture->surface());
  trajectories::redrawShots(m_store, m_arrow.MarkX, m_arrow.MarkY, pen);
}

void TrajectoriesWindow::clearGrid() {
  m_store.clear();
  m_message->hide();
  m_gridPicture->surface().cls();
}

// -- the mark -----------------------------------------------------------------------------

void TrajectoriesWindow::placeMark() {
  const plat::Surface& feet = m_gridPicture->surface();
  const double w = plat::widthInScale(m_markPicture, feet), h = plat::heightInScale(m_markPicture, feet);
  plat::moveInScale(m_markPicture, feet, m_arrow.MarkX - w / 2, m_arrow.MarkY + h / 2);
  m_markPicture->repaint();
  m_markXReadout->setCaption(text(rt::formatNumber(m_arrow.MarkX, "##0")));
  m_markXReadout->refresh();
  m_markYReadout->setCaption(text(rt::formatNumber(m_arrow.MarkY, "##0")));
  m_markYReadout->refresh();
}

void TrajectoriesWindow::grabMark(int, int, double x, double y) {
  m_message->hide();
  m_dragging = 1;
  const plat::Surface& feet = m_gridPicture->surface();
  m_grab = trajectories::grabMark(
      float(x), float(y), float(plat::widthTwips(m_gridPicture)), float(plat::heightTwips(m_gridPicture)),
      float(plat::widthInScale(m_markPicture, feet)), float(plat::heightInScale(m_markPicture, feet)));
}

void TrajectoriesWindow::dragMark(int, int, double x, double y) {
  if (m_dragging == 0) return;
  moveMarkTo(x, y);
  placeMark();
}

void TrajectoriesWindow::dropMark(int, int, double x, double y) {
  m_dragging = 0;
  moveMarkTo(x, y);
  placeMark();
  // The mark has left its old place: the grid repaints, and the stored shots are drawn
  // again against the mark where it is now.
  m_gridPicture->requestPaint();
}

void TrajectoriesWindow::moveMarkTo(double x, double y) {
  const plat::Surface& feet = m_gridPicture->surface();
  const MarkPlace m = trajectories::mouseToMark(
      float(x), float(y), float(plat::widthTwips(m_gridPicture)), float(plat::heightTwips(m_gridPicture)),
      float(plat::leftInScale(m_markPicture, feet)), float(plat::topInScale(m_markPicture, feet)), m_grab);
  m_arrow.MarkX = m.MarkX;
  m_arrow.MarkY = m.MarkY;
  storeSettings();
}

// -- print and exit ------------------------------------------------------------------------

void TrajectoriesWindow::printShots() {
  if (!plat::askPrinterReady("Print Trajectories")) return;
  ArrowPrintout sheet;
  sheet.angle = m_angleReadout->caption();
  sheet.speed = m_speedReadout->caption();
  sheet.markX = m_markXReadout->caption();
  sheet.markY = m_markYReadout->caption();
  sheet.store = &m_store;
  sheet.MarkX = m_arrow.MarkX;
  sheet.MarkY = m_arrow.MarkY;
  sheet.mark = m_markPicture->picture().toImage();
  printTrajectories(plat::printer(), sheet);
}

void TrajectoriesWindow::exitToMenu() {
  m_dragging = 0;
  unload();
  returnToMenu();
}

}  // namespace trajectories
