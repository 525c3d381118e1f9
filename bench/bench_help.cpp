// Pressing Help: a help viewer is made, reads and parses its file, and shows the page laid out
// at its window's size. The shipped help file's contents page, as the menu's Help opens it, and
// two files no help should freeze on: one line of 2 MB of letters without a blank, and 2 MB of
// words. Each figure is the median of 10 runs.

#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <cstdio>
#include <cstdlib>

#include "platform/fonts.h"
#include "platform/helpviewer.h"

namespace {

constexpr qsizetype kLongText = 2 * 1024 * 1024;

// Opens the file as Help does and returns once the page is shown and wholly laid out.
void openHelp(const QString& path, int topic) {
  plat::HelpViewer viewer;
  viewer.open(path, topic);
  QApplication::processEvents();
  auto* text = viewer.findChild<QTextBrowser*>();
  benchmark::DoNotOptimize(text->document()->documentLayout()->documentSize());
}

// A help file whose contents page holds `length` characters of letters, a blank after every
// `word` of them (none when `word` is 0).
QString writeLongHelp(const QTemporaryDir& dir, qsizetype length, int word) {
  QByteArray text = "VANTREL HELP 1\n=contents Long text\n";
  text.reserve(text.size() + length + 1);
  for (qsizetype i = 0; i < length; ++i) text += word > 0 && i % (word + 1) == word ? ' ' : char('a' + i % 26);
  text += '\n';
  QFile file(dir.filePath("long.hlp"));
  if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) std::abort();
  return file.fileName();
}

void BM_OpenShippedHelp(benchmark::State& state) {
  const QString path = VANTREL_RESOURCES "/vtrel.hlp";
  for (auto _ : state) openHelp(path, 0);
}
BENCHMARK(BM_OpenShippedHelp)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly();

// 2 MB of letters: one word (a word length of 0: no blank at all), or words of 6 letters.
void BM_OpenLongText(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = writeLongHelp(dir, kLongText, int(state.range(0)));
  for (auto _ : state) openHelp(path, 0);
}
BENCHMARK(BM_OpenLongText)
    ->ArgName("word")
    ->Arg(0)
    ->Arg(6)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(10)
    ->ReportAggregatesOnly();

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // The offscreen platform says on every show that it cannot raise a window.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& message) {
    if (!message.startsWith("This plugin does not support")) std::fprintf(stderr, "%s\n", qPrintable(message));
  });
  QApplication app(argc, argv);
  plat::installFontSubstitutions();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
