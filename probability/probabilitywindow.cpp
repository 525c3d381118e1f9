#include "probability/probabilitywindow.h"

#include "platform/button.h"
#include "platform/fonts.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/lineoverlay.h"
#include "platform/panel.h"
#include "platform/picturebox.h"
#include "platform/printer.h"
#include "platform/scrollbar.h"
#include "platform/services.h"
#include "platform/surface.h"
#include "platform/tabcontrol.h"
#include "platform/timer.h"
#include "platform/twips.h"
#include "probability/probdraw.h"
#include "probability/probprint.h"
#include "runtime/numfmt.h"
#include "runtime/random.h"
#include "shell/menuwindow.h"
#include "shell/programfolder.h"
#include "shell/sounds.h"
#include "shell/clocks.h"
#include "shell/settings.h"

namespace prob {

namespace {

constexpr rt::Colour kBlack = 0x000000;
constexpr rt::Colour kWhite = 0xFFFFFF;
constexpr rt::Colour kRed = 0x0000FF;
constexpr rt::Colour kBlue = 0xFF0000;
constexpr rt::Colour kYellow = 0x00FFFF;
constexpr int kFirstHelpTopic = 13;

// The designed sizes of the pictures whose size the experiments measure, in twips.
constexpr int kBoardWidth = 4095, kBoardHeight = 5775;
constexpr int kSheetWidth = 5175, kSheetHeight = 5535;
constexpr int kGraphWidth = 5535, kGraphHeight = 3855, kStripHeight = 375;

rt::RandomSource* g_testRandom = nullptr;

QString q(const std::string& s) { return QString::fromStdString(s); }

plat::Label* label(QWidget* parent, const QString& caption, double l, double t, double w, double h,
                   plat::Label::Align align = plat::Label::Left) {
  auto* lb = new plat::Label(parent, caption);
  lb->setAlignment(align);
  lb->setTransparent();
  plat::placeTwips(lb, l, t, w, h);
  return lb;
}

// A read-out in a white box.
plat::Label* readOut(QWidget* parent, double l, double t, double w, double h, rt::Colour fore = kBlack) {
  auto* lb = new plat::Label(parent, QStringLiteral("0"));
  lb->setAlignment(plat::Label::Center);
  lb->setBackColor(kWhite);
  lb->setForeColor(fore);
  lb->setBorder(true);
  plat::placeTwips(lb, l, t, w, h);
  return lb;
}

plat::ScrollBar* bar(QWidget* parent, const QString& name, int max, int large, double l, double t) {
  auto* b = new plat::HScrollBar(parent);
  b->setRange(1, max);
  b->setLargeChange(large);
  b->setAccessibleCaption(name);
  plat::placeTwips(b, l, t, 2280, 255);
  return b;
}

// Every command button of the four pages has one size.
plat::CommandButton* button(QWidget* parent, const QString& caption, double l, double t,
                            std::function<void()> click) {
  return plat::placeButton(parent, caption, l, t, 1455, 435, std::move(click));
}

// Sets a bar from a stored value without its Change firing; the caller runs Change itself,
// once, as the load step does whether or not the value moved.
void setQuietly(plat::ScrollBar* b, int v) {
  auto change = std::move(b->onChange);
  b->onChange = nullptr;
  b->setValue(v);
  b->onChange = std::move(change);
}

// A legend entry: a short line in the given colour beside its caption.
void legend(QWidget* page, const QString& caption, rt::Colour colour, double l, double t) {
  auto* line = new plat::Line(page);
  line->setBorderColor(colour);
  line->setBorderWidth(2);
  line->setEndsTwips(l, t + 120, l + 480, t + 120);
  label(page, caption, l + 600, t, 900, 255);
}

}  // namespace

void ProbabilityWindow::useRandomSource(rt::RandomSource* source) { g_testRandom = source; }

ProbabilityWindow::ProbabilityWindow() {
  setCaption(QStringLiteral("Probability"));
  setBackColor(kLightYellow);
  setClientSizeTwips(9480, 6840);
  setHelp(QStringLiteral("vtrel.hlp"), kFirstHelpTopic);

  m_tabs = new plat::TabControl(this, 4);
  plat::placeTwips(m_tabs, 120, 120, 9255, 6615);
  m_tabs->setBackColor(kLightYellow);
  const char* captions[4] = {"Coins", "Marbles", "Dice", "Toothpicks"};
  for (int i = 0; i < 4; ++i) m_tabs->setTabCaption(i, QString::fromLatin1(captions[i]));
  // F1 opens the topic of the page in front, as its Help button does.
  m_tabs->onClick = [this](int) { setHelp(QStringLiteral("vtrel.hlp"), kFirstHelpTopic + m_tabs->tab()); };

  BuildCoinsPage(m_tabs->page(0));
  BuildMarblesPage(m_tabs->page(1));
  BuildDicePage(m_tabs->page(2));
  BuildToothpicksPage(m_tabs->page(3));
}

ProbabilityWindow::~ProbabilityWindow() = default;

void ProbabilityWindow::AddHelpAndExit(QWidget* page, int index, int left, int top) {
  m_help.set(index, button(page, QStringLiteral("&Help"), left, top, [this, index] { cmdSHelp_Click(index); }));
  m_exit.set(index,
             button(page, QStringLiteral("E&xit"), left + 1575, top, [this, index] { cmdExit_Click(index); }));
}

// -- the pages ------------------------------------------------------------------------------

void ProbabilityWindow::BuildCoinsPage(QWidget* page) {
  for (int s = 0; s < 5; ++s) {
    auto* img = new plat::ImageBox(page);
    img->setStretch(true);
    plat::placeTwips(img, 360 + 1080 * s, 480, 975, 975);
    m_picShow[size_t(s)] = img;
  }
  // Legend and axis title between the coins and the graph.
  legend(page, QStringLiteral("Theory"), kRed, 360, 1680);
  legend(page, QStringLiteral("Actual"), kBlack, 360, 1980);
  label(page, QStringLiteral("Number of Heads"), 2400, 1830, 2400, 255, plat::Label::Center)
      ->setFont(plat::screenFont("MS Sans Serif", 9.75, true));

  m_picCoin = new plat::PictureBox(page, kWhite);
  plat::placeTwips(m_picCoin, 240, 2280, kGraphWidth, kGraphHeight);
  m_picCoinHidden = std::make_unique<plat::ImageSurface>(m_picCoin->surface().deviceWidth(),
                                                         m_picCoin->surface().deviceHeight(), kWhite);
  m_picCoinLabel = new plat::PictureBox(page, kWhite);
  plat::placeTwips(m_picCoinLabel, 240, 2280 + kGraphHeight, kGraphWidth, kStripHeight);
  m_picCoinLabel->surface().setFont(QStringLiteral("MS Sans Serif"), 12, true);

  label(page, QStringLiteral("How Many Coins?"), 6000, 480, 2280, 255);
  m_hsbCoin = bar(page, QStringLiteral("How Many Coins?"), 5, 1, 6000, 750);
  m_lblCoin = readOut(page, 8400, 720, 615, 315);
  label(page, QStringLiteral("How Many Flips?"), 6000, 1140, 2280, 255);
  m_hsbFlips = bar(page, QStringLiteral("How Many Flips?"), 500, 10, 6000, 1410);
  m_lblFlips = readOut(page, 8400, 1380, 615, 315);

  m_fraCoin = new plat::Frame(page, QStringLiteral("Totals For 0 Flips"));
  plat::placeTwips(m_fraCoin, 6000, 1800, 3015, 2640);
  label(m_fraCoin, QStringLiteral("Heads"), 120, 240, 840, 255, plat::Label::Center);
  label(m_fraCoin, QStringLiteral("Actual"), 1080, 240, 840, 255, plat::Label::Center);
  label(m_fraCoin, QStringLiteral("Theory"), 2040, 240, 840, 255, plat::Label::Center);
  for (int k = 0; k <= 5; ++k) {
    const double top = 540 + 330 * k;
    auto* nh = readOut(m_fraCoin, 120, top, 840, 300, kYellow);
    nh->setBackColor(kBlue);
    nh->setCaption(QString::number(k));
    m_lblNH[size_t(k)] = nh;
    m_lblHA[size_t(k)] = readOut(m_fraCoin, 1080, top, 840, 300);
    m_lblHT[size_t(k)] = readOut(m_fraCoin, 2040, top, 840, 300, kRed);
  }

  m_cmdFlip = button(page, QStringLiteral("&Flip Coins"), 6000, 4560, [this] { cmdFlip_Click(); });
  m_cmdClearCoin = button(page, QStringLiteral("&Clear"), 7575, 4560, [this] { cmdClearCoin_Click(); });
  m_cmdPrintCoin = button(page, QStringLiteral("&Print"), 6000, 5100, [this] { cmdPrintCoin_Click(); });
  AddHelpAndExit(page, 0, 6000, 5640);

  m_timFlip = new plat::Timer(this);
  m_timFlip->setInterval(100);
  m_timFlip->onTimer = [this] { timFlip_Timer(); };
  m_hsbCoin->onChange = m_hsbCoin->onScroll = [this] { hsbCoin_Change(); };
  m_hsbFlips->onChange = m_hsbFlips->onScroll = [this] { hsbFlips_Change(); };
}

void ProbabilityWindow::BuildDicePage(QWidget* page) {
  for (int s = 0; s < 5; ++s) {
    auto* img = new plat::ImageBox(page);
    img->setStretch(true);
    plat::placeTwips(img, 480 + 1080 * s, 480, 855, 855);
    m_imgDice[size_t(s)] = img;
  }
  legend(page, QStringLiteral("Theory"), kRed, 360, 1560);
  legend(page, QStringLiteral("Actual"), kBlack, 360, 1860);
  label(page, QStringLiteral("Total On Dice"), 2400, 1710, 2400, 255, plat::Label::Center)
      ->setFont(plat::screenFont("MS Sans Serif", 9.75, true));

  m_picDice = new plat::PictureBox(page, kWhite);
  plat::placeTwips(m_picDice, 240, 2160, kGraphWidth, kGraphHeight);
  m_picDiceHidden = std::make_unique<plat::ImageSurface>(m_picDice->surface().deviceWidth(),
                                                         m_picDice->surface().deviceHeight(), kWhite);
  m_picDiceLabel = new plat::PictureBox(page, kWhite);
  plat::placeTwips(m_picDiceLabel, 240, 2160 + kGraphHeight, kGraphWidth, kStripHeight);
  m_picDiceLabel->surface().setFont(QStringLiteral("MS Sans Serif"), 12, true);

  label(page, QStringLiteral("How Many Dice?"), 6000, 480, 2280, 255);
  m_hsbDice = bar(page, QStringLiteral("How Many Dice?"), 5, 1, 6000, 750);
  m_lblDice = readOut(page, 8400, 720, 615, 315);
  label(page, QStringLiteral("How Many Rolls?"), 6000, 1140, 2280, 255);
  m_hsbRolls = bar(page, QStringLiteral("How Many Rolls?"), 500, 10, 6000, 1410);
  m_lblRolls = readOut(page, 8400, 1380, 615, 315);
  label(page, QStringLiteral("Number of Rolls"), 6000, 2040, 2280, 255);
  m_lblNRolls = readOut(page, 8160, 2010, 855, 315);
  label(page, QStringLiteral("Current Dice Total"), 6000, 2520, 2280, 255);
  m_lblTotal = readOut(page, 8160, 2490, 855, 315);

  m_cmdRollDice = button(page, QStringLiteral("&Roll Dice"), 6000, 4560, [this] { cmdRollDice_Click(); });
  m_cmdClearDice = button(page, QStringLiteral("&Clear"), 7575, 4560, [this] { cmdClearDice_Click(); });
  m_cmdPrintDice = button(page, QStringLiteral("&Print"), 6000, 5100, [this] { cmdPrintDice_Click(); });
  AddHelpAndExit(page, 2, 6000, 5640);

  m_timRoll = new plat::Timer(this);
  m_timRoll->setInterval(100);
  m_timRoll->onTimer = [this] { timRoll_Timer(); };
  m_hsbDice->onChange = m_hsbDice->onScroll = [this] { hsbDice_Change(); };
  m_hsbRolls->onChange = m_hsbRolls->onScroll = [this] { hsbRolls_Change(); };
}

void ProbabilityWindow::BuildMarblesPage(QWidget* page) {
  m_picTriangle = new plat::PictureBox(page, kLightYellow);
  m_picTriangle->setBorder(true);
  plat::placeTwips(m_picTriangle, 600, 600, kBoardWidth, kBoardHeight);
  m_picTriangle->surface().setFont(QStringLiteral("Arial"), 12);
  m_picTriangle->surface().setFontBold(false);

  m_fraMarbles = new plat::Frame(page, QStringLiteral("Totals for 0 Marbles"));
  plat::placeTwips(m_fraMarbles, 5160, 600, 3735, 2760);
  label(m_fraMarbles, QStringLiteral("Actual"), 1200, 240, 1080, 255, plat::Label::Center);
  label(m_fraMarbles, QStringLiteral("Theory"), 2400, 240, 1080, 255, plat::Label::Center);
  for (int b = 0; b < 6; ++b) {
    const double top = 600 + 345 * b;
    label(m_fraMarbles, QStringLiteral("Bin %1").arg(b + 1), 240, top + 30, 900, 255);
    m_lblBin[size_t(b)] = readOut(m_fraMarbles, 1200, top, 1080, 300);
    m_lblMT[size_t(b)] = readOut(m_fraMarbles, 2400, top, 1080, 300, kRed);
  }

  m_cmdDropBall = button(page, QStringLiteral("&Drop"), 5160, 3840, [this] { cmdDropBall_Click(); });
  m_cmdClearBall = button(page, QStringLiteral("&Clear"), 6735, 3840, [this] { cmdClearBall_Click(); });
  m_cmdPrintBall = button(page, QStringLiteral("&Print"), 5160, 4440, [this] { cmdPrintBall_Click(); });
  AddHelpAndExit(page, 1, 5160, 5640);

  m_timDropBall = new plat::Timer(this);
  m_timDropBall->setInterval(MarbleBoard::kStepMs);
  m_timDropBall->onTimer = [this] { timDropBall_Timer(); };
}

void ProbabilityWindow::BuildToothpicksPage(QWidget* page) {
  m_picPick = new plat::PictureBox(page, kBlack);
  m_picPick->setBorder(true);
  plat::placeTwips(m_picPick, 480, 735, kSheetWidth, kSheetHeight);

  auto* panel = new plat::Panel(page);
  plat::placeTwips(panel, 6000, 960, 3135, 1815);
  const char* titles[3] = {"Dropped (D)", "Crossed (C)", "2D/C ="};
  std::array<plat::Label*, 3> values{};
  for (int i = 0; i < 3; ++i) {
    auto* t = new plat::Label(panel, QString::fromLatin1(titles[i]));
    t->setBackColor(kRed);
    t->setForeColor(kWhite);
    t->setAlignment(plat::Label::Center);
    plat::placeTwips(t, 120, 150 + 555 * i, 1335, 375);
    values[size_t(i)] = readOut(panel, 1575, 150 + 555 * i, 1440, 375, i < 2 ? kBlue : kBlack);
  }
  m_lblDrops = values[0];
  m_lblHits = values[1];
  m_lblPI = values[2];
  m_lblPI->setCaption(QString());

  auto* frame = new plat::Frame(page, QStringLiteral("Drop How Many?"));
  plat::placeTwips(frame, 6000, 3000, 3135, 2295);
  m_hsbGroup = bar(frame, QStringLiteral("Drop How Many?"), 500, 10, 120, 360);
  m_lblGroup = readOut(frame, 2520, 330, 495, 315);
  m_cmdDrop = button(frame, QStringLiteral("&Drop"), 120, 960, [this] { cmdDrop_Click(); });
  m_cmdClear = button(frame, QStringLiteral("&Clear"), 1560, 960, [this] { cmdClear_Click(); });
  AddHelpAndExit(page, 3, 6000, 5640);

  m_timDrop = new plat::Timer(this);
  m_timDrop->setInterval(10);
  m_timDrop->onTimer = [this] { timDrop_Timer(); };
  m_hsbGroup->onChange = m_hsbGroup->onScroll = [this] { hsbGroup_Change(); };
}

// -- load, help and exit --------------------------------------------------------------------

void ProbabilityWindow::Form_Load() {
  if (g_testRandom) {
    m_random = g_testRandom;
  } else {
    m_ownRandom = std::make_unique<rt::TimeSeededRandom>(shell::timeOfDay().seconds());
    m_random = m_ownRandom.get();
  }
  m_loading = 1;
  m_dingWave = shell::AppFilePath(QStringLiteral("ding.wav"));
  m_boingWave = shell::AppFilePath(QStringLiteral("boing.wav"));
  for (int f = 0; f < 2; ++f) m_coinFaces[size_t(f)] = plat::loadPicture(f == 0 ? "coinheads.png" : "cointails.png");
  for (int d = 1; d <= 6; ++d) m_diceFaces[size_t(d)] = plat::loadPicture(QStringLiteral("dice%1.png").arg(d));
  m_tabs->setTab(0);

  // Every opening starts from zero counts.
  m_coins = std::make_unique<CoinsExperiment>(*m_random);
  m_dice = std::make_unique<DiceExperiment>(*m_random);
  m_marbles = std::make_unique<MarbleBoard>(*m_random, static_cast<MarbleHost&>(*this));
  m_picks = std::make_unique<ToothpickDrop>(*m_random, static_cast<ToothpickHost&>(*this));

  // A stored value outside a bar's range is brought into it by the bar, and its Change
  // stores the value the bar holds.
  const shell::SharedSettings& s = shell::settings();
  setQuietly(m_hsbFlips, s.NumFlips);
  hsbFlips_Change();
  setQuietly(m_hsbCoin, s.NumCoins);
  hsbCoin_Change();

  m_marbles->Load(kBoardWidth, kBoardHeight);
  ShowCounts();
  ShowMarbleRunState();

  setQuietly(m_hsbRolls, s.NumRolls);
  hsbRolls_Change();
  setQuietly(m_hsbDice, s.NumDice);
  hsbDice_Change();
  m_dice->RandomFaces();
  ShowDice();

  m_picks->Load(kSheetWidth, kSheetHeight);
  setQuietly(m_hsbGroup, s.DropGroup);
  hsbGroup_Change();
  m_lblDrops->setCaption(QStringLiteral("0"));
  m_lblHits->setCaption(QStringLiteral("0"));
  m_lblPI->setCaption(QString());
  ShowPicksRunState();

  centreOnScreen();
  m_loading = 0;
}

void ProbabilityWindow::Form_Unload() {
  // Running experiments end with the window.
  for (plat::Timer* t : {m_timFlip, m_timRoll, m_timDropBall, m_timDrop}) t->setEnabled(false);
}

void ProbabilityWindow::LeaveWindow() {
  Unload();
  returnToMenu();
}

void ProbabilityWindow::closeFromTitleBar() { LeaveWindow(); }

void ProbabilityWindow::cmdExit_Click(int) { LeaveWindow(); }

void ProbabilityWindow::cmdSHelp_Click(int) {
  plat::help().showTopic(shell::BasePath + QStringLiteral("vtrel.hlp"), kFirstHelpTopic + m_tabs->tab());
}

// -- coins ----------------------------------------------------------------------------------

void ProbabilityWindow::hsbCoin_Change() {
  const int16_t n = int16_t(m_hsbCoin->value());
  shell::settings().NumCoins = n;
  m_lblCoin->setCaption(q(rt::Format(n, "#")));
  m_lblCoin->refresh();
  m_coins->SetNumCoins(n);
  ShowCoins();
  DrawAxisStrip(m_picCoinLabel->surface(), m_coins->Graph());
  if (!m_loading) m_cmdFlip->setFocus();
}

void ProbabilityWindow::hsbFlips_Change() {
  const int16_t n = int16_t(m_hsbFlips->value());
  shell::settings().NumFlips = n;
  m_coins->SetNumFlips(n);
  m_lblFlips->setCaption(q(rt::Format(n, "###")));
  m_lblFlips->refresh();
  if (!m_loading) m_cmdFlip->setFocus();
}

void ProbabilityWindow::cmdFlip_Click() {
  m_coins->StartPause();
  ShowCoinsRunState();
  m_cmdFlip->setFocus();
}

void ProbabilityWindow::timFlip_Timer() {
  m_coins->Tick();
  ShowCoins();
  ShowCoinsRunState();
}

void ProbabilityWindow::cmdClearCoin_Click() {
  m_coins->Clear();
  ShowCoins();
  DrawAxisStrip(m_picCoinLabel->surface(), m_coins->Graph());
}

void ProbabilityWindow::ShowCoins() {
  const CoinsExperiment& c = *m_coins;
  for (int s = 0; s < 5; ++s) {
    const int face = c.Face(s);
    m_picShow[size_t(s)]->setVisible(face >= 0);
    if (face >= 0) {
      m_picShow[size_t(s)]->setPicture(m_coinFaces[size_t(face)]);
      m_picShow[size_t(s)]->setAccessibleName(face == 0 ? QStringLiteral("Heads") : QStringLiteral("Tails"));
    }
  }
  m_fraCoin->setCaption(q(c.FrameCaption()));
  for (int k = 0; k <= 5; ++k) {
    const bool on = c.RowVisible(k);
    m_lblNH[size_t(k)]->setVisible(on);
    m_lblHA[size_t(k)]->setVisible(on);
    m_lblHT[size_t(k)]->setVisible(on);
    m_lblHA[size_t(k)]->setCaption(q(c.ActualText(k)));
    m_lblHT[size_t(k)]->setCaption(q(c.TheoryText(k)));
  }
  DrawCoinGraph();
}

void ProbabilityWindow::DrawCoinGraph() { DrawGraph(*m_picCoinHidden, m_picCoin->surface(), m_coins->Graph()); }

void ProbabilityWindow::ShowCoinsRunState() {
  const bool stopped = !m_coins->Running();
  m_timFlip->setEnabled(!stopped);
  m_hsbCoin->setEnabled(stopped);
  m_hsbFlips->setEnabled(stopped);
  m_cmdClearCoin->setEnabled(stopped);
  m_cmdPrintCoin->setEnabled(stopped);
  m_cmdFlip->setCaption(q(m_coins->ButtonCaption()));
}

void ProbabilityWindow::cmdPrintCoin_Click() {
  if (!plat::askPrinterReady(QStringLiteral("Print Coins Results"))) return;
  PrintCoins(plat::printer(), *m_coins, *m_picCoinHidden, m_picCoinLabel->surface());
  plat::printer().endDoc();
}

// -- dice -----------------------------------------------------------------------------------

void ProbabilityWindow::hsbDice_Change() {
  const int16_t n = int16_t(m_hsbDice->value());
  shell::settings().NumDice = n;
  m_lblDice->setCaption(q(rt::Format(n, "#")));
  m_lblDice->refresh();
  m_dice->SetNumDice(n);
  ShowDice();
  DrawAxisStrip(m_picDiceLabel->surface(), m_dice->Graph());
  if (!m_loading) m_cmdRollDice->setFocus();
}

void ProbabilityWindow::hsbRolls_Change() {
  const int16_t n = int16_t(m_hsbRolls->value());
  shell::settings().NumRolls = n;
  m_dice->SetNumRolls(n);
  m_lblRolls->setCaption(q(rt::Format(n, "###")));
  m_lblRolls->refresh();
  if (!m_loading) m_cmdRollDice->setFocus();
}

void ProbabilityWindow::cmdRollDice_Click() {
  m_dice->StartPause();
  ShowDiceRunState();
  m_cmdRollDice->setFocus();
}

void ProbabilityWindow::timRoll_Timer() {
  m_dice->Tick();
  ShowDice();
  ShowDiceRunState();
}

void ProbabilityWindow::cmdClearDice_Click() {
  m_dice->Clear();
  ShowDice();
  DrawAxisStrip(m_picDiceLabel->surface(), m_dice->Graph());
}

void ProbabilityWindow::ShowDice() {
  const DiceExperiment& d = *m_dice;
  for (int s = 0; s < 5; ++s) {
    m_imgDice[size_t(s)]->setVisible(d.SlotVisible(s));
    m_imgDice[size_t(s)]->setPicture(m_diceFaces[size_t(d.Face(s))]);
    m_imgDice[size_t(s)]->setAccessibleName(QStringLiteral("Die showing %1").arg(d.Face(s)));
  }
  m_lblNRolls->setCaption(q(d.RollsText()));
  m_lblTotal->setCaption(q(d.TotalText()));
  DrawDiceGraph();
}

void ProbabilityWindow::DrawDiceGraph() { DrawGraph(*m_picDiceHidden, m_picDice->surface(), m_dice->Graph()); }

void ProbabilityWindow::ShowDiceRunState() {
  const bool stopped = !m_dice->Running();
  m_timRoll->setEnabled(!stopped);
  m_hsbDice->setEnabled(stopped);
  m_hsbRolls->setEnabled(stopped);
  m_cmdClearDice->setEnabled(stopped);
  m_cmdPrintDice->setEnabled(stopped);
  m_cmdRollDice->setCaption(q(m_dice->ButtonCaption()));
}

void ProbabilityWindow::cmdPrintDice_Click() {
  if (!plat::askPrinterReady(QStringLiteral("Print Dice Results"))) return;
  PrintDice(plat::printer(), *m_dice, *m_picDiceHidden, m_picDiceLabel->surface());
  plat::printer().endDoc();
}

// -- marbles --------------------------------------------------------------------------------

void ProbabilityWindow::cmdDropBall_Click() {
  m_marbles->StartPause();
  ShowMarbleRunState();
  m_cmdDropBall->setFocus();
}

void ProbabilityWindow::timDropBall_Timer() {
  m_marbles->Tick();
  ShowMarbleRunState();
}

void ProbabilityWindow::cmdClearBall_Click() {
  m_marbles->Clear();
  m_cmdDropBall->setFocus();
}

void ProbabilityWindow::ShowMarbleRunState() {
  const bool stopped = !m_marbles->Running();
  m_timDropBall->setEnabled(!stopped);
  m_cmdClearBall->setEnabled(stopped);
  m_cmdPrintBall->setEnabled(stopped);
  m_cmdDropBall->setCaption(q(m_marbles->ButtonCaption()));
}

void ProbabilityWindow::DrawBoard() {
  DrawMarbleBoard(m_picTriangle->surface(), m_marbles->XUnit(), m_marbles->YUnit());
}

void ProbabilityWindow::DrawMarble(float col, float row, rt::Colour colour) {
  DrawMarbleAt(m_picTriangle->surface(), m_marbles->XUnit(), m_marbles->YUnit(), col, row, colour);
}

void ProbabilityWindow::EraseMarble(float col, float row) {
  EraseMarbleAt(m_picTriangle->surface(), m_marbles->XUnit(), m_marbles->YUnit(), col, row);
}

void ProbabilityWindow::PlayBoing() { shell::PlayWave(m_boingWave, 1); }

void ProbabilityWindow::PlayDing() { shell::PlayWave(m_dingWave, 1); }

void ProbabilityWindow::Delay(float seconds) { shell::Delay(seconds); }

void ProbabilityWindow::ShowCounts() {
  const MarbleBoard& m = *m_marbles;
  m_fraMarbles->setCaption(q(m.FrameCaption()));
  m_fraMarbles->repaint();
  for (int b = 0; b < 6; ++b) {
    m_lblBin[size_t(b)]->setCaption(q(m.BinText(b)));
    m_lblMT[size_t(b)]->setCaption(q(m.TheoryText(b)));
    m_lblBin[size_t(b)]->refresh();
    m_lblMT[size_t(b)]->refresh();
  }
}

void ProbabilityWindow::cmdPrintBall_Click() {
  if (!plat::askPrinterReady(QStringLiteral("Print Marbles Results"))) return;
  MarbleTable table;
  table.totalMarbles = m_marbles->TotalMarbles();
  for (int b = 0; b < 6; ++b) {
    table.actual[size_t(b)] = m_lblBin[size_t(b)]->caption();
    table.theory[size_t(b)] = m_lblMT[size_t(b)]->caption();
  }
  PrintMarbles(plat::printer(), table, m_picTriangle->surface());
  plat::printer().endDoc();
}

// -- toothpicks -----------------------------------------------------------------------------

void ProbabilityWindow::hsbGroup_Change() {
  const int16_t n = int16_t(m_hsbGroup->value());
  shell::settings().DropGroup = n;
  m_picks->SetDropGroup(n);
  m_lblGroup->setCaption(q(rt::Format(n, "###")));
  m_lblGroup->refresh();
  if (!m_loading) m_cmdDrop->setFocus();
}

void ProbabilityWindow::cmdDrop_Click() {
  m_picks->StartPause();
  ShowPicksRunState();
  m_cmdDrop->setFocus();
}

void ProbabilityWindow::timDrop_Timer() {
  m_picks->Tick();
  const ToothpickDrop& p = *m_picks;
  m_lblDrops->setCaption(q(p.DropsText()));
  m_lblHits->setCaption(q(p.HitsText()));
  m_lblPI->setCaption(q(p.PiText()));
  m_lblDrops->refresh();
  m_lblHits->refresh();
  m_lblPI->refresh();
  ShowPicksRunState();
}

void ProbabilityWindow::cmdClear_Click() {
  m_picks->Clear();
  m_lblDrops->setCaption(QStringLiteral("0"));
  m_lblHits->setCaption(QStringLiteral("0"));
  m_lblPI->setCaption(QString());
  m_picPick->refresh();
  m_cmdDrop->setFocus();
}

void ProbabilityWindow::ShowPicksRunState() {
  const bool stopped = !m_picks->Running();
  m_timDrop->setEnabled(!stopped);
  m_cmdClear->setEnabled(stopped);
  m_hsbGroup->setEnabled(stopped);
  m_cmdDrop->setCaption(q(m_picks->ButtonCaption()));
}

void ProbabilityWindow::ClearSheet() { m_picPick->surface().cls(); }

void ProbabilityWindow::DrawRuledLine(int16_t y) { prob::DrawRuledLine(m_picPick->surface(), y, kSheetWidth); }

void ProbabilityWindow::DrawToothpick(double x1, double y1, double x2, double y2, rt::Colour colour) {
  DrawToothpickLine(m_picPick->surface(), x1, y1, x2, y2, colour);
}

}  // namespace prob
