#include "platform/fonts.h"

#include <QStringList>
#include <cmath>

namespace plat {

void installFontSubstitutions() {
  static bool done = false;
  if (done) return;
  done = true;
  QFont::insertSubstitutions("MS Sans Serif", QStringList{"Liberation Sans", "DejaVu Sans"});
  QFont::insertSubstitutions("Arial", QStringList{"Liberation Sans", "DejaVu Sans"});
  QFont::insertSubstitutions("Helv", QStringList{"Liberation Sans", "DejaVu Sans"});
  QFont::insertSubstitutions("Times New Roman", QStringList{"Liberation Serif", "DejaVu Serif"});
  QFont::insertSubstitutions("Courier New", QStringList{"Liberation Mono", "DejaVu Sans Mono"});
  QFont::insertSubstitutions("Courier", QStringList{"Liberation Mono", "DejaVu Sans Mono"});
  QFont::insertSubstitutions("Comic Sans MS", QStringList{"Comic Neue", "DejaVu Sans"});
  QFont::insertSubstitutions("Arial Black", QStringList{"DejaVu Sans", "Liberation Sans"});
  QFont::insertSubstitutions("Impact", QStringList{"DejaVu Sans Condensed", "Liberation Sans Narrow"});
  QFont::insertSubstitutions("Wingdings", QStringList{"DejaVu Sans"});
  // A narrow heavy face, as wide as the original display face, not the broad serif twins.
  QFont::insertSubstitutions("Britannic Bold", QStringList{"Liberation Sans Narrow", "DejaVu Sans"});
}

QFont screenFont(const QString& name, double points, bool bold, bool italic, bool underline) {
  QFont f(name);
  f.setPixelSize(std::max(1, int(std::lround(points * 96.0 / 72.0))));
  f.setBold(bold);
  f.setItalic(italic);
  f.setUnderline(underline);
  // Heavy display faces have no twin; a bold substitute keeps their weight.
  if (name == "Arial Black" || name == "Impact" || name == "Britannic Bold") f.setBold(true);
  return f;
}

QFont defaultFont() { return screenFont("MS Sans Serif", 8.25, true); }

}  // namespace plat
