// The main window's popup menus and the action hub against the demo
// service: what each menu offers for a contact, a group, a history entry and
// a session in each state, how enablers switch entries, the hub's
// confirmations, and that one click runs one action.
#include "DemoFixture.h"
#include "SceneDriver.h"
#include "TestSupport.h"

#include <RAZ/Actions/Action.h>
#include <RAZ/Actions/Enablers.h>
#include <RAZ/Actions/Provider.h>
#include <RAZ/Actions/Source.h>
#include <RAZ/ApiProvider/ConnectorData.h>
#include <RAZ/ApiProvider/Controller.h>
#include <RAZ/Client.h>
#include <RAZ/ConfigContainer.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Demo/Service.h>
#include <RAZ/MediaEngine/CallControllerBase.h>
#include <RAZ/Models/Timeline.h>
#include <RAZ/Presence/PresenceData.h>
#include <RAZ/ProgramKey.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Settings.h>
#include <RAZ/Utils/Credentials.h>
#include <RAZ/Utils/Path.h>
#include <TP/Crypto/Blowfish.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>

#include "Providers/Factory.h"
#include "Providers/QmlProviders.h"
#include "Utils/ActionsHelper.h"
#include "Utils/AggregationEnabler.h"
#include "Utils/BadgeHandler.h"
#include "Utils/ConfigIds.h"
#include "Utils/MenuHandler.h"
#include "Utils/SessionStateWatcherEnabler.h"
#include "dialogs/MessageWindow.h"
#include "libqml/components/ConnectorNotification.h"
#include "libqml/components/PresenceRequestDialog.h"
#include "libqml/items/QmlClipboardAdapter.h"
#include "libqml/window/View.h"

using RAZ::Actions::Action;
using RAZ::Controllers::CommunicationSession;
using RAZ::Demo::Service;
using RAZ::Sessions::SessionManagerBase;

using ZentTest::describe;

namespace {

QAction* entry(QMenu* menu, const QString& text) {
  for (QAction* a : menu->actions())
    if (a->text() == text) return a;
  return nullptr;
}

}  // namespace

class TestUiMenus : public QObject {
  Q_OBJECT

 private:
  ZentTest::DemoFixture m_demo;
  QTemporaryDir m_settingsDir;
  SessionManagerBase* m_session = nullptr;
  std::unique_ptr<Providers::Factory> m_factory;
  std::unique_ptr<RAZ::Actions::ContactSourceComposite> m_contactSelection;
  std::unique_ptr<RAZ::Actions::ActiveCommsSourceComposite> m_activeSelection;
  std::unique_ptr<Utils::MenuHandler> m_handler;
  QList<QMenu*> m_menus;

  RAZ::Contacts::Contacts* contacts() { return m_session->contactsManager().data(); }
  RAZ::Contacts::IContact* contact(int id) { return contacts()->getContact(id).data(); }

  // The menu the handler hands over next (kept until cleanup).
  QMenu* lastMenu() { return m_menus.isEmpty() ? nullptr : m_menus.last(); }

  CommunicationSession* incoming(int contactId, CommunicationSession::Kind kind) {
    return m_demo.incoming(contactId, kind);
  }

 private slots:
  void initTestCase() {
    REQUIRE(m_demo.start("ZentUiMenusTest"));
    ZentTest::initScenes();
    QVERIFY(m_settingsDir.isValid());
    RAZ::Settings::setPath(RAZ::Settings::User, m_settingsDir.path());
    RAZ::Settings::setPath(RAZ::Settings::Application, m_settingsDir.path());
  }

  void init() {
    REQUIRE(m_demo.startClient());
    m_session = m_demo.signIn();
    QVERIFY(m_session);
    m_factory = std::make_unique<Providers::Factory>(m_session, m_session->contactsManager(),
                                                     nullptr, m_session->ftController(),
                                                     m_session->sipChatController());
    m_contactSelection = std::make_unique<RAZ::Actions::ContactSourceComposite>(nullptr);
    m_activeSelection = std::make_unique<RAZ::Actions::ActiveCommsSourceComposite>(nullptr);
    m_handler = std::make_unique<Utils::MenuHandler>(
        m_session, m_factory.get(), nullptr, m_session->configuration(), m_activeSelection.get(),
        m_contactSelection.get(), nullptr, nullptr, nullptr);
    connect(m_handler.get(), &Utils::MenuHandler::openMenu, this,
            [this](QMenu* menu) { m_menus << menu; });
  }

