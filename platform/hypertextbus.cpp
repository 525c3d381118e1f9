#include "platform/hypertextbus.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QPointer>
#include <QVariantMap>

namespace plat {

namespace {

// The accessibility bus's names: where the toolkit serves its accessible objects, each at
// the prefix and its number, and the interfaces asked for.
const QString kObjectsPath = QStringLiteral("/org/a11y/atspi/accessible");
const QString kObjectPrefix = QStringLiteral("/org/a11y/atspi/accessible/");
const QString kNoObjectPath = QStringLiteral("/org/a11y/atspi/null");
// A link's hyperlink is an object of the bus's own beside the link: a reader keeps what it
// knows of each path, and the two are not the same kind of thing to it.
const QString kHyperlinkSuffix = QStringLiteral("/hyperlink");
const QString kAccessible = QStringLiteral("org.a11y.atspi.Accessible");
const QString kAction = QStringLiteral("org.a11y.atspi.Action");
const QString kComponent = QStringLiteral("org.a11y.atspi.Component");
const QString kText = QStringLiteral("org.a11y.atspi.Text");
const QString kEditableText = QStringLiteral("org.a11y.atspi.EditableText");
const QString kValue = QStringLiteral("org.a11y.atspi.Value");
const QString kHypertext = QStringLiteral("org.a11y.atspi.Hypertext");
const QString kHyperlink = QStringLiteral("org.a11y.atspi.Hyperlink");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

QAccessibleInterface* objectAt(QString path) {
  if (!path.startsWith(kObjectPrefix)) return nullptr;
  if (path.endsWith(kHyperlinkSuffix)) path.chop(kHyperlinkSuffix.size());
  bool ok = false;
  const uint id = path.mid(kObjectPrefix.size()).toUInt(&ok);
  QAccessibleInterface* found = ok ? QAccessible::accessibleInterface(QAccessible::Id(id)) : nullptr;
  return found && found->isValid() ? found : nullptr;
}

QString pathOf(QAccessibleInterface* object) {
  return object ? kObjectPrefix + QString::number(QAccessible::uniqueId(object)) : kNoObjectPath;
}

// An object as the bus refers to it: the program's name on the bus and the object's path.
QVariant reference(const QString& busName, const QString& path) {
  QDBusArgument a;
  a.beginStructure();
  a << busName << QDBusObjectPath(path);
  a.endStructure();
  return QVariant::fromValue(a);
}

// What a text with links offers on the bus: what the toolkit offers for it, and hypertext.
QStringList interfacesOf(QAccessibleInterface* object) {
  QStringList offered{kAccessible};
  if (!object->rect().isEmpty() || (object->object() && object->object()->isWidgetType())) offered << kComponent;
  if (object->actionInterface() || object->valueInterface()) offered << kAction;
  if (object->textInterface()) offered << kText;
  if (object->editableTextInterface()) offered << kEditableText;
  if (object->valueInterface()) offered << kValue;
  offered << kHypertext;
  return offered;
}

QVariantMap hyperlinkProperties(QAccessibleHyperlinkInterface* link) {
  return {{QStringLiteral("NAnchors"), QVariant::fromValue(qint16(1))},
          {QStringLiteral("StartIndex"), link->startIndex()},
          {QStringLiteral("EndIndex"), link->endIndex()}};
}

int intArgument(const QDBusMessage& call) { return call.arguments().value(0).toInt(); }

// The toolkit's service for every accessible object, with the two interfaces answered first.
class HypertextBus : public QDBusVirtualObject {
 public:
  explicit HypertextBus(QObject* parent) : QDBusVirtualObject(parent) {}
  void serveBeside(QDBusVirtualObject* toolkit) { m_toolkit = toolkit; }

  QString introspect(const QString& path) const override { return m_toolkit ? m_toolkit->introspect(path) : QString(); }
  bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
    const QDBusMessage reply = answerHypertextCall(message, connection.baseService());
    if (reply.type() != QDBusMessage::InvalidMessage) return connection.send(reply);
    return m_toolkit && m_toolkit->handleMessage(message, connection);
  }

 private:
  QPointer<QDBusVirtualObject> m_toolkit;
};

}  // namespace

QDBusMessage answerHypertextCall(const QDBusMessage& call, const QString& busName) {
  QAccessibleInterface* object = objectAt(call.path());
  if (!object || call.type() != QDBusMessage::MethodCallMessage) return QDBusMessage();
  const bool asHyperlink = call.path().endsWith(kHyperlinkSuffix);
  auto* text = asHyperlink ? nullptr : dynamic_cast<AccessibleHypertext*>(object);
  QAccessibleHyperlinkInterface* link = asHyperlink ? object->hyperlinkInterface() : nullptr;
  if (!text && !link) return QDBusMessage();
  const QString in = call.interface(), member = call.member();

  if (text && in == kAccessible && member == QLatin1String("GetInterfaces"))
    return call.createReply(interfacesOf(object));
  if (text && in == kHypertext) {
    if (member == QLatin1String("GetNLinks")) return call.createReply(text->linkCount());
    if (member == QLatin1String("GetLink")) {
      QAccessibleInterface* found = text->linkAt(intArgument(call));
      return call.createReply(reference(busName, found ? pathOf(found) + kHyperlinkSuffix : kNoObjectPath));
    }
    if (member == QLatin1String("GetLinkIndex")) return call.createReply(text->linkIndexAtCharacter(intArgument(call)));
  }
  if (link && in == kHyperlink) {
    const bool first = intArgument(call) == 0;
    if (member == QLatin1String("GetObject"))
      return call.createReply(reference(busName, pathOf(first ? object : nullptr)));
    if (member == QLatin1String("GetURI")) return call.createReply(first ? link->anchorTarget() : QString());
    if (member == QLatin1String("IsValid")) return call.createReply(link->isValid());
  }
  const QString asked = call.arguments().value(0).toString();
  if (link && in == kProperties && asked == kHyperlink) {
    const QVariantMap properties = hyperlinkProperties(link);
    if (member == QLatin1String("GetAll")) return call.createReply(properties);
    const QString name = call.arguments().value(1).toString();
    if (member == QLatin1String("Get") && properties.contains(name))
      return call.createReply(QVariant::fromValue(QDBusVariant(properties.value(name))));
  }
  if (text && in == kProperties && asked == kHypertext && member == QLatin1String("GetAll"))
    return call.createReply(QVariantMap());
  if ((text && in == kHypertext) || (link && in == kHyperlink))
    return call.createErrorReply(QDBusError::UnknownMethod, member);
  return QDBusMessage();
}

void offerHypertextOnBus() {
  // The toolkit's connection to the accessibility bus, once it has made one.
  QDBusConnection bus(QStringLiteral("a11y"));
  if (!bus.isConnected()) return;
  auto* there = dynamic_cast<QDBusVirtualObject*>(bus.objectRegisteredAt(kObjectsPath));
  static QPointer<HypertextBus> ours;
  if (!there || there == ours) return;
  if (!ours) ours = new HypertextBus(QCoreApplication::instance());
  ours->serveBeside(there);
  bus.unregisterObject(kObjectsPath, QDBusConnection::UnregisterNode);
  if (!bus.registerVirtualObject(kObjectsPath, ours, QDBusConnection::SubPath))
    bus.registerVirtualObject(kObjectsPath, there, QDBusConnection::SubPath);  // the toolkit's, as it was
}

}  // namespace plat
