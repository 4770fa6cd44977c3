// The client object: reading configurations and stored accounts, sign-in
// reports and failures, and the stored accounts enciphered and kept aside when unreadable.
#include "DemoFixture.h"
#include "TestSupport.h"

#include <RAZ/Actions/Action.h>
#include <RAZ/Actions/Enabler.h>
#include <RAZ/Actions/Provider.h>
#include <RAZ/Actions/Source.h>
#include <RAZ/ApiProvider/Controller.h>
#include <RAZ/Client.h>
#include <RAZ/ConfigContainer.h>
#include <RAZ/Configuration/Config.h>
#include <RAZ/Databases/Comms.h>
#include <RAZ/Demo/Service.h>
#include <RAZ/ProgramKey.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Utils/Credentials.h>
#include <RAZ/Utils/Path.h>
#include <TP/Core/Logging.h>
#include <TP/Crypto/Blowfish.h>

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

using RAZ::Actions::Action;
using RAZ::Utils::Credentials::CredentialsData;
using RAZ::Utils::Credentials::CredentialsManager;
using RAZ::Utils::Credentials::UserCredentials;

namespace {

UserCredentials account(const QString& user, const QString& password, int type = 0) {
  CredentialsData data;
  data.setUsername(user);
  data.setPassword(password);
  UserCredentials credentials;
  credentials.setCredentials(type, data);
  return credentials;
}

// Receives every client signal the application connects to, by the exact
// signatures it uses; a misspelt signature aborts the test run.
// A file that refuses to be opened for reading, as a file of another user
// does: the tests run as root, which reads any file whatever its mode.
class UnopenableFile : public QFile {
 public:
  UnopenableFile(const QString& name, QObject* parent) : QFile(name, parent) {}
  bool open(OpenMode mode) override {
    if ((mode & QIODevice::ReadWrite) == QIODevice::ReadOnly) {
      setErrorString(QStringLiteral("Permission denied"));
      return false;
    }
    return QFile::open(mode);
  }
};

QByteArray fileContent(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class Receiver : public QObject {
  Q_OBJECT
 public:
  int opened = 0, closed = 0, errors = 0, states = 0, quits = 0;
  RAZ::Sessions::Error lastError = RAZ::Sessions::ErrorNone;
  RAZ::Sessions::State lastState = RAZ::Sessions::StateNone;
  QPointer<RAZ::Sessions::SessionManagerBase> errorSession;
  bool errorSessionAlive = false;
 public slots:
  void cbSessionOpened(RAZ::Sessions::SessionManagerBase&) { ++opened; }
  void cbSessionClosed(RAZ::Sessions::SessionManagerBase&) { ++closed; }
  void cbSessionError(RAZ::Sessions::SessionManagerBase* session, RAZ::Sessions::State state,
                      RAZ::Sessions::Error error) {
    ++errors;
    lastError = error;
    lastState = state;
    errorSession = session;
    errorSessionAlive = session && session->parent();  // usable inside the handler
  }
  void sessionStateChange(RAZ::Sessions::SessionManagerBase*, RAZ::Sessions::State) { ++states; }
  void cbQuit() { ++quits; }
  void newVersionFound(bool, const QUrl&) {}
  void ensureUserSettingsDirExists(QDir&, const QString&) {}
  void onRequestProxyCredentials(bool, const QString&, const QString&, bool, QObject*,
                                 const QString&) {}
  void onShowDisclaimerDialog() {}
  void onXmppConnectStateChanged() {}
};

}  // namespace

class TestRazClient : public QObject {
  Q_OBJECT

 private:
  ZentTest::DemoFixture m_demo;
  TP::Crypto::Blowfish& m_cipher = m_demo.cipher();
  QString m_dataDir;

  std::unique_ptr<RAZ::Client> makeClient(QAction* signOut = nullptr, QAction* exit = nullptr) {
    return std::make_unique<RAZ::Client>(signOut, exit, m_demo.executableDir());
  }

  bool initialize(RAZ::Client& client, RAZ::ConfigContainer& container) {
    return client.Initialize(
        &container, m_dataDir + "/credentials.dat", &m_cipher,
        [](const QString& name, QObject* parent) { return new QFile(name, parent); },
        {":/sounds/busy.wav", ":/sounds/congestion.wav"});
  }

