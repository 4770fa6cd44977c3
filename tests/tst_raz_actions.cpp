// The stand-in platform's action model, contact operations and history, as
// the menus and the main window use them, driven through the demo service.
#include "DemoFixture.h"
#include "TestSupport.h"

#include <RAZ/Actions/Action.h>
#include <RAZ/Actions/Enablers.h>
#include <RAZ/Actions/Provider.h>
#include <RAZ/Actions/Source.h>
#include <RAZ/Client.h>
#include <RAZ/ConfigContainer.h>
#include <RAZ/Contacts/ContactModels.h>
#include <RAZ/Contacts/ContactSynchronizer.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Contacts/ContactsImpl.h>
#include <RAZ/Contacts/GroupRoles.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Demo/Service.h>
#include <RAZ/Models/SearchGroups.h>
#include <RAZ/Models/Timeline.h>
#include <RAZ/ProgramKey.h>
#include <RAZ/Services/Xmpp/XmppJidValidator.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Utils/Credentials.h>
#include <RAZ/Utils/Parsers.h>
#include <RAZ/Utils/Path.h>
#include <TP/Crypto/Blowfish.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

#include "Utils/Search/SearchManager.h"

using RAZ::Actions::Action;
using RAZ::Demo::Service;
using RAZ::Sessions::SessionManagerBase;

namespace {

QList<int> rowIds(const RAZ::Actions::Provider& provider) {
  QList<int> ids;
  for (int row = 0; row < provider.rowCount(); ++row) ids << provider.getAction(row)->getId();
  return ids;
}

}  // namespace

class TestRazActions : public QObject {
  Q_OBJECT

 private:
  ZentTest::DemoFixture m_demo;

  SessionManagerBase* open(const QString& user = "tester") { return m_demo.signIn(user); }
  bool signOut() { return m_demo.signOut(); }

 private slots:
  void initTestCase() { REQUIRE(m_demo.start("ZentRazActionsTest")); }

  void init() { REQUIRE(m_demo.startClient()); }

  void cleanup() { m_demo.stopClient(); }

