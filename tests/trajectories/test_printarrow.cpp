// The printed trajectories through the recording printer: the prompt, the landscape page with
// the values, the grid and its numbers, the stored shots and the mark.

#include <algorithm>

#include "platform/label.h"
#include "platform/scrollbar.h"
#include "runtime/palette.h"
#include "tests/support/doubles.h"
#include "tests/trajectories/trajectoriesfixture.h"

namespace {

using namespace trajtest;
using Args = std::vector<double>;

std::vector<const plat::DrawOp*> opsOf(const plat::PrintedPage& page, const std::string& op) {
  std::vector<const plat::DrawOp*> out;
  for (const auto& d : page.ops)
    if (d.op == op) out.push_back(&d);
  return out;
}

// The path lines: solid black lines that are not grid lines.
std::vector<const plat::DrawOp*> pathLines(const plat::PrintedPage& page) {
  std::vector<const plat::DrawOp*> out;
  for (const auto* d : opsOf(page, "line"))
    if (d->drawStyle == plat::DrawSolid) out.push_back(d);
  return out;
}

class TrajectoriesPrintout : public TrajectoriesWindowTest {
 protected:
  const plat::PrintedPage* print() {
    const size_t before = printed->documents.size();
    printButton().click();
    if (printed->documents.size() != before + 1 || printed->documents.back().pages.size() != 1) return nullptr;
    return &printed->documents.back().pages[0];
  }
};

TEST_F(TrajectoriesPrintout, CancelPrintsNothing) {
  ASSERT_TRUE(open());
  services.boxes->answer(plat::msg::Cancel);
  printButton().click();
  EXPECT_TRUE(printed->documents.empty());
  ASSERT_EQ(services.boxes->calls.size(), 1u);
  EXPECT_EQ(services.boxes->calls[0].text, "Make sure printer is on-line and ready.");
  EXPECT_EQ(services.boxes->calls[0].title, "Print Trajectories");
  EXPECT_EQ(services.boxes->calls[0].style, plat::msg::OkCancel | plat::msg::Information);
}

TEST_F(TrajectoriesPrintout, WithoutShotsThePageHasTheValuesTheGridTheNumbersAndTheMark) {
  shell::settings().ArrowAngle = 45.3f;
  shell::settings().ArrowSpeed = 120;
  ASSERT_TRUE(open());
  const plat::PrintedPage* page = print();
  ASSERT_TRUE(page);
  EXPECT_EQ(page->orientation, plat::Orientation::Landscape);
  EXPECT_EQ(plat::printer().orientation(), plat::Orientation::Portrait);
  const std::vector<QString> texts = page->texts();
  ASSERT_GE(texts.size(), 8u);
  const std::vector<QString> head(texts.begin(), texts.begin() + 8);
  EXPECT_EQ(head, (std::vector<QString>{"Trajectories", "", "Parameters:", "", "Current Angle = 45.3 degrees",
                                        "Current Speed = 120", "Mark X = 400", "Mark y = 200"}));
  for (const auto* d : opsOf(*page, "print")) {
    EXPECT_EQ(d->fontName, "Courier New");
    EXPECT_EQ(d->fontSize, 12);
    EXPECT_EQ(d->underline, d->text == "Parameters:");
  }
  // The frame, and four dotted lines each way.
  const auto boxes = opsOf(*page, "box");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0]->args, (Args{200, 300, 950, 750}));
  EXPECT_EQ(boxes[0]->drawWidth, 2);
  int dotted = 0;
  for (const auto* d : opsOf(*page, "line")) dotted += d->drawStyle == plat::DrawDot;
  EXPECT_EQ(dotted, 8);
  EXPECT_TRUE(pathLines(*page).empty());
  // Numbers: heights right-aligned at 190, distances centred under their lines at 760.
  const std::vector<QString> numbers(texts.begin() + 8, texts.end());
  EXPECT_EQ(numbers,
            (std::vector<QString>{"0", "0", "100", "200", "200", "400", "300", "600", "400", "800", "500", "1000"}));
  for (const auto* d : opsOf(*page, "print")) {
    if (d->text == "1000") {
      EXPECT_DOUBLE_EQ(d->args[1], 760);
      EXPECT_LT(d->args[0], 950);
    }
    if (d->text == "500" && d->args[1] < 400) {
      EXPECT_LT(d->args[0], 190);
    }
  }
  // The mark, 30 units square, centred on (400, 200) feet's page point (500, 570).
  const auto pictures = opsOf(*page, "picture");
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_EQ(Args(pictures[0]->args.begin(), pictures[0]->args.begin() + 4), (Args{485, 555, 30, 30}));
}

TEST_F(TrajectoriesPrintout, ShotsArePrintedInsideTheGridAndTheMarkInItsCorner) {
  shell::settings().ArrowAngle = 20;
  shell::settings().ArrowSpeed = 250;
  shell::settings().MarkX = 1000;
  shell::settings().MarkY = 500;
  ASSERT_TRUE(open());
  shootButton().click();  // lands near 1250 feet: beyond the grid on the screen
  angleBar().setValue(700);
  speedBar().setValue(200);
  shootButton().click();  // climbs to about 550 feet and lands near 800
  angleBar().setValue(0);
  speedBar().setValue(100);
  shootButton().click();
  const plat::PrintedPage* page = print();
  ASSERT_TRUE(page);
  const auto lines = pathLines(*page);
  ASSERT_FALSE(lines.empty());
  double right = 0;
  for (const auto* d : lines) {
    EXPECT_EQ(d->colour, rt::palette::kBlack);
    EXPECT_LE(d->args[2], 950.0);
    // A flight higher than the grid is left out above its top, not drawn over the text.
    EXPECT_GE(d->args[1], 300.0);
    EXPECT_GE(d->args[3], 300.0);
    EXPECT_LE(d->args[3], 750.0);
    right = std::max(right, d->args[2]);
  }
  EXPECT_GT(right, 940.0);  // the first shot stops at the right border
  // The second leaves the grid's top and comes back into it.
  int onTop = 0;
  for (const auto* d : lines) onTop += d->args[1] == 300.0 || d->args[3] == 300.0;
  EXPECT_EQ(onTop, 2);
  const auto pictures = opsOf(*page, "picture");
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_EQ(Args(pictures[0]->args.begin(), pictures[0]->args.begin() + 4), (Args{935, 285, 30, 30}));
  // The text block reads the window's read-outs.
  EXPECT_EQ(page->texts()[4], "Current Angle = 0.0 degrees");
}

TEST_F(TrajectoriesPrintout, AMarkAtTheOriginStopsEveryPrintedPathAtItsFirstPoint) {
  shell::settings().MarkX = 0;
  shell::settings().MarkY = 0;
  ASSERT_TRUE(open());
  shootButton().click();
  shootButton().click();
  const plat::PrintedPage* page = print();
  ASSERT_TRUE(page);
  const auto lines = pathLines(*page);
  ASSERT_EQ(lines.size(), 2u);
  for (const auto* d : lines) EXPECT_EQ(d->args, (Args{200, 750, 200, 750}));
}

TEST_F(TrajectoriesPrintout, APrinterThatFailsLeavesTheWindowWorking) {
  ASSERT_TRUE(open());
  printed->failOnBegin = "The printer is off line.";
  printButton().click();
  EXPECT_TRUE(printed->documents.empty());
  EXPECT_GE(services.boxes->calls.size(), 2u);  // the prompt and the printer's message
  EXPECT_EQ(plat::printer().orientation(), plat::Orientation::Portrait);
  shootButton().click();
  EXPECT_TRUE(message().isVisible());
}

}  // namespace
