#include "libqml/components/LoginWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QQmlContext>
#include <QQuickItem>
#include <QStringListModel>

#include <RAZ/ConfigContainer.h>
#include <RAZ/Configuration/Config.h>
#include <RAZ/Settings.h>
#include <RAZ/Utils/Credentials.h>
#include <TP/Core/Logging.h>

#include "libqml/window/View.h"

namespace QML {

LoginWindow::LoginWindow(RAZ::ConfigContainer* configContainer,
                         RAZ::Utils::Credentials::CredentialsManager* credentialsManager, QWidget* parent)
    : QML::Window(false, parent),
      m_usernamesModel(new QStringListModel(this)),
      m_configsModel(new QStringListModel(this)),
      m_credentialsManager(credentialsManager),
      m_configContainer(configContainer) {
  setResizable(false);
  setSystemMenuSuppressed(true);
  setTitle(QCoreApplication::applicationName());
  connect(this, SIGNAL(windowFrameIconClicked()), this, SLOT(openLoginWindowMenu()));
  if (m_credentialsManager)
    connect(this, SIGNAL(setCredentialsConfig(const RAZ::Configuration::Config*)), m_credentialsManager,
            SLOT(setConfiguration(const RAZ::Configuration::Config*)));
}

LoginWindow::~LoginWindow() = default;

bool LoginWindow::activate() {
  qDebug("Loading QML");
  QQmlContext* context = view()->rootContext();
  context->setContextProperty(QStringLiteral("rootItem"), this);
  context->setContextProperty(QStringLiteral("usernamesFilterModel"), m_usernamesModel);
  context->setContextProperty(QStringLiteral("configsFilterModel"), m_configsModel);
  if (!setSource(QStringLiteral("qrc:/windows/LoginWindow/LoginWindow.qml"))) {
    for (const QQmlError& e : view()->errors())
      TP_LOG("QML::LoginWindow::activate", 4) << e.toString();
    return false;
  }
  qDebug("Connecting QML signals");
  QQuickItem* root = view()->rootObject();
  connect(root, SIGNAL(signinClicked()), this, SLOT(onSigninClicked()));
  connect(root, SIGNAL(cancelSigninClicked()), this, SIGNAL(signoutClicked()));
  connect(root, SIGNAL(showHelpClicked()), this, SLOT(onShowHelpClicked()));
  connect(root, SIGNAL(showPwHelpClicked()), this, SLOT(onShowPwHelpClicked()));
  if (m_configContainer) {
    m_configsModel->setStringList(m_configContainer->configNames());
    if (const RAZ::Configuration::Config* current = m_configContainer->currentConfig())
      setConfigName(current->getName());
  }
  RAZ::Settings app(RAZ::Settings::Application);
  setUsername(app.value(QStringLiteral("login/username")).toString());
  setAutologinChecked(app.value(QStringLiteral("login/autologin"), false).toBool());
  setRememberPasswordChecked(app.value(QStringLiteral("login/savepassword"), false).toBool());
  setResizable(false);
  return true;
}

LoginWindow::LoginState LoginWindow::loginStateFor(RAZ::Sessions::State state) {
  const int s = int(state);
  if (s == 1 || s == 2) return DetectingProxy;
  if (s >= 3 && s <= 10) return SigningIn;
  if (s == 11) return SignedIn;
  if (s == 12) return SigningOut;
  return None;
}

void LoginWindow::setUsername(const QString& value) {
  if (value == m_username) return;
  m_username = value;
  emit usernameChanged();
}

void LoginWindow::setPassword(const QString& value) {
  if (value == m_password) return;
  m_password = value;
  emit passwordChanged();
}

void LoginWindow::setAutologinChecked(bool value) {
  if (value == m_autologinChecked) return;
  m_autologinChecked = value;
  emit autologinChanged();
}

void LoginWindow::setRememberPasswordChecked(bool value) {
  if (value == m_rememberPasswordChecked) return;
  m_rememberPasswordChecked = value;
  emit rememberPasswordChanged();
}

void LoginWindow::setConfigName(const QString& value) {
  if (value == m_configName) return;
  m_configName = value;
  emit configNameChanged();
}

void LoginWindow::setConfigIdx(int value) {
  if (value == m_configIdx) return;
  m_configIdx = value;
  emit configIdxChanged();
  emit showHelpLinkChanged();
  emit showPwHelpLinkChanged();
}

void LoginWindow::setShowXsiField(bool value) {
  if (value == m_showXsiField) return;
  m_showXsiField = value;
  emit showXsiFieldChanged();
}

void LoginWindow::setXsiAddress(const QString& value) {
  if (value == m_xsiAddress) return;
  m_xsiAddress = value;
  emit xsiAddressChanged();
}

QString LoginWindow::versionInfo() const { return tr("Version: %1").arg(QStringLiteral("20.1.1.231-ZQV")); }

bool LoginWindow::showHelpLink() const {
  RAZ::Settings installation(RAZ::Settings::Installation);
  return !installation.value(QStringLiteral("defaults/help_file")).toString().isEmpty();
}

bool LoginWindow::showPwHelpLink() const {
  RAZ::Settings installation(RAZ::Settings::Installation);
  const QString link = installation.value(QStringLiteral("defaults/forgot_password_url")).toString().trimmed();
  TP_LOG("QML::LoginWindow::showPwHelpLink", 1) << "Pwd help link: " << link;
  return !link.isEmpty();
}

QString LoginWindow::helpContext() const { return QStringLiteral("loginWindow"); }

bool LoginWindow::canClose() {
  emit windowClosed();
  return true;
}

QSize LoginWindow::minimumWindowSize() const { return QSize(285, 425); }
QSize LoginWindow::maximumWindowSize() const { return minimumWindowSize(); }

void LoginWindow::setLoginState(LoginState state) {
  if (state == m_loginState) return;
  m_loginState = state;
  emit loginStateChanged();
  switch (state) {
    case None: emit showSignin(); break;
    case SigningIn:
    case DetectingProxy: emit showSigningin(); break;
    case SigningOut: emit showSigningout(); break;
    default: break;
  }
}

void LoginWindow::sessionStateChange(RAZ::Sessions::SessionManagerBase*, RAZ::Sessions::State state) {
  setLoginState(loginStateFor(state));
}

void LoginWindow::onSigninClicked() {
  RAZ::Settings app(RAZ::Settings::Application);
  app.setValue(QStringLiteral("login/autologin"), m_autologinChecked);
  app.setValue(QStringLiteral("login/savepassword"), m_rememberPasswordChecked);
  const RAZ::Configuration::Config* config = m_configContainer ? m_configContainer->currentConfig() : nullptr;
  emit setCredentialsConfig(config);
  emit signin(m_username.trimmed(), m_password, config, m_xsiAddress);
}

void LoginWindow::onShowHelpClicked() { emit showHelpClicked(); }
void LoginWindow::onShowPwHelpClicked() {}
void LoginWindow::cbSessionOpened() { setLoginState(SignedIn); }
void LoginWindow::cbSessionClosed() { setLoginState(None); }
void LoginWindow::cbActionSignout() {}

void LoginWindow::cbActionQuit() {
  m_quitting = true;
  close();
}

void LoginWindow::proceedSignin(QString) { onSigninClicked(); }
void LoginWindow::validateData() {}
void LoginWindow::usernameValidOkClicked() {}
void LoginWindow::usernameInvalidHelpClicked() {}

void LoginWindow::openLoginWindowMenu() {
  if (m_windowMenu) return;
  auto* menu = new QMenu();
  if (m_menuAction) menu->addAction(m_menuAction);
  m_windowMenu = menu;
  openMenu(menu);
}

void LoginWindow::openTextFieldMenu(bool) {}

int LoginWindow::configsNum() { return m_configsModel ? m_configsModel->rowCount() : -1; }

void LoginWindow::showLogin(bool autologin, bool noRaise) {
  setLoginState(None);
  if (noRaise) {
    show();
  } else {
    showAndActivate();
  }
  if (autologin && m_autologinChecked && !m_username.isEmpty() && !m_password.isEmpty()) onSigninClicked();
}

void LoginWindow::changeEvent(QEvent* event) { QML::Window::changeEvent(event); }

}  // namespace QML
