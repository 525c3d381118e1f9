#include "tests/support/screenreader.h"

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

namespace {

// The toolkit tells of changes only while its accessibility is on; the offscreen platform
// has it, off, and only a screen reader on the desktop's bus turns it on. Qt's own
// accessibility tests turn it on so.
void switchAccessibility(bool on) {
  QPlatformIntegration* platform = QGuiApplicationPrivate::platformIntegration();
  if (!platform || !platform->accessibility()) throw std::logic_error("the platform has no accessibility");
  platform->accessibility()->setActive(on);
}

}  // namespace

HeardEvents::HeardEvents() : m_previous(QAccessible::installUpdateHandler(record)) {
  current() = this;
  switchAccessibility(true);
}

HeardEvents::~HeardEvents() {
  switchAccessibility(false);
  QAccessible::installUpdateHandler(m_previous);
  current() = nullptr;
}

void HeardEvents::record(QAccessibleEvent* e) {
  if (!current()) return;
  QString name;
  if (e->type() == QAccessible::Focus)
    if (QAccessibleInterface* a = e->accessibleInterface()) name = a->text(QAccessible::Name);
  current()->m_heard.push_back({e->object(), e->type(), name});
}