  // What a contact offers follows what is known of it.
  void contactOffers_data() {
    QTest::addColumn<QVariantMap>("properties");
    QTest::addColumn<bool>("listed");
    QTest::addColumn<QList<int>>("expected");
    const QList<int> all{1, 2, 3, 4, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    QTest::newRow("listed, everything") << QVariantMap{{"25", "a@x.example"},
                                                       {"2", "sip:a@x.example"},
                                                       {"13", "+4930100"},
                                                       {"6", "a@x.example"}}
                                        << true << QList<int>{1, 2, 3, 4, 8, 9, 11, 12, 15, 16};
    QTest::newRow("number only, not listed")
        << QVariantMap{{"14", "+49170"}} << false << QList<int>{2, 3, 11, 13};
    QTest::newRow("no number, no address: no call")
        << QVariantMap{{"1", "Somebody"}} << false << QList<int>{11, 13};
    QTest::newRow("IM only, listed")
        << QVariantMap{{"25", "b@x.example"}} << true << QList<int>{1, 9, 11, 12, 15, 16};
  }
  void contactOffers() {
    QFETCH(QVariantMap, properties);
    QFETCH(bool, listed);
    QFETCH(QList<int>, expected);
    RAZ::Contacts::Contacts contacts;
    auto* contact = new RAZ::Contacts::IContact(7, properties);
    if (listed)
      QVERIFY(contacts.addContact(contact));
    else
      contact->setParent(&contacts);
    RAZ::Actions::Provider provider(nullptr);
    provider.setAcceptedActions(
        {Action::Chat, Action::Call, Action::CallFromPhone, Action::VideoCall, Action::DesktopShare,
         Action::Email, Action::SetFavourite, Action::RemoveFavourite, Action::ViewProfile,
         Action::EditProfile, Action::AddContact, Action::Subscribe, Action::Unsubscribe,
         Action::Remove},
        false);
    provider.setActionSource(contact);
    QCOMPARE(rowIds(provider), expected);
    for (Action::Id id : {Action::DesktopShare, Action::EndAllCalls})
      QVERIFY(!provider.isEnabled(id));
  }

  void numbersAreSubActionsAndRunTheChosenOne() {
    SessionManagerBase* s = open();
    QVERIFY(s);
    RAZ::Contacts::ContactPtr alice = s->contactsManager()->getContact(101);
    RAZ::Actions::ContactSourceComposite selection(nullptr);
    selection.addSource(alice.data());
    QCOMPARE(selection.getSourceType(), 5);
    RAZ::Actions::Provider provider(nullptr);
    provider.setAcceptedActions({Action::Call}, false);
    provider.setActionSource(&selection);
    const QList<RAZ::Actions::ActionData> numbers =
        provider.getActionById(Action::Call)->getActionData().getSubActions();
    QCOMPARE(numbers.size(), 3);  // work, mobile, extension
    QCOMPARE(numbers.at(1).getPropertyType(), 14);
    connect(&provider, SIGNAL(actionTriggered(RAZ::Actions::ActionData&, RAZ::Actions::Source&)),
            s->commsSessionController(),
            SLOT(actionTriggered(RAZ::Actions::ActionData&, RAZ::Actions::Source&)));
    QSignalSpy created(s->commsSessionController(),
                       &RAZ::Controllers::CommsSessionController::sessionCreated);
    QAction mobile;
    mobile.setProperty("SUBMENU_ACTION", 1);
    QVERIFY(provider.linkQAction(&mobile, Action::Call));
    QVERIFY(provider.linkQAction(&mobile, Action::Call));  // a second link runs nothing twice
    mobile.trigger();
    QVERIFY(created.wait(ZentTest::kWaitMs));
    QCoreApplication::processEvents();
    QCOMPARE(created.count(), 1);
    QCOMPARE(s->commsSessionController()->commsList().size(), 1);
    QCOMPARE(s->commsSessionController()->commsList().first()->uri(), QString("+491701000101"));
  }

  void aDirectoryEntryCanBeCalledAndAdded() {
    SessionManagerBase* s = open();
    QVERIFY(s);
    RAZ::Models::SearchGroups groups(s->contactsManager());
    Utils::Search::SearchManager search(&groups, s, nullptr);
    search.search(QStringLiteral("oskar"));
    search.startSearches();
    Utils::Search::SearchManager::Search* telephony =
        search.searchOf(Utils::Search::SearchManager::KindXsi);
    QVERIFY(telephony);
    QTRY_COMPARE_WITH_TIMEOUT(telephony->results()->count(), 1, ZentTest::kWaitMs);
    RAZ::Contacts::IContact* oskar = telephony->results()->contacts().first();
    QVERIFY(!s->contactsManager()->getSimilarContact(oskar));

    RAZ::Actions::Provider provider(nullptr);
    provider.setAcceptedActions({Action::Call, Action::AddContact}, false);
    provider.setActionSource(oskar);
    connect(&provider, SIGNAL(actionTriggered(RAZ::Actions::ActionData&, RAZ::Actions::Source&)),
            s->commsSessionController(),
            SLOT(actionTriggered(RAZ::Actions::ActionData&, RAZ::Actions::Source&)));
    QSignalSpy created(s->commsSessionController(),
                       &RAZ::Controllers::CommsSessionController::sessionCreated);
    QVERIFY(provider.trigger(Action::Call));
    QTRY_COMPARE_WITH_TIMEOUT(created.count(), 1, ZentTest::kWaitMs);
    QCOMPARE(s->commsSessionController()->commsList().first()->uri(), QString("+4930100202"));
    // Adding is offered (the factory runs it as the contacts manager's add,
    // which keeps a copy: the result may go with the next search).
    QVERIFY(provider.getActionById(Action::AddContact));
    QVERIFY(s->contactsManager()->addContact(oskar, true, false));
    QVERIFY(s->contactsManager()->getSimilarContact(oskar));
    QVERIFY(!s->contactsManager()->contains(oskar));
    search.resetSearches();
    QCOMPARE(telephony->results()->count(), 0);
  }

  void chatOnAContactStartsASessionWithStateBits() {
    SessionManagerBase* s = open();
    QVERIFY(s);
    RAZ::Actions::Provider provider(nullptr);
    provider.setAcceptedActions({Action::Chat, Action::Call, Action::EndAllCalls, Action::EndChats},
                                false);
    connect(&provider, SIGNAL(actionTriggered(RAZ::Actions::ActionData&, RAZ::Actions::Source&)),
            s->commsSessionController(),
            SLOT(actionTriggered(RAZ::Actions::ActionData&, RAZ::Actions::Source&)));
    provider.setActionSource(s->contactsManager()->getContact(102).data());
    QSignalSpy created(s->commsSessionController(),
                       &RAZ::Controllers::CommsSessionController::sessionCreated);
    QVERIFY(provider.trigger(Action::Chat));
    QVERIFY(created.wait(ZentTest::kWaitMs));
    auto* session = s->commsSessionController()->commsList().first();
    QCOMPARE(session->getState(), uint(RAZ::Controllers::CommunicationSession::StateChat));
    QCOMPARE(session->getContact(), s->contactsManager()->getContact(102).data());

    // Acting on the running session: add a call, then end the chat.
    QSignalSpy states(session, &RAZ::Controllers::CommunicationSession::sessionStateChanged);
    provider.setActionSource(session);
    QCOMPARE(rowIds(provider), (QList<int>{1, 2, 23}));
    QVERIFY(provider.trigger(Action::Call));
    QCOMPARE(states.count(), 1);
    QCOMPARE(states.last().at(2).toUInt(), 3u);
    QCOMPARE(rowIds(provider), (QList<int>{1, 2, 22, 23}));
    QVERIFY(provider.trigger(Action::EndChats));
    QCOMPARE(states.last().at(1).toUInt(), 3u);
    QCOMPARE(states.last().at(2).toUInt(), 2u);
  }

  void secondShareAsksFirst() {
    SessionManagerBase* s = open();
    QVERIFY(s);
    auto* comms = s->commsSessionController();
    QVERIFY(
        Service::instance().incomingSession(101, RAZ::Controllers::CommunicationSession::KindCall));
    QVERIFY(
        Service::instance().incomingSession(102, RAZ::Controllers::CommunicationSession::KindCall));
    QTRY_COMPARE(comms->commsList().size(), 2);
    RAZ::Actions::Provider provider(nullptr);
    provider.setAcceptedActions({Action::DesktopShare}, false);
    connect(&provider, SIGNAL(actionTriggered(RAZ::Actions::ActionData&, RAZ::Actions::Source&)),
            comms, SLOT(actionTriggered(RAZ::Actions::ActionData&, RAZ::Actions::Source&)));
    int asked = 0;
    connect(&provider, &RAZ::Actions::Provider::actionConfirmationRequired, this,
            [&asked](RAZ::Actions::Action&) { ++asked; });
    auto* first = comms->commsList().at(0);
    auto* second = comms->commsList().at(1);
    provider.setActionSource(first);
    QVERIFY(provider.trigger(Action::DesktopShare));
    QCOMPARE(asked, 0);
    QVERIFY(first->webCollabActive());
    provider.setActionSource(second);
    QVERIFY(provider.trigger(Action::DesktopShare));
    QCOMPARE(asked, 1);
    QVERIFY(!second->webCollabActive());
    provider.getActionById(Action::DesktopShare)->reject();
    provider.getActionById(Action::DesktopShare)->trigger();  // nothing waits any more: asks again
    QCOMPARE(asked, 2);
    provider.getActionById(Action::DesktopShare)->trigger();  // the answer Yes
    QVERIFY(second->webCollabActive());
  }

  void enablersSwitchActions() {
    RAZ::Contacts::Contacts contacts;
    auto* contact =
        new RAZ::Contacts::IContact(7, {{"25", "a@x.example"}, {"2", "sip:a@x.example"}});
    QVERIFY(contacts.addContact(contact));
    RAZ::Actions::Provider provider(nullptr);
    provider.setAcceptedActions(
        {Action::Chat, Action::Call, Action::VideoCall, Action::SetFavourite, Action::Remove},
        false);
    provider.setActionSource(contact);
    RAZ::Actions::SessionEnabler session(nullptr);
    RAZ::Actions::DeviceWatcherEnabler camera;
    camera.init(false);
    RAZ::Actions::ContactModificationEnabler modification;
    provider.registerActionEnabler(&session);
    provider.registerActionEnabler(&camera);
    provider.registerActionEnabler(&modification);
    QAction call, video, remove;
    provider.linkQAction(&call, Action::Call);
    provider.linkQAction(&video, Action::VideoCall);
    provider.linkQAction(&remove, Action::Remove);
    QVERIFY(call.isEnabled());
    QVERIFY(!video.isEnabled());
    camera.cbDeviceChanged(true);
    QVERIFY(video.isEnabled());
    session.reconnectionStateChanged(nullptr, true);
    QVERIFY(!call.isEnabled());
    QVERIFY(remove.isEnabled());
    session.reconnectionStateChanged(nullptr, false);
    QVERIFY(call.isEnabled());
    modification.contactsReadOnlyChanged(true);
    QVERIFY(!remove.isEnabled());
    QVERIFY(!provider.getActionById(Action::Remove)->isEnabledByEnablers());
    QVERIFY(!provider.trigger(Action::Remove));
  }

  void favouritesAndGroupsSurviveSignOut() {
    SessionManagerBase* s = open("keeper");
    QVERIFY(s);
    RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts = s->contactsManager();
    QVERIFY(contacts->addToFavourites(102));
    QVERIFY(!contacts->addToFavourites(102));
    QVERIFY(contacts->removeFromFavourites(101));
    RAZ::Contacts::IGroup* friends = contacts->createGroup("  Friends ", {301, 202});
    QVERIFY(friends);
    QCOMPARE(friends->getName(), QString("Friends"));
    const int friendsId = friends->getId();
    QVERIFY(contacts->removeGroup(2));
    friends->moveFirst();
    QCOMPARE(friends->position(), 0);
    QVERIFY(contacts->isFirstPosition(friends->position()));
    QVERIFY(contacts->getContact(202)->getGroupIds() == QList<int>{friendsId});
    QVERIFY(signOut());

    s = open("keeper");
    QVERIFY(s);
    contacts = s->contactsManager();
    QVERIFY(contacts->getContact(102)->isFavourite());
    QVERIFY(!contacts->getContact(101)->isFavourite());
    QCOMPARE(contacts->groups().size(), 3);
    QCOMPARE(contacts->groups().first()->getName(), QString("Friends"));
    QVERIFY(!contacts->getGroup(2));
    QVERIFY(contacts->getContact(301)->getGroupIds().contains(friendsId));
    QVERIFY(signOut());

    // Another account has its own list.
    s = open("someone.else");
    QVERIFY(s);
    QVERIFY(s->contactsManager()->getGroup(2));
    QVERIFY(s->contactsManager()->getContact(101)->isFavourite());
  }

  // A whole book is grouped once, however many contacts it has: building it
  // per contact made signing in with a large book quadratic.
  void bookAddedAtOnceIsGroupedOnce() {
    SessionManagerBase* s = open();
    QVERIFY(s);
    RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts = s->contactsManager();
    RAZ::Contacts::ContactGroupsModel* model = contacts->groupsModel();
    const int before = model->rowCount();
    QSignalSpy resets(model, &QAbstractItemModel::modelReset);
    QList<RAZ::Contacts::IContact*> book;
    for (int i = 0; i < 40; ++i) {
      QVariantMap properties;
      properties.insert(QString::number(RAZ::Contacts::Properties::KeyFirstName),
                        QStringLiteral("Bulk%1").arg(39 - i, 2, 10, QLatin1Char('0')));
      properties.insert(QString::number(RAZ::Contacts::Properties::KeyLastName),
                        QStringLiteral("Aardvark"));
      book.append(new RAZ::Contacts::IContact(9000 + i, properties));
    }
    book.append(new RAZ::Contacts::IContact(9000, {}));  // an id in use: refused
    QCOMPARE(contacts->addContacts(book), 40);
    QCOMPARE(resets.count(), 1);
    QVERIFY(model->rowCount() > before);
    // Sorted by last name, then first: the new ones in order among themselves.
    QStringList firstNames;
    for (int row = 0; row < model->rowCount(); ++row) {
      const QString name =
          model->index(row, 0).data(RAZ::Contacts::Contacts::DisplayNameRole).toString();
      if (name.startsWith("Bulk")) firstNames << name;
    }
    QCOMPARE(firstNames.size(), 40);
    QStringList sorted = firstNames;
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(firstNames, sorted);
  }

  void groupedModelHeadersFilterAndFavourites() {
    SessionManagerBase* s = open();
    QVERIFY(s);
    RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts = s->contactsManager();
    RAZ::Contacts::ContactGroupsModel* model = contacts->groupsModel();
    // 3 headers; Leo is in two groups.
    QCOMPARE(model->rowCount(), 3 + 13);
    QVERIFY(model->index(0, 0).data(RAZ::Contacts::GroupRoles::IsGroupRole).toBool());
    QCOMPARE(model->index(0, 0).data(RAZ::Contacts::GroupRoles::GroupNameRole).toString(),
             QString("Team"));
    QCOMPARE(model->index(0, 0).data(RAZ::Contacts::GroupRoles::GroupTotalRole).toInt(), 6);
    // Sorted by last name: Duval first among the team.
    QCOMPARE(model->index(1, 0).data(RAZ::Contacts::Contacts::DisplayNameRole).toString(),
             QString("Chloe Duval"));
    model->setFilter(16);
    for (int row = 0; row < model->rowCount(); ++row)
      if (!model->index(row, 0).data(RAZ::Contacts::GroupRoles::IsGroupRole).toBool())
        QVERIFY(model->index(row, 0).data(RAZ::Contacts::Contacts::OnlineRole).toBool());
    const int hidden = model->rowCount();
    QVERIFY(Service::instance().changePresence(105, 10, "back"));
    QTRY_COMPARE(model->rowCount(), hidden + 1);
    model->setFilter(0);
    contacts->showFavouritesGroup(true);
    QCOMPARE(model->index(0, 0).data(RAZ::Contacts::GroupRoles::GroupIdRole).toInt(),
             RAZ::Contacts::IGroup::FavouritesId);
    QCOMPARE(model->index(0, 0).data(RAZ::Contacts::GroupRoles::GroupTotalRole).toInt(), 2);
    QVERIFY(contacts->addToFavourites(303));
    QCOMPARE(model->index(0, 0).data(RAZ::Contacts::GroupRoles::GroupTotalRole).toInt(), 3);
  }

  // A presence change touches its contact's rows and its sections' counts:
  // the list is never reset for it, and what it shows is what a fresh
  // build shows, offline contacts hidden or not.
  void presenceChangesTouchTheirOwnRows() {
    SessionManagerBase* s = open();
    QVERIFY(s);
    RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts = s->contactsManager();
    RAZ::Contacts::ContactGroupsModel* model = contacts->groupsModel();
    contacts->showFavouritesGroup(true);
    auto listing = [model] {
      QStringList rows;
      for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex i = model->index(row, 0);
        rows << (i.data(RAZ::Contacts::GroupRoles::IsGroupRole).toBool()
                     ? QStringLiteral("#%1 %2/%3")
                           .arg(i.data(RAZ::Contacts::GroupRoles::GroupNameRole).toString())
                           .arg(i.data(RAZ::Contacts::GroupRoles::GroupOnlineRole).toInt())
                           .arg(i.data(RAZ::Contacts::GroupRoles::GroupTotalRole).toInt())
                     : i.data(RAZ::Contacts::Contacts::DisplayNameRole).toString());
      }
      return rows;
    };
    // Contacts in two groups, a favourite, and ones in no group meet here.
    const QList<QPair<int, int>> changes = {{105, 10}, {303, 10}, {101, 2}, {303, 2},
                                            {203, 10}, {101, 10}, {105, 2}, {203, 2}};
    for (const int filter : {16, 0}) {
      model->setFilter(filter);
      QSignalSpy resets(model, &QAbstractItemModel::modelReset);
      for (const auto& change : changes) {
        QVERIFY(Service::instance().changePresence(change.first, change.second, QString()));
        QTRY_COMPARE(contacts->getContact(change.first)->getPresenceState(), change.second);
        const QStringList shown = listing();
        model->rebuild();
        QCOMPARE(shown, listing());
        resets.clear();
      }
      QVERIFY(Service::instance().changePresence(101, 2, QString()));
      QTRY_COMPARE(contacts->getContact(101)->getPresenceState(), 2);
      QVERIFY(Service::instance().changePresence(101, 10, QString()));
      QTRY_COMPARE(contacts->getContact(101)->getPresenceState(), 10);
      QCOMPARE(resets.count(), 0);
    }
  }

