// The preferences window: its contract with the page handlers, each page's
// load, change, save and cancel, and what the pages write outside the
// settings (desktop entries) in a temporary home.

#include "DemoFixture.h"
#include "TestSupport.h"

#include <RAZ/Configuration/Config.h>
#include <RAZ/Demo/DemoSession.h>
#include <RAZ/Demo/Service.h>
#include <RAZ/MediaEngine/CallControllerBase.h>
#include <RAZ/MediaEngine/IMediaHandlerAudio.h>
#include <RAZ/MediaEngine/IMediaHandlerVideo.h>
#include <RAZ/ProgramKey.h>
#include <RAZ/Settings.h>
#include <RAZ/Utils/Credentials.h>
#include <TP/Crypto/Blowfish.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTranslator>

#include <memory>

#include "I18N.h"
#include "Utils/AppPaths.h"
#include "Utils/Sounds/RingSignals.h"
#include "Widgets/LevelIndicatorWidget.h"
#include "Widgets/Preferences/AudioHandler.h"
#include "Widgets/Preferences/ConfirmationsHandler.h"
#include "Widgets/Preferences/CredentialsHandler.h"
#include "Widgets/Preferences/LoggingHandler.h"
#include "Widgets/Preferences/ProtocolsWidget.h"
#include "Widgets/Preferences/SoundsHandler.h"
#include "Widgets/PreferencesWidget.h"
#include "dialogs/LocationPublish.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/PreferencesWindow.h"
#include "os/Autostart.h"
#include "os/DesktopEntry.h"
#include "os/Store.h"
#include "os/UrlScheme.h"

using Dialogs::PreferencesWindow;
using RAZ::MediaEngine::AudioDevice;

namespace {
const bool g_home = ZentTest::useTemporaryHome("tst_prefs_window", true);

// Every value the pages read, in every scope, so that a cancel can be
// checked against all of them.
const char kUserSeed[] =
    "[settings]\n"
    "confirmations\\removeContact=false\n"
    "confirmations\\historyRecord=true\n"
    "confirmations\\deleteChatRoom=false\n"
    "actions\\defaultRingDevice=mobile\n"
    "outlook_search_enabled=true\n"
    "ldap_search_enabled=false\n"
    "sounds\\incomingCallEnabled=true\n"
    "sounds\\incomingMessageEnabled=false\n"
    "sounds\\defaultRinger=:/ring/two.wav\n"
    "audio\\duringacalldevice=demo-headset-out\n"
    "audio\\recordingdevice=demo-headset-in\n"
    "audio\\withoutacalldevice=\n"
    "audio\\automaticgaincontrol=true\n"
    "video\\capturedevice=demo-document-camera\n"
    "video\\qualitydetection=true\n"
    "[presence]\n"
    "location_publish\\dontAskAgain=true\n"
    "[security]\n"
    "myRoomDialInNumber=+1 555 0100\n"
    "myRoomHostPin=4711\n"
    "myRoomPin1=123456\n"
    "myRoomPin2=9999\n"
    "showResetWarning=false\n";
const char kAppSeed[] =
    "[settings]\n"
    "language\\active=es\n"
    "loggingenabled=false\n"
    "xmpploggingenabled=true\n"
    "advloggingenabled=false\n"
    "api_provider_allow_connectors=all\n"
    "api_connection_no_confirmation=true\n"
    "api_connection_accept_by_default=true\n"
    "[login]\n"
    "autologin=true\n"
    "username=alice@demo.zent\n";
const char kProxySeed[] =
    "[proxy_settings]\n"
    "type=2\n"
    "httpserver=old.proxy\n"
    "httpport=8080\n"
    "httpsserver=old.secure\n"
    "httpsport=8443\n";

const ZentTest::ConfigValues kConfig = {
    {ConfigId::PresenceEnabled, true},   {ConfigId::ProjectRooms, true},
    {ConfigId::CallsOnThisClient, true}, {ConfigId::VideoCalls, true},
    {ConfigId::CommsHistory, true},      {ConfigId::OutlookContactSearch, true},
    {ConfigId::LdapContactSearch, true}, {ConfigId::AddinApi, true},
    {ConfigId::ClickToCall, true},       {ConfigId::OtherDevicesTakeCalls, true},
    {ConfigId::LocationPublishing, true}};

// A short silent PCM WAV file.
QByteArray waveBytes() {
  auto le = [](quint32 v, int n) {
    QByteArray b;
    for (int i = 0; i < n; ++i) b.append(char((v >> (8 * i)) & 0xff));
    return b;
  };
  const QByteArray data(800, '\0');
  QByteArray fmt = le(1, 2) + le(1, 2) + le(8000, 4) + le(16000, 4) + le(2, 2) + le(16, 2);
  QByteArray body =
      "WAVE" + QByteArray("fmt ") + le(16, 4) + fmt + "data" + le(data.size(), 4) + data;
  return "RIFF" + le(body.size(), 4) + body;
}

QString readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

}  // namespace

