#pragma once

#include <QMap>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <RAZ/Sessions/SessionManagerBase.h>

#include "libqml/window/Window.h"

class QAction;
class QMenu;
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

namespace Utils {
class TextFieldActionsHandler;
}

namespace QML {

// The window the user signs in with. It holds the form's values as
// properties the scene binds both ways, lists the stored accounts, restores
// the last user's name and saved password, and hands the form to the
// application through signin(). The application feeds the session's
// progress back through sessionStateChange() and the cb* slots.
class LoginWindow : public Window {
  Q_OBJECT
  Q_PROPERTY(QString username READ getUsername WRITE setUsername NOTIFY usernameChanged)
  Q_PROPERTY(QString password READ getPassword WRITE setPassword NOTIFY passwordChanged)
  Q_PROPERTY(bool autologinChecked READ getAutologinChecked WRITE setAutologinChecked NOTIFY
                 autologinChanged)
  Q_PROPERTY(bool rememberPasswordChecked READ getRememberPasswordChecked WRITE
                 setRememberPasswordChecked NOTIFY rememberPasswordChanged)
  Q_PROPERTY(QString configName READ getConfigName WRITE setConfigName NOTIFY configNameChanged)
  Q_PROPERTY(int configIdx READ getConfigIdx WRITE setConfigIdx NOTIFY configIdxChanged)
  Q_PROPERTY(
      bool showXsiField READ getShowXsiField WRITE setShowXsiField NOTIFY showXsiFieldChanged)
  Q_PROPERTY(QString xsiAddress READ getXsiAddress WRITE setXsiAddress NOTIFY xsiAddressChanged)
  Q_PROPERTY(QString versionInfo READ getVersionInfo CONSTANT)
  Q_PROPERTY(bool showHelpLink READ getShowHelpLink NOTIFY showHelpLinkChanged)
  Q_PROPERTY(bool showPwHelpLink READ getShowPwHelpLink NOTIFY showPwHelpLinkChanged)
  Q_PROPERTY(QML::LoginWindow::LoginState loginState READ getLoginState NOTIFY loginStateChanged)

 public:
  enum LoginState { None = 0, DetectingProxy = 1, SigningIn = 2, SignedIn = 3, SigningOut = 4 };
  Q_ENUM(LoginState)

  LoginWindow(RAZ::ConfigContainer* configContainer,
              RAZ::Utils::Credentials::CredentialsManager* credentialsManager,
              QWidget* parent = nullptr);
  ~LoginWindow() override;

  // Loads the scene and fills the form; false when the scene cannot be loaded.
  bool activate();

  // The sign-in state a platform session state stands for.
  static LoginState toLoginState(int sessionState);

  QString getUsername() const { return m_username; }
  void setUsername(const QString& name);
  QString getPassword() const { return m_password; }
  void setPassword(const QString& password);
  bool getAutologinChecked() const { return m_autologinChecked; }
  void setAutologinChecked(bool checked);
  bool getRememberPasswordChecked() const { return m_rememberPasswordChecked; }
  void setRememberPasswordChecked(bool checked);
  QString getConfigName() const { return m_configName; }
  void setConfigName(const QString& name);
  int getConfigIdx() const { return m_configIdx; }
  void setConfigIdx(int idx);
  bool getShowXsiField() const { return m_showXsiField; }
  void setShowXsiField(bool show);
  QString getXsiAddress() const { return m_xsiAddress; }
  void setXsiAddress(const QString& address);
  QString getVersionInfo() const;
  bool getShowHelpLink() const;
  bool getShowPwHelpLink() const;
  LoginState getLoginState() const { return m_loginState; }

  void setMenuAction(QAction* action);
  void showLogin(bool autologin, bool noRaise);

  QString helpContext() const override;
  bool canClose() override;
  QSize minimumWindowSize() const override;
  QSize maximumWindowSize() const override;

  // For the scene's models and tests.
  QStringListModel* usernamesFilterModel() const { return usernamesModel; }
  QStringListModel* configsFilterModel() const { return configsModel; }
  Utils::TextFieldActionsHandler* textFieldActions() const { return textFieldActionsHandler; }

 signals:
  void signin(const QString& username, const QString& password,
              const RAZ::Configuration::Config* config, QString xsiAddress = QString());
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
  void sessionStateChange(RAZ::Sessions::SessionManagerBase* manager, RAZ::Sessions::State state);
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
  // After a refused password: the keyboard in the password, its text
  // selected, so that typing replaces it.
  void retypePassword();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void placeOnce();
  void savePosition() const;
  QString savedPassword(const QString& username) const;
  QStringList userNames();
  QStringList filteredUserNames() const;
  void refreshUserNames();
  void loadForm(bool resetConfiguration);
  void selectConfiguration(bool reset);
  void forgetPassword();

  QString m_username;
  QString m_password;
  bool m_autologinChecked = false;
  bool m_rememberPasswordChecked = false;
  QString m_configName;
  int m_configIdx = -1;
  bool m_showXsiField = false;
  QString m_xsiAddress;
  QString m_lastXsiAddress;
  QString m_lastUsername;
  QString m_lastPassword;
  QStringListModel* usernamesModel;
  QStringListModel* configsModel;
  QMap<QString, QString> dmUrlByDisplayName;
  RAZ::Utils::Credentials::CredentialsManager* credentialsManager;
  RAZ::ConfigContainer* configContainer;
  QPointer<QAction> menuAction;
  bool m_listMenuAction = true;
  QPointer<QMenu> windowMenu;
  Utils::TextFieldActionsHandler* textFieldActionsHandler;
  LoginState m_loginState = None;
  // Set while the window closes itself because the session opened: that
  // close is not the user's and must not be reported as windowClosed().
  bool m_closingForSession = false;
  // Placed once, at its first showing (where the user last left a sign-in
  // window, else centred); later showings keep where the user put it.
  bool m_placed = false;
};

}  // namespace QML
