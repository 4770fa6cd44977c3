// The sign-in window: session-state mapping, the account list and its
// filtering by device-management address, the remembered-password rules,
// the form's loading from settings (including damaged values), the scene's
// keyboard behaviour and who may make the program quit.

#include "TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPointer>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QStringListModel>
#include <QTemporaryDir>

#include <RAZ/ConfigContainer.h>
#include <RAZ/Configuration/Config.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Settings.h>
#include <RAZ/Utils/Credentials.h>
#include <TP/Crypto/Blowfish.h>

#include "Utils/SettingsKeys.h"
#include "libqml/components/LoginWindow.h"
#include "libqml/items/ComboBoxAdapters.h"
#include "libqml/utils/Style.h"
#include "libqml/window/View.h"

using namespace RAZ::Utils::Credentials;
using QML::LoginWindow;

Q_DECLARE_METATYPE(QML::LoginWindow::LoginState)

namespace {

bool isQmlWarning(const QString& msg) {
  return msg.contains(QLatin1String(".qml:")) || msg.contains(QLatin1String("qrc:/")) ||
         msg.contains(QLatin1String("ReferenceError")) ||
         msg.contains(QLatin1String("TypeError")) || msg.contains(QLatin1String("Binding loop"));
}

}  // namespace

class TestLoginWindow : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void cleanup();

  void loginStateMapping_data();
  void loginStateMapping();
  void loginStateNotifiesOncePerChange();

  void sceneLoadsWithoutWarnings_data();
  void sceneLoadsWithoutWarnings();

  void accountListDeduplicatesAndSorts();
  void accountListFollowsXsiAddress();
  void xsiAddressRestoresLastSignin();
  void storedPasswordBoundToItsServer();
  void dmUrlFixesTheServer_data();
  void dmUrlFixesTheServer();
  void wrongSettingTypesFallBack();

  void forgottenPasswordIsClearedAfterSignin();
  void rememberedPasswordShownNextTime();
  void passwordNeverWrittenToSettings();
  void sessionOpenClosesWithoutQuitting();
  void userCloseReportsWindowClosed();
  void autologinOnlyWhenAllowed();

  void enterSignsInOnlyWhenComplete();
  void enterNeedsXsiAddressWhenShown();
  void tabOrderSkipsDisabledAndWraps();
  void sceneStateFollowsWindow();
  void configurationSelection();

  void editMenuOnTheSignInFields_data();
  void editMenuOnTheSignInFields();
  void windowMenuFromFrameIconAndKeyboard();

 private:
  QMenu* openFieldMenu(LoginWindow* w, QQuickItem* field);
  LoginWindow* makeWindow(bool activate = true);
  void storeAccount(const QString& user, const QString& password, const QString& dmUrl = QString(),
                    const QString& display = QString(), int type = LoginSip);
  QString storedPassword(const QString& user, int type = LoginSip) const;
  void setApp(const QString& key, const QVariant& value);
  void setInstallation(const QString& key, const QVariant& value);
  QQuickItem* sceneItem(LoginWindow* w, const char* name) const;
  QStringList qmlWarnings();

  std::unique_ptr<QML::Style> m_style;
  std::unique_ptr<QTemporaryDir> m_dir;
  TP::Crypto::Blowfish m_cipher;
  std::unique_ptr<CredentialsManager> m_credentials;
  std::unique_ptr<RAZ::ConfigContainer> m_configs;
  QPointer<LoginWindow> m_window;
};

void TestLoginWindow::initTestCase() {
  ZentTest::initScenes();
  QCoreApplication::setApplicationName(QStringLiteral("Zent"));
  m_style = std::make_unique<QML::Style>(nullptr);
  qRegisterMetaType<const RAZ::Configuration::Config*>("const RAZ::Configuration::Config*");
  QVERIFY(m_cipher.Initialize(TP::Bytes(QByteArray("login-window-test-key")),
                              TP::Crypto::Blowfish::ModeCbc));
}

void TestLoginWindow::init() {
  m_dir = std::make_unique<QTemporaryDir>();
  QVERIFY(m_dir->isValid());
  QDir(m_dir->path()).mkpath(QStringLiteral("app"));
  QDir(m_dir->path()).mkpath(QStringLiteral("install"));
  RAZ::Settings::setPath(RAZ::Settings::Application, m_dir->filePath(QStringLiteral("app")));
  RAZ::Settings::setPath(RAZ::Settings::Installation, m_dir->filePath(QStringLiteral("install")));
  m_credentials = std::make_unique<CredentialsManager>(
      m_dir->filePath(QStringLiteral("credentials.dat")), &m_cipher);
  QVERIFY(m_credentials->load());
  m_configs = std::make_unique<RAZ::ConfigContainer>();
  ZentTest::takeMessages();
}

void TestLoginWindow::cleanup() {
  delete m_window.data();
  m_configs.reset();
  m_credentials.reset();
  RAZ::Settings::clearPaths();
  m_dir.reset();
}

