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

class optWheel : public plat::Form {
  Q_OBJECT
 public:
  explicit optWheel(QWidget* owner = nullptr);
  ~optWheel() override;

  // Event handlers.
  void optUnits_Click(int index);
  void txtValue_GotFocus(int index);
  void txtValue_KeyPress(int index, int& key);
  void txtValue_LostFocus(int index);
  void cmdOK_Click();
  void cmdHelp_Click();

  // Closes the dialog without bringing the wheel window back (the wheel window is leaving).
  void UnloadForExit();

  // What the dialog tells its wheel window: it became the active window; it was closed.
  std::function<void()> onActivated;
  std::function<void()> onClosed;

  plat::TextBox* txtValue(int i) const { return m_text[size_t(i)]; }
  plat::Label* lblCaption(int i) const { return m_caption[size_t(i)]; }
  plat::Label* lblMinMax(int i) const { return m_minMax[size_t(i)]; }
  plat::OptionGroup& optUnits() { return m_optUnits; }
  plat::CommandButton* cmdOK() const { return m_ok; }
  plat::CommandButton* cmdHelp() const { return m_help; }
  const WheelParameters& parameters() const { return m_params; }

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  bool event(QEvent* e) override;

 private:
  void LoadParameters();
  void StoreParameter(int index);
  // A value typed but not yet taken (its field still has the focus) is taken now.
  void takeTypedValue();

  WheelSettings m_values;
  WheelParameters m_params{m_values};
  std::array<QString, kParamRows> m_shown;
  bool m_quiet = false;

  std::array<plat::Label*, kParamRows> m_caption{};
  std::array<plat::TextBox*, kParamRows> m_text{};
  std::array<plat::Label*, kParamRows> m_minMax{};
  plat::Frame* m_units = nullptr;
  plat::OptionGroup m_optUnits;
  plat::CommandButton* m_ok = nullptr;
  plat::CommandButton* m_help = nullptr;
};

}  // namespace wheel
