#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <RAZ/MediaEngine/CallBasePtr.h>
#include <RAZ/Xsi/XsiCredentialsControl.h>
#include <tp/core/SharedPointer.h>

class QAction;
class NotificationManager;

namespace Dialogs {
class MessageWindow;
}
namespace Providers {
class Factory;
}
namespace QML {
class CommunicationsWindow;
}
namespace RAZ {
namespace Contacts {
class Contacts;
class IContact;
}  // namespace Contacts
namespace Controllers {
class CommunicationSession;
}
namespace MediaEngine {
class CallControllerBase;
}
namespace Sessions {
class SessionManagerBase;
}
}  // namespace RAZ

namespace Utils {

class CommunicationsWindowManager;
namespace Sounds {
class IncomingCallPlayer;
class TemporaryFilePlayer;
}  // namespace Sounds

// The call half of the communications windows: asks before a new call or an
// answer puts the running call on hold, reports call failures, names the
// remote party, plays the calling tone and the ringer, shows the incoming
// call's popup and answers from it, and hands video surfaces to the call.
// Sounds start and stop only through the four actions.
class WindowManagerCallHelper : public QObject {
  Q_OBJECT

 public:
  explicit WindowManagerCallHelper(QObject* parent = nullptr);
  ~WindowManagerCallHelper() override;

  bool initialize(RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
                  RAZ::Sessions::SessionManagerBase* sessionManager, Providers::Factory* factory,
                  Utils::CommunicationsWindowManager* manager, NotificationManager* notifications);

  // Wiring the manager asks for (all repeatable: unique connections).
  void connectSessionSignals(RAZ::Controllers::CommunicationSession* session);
  void connectWindowCallSignals(RAZ::Controllers::CommunicationSession* session,
                                QML::CommunicationsWindow* window);
  // The incoming call's popup (one per session) and the ringer.
  void showCallNotification(RAZ::Controllers::CommunicationSession* session);
  void startIncomingRinger(RAZ::MediaEngine::CallBasePtr* call);

  // The name a call's addresses give its remote party, in the user's
  // language (RAZ::Controllers::PartyName::ofCall); `replaced` tells
  // whether the name became "Unknown".
  QString getDisplayName(RAZ::MediaEngine::CallBasePtr* call, bool* replaced = nullptr) const;
  // Gives the session's call that name, and a contact the client keeps for
  // a party outside the list as well (a name is never overwritten by a
  // number).
  void updateRemoteName(RAZ::Controllers::CommunicationSession* session);

  QAction* playIncomingAction() const { return m_playIncoming; }
  QAction* stopIncomingAction() const { return m_stopIncoming; }
  QAction* playCallingAction() const { return m_playCalling; }
  QAction* stopCallingAction() const { return m_stopCalling; }
  // The open answer question, or null.
  Dialogs::MessageWindow* confirmWindow() const;

 public slots:
  void onPreferencesChanged();
  void stopIncomingRinger();
  void confirmNewCall(RAZ::MediaEngine::Call call, RAZ::MediaEngine::Call otherCall, bool& ok);
  void confirmIncomingCall(RAZ::MediaEngine::Call call, RAZ::MediaEngine::Call otherCall);
  void notificationAccepted();
  void handleCallAccepted();
  void ringing(RAZ::MediaEngine::Call call);
  void addVideoRequest(RAZ::MediaEngine::Call call);
  void videoStateChanged(RAZ::MediaEngine::CallBasePtr* call);
  void cbCallOpened();
  void cbCallClosed();
  void failedToStartVideo();
  void emergencyCallNotification();
  void handleXsiCallError(RAZ::Xsi::XsiCallback::Error error);
  void onTransferFailed(RAZ::MediaEngine::Call call, int code);
  // The call was handed over to `to`: the user is told to whom.
  void onCallTransferred(RAZ::Controllers::CommunicationSession* session, const QString& to);

 signals:
  void preferencesChanged(bool activeCalls);

 private:
  bool alwaysOnTop() const;
  void stopRingerUnlessAnotherWaits();
  bool showAtOnce() const;
  // The window of a call the user has just answered.
  void showAnsweredWindow(RAZ::Controllers::CommunicationSession* session,
                          QML::CommunicationsWindow* window);
  RAZ::Controllers::CommunicationSession* sessionOf(RAZ::MediaEngine::CallBasePtr* call) const;

  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> m_contacts;
  QPointer<RAZ::Sessions::SessionManagerBase> m_sessionManager;
  Utils::Sounds::IncomingCallPlayer* m_incomingCallPlayer = nullptr;
  QAction* m_playIncoming = nullptr;
  QAction* m_stopIncoming = nullptr;
  Utils::Sounds::TemporaryFilePlayer* m_callingTonePlayer = nullptr;
  QAction* m_playCalling = nullptr;
  QAction* m_stopCalling = nullptr;
  QPointer<Providers::Factory> m_factory;
  QPointer<Utils::CommunicationsWindowManager> m_manager;
  QPointer<NotificationManager> m_notifications;
  QPointer<Dialogs::MessageWindow> m_confirmWindow;
  QPointer<RAZ::MediaEngine::CallBasePtr> m_confirmedCall;
  QPointer<RAZ::MediaEngine::CallControllerBase> m_calls;
  // The incoming calls the ringer sounds for.
  QList<QPointer<RAZ::MediaEngine::CallBasePtr>> m_ringingCalls;
};

}  // namespace Utils
