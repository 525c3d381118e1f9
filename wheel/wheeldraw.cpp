#include "wheel/wheeldraw.h"

#include "runtime/palette.h"
#include "wheel/wheelcharts.h"

namespace wheel {

rt::Colour CanColor(int i) {
  // Place 0 is no can; a number outside 1..6 takes can 1's colour.
  static constexpr rt::Colour colours[kMaxCans + 1] = {Palette::Black, Palette::Cyan, Palette::Yellow, Palette::Magenta,
                                                       Palette::Green, Palette::Blue, Palette::Red};
  return colours[(i >= 1 && i <= kMaxCans) ? i : 1];
}

void SetupWheelPicture(plat::Surface& picture) {
  picture.setDrawWidth(2);
  picture.setFillStyle(plat::FillTransparent);
}

void ScaleWheelPicture(plat::Surface& picture, const WheelDerived& d) {
  const double x = double(d.WheelRadius + d.CanRadius) * 1.05;
  const double y = double(d.WheelRadius + d.CanHeight) * 1.05;
  picture.setScale(-x, y, x, -y);
}

void DrawWheelPicture(plat::ImageSurface& hidden, plat::ImageSurface& visible, const WheelModel& model) {
  const WheelDerived& d = model.derived();
  const double R = d.WheelRadius, r = d.CanRadius, H = d.CanHeight;
  hidden.cls();
  hidden.circle(0, 0, R * 0.05, Palette::WheelHub);
  for (int i = 1; i <= model.N(); ++i) {
    const double x = model.CanX(i), y = model.CanY(i);
    const rt::Colour colour = CanColor(i);
    hidden.line(0, 0, x, y, Palette::WheelSpoke);
    // The can's inside hides the spokes and cans drawn before it.
    hidden.filledBox(x - r, y, x + r, y - H, hidden.backColor());
    const float level = model.CanLevel(i);
    if (level != 0) {
      hidden.filledBox(x - r, y - H, x + r, y - H + double(level), colour);
      // The leak: a fan from the hole that spreads a can's width at 0.4 H below it.
      for (int j = 1; j <= 5; ++j) hidden.line(x, y - H, x - (j - 3) * r / 2, y - 1.4 * H, colour);
    }
    hidden.box(x - r, y, x + r, y - H, Palette::WheelCanOutline);
  }
  plat::bitBlt(visible, 0, 0, hidden.deviceWidth(), hidden.deviceHeight(), hidden, 0, 0, plat::BlitOp::Copy);
}

void DrawFallingWater(plat::Surface& valve, double gaugeLeft, double gaugeWidth, double gaugeHeight, bool open) {
  const double bottom = valve.scaleTop() + valve.scaleHeight();
  if (!open) {
    valve.filledBox(gaugeLeft, gaugeHeight, gaugeLeft + gaugeWidth, bottom, valve.backColor());
    return;
  }
  const int width = valve.drawWidth();
  valve.setDrawWidth(2);
  const double centre = gaugeLeft + gaugeWidth / 2;
  for (int j = 1; j <= 5; ++j) valve.line(centre, gaugeHeight, centre - gaugeWidth * (j - 3) / 20, bottom, CanColor(1));
  valve.setDrawWidth(width);
}

StripCharts::StripCharts(plat::ImageSurface& speed, plat::ImageSurface& height, plat::ImageSurface& level)
    : m_speed(speed), m_height(height), m_level(level) {
  Setup();
}

void StripCharts::Setup() {
  for (plat::ImageSurface* s : {&m_speed, &m_height, &m_level}) s->setScaleMode(plat::ScaleMode::Pixels);
}

void StripCharts::Start(const WheelModel& model) {
  m_prevSpeed = 0;
  m_prevHeight = model.CanY(1);
  m_oldLevel.fill(0);
}

void StripCharts::Clear() {
  for (plat::ImageSurface* s : {&m_speed, &m_height, &m_level}) s->cls();
}

void StripCharts::DrawZeroLine() {
  const double SW = m_speed.scaleWidth(), SH = m_speed.scaleHeight();
  m_speed.line(0, ZeroLineY(SH), SW - 1, ZeroLineY(SH), Palette::WheelZeroLine);
}

void StripCharts::scroll(plat::ImageSurface& chart) {
  const int SW = chart.deviceWidth(), SH = chart.deviceHeight();
  plat::bitBlt(chart, 0, 0, SW - 1, SH, chart, 1, 0, plat::BlitOp::Copy);
  chart.line(SW - 1, 0, SW - 1, SH - 1, chart.backColor());
}

void StripCharts::Advance(const WheelModel& model) {
  const WheelDerived& d = model.derived();
  for (plat::ImageSurface* s : {&m_speed, &m_height, &m_level}) scroll(*s);

  double SW = m_speed.scaleWidth(), SH = m_speed.scaleHeight();
  m_speed.pset(SW - 1, ZeroLineY(SH), Palette::WheelZeroLine);
  const float v = SpeedPlotted(model.WheelSpeed());
  m_speed.line(SW - 2, SpeedY(SH, m_prevSpeed), SW - 1, SpeedY(SH, v), Palette::WheelSpeedLine);
  m_prevSpeed = v;

  SW = m_height.scaleWidth();
  SH = m_height.scaleHeight();
  const float stickLength = d.StickLength;
  const float y1 = model.CanY(1);
  m_height.line(SW - 2, HeightY(SH, d.WheelRadius, stickLength, m_prevHeight), SW - 1,
                HeightY(SH, d.WheelRadius, stickLength, y1), CanColor(1));
  m_prevHeight = y1;

  SW = m_level.scaleWidth();
  SH = m_level.scaleHeight();
  for (int i = 1; i <= model.N(); ++i) {
    const float level = model.CanLevel(i);
    m_level.line(SW - 2, LevelY(SH, d.CanHeight, m_oldLevel[size_t(i)]), SW - 1, LevelY(SH, d.CanHeight, level),
                 CanColor(i));
    m_oldLevel[size_t(i)] = level;
  }
}

}  // namespace wheel