  [[nodiscard]] bool connectAll(RAZ::Client& client, Receiver& r) {
    bool ok = true;
    ok &= bool(QObject::connect(&client, SIGNAL(sessionOpened(RAZ::Sessions::SessionManagerBase&)),
                                &r, SLOT(cbSessionOpened(RAZ::Sessions::SessionManagerBase&))));
    ok &= bool(QObject::connect(&client, SIGNAL(sessionClosed(RAZ::Sessions::SessionManagerBase&)),
                                &r, SLOT(cbSessionClosed(RAZ::Sessions::SessionManagerBase&))));
    ok &= bool(QObject::connect(&client,
                                SIGNAL(sessionError(RAZ::Sessions::SessionManagerBase*,
                                                    RAZ::Sessions::State, RAZ::Sessions::Error)),
                                &r,
                                SLOT(cbSessionError(RAZ::Sessions::SessionManagerBase*,
                                                    RAZ::Sessions::State, RAZ::Sessions::Error))));
    ok &= bool(QObject::connect(
        &client,
        SIGNAL(sessionStateChange(RAZ::Sessions::SessionManagerBase*, RAZ::Sessions::State)), &r,
        SLOT(sessionStateChange(RAZ::Sessions::SessionManagerBase*, RAZ::Sessions::State))));
    ok &= bool(QObject::connect(&client, SIGNAL(quit()), &r, SLOT(cbQuit())));
    ok &= bool(QObject::connect(&client, SIGNAL(newVersionFound(bool, QUrl)), &r,
                                SLOT(newVersionFound(bool, QUrl))));
    ok &= bool(QObject::connect(&client, SIGNAL(ensureUserSettingsDirExists(QDir&, QString)), &r,
                                SLOT(ensureUserSettingsDirExists(QDir&, QString))));
    ok &= bool(QObject::connect(
        &client, SIGNAL(requestProxyCredentials(bool, QString, QString, bool, QObject*, QString)),
        &r, SLOT(onRequestProxyCredentials(bool, QString, QString, bool, QObject*, QString))));
    ok &= bool(QObject::connect(&client, SIGNAL(showDisclaimerDialog()), &r,
                                SLOT(onShowDisclaimerDialog())));
    ok &= bool(QObject::connect(&client, SIGNAL(xmppConnectStateChanged()), &r,
                                SLOT(onXmppConnectStateChanged())));
    // Signals the application forwards to the client, signal to signal.
    QObject forwarder;
    for (const char* sig :
         {SIGNAL(basicLoggingEnabled(bool)), SIGNAL(advancedLoggingEnabled(bool)),
          SIGNAL(clearLogs()), SIGNAL(disclaimerAccepted()), SIGNAL(disclaimerRejected())})
      ok &= client.metaObject()->indexOfSignal(QMetaObject::normalizedSignature(sig + 1)) >= 0;
    return ok;
  }

 private slots:
  void initTestCase() {
    REQUIRE(m_demo.start("ZentRazClientTest"));
    m_dataDir = m_demo.dataDir();
  }

  void init() { REQUIRE(m_demo.startDemo({{ConfigId::AddressVerification, false}})); }

  void cleanup() { m_demo.stopClient(); }

  void initializeLoadsConfigurationsAndAccounts() {
    auto client = makeClient();
    RAZ::ConfigContainer container;
    QCOMPARE(client->getConfig(), nullptr);
    QVERIFY(!QDir(m_dataDir).exists());
    QVERIFY(initialize(*client, container));
    QVERIFY(client->isInitialized());
    QVERIFY(QDir(m_dataDir).exists());  // the credentials folder is made
    QCOMPARE(client->getConfigContainer(), &container);
    QVERIFY(client->getCredentialsManager());
    QCOMPARE(container.configNames(), QStringList{"Demo"});
    QVERIFY(client->getConfig());
    QCOMPARE(client->getConfig()->getName(), QString("Demo"));
    QCOMPARE(client->sounds().size(), 2);
    QVERIFY(!client->isXmppConnected());
    QVERIFY(!client->hasSession());
    QCOMPARE(RAZ::Configuration::Config::fileCipher(), &m_cipher);
    // A second initialisation is refused.
    QVERIFY(!initialize(*client, container));
    client.reset();
    QCOMPARE(RAZ::Configuration::Config::fileCipher(), nullptr);
  }

