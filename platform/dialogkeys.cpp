#include "platform/dialogkeys.h"

#include <QKeyEvent>
#include <QPointer>

#include "platform/button.h"

namespace plat {

namespace {

// Sees the keys the frame's controls leave unused, as they pass on to the frame.
class DialogKeys : public QObject {
 public:
  DialogKeys(QWidget* frame, CommandButton* ok, CommandButton* cancel)
      : QObject(frame), m_frame(frame), m_ok(ok), m_cancel(cancel) {
    frame->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (watched != m_frame || e->type() != QEvent::KeyPress || !m_frame->isVisible()) return false;
    auto* k = static_cast<QKeyEvent*>(e);
    if (k->modifiers() & ~Qt::KeypadModifier) return false;
    CommandButton* target = nullptr;
    if (k->key() == Qt::Key_Escape)
      target = m_cancel;
    else if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)
      target = m_ok;
    if (!target || !target->isVisible() || !target->isEnabled()) return false;
    k->accept();
    target->click();
    return true;
  }

 private:
  QWidget* m_frame;
  QPointer<CommandButton> m_ok, m_cancel;
};

}  // namespace

void answerDialogKeys(QWidget* frame, CommandButton* ok, CommandButton* cancel) { new DialogKeys(frame, ok, cancel); }

}  // namespace plat
