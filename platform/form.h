#pragma once
// A window of the program. Its load step runs each time it is shown after being unloaded,
// its layout is given in twips, F1 opens its help topic, and a close from the title bar
// takes the window's own way out instead of simply vanishing.

#include <QWidget>
#include <functional>

#include "runtime/colour.h"

namespace plat {

class ImageSurface;
class PictureBox;

class Form : public QWidget {
  Q_OBJECT
 public:
  explicit Form(QWidget* parent = nullptr);

  // Shows the window, running its load step first when it is not loaded.
  void open();
  // Runs the unload step, hides the window and, unless kept, discards it.
  void unload();
  bool isLoaded() const { return m_loaded; }
  // A kept window survives its unloading (its next open loads it again).
  void setKeptAfterUnload(bool keep) { m_kept = keep; }

  // The window's own drawing surface: its whole client area, behind the controls, with a
  // kept image. Made on first use, in the window's back colour; setting the back colour
  // clears it. Its scale starts in twips.
  ImageSurface& surface();
  bool hasSurface() const { return m_canvas != nullptr; }
  // What screen readers hear of the window's own drawing: a short name of what it shows and,
  // as its description, the words drawn on it.
  void describeSurface(const QString& name, const QString& description = QString());
  // Runs the window's repaint step now (not inside itself).
  void requestPaint();
  // Shows what was drawn on the window at once, before the caller goes on.
  void refresh();

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
  // Opens the window's help file at its topic (at its contents for topic 0): what F1 and
  // the window's Help button open.
  void showHelp();

  // How a project window goes back to the window that opened it: the menu gives each
  // project this when it opens it.
  void setWayBack(std::function<void()> wayBack) { m_wayBack = std::move(wayBack); }

 protected:
  // The load step, run by open when the window is not loaded, and the unload step, run by
  // unload before the window hides.
  virtual void loadStep() {}
  virtual void unloadStep() {}
  // The repaint step: runs from the event loop when the window is shown (first or again)
  // and when it grows; the drawing itself is kept, so only windows that redraw other
  // pictures from their state need it.
  virtual void repaintStep() {}
  // The mouse on the window's own area (not over a control): button 1 left, 2 right,
  // 4 middle; shift 1 shift, 2 ctrl, 4 alt; the point in the surface's scale (twips until
  // the surface is made). Moves arrive also with no button down.
  virtual void mouseDownOnWindow(int /*button*/, int /*shift*/, double /*x*/, double /*y*/) {}
  virtual void mouseMoveOnWindow(int /*button*/, int /*shift*/, double /*x*/, double /*y*/) {}
  virtual void mouseUpOnWindow(int /*button*/, int /*shift*/, double /*x*/, double /*y*/) {}
  // The title bar's close box (or the window manager's close). By default the window unloads.
  virtual void closeFromTitleBar() { unload(); }
  // Takes the way back the window was given (the menu shows itself again); nothing when
  // none was given.
  void returnToMenu();
  // For a load step that fails: the window stays unloaded and open does not show it.
  void abortLoad() { m_loaded = false; }
  void closeEvent(QCloseEvent* e) override;
  void changeEvent(QEvent* e) override;
  bool focusNextPrevChild(bool next) override;
  void showEvent(QShowEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  void schedulePaint();
  void syncCanvas();
  // Whether a mouse event is on the window's own area rather than over a control.
  bool onOwnArea(QMouseEvent* e, double& x, double& y);
  PictureBox* m_canvas = nullptr;
  bool m_inPaint = false;
  bool m_paintPending = false;
  bool m_loaded = false;
  bool m_kept = false;
  bool m_unloading = false;
  bool m_focusMoveHeld = false;  // a move of the focus waits for FocusLanding
  rt::Colour m_backColor = 0xC0C0C0;
  QString m_helpFile;
  int m_helpTopic = 0;
  std::function<void()> m_wayBack;
};

}  // namespace plat
