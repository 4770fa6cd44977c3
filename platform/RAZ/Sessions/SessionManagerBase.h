#pragma once

#include <QList>
#include <QMetaType>
#include <QObject>
#include <QPointer>
#include <QString>

#include <TP/Sip/Uri.h>
#include <tp/core/SharedPointer.h>
#include <tp/core/SmartPtr.h>

#include "RAZ/Sessions/Session.h"

namespace RAZ {

namespace Configuration {
class Config;
}
namespace Contacts {
class Contacts;
}
namespace Controllers {
class CommsSessionController;
class FtController;
class SecurityClassificationController;
class IChatController;
class MyRoomController;
class XmppChatController;
class XsiSupplementaryServicesController2;
class XsiCallHistory;
class GranitewayAnywhereController;
class SimultaneousRingController;
namespace Search {
class ContactSearch;
class LdapContactSearch;
class OutlookContactSearch;
class XsiContactFullSearch;
}  // namespace Search
}  // namespace Controllers
namespace MediaEngine {
class CallControllerBase;
}
namespace Models {
class CallLog;
}
namespace Services {
namespace Xmpp {
class XmppService;
}
}  // namespace Services
namespace Xsi {
class XsiCredentialsControl;
class XsiEngine;
}  // namespace Xsi
namespace Utils {
namespace Credentials {
class CredentialsManager;
}
namespace Location {
class Source;
class Publisher;
}  // namespace Location
}  // namespace Utils

namespace Sessions {

// Progress of a session, as reported by sessionStateChange and sessionError.
// The sign-in window shows 1-2 as detecting the proxy, 3-10 as signing in,
// 11 as signed in and 12 as signing out; every other value as idle.
enum State {
  StateNone = 0,
  StateDetectingProxy = 1,
  StateProxyCredentials = 2,
  StateResolving = 3,
  StateConnecting = 4,
  StateAuthenticating = 5,
  StateFetchingConfiguration = 6,
  StateRegistering = 7,
  StateConnectingXmpp = 8,
  StateConnectingXsi = 9,
  StateLoadingContacts = 10,
  StateSignedIn = 11,
  StateSigningOut = 12,
  StateSignedOut = 13
};

// Why a session failed. The application explains 1 to 3 to the user; the
// others need no message of their own.
enum Error {
  ErrorNone = 0,
  ErrorConnectFailure = 1,  // the server cannot be reached
  ErrorAuthentication = 2,  // user name or password refused
  ErrorConnectionLost = 3,  // an established connection failed
  ErrorCancelled = 4,       // the user cancelled the sign-in
  ErrorVersionRejected = 5  // the service requires another client version
};

// One session of the service: from the start of a sign-in to its end.
//
// The objects of a signed-in session are children of the session and exist
// from the moment the client emits sessionOpened until the session object is
// deleted (with deleteLater, after sessionClosed has been delivered). Each
// accessor gives null where the session has no such object; before the
// session opens every accessor gives null.
class SessionManagerBase : public QObject {
  Q_OBJECT

 public:
  explicit SessionManagerBase(const RAZ::Configuration::Config* config, QObject* parent = nullptr);
  ~SessionManagerBase() override;

  // The configuration the session signed in with; may be null.
  const RAZ::Configuration::Config* configuration() const { return m_config; }
  RAZ::Sessions::State state() const { return m_state; }
  bool isOpen() const { return m_state == StateSignedIn; }
  // The account name the session signed in with.
  QString userName() const { return m_userName; }