LoginWindow* TestLoginWindow::makeWindow(bool activate) {
  m_window = new LoginWindow(m_configs.get(), m_credentials.get());
  if (activate && !m_window->activate()) return nullptr;
  return m_window.data();
}

void TestLoginWindow::storeAccount(const QString& user, const QString& password,
                                   const QString& dmUrl, const QString& display, int type) {
  CredentialsData data;
  data.setUsername(user);
  data.setPassword(password);
  data.setDmUrl(dmUrl);
  data.setDisplayname(display);
  UserCredentials account;
  account.setCredentials(type, data);
  m_credentials->addCredentials(account);
}

QString TestLoginWindow::storedPassword(const QString& user, int type) const {
  UserCredentials account;
  if (!m_credentials->getCredentials(type, user, account)) return QStringLiteral("<missing>");
  return account.getCredentials(type).getPassword();
}

void TestLoginWindow::setApp(const QString& key, const QVariant& value) {
  RAZ::Settings(RAZ::Settings::Application).setValue(key, value);
}

void TestLoginWindow::setInstallation(const QString& key, const QVariant& value) {
  // The installation scope is read-only for the program; tests write its file.
  QSettings ini(RAZ::Settings::filePath(RAZ::Settings::Installation), QSettings::IniFormat);
  ini.setValue(key, value);
}

QQuickItem* TestLoginWindow::sceneItem(LoginWindow* w, const char* name) const {
  return w->view()->rootObject()->findChild<QQuickItem*>(QString::fromLatin1(name));
}

QStringList TestLoginWindow::qmlWarnings() {
  QStringList out;
  for (const QString& m : ZentTest::takeMessages())
    if (isQmlWarning(m)) out << m;
  return out;
}

// ---- state mapping -----------------------------------------------------------

void TestLoginWindow::loginStateMapping_data() {
  QTest::addColumn<int>("platform");
  QTest::addColumn<int>("expected");
  QTest::newRow("-1") << -1 << int(LoginWindow::None);
  QTest::newRow("0 none") << 0 << int(LoginWindow::None);
  QTest::newRow("1 proxy") << 1 << int(LoginWindow::DetectingProxy);
  QTest::newRow("2 proxy credentials") << 2 << int(LoginWindow::DetectingProxy);
  QTest::newRow("3 first signing-in") << 3 << int(LoginWindow::SigningIn);
  QTest::newRow("10 last signing-in") << 10 << int(LoginWindow::SigningIn);
  QTest::newRow("11 signed in") << 11 << int(LoginWindow::SignedIn);
  QTest::newRow("12 signing out") << 12 << int(LoginWindow::SigningOut);
  QTest::newRow("13 signed out") << 13 << int(LoginWindow::None);
  QTest::newRow("99") << 99 << int(LoginWindow::None);
}

void TestLoginWindow::loginStateMapping() {
  QFETCH(int, platform);
  QFETCH(int, expected);
  QCOMPARE(int(LoginWindow::toLoginState(platform)), expected);
}

void TestLoginWindow::loginStateNotifiesOncePerChange() {
  LoginWindow* w = makeWindow(false);
  QSignalSpy spy(w, SIGNAL(loginStateChanged()));
  w->sessionStateChange(nullptr, RAZ::Sessions::StateResolving);
  w->sessionStateChange(nullptr, RAZ::Sessions::StateLoadingContacts);  // same mapped state
  QCOMPARE(spy.count(), 1);
  QCOMPARE(w->getLoginState(), LoginWindow::SigningIn);
  w->sessionStateChange(nullptr, RAZ::Sessions::StateSignedIn);
  w->sessionStateChange(nullptr, RAZ::Sessions::StateSignedOut);
  QCOMPARE(spy.count(), 3);
  QCOMPARE(w->getLoginState(), LoginWindow::None);
  QCOMPARE(w->property("loginState").toInt(), int(LoginWindow::None));
}

// ---- scene -------------------------------------------------------------------

void TestLoginWindow::sceneLoadsWithoutWarnings_data() {
  QTest::addColumn<bool>("xsiField");
  QTest::newRow("server fixed by installation") << false;
  QTest::newRow("server entered by user") << true;
}

