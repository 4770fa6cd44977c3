#include "Utils/CommunicationsWindowManager.h"

#include <QAction>
#include <QCoreApplication>
#include <QQmlEngine>
#include <QTimer>
#include <QWidget>

#include <RAZ/Actions/Action.h>
#include <RAZ/Actions/Provider.h>
#include <RAZ/Configuration/Config.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/ChatInterface.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Databases/Comms.h>
#include <RAZ/MediaEngine/CallControllerBase.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Webcollab/WebcollabBase.h>
#include <TP/Core/Logging.h>

#include "Application.h"
#include "Providers/Factory.h"
#include "Utils/CommunicationsWindowMenuActions.h"
#include "Utils/ConfigIds.h"
#include "Utils/NotificationManager.h"
#include "Utils/PreferencesWatcher.h"
#include "Utils/WindowManager.h"
#include "libqml/components/CommunicationsWindow.h"
#include "libqml/components/MainWindow.h"
#include "libqml/window/FirstFrame.h"

using RAZ::Controllers::CommunicationSession;

namespace Utils {

namespace {
// The longest an incoming call's window waits for its popup's first frame.
const int kWindowAfterPopupMs = 500;
}  // namespace

// ---------------------------------------------------------------------------

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
  // Deleting a window reports its end to comWindowDestroyed, which edits the
  // list: the windows are taken out of it first, and deleted last first.
  const QList<QML::CommunicationsWindow*> windows = m_windows;
  m_windows.clear();
  for (int i = windows.size() - 1; i >= 0; --i) {
    disconnect(windows.at(i), nullptr, this, nullptr);
    delete windows.at(i);
  }
}

bool CommunicationsWindowManager::initialize(RAZ::Sessions::SessionManagerBase* session,
                                             Providers::Factory* hub) {
  if (!session) return false;
  m_session = session;
  m_hub = hub;
  m_chatHelper->initialize(m_contacts, session, hub, m_smileys);
  m_callHelper->initialize(m_contacts, session, hub, this, m_notifications);
  connect(m_chatHelper, SIGNAL(chatAccepted(RAZ::Controllers::CommunicationSession*)), this,
          SLOT(showCommsWindow(RAZ::Controllers::CommunicationSession*)), Qt::UniqueConnection);
  if (RAZ::Controllers::CommsSessionController* comms = session->commsSessionController()) {
    connect(comms, SIGNAL(sessionCreated(RAZ::Controllers::CommunicationSession*, bool)), this,
            SLOT(sessionCreated(RAZ::Controllers::CommunicationSession*, bool)),
            Qt::UniqueConnection);
    connect(comms, SIGNAL(sessionReady(RAZ::Controllers::CommunicationSession*)), this,
            SLOT(showCommsWindow(RAZ::Controllers::CommunicationSession*)), Qt::UniqueConnection);
    connect(comms, SIGNAL(failedToAddContacts(QStringList)), m_chatHelper,
            SLOT(failedToAddContacts(QStringList)), Qt::UniqueConnection);
  }
  setUpVoiceMail();
  if (auto* app = qobject_cast<Application*>(QCoreApplication::instance()))
    if (QML::MainWindow* main = app->mainWindow())
      connect(m_chatHelper, SIGNAL(projectRoomCreated()), main, SLOT(showRoomsList()),
              Qt::UniqueConnection);
  return true;
}

const RAZ::Configuration::Config* CommunicationsWindowManager::config() const {
  const RAZ::Configuration::Config* config = m_session ? m_session->configuration() : nullptr;
  if (!config)
    if (auto* app = qobject_cast<Application*>(QCoreApplication::instance()))
      config = app->getConfig();
  return config;
}

bool CommunicationsWindowManager::configBool(int id) const {
  const RAZ::Configuration::Config* config = this->config();
  return config && config->getBool(id, false);
}

QString CommunicationsWindowManager::configString(int id) const {
  const RAZ::Configuration::Config* config = this->config();
  return config ? config->getString(id) : QString();
}

// ---- Queries ----

QML::CommunicationsWindow* CommunicationsWindowManager::findCommsWindow(
    const CommunicationSession* session) const {
  // A window whose session has gone reports null and matches nothing.
  if (!session) return nullptr;
  for (QML::CommunicationsWindow* w : m_windows)
    if (w->getSession() == session) return w;
  // One still waiting for its popup is built now: whoever asks needs it.
  if (m_windowsToBuild.contains(const_cast<CommunicationSession*>(session)))
    return const_cast<CommunicationsWindowManager*>(this)->createCommsWindow(
        const_cast<CommunicationSession*>(session));
  return nullptr;
}

