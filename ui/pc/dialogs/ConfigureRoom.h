#pragma once

#include <QString>
#include <QStringList>

#include <QXmppDataForm.h>

#include <tp/core/SharedPointer.h>

#include "Widgets/Window.h"

class QCloseEvent;
class QRegExpValidator;
class QEvent;

namespace RAZ {
namespace Contacts {
class Contacts;
}
}  // namespace RAZ
namespace Models {
namespace Chat {
class RoomMembersModel;
}
}  // namespace Models
namespace Ui {
class ConfigureRoomDialog;
class ConfirmRoomDeletion;
}  // namespace Ui

namespace Dialogs {

// Creates or edits a multi-user chat room: its name, private (members only)
// or public, and its history; editing a private room also lets the owner
// remove members. The room's configuration form, as the service sent it,
// is filled in and handed back by roomConfigAccepted. A new room gets this
// program's set-up; an existing one changes only in what the user changed
// here, so an unchanged Save sends back the form as it came. Fields are
// written with the types they have (booleans as booleans, the history size
// as a number or one of a list's values, the name as text); the history is
// "muc#maxhistoryfetch" and "muc#roomconfig_historylength" alike.
class ConfigureRoom : public Widgets::Window {
  Q_OBJECT

 public:
  ConfigureRoom(const QString& roomJid, const QXmppDataForm& form, bool creationMode,
                int maximumHistory, RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
                QWidget* parent = nullptr);
  ~ConfigureRoom() override;

  void setMembers(const QStringList& jids);
  QString helpContext() const override;

  QString roomJid() const { return m_roomJid; }
  bool isCreationMode() const { return m_creationMode; }
  bool isOnline() const { return m_online; }
  QXmppDataForm form() const { return m_form; }
  Ui::ConfigureRoomDialog* ui() const { return m_ui; }
  Models::Chat::RoomMembersModel* membersModel() const { return m_members; }

 signals:
  void roomConfigAccepted(const QString& roomJid, const QXmppDataForm& form, bool created);
  void roomConfigCanceled(const QString& roomJid);
  void removeParticipants(const QString& roomJid, const QStringList& jids);

 public slots:
  void accepted();
  void enableCreateIfValidName();
  void removeClicked();
  void privateStatusChanged(bool checked);
  void enableCreate();
  void disableCreate();

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void setTexts();
  void loadForm();

  Ui::ConfigureRoomDialog* m_ui;
  QString m_roomJid;
  QXmppDataForm m_form;
  bool m_creationMode;
  bool m_online = true;
  bool m_accepting = false;
  int m_maximumHistory;
  // The form's settings as loaded (edit mode).
  bool m_loadedPrivate = false;
  bool m_loadedHistory = false;
  QString m_loadedName;
  Models::Chat::RoomMembersModel* m_members = nullptr;
  QRegExpValidator* m_validator = nullptr;
};

// Asks before a room is destroyed; the check box switches the question off
// (settings/confirmations/deleteChatRoom). The room's name is shown as
// plain text.
class DeleteRoomDialog : public Widgets::Window {
  Q_OBJECT

 public:
  DeleteRoomDialog(const QString& roomJid, const QString& roomName, QWidget* parent = nullptr);
  ~DeleteRoomDialog() override;

  Ui::ConfirmRoomDeletion* ui() const { return m_ui; }

 signals:
  // Overloads the dialog's accepted(); connected by signature.
  void accepted(const QString& roomJid);  // clazy:exclude=overloaded-signal

 public slots:
  void checkAlwaysAskStatus();
  void accepted();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void setTexts();

  Ui::ConfirmRoomDeletion* m_ui;
  QString m_roomJid;
  QString m_roomName;
};

}  // namespace Dialogs
