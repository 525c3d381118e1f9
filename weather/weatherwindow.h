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
class PictureBox;
class TabControl;
class TextBox;
class VScrollBar;
}  // namespace plat

namespace weather {

// The texts the plot tab fills in from the log: the axis limits beside the three plots,
// then the values of the summary panel.
enum class SummaryText {
  TempAxisTop,
  TempAxisBottom,
  PrecAxisTop,
  PrecAxisBottom,
  PressAxisTop,
  PressAxisBottom,
  HighestHigh,
  HighestLow,
  AverageHigh,
  AverageLow,
  LowestHigh,
  LowestLow,
  HighTrend,
  LowTrend,
  HighestPrec,
  TotalPrec,
  HighestPress,
  LowestPress,
};
inline constexpr int kSummaryTexts = int(SummaryText::LowestPress) + 1;

class WeatherWindow : public plat::Form, private WatchPrompts {
  Q_OBJECT
 public:
  WeatherWindow();
  ~WeatherWindow() override;

  // Event handlers.
  void startNewLog();
  void chooseFileToOpen();
  void chooseFileToSave();
  void confirmFileChoice();
  void cancelFileChoice();
  void openChosenFile();
  void printLog();
  void printPlots();
  void exitToMenu();
  void moveEditBoxToCurrentCell();
  void storeEditedText();
  void filterKey(int& keyAscii);
  void moveByKey(int& keyCode, int shift);
  void scrollDays();
  void switchTab(int previousTab);

  // State and controls, for tests and automation.
  const WatchFiles& files() const { return m_files; }
  int16_t editRow() const { return m_editRow; }
  int16_t editColumn() const { return m_editColumn; }
  bool cellUpdatesHeld() const { return m_cellUpdatesHeld; }
  plat::TabControl* tabs() const { return m_tabs; }
  plat::Grid* logGrid() const { return m_logGrid; }
  plat::TextBox* editBox() const { return m_editBox; }
  plat::VScrollBar* dayBar() const { return m_dayBar; }
  plat::Frame* fileFrame() const { return m_fileFrame; }
  plat::ComboBox* fileNameBox() const { return m_fileNameBox; }
  plat::FileList* dataFileList() const { return m_dataFileList; }
  plat::CommandButton* okButton() const { return m_okButton; }
  plat::CommandButton* cancelButton() const { return m_cancelButton; }
  plat::CommandButton* newButton() const { return m_newButton; }
  plat::CommandButton* openButton() const { return m_openButton; }
  plat::CommandButton* saveButton() const { return m_saveButton; }
  plat::CommandButton* printButton() const { return m_printButton; }
  plat::CommandButton* printPlotsButton() const { return m_printPlotsButton; }
  // Help and Exit stand on both tabs: the record tab's pair and the plot tab's.
  plat::CommandButton* recordHelpButton() const { return m_recordHelpButton; }
  plat::CommandButton* recordExitButton() const { return m_recordExitButton; }
  plat::CommandButton* plotHelpButton() const { return m_plotHelpButton; }
  plat::CommandButton* plotExitButton() const { return m_plotExitButton; }
  plat::PictureBox* temperaturePlot() const { return m_temperaturePlot; }
  plat::PictureBox* precipitationPlot() const { return m_precipitationPlot; }
  plat::PictureBox* pressurePlot() const { return m_pressurePlot; }
  plat::Label* summaryLabel(SummaryText text) const { return m_summaryLabels[size_t(text)]; }

 protected:
  void Form_Load() override;
  void closeFromTitleBar() override;

 private:
  void buildRecordTab(QWidget* page);
  void buildFileFrame(QWidget* page);
  void buildFileCommands(QWidget* page);
  void buildHelpAndExit(QWidget* recordPage, QWidget* plotPage);
  void buildPlotTab(QWidget* page);
  void layOutGrid();
  void showFileFrame();
  void openDataFile();
  void saveDataFile();
  void goToFirstCell();
  void fillFileNames();
  void showLogInGrid();
  void plotWeatherData();
  void enableFileControls(bool on);
  void placeEditBox();
  QString summaryCaption(SummaryText text) const;

  // WatchPrompts
  bool AskYesNo(const std::string& text, const std::string& title) override;
  void ShowMessage(const std::string& text, const std::string& title) override;

  WatchFiles m_files{*this};
  int16_t m_editRow = 1, m_editColumn = 1;
  // While set, a change of the grid's current cell leaves the edit box alone: the program is
  // moving the cell itself.
  bool m_cellUpdatesHeld = true;

  plat::TabControl* m_tabs = nullptr;
  plat::Grid* m_logGrid = nullptr;
  plat::TextBox* m_editBox = nullptr;
  plat::VScrollBar* m_dayBar = nullptr;
  plat::Frame* m_fileFrame = nullptr;
  plat::ComboBox* m_fileNameBox = nullptr;
  plat::FileList* m_dataFileList = nullptr;
  plat::CommandButton* m_okButton = nullptr;
  plat::CommandButton* m_cancelButton = nullptr;
  plat::CommandButton* m_newButton = nullptr;
  plat::CommandButton* m_openButton = nullptr;
  plat::CommandButton* m_saveButton = nullptr;
  plat::CommandButton* m_printButton = nullptr;
  plat::CommandButton* m_printPlotsButton = nullptr;
  plat::CommandButton* m_recordHelpButton = nullptr;
  plat::CommandButton* m_recordExitButton = nullptr;
  plat::CommandButton* m_plotHelpButton = nullptr;
  plat::CommandButton* m_plotExitButton = nullptr;
  plat::PictureBox* m_temperaturePlot = nullptr;
  plat::PictureBox* m_precipitationPlot = nullptr;
  plat::PictureBox* m_pressurePlot = nullptr;
  std::array<plat::Label*, kSummaryTexts> m_summaryLabels{};
};

}  // namespace weather