  void configurationsInTheDataFolderComeFirst() {
    QVERIFY(QDir().mkpath(m_dataDir));
    QFile f(m_dataDir + "/config_user.xml");
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(m_cipher.Encrypt(QByteArray("<config name=\"User\"/>")));
    f.close();
    auto client = makeClient();
    RAZ::ConfigContainer container;
    QVERIFY(initialize(*client, container));
    QCOMPARE(container.configNames(), QStringList{"User"});
  }

  void initializeFailures() {
    RAZ::ConfigContainer container;
    {
      auto client = makeClient();
      QVERIFY(!client->Initialize(nullptr, m_dataDir + "/credentials.dat", &m_cipher, {}, {}));
      QVERIFY(!client->Initialize(&container, m_dataDir + "/credentials.dat", nullptr, {}, {}));
      QVERIFY(!client->Initialize(&container, QString(), &m_cipher, {}, {}));
      QVERIFY(client->initializeError().contains("file for the stored accounts"));
      TP::Crypto::Blowfish unkeyed;
      QVERIFY(!client->Initialize(&container, m_dataDir + "/credentials.dat", &unkeyed, {}, {}));
      QVERIFY(client->initializeError().contains("key"));
      QVERIFY(!client->isInitialized());
      QCOMPARE(client->getCredentialsManager(), nullptr);
    }
    {
      // The credentials folder cannot be made below a plain file.
      QTemporaryDir dir;
      QFile blocker(dir.path() + "/blocker");
      QVERIFY(blocker.open(QIODevice::WriteOnly));
      blocker.close();
      auto client = makeClient();
      QVERIFY(!client->Initialize(&container, dir.path() + "/blocker/sub/credentials.dat",
                                  &m_cipher, {}, {}));
      QVERIFY(!client->isInitialized());
      // The reason names the folder at fault.
      QCOMPARE(client->initializeError(),
               QString("The folder %1/blocker/sub for the stored accounts cannot be created.")
                   .arg(dir.path()));
      // It may be retried with a usable path.
      QVERIFY(initialize(*client, container));
      QVERIFY(client->initializeError().isEmpty());
    }
  }

  void maybeQuitOnlyWithoutASession() {
    auto client = makeClient();
    RAZ::ConfigContainer container;
    QVERIFY(initialize(*client, container));
    Receiver r;
    QVERIFY(connectAll(*client, r));
    client->maybeQuit();
    QCOMPARE(r.quits, 1);

    QVERIFY(client->signin(account("bob", "wrong"), client->getConfig(), QString(), false));
    QVERIFY(client->hasSession());
    client->maybeQuit();
    QCOMPARE(r.quits, 1);
    QTRY_COMPARE(r.errors, 1);
    QVERIFY(!client->hasSession());
    client->maybeQuit();
    QCOMPARE(r.quits, 2);
  }

  void signinReportsOnlyLaterFromTheEventLoop() {
    auto client = makeClient();
    RAZ::ConfigContainer container;
    QVERIFY(initialize(*client, container));
    Receiver r;
    QVERIFY(connectAll(*client, r));
    QVERIFY(client->signin(account("bob@example.org", "wrong"), container.currentConfig(),
                           "https://xsi.example", true));
    QCOMPARE(r.states, 0);
    QCOMPARE(r.errors, 0);
    QCOMPARE(client->getUserCredentials().getCredentials(0).getUsername(),
             QString("bob@example.org"));
    QCOMPARE(client->getConfig(), container.currentConfig());
    // A second sign-in while one runs is refused and adds no outcome.
    QVERIFY(!client->signin(account("eve", "demo"), nullptr, QString(), false));
    QTRY_COMPARE(r.errors, 1);
    QCOMPARE(r.lastError, RAZ::Sessions::ErrorAuthentication);
    QVERIFY(r.errorSessionAlive);
    QVERIFY(r.states >= 1);
    QCOMPARE(r.opened, 0);
    QCOMPARE(r.closed, 0);
    QTRY_VERIFY(r.errorSession.isNull());  // released after the report
    QCOMPARE(r.errors, 1);
    QCOMPARE(RAZ::Demo::Service::instance().signinAttempts(), 1);
  }