  void cleanup() {
    qDeleteAll(m_menus);
    m_menus.clear();
    m_handler.reset();
    m_contactSelection.reset();
    m_activeSelection.reset();
    m_factory.reset();
    m_demo.stopClient();
  }

  // Each Outlook question names the program and, answered Yes, lets the
  // session go on; once the user's answer is stored nothing is asked.
  void outlookQuestionsAskUntilAnswered() {
    m_handler.reset();
    m_factory.reset();
    m_demo.stopClient();
    REQUIRE(m_demo.startClient());
    m_session = m_demo.signIn(QStringLiteral("tester"),
                              m_demo.ownConfig({{Utils::ConfigId::OutlookContactSearch, true}}));
    QVERIFY(m_session);
    Providers::Factory factory(m_session, m_session->contactsManager(), nullptr,
                               m_session->ftController(), m_session->sipChatController());
    RAZ::Settings(RAZ::Settings::User).remove(QStringLiteral("settings/outlook_search_enabled"));
    QVERIFY(factory.isOutlookFirstRunNeeded());
    QSignalSpy accepted(&factory, SIGNAL(outlookFirstRunQueryAccepted()));
    QSignalSpy ready(&factory, SIGNAL(readyToProcessOutlook()));
    QStringList asked;
    auto note = [&asked](Dialogs::MessageWindow* w) {
      QStringList texts;
      for (QLabel* label : w->findChildren<QLabel*>()) texts << label->text();
      asked << w->windowTitle() + ": " + texts.join(' ');
    };
    ZentTest::answerNextMessage(QDialogButtonBox::Yes, note);
    factory.showOutlookFirstRunDialog();
    QTRY_COMPARE(accepted.count(), 1);
    ZentTest::answerNextMessage(QDialogButtonBox::Yes, note);
    factory.showOutlookAcceptanceDialog(true);
    QTRY_COMPARE(asked.size(), 2);
    QVERIFY2(asked.at(0).startsWith("Outlook integration: "), qPrintable(asked.at(0)));
    QVERIFY2(asked.at(1).startsWith("Outlook detected: "), qPrintable(asked.at(1)));
    for (const QString& question : asked)
      QVERIFY2(question.contains(QCoreApplication::applicationName()) && !question.contains("%1"),
               qPrintable(question));
    QCOMPARE(ready.count(), 0);

    // Answered: both go straight on.
    RAZ::Settings(RAZ::Settings::User)
        .setValue(QStringLiteral("settings/outlook_search_enabled"), true);
    factory.showOutlookFirstRunDialog();
    factory.showOutlookAcceptanceDialog(true);
    QCOMPARE(accepted.count(), 2);
    QCOMPARE(ready.count(), 1);
    QCOMPARE(asked.size(), 2);
  }

