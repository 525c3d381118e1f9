#include "wheel/wheelparametersdialog.h"

#include <QEvent>

#include "platform/button.h"
#include "platform/controlarray.h"
#include "platform/fonts.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/layout.h"
#include "platform/textbox.h"
#include "platform/twips.h"
#include "runtime/palette.h"
#include "wheel/waterwheelwindow.h"
#include "wheel/wheellayout.h"

namespace wheel {

namespace {

constexpr int kHelpTopic = 3;

using namespace dialoglayout;

}  // namespace

WheelParametersDialog::WheelParametersDialog(QWidget* owner) : plat::Form(owner) {
  setCaption("Water Wheel Parameters");
  setBackColor(rt::palette::kPaleYellow);
  setClientSizeTwips(5355, 6435);
  setHelp("vtrel.hlp", kHelpTopic);
  setWindowIcon(plat::loadPicture("vantrel.png"));
  setFont(plat::screenFont(kDialogFont.face, kDialogFont.points, kDialogFont.bold));

  for (const plat::ControlRow& heading : kHeadings) plat::buildCaption(this, heading);
  buildRows();
  buildUnitsAndButtons();
}

void WheelParametersDialog::buildRows() {
  for (int i = 0; i < kParamRows; ++i) {
    m_parameterCaptions[size_t(i)] = plat::buildCaption(this, captionRow(rowTop(i)));
    plat::nameInRow(m_parameterCaptions[size_t(i)], "parameterCaption", i);

    auto* box = plat::build<plat::TextBox>(this, valueRow(rowTop(i)));
    plat::nameInRow(box, "valueBox", i);
    // Screen readers name the box by its row's caption.
    m_parameterCaptions[size_t(i)]->setBuddy(box);
    box->onGotFocus = [this, i] { selectValue(i); };
    box->onKeyDown = [this, i](int& keyCode, int shift) { stepBackByKey(i, keyCode, shift); };
    box->onKeyPress = [this, i](int& key) { filterKey(i, key); };
    box->onLostFocus = [this, i] { takeValue(i); };
    m_valueBoxes[size_t(i)] = box;

    m_limitsCaptions[size_t(i)] = plat::buildCaption(this, limitsRow(rowTop(i)));
    plat::nameInRow(m_limitsCaptions[size_t(i)], "limitsCaption", i);
  }
  for (int i = 0; i + 1 < kParamRows; ++i) setTabOrder(m_valueBoxes[size_t(i)], m_valueBoxes[size_t(i + 1)]);
}

void WheelParametersDialog::buildUnitsAndButtons() {
  m_unitsFrame = plat::build<plat::Frame>(this, kUnitsFrame);
  // Numbered as the units: 1 metric, 0 US.
  m_unitsOptions.setRole("unitsOption");
  plat::applyRow(m_unitsOptions.add(1, m_unitsFrame, kMetricOption.caption), kMetricOption);
  plat::applyRow(m_unitsOptions.add(0, m_unitsFrame, kUsOption.caption), kUsOption);
  m_unitsOptions.onClick = [this](int index) { chooseUnits(index); };

  m_okButton = plat::build<plat::CommandButton>(this, kOkButton);
  m_okButton->setObjectName("okButton");
  m_okButton->onClick = [this] { finish(); };
  m_helpButton = plat::build<plat::CommandButton>(this, kHelpButton);
  m_helpButton->setObjectName("helpButton");
  m_helpButton->onClick = [this] { showHelp(); };
}

WheelParametersDialog::~WheelParametersDialog() = default;

void WheelParametersDialog::loadStep() {
  m_values = wheelSettingsFromShared();
  centreOnScreen();
  show();
  m_unitsOptions.choose(m_values.WheelUnits == 1 ? 1 : 0);
  loadParameters();
}

bool WheelParametersDialog::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate && isLoaded() && onActivated) onActivated();
  return plat::Form::event(e);
}

void WheelParametersDialog::chooseUnits(int index) {
  m_params.setUnits(int16_t(index));
  storeWheelSettings(m_values);
  loadParameters();
}

void WheelParametersDialog::loadParameters() {
  m_params.loadParameters();
  for (int i = 0; i < kParamRows; ++i) {
    m_parameterCaptions[size_t(i)]->setCaption(QString::fromStdString(m_params.caption(i)));
    m_limitsCaptions[size_t(i)]->setCaption(QString::fromStdString(m_params.limitsText(i)));
    storeParameter(i);
  }
  m_valueBoxes[0]->setFocus(Qt::OtherFocusReason);
}

void WheelParametersDialog::storeParameter(int index) {
  m_params.storeParameter(index);
  storeWheelSettings(m_values);
  m_shown[size_t(index)] = QString::fromStdString(m_params.text(index));
  m_valueBoxes[size_t(index)]->setText(m_shown[size_t(index)]);
}

void WheelParametersDialog::selectValue(int index) { m_valueBoxes[size_t(index)]->selectAllText(); }

void WheelParametersDialog::filterKey(int index, int& key) {
  key = WheelParameters::filterKey(key);
  if (WheelParameters::movesOn(key))
    m_valueBoxes[size_t(WheelParameters::nextRow(index))]->setFocus(Qt::TabFocusReason);
}

// Shift+Tab goes back a row; the key goes no further.
void WheelParametersDialog::stepBackByKey(int index, int& keyCode, int shift) {
  if (!WheelParameters::movesBack(keyCode, shift)) return;
  keyCode = 0;
  m_valueBoxes[size_t(WheelParameters::previousRow(index))]->setFocus(Qt::BacktabFocusReason);
}

void WheelParametersDialog::takeValue(int index) {
  m_params.textEntered(index, m_valueBoxes[size_t(index)]->text().toStdString());
  storeParameter(index);
}

void WheelParametersDialog::takeTypedValue() {
  for (int i = 0; i < kParamRows; ++i) {
    if (m_valueBoxes[size_t(i)]->hasFocus() && m_valueBoxes[size_t(i)]->text() != m_shown[size_t(i)]) takeValue(i);
  }
}

void WheelParametersDialog::finish() { unload(); }

void WheelParametersDialog::unloadStep() {
  // Closing keeps what was typed last, as leaving its field would.
  takeTypedValue();
  if (!m_quiet && onClosed) onClosed();
}

void WheelParametersDialog::unloadForExit() {
  m_quiet = true;
  unload();
}

}  // namespace wheel
