#include "Widgets/Notifications/PlatformCalls.h"

#include <QMetaMethod>
#include <QObject>

namespace Widgets {
namespace Notifications {
namespace PlatformCalls {

namespace {

// Whether the type names one of the object's own enums (int-sized).
bool isEnumOf(const QMetaObject* mo, const QByteArray& type) {
  const int colon = type.lastIndexOf("::");
  const QByteArray shortName = colon >= 0 ? type.mid(colon + 2) : type;
  return mo->indexOfEnumerator(shortName.constData()) >= 0;
}

}  // namespace

QVariant call(QObject* obj, const char* name) {
  if (!obj) return QVariant();
  const QMetaObject* mo = obj->metaObject();
  const QByteArray wanted(name);
  for (int i = mo->methodCount() - 1; i >= 0; --i) {
    const QMetaMethod method = mo->method(i);
    if (method.parameterCount() != 0 || method.name() != wanted) continue;
    if (method.methodType() == QMetaMethod::Signal) continue;
    const QByteArray type = method.typeName();
    if (type == "bool") {
      bool value = false;
      if (method.invoke(obj, Qt::DirectConnection,
                        QGenericReturnArgument(method.typeName(), &value)))
        return QVariant(value);
    } else if (type.endsWith('*')) {
      // Platform objects derive from QObject first, so the address is the
      // object's QObject address.
      void* value = nullptr;
      if (method.invoke(obj, Qt::DirectConnection,
                        QGenericReturnArgument(method.typeName(), &value)))
        return QVariant::fromValue(static_cast<QObject*>(value));
    } else if (type == "int" || isEnumOf(mo, type)) {
      // Enums travel as int.
      int value = 0;
      if (method.invoke(obj, Qt::DirectConnection,
                        QGenericReturnArgument(method.typeName(), &value)))
        return QVariant(value);
    }
    return QVariant();
  }
  return QVariant();
}

bool hasSignal(const QObject* obj, const char* signature) {
  if (!obj) return false;
  const QByteArray normalized = QMetaObject::normalizedSignature(signature);
  const int index = obj->metaObject()->indexOfSignal(normalized.constData());
  return index >= 0;
}

}  // namespace PlatformCalls
}  // namespace Notifications
}  // namespace Widgets
