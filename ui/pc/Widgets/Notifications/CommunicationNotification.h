#pragma once

#include <QPoint>
#include <QPointer>

#include "libqml/window/View.h"

namespace QML {

// The incoming call, chat, file-transfer and desktop-share invitation popup.
// Its scene answers through the six signals below; whoever asked for the
// notification connects to them.
class CommunicationNotification : public View {
  Q_OBJECT
  Q_PROPERTY(QObject* session READ session NOTIFY sessionChanged)
  Q_PROPERTY(NotificationType type READ type CONSTANT)
  // Follows the pointer, which sends no signal: read when needed.
  Q_PROPERTY(QPoint mousePos READ mousePos)  // clazy:exclude=qproperty-without-notify
  Q_PROPERTY(QString applicationName READ applicationName CONSTANT)
  Q_PROPERTY(QString answer READ answer NOTIFY answerChanged)
  // Always empty; texts that append it are evaluated again when the
  // interface language changes.
  Q_PROPERTY(QString languageChangeProperty READ languageChangeProperty NOTIFY languageChanged)

 public:
  enum NotificationType {
    CallNotification = 0,
    ChatNotification = 1,
    FiletransferNotification = 2,
    WebcollabNotification = 3
  };
  Q_ENUM(NotificationType)

  static const char* const SourceUrl;

  CommunicationNotification(QObject* session, NotificationType type, QWidget* parent = nullptr);
  ~CommunicationNotification() override;

  // Loads the scene; the manager calls it right after construction.
  void load();

  // Null once the session object has gone.
  QObject* session() const { return m_session.data(); }
  NotificationType type() const { return m_type; }
  QPoint mousePos() const;
  QString applicationName() const;

  // How the user answered a call: "video", "audio" or "chat" (empty until
  // then). The call handler reads it on callNotificationAccepted().
  QString answer() const { return m_answer; }
  QString languageChangeProperty() const { return QString(); }
  Q_INVOKABLE void answerWith(const QString& how);
  // The scene's keyboard focus goes to its answer, drawn there, unless one
  // of its controls has it already.
  void takeKeyboard();
  // The user asked for the popup (Ctrl+Shift+A): from now on it keeps the
  // keyboard it is given.
  void allowActivation() { m_activationAllowed = true; }

 signals:
  void chatNotificationAccepted();
  void callNotificationAccepted();
  void webcollabNotificationAccepted();
  void chatNotificationIgnored();
  void callNotificationIgnored();
  void webcollabNotificationIgnored();
  void sessionChanged();
  void languageChanged();
  void answerChanged();

 protected:
  void changeEvent(QEvent* e) override;
  // However the popup became active (the main window's shortcut, a click,
  // the window manager), its answer has the keyboard.
  void focusInEvent(QFocusEvent* e) override;
  void showEvent(QShowEvent* e) override;
  bool event(QEvent* e) override;

 private slots:
  // The party's picture and presence icon, as its contact has them now.
  void showParty();

 private:
  QPointer<QObject> m_session;
  QPointer<QObject> m_partyContact;
  NotificationType m_type;
  QString m_answer;
  // The window the user worked in when the popup came up.
  QPointer<QWidget> m_returnTo;
  bool m_activationAllowed = false;
  // Set by each show: the activation that comes with it may be given back.
  bool m_giveBackArmed = false;
};

}  // namespace QML
