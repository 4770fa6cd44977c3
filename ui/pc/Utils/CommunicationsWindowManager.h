#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

#include <RAZ/Models/Smileys.h>
#include <tp/core/SharedPointer.h>
#include <tp/core/SmartPtr.h>

#include "Utils/WindowManagerCallHelper.h"
#include "Utils/WindowManagerChatHelper.h"

class QAction;
class NotificationManager;

namespace Preferences {
class Watcher;
}
namespace Providers {
class Factory;
}
namespace QML {
class CommunicationsWindow;
}
namespace RAZ {
namespace Actions {
class Provider;
}
namespace Configuration {
class Config;
}
namespace Contacts {
class Contacts;
class IContact;
}  // namespace Contacts
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

// Gives every communication session of the signed-in user one
// communications window: created with the session (hidden), shown when the
// session's activity or the user asks, forgotten when the window goes (it
// closes itself with its session). Wires each window to the call and chat
// halves, and serves voice mail and participant additions.
class CommunicationsWindowManager : public QObject {
  Q_OBJECT

 public:
  CommunicationsWindowManager(NotificationManager* notifications,
                              RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
                              Preferences::Watcher* watcher);
  ~CommunicationsWindowManager() override;

  // Binds the manager to the session; false without one.
  bool initialize(RAZ::Sessions::SessionManagerBase* session, Providers::Factory* hub);

  // The session's window, or null (a session that has gone matches none).
  QML::CommunicationsWindow* findCommsWindow(
      const RAZ::Controllers::CommunicationSession* session) const;
  QList<QML::CommunicationsWindow*> windows() const;
  bool isAnyWindowAlwaysOnTop() const;
  // The menu actions of the session's window, or null.
  Utils::Actions::CommunicationsWindowMenuActions* getMenuActionsForSession(
      RAZ::Controllers::CommunicationSession* session) const;
  Utils::Actions::CommunicationsWindowMenuActions* menuActions(
      RAZ::Controllers::CommunicationSession* session) const {
    return getMenuActionsForSession(session);
  }
  // The smiley set handed to every chat (before initialize).
  void setSmileys(TP::Core::Refcounting::SmartPtr<RAZ::Models::SmileysPtr> smileys) {
    m_smileys = smileys;
  }

  WindowManagerChatHelper* getChatHelper() const { return m_chatHelper; }
  WindowManagerChatHelper* chatHelper() const { return m_chatHelper; }
  WindowManagerCallHelper* callHelper() const { return m_callHelper; }
  bool isInitialized() const { return !m_session.isNull(); }
  // The voice-mail party, once configured.
  RAZ::Contacts::IContact* voiceMailContact() const;
  RAZ::Actions::Provider* voiceMailActions() const;

 public slots:
  void sessionCreated(RAZ::Controllers::CommunicationSession* session, bool incoming);
  void sessionStateChanged(RAZ::Controllers::CommunicationSession* session, uint oldState,
                           uint newState, bool incoming);
  QML::CommunicationsWindow* createCommsWindow(RAZ::Controllers::CommunicationSession* session);
  void showCommsWindow(RAZ::Controllers::CommunicationSession* session);
  void onAssociatedFirstCallChanged();
  void comWindowDestroyed();
  void addParticipant(RAZ::Controllers::CommunicationSession* session, const QString& address,
                      const int identifier);
  void checkVoiceMails();
  // The ringing call's popup takes the keyboard (false when none rings).
  bool focusRingingCall();

 signals:
  void primarySortFieldChanged();
  void windowVisible(bool visible, const QML::CommunicationsWindow* window);
  void startFileTransfer(RAZ::Controllers::ChatInterface* chat, const QString& path);

 private:
  // The signed-in session's configuration, else the program's.
  const RAZ::Configuration::Config* config() const;
  bool configBool(int id) const;
  QString configString(int id) const;
  void setUpVoiceMail();
  // An incoming share invitation's popup (file and chat popups belong to the
  // chat half).
  void showShareNotification(RAZ::Controllers::CommunicationSession* session,
                             QML::CommunicationsWindow* window);
  // An incoming call's or chat's popup goes on screen first; its session's
  // window, whose scenes take many times as long to build, follows the
  // popup's first frame, or comes at once when anything asks for it before.
  // False for a session that shows no such popup.
  bool notifyBeforeWindow(RAZ::Controllers::CommunicationSession* session);

  QPointer<NotificationManager> m_notifications;
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> m_contacts;
  QPointer<Preferences::Watcher> m_watcher;
  QPointer<RAZ::Sessions::SessionManagerBase> m_session;
  QPointer<Providers::Factory> m_hub;
  TP::Core::Refcounting::SmartPtr<RAZ::Models::SmileysPtr> m_smileys;
  WindowManagerChatHelper* m_chatHelper = nullptr;
  WindowManagerCallHelper* m_callHelper = nullptr;
  QList<QML::CommunicationsWindow*> m_windows;
  // Sessions whose window waits for their popup's first frame.
  mutable QList<QPointer<RAZ::Controllers::CommunicationSession>> m_windowsToBuild;
  RAZ::Utils::SharedPointer<RAZ::Contacts::IContact> m_voiceMailContact;
  // Owned by the voice-mail contact, which may go first.
  QPointer<QObject> m_voiceMailActions;
};

}  // namespace Utils
