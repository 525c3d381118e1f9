#include "weather/weatherwindow.h"

#include <QFile>
#include <QFontMetricsF>
#include <cmath>
#include <functional>
#include <utility>

#include "platform/button.h"
#include "platform/combobox.h"
#include "platform/controlarray.h"
#include "platform/dialogkeys.h"
#include "platform/filelist.h"
#include "platform/fonts.h"
#include "platform/grid.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/layout.h"
#include "platform/panel.h"
#include "platform/picturebox.h"
#include "platform/printer.h"
#include "platform/scrollbar.h"
#include "platform/services.h"
#include "platform/tabcontrol.h"
#include "platform/textbox.h"
#include "platform/twips.h"
#include "runtime/numfmt.h"
#include "runtime/palette.h"
#include "shell/programfolder.h"
#include "weather/entrytext.h"
#include "weather/weatherplots.h"
#include "weather/weatherprint.h"

namespace weather {

namespace {

constexpr int kHelpTopic = 15;
constexpr int kRecordTab = 0, kPlotTab = 1;

// The grid's place on the record tab (twips) and the height of its rows: a heading row and
// 15 days fill its height. Its width, and with it the places of the scroll bar and the file
// frame, follow from the column widths measured at load.
constexpr int kGridLeft = 240, kGridTop = 480, kGridHeight = 4575, kRowHeight = 285;
constexpr int kDayColumnWidth = 495;
constexpr int kDayBarWidth = 255;
constexpr int kFrameWidth = 3015, kFrameHeight = 3615;
constexpr const char* kHeadings[7] = {"Day", "Date", "High", "Low", "Prec", "Press", "Comment"};
// Column widths in letters "A" of the grid's font.
constexpr int kLetters[7] = {0, 10, 5, 5, 5, 5, 30};

constexpr plat::FontStyle kGridFont{"Arial", 9.75};
constexpr plat::FontStyle kEditFont{"MS Sans Serif", 9.75};
constexpr plat::FontStyle kLabelFont{"Arial", 9.75};
constexpr plat::FontStyle kBoldFont{"Arial", 9.75, true};

// -- the window and the record tab ------------------------------------------------------------
constexpr plat::ControlRow kTabs{nullptr, 0, 120, 9495, 6735};
constexpr const char* kTabCaptions[2] = {"Record Weather Data", "Plot Weather Data"};
constexpr plat::ControlRow kFileFrame{"Open File", 0, 0, kFrameWidth, kFrameHeight, {"MS Sans Serif", 12, true}};
constexpr plat::ControlRow kFileNameBox{nullptr, 240, 480, 2535, 2280, kEditFont};
constexpr plat::ControlRow kOkButton{"&OK", 240, 2940, 1095, 435};
constexpr plat::ControlRow kCancelButton{"&Cancel", 1680, 2940, 1095, 435};
constexpr plat::ControlRow kFilePanel{nullptr, 1440, 5160, 4215, 1455};

// A command shown as a picture with its caption in a label beneath.
struct PictureCommand {
  const char* picture;
  const char* caption;
  plat::ControlRow button;
  plat::ControlRow label;
};
constexpr PictureCommand kNewCommand{
    "wwnew.png", "New File", {nullptr, 360, 240, 615, 615}, {"New File", 120, 900, 1095, 255, kLabelFont}};
constexpr PictureCommand kOpenCommand{
    "wwopen.png", "Open File", {nullptr, 1320, 240, 615, 615}, {"Open File", 1080, 900, 1095, 255, kLabelFont}};
constexpr PictureCommand kSaveCommand{
    "wwsave.png", "Save File", {nullptr, 2280, 240, 615, 615}, {"Save File", 2040, 900, 1095, 255, kLabelFont}};
constexpr PictureCommand kPrintCommand{
    "wwprint.png", "Print File", {nullptr, 3240, 240, 615, 615}, {"Print File", 3000, 900, 1095, 255, kLabelFont}};
constexpr PictureCommand kPrintPlotsCommand{
    "wwprint.png", "Print Plots", {nullptr, 1440, 4020, 615, 615}, {"Print Plots", 1200, 4680, 1095, 255, kLabelFont}};

// Help and Exit on each tab, in a panel of their own.
constexpr plat::ControlRow kRecordChoicePanel{nullptr, 6240, 5160, 2775, 1455};
constexpr plat::ControlRow kRecordHelpButton{"&Help", 180, 480, 1095, 495};
constexpr plat::ControlRow kRecordExitButton{"E&xit", 1500, 480, 1095, 495};
constexpr plat::ControlRow kPlotChoicePanel{nullptr, 6120, 5880, 2775, 735};
constexpr plat::ControlRow kPlotHelpButton{"&Help", 180, 120, 1095, 495};
constexpr plat::ControlRow kPlotExitButton{"E&xit", 1500, 120, 1095, 495};

// -- the plot tab -------------------------------------------------------------------------------
// A label on the plot tab, shown through to its container; a summary text is filled in from
// the log each time the tab is shown.
struct LabelRow {
  plat::ControlRow label;
  plat::Label::Align align = plat::Label::Left;
  int summary = -1;  // a SummaryText, or none for a fixed caption
};
constexpr int summary(SummaryText t) { return int(t); }
constexpr auto kRight = plat::Label::Right;
constexpr auto kCentre = plat::Label::Center;

constexpr LabelRow kPlotTitles[3] = {
    {{" Temperatures", 720, 450, 1815, 255, kBoldFont}},
    {{"Precipitation", 720, 3105, 1815, 255, kBoldFont}},
    {{"Barometric Pressure", 720, 4905, 2415, 255, kBoldFont}},
};
// The legend: a short line in each series' colour after its name.
constexpr LabelRow kHighLegend{{"High", 3120, 450, 495, 255, kLabelFont}, kRight};
constexpr plat::ControlRow kHighKey{nullptr, 3675, 570, 375, 30, {}, plat::kNoColour, rt::palette::kHighTemperature};
constexpr LabelRow kLowLegend{{"Low", 4200, 450, 495, 255, kLabelFont}, kRight};
constexpr plat::ControlRow kLowKey{nullptr, 4755, 570, 375, 30, {}, plat::kNoColour, rt::palette::kLowTemperature};

constexpr plat::ControlRow kTemperaturePlot{nullptr, 720, 720, 5055, 2295};
constexpr plat::ControlRow kPrecipitationPlot{nullptr, 720, 3360, 5055, 1455};
constexpr plat::ControlRow kPressurePlot{nullptr, 720, 5160, 5055, 1335};

// The axis limits, top and bottom beside each plot.
constexpr LabelRow kAxisLabels[6] = {
    {{"70", 60, 600, 615, 255, kBoldFont}, kRight, summary(SummaryText::TempAxisTop)},
    {{"50", 60, 2895, 615, 255, kBoldFont}, kRight, summary(SummaryText::TempAxisBottom)},
    {{"100", 60, 3240, 615, 255, kBoldFont}, kRight, summary(SummaryText::PrecAxisTop)},
    {{"0", 60, 4695, 615, 255, kBoldFont}, kRight, summary(SummaryText::PrecAxisBottom)},
    {{"31", 60, 5040, 615, 255, kBoldFont}, kRight, summary(SummaryText::PressAxisTop)},
    {{"28", 60, 6375, 615, 255, kBoldFont}, kRight, summary(SummaryText::PressAxisBottom)},
};

// What each axis limit is, for screen readers, by its summary text.
constexpr const char* kAxisNames[] = {"Temperature axis top",      "Temperature axis bottom", "Precipitation axis top",
                                      "Precipitation axis bottom", "Pressure axis top",       "Pressure axis bottom"};

// The summary panel: headings, the captions of the rows and the values beside them.
constexpr plat::ControlRow kSummaryPanel{nullptr, 5880, 720, 3495, 5055};
constexpr LabelRow kSummaryLabels[] = {
    {{"Temperature Summary", 120, 120, 3255, 255, kBoldFont}, kCentre},
    {{"High", 1200, 420, 975, 255, kBoldFont}, kCentre},
    {{"Low", 2280, 420, 975, 255, kBoldFont}, kCentre},
    {{"High", 240, 720, 855, 255, kLabelFont}},
    {{"Ave", 240, 1020, 855, 255, kLabelFont}},
    {{"Low", 240, 1320, 855, 255, kLabelFont}},
    {{"Trend", 240, 1620, 855, 255, kLabelFont}},
    {{"", 1200, 720, 975, 255, kBoldFont}, kCentre, summary(SummaryText::HighestHigh)},
    {{"", 2280, 720, 975, 255, kBoldFont}, kCentre, summary(SummaryText::HighestLow)},
    {{"", 1200, 1020, 975, 255, kBoldFont}, kCentre, summary(SummaryText::AverageHigh)},
    {{"", 2280, 1020, 975, 255, kBoldFont}, kCentre, summary(SummaryText::AverageLow)},
    {{"", 1200, 1320, 975, 255, kBoldFont}, kCentre, summary(SummaryText::LowestHigh)},
    {{"", 2280, 1320, 975, 255, kBoldFont}, kCentre, summary(SummaryText::LowestLow)},
    {{"", 1200, 1620, 975, 255, kBoldFont}, kCentre, summary(SummaryText::HighTrend)},
    {{"", 2280, 1620, 975, 255, kBoldFont}, kCentre, summary(SummaryText::LowTrend)},
    {{"Precipitation Summary", 120, 2040, 3255, 255, kBoldFont}, kCentre},
    {{"High", 240, 2340, 855, 255, kLabelFont}},
    {{"Total", 240, 2640, 855, 255, kLabelFont}},
    {{"", 1200, 2340, 975, 255, kBoldFont}, kCentre, summary(SummaryText::HighestPrec)},
    {{"", 1200, 2640, 975, 255, kBoldFont}, kCentre, summary(SummaryText::TotalPrec)},
    {{"Pressure Summary", 120, 3060, 3255, 255, kBoldFont}, kCentre},
    {{"High", 240, 3360, 855, 255, kLabelFont}},
    {{"Low", 240, 3660, 855, 255, kLabelFont}},
    {{"", 1200, 3360, 975, 255, kBoldFont}, kCentre, summary(SummaryText::HighestPress)},
    {{"", 1200, 3660, 975, 255, kBoldFont}, kCentre, summary(SummaryText::LowestPress)},
};

// Where each summary text comes from in the summary of the log (none: the trends, shown
// only where there is one, and the bottom of the precipitation axis, always 0) and where it
// goes on the printed page.
struct SummaryField {
  SummaryText text;
  std::string WeatherSummary::*summary;
  QString PlotsPage::*page;
};
constexpr SummaryField kSummaryFields[kSummaryTexts] = {
    {SummaryText::TempAxisTop, &WeatherSummary::tempAxisTop, &PlotsPage::tempAxisTop},
    {SummaryText::TempAxisBottom, &WeatherSummary::tempAxisBottom, &PlotsPage::tempAxisBottom},
    {SummaryText::PrecAxisTop, &WeatherSummary::precAxisTop, &PlotsPage::precAxisTop},
    {SummaryText::PrecAxisBottom, nullptr, &PlotsPage::precAxisBottom},
    {SummaryText::PressAxisTop, &WeatherSummary::pressAxisTop, &PlotsPage::pressAxisTop},
    {SummaryText::PressAxisBottom, &WeatherSummary::pressAxisBottom, &PlotsPage::pressAxisBottom},
    {SummaryText::HighestHigh, &WeatherSummary::highestHigh, &PlotsPage::highestHigh},
    {SummaryText::HighestLow, &WeatherSummary::highestLow, &PlotsPage::highestLow},
    {SummaryText::AverageHigh, &WeatherSummary::averageHigh, &PlotsPage::averageHigh},
    {SummaryText::AverageLow, &WeatherSummary::averageLow, &PlotsPage::averageLow},
    {SummaryText::LowestHigh, &WeatherSummary::lowestHigh, &PlotsPage::lowestHigh},
    {SummaryText::LowestLow, &WeatherSummary::lowestLow, &PlotsPage::lowestLow},
    {SummaryText::HighTrend, nullptr, &PlotsPage::highTrend},
    {SummaryText::LowTrend, nullptr, &PlotsPage::lowTrend},
    {SummaryText::HighestPrec, &WeatherSummary::highestPrec, &PlotsPage::highestPrec},
    {SummaryText::TotalPrec, &WeatherSummary::totalPrec, &PlotsPage::totalPrec},
    {SummaryText::HighestPress, &WeatherSummary::highestPress, &PlotsPage::highestPress},
    {SummaryText::LowestPress, &WeatherSummary::lowestPress, &PlotsPage::lowestPress},
};

plat::CommandButton* makePictureCommand(QWidget* parent, const PictureCommand& command, std::function<void()> onClick) {
  auto* b = new plat::CommandButton(parent);
  b->setPicture(plat::loadPicture(command.picture), command.caption);
  plat::applyRow(b, command.button);
  plat::buildCaption(parent, command.label, kCentre);
  b->onClick = std::move(onClick);
  return b;
}

std::string folder() { return QFile::encodeName(shell::g_basePath).toStdString(); }

}  // namespace

WeatherWindow::WeatherWindow() {
  setCaption(QString::fromStdString(m_files.caption()));
  setBackColor(rt::palette::kLightGrey);
  setClientSizeTwips(9480, 6900);
  // F1 and both Help buttons open the weather topic.
  setHelp("palorime.hlp", kHelpTopic);

  m_tabs = new plat::TabControl(this, 2);
  m_tabs->setObjectName("tabs");
  for (int i = 0; i < 2; ++i) m_tabs->setTabCaption(i, kTabCaptions[i]);
  plat::applyRow(m_tabs, kTabs);
  m_tabs->onClick = [this](int previous) { switchTab(previous); };

  QWidget* recordPage = m_tabs->page(kRecordTab);
  QWidget* plotPage = m_tabs->page(kPlotTab);
  buildRecordTab(recordPage);
  buildFileFrame(recordPage);
  buildFileCommands(recordPage);
  buildHelpAndExit(recordPage, plotPage);
  buildPlotTab(plotPage);
}

// The grid, its scroll bar and the edit box; their places follow at load.
void WeatherWindow::buildRecordTab(QWidget* page) {
  m_logGrid = new plat::Grid(page);
  m_logGrid->setObjectName("logGrid");
  m_logGrid->setFont(plat::screenFont(kGridFont.face, kGridFont.points));
  m_logGrid->setRows(kDays + 1);
  m_logGrid->setCols(kFields + 1);
  m_logGrid->setFixedRows(1);
  m_logGrid->setFixedCols(1);
  m_logGrid->setAccessibleName("Weather log");
  for (int r = 0; r <= kDays; ++r) m_logGrid->setRowHeight(r, kRowHeight);
  m_logGrid->onRowColChange = [this] { moveEditBoxToCurrentCell(); };
  // A click on the grid goes on typing in the edit box.
  m_logGrid->onClick = [this] { m_editBox->setFocus(); };

  // Placed beside the grid's rows when the window loads.
  m_dayBar = plat::buildBar<plat::VScrollBar>(page, {{}, "Days", 1, kDays - 14, 1, 15});
  m_dayBar->setObjectName("dayBar");
  m_dayBar->onChange = [this] { scrollDays(); };
  m_dayBar->onScroll = [this] { scrollDays(); };

  m_editBox = new plat::TextBox(page);
  m_editBox->setObjectName("editBox");
  m_editBox->setFont(plat::screenFont(kEditFont.face, kEditFont.points));
  m_editBox->onChange = [this] { storeEditedText(); };
  m_editBox->onKeyPress = [this](int& key) { filterKey(key); };
  m_editBox->onKeyDown = [this](int& key, int shift) { moveByKey(key, shift); };
}

// The frame that asks for a data file's name, over the grid while it is shown.
void WeatherWindow::buildFileFrame(QWidget* page) {
  m_fileFrame = plat::build<plat::Frame>(page, kFileFrame);
  m_fileFrame->setObjectName("fileFrame");
  m_fileFrame->setAutoFillBackground(true);
  m_fileNameBox = plat::build<plat::ComboBox>(m_fileFrame, kFileNameBox);
  m_fileNameBox->setObjectName("fileNameBox");
  m_fileNameBox->setAccessibleCaption("File name");
  m_fileNameBox->onDblClick = [this] { openChosenFile(); };
  m_dataFileList = new plat::FileList(m_fileFrame);
  m_dataFileList->setObjectName("dataFileList");
  m_dataFileList->setPattern("*.wwd");
  m_dataFileList->hide();
  m_okButton = plat::build<plat::CommandButton>(m_fileFrame, kOkButton);
  m_okButton->setObjectName("okButton");
  m_okButton->onClick = [this] { confirmFileChoice(); };
  m_cancelButton = plat::build<plat::CommandButton>(m_fileFrame, kCancelButton);
  m_cancelButton->setObjectName("cancelButton");
  m_cancelButton->onClick = [this] { cancelFileChoice(); };
  // The frame is the window's dialog for a file's name: Escape cancels, Enter carries out.
  plat::answerDialogKeys(m_fileFrame, m_okButton, m_cancelButton);
  m_fileFrame->hide();
}

void WeatherWindow::buildFileCommands(QWidget* page) {
  auto* panel = plat::build<plat::Panel>(page, kFilePanel);
  m_newButton = makePictureCommand(panel, kNewCommand, [this] { startNewLog(); });
  m_newButton->setObjectName("newButton");
  m_openButton = makePictureCommand(panel, kOpenCommand, [this] { chooseFileToOpen(); });
  m_openButton->setObjectName("openButton");
  m_saveButton = makePictureCommand(panel, kSaveCommand, [this] { chooseFileToSave(); });
  m_saveButton->setObjectName("saveButton");
  m_printButton = makePictureCommand(panel, kPrintCommand, [this] { printLog(); });
  m_printButton->setObjectName("printButton");
}

void WeatherWindow::buildHelpAndExit(QWidget* recordPage, QWidget* plotPage) {
  auto* recordPanel = plat::build<plat::Panel>(recordPage, kRecordChoicePanel);
  auto* plotPanel = plat::build<plat::Panel>(plotPage, kPlotChoicePanel);
  m_plotHelpButton = plat::build<plat::CommandButton>(plotPanel, kPlotHelpButton);
  m_plotHelpButton->setObjectName("plotHelpButton");
  m_plotHelpButton->onClick = [this] { showHelp(); };
  m_plotExitButton = plat::build<plat::CommandButton>(plotPanel, kPlotExitButton);
  m_plotExitButton->setObjectName("plotExitButton");
  m_plotExitButton->onClick = [this] { exitToMenu(); };
  m_recordHelpButton = plat::build<plat::CommandButton>(recordPanel, kRecordHelpButton);
  m_recordHelpButton->setObjectName("recordHelpButton");
  // From the record tab the user goes on typing after help.
  m_recordHelpButton->onClick = [this] {
    showHelp();
    m_editBox->setFocus();
  };
  m_recordExitButton = plat::build<plat::CommandButton>(recordPanel, kRecordExitButton);
  m_recordExitButton->setObjectName("recordExitButton");
  m_recordExitButton->onClick = [this] { exitToMenu(); };
}

void WeatherWindow::buildPlotTab(QWidget* page) {
  for (const LabelRow& row : kPlotTitles) plat::buildCaption(page, row.label, row.align);
  plat::buildCaption(page, kHighLegend.label, kHighLegend.align);
  plat::build<plat::Label>(page, kHighKey)->hideFromReaders();  // a line in the series' colour
  plat::buildCaption(page, kLowLegend.label, kLowLegend.align);
  plat::build<plat::Label>(page, kLowKey)->hideFromReaders();

  m_temperaturePlot = plat::buildFramedPicture(page, kTemperaturePlot, rt::palette::kWhite);
  m_temperaturePlot->setObjectName("temperaturePlot");
  m_precipitationPlot = plat::buildFramedPicture(page, kPrecipitationPlot, rt::palette::kWhite);
  m_precipitationPlot->setObjectName("precipitationPlot");
  m_pressurePlot = plat::buildFramedPicture(page, kPressurePlot, rt::palette::kWhite);
  m_pressurePlot->setObjectName("pressurePlot");
  m_temperaturePlot->setAccessibleName("Temperature plot: the daily high and low against the day");
  m_precipitationPlot->setAccessibleName("Precipitation plot: the daily precipitation against the day");
  m_pressurePlot->setAccessibleName("Pressure plot: the barometric pressure against the day");
  for (const LabelRow& row : kAxisLabels) {
    plat::Label* limit = plat::buildCaption(page, row.label, row.align);
    limit->setHeardCaption(QString::fromUtf8(kAxisNames[row.summary]));
    m_summaryLabels[size_t(row.summary)] = limit;
  }

  auto* panel = plat::build<plat::Panel>(page, kSummaryPanel);
  std::vector<plat::Label*> built;
  for (const LabelRow& row : kSummaryLabels) {
    plat::Label* l = plat::buildCaption(panel, row.label, row.align);
    built.push_back(l);
    if (row.summary >= 0) m_summaryLabels[size_t(row.summary)] = l;
  }
  hearSummariesWithCaptions(built);
  for (int i = 0; i < kSummaryTexts; ++i) plat::nameInRow(m_summaryLabels[size_t(i)], "summaryLabel", i);
  m_printPlotsButton = makePictureCommand(panel, kPrintPlotsCommand, [this] { printPlots(); });
  m_printPlotsButton->setObjectName("printPlotsButton");
}

// Each summary value is heard with the captions that place it in the panel: its table's
// heading, its row's caption and, where the table has them, its column's head ("Temperature
// Summary Ave High 72").
void WeatherWindow::hearSummariesWithCaptions(const std::vector<plat::Label*>& built) {
  for (size_t v = 0; v < built.size(); ++v) {
    const plat::ControlRow& value = kSummaryLabels[v].label;
    if (kSummaryLabels[v].summary < 0) continue;
    plat::Label *heading = nullptr, *rowCaption = nullptr, *columnHead = nullptr;
    double headingTop = -1;
    for (size_t c = 0; c < built.size(); ++c) {
      const plat::ControlRow& caption = kSummaryLabels[c].label;
      if (kSummaryLabels[c].summary >= 0 || caption.top > value.top) continue;
      if (caption.left == kSummaryLabels[0].label.left && caption.top > headingTop) {
        heading = built[c];
        headingTop = caption.top;
      }
    }
    for (size_t c = 0; c < built.size(); ++c) {
      const plat::ControlRow& caption = kSummaryLabels[c].label;
      if (kSummaryLabels[c].summary >= 0) continue;
      if (caption.top == value.top && caption.left < value.left) rowCaption = built[c];
      if (caption.left == value.left && caption.top > headingTop && caption.top < value.top) columnHead = built[c];
    }
    std::vector<plat::Label*> captions;
    for (plat::Label* l : {heading, rowCaption, columnHead})
      if (l) captions.push_back(l);
    built[v]->setHeardCaptions(captions);
  }
}

WeatherWindow::~WeatherWindow() = default;

// -- load and leave -----------------------------------------------------------------------------

void WeatherWindow::loadStep() {
  m_files.reset();
  m_cellUpdatesHeld = true;
  setCaption(QString::fromStdString(m_files.caption()));

  m_dataFileList->setPath(shell::g_basePath);
  fillFileNames();
  layOutGrid();

  centreOnScreen();
  show();
  m_logGrid->setFocus();
  goToFirstCell();
}

// The grid's headings and columns, its place and with it the places of the scroll bar, the
// file frame and the edit box.
void WeatherWindow::layOutGrid() {
  for (int c = 0; c <= kFields; ++c) {
    m_logGrid->setFixedAlignment(c, plat::Grid::AlignCenter);
    m_logGrid->setTextMatrix(0, c, kHeadings[c]);
  }
  // Column widths are counted in letters of the grid's font, measured as the window shows it.
  setFont(m_logGrid->font());
  const double letter = QFontMetricsF(font()).horizontalAdvance('A') * plat::kTwipsPerPixel;
  m_logGrid->setColWidth(0, kDayColumnWidth);
  int16_t gridWidth = int16_t(kDayColumnWidth);
  for (int c = 1; c <= kFields; ++c) {
    m_logGrid->setColAlignment(c, c == kComment ? plat::Grid::AlignLeft : plat::Grid::AlignCenter);
    const int width = int(std::nearbyint(kLetters[c] * letter));
    m_logGrid->setColWidth(c, width);
    gridWidth = int16_t(gridWidth + width);
  }
  for (int r = 1; r <= kDays; ++r) {
    m_logGrid->setTextMatrix(r, 0, QString::fromStdString(rt::formatNumber(r, "#0")));
    for (int c = 1; c <= kFields; ++c) m_logGrid->setTextMatrix(r, c, QString());
  }
  plat::placeTwips(m_logGrid, kGridLeft, kGridTop, gridWidth, kGridHeight);
  plat::placeTwips(m_fileFrame, kGridLeft + (gridWidth - kFrameWidth) / 2, kGridTop + (kGridHeight - kFrameHeight) / 2,
                   kFrameWidth, kFrameHeight);
  plat::placeTwips(m_dayBar, kGridLeft + gridWidth, kGridTop, kDayBarWidth, kGridHeight);
  m_editBox->resize(m_editBox->width(), plat::twipsToPixels(m_logGrid->rowHeight(1)));
  m_editBox->raise();
  m_fileFrame->raise();
}

void WeatherWindow::exitToMenu() {
  if (!m_files.confirmDiscard(Discard::Exit)) return;
  unload();
  returnToMenu();
}

// The title bar's close leaves as Exit does, with its question.
void WeatherWindow::closeFromTitleBar() { exitToMenu(); }

bool WeatherWindow::askYesNo(const std::string& text, const std::string& title) {
  return plat::messageBox(QString::fromStdString(text),
                          plat::msg::YesNo | plat::msg::Question | plat::msg::DefaultButton2,
                          QString::fromStdString(title)) == plat::msg::Yes;
}

void WeatherWindow::showMessage(const std::string& text, const std::string& title) {
  plat::messageBox(QString::fromStdString(text), plat::msg::OkOnly | plat::msg::Information,
                   QString::fromStdString(title));
}

// -- the grid editor ----------------------------------------------------------------------------

void WeatherWindow::goToFirstCell() {
  m_cellUpdatesHeld = true;
  m_editRow = 1;
  m_editColumn = 1;
  m_logGrid->setCurrentCell(1, 1);
  m_editBox->setMaxLength(maxLengthFor(kDate));
  m_editBox->setText(entryText(m_files.log()[1][kDate]));
  m_cellUpdatesHeld = false;
  m_logGrid->setTopRow(1);
  m_dayBar->setValue(1);
  moveEditBoxToCurrentCell();
}

void WeatherWindow::placeEditBox() {
  const int px = 2;
  m_editBox->setGeometry(plat::twipsToPixels(kGridLeft + m_logGrid->colPos(m_editColumn)),
                         plat::twipsToPixels(kGridTop + m_logGrid->rowPos(m_editRow)) - px,
                         plat::twipsToPixels(m_logGrid->colWidth(m_editColumn)) + px, m_editBox->height());
}

void WeatherWindow::moveEditBoxToCurrentCell() {
  if (m_cellUpdatesHeld) return;
  const int row = m_logGrid->row(), col = m_logGrid->col();
  m_files.keepEntry(m_editRow, m_editColumn, entryBytes(m_editBox->text()));
  m_editBox->setMaxLength(maxLengthFor(col));
  m_editBox->setText(entryText(m_files.log()[size_t(row)][size_t(col)]));
  m_editRow = int16_t(row);
  m_editColumn = int16_t(col);
  // Screen readers hear the box as the cell it edits: its column and its day.
  m_logGrid->nameCellEditor(m_editBox);
  placeEditBox();
  m_editBox->setFocus();
}

// Every change of the edit box is an edit of the log, also the program's own loading of a
// cell's text into it: moving onto a cell whose text differs from the box's marks the log
// unsaved, erring on the side of asking before anything could be lost.
void WeatherWindow::storeEditedText() {
  const QString text = m_editBox->text();
  m_logGrid->setText(text);
  m_files.setEntry(m_logGrid->row(), m_logGrid->col(), entryBytes(text));
}

void WeatherWindow::filterKey(int& keyAscii) {
  if (!keyAccepted(m_logGrid->col(), keyAscii)) keyAscii = 0;
}

void WeatherWindow::moveByKey(int& keyCode, int shift) {
  const Cell to = nextCell({m_logGrid->row(), m_logGrid->col()}, keyCode, shift);
  if (!m_logGrid->rowIsVisible(to.row)) {
    m_logGrid->setTopRow(to.row < m_logGrid->topRow() ? to.row : m_logGrid->topRow() + 1);
    m_dayBar->setValue(m_logGrid->topRow());
  }
  m_logGrid->setCurrentCell(to.row, to.col);
}

void WeatherWindow::scrollDays() {
  const int offset = m_editRow - m_logGrid->topRow();
  m_logGrid->setTopRow(m_dayBar->value());
  m_logGrid->setRow(std::clamp(m_dayBar->value() + offset, 1, kDays));
  // A scroll that leaves the edit row where it was still moves the box with the grid.
  placeEditBox();
  m_editBox->setFocus();
}

// -- the file commands ----------------------------------------------------------------------------

void WeatherWindow::fillFileNames() {
  if (m_dataFileList->listCount() == 0) return;
  for (int i = 0; i < m_dataFileList->listCount(); ++i)
    m_fileNameBox->addItem(QString::fromStdString(listEntry(entryBytes(m_dataFileList->list(i)))));
  m_fileNameBox->setListIndex(0);
}

void WeatherWindow::enableFileControls(bool on) {
  for (QWidget* w :
       {static_cast<QWidget*>(m_newButton), static_cast<QWidget*>(m_openButton), static_cast<QWidget*>(m_saveButton),
        static_cast<QWidget*>(m_printButton), static_cast<QWidget*>(m_logGrid)})
    w->setEnabled(on);
}

void WeatherWindow::showFileFrame() {
  enableFileControls(false);
  m_editBox->setEnabled(false);
  m_fileFrame->show();
  m_fileNameBox->setText(entryText(m_files.fileName()));
  // The offered name is selected, so typing replaces it.
  m_fileNameBox->setFocus();
  m_fileNameBox->selectAllText();
}

void WeatherWindow::chooseFileToOpen() {
  if (!m_files.confirmDiscard(Discard::Open)) return;
  m_files.setFrameCommand(FrameCommand::Open);
  m_fileFrame->setCaption("Open File");
  showFileFrame();
}

void WeatherWindow::chooseFileToSave() {
  m_files.setFrameCommand(FrameCommand::Save);
  m_fileFrame->setCaption("Save File");
  showFileFrame();
}

void WeatherWindow::confirmFileChoice() {
  m_fileFrame->hide();
  m_editBox->setEnabled(true);
  if (m_files.frameCommand() == FrameCommand::Open)
    openDataFile();
  else
    saveDataFile();
  enableFileControls(true);
  m_editBox->setFocus();
}

void WeatherWindow::openChosenFile() {
  // A double click opens the file even when Save showed the frame; the unsaved log is not
  // given up without the Open question.
  if (m_files.frameCommand() == FrameCommand::Save && !m_files.confirmDiscard(Discard::Open)) return;
  m_files.setFrameCommand(FrameCommand::Open);
  confirmFileChoice();
}

void WeatherWindow::cancelFileChoice() {
  enableFileControls(true);
  m_editBox->setEnabled(true);
  m_tabs->setEnabled(true);
  m_fileFrame->hide();
  // Back where the user was before the frame showed: in the grid, typing.
  m_editBox->setFocus();
}

void WeatherWindow::showLogInGrid() {
  for (int r = 1; r <= kDays; ++r)
    for (int c = 1; c <= kFields; ++c) m_logGrid->setTextMatrix(r, c, entryText(m_files.log()[size_t(r)][size_t(c)]));
}

void WeatherWindow::openDataFile() {
  m_cellUpdatesHeld = true;
  if (m_files.openDataFile(folder(), entryBytes(m_fileNameBox->text()))) {
    setCaption(entryText(m_files.caption()));
    showLogInGrid();
    goToFirstCell();
    // The log is as the file holds it, although the edit box took day 1's text.
    m_files.markSaved();
  }
  m_cellUpdatesHeld = false;
  m_editBox->setFocus();
}

void WeatherWindow::saveDataFile() {
  std::vector<std::string> entries;
  for (int i = 0; i < m_fileNameBox->listCount(); ++i) entries.push_back(entryBytes(m_fileNameBox->list(i)));
  m_cellUpdatesHeld = true;
  const bool saved = m_files.saveDataFile(folder(), entryBytes(m_fileNameBox->text()), entries);
  m_cellUpdatesHeld = false;
  if (saved) {
    setCaption(entryText(m_files.caption()));
    m_fileNameBox->clear();
    m_dataFileList->refresh();
    fillFileNames();
  }
  m_editBox->setFocus();
}

void WeatherWindow::startNewLog() {
  if (!m_files.confirmDiscard(Discard::New)) return;
  m_cellUpdatesHeld = true;
  m_files.clearLog();
  showLogInGrid();
  m_editBox->setText(QString());
  goToFirstCell();
  m_files.markSaved();
  m_editBox->setFocus();
}

// -- the plot tab and the printouts ---------------------------------------------------------------

void WeatherWindow::switchTab(int previousTab) {
  // The frame counts as shown while its tab is out of sight too.
  if (!m_fileFrame->isHidden()) return;
  if (previousTab == kRecordTab)
    plotWeatherData();
  else
    m_editBox->setFocus();
}

QString WeatherWindow::summaryCaption(SummaryText text) const { return summaryLabel(text)->caption(); }

void WeatherWindow::plotWeatherData() {
  const WeatherSummary s = summariseWeather(m_files.log());
  for (const SummaryField& field : kSummaryFields)
    if (field.summary) summaryLabel(field.text)->setCaption(QString::fromStdString(s.*field.summary));
  // A trend is shown only where there is one; otherwise its label keeps what it last showed.
  if (s.highs.hasTrend) summaryLabel(SummaryText::HighTrend)->setCaption(QString::fromStdString(s.highs.trendText));
  if (s.lows.hasTrend) summaryLabel(SummaryText::LowTrend)->setCaption(QString::fromStdString(s.lows.trendText));
  drawTemperaturePlot(m_temperaturePlot->surface(), s);
  drawPrecipitationPlot(m_precipitationPlot->surface(), s);
  drawPressurePlot(m_pressurePlot->surface(), s);
}

void WeatherWindow::printLog() {
  if (plat::askPrinterReady("Print File")) printTable(plat::printer(), m_files.log(), entryText(m_files.fileName()));
  m_editBox->setFocus();
}

// The page shows the summaries as the plot tab last showed them.
void WeatherWindow::printPlots() {
  if (!plat::askPrinterReady("Print Plots")) return;
  PlotsPage page;
  page.fileName = entryText(m_files.fileName());
  for (const SummaryField& field : kSummaryFields) page.*field.page = summaryCaption(field.text);
  page.temp = &m_temperaturePlot->surface();
  page.prec = &m_precipitationPlot->surface();
  page.press = &m_pressurePlot->surface();
  weather::printPlots(plat::printer(), page);
}

}  // namespace weather
