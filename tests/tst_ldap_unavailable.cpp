// The corporate directory where its LDAP client library cannot be loaded: the
// program still runs, and every directory search fails with an error of its
// own, shown and logged, instead of an answer. The library is looked for once
// per process, so this test runs in a process of its own whose build folder
// is an empty one.
#include <QCoreApplication>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "DemoFixture.h"
#include "RAZ/Configuration/Config.h"
#include "RAZ/Contacts/Contacts.h"
#include "RAZ/Contacts/ContactsImpl.h"
#include "RAZ/Controllers/Search/LdapClient.h"
#include "RAZ/Controllers/Search/LdapContactSearch.h"
#include "RAZ/Models/SearchGroups.h"
#include "RAZ/Sessions/SessionManagerBase.h"
#include "TP/Core/Logging.h"
#include "TestSupport.h"
#include "Utils/Search/SearchManager.h"

using RAZ::Controllers::Search::ContactSearchData;
using RAZ::Controllers::Search::LdapContactSearch;
using Utils::Search::SearchManager;

namespace {

const char kLoaderTag[] = "RAZ::Controllers::Search::ldapClient";
const char kShown[] = "The directory search is unavailable: its library cannot be loaded";

// A directory that is on, with a server nobody would reach anyway: the search
// must fail before it gets that far.
QByteArray configText(const QString& server = QStringLiteral("ldap://127.0.0.1:1")) {
  return ZentTest::configText({{ConfigId::LdapContactSearch, true},
                               {ConfigId::SearchDelay, 0},
                               {ConfigId::SearchMinimumLength, 2},
                               {ConfigId::LdapServer, server},
                               {ConfigId::LdapSearchBase, QStringLiteral("dc=zent,dc=test")}});
}

ContactSearchData request(const QString& text) { return ContactSearchData(text, 0xFFFFFFFFu, 0); }

class TestSession : public RAZ::Sessions::SessionManagerBase {
 public:
  TestSession(const RAZ::Configuration::Config* config, LdapContactSearch* ldap)
      : RAZ::Sessions::SessionManagerBase(config) {
    Parts parts;
    parts.ldapSearch = ldap;
    setParts(parts);
  }
};

}  // namespace

class TestLdapUnavailable : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir m_empty;
  TP::Core::Logging::MemorySink m_log;

  int loaderComplaints() const {
    return m_log.find(QString(), kLoaderTag, TP::Core::Logging::LevelError).size();
  }

 private slots:
  void initTestCase() {
    ZentTest::installStrictMessageHandler();
    QVERIFY(m_empty.isValid());
    // Neither beside this program nor where the build's programs live.
    QVERIFY(!QFileInfo::exists(QCoreApplication::applicationDirPath() + "/libzent_ldap.so"));
    qputenv("ZENT_DIST_DIR", m_empty.path().toLocal8Bit());
    TP::Core::Logging::addLogger(&m_log);
  }

  void cleanupTestCase() { TP::Core::Logging::removeLogger(&m_log); }

  void aSearchFailsWithItsOwnError() {
    RAZ::Configuration::Config config(configText(), "t.xml");
    LdapContactSearch ldap(&config, nullptr);
    QVERIFY(ldap.isConfigured());
    QSignalSpy results(&ldap, &LdapContactSearch::searchContactsResults);
    QSignalSpy failed(&ldap, &LdapContactSearch::searchFailed);
    QSignalSpy ask(&ldap, &LdapContactSearch::requestLdapCredentials);
    ZentTest::takeMessages();
    ldap.search(request("mar*"));
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, ZentTest::kWaitMs);
    QCOMPARE(results.count(), 0);
    QCOMPARE(ldap.lastFailure(), LdapContactSearch::Unavailable);
    QVERIFY2(ldap.lastError().contains("libzent_ldap.so"), qPrintable(ldap.lastError()));
    QVERIFY2(ldap.lastError().contains(m_empty.path()), qPrintable(ldap.lastError()));
    // Not a matter of credentials: nobody is asked for them.
    QCOMPARE(ask.count(), 0);
    QVERIFY(!ldap.getAuthenticationFailed());
    const QStringList messages = ZentTest::takeMessages();
    QVERIFY2(messages.filter("Corporate directory search failed").size() == 1,
             qPrintable(messages.join('\n')));

    // Every later search fails alike, and the library is not looked for again.
    ldap.search(request("jan*"));
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 2, ZentTest::kWaitMs);
    QCOMPARE(ldap.lastFailure(), LdapContactSearch::Unavailable);
    QCOMPARE(loaderComplaints(), 1);
    QString whyNot;
    QVERIFY(!RAZ::Controllers::Search::ldapClient(&whyNot));
    QVERIFY(whyNot.contains("libzent_ldap.so"));
    QCOMPARE(loaderComplaints(), 1);
  }

  void destroyingASearchInFlightIsSafe() {
    RAZ::Configuration::Config config(configText(), "t.xml");
    auto gone = std::make_unique<LdapContactSearch>(&config, nullptr);
    gone->search(request("mar*"));
    gone.reset();
    LdapContactSearch next(&config, nullptr);
    QSignalSpy failed(&next, &LdapContactSearch::searchFailed);
    next.search(request("mar*"));
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, ZentTest::kWaitMs);
    QCOMPARE(next.lastFailure(), LdapContactSearch::Unavailable);
  }

  void aDirectoryWithoutServerStillSaysSo() {
    RAZ::Configuration::Config config(configText(QString()), "t.xml");
    LdapContactSearch ldap(&config, nullptr);
    QSignalSpy failed(&ldap, &LdapContactSearch::searchFailed);
    ldap.search(request("mar*"));
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, ZentTest::kWaitMs);
    QCOMPARE(ldap.lastFailure(), LdapContactSearch::NotConfigured);
  }

  void theSearchResultsShowTheError() {
    RAZ::Configuration::Config config(configText(), "t.xml");
    RAZ::Sessions::SessionManagerBase::registerMetaTypes();
    auto* ldapSource = new LdapContactSearch(&config, nullptr);
    TestSession session(&config, ldapSource);
    ldapSource->setParent(&session);
    RAZ::Models::SearchGroups groups{RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts>()};
    SearchManager manager(&groups, &session, nullptr);
    QSignalSpy failed(ldapSource, &LdapContactSearch::searchFailed);
    manager.search(QStringLiteral("nor"));
    SearchManager::Search* ldap = manager.searchOf(SearchManager::KindLdap);
    QVERIFY(ldap && ldap->isAttached());
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, ZentTest::kWaitMs);
    QCOMPARE(ldap->group()->errorText(), QString(kShown));
    QVERIFY(!ldap->group()->isSearching());
    QCOMPARE(ldap->results()->count(), 0);
    QVERIFY(m_log.containsMessage(QStringLiteral("Corporate directory: ") + kShown));
  }
};

ZENT_TEST_MAIN(TestLdapUnavailable, QApplication)
#include "tst_ldap_unavailable.moc"
