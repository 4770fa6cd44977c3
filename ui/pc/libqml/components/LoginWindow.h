#pragma once

#include <QPointer>

#include <RAZ/Sessions/SessionManagerBase.h>

#include "libqml/window/Window.h"

#include <QAction>
#include <QMenu>
class QStringListModel;

namespace RAZ {
class ConfigContainer;
namespace Configuration {
class Config;
}
namespace Utils {
namespace Credentials {
class CredentialsManager;
}
}  // namespace Utils
}  // namespace RAZ

namespace QML {

// The sign-in window.
//
// First version: the form (user name, password, Sign In), the sign-in
// states and the wiring the application relies on. Saved accounts, the
// configuration choice, the XSI field and the window menu come with the
// full window.
class LoginWindow : public QML::Window {
  Q_OBJECT
  Q_PROPERTY(QString username READ username WRITE setUsername NOTIFY usernameChanged)
  Q_PROPERTY(QString password READ password WRITE setPassword NOTIFY passwordChanged)
  Q_PROPERTY(bool autologinChecked READ autologinChecked WRITE setAutologinChecked NOTIFY autologinChanged)
  Q_PROPERTY(bool rememberPasswordChecked READ rememberPasswordChecked WRITE setRememberPasswordChecked NOTIFY rememberPasswordChanged)
  Q_PROPERTY(QString configName READ configName WRITE setConfigName NOTIFY configNameChanged)
  Q_PROPERTY(int configIdx READ configIdx WRITE setConfigIdx NOTIFY configIdxChanged)
  Q_PROPERTY(bool showXsiField READ showXsiField WRITE setShowXsiField NOTIFY showXsiFieldChanged)
  Q_PROPERTY(QString xsiAddress READ xsiAddress WRITE setXsiAddress NOTIFY xsiAddressChanged)
  Q_PROPERTY(QString versionInfo READ versionInfo CONSTANT)
  Q_PROPERTY(bool showHelpLink READ showHelpLink NOTIFY showHelpLinkChanged)
  Q_PROPERTY(bool showPwHelpLink READ showPwHelpLink NOTIFY showPwHelpLinkChanged)
  Q_PROPERTY(LoginState loginState READ loginState NOTIFY loginStateChanged)

 public:
  enum LoginState { None = 0, DetectingProxy = 1, SigningIn = 2, SignedIn = 3, SigningOut = 4 };
  Q_ENUM(LoginState)

  LoginWindow(RAZ::ConfigContainer* configContainer,
              RAZ::Utils::Credentials::CredentialsManager* credentialsManager, QWidget* parent = nullptr);
  ~LoginWindow() override;

  bool activate();
  void setMenuAction(QAction* action) { m_menuAction = action; }
  QAction* menuAction() const { return m_menuAction; }
  void showLogin(bool autologin, bool noRaise);

  static LoginState loginStateFor(RAZ::Sessions::State state);

  QString username() const { return m_username; }
  void setUsername(const QString& value);
  QString password() const { return m_password; }
  void setPassword(const QString& value);
  bool autologinChecked() const { return m_autologinChecked; }
  void setAutologinChecked(bool value);
  bool rememberPasswordChecked() const { return m_rememberPasswordChecked; }
  void setRememberPasswordChecked(bool value);
  QString configName() const { return m_configName; }
  void setConfigName(const QString& value);
  int configIdx() const { return m_configIdx; }
  void setConfigIdx(int value);
  bool showXsiField() const { return m_showXsiField; }
  void setShowXsiField(bool value);
  QString xsiAddress() const { return m_xsiAddress; }
  void setXsiAddress(const QString& value);
  QString versionInfo() const;
  bool showHelpLink() const;
  bool showPwHelpLink() const;
  LoginState loginState() const { return m_loginState; }

  QString helpContext() const override;
  bool canClose() override;
  QSize minimumWindowSize() const override;
  QSize maximumWindowSize() const override;

 signals:
  void signin(const QString& username, const QString& password, const RAZ::Configuration::Config* config,
              QString xsiAddress = QString());
  void signoutClicked();
  void windowClosed();
  void showSignin();
  void showSigningin();
  void showSigningout();
  void configsModelChanged();
  void setCredentialsConfig(const RAZ::Configuration::Config* config);
  void usernameChanged();
  void passwordChanged();
  void autologinChanged();
  void rememberPasswordChanged();
  void configNameChanged();
  void configIdxChanged();
  void showXsiFieldChanged();
  void xsiAddressChanged();
  void xsiAddressChangedExternally();
  void showHelpLinkChanged();
  void showPwHelpLinkChanged();
  void loginStateChanged();
  void showHelpClicked();

 public slots:
  void sessionStateChange(RAZ::Sessions::SessionManagerBase* session, RAZ::Sessions::State state);
  void onSigninClicked();
  void onShowHelpClicked();
  void onShowPwHelpClicked();
  void cbSessionOpened();
  void cbSessionClosed();
  void cbActionSignout();
  void cbActionQuit();
  void proceedSignin(QString config = QString());
  void validateData();
  void usernameValidOkClicked();
  void usernameInvalidHelpClicked();
  void openLoginWindowMenu();
  void openTextFieldMenu(bool isPassword);
  int configsNum();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void setLoginState(LoginState state);

  QString m_username;
  QString m_password;
  bool m_autologinChecked = false;
  bool m_rememberPasswordChecked = false;
  QString m_configName;
  int m_configIdx = -1;
  bool m_showXsiField = false;
  QString m_xsiAddress;
  QStringListModel* m_usernamesModel;
  QStringListModel* m_configsModel;
  RAZ::Utils::Credentials::CredentialsManager* m_credentialsManager;
  RAZ::ConfigContainer* m_configContainer;
  QPointer<QAction> m_menuAction;
  QPointer<QMenu> m_windowMenu;
  LoginState m_loginState = None;
  bool m_quitting = false;
};

}  // namespace QML
