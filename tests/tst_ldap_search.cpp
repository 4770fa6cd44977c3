// The corporate directory against a real LDAP server: a slapd of the test's
// own on a loopback port, with the small directory kept in tests/data/ldap.
#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "DemoFixture.h"
#include "RAZ/Configuration/Config.h"
#include "RAZ/Controllers/Search/LdapContactSearch.h"
#include "RAZ/Utils/Credentials.h"
#include "TestSupport.h"

using RAZ::Controllers::Search::ContactSearchData;
using RAZ::Controllers::Search::ContactSearchResult;
using RAZ::Controllers::Search::LdapContactSearch;

namespace {

const char kLogin[] = "ana@demo.zent";

QString sourceDir() { return QString::fromLocal8Bit(qgetenv("ZENT_SOURCE_DIR")); }

QString findTool(const QString& name) {
  return QStandardPaths::findExecutable(name, {"/usr/sbin", "/usr/bin", "/usr/local/sbin"});
}

// A port nobody listens on now (the kernel's choice).
quint16 freePort() {
  QTcpServer probe;
  if (!probe.listen(QHostAddress::LocalHost, 0)) return 0;
  return probe.serverPort();
}

ContactSearchData request(const QString& text) { return ContactSearchData(text, 0xFFFFFFFFu, 0); }

QStringList names(const QSignalSpy& spy, int call) {
  QStringList out;
  const auto results = spy.at(call).at(0).value<QList<ContactSearchResult>>();
  for (const ContactSearchResult& r : results) out << r->displayName();
  out.sort();
  return out;
}

}  // namespace

