#include "platform/drawmacro.h"

#include <cctype>

#include "platform/surface.h"

namespace plat {

void drawMacro(Surface& s, std::string_view cmds, const std::function<void(int)>& setColour) {
  const size_t L = cmds.size();
  size_t i = 0;
  while (i < L) {
    const char c = char(std::toupper(static_cast<unsigned char>(cmds[i])));
    ++i;
    // The count: the digits after the command, 1 when there are none.
    int n = 1;
    bool first = true;
    while (i < L && std::isdigit(static_cast<unsigned char>(cmds[i]))) {
      const int digit = cmds[i] - '0';
      n = first ? digit : (n > 3276 ? 32767 : n * 10 + digit);
      if (n > 32767) n = 32767;
      first = false;
      ++i;
    }
    int dx = 0, dy = 0;
    switch (c) {
      case 'C':
        if (setColour) setColour(n);
        continue;
      case 'U': dy = -n; break;
      case 'D': dy = n; break;
      case 'L': dx = -n; break;
      case 'R': dx = n; break;
      case 'E':
        dx = n;
        dy = -n;
        break;
      case 'F':
        dx = n;
        dy = n;
        break;
      case 'G':
        dx = -n;
        dy = n;
        break;
      case 'H':
        dx = -n;
        dy = -n;
        break;
      default: continue;
    }
    s.lineTo(s.currentX() + dx, s.currentY() + dy);
  }
}

}  // namespace plat
