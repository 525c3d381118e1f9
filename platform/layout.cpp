#include "platform/layout.h"

#include "platform/picturebox.h"

namespace plat {

Label* buildCaption(QWidget* container, const ControlRow& row, Label::Align align) {
  auto* l = build<Label>(container, row);
  l->setTransparent();
  l->setAlignment(align);
  return l;
}

Label* buildReadout(QWidget* container, const ControlRow& row) {
  auto* l = build<Label>(container, row);
  l->setBorder(true);
  l->setAlignment(Label::Center);
  return l;
}

PictureBox* buildFramedPicture(QWidget* container, const ControlRow& row, rt::Colour back) {
  auto* p = new PictureBox(container, back);
  p->setBorder(true);
  applyRow(p, row);
  return p;
}

}  // namespace plat