  void scriptedFailuresAndTheDemoPassword() {
    auto client = makeClient();
    RAZ::ConfigContainer container;
    QVERIFY(initialize(*client, container));
    Receiver r;
    QVERIFY(connectAll(*client, r));
    RAZ::Demo::Service::instance().failNextSignin(RAZ::Sessions::ErrorConnectionLost);
    QVERIFY(client->signin(account("bob", "demo"), nullptr, QString(), false));
    QTRY_COMPARE(r.errors, 1);
    QCOMPARE(r.lastError, RAZ::Sessions::ErrorConnectionLost);
    // The script is used once: the demo password now opens the session.
    QVERIFY(client->signin(account("bob", "demo"), nullptr, QString(), false));
    QTRY_COMPARE(r.opened, 1);
    QCOMPARE(r.errors, 1);
  }

  void signOutAndExitDuringSignin() {
    QAction signOut, exit;
    auto client = makeClient(&signOut, &exit);
    RAZ::ConfigContainer container;
    QVERIFY(initialize(*client, container));
    Receiver r;
    QVERIFY(connectAll(*client, r));

    QVERIFY(client->signin(account("bob", "demo"), nullptr, QString(), false));
    signOut.trigger();
    QCOMPARE(r.errors, 0);
    QTRY_COMPARE(r.errors, 1);
    QCOMPARE(r.lastError, RAZ::Sessions::ErrorCancelled);
    QCOMPARE(r.quits, 0);

    QVERIFY(client->signin(account("bob", "demo"), nullptr, QString(), false));
    exit.trigger();
    QCOMPARE(r.quits, 0);
    QTRY_COMPARE(r.quits, 1);
    QCOMPARE(r.errors, 2);
    QCOMPARE(r.lastError, RAZ::Sessions::ErrorCancelled);

    // Exit without a session quits too, after the call.
    exit.trigger();
    QCOMPARE(r.quits, 1);
    QTRY_COMPARE(r.quits, 2);
    // Sign Out without a session does nothing.
    signOut.trigger();
    QCoreApplication::processEvents();
    QCOMPARE(r.errors, 2);
  }

  void signinBeforeInitializeStillReports() {
    auto client = makeClient();
    Receiver r;
    QVERIFY(connectAll(*client, r));
    QVERIFY(client->signin(account("bob", "demo"), nullptr, QString(), false));
    QCOMPARE(r.errors, 0);
    QTRY_COMPARE(r.errors, 1);
    QCOMPARE(r.lastError, RAZ::Sessions::ErrorConnectFailure);
  }

  void destroyingTheClientDuringSigninIsSilent() {
    Receiver r;
    {
      auto client = makeClient();
      RAZ::ConfigContainer container;
      QVERIFY(initialize(*client, container));
      QVERIFY(connectAll(*client, r));
      QVERIFY(client->signin(account("bob", "demo"), nullptr, QString(), false));
    }
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(r.errors, 0);
  }

  void loggingSwitchesFollowTheClientSignals() {
    auto client = makeClient();
    QMetaObject::invokeMethod(client.get(), "advancedLoggingEnabled", Q_ARG(bool, true));
    QVERIFY(TP::Core::Logging::isAdvancedEnabled());
    QMetaObject::invokeMethod(client.get(), "advancedLoggingEnabled", Q_ARG(bool, false));
    QVERIFY(!TP::Core::Logging::isAdvancedEnabled());
    QMetaObject::invokeMethod(client.get(), "advancedLoggingEnabled", Q_ARG(bool, true));
    QMetaObject::invokeMethod(client.get(), "basicLoggingEnabled", Q_ARG(bool, false));
    QVERIFY(!TP::Core::Logging::isAdvancedEnabled());
  }

