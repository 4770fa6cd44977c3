#pragma once

#include <QDir>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

#include "RAZ/ConfigContainer.h"
#include "RAZ/Sessions/SessionManagerBase.h"
#include "RAZ/Utils/Credentials.h"

class QAction;
class QFile;

namespace TP {
namespace Crypto {
class Blowfish;
}
}  // namespace TP

namespace RAZ {

class ConfigContainer;
namespace Configuration {
class Config;
}

// The platform client: the program's entry to the service. It owns the
// stored accounts and runs one session at a time.
//
// It behaves like a remote service: signin() returns at once and every
// session signal (sessionStateChange, sessionOpened, sessionError,
// sessionClosed) arrives later from the event loop, never inside the call
// that caused it. Signals with reference parameters (sessionOpened,
// sessionClosed, ensureUserSettingsDirExists) are emitted on the GUI thread,
// so direct connections may keep or fill the references.
//
// A successful sign-in reports the states DetectingProxy, Connecting,
// Authenticating, LoadingContacts and SignedIn (one event-loop turn or demo
// step apart), then ensureUserSettingsDirExists(dir, account) with the data
// folder (the receiver may move `dir` to the account's own folder), then
// sessionOpened. A refused sign-in reports its states, then None and
// sessionError(session, state reached, error); the session object is deleted
// after the report. Sign Out (or Exit) of an open session reports SigningOut,
// then SignedOut and sessionClosed; the server closing a session reports
// SignedOut and sessionClosed without SigningOut; a dropped connection
// reports sessionError(session, SignedIn, ConnectionLost) first. Whichever
// way it closes, the chats and calls still running in it end (each reported
// to the history) before SignedOut is reported. After sessionClosed has
// been delivered the session and every object it owns are deleted
// (deleteLater), exactly once.
class Client : public QObject {
  Q_OBJECT

 public:
  using FileFactory = std::function<QFile*(const QString& name, QObject* parent)>;

  // The Sign Out and Exit actions are watched (not owned): Sign Out ends the
  // running session or sign-in, Exit does the same and then emits quit().
  Client(QAction* signOutAction, QAction* exitAction, const QString& exeDir,
         QObject* parent = nullptr);
  ~Client() override;

  // Takes the configuration container (not owned) and the keyed cipher (not
  // owned, must outlive the client), loads the configuration files of the
  // data folder, else the executable's folder, else its parent, and reads the
  // stored accounts from `credentialsPath`. False (logged) when an argument is
  // missing, the cipher is not keyed, the credentials folder cannot be
  // created, or the client was initialised already. The sounds (busy,
  // congestion) are resource paths of the theme, registered later.
  bool Initialize(RAZ::ConfigContainer* configContainer, const QString& credentialsPath,
                  TP::Crypto::Blowfish* cipher, FileFactory fileFactory, const QStringList& sounds);
  bool isInitialized() const { return m_credentials != nullptr; }
  // Why the last Initialize failed, naming the file or folder at fault;
  // empty after a success.
  QString initializeError() const { return m_initializeError; }

  // Starts signing in with the account's data of the credentials manager's
  // login type. Returns false when the sign-in cannot start because another
  // session is running or opening (nothing is emitted then); otherwise true,
  // and the outcome arrives by signal.
  bool signin(const RAZ::Utils::Credentials::UserCredentials& credentials,
              const RAZ::Configuration::Config* config, const QString& xsiAddress,
              bool savePassword);

  // The configuration of the running session, else the container's current
  // one; null before Initialize or without configurations.
  const RAZ::Configuration::Config* getConfig() const;
  RAZ::ConfigContainer* getConfigContainer() const { return m_configContainer; }
  RAZ::Utils::Credentials::CredentialsManager* getCredentialsManager() const {
    return m_credentials;
  }
  // The account of the last sign-in.
  RAZ::Utils::Credentials::UserCredentials getUserCredentials() const { return m_userCredentials; }
  // The account as it is now, after a change of one of its passwords: what
  // the next check of that password reads. In memory only; what is stored
  // is the credentials manager's.
  void setUserCredentials(const RAZ::Utils::Credentials::UserCredentials& credentials) {
    m_userCredentials = credentials;
  }
  bool isXmppConnected() const;
  // The answer to the last disclaimer shown (showDisclaimerDialog).
  bool isDisclaimerAccepted() const { return m_disclaimerAccepted; }

