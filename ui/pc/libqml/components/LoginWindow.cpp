#include "libqml/components/LoginWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QQmlContext>
#include <QQuickItem>
#include <QScreen>
#include <QStringListModel>
#include <QTemporaryFile>
#include <QUrl>
#include <QUrlQuery>

#include <RAZ/ConfigContainer.h>
#include <RAZ/Configuration/Config.h>
#include <RAZ/Settings.h>
#include <RAZ/Utils/Credentials.h>
#include <RAZ/Utils/FileWrites.h>
#include <TP/Core/Logging.h>

#include "Utils/SettingsKeys.h"
#include "dialogs/MessageWindow.h"
#include "libqml/window/View.h"

#include "Utils/TextFieldActionsHandler.h"
#include "Utils/WindowManager.h"

namespace QML {

namespace {

const char kScene[] = "qrc:/windows/LoginWindow/LoginWindow.qml";
const char kVersion[] = "20.1.1.231-ZQV";

// Settings are hand-editable files: a value of the wrong type falls back to
// the default instead of being coerced into something surprising (any
// non-empty string would read as true, a comma turns a string into a list).
bool readBool(int scope, const QString& key, bool def) {
  const QVariant v = RAZ::Settings(scope).value(key);
  if (!v.isValid() || v.isNull()) return def;
  if (v.type() == QVariant::Bool) return v.toBool();
  if (v.type() == QVariant::String || v.type() == QVariant::ByteArray) {
    const QString s = v.toString().trimmed().toLower();
    if (s == QLatin1String("true") || s == QLatin1String("1")) return true;
    if (s == QLatin1String("false") || s == QLatin1String("0") || s.isEmpty()) return false;
  } else if (v.canConvert<int>() && v.type() != QVariant::StringList) {
    return v.toInt() != 0;
  }
  TP_LOG("QML::LoginWindow::readBool", TP::Core::Logging::LevelWarning)
      << "Setting " << key << " is not a boolean; using default";
  return def;
}

QString readString(int scope, const QString& key, const QString& def = QString()) {
  const QVariant v = RAZ::Settings(scope).value(key);
  if (!v.isValid() || v.isNull()) return def;
  if (v.type() == QVariant::StringList) return v.toStringList().join(QLatin1Char(','));
  if (v.canConvert<QString>()) return v.toString();
  TP_LOG("QML::LoginWindow::readString", TP::Core::Logging::LevelWarning)
      << "Setting " << key << " is not text; using default";
  return def;
}

void writeSetting(int scope, const QString& key, const QVariant& value) {
  RAZ::Settings settings(scope);
  settings.setValue(key, value);
}

// The device-management address fixed by the installation: Base64, possibly
// written in double quotes. Anything that does not decode is treated as not
// set, so the user can still enter an address.
QString decodeDmUrl(const QVariant& raw) {
  QByteArray bytes = raw.type() == QVariant::StringList
                         ? raw.toStringList().join(QLatin1Char(',')).toUtf8()
                         : raw.toByteArray();
  bytes = bytes.trimmed();
  if (bytes.startsWith('"'))
    bytes = bytes.size() >= 2 ? bytes.mid(1, bytes.size() - 2) : QByteArray();
  if (bytes.isEmpty()) return QString();
  const QByteArray::FromBase64Result decoded =
      QByteArray::fromBase64Encoding(bytes, QByteArray::AbortOnBase64DecodingErrors);
  if (!decoded) {
    TP_LOG("QML::LoginWindow::loadForm", TP::Core::Logging::LevelError)
        << "dm/url is not valid Base64; ignoring it";
    return QString();
  }
  return QString::fromUtf8(*decoded).trimmed();
}

bool rewritesSavedPassword(int loginType) {
  return loginType == RAZ::Utils::Credentials::LoginSip ||
         loginType == RAZ::Utils::Credentials::LoginXsi;
}

}  // namespace

LoginWindow::LoginWindow(RAZ::ConfigContainer* container,
                         RAZ::Utils::Credentials::CredentialsManager* credentials, QWidget* parent)
    : Window(false, parent),
      usernamesModel(new QStringListModel(this)),
      configsModel(new QStringListModel(this)),
      credentialsManager(credentials),
      configContainer(container),
      textFieldActionsHandler(new Utils::TextFieldActionsHandler(this)) {
  setResizable(false);
  setSystemMenuSuppressed(true);
  setWindowTitle(QCoreApplication::applicationName());
  connect(this, SIGNAL(windowFrameIconClicked()), this, SLOT(openLoginWindowMenu()));
  if (credentialsManager) {
    connect(this, SIGNAL(setCredentialsConfig(const RAZ::Configuration::Config*)),
            credentialsManager, SLOT(setConfiguration(const RAZ::Configuration::Config*)));
  }
}

LoginWindow::~LoginWindow() {
  // The window goes when the session opens and when the program quits: the
  // next one opens where the user left this one.
  savePosition();
  if (windowMenu) delete windowMenu.data();
  // Tear the scene down while the objects its bindings read still exist.
  deleteScene();
}

bool LoginWindow::activate() {
  qDebug() << "Loading QML";
  QQmlContext* ctx = view()->rootContext();
  ctx->setContextProperty(QStringLiteral("rootItem"), this);
  ctx->setContextProperty(QStringLiteral("usernamesFilterModel"), usernamesModel);
  ctx->setContextProperty(QStringLiteral("configsFilterModel"), configsModel);
  QObject* editActions = textFieldActionsHandler;
  ctx->setContextProperty(QStringLiteral("textFieldActionsHandler"), editActions);
  if (!setSource(QString::fromLatin1(kScene))) {
    TP_LOG("QML::LoginWindow::activate", TP::Core::Logging::LevelError)
        << "Unable to load the sign-in scene";
    return false;
  }
  qDebug() << "Connecting QML signals";
  QObject* root = view()->rootObject();
  connect(root, SIGNAL(signinClicked()), this, SLOT(onSigninClicked()));
  connect(root, SIGNAL(cancelSigninClicked()), this, SIGNAL(signoutClicked()));
  connect(root, SIGNAL(showHelpClicked()), this, SLOT(onShowHelpClicked()));
  connect(root, SIGNAL(showPwHelpClicked()), this, SLOT(onShowPwHelpClicked()));
  refreshUserNames();
  loadForm(false);
  setResizable(false);
  return true;
}

LoginWindow::LoginState LoginWindow::toLoginState(int sessionState) {
  using namespace RAZ::Sessions;
  if (sessionState == StateDetectingProxy || sessionState == StateProxyCredentials)
    return DetectingProxy;
  if (sessionState >= StateResolving && sessionState <= StateLoadingContacts) return SigningIn;
  if (sessionState == StateSignedIn) return SignedIn;
  if (sessionState == StateSigningOut) return SigningOut;
  return None;
}

void LoginWindow::sessionStateChange(RAZ::Sessions::SessionManagerBase*,
                                     RAZ::Sessions::State state) {
  const LoginState mapped = toLoginState(static_cast<int>(state));
  if (mapped == m_loginState) return;
  m_loginState = mapped;
  emit loginStateChanged();
}

// ---- properties -----------------------------------------------------------

void LoginWindow::setUsername(const QString& name) {
  if (name == m_username) return;
  m_username = name.trimmed();
  if (readBool(RAZ::Settings::Application, Utils::SettingsKey::LoginSavePassword, false))
    setPassword(savedPassword(m_username));
  validateData();
  emit usernameChanged();
}

void LoginWindow::setPassword(const QString& password) {
  if (password == m_password) return;
  m_password = password;
  emit passwordChanged();
}

void LoginWindow::setAutologinChecked(bool checked) {
  if (checked == m_autologinChecked) return;
  m_autologinChecked = checked;
  emit autologinChanged();
}

void LoginWindow::setRememberPasswordChecked(bool checked) {
  if (checked == m_rememberPasswordChecked) return;
  m_rememberPasswordChecked = checked;
  emit rememberPasswordChanged();
}

void LoginWindow::setConfigName(const QString& name) {
  if (name.isEmpty() || name == m_configName) return;
  m_configName = name;
  const RAZ::Configuration::Config* config = nullptr;
  if (configContainer) {
    if (!configContainer->setCurrentConfig(name))
      TP_LOG("QML::LoginWindow::setConfigName", TP::Core::Logging::LevelWarning)
          << "No configuration named " << name;
    config = configContainer->currentConfig();
  }
  emit setCredentialsConfig(config);
  emit configNameChanged();
  emit showHelpLinkChanged();
  emit showPwHelpLinkChanged();
}

void LoginWindow::setConfigIdx(int idx) {
  if (idx == m_configIdx) return;
  m_configIdx = idx;
  emit configIdxChanged();
  emit showHelpLinkChanged();
  emit showPwHelpLinkChanged();
}

void LoginWindow::setShowXsiField(bool show) {
  if (show == m_showXsiField) return;
  m_showXsiField = show;
  emit showXsiFieldChanged();
}

void LoginWindow::setXsiAddress(const QString& address) {
  if (address == m_xsiAddress) return;
  m_xsiAddress = address.trimmed();
  userNames();
  usernamesModel->setStringList(filteredUserNames());
  if (m_xsiAddress == m_lastXsiAddress) {
    setUsername(m_lastUsername);
    setPassword(m_lastPassword);
  } else if (!m_lastXsiAddress.isEmpty()) {
    setUsername(QString());
    setPassword(QString());
  }
  emit xsiAddressChanged();
}

QString LoginWindow::getVersionInfo() const {
  return tr("Version: %1").arg(QLatin1String(kVersion));
}

bool LoginWindow::getShowHelpLink() const {
  return !readString(RAZ::Settings::Installation, Utils::SettingsKey::DefaultHelpFile).isEmpty();
}

bool LoginWindow::getShowPwHelpLink() const {
  const QString link =
      readString(RAZ::Settings::Installation, Utils::SettingsKey::DefaultForgotPasswordUrl)
          .trimmed();
  TP_LOG("QML::LoginWindow::getShowPwHelpLink", TP::Core::Logging::LevelDetail)
      << "Pwd help link: " << link;
  return !link.isEmpty();
}

// ---- accounts -------------------------------------------------------------

QString LoginWindow::savedPassword(const QString& username) const {
  if (username.isEmpty() || !credentialsManager) return QString();
  QString fullName = username;
  RAZ::Utils::Credentials::CredentialsManager::toFullUri(fullName);
  const int type = credentialsManager->loginType();
  RAZ::Utils::Credentials::UserCredentials account;
  if (!credentialsManager->getCredentials(type, fullName, account)) return QString();
  const RAZ::Utils::Credentials::CredentialsData credentials = account.getCredentials(type);
  if (credentials.getDmUrl().isEmpty() || credentials.getDmUrl() == m_xsiAddress)
    return credentials.getPassword();
  return QString();
}

QStringList LoginWindow::userNames() {
  dmUrlByDisplayName.clear();
  QStringList names;
  if (!credentialsManager) return names;
  const int type = credentialsManager->loginType();
  const QList<RAZ::Utils::Credentials::UserCredentials> accounts =
      credentialsManager->getCredentials(type);
  for (const RAZ::Utils::Credentials::UserCredentials& account : accounts) {
    const RAZ::Utils::Credentials::CredentialsData credentials = account.getCredentials(type);
    const QString name = credentials.getDisplayname();
    if (name.isEmpty()) continue;
    names << name;
    if (!dmUrlByDisplayName.contains(name)) dmUrlByDisplayName.insert(name, credentials.getDmUrl());
  }
  names.removeDuplicates();
  names.sort(Qt::CaseSensitive);
  return names;
}

QStringList LoginWindow::filteredUserNames() const {
  QStringList shown;
  for (auto it = dmUrlByDisplayName.constBegin(); it != dmUrlByDisplayName.constEnd(); ++it) {
    if (it.value().isEmpty() || it.value() == m_xsiAddress) shown << it.key();
  }
  // The map is ordered by key, which is the case-sensitive order userNames() uses.
  return shown;
}

void LoginWindow::refreshUserNames() {
  userNames();
  usernamesModel->setStringList(filteredUserNames());
  setUsername(readString(RAZ::Settings::Application, Utils::SettingsKey::LoginDisplayName));
  setRememberPasswordChecked(
      readBool(RAZ::Settings::Application, Utils::SettingsKey::LoginSavePassword, false));
}

void LoginWindow::loadForm(bool resetConfiguration) {
  userNames();

  // The server address comes first: a saved password is offered only for
  // the account's own server, so reading it before the address is known
  // would never restore the password of an account bound to a server.
  const QString dmUrl =
      decodeDmUrl(RAZ::Settings(RAZ::Settings::Installation).value(Utils::SettingsKey::DmUrl));
  const bool xsiFromUser = dmUrl.isEmpty();
  if (xsiFromUser) {
    setShowXsiField(true);
    m_lastXsiAddress.clear();  // nothing to restore or clear while loading
    setXsiAddress(readString(RAZ::Settings::Application, Utils::SettingsKey::DefaultDmConfigFile));
  } else {
    setShowXsiField(false);
  }

  setUsername(readString(RAZ::Settings::Application, Utils::SettingsKey::LoginDisplayName));
  const QString saved = savedPassword(m_username);
  setAutologinChecked(
      readBool(RAZ::Settings::Application, Utils::SettingsKey::LoginAutoLogin, false));
  const bool remember = !saved.isEmpty() && readBool(RAZ::Settings::Application,
                                                     Utils::SettingsKey::LoginSavePassword, false);
  setRememberPasswordChecked(remember);
  setPassword(remember ? saved : QString());

  if (xsiFromUser) {
    m_lastXsiAddress = m_xsiAddress;
    m_lastUsername = m_username;
    m_lastPassword = m_password;
    emit xsiAddressChangedExternally();
  }
  selectConfiguration(resetConfiguration);
}

void LoginWindow::selectConfiguration(bool reset) {
  const QStringList names = configContainer ? configContainer->configNames() : QStringList();
  if (reset || names.isEmpty()) setConfigIdx(-1);
  if (names.size() <= 1) return;
  const QString wanted = readString(RAZ::Settings::Application, Utils::SettingsKey::LoginConfig);
  for (int i = 0; i < names.size(); ++i) {
    if (!names.at(i).isEmpty() && names.at(i) == wanted) {
      setConfigName(names.at(i));
      setConfigIdx(i);
      return;
    }
  }
  setConfigName(names.first());
  setConfigIdx(0);
}

// ---- signing in -------------------------------------------------------------

void LoginWindow::onSigninClicked() {
  TP_LOG("QML::LoginWindow::onSigninClicked", TP::Core::Logging::LevelDetail) << "Sign-in clicked";
  // The sign-in stores the options and the account (the latter while the
  // signin signal is handled): one failure or many, the user hears once.
  const RAZ::Utils::FailureWatch watch;
  writeSetting(RAZ::Settings::Application, Utils::SettingsKey::LoginAutoLogin, m_autologinChecked);
  writeSetting(RAZ::Settings::Application, Utils::SettingsKey::LoginSavePassword,
               m_rememberPasswordChecked);
  if (!m_xsiAddress.isEmpty())
    writeSetting(RAZ::Settings::Application, Utils::SettingsKey::DefaultDmConfigFile, m_xsiAddress);
  proceedSignin(QString());
  if (watch.failed()) {
    //: %1 names the file and why it could not be written
    const QString text = tr("Your account and sign-in options could not be saved (%1). Signing in "
                            "goes on, but they will not be remembered next time.")
                             .arg(watch.failureShown());
    // Not a child of this window, which closes once the session opens.
    Dialogs::MessageWindow::showWarning(tr("Not Saved"), text, false);
  }
}

void LoginWindow::proceedSignin(QString config) {
  TP_LOG("QML::LoginWindow::proceedSignin", TP::Core::Logging::LevelInformation)
      << "Proceeding with sign-in";
  if (!config.isEmpty() && configContainer) {
    const RAZ::Configuration::Config* current = configContainer->currentConfig();
    const QString path = current ? current->getPath() : QString();
    if (!path.isEmpty()) {
      QTemporaryFile candidate;
      bool accepted = false;
      if (candidate.open()) {
        candidate.write(config.toUtf8());
        candidate.close();
        QFile currentFile(path);
        RAZ::Configuration::Config::FileConfig(currentFile, candidate, false, &accepted);
      } else {
        TP_LOG("QML::LoginWindow::proceedSignin", TP::Core::Logging::LevelError)
            << "Unable to create a temporary file for the configuration";
      }
      if (accepted) {
        TP_LOG("QML::LoginWindow::proceedSignin", TP::Core::Logging::LevelInformation)
            << "new configuration received via OMA DM from OmaDmController applied successfully "
               "(length="
            << config.length() << ")";
        configContainer->reloadConfigFiles();
      } else {
        TP_LOG("QML::LoginWindow::proceedSignin", TP::Core::Logging::LevelWarning)
            << "new configuration received via OMA DM from OmaDmController, but ignored (length="
            << config.length() << ")";
      }
    }
  }
  if (!m_xsiAddress.isEmpty()) {
    m_lastXsiAddress = m_xsiAddress;
    m_lastUsername = m_username;
    m_lastPassword = m_password;
  }
  m_listMenuAction = false;
  if (windowMenu) windowMenu->close();
  emit showSigningin();
  emit signin(m_username, m_password, configContainer ? configContainer->currentConfig() : nullptr,
              m_xsiAddress);
}

void LoginWindow::forgetPassword() {
  using namespace RAZ::Utils::Credentials;
  const int type = credentialsManager->loginType();
  if (!rewritesSavedPassword(type)) return;

  // The platform stores the account under its completed name, which may
  // carry the default domain the form left out: clear that one too.
  QStringList names;
  QString typed = m_username;
  CredentialsManager::toFullUri(typed);
  names << typed;
  const QString signingIn = credentialsManager->loginUsername();
  if (!signingIn.isEmpty() && signingIn.compare(typed, Qt::CaseInsensitive) != 0)
    names << signingIn;

  bool found = false;
  for (const QString& name : qAsConst(names)) {
    UserCredentials account;
    if (!credentialsManager->getCredentials(type, name, account)) continue;
    found = true;
    CredentialsData credentials = account.getCredentials(type);
    credentials.setPassword(QString());
    if (type == LoginXsi) credentials.setDmUrl(m_xsiAddress);
    account.setCredentials(type, credentials);
    credentialsManager->updateCredentials(account);
  }
  if (!found && !typed.isEmpty()) {
    UserCredentials account;
    CredentialsData credentials;
    credentials.setUsername(typed);
    credentials.setPassword(QString());
    if (type == LoginXsi) credentials.setDmUrl(m_xsiAddress);
    account.setCredentials(type, credentials);
    credentialsManager->updateCredentials(account);
  }
}

void LoginWindow::cbSessionOpened() {
  writeSetting(RAZ::Settings::Application, Utils::SettingsKey::LoginAutoLogin, m_autologinChecked);
  writeSetting(RAZ::Settings::Application, Utils::SettingsKey::LoginSavePassword,
               m_rememberPasswordChecked);
  if (!m_rememberPasswordChecked && credentialsManager) forgetPassword();
  if (!m_xsiAddress.isEmpty())
    writeSetting(RAZ::Settings::Application, Utils::SettingsKey::DefaultDmConfigFile, m_xsiAddress);
  // The password is no longer needed by the window.
  m_lastPassword.clear();
  m_closingForSession = true;
  close();
}

void LoginWindow::showLogin(bool autologin, bool noRaise) {
  m_listMenuAction = true;
  refreshUserNames();
  placeOnce();
  showNormal();
  if (!noRaise) {
    raise();
    activateWindow();
  }
  if (autologin && m_autologinChecked && !m_password.isEmpty()) onSigninClicked();
}

void LoginWindow::cbSessionClosed() {
  emit showSignin();
  loadForm(true);
  showLogin(false, true);
}

void LoginWindow::retypePassword() {
  if (QObject* root = view()->rootObject()) QMetaObject::invokeMethod(root, "retypePassword");
  // Without a window manager nothing else gives the window the keyboard.
  if (isVisible()) activateWindow();
}

void LoginWindow::cbActionSignout() {
  refreshUserNames();
  placeOnce();
  show();
  raise();
  activateWindow();
}

void LoginWindow::placeOnce() {
  // Without a window manager a new window would open in the corner and
  // wait for a click before taking keys: it opens centred, and its callers
  // activate it.
  if (m_placed) return;
  m_placed = true;
  const RAZ::Settings app(RAZ::Settings::Application);
  bool savedX = false;
  bool savedY = false;
  const QPoint saved(app.value(Utils::SettingsKey::LoginWindowX).toInt(&savedX),
                     app.value(Utils::SettingsKey::LoginWindowY).toInt(&savedY));
  // Only a place some screen still shows (a screen taken away, a smaller
  // desktop, leave it nowhere): kept whole on that screen.
  const QRect left(saved, frameGeometry().size());
  bool shown = false;
  const QList<QScreen*> screens = QGuiApplication::screens();
  for (const QScreen* screen : screens)
    shown = shown || screen->availableGeometry().intersects(left);
  if (savedX && savedY && shown) {
    move(saved);
    Utils::WindowManager::fitOnScreen(this);
    Utils::WindowManager::keepOnScreen(this);
    return;
  }
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    Utils::WindowManager::fitOnScreen(this, screen);
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
}

void LoginWindow::savePosition() const {
  // A window never shown has no place of the user's.
  if (!m_placed) return;
  RAZ::Settings app(RAZ::Settings::Application);
  app.setValue(Utils::SettingsKey::LoginWindowX, pos().x());
  app.setValue(Utils::SettingsKey::LoginWindowY, pos().y());
}

void LoginWindow::cbActionQuit() {
  emit showSigningout();
  cbActionSignout();
}

// ---- links and menus --------------------------------------------------------

void LoginWindow::onShowHelpClicked() { emit showHelpClicked(); }

void LoginWindow::onShowPwHelpClicked() {
  const QString link =
      readString(RAZ::Settings::Installation, Utils::SettingsKey::DefaultForgotPasswordUrl)
          .trimmed();
  if (link.isEmpty()) return;
  QUrl url(link, QUrl::TolerantMode);
  if (!url.isValid()) {
    TP_LOG("QML::LoginWindow::onShowPwHelpClicked", TP::Core::Logging::LevelError)
        << "Invalid forgot-password address: " << link;
    return;
  }
  const QString lang = readString(RAZ::Settings::Application, Utils::SettingsKey::LanguageActive);
  if (!lang.isEmpty()) {
    QUrlQuery query(url);
    query.addQueryItem(QStringLiteral("lang"), lang);
    url.setQuery(query);
  }
  TP_LOG("QML::LoginWindow::onShowPwHelpClicked", TP::Core::Logging::LevelInformation)
      << "Opening pw help link: " << url.toString();
  QDesktopServices::openUrl(url);
}

void LoginWindow::setMenuAction(QAction* action) { menuAction = action; }

void LoginWindow::openLoginWindowMenu() {
  QMenu* menu = new QMenu();
  windowMenu = menu;
  menu->setWindowOpacity(0.9);
  if (m_listMenuAction && menuAction) {
    menu->addAction(menuAction.data());
    menu->addSeparator();
  }
  QAction* closeAction = menu->addAction(tr("Close"));
  connect(closeAction, SIGNAL(triggered()), this, SLOT(close()));
  openMenu(menu);
}

void LoginWindow::openTextFieldMenu(bool isPassword) {
  QMenu* menu = new QMenu();
  menu->addActions(textFieldActionsHandler->createActions(menu, isPassword));
  openMenu(menu);
}

int LoginWindow::configsNum() { return configsModel ? configsModel->rowCount() : -1; }

void LoginWindow::validateData() {}
void LoginWindow::usernameValidOkClicked() {}
void LoginWindow::usernameInvalidHelpClicked() {}

// ---- window -----------------------------------------------------------------

QString LoginWindow::helpContext() const { return QStringLiteral("loginWindow"); }

bool LoginWindow::canClose() {
  // Closing at session open is the program's own doing; only a close by the
  // user may let the platform decide to quit.
  if (!m_closingForSession) emit windowClosed();
  return true;
}

QSize LoginWindow::minimumWindowSize() const { return QSize(285, 425); }

QSize LoginWindow::maximumWindowSize() const { return minimumWindowSize(); }

void LoginWindow::changeEvent(QEvent* event) { Window::changeEvent(event); }

}  // namespace QML