  // What kind of session it is: only some announce contacts coming online
  // with a sound.
  enum Kind { KindPlain = 0, KindAnnouncesContacts = 1 };
  virtual int kind() const { return m_kind; }
  // The user's own SIP address; null when the session has none.
  TP::Core::Refcounting::SmartPtr<TP::Sip::UriPtr> ownSipAddress() const { return m_ownAddress; }

  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contactsManager() const;
  // The telephony directory (also what contact synchronisers search).
  RAZ::Controllers::Search::ContactSearch* contactSearchController() const;
  // The enterprise directory, loaded in full.
  RAZ::Controllers::Search::XsiContactFullSearch* contactFullSearchController() const;
  RAZ::Controllers::Search::OutlookContactSearch* outlookContactSearchController() const;
  // The corporate (LDAP) directory.
  RAZ::Controllers::Search::LdapContactSearch* ldapContactSearchController() const;
  RAZ::Controllers::IChatController* sipChatController() const;
  RAZ::Controllers::XmppChatController* xmppChatController() const;
  RAZ::Controllers::MyRoomController* myroomController() const;
  RAZ::Services::Xmpp::XmppService* xmppService() const;
  RAZ::Xsi::XsiEngine* xsiEngine() const;
  RAZ::Utils::Credentials::CredentialsManager* credentialsManager() const {
    return m_credentialsManager;
  }
  RAZ::MediaEngine::CallControllerBase* callController() const;
  RAZ::Xsi::XsiCredentialsControl* xsiCredentialsControl() const;
  RAZ::Controllers::FtController* ftController() const;
  // The classifications calls may be marked with; null where the service
  // classifies nothing.
  RAZ::Controllers::SecurityClassificationController* securityClassificationController() const;
  RAZ::Controllers::CommsSessionController* commsSessionController() const;
  // The record of the session's calls and chats (the history).
  RAZ::Models::CallLog* callLog() const;
  // The call logs the telephony service keeps (null without XSI).
  RAZ::Controllers::XsiCallHistory* xsiCallHistoryController() const;
  // The telephony service's call settings (each null when the account has
  // no access to them).
  RAZ::Controllers::XsiSupplementaryServicesController2* xsiSupplementaryServicesController() const;
  RAZ::Controllers::GranitewayAnywhereController* granitewayAnywhereController() const;
  RAZ::Controllers::SimultaneousRingController* simultaneousRingController() const;
  RAZ::Utils::Location::Publisher* locationPublisher() const;
  QList<RAZ::Utils::Location::Source*> locationSources() const;
  RAZ::Sessions::SessionCloser* sessionClosingObject() const;
  // Outlook is not available on this platform: both are always null.
  QObject* outlookCalendarService() const { return nullptr; }
  QObject* outlookContactService() const { return nullptr; }
  QPointer<RAZ::Sessions::MessagesSource> messagesSource() const { return m_messages; }
  // The connection of the type (SubSession::Type), or null.
  RAZ::Sessions::SubSession* subSession(int type) const;
  bool isReconnecting() const { return m_reconnecting; }
  // What the service keeps for the account (its contact list, chats, call
  // settings) could not be read at this sign-in: where it was set aside,
  // the service having started the account afresh. Empty when all was read.
  QString keptDataSetAside() const { return m_keptDataSetAside; }

  // Used by the client while it signs in and out.
  void setCredentialsManager(RAZ::Utils::Credentials::CredentialsManager* manager) {
    m_credentialsManager = manager;
  }
  // Tells stateChange() when the state differs.
  void setState(RAZ::Sessions::State state);
  void setUserName(const QString& name) { m_userName = name; }
  void setReconnecting(bool on);

  // Makes the session types known to queued connections and QVariant. Called
  // by the client; safe to call more than once.
  static void registerMetaTypes();

 signals:
  void forceLogout();
  // What the service keeps for the account could not be saved; it stays
  // pending and is saved again. `failure` names the file and the reason as
  // the user reads them.
  void keptDataNotSaved(const QString& failure);
  void stateChange(RAZ::Sessions::SessionManagerBase* session, RAZ::Sessions::State state);
  void reconnectingFinished();
  void reconnectionStateChanged(RAZ::Sessions::SessionManagerBase* session, bool reconnecting);
  void subSessionStateChanged(RAZ::Sessions::SessionManagerBase* session,
                              const RAZ::Sessions::SubSession* subSession,
                              RAZ::Sessions::Session::State state);

 protected:
  void setKeptDataSetAside(const QString& path) { m_keptDataSetAside = path; }

