#include "probability/probabilitywindow.h"

#include "platform/button.h"
#include "platform/controlarray.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/layout.h"
#include "platform/lineoverlay.h"
#include "platform/panel.h"
#include "platform/picturebox.h"
#include "platform/printer.h"
#include "platform/scrollbar.h"
#include "platform/services.h"
#include "platform/surface.h"
#include "platform/tabcontrol.h"
#include "platform/timer.h"
#include "probability/probabilitylayout.h"
#include "probability/probdraw.h"
#include "probability/probprint.h"
#include "runtime/numfmt.h"
#include "runtime/palette.h"
#include "runtime/random.h"
#include "shell/clocks.h"
#include "shell/programfolder.h"
#include "shell/settings.h"
#include "shell/sounds.h"

namespace probability {

using namespace layout;

namespace {

// The help file; each page has its own topic, from the coins' on in tab order.
constexpr const char* kHelpFile = "vtrel.hlp";
constexpr int kFirstHelpTopic = 13;

QString q(const std::string& s) { return QString::fromStdString(s); }

plat::CommandButton* button(QWidget* parent, const plat::ControlRow& row, std::function<void()> click) {
  auto* b = plat::build<plat::CommandButton>(parent, row);
  b->onClick = std::move(click);
  return b;
}

plat::Timer* timer(QObject* owner, int intervalMs, std::function<void()> tick) {
  auto* t = new plat::Timer(owner);
  t->setInterval(intervalMs);
  t->onTimer = std::move(tick);
  return t;
}

// Sets a bar from a stored value without its Change firing; the caller runs Change itself,
// once, as the load step does whether or not the value moved.
void setQuietly(plat::ScrollBar* b, int v) {
  auto change = std::move(b->onChange);
  b->onChange = nullptr;
  b->setValue(v);
  b->onChange = std::move(change);
}

// A legend entry: a short line in the entry's colour to the left of its caption.
void legend(QWidget* page, const LegendRow& entry) {
  const plat::ControlRow& c = entry.caption;
  auto* line = new plat::Line(page);
  line->setBorderColor(entry.colour);
  line->setBorderWidth(2);
  line->setEndsTwips(c.left - 600, c.top + 120, c.left - 120, c.top + 120);
  plat::buildCaption(page, c);
}

// The stretched pictures of a row of coins or dice, named by their role and slot.
template <size_t N>
void buildImages(QWidget* page, const ControlRow (&rows)[N], std::array<plat::ImageBox*, N>& images,
                 const QString& role) {
  for (size_t s = 0; s < N; ++s) {
    images[s] = plat::build<plat::ImageBox>(page, rows[s]);
    images[s]->setStretch(true);
    plat::nameInRow(images[s], role, s);
  }
}

// A frequency graph as its rows place it. The graph is drawn whole on a hidden copy of its
// size and then shown, so it never shows half drawn.
struct BuiltGraph {
  plat::PictureBox* graph;
  std::unique_ptr<plat::ImageSurface> hidden;
  plat::PictureBox* strip;
};

BuiltGraph buildGraph(QWidget* page, const GraphRows& rows) {
  for (const LegendRow& entry : rows.legend) legend(page, entry);
  plat::buildCaption(page, rows.axisTitle, plat::Label::Center);
  BuiltGraph g;
  g.graph = plat::build<plat::PictureBox>(page, rows.graph, rt::palette::kWhite);
  g.hidden = std::make_unique<plat::ImageSurface>(g.graph->surface().deviceWidth(), g.graph->surface().deviceHeight(),
                                                  rt::palette::kWhite);
  g.strip = plat::build<plat::PictureBox>(page, rows.strip, rt::palette::kWhite);
  g.strip->surface().setFont(QStringLiteral("MS Sans Serif"), 12, true);
  return g;
}

}  // namespace

ProbabilityWindow::ProbabilityWindow() {
  setCaption(QStringLiteral("Probability"));
  setBackColor(rt::palette::kPaleYellow);
  setClientSizeTwips(kClientWidth, kClientHeight);
  setHelp(kHelpFile, kFirstHelpTopic);

  m_experimentTabs = new plat::TabControl(this, 4);
  m_experimentTabs->setObjectName("experimentTabs");
  plat::applyRow(m_experimentTabs, kTabs);
  m_experimentTabs->setBackColor(rt::palette::kPaleYellow);
  for (int i = 0; i < 4; ++i) m_experimentTabs->setTabCaption(i, QString::fromLatin1(kTabCaptions[i]));
  // Help and F1 open the topic of the page in front.
  m_experimentTabs->onClick = [this](int) { setHelp(kHelpFile, kFirstHelpTopic + m_experimentTabs->tab()); };

  buildCoinsPage(m_experimentTabs->page(CoinsPage));
  buildMarblesPage(m_experimentTabs->page(MarblesPage));
  buildDicePage(m_experimentTabs->page(DicePage));
  buildToothpicksPage(m_experimentTabs->page(ToothpicksPage));
}

ProbabilityWindow::~ProbabilityWindow() = default;

void ProbabilityWindow::addHelpAndExit(QWidget* page, int index) {
  m_helpButtons.setRole("helpButton");
  m_exitButtons.setRole("exitButton");
  m_helpButtons.set(index, button(page, kHelpButtons[index], [this] { showHelp(); }));
  m_exitButtons.set(index, button(page, kExitButtons[index], [this] { leaveWindow(); }));
}

// -- the pages ------------------------------------------------------------------------------

void ProbabilityWindow::buildCoinsPage(QWidget* page) {
  buildImages(page, kCoinImages, m_coinImages, "coinImage");
  BuiltGraph graph = buildGraph(page, kCoinGraph);
  m_coinGraph = graph.graph;
  m_coinGraphHidden = std::move(graph.hidden);
  m_coinAxisStrip = graph.strip;
  m_coinGraph->setObjectName("coinGraph");
  m_coinAxisStrip->setObjectName("coinAxisStrip");
  m_coinGraph->setAccessibleName("Coins graph: how often each number of heads came up, actual and theory");
  m_coinAxisStrip->setAccessibleName("Number of heads, 0 to 5");

  plat::Label* coinsTitle = plat::buildCaption(page, kCoinsTitle);
  m_coinsBar = plat::buildBar<plat::HScrollBar>(page, kCoinsBar);
  m_coinsReadout = plat::buildReadout(page, kCoinsReadout);
  plat::Label* flipsTitle = plat::buildCaption(page, kFlipsTitle);
  m_flipsBar = plat::buildBar<plat::HScrollBar>(page, kFlipsBar);
  m_flipsReadout = plat::buildReadout(page, kFlipsReadout);
  m_coinsBar->setObjectName("coinsBar");
  m_coinsReadout->setObjectName("coinsReadout");
  m_flipsBar->setObjectName("flipsBar");
  m_flipsReadout->setObjectName("flipsReadout");
  m_coinsReadout->setHeardCaptions({coinsTitle});
  m_flipsReadout->setHeardCaptions({flipsTitle});
  buildCoinsTotals(page);

  m_flipButton = button(page, kFlipButton, [this] { startPauseFlips(); });
  m_clearCoinsButton = button(page, kClearCoinsButton, [this] { clearCoins(); });
  m_printCoinsButton = button(page, kPrintCoinsButton, [this] { printCoins(); });
  m_flipButton->setObjectName("flipButton");
  m_clearCoinsButton->setObjectName("clearCoinsButton");
  m_printCoinsButton->setObjectName("printCoinsButton");
  addHelpAndExit(page, CoinsPage);

  m_flipTimer = timer(this, 100, [this] { flipStep(); });
  m_flipTimer->setObjectName("flipTimer");
  m_coinsBar->onChange = m_coinsBar->onScroll = [this] { setCoinCount(); };
  m_flipsBar->onChange = m_flipsBar->onScroll = [this] { setFlipCount(); };
}

void ProbabilityWindow::buildCoinsTotals(QWidget* page) {
  m_coinTotalsFrame = plat::build<plat::Frame>(page, kCoinTotalsFrame);
  m_coinTotalsFrame->setObjectName("coinTotalsFrame");
  std::array<plat::Label*, 3> titles{};
  for (size_t i = 0; i < titles.size(); ++i)
    titles[i] = plat::buildCaption(m_coinTotalsFrame, kCoinTotalsTitles[i], plat::Label::Center);
  for (size_t k = 0; k <= 5; ++k) {
    m_headsLabels[k] = plat::buildReadout(m_coinTotalsFrame, kHeadsLabels[k]);
    m_headsActual[k] = plat::buildReadout(m_coinTotalsFrame, kHeadsActual[k]);
    m_headsTheory[k] = plat::buildReadout(m_coinTotalsFrame, kHeadsTheory[k]);
    plat::nameInRow(m_headsLabels[k], "headsLabel", k);
    plat::nameInRow(m_headsActual[k], "headsActual", k);
    plat::nameInRow(m_headsTheory[k], "headsTheory", k);
    // "Heads 3 Actual 12": each count with its row's number of heads and its column.
    m_headsLabels[k]->setHeardCaptions({titles[0]});
    m_headsActual[k]->setHeardCaptions({m_headsLabels[k], titles[1]});
    m_headsTheory[k]->setHeardCaptions({m_headsLabels[k], titles[2]});
  }
}

void ProbabilityWindow::buildDicePage(QWidget* page) {
  buildImages(page, kDieImages, m_dieImages, "dieImage");
  BuiltGraph graph = buildGraph(page, kDiceGraph);
  m_diceGraph = graph.graph;
  m_diceGraphHidden = std::move(graph.hidden);
  m_diceAxisStrip = graph.strip;
  m_diceGraph->setObjectName("diceGraph");
  m_diceAxisStrip->setObjectName("diceAxisStrip");
  m_diceGraph->setAccessibleName("Dice graph: how often each total came up, actual and theory");
  m_diceAxisStrip->setAccessibleName("Dice total");

  plat::Label* diceTitle = plat::buildCaption(page, kDiceTitle);
  m_diceBar = plat::buildBar<plat::HScrollBar>(page, kDiceBar);
  m_diceReadout = plat::buildReadout(page, kDiceReadout);
  plat::Label* rollsTitle = plat::buildCaption(page, kRollsTitle);
  m_rollsBar = plat::buildBar<plat::HScrollBar>(page, kRollsBar);
  m_rollsReadout = plat::buildReadout(page, kRollsReadout);
  plat::Label* rollCountTitle = plat::buildCaption(page, kRollCountTitle);
  m_rollCountReadout = plat::buildReadout(page, kRollCountReadout);
  plat::Label* diceTotalTitle = plat::buildCaption(page, kDiceTotalTitle);
  m_diceTotalReadout = plat::buildReadout(page, kDiceTotalReadout);
  m_diceBar->setObjectName("diceBar");
  m_diceReadout->setObjectName("diceReadout");
  m_rollsBar->setObjectName("rollsBar");
  m_rollsReadout->setObjectName("rollsReadout");
  m_rollCountReadout->setObjectName("rollCountReadout");
  m_diceTotalReadout->setObjectName("diceTotalReadout");
  m_diceReadout->setHeardCaptions({diceTitle});
  m_rollsReadout->setHeardCaptions({rollsTitle});
  m_rollCountReadout->setHeardCaptions({rollCountTitle});
  m_diceTotalReadout->setHeardCaptions({diceTotalTitle});

  m_rollButton = button(page, kRollButton, [this] { startPauseRolls(); });
  m_clearDiceButton = button(page, kClearDiceButton, [this] { clearDice(); });
  m_printDiceButton = button(page, kPrintDiceButton, [this] { printDice(); });
  m_rollButton->setObjectName("rollButton");
  m_clearDiceButton->setObjectName("clearDiceButton");
  m_printDiceButton->setObjectName("printDiceButton");
  addHelpAndExit(page, DicePage);

  m_rollTimer = timer(this, 100, [this] { rollStep(); });
  m_rollTimer->setObjectName("rollTimer");
  m_diceBar->onChange = m_diceBar->onScroll = [this] { setDiceCount(); };
  m_rollsBar->onChange = m_rollsBar->onScroll = [this] { setRollCount(); };
}

void ProbabilityWindow::buildMarblesPage(QWidget* page) {
  m_boardPicture = plat::buildFramedPicture(page, kBoardPicture, rt::palette::kPaleYellow);
  m_boardPicture->setObjectName("boardPicture");
  m_boardPicture->setAccessibleName("Marble board: the pegs, the falling marbles and the six bins");
  m_boardPicture->surface().setFont(QStringLiteral("Arial"), 12);
  m_boardPicture->surface().setFontBold(false);

  m_marbleTotalsFrame = plat::build<plat::Frame>(page, kMarbleTotalsFrame);
  m_marbleTotalsFrame->setObjectName("marbleTotalsFrame");
  plat::Label* actualTitle = plat::buildCaption(m_marbleTotalsFrame, kMarbleTotalsTitles[0], plat::Label::Center);
  plat::Label* theoryTitle = plat::buildCaption(m_marbleTotalsFrame, kMarbleTotalsTitles[1], plat::Label::Center);
  for (size_t b = 0; b < 6; ++b) {
    plat::Label* binTitle = plat::buildCaption(m_marbleTotalsFrame, kBinTitles[b]);
    m_binActual[b] = plat::buildReadout(m_marbleTotalsFrame, kBinActual[b]);
    m_binTheory[b] = plat::buildReadout(m_marbleTotalsFrame, kBinTheory[b]);
    plat::nameInRow(m_binActual[b], "binActual", b);
    plat::nameInRow(m_binTheory[b], "binTheory", b);
    m_binActual[b]->setHeardCaptions({binTitle, actualTitle});
    m_binTheory[b]->setHeardCaptions({binTitle, theoryTitle});
  }

  m_dropMarblesButton = button(page, kDropMarblesButton, [this] { startPauseMarbles(); });
  m_clearMarblesButton = button(page, kClearMarblesButton, [this] { clearMarbles(); });
  m_printMarblesButton = button(page, kPrintMarblesButton, [this] { printMarbles(); });
  m_dropMarblesButton->setObjectName("dropMarblesButton");
  m_clearMarblesButton->setObjectName("clearMarblesButton");
  m_printMarblesButton->setObjectName("printMarblesButton");
  addHelpAndExit(page, MarblesPage);

  m_marbleTimer = timer(this, MarbleBoard::kStepMs, [this] { marbleStep(); });
  m_marbleTimer->setObjectName("marbleTimer");
}

void ProbabilityWindow::buildToothpicksPage(QWidget* page) {
  m_sheetPicture = plat::buildFramedPicture(page, kSheetPicture, rt::palette::kBlack);
  m_sheetPicture->setObjectName("sheetPicture");
  m_sheetPicture->setAccessibleName("Toothpick sheet: the lines and the dropped toothpicks");
  buildToothpickCounts(page);

  auto* frame = plat::build<plat::Frame>(page, kGroupFrame);
  m_groupBar = plat::buildBar<plat::HScrollBar>(frame, kGroupBar);
  m_groupReadout = plat::buildReadout(frame, kGroupReadout);
  m_dropToothpicksButton = button(frame, kDropToothpicksButton, [this] { startPauseToothpicks(); });
  m_clearToothpicksButton = button(frame, kClearToothpicksButton, [this] { clearToothpicks(); });
  m_groupBar->setObjectName("groupBar");
  m_groupReadout->setObjectName("groupReadout");
  m_groupReadout->setHeardCaption(QString::fromUtf8(kGroupFrame.caption));
  m_dropToothpicksButton->setObjectName("dropToothpicksButton");
  m_clearToothpicksButton->setObjectName("clearToothpicksButton");
  addHelpAndExit(page, ToothpicksPage);

  m_toothpickTimer = timer(this, 10, [this] { toothpickStep(); });
  m_toothpickTimer->setObjectName("toothpickTimer");
  m_groupBar->onChange = m_groupBar->onScroll = [this] { setDropGroup(); };
}

void ProbabilityWindow::buildToothpickCounts(QWidget* page) {
  auto* panel = plat::build<plat::Panel>(page, kCountsPanel);
  const ControlRow* values[3] = {&kDropsReadout, &kCrossingsReadout, &kPiReadout};
  std::array<plat::Label*, 3> readouts{};
  for (size_t i = 0; i < 3; ++i) {
    auto* title = plat::build<plat::Label>(panel, kCountTitles[i]);
    title->setAlignment(plat::Label::Center);
    readouts[i] = plat::buildReadout(panel, *values[i]);
    readouts[i]->setHeardCaptions({title});
  }
  m_dropsReadout = readouts[0];
  m_crossingsReadout = readouts[1];
  m_piReadout = readouts[2];
  m_dropsReadout->setObjectName("dropsReadout");
  m_crossingsReadout->setObjectName("crossingsReadout");
  m_piReadout->setObjectName("piReadout");
}

// -- load, help and exit --------------------------------------------------------------------

void ProbabilityWindow::loadStep() {
  // A new run of random numbers at each opening (a source a test installed goes on as it is).
  shell::randomize();
  m_loading = 1;
  loadPictures();
  m_experimentTabs->setTab(CoinsPage);

  // Every opening starts from zero counts.
  rt::RandomSource& random = shell::randomSource();
  m_coins = std::make_unique<CoinsExperiment>(random);
  m_dice = std::make_unique<DiceExperiment>(random);
  m_marbles = std::make_unique<MarbleBoard>(random, static_cast<MarbleHost&>(*this));
  m_picks = std::make_unique<ToothpickDrop>(random, static_cast<ToothpickHost&>(*this));

  restoreCoins();
  loadMarbles();
  restoreDice();
  restoreToothpicks();
  centreOnScreen();
  m_loading = 0;
}

void ProbabilityWindow::loadPictures() {
  m_dingWave = shell::appFilePath(QStringLiteral("ding.wav"));
  m_boingWave = shell::appFilePath(QStringLiteral("boing.wav"));
  for (int f = 0; f < 2; ++f) m_coinFaces[size_t(f)] = plat::loadPicture(f == 0 ? "coinheads.png" : "cointails.png");
  for (int d = 1; d <= 6; ++d) m_diceFaces[size_t(d)] = plat::loadPicture(QStringLiteral("dice%1.png").arg(d));
}

// A stored value outside a bar's range is brought into it by the bar, and its Change stores
// the value the bar holds.
void ProbabilityWindow::restoreCoins() {
  setQuietly(m_flipsBar, shell::settings().NumFlips);
  setFlipCount();
  setQuietly(m_coinsBar, shell::settings().NumCoins);
  setCoinCount();
}

void ProbabilityWindow::loadMarbles() {
  m_marbles->load(kBoardWidth, kBoardHeight);
  showCounts();
  showMarbleRunState();
}

void ProbabilityWindow::restoreDice() {
  setQuietly(m_rollsBar, shell::settings().NumRolls);
  setRollCount();
  setQuietly(m_diceBar, shell::settings().NumDice);
  setDiceCount();
  m_dice->randomFaces();
  showDice();
}

void ProbabilityWindow::restoreToothpicks() {
  m_picks->load(kSheetWidth, kSheetHeight);
  setQuietly(m_groupBar, shell::settings().DropGroup);
  setDropGroup();
  m_dropsReadout->setCaption(QStringLiteral("0"));
  m_crossingsReadout->setCaption(QStringLiteral("0"));
  m_piReadout->setCaption(QString());
  showPicksRunState();
}

void ProbabilityWindow::unloadStep() {
  // Running experiments end with the window.
  for (plat::Timer* t : {m_flipTimer, m_rollTimer, m_marbleTimer, m_toothpickTimer}) t->setEnabled(false);
}

void ProbabilityWindow::leaveWindow() {
  unload();
  returnToMenu();
}

void ProbabilityWindow::closeFromTitleBar() { leaveWindow(); }

// -- coins ----------------------------------------------------------------------------------

void ProbabilityWindow::setCoinCount() {
  const int16_t n = int16_t(m_coinsBar->value());
  shell::settings().NumCoins = n;
  m_coinsReadout->setCaption(q(rt::formatNumber(n, "#")));
  m_coinsReadout->refresh();
  m_coins->setNumCoins(n);
  showCoins();
  drawAxisStrip(m_coinAxisStrip->surface(), m_coins->graph());
  if (!m_loading) m_flipButton->setFocus();
}

void ProbabilityWindow::setFlipCount() {
  const int16_t n = int16_t(m_flipsBar->value());
  shell::settings().NumFlips = n;
  m_coins->setNumFlips(n);
  m_flipsReadout->setCaption(q(rt::formatNumber(n, "###")));
  m_flipsReadout->refresh();
  if (!m_loading) m_flipButton->setFocus();
}

void ProbabilityWindow::startPauseFlips() {
  m_coins->startPause();
  showCoinsRunState();
  m_flipButton->setFocus();
}

void ProbabilityWindow::flipStep() {
  m_coins->tick();
  showCoins();
  showCoinsRunState();
}

void ProbabilityWindow::clearCoins() {
  m_coins->clear();
  showCoins();
  drawAxisStrip(m_coinAxisStrip->surface(), m_coins->graph());
}

void ProbabilityWindow::showCoins() {
  const CoinsExperiment& c = *m_coins;
  for (int s = 0; s < 5; ++s) {
    const int face = c.face(s);
    m_coinImages[size_t(s)]->setVisible(face >= 0);
    if (face >= 0) {
      m_coinImages[size_t(s)]->setPicture(m_coinFaces[size_t(face)]);
      m_coinImages[size_t(s)]->setAccessibleName(face == 0 ? QStringLiteral("Heads") : QStringLiteral("Tails"));
    }
  }
  m_coinTotalsFrame->setCaption(q(c.frameCaption()));
  for (int k = 0; k <= 5; ++k) {
    const bool on = c.rowVisible(k);
    m_headsLabels[size_t(k)]->setVisible(on);
    m_headsActual[size_t(k)]->setVisible(on);
    m_headsTheory[size_t(k)]->setVisible(on);
    m_headsActual[size_t(k)]->setCaption(q(c.actualText(k)));
    m_headsTheory[size_t(k)]->setCaption(q(c.theoryText(k)));
  }
  drawCoinGraph();
}

void ProbabilityWindow::drawCoinGraph() { drawGraph(*m_coinGraphHidden, m_coinGraph->surface(), m_coins->graph()); }

void ProbabilityWindow::showCoinsRunState() {
  const bool stopped = !m_coins->running();
  m_flipTimer->setEnabled(!stopped);
  m_coinsBar->setEnabled(stopped);
  m_flipsBar->setEnabled(stopped);
  m_clearCoinsButton->setEnabled(stopped);
  m_printCoinsButton->setEnabled(stopped);
  m_flipButton->setCaption(q(m_coins->buttonCaption()));
}

void ProbabilityWindow::printCoins() {
  if (!plat::askPrinterReady(QStringLiteral("Print Coins Results"))) return;
  probability::printCoins(plat::printer(), *m_coins, *m_coinGraphHidden, m_coinAxisStrip->surface());
  plat::printer().endDoc();
}

// -- dice -----------------------------------------------------------------------------------

void ProbabilityWindow::setDiceCount() {
  const int16_t n = int16_t(m_diceBar->value());
  shell::settings().NumDice = n;
  m_diceReadout->setCaption(q(rt::formatNumber(n, "#")));
  m_diceReadout->refresh();
  m_dice->setNumDice(n);
  showDice();
  drawAxisStrip(m_diceAxisStrip->surface(), m_dice->graph());
  if (!m_loading) m_rollButton->setFocus();
}

void ProbabilityWindow::setRollCount() {
  const int16_t n = int16_t(m_rollsBar->value());
  shell::settings().NumRolls = n;
  m_dice->setNumRolls(n);
  m_rollsReadout->setCaption(q(rt::formatNumber(n, "###")));
  m_rollsReadout->refresh();
  if (!m_loading) m_rollButton->setFocus();
}

void ProbabilityWindow::startPauseRolls() {
  m_dice->startPause();
  showDiceRunState();
  m_rollButton->setFocus();
}

void ProbabilityWindow::rollStep() {
  m_dice->tick();
  showDice();
  showDiceRunState();
}

void ProbabilityWindow::clearDice() {
  m_dice->clear();
  showDice();
  drawAxisStrip(m_diceAxisStrip->surface(), m_dice->graph());
}

void ProbabilityWindow::showDice() {
  const DiceExperiment& d = *m_dice;
  for (int s = 0; s < 5; ++s) {
    m_dieImages[size_t(s)]->setVisible(d.slotVisible(s));
    m_dieImages[size_t(s)]->setPicture(m_diceFaces[size_t(d.face(s))]);
    m_dieImages[size_t(s)]->setAccessibleName(QStringLiteral("Die showing %1").arg(d.face(s)));
  }
  m_rollCountReadout->setCaption(q(d.rollsText()));
  m_diceTotalReadout->setCaption(q(d.totalText()));
  drawDiceGraph();
}

void ProbabilityWindow::drawDiceGraph() { drawGraph(*m_diceGraphHidden, m_diceGraph->surface(), m_dice->graph()); }

void ProbabilityWindow::showDiceRunState() {
  const bool stopped = !m_dice->running();
  m_rollTimer->setEnabled(!stopped);
  m_diceBar->setEnabled(stopped);
  m_rollsBar->setEnabled(stopped);
  m_clearDiceButton->setEnabled(stopped);
  m_printDiceButton->setEnabled(stopped);
  m_rollButton->setCaption(q(m_dice->buttonCaption()));
}

void ProbabilityWindow::printDice() {
  if (!plat::askPrinterReady(QStringLiteral("Print Dice Results"))) return;
  probability::printDice(plat::printer(), *m_dice, *m_diceGraphHidden, m_diceAxisStrip->surface());
  plat::printer().endDoc();
}

// -- marbles --------------------------------------------------------------------------------

void ProbabilityWindow::startPauseMarbles() {
  m_marbles->startPause();
  showMarbleRunState();
  m_dropMarblesButton->setFocus();
}

void ProbabilityWindow::marbleStep() {
  m_marbles->tick();
  showMarbleRunState();
}

void ProbabilityWindow::clearMarbles() {
  m_marbles->clear();
  m_dropMarblesButton->setFocus();
}

void ProbabilityWindow::showMarbleRunState() {
  const bool stopped = !m_marbles->running();
  m_marbleTimer->setEnabled(!stopped);
  m_clearMarblesButton->setEnabled(stopped);
  m_printMarblesButton->setEnabled(stopped);
  m_dropMarblesButton->setCaption(q(m_marbles->buttonCaption()));
}

void ProbabilityWindow::drawBoard() {
  drawMarbleBoard(m_boardPicture->surface(), m_marbles->xUnit(), m_marbles->yUnit());
}

void ProbabilityWindow::drawMarble(float col, float row, rt::Colour colour) {
  drawMarbleAt(m_boardPicture->surface(), m_marbles->xUnit(), m_marbles->yUnit(), col, row, colour);
}

void ProbabilityWindow::eraseMarble(float col, float row) {
  eraseMarbleAt(m_boardPicture->surface(), m_marbles->xUnit(), m_marbles->yUnit(), col, row);
}

void ProbabilityWindow::playBoing() { shell::playWave(m_boingWave, 1); }

void ProbabilityWindow::playDing() { shell::playWave(m_dingWave, 1); }

void ProbabilityWindow::delay(float seconds) { shell::delay(seconds); }

void ProbabilityWindow::showCounts() {
  const MarbleBoard& m = *m_marbles;
  m_marbleTotalsFrame->setCaption(q(m.frameCaption()));
  m_marbleTotalsFrame->repaint();
  for (int b = 0; b < 6; ++b) {
    m_binActual[size_t(b)]->setCaption(q(m.binText(b)));
    m_binTheory[size_t(b)]->setCaption(q(m.theoryText(b)));
    m_binActual[size_t(b)]->refresh();
    m_binTheory[size_t(b)]->refresh();
  }
}

void ProbabilityWindow::printMarbles() {
  if (!plat::askPrinterReady(QStringLiteral("Print Marbles Results"))) return;
  MarbleTable table;
  table.totalMarbles = m_marbles->totalMarbles();
  for (int b = 0; b < 6; ++b) {
    table.actual[size_t(b)] = m_binActual[size_t(b)]->caption();
    table.theory[size_t(b)] = m_binTheory[size_t(b)]->caption();
  }
  probability::printMarbles(plat::printer(), table, m_boardPicture->surface());
  plat::printer().endDoc();
}

// -- toothpicks -----------------------------------------------------------------------------

void ProbabilityWindow::setDropGroup() {
  const int16_t n = int16_t(m_groupBar->value());
  shell::settings().DropGroup = n;
  m_picks->setDropGroup(n);
  m_groupReadout->setCaption(q(rt::formatNumber(n, "###")));
  m_groupReadout->refresh();
  if (!m_loading) m_dropToothpicksButton->setFocus();
}

void ProbabilityWindow::startPauseToothpicks() {
  m_picks->startPause();
  showPicksRunState();
  m_dropToothpicksButton->setFocus();
}

void ProbabilityWindow::toothpickStep() {
  m_picks->tick();
  const ToothpickDrop& p = *m_picks;
  m_dropsReadout->setCaption(q(p.dropsText()));
  m_crossingsReadout->setCaption(q(p.hitsText()));
  m_piReadout->setCaption(q(p.piText()));
  m_dropsReadout->refresh();
  m_crossingsReadout->refresh();
  m_piReadout->refresh();
  showPicksRunState();
}

void ProbabilityWindow::clearToothpicks() {
  m_picks->clear();
  m_dropsReadout->setCaption(QStringLiteral("0"));
  m_crossingsReadout->setCaption(QStringLiteral("0"));
  m_piReadout->setCaption(QString());
  m_sheetPicture->refresh();
  m_dropToothpicksButton->setFocus();
}

void ProbabilityWindow::showPicksRunState() {
  const bool stopped = !m_picks->running();
  m_toothpickTimer->setEnabled(!stopped);
  m_clearToothpicksButton->setEnabled(stopped);
  m_groupBar->setEnabled(stopped);
  m_dropToothpicksButton->setCaption(q(m_picks->buttonCaption()));
}

void ProbabilityWindow::clearSheet() { m_sheetPicture->surface().cls(); }

void ProbabilityWindow::drawRuledLine(int16_t y) {
  probability::drawRuledLine(m_sheetPicture->surface(), y, kSheetWidth);
}

void ProbabilityWindow::drawToothpick(double x1, double y1, double x2, double y2, rt::Colour colour) {
  drawToothpickLine(m_sheetPicture->surface(), x1, y1, x2, y2, colour);
}

}  // namespace probability