QList<QML::CommunicationsWindow*> CommunicationsWindowManager::windows() const {
  // Every session's window, those still waiting for their popup too.
  const auto waiting = m_windowsToBuild;
  for (const QPointer<CommunicationSession>& session : waiting)
    if (session) findCommsWindow(session);
  return m_windows;
}

bool CommunicationsWindowManager::isAnyWindowAlwaysOnTop() const {
  for (QML::CommunicationsWindow* w : m_windows)
    if (w->isAlwaysOnTop()) return true;
  return false;
}

bool CommunicationsWindowManager::focusRingingCall() {
  return m_notifications && m_notifications->focusCallNotification();
}

Utils::Actions::CommunicationsWindowMenuActions*
CommunicationsWindowManager::getMenuActionsForSession(CommunicationSession* session) const {
  QML::CommunicationsWindow* window = findCommsWindow(session);
  return window ? window->getMenuActions() : nullptr;
}

RAZ::Actions::Provider* CommunicationsWindowManager::voiceMailActions() const {
  return qobject_cast<RAZ::Actions::Provider*>(m_voiceMailActions.data());
}

RAZ::Contacts::IContact* CommunicationsWindowManager::voiceMailContact() const {
  return m_voiceMailContact.data();
}

// ---- Windows ----

QML::CommunicationsWindow* CommunicationsWindowManager::createCommsWindow(
    CommunicationSession* session) {
  if (!session) return nullptr;
  m_windowsToBuild.removeAll(session);
  m_windowsToBuild.removeAll(nullptr);
  if (QML::CommunicationsWindow* existing = findCommsWindow(session)) return existing;
  // The scenes read the session and its call; neither belongs to them.
  QQmlEngine::setObjectOwnership(session, QQmlEngine::CppOwnership);
  if (RAZ::MediaEngine::CallBasePtr* call = session->getCall())
    QQmlEngine::setObjectOwnership(call, QQmlEngine::CppOwnership);
  auto* window = new QML::CommunicationsWindow(m_session, session, m_hub,
                                               m_hub && m_hub->isAlwaysOnTop(), nullptr);
  connect(window, SIGNAL(destroyed()), this, SLOT(comWindowDestroyed()));
  connect(window, SIGNAL(startFileTransfer(RAZ::Controllers::ChatInterface*, QString)), this,
          SIGNAL(startFileTransfer(RAZ::Controllers::ChatInterface*, QString)));
  connect(window, SIGNAL(windowVisible(bool, const QML::CommunicationsWindow*)), this,
          SIGNAL(windowVisible(bool, const QML::CommunicationsWindow*)));
  connect(window, SIGNAL(addParticipant(RAZ::Controllers::CommunicationSession*, QString, int)),
          this, SLOT(addParticipant(RAZ::Controllers::CommunicationSession*, QString, int)));
  connect(this, SIGNAL(primarySortFieldChanged()), window, SLOT(primarySortFieldChanged()));
  m_windows.append(window);
  window->Activate();
  m_callHelper->connectSessionSignals(session);
  if (session->getChat()) {
    // The chat learns that its window exists but is not shown yet.
    session->getChat()->setWindowShown(false);
    m_chatHelper->connectChat(session, window);
    window->activateChat();
    // A popup that came before the window goes when the window shows.
    m_chatHelper->closeNotificationWithWindow(session, m_notifications, window);
  }
  if (session->getCall()) {
    m_callHelper->connectWindowCallSignals(session, window);
    window->ActivateCall();
  }
  return window;
}

void CommunicationsWindowManager::showCommsWindow(CommunicationSession* session) {
  QML::CommunicationsWindow* window = findCommsWindow(session);
  if (!window) return;
  TP_LOG("Utils::CommunicationsWindowManager::showCommsWindow", TP::Core::Logging::LevelInformation)
      << "Communication with " << session->contactName();
  window->showAndActivate();
}

void CommunicationsWindowManager::comWindowDestroyed() {
  // Compared as a plain object: by now the window part of the sender is gone.
  QObject* gone = sender();
  for (int i = m_windows.size() - 1; i >= 0; --i)
    if (static_cast<QObject*>(m_windows.at(i)) == gone) m_windows.removeAt(i);
}