  void credentialsAreStoredEncipheredForTheUserOnly() {
    QTemporaryDir dir;
    const QString path = dir.path() + "/sub/credentials.dat";
    {
      CredentialsManager manager(path, &m_cipher);
      QVERIFY(manager.load());
      QVERIFY(manager.getCredentials(0).isEmpty());
      QSignalSpy changed(&manager, SIGNAL(credentialsChanged()));
      UserCredentials alice = account("  sip:Alice@example.org ", "s3cret-pass");
      CredentialsData xsi;
      xsi.setUsername("alice@example.org");
      xsi.setPassword("xsi-pass");
      xsi.setDmUrl("https://xsi.example");
      alice.setCredentials(2, xsi);
      manager.addCredentials(alice);
      QCOMPARE(changed.count(), 1);
      manager.addCredentials(account("bob", "b"));
      manager.addCredentials(UserCredentials());  // ignored
      QCOMPARE(changed.count(), 2);
    }
    QFile file(path);
    QCOMPARE(file.permissions() & (QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                   QFileDevice::ReadOther | QFileDevice::WriteOther),
             QFileDevice::Permissions());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    QVERIFY(!bytes.contains("s3cret-pass") && !bytes.contains("alice"));
    QVERIFY(!QFile::exists(path + ".new"));

    CredentialsManager reread(path, &m_cipher);
    QVERIFY(reread.load());
    QCOMPARE(reread.getCredentials(0).size(), 2);
    QCOMPARE(reread.getCredentials(2).size(), 1);
    UserCredentials found;
    QVERIFY(reread.getCredentials(0, "alice@EXAMPLE.org", found));
    QCOMPARE(found.getCredentials(0).getPassword(), QString("s3cret-pass"));
    QCOMPARE(found.getCredentials(2).getDmUrl(), QString("https://xsi.example"));
    QVERIFY(!reread.getCredentials(0, "carol", found));
    QCOMPARE(found.getCredentials(0).getPassword(), QString("s3cret-pass"));  // untouched

    // Changing an account replaces it rather than adding another.
    UserCredentials changed = found;
    CredentialsData sip = changed.getCredentials(0);
    sip.setPassword(QString());
    changed.setCredentials(0, sip);
    reread.updateCredentials(changed);
    QCOMPARE(reread.getCredentials(0).size(), 2);
    reread.setLoginUsername("alice@example.org");
    QCOMPARE(reread.getCurrentCredentials(2).getPassword(), QString("xsi-pass"));
    QCOMPARE(reread.getCurrentCredentials(0).getPassword(), QString());
  }

  void unreadableCredentialsAreKeptAside() {
    QTemporaryDir dir;
    const QString path = dir.path() + "/credentials.dat";
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("this is not an enciphered file");
    f.close();
    CredentialsManager manager(path, &m_cipher);
    QVERIFY(manager.load());
    QVERIFY(manager.getCredentials(0).isEmpty());
    QVERIFY(QFile::exists(path + ".unreadable"));
    manager.addCredentials(account("bob", "b"));
    QFile aside(path + ".unreadable");
    QVERIFY(aside.open(QIODevice::ReadOnly));
    QCOMPARE(aside.readAll(), QByteArray("this is not an enciphered file"));
  }