  void contactMenus_data() {
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("favourite contact with three numbers") << QList<int>{101}
                                                          << QStringList{"Call[3]",
                                                                         "Chat",
                                                                         "Video Call",
                                                                         "Add to Group[2]",
                                                                         "Remove from Group[1]",
                                                                         "-",
                                                                         "View Profile",
                                                                         "Edit Profile",
                                                                         "Call from Phone[3]",
                                                                         "Email",
                                                                         "-",
                                                                         "Remove from Favorites",
                                                                         "Unsubscribe",
                                                                         "Remove"};
    QTest::newRow("contact in two groups, no mobile") << QList<int>{303}
                                                      << QStringList{"Call[1]",
                                                                     "Chat",
                                                                     "Video Call",
                                                                     "Add to Group[1]",
                                                                     "Remove from Group[2]",
                                                                     "-",
                                                                     "View Profile",
                                                                     "Edit Profile",
                                                                     "Call from Phone[1]",
                                                                     "-",
                                                                     "Set as Favorite",
                                                                     "Unsubscribe",
                                                                     "Remove"};
    QTest::newRow("two contacts sharing a group") << QList<int>{101, 102}
                                                  << QStringList{"Call",
                                                                 "Chat",
                                                                 "Video Call",
                                                                 "Add to Group[2]",
                                                                 "Remove from Group[1]",
                                                                 "-",
                                                                 "Remove Contacts",
                                                                 "-",
                                                                 "View Profile",
                                                                 "Edit Profile",
                                                                 "Call from Phone",
                                                                 "Email",
                                                                 "Unsubscribe",
                                                                 "Remove"};
    QTest::newRow("two contacts, no group in common") << QList<int>{101, 201}
                                                      << QStringList{"Call",
                                                                     "Chat",
                                                                     "Video Call",
                                                                     "Add to Group[3]",
                                                                     "*Remove from Group[0]",
                                                                     "-",
                                                                     "Remove Contacts",
                                                                     "-",
                                                                     "View Profile",
                                                                     "Edit Profile",
                                                                     "Call from Phone",
                                                                     "Email",
                                                                     "Unsubscribe",
                                                                     "Remove"};
  }
  void contactMenus() {
    QFETCH(QList<int>, selected);
    QFETCH(QStringList, expected);
    for (int id : selected) m_contactSelection->addSource(contact(id));
    m_handler->showPopupMenu();
    QCOMPARE(describe(lastMenu()), expected);
  }

  void contactInACallIsNotOfferedCalls() {
    QVERIFY(incoming(102, CommunicationSession::KindCall));
    m_contactSelection->addSource(contact(102));
    m_handler->showPopupMenu();
    const QStringList menu = describe(lastMenu());
    QVERIFY(menu.contains("Chat"));
    QVERIFY(!menu.contains("Call[2]"));
    QVERIFY(!menu.contains("Video Call"));
    QVERIFY(!menu.contains("Call from Phone[2]"));
  }

  void historyEntryMenus_data() {
    QTest::addColumn<bool>("newComms");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("new") << true
                         << QStringList{"Mark as Seen", "-",           "Call[1]",           "-",
                                        "View Profile", "Add Contact", "Call from Phone[1]"};
    QTest::newRow("seen") << false
                          << QStringList{"Call[1]", "-", "View Profile", "Add Contact",
                                         "Call from Phone[1]"};
  }
  void historyEntryMenus() {
    QFETCH(bool, newComms);
    QFETCH(QStringList, expected);
    RAZ::Models::Timeline timeline(m_session->callLog(), m_session->contactsManager());
    QVERIFY(Service::instance().missedCall(0, "+4989555999"));
    QTRY_COMPARE(timeline.newCommsCount(), 4);
    RAZ::Models::TimelineEntry* missed = timeline.entryAt(0);
    m_contactSelection->addSource(missed);
    m_handler->showPopupMenu(true, newComms);
    QCOMPARE(describe(lastMenu()), expected);
    if (!newComms) return;
    entry(lastMenu(), "Mark as Seen")->trigger();
    QCOMPARE(timeline.newCommsCount(), 3);
    QVERIFY(!missed->isNew());
  }

  void groupMenus_data() {
    QTest::addColumn<int>("groupId");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("first group") << 1 << false
                                 << QStringList{"Edit Team", "Remove Team", "-", "Move Down",
                                                "Move Last"};
    QTest::newRow("middle group") << 2 << false
                                  << QStringList{"Edit Customers", "Remove Customers", "-",
                                                 "Move First",     "Move Up",          "Move Down",
                                                 "Move Last"};
    QTest::newRow("last group") << 3 << false
                                << QStringList{"Edit Family", "Remove Family", "-", "Move First",
                                               "Move Up"};
    QTest::newRow("favourites") << RAZ::Contacts::IGroup::FavouritesId << false << QStringList{};
    QTest::newRow("read-only list") << 2 << true << QStringList{};
  }
  void groupMenus() {
    QFETCH(int, groupId);
    QFETCH(bool, readOnly);
    QFETCH(QStringList, expected);
    contacts()->setReadOnly(readOnly);
    m_handler->popupGroupMenu(QVariant::fromValue<QObject*>(contacts()->getGroup(groupId)));
    QVERIFY(lastMenu());  // the favourites group opens even without entries
    QCOMPARE(describe(lastMenu()), expected);
  }