  // The running or opening session, or null.
  RAZ::Sessions::SessionManagerBase* sessionManager() const { return m_session; }
  // True while a session is open or opening.
  bool hasSession() const { return !m_session.isNull(); }
  // The session that is open (signed in), or null while signing in or out.
  RAZ::Sessions::SessionManagerBase* openSession() const;
  QString exeDir() const { return m_exeDir; }
  QStringList sounds() const { return m_sounds; }

  // --- Service side: what the service behind the client reports ---
  // Ends the open session: `signingOut` reports SigningOut first (the
  // service signs the user out); otherwise the server closes it, and
  // `error` other than None is reported before the close. A sign-in still
  // running is cancelled instead when `signingOut`.
  void closeSession(bool signingOut, RAZ::Sessions::Error error);
  // Passes a new-version notice on from the event loop; only http and https
  // addresses are passed (false and logged otherwise).
  bool reportNewVersion(bool mandatory, const QUrl& url);

 public slots:
  // Emits quit() (at once) when no session is open or opening; otherwise
  // nothing happens.
  void maybeQuit();
  // Signs out (the same as triggering Sign Out).
  void signOut();

 signals:
  void sessionOpened(RAZ::Sessions::SessionManagerBase& session);
  void sessionClosed(RAZ::Sessions::SessionManagerBase& session);
  void sessionError(RAZ::Sessions::SessionManagerBase* session, RAZ::Sessions::State state,
                    RAZ::Sessions::Error error);
  void sessionStateChange(RAZ::Sessions::SessionManagerBase* session, RAZ::Sessions::State state);
  void quit();
  void newVersionFound(bool mandatory, const QUrl& url);
  void ensureUserSettingsDirExists(QDir& dir, const QString& name);
  void requestProxyCredentials(bool noPrompt, const QString& username, const QString& password,
                               bool secure, QObject* receiver, const QString& replySlot);
  void showDisclaimerDialog();
  // The running session's chat (XMPP) connection went up or down.
  void xmppConnectStateChanged();

  // Emitted by the application (forwarded signal to signal); the client acts
  // on them itself.
  void basicLoggingEnabled(bool on);
  void advancedLoggingEnabled(bool on);
  void clearLogs();
  void disclaimerAccepted();
  void disclaimerRejected();

 private slots:
  void onSignOutTriggered();
  void onExitTriggered();
  void onBasicLoggingEnabled(bool on);
  void onAdvancedLoggingEnabled(bool on);
  void onClearLogs();
  void onDisclaimerAccepted();
  void onDisclaimerRejected();

 private:
  void runStep(QPointer<RAZ::Sessions::SessionManagerBase> attempt, int step, QString username,
               QString password);
  void openAttempt(RAZ::Sessions::SessionManagerBase* attempt, const QString& username,
                   const QString& password);
  void finishAttempt(RAZ::Sessions::SessionManagerBase* attempt, RAZ::Sessions::State state,
                     RAZ::Sessions::Error error);
  void cancelAttempt();
  void finishClose(QPointer<RAZ::Sessions::SessionManagerBase> session);
  void schedule(int delayMs, std::function<void()> step);

  QPointer<QAction> m_signOutAction;
  QPointer<QAction> m_exitAction;
  QString m_exeDir;
  QString m_initializeError;
  QPointer<RAZ::ConfigContainer> m_configContainer;
  TP::Crypto::Blowfish* m_cipher = nullptr;
  RAZ::Utils::Credentials::CredentialsManager* m_credentials = nullptr;
  QStringList m_sounds;
  RAZ::Utils::Credentials::UserCredentials m_userCredentials;
  QPointer<RAZ::Sessions::SessionManagerBase> m_session;
  bool m_quitWhenIdle = false;
  bool m_disclaimerAccepted = false;
  bool m_closing = false;
};

}  // namespace RAZ