void TestLoginWindow::sceneLoadsWithoutWarnings() {
  QFETCH(bool, xsiField);
  if (!xsiField)
    setInstallation(Utils::SettingsKey::DmUrl,
                    QString::fromLatin1(QByteArray("https://dm.example").toBase64()));
  setInstallation(Utils::SettingsKey::DefaultHelpFile,
                  QStringLiteral("https://help.example/index.html"));
  setInstallation(Utils::SettingsKey::DefaultForgotPasswordUrl,
                  QStringLiteral(" https://pw.example "));
  storeAccount(QStringLiteral("alice"), QStringLiteral("pw"));
  LoginWindow* w = makeWindow();
  QVERIFY(w);
  QCOMPARE(w->getShowXsiField(), xsiField);
  QCOMPARE(w->size(), QSize(285, 425));
  QCOMPARE(w->minimumSize(), w->maximumSize());
  w->showLogin(false, false);
  QVERIFY(QTest::qWaitForWindowExposed(w));
  QVERIFY(w->getShowHelpLink());
  QVERIFY(w->getShowPwHelpLink());
  QVERIFY(sceneItem(w, "helpLink")->isVisible());
  QVERIFY(sceneItem(w, "forgotPasswordLink")->isVisible());
  QCOMPARE(sceneItem(w, "xsiField")->isVisible(), xsiField);
  QCOMPARE(sceneItem(w, "versionLabel")->property("text").toString(),
           QStringLiteral("Version: 20.1.1.231-ZQV"));
  // Run the busy state too: its bindings read the session state.
  w->sessionStateChange(nullptr, RAZ::Sessions::StateDetectingProxy);
  emit w->showSigningin();
  QCOMPARE(sceneItem(w, "statusLabel")->property("text").toString(),
           QStringLiteral("Fetching Proxy Settings..."));
  w->sessionStateChange(nullptr, RAZ::Sessions::StateSigningOut);
  QCOMPARE(sceneItem(w, "statusLabel")->property("text").toString(),
           QStringLiteral("Signing Out..."));
  emit w->showSignin();
  const QStringList warnings = qmlWarnings();
  QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
}

// ---- accounts ------------------------------------------------------------------

void TestLoginWindow::accountListDeduplicatesAndSorts() {
  storeAccount(QStringLiteral("bert"), QString());
  storeAccount(QStringLiteral("anna"), QString());
  storeAccount(QStringLiteral("Zoe"), QString());
  // Two accounts share a display name; the first one's server decides.
  storeAccount(QStringLiteral("d1"), QString(), QStringLiteral("https://other"),
               QStringLiteral("Desk"));
  storeAccount(QStringLiteral("d2"), QString(), QString(), QStringLiteral("Desk"));
  // An account of another login type is not listed.
  storeAccount(QStringLiteral("xmpp"), QString(), QString(), QString(), LoginXmpp);
  setInstallation(Utils::SettingsKey::DmUrl,
                  QString::fromLatin1(QByteArray("https://dm").toBase64()));
  LoginWindow* w = makeWindow();
  QVERIFY(w);
  QCOMPARE(w->usernamesFilterModel()->stringList(),
           (QStringList{QStringLiteral("Zoe"), QStringLiteral("anna"), QStringLiteral("bert")}));
  w->setXsiAddress(QStringLiteral("https://other"));
  QCOMPARE(w->usernamesFilterModel()->stringList(),
           (QStringList{QStringLiteral("Desk"), QStringLiteral("Zoe"), QStringLiteral("anna"),
                        QStringLiteral("bert")}));
}

void TestLoginWindow::accountListFollowsXsiAddress() {
  storeAccount(QStringLiteral("free"), QString());
  storeAccount(QStringLiteral("onA"), QString(), QStringLiteral("https://a"));
  storeAccount(QStringLiteral("onB"), QString(), QStringLiteral("https://b"));
  setApp(Utils::SettingsKey::DefaultDmConfigFile, QStringLiteral("https://a"));
  LoginWindow* w = makeWindow();
  QVERIFY(w);
  QVERIFY(w->getShowXsiField());
  QCOMPARE(w->getXsiAddress(), QStringLiteral("https://a"));
  QCOMPARE(w->usernamesFilterModel()->stringList(),
           (QStringList{QStringLiteral("free"), QStringLiteral("onA")}));
  QSignalSpy changed(w, SIGNAL(xsiAddressChanged()));
  w->setXsiAddress(QStringLiteral("  https://b "));
  QCOMPARE(w->getXsiAddress(), QStringLiteral("https://b"));
  QCOMPARE(changed.count(), 1);
  QCOMPARE(w->usernamesFilterModel()->stringList(),
           (QStringList{QStringLiteral("free"), QStringLiteral("onB")}));
  w->setXsiAddress(QString());
  QCOMPARE(w->usernamesFilterModel()->stringList(), QStringList{QStringLiteral("free")});
}

void TestLoginWindow::xsiAddressRestoresLastSignin() {
  storeAccount(QStringLiteral("bob"), QStringLiteral("secret"), QStringLiteral("https://a"));
  setApp(Utils::SettingsKey::DefaultDmConfigFile, QStringLiteral("https://a"));
  setApp(Utils::SettingsKey::LoginDisplayName, QStringLiteral("bob"));
  setApp(Utils::SettingsKey::LoginSavePassword, true);
  LoginWindow* w = makeWindow();
  QVERIFY(w);
  QCOMPARE(w->getUsername(), QStringLiteral("bob"));
  QCOMPARE(w->getPassword(), QStringLiteral("secret"));
  QVERIFY(w->getRememberPasswordChecked());

  w->setXsiAddress(QStringLiteral("https://elsewhere"));
  QCOMPARE(w->getUsername(), QString());
  QCOMPARE(w->getPassword(), QString());
  w->setXsiAddress(QStringLiteral("https://a"));
  QCOMPARE(w->getUsername(), QStringLiteral("bob"));
  QCOMPARE(w->getPassword(), QStringLiteral("secret"));
}

