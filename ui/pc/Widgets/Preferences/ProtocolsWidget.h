#pragma once

#include <QGroupBox>

#include <RAZ/Utils/Credentials.h>

namespace Ui {
class credentialWidget;
}

namespace Preferences {
namespace Widgets {

// One stored account of one credentials type: user name, password (for the
// directory and web-collaboration accounts), Save and Remove account.
class CredentialWidget : public QWidget {
  Q_OBJECT

 public:
  explicit CredentialWidget(RAZ::Utils::Credentials::Type type, QWidget* parent = nullptr);
  ~CredentialWidget() override;

  RAZ::Utils::Credentials::Type type() const { return m_type; }
  void setUsername(const QString& name);
  void setPassword(const QString& password);
  // After the row was filled from storage.
  void setStoredMode();
  Ui::credentialWidget* form() const { return ui; }

 signals:
  void changed();
  void saveCredentials(RAZ::Utils::Credentials::CredentialsData data);
  void removeAccount();

 public slots:
  void usernameEdited(const QString& text);
  void passwordEdited(const QString& text);
  void removeAccountWarning();
  void removeAccountWarningAccepted(bool dontAskAgain);
  void onClickedsaveCredentials();

 protected:
  void changeEvent(QEvent* e) override;

 private:
  void updateSaveButton();
  void retranslate();
  // The account a row is for, as its fields' names say it.
  QString kindText() const;

  RAZ::Utils::Credentials::Type m_type;
  Ui::credentialWidget* ui;
  QString m_storedUsername;
  QString m_storedPassword;
  QString m_messageTitle;
  QString m_messageText;
};

// A group of credential rows; re-emits their requests with their type.
class ProtocolsWidget : public QGroupBox {
  Q_OBJECT

 public:
  explicit ProtocolsWidget(QWidget* parent = nullptr);

  void addCredentialWidget(CredentialWidget* row);
  CredentialWidget* findCredentialWidget(RAZ::Utils::Credentials::Type type) const;
  bool isEmpty() const;

 signals:
  // The rows' signals, re-emitted under the same names with the row's type;
  // both forms are connected by signature.
  void saveCredentials(RAZ::Utils::Credentials::Type type,  // clazy:exclude=overloaded-signal
                       RAZ::Utils::Credentials::CredentialsData data);
  void removeAccount(RAZ::Utils::Credentials::Type type);  // clazy:exclude=overloaded-signal

 public slots:
  void saveCredentials(RAZ::Utils::Credentials::CredentialsData data);
  void removeAccount();
};

}  // namespace Widgets
}  // namespace Preferences
