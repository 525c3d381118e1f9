#pragma once
// Colours of the program (0x00BBGGRR) as the toolkit's colours.

#include <QColor>

#include "runtime/colour.h"

namespace plat {

inline QColor toQColor(rt::Colour c) { return QColor(rt::redOf(c), rt::greenOf(c), rt::blueOf(c)); }
inline rt::Colour fromQColor(const QColor& c) { return rt::rgb(c.red(), c.green(), c.blue()); }

}  // namespace plat