void TestLoginWindow::storedPasswordBoundToItsServer() {
  storeAccount(QStringLiteral("carl"), QStringLiteral("pw-b"), QStringLiteral("https://b"));
  storeAccount(QStringLiteral("dina"), QStringLiteral("pw-any"));
  setApp(Utils::SettingsKey::DefaultDmConfigFile, QStringLiteral("https://a"));
  setApp(Utils::SettingsKey::LoginSavePassword, true);
  setApp(Utils::SettingsKey::LoginDisplayName, QStringLiteral("carl"));
  LoginWindow* w = makeWindow();
  QVERIFY(w);
  QCOMPARE(w->getUsername(), QStringLiteral("carl"));
  QCOMPARE(w->getPassword(), QString());
  // With no saved password the box cannot stay checked.
  QVERIFY(!w->getRememberPasswordChecked());
  // An account without a server of its own offers its password anywhere.
  w->setUsername(QStringLiteral("dina"));
  QCOMPARE(w->getPassword(), QStringLiteral("pw-any"));
  w->setXsiAddress(QStringLiteral("https://b"));
  w->setUsername(QStringLiteral("carl"));
  QCOMPARE(w->getPassword(), QStringLiteral("pw-b"));
}

void TestLoginWindow::dmUrlFixesTheServer_data() {
  QTest::addColumn<QVariant>("dmUrl");
  QTest::addColumn<bool>("fieldShown");
  const QString encoded = QString::fromLatin1(QByteArray("https://dm.example").toBase64());
  QTest::newRow("unset") << QVariant() << true;
  QTest::newRow("base64") << QVariant(encoded) << false;
  QTest::newRow("quoted base64") << QVariant(QStringLiteral("\"%1\"").arg(encoded)) << false;
  QTest::newRow("lone quote") << QVariant(QStringLiteral("\"")) << true;
  QTest::newRow("two quotes") << QVariant(QStringLiteral("\"\"")) << true;
  QTest::newRow("not base64") << QVariant(QStringLiteral("https://plain.example/?")) << true;
  QTest::newRow("blank") << QVariant(QStringLiteral("   ")) << true;
  QTest::newRow("list") << QVariant(QStringList{QStringLiteral("a"), QStringLiteral("b")}) << true;
}

void TestLoginWindow::dmUrlFixesTheServer() {
  QFETCH(QVariant, dmUrl);
  QFETCH(bool, fieldShown);
  if (dmUrl.isValid()) setInstallation(Utils::SettingsKey::DmUrl, dmUrl);
  setApp(Utils::SettingsKey::DefaultDmConfigFile, QStringLiteral("https://typed.example"));
  LoginWindow* w = makeWindow();
  QVERIFY(w);
  QCOMPARE(w->getShowXsiField(), fieldShown);
  QCOMPARE(w->getXsiAddress(), fieldShown ? QStringLiteral("https://typed.example") : QString());
}

void TestLoginWindow::wrongSettingTypesFallBack() {
  storeAccount(QStringLiteral("eve"), QStringLiteral("pw"));
  QFile ini(RAZ::Settings::filePath(RAZ::Settings::Application));
  QVERIFY(ini.open(QIODevice::WriteOnly));
  ini.write(
      "[login]\nsavepassword=maybe\nautologin=@Variant(garbage)\ndisplayname=eve\nconfig=1, 2\n"
      "[defaults]\ndm_config_file=a, b\n");
  ini.close();
  setInstallation(Utils::SettingsKey::DefaultHelpFile, QStringList());
  LoginWindow* w = makeWindow();
  QVERIFY(w);
  QCOMPARE(w->getUsername(), QStringLiteral("eve"));
  QVERIFY(!w->getRememberPasswordChecked());
  QVERIFY(!w->getAutologinChecked());
  QCOMPARE(w->getPassword(), QString());
  QVERIFY(!w->getShowHelpLink());
  QVERIFY(w->getShowXsiField());
}

// ---- remembered password and closing ------------------------------------------

void TestLoginWindow::forgottenPasswordIsClearedAfterSignin() {
  LoginWindow* w = makeWindow();
  QVERIFY(w);
  // What the application stores when it signs in: the full name with the
  // password, before the session opens.
  storeAccount(QStringLiteral("frank@example.com"), QStringLiteral("typed-pw"));
  storeAccount(QStringLiteral("gina"), QStringLiteral("other-pw"));
  m_credentials->setLoginUsername(QStringLiteral("frank@example.com"));
  w->setUsername(QStringLiteral("frank"));
  w->setPassword(QStringLiteral("typed-pw"));
  w->setRememberPasswordChecked(false);
  w->cbSessionOpened();
  QCOMPARE(storedPassword(QStringLiteral("frank@example.com")), QString());
  QCOMPARE(storedPassword(QStringLiteral("gina")), QStringLiteral("other-pw"));
  QCOMPARE(RAZ::Settings(RAZ::Settings::Application)
               .value(Utils::SettingsKey::LoginSavePassword)
               .toBool(),
           false);
  // The manager writes its file again: the password is gone from disk too.
  CredentialsManager reread(m_credentials->path(), &m_cipher);
  QVERIFY(reread.load());
  UserCredentials account;
  QVERIFY(reread.getCredentials(LoginSip, QStringLiteral("frank@example.com"), account));
  QCOMPARE(account.getCredentials(LoginSip).getPassword(), QString());
}

