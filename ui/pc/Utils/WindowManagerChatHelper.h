#pragma once

#include <QHash>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <QXmppDataForm.h>

#include <RAZ/Controllers/ChatError.h>
#include <RAZ/Models/Smileys.h>
#include <tp/core/SharedPointer.h>
#include <tp/core/SmartPtr.h>

class NotificationManager;

namespace Dialogs {
class ConfigureRoom;
}
namespace Providers {
class Factory;
}
namespace QML {
class CommunicationNotification;
class CommunicationsWindow;
}  // namespace QML
namespace RAZ {
namespace Contacts {
class Contacts;
}
namespace Controllers {
class CommunicationSession;
class XmppChat;
}  // namespace Controllers
namespace Models {
class FTModel;
}
namespace Sessions {
class SessionManagerBase;
}
}  // namespace RAZ
namespace Widgets {
namespace Conference {
class XmppPasswordDialog;
}
}  // namespace Widgets

namespace Utils {
namespace Sounds {
class IncomingMessagePlayer;
}

// The chat side of the communications window manager: wires a session's
// chat into its window (transcript, typing, transfers, failures, the
// incoming-message sound), shows chat notifications, runs the chat-room
// administration dialogs (configuration with its member list, deletion,
// not-owner errors) and turns room join failures into a password prompt or
// a message.
//
// Wiring a chat again (the window asks twice, a notification and then the
// window) changes nothing: every connection is unique and the window keeps
// its transcript, so no sound is played and no password asked for twice.
class WindowManagerChatHelper : public QObject {
  Q_OBJECT

 public:
  explicit WindowManagerChatHelper(NotificationManager* notifications, QObject* parent = nullptr);
  ~WindowManagerChatHelper() override;

  bool initialize(RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
                  RAZ::Sessions::SessionManagerBase* sessionManager, Providers::Factory* factory,
                  TP::Core::Refcounting::SmartPtr<RAZ::Models::SmileysPtr> smileys);

  // The open configuration dialog of a room, or null.
  Dialogs::ConfigureRoom* configureWindow(const QString& roomJid) const;
  int configureWindowCount() const { return m_configureWindows.size(); }
  // The open password prompt of a room, or null.
  Widgets::Conference::XmppPasswordDialog* passwordDialog(const QString& roomJid) const;
  // The name a room goes by (its chat's, else the room list's), or empty.
  QString roomName(const QString& roomJid) const;

 public slots:
  void roomConfigAccepted(const QString& roomJid, const QXmppDataForm& form, bool created);
  void roomConfigDestroyed(QObject* dialog);
  void handleAuthFailError(const QString& roomJid,
                           RAZ::Controllers::ChatError::ChatRoomJoinError error);
  void xmppRoomConfigReceived(const QString& roomJid, const QXmppDataForm& form,
                              RAZ::Controllers::XmppChat* chat);
  void deleteRoom(const QString& roomJid, const QString& roomName);
  void roomDestructionFailed();
  void roomConfigurationForbidden();
  void roomNotFound();
  void failedToAddContacts(QStringList names);
  void onMemberListReceived(const QString& roomJid, const QStringList& members);
  void chatNotificationAccepted();
  // The message sound, loaded at its first use: most sessions sign in
  // without a chat to hear.
  void playMessageSound();
  bool connectChat(RAZ::Controllers::CommunicationSession* session,
                   QML::CommunicationsWindow* window);
  // The popup of a chat a party starts (or of the file it offers), or null
  // when none shows. It needs no window: one built later is tied to it with
  // closeNotificationWithWindow.
  QML::CommunicationNotification* showChatNotification(
      RAZ::Controllers::CommunicationSession* session, NotificationManager* notifications,
      QML::CommunicationsWindow* window);
  // The chat's popup goes once the session's window shows.
  void closeNotificationWithWindow(RAZ::Controllers::CommunicationSession* session,
                                   NotificationManager* notifications,
                                   QML::CommunicationsWindow* window);
  void detachFileTransfers(RAZ::Controllers::CommunicationSession* session,
                           QML::CommunicationsWindow* window, Providers::Factory* factory);

 signals:
  void passwordEntered(const QString& roomJid, const QString& password);
  void passwordEnterCanceled(const QString& roomJid);
  void roomConfigured(const QString& roomJid, const QXmppDataForm& form);
  void projectRoomCreated();
  void chatAccepted(RAZ::Controllers::CommunicationSession* session);

 private:
  bool alwaysOnTop() const;
  // The transfers a one-to-one chat shows: its own, else its contact's.
  RAZ::Models::FTModel* transfersOf(RAZ::Controllers::CommunicationSession* session) const;
  void showError(const QString& title, const QString& text);
  void showWarning(const QString& title, const QString& text);

  QPointer<NotificationManager> m_notifications;
  QMap<QString, Dialogs::ConfigureRoom*> m_configureWindows;
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> m_contacts;
  QPointer<RAZ::Sessions::SessionManagerBase> m_sessionManager;
  Utils::Sounds::IncomingMessagePlayer* m_player = nullptr;
  TP::Core::Refcounting::SmartPtr<RAZ::Models::SmileysPtr> m_smileys;
  QPointer<Providers::Factory> m_factory;
  QHash<QString, QPointer<Widgets::Conference::XmppPasswordDialog>> m_passwordDialogs;
  // The window each room's prompt came up over: a prompt that follows a
  // refused password comes up there again (the first has gone by then).
  QHash<QString, QPointer<QWidget>> m_passwordOwners;
};

}  // namespace Utils
