#include "libqml/QmlRegistration.h"

#include <QtQml>

#include "libqml/window/View.h"
#include "libqml/utils/QmlHelper.h"

namespace QML {

void registerTypes() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  qmlRegisterUncreatableType<QML::View>("Vantre", 1, 0, "View", QStringLiteral("View cannot be created from QML"));
  qmlRegisterUncreatableType<QML::QmlHelper>("Vantre", 1, 0, "QmlHelper",
                                             QStringLiteral("QmlHelper cannot be created from QML"));
}

}  // namespace QML
