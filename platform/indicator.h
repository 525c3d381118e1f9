#pragma once
// How option buttons and check boxes draw: the style draws the indicator and the caption;
// a disabled control's caption takes the classic greyed look, dark grey text etched with a
// white copy one pixel down and to the right, which reads on any face colour. (A caption in
// the style's own pale disabled grey vanishes on a grey or yellow face.)

#include <QStyle>

class QAbstractButton;
class QStyleOptionButton;

namespace plat {

// The colour of a greyed caption and of its etch.
QColor greyedText();
QColor greyedEtch();

// Paints an indicator control from its style option: `element` is the whole control
// (radio button or check box), `contents` the sub-element its caption stands in.
void paintIndicatorControl(QAbstractButton& button, QStyleOptionButton& opt, QStyle::ControlElement element,
                           QStyle::SubElement contents);

}  // namespace plat
