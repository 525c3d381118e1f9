#include "platform/indicator.h"

#include <QAbstractButton>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace plat {

QColor greyedText() { return QColor(128, 128, 128); }
QColor greyedEtch() { return QColor(255, 255, 255); }

void paintIndicatorControl(QAbstractButton& button, QStyleOptionButton& opt, QStyle::ControlElement element,
                           QStyle::SubElement contents) {
  QStylePainter p(&button);
  if (!(opt.state & QStyle::State_Enabled) && !opt.text.isEmpty()) {
    // The etch first, then the control over it with its caption in the greyed colour.
    const QRect textRect = button.style()->subElementRect(contents, &opt, &button);
    int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic;
    if (!button.style()->styleHint(QStyle::SH_UnderlineShortcut, &opt, &button)) flags |= Qt::TextHideMnemonic;
    p.setPen(greyedEtch());
    p.drawText(textRect.translated(1, 1), int(QStyle::visualAlignment(opt.direction, Qt::Alignment(flags))), opt.text);
    opt.palette.setColor(QPalette::Disabled, QPalette::WindowText, greyedText());
  }
  p.drawControl(element, opt);
}

}  // namespace plat
