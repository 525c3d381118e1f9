#include "platform/layout.h"

#include "platform/picturebox.h"

namespace plat {

Label* buildCaption(QWidget* container, const ControlSpec& s, Label::Align align) {
  auto* l = build<Label>(container, s);
  l->setTransparent();
  l->setAlignment(align);
  return l;
}

Label* buildReadout(QWidget* container, const ControlSpec& s) {
  auto* l = build<Label>(container, s);
  l->setBorder(true);
  l->setAlignment(Label::Center);
  return l;
}

PictureBox* buildFramedPicture(QWidget* container, const ControlSpec& s, rt::Colour back) {
  auto* p = new PictureBox(container, back);
  p->setBorder(true);
  applySpec(p, s);
  return p;
}

}  // namespace plat