void TestLoginWindow::rememberedPasswordShownNextTime() {
  storeAccount(QStringLiteral("hal"), QStringLiteral("keep-me"));
  setApp(Utils::SettingsKey::LoginDisplayName, QStringLiteral("hal"));
  LoginWindow* w = makeWindow();
  QVERIFY(w);
  w->setUsername(QStringLiteral("hal"));
  w->setPassword(QStringLiteral("keep-me"));
  w->setRememberPasswordChecked(true);
  w->setAutologinChecked(true);
  w->cbSessionOpened();
  QCOMPARE(storedPassword(QStringLiteral("hal")), QStringLiteral("keep-me"));
  QTRY_VERIFY(m_window.isNull());

  LoginWindow* next = makeWindow();
  QVERIFY(next);
  QCOMPARE(next->getUsername(), QStringLiteral("hal"));
  QCOMPARE(next->getPassword(), QStringLiteral("keep-me"));
  QVERIFY(next->getRememberPasswordChecked());
  QVERIFY(next->getAutologinChecked());
}

void TestLoginWindow::passwordNeverWrittenToSettings() {
  const QString secret = QStringLiteral("Zq7-unique-secret");
  setApp(Utils::SettingsKey::DefaultDmConfigFile, QStringLiteral("https://a"));
  LoginWindow* w = makeWindow();
  QVERIFY(w);
  QSignalSpy signin(w,
                    SIGNAL(signin(QString, QString, const RAZ::Configuration::Config*, QString)));
  w->setUsername(QStringLiteral("ivy"));
  w->setPassword(secret);
  w->setRememberPasswordChecked(true);
  w->onSigninClicked();
  QCOMPARE(signin.count(), 1);
  QCOMPARE(signin.at(0).at(1).toString(), secret);
  QCOMPARE(signin.at(0).at(3).toString(), QStringLiteral("https://a"));
  w->cbSessionOpened();
  for (const QString& file : {RAZ::Settings::filePath(RAZ::Settings::Application),
                              RAZ::Settings::filePath(RAZ::Settings::Installation)}) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) continue;
    QVERIFY2(!f.readAll().contains(secret.toUtf8()), qPrintable(file));
  }
  QCOMPARE(RAZ::Settings(RAZ::Settings::Application)
               .value(Utils::SettingsKey::DefaultDmConfigFile)
               .toString(),
           QStringLiteral("https://a"));
}

void TestLoginWindow::sessionOpenClosesWithoutQuitting() {
  LoginWindow* w = makeWindow();
  QVERIFY(w);
  w->showLogin(false, false);
  QSignalSpy closed(w, SIGNAL(windowClosed()));
  w->cbSessionOpened();
  QCOMPARE(closed.count(), 0);
  QTRY_VERIFY(m_window.isNull());
}

void TestLoginWindow::userCloseReportsWindowClosed() {
  LoginWindow* w = makeWindow();
  QVERIFY(w);
  w->showLogin(false, false);
  QSignalSpy closed(w, SIGNAL(windowClosed()));
  QVERIFY(w->close());
  QCOMPARE(closed.count(), 1);
  QTRY_VERIFY(m_window.isNull());
}

void TestLoginWindow::autologinOnlyWhenAllowed() {
  storeAccount(QStringLiteral("jo"), QStringLiteral("pw"));
  setApp(Utils::SettingsKey::LoginDisplayName, QStringLiteral("jo"));
  setApp(Utils::SettingsKey::LoginSavePassword, true);
  setApp(Utils::SettingsKey::LoginAutoLogin, false);
  LoginWindow* w = makeWindow();
  QVERIFY(w);
  QSignalSpy signin(w,
                    SIGNAL(signin(QString, QString, const RAZ::Configuration::Config*, QString)));
  w->showLogin(true, false);  // stored as not automatic
  QCOMPARE(signin.count(), 0);
  w->setAutologinChecked(true);
  w->showLogin(false, false);  // the application did not ask
  QCOMPARE(signin.count(), 0);
  w->setPassword(QString());
  w->showLogin(true, false);  // no password: showLogin reloads only the list
  QCOMPARE(signin.count(), 0);
  w->setPassword(QStringLiteral("pw"));
  w->showLogin(true, true);
  QCOMPARE(signin.count(), 1);
  QCOMPARE(signin.at(0).at(0).toString(), QStringLiteral("jo"));
}