  void readOnlyListRefusesChanges() {
    SessionManagerBase* s = open();
    QVERIFY(s);
    RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts = s->contactsManager();
    QSignalSpy readOnly(contacts.data(), &RAZ::Contacts::Contacts::readOnlyChanged);
    QVERIFY(Service::instance().setContactsReadOnly(true));
    QVERIFY(readOnly.wait(ZentTest::kWaitMs));
    QVERIFY(!contacts->addToFavourites(102));
    QVERIFY(!contacts->createGroup("X", {}));
    QVERIFY(!contacts->removeGroup(1));
    QVERIFY(!contacts->getContact(101)->joinGroup(2));
    contacts->getGroup(1)->setName("Renamed");
    QCOMPARE(contacts->getGroup(1)->getName(), QString("Team"));
  }

  void historyCountsNewItems() {
    SessionManagerBase* s = open();
    QVERIFY(s);
    RAZ::Models::Timeline timeline(s->callLog(), s->contactsManager());
    QCOMPARE(timeline.rowCount(), Service::instance().callHistory().size());
    QCOMPARE(timeline.newCommsCount(), 3);  // two missed calls, one missed chat
    // Newest first; a number outside the list has a contact of its own.
    QCOMPARE(timeline.index(0, 0).data(RAZ::Models::Timeline::KindRole).toInt(),
             int(RAZ::Models::CallLog::Chat));
    QSignalSpy count(&timeline, &RAZ::Models::Timeline::newCommsCountChanged);
    QVERIFY(Service::instance().missedCall(0, "+4989555999"));
    QVERIFY(count.wait(ZentTest::kWaitMs));
    QCOMPARE(timeline.newCommsCount(), 4);
    RAZ::Models::TimelineEntry* entry = timeline.entryAt(0);
    QVERIFY(entry->getContact());
    QVERIFY(entry->getContact()->isTemporary());
    RAZ::Actions::Provider provider(nullptr);
    provider.setAcceptedActions({Action::Chat, Action::Call, Action::AddContact}, false);
    provider.setActionSource(entry);
    QCOMPARE(rowIds(provider), (QList<int>{2, 13}));

    RAZ::Models::TimelineFilter filter;
    filter.setSourceModel(&timeline);
    filter.setFlag(1);
    QCOMPARE(filter.rowCount(), 4);
    filter.setFlag(3);
    QCOMPARE(filter.rowCount(), 1);
    timeline.clearMissedCalls();
    QCOMPARE(timeline.newCommsCount(), 1);
    timeline.entryAt(1)->dismissUnreadMessages();
    QCOMPARE(timeline.newCommsCount(), 0);

    // An ended call is recorded.
    QVERIFY(
        Service::instance().incomingSession(101, RAZ::Controllers::CommunicationSession::KindCall));
    QTRY_COMPARE(s->commsSessionController()->commsList().size(), 1);
    const int rows = timeline.rowCount();
    s->commsSessionController()->closeSession(s->commsSessionController()->commsList().first());
    QCOMPARE(timeline.rowCount(), rows + 1);
    QCOMPARE(timeline.index(0, 0).data(RAZ::Models::Timeline::NameRole).toString(),
             QString("Alice Moreno"));
  }

