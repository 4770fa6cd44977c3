#include "RAZ/Client.h"

#include <QFileInfo>

#include <QAction>
#include <QFile>
#include <QTimer>

#include <TP/Core/Logging.h>
#include <TP/Crypto/Blowfish.h>

#include "RAZ/ConfigContainer.h"
#include "RAZ/Configuration/Config.h"
#include "RAZ/Controllers/CommsSessionController.h"
#include "RAZ/Demo/DemoSession.h"
#include "RAZ/Demo/Service.h"
#include "RAZ/MediaEngine/Sound.h"
#include "RAZ/Utils/Path.h"
#include "RAZ/Xsi/XsiCredentialsControl.h"

namespace RAZ {

using RAZ::Sessions::SessionManagerBase;

Client::Client(QAction* signOutAction, QAction* exitAction, const QString& exeDir, QObject* parent)
    : QObject(parent), m_signOutAction(signOutAction), m_exitAction(exitAction), m_exeDir(exeDir) {
  SessionManagerBase::registerMetaTypes();
  if (signOutAction) connect(signOutAction, SIGNAL(triggered()), this, SLOT(onSignOutTriggered()));
  if (exitAction) connect(exitAction, SIGNAL(triggered()), this, SLOT(onExitTriggered()));
  connect(this, SIGNAL(basicLoggingEnabled(bool)), this, SLOT(onBasicLoggingEnabled(bool)));
  connect(this, SIGNAL(advancedLoggingEnabled(bool)), this, SLOT(onAdvancedLoggingEnabled(bool)));
  connect(this, SIGNAL(clearLogs()), this, SLOT(onClearLogs()));
  connect(this, SIGNAL(disclaimerAccepted()), this, SLOT(onDisclaimerAccepted()));
  connect(this, SIGNAL(disclaimerRejected()), this, SLOT(onDisclaimerRejected()));
}

Client::~Client() {
  if (m_cipher && RAZ::Configuration::Config::fileCipher() == m_cipher)
    RAZ::Configuration::Config::setFileCipher(nullptr);
  // The session is a child; it goes with the client without further signals.
}

bool Client::Initialize(RAZ::ConfigContainer* configContainer, const QString& credentialsPath,
                        TP::Crypto::Blowfish* cipher, FileFactory fileFactory,
                        const QStringList& sounds) {
  m_initializeError.clear();
  if (isInitialized()) {
    TP_LOG("RAZ::Client::Initialize", TP::Core::Logging::LevelError)
        << "The client is initialised already";
    m_initializeError = QStringLiteral("The client is initialised already.");
    return false;
  }
  if (!configContainer || !cipher || credentialsPath.isEmpty()) {
    TP_LOG("RAZ::Client::Initialize", TP::Core::Logging::LevelFatal)
        << "Missing "
        << (!configContainer ? "configuration container"
            : !cipher        ? "cipher"
                             : "credentials path");
    m_initializeError = QStringLiteral("The program is incomplete: no %1 was given.")
                            .arg(!configContainer ? QStringLiteral("configuration container")
                                 : !cipher        ? QStringLiteral("cipher")
                                                  : QStringLiteral("file for the stored accounts"));
    return false;
  }
  if (!cipher->isValid()) {
    TP_LOG("RAZ::Client::Initialize", TP::Core::Logging::LevelFatal) << "The cipher is not keyed";
    m_initializeError = QStringLiteral("The program's key could not be set up.");
    return false;
  }

  auto* credentials = new RAZ::Utils::Credentials::CredentialsManager(credentialsPath, cipher,
                                                                      std::move(fileFactory), this);
  if (!credentials->load()) {
    TP_LOG("RAZ::Client::Initialize", TP::Core::Logging::LevelFatal)
        << "Stored accounts unavailable at " << credentialsPath;
    m_initializeError = QStringLiteral("The folder %1 for the stored accounts cannot be created.")
                            .arg(QFileInfo(credentialsPath).absolutePath());
    delete credentials;
    return false;
  }

  m_cipher = cipher;
  m_credentials = credentials;
  m_configContainer = configContainer;
  m_sounds = sounds;
  RAZ::Configuration::Config::setFileCipher(cipher);
  RAZ::Demo::Service::instance().setClient(this);
  // The media engine lives as long as the client: every session's sounds
  // (ringer, calling tone, messages, contacts coming online) play through it.
  RAZ::MediaEngine::startMediaEngine(this);

  QString exeDir = m_exeDir;
  if (!exeDir.isEmpty() && !exeDir.endsWith(QLatin1Char('/'))) exeDir += QLatin1Char('/');
  QStringList folders;
  const QString data = RAZ::Utils::Path::writableDataPath();
  if (!data.isEmpty()) folders << data;
  if (!exeDir.isEmpty()) folders << exeDir << exeDir + QStringLiteral("../");
  configContainer->setCipher(cipher);
  configContainer->setSearchFolders(folders);
  const int loaded = configContainer->reloadConfigFiles();
  TP_LOG("RAZ::Client::Initialize", TP::Core::Logging::LevelInformation)
      << "Client initialised with " << loaded << " configuration(s) and "
      << credentials->getCredentials(credentials->loginType()).size() << " stored account(s)";
  return true;
}

const RAZ::Configuration::Config* Client::getConfig() const {
  if (m_session) return m_session->configuration();
  return m_configContainer ? m_configContainer->currentConfig() : nullptr;
}

bool Client::signin(const RAZ::Utils::Credentials::UserCredentials& credentials,
                    const RAZ::Configuration::Config* config, const QString& xsiAddress,
                    bool savePassword) {
  if (m_session) {
    TP_LOG("RAZ::Client::signin", TP::Core::Logging::LevelWarning)
        << "A session is running already; sign-in ignored";
    return false;
  }
  const int type = m_credentials ? m_credentials->loginType()
                                 : static_cast<int>(RAZ::Utils::Credentials::LoginSip);
  const RAZ::Utils::Credentials::CredentialsData data = credentials.getCredentials(type);
  m_userCredentials = credentials;
  // The demo service's XSI account is the sign-in account itself; a record
  // of it stored without its password (one not to be remembered) holds the
  // password typed now, so that what the account holds is what is checked.
  RAZ::Utils::Credentials::CredentialsData xsi =
      m_userCredentials.hasCredentials(RAZ::Utils::Credentials::TypeXsi)
          ? m_userCredentials.getCredentials(RAZ::Utils::Credentials::TypeXsi)
          : data;
  if (xsi.getPassword().isEmpty()) xsi.setPassword(data.getPassword());
  m_userCredentials.setCredentials(RAZ::Utils::Credentials::TypeXsi, xsi);
  if (m_credentials) m_credentials->setSavePassword(savePassword);

  auto* attempt =
      new RAZ::Demo::DemoSession(RAZ::Demo::Service::instance().sessionConfiguration(config), this);
  attempt->setCredentialsManager(m_credentials);
  attempt->setState(RAZ::Sessions::StateDetectingProxy);
  m_session = attempt;
  // Whatever follows the chat service (the rooms, the presence menu) hears
  // of each change of its connection, in both directions.
  connect(attempt, &SessionManagerBase::subSessionStateChanged, this,
          [this](SessionManagerBase*, const RAZ::Sessions::SubSession* sub,
                 RAZ::Sessions::Session::State) {
            if (sub && sub->type() == RAZ::Sessions::SubSession::TypeXmpp)
              emit xmppConnectStateChanged();
          });
  TP_LOG("RAZ::Client::signin", TP::Core::Logging::LevelInformation)
      << "Signing in " << data.getUsername()
      << (xsiAddress.isEmpty() ? QString() : " via " + xsiAddress);

  QPointer<SessionManagerBase> guard(attempt);
  if (!isInitialized()) {
    TP_LOG("RAZ::Client::signin", TP::Core::Logging::LevelError)
        << "Sign-in before the client was initialised";
    schedule(0, [this, guard] {
      if (guard)
        finishAttempt(guard, RAZ::Sessions::StateConnecting, RAZ::Sessions::ErrorConnectFailure);
    });
    return true;
  }
  const QString username = data.getUsername();
  const QString password = data.getPassword();
  schedule(0, [this, guard, username, password] { runStep(guard, 0, username, password); });
  return true;
}

void Client::schedule(int delayMs, std::function<void()> step) {
  QTimer::singleShot(delayMs, this, std::move(step));
}

// The sign-in steps, one per event-loop turn (or demo step delay).
void Client::runStep(QPointer<SessionManagerBase> attempt, int step, QString username,
                     QString password) {
  if (!attempt || attempt != m_session || attempt->state() == RAZ::Sessions::StateSigningOut)
    return;
  static const RAZ::Sessions::State kSteps[] = {
      RAZ::Sessions::StateDetectingProxy, RAZ::Sessions::StateConnecting,
      RAZ::Sessions::StateAuthenticating, RAZ::Sessions::StateLoadingContacts};
  const int count = static_cast<int>(sizeof(kSteps) / sizeof(kSteps[0]));
  if (step >= count) {
    openAttempt(attempt, username, password);
    return;
  }
  const RAZ::Sessions::State state = kSteps[step];
  attempt->setState(state);
  QPointer<Client> self(this);
  emit sessionStateChange(attempt, state);
  if (!self || !attempt || attempt != m_session ||
      attempt->state() == RAZ::Sessions::StateSigningOut)
    return;
  if (state == RAZ::Sessions::StateAuthenticating) {
    const RAZ::Sessions::Error error =
        RAZ::Demo::Service::instance().signinOutcome(username, password);
    if (error != RAZ::Sessions::ErrorNone) {
      const RAZ::Sessions::State reached = error == RAZ::Sessions::ErrorConnectFailure
                                               ? RAZ::Sessions::StateConnecting
                                               : RAZ::Sessions::StateAuthenticating;
      schedule(RAZ::Demo::Service::instance().stepDelay(), [this, attempt, reached, error] {
        if (attempt) finishAttempt(attempt, reached, error);
      });
      return;
    }
  }
  if (state == RAZ::Sessions::StateLoadingContacts) {
    if (auto* demo = qobject_cast<RAZ::Demo::DemoSession*>(attempt.data())) {
      demo->open(username, password);
      // The service's XSI account holds the password the client knows for it.
      if (RAZ::Xsi::XsiCredentialsControl* xsi = demo->xsiCredentialsControl())
        xsi->setCurrentPassword(
            m_userCredentials.getCredentials(RAZ::Utils::Credentials::TypeXsi).getPassword());
    }
  }
  schedule(RAZ::Demo::Service::instance().stepDelay(), [this, attempt, step, username, password] {
    runStep(attempt, step + 1, username, password);
  });
}

void Client::openAttempt(SessionManagerBase* attempt, const QString& username,
                         const QString& password) {
  Q_UNUSED(password);
  attempt->setState(RAZ::Sessions::StateSignedIn);
  if (m_credentials) m_credentials->setLoginUsername(username);
  TP_LOG("RAZ::Client::openAttempt", TP::Core::Logging::LevelInformation)
      << "Session open for " << username;
  QPointer<Client> self(this);
  QPointer<SessionManagerBase> guard(attempt);
  emit sessionStateChange(attempt, RAZ::Sessions::StateSignedIn);
  if (!self || !guard || guard != m_session) return;
  QDir dir(RAZ::Utils::Path::writableDataPath());
  emit ensureUserSettingsDirExists(dir, username);
  if (!self || !guard || guard != m_session) return;
  emit sessionOpened(*guard);
}

RAZ::Sessions::SessionManagerBase* Client::openSession() const {
  return m_session && m_session->state() == RAZ::Sessions::StateSignedIn ? m_session.data()
                                                                         : nullptr;
}

bool Client::isXmppConnected() const {
  SessionManagerBase* session = openSession();
  RAZ::Sessions::SubSession* xmpp =
      session ? session->subSession(RAZ::Sessions::SubSession::TypeXmpp) : nullptr;
  return xmpp && xmpp->isConnected();
}

void Client::finishAttempt(SessionManagerBase* attempt, RAZ::Sessions::State state,
                           RAZ::Sessions::Error error) {
  if (!attempt || attempt != m_session) return;
  m_session = nullptr;
  attempt->setState(RAZ::Sessions::StateNone);
  TP_LOG("RAZ::Client::finishAttempt", error == RAZ::Sessions::ErrorCancelled
                                           ? TP::Core::Logging::LevelInformation
                                           : TP::Core::Logging::LevelWarning)
      << "Sign-in ended in state " << static_cast<int>(state) << " with error "
      << static_cast<int>(error);
  // Receivers may look at the session while handling the error; it goes
  // once control is back in the event loop.
  attempt->deleteLater();
  QPointer<Client> self(this);
  emit sessionStateChange(attempt, RAZ::Sessions::StateNone);
  if (!self) return;
  emit sessionError(attempt, state, error);
  if (self && m_quitWhenIdle && !m_session) {
    m_quitWhenIdle = false;
    emit quit();
  }
}

void Client::cancelAttempt() {
  SessionManagerBase* attempt = m_session;
  if (!attempt || attempt->state() == RAZ::Sessions::StateSigningOut) return;
  const RAZ::Sessions::State state = attempt->state();
  attempt->setState(RAZ::Sessions::StateSigningOut);
  QPointer<SessionManagerBase> guard(attempt);
  schedule(0, [this, guard, state] {
    if (guard) finishAttempt(guard, state, RAZ::Sessions::ErrorCancelled);
  });
}

void Client::closeSession(bool signingOut, RAZ::Sessions::Error error) {
  SessionManagerBase* session = openSession();
  if (!session) {
    // Still signing in: the attempt is cancelled instead.
    if (m_session && signingOut) cancelAttempt();
    return;
  }
  if (m_closing) return;
  m_closing = true;
  QPointer<SessionManagerBase> guard(session);
  const int delay = RAZ::Demo::Service::instance().stepDelay();
  if (signingOut) {
    session->setState(RAZ::Sessions::StateSigningOut);
    schedule(0, [this, guard, delay] {
      if (!guard) return;
      QPointer<Client> self(this);
      emit sessionStateChange(guard, RAZ::Sessions::StateSigningOut);
      if (self) schedule(delay, [this, guard] { finishClose(guard); });
    });
    return;
  }
  TP_LOG("RAZ::Client::closeSession", TP::Core::Logging::LevelWarning)
      << "The service ends the session"
      << (error == RAZ::Sessions::ErrorNone ? QString() : " with error " + QString::number(error));
  schedule(0, [this, guard, error] {
    if (!guard) return;
    if (error != RAZ::Sessions::ErrorNone) {
      QPointer<Client> self(this);
      emit sessionError(guard, RAZ::Sessions::StateSignedIn, error);
      if (!self) return;
    }
    schedule(0, [this, guard] { finishClose(guard); });
  });
}

void Client::finishClose(QPointer<SessionManagerBase> session) {
  m_closing = false;
  if (!session || session != m_session) return;
  // The chats and calls still running end with the session, each in the
  // history, before anybody hears of the close: the history's last write of
  // the session follows from it (at once when the program exits).
  if (RAZ::Controllers::CommsSessionController* comms = session->commsSessionController())
    comms->closeAllSessions();
  if (!session || session != m_session) return;
  m_session = nullptr;
  session->setState(RAZ::Sessions::StateSignedOut);
  TP_LOG("RAZ::Client::finishClose", TP::Core::Logging::LevelInformation) << "Session closed";
  QPointer<Client> self(this);
  emit sessionStateChange(session, RAZ::Sessions::StateSignedOut);
  if (!self) return;
  if (session) emit sessionClosed(*session);
  // Every object of the session goes with it, once the receivers of the
  // close have let go of them.
  if (session) session->deleteLater();
  if (self && m_quitWhenIdle && !m_session) {
    m_quitWhenIdle = false;
    emit quit();
  }
}

bool Client::reportNewVersion(bool mandatory, const QUrl& url) {
  const QString scheme = url.scheme().toLower();
  if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")) ||
      url.host().isEmpty()) {
    TP_LOG("RAZ::Client::reportNewVersion", TP::Core::Logging::LevelWarning)
        << "New-version address refused (only http and https): " << url.scheme();
    return false;
  }
  QPointer<Client> self(this);
  schedule(0, [self, mandatory, url] {
    if (self) emit self->newVersionFound(mandatory, url);
  });
  return true;
}