  void groupEntriesAct() {
    RAZ::Settings(RAZ::Settings::User).setValue("settings/confirmations/removeGroup", true);
    m_handler->popupGroupMenu(QVariant::fromValue<QObject*>(contacts()->getGroup(2)));
    entry(lastMenu(), "Move First")->trigger();
    QCOMPARE(contacts()->groups().first()->getId(), 2);
    m_handler->popupGroupMenu(QVariant::fromValue<QObject*>(contacts()->getGroup(3)));
    // The removal question is not blocking: answered later, it removes.
    ZentTest::answerNextMessage(QDialogButtonBox::Yes, [](Dialogs::MessageWindow* w) {
      QCOMPARE(w->userData().toInt(), 3);
    });
    entry(lastMenu(), "Remove Family")->trigger();
    QTRY_VERIFY(!contacts()->getGroup(3));
    QVERIFY(!contact(301)->getGroupIds().contains(3));
  }

  void addToGroupFromTheContactMenu() {
    m_contactSelection->addSource(contact(101));
    m_handler->showPopupMenu();
    QAction* add = entry(lastMenu(), "Add to Group");
    QVERIFY(add && add->menu());
    QAction* customers = add->menu()->actions().first();
    QCOMPARE(customers->iconText(), QString("Customers"));
    QCOMPARE(customers->property("CONTACT_ID").toInt(), 101);
    customers->trigger();
    QVERIFY(contact(101)->getGroupIds().contains(2));
  }

