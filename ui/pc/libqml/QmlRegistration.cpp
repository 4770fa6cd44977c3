#include "libqml/QmlRegistration.h"

#include <QAbstractItemModel>
#include <QMenu>
#include <QtQml>

#include <RAZ/Actions/Action.h>
#include <RAZ/ApiProvider/ConnectorData.h>
#include <RAZ/Contacts/ContactModels.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/ChatInterface.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Controllers/SecurityClassificationController.h>
#include <RAZ/Data/ChatParticipant.h>
#include <RAZ/Data/MessageInterface.h>
#include <RAZ/MediaEngine/CallBasePtr.h>
#include <RAZ/Models/ChatRoomsModel.h>
#include <RAZ/Models/Timeline.h>
#include <RAZ/Presence/PresenceData.h>
#include <RAZ/Webcollab/WebcollabBase.h>
#include <RAZ/Xsi/GranitewayAnywhere.h>
#include <RAZ/Xsi/SupplementaryServices.h>

#include "Models/Chat/MessageModel.h"
#include "Models/Chat/TranscriptBridge.h"
#include "Utils/MainView.h"
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
#include "libqml/utils/ConfigXML.h"
#include "libqml/utils/QmlHelper.h"
#include "libqml/window/View.h"

#include "Models/ContactCardFieldsModel.h"
#include "Models/LeftPaneButtonsModel.h"
#include "Widgets/Notifications/CommunicationNotification.h"
#include "libqml/components/CallSettings.h"
#include "libqml/components/CommunicationsWindow.h"
#include "libqml/components/ContactCard.h"
#include "libqml/components/LoginWindow.h"

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
  creatable<RAZ::Controllers::GWALocation>(kVantre, "Location");
  qmlRegisterSingletonType<Utils::PresenceState>(
      kVantre, 1, 0, "PresenceState",
      [](QQmlEngine*, QJSEngine*) -> QObject* { return new Utils::PresenceState; });
  qmlRegisterSingletonType<Utils::MainView>(
      kVantre, 1, 0, "MainView",
      [](QQmlEngine*, QJSEngine*) -> QObject* { return new Utils::MainView; });

  // "Kelvantic" holds the tool tip alone.
  uncreatable<QML::CallSettingsTabDetail>("CallSettingsTabDetail", reason("CallSettingsTabDetail"));
  uncreatable<QML::CommunicationsWindow>("CommunicationsWindow", reason("CommunicationsWindow"));
  uncreatable<QML::CommunicationNotification>("CommunicationNotification",
                                              reason("CommunicationNotification"));
  uncreatable<QML::ContactCard>("ContactCard", reason("ContactCard"));
  uncreatable<RAZ::MediaEngine::CallBasePtr>("Call", reason("Call"));
  uncreatable<RAZ::ApiProvider::ConnectorData>("ConnectorData", reason("ConnectorData"));
  uncreatable<Models::Chat::MessageModel>("MessageModel", reason("MessageModel"));
  creatable<Models::Chat::TranscriptBridge>(kVantre, "TranscriptBridge");
  // What the chat scene asks of its session by invokable methods.
  qRegisterMetaType<RAZ::Controllers::ChatInterface*>();
  qRegisterMetaType<RAZ::Contacts::IContact*>();
  uncreatable<QML::View>("View", reason("View"));
  uncreatable<QML::ConfigXML>("ConfigXML", reason("ConfigXML"));
  uncreatable<QAbstractItemModel>("QAbstractItemModel", reason("QAbstractItemModel"));
  uncreatable<QMenu>("QMenu", reason("QMenu"));
  uncreatable<RAZ::Data::Message::Interface>("Message", reason("Message"));
  uncreatable<DeclarativeMimeData>("MimeData",
                                   QStringLiteral("MimeData cannot be created from QML."));
  uncreatable<DeclarativeDragDropEvent>(
      "DragDropEvent", QStringLiteral("DragDropEvent cannot be created from QML."));
  uncreatable<QML::QmlHelper>("QmlHelper", reason("QmlHelper"));
  uncreatable<RAZ::Actions::Action>("Action", reason("Action"));
  uncreatable<RAZ::Presence::PresenceData>("Presence", reason("Presence"));
  uncreatable<RAZ::Contacts::ContactGroupsModel>("GroupsModel", reason("GroupsModel"));
  uncreatable<RAZ::Webcollab::WebcollabBase>("WebcollabBase", reason("WebcollabBase"));
  uncreatable<RAZ::Controllers::SecurityClassificationController>(
      "SecurityClassificationController", reason("SecurityClassificationController"));
  uncreatable<RAZ::Controllers::CommunicationSession>("CommunicationSession",
                                                      reason("CommunicationSession"));
  uncreatable<QML::LoginWindow>("LoginWindow", reason("LoginWindow"));
  uncreatable<RAZ::Models::ChatRoomsModel>("ChatRoomsModel", reason("ChatRoomsModel"));
  uncreatable<RAZ::Data::ChatParticipant>("ChatParticipant", reason("ChatParticipant"));
  uncreatable<Models::LeftPaneButtonsModel>("LeftPaneButtonsModel", reason("LeftPaneButtonsModel"));
  uncreatable<RAZ::Models::TimelineEntry>("TimelineEntry", reason("TimelineEntry"));
  uncreatable<RAZ::Models::CallLog>("CallLog", reason("CallLog"));
  uncreatable<RAZ::Controllers::XsiServiceObject>("XsiService", reason("XsiService"));
  qmlRegisterUncreatableMetaObject(Models::FieldData::staticMetaObject, kVantre, 1, 0, "FieldData",
                                   QStringLiteral("FieldData cannot be created from QML"));
}

}  // namespace QML
