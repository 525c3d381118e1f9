#pragma once
// A window of the program. Its load step runs each time it is shown after being unloaded,
// its layout is given in twips, F1 opens its help topic, and a close from the title bar
// takes the window's own way out instead of simply vanishing.

#include <QWidget>

#include "runtime/colour.h"

namespace plat {

class Form : public QWidget {
  Q_OBJECT
 public:
  explicit Form(QWidget* parent = nullptr);

  // Shows the window, running its load step first when it is not loaded.
  void Show();
  // Runs the unload step, hides the window and, unless kept, discards it.
  void Unload();
  bool isLoaded() const { return m_loaded; }
  // A kept window survives its unloading (its next Show loads it again).
  void setKeptAfterUnload(bool keep) { m_kept = keep; }

  void setCaption(const QString& caption) { setWindowTitle(caption); }
  QString caption() const { return windowTitle(); }
  void setBackColor(rt::Colour c);
  rt::Colour backColor() const { return m_backColor; }
  void setClientSizeTwips(int width, int height);
  // Centres the window on the screen: left = (screen width - window width) / 2, top likewise.
  void centreOnScreen();

  // What F1 opens: the help file's name in the program's folder and a topic number.
  void setHelp(const QString& fileName, int topic);
  QString helpFile() const { return m_helpFile; }
  int helpTopic() const { return m_helpTopic; }

 protected:
  virtual void Form_Load() {}
  virtual void Form_Unload() {}
  // The title bar's close box (or the window manager's close). By default the window unloads.
  virtual void closeFromTitleBar() { Unload(); }
  // For a load step that fails: the window stays unloaded and Show does not show it.
  void abortLoad() { m_loaded = false; }
  void closeEvent(QCloseEvent* e) override;

 private:
  bool m_loaded = false;
  bool m_kept = false;
  bool m_unloading = false;
  rt::Colour m_backColor = 0xC0C0C0;
  QString m_helpFile;
  int m_helpTopic = 0;
};

}  // namespace plat
