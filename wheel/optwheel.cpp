#include "wheel/optwheel.h"

#include <QEvent>

#include "platform/button.h"
#include "platform/fonts.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/services.h"
#include "platform/textbox.h"
#include "platform/twips.h"
#include "shell/programfolder.h"
#include "wheel/frmwheel.h"

namespace wheel {

namespace {

constexpr rt::Colour kLightYellow = 0x00C0FFFF;
constexpr int kHelpTopic = 3;

plat::Label* label(QWidget* parent, const QString& caption) {
  auto* l = new plat::Label(parent, caption);
  l->setFont(plat::screenFont("MS Sans Serif", 8.25, true));
  l->setTransparent();
  return l;
}

}  // namespace

optWheel::optWheel(QWidget* owner) : plat::Form(owner) {
  setCaption("Water Wheel Parameters");
  setBackColor(kLightYellow);
  setClientSizeTwips(5355, 6435);
  setHelp("vtrel.hlp", kHelpTopic);
  setWindowIcon(plat::loadPicture("vantrel.png"));
  setFont(plat::screenFont("MS Sans Serif", 8.25, true));

  const struct {
    const char* text;
    int left;
  } headings[] = {{"Parameter", 120}, {"Value", 1920}, {"Limits", 3360}};
  for (const auto& h : headings) plat::placeTwips(label(this, h.text), h.left, 0, 1335, 375);

  for (int i = 0; i < kParamRows; ++i) {
    const int top = 480 + 480 * i;
    m_caption[size_t(i)] = label(this, QString());
    plat::placeTwips(m_caption[size_t(i)], 120, top, 1815, 375);

    auto* t = new plat::TextBox(this);
    t->setFont(plat::screenFont("MS Sans Serif", 8.25, true));
    plat::placeTwips(t, 2040, top, 1215, 480);
    t->onGotFocus = [this, i] { txtValue_GotFocus(i); };
    t->onKeyPress = [this, i](int& key) { txtValue_KeyPress(i, key); };
    t->onLostFocus = [this, i] { txtValue_LostFocus(i); };
    m_text[size_t(i)] = t;

    m_minMax[size_t(i)] = label(this, QString());
    plat::placeTwips(m_minMax[size_t(i)], 3360, top, 1695, 375);
  }
  for (int i = 0; i + 1 < kParamRows; ++i) setTabOrder(m_text[size_t(i)], m_text[size_t(i + 1)]);

  m_units = new plat::Frame(this, "Units");
  plat::placeTwips(m_units, 1320, 4920, 2655, 735);
  plat::OptionButton* metric = m_optUnits.add(1, m_units, "Metric");
  plat::OptionButton* us = m_optUnits.add(0, m_units, "US (English)");
  plat::placeTwips(metric, 120, 300, 960, 330);
  plat::placeTwips(us, 1140, 300, 1440, 330);
  m_optUnits.onClick = [this](int index) { optUnits_Click(index); };

  m_ok = plat::placeButton(this, "&OK", 1560, 5760, 975, 495, [this] { cmdOK_Click(); });
  m_help = plat::placeButton(this, "&Help", 2760, 5760, 975, 495, [this] { cmdHelp_Click(); });
}

optWheel::~optWheel() = default;

void optWheel::Form_Load() {
  m_values = WheelSettingsFromShared();
  centreOnScreen();
  show();
  m_optUnits.choose(m_values.WheelUnits == 1 ? 1 : 0);
  LoadParameters();
}

bool optWheel::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate && isLoaded() && onActivated) onActivated();
  return plat::Form::event(e);
}

void optWheel::optUnits_Click(int index) {
  m_params.SetUnits(int16_t(index));
  StoreWheelSettings(m_values);
  LoadParameters();
}

void optWheel::LoadParameters() {
  m_params.LoadParameters();
  for (int i = 0; i < kParamRows; ++i) {
    m_caption[size_t(i)]->setCaption(QString::fromStdString(m_params.caption(i)));
    m_minMax[size_t(i)]->setCaption(QString::fromStdString(m_params.limitsText(i)));
    StoreParameter(i);
  }
  m_text[0]->setFocus(Qt::OtherFocusReason);
}

void optWheel::StoreParameter(int index) {
  m_params.StoreParameter(index);
  StoreWheelSettings(m_values);
  m_shown[size_t(index)] = QString::fromStdString(m_params.text(index));
  m_text[size_t(index)]->setText(m_shown[size_t(index)]);
}

void optWheel::txtValue_GotFocus(int index) { m_text[size_t(index)]->selectAllText(); }

void optWheel::txtValue_KeyPress(int index, int& key) {
  key = WheelParameters::FilterKey(key);
  if (WheelParameters::MovesOn(key)) m_text[size_t(WheelParameters::NextRow(index))]->setFocus(Qt::TabFocusReason);
}

void optWheel::txtValue_LostFocus(int index) {
  m_params.TextEntered(index, m_text[size_t(index)]->text().toStdString());
  StoreParameter(index);
}

void optWheel::takeTypedValue() {
  for (int i = 0; i < kParamRows; ++i) {
    if (m_text[size_t(i)]->hasFocus() && m_text[size_t(i)]->text() != m_shown[size_t(i)]) txtValue_LostFocus(i);
  }
}

void optWheel::cmdOK_Click() { Unload(); }

void optWheel::Form_Unload() {
  // Closing keeps what was typed last, as leaving its field would.
  takeTypedValue();
  if (!m_quiet && onClosed) onClosed();
}

void optWheel::UnloadForExit() {
  m_quiet = true;
  Unload();
}

void optWheel::cmdHelp_Click() { plat::help().showTopic(shell::BasePath + "vtrel.hlp", kHelpTopic); }

}  // namespace wheel
