#pragma once
// A check box with the value 0 (cleared), 1 (checked) or 2 (greyed, set only by code).
// Click fires on every change of the value: a click, the space bar, automation, or code.

#include <QCheckBox>
#include <functional>

#include "runtime/colour.h"

namespace plat {

class CheckBox : public QCheckBox {
  Q_OBJECT
 public:
  enum : int { Unchecked = 0, Checked = 1, Grayed = 2 };
  explicit CheckBox(QWidget* parent, const QString& caption = QString());
  void setCaption(const QString& caption);
  QString caption() const { return text(); }
  int value() const;
  // Values other than 0, 1 and 2 are refused (the value stays as it was).
  void setValue(int v);
  void setForeColor(rt::Colour c);
  void setBackColor(rt::Colour c);
  std::function<void()> onClick;

 protected:
  void nextCheckState() override;
  void paintEvent(QPaintEvent*) override;
};

}  // namespace plat
