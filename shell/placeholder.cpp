#include "shell/placeholder.h"

#include "platform/button.h"
#include "platform/label.h"
#include "platform/twips.h"
#include "shell/frmmenu.h"

namespace shell {

PlaceholderWindow::PlaceholderWindow(const QString& caption, const QString& helpFile, int helpTopic) {
  setCaption(caption);
  setClientSizeTwips(6000, 3000);
  setHelp(helpFile, helpTopic);
  auto* note = new plat::Label(this, caption);
  plat::placeTwips(note, 240, 240, 5520, 600);
  m_exit = plat::placeButton(this, "E&xit", 4440, 2160, 1335, 495, [this] { cmdExit_Click(); });
}

void PlaceholderWindow::cmdExit_Click() {
  Unload();
  ShowMenu();
}

}  // namespace shell