  // The objects of the open session, set by whoever builds it (children of
  // the session; any may be null).
  struct Parts {
    int kind = KindPlain;
    TP::Core::Refcounting::SmartPtr<TP::Sip::UriPtr> ownAddress;
    RAZ::Contacts::Contacts* contacts = nullptr;
    RAZ::Controllers::Search::ContactSearch* search = nullptr;
    RAZ::Controllers::Search::XsiContactFullSearch* fullSearch = nullptr;
    RAZ::Controllers::Search::OutlookContactSearch* outlookSearch = nullptr;
    RAZ::Controllers::Search::LdapContactSearch* ldapSearch = nullptr;
    RAZ::Controllers::IChatController* sipChat = nullptr;
    RAZ::Controllers::XmppChatController* xmppChat = nullptr;
    RAZ::Controllers::MyRoomController* myRoom = nullptr;
    RAZ::Services::Xmpp::XmppService* xmppService = nullptr;
    RAZ::Xsi::XsiEngine* xsiEngine = nullptr;
    RAZ::MediaEngine::CallControllerBase* calls = nullptr;
    RAZ::Xsi::XsiCredentialsControl* xsiCredentials = nullptr;
    RAZ::Controllers::FtController* ft = nullptr;
    RAZ::Controllers::SecurityClassificationController* securityClassification = nullptr;
    RAZ::Controllers::CommsSessionController* comms = nullptr;
    RAZ::Controllers::XsiSupplementaryServicesController2* supplementaryServices = nullptr;
    RAZ::Controllers::GranitewayAnywhereController* anywhere = nullptr;
    RAZ::Controllers::SimultaneousRingController* simultaneousRing = nullptr;
    RAZ::Utils::Location::Publisher* publisher = nullptr;
    QList<RAZ::Utils::Location::Source*> locationSources;
    RAZ::Sessions::SessionCloser* closer = nullptr;
    RAZ::Sessions::MessagesSource* messages = nullptr;
    RAZ::Models::CallLog* callLog = nullptr;
    RAZ::Controllers::XsiCallHistory* callHistory = nullptr;
    QList<RAZ::Sessions::SubSession*> subSessions;
  };
  void setParts(const Parts& parts);

 private:
  void onSubSessionStateChanged(RAZ::Sessions::Session::State state);

  const RAZ::Configuration::Config* m_config;
  RAZ::Utils::Credentials::CredentialsManager* m_credentialsManager = nullptr;
  RAZ::Sessions::State m_state = StateNone;
  QString m_userName;
  int m_kind = KindPlain;
  bool m_reconnecting = false;
  QString m_keptDataSetAside;
  TP::Core::Refcounting::SmartPtr<TP::Sip::UriPtr> m_ownAddress;
  QPointer<RAZ::Contacts::Contacts> m_contacts;
  QPointer<RAZ::Controllers::Search::ContactSearch> m_search;
  QPointer<RAZ::Controllers::Search::XsiContactFullSearch> m_fullSearch;
  QPointer<RAZ::Controllers::Search::OutlookContactSearch> m_outlookSearch;
  QPointer<RAZ::Controllers::Search::LdapContactSearch> m_ldapSearch;
  QPointer<RAZ::Controllers::IChatController> m_sipChat;
  QPointer<RAZ::Controllers::XmppChatController> m_xmppChat;
  QPointer<RAZ::Controllers::MyRoomController> m_myRoom;
  QPointer<RAZ::Services::Xmpp::XmppService> m_xmppService;
  QPointer<RAZ::Xsi::XsiEngine> m_xsiEngine;
  QPointer<RAZ::MediaEngine::CallControllerBase> m_calls;
  QPointer<RAZ::Xsi::XsiCredentialsControl> m_xsiCredentials;
  QPointer<RAZ::Controllers::FtController> m_ft;
  QPointer<RAZ::Controllers::SecurityClassificationController> m_securityClassification;
  QPointer<RAZ::Controllers::CommsSessionController> m_comms;
  QPointer<RAZ::Controllers::XsiSupplementaryServicesController2> m_supplementaryServices;
  QPointer<RAZ::Controllers::GranitewayAnywhereController> m_anywhere;
  QPointer<RAZ::Controllers::SimultaneousRingController> m_simultaneousRing;
  QPointer<RAZ::Utils::Location::Publisher> m_publisher;
  QList<QPointer<RAZ::Utils::Location::Source>> m_locationSources;
  QPointer<RAZ::Sessions::SessionCloser> m_closer;
  QPointer<RAZ::Sessions::MessagesSource> m_messages;
  QPointer<RAZ::Models::CallLog> m_callLog;
  QPointer<RAZ::Controllers::XsiCallHistory> m_callHistory;
  QList<QPointer<RAZ::Sessions::SubSession>> m_subSessions;
};

}  // namespace Sessions
}  // namespace RAZ

Q_DECLARE_METATYPE(RAZ::Sessions::State)
Q_DECLARE_METATYPE(RAZ::Sessions::Error)
Q_DECLARE_METATYPE(RAZ::Sessions::SessionManagerBase*)
