#include "rocketry/rocketprint.h"

#include "platform/printer.h"
#include "runtime/numfmt.h"
#include "runtime/palette.h"

namespace rocketry {

namespace {

constexpr double kLeft = 150, kRight = 700, kBoxHeight = 200;

struct Box {
  double top, bottom, centre;
  const char* title;
};
constexpr Box kAltitudeBox{400, 600, 500, "ALTITUDE"};
constexpr Box kSpeedBox{625, 825, 725, "SPEED"};
constexpr Box kForceBox{850, 1050, 950, "NET FORCE"};

QString fmt(float v, const char* mask) { return QString::fromStdString(rt::formatNumber(double(v), mask)); }

// A heading, underlined across its whole width.
void heading(plat::Printer& pr, const QString& text) {
  pr.setCurrentX(100);
  pr.printUnderlined(text);
}

void textLine(plat::Printer& pr, const QString& text) {
  pr.setCurrentX(100);
  pr.print(text);
}

// A title written downwards, one letter a line, centred on the box.
void downwards(plat::Printer& pr, const Box& box) {
  const QString title = QString::fromLatin1(box.title);
  pr.setCurrentY(box.centre - (title.size() * 0.5) * pr.textHeight("A"));
  for (QChar letter : title) {
    pr.setCurrentX(120);
    pr.print(QString(letter));
  }
}

// The inputs as the window shows them, and the launch values with their times.
void printValues(plat::Printer& pr, const LaunchPrintout& page) {
  const Flight& f = *page.flight;
  pr.moveTo(100, 100);
  pr.print("Rocketry");
  pr.newLine();
  heading(pr, "Input Parameters:");
  pr.newLine();
  textLine(pr, "Thrust = " + page.thrust + " newtons");
  textLine(pr, "Burn Time = " + page.burnTime + " seconds");
  textLine(pr, "Mass = " + page.mass + (page.units == 1 ? " grams" : " ounces"));
  pr.newLine();
  heading(pr, "Launch Values:");
  pr.newLine();
  const QString unit = page.units == 1 ? " meters" : " feet";
  const float lf = page.lengthFactor;
  textLine(pr, "Flight Time = " + fmt(f.FlightTime, "###0.0") + " seconds");
  textLine(pr, "Maximum Speed = " + fmt(f.BurnoutSpeed * lf, "####0") + unit + "/sec - Reached at " +
                   fmt(page.rocketBurnTime, "###0.0") + " seconds");
  textLine(pr, "Maximum Altitude = " + fmt(f.MaxAltitude * lf, "####0") + unit + " - Reached at " +
                   fmt(f.ApogeeTime, "###0.0") + " seconds");
  textLine(pr, "Descent Speed = " + fmt(f.DescentSpeed * lf, "####0") + unit + "/sec - Reached at " +
                   fmt(f.DescentTime, "###0.0") + " seconds");
}

// The three profiles in their frames, with dotted zero lines for speed and force.
void printProfiles(plat::Printer& pr, const LaunchPrintout& page) {
  const Flight& f = *page.flight;
  // The value ranges are the window's plots'.
  const double flightTime = f.FlightTime;
  const double altitudeTop = 1.1 * double(f.MaxAltitude);
  const double speedBottom = 1.2 * double(f.DescentSpeed);
  const double speedSpan = 1.1 * double(f.BurnoutSpeed) - speedBottom;
  const double forceBottom = -1.1 * double(f.Weight);
  const double forceSpan = 1.1 * double(page.rocketThrust);
  const auto x = [&](float t) { return kLeft + double(t) * 550 / flightTime; };
  const auto yAltitude = [&](float h) { return kAltitudeBox.bottom - double(h) * kBoxHeight / altitudeTop; };
  const auto ySpeed = [&](float v) { return kSpeedBox.bottom - (double(v) - speedBottom) * kBoxHeight / speedSpan; };
  const auto yForce = [&](float n) { return kForceBox.bottom - (double(n) - forceBottom) * kBoxHeight / forceSpan; };

  for (size_t i = 1; i < page.points.size(); ++i) {
    const FlightPoint& a = page.points[i - 1];
    const FlightPoint& b = page.points[i];
    pr.line(x(a.time), yAltitude(a.altitude), x(b.time), yAltitude(b.altitude), rt::palette::kBlack);
    pr.line(x(a.time), ySpeed(a.speed), x(b.time), ySpeed(b.speed), rt::palette::kBlack);
    pr.line(x(a.time), yForce(a.force), x(b.time), yForce(b.force), rt::palette::kBlack);
  }

  pr.setDrawStyle(plat::DrawDot);
  pr.line(kLeft, ySpeed(0), kRight, ySpeed(0), rt::palette::kBlack);
  pr.line(kLeft, yForce(0), kRight, yForce(0), rt::palette::kBlack);
  pr.setDrawStyle(plat::DrawSolid);
}

}  // namespace

void printLaunch(plat::Printer& pr, const LaunchPrintout& page) {
  pr.setFont("Courier New", 12);
  pr.setScale(0, 0, 850, 1100);
  pr.setForeColor(rt::palette::kBlack);
  printValues(pr, page);

  pr.setDrawWidth(2);
  for (const Box& b : {kAltitudeBox, kSpeedBox, kForceBox}) pr.box(kLeft, b.top, kRight, b.bottom, rt::palette::kBlack);
  pr.setDrawWidth(1);
  for (const Box& b : {kAltitudeBox, kSpeedBox, kForceBox}) downwards(pr, b);
  printProfiles(pr, page);

  pr.endDoc();
}

}  // namespace rocketry
