// The printed lever: the class, the load and the scene with its dimensions on one page.

#include "levers/printlever.h"

#include "levers/dimensions.h"
#include "levers/leverswindow.h"
#include "platform/drawmacro.h"
#include "platform/label.h"
#include "platform/printer.h"
#include "platform/surface.h"
#include "runtime/numfmt.h"
#include "runtime/palette.h"

namespace levers {

LeverPage::LeverPage(plat::Surface& page, LeverScreen& screen, Lever& lever, const LeverShapes& shapes)
    : m_page(page), m_screen(screen), m_lever(lever), m_shapes(shapes) {}

void LeverPage::PrinterDrawMacro(std::string_view s) {
  plat::drawMacro(m_page, s, [this](int n) { m_screen.SetColor(n); });
}

void LeverPage::PrinterDrawDigit(int16_t d, int16_t x, int16_t y) {
  const VectorDigit* g = vectorDigit(d);
  if (!g) return;
  // The pen goes to the start point without leaving a dot there.
  m_page.moveTo(x + g->dx, y + g->dy);
  PrinterDrawMacro(g->macro);
}

void LeverPage::draw(const QString& classCaption) {
  plat::Surface& p = m_page;
  const LeverShapes& s = m_shapes;
  const auto& P = s.Pts;

  // The screen's 320 x 200 picture with margins, stretched over the printable area.
  p.setFont(QStringLiteral("Courier New"), 12);
  p.setScale(-65, -75, 395, 200);
  p.moveTo(0, -50);
  p.print(QStringLiteral("Levers"));
  p.moveTo(0, -10);
  p.print(classCaption + QStringLiteral(" - Load =") + QString::fromStdString(rt::Str(m_lever.v.LeverLoad)));

  p.box(0, 0, 320, 105, Palette::Black);
  // The ground, cross-hatched.
  p.setFillStyle(plat::FillDiagonalCross);
  p.setFillColor(Palette::Black);
  p.box(1, 81, 318, 104, Palette::Black);
  // The fulcrum as an outline.
  const float fx = s.FulcrumX;
  p.moveTo(fx, 64);
  p.lineTo(fx - 8, 80, Palette::Black);
  p.lineTo(fx + 8, 80, Palette::Black);
  p.lineTo(fx, 64, Palette::Black);
  // The lever and the load as boxes between two opposite stored corners: level they match
  // the screen; tilted they span those corners.
  p.filledBox(P[1].x, P[1].y, P[4].x, P[4].y, Palette::LightGrey);
  if (m_lever.v.LeverLoad > 0) p.filledBox(P[5].x, P[5].y, P[8].x, P[8].y, Palette::Magenta);
  // The effort arrow as an outline.
  p.setDrawWidth(2);
  p.moveTo(P[size_t(s.ArrowFirst)].x, P[size_t(s.ArrowFirst)].y);
  for (int i = s.ArrowFirst + 1; i <= s.ArrowLast; ++i) p.lineTo(P[size_t(i)].x, P[size_t(i)].y, Palette::Black);
  p.lineTo(P[size_t(s.ArrowFirst)].x, P[size_t(s.ArrowFirst)].y, Palette::Black);
  p.setDrawWidth(1);

  PrintDimensions();
}

float LeverPage::printDimension(int16_t y, float a, float b, float v, double guard) {
  plat::Surface& p = m_page;
  const DimensionPlan plan = planDimension(y, a, b, v, guard);
  if (plan.room) p.line(a, y, b, y);
  p.moveTo(plan.rightHead.x, plan.rightHead.y);
  PrinterDrawMacro(plan.rightHead.macro);
  p.moveTo(plan.leftHead.x, plan.leftHead.y);
  PrinterDrawMacro(plan.leftHead.macro);
  // The gap in the line for the number, white on paper.
  if (plan.room) p.filledBox(plan.x0 - 1, y - 3, plan.x0 + plan.w, y + 3, Palette::White);
  const PlacedDigit& tenths = plan.digits[0];
  PrinterDrawDigit(tenths.d, tenths.x, tenths.y);
  // A single dot vanishes on paper; a short stroke makes the decimal point.
  p.pset(plan.pointX, plan.pointY, Palette::Black);
  PrinterDrawMacro("r");
  for (size_t i = 1; i < plan.digits.size(); ++i)
    PrinterDrawDigit(plan.digits[i].d, plan.digits[i].x, plan.digits[i].y);
  return plan.rounded;
}

void LeverPage::PrintDimensions() {
  plat::Surface& p = m_page;
  plat::Surface& window = m_screen.surface();
  LeverValues& v = m_lever.v;
  const LeverShapes& s = m_shapes;
  // The longer dimension is the upper one, as on the screen.
  int16_t effY = 10, loadY = 25;
  if (m_lever.LeverClass == 3) {
    effY = 25;
    loadY = 10;
  }
  p.setDrawWidth(2);
  window.setForeColor(Palette::Black);
  p.line(s.FulcrumX, 3, s.FulcrumX, 56);
  if (v.LeverLoad > 0) p.line(s.LoadX, loadY - 7, s.LoadX, 33);
  p.line(s.EffortX, effY - 7, s.EffortX, 36);
  p.line(kLeverLeft, 66, kLeverLeft, 78);
  p.line(s.FulcrumX, 66, s.FulcrumX, 78);

  v.DEffort = printDimension(effY, s.FulcrumX, s.EffortX, v.DEffort, 0.005);
  window.setForeColor(Palette::Black);
  if (v.LeverLoad > 0) v.DLoad = printDimension(loadY, s.FulcrumX, s.LoadX, v.DLoad, 0.05);
  window.setForeColor(Palette::Black);
  v.FulcrumPos = printDimension(72, s.FulcrumX, kLeverLeft, v.FulcrumPos, 0.005);
  p.setDrawWidth(1);
}

void LeversWindow::printLever() {
  if (!plat::askPrinterReady(QStringLiteral("Print Lever"))) return;
  plat::Printer& page = plat::printer();
  LeverPage(page, *m_screen, m_lever, m_shapes).draw(m_valuesFrame->caption());
  page.endDoc();
}

}  // namespace levers
