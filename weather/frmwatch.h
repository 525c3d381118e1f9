#pragma once
// The weather watch window: a 60-day log typed into a grid through one edit box that floats
// over the current cell, kept in data files (New, Open, Save and the file frame), printed
// as a table; and on its second tab the temperature, precipitation and pressure plots with
// their summaries, printed on one page.

#include <array>
#include <cstdint>
#include <string>

#include "platform/form.h"
#include "weather/watchfiles.h"

namespace plat {
class CommandButton;
class ComboBox;
class FileList;
class Frame;
class Grid;
class Label;
class Panel;
class PictureBox;
class TabControl;
class TextBox;
class VScrollBar;
}  // namespace plat

namespace weather {

class frmWatch : public plat::Form, private WatchPrompts {
  Q_OBJECT
 public:
  frmWatch();
  ~frmWatch() override;

  // Event handlers.
  void cmdNew_Click();
  void cmdOpen_Click();
  void cmdSave_Click();
  void cmdOK_Click();
  void cmdCancel_Click();
  void cboFiles_DblClick();
  void cmdPrint_Click();
  void cmdPrintPlots_Click();
  void cmdHelp_Click(int index);
  void cmdExit_Click(int index);
  void grdData_RowColChange();
  void grdData_Click();
  void txtEdit_Change();
  void txtEdit_KeyPress(int& keyAscii);
  void txtEdit_KeyDown(int& keyCode, int shift);
  void vsbRow_Change();
  void SSTab1_Click(int previousTab);

  // State and controls, for tests and automation.
  const WatchFiles& files() const { return m_files; }
  int16_t EditRow() const { return m_editRow; }
  int16_t EditCol() const { return m_editCol; }
  int16_t NoCellUpdate() const { return m_noCellUpdate; }
  plat::TabControl* SSTab1() const { return m_tab; }
  plat::Grid* grdData() const { return m_grid; }
  plat::TextBox* txtEdit() const { return m_edit; }
  plat::VScrollBar* vsbRow() const { return m_vsb; }
  plat::Frame* fraFiles() const { return m_fraFiles; }
  plat::ComboBox* cboFiles() const { return m_cbo; }
  plat::FileList* filList() const { return m_filList; }
  plat::CommandButton* cmdOK() const { return m_ok; }
  plat::CommandButton* cmdCancel() const { return m_cancel; }
  plat::CommandButton* cmdNew() const { return m_new; }
  plat::CommandButton* cmdOpen() const { return m_open; }
  plat::CommandButton* cmdSave() const { return m_save; }
  plat::CommandButton* cmdPrint() const { return m_print; }
  plat::CommandButton* cmdPrintPlots() const { return m_printPlots; }
  plat::CommandButton* cmdHelp(int index) const { return m_help[size_t(index)]; }
  plat::CommandButton* cmdExit(int index) const { return m_exit[size_t(index)]; }
  plat::PictureBox* picTemp() const { return m_picTemp; }
  plat::PictureBox* picPrec() const { return m_picPrec; }
  plat::PictureBox* picPress() const { return m_picPress; }
  // A summary or axis label by its name ("lblTHH", "lblPressL" ...), or null.
  plat::Label* label(const QString& name) const;

 protected:
  void Form_Load() override;
  void closeFromTitleBar() override;

 private:
  void ShowFileFrame();
  void OpenDataFile();
  void SaveDataFile();
  void GoToFirstCell();
  void BuildFileList();
  void ShowLogInGrid();
  void PlotWeatherData();
  void EnableFileControls(bool on);
  void PlaceEditBox();

  // WatchPrompts
  bool AskYesNo(const std::string& text, const std::string& title) override;
  void ShowMessage(const std::string& text, const std::string& title) override;

  WatchFiles m_files{*this};
  int16_t m_editRow = 1, m_editCol = 1, m_noCellUpdate = 1;

  plat::TabControl* m_tab = nullptr;
  plat::Grid* m_grid = nullptr;
  plat::TextBox* m_edit = nullptr;
  plat::VScrollBar* m_vsb = nullptr;
  plat::Frame* m_fraFiles = nullptr;
  plat::ComboBox* m_cbo = nullptr;
  plat::FileList* m_filList = nullptr;
  plat::CommandButton* m_ok = nullptr;
  plat::CommandButton* m_cancel = nullptr;
  plat::CommandButton* m_new = nullptr;
  plat::CommandButton* m_open = nullptr;
  plat::CommandButton* m_save = nullptr;
  plat::CommandButton* m_print = nullptr;
  plat::CommandButton* m_printPlots = nullptr;
  std::array<plat::CommandButton*, 3> m_help{};
  std::array<plat::CommandButton*, 3> m_exit{};
  plat::PictureBox* m_picTemp = nullptr;
  plat::PictureBox* m_picPrec = nullptr;
  plat::PictureBox* m_picPress = nullptr;
};

}  // namespace weather
