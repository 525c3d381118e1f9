#pragma once
// The water wheel's parameters dialog: nine values and the units, each value held within
// its limits and stored in the shared settings as soon as its field loses the focus. OK, or
// closing the dialog, brings the wheel window back, which then takes the new values up.

#include <QString>
#include <array>
#include <functional>

#include "platform/form.h"
#include "platform/optionbutton.h"
#include "wheel/wheelparams.h"

namespace plat {
class CommandButton;
class Frame;
class Label;
class TextBox;
}  // namespace plat

namespace wheel {

class WheelParametersDialog : public plat::Form {
  Q_OBJECT
 public:
  explicit WheelParametersDialog(QWidget* owner = nullptr);
  ~WheelParametersDialog() override;

  // What the controls do.
  void chooseUnits(int index);
  void selectValue(int index);
  void filterKey(int index, int& key);
  void stepBackByKey(int index, int& keyCode, int shift);
  void takeValue(int index);
  void finish();

  // Closes the dialog without bringing the wheel window back (the wheel window is leaving).
  void unloadForExit();

  // What the dialog tells its wheel window: it became the active window; it was closed.
  std::function<void()> onActivated;
  std::function<void()> onClosed;

 protected:
  void loadStep() override;
  void unloadStep() override;
  bool event(QEvent* e) override;

 private:
  void buildRows();
  void buildUnitsAndButtons();
  void loadParameters();
  void storeParameter(int index);
  // A value typed but not yet taken (its field still has the focus) is taken now.
  void takeTypedValue();

  WheelSettings m_values;
  WheelParameters m_params{m_values};
  std::array<QString, kParamRows> m_shown;
  bool m_quiet = false;

  std::array<plat::Label*, kParamRows> m_parameterCaptions{};
  std::array<plat::TextBox*, kParamRows> m_valueBoxes{};
  std::array<plat::Label*, kParamRows> m_limitsCaptions{};
  plat::Frame* m_unitsFrame = nullptr;
  plat::OptionGroup m_unitsOptions;
  plat::CommandButton* m_okButton = nullptr;
  plat::CommandButton* m_helpButton = nullptr;
};

}  // namespace wheel