void Client::maybeQuit() {
  if (m_session) {
    TP_LOG("RAZ::Client::maybeQuit", TP::Core::Logging::LevelDetail)
        << "A session is running; not quitting";
    return;
  }
  emit quit();
}

void Client::signOut() { onSignOutTriggered(); }

void Client::onSignOutTriggered() {
  if (!m_session) return;
  TP_LOG("RAZ::Client::onSignOutTriggered", TP::Core::Logging::LevelInformation)
      << "Sign-out requested";
  if (openSession())
    closeSession(true, RAZ::Sessions::ErrorNone);
  else
    cancelAttempt();
}

void Client::onExitTriggered() {
  TP_LOG("RAZ::Client::onExitTriggered", TP::Core::Logging::LevelInformation) << "Exit requested";
  m_quitWhenIdle = true;
  if (m_session) {
    if (openSession())
      closeSession(true, RAZ::Sessions::ErrorNone);
    else
      cancelAttempt();
    return;
  }
  schedule(0, [this] {
    if (m_quitWhenIdle && !m_session) {
      m_quitWhenIdle = false;
      emit quit();
    }
  });
}

void Client::onBasicLoggingEnabled(bool on) {
  // The application restarts or stops the file log from its own setting;
  // when logging goes off, the detailed levels go off with it.
  if (!on) TP::Core::Logging::setAdvancedEnabled(false);
  TP_LOG("RAZ::Client::onBasicLoggingEnabled", TP::Core::Logging::LevelInformation)
      << "Basic logging " << (on ? "on" : "off");
}

void Client::onAdvancedLoggingEnabled(bool on) {
  TP::Core::Logging::setAdvancedEnabled(on);
  TP_LOG("RAZ::Client::onAdvancedLoggingEnabled", TP::Core::Logging::LevelInformation)
      << "Advanced logging " << (on ? "on" : "off");
}

void Client::onClearLogs() {
  TP_LOG("RAZ::Client::onClearLogs", TP::Core::Logging::LevelInformation) << "Log files cleared";
}

void Client::onDisclaimerAccepted() { m_disclaimerAccepted = true; }

void Client::onDisclaimerRejected() { m_disclaimerAccepted = false; }

}  // namespace RAZ