  void presenceRequestsReachThePlatform() {
    SessionManagerBase* s = open();
    QVERIFY(s);
    RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts = s->contactsManager();
    QAbstractItemModel* requests = contacts->getModel(132);
    QCOMPARE(requests->rowCount(), 1);
    QVERIFY(Service::instance().presenceRequest(
        {{"id", 902}, {"first", "Nils"}, {"last", "Ek"}, {"jid", "nils@x.example"}}));
    QTRY_COMPARE(requests->rowCount(), 2);
    auto* mara = qobject_cast<RAZ::Contacts::IContact*>(
        requests->index(0, 0).data(RAZ::Contacts::Contacts::ContactObjectRole).value<QObject*>());
    auto* nils = qobject_cast<RAZ::Contacts::IContact*>(
        requests->index(1, 0).data(RAZ::Contacts::Contacts::ContactObjectRole).value<QObject*>());
    const int listed = contacts->contactIds().size();
    QVERIFY(mara->authorize(0));
    QVERIFY(mara->subscribe());
    QCOMPARE(requests->rowCount(), 1);
    QCOMPARE(contacts->contactIds().size(), listed + 1);
    const QVariant uri = nils->getProperty(2);
    nils->setIgnored(true);
    QCOMPARE(requests->rowCount(), 0);
    QCOMPARE(nils->getProperty(2), uri);  // ignoring touches no property
    QCOMPARE(contacts->contactIds().size(), listed + 1);
  }

