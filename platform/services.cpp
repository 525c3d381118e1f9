#include "platform/services.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSpacerItem>

#include "platform/accessible.h"
#include "platform/accessibleroles.h"
#include "platform/helpviewer.h"

namespace plat {

// ---------------------------------------------------------------- message boxes

namespace {

// The width a box needs for its title to show whole in its title bar: the title in a bold
// face of the desktop's font, as title bars show it, beside the window's icon and its
// close, maximise and minimise buttons, each about as wide as the bar is high.
int titleBarWidth(const QString& title) {
  QFont bold = QApplication::font();
  bold.setBold(true);
  const QFontMetrics metrics(bold);
  const int bar = metrics.height() * 2;
  return metrics.horizontalAdvance(title) + 5 * bar;
}

class QtMessageBoxes : public MessageBoxBackend {
 public:
  int show(const QString& text, int style, const QString& title) override {
    // The row of buttons passes the focus to its default button: a reader hears the button.
    installAccessible<QDialogButtonBox, WrapperAccessible>();
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setText(text);
    switch (style & 0x70) {
      case msg::Critical: box.setIcon(QMessageBox::Critical); break;
      case msg::Question: box.setIcon(QMessageBox::Question); break;
      case msg::Exclamation: box.setIcon(QMessageBox::Warning); break;
      case msg::Information: box.setIcon(QMessageBox::Information); break;
      default: break;
    }
    struct B {
      QString caption;
      int answer;
    };
    std::vector<B> buttons;
    switch (style & 7) {
      case msg::OkCancel: buttons = {{"OK", msg::Ok}, {"Cancel", msg::Cancel}}; break;
      case msg::AbortRetryIgnore:
        buttons = {{"&Abort", msg::Abort}, {"&Retry", msg::Retry}, {"&Ignore", msg::Ignore}};
        break;
      case msg::YesNoCancel: buttons = {{"&Yes", msg::Yes}, {"&No", msg::No}, {"Cancel", msg::Cancel}}; break;
      case msg::YesNo: buttons = {{"&Yes", msg::Yes}, {"&No", msg::No}}; break;
      case msg::RetryCancel: buttons = {{"&Retry", msg::Retry}, {"Cancel", msg::Cancel}}; break;
      default: buttons = {{"OK", msg::Ok}}; break;
    }
    std::vector<QPushButton*> made;
    for (const auto& b : buttons) {
      QMessageBox::ButtonRole role =
          b.answer == msg::Cancel || b.answer == msg::No ? QMessageBox::RejectRole : QMessageBox::AcceptRole;
      made.push_back(box.addButton(b.caption, role));
    }
    size_t def = (style & msg::DefaultButton3) ? 2 : (style & msg::DefaultButton2) ? 1 : 0;
    if (def >= made.size()) def = 0;
    box.setDefaultButton(made[def]);
    // Escape answers with Cancel when there is one, else with the only or last button.
    box.setEscapeButton(made.back());
    // The box takes its width from its layout, which the icon lays out anew: a blank as wide
    // as the title bar needs keeps it wide enough for its title ("Error Opening File"
    // above " 53.").
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
      grid->addItem(new QSpacerItem(titleBarWidth(title), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                    grid->rowCount(), 0, 1, grid->columnCount());
    box.exec();
    for (size_t i = 0; i < made.size(); ++i)
      if (box.clickedButton() == made[i]) return buttons[i].answer;
    return buttons.back().answer;
  }
};

// ---------------------------------------------------------------- help

class QtHelp : public HelpBackend {
 public:
  void showContents(const QString& helpFile) override { viewer().open(helpFile, 0); }
  void showTopic(const QString& helpFile, int topic) override { viewer().open(helpFile, topic); }

 private:
  HelpViewer& viewer() {
    if (!m_viewer) m_viewer = new HelpViewer;
    return *m_viewer;
  }
  QPointer<HelpViewer> m_viewer;
};

std::unique_ptr<MessageBoxBackend> g_boxes;
std::unique_ptr<SoundBackend> g_sound;
std::unique_ptr<HelpBackend> g_help;

}  // namespace

void SoundBackend::beep() { QApplication::beep(); }

int messageBox(const QString& text, int style, const QString& title) {
  return messageBoxes().show(text, style, title.isEmpty() ? QStringLiteral("Vantrel") : title);
}

MessageBoxBackend& messageBoxes() {
  if (!g_boxes) g_boxes = std::make_unique<QtMessageBoxes>();
  return *g_boxes;
}

SoundBackend& sound() {
  if (!g_sound) g_sound = makeSystemSound();
  return *g_sound;
}
HelpBackend& help() {
  if (!g_help) g_help = std::make_unique<QtHelp>();
  return *g_help;
}
void setMessageBoxBackend(std::unique_ptr<MessageBoxBackend> b) { g_boxes = std::move(b); }
void setSoundBackend(std::unique_ptr<SoundBackend> b) { g_sound = std::move(b); }
void setHelpBackend(std::unique_ptr<HelpBackend> b) { g_help = std::move(b); }

}  // namespace plat
