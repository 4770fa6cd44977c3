#pragma once

#include <QString>

#include <RAZ/Utils/Credentials.h>
#include <RAZ/Xsi/XsiCredentialsControl.h>

#include <memory>

#include "Widgets/PopupWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace Ui {
class passwordChange;
}

namespace Dialogs {

// Tells the user that the password of the telephony server's web interface
// expires soon or has expired, and lets them change it in place: the input is
// checked, the old and new password are sent, and the outcome is shown. An
// accepted change is stored with the account's credentials.
class PasswordChangeNotification : public PopupWindow {
  Q_OBJECT

 public:
  // 0 notice, 1 input, 2 sending (waiting for the service), 3 result.
  enum State { ExpiryWarning = 0, Expired = 1, Changing = 2, Changed = 3 };

  PasswordChangeNotification(const RAZ::Utils::Credentials::UserCredentials& credentials,
                             int credentialsType, bool alwaysOnTop);
  ~PasswordChangeNotification() override;

  void showExpiryWarning(const QString& text);
  void showExpired(const QString& text);

  int state() const { return m_state; }
  RAZ::Utils::Credentials::UserCredentials credentials() const { return m_credentials; }
  QLabel* messageLabel() const;
  QLineEdit* oldPasswordField() const;
  QLineEdit* newPasswordField() const;
  QLineEdit* confirmPasswordField() const;
  QLabel* oldPasswordWarning() const;
  QLabel* confirmPasswordWarning() const;
  QWidget* inputArea() const;
  // The Ok button (its text follows the state) and the Cancel button.
  QPushButton* changeButton() const;
  QPushButton* cancelButton() const;

  // While the request is out the dialog stays: its answer must reach it, or
  // an accepted new password would never be stored.
  bool canClose() override;

 public slots:
  void okClicked();
  void passwordChangeResult(bool succeeded, const RAZ::Xsi::XsiErrorInfo& error);

 signals:
  void saveCredentials(const RAZ::Utils::Credentials::UserCredentials& credentials);
  void sendCredentials(const QString& oldp, const QString& newp);

 protected:
  void changeEvent(QEvent* e) override;

 private slots:
  void retranslateState();

 private:
  // Which text the message label shows: the caller's (kept as given) or
  // one of ours (retranslated with the language).
  enum Message { CallerText, InputPrompt, StateText, Success, Failure };

  void setState(int state);
  void showOverActiveWindow();
  void markField(QLineEdit* field, bool rejected);
  void showMessage(int message);

  std::unique_ptr<Ui::passwordChange> m_form;
  QWidget* m_content;
  RAZ::Utils::Credentials::UserCredentials m_credentials;
  int m_type;
  int m_state = ExpiryWarning;
  int m_message = CallerText;
  RAZ::Xsi::XsiErrorInfo m_error;
};

}  // namespace Dialogs