class TestPrefsWindow : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> m_dir;
  std::unique_ptr<RAZ::Configuration::Config> m_config;
  TP::Crypto::Blowfish m_cipher = ZentTest::programCipher();
  std::unique_ptr<RAZ::Utils::Credentials::CredentialsManager> m_credentials;
  QPointer<RAZ::Demo::DemoSession> m_session;
  QPointer<PreferencesWindow> m_window;

  QString path(const QString& name) const { return m_dir->path() + QLatin1Char('/') + name; }

  void write(const QString& name, const QByteArray& text) {
    QFile f(path(name));
    if (f.open(QIODevice::WriteOnly)) f.write(text);
  }

  RAZ::Demo::DemoSession* openSession(const QByteArray& config = ZentTest::configText(kConfig)) {
    m_config = std::make_unique<RAZ::Configuration::Config>(config, QStringLiteral("demo.xml"));
    m_session = new RAZ::Demo::DemoSession(m_config.get());
    m_session->open(QStringLiteral("alice@demo.zent"), QStringLiteral("demo"));
    m_session->setCredentialsManager(m_credentials.get());
    return m_session;
  }

  PreferencesWindow* open(int page, RAZ::Sessions::SessionManagerBase* session,
                          const QMap<int, QSharedPointer<QTranslator>>& translators = {}) {
    m_window =
        PreferencesWindow::create(nullptr, session, translators, page, nullptr, false, nullptr);
    m_window->show();
    return m_window;
  }

  template <typename T>
  T* child(const char* name) const {
    return m_window ? m_window->findChild<T*>(QLatin1String(name)) : nullptr;
  }

  QStringList settingsFiles() const {
    return {readAll(RAZ::Settings::filePath(RAZ::Settings::User)),
            readAll(RAZ::Settings::filePath(RAZ::Settings::Application)),
            readAll(RAZ::Settings::filePath(RAZ::Settings::Proxy))};
  }

 private slots:
  void initTestCase() {
    QVERIFY(g_home);
    ZentTest::installStrictMessageHandler();
    RAZ::Demo::Service::instance().setPresenceChanges(false);
  }

  void init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    write("user_setting.ini", kUserSeed);
    write("application_setting.ini", kAppSeed);
    write("proxy_setting.ini", kProxySeed);
    QDir().mkpath(path("install"));
    for (auto scope : {RAZ::Settings::User, RAZ::Settings::Application, RAZ::Settings::Proxy})
      RAZ::Settings::setPath(scope, m_dir->path());
    RAZ::Settings::setPath(RAZ::Settings::Installation, path("install"));
    Os::Store::setFilePath(path("os-store.ini"));
    write("ringers.xml",
          "<ringers><ringer file=':/ring/one.wav' description='Standard Ring Signal' "
          "default='true'/><ringer file=':/ring/two.wav' description='Chimes' "
          "default='false'/></ringers>");
    Utils::Sounds::setRingSignalListPath(path("ringers.xml"));
    AppPaths::setExecutableDirOverride(m_dir->path());
    m_credentials = std::make_unique<RAZ::Utils::Credentials::CredentialsManager>(
        path("credentials.dat"), &m_cipher);
    QVERIFY(m_credentials->load());
    RAZ::Utils::Credentials::CredentialsData login;
    login.setUsername(QStringLiteral("alice@demo.zent"));
    login.setPassword(QStringLiteral("demo"));
    RAZ::Utils::Credentials::UserCredentials account;
    account.setCredentials(RAZ::Utils::Credentials::TypeSip, login);
    m_credentials->addCredentials(account);
    m_credentials->setLoginUsername(QStringLiteral("alice@demo.zent"));
    m_credentials->setAvailableTypes({0, 3, 4});
  }

  void cleanup() {
    delete m_window.data();
    delete m_session.data();
    m_credentials.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<Dialogs::MessageWindow*>(w)) delete w;
    AppPaths::setExecutableDirOverride(QString());
    Utils::Sounds::setRingSignalListPath(QString());
    RAZ::Settings::clearPaths();
    m_dir.reset();
  }

  // --- The window and its contract ---

  // The form is as wide as its widest page, so nothing scrolls sideways;
  // it scrolls up and down only when the screen is too low for a page
  // (here the offscreen screen's 600 pixels: signed in, General is taller).
  void formFitsItsScreen_data() {
    QTest::addColumn<bool>("signedIn");
    QTest::newRow("signed out") << false;
    QTest::newRow("signed in") << true;
  }
  void formFitsItsScreen() {
    QFETCH(bool, signedIn);
    open(4, signedIn ? openSession() : nullptr);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    auto* scroll = child<QScrollArea>("preferencesScroll");
    auto* tabs = child<QTabWidget>("preferencesTabs");
    QVERIFY(scroll && tabs);
    QTRY_COMPARE(scroll->widget()->width(), scroll->viewport()->width());
    QVERIFY(!scroll->horizontalScrollBar()->isVisible());
    QCOMPARE(scroll->verticalScrollBar()->isVisible(), signedIn);
    for (const char* name : {"proxyhostfield", "secureproxyhostfield"}) {
      auto* field = child<QLineEdit>(name);
      QVERIFY2(field->width() >= field->sizeHint().width(), name);
    }
  }

  void opensOnTheAskedPage_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("tab");
    QTest::newRow("0 general") << 0 << "generalTab";
    QTest::newRow("1 audio") << 1 << "audioTab";
    QTest::newRow("2 video") << 2 << "videoTab";
    QTest::newRow("3 credentials") << 3 << "credentialsTab";
    QTest::newRow("4 proxy") << 4 << "proxyTab";
    QTest::newRow("5 add-ins") << 5 << "addinsTab";
    QTest::newRow("6 general") << 6 << "generalTab";
    QTest::newRow("-1 general") << -1 << "generalTab";
  }
  void opensOnTheAskedPage() {
    QFETCH(int, page);
    QFETCH(QString, tab);
    open(page, openSession());
    QCOMPARE(m_window->currentPageName(), tab);
    QCOMPARE(m_window->objectName(), QStringLiteral("preferencesWindow"));
    QVERIFY(child<QWidget>("settingsEditorButtons"));
    QVERIFY(child<QPushButton>("cancelButton"));
  }

  void okSavesOnceAndCancelCancelsOnce() {
    open(0, openSession());
    auto* widget = child<Widgets::PreferencesWidget>("preferencesWidget");
    QVERIFY(widget);
    QSignalSpy saves(widget, SIGNAL(saveSettings()));
    QSignalSpy cancels(widget, SIGNAL(cancelSettings()));
    m_window->okButton()->click();
    QCOMPARE(saves.count(), 1);
    QCOMPARE(cancels.count(), 0);
    QTRY_VERIFY(!m_window);

    open(0, m_session);
    widget = child<Widgets::PreferencesWidget>("preferencesWidget");
    QSignalSpy saves2(widget, SIGNAL(saveSettings()));
    QSignalSpy cancels2(widget, SIGNAL(cancelSettings()));
    QPointer<PreferencesWindow> window = m_window;
    window->cancelButton()->click();
    QCOMPARE(cancels2.count(), 1);
    QCOMPARE(saves2.count(), 0);
    QTRY_VERIFY(!window);
  }

  void signedOutOffersOnlyTheProxyAndSavesOnlyIt() {
    open(1, nullptr);
    auto* tabs = child<QTabWidget>("preferencesTabs");
    QVERIFY(tabs);
    QCOMPARE(m_window->currentPageName(), QStringLiteral("proxyTab"));
    for (int i = 0; i < tabs->count(); ++i)
      QCOMPARE(tabs->isTabEnabled(i), tabs->widget(i)->objectName() == "proxyTab");
    const QStringList before = settingsFiles();
    child<QLineEdit>("proxyhostfield")->setText(QStringLiteral("new.proxy"));
    child<QCheckBox>("removeContactConfirmation")->setChecked(true);
    m_window->okButton()->click();
    const QStringList after = settingsFiles();
    QCOMPARE(after.at(0), before.at(0));
    QCOMPARE(after.at(1), before.at(1));
    QVERIFY(after.at(2).contains("httpserver=new.proxy"));
  }

  void tabsFollowTheConfiguration_data() {
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<QStringList>("absent");
    QTest::addColumn<bool>("outlookOnly");
    QTest::newRow("nothing offered") << ZentTest::configText({{ConfigId::CommsHistory, true}})
                                     << QStringList{"videoTab", "audioTab", "addinsTab"} << false;
    QTest::newRow("outlook search only")
        << ZentTest::configText(
               {{ConfigId::OutlookContactSearch, true}, {ConfigId::CallsOnThisClient, true}})
        << QStringList{"videoTab"} << true;
  }
  void tabsFollowTheConfiguration() {
    QFETCH(QByteArray, config);
    QFETCH(QStringList, absent);
    QFETCH(bool, outlookOnly);
    open(0, openSession(config));
    auto* tabs = child<QTabWidget>("preferencesTabs");
    for (const QString& name : absent) QCOMPARE(tabs->indexOf(tabs->findChild<QWidget*>(name)), -1);
    if (outlookOnly) {
      QVERIFY(tabs->indexOf(child<QWidget>("addinsTab")) >= 0);
      QVERIFY(child<QWidget>("addinSettingsBox")->isHidden());
      QVERIFY(!child<QWidget>("outlookBox")->isHidden());
    }
  }

  // Every stored value survives a Cancel, whatever was changed on the pages.
  void cancelRestoresEveryStoredValue() {
    QVERIFY(Os::Autostart::enable(Preferences::CredentialsHandler::autostartName(), "/opt/x"));
    const QString autostart =
        readAll(Os::Autostart::entryPath(Preferences::CredentialsHandler::autostartName()));
    open(0, openSession());
    const QStringList before = settingsFiles();
    for (QCheckBox* box : m_window->findChildren<QCheckBox*>()) box->toggle();
    for (QComboBox* box : m_window->findChildren<QComboBox*>())
      if (box->count() > 1 && box->objectName() != "ringSignalSelect")
        box->setCurrentIndex(box->count() - 1);
    for (QLineEdit* field : m_window->findChildren<QLineEdit*>())
      if (!field->isReadOnly()) field->setText(QStringLiteral("changed"));
    child<QRadioButton>("systemProxy")->setChecked(true);
    child<QListWidget>("soundEventsWidget")->item(0)->setCheckState(Qt::Unchecked);
    child<QRadioButton>("apiRejectByDefault")->setChecked(true);
    m_window->cancelButton()->click();
    QTRY_VERIFY(!m_window);
    QCOMPARE(settingsFiles(), before);
    QCOMPARE(readAll(Os::Autostart::entryPath(Preferences::CredentialsHandler::autostartName())),
             autostart);
    QVERIFY(!QFile::exists(Os::urlSchemeEntryPath("callto")));
  }

  void okWritesEveryPage() {
    open(0, openSession());
    child<QCheckBox>("removeContactConfirmation")->setChecked(true);
    child<QCheckBox>("locationPublishConfirmation")->setChecked(true);
    child<QCheckBox>("enableBasicLogging")->setChecked(false);
    child<QCheckBox>("enableAPIProvider")->setChecked(false);
    child<QCheckBox>("autoSignin")->setChecked(false);
    child<QLineEdit>("textHostPin")->setText(QStringLiteral("2222"));
    child<QComboBox>("playbackSelect")->setCurrentIndex(1);
    child<QComboBox>("ringSignalSelect")->setCurrentIndex(1);
    child<QListWidget>("soundEventsWidget")->item(0)->setCheckState(Qt::Unchecked);
    m_window->okButton()->click();
    RAZ::Settings user(RAZ::Settings::User);
    RAZ::Settings app(RAZ::Settings::Application);
    QCOMPARE(user.value("settings/confirmations/removeContact").toBool(), true);
    QCOMPARE(user.value("presence/location_publish/dontAskAgain").toBool(), false);
    QCOMPARE(app.value("settings/loggingenabled").toBool(), false);
    QCOMPARE(app.value("settings/xmpploggingenabled").toBool(), false);
    QCOMPARE(app.value("settings/api_provider_allow_connectors").toString(),
             QStringLiteral("first-party"));
    QCOMPARE(app.value("login/autologin").toBool(), false);
    QCOMPARE(user.value("security/myRoomHostPin").toString(), QStringLiteral("2222"));
    QCOMPARE(user.value("settings/audio/duringacalldevice").toByteArray(),
             QByteArray("demo-speakers"));
    QCOMPARE(user.value("settings/sounds/defaultRinger").toString(),
             QStringLiteral(":/ring/one.wav"));
    QCOMPARE(user.value("settings/sounds/incomingCallEnabled").toBool(), false);
    // The ring device box was offered and left checked: its value stays.
    QCOMPARE(user.value("settings/actions/defaultRingDevice").toString(), QStringLiteral("mobile"));
  }

  // --- Confirmations and proxy ---

  void ringDeviceText_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("text");
    QTest::newRow("mobile") << "mobile"
                            << "Use Mobile as default ringing device";
    QTest::newRow("PC") << "PC"
                        << "Use PC Client as default ringing device";
    QTest::newRow("all") << "All"
                         << "Ring all devices";
    QTest::newRow("other") << "tablet" << QString();
    QTest::newRow("absent") << QString() << QString();
  }
  void ringDeviceText() {
    QFETCH(QString, stored);
    QFETCH(QString, text);
    RAZ::Settings user(RAZ::Settings::User);
    if (stored.isNull())
      user.remove("settings/actions/defaultRingDevice");
    else
      user.setValue("settings/actions/defaultRingDevice", stored);
    user.sync();
    open(0, openSession());
    auto* box = child<QCheckBox>("useDefaultRingDevice");
    QCOMPARE(box->isHidden(), text.isEmpty());
    if (!text.isEmpty()) QCOMPARE(box->text(), text);
  }

  void proxyFieldsAreSaved_data() {
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("savedHost");
    QTest::addColumn<QString>("savedPort");
    QTest::newRow("blanks simplified") << "  my   proxy "
                                       << " 3128 "
                                       << "my proxy"
                                       << "3128";
    QTest::newRow("empty port") << "p.example"
                                << ""
                                << "p.example"
                                << "80";
    QTest::newRow("port not a number") << "p.example"
                                       << "eighty"
                                       << "p.example"
                                       << "80";
    QTest::newRow("port out of range") << "p.example"
                                       << "70000"
                                       << "p.example"
                                       << "80";
    QTest::newRow("empty host keeps old") << ""
                                          << "1"
                                          << "old.proxy"
                                          << "8080";
  }
  void proxyFieldsAreSaved() {
    QFETCH(QString, host);
    QFETCH(QString, port);
    QFETCH(QString, savedHost);
    QFETCH(QString, savedPort);
    open(4, openSession());
    QVERIFY(child<QRadioButton>("zentProxy")->isChecked());
    QVERIFY(child<QLineEdit>("proxyhostfield")->isEnabled());
    child<QLineEdit>("proxyhostfield")->setText(host);
    // setText passes by the field's validator, as a stored value would.
    child<QLineEdit>("proxyportfield")->setText(port);
    child<QLineEdit>("secureproxyhostfield")->setText(host);
    child<QLineEdit>("secureproxyportfield")->setText(QString());
    m_window->okButton()->click();
    RAZ::Settings proxy(RAZ::Settings::Proxy);
    QCOMPARE(proxy.value("proxy_settings/type").toInt(), 2);
    QCOMPARE(proxy.value("proxy_settings/httpserver").toString(), savedHost);
    QCOMPARE(proxy.value("proxy_settings/httpport").toString(), savedPort);
    QCOMPARE(proxy.value("proxy_settings/httpsport").toString(),
             host.isEmpty() ? QStringLiteral("8443") : QStringLiteral("443"));
  }

  void typedPortTakesDigitsOnly() {
    open(4, openSession());
    auto* port = child<QLineEdit>("proxyportfield");
    port->clear();
    QTest::keyClicks(port, QStringLiteral("8a0-8"));
    QCOMPARE(port->text(), QStringLiteral("808"));
  }

  void unknownProxyTypeChecksNothing() {
    RAZ::Settings proxy(RAZ::Settings::Proxy);
    proxy.setValue("proxy_settings/type", 3);
    proxy.sync();
    open(4, openSession());
    for (const char* name : {"noProxy", "systemProxy", "zentProxy"})
      QVERIFY(!child<QRadioButton>(name)->isChecked());
    QVERIFY(!child<QLineEdit>("proxyhostfield")->isEnabled());
    QVERIFY(!child<QLineEdit>("secureproxyportfield")->isEnabled());
  }

  // --- Desktop entries in the temporary home ---

  void clickToCallWritesAndRemovesBothEntries() {
    open(0, openSession());
    auto* box = child<QCheckBox>("enableCallToHandler");
    QVERIFY(!box->isHidden());
    QVERIFY(!box->isChecked());
    box->setChecked(true);
    m_window->okButton()->click();
    QTRY_VERIFY(!m_window);
    for (const char* scheme : {"callto", "tel"}) {
      const QString entry = readAll(Os::urlSchemeEntryPath(scheme));
      QVERIFY2(entry.contains(QStringLiteral("x-scheme-handler/") + scheme), qPrintable(entry));
      QVERIFY(entry.contains(AppPaths::executablePath()));
    }
    QVERIFY(Preferences::ConfirmationsHandler::isCallToHandlerRegistered());

    open(0, m_session);
    box = child<QCheckBox>("enableCallToHandler");
    QVERIFY(box->isChecked());
    box->setChecked(false);
    m_window->okButton()->click();
    QVERIFY(!QFile::exists(Os::urlSchemeEntryPath("callto")));
    QVERIFY(!QFile::exists(Os::urlSchemeEntryPath("tel")));
  }

  void anotherProgramsLinkHandlerIsLeftAlone() {
    QVERIFY(Os::registerUrlScheme("callto", "Callto", "/usr/bin/other-phone"));
    QVERIFY(Os::registerUrlScheme("tel", "Tel", "/usr/bin/other-phone"));
    const QString other = readAll(Os::urlSchemeEntryPath("callto"));
    open(0, openSession());
    QVERIFY(!child<QCheckBox>("enableCallToHandler")->isChecked());
    m_window->okButton()->click();
    QCOMPARE(readAll(Os::urlSchemeEntryPath("callto")), other);
  }

  void autostartEntryFollowsTheSwitch() {
    const QString name = Preferences::CredentialsHandler::autostartName();
    QVERIFY(Os::Autostart::disable(name));
    open(0, openSession());
    auto* box = child<QCheckBox>("autoStart");
    QVERIFY(!box->isChecked());
    box->setChecked(true);
    m_window->okButton()->click();
    QTRY_VERIFY(!m_window);
    const QString entry = readAll(Os::Autostart::entryPath(name));
    QVERIFY2(entry.contains(QStringLiteral("Exec=") +
                            Os::DesktopEntry::execArgument(AppPaths::executablePath()) + "\n"),
             qPrintable(entry));
    QVERIFY(Os::Autostart::entryPath(name).startsWith(QDir::homePath()) ||
            Os::Autostart::entryPath(name).startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));

    open(0, m_session);
    box = child<QCheckBox>("autoStart");
    QVERIFY(box->isChecked());
    box->setChecked(false);
    m_window->okButton()->click();
    QVERIFY(!QFile::exists(Os::Autostart::entryPath(name)));
  }

  // --- Language ---

  void languageSwitchRetranslatesOpenWindows() {
    const QString dist = qEnvironmentVariable("ZENT_DIST_DIR");
    QVERIFY(!dist.isEmpty());
    AppPaths::setExecutableDirOverride(dist);
    write("languages.json",
          "{\"es\": [\"1034\", \"Espa\\u00f1ol\"], \"en\": [\"1033\", \"English\"], "
          "\"de\": [\"1031\", \"Deutsch\"]}");
    QVERIFY(I18N::loadLanguagesFrom(path("languages.json")));
    QMap<int, QSharedPointer<QTranslator>> translators;
    translators.insert(0, QSharedPointer<QTranslator>::create());
    translators.insert(1, QSharedPointer<QTranslator>::create());
    QVERIFY(translators[0]->load("ui_es", dist + "/translations"));
    QCoreApplication::installTranslator(translators[0].data());
    QCoreApplication::installTranslator(translators[1].data());

    // Another window that is open while the language changes.
    auto other = std::make_unique<Widgets::PreferencesWidget>(nullptr, translators, 0, nullptr);
    auto* otherNoProxy = other->findChild<QRadioButton*>("noProxy");
    QCOMPARE(otherNoProxy->text(), QStringLiteral("Sin proxy"));
    QSignalSpy languageChanged(other.get(), SIGNAL(languageChanged()));

    auto location = std::make_unique<Dialogs::LocationPublish>(nullptr);
    location->show();
    QCOMPARE(location->windowTitle(), QStringLiteral("Mi ubicación"));

    open(2, openSession(), translators);
    const QList<QRadioButton*> sizes =
        child<QWidget>("videoSizeBox")->findChildren<QRadioButton*>();
    QCOMPARE(sizes.first()->text(), QStringLiteral("Pequeño"));
    auto* languages = child<QComboBox>("languageSelect");
    // German has no catalogue: not offered.
    QCOMPARE(languages->count(), 2);
    QCOMPARE(languages->itemText(0), QStringLiteral("English"));
    QCOMPARE(languages->currentData().toString(), QStringLiteral("es"));
    languages->setCurrentIndex(0);
    m_window->okButton()->click();
    QTRY_COMPARE(otherNoProxy->text(), QStringLiteral("No proxy"));
    QTRY_COMPARE(location->windowTitle(), QStringLiteral("My Location"));
    QVERIFY(languageChanged.count() >= 1);
    QCOMPARE(other->windowTitle(), QStringLiteral("Preferences"));
    RAZ::Settings app(RAZ::Settings::Application);
    QCOMPARE(app.value("settings/language/active").toString(), QStringLiteral("en"));

    // Saving the stored language again loads nothing.
    open(0, m_session, translators);
    QSignalSpy again(other.get(), SIGNAL(languageChanged()));
    m_window->okButton()->click();
    QCoreApplication::processEvents();
    QCOMPARE(again.count(), 0);
    for (const auto& t : translators) QCoreApplication::removeTranslator(t.data());
    I18N::clear();
  }

  // --- Logging and add-ins ---

  void loggingShowsEitherSwitchAndAnnouncesOnlyChanges() {
    open(0, openSession());
    QVERIFY(child<QCheckBox>("enableBasicLogging")->isChecked());
    auto* handler = m_window->findChild<Preferences::LoggingHandler*>();
    QVERIFY(handler);
    QSignalSpy basic(handler, SIGNAL(enableBasicLogging(bool)));
    QSignalSpy advanced(handler, SIGNAL(enableAdvancedLogging(bool)));
    QSignalSpy clear(handler, SIGNAL(clearLogs()));
    child<QPushButton>("clearLogs")->click();
    QCOMPARE(clear.count(), 1);
    child<QCheckBox>("enableAdvancedLogging")->setChecked(true);
    m_window->okButton()->click();
    QCOMPARE(basic.count(), 0);
    QCOMPARE(advanced.count(), 1);
    RAZ::Settings app(RAZ::Settings::Application);
    QCOMPARE(app.value("settings/loggingenabled").toBool(), true);
    QCOMPARE(app.value("settings/advloggingenabled").toBool(), true);
  }

  void addinRadiosFollowTheConfirmationSwitch() {
    open(5, openSession());
    auto* ask = child<QCheckBox>("apiAccessConfirmation");
    auto* accept = child<QRadioButton>("apiAcceptByDefault");
    QVERIFY(ask->isChecked());
    QVERIFY(accept->isEnabled() && accept->isChecked());
    ask->setChecked(false);
    QVERIFY(!accept->isEnabled());
    QVERIFY(accept->isChecked());
    QVERIFY(!child<QRadioButton>("apiRejectByDefault")->isEnabled());
  }

  // --- Audio and the level meter ---

  void meterSegments_data() {
    QTest::addColumn<long>("limit");
    QTest::addColumn<long>("level");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("third");
    QTest::newRow("0.7") << 100L << 70L << 70 << 0 << 0;
    QTest::newRow("0.9") << 100L << 90L << 70 << 20 << 0;
    QTest::newRow("1.0") << 100L << 100L << 70 << 20 << 10;
    QTest::newRow("half") << 32768L << 16384L << 50 << 0 << 0;
    QTest::newRow("limit 0 leaves it") << 0L << 100L << 0 << 0 << 0;
  }
  void meterSegments() {
    QFETCH(long, limit);
    QFETCH(long, level);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, third);
    Widgets::LevelIndicatorWidget meter;
    meter.resize(100, 10);
    meter.onSignalLimitAbsChanged(limit);
    meter.onSignalLevelAbsChanged(level);
    QCOMPARE(meter.firstSegment(), first);
    QCOMPARE(meter.secondSegment(), second);
    QCOMPARE(meter.thirdSegment(), third);
  }

  void meterFollowsTheScriptedMicrophone() {
    RAZ::Demo::DemoSession* session = openSession();
    open(1, session);
    auto* meter = child<Widgets::LevelIndicatorWidget>("levelMicrophone");
    QVERIFY(meter);
    QVERIFY(RAZ::Demo::Service::instance().setMicrophoneLevel(16384, session));
    auto* audio = qobject_cast<RAZ::MediaEngine::MediaHandlerAudio*>(
        session->callController()->GetMediaHandlerAudio());
    audio->setRecordingDevice("demo-microphone");
    child<QPushButton>("TestMicrophone")->click();
    QVERIFY(audio->isMeasuring());
    QCOMPARE(audio->currentRecordingDevice(), QByteArray("demo-headset-in"));
    QTRY_COMPARE(meter->level(), 16384L);
    QCOMPARE(meter->firstSegment(), meter->width() / 2);
    QVERIFY(RAZ::Demo::Service::instance().setMicrophoneLevel(32768, session));
    QTRY_COMPARE(meter->level(), 32768L);
    QCOMPARE(meter->thirdSegment(), meter->width() / 10);
    if (!qEnvironmentVariable("ZENT_SCREENSHOT_DIR").isEmpty())
      m_window->grab().save(qEnvironmentVariable("ZENT_SCREENSHOT_DIR") + "/meter.png");
    // Saving stops the test and gives the microphone back first.
    m_window->okButton()->click();
    QVERIFY(!audio->isMeasuring());
    QCOMPARE(audio->currentRecordingDevice(), QByteArray("demo-microphone"));
    QCOMPARE(meter->level(), 0L);
  }

  void removedSelectedDeviceFallsBackToTheDefault() {
    RAZ::Demo::DemoSession* session = openSession();
    open(1, session);
    auto* playback = child<QComboBox>("playbackSelect");
    auto* recording = child<QComboBox>("recordingSelect");
    QCOMPARE(playback->currentData().toByteArray(), QByteArray("demo-headset-out"));
    QCOMPARE(recording->count(), 3);
    auto* audio = session->callController()->GetMediaHandlerAudio();
    QSignalSpy changed(audio, SIGNAL(audioDeviceAvailabilityChanged(bool)));
    QVERIFY(RAZ::Demo::Service::instance().setAudioDevices(
        {{"Demo Speakers", "demo-speakers"}}, {{"Demo Microphone", "demo-microphone"}}, session));
    QVERIFY(changed.wait());
    QCOMPARE(playback->count(), 2);
    QCOMPARE(playback->currentIndex(), 0);
    QCOMPARE(playback->currentText(), QStringLiteral("Use Default"));
    QCOMPARE(recording->currentIndex(), 0);
    // Nothing is stored until OK.
    RAZ::Settings user(RAZ::Settings::User);
    QCOMPARE(user.value("settings/audio/duringacalldevice").toByteArray(),
             QByteArray("demo-headset-out"));
    m_window->okButton()->click();
    QCOMPARE(user.value("settings/audio/duringacalldevice").toByteArray(), QByteArray());
  }

  void audioHandlerGoneStopsTheTest() {
    Widgets::PreferencesWidget page(nullptr, {}, 1, nullptr);
    auto* audio = new RAZ::MediaEngine::MediaHandlerAudio;
    auto* handler = new Preferences::AudioHandler(page.form(), audio, &page);
    auto* test = page.findChild<QPushButton*>("TestMicrophone");
    handler->onTestSignalLevel();
    QVERIFY(handler->isTestRunning());
    delete audio;
    QVERIFY(!handler->isTestRunning());
    QVERIFY(!test->isEnabled());
    // Nothing reaches the gone engine any more.
    emit page.cancelSettings();
    emit page.saveSettings();
    QVERIFY(!handler->isTestRunning());
  }

  // --- Sounds ---

  void ringSignalsListAndSelection_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("saved");
    QTest::newRow("none: the default") << QString() << 1 << "Standard ring signal"
                                       << ":/ring/one.wav";
    QTest::newRow("stored resource") << ":/ring/two.wav" << 2 << "Chimes"
                                     << ":/ring/two.wav";
    // "Select other..." carries no file: saving keeps the stored signal.
    QTest::newRow("resource not listed") << ":/ring/gone.wav" << 0 << "Select other..."
                                         << ":/ring/gone.wav";
    QTest::newRow("qrc is a resource") << "qrc:/ring/gone.wav" << 0 << "Select other..."
                                       << "qrc:/ring/gone.wav";
  }
  void ringSignalsListAndSelection() {
    QFETCH(QString, stored);
    QFETCH(int, current);
    QFETCH(QString, text);
    QFETCH(QString, saved);
    RAZ::Settings user(RAZ::Settings::User);
    if (stored.isNull())
      user.remove("settings/sounds/defaultRinger");
    else
      user.setValue("settings/sounds/defaultRinger", stored);
    user.sync();
    open(1, openSession());
    auto* ring = child<QComboBox>("ringSignalSelect");
    QCOMPARE(ring->count(), 3);
    QCOMPARE(ring->currentIndex(), current);
    QCOMPARE(ring->currentText(), text);
    m_window->okButton()->click();
    QCOMPARE(user.value("settings/sounds/defaultRinger").toString(), saved);
  }

  void ringPreviewIsOffDuringCalls() {
    RAZ::Demo::DemoSession* session = openSession();
    open(1, session);
    auto* preview = child<QPushButton>("previewRingSignal");
    QVERIFY(preview->isEnabled());
    QVERIFY(!child<QPushButton>("previewSoundEvent")->isEnabled());
    QVERIFY(RAZ::Demo::Service::instance().setCallCount(1, session));
    QTRY_VERIFY(!preview->isEnabled());
    QVERIFY(RAZ::Demo::Service::instance().setCallCount(0, session));
    QTRY_VERIFY(preview->isEnabled());
  }

  void ownRingSignalIsCheckedAndChosen_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("wav") << waveBytes() << true;
    QTest::newRow("not a sound") << QByteArray("RIFF\x10\0\0\0WAVEjunkjunk", 20) << false;
    QTest::newRow("empty") << QByteArray() << false;
  }
  void ownRingSignalIsCheckedAndChosen() {
    QFETCH(QByteArray, content);
    QFETCH(bool, accepted);
    write("mine.wav", content);
    RAZ::Demo::DemoSession* session = openSession();
    open(1, session);
    auto* ring = child<QComboBox>("ringSignalSelect");
    const int before = ring->currentIndex();
    ring->setCurrentIndex(0);
    auto* handler = m_window->findChild<Preferences::SoundsHandler*>();
    QTRY_VERIFY(handler->fileDialog());
    handler->fileDialog()->selectFile(path("mine.wav"));
    QVERIFY(QMetaObject::invokeMethod(handler->fileDialog(), "accept"));
    if (accepted) {
      QCOMPARE(ring->currentIndex(), 1);
      QCOMPARE(ring->currentText(), path("mine.wav"));
    } else {
      QCOMPARE(ring->currentIndex(), before);
      Dialogs::MessageWindow* warning = nullptr;
      QTRY_VERIFY((warning = [] {
        for (QWidget* w : QApplication::topLevelWidgets())
          if (auto* m = qobject_cast<Dialogs::MessageWindow*>(w)) return m;
        return static_cast<Dialogs::MessageWindow*>(nullptr);
      }()));
      QVERIFY(warning->messageLabel()->text().contains("mine.wav"));
    }
    m_window->okButton()->click();
    RAZ::Settings user(RAZ::Settings::User);
    QCOMPARE(user.value("settings/sounds/defaultRinger").toString(),
             accepted ? path("mine.wav") : QStringLiteral(":/ring/two.wav"));
  }

  // --- Video ---

  void videoSizesAndSaving() {
    RAZ::Demo::DemoSession* session = openSession();
    open(2, session);
    auto* cameras = child<QComboBox>("videoCaptureSelect");
    QCOMPARE(cameras->count(), 2);
    QCOMPARE(cameras->currentData().toByteArray(), QByteArray("demo-document-camera"));
    QList<QRadioButton*> sizes = child<QWidget>("videoSizeBox")->findChildren<QRadioButton*>();
    QCOMPARE(sizes.size(), 2);
    QVERIFY(child<QCheckBox>("qualityDetection")->isHidden());
    cameras->setCurrentIndex(0);
    sizes = child<QWidget>("videoSizeBox")->findChildren<QRadioButton*>();
    QCOMPARE(sizes.size(), 4);
    QCOMPARE(sizes.last()->text(), QStringLiteral("HD"));
    sizes.last()->setChecked(true);
    m_window->okButton()->click();
    RAZ::Settings user(RAZ::Settings::User);
    QCOMPARE(user.value("settings/video/capturedevice").toByteArray(), QByteArray("demo-camera"));
    QCOMPARE(user.value("settings/video/captureresolution").toInt(), 31);
    // The level goes to every camera.
    for (auto* camera : session->callController()->GetMediaHandlerVideo()->cameras())
      QCOMPARE(camera->selectedProfileLevel(nullptr, nullptr), 31);
  }

  void cameraChangesKeepTheUnsavedChoice() {
    RAZ::Demo::DemoSession* session = openSession();
    open(2, session);
    auto* cameras = child<QComboBox>("videoCaptureSelect");
    cameras->setCurrentIndex(0);
    auto* video = session->callController()->GetMediaHandlerVideo();
    QSignalSpy changed(video, SIGNAL(videoDeviceAvailabilityChanged(bool)));
    QVERIFY(RAZ::Demo::Service::instance().plugCamera("usb", "USB Camera", {30}, session));
    QVERIFY(changed.wait());
    QCOMPARE(cameras->count(), 3);
    QCOMPARE(cameras->currentData().toByteArray(), QByteArray("demo-camera"));
    QVERIFY(RAZ::Demo::Service::instance().unplugCamera("demo-camera", session));
    QVERIFY(changed.wait());
    QCOMPARE(cameras->currentIndex(), 0);
    QCOMPARE(cameras->currentData().toByteArray(), QByteArray("demo-document-camera"));
    QVERIFY(RAZ::Demo::Service::instance().unplugCamera("demo-document-camera", session));
    QVERIFY(RAZ::Demo::Service::instance().unplugCamera("usb", session));
    QVERIFY(changed.wait());
    QTRY_COMPARE(cameras->count(), 0);
    m_window->okButton()->click();
    RAZ::Settings user(RAZ::Settings::User);
    QCOMPARE(user.value("settings/video/capturedevice").toByteArray(), QByteArray());
    QCOMPARE(user.value("settings/video/captureresolution").toInt(), -1);
  }

  // Every page lays out and paints its widgets; with ZENT_SCREENSHOT_DIR set
  // the pictures are kept there for a look by eye.
  void everyPagePaints() {
    open(0, openSession());
    m_window->resize(640, 720);
    auto* tabs = child<QTabWidget>("preferencesTabs");
    const QString keep = qEnvironmentVariable("ZENT_SCREENSHOT_DIR");
    for (int i = 0; i < tabs->count(); ++i) {
      tabs->setCurrentIndex(i);
      QCoreApplication::processEvents();
      const QImage image = m_window->grab().toImage();
      QVERIFY(!image.isNull());
      // Something besides the background was drawn on the page.
      const QImage page = tabs->currentWidget()->grab().toImage();
      const QRgb background = page.pixel(page.width() - 1, page.height() - 1);
      bool drawn = false;
      for (int y = 0; y < page.height() && !drawn; y += 3)
        for (int x = 0; x < page.width() && !drawn; x += 3) drawn = page.pixel(x, y) != background;
      QVERIFY2(drawn, qPrintable(tabs->currentWidget()->objectName()));
      if (!keep.isEmpty())
        image.save(keep + QLatin1Char('/') + tabs->currentWidget()->objectName() + ".png");
    }
  }

  // --- Credentials ---

  void credentialRowsAndPrimaryRemoval() {
    open(3, openSession());
    QVERIFY(!child<QWidget>("webCollab")->isHidden());
    QVERIFY(!child<QWidget>("ldap")->isHidden());
    QVERIFY(!child<QWidget>("protocols")->isHidden());
    QCOMPARE(child<QLineEdit>("textPin1")->text(), QStringLiteral("123456"));
    auto* handler = m_window->findChild<Preferences::CredentialsHandler*>();
    ZentTest::answerNextMessage(QDialogButtonBox::No);
    handler->removeAccount(RAZ::Utils::Credentials::TypeSip);
    QCOMPARE(m_credentials->getCredentials(0).size(), 1);
    ZentTest::answerNextMessage(QDialogButtonBox::Yes);
    handler->removeAccount(RAZ::Utils::Credentials::TypeSip);
    QCOMPARE(m_credentials->getCredentials(0).size(), 0);
    m_window->okButton()->click();
    RAZ::Settings app(RAZ::Settings::Application);
    QCOMPARE(app.value("login/username").toString(), QString());
    // No account left: automatic sign-in stays off although its box was on.
    QCOMPARE(app.value("login/autologin").toBool(), false);
  }

  void webCollaborationRowSaveButton() {
    open(3, openSession());
    auto* group = child<Preferences::Widgets::ProtocolsWidget>("webCollab");
    auto* row = group->findCredentialWidget(RAZ::Utils::Credentials::TypeWebCollab);
    QVERIFY(row);
    auto* user = row->findChild<QLineEdit*>("username");
    auto* password = row->findChild<QLineEdit*>("password");
    auto* save = row->findChild<QPushButton*>("saveButton");
    QTest::keyClicks(user, "bob");
    QVERIFY(!save->isEnabled());
    QTest::keyClicks(password, "pw");
    QVERIFY(save->isEnabled());
    user->selectAll();
    QTest::keyClick(user, Qt::Key_Backspace);
    password->selectAll();
    QTest::keyClick(password, Qt::Key_Backspace);
    QVERIFY(save->isEnabled());
  }
};

ZENT_TEST_MAIN(TestPrefsWindow, QApplication)
#include "tst_prefs_window.moc"
