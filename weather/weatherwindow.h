#pragma once
// The weather watch window: a 60-day log typed into a grid through one edit box that floats
// over the current cell, kept in data files (New, Open, Save and the file frame), printed
// as a table; and on its second tab the temperature, precipitation and pressure plots with
// their summaries, printed on one page.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

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

  // The log's files and the state of the grid editor.
  const WatchFiles& files() const { return m_files; }
  int16_t editRow() const { return m_editRow; }
  int16_t editColumn() const { return m_editColumn; }
  bool cellUpdatesHeld() const { return m_cellUpdatesHeld; }

 protected:
  void loadStep() override;
  void closeFromTitleBar() override;

 private:
  void buildRecordTab(QWidget* page);
  void buildFileFrame(QWidget* page);
  void buildFileCommands(QWidget* page);
  void buildHelpAndExit(QWidget* recordPage, QWidget* plotPage);
  void buildPlotTab(QWidget* page);
  void hearSummariesWithCaptions(const std::vector<plat::Label*>& built);
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
  plat::Label* summaryLabel(SummaryText text) const { return m_summaryLabels[size_t(text)]; }
  QString summaryCaption(SummaryText text) const;

  // WatchPrompts
  bool askYesNo(const std::string& text, const std::string& title) override;
  void showMessage(const std::string& text, const std::string& title) override;

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
  // Help and Exit stand on both tabs: the record tab's pair and the plot tab's.
  plat::CommandButton* m_recordHelpButton = nullptr;
  plat::CommandButton* m_recordExitButton = nullptr;
  plat::CommandButton* m_plotHelpButton = nullptr;
  plat::CommandButton* m_plotExitButton = nullptr;
  plat::PictureBox* m_temperaturePlot = nullptr;
  plat::PictureBox* m_precipitationPlot = nullptr;
  plat::PictureBox* m_pressurePlot = nullptr;
  // By summary text: the axis limits beside the plots, then the summary panel's values.
  std::array<plat::Label*, kSummaryTexts> m_summaryLabels{};
};

}  // namespace weather
