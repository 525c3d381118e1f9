#pragma once
// Fonts by their classic names and point sizes. The names are mapped once onto the metric
// twins installed on the machine, and screen fonts are sized for 96 dots per inch whatever
// the display reports, so that text fits the layouts measured in twips.

#include <QFont>
#include <QString>

namespace plat {

void installFontSubstitutions();

// A screen font: size in points, rendered as points x 96 / 72 pixels.
QFont screenFont(const QString& name, double points, bool bold = false, bool italic = false, bool underline = false);

// The font every window and control starts with.
QFont defaultFont();

}  // namespace plat
