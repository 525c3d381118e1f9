#include "platform/form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>

#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/services.h"
#include "platform/twips.h"

namespace plat {

Form::Form(QWidget* parent) : QWidget(parent, Qt::Window) {
  installFontSubstitutions();
  setFont(defaultFont());
  setBackColor(m_backColor);
  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
  f1->setContext(Qt::WindowShortcut);
  connect(f1, &QShortcut::activated, this, [this] {
    if (m_helpFile.isEmpty()) return;
    if (m_helpTopic > 0)
      help().showTopic(programFolder() + m_helpFile, m_helpTopic);
    else
      help().showContents(programFolder() + m_helpFile);
  });
}

void Form::Show() {
  if (!m_loaded) {
    m_loaded = true;
    Form_Load();
    if (!m_loaded) return;  // the load step unloaded the window again
  }
  show();
  raise();
  activateWindow();
}

void Form::Unload() {
  if (!m_loaded || m_unloading) return;
  m_unloading = true;
  Form_Unload();
  m_loaded = false;
  hide();
  m_unloading = false;
  if (!m_kept) deleteLater();
}

void Form::closeEvent(QCloseEvent* e) {
  if (m_unloading || !m_loaded) {
    e->accept();
    return;
  }
  e->ignore();
  closeFromTitleBar();
}

void Form::setBackColor(rt::Colour c) {
  m_backColor = c;
  QPalette p = palette();
  p.setColor(QPalette::Window, QColor(rt::redOf(c), rt::greenOf(c), rt::blueOf(c)));
  setPalette(p);
  setAutoFillBackground(true);
}

void Form::setClientSizeTwips(int width, int height) {
  setFixedSize(twipsToPixels(width), twipsToPixels(height));
}

void Form::centreOnScreen() {
  QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  if (!s) return;
  QRect screenRect = s->geometry();
  QSize outer = frameGeometry().size();
  if (!isVisible()) outer = size();
  move(screenRect.left() + (screenRect.width() - outer.width()) / 2,
       screenRect.top() + (screenRect.height() - outer.height()) / 2);
}

void Form::setHelp(const QString& fileName, int topic) {
  m_helpFile = fileName;
  m_helpTopic = topic;
}

}  // namespace plat
