#pragma once

#include <QMetaType>
#include <QObject>
#include <QPointer>

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
class XmppChatController;
class IChatController;
namespace Search {
class ContactSearch;
}
}  // namespace Controllers
namespace MediaEngine {
class CallControllerBase;
}
namespace Xsi {
class XsiCredentialsControl;
}
namespace Utils {
namespace Credentials {
class CredentialsManager;
}
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
  ErrorConnectFailure = 1,   // the server cannot be reached
  ErrorAuthentication = 2,   // user name or password refused
  ErrorConnectionLost = 3,   // an established connection failed
  ErrorCancelled = 4,        // the user cancelled the sign-in
  ErrorVersionRejected = 5   // the service requires another client version
};

// One session of the service: from the start of a sign-in to its end. The
// objects a signed-in session offers are reached through the accessors; each
// is null where the session has no such object.
class SessionManagerBase : public QObject {
  Q_OBJECT

 public:
  explicit SessionManagerBase(const RAZ::Configuration::Config* config, QObject* parent = nullptr);
  ~SessionManagerBase() override;

  // The configuration the session signed in with; may be null.
  const RAZ::Configuration::Config* configuration() const { return m_config; }
  RAZ::Sessions::State state() const { return m_state; }
  // 1 for sessions that play the contact-online sound.
  virtual int kind() const { return 0; }

  virtual RAZ::Contacts::Contacts* contactsManager() const { return nullptr; }
  virtual RAZ::Controllers::Search::ContactSearch* contactSearchController() const {
    return nullptr;
  }
  virtual RAZ::Controllers::XmppChatController* xmppChatController() const { return nullptr; }
  virtual RAZ::Controllers::IChatController* sipChatController() const { return nullptr; }
  virtual QObject* myroomController() const { return nullptr; }
  virtual QObject* xsiEngine() const { return nullptr; }
  virtual RAZ::Utils::Credentials::CredentialsManager* credentialsManager() const {
    return m_credentialsManager;
  }
  virtual RAZ::MediaEngine::CallControllerBase* callController() const { return nullptr; }
  virtual RAZ::Xsi::XsiCredentialsControl* xsiCredentialsControl() const { return nullptr; }
  virtual RAZ::Controllers::FtController* ftController() const { return nullptr; }
  virtual RAZ::Controllers::CommsSessionController* commsSessionController() const {
    return nullptr;
  }
  virtual QObject* locationPublisher() const { return nullptr; }
  virtual QList<QObject*> locationSources() const { return {}; }
  virtual QObject* sessionClosingObject() const { return nullptr; }
  virtual QObject* outlookCalendarService() const { return nullptr; }
  virtual QObject* outlookContactService() const { return nullptr; }
  virtual QPointer<QObject> messagesSource() const { return {}; }

  void setCredentialsManager(RAZ::Utils::Credentials::CredentialsManager* manager) {
    m_credentialsManager = manager;
  }
  void setState(RAZ::Sessions::State state) { m_state = state; }

  // Makes the session types known to queued connections and QVariant. Called
  // by the client; safe to call more than once.
  static void registerMetaTypes();

 signals:
  void forceLogout();
  void reconnectingFinished();
  void reconnectionStateChanged(RAZ::Sessions::SessionManagerBase* session, bool reconnecting);

 private:
  const RAZ::Configuration::Config* m_config;
  RAZ::Utils::Credentials::CredentialsManager* m_credentialsManager = nullptr;
  RAZ::Sessions::State m_state = StateNone;
};

}  // namespace Sessions
}  // namespace RAZ

Q_DECLARE_METATYPE(RAZ::Sessions::State)
Q_DECLARE_METATYPE(RAZ::Sessions::Error)
Q_DECLARE_METATYPE(RAZ::Sessions::SessionManagerBase*)
