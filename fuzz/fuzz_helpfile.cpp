// The help file reader on any bytes, and the help window showing what it read. The reader has
// no writer, so the checks are its own promises: text without the tag line is refused, and
// every title and paragraph it keeps is one line without the blanks around it. The help window
// then opens the file as Help does, at its contents and at its first topic, and lays each page
// out at the window's size: a page that takes long to lay out is a finding of the fuzzer's time
// limit per input.

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QTextBrowser>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/require.h"
#include "platform/helpfile.h"
#include "platform/helpviewer.h"

#include <sys/mman.h>
#include <unistd.h>

namespace {

bool oneLine(const std::string& s) { return s.find('\n') == std::string::npos; }

bool trimmed(const std::string& s) {
  return s.empty() ||
         (s.front() != ' ' && s.front() != '\t' && s.back() != ' ' && s.back() != '\t' && s.back() != '\r');
}

void checkPage(const plat::HelpPage& page) {
  FUZZ_REQUIRE(oneLine(page.title) && trimmed(page.title));
  for (const plat::HelpBlock& block : page.blocks) FUZZ_REQUIRE(oneLine(block.text));
}

// The window, made once as the program makes it, and two files in memory the inputs are
// written to in turn: the window reads a file again only when it is another file, as when
// Help is pressed in another project. Nothing is left behind however the fuzzer ends.
plat::HelpViewer* g_viewer = nullptr;
int g_files[2] = {-1, -1};
int g_next = 0;

// Opens the page as Help does and lays it out whole at the window's size.
void showPage(const QString& path, int topic) {
  g_viewer->open(path, topic);
  QApplication::processEvents();
  auto* text = g_viewer->findChild<QTextBrowser*>();
  FUZZ_REQUIRE(text && g_viewer->isVisible());
  text->document()->documentLayout()->documentSize();
}

}  // namespace

// The font library keeps a few blocks of its first font match without a pointer to them
// (its own, not ours); every other leak is a finding.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // The offscreen platform's remarks on every shown window would fill the fuzzer's log.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  static int argc = 1;
  static char name[] = "fuzz_helpfile";
  static char* argv[] = {name, nullptr};
  // Never destroyed: the fuzzer ends with exit(), and an application destroyed among the
  // static objects crashes in the toolkit's own teardown.
  static QApplication* app = new QApplication(argc, argv);
  (void)app;
  QApplication::setQuitOnLastWindowClosed(false);
  for (int& file : g_files) {
    file = memfd_create("help", 0);
    FUZZ_REQUIRE(file >= 0);
  }
  g_viewer = new plat::HelpViewer;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto file = plat::parseHelpFile(text);
  const bool tagged = text.find("VANTREL HELP 1") != std::string::npos;
  if (file) {
    FUZZ_REQUIRE(tagged);
    checkPage(file->contents);
    for (const auto& [number, page] : file->topics) checkPage(page);
  }

  const int out = g_files[g_next];
  g_next = 1 - g_next;
  FUZZ_REQUIRE(ftruncate(out, 0) == 0 && pwrite(out, data, size, 0) == ssize_t(size));
  const QString path = QString("/proc/self/fd/%1").arg(out);
  showPage(path, 0);
  if (file && !file->topics.empty()) showPage(path, file->topics.begin()->first);
  return 0;
}