  void sessionMenus_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<int>>("then");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("chat") << int(CommunicationSession::KindChat) << QList<int>{}
                          << QStringList{"Add Call",     "Add Video",    "-",
                                         "View Profile", "Edit Profile", "End Chats",
                                         "Share Desktop"};
    QTest::newRow("call") << int(CommunicationSession::KindCall) << QList<int>{}
                          << QStringList{"Add Chat",     "Add Video",    "-",
                                         "View Profile", "Edit Profile", "End All Calls",
                                         "Conference",   "Transfer",     "Share Desktop"};
    QTest::newRow("call and chat")
        << int(CommunicationSession::KindCall) << QList<int>{1}
        << QStringList{"Add Video", "-",          "View Profile", "Edit Profile", "End All Calls",
                       "End Chats", "Conference", "Transfer",     "Share Desktop"};
    QTest::newRow("call and share")
        << int(CommunicationSession::KindCall) << QList<int>{5}
        << QStringList{"Add Chat",     "Add Video",    "-",
                       "View Profile", "Edit Profile", "End All Calls",
                       "Conference",   "Transfer",     "Stop Share Desktop"};
  }
  void sessionMenus() {
    QFETCH(int, kind);
    QFETCH(QList<int>, then);
    QFETCH(QStringList, expected);
    CommunicationSession* session = incoming(101, static_cast<CommunicationSession::Kind>(kind));
    QVERIFY(session);
    for (int id : then) {
      m_activeSelection->addSource(session);
      m_handler->showActiveCommsPopupMenu();
      QAction* a = nullptr;
      for (QAction* e : lastMenu()->actions())
        if (e->text() == Utils::ActionsHelper::actionText(id, m_handler->actionProvider(), true))
          a = e;
      QVERIFY(a);
      a->trigger();
      m_activeSelection->clearSources();
    }
    m_activeSelection->addSource(session);
    QSignalSpy visible(m_handler.get(), &Utils::MenuHandler::activeCommsMenuVisibleChanged);
    m_handler->showActiveCommsPopupMenu();
    QVERIFY(m_handler->activeCommsMenuVisible());
    QCOMPARE(describe(lastMenu()), expected);
    delete m_menus.takeLast();
    QVERIFY(visible.wait(ZentTest::kWaitMs));  // queued: QML reads it once the menu is gone
    QVERIFY(!m_handler->activeCommsMenuVisible());
  }

  void enablersFollowTheSessionState() {
    m_contactSelection->addSource(contact(101));
    m_handler->showPopupMenu();
    QVERIFY(describe(lastMenu()).contains("Chat"));
    QVERIFY(Service::instance().setReconnecting(true));
    QTRY_VERIFY(m_session->isReconnecting());
    m_handler->showPopupMenu();
    QStringList menu = describe(lastMenu());
    QVERIFY(!menu.contains("Chat"));
    QVERIFY(!menu.contains("Call[3]"));
    QVERIFY(menu.contains("View Profile"));
    QVERIFY(Service::instance().setReconnecting(false));
    QTRY_VERIFY(!m_session->isReconnecting());
    QVERIFY(Service::instance().setSubSessionState(1, RAZ::Sessions::Session::Closed));
    QTRY_VERIFY(!m_session->subSession(1)->isConnected());
    m_handler->showPopupMenu();
    menu = describe(lastMenu());
    QVERIFY(!menu.contains("Chat"));  // chats need the XMPP connection
    QVERIFY(menu.contains("Call[3]"));
    // A read-only list: no removal, no favourites.
    QVERIFY(Service::instance().setContactsReadOnly(true));
    QTRY_VERIFY(contacts()->isReadOnly());
    m_handler->showPopupMenu();
    menu = describe(lastMenu());
    QVERIFY(!menu.contains("Remove"));
    QVERIFY(!menu.contains("Remove from Favorites"));
    QVERIFY(menu.contains("*Add to Group[0]"));
  }

  void watcherEnablerFollowsReconnection() {
    Utils::AggregationEnabler aggregation;
    QVERIFY(Service::instance().setReconnecting(true));
    QTRY_VERIFY(m_session->isReconnecting());
    Utils::SessionStateWatcherEnabler watcher(m_session, 2, nullptr);
    QVERIFY(!watcher.isEnabled());
    QVERIFY(watcher.connectAggregation(&aggregation));
    QVERIFY(!watcher.connectAggregation(nullptr));
    QVERIFY(!aggregation.isEnabled());
    QSignalSpy enabled(&watcher, &Utils::SessionStateWatcherEnabler::sessionEnabled);
    QVERIFY(Service::instance().setReconnecting(false));
    QVERIFY(enabled.wait(ZentTest::kWaitMs));
    QCOMPARE(enabled.count(), 1);
    QCOMPARE(enabled.last().first().toBool(), true);
    QVERIFY(aggregation.isEnabled());
    QVERIFY(Service::instance().setReconnecting(true));
    QVERIFY(enabled.wait(ZentTest::kWaitMs));
    QCOMPARE(enabled.last().first().toBool(), false);
    // Watching the XMPP connection as well.
    Utils::SessionStateWatcherEnabler xmpp(m_session, 1, nullptr);
    QVERIFY(Service::instance().setReconnecting(false));
    QSignalSpy xmppEnabled(&xmpp, &Utils::SessionStateWatcherEnabler::sessionEnabled);
    QVERIFY(xmppEnabled.wait(ZentTest::kWaitMs));
    QVERIFY(Service::instance().setSubSessionState(1, RAZ::Sessions::Session::Closed));
    QVERIFY(xmppEnabled.wait(ZentTest::kWaitMs));
    QCOMPARE(xmppEnabled.last().first().toBool(), false);
    // Born while the XSI connection is down: off until it comes back.
    const int xsiType = RAZ::Sessions::SubSession::TypeXsi;
    QVERIFY(Service::instance().setSubSessionState(xsiType, RAZ::Sessions::Session::Closed));
    QTRY_VERIFY(!m_session->subSession(xsiType)->isConnected());
    Utils::SessionStateWatcherEnabler xsi(m_session, xsiType, nullptr);
    QVERIFY(!xsi.isEnabled());
    QSignalSpy xsiEnabled(&xsi, &Utils::SessionStateWatcherEnabler::sessionEnabled);
    QVERIFY(Service::instance().setSubSessionState(xsiType, RAZ::Sessions::Session::Active));
    QVERIFY(xsiEnabled.wait(ZentTest::kWaitMs));
    QCOMPARE(xsiEnabled.count(), 1);
    QVERIFY(xsi.isEnabled());
  }

  void oneClickRunsOneAction() {
    m_contactSelection->addSource(contact(102));
    int hubSeen = 0;
    connect(m_handler.get(), &Utils::MenuHandler::commActionTriggered, this,
            [&hubSeen](RAZ::Actions::ActionData&) { ++hubSeen; });
    QSignalSpy created(m_session->commsSessionController(),
                       &RAZ::Controllers::CommsSessionController::sessionCreated);
    // Two menus built over the same provider link two entries: each runs once.
    m_handler->showPopupMenu();
    m_handler->showPopupMenu();
    entry(lastMenu(), "Chat")->trigger();
    QVERIFY(created.wait(ZentTest::kWaitMs));
    QCoreApplication::processEvents();
    QCOMPARE(created.count(), 1);
    QCOMPARE(hubSeen, 1);
    QCOMPARE(m_session->commsSessionController()->commsList().size(), 1);
  }

  void favouriteFromTheMenu() {
    m_contactSelection->addSource(contact(102));
    m_handler->showPopupMenu();
    entry(lastMenu(), "Set as Favorite")->trigger();
    QVERIFY(contact(102)->isFavourite());
    // From two selected contacts the hub does nothing.
    RAZ::Actions::ContactSourceComposite two(nullptr);
    two.addSource(contact(103));
    two.addSource(contact(104));
    RAZ::Actions::Provider* provider = m_factory->createActionProvider(&two);
    provider->setAcceptedActions({Action::SetFavourite}, false);
    provider->setActionSource(&two);
    QVERIFY(provider->trigger(Action::SetFavourite));
    QVERIFY(!contact(103)->isFavourite());
    QVERIFY(!contact(104)->isFavourite());
  }

  void removalIsConfirmedOnce_data() {
    QTest::addColumn<bool>("ask");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("removed");
    QTest::newRow("asked, yes") << true << int(QDialogButtonBox::Yes) << true;
    QTest::newRow("asked, no") << true << int(QDialogButtonBox::No) << false;
    QTest::newRow("never ask again") << false << 0 << true;
  }
  void removalIsConfirmedOnce() {
    QFETCH(bool, ask);
    QFETCH(int, answer);
    QFETCH(bool, removed);
    RAZ::Settings(RAZ::Settings::User).setValue("settings/confirmations/removeContact", ask);
    contact(203)->setNickname("A name that is much longer than thirty characters");
    int questions = 0;
    QString text;
    if (ask)
      ZentTest::answerNextMessage(static_cast<QDialogButtonBox::StandardButton>(answer),
                                  [&](Dialogs::MessageWindow* w) {
                                    ++questions;
                                    text = w->messageLabel()->text();
                                  });
    m_contactSelection->addSource(contact(203));
    m_handler->showPopupMenu();
    entry(lastMenu(), "Remove")->trigger();
    QCOMPARE(questions, ask ? 1 : 0);
    if (ask) QVERIFY(text.contains("A name that is much longer tha..."));
    QCoreApplication::processEvents();
    QCOMPARE(contacts()->getContact(203).isNull(), removed);
  }

  void presenceRequestsAreCompletedAndAnswered() {
    QML::PresenceRequestDialog dialog(m_session, m_session->contactsManager(), false);
    QAbstractItemModel* requests = dialog.model();
    QCOMPARE(requests->rowCount(), 1);
    QVERIFY(Service::instance().presenceRequest({{"id", 910}, {"jid", "oskar.berg@demo.zent"}}));
    QVERIFY(Service::instance().presenceRequest(
        {{"id", 911}, {"last", "Own name"}, {"jid", "paula.costa@demo.zent"}}));
    QVERIFY(Service::instance().presenceRequest({{"id", 912}, {"jid", "nobody@nowhere.example"}}));
    QTRY_COMPARE(requests->rowCount(), 4);
    QVERIFY(dialog.waitingSearches() <= 3);
    QTRY_COMPARE(dialog.waitingSearches(), 0);
    // Directory details are added; the contact's own values stay.
    RAZ::Contacts::IContact* oskar = contact(910);
    QCOMPARE(oskar->getProperty(35).toString(), QString("Support"));
    QCOMPARE(oskar->getProperty(5).toString(), QString("Berg"));
    QCOMPARE(contact(911)->getProperty(5).toString(), QString("Own name"));
    QCOMPARE(contact(912)->getProperties().size(), 1);  // a search error changes nothing
    // Accept lists the requester; Ignore drops the request only.
    const int listed = contacts()->contactIds().size();
    QVERIFY(dialog.add(oskar));
    dialog.ignore(contact(912));
    QCOMPARE(requests->rowCount(), 2);
    QCOMPARE(contacts()->contactIds().size(), listed + 1);
    QVERIFY(!dialog.add(&dialog));  // not a contact
  }

  void addinsAreDecidedInTheirWindow() {
    RAZ::ApiProvider::Controller api;
    QML::ConnectorNotification window(api.getModel(1), nullptr);
    QVERIFY(!window.isVisible());  // nothing waits
    QVERIFY(Service::instance().announceAddin("Desk Sync", "Acme", "Keeps the desk phone in step",
                                              "1.2"));
    QTRY_VERIFY(window.isVisible());
    QCOMPARE(window.size(), QSize(360, 200));
    QVERIFY(window.view()->rootObject());
    // What the row's Enable button does.
    auto* addin = qobject_cast<RAZ::ApiProvider::ConnectorData*>(
        api.getModel(1)
            ->index(0, 0)
            .data(RAZ::ApiProvider::ConnectorModel::ConnectorRole)
            .value<QObject*>());
    QVERIFY(addin);
    QCOMPARE(addin->vendor(), QString("Acme"));
    QVERIFY(addin->setProperty("state", int(RAZ::ApiProvider::ConnectorData::Accepted)));
    QCOMPARE(api.getModel(1)->rowCount(), 0);
    QVERIFY(!window.isVisible());
    auto* model = static_cast<RAZ::ApiProvider::ConnectorModel*>(api.getModel(1));
    QCOMPARE(model->decided().size(), 1);
    QCOMPARE(model->decided().first()->state(), RAZ::ApiProvider::ConnectorData::Accepted);
  }

  void shownNames() {
    QCOMPARE(Providers::Factory::shownName(QString(30, 'x')), QString(30, 'x'));
    QCOMPARE(Providers::Factory::shownName(QString(31, 'x')), QString(30, 'x') + "...");
  }

  void addMenu() {
    QSignalSpy visible(m_handler.get(), &Utils::MenuHandler::addMenuVisibleChanged);
    m_handler->showAddMenu();
    QVERIFY(m_handler->addMenuVisible());
    QCOMPARE(describe(lastMenu()),
             (QStringList{"Add Contact", "Add Conference Contact", "-", "Add Group"}));
    lastMenu()->aboutToHide();
    QVERIFY(!m_handler->addMenuVisible());
    QCOMPARE(visible.count(), 2);
    contacts()->setReadOnly(true);
    m_handler->showAddMenu();
    QCOMPARE(describe(lastMenu()),
             (QStringList{"*Add Contact", "*Add Conference Contact", "-", "*Add Group"}));
  }

  void historyAndOwnContactMenus() {
    RAZ::Models::Timeline timeline(m_session->callLog(), m_session->contactsManager());
    connect(m_handler.get(), SIGNAL(clearMissedCalls()), &timeline, SLOT(clearMissedCalls()));
    m_handler->showHistoryMenu();
    QCOMPARE(describe(lastMenu()),
             (QStringList{"Clear All Missed", "-", "Clear Missed Chats", "Clear Missed Calls"}));
    entry(lastMenu(), "Clear Missed Calls")->trigger();
    QCOMPARE(timeline.newCommsCount(), 1);

    m_handler->showOwnContactMenu(true);
    QCOMPARE(describe(lastMenu()), (QStringList{"Change Profile Photo", "Clear Profile Photo"}));
    contacts()->ownPresence()->publishInternalPresence(2, false);
    m_handler->showOwnContactMenu(false);
    QCOMPARE(describe(lastMenu()), (QStringList{"*Change Profile Photo", "*Clear Profile Photo"}));
  }

  void actionTexts_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("inCommunication");
    QTest::addColumn<QString>("text");
    QTest::newRow("chat") << 1 << false << "Chat";
    QTest::newRow("chat inside, not active") << 1 << true << "Add Chat";
    QTest::newRow("share") << 5 << true << "Share Desktop";
    QTest::newRow("park has none") << 17 << false << "";
    QTest::newRow("below range") << 0 << false << "";
    QTest::newRow("above range") << 26 << false << "";
    QTest::newRow("transfer") << 25 << true << "Transfer";
  }
  void actionTexts() {
    QFETCH(int, id);
    QFETCH(bool, inCommunication);
    QFETCH(QString, text);
    QCOMPARE(Utils::ActionsHelper::actionText(id, nullptr, inCommunication), text);
  }

  void providersOfTheScenes() {
    // Badge: new communications plus messages, a repeated count once.
    RAZ::Models::Timeline timeline(m_session->callLog(), m_session->contactsManager());
    QObject messages;
    Utils::BadgeHandler badge(&timeline, nullptr, nullptr);
    QCOMPARE(badge.badgeCount(), 3);
    QSignalSpy changed(&badge, &Utils::BadgeHandler::badgeCountChanged);
    badge.onMessages(2, QVariant());
    badge.onMessages(2, QVariant());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(badge.badgeCount(), 5);
    timeline.clearMissedHistory();
    QCOMPARE(badge.badgeCount(), 2);

    // Volume: applied from the settings at start, kept at the end.
    RAZ::Settings(RAZ::Settings::Application).setValue("mediaVolume/volumelevel", 35);
    auto* audio = m_session->callController()->GetMediaHandlerAudio();
    {
      Providers::MediaVolumeHelper volume(audio);
      QCOMPARE(volume.systemVolume(), 35);
      QSignalSpy muted(&volume, &Providers::MediaVolumeHelper::systemMuteChanged);
      QVERIFY(Service::instance().setSpeaker(60, true));
      QVERIFY(muted.wait(ZentTest::kWaitMs));
      QVERIFY(volume.systemMute());
      QCOMPARE(volume.systemVolume(), 60);
    }
    QCOMPARE(RAZ::Settings(RAZ::Settings::Application).value("mediaVolume/volumelevel").toInt(),
             60);
    Providers::MediaVolumeHelper none(nullptr);
    none.setSystemVolume(80);
    QCOMPARE(none.systemVolume(), 0);
    QVERIFY(!none.systemMute());

    // Profile pictures: shown, and written, from the first session on.
    RAZ::Settings(RAZ::Settings::User).remove("contactlist/showProfilePhotos");
    Providers::ProfilePictureHelper pictures;
    QVERIFY(pictures.showProfilePictures());
    QVERIFY(RAZ::Settings(RAZ::Settings::User).value("contactlist/showProfilePhotos").toBool());
    m_factory->showProfilePhotosTriggered(false);
    QVERIFY(!m_factory->profilePictureHelper()->showProfilePictures());

    QCOMPARE(Providers::ConfigXML::transferTypeOf("Blind"), QML::ConfigXML::NoCT);
    QCOMPARE(Providers::ConfigXML::transferTypeOf("full"), QML::ConfigXML::FullCT);
    QCOMPARE(QmlClipboardAdapter::dialpadText("+1 (2) 3 ext. 4"), QString("+1234"));
    QCOMPARE(QmlClipboardAdapter::dialpadText("1+2"), QString("12"));
    QCOMPARE(QmlClipboardAdapter::dialpadText("++1"), QString("+1"));
  }
};

ZENT_TEST_MAIN(TestUiMenus, QApplication)
#include "tst_ui_menus.moc"
