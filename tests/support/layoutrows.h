#pragma once
// Checks a window's controls against the rows of its layout table: each control stands where
// its row says (twips to pixels, rounded), shows its row's caption, and has its row's font
// and colours.

#include <gtest/gtest.h>

#include <QLabel>
#include <QString>
#include <QWidget>
#include <cmath>

#include "platform/fonts.h"
#include "platform/layout.h"
#include "platform/twips.h"

namespace layoutrows {

inline QRect pixels(const plat::ControlRow& row) {
  return QRect(plat::twipsToPixels(row.left), plat::twipsToPixels(row.top), plat::twipsToPixels(row.width),
               plat::twipsToPixels(row.height));
}

inline QColor qcolour(rt::Colour c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

// Labels and buttons show their caption as their text.
inline QString caption(const QWidget* c) { return c->property("text").toString(); }

// The child of a container that the row built: the one at the row's place, with the row's
// caption when it gives one. Null when there is none.
inline QWidget* builtFrom(const QWidget* container, const plat::ControlRow& row) {
  for (QWidget* c : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (c->geometry() == pixels(row) && (!row.caption || caption(c) == QString::fromUtf8(row.caption))) return c;
  return nullptr;
}

// A control against its row.
inline void expectRow(const QWidget* c, const plat::ControlRow& row) {
  SCOPED_TRACE(row.caption ? row.caption : "(no caption)");
  ASSERT_TRUE(c);
  EXPECT_EQ(c->geometry(), pixels(row));
  if (row.caption) {
    EXPECT_EQ(caption(c), QString::fromUtf8(row.caption));
  }
  if (row.font.face) {
    EXPECT_EQ(c->font().family(), QString::fromLatin1(row.font.face));
    EXPECT_EQ(c->font().pixelSize(), int(std::lround(row.font.points * 96.0 / 72.0)));
    EXPECT_EQ(c->font().bold(), row.font.bold);
  }
  if (qobject_cast<const QLabel*>(c)) {
    if (row.fore != plat::kNoColour) {
      EXPECT_EQ(c->palette().color(QPalette::WindowText), qcolour(row.fore));
    }
    if (row.back != plat::kNoColour) {
      EXPECT_EQ(c->palette().color(QPalette::Window), qcolour(row.back));
    }
  }
}

// How many controls in the window match the row: its rectangle, its caption (as the control's
// accessible name, without the access key's "&") and its font, where the row gives them.
inline int matches(const QWidget* window, const plat::ControlRow& row) {
  int n = 0;
  for (const QWidget* w : window->findChildren<QWidget*>()) {
    if (w->geometry() != pixels(row)) continue;
    if (row.caption && w->accessibleName() != QString::fromUtf8(row.caption).remove('&')) continue;
    const plat::FontStyle& f = row.font;
    if (f.face && w->font() != plat::screenFont(f.face, f.points, f.bold, f.italic, f.underline)) continue;
    ++n;
  }
  return n;
}

inline QString describe(const plat::ControlRow& row) {
  return QString("%1 at %2,%3").arg(row.caption ? row.caption : "(no caption)").arg(row.left).arg(row.top);
}

// A row built among the container's children.
inline void expectBuilt(const QWidget* container, const plat::ControlRow& row) {
  expectRow(builtFrom(container, row), row);
}

}  // namespace layoutrows
