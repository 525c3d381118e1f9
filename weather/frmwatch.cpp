#include "weather/frmwatch.h"

#include <QFile>
#include <QFontMetricsF>
#include <cmath>

#include "platform/button.h"
#include "platform/combobox.h"
#include "platform/filelist.h"
#include "platform/fonts.h"
#include "platform/grid.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/panel.h"
#include "platform/picturebox.h"
#include "platform/printer.h"
#include "platform/scrollbar.h"
#include "platform/services.h"
#include "platform/tabcontrol.h"
#include "platform/textbox.h"
#include "platform/twips.h"
#include "runtime/numfmt.h"
#include "shell/menuwindow.h"
#include "shell/programfolder.h"
#include "weather/entrytext.h"
#include "weather/weatherplots.h"
#include "weather/weatherprint.h"

namespace weather {

namespace {

constexpr int kHelpTopic = 15;
constexpr rt::Colour kWhite = 0x00FFFFFF;
constexpr rt::Colour kGrey = 0x00C0C0C0;

// The grid's place on the data tab (twips) and the height of its rows: a heading row and
// 15 days fill its height.
constexpr int kGridLeft = 240, kGridTop = 480, kGridHeight = 4575, kRowHeight = 285;
constexpr int kDayColumnWidth = 495;
constexpr int kFrameWidth = 3015, kFrameHeight = 3615;
constexpr const char* kHeadings[7] = {"Day", "Date", "High", "Low", "Prec", "Press", "Comment"};
// Column widths in letters "A" of the grid's font.
constexpr int kLetters[7] = {0, 10, 5, 5, 5, 5, 30};

plat::Label* MakeLabel(QWidget* parent, const QString& caption, int left, int top, int width, int height,
                       plat::Label::Align align = plat::Label::Left, bool bold = false) {
  auto* l = new plat::Label(parent, caption);
  l->setFont(plat::screenFont("Arial", 9.75, bold));
  l->setAlignment(align);
  l->setTransparent();
  plat::placeTwips(l, left, top, width, height);
  return l;
}

// A value label of the summaries or the axes, found again by its name.
plat::Label* NamedLabel(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                        plat::Label::Align align) {
  plat::Label* l = MakeLabel(parent, caption, left, top, width, 255, align, true);
  l->setObjectName(name);
  return l;
}

plat::CommandButton* PictureButton(QWidget* parent, const char* picture, const QString& caption, int left,
                                   int top) {
  auto* b = new plat::CommandButton(parent);
  b->setPicture(plat::loadPicture(picture), caption);
  plat::placeTwips(b, left, top, 615, 615);
  MakeLabel(parent, caption, left - 240, top + 660, 1095, 255, plat::Label::Center);
  return b;
}

std::string Folder() { return QFile::encodeName(shell::BasePath).toStdString(); }

}  // namespace

frmWatch::frmWatch() {
  setCaption(QString::fromStdString(m_files.Caption()));
  setBackColor(kGrey);
  setClientSizeTwips(9480, 6900);
  // F1 opens what the Help buttons open.
  setHelp("palorime.hlp", kHelpTopic);

  m_tab = new plat::TabControl(this, 2);
  m_tab->setTabCaption(0, "Record Weather Data");
  m_tab->setTabCaption(1, "Plot Weather Data");
  plat::placeTwips(m_tab, 0, 120, 9495, 6735);
  m_tab->onClick = [this](int previous) { SSTab1_Click(previous); };
  QWidget* data = m_tab->page(0);
  QWidget* plots = m_tab->page(1);

  // -- the data tab ---------------------------------------------------------------------------
  m_grid = new plat::Grid(data);
  m_grid->setFont(plat::screenFont("Arial", 9.75));
  m_grid->setRows(kDays + 1);
  m_grid->setCols(kFields + 1);
  m_grid->setFixedRows(1);
  m_grid->setFixedCols(1);
  for (int r = 0; r <= kDays; ++r) m_grid->setRowHeight(r, kRowHeight);
  m_grid->onRowColChange = [this] { grdData_RowColChange(); };
  m_grid->onClick = [this] { grdData_Click(); };

  m_vsb = new plat::VScrollBar(data);
  m_vsb->setAccessibleCaption("Days");
  m_vsb->setRange(1, kDays - 14);
  m_vsb->setSmallChange(1);
  m_vsb->setLargeChange(15);
  m_vsb->onChange = [this] { vsbRow_Change(); };
  m_vsb->onScroll = [this] { vsbRow_Change(); };

  m_edit = new plat::TextBox(data);
  m_edit->setFont(plat::screenFont("MS Sans Serif", 9.75));
  m_edit->onChange = [this] { txtEdit_Change(); };
  m_edit->onKeyPress = [this](int& key) { txtEdit_KeyPress(key); };
  m_edit->onKeyDown = [this](int& key, int shift) { txtEdit_KeyDown(key, shift); };

  m_fraFiles = new plat::Frame(data, "Open File");
  m_fraFiles->setFont(plat::screenFont("MS Sans Serif", 12, true));
  m_fraFiles->resize(plat::twipsToPixels(kFrameWidth), plat::twipsToPixels(kFrameHeight));
  m_fraFiles->setAutoFillBackground(true);
  m_cbo = new plat::ComboBox(m_fraFiles);
  m_cbo->setFont(plat::screenFont("MS Sans Serif", 9.75));
  m_cbo->setAccessibleCaption("File name");
  plat::placeTwips(m_cbo, 240, 480, 2535, 2280);
  m_cbo->onDblClick = [this] { cboFiles_DblClick(); };
  m_filList = new plat::FileList(m_fraFiles);
  m_filList->setPattern("*.wwd");
  m_filList->hide();
  m_ok = plat::placeButton(m_fraFiles, "&OK", 240, 2940, 1095, 435, [this] { cmdOK_Click(); });
  m_cancel = plat::placeButton(m_fraFiles, "&Cancel", 1680, 2940, 1095, 435, [this] { cmdCancel_Click(); });
  m_fraFiles->hide();

  auto* files = new plat::Panel(data);
  plat::placeTwips(files, 1440, 5160, 4215, 1455);
  m_new = PictureButton(files, "wwnew.png", "New File", 360, 240);
  m_open = PictureButton(files, "wwopen.png", "Open File", 1320, 240);
  m_save = PictureButton(files, "wwsave.png", "Save File", 2280, 240);
  m_print = PictureButton(files, "wwprint.png", "Print File", 3240, 240);
  m_new->onClick = [this] { cmdNew_Click(); };
  m_open->onClick = [this] { cmdOpen_Click(); };
  m_save->onClick = [this] { cmdSave_Click(); };
  m_print->onClick = [this] { cmdPrint_Click(); };

  // Help and Exit stand on both tabs: index 2 on the data tab, 1 on the plot tab.
  auto* choice2 = new plat::Panel(data);
  plat::placeTwips(choice2, 6240, 5160, 2775, 1455);
  auto* choice1 = new plat::Panel(plots);
  plat::placeTwips(choice1, 6120, 5880, 2775, 735);
  const int choiceTop[3] = {0, 120, 480};
  plat::Panel* choice[3] = {nullptr, choice1, choice2};
  for (int i = 1; i <= 2; ++i) {
    m_help[size_t(i)] = plat::placeButton(choice[i], "&Help", 180, choiceTop[i], 1095, 495, [this, i] { cmdHelp_Click(i); });
    m_exit[size_t(i)] = plat::placeButton(choice[i], "E&xit", 1500, choiceTop[i], 1095, 495, [this, i] { cmdExit_Click(i); });
  }

  // -- the plot tab ---------------------------------------------------------------------------
  MakeLabel(plots, " Temperatures", 720, 450, 1815, 255, plat::Label::Left, true);
  MakeLabel(plots, "Precipitation", 720, 3105, 1815, 255, plat::Label::Left, true);
  MakeLabel(plots, "Barometric Pressure", 720, 4905, 2415, 255, plat::Label::Left, true);
  // The legend: a short line in each series' colour.
  MakeLabel(plots, "High", 3120, 450, 495, 255, plat::Label::Right);
  auto* highKey = new plat::Label(plots);
  highKey->setBackColor(kHighColour);
  plat::placeTwips(highKey, 3675, 570, 375, 30);
  MakeLabel(plots, "Low", 4200, 450, 495, 255, plat::Label::Right);
  auto* lowKey = new plat::Label(plots);
  lowKey->setBackColor(kLowColour);
  plat::placeTwips(lowKey, 4755, 570, 375, 30);

  auto makePlot = [&](int top, int height) {
    auto* p = new plat::PictureBox(plots, kWhite);
    p->setBorder(true);
    plat::placeTwips(p, 720, top, 5055, height);
    return p;
  };
  m_picTemp = makePlot(720, 2295);
  m_picPrec = makePlot(3360, 1455);
  m_picPress = makePlot(5160, 1335);
  constexpr auto right = plat::Label::Right;
  NamedLabel(plots, "lblTempH", "70", 60, 600, 615, right);
  NamedLabel(plots, "lblTempL", "50", 60, 2895, 615, right);
  NamedLabel(plots, "lblPrecH", "100", 60, 3240, 615, right);
  NamedLabel(plots, "lblPrecL", "0", 60, 4695, 615, right);
  NamedLabel(plots, "lblPressH", "31", 60, 5040, 615, right);
  NamedLabel(plots, "lblPressL", "28", 60, 6375, 615, right);

  auto* sums = new plat::Panel(plots);
  plat::placeTwips(sums, 5880, 720, 3495, 5055);
  constexpr auto centre = plat::Label::Center;
  MakeLabel(sums, "Temperature Summary", 120, 120, 3255, 255, centre, true);
  MakeLabel(sums, "High", 1200, 420, 975, 255, centre, true);
  MakeLabel(sums, "Low", 2280, 420, 975, 255, centre, true);
  const char* rows[4] = {"High", "Ave", "Low", "Trend"};
  for (int i = 0; i < 4; ++i) MakeLabel(sums, rows[i], 240, 720 + 300 * i, 855, 255);
  const char* highNames[4] = {"lblTHH", "lblTAH", "lblTLH", "lblHT"};
  const char* lowNames[4] = {"lblTHL", "lblTAL", "lblTLL", "lblLT"};
  for (int i = 0; i < 4; ++i) {
    NamedLabel(sums, highNames[i], "", 1200, 720 + 300 * i, 975, centre);
    NamedLabel(sums, lowNames[i], "", 2280, 720 + 300 * i, 975, centre);
  }
  MakeLabel(sums, "Precipitation Summary", 120, 2040, 3255, 255, centre, true);
  MakeLabel(sums, "High", 240, 2340, 855, 255);
  MakeLabel(sums, "Total", 240, 2640, 855, 255);
  NamedLabel(sums, "lblPH", "", 1200, 2340, 975, centre);
  NamedLabel(sums, "lblPT", "", 1200, 2640, 975, centre);
  MakeLabel(sums, "Pressure Summary", 120, 3060, 3255, 255, centre, true);
  MakeLabel(sums, "High", 240, 3360, 855, 255);
  MakeLabel(sums, "Low", 240, 3660, 855, 255);
  NamedLabel(sums, "lblPresH", "", 1200, 3360, 975, centre);
  NamedLabel(sums, "lblPresL", "", 1200, 3660, 975, centre);
  m_printPlots = PictureButton(sums, "wwprint.png", "Print Plots", 1440, 4020);
  m_printPlots->onClick = [this] { cmdPrintPlots_Click(); };
}

frmWatch::~frmWatch() = default;

plat::Label* frmWatch::label(const QString& name) const { return findChild<plat::Label*>(name); }

// -- load and leave -----------------------------------------------------------------------------

void frmWatch::Form_Load() {
  m_files.Reset();
  m_noCellUpdate = 1;
  setCaption(QString::fromStdString(m_files.Caption()));

  m_filList->setPath(shell::BasePath);
  BuildFileList();

  for (int c = 0; c <= kFields; ++c) {
    m_grid->setFixedAlignment(c, plat::Grid::AlignCenter);
    m_grid->setTextMatrix(0, c, kHeadings[c]);
  }
  // Column widths are counted in letters of the grid's font, measured as the window shows it.
  setFont(m_grid->font());
  const double letter = QFontMetricsF(font()).horizontalAdvance('A') * plat::kTwipsPerPixel;
  m_grid->setColWidth(0, kDayColumnWidth);
  int16_t gridWidth = int16_t(kDayColumnWidth);
  for (int c = 1; c <= kFields; ++c) {
    m_grid->setColAlignment(c, c == kComment ? plat::Grid::AlignLeft : plat::Grid::AlignCenter);
    const int width = int(std::nearbyint(kLetters[c] * letter));
    m_grid->setColWidth(c, width);
    gridWidth = int16_t(gridWidth + width);
  }
  for (int r = 1; r <= kDays; ++r) {
    m_grid->setTextMatrix(r, 0, QString::fromStdString(rt::Format(r, "#0")));
    for (int c = 1; c <= kFields; ++c) m_grid->setTextMatrix(r, c, QString());
  }
  plat::placeTwips(m_grid, kGridLeft, kGridTop, gridWidth, kGridHeight);
  plat::placeTwips(m_fraFiles, kGridLeft + (gridWidth - kFrameWidth) / 2, kGridTop + (kGridHeight - kFrameHeight) / 2,
                   kFrameWidth, kFrameHeight);
  plat::placeTwips(m_vsb, kGridLeft + gridWidth, kGridTop, 255, kGridHeight);
  m_edit->resize(m_edit->width(), plat::twipsToPixels(m_grid->rowHeight(1)));
  m_edit->raise();
  m_fraFiles->raise();

  centreOnScreen();
  show();
  m_grid->setFocus();
  GoToFirstCell();
}

void frmWatch::cmdExit_Click(int /*index*/) {
  if (!m_files.ConfirmDiscard(Discard::Exit)) return;
  Unload();
  returnToMenu();
}

// The title bar's close leaves as Exit does, with its question.
void frmWatch::closeFromTitleBar() { cmdExit_Click(1); }

void frmWatch::cmdHelp_Click(int index) {
  plat::help().showTopic(shell::BasePath + "palorime.hlp", kHelpTopic);
  if (index == 2) m_edit->setFocus();
}

bool frmWatch::AskYesNo(const std::string& text, const std::string& title) {
  return plat::MsgBox(QString::fromStdString(text), plat::Msg::YesNo | plat::Msg::Question | plat::Msg::DefaultButton2,
                      QString::fromStdString(title)) == plat::Msg::Yes;
}

void frmWatch::ShowMessage(const std::string& text, const std::string& title) {
  plat::MsgBox(QString::fromStdString(text), plat::Msg::OkOnly | plat::Msg::Information, QString::fromStdString(title));
}

// -- the grid editor ----------------------------------------------------------------------------

void frmWatch::GoToFirstCell() {
  m_noCellUpdate = 1;
  m_editRow = 1;
  m_editCol = 1;
  m_grid->setCurrentCell(1, 1);
  m_edit->setMaxLength(MaxLengthFor(kDate));
  m_edit->setText(EntryText(m_files.WeatherData[1][kDate]));
  m_noCellUpdate = 0;
  m_grid->setTopRow(1);
  m_vsb->setValue(1);
  grdData_RowColChange();
}

void frmWatch::PlaceEditBox() {
  const int px = 2;
  m_edit->setGeometry(plat::twipsToPixels(kGridLeft + m_grid->colPos(m_editCol)),
                      plat::twipsToPixels(kGridTop + m_grid->rowPos(m_editRow)) - px,
                      plat::twipsToPixels(m_grid->colWidth(m_editCol)) + px, m_edit->height());
}

void frmWatch::grdData_RowColChange() {
  if (m_noCellUpdate == 1) return;
  const int row = m_grid->row(), col = m_grid->col();
  m_files.WeatherData[size_t(m_editRow)][size_t(m_editCol)] = EntryBytes(m_edit->text());
  m_edit->setMaxLength(MaxLengthFor(col));
  m_edit->setText(EntryText(m_files.WeatherData[size_t(row)][size_t(col)]));
  m_editRow = int16_t(row);
  m_editCol = int16_t(col);
  PlaceEditBox();
  m_edit->setFocus();
}

void frmWatch::grdData_Click() { m_edit->setFocus(); }

// Every change of the edit box is an edit of the log, also the program's own loading of a
// cell's text into it: moving onto a cell whose text differs from the box's marks the log
// unsaved, erring on the side of asking before anything could be lost.
void frmWatch::txtEdit_Change() {
  const QString text = m_edit->text();
  m_grid->setText(text);
  m_files.SetEntry(m_grid->row(), m_grid->col(), EntryBytes(text));
}

void frmWatch::txtEdit_KeyPress(int& keyAscii) {
  if (!KeyAccepted(m_grid->col(), keyAscii)) keyAscii = 0;
}

void frmWatch::txtEdit_KeyDown(int& keyCode, int shift) {
  const Cell to = NextCell({m_grid->row(), m_grid->col()}, keyCode, shift);
  if (!m_grid->rowIsVisible(to.row)) {
    m_grid->setTopRow(to.row < m_grid->topRow() ? to.row : m_grid->topRow() + 1);
    m_vsb->setValue(m_grid->topRow());
  }
  m_grid->setCurrentCell(to.row, to.col);
}

void frmWatch::vsbRow_Change() {
  const int offset = m_editRow - m_grid->topRow();
  m_grid->setTopRow(m_vsb->value());
  m_grid->setRow(std::clamp(m_vsb->value() + offset, 1, kDays));
  // A scroll that leaves the edit row where it was still moves the box with the grid.
  PlaceEditBox();
  m_edit->setFocus();
}

// -- the file commands ----------------------------------------------------------------------------

void frmWatch::BuildFileList() {
  if (m_filList->listCount() == 0) return;
  for (int i = 0; i < m_filList->listCount(); ++i)
    m_cbo->addItem(QString::fromStdString(ListEntry(EntryBytes(m_filList->list(i)))));
  m_cbo->setListIndex(0);
}

void frmWatch::EnableFileControls(bool on) {
  for (QWidget* w : {static_cast<QWidget*>(m_new), static_cast<QWidget*>(m_open), static_cast<QWidget*>(m_save),
                     static_cast<QWidget*>(m_print), static_cast<QWidget*>(m_grid)})
    w->setEnabled(on);
}

void frmWatch::ShowFileFrame() {
  EnableFileControls(false);
  m_edit->setEnabled(false);
  m_fraFiles->show();
  m_cbo->setText(EntryText(m_files.FileName));
  // The offered name is selected, so typing replaces it.
  m_cbo->setFocus();
  m_cbo->selectAllText();
}

void frmWatch::cmdOpen_Click() {
  if (!m_files.ConfirmDiscard(Discard::Open)) return;
  m_files.FileMode = 0;
  m_fraFiles->setCaption("Open File");
  ShowFileFrame();
}

void frmWatch::cmdSave_Click() {
  m_files.FileMode = 1;
  m_fraFiles->setCaption("Save File");
  ShowFileFrame();
}

void frmWatch::cmdOK_Click() {
  m_fraFiles->hide();
  m_edit->setEnabled(true);
  if (m_files.FileMode == 0)
    OpenDataFile();
  else if (m_files.FileMode == 1)
    SaveDataFile();
  EnableFileControls(true);
  m_edit->setFocus();
}

void frmWatch::cboFiles_DblClick() {
  // A double click opens the file even when Save showed the frame; the unsaved log is not
  // given up without the Open question.
  if (m_files.FileMode == 1 && !m_files.ConfirmDiscard(Discard::Open)) return;
  m_files.FileMode = 0;
  cmdOK_Click();
}

void frmWatch::cmdCancel_Click() {
  EnableFileControls(true);
  m_edit->setEnabled(true);
  m_tab->setEnabled(true);
  m_fraFiles->hide();
}

void frmWatch::ShowLogInGrid() {
  for (int r = 1; r <= kDays; ++r)
    for (int c = 1; c <= kFields; ++c)
      m_grid->setTextMatrix(r, c, EntryText(m_files.WeatherData[size_t(r)][size_t(c)]));
}

void frmWatch::OpenDataFile() {
  m_noCellUpdate = 1;
  if (m_files.OpenDataFile(Folder(), EntryBytes(m_cbo->text()))) {
    setCaption(EntryText(m_files.Caption()));
    ShowLogInGrid();
    GoToFirstCell();
    // The log is as the file holds it, although the edit box took day 1's text.
    m_files.FileSaved = 1;
  }
  m_noCellUpdate = 0;
  m_edit->setFocus();
}

void frmWatch::SaveDataFile() {
  std::vector<std::string> entries;
  for (int i = 0; i < m_cbo->listCount(); ++i) entries.push_back(EntryBytes(m_cbo->list(i)));
  m_noCellUpdate = 1;
  const bool saved = m_files.SaveDataFile(Folder(), EntryBytes(m_cbo->text()), entries);
  m_noCellUpdate = 0;
  if (saved) {
    setCaption(EntryText(m_files.Caption()));
    m_cbo->clear();
    m_filList->refresh();
    BuildFileList();
  }
  m_edit->setFocus();
}

void frmWatch::cmdNew_Click() {
  if (!m_files.ConfirmDiscard(Discard::New)) return;
  m_noCellUpdate = 1;
  m_files.ClearLog();
  ShowLogInGrid();
  m_edit->setText(QString());
  GoToFirstCell();
  m_files.FileSaved = 1;
  m_edit->setFocus();
}

// -- the plot tab and the printouts ---------------------------------------------------------------

void frmWatch::SSTab1_Click(int previousTab) {
  // The frame counts as shown while its tab is out of sight too.
  if (!m_fraFiles->isHidden()) return;
  if (previousTab == 0)
    PlotWeatherData();
  else
    m_edit->setFocus();
}

void frmWatch::PlotWeatherData() {
  const WeatherSummary s = SummariseWeather(m_files.WeatherData);
  auto set = [this](const char* name, const std::string& text) { label(name)->setCaption(QString::fromStdString(text)); };
  set("lblTempH", s.lblTempH);
  set("lblTempL", s.lblTempL);
  set("lblTHH", s.lblTHH);
  set("lblTLH", s.lblTLH);
  set("lblTHL", s.lblTHL);
  set("lblTLL", s.lblTLL);
  set("lblTAH", s.lblTAH);
  set("lblTAL", s.lblTAL);
  if (s.highs.hasTrend) set("lblHT", s.highs.trendText);
  if (s.lows.hasTrend) set("lblLT", s.lows.trendText);
  set("lblPrecH", s.lblPrecH);
  set("lblPH", s.lblPH);
  set("lblPT", s.lblPT);
  set("lblPressH", s.lblPressH);
  set("lblPressL", s.lblPressL);
  set("lblPresH", s.lblPresH);
  set("lblPresL", s.lblPresL);
  DrawTemperaturePlot(m_picTemp->surface(), s);
  DrawPrecipitationPlot(m_picPrec->surface(), s);
  DrawPressurePlot(m_picPress->surface(), s);
}

void frmWatch::cmdPrint_Click() {
  if (plat::askPrinterReady("Print File")) PrintTable(plat::printer(), m_files.WeatherData, EntryText(m_files.FileName));
  m_edit->setFocus();
}

void frmWatch::cmdPrintPlots_Click() {
  if (!plat::askPrinterReady("Print Plots")) return;
  auto text = [this](const char* name) { return label(name)->caption(); };
  PlotsPage page;
  page.fileName = EntryText(m_files.FileName);
  page.THH = text("lblTHH");
  page.THL = text("lblTHL");
  page.TAH = text("lblTAH");
  page.TAL = text("lblTAL");
  page.TLH = text("lblTLH");
  page.TLL = text("lblTLL");
  page.HT = text("lblHT");
  page.LT = text("lblLT");
  page.PH = text("lblPH");
  page.PT = text("lblPT");
  page.PresH = text("lblPresH");
  page.PresL = text("lblPresL");
  page.TempH = text("lblTempH");
  page.TempL = text("lblTempL");
  page.PrecH = text("lblPrecH");
  page.PrecL = text("lblPrecL");
  page.PressH = text("lblPressH");
  page.PressL = text("lblPressL");
  page.temp = &m_picTemp->surface();
  page.prec = &m_picPrec->surface();
  page.press = &m_picPress->surface();
  PrintPlots(plat::printer(), page);
}

}  // namespace weather