void CommunicationsWindowManager::onAssociatedFirstCallChanged() {
  auto* session = qobject_cast<CommunicationSession*>(sender());
  if (session && session->getHasAssociatedFirstCall()) showCommsWindow(session);
}

// ---- Sessions ----

void CommunicationsWindowManager::sessionCreated(CommunicationSession* session, bool incoming) {
  if (!session) return;
  TP_LOG("Utils::CommunicationsWindowManager::sessionCreated", TP::Core::Logging::LevelInformation)
      << (incoming ? "Incoming" : "Outgoing") << " communication with " << session->contactName();
  // Unique: a session announced twice must not have its changes handled twice.
  connect(session,
          SIGNAL(sessionStateChanged(RAZ::Controllers::CommunicationSession*, uint, uint, bool)),
          this,
          SLOT(sessionStateChanged(RAZ::Controllers::CommunicationSession*, uint, uint, bool)),
          Qt::UniqueConnection);
  const bool atOnce = configBool(ConfigId::ShowCommsWindowAtOnce);
  if (!atOnce)
    connect(session, SIGNAL(hasAssociatedFirstCallChanged()), this,
            SLOT(onAssociatedFirstCallChanged()), Qt::UniqueConnection);
  if (incoming && m_notifications && notifyBeforeWindow(session)) return;
  QML::CommunicationsWindow* window = createCommsWindow(session);
  if (!incoming) {
    bool show = atOnce;
    if (!show && !session->isOnlyAudioCall()) show = configBool(ConfigId::XmppPresenceAndChat);
    if (!show) return;
    RAZ::Controllers::ChatInterface* chat = session->getChat();
    if (chat && chat->isRoom() && !session->roomMayShow()) return;
    showCommsWindow(session);
    return;
  }
  if (session->callActive()) {
    if (session->getCall()) m_callHelper->showCallNotification(session);
  } else if (session->chatActive()) {
    m_chatHelper->showChatNotification(session, m_notifications, window);
  } else if (session->webCollabActive()) {
    showShareNotification(session, window);
  }
}

bool CommunicationsWindowManager::notifyBeforeWindow(CommunicationSession* session) {
  const bool call = session->callActive();
  if (call ? !session->getCall() : !session->chatActive()) return false;
  m_windowsToBuild.append(session);
  QPointer<CommunicationSession> guard(session);
  const auto build = [this, guard] {
    if (guard && m_windowsToBuild.contains(guard)) createCommsWindow(guard);
  };
  QML::CommunicationNotification* popup = nullptr;
  if (call) {
    m_callHelper->showCallNotification(session);
    popup = m_notifications->findCommunicationNotification(
        session, QML::CommunicationNotification::CallNotification);
  } else {
    popup = m_chatHelper->showChatNotification(session, m_notifications, nullptr);
  }
  if (!popup) {
    build();
    return true;
  }
  // Once the frame is drawn; should the popup never be painted (a hidden
  // desktop), a moment later all the same.
  QML::FirstFrame::watch(popup, this, [this, build] { QTimer::singleShot(0, this, build); });
  QTimer::singleShot(kWindowAfterPopupMs, this, build);
  return true;
}

void CommunicationsWindowManager::showShareNotification(CommunicationSession* session,
                                                        QML::CommunicationsWindow* window) {
  if (!m_notifications || !window) return;
  QML::CommunicationNotification* notification = m_notifications->addCommunicationNotification(
      session, QML::CommunicationNotification::WebcollabNotification);
  if (!notification) return;
  // The window takes the answer to the share (it wires the share to it);
  // turning the invitation down ends the session and its window.
  connect(notification, SIGNAL(webcollabNotificationAccepted()), window,
          SIGNAL(webcollabNotificationAccepted()));
  connect(notification, SIGNAL(webcollabNotificationAccepted()), window, SLOT(showAndActivate()));
  connect(notification, SIGNAL(webcollabNotificationIgnored()), window,
          SIGNAL(webcollabNotificationIgnored()));
  connect(notification, SIGNAL(webcollabNotificationIgnored()), window, SLOT(close()));
  connect(window, SIGNAL(destroyed()), notification, SLOT(close()));
}