// ---- keyboard --------------------------------------------------------------------

void TestLoginWindow::enterSignsInOnlyWhenComplete() {
  setInstallation(Utils::SettingsKey::DmUrl,
                  QString::fromLatin1(QByteArray("https://dm").toBase64()));
  LoginWindow* w = makeWindow();
  QVERIFY(w);
  w->showLogin(false, false);
  QVERIFY(QTest::qWaitForWindowExposed(w));
  QQuickItem* root = w->view()->rootObject();
  QSignalSpy signin(w,
                    SIGNAL(signin(QString, QString, const RAZ::Configuration::Config*, QString)));
  QSignalSpy cancel(w, SIGNAL(signoutClicked()));

  w->setUsername(QStringLiteral("kim"));
  QTest::keyClick(w->view(), Qt::Key_Return);
  QCOMPARE(signin.count(), 0);
  QCOMPARE(root->property("state").toString(), QStringLiteral("signin"));

  // Typed into the scene, the password reaches the window by binding.
  QQuickItem* password = sceneItem(w, "passwordField");
  password->forceActiveFocus();
  QTest::keyClicks(w->view(), QStringLiteral("pw"));
  QCOMPARE(w->getPassword(), QStringLiteral("pw"));
  QVERIFY(sceneItem(w, "signinButton")->isEnabled());
  QTest::keyClick(w->view(), Qt::Key_Enter);
  QCOMPARE(signin.count(), 1);
  QCOMPARE(signin.at(0).at(0).toString(), QStringLiteral("kim"));
  QCOMPARE(signin.at(0).at(1).toString(), QStringLiteral("pw"));
  QCOMPARE(root->property("state").toString(), QStringLiteral("signingin"));

  // While signing in, Enter cancels.
  QTest::keyClick(w->view(), Qt::Key_Return);
  QCOMPARE(cancel.count(), 1);
  QCOMPARE(signin.count(), 1);
  QCOMPARE(root->property("state").toString(), QStringLiteral("signin"));

  // Signing out: Enter does nothing.
  emit w->showSigningout();
  QTest::keyClick(w->view(), Qt::Key_Return);
  QCOMPARE(signin.count(), 1);
  QCOMPARE(cancel.count(), 1);
  QVERIFY(!sceneItem(w, "signinButton")->isEnabled());
  QVERIFY(qmlWarnings().isEmpty());
}

void TestLoginWindow::enterNeedsXsiAddressWhenShown() {
  setApp(Utils::SettingsKey::DefaultDmConfigFile, QString());
  LoginWindow* w = makeWindow();
  QVERIFY(w);
  QVERIFY(w->getShowXsiField());
  w->showLogin(false, false);
  QVERIFY(QTest::qWaitForWindowExposed(w));
  QSignalSpy signin(w,
                    SIGNAL(signin(QString, QString, const RAZ::Configuration::Config*, QString)));
  w->setUsername(QStringLiteral("lee"));
  w->setPassword(QStringLiteral("pw"));
  QVERIFY(!sceneItem(w, "usernameCombo")->isEnabled());
  QTest::keyClick(w->view(), Qt::Key_Return);
  QCOMPARE(signin.count(), 0);

  sceneItem(w, "xsiField")->forceActiveFocus();
  QTest::keyClicks(w->view(), QStringLiteral("https://x"));
  QCOMPARE(w->getXsiAddress(), QStringLiteral("https://x"));
  QVERIFY(sceneItem(w, "usernameCombo")->isEnabled());
  w->setUsername(QStringLiteral("lee"));
  w->setPassword(QStringLiteral("pw"));
  QTest::keyClick(w->view(), Qt::Key_Return);
  QCOMPARE(signin.count(), 1);
  QCOMPARE(signin.at(0).at(3).toString(), QStringLiteral("https://x"));
}