  void synchronizerCompletesFromTheDirectory() {
    SessionManagerBase* s = open();
    QVERIFY(s);
    RAZ::Contacts::IContact* known =
        s->contactsManager()->createTemporaryContact({{"25", "nora.albrecht@demo.zent"}});
    RAZ::Contacts::ContactSynchronizer sync(s->contactSearchController(), true);
    QSignalSpy done(&sync, &RAZ::Contacts::ContactSynchronizer::syncDone);
    QVERIFY(sync.syncWithDirectory(known, 25));
    QVERIFY(!sync.syncWithDirectory(known, 25));  // one at a time
    QVERIFY(done.wait(ZentTest::kWaitMs));
    QCOMPARE(sync.getProperties().value("5").toString(), QString("Albrecht"));
    RAZ::Contacts::ContactSynchronizer miss(s->contactSearchController(), true);
    QSignalSpy error(&miss, &RAZ::Contacts::ContactSynchronizer::syncError);
    RAZ::Contacts::IContact* unknown =
        s->contactsManager()->createTemporaryContact({{"25", "nobody@nowhere.example"}});
    QVERIFY(miss.syncWithDirectory(unknown, 25));
    QVERIFY(error.wait(ZentTest::kWaitMs));
    QVERIFY(!miss.syncWithDirectory(nullptr, 25));
  }

