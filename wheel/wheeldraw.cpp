#include "wheel/wheeldraw.h"

#include "runtime/palette.h"
#include "wheel/wheelcharts.h"

namespace wheel {

rt::Colour canColor(int i) {
  // Place 0 is no can; a number outside 1..6 takes can 1's colour.
  static constexpr rt::Colour kColours[kMaxCans + 1] = {
      rt::palette::kBlack, rt::palette::kCyan, rt::palette::kYellow, rt::palette::kMagenta,
      rt::palette::kGreen, rt::palette::kBlue, rt::palette::kRed};
  return kColours[(i >= 1 && i <= kMaxCans) ? i : 1];
}

void setupWheelPicture(plat::Surface& picture) {
  picture.setDrawWidth(2);
  picture.setFillStyle(plat::FillTransparent);
}

void scaleWheelPicture(plat::Surface& picture, const WheelDerived& d) {
  const double x = double(d.WheelRadius + d.CanRadius) * 1.05;
  const double y = double(d.WheelRadius + d.CanHeight) * 1.05;
  picture.setScale(-x, y, x, -y);
}

void drawWheelPicture(plat::ImageSurface& hidden, plat::ImageSurface& visible, const WheelModel& model) {
  const WheelDerived& d = model.derived();
  const double R = d.WheelRadius, r = d.CanRadius, H = d.CanHeight;
  hidden.cls();
  hidden.circle(0, 0, R * 0.05, rt::palette::kWheelHub);
  for (int i = 1; i <= model.canCount(); ++i) {
    const double x = model.canX(i), y = model.canY(i);
    const rt::Colour colour = canColor(i);
    hidden.line(0, 0, x, y, rt::palette::kWheelSpoke);
    // The can's inside hides the spokes and cans drawn before it.
    hidden.filledBox(x - r, y, x + r, y - H, hidden.backColor());
    const float level = model.canLevel(i);
    if (level != 0) {
      hidden.filledBox(x - r, y - H, x + r, y - H + double(level), colour);
      // The leak: a fan from the hole that spreads a can's width at 0.4 H below it.
      for (int j = 1; j <= 5; ++j) hidden.line(x, y - H, x - (j - 3) * r / 2, y - 1.4 * H, colour);
    }
    hidden.box(x - r, y, x + r, y - H, rt::palette::kWheelCanOutline);
  }
  plat::bitBlt(visible, 0, 0, hidden.deviceWidth(), hidden.deviceHeight(), hidden, 0, 0, plat::BlitOp::Copy);
}

void drawFallingWater(plat::Surface& valve, double gaugeLeft, double gaugeWidth, double gaugeHeight, bool open) {
  const double bottom = valve.scaleTop() + valve.scaleHeight();
  if (!open) {
    valve.filledBox(gaugeLeft, gaugeHeight, gaugeLeft + gaugeWidth, bottom, valve.backColor());
    return;
  }
  const int width = valve.drawWidth();
  valve.setDrawWidth(2);
  const double centre = gaugeLeft + gaugeWidth / 2;
  for (int j = 1; j <= 5; ++j) valve.line(centre, gaugeHeight, centre - gaugeWidth * (j - 3) / 20, bottom, canColor(1));
  valve.setDrawWidth(width);
}

StripCharts::StripCharts(plat::ImageSurface& speed, plat::ImageSurface& height, plat::ImageSurface& level)
    : m_speed(speed), m_height(height), m_level(level) {
  setup();
}

void StripCharts::setup() {
  for (plat::ImageSurface* s : {&m_speed, &m_height, &m_level}) s->setScaleMode(plat::ScaleMode::Pixels);
}

void StripCharts::start(const WheelModel& model) {
  m_prevSpeed = 0;
  m_prevHeight = model.canY(1);
  m_oldLevel.fill(0);
}

void StripCharts::clear() {
  for (plat::ImageSurface* s : {&m_speed, &m_height, &m_level}) s->cls();
}

void StripCharts::drawZeroLine() {
  const double SW = m_speed.scaleWidth(), SH = m_speed.scaleHeight();
  m_speed.line(0, zeroLineY(SH), SW - 1, zeroLineY(SH), rt::palette::kWheelZeroLine);
}

void StripCharts::scroll(plat::ImageSurface& chart) {
  const int SW = chart.deviceWidth(), SH = chart.deviceHeight();
  plat::bitBlt(chart, 0, 0, SW - 1, SH, chart, 1, 0, plat::BlitOp::Copy);
  chart.line(SW - 1, 0, SW - 1, SH - 1, chart.backColor());
}

void StripCharts::advance(const WheelModel& model) {
  const WheelDerived& d = model.derived();
  for (plat::ImageSurface* s : {&m_speed, &m_height, &m_level}) scroll(*s);

  double SW = m_speed.scaleWidth(), SH = m_speed.scaleHeight();
  m_speed.pset(SW - 1, zeroLineY(SH), rt::palette::kWheelZeroLine);
  const float v = speedPlotted(model.wheelSpeed());
  m_speed.line(SW - 2, speedY(SH, m_prevSpeed), SW - 1, speedY(SH, v), rt::palette::kWheelSpeedLine);
  m_prevSpeed = v;

  SW = m_height.scaleWidth();
  SH = m_height.scaleHeight();
  const float stickLength = d.StickLength;
  const float y1 = model.canY(1);
  m_height.line(SW - 2, heightY(SH, d.WheelRadius, stickLength, m_prevHeight), SW - 1,
                heightY(SH, d.WheelRadius, stickLength, y1), canColor(1));
  m_prevHeight = y1;

  SW = m_level.scaleWidth();
  SH = m_level.scaleHeight();
  for (int i = 1; i <= model.canCount(); ++i) {
    const float level = model.canLevel(i);
    m_level.line(SW - 2, levelY(SH, d.CanHeight, m_oldLevel[size_t(i)]), SW - 1, levelY(SH, d.CanHeight, level),
                 canColor(i));
    m_oldLevel[size_t(i)] = level;
  }
}

}  // namespace wheel