  void unreadFilesAreKeptAndNeverWrittenOver_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("problem");
    using Problem = CredentialsManager::LoadProblem;
    QTest::newRow("cannot be opened") << "unopenable" << int(Problem::CannotOpen);
    QTest::newRow("a folder in its place") << "folder" << int(Problem::CannotOpen);
    QTest::newRow("larger than 4 MiB") << "large" << int(Problem::TooLarge);
    QTest::newRow("does not decipher") << "junk" << int(Problem::DoesNotDecipher);
  }
  void unreadFilesAreKeptAndNeverWrittenOver() {
    QFETCH(QString, kind);
    QFETCH(int, problem);
    QTemporaryDir dir;
    const QString path = dir.path() + "/credentials.dat";
    QByteArray content = "stored accounts of an earlier start";
    CredentialsManager::FileFactory factory;
    if (kind == "folder") {
      QVERIFY(QDir().mkpath(path));
      QFile inner(path + "/inside");
      QVERIFY(inner.open(QIODevice::WriteOnly));
      inner.write(content);
    } else {
      if (kind == "large") content.append(QByteArray(CredentialsManager::kMaxFileSize, 'x'));
      QFile f(path);
      QVERIFY(f.open(QIODevice::WriteOnly));
      QCOMPARE(f.write(content), qint64(content.size()));
    }
    if (kind == "unopenable")
      factory = [](const QString& name, QObject* parent) -> QFile* {
        return new UnopenableFile(name, parent);
      };

    CredentialsManager manager(path, &m_cipher, factory);
    QVERIFY(manager.load());
    QVERIFY(manager.getCredentials(0).isEmpty());
    QCOMPARE(int(manager.loadProblem()), problem);
    if (kind == "unopenable") QCOMPARE(manager.loadProblemDetail(), QString("Permission denied"));
    const QString aside = path + ".unreadable";
    QCOMPARE(manager.keptAs(), aside);
    QVERIFY(!manager.savesBlocked());

    // Signing in stores the new account in a new file; the unread one is
    // kept whole beside it.
    manager.addCredentials(account("bob", "b"));
    const QString kept = kind == "folder" ? aside + "/inside" : aside;
    QCOMPARE(fileContent(kept), content);
    CredentialsManager reread(path, &m_cipher);
    QVERIFY(reread.load());
    QCOMPARE(reread.loadProblem(), CredentialsManager::LoadProblem::None);
    QCOMPARE(reread.getCredentials(0).size(), 1);
    QCOMPARE(fileContent(kept), content);
  }

  void storedAccountsReadWell() {
    QTemporaryDir dir;
    const QString path = dir.path() + "/credentials.dat";
    {
      CredentialsManager manager(path, &m_cipher);
      QVERIFY(manager.load());
      manager.addCredentials(account("carol", "c"));
    }
    CredentialsManager manager(path, &m_cipher);
    QVERIFY(manager.load());
    QCOMPARE(manager.loadProblem(), CredentialsManager::LoadProblem::None);
    QVERIFY(manager.keptAs().isEmpty());
    QCOMPARE(manager.getCredentials(0).size(), 1);
    QVERIFY(!QFile::exists(path + ".unreadable"));
  }