class TestLdapSearch : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir m_dir;
  QProcess m_slapd;
  quint16 m_port = 0;

  QByteArray configText(const QString& server, int timeoutSeconds = 10) const {
    return ZentTest::configText(
        {{ConfigId::LdapContactSearch, true},
         {ConfigId::LdapServer, server},
         {ConfigId::LdapSearchBase, QStringLiteral("ou=people,dc=zent,dc=test")},
         {ConfigId::LdapBindRequired, true},
         {ConfigId::LdapTimeout, timeoutSeconds}});
  }
  QString server() const { return QStringLiteral("ldap://127.0.0.1:%1").arg(m_port); }

  // A credentials store whose signed-in account has these LDAP credentials.
  std::unique_ptr<RAZ::Utils::Credentials::CredentialsManager> credentials(
      const QString& name, const QString& password) {
    auto manager = std::make_unique<RAZ::Utils::Credentials::CredentialsManager>(
        m_dir.filePath("credentials.dat"), nullptr);
    RAZ::Utils::Credentials::UserCredentials account = ZentTest::demoAccount(kLogin);
    RAZ::Utils::Credentials::CredentialsData ldap;
    ldap.setUsername(name);
    ldap.setPassword(password);
    account.setCredentials(RAZ::Utils::Credentials::TypeLdap, ldap);
    manager->addCredentials(account);
    manager->setLoginUsername(kLogin);
    return manager;
  }

 private slots:
  void initTestCase() {
    ZentTest::installStrictMessageHandler();
    QVERIFY(m_dir.isValid());
    QVERIFY2(!sourceDir().isEmpty(), "ZENT_SOURCE_DIR names the source tree (set by CTest)");
    const QString slapd = findTool("slapd");
    const QString slapadd = findTool("slapadd");
    QVERIFY2(!slapd.isEmpty() && !slapadd.isEmpty(),
             "slapd and slapadd are needed: run scripts/install-deps");
    const QString data = sourceDir() + QStringLiteral("/tests/data/ldap");
    QFile templ(data + QStringLiteral("/slapd.conf.in"));
    QVERIFY(templ.open(QIODevice::ReadOnly));
    QString conf = QString::fromUtf8(templ.readAll());
    conf.replace("@DIR@", m_dir.path())
        .replace("@SCHEMA@", QStringLiteral("/etc/ldap/schema"))
        .replace("@MODULES@", QStringLiteral("/usr/lib/ldap"));
    QFile out(m_dir.filePath("slapd.conf"));
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(conf.toUtf8());
    out.close();
    QVERIFY(QDir(m_dir.path()).mkdir("db"));

    QProcess add;
    add.start(slapadd, {"-q", "-f", out.fileName(), "-l", data + "/directory.ldif"});
    QVERIFY(add.waitForFinished(ZentTest::kWaitMs));
    QVERIFY2(add.exitCode() == 0, add.readAllStandardError().constData());

    m_port = freePort();
    QVERIFY(m_port != 0);
    // -d keeps the server in the foreground, as this test's child.
    m_slapd.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_slapd.start(slapd, {"-d", "0", "-f", out.fileName(), "-h", server() + "/"});
    QVERIFY(m_slapd.waitForStarted(ZentTest::kWaitMs));
    // Ready when it accepts a connection.
    QTRY_VERIFY_WITH_TIMEOUT(
        [this] {
          QTcpSocket probe;
          probe.connectToHost(QHostAddress::LocalHost, m_port);
          return probe.waitForConnected(1000);
        }(),
        ZentTest::kWaitMs);
  }

  void cleanupTestCase() {
    if (m_slapd.state() != QProcess::NotRunning) {
      m_slapd.terminate();
      if (!m_slapd.waitForFinished(ZentTest::kWaitMs)) m_slapd.kill();
    }
  }

  void findsEntriesWithTheStoredCredentials() {
    RAZ::Configuration::Config config(configText(server()), "t.xml");
    auto store = credentials("cn=reader,dc=zent,dc=test", "readpass");
    LdapContactSearch ldap(&config, store.get());
    QVERIFY(ldap.isConfigured());
    QVERIFY(ldap.getAuthenticationRequired());
    QVERIFY(ldap.getLdapCredentials());
    QSignalSpy results(&ldap, &LdapContactSearch::searchContactsResults);
    QSignalSpy failed(&ldap, &LdapContactSearch::searchFailed);
    ldap.search(request("mar*"));
    QTRY_COMPARE_WITH_TIMEOUT(results.count() + failed.count(), 1, ZentTest::kWaitMs);
    QCOMPARE(failed.count(), 0);
    QCOMPARE(names(results, 0), QStringList({"Mario Robles", "Marta Rossi"}));
    const auto found = results.at(0).at(0).value<QList<ContactSearchResult>>();
    ContactSearchResult marta =
        found.at(0)->displayName() == "Marta Rossi" ? found.at(0) : found.at(1);
    QCOMPARE(marta->firstName(), QStringLiteral("Marta"));
    QCOMPARE(marta->lastName(), QStringLiteral("Rossi"));
    QCOMPARE(marta->phone(), QStringLiteral("+34 910 000 101"));
    QCOMPARE(marta->jid(), QStringLiteral("marta.rossi@zent.test"));
    const QVariantMap extra = marta->additionalData();
    QCOMPARE(extra.value("mail").toString(), QStringLiteral("marta.rossi@zent.test"));
    QCOMPARE(extra.value("mobile").toString(), QStringLiteral("+34 600 000 101"));
    QCOMPARE(extra.value("l").toString(), QStringLiteral("Madrid"));
    QCOMPARE(extra.value("department").toString(), QStringLiteral("Sales"));
    QCOMPARE(extra.value("userpassword"), QVariant());
    // Only what a result uses is asked for: her postal code, state and
    // street come; her photo, description and the entry's own bookkeeping
    // stay at the server.
    QCOMPARE(extra.value("postalcode").toString(), QStringLiteral("28013"));
    QCOMPARE(extra.value("st").toString(), QStringLiteral("Madrid"));
    QCOMPARE(extra.value("streetaddress").toString(), QStringLiteral("Calle Mayor 1"));
    for (const char* unused : {"jpegphoto", "description", "objectclass", "uid"})
      QVERIFY2(!extra.contains(QLatin1String(unused)), unused);
    QCOMPARE(ldap.lastFailure(), LdapContactSearch::NoFailure);
  }

  void aTextWithNoMatchFindsNothing() {
    RAZ::Configuration::Config config(configText(server()), "t.xml");
    auto store = credentials("cn=reader,dc=zent,dc=test", "readpass");
    LdapContactSearch ldap(&config, store.get());
    QSignalSpy results(&ldap, &LdapContactSearch::searchContactsResults);
    QSignalSpy failed(&ldap, &LdapContactSearch::searchFailed);
    ldap.search(request("zzz*"));
    QTRY_COMPARE_WITH_TIMEOUT(results.count() + failed.count(), 1, ZentTest::kWaitMs);
    QCOMPARE(results.count(), 1);
    QVERIFY(results.at(0).at(0).value<QList<ContactSearchResult>>().isEmpty());
    // Filter syntax in the text is matched literally, never obeyed: this
    // would list everyone if it reached the server unescaped.
    ldap.search(request("*)(uid=*"));
    QTRY_COMPARE_WITH_TIMEOUT(results.count() + failed.count(), 2, ZentTest::kWaitMs);
    QCOMPARE(results.count(), 2);
    QVERIFY(results.at(1).at(0).value<QList<ContactSearchResult>>().isEmpty());
    ldap.search(request("Jan <b>*"));
    QTRY_COMPARE_WITH_TIMEOUT(results.count() + failed.count(), 3, ZentTest::kWaitMs);
    QCOMPARE(names(results, 2), QStringList({"Jan <b>Doe</b>"}));
  }

  // The server sends at most 3 entries: the search says more match. An
  // entry's second number and second address are kept, not dropped.
  void aSizeLimitAndSeveralValuesAreKept() {
    RAZ::Configuration::Config config(configText(server()), "t.xml");
    auto store = credentials("cn=reader,dc=zent,dc=test", "readpass");
    LdapContactSearch ldap(&config, store.get());
    QSignalSpy results(&ldap, &LdapContactSearch::searchContactsResults);
    QSignalSpy failed(&ldap, &LdapContactSearch::searchFailed);
    ldap.search(request("quinn*"));
    QTRY_COMPARE_WITH_TIMEOUT(results.count() + failed.count(), 1, ZentTest::kWaitMs);
    QCOMPARE(failed.count(), 0);
    QCOMPARE(results.at(0).at(0).value<QList<ContactSearchResult>>().size(), 3);
    QVERIFY(ldap.moreResults());
    ldap.search(request("ada*"));
    QTRY_COMPARE_WITH_TIMEOUT(results.count(), 2, ZentTest::kWaitMs);
    QVERIFY(!ldap.moreResults());
    const auto found = results.at(1).at(0).value<QList<ContactSearchResult>>();
    QCOMPARE(found.size(), 1);
    const ContactSearchResult ada = found.first();
    QCOMPARE(ada->phone(), QStringLiteral("+34 910 000 201"));
    QCOMPARE(ada->additionalData().value("mobile").toString(), QStringLiteral("+34 910 000 211"));
    QCOMPARE(ada->additionalData().value("mail").toString(),
             QStringLiteral("ada.quinn@zent.test, ada@quinn.example"));
    QCOMPARE(ada->jid(), QStringLiteral("ada.quinn@zent.test"));
    // An entry of one value each reads as before.
    ldap.search(request("bea*"));
    QTRY_COMPARE_WITH_TIMEOUT(results.count(), 3, ZentTest::kWaitMs);
    const ContactSearchResult bea = results.at(2).at(0).value<QList<ContactSearchResult>>().first();
    QCOMPARE(bea->additionalData().value("mail").toString(), QStringLiteral("bea.quinn@zent.test"));
    QCOMPARE(bea->additionalData().value("mobile"), QVariant());
  }

  void escapingKeepsOnlyTheWildcard() {
    QCOMPARE(LdapContactSearch::escapeFilterText("a*(b)\\c"), QStringLiteral("a*\\28b\\29\\5cc"));
    QCOMPARE(LdapContactSearch::escapeFilterText(QStringLiteral("Müller*")),
             QStringLiteral("Müller*"));
    QCOMPARE(LdapContactSearch::escapeFilterText(QString(QChar(0)) + "x"), QStringLiteral("\\00x"));
  }

  void badCredentialsAreReported() {
    RAZ::Configuration::Config config(configText(server()), "t.xml");
    auto store = credentials("cn=reader,dc=zent,dc=test", "wrong");
    LdapContactSearch ldap(&config, store.get());
    QSignalSpy results(&ldap, &LdapContactSearch::searchContactsResults);
    QSignalSpy failed(&ldap, &LdapContactSearch::searchFailed);
    QSignalSpy ask(&ldap, &LdapContactSearch::requestLdapCredentials);
    ldap.search(request("mar*"));
    QTRY_COMPARE_WITH_TIMEOUT(results.count() + failed.count(), 1, ZentTest::kWaitMs);
    QCOMPARE(failed.count(), 1);
    QCOMPARE(ask.count(), 1);
    QVERIFY(ldap.getAuthenticationFailed());
    QCOMPARE(ldap.lastFailure(), LdapContactSearch::AuthenticationFailed);
    QVERIFY(!ldap.lastError().isEmpty());
    // Better credentials next time: found, and the complaint withdrawn.
    QSignalSpy hide(&ldap, &LdapContactSearch::hideLdapCredentialsError);
    RAZ::Utils::Credentials::UserCredentials account = ZentTest::demoAccount(kLogin);
    RAZ::Utils::Credentials::CredentialsData fixed;
    fixed.setUsername("cn=reader,dc=zent,dc=test");
    fixed.setPassword("readpass");
    account.setCredentials(RAZ::Utils::Credentials::TypeLdap, fixed);
    store->addCredentials(account);
    ldap.search(request("mar*"));
    QTRY_COMPARE_WITH_TIMEOUT(results.count(), 1, ZentTest::kWaitMs);
    QCOMPARE(names(results, 0), QStringList({"Mario Robles", "Marta Rossi"}));
    QCOMPARE(hide.count(), 1);
    QVERIFY(!ldap.getAuthenticationFailed());
  }

  void anUnreachableServerReportsAnError() {
    // A port nobody listens on: refused at once.
    RAZ::Configuration::Config config(
        configText(QStringLiteral("ldap://127.0.0.1:%1").arg(freePort()), 5), "t.xml");
    auto store = credentials("cn=reader,dc=zent,dc=test", "readpass");
    LdapContactSearch ldap(&config, store.get());
    QSignalSpy results(&ldap, &LdapContactSearch::searchContactsResults);
    QSignalSpy failed(&ldap, &LdapContactSearch::searchFailed);
    ldap.search(request("mar*"));
    // The caller is never held up: the answer comes later, from the loop.
    QCOMPARE(failed.count(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, ZentTest::kWaitMs);
    QCOMPARE(results.count(), 0);
    QCOMPARE(ldap.lastFailure(), LdapContactSearch::ServerDown);
    QVERIFY(!ldap.getAuthenticationFailed());
  }

  void aServerThatIsNotConfiguredReportsIt() {
    RAZ::Configuration::Config config(configText(QString()), "t.xml");
    LdapContactSearch ldap(&config, nullptr);
    QVERIFY(!ldap.isConfigured());
    QSignalSpy failed(&ldap, &LdapContactSearch::searchFailed);
    ldap.search(request("mar*"));
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, ZentTest::kWaitMs);
    QCOMPARE(ldap.lastFailure(), LdapContactSearch::NotConfigured);
  }

  void aCancelledSearchNeverAnswers() {
    RAZ::Configuration::Config config(configText(server()), "t.xml");
    auto store = credentials("cn=reader,dc=zent,dc=test", "readpass");
    LdapContactSearch ldap(&config, store.get());
    QSignalSpy results(&ldap, &LdapContactSearch::searchContactsResults);
    QSignalSpy failed(&ldap, &LdapContactSearch::searchFailed);
    ldap.search(request("mar*"));
    ldap.cancel();
    // The worker takes requests in order: once the next one has answered,
    // the cancelled one has been dealt with.
    ldap.search(request("jan*"));
    QTRY_COMPARE_WITH_TIMEOUT(results.count(), 1, ZentTest::kWaitMs);
    QCOMPARE(names(results, 0), QStringList({"Jan <b>Doe</b>"}));
    // A newer search replaces a running one in the same way.
    ldap.search(request("mar*"));
    ldap.search(request("mario*"));
    QTRY_COMPARE_WITH_TIMEOUT(results.count(), 2, ZentTest::kWaitMs);
    QCOMPARE(names(results, 1), QStringList({"Mario Robles"}));
    QCOMPARE(failed.count(), 0);
    // And one cancelled with nothing after it: a later search still works.
    ldap.search(request("mar*"));
    ldap.cancel();
    ldap.search(request("zzz*"));
    QTRY_COMPARE_WITH_TIMEOUT(results.count(), 3, ZentTest::kWaitMs);
    QVERIFY(results.at(2).at(0).value<QList<ContactSearchResult>>().isEmpty());
  }

  void destroyingASearchInFlightIsSafe() {
    RAZ::Configuration::Config config(configText(server()), "t.xml");
    auto store = credentials("cn=reader,dc=zent,dc=test", "readpass");
    auto ldap = std::make_unique<LdapContactSearch>(&config, store.get());
    ldap->search(request("mar*"));
    ldap.reset();
    // A fresh source still works next to the one that went away.
    LdapContactSearch next(&config, store.get());
    QSignalSpy results(&next, &LdapContactSearch::searchContactsResults);
    next.search(request("mar*"));
    QTRY_COMPARE_WITH_TIMEOUT(results.count(), 1, ZentTest::kWaitMs);
  }
};

ZENT_TEST_MAIN(TestLdapSearch, QCoreApplication)
#include "tst_ldap_search.moc"