void CommunicationsWindowManager::sessionStateChanged(CommunicationSession* session, uint oldState,
                                                      uint newState, bool incoming) {
  QML::CommunicationsWindow* window = findCommsWindow(session);
  if (!window) return;
  using S = CommunicationSession;
  auto began = [oldState, newState](uint bit) { return !(oldState & bit) && (newState & bit); };
  auto ended = [oldState, newState](uint bit) { return (oldState & bit) && !(newState & bit); };

  if (began(S::StateChat)) {
    m_chatHelper->connectChat(session, window);
    window->activateChat();
    if (!window->isVisible() && incoming)
      m_chatHelper->showChatNotification(session, m_notifications, window);
  }

  RAZ::Webcollab::WebcollabBase* collab = session->getWebCollab();
  if (collab) QQmlEngine::setObjectOwnership(collab, QQmlEngine::CppOwnership);
  if (collab && collab->isOwner()) {
    if (began(S::StateWebCollab))
      window->activateShare();
    else if (ended(S::StateWebCollab))
      window->deactivateShare();
    else if (collab->getState() == RAZ::Webcollab::WebcollabBase::StateIdle)
      window->deactivateShare();
  }

  if (began(S::StateGroup)) {
    window->deactivateFileTransfer();
    m_chatHelper->detachFileTransfers(session, window, m_hub);
  }

  if (RAZ::MediaEngine::CallBasePtr* call = session->getCall()) {
    QQmlEngine::setObjectOwnership(call, QQmlEngine::CppOwnership);
    const bool callBegins = began(S::StateCall);
    const bool callBecomesGroup =
        (oldState & S::StateCall) && (newState & S::StateCall) && began(S::StateGroup);
    if (callBegins || callBecomesGroup) {
      m_callHelper->connectWindowCallSignals(session, window);
      if (incoming) {
        // The call takes over from a chat notification still showing.
        if (m_notifications && session->getChatInterface() &&
            m_notifications->findCommunicationNotification(
                session, QML::CommunicationNotification::ChatNotification))
          session->getChatInterface()->callStartedWhileNotified();
        window->showAndActivate();
        m_callHelper->startIncomingRinger(call);
      }
      window->ActivateCall();
    } else if (call->isVideoCall()) {
      m_callHelper->connectWindowCallSignals(session, window);
    }
  }

  window->updateSession();
  if (!incoming && newState != S::StateNothing && newState != S::StateGroup)
    window->showAndActivate();
}

// ---- Participants and voice mail ----

void CommunicationsWindowManager::addParticipant(CommunicationSession* session,
                                                 const QString& address, const int identifier) {
  if (!session) return;
  int id = identifier;
  if (id == -1) {
    RAZ::Contacts::IContact* contact =
        m_contacts ? m_contacts->findOrCreateContact(address) : nullptr;
    if (!contact) return;
    if (contact->isClientUpdatable())
      contact->setProperty(RAZ::Contacts::Properties::KeyWork, address);
    id = contact->getId();
    if (id == -1) return;
  }
  session->addParticipants(QString::number(id), address);
}

void CommunicationsWindowManager::setUpVoiceMail() {
  const QString address = configString(ConfigId::VoiceMailNumber);
  if (address.isEmpty() || !m_contacts) return;
  RAZ::Contacts::IContact* contact = m_contacts->findOrCreateContact(address);
  if (!contact) return;
  m_voiceMailContact = contact;
  if (contact->isClientUpdatable())
    contact->setProperty(RAZ::Contacts::Properties::KeyWork, address);
  if (!m_hub) return;
  RAZ::Actions::Provider* actions = m_hub->createActionProvider(contact);
  m_voiceMailActions = actions;
  if (!actions) return;
  // A provider handles only the ids it is given: the ways to call the box.
  actions->setAcceptedActions({RAZ::Actions::Action::Call, RAZ::Actions::Action::VideoCall,
                               RAZ::Actions::Action::CallFromPhone},
                              false);
  actions->setActionSource(contact);
}

void CommunicationsWindowManager::checkVoiceMails() {
  RAZ::Actions::Provider* actions = voiceMailActions();
  if (!actions) {
    TP_LOG("Utils::CommunicationsWindowManager::checkVoiceMails",
           TP::Core::Logging::LevelInformation)
        << "No voice mail configured";
    return;
  }
  if (configBool(ConfigId::CallsOnThisClient)) {
    RAZ::Actions::Action* video = actions->getActionById(RAZ::Actions::Action::VideoCall);
    actions->trigger(video && video->isEnabled() ? RAZ::Actions::Action::VideoCall
                                                 : RAZ::Actions::Action::Call);
  } else {
    actions->trigger(RAZ::Actions::Action::CallFromPhone);
  }
}

}  // namespace Utils