void TestLoginWindow::tabOrderSkipsDisabledAndWraps() {
  LoginWindow* w = makeWindow();
  QVERIFY(w);
  w->showLogin(false, false);
  QVERIFY(QTest::qWaitForWindowExposed(w));
  QQuickItem* xsi = sceneItem(w, "xsiField");
  QQuickItem* user = sceneItem(w, "usernameCombo");
  QQuickItem* password = sceneItem(w, "passwordField");
  QQuickItem* remember = sceneItem(w, "rememberBox");
  QQuickItem* autoBox = sceneItem(w, "autologinBox");
  QVERIFY(xsi && user && password && remember && autoBox);
  QVERIFY(qobject_cast<QML::QLoginComboBoxQmlAdapter*>(user));

  QTRY_VERIFY(xsi->hasActiveFocus());
  QTest::keyClicks(w->view(), QStringLiteral("https://srv"));
  QTest::keyClick(w->view(), Qt::Key_Tab);
  QVERIFY(user->hasActiveFocus());
  QTest::keyClicks(w->view(), QStringLiteral("max"));
  QCOMPARE(w->getUsername(), QStringLiteral("max"));
  QTest::keyClick(w->view(), Qt::Key_Tab);
  QVERIFY(password->hasActiveFocus());
  QTest::keyClicks(w->view(), QStringLiteral("pw"));
  QTest::keyClick(w->view(), Qt::Key_Tab);
  QVERIFY(remember->hasActiveFocus());
  // "Sign in automatically" is disabled until "Remember password" is on.
  QVERIFY(!autoBox->isEnabled());
  // The sign-in button (when it can be pressed) follows the fields, then
  // the links, and Tab comes round to the first field; Shift+Tab goes back
  // the same way.
  QQuickItem* signin = sceneItem(w, "signinButton");
  QVERIFY(signin && signin->activeFocusOnTab());
  bool passedSignin = false;
  QStringList passed;
  for (int i = 0; i < 8 && !xsi->hasActiveFocus(); ++i) {
    QTest::keyClick(w->view(), Qt::Key_Tab);
    passedSignin = passedSignin || signin->hasActiveFocus();
    QQuickItem* focus = w->view()->quickWindow()->activeFocusItem();
    passed << (focus ? focus->objectName() : QStringLiteral("-"));
  }
  QVERIFY2(xsi->hasActiveFocus(), qPrintable(passed.join(", ")));
  QVERIFY2(passedSignin == signin->isEnabled(), qPrintable(passed.join(", ")));
  for (int i = 0; i < 4 && !remember->hasActiveFocus(); ++i)
    QTest::keyClick(w->view(), Qt::Key_Backtab);
  QVERIFY(remember->hasActiveFocus());
  QTest::keyClick(w->view(), Qt::Key_Space);
  QVERIFY(w->getRememberPasswordChecked());
  QVERIFY(autoBox->isEnabled());
  QTest::keyClick(w->view(), Qt::Key_Tab);
  QVERIFY(autoBox->hasActiveFocus());
  QTest::keyClick(w->view(), Qt::Key_Space);
  QVERIFY(w->getAutologinChecked());

  // Emptying the password disables "Remember password" and clears it.
  w->setPassword(QString());
  QVERIFY(!remember->isEnabled());
  QVERIFY(!w->getRememberPasswordChecked());
  QVERIFY(qmlWarnings().isEmpty());
}

void TestLoginWindow::sceneStateFollowsWindow() {
  LoginWindow* w = makeWindow();
  QVERIFY(w);
  QQuickItem* root = w->view()->rootObject();
  QQuickItem* button = sceneItem(w, "signinButton");
  emit w->showSigningin();
  QCOMPARE(root->property("state").toString(), QStringLiteral("signingin"));
  QCOMPARE(button->property("text").toString(), QStringLiteral("Cancel"));
  QVERIFY(button->isEnabled());
  emit w->showSigningout();
  QCOMPARE(button->property("text").toString(), QStringLiteral("Signing Out"));
  QVERIFY(!button->isEnabled());
  w->cbSessionClosed();
  QCOMPARE(root->property("state").toString(), QStringLiteral("signin"));
  QCOMPARE(button->property("text").toString(), QStringLiteral("Sign In"));
}

void TestLoginWindow::configurationSelection() {
  QVERIFY(m_configs->addConfig("<config name=\"Alpha\"></config>",
                               m_dir->filePath(QStringLiteral("config1.xml"))));
  QVERIFY(m_configs->addConfig("<config name=\"Beta\"></config>",
                               m_dir->filePath(QStringLiteral("config2.xml"))));
  setApp(Utils::SettingsKey::LoginConfig, QStringLiteral("Beta"));
  LoginWindow* w = makeWindow();
  QVERIFY(w);
  QCOMPARE(w->getConfigIdx(), 1);
  QCOMPARE(w->getConfigName(), QStringLiteral("Beta"));
  QVERIFY(m_configs->currentConfig());
  QCOMPARE(m_configs->currentConfig()->getName(), QStringLiteral("Beta"));
  QCOMPARE(m_credentials->configuration(), m_configs->currentConfig());

  setApp(Utils::SettingsKey::LoginConfig, QStringLiteral("Gone"));
  w->cbSessionClosed();
  QCOMPARE(w->getConfigIdx(), 0);
  QCOMPARE(w->getConfigName(), QStringLiteral("Alpha"));
}

ZENT_TEST_MAIN(TestLoginWindow, QApplication)
// ---- edit and window menus ----------------------------------------------------

