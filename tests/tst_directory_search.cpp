// The directory searches behind the main window's search field: debounce,
// one request per source, groups, cancellation, rules and errors.
#include <QAbstractItemModel>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "DemoFixture.h"
#include "RAZ/Configuration/Config.h"
#include "RAZ/Contacts/Contacts.h"
#include "RAZ/Contacts/ContactsImpl.h"
#include "RAZ/Controllers/Search/ContactSearch.h"
#include "RAZ/Controllers/Search/LdapContactSearch.h"
#include "RAZ/Models/SearchGroups.h"
#include "RAZ/Sessions/SessionManagerBase.h"
#include "TP/Core/Logging.h"
#include "TestSupport.h"
#include "Utils/Search/SearchManager.h"

using RAZ::Controllers::Search::ContactSearch;
using RAZ::Controllers::Search::LdapContactSearch;
using RAZ::Controllers::Search::OutlookContactSearch;
using RAZ::Controllers::Search::XsiContactFullSearch;
using Utils::Search::SearchManager;

namespace {

// A session with the directory controllers the test gives it.
class TestSession : public RAZ::Sessions::SessionManagerBase {
 public:
  explicit TestSession(const RAZ::Configuration::Config* config)
      : RAZ::Sessions::SessionManagerBase(config) {}
  void build(ContactSearch* telephony, XsiContactFullSearch* enterprise,
             OutlookContactSearch* outlook, LdapContactSearch* ldap) {
    Parts parts;
    parts.search = telephony;
    parts.fullSearch = enterprise;
    parts.outlookSearch = outlook;
    parts.ldapSearch = ldap;
    setParts(parts);
  }
};

QVariantMap entry(const QString& name, const QString& work, const QVariantMap& more = {}) {
  QVariantMap e = more;
  e.insert(QStringLiteral("name"), name);
  e.insert(QStringLiteral("work"), work);
  return e;
}

QList<QVariantMap> directory() {
  return {entry("Nora Albrecht", "+4930100201", {{"email", "nora@demo.zent"}}),
          entry("Norbert Sauer", "+4930100205"), entry("Oskar Berg", "+4930100202"),
          entry("Paula Costa", "+4930100203")};
}

QByteArray configText(int debounceMs, int minimumLength, bool ldap,
                      const ZentTest::ConfigValues& more = {}) {
  return ZentTest::configText(
      ZentTest::ConfigValues{{ConfigId::LdapContactSearch, ldap},
                             {ConfigId::SearchDelay, debounceMs},
                             {ConfigId::SearchMinimumLength, minimumLength}} +
      more);
}

const ZentTest::ConfigValue kUnreachableLdap{ConfigId::LdapServer,
                                             QStringLiteral("ldap://127.0.0.1:1")};

// The rows of the search results: group headers as "#name", contacts by name.
// The groups listed (shown or waiting for rows), by name.
QStringList groupNames(const RAZ::Models::SearchGroups* groups) {
  QStringList out;
  for (RAZ::Contacts::IGroup* g : groups->groups()) out << QLatin1Char('#') + g->getName();
  return out;
}

QStringList rows(const QAbstractItemModel* model) {
  QStringList out;
  for (int r = 0; r < model->rowCount(); ++r) {
    const QModelIndex i = model->index(r, 0);
    if (i.data(RAZ::Models::SearchGroups::IsGroupRole).toBool())
      out << QLatin1Char('#') + i.data(RAZ::Models::SearchGroups::GroupNameRole).toString();
    else
      out << i.data(RAZ::Contacts::Contacts::DisplayNameRole).toString();
  }
  return out;
}

struct Fixture {
  explicit Fixture(const QByteArray& configXml, QList<QVariantMap> entries = directory(),
                   bool withLdap = true)
      : config(configXml, QStringLiteral("test.xml")), session(&config) {
    RAZ::Sessions::SessionManagerBase::registerMetaTypes();
    telephony = new ContactSearch(entries, &session);
    enterprise = new XsiContactFullSearch(entries, &session);
    outlook = new OutlookContactSearch(&session);
    if (withLdap) ldap = new LdapContactSearch(&config, nullptr, &session);
    session.build(telephony, enterprise, outlook, ldap);
    groups = std::make_unique<RAZ::Models::SearchGroups>(
        RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts>());
    manager = std::make_unique<SearchManager>(groups.get(), &session, nullptr);
  }
  ~Fixture() {
    manager.reset();
    groups.reset();
  }

