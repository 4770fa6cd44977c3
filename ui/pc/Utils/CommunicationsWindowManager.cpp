#include "Utils/CommunicationsWindowManager.h"

#include <QAction>
#include <QWidget>

#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Databases/Comms.h>
#include <RAZ/MediaEngine/CallControllerBase.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <TP/Core/Logging.h>

#include "Providers/Factory.h"
#include "Utils/NotificationManager.h"
#include "Utils/PreferencesWatcher.h"
#include "Utils/Sounds/SettingsBoolPlayer.h"
#include "Utils/WindowManager.h"

namespace Utils {

// ---------------------------------------------------------------------------

// ---------------------------------------------------------------------------

WindowManagerCallHelper::WindowManagerCallHelper(QObject* parent) : QObject(parent) {
  m_incomingCallPlayer = new Utils::Sounds::IncomingCallPlayer(this);
  m_incomingCallPlayer->setLoops(-1);
  m_callingPlayer =
      new Utils::Sounds::TemporaryFilePlayer(QStringLiteral(":/sounds/calling.wav"), this);
  m_callingPlayer->setLoops(-1);
  m_playIncoming = new QAction(this);
  m_stopIncoming = new QAction(this);
  m_playCalling = new QAction(this);
  m_stopCalling = new QAction(this);
  connect(m_playIncoming, SIGNAL(triggered(bool)), m_incomingCallPlayer, SLOT(play()));
  connect(m_stopIncoming, SIGNAL(triggered(bool)), m_incomingCallPlayer, SLOT(stop()));
  connect(m_playCalling, SIGNAL(triggered(bool)), m_callingPlayer, SLOT(play()));
  connect(m_stopCalling, SIGNAL(triggered(bool)), m_callingPlayer, SLOT(stop()));
  connect(this, SIGNAL(preferencesChanged(bool)), m_incomingCallPlayer,
          SLOT(onPreferencesChanged(bool)));
}

WindowManagerCallHelper::~WindowManagerCallHelper() = default;

void WindowManagerCallHelper::initialize(RAZ::Sessions::SessionManagerBase* session,
                                         RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts>) {
  if (m_calls) disconnect(m_calls, nullptr, m_incomingCallPlayer, nullptr);
  m_calls = session ? session->callController() : nullptr;
  if (m_calls)
    connect(m_calls, SIGNAL(activeCalls(bool)), m_incomingCallPlayer,
            SLOT(onPreferencesChanged(bool)), Qt::QueuedConnection);
}

void WindowManagerCallHelper::onPreferencesChanged() {
  emit preferencesChanged(m_calls && m_calls->callCount() > 0);
}

// ---------------------------------------------------------------------------

CommunicationsWindowManager::CommunicationsWindowManager(
    NotificationManager* notifications, RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
    Preferences::Watcher* watcher)
    : m_notifications(notifications), m_contacts(contacts), m_watcher(watcher) {
  m_chatHelper = new WindowManagerChatHelper(notifications, this);
  m_callHelper = new WindowManagerCallHelper(this);
  if (watcher)
    connect(watcher, SIGNAL(preferencesChanged()), m_callHelper, SLOT(onPreferencesChanged()));
}

CommunicationsWindowManager::~CommunicationsWindowManager() {
  for (const QPointer<QWidget>& w : qAsConst(m_windows))
    if (w) w->close();
}

bool CommunicationsWindowManager::initialize(RAZ::Sessions::SessionManagerBase* session,
                                             Providers::Factory* hub) {
  if (!session) return false;
  m_session = session;
  m_hub = hub;
  m_chatHelper->initialize(m_contacts, session, hub, m_smileys);
  m_callHelper->initialize(session, m_contacts);
  connect(m_chatHelper, SIGNAL(chatAccepted(RAZ::Controllers::CommunicationSession*)), this,
          SLOT(showCommsWindow(RAZ::Controllers::CommunicationSession*)), Qt::UniqueConnection);
  if (RAZ::Controllers::CommsSessionController* comms = session->commsSessionController()) {
    connect(comms, SIGNAL(sessionCreated(RAZ::Controllers::CommunicationSession*, bool)), this,
            SLOT(sessionCreated(RAZ::Controllers::CommunicationSession*, bool)),
            Qt::UniqueConnection);
    connect(comms, SIGNAL(sessionReady(RAZ::Controllers::CommunicationSession*)), this,
            SLOT(sessionReady(RAZ::Controllers::CommunicationSession*)), Qt::UniqueConnection);
    connect(comms, SIGNAL(failedToAddContacts(QStringList)), m_chatHelper,
            SLOT(failedToAddContacts(QStringList)), Qt::UniqueConnection);
  }
  return true;
}

bool CommunicationsWindowManager::isAnyWindowAlwaysOnTop() const {
  for (const QPointer<QWidget>& w : m_windows)
    if (w && w->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) return true;
  return false;
}

Utils::Actions::CommunicationsWindowMenuActions* CommunicationsWindowManager::menuActions(
    RAZ::Controllers::CommunicationSession*) const {
  // The communications windows and their menus come with their own work.
  return nullptr;
}

QList<RAZ::Controllers::CommunicationSession*> CommunicationsWindowManager::shownSessions() const {
  QList<RAZ::Controllers::CommunicationSession*> out;
  for (const auto& s : m_shown)
    if (s) out << s.data();
  return out;
}

void CommunicationsWindowManager::showCommsWindow(RAZ::Controllers::CommunicationSession* session) {
  if (!session) return;
  for (const auto& s : qAsConst(m_shown))
    if (s == session) return;
  m_shown << session;
  TP_LOG("Utils::CommunicationsWindowManager::showCommsWindow", TP::Core::Logging::LevelInformation)
      << "Communication with " << session->contactName();
}

void CommunicationsWindowManager::sessionCreated(RAZ::Controllers::CommunicationSession* session,
                                                 bool incoming) {
  if (!session) return;
  TP_LOG("Utils::CommunicationsWindowManager::sessionCreated", TP::Core::Logging::LevelInformation)
      << (incoming ? "Incoming" : "Outgoing") << " communication with " << session->contactName();
}

void CommunicationsWindowManager::sessionReady(RAZ::Controllers::CommunicationSession* session) {
  showCommsWindow(session);
}

void CommunicationsWindowManager::checkVoiceMails() {
  TP_LOG("Utils::CommunicationsWindowManager::checkVoiceMails", TP::Core::Logging::LevelInformation)
      << "Voice mail requested";
}

}  // namespace Utils