  void phoneNumbers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("normalized");
    QTest::addColumn<bool>("valid");
    QTest::newRow("spaced") << "+49 (30) 100-101"
                            << "+4930100101" << true;
    QTest::newRow("star code") << "*21#"
                               << "*21#" << true;
    QTest::newRow("plus inside") << "1+2"
                                 << "1+2" << false;
    QTest::newRow("letters") << "call me"
                             << "call me" << false;
    QTest::newRow("one digit") << "5"
                               << "5" << false;
    QTest::newRow("empty") << ""
                           << "" << false;
  }
  void phoneNumbers() {
    QFETCH(QString, text);
    QFETCH(QString, normalized);
    QFETCH(bool, valid);
    QCOMPARE(RAZ::Utils::PhoneNumberParser::normalizePhoneNumber(text), normalized);
    QCOMPARE(RAZ::Utils::PhoneNumberParser::isValidPhoneNumber(text), valid);
  }

  void sipAddresses() {
    RAZ::Utils::SipUriParser parser;
    QCOMPARE(parser.normalize("<sip:a.b@demo.zent>"), QString("sip:a.b@demo.zent"));
    QCOMPARE(parser.normalize("a.b@demo.zent"), QString("sip:a.b@demo.zent"));
    QCOMPARE(parser.userPart("SIP:a.b@demo.zent"), QString("a.b"));
    QVERIFY(!parser.isValid("a.b"));
    QVERIFY(!parser.isValid("sip:@demo.zent"));
    // The whole text is the address: nothing after it, a line feed neither.
    QVERIFY(!parser.isValid("<sip:a.b@demo.zent\n>"));
    QCOMPARE(parser.parseUriTp("<a.b@demo.zent\n>"), QString());
    QVERIFY(!RAZ::Services::Xmpp::XmppJidValidator::isValidJid("a.b@demo.zent\n"));
  }
};

ZENT_TEST_MAIN(TestRazActions, QApplication)
#include "tst_raz_actions.moc"
