#pragma once
// Checks a window against its layout rows: each row's control stands in its container
// where the row says, in whole pixels, with the row's caption and font.

#include <QRect>
#include <QString>
#include <QWidget>

#include "platform/fonts.h"
#include "platform/layout.h"
#include "platform/twips.h"

namespace layoutrows {

// The row's rectangle in pixels, each edge rounded from twips.
inline QRect pixelRect(const plat::ControlSpec& row) {
  return QRect(plat::twipsToPixels(row.left), plat::twipsToPixels(row.top), plat::twipsToPixels(row.width),
               plat::twipsToPixels(row.height));
}

// How many controls in the window match the row: its rectangle, its caption (as the control's
// accessible name, without the access key's "&") and its font, where the row gives them.
inline int matches(const QWidget* window, const plat::ControlSpec& row) {
  int n = 0;
  for (const QWidget* w : window->findChildren<QWidget*>()) {
    if (w->geometry() != pixelRect(row)) continue;
    if (row.caption && w->accessibleName() != QString::fromUtf8(row.caption).remove('&')) continue;
    const plat::FontSpec& f = row.font;
    if (f.face && w->font() != plat::screenFont(f.face, f.points, f.bold, f.italic, f.underline)) continue;
    ++n;
  }
  return n;
}

inline QString describe(const plat::ControlSpec& row) {
  return QString("%1 at %2,%3").arg(row.caption ? row.caption : "(no caption)").arg(row.left).arg(row.top);
}

}  // namespace layoutrows
