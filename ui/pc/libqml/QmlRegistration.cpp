#include "libqml/QmlRegistration.h"

#include <QtQml>

#include "libqml/components/LoginWindow.h"
#include "libqml/window/View.h"

namespace QML {

void registerTypes() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  // The types that exist so far; each window's type joins this list as the
  // window arrives.
  qmlRegisterUncreatableType<QML::View>("Vantre", 1, 0, "View", QStringLiteral("View cannot be created from QML"));
  qmlRegisterUncreatableType<QML::LoginWindow>("Vantre", 1, 0, "LoginWindow",
                                               QStringLiteral("LoginWindow cannot be created from QML"));
}

}  // namespace QML
