// Drawing-command strings on a small recording surface. Whatever the string, every stroke
// starts where the last one ended (there is no move without drawing), the current point is
// the end of the last stroke, and colour numbers stay within 0 to 32767.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/require.h"
#include "platform/drawmacro.h"
#include "platform/surface.h"
#include "tests/support/doubles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // One surface for every input: a new one per input would measure the image, not the reader.
  static plat::RecordingSurface surface(8, 8);
  surface.setScaleMode(plat::ScaleMode::Pixels);
  surface.clearOps();
  surface.moveTo(3, 4);

  bool colourInRange = true;
  plat::drawMacro(surface, std::string_view(reinterpret_cast<const char*>(data), size),
                  [&](int n) { colourInRange = colourInRange && n >= 0 && n <= 32767; });
  FUZZ_REQUIRE(colourInRange);

  double x = 3, y = 4;
  for (const plat::DrawOp& op : surface.ops()) {
    FUZZ_REQUIRE(op.op == "line" && op.args.size() == 4);
    FUZZ_REQUIRE(op.args[0] == x && op.args[1] == y);
    x = op.args[2];
    y = op.args[3];
  }
  FUZZ_REQUIRE(surface.currentX() == x && surface.currentY() == y);
  return 0;
}