  void aSecondUnreadableFileKeepsTheFirst() {
    QTemporaryDir dir;
    const QString path = dir.path() + "/credentials.dat";
    auto writeJunk = [&path](const QByteArray& text) {
      QFile f(path);
      return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text) == text.size();
    };
    QVERIFY(writeJunk("first broken copy"));
    {
      CredentialsManager manager(path, &m_cipher);
      QVERIFY(manager.load());
    }
    QVERIFY(writeJunk("second broken copy"));
    {
      CredentialsManager manager(path, &m_cipher);
      QVERIFY(manager.load());
    }
    QStringList contents;
    for (const QFileInfo& info : QDir(dir.path()).entryInfoList(QDir::Files)) {
      QFile f(info.filePath());
      QVERIFY(f.open(QIODevice::ReadOnly));
      contents << QString::fromUtf8(f.readAll());
    }
    QVERIFY(contents.contains("first broken copy"));
    QVERIFY(contents.contains("second broken copy"));
    QFile latest(path + ".unreadable");
    QVERIFY(latest.open(QIODevice::ReadOnly));
    QCOMPARE(latest.readAll(), QByteArray("second broken copy"));
  }

  void fullUriAndDisplayName() {
    QString name = "  SIP:bob@example.org ";
    CredentialsManager::toFullUri(name);
    QCOMPARE(name, QString("bob@example.org"));
    name = "bob";
    CredentialsManager::toFullUri(name);
    QCOMPARE(name, QString("bob"));
    CredentialsData d;
    d.setUsername("bob");
    QCOMPARE(d.getDisplayname(), QString("bob"));
    d.setDisplayname("Bob B");
    QCOMPARE(d.getDisplayname(), QString("Bob B"));
  }

  void actionProviderLinksQActions() {
    class Menu : public RAZ::Actions::Source {
     public:
      QList<RAZ::Actions::ActionData> getActions() const override {
        return {RAZ::Actions::ActionData(Action::AddContact)};
      }
      int getSourceType() const override { return RAZ::Actions::Source::MenuType; }
    } menu;
    class Refuse21 : public RAZ::Actions::Enabler {
     public:
      bool isEnabled(RAZ::Actions::Action::Id id) const override {
        return id != Action::TestCall || allow;
      }
      bool allow = false;
    } enabler;

    RAZ::Actions::Provider provider(nullptr);
    provider.setAcceptedActions({Action::RetrieveParkedCallHere, Action::RetrieveParkedCallOnPhone,
                                 Action::PullCall, Action::AddContact, Action::TestCall},
                                false);
    QAction addContact, testCall, other;
    QVERIFY(provider.linkQAction(&addContact, Action::AddContact));
    QVERIFY(provider.linkQAction(&testCall, Action::TestCall));
    QVERIFY(!provider.linkQAction(&other, Action::Id(99)));
    QVERIFY(!provider.linkQAction(nullptr, Action::AddContact));
    provider.registerActionEnabler(&enabler);
    QVERIFY(addContact.isEnabled());
    QVERIFY(!testCall.isEnabled());
    enabler.allow = true;
    emit enabler.enable(&enabler);
    QVERIFY(testCall.isEnabled());

    int triggered = 0;
    int seenId = -1;
    RAZ::Actions::Source* seenSource = nullptr;
    connect(&provider, &RAZ::Actions::Provider::actionTriggered,
            [&](RAZ::Actions::ActionData& data, RAZ::Actions::Source& source) {
              ++triggered;
              seenId = data.getId();
              seenSource = &source;
            });
    addContact.trigger();  // no source yet
    QCOMPARE(triggered, 0);
    provider.setActionSource(&menu);
    addContact.trigger();
    QCOMPARE(triggered, 1);
    QCOMPARE(seenId, 13);
    QCOMPARE(seenSource, &menu);
    provider.action(Action::AddContact)->setEnabled(false);
    QVERIFY(!addContact.isEnabled());
    QVERIFY(!provider.trigger(Action::AddContact));
    QCOMPARE(triggered, 1);

    RAZ::Actions::SourceComposite composite;
    {
      Menu second;
      composite.addSource(&menu);
      composite.addSource(&second);
      composite.addSource(&menu);
      QCOMPARE(composite.sources().size(), 2);
      QCOMPARE(composite.getActions().size(), 1);
    }
    QCOMPARE(composite.sources().size(), 1);  // a destroyed source drops out
  }

  void sessionTypesAndSmallShells() {
    RAZ::Sessions::SessionManagerBase session(nullptr);
    QVERIFY(session.contactsManager().isNull());
    QCOMPARE(session.callController(), nullptr);
    QCOMPARE(session.configuration(), nullptr);
    QVERIFY(QMetaType::type("RAZ::Sessions::State") != QMetaType::UnknownType);
    QVERIFY(QMetaType::type("RAZ::Sessions::Error") != QMetaType::UnknownType);
    QCOMPARE(int(RAZ::Sessions::ErrorConnectFailure), 1);
    QCOMPARE(int(RAZ::Sessions::ErrorAuthentication), 2);
    QCOMPARE(int(RAZ::Sessions::ErrorConnectionLost), 3);
    QCOMPARE(int(RAZ::Sessions::StateSignedIn), 11);
    QCOMPARE(int(RAZ::Sessions::StateSigningOut), 12);

    RAZ::ApiProvider::Controller controller;
    QVERIFY(controller.InitializeController());
    QVERIFY(controller.getModel(0));
    QCOMPARE(controller.getModel(0)->rowCount(), 0);
    // Add-ins waiting for a decision: none until one announces itself.
    QVERIFY(controller.getModel(1));
    QCOMPARE(controller.getModel(1)->rowCount(), 0);
    QCOMPARE(controller.getModel(2), nullptr);
    QVERIFY(!controller.Initialize(nullptr, nullptr, nullptr));

    RAZ::Databases::Comms comms;
    QVERIFY(!comms.hasDatabase());
    comms.reset();
    QVERIFY(!comms.hasDatabase());
  }
};

ZENT_TEST_MAIN(TestRazClient, QApplication)
#include "tst_raz_client.moc"