QMenu* TestLoginWindow::openFieldMenu(LoginWindow* w, QQuickItem* field) {
  // A right click near the field's left edge, clear of a combo box's arrow.
  const QPoint at = field->mapToScene(QPointF(10, field->height() / 2)).toPoint();
  QTest::mouseClick(w->view(), Qt::RightButton, Qt::NoModifier, at);
  return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

namespace {

QStringList menuEntries(const QMenu* menu) {
  QStringList out;
  for (const QAction* a : menu->actions())
    out << (a->isSeparator() ? QStringLiteral("-")
                             : (a->isEnabled() ? QString() : QStringLiteral("!")) + a->text());
  return out;
}

QAction* menuEntry(const QMenu* menu, const QString& text) {
  for (QAction* a : menu->actions())
    if (a->text() == text) return a;
  return nullptr;
}

}  // namespace

void TestLoginWindow::editMenuOnTheSignInFields_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("textProperty");
  QTest::addColumn<bool>("password");
  QTest::addColumn<bool>("serverFixed");  // the username and password wait for a server
  QTest::newRow("server address") << "xsiField"
                                  << "text" << false << false;
  QTest::newRow("username") << "usernameCombo"
                            << "text" << false << true;
  QTest::newRow("password") << "passwordField"
                            << "text" << true << true;
}

void TestLoginWindow::editMenuOnTheSignInFields() {
  QFETCH(QString, field);
  QFETCH(QString, textProperty);
  QFETCH(bool, password);
  QFETCH(bool, serverFixed);
  if (serverFixed)
    setInstallation(Utils::SettingsKey::DmUrl,
                    QString::fromLatin1(QByteArray("https://dm").toBase64()));
  LoginWindow* w = makeWindow();
  QVERIFY(w);
  w->showLogin(false, false);
  w->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(w));
  QQuickItem* item = sceneItem(w, field.toLatin1().constData());
  QVERIFY(item);
  const QByteArray prop = textProperty.toLatin1();
  item->forceActiveFocus();
  QTest::keyClicks(w->view(), QStringLiteral("hello"));
  QCOMPARE(item->property(prop).toString(), QStringLiteral("hello"));
  QVERIFY(QMetaObject::invokeMethod(item, "selectAll"));
  QApplication::clipboard()->setText(QStringLiteral("clip"));

  QMenu* menu = openFieldMenu(w, item);
  QVERIFY(menu);
  // A password's selection never reaches the menu: no Cut, no Copy.
  const QStringList expected = password ? QStringList{"Paste", "-", "Select All"}
                                        : QStringList{"Cut", "Copy", "Paste", "-", "Select All"};
  QCOMPARE(menuEntries(menu), expected);

  if (password) {
    QAction* paste = menuEntry(menu, QStringLiteral("Paste"));
    menu->close();  // the menu hides before its entry runs, as for a click
    paste->trigger();
    QCOMPARE(item->property(prop).toString(), QStringLiteral("clip"));
    QCOMPARE(w->getPassword(), QStringLiteral("clip"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("clip"));
  } else {
    QAction* cut = menuEntry(menu, QStringLiteral("Cut"));
    menu->close();
    cut->trigger();
    QCOMPARE(item->property(prop).toString(), QString());
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("hello"));

    menu = openFieldMenu(w, item);
    QVERIFY(menu);
    QCOMPARE(menuEntries(menu), (QStringList{"Paste", "-", "Select All"}));
    QAction* paste = menuEntry(menu, QStringLiteral("Paste"));
    menu->close();
    paste->trigger();
    QCOMPARE(item->property(prop).toString(), QStringLiteral("hello"));

    menu = openFieldMenu(w, item);
    QVERIFY(menu);
    QAction* selectAll = menuEntry(menu, QStringLiteral("Select All"));
    menu->close();
    selectAll->trigger();
    QCOMPARE(item->property("selectedText").toString(), QStringLiteral("hello"));
  }
  QApplication::clipboard()->clear();
  QVERIFY(qmlWarnings().isEmpty());
}

void TestLoginWindow::windowMenuFromFrameIconAndKeyboard() {
  LoginWindow* w = makeWindow();
  QVERIFY(w);
  w->showLogin(false, false);
  w->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(w));
  QQuickItem* icon = sceneItem(w, "windowFrameIcon");
  QVERIFY(icon);
  QVERIFY(icon->isVisible());

  // Alt+Space with a text field focused: the field does not take the key.
  QVERIFY(sceneItem(w, "xsiField")->hasActiveFocus());
  QTest::keyClick(w->view(), Qt::Key_Space, Qt::AltModifier);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  QVERIFY(menu);
  QCOMPARE(menu->pos(), w->mapToGlobal(QPoint(0, 0)));
  QVERIFY(menuEntry(menu, QStringLiteral("Close")));
  QPointer<QMenu> first(menu);
  menu->close();
  QTRY_VERIFY(!first);  // freed once closed

  const QPoint at = icon->mapToScene(QPointF(icon->width() / 2, icon->height() / 2)).toPoint();
  QTest::mouseClick(w->view(), Qt::LeftButton, Qt::NoModifier, at);
  menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  QVERIFY(menu);
  // Its Close entry closes the window, as the frame's menu would.
  QSignalSpy closed(w, SIGNAL(windowClosed()));
  QAction* close = menuEntry(menu, QStringLiteral("Close"));
  QVERIFY(close);
  menu->close();
  close->trigger();
  QCOMPARE(closed.count(), 1);
  QVERIFY(qmlWarnings().isEmpty());
}

#include "tst_login_window.moc"
