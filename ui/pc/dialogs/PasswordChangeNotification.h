#pragma once

#include <RAZ/Utils/Credentials.h>
#include <RAZ/Xsi/XsiCredentialsControl.h>

#include "Widgets/PopupWindow.h"

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace Dialogs {

// Tells the user that the service password expires (or has expired) and
// lets them change it; the new password is sent to the service and, once
// accepted, stored with the account.
class PasswordChangeNotification : public PopupWindow {
  Q_OBJECT

 public:
  enum State { ExpiryWarning = 0, Expired = 1, Changing = 2, Changed = 3 };

  PasswordChangeNotification(const RAZ::Utils::Credentials::UserCredentials& credentials,
                             int credentialsType, QWidget* parent = nullptr);
  ~PasswordChangeNotification() override;

  void showExpiryWarning(const QString& message);
  void showExpired(const QString& message);

  int state() const { return m_state; }
  QLabel* messageLabel() const { return m_message; }
  QLineEdit* oldPasswordField() const { return m_old; }
  QLineEdit* newPasswordField() const { return m_new; }
  QLineEdit* confirmPasswordField() const { return m_confirm; }
  QPushButton* changeButton() const { return m_change; }

 public slots:
  void passwordChangeResult(bool success, const RAZ::Xsi::XsiErrorInfo& error);

 signals:
  void saveCredentials(const RAZ::Utils::Credentials::UserCredentials& credentials);
  void sendCredentials(const QString& oldPassword, const QString& newPassword);

 protected:
  void changeEvent(QEvent* e) override;

 private slots:
  void changeClicked();
  void fieldsEdited();

 private:
  enum ErrorKind { NoError, Mismatch, Refused, ServiceError };

  void showState(int state, const QString& message);
  void retranslate();
  void showError(int kind, const QString& serviceText);

  RAZ::Utils::Credentials::UserCredentials m_credentials;
  int m_type;
  int m_state = ExpiryWarning;
  QString m_pendingPassword;
  QLabel* m_message = nullptr;
  QLineEdit* m_old = nullptr;
  QLineEdit* m_new = nullptr;
  QLineEdit* m_confirm = nullptr;
  QLabel* m_error = nullptr;
  int m_errorKind = NoError;
  QLabel* m_oldLabel = nullptr;
  QLabel* m_newLabel = nullptr;
  QLabel* m_confirmLabel = nullptr;
  QPushButton* m_change = nullptr;
};

}  // namespace Dialogs
