#include "libqml/QmlRegistration.h"

#include <QAbstractItemModel>
#include <QMenu>
#include <QtQml>

#include <RAZ/Actions/Action.h>

#include "Utils/PresenceState.h"
#include "libqml/items/CenteredFlow.h"
#include "libqml/items/ComboBoxAdapters.h"
#include "libqml/items/DragDrop.h"
#include "libqml/items/QmlClipboardAdapter.h"
#include "libqml/items/QmlMenu.h"
#include "libqml/items/QmlPixmap.h"
#include "libqml/items/QmlToolTip.h"
#include "libqml/items/ViewShare.h"
#include "libqml/items/WebView.h"
#include "libqml/utils/QmlHelper.h"
#include "libqml/window/View.h"

// Types of other areas join as their classes arrive; until then the name
// is declared in the module, so scenes resolve it and creating one reports
// why it cannot be created.
#if __has_include("libqml/components/LoginWindow.h")
#include "libqml/components/LoginWindow.h"
#define ZENT_HAVE_LOGIN_WINDOW 1
#endif
#if __has_include("Widgets/Notifications/CommunicationNotification.h")
#include "Widgets/Notifications/CommunicationNotification.h"
#define ZENT_HAVE_COMMUNICATION_NOTIFICATION 1
#endif

namespace QML {

namespace {

const char* const kVantre = "Vantre";
const char* const kKelvantic = "Kelvantic";

QString reason(const char* name) {
  return QStringLiteral("%1 cannot be created from QML").arg(QLatin1String(name));
}

template <typename T>
void creatable(const char* uri, const char* name) {
  qmlRegisterType<T>(uri, 1, 0, name);
}

template <typename T>
void uncreatable(const char* name, const QString& why) {
  qmlRegisterUncreatableType<T>(kVantre, 1, 0, name, why);
}

void notYetAvailable(const char* name, const QString& why) {
  qmlRegisterTypeNotAvailable(kVantre, 1, 0, name, why);
}

}  // namespace

void registerTypes() {
  static bool registered = false;
  if (registered) return;
  registered = true;

  creatable<QmlSecurityClassMenu>(kVantre, "SecurityClassificationMenu");
  creatable<QmlMenu>(kVantre, "Menu");
  creatable<QmlPixmap>(kVantre, "Pixmap");
  creatable<QmlToolTip>(kKelvantic, "ToolTip");
  creatable<DeclarativeDropArea>(kVantre, "DropArea");
  creatable<DeclarativeDragArea>(kVantre, "DragArea");
  creatable<QComboBoxQmlAdapter>(kVantre, "ComboBox");
  creatable<QLoginComboBoxQmlAdapter>(kVantre, "LoginComboBox");
  creatable<QFilterComboBoxQmlAdapter>(kVantre, "FilterComboBox");
  creatable<QNumberSelectorComboBoxQmlAdapter>(kVantre, "NumberSelectorComboBox");
  creatable<QCommWinNumberSelectorComboBoxQmlAdapter>(kVantre, "CommWinNumberSelectorComboBox");
  creatable<QDeclarativeWebView2>(kVantre, "WebView2");
  creatable<CenteredFlow>(kVantre, "CenteredFlow");
  creatable<QmlClipboardAdapter>(kVantre, "QmlClipboardAdapter");
  creatable<ViewShare>(kVantre, "ViewShare");
  creatable<ViewShareUss>(kVantre, "ViewShareUss");
  notYetAvailable("Location", QStringLiteral("Location is not available yet"));
  qmlRegisterSingletonType<Utils::PresenceState>(
      kVantre, 1, 0, "PresenceState",
      [](QQmlEngine*, QJSEngine*) -> QObject* { return new Utils::PresenceState; });

  notYetAvailable("CommunicationsWindow", reason("CommunicationsWindow"));
#ifdef ZENT_HAVE_COMMUNICATION_NOTIFICATION
  uncreatable<QML::CommunicationNotification>("CommunicationNotification",
                                              reason("CommunicationNotification"));
#else
  notYetAvailable("CommunicationNotification", reason("CommunicationNotification"));
#endif
  notYetAvailable("ContactCard", reason("ContactCard"));
  notYetAvailable("Call", reason("Call"));
  notYetAvailable("MessageModel", reason("MessageModel"));
  uncreatable<QML::View>("View", reason("View"));
  notYetAvailable("ConfigXML", reason("ConfigXML"));
  uncreatable<QAbstractItemModel>("QAbstractItemModel", reason("QAbstractItemModel"));
  uncreatable<QMenu>("QMenu", reason("QMenu"));
  notYetAvailable("Message", reason("Message"));
  uncreatable<DeclarativeMimeData>("MimeData",
                                   QStringLiteral("MimeData cannot be created from QML."));
  uncreatable<DeclarativeDragDropEvent>(
      "DragDropEvent", QStringLiteral("DragDropEvent cannot be created from QML."));
  uncreatable<QML::QmlHelper>("QmlHelper", reason("QmlHelper"));
  uncreatable<RAZ::Actions::Action>("Action", reason("Action"));
  notYetAvailable("Presence", reason("Presence"));
  notYetAvailable("GroupsModel", reason("GroupsModel"));
  notYetAvailable("WebcollabBase", reason("WebcollabBase"));
  notYetAvailable("SecurityClassificationController", reason("SecurityClassificationController"));
  notYetAvailable("CommunicationSession", reason("CommunicationSession"));
#ifdef ZENT_HAVE_LOGIN_WINDOW
  uncreatable<QML::LoginWindow>("LoginWindow", reason("LoginWindow"));
#else
  notYetAvailable("LoginWindow", reason("LoginWindow"));
#endif
  notYetAvailable("ChatRoomsModel", reason("ChatRoomsModel"));
  notYetAvailable("ChatParticipant", reason("ChatParticipant"));
  notYetAvailable("LeftPaneButtonsModel", reason("LeftPaneButtonsModel"));
  notYetAvailable("TimelineEntry", reason("TimelineEntry"));
  notYetAvailable("FieldData", reason("FieldData"));
  notYetAvailable("ConnectorData", reason("ConnectorData"));
}

}  // namespace QML