  RAZ::Configuration::Config config;
  TestSession session;
  ContactSearch* telephony = nullptr;
  XsiContactFullSearch* enterprise = nullptr;
  OutlookContactSearch* outlook = nullptr;
  LdapContactSearch* ldap = nullptr;
  std::unique_ptr<RAZ::Models::SearchGroups> groups;
  std::unique_ptr<SearchManager> manager;
};

}  // namespace

class TestDirectorySearch : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ZentTest::installStrictMessageHandler(); }

  void typingIsDebouncedIntoOneRequest() {
    Fixture f(configText(30, 2, false));
    QCOMPARE(f.manager->debounceTimer()->interval(), 30);
    QVERIFY(f.manager->debounceTimer()->isSingleShot());
    QSignalSpy answers(f.telephony, &ContactSearch::searchContactsResults);
    f.manager->search(QStringLiteral("n"));
    f.manager->search(QStringLiteral("no"));
    f.manager->search(QStringLiteral("nor"));
    // Nothing is asked while the user types.
    QCOMPARE(f.telephony->searchesStarted(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(answers.count(), 1, ZentTest::kWaitMs);
    QCOMPARE(f.telephony->searchesStarted(), 1);
    QCOMPARE(f.telephony->lastSearchText(), QStringLiteral("nor*"));
    QVERIFY(!f.manager->debounceTimer()->isActive());
    QCOMPARE(SearchManager::currentSearchText(), QStringLiteral("nor"));
  }

  void resultsAreGroupedPerSource() {
    Fixture f(configText(0, 2, false));
    QAbstractItemModel* enterprise = f.manager->setupEnterpriseSearch();
    QVERIFY(enterprise);
    // The enterprise directory is loaded once, in full, and kept apart.
    QTRY_COMPARE_WITH_TIMEOUT(enterprise->rowCount(), 4, ZentTest::kWaitMs);
    f.manager->search(QStringLiteral("nor"));
    SearchManager::Search* telephony = f.manager->searchOf(SearchManager::KindXsi);
    QVERIFY(telephony && telephony->isAttached());
    QTRY_COMPARE_WITH_TIMEOUT(telephony->results()->count(), 2, ZentTest::kWaitMs);
    QCOMPARE(rows(f.groups.get()),
             QStringList({"#Telephony Directory", "Nora Albrecht", "Norbert Sauer"}));
    QVERIFY(!telephony->group()->isSearching());
    // Results carry the search text and are marked as results.
    RAZ::Contacts::IContact* nora = telephony->results()->contacts().first();
    QVERIFY(nora->isSearchResult());
    QCOMPARE(nora->searchHitString(), QStringLiteral("Nora Albrecht"));
    QCOMPARE(nora->getProperty(RAZ::Contacts::Properties::KeyWork).toString(),
             QStringLiteral("+4930100201"));
    QCOMPARE(nora->getProperty(RAZ::Contacts::Properties::KeyEmail).toString(),
             QStringLiteral("nora@demo.zent"));
    // The enterprise directory neither searched again nor grouped here.
    QCOMPARE(f.enterprise->searchesStarted(), 1);
    f.manager->firstTimeCheck(SearchManager::KindXsiEnterprise);
    QCOMPARE(f.enterprise->searchesStarted(), 1);
    QCOMPARE(enterprise->rowCount(), 4);
    // Outlook does not exist here, and the corporate directory is off: no
    // groups of theirs.
    QVERIFY(!f.manager->searchOf(SearchManager::KindOutlook)->isAttached());
    QVERIFY(!f.manager->searchOf(SearchManager::KindLdap)->isAttached());
  }

  void aNewKeystrokeCancelsWhatIsOut() {
    Fixture f(configText(0, 2, false));
    f.telephony->setAnswerDelay(600000);
    QSignalSpy answers(f.telephony, &ContactSearch::searchContactsResults);
    f.manager->search(QStringLiteral("nor"));
    QTRY_COMPARE_WITH_TIMEOUT(f.telephony->searchesStarted(), 1, ZentTest::kWaitMs);
    QVERIFY(f.telephony->isSearching());
    QVERIFY(f.manager->searchOf(SearchManager::KindXsi)->group()->isSearching());
    f.manager->search(QStringLiteral("osk"));
    QVERIFY(!f.telephony->isSearching());
    f.telephony->setAnswerDelay(0);
    QTRY_COMPARE_WITH_TIMEOUT(answers.count(), 1, ZentTest::kWaitMs);
    QCOMPARE(f.telephony->searchesStarted(), 2);
    QCOMPARE(f.telephony->lastSearchText(), QStringLiteral("osk*"));
    QCOMPARE(rows(f.groups.get()), QStringList({"#Telephony Directory", "Oskar Berg"}));
  }

  void oneRequestPerSourceIsOut() {
    Fixture f(configText(0, 2, false));
    QSignalSpy answers(f.telephony, &ContactSearch::searchContactsResults);
    f.manager->search(QStringLiteral("nor"));
    f.manager->startSearches();
    f.manager->search(QStringLiteral("pau"));
    f.manager->startSearches();
    QTRY_COMPARE_WITH_TIMEOUT(answers.count(), 1, ZentTest::kWaitMs);
    // The debounce timer's own start comes too: let it run, it answers once.
    QTRY_VERIFY_WITH_TIMEOUT(!f.manager->debounceTimer()->isActive(), ZentTest::kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(!f.telephony->isSearching(), ZentTest::kWaitMs);
    QCOMPARE(rows(f.groups.get()), QStringList({"#Telephony Directory", "Paula Costa"}));
    for (const QList<QVariant>& call : qAsConst(answers)) {
      const auto results = call.at(0).value<QList<RAZ::Controllers::Search::ContactSearchResult>>();
      QCOMPARE(results.size(), 1);
      QCOMPARE(results.first()->displayName(), QStringLiteral("Paula Costa"));
    }
  }

  void shortTextsAndClearingStopAndEmpty() {
    Fixture f(configText(600000, 3, false));
    f.manager->search(QStringLiteral("nor"));
    f.manager->startSearches();
    SearchManager::Search* telephony = f.manager->searchOf(SearchManager::KindXsi);
    QTRY_COMPARE_WITH_TIMEOUT(telephony->results()->count(), 2, ZentTest::kWaitMs);
    // Two letters are below the minimum of three: stopped and emptied.
    f.manager->search(QStringLiteral("no"));
    f.manager->startSearches();
    QCOMPARE(telephony->results()->count(), 0);
    QVERIFY(!telephony->group()->isSearching());
    QCOMPARE(f.telephony->searchesStarted(), 1);
    // Clearing acts at once, without the (here very long) pause.
    f.manager->search(QStringLiteral("nor"));
    f.manager->startSearches();
    QTRY_COMPARE_WITH_TIMEOUT(telephony->results()->count(), 2, ZentTest::kWaitMs);
    f.manager->search(QString());
    QCOMPARE(telephony->results()->count(), 0);
    QVERIFY(!f.manager->debounceTimer()->isActive());
    // The group stays (empty) until a text of another source's choosing.
    QVERIFY(telephony->isAttached());
  }

  // Characters that each write a syllable or a word are searched from the
  // first: "李" is a whole surname. A letter beyond the basic plane counts
  // as one character, not as the two halves it is stored in.
  void oneChineseCharacterIsEnough() {
    Fixture f(configText(600000, 2, false),
              {entry(QStringLiteral("李明"), "+861000001"), entry("Nora Albrecht", "+4930100201")});
    SearchManager::Search* telephony = f.manager->searchOf(SearchManager::KindXsi);
    f.manager->search(QStringLiteral("李"));
    f.manager->startSearches();
    QTRY_COMPARE_WITH_TIMEOUT(telephony->results()->count(), 1, ZentTest::kWaitMs);
    QCOMPARE(f.telephony->lastSearchText(), QStringLiteral("李*"));
    f.manager->search(QString::fromUcs4(U"\U0001D4DD"));  // a script capital N
    f.manager->startSearches();
    QCOMPARE(telephony->results()->count(), 0);
    QCOMPARE(f.telephony->searchesStarted(), 1);
  }

  void anUnsetMinimumNeverAsksForTheWholeDirectory() {
    Fixture f(configText(0, 0, false));
    QCOMPARE(f.manager->searchOf(SearchManager::KindXsi)->minimumLength(), 1);
    f.manager->search(QStringLiteral("n"));
    f.manager->search(QString());
    QCOMPARE(f.telephony->searchesStarted(), 0);
  }

  void aTextEndingInAStarIsSentAsItIs() {
    Fixture f(configText(0, 2, false));
    f.manager->search(QStringLiteral("no*"));
    f.manager->startSearches();
    QCOMPARE(f.telephony->lastSearchText(), QStringLiteral("no*"));
  }

  void largeAnswersCloseTheGroup() {
    QList<QVariantMap> many;
    for (int i = 0; i < 11; ++i) many << entry(QStringLiteral("Nox %1").arg(i), "+100");
    for (int size : {10, 11}) {
      Fixture f(configText(0, 2, false), many.mid(0, size));
      f.manager->search(QStringLiteral("nox"));
      f.manager->startSearches();
      SearchManager::Search* telephony = f.manager->searchOf(SearchManager::KindXsi);
      QTRY_COMPARE_WITH_TIMEOUT(telephony->results()->count(), size, ZentTest::kWaitMs);
      QCOMPARE(telephony->group()->isOpen(), size <= 10);
      // A closed group shows its header only.
      QCOMPARE(f.groups->rowCount(), size <= 10 ? size + 1 : 1);
      QCOMPARE(f.groups->index(0, 0).data(RAZ::Models::SearchGroups::GroupTotalRole).toInt(), size);
    }
  }

  void propertiesFollowTheRules() {
    QVariantMap more{{"email", "a@x"},     {"mail", "b@x"}, {"addressLine1", "Main 1"},
                     {"addressLine2", ""}, {"l", "Madrid"}, {"jid", "Mixed@Case.Test"}};
    Fixture f(configText(0, 2, false), {entry("Rita Ruiz", "+34", more)});
    f.manager->search(QStringLiteral("rit"));
    f.manager->startSearches();
    SearchManager::Search* telephony = f.manager->searchOf(SearchManager::KindXsi);
    QTRY_COMPARE_WITH_TIMEOUT(telephony->results()->count(), 1, ZentTest::kWaitMs);
    RAZ::Contacts::IContact* c = telephony->results()->contacts().first();
    using namespace RAZ::Contacts::Properties;
    QCOMPARE(c->getProperty(KeyEmail).toString(), QStringLiteral("b@x"));
    QCOMPARE(c->getProperty(KeyStreet).toString(), QStringLiteral("Main 1 "));
    QCOMPARE(c->getProperty(KeyCity).toString(), QStringLiteral("Madrid"));
    QCOMPARE(c->getProperty(KeyImAddress).toString(), QStringLiteral("mixed@case.test"));
    QCOMPARE(c->getProperty(KeyFirstName).toString(), QStringLiteral("Rita"));
    QCOMPARE(c->getProperty(KeyLastName).toString(), QStringLiteral("Ruiz"));
    QVERIFY(c->getProperty(KeyExtension).isValid());
    QVERIFY(c->getProperty(KeyExtension).toString().isEmpty());
  }

  void resultsOfAForeignControllerAreIgnored() {
    Fixture f(configText(600000, 2, false));
    f.manager->search(QStringLiteral("nor"));
    ContactSearch stranger(directory());
    connect(
        &stranger,
        SIGNAL(
            searchContactsResults(QList<RAZ::Controllers::Search::ContactSearchResult>, quint32)),
        f.manager.get(),
        SLOT(searchContactsResults(QList<RAZ::Controllers::Search::ContactSearchResult>, quint32)));
    QSignalSpy answers(&stranger, &ContactSearch::searchContactsResults);
    stranger.search(RAZ::Controllers::Search::ContactSearchData("osk*", 0xFFFFFFFFu, 0));
    QTRY_COMPARE_WITH_TIMEOUT(answers.count(), 1, ZentTest::kWaitMs);
    QCOMPARE(f.manager->searchOf(SearchManager::KindXsi)->results()->count(), 0);
  }

  void errorsShowOnTheirOwnSource() {
    // The corporate directory is on but its server is not there.
    Fixture f(configText(
        0, 2, true,
        {kUnreachableLdap, {ConfigId::LdapSearchBase, QStringLiteral("dc=zent,dc=test")}}));
    f.telephony->setFailure(RAZ::Xsi::XsiComponent::ServerError);
    QSignalSpy ldapFailed(f.ldap, &LdapContactSearch::searchFailed);
    f.manager->search(QStringLiteral("nor"));
    SearchManager::Search* telephony = f.manager->searchOf(SearchManager::KindXsi);
    SearchManager::Search* ldap = f.manager->searchOf(SearchManager::KindLdap);
    QVERIFY(ldap->isAttached());
    QTRY_VERIFY_WITH_TIMEOUT(!telephony->group()->errorText().isEmpty(), ZentTest::kWaitMs);
    QCOMPARE(telephony->group()->errorText(), QStringLiteral("The directory search failed"));
    QVERIFY(!telephony->group()->isSearching());
    QTRY_COMPARE_WITH_TIMEOUT(ldapFailed.count(), 1, ZentTest::kWaitMs);
    QCOMPARE(ldap->group()->errorText(), QStringLiteral("The directory server cannot be reached"));
    QVERIFY(!ldap->group()->isSearching());
    QCOMPARE(ldap->results()->count(), 0);
    // A working source next time clears its own error only.
    f.telephony->setFailure(RAZ::Xsi::XsiComponent::NoError);
    f.manager->search(QStringLiteral("osk"));
    QTRY_COMPARE_WITH_TIMEOUT(telephony->results()->count(), 1, ZentTest::kWaitMs);
    QVERIFY(telephony->group()->errorText().isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(ldapFailed.count(), 2, ZentTest::kWaitMs);
    QVERIFY(!ldap->group()->errorText().isEmpty());
    QCOMPARE(rows(f.groups.get()),
             QStringList({"#Telephony Directory", "Oskar Berg", "#Corporate Directory"}));
  }

  void ldapWithoutRequiredCredentialsTakesNoPart() {
    Fixture f(configText(0, 2, true, {kUnreachableLdap, {ConfigId::LdapBindRequired, true}}));
    f.manager->search(QStringLiteral("nor"));
    QVERIFY(!f.manager->searchOf(SearchManager::KindLdap)->isEnabled());
    QVERIFY(!f.manager->searchOf(SearchManager::KindLdap)->isAttached());
    QCOMPARE(groupNames(f.groups.get()), QStringList({"#Telephony Directory"}));
  }

  void aSourceThatGoesAwayLosesItsGroup() {
    Fixture f(configText(0, 2, true, {kUnreachableLdap}));
    f.manager->search(QStringLiteral("nor"));
    QVERIFY(f.manager->searchOf(SearchManager::KindLdap)->isAttached());
    f.ldap->setChecked(false);
    f.manager->search(QStringLiteral("nora"));
    QVERIFY(!f.manager->searchOf(SearchManager::KindLdap)->isAttached());
    QCOMPARE(groupNames(f.groups.get()), QStringList({"#Telephony Directory"}));
    f.ldap->setChecked(true);
    f.manager->search(QStringLiteral("nor"));
    QCOMPARE(groupNames(f.groups.get()),
             QStringList({"#Telephony Directory", "#Corporate Directory"}));
  }

  void aSourceSwitchedOffIsRenamedToo() {
    Fixture f(configText(0, 2, true, {kUnreachableLdap}));
    f.manager->search(QStringLiteral("nor"));
    SearchManager::Search* ldap = f.manager->searchOf(SearchManager::KindLdap);
    QVERIFY(ldap->isAttached());
    f.ldap->setChecked(false);
    f.manager->search(QStringLiteral("nora"));
    QVERIFY(!ldap->isAttached());
    // The name of the language before the switch.
    ldap->group()->setName(QStringLiteral("Firmenverzeichnis"));
    f.manager->retranslateSearchGroups();
    f.ldap->setChecked(true);
    f.manager->search(QStringLiteral("nor"));
    QCOMPARE(groupNames(f.groups.get()),
             QStringList({"#Telephony Directory", "#Corporate Directory"}));
  }

  void outlookErrorsAreLoggedOnly() {
    Fixture f(configText(0, 2, false));
    TP::Core::Logging::MemorySink log;
    TP::Core::Logging::addLogger(&log);
    f.manager->outlookSearchError(OutlookContactSearch::Other, QString());
    f.manager->outlookSearchError(OutlookContactSearch::Other, QStringLiteral("Profile locked"));
    f.manager->outlookSearchError(OutlookContactSearch::Initializing, QString());
    TP::Core::Logging::removeLogger(&log);
    QVERIFY(
        log.containsMessage("Outlook error: Unknown error while obtaining contacts from Outlook"));
    QVERIFY(log.containsMessage("Outlook error: Profile locked"));
    QVERIFY(log.containsMessage("Outlook error: Outlook search is initializing"));
    QCOMPARE(log.find(QString(), "Utils::Search::SearchManager::outlookSearchError", 2).size(), 3);
  }

  void aSessionWithoutControllersGetsNoSearches() {
    RAZ::Configuration::Config config(configText(0, 2, false), "t.xml");
    TestSession session(&config);
    RAZ::Models::SearchGroups groups{RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts>()};
    SearchManager manager(&groups, &session, nullptr);
    QVERIFY(!manager.searchOf(SearchManager::KindXsi));
    QVERIFY(!manager.createSearch(0));
    QVERIFY(!manager.createSearch(5));
    QVERIFY(!manager.setupEnterpriseSearch());
    manager.search(QStringLiteral("abc"));
    manager.startSearches();
    QCOMPARE(groups.rowCount(), 0);
  }

  void theManagerGoesBeforeItsControllers() {
    auto f = std::make_unique<Fixture>(configText(0, 2, false));
    f->telephony->setAnswerDelay(600000);
    f->manager->search(QStringLiteral("nor"));
    f->manager->startSearches();
    QVERIFY(f->telephony->isSearching());
    f->manager.reset();
    // Its destruction stopped the search it had out.
    QVERIFY(!f->telephony->isSearching());
  }
};

ZENT_TEST_MAIN(TestDirectorySearch, QApplication)
#include "tst_directory_search.moc"
