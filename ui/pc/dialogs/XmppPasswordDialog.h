#pragma once

#include "Widgets/PopupWindow.h"

namespace Ui {
class ChatroomPassword;
}

namespace Widgets {
namespace Conference {

// Asks for the password of a protected chat room. Reports exactly once:
// the password, or the cancellation, also when the window is closed from
// its frame, so that a pending room join never waits for an answer that
// does not come.
class XmppPasswordDialog : public PopupWindow {
  Q_OBJECT

 public:
  enum Reason { NoReason = 0, PasswordRequired = 1, PasswordWrong = 2 };

  XmppPasswordDialog(const QString& room, int reason, bool alwaysOnTop);
  ~XmppPasswordDialog() override;

  bool canClose() override;

  QString reasonText() const;
  // Titles the prompt with the room's name (the user knows rooms by name);
  // an empty name keeps the title the address gives.
  void setRoomName(const QString& name);
  // The password or the cancellation has been reported.
  bool hasAnswered() const { return m_reported; }

 signals:
  void passwordEnterCanceled(QString room);
  void passwordEntered(QString room, QString password);

 public slots:
  void okClicked();
  void cancelClicked();
  void passwordEdited(QString text);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void setTexts();

  Ui::ChatroomPassword* m_form = nullptr;
  QString m_room;
  int m_reason = NoReason;
  bool m_reported = false;
  QString m_roomName;
};

}  // namespace Conference
}  // namespace Widgets
