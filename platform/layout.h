#pragma once
// A window's layout as a table. Each row says what one control shows (caption, font,
// colours) and where it stands in its container, in twips; `build` makes the control from
// its row. A window keeps its rows in a table beside its constructor, so the constructor only
// says which control is built from which row and what its events do.

#include <QString>
#include <utility>

#include "platform/fonts.h"
#include "platform/label.h"
#include "platform/twips.h"
#include "runtime/colour.h"

namespace plat {

// A font as a row gives it: a classic face name and a size in points. No face: the
// container's font is kept.
struct FontStyle {
  const char* face = nullptr;
  double points = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

// A row's colour that is not given: the control keeps its own.
inline constexpr rt::Colour kNoColour = 0xFFFFFFFFu;

// One control of a layout. Positions and sizes are in twips, in the container.
struct ControlRow {
  const char* caption = nullptr;  // none: the control keeps its caption
  double left = 0, top = 0, width = 0, height = 0;
  FontStyle font{};
  rt::Colour fore = kNoColour;
  rt::Colour back = kNoColour;
};

// Gives a control what its row says: caption, font, colours, then its place.
template <class Control>
void applyRow(Control* c, const ControlRow& row) {
  if constexpr (requires { c->setCaption(QString()); }) {
    if (row.caption) c->setCaption(QString::fromUtf8(row.caption));
  }
  if (row.font.face)
    c->setFont(screenFont(row.font.face, row.font.points, row.font.bold, row.font.italic, row.font.underline));
  if constexpr (requires { c->setForeColor(rt::Colour{}); }) {
    if (row.fore != kNoColour) c->setForeColor(row.fore);
  }
  if constexpr (requires { c->setBackColor(rt::Colour{}); }) {
    if (row.back != kNoColour) c->setBackColor(row.back);
  }
  placeTwips(c, row.left, row.top, row.width, row.height);
}

// Makes a control in its container from its row; further arguments go to the control's
// constructor after the container (a shape's kind, for one).
template <class Control, class... Args>
Control* build(QWidget* container, const ControlRow& row, Args&&... args) {
  auto* c = new Control(container, std::forward<Args>(args)...);
  applyRow(c, row);
  return c;
}

// A scroll bar's row: its place, its name for screen readers, its range and its steps. A bar
// whose range comes from its window's data later gives none (max not above min) and keeps the
// bar's own until then.
struct BarRow {
  ControlRow place;
  const char* name = nullptr;
  int min = 0, max = 0;
  int smallChange = 1, largeChange = 10;
};

// Makes a scroll bar (horizontal or vertical) in its container from its row.
template <class Bar>
Bar* buildBar(QWidget* container, const BarRow& row) {
  auto* bar = new Bar(container);
  if (row.name) bar->setAccessibleCaption(QString::fromUtf8(row.name));
  if (row.max > row.min) bar->setRange(row.min, row.max);
  bar->setSmallChange(row.smallChange);
  bar->setLargeChange(row.largeChange);
  applyRow(bar, row.place);
  return bar;
}

class PictureBox;

// A caption: a label from its row whose container shows through around its text, aligned
// as given.
Label* buildCaption(QWidget* container, const ControlRow& row, Label::Align align = Label::Left);

// A read-out: a label from its row in a box with a border, its text centred.
Label* buildReadout(QWidget* container, const ControlRow& row);

// A picture from its row with a one-pixel border, on the given background. The border comes
// before the place, so the drawing surface has the size of the inside from the start.
PictureBox* buildFramedPicture(QWidget* container, const ControlRow& row, rt::Colour back);

}  // namespace plat
