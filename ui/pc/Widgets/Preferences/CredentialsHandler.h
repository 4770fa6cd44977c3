#pragma once

#include <QObject>
#include <QPointer>

#include <RAZ/Utils/Credentials.h>

namespace RAZ {
namespace Sessions {
class SessionManagerBase;
}
}  // namespace RAZ
namespace Ui {
class preferencesForm;
}

namespace Preferences {

// The Credentials tab (stored accounts, My Room data, the device-management
// address) and the General tab's automatic sign-in and start with the
// desktop session.
class CredentialsHandler : public QObject {
  Q_OBJECT

 public:
  CredentialsHandler(Ui::preferencesForm* ui, RAZ::Sessions::SessionManagerBase* session,
                     QObject* parent);

  // The name of the desktop session's autostart entry.
  static QString autostartName();

 signals:
  void enableSave(bool enable);
  void modifyCredentials(const RAZ::Utils::Credentials::UserCredentials& credentials,
                         const RAZ::Utils::Credentials::CredentialsData& previous,
                         RAZ::Utils::Credentials::Type type);
  void removeCredentials(const RAZ::Utils::Credentials::UserCredentials& credentials);
  void updateCredentials(const RAZ::Utils::Credentials::UserCredentials& credentials);

 public slots:
  void saveSettings();
  void updateWidgets();
  void changed();
  void saveCredentials(RAZ::Utils::Credentials::Type type,
                       RAZ::Utils::Credentials::CredentialsData data);
  void removeAccount(RAZ::Utils::Credentials::Type type);
  void setCredentialsLabel();

 private:
  RAZ::Utils::Credentials::CredentialsManager* manager() const;
  bool fetchUser(RAZ::Utils::Credentials::UserCredentials& out) const;

  Ui::preferencesForm* ui;
  QPointer<RAZ::Sessions::SessionManagerBase> m_session;
  bool m_dmUrlEmpty = true;
};

}  // namespace Preferences
