#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

#include <RAZ/Models/Smileys.h>
#include <tp/core/SharedPointer.h>
#include <tp/core/SmartPtr.h>

#include "Utils/WindowManagerChatHelper.h"

class QAction;
class NotificationManager;

namespace Preferences {
class Watcher;
}
namespace Providers {
class Factory;
}
namespace RAZ {
namespace Contacts {
class Contacts;
}
namespace Controllers {
class ChatInterface;
class CommunicationSession;
class CommsSessionController;
}  // namespace Controllers
namespace Databases {
class Comms;
}
namespace MediaEngine {
class CallControllerBase;
}
namespace Sessions {
class SessionManagerBase;
}
}  // namespace RAZ

namespace Utils {

class WindowManager;
class WindowManagerCallHelper;
class WindowManagerChatHelper;
namespace Actions {
class CommunicationsWindowMenuActions;
}
namespace Sounds {
class IncomingCallPlayer;
class TemporaryFilePlayer;
}  // namespace Sounds

// The call side of the communications windows: the ringing and calling
// sounds, started and stopped through two actions.
class WindowManagerCallHelper : public QObject {
  Q_OBJECT

 public:
  explicit WindowManagerCallHelper(QObject* parent = nullptr);
  ~WindowManagerCallHelper() override;
  void initialize(RAZ::Sessions::SessionManagerBase* session,
                  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts);

  Utils::Sounds::IncomingCallPlayer* incomingCallPlayer() const { return m_incomingCallPlayer; }
  Utils::Sounds::TemporaryFilePlayer* callingPlayer() const { return m_callingPlayer; }
  QAction* playIncomingAction() const { return m_playIncoming; }
  QAction* stopIncomingAction() const { return m_stopIncoming; }

 public slots:
  void onPreferencesChanged();

 signals:
  void preferencesChanged(bool activeCalls);

 private:
  QPointer<RAZ::MediaEngine::CallControllerBase> m_calls;
  Utils::Sounds::IncomingCallPlayer* m_incomingCallPlayer = nullptr;
  Utils::Sounds::TemporaryFilePlayer* m_callingPlayer = nullptr;
  QAction* m_playIncoming = nullptr;
  QAction* m_stopIncoming = nullptr;
  QAction* m_playCalling = nullptr;
  QAction* m_stopCalling = nullptr;
};

// Keeps the communications windows of a session (calls, chats) and what
// they share: the sounds, the chat helper, the stay-on-top question.
class CommunicationsWindowManager : public QObject {
  Q_OBJECT

 public:
  CommunicationsWindowManager(NotificationManager* notifications,
                              RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
                              Preferences::Watcher* watcher);
  ~CommunicationsWindowManager() override;

  // Binds the manager to the session; false without one.
  bool initialize(RAZ::Sessions::SessionManagerBase* session, Providers::Factory* hub);

  bool isAnyWindowAlwaysOnTop() const;
  // The menu actions of the window shown for the session, or null.
  Utils::Actions::CommunicationsWindowMenuActions* menuActions(
      RAZ::Controllers::CommunicationSession* session) const;
  // The sessions that have been shown, in order.
  QList<RAZ::Controllers::CommunicationSession*> shownSessions() const;

  // The smiley set handed to every chat (before initialize).
  void setSmileys(TP::Core::Refcounting::SmartPtr<RAZ::Models::SmileysPtr> smileys) {
    m_smileys = smileys;
  }

  WindowManagerChatHelper* chatHelper() const { return m_chatHelper; }
  WindowManagerChatHelper* getChatHelper() const { return m_chatHelper; }
  WindowManagerCallHelper* callHelper() const { return m_callHelper; }
  bool isInitialized() const { return !m_session.isNull(); }

 public slots:
  void showCommsWindow(RAZ::Controllers::CommunicationSession* session);
  void checkVoiceMails();
  void sessionCreated(RAZ::Controllers::CommunicationSession* session, bool incoming);
  void sessionReady(RAZ::Controllers::CommunicationSession* session);

 signals:
  void startFileTransfer(RAZ::Controllers::ChatInterface* chat, const QString& path);
  void primarySortFieldChanged();

 private:
  QPointer<NotificationManager> m_notifications;
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> m_contacts;
  QPointer<Preferences::Watcher> m_watcher;
  QPointer<RAZ::Sessions::SessionManagerBase> m_session;
  QPointer<Providers::Factory> m_hub;
  TP::Core::Refcounting::SmartPtr<RAZ::Models::SmileysPtr> m_smileys;
  WindowManagerChatHelper* m_chatHelper = nullptr;
  WindowManagerCallHelper* m_callHelper = nullptr;
  QList<QPointer<RAZ::Controllers::CommunicationSession>> m_shown;
  QHash<RAZ::Controllers::CommunicationSession*, QPointer<QWidget>> m_windows;
};

}  // namespace Utils
