// The demo service below the windows: its contacts and scripted presence, the
// sign-in questions it asks, and the sessions, searches and rooms it serves.
#include "DemoFixture.h"
#include "TestSupport.h"

#include <RAZ/Client.h>
#include <RAZ/ConfigContainer.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/ChatInterface.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Controllers/Search/ContactSearch.h>
#include <RAZ/Controllers/XmppChatController.h>
#include <RAZ/Demo/DemoSession.h>
#include <RAZ/Demo/Service.h>
#include <RAZ/MediaEngine/CallControllerBase.h>
#include <RAZ/Presence/PresenceData.h>
#include <RAZ/Presence/PresenceState.h>
#include <RAZ/ProgramKey.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Utils/Credentials.h>
#include <RAZ/Utils/Path.h>
#include <RAZ/Xsi/CallSettingsStore.h>
#include <RAZ/Xsi/XsiCredentialsControl.h>
#include <TP/Crypto/Blowfish.h>

#include "Utils/PresenceState.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QDataStream>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include <memory>

using RAZ::Demo::Service;
using RAZ::Sessions::SessionManagerBase;

namespace {

// Stands in for the application's prompt slots, with its signatures.
class Prompts : public QObject {
  Q_OBJECT
 public:
  int forced = 0, daysLeftCalls = 0, lastDays = 0, versions = 0, disclaimers = 0, proxies = 0;
  QUrl lastUrl;
  bool lastMandatory = false;
  bool answerProxy = true;
  QObject* proxyReceiver = nullptr;
 public slots:
  void showForcedLogoutDialog() { ++forced; }
  void xsiCredentialsDaysLeft(int days) {
    ++daysLeftCalls;
    lastDays = days;
  }
  void newVersionFound(bool mandatory, const QUrl& url) {
    ++versions;
    lastMandatory = mandatory;
    lastUrl = url;
  }
  void onShowDisclaimerDialog() { ++disclaimers; }
  void onRequestProxyCredentials(bool noPrompt, const QString& user, const QString&, bool,
                                 QObject* receiver, const QString& replySlot) {
    ++proxies;
    proxyReceiver = receiver;
    // As the application does: the method name from the slot signature.
    const QString method = replySlot.left(replySlot.indexOf('(')).mid(1);
    const QString password = noPrompt ? QString() : QStringLiteral("secret");
    QMetaObject::invokeMethod(receiver, method.toLatin1().constData(), Qt::QueuedConnection,
                              Q_ARG(QString, noPrompt ? QString() : user),
                              Q_ARG(QString, password));
  }
};

}  // namespace

class TestDemoService : public QObject {
  Q_OBJECT

 private:
  ZentTest::DemoFixture m_demo;

  SessionManagerBase* open() { return m_demo.signIn(); }

  QAbstractItemModel* contactList(SessionManagerBase* s) {
    return s->contactsManager()->getModel(RAZ::Contacts::Contacts::ContactListKind);
  }

  int rowOf(QAbstractItemModel* model, int id) {
    for (int row = 0; row < model->rowCount(); ++row)
      if (model->index(row, 0).data(RAZ::Contacts::Contacts::IdRole).toInt() == id) return row;
    return -1;
  }

 private slots:
  void initTestCase() { REQUIRE(m_demo.start("ZentDemoServiceTest")); }

  void init() {
    REQUIRE(m_demo.startClient());
    QCOMPARE(Service::instance().client(), m_demo.client());
  }

  void cleanup() { m_demo.stopClient(); }

  void demoDataFromTheResources() {
    Service& s = Service::instance();
    QCOMPARE(s.contacts().size(), 12);
    QCOMPARE(s.groups().size(), 3);
    QVERIFY(s.callHistory().size() >= 5);
    QVERIFY(s.directory().size() >= 5);
    QCOMPARE(s.chatRooms().size(), 3);
    QVERIFY(s.callSettings().contains("callForwardingBusy"));
    for (const QVariantMap& c : s.contacts()) {
      QVERIFY(c.value("id").toInt() > 0);
      const int presence = c.value("presence").toInt();
      QVERIFY(RAZ::Presence::PresenceState::isValid(presence));
    }
  }

  void contactModelsAndRoles() {
    SessionManagerBase* session = open();
    QVERIFY(session);
    RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts = session->contactsManager();
    QAbstractItemModel* list = contactList(session);
    QVERIFY(list);
    QCOMPARE(list->rowCount(), 12);
    const int alice = rowOf(list, 101);
    QVERIFY(alice >= 0);
    const QModelIndex i = list->index(alice, 0);
    QCOMPARE(i.data(RAZ::Contacts::Contacts::IdRole).type(), QVariant::Int);
    QCOMPARE(i.data(RAZ::Contacts::Contacts::OnlineRole).toBool(), true);
    QCOMPARE(i.data(Qt::DisplayRole).toString(), QString("Alice Moreno"));
    QCOMPARE(i.data(RAZ::Contacts::Contacts::PresenceStateRole).toInt(), 10);
    QCOMPARE(i.data(RAZ::Contacts::Contacts::StatusTextRole).toString(),
             QString("Reviewing the release notes"));
    QVERIFY(qobject_cast<RAZ::Contacts::IContact*>(
        i.data(RAZ::Contacts::Contacts::ContactObjectRole).value<QObject*>()));
    QVERIFY(list->roleNames().values().contains("online"));
    const QModelIndex esther = list->index(rowOf(list, 105), 0);
    QCOMPARE(esther.data(RAZ::Contacts::Contacts::OnlineRole).toBool(), false);
    QVERIFY(esther.data(RAZ::Contacts::Contacts::OnlineRole).isValid());

    QAbstractItemModel* online = contacts->getModel(17);
    int onlineCount = 0;
    for (int r = 0; r < list->rowCount(); ++r)
      onlineCount += list->index(r, 0).data(RAZ::Contacts::Contacts::OnlineRole).toBool();
    QCOMPARE(online->rowCount(), onlineCount);
    QCOMPARE(contacts->getModel(2)->rowCount(), 3);
    QCOMPARE(contacts->getModel(132)->rowCount(), 1);
    QCOMPARE(contacts->getModel(99), nullptr);

    RAZ::Contacts::ContactPtr contact = contacts->getContact(101);
    QVERIFY(contact);
    QCOMPARE(contact->property("displayName").toString(), QString("Alice Moreno"));
    QCOMPARE(contact->property("name").toString(), QString("Alice Moreno"));
    QCOMPARE(contact->property("avatarUrl").toString(), QString());
    QVERIFY(!contacts->getContact(4242));
    QVERIFY(contacts->getGroup(1));
    QCOMPARE(contacts->getGroup(1)->getName(), QString("Team"));

    // The own presence, driven as the add-in controller drives it.
    RAZ::Presence::PresenceData* own = contacts->ownPresence();
    QVERIFY(own);
    QObject api;
    QVERIFY(QMetaObject::invokeMethod(own, "publishInternalPresence",
                                      Q_ARG(int, Utils::PresenceState::Away)));
    QCOMPARE(own->state(), int(Utils::PresenceState::Away));
    QVERIFY(QMetaObject::invokeMethod(own, "setStatusText", Q_ARG(QString, "Back soon")));
    QCOMPARE(own->statusText(), QString("Back soon"));
    own->publishInternalPresence(25);  // out of range, refused
    QCOMPARE(own->state(), int(Utils::PresenceState::Away));

    // The contacts manager pointer observes the session's lifetime.
    int closedCount = 0;
    connect(m_demo.client(), &RAZ::Client::sessionClosed, this,
            [&closedCount](RAZ::Sessions::SessionManagerBase&) { ++closedCount; });
    m_demo.client()->signOut();
    QTRY_COMPARE(closedCount, 1);
    QTRY_VERIFY(contacts.isNull());
    QVERIFY(!contact);
  }

  void scriptedPresenceChangeArrivesFromTheEventLoop() {
    QVERIFY(!Service::instance().changePresence(101, 2, QString()));  // no session
    SessionManagerBase* session = open();
    QAbstractItemModel* list = contactList(session);
    QSignalSpy changed(list, SIGNAL(dataChanged(QModelIndex, QModelIndex, QVector<int>)));
    QVERIFY(!Service::instance().changePresence(101, 20, QString()));
    QVERIFY(Service::instance().changePresence(101, 2, "Gone home"));
    QCOMPARE(changed.count(), 0);
    QVERIFY(changed.wait(ZentTest::kWaitMs));
    const QModelIndex i = list->index(rowOf(list, 101), 0);
    QCOMPARE(changed.first().at(0).toModelIndex(), i);
    QCOMPARE(i.data(RAZ::Contacts::Contacts::OnlineRole).toBool(), false);
    QCOMPARE(i.data(RAZ::Contacts::Contacts::StatusTextRole).toString(), QString("Gone home"));
  }

  // A demo presence change gives the contact a note that fits the new
  // state: a contact that turns busy no longer says it is available.
  void demoPresenceChangeCarriesAFittingNote() {
    SessionManagerBase* session = open();
    QVERIFY(session);
    auto* demo = qobject_cast<RAZ::Demo::DemoSession*>(session);
    QVERIFY(demo);
    RAZ::Contacts::Contacts* contacts = session->contactsManager().data();
    QHash<int, QPair<int, QString>> before;
    for (int id : contacts->contactIds())
      before.insert(id, {contacts->getContact(id)->getPresenceState(),
                         contacts->getContact(id)->getStatusText()});
    int changes = 0;
    QSet<int> statesSeen;
    for (int step = 0; step < 60; ++step) {
      demo->changeSomePresence();
      for (int id : contacts->contactIds()) {
        const int state = contacts->getContact(id)->getPresenceState();
        const QString note = contacts->getContact(id)->getStatusText();
        if (before.value(id) == qMakePair(state, note)) continue;
        ++changes;
        statesSeen.insert(state);
        const QStringList fitting = Service::presenceNotes(state);
        QVERIFY2(
            fitting.isEmpty() ? note.isEmpty() : fitting.contains(note),
            qPrintable(QString("contact %1, state %2, note \"%3\"").arg(id).arg(state).arg(note)));
        before.insert(id, {state, note});
      }
    }
    QVERIFY(changes >= 10);
    // Busy, available and offline states all came up.
    QVERIFY(statesSeen.contains(17));
    QVERIFY(statesSeen.contains(10));
    QVERIFY(statesSeen.contains(2));
    for (int busy : {11, 16, 17, 18, 19})
      QVERIFY(!Service::presenceNotes(busy).contains("Available for the demo call"));
  }

  // ZENT_DEMO_CONTACTS=N: N generated contacts in place of the hand-written
  // ones; anything that is not a positive number keeps the hand-written set.
  void generatedContacts_data() {
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("unset") << QByteArray() << 12;
    QTest::newRow("zero") << QByteArray("0") << 12;
    QTest::newRow("negative") << QByteArray("-5") << 12;
    QTest::newRow("not a number") << QByteArray("many") << 12;
    QTest::newRow("one") << QByteArray("1") << 1;
    QTest::newRow("three hundred") << QByteArray("300") << 300;
    QTest::newRow("five thousand") << QByteArray("5000") << 5000;
  }

  void generatedContacts() {
    QFETCH(QByteArray, value);
    QFETCH(int, expected);
    if (value.isNull())
      qunsetenv("ZENT_DEMO_CONTACTS");
    else
      qputenv("ZENT_DEMO_CONTACTS", value);
    Service::instance().reset();
    const QList<QVariantMap> list = Service::instance().contacts();
    qunsetenv("ZENT_DEMO_CONTACTS");
    QCOMPARE(list.size(), expected);
    QSet<int> groupIds;
    for (const QVariantMap& g : Service::instance().groups())
      groupIds.insert(g.value("id").toInt());
    QSet<int> ids;
    QSet<QString> addresses;
    for (const QVariantMap& c : list) {
      ids.insert(c.value("id").toInt());
      addresses.insert(c.value("jid").toString());
      QVERIFY(!c.value("first").toString().isEmpty());
      QVERIFY(!c.value("last").toString().isEmpty());
      QVERIFY(c.value("sip").toString().startsWith("sip:"));
      const int state = c.value("presence").toInt();
      QVERIFY(RAZ::Presence::PresenceState::isValid(state));
      const QVariantList groups = c.value("groups").toList();
      QVERIFY(!groups.isEmpty());
      for (const QVariant& g : groups) QVERIFY(groupIds.contains(g.toInt()));
      if (expected != 12) {
        QVERIFY(!c.value("work").toString().isEmpty());
        const QStringList fitting = Service::presenceNotes(state);
        const QString note = c.value("status").toString();
        QVERIFY(fitting.isEmpty() ? note.isEmpty() : fitting.contains(note));
      }
    }
    QCOMPARE(ids.size(), expected);
    QCOMPARE(addresses.size(), expected);
    // A session is built from them (the large book is left to the
    // benchmark: building it is slow under the sanitizers).
    if (expected <= 300) {
      qputenv("ZENT_DEMO_CONTACTS", value);
      Service::instance().reset();
      SessionManagerBase* session = open();
      qunsetenv("ZENT_DEMO_CONTACTS");
      QVERIFY(session);
      QCOMPARE(contactList(session)->rowCount(), expected);
    }
    Service::instance().reset();
  }

  void demoPresenceChangesAreRepeatableAndSwitchable() {
    Service::instance().setPresenceInterval(10);
    QList<QPair<int, int>> firstRun;
    for (int run = 0; run < 2; ++run) {
      SessionManagerBase* session = open();
      QVERIFY(session);
      RAZ::Contacts::Contacts* contacts = session->contactsManager().data();
      QSignalSpy spy(contacts, SIGNAL(contactPresenceChanged(int)));
      QList<QPair<int, int>> seen;
      // Changes to the same state report nothing; collect a few real ones.
      connect(contacts, &RAZ::Contacts::Contacts::contactPresenceChanged, this,
              [&seen, contacts](int id) {
                seen.append({id, contacts->getContact(id)->getPresenceState()});
              });
      Service::instance().setPresenceChanges(true);
      QTRY_VERIFY(seen.size() >= 3);
      Service::instance().setPresenceChanges(false);
      const int stopped = seen.size();
      QCoreApplication::processEvents();
      QCOMPARE(seen.size(), stopped);
      if (run == 0)
        firstRun = seen.mid(0, 3);
      else
        QCOMPARE(seen.mid(0, 3), firstRun);
      QVERIFY(m_demo.signOut());
    }
  }

  void forcedLogoutThenServerClose() {
    QVERIFY(!Service::instance().forceLogout());
    SessionManagerBase* session = open();
    Prompts prompts;
    QVERIFY(connect(session, SIGNAL(forceLogout()), &prompts, SLOT(showForcedLogoutDialog()),
                    Qt::QueuedConnection));
    QSignalSpy forced(session, SIGNAL(forceLogout()));
    int closedCount = 0;
    connect(m_demo.client(), &RAZ::Client::sessionClosed, this,
            [&closedCount](RAZ::Sessions::SessionManagerBase&) { ++closedCount; });
    QVERIFY(Service::instance().forceLogout());
    QCOMPARE(forced.count(), 0);
    QTRY_COMPARE(closedCount, 1);
    QCOMPARE(forced.count(), 1);
    QTRY_COMPARE(prompts.forced, 1);
    QVERIFY(!m_demo.client()->hasSession());
  }

  void passwordExpiryAndChange() {
    QVERIFY(!Service::instance().reportCredentialsDaysLeft(3));
    SessionManagerBase* session = open();
    Prompts prompts;
    RAZ::Xsi::XsiCredentialsControl* control = session->xsiCredentialsControl();
    QVERIFY(connect(control, SIGNAL(credentialsDaysLeft(int)), &prompts,
                    SLOT(xsiCredentialsDaysLeft(int))));
    // Without a scripted expiry the service reports none.
    control->updateCredentialsStatus();
    QCoreApplication::processEvents();
    QCOMPARE(prompts.daysLeftCalls, 0);
    QVERIFY(Service::instance().reportCredentialsDaysLeft(-1));
    QCOMPARE(prompts.daysLeftCalls, 0);
    QTRY_COMPARE(prompts.daysLeftCalls, 1);
    QCOMPARE(prompts.lastDays, -1);
    control->updateCredentialsStatus();  // asked again: the same answer
    QTRY_COMPARE(prompts.daysLeftCalls, 2);

    QSignalSpy result(control, SIGNAL(passwordChangeResult(bool, RAZ::Xsi::XsiErrorInfo)));
    control->changePassword("wrong", "new-one");
    QCOMPARE(result.count(), 0);
    QVERIFY(result.wait(ZentTest::kWaitMs));
    QCOMPARE(result.last().at(0).toBool(), false);
    QVERIFY(result.last().at(1).value<RAZ::Xsi::XsiErrorInfo>().isError());
    control->changePassword("demo", "new-one");
    QVERIFY(result.wait(ZentTest::kWaitMs));
    QCOMPARE(result.last().at(0).toBool(), true);
    control->updateCredentialsStatus();  // a new password no longer expires
    QCoreApplication::processEvents();
    QCOMPARE(prompts.daysLeftCalls, 2);
  }

  void newVersionOnlyOverHttp() {
    Prompts prompts;
    QVERIFY(connect(m_demo.client(), SIGNAL(newVersionFound(bool, QUrl)), &prompts,
                    SLOT(newVersionFound(bool, QUrl))));
    QVERIFY(!Service::instance().announceNewVersion(true, QUrl("file:///tmp/setup.sh")));
    QVERIFY(!Service::instance().announceNewVersion(true, QUrl("javascript:alert(1)")));
    QVERIFY(!Service::instance().announceNewVersion(true, QUrl("file://host/tmp/setup.sh")));
    QVERIFY(!Service::instance().announceNewVersion(true, QUrl("javascript://host/%0Aalert(1)")));
    QVERIFY(!Service::instance().announceNewVersion(false, QUrl("https://")));
    QVERIFY(
        Service::instance().announceNewVersion(true, QUrl("https://updates.demo.zent/zent.msi")));
    QCOMPARE(prompts.versions, 0);
    QTRY_COMPARE(prompts.versions, 1);
    QCOMPARE(prompts.lastMandatory, true);
    QCOMPARE(prompts.lastUrl, QUrl("https://updates.demo.zent/zent.msi"));
    QVERIFY(Service::instance().announceNewVersion(false, QUrl("HTTP://updates.demo.zent/")));
    QTRY_COMPARE(prompts.versions, 2);
    QCoreApplication::processEvents();
    QCOMPARE(prompts.versions, 2);
  }

  void proxyCredentialsAnswerGoesBackToTheCaller() {
    Prompts prompts;
    QVERIFY(connect(
        m_demo.client(),
        SIGNAL(requestProxyCredentials(bool, QString, QString, bool, QObject*, QString)), &prompts,
        SLOT(onRequestProxyCredentials(bool, QString, QString, bool, QObject*, QString))));
    QSignalSpy received(&Service::instance(), SIGNAL(proxyCredentialsReceived(QString)));
    const int before = Service::instance().proxyAnswers();
    QVERIFY(Service::instance().requestProxyCredentials(false, "proxyuser", true));
    QCOMPARE(prompts.proxies, 0);
    QVERIFY(received.wait(ZentTest::kWaitMs));
    QCOMPARE(prompts.proxyReceiver, Service::instance().proxyCredentialsReceiver());
    QCOMPARE(Service::instance().proxyAnswers(), before + 1);
    QCOMPARE(Service::instance().lastProxyUser(), QString("proxyuser"));
    QVERIFY(Service::instance().lastProxyPasswordGiven());
    // No prompt: the application answers with two empty texts.
    QVERIFY(Service::instance().requestProxyCredentials(true, "proxyuser", false));
    QVERIFY(received.wait(ZentTest::kWaitMs));
    QCOMPARE(Service::instance().lastProxyUser(), QString());
    QVERIFY(!Service::instance().lastProxyPasswordGiven());
  }

  void disclaimerAnswerIsRecorded() {
    Prompts prompts;
    QVERIFY(connect(m_demo.client(), SIGNAL(showDisclaimerDialog()), &prompts,
                    SLOT(onShowDisclaimerDialog())));
    QVERIFY(Service::instance().showDisclaimer());
    QCOMPARE(prompts.disclaimers, 0);
    QTRY_COMPARE(prompts.disclaimers, 1);
    // The application forwards its own signals to the client's, signal to signal.
    QObject app;
    QVERIFY(QMetaObject::invokeMethod(m_demo.client(), "disclaimerAccepted"));
    QVERIFY(m_demo.client()->isDisclaimerAccepted());
    QVERIFY(QMetaObject::invokeMethod(m_demo.client(), "disclaimerRejected"));
    QVERIFY(!m_demo.client()->isDisclaimerAccepted());
  }

  void incomingCommunicationSession() {
    QVERIFY(!Service::instance().incomingSession(101,
                                                 RAZ::Controllers::CommunicationSession::KindCall));
    SessionManagerBase* session = open();
    QObject* comms = session->commsSessionController();
    QSignalSpy created(comms,
                       SIGNAL(sessionCreated(RAZ::Controllers::CommunicationSession*, bool)));
    QVERIFY(Service::instance().incomingSession(
        201, RAZ::Controllers::CommunicationSession::KindVideoCall));
    QCOMPARE(created.count(), 0);
    QVERIFY(created.wait(ZentTest::kWaitMs));
    auto* incoming = qvariant_cast<RAZ::Controllers::CommunicationSession*>(created.first().at(0));
    QCOMPARE(created.first().at(1).toBool(), true);
    QCOMPARE(incoming->property("callerName").toString(), QString("Felix Brandt"));
    QCOMPARE(incoming->property("isVideoCall").toBool(), true);
    QCOMPARE(int(incoming->getCall()->getCallState()), 2);
    QCOMPARE(session->callController()->callCount(), 1);

    // A chat with an online party is answered.
    QVERIFY(
        Service::instance().incomingSession(101, RAZ::Controllers::CommunicationSession::KindChat));
    QVERIFY(created.wait(ZentTest::kWaitMs));
    auto* chat = qvariant_cast<RAZ::Controllers::CommunicationSession*>(created.last().at(0));
    RAZ::Controllers::ChatInterface* chatInterface = chat->getChatInterface();
    QVERIFY(chatInterface);
    QSignalSpy reply(chatInterface, SIGNAL(messageReceived(QString, QString)));
    QVERIFY(!chatInterface->sendMessage("  "));
    QVERIFY(chatInterface->sendMessage("Hello"));
    // The party may open with a greeting of its own: its answer is the one
    // that follows what was sent.
    const auto answer = [&reply] {
      for (const QList<QVariant>& r : reply)
        if (r.at(1).toString() == QLatin1String("Sounds good.")) return r.at(0).toString();
      return QString();
    };
    QTRY_VERIFY_WITH_TIMEOUT(!answer().isEmpty(), ZentTest::kWaitMs);
    // From the party's address, as a chat service sends it; the transcript
    // names the sender from its contact.
    QCOMPARE(answer(), chatInterface->peer());

    // Closing a session reports it and releases its call.
    auto* controller = session->commsSessionController();
    QPointer<RAZ::Controllers::CommunicationSession> guard(incoming);
    QPointer<RAZ::MediaEngine::CallBasePtr> call(incoming->getCall());
    QSignalSpy closed(incoming, SIGNAL(closed(RAZ::Controllers::CommunicationSession*)));
    controller->closeSession(incoming);
    QCOMPARE(closed.count(), 1);
    QCOMPARE(session->callController()->callCount(), 0);
    QTRY_VERIFY(guard.isNull());
    QVERIFY(call.isNull());
    QCOMPARE(controller->commsList().size(), 1);
  }

  // A dialled address reaches the contact that owns it, by any of its
  // numbers, its extension or its addresses; an address nobody owns is its
  // own party.
  void dialledAddressesReachTheirOwners_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("owner");
    QTest::newRow("work") << "+49 30 100101" << 101;
    QTest::newRow("mobile") << "+491701000101" << 101;
    QTest::newRow("extension") << "102" << 102;
    QTest::newRow("tel") << "tel:+49-30-100102" << 102;
    QTest::newRow("sip number") << "sip:103@demo.zent" << 103;
    QTest::newRow("sip address") << "sip:jonas.weber@home.example" << 301;
    QTest::newRow("nobody's") << "+4930999999" << 0;
    QTest::newRow("own room number") << "+1 555 0100" << 0;
  }
  void dialledAddressesReachTheirOwners() {
    QFETCH(QString, address);
    QFETCH(int, owner);
    SessionManagerBase* session = open();
    QVERIFY(session);
    RAZ::Controllers::CommsSessionController* comms = session->commsSessionController();
    comms->setPartiesAnswerCalls(false);
    RAZ::Contacts::IContact* dialled = session->contactsManager()->createTemporaryContact(
        {{QString::number(RAZ::Contacts::Properties::KeyWork), address}});
    comms->createCall({RAZ::Contacts::ContactPtr(dialled)}, RAZ::Contacts::Properties::KeyWork,
                      RAZ::Actions::Action::Call);
    QCOMPARE(comms->commsList().size(), 1);
    RAZ::Controllers::CommunicationSession* call = comms->commsList().first();
    QCOMPARE(call->uri(), address);
    if (owner) {
      QCOMPARE(call->contactId(), owner);
      QCOMPARE(call->getContact(), session->contactsManager()->getContact(owner).data());
    } else {
      QVERIFY(call->contactId() < 0);
      QVERIFY(!call->getContact() || call->getContact()->isTemporary());
    }
  }

  // What the service was told is in its store: a restart reads it back, a
  // reset forgets it, and a store that cannot be read is kept aside while
  // the service starts afresh.
  void theStoreOutlivesARestart() {
    Service& s = Service::instance();
    RAZ::Utils::Location::Info place;
    place.city = "Lisboa";
    s.setAccountState("Dora", {{"groups", QVariantList{QVariantMap{{"id", 7}, {"name", "Band"}}}}});
    s.setVoiceMails("dora@demo.zent", 3);
    s.setPublishedLocation("dora@demo.zent", place);
    s.notePresenceRequestAnswered("dora", 901);
    RAZ::Xsi::CallSettingsStore::instance().account("dora@demo.zent").alertAll = true;
    RAZ::Xsi::CallSettingsStore::instance().noteChanged();
    s.reloadStore();
    QCOMPARE(s.accountState("dora").value("groups").toList().value(0).toMap().value("name"),
             QVariant("Band"));
    QCOMPARE(s.voiceMails("Dora@demo.zent"), 3);
    QCOMPARE(s.publishedLocation("dora@demo.zent").city, QString("Lisboa"));
    QVERIFY(s.presenceRequestAnswered("DORA", 901));
    QVERIFY(RAZ::Xsi::CallSettingsStore::instance().account("dora@demo.zent").alertAll);

    QFile file(s.storePath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("not what the service wrote");
    file.close();
    s.reloadStore();
    QVERIFY(s.accountState("dora").isEmpty());
    QCOMPARE(s.voiceMails("dora@demo.zent"), 0);
    QVERIFY(QFile::exists(s.storePath() + ".unreadable"));

    s.setVoiceMails("dora@demo.zent", 1);
    s.reset();
    QVERIFY(!QFile::exists(s.storePath()));
    s.reloadStore();
    QCOMPARE(s.voiceMails("dora@demo.zent"), 0);
  }

  // A store nested far deeper than the service ever writes it (damaged, or
  // laid there) would overflow the stack of the stream reading it at every
  // sign-in: it is set aside unread, said once by the next session, and the
  // service starts afresh. A store set aside earlier is kept.
  void aStoreThatCannotBeReadSafelyIsSetAside() {
    Service& s = Service::instance();
    const auto nested = [](int depth) {
      QByteArray bytes;
      QDataStream out(&bytes, QIODevice::WriteOnly);
      out.setVersion(QDataStream::Qt_5_15);
      out << QByteArray("zent-demo-service") << qint32(1) << quint32(2) << QString("accounts");
      for (int i = 0; i < depth; ++i)
        out << quint32(QMetaType::QVariantMap) << qint8(0) << quint32(1) << QString("a");
      out << quint32(QMetaType::QVariantMap) << qint8(0) << quint32(0);
      out << QString("voiceMails") << quint32(QMetaType::QVariantMap) << qint8(0) << quint32(1)
          << QString("dora@demo.zent") << quint32(QMetaType::Int) << qint8(0) << qint32(5);
      return bytes;
    };
    // As deep as anything the service keeps: read.
    QVERIFY(ZentTest::writeFile(s.storePath(), nested(8)));
    s.reloadStore();
    QCOMPARE(s.voiceMails("dora@demo.zent"), 5);
    QVERIFY(s.takeStoreSetAside().isEmpty());

    const QString folder = QFileInfo(s.storePath()).absolutePath();
    const int asideBefore = QDir(folder).entryList({"demo-service.dat.unreadable*"}).size();
    const QByteArray deep = nested(200000);
    QVERIFY(ZentTest::writeFile(s.storePath(), deep));
    s.reloadStore();
    QCOMPARE(s.voiceMails("dora@demo.zent"), 0);
    QCOMPARE(QDir(folder).entryList({"demo-service.dat.unreadable*"}).size(), asideBefore + 1);
    SessionManagerBase* session = open();
    const QString aside = session->keptDataSetAside();
    QVERIFY2(aside.startsWith(s.storePath() + ".unreadable"), qPrintable(aside));
    QCOMPARE(ZentTest::readFile(aside), deep);
    QVERIFY(s.takeStoreSetAside().isEmpty());
    // The account starts afresh, from the demo data.
    QCOMPARE(contactList(session)->rowCount() > 0, true);
  }

  // On a full disk (a small disk of its own over the data folder) what the
  // service was told stays in memory, the session says the store was not
  // saved, and it is written on the timer once there is room again.
  void aFullDiskKeepsTheStorePending() {
    Service& s = Service::instance();
    SessionManagerBase* session = open();
    QSignalSpy notSaved(session, SIGNAL(keptDataNotSaved(QString)));
    ZentTest::SmallDisk disk(QFileInfo(s.storePath()).absolutePath(), 256);
    if (!disk.mounted()) QSKIP(qPrintable(disk.skipReason()));
    s.setVoiceMails("dora@demo.zent", 1);
    QVERIFY(QFile::exists(s.storePath()));
    QVERIFY(disk.fill());
    s.setVoiceMails("dora@demo.zent", 4);
    QCOMPARE(notSaved.count(), 1);
    const QString said = notSaved.first().first().toString();
    QVERIFY2(said.startsWith(QDir::toNativeSeparators(s.storePath()) + ": "), qPrintable(said));
    QCOMPARE(s.voiceMails("dora@demo.zent"), 4);
    auto* retry = s.findChild<QTimer*>("storeRetry");
    QVERIFY(retry && retry->isActive());
    disk.free();
    retry->start(0);
    QTRY_VERIFY(!retry->isActive());
    retry->setInterval(Service::kStoreRetryMs);
    QCOMPARE(notSaved.count(), 1);
    // What the next start reads.
    s.reloadStore();
    QCOMPARE(s.voiceMails("dora@demo.zent"), 4);
    QCOMPARE(QDir(QFileInfo(s.storePath()).absolutePath()).entryList({"demo-service.dat*"}),
             QStringList{"demo-service.dat"});
  }

  // A party's chats are archived as one, whether they came from its SIP
  // address or went to its chat address, also where a store of an earlier
  // version kept them apart; a reset forgets them.
  void aPartysChatsAreArchivedAsOne() {
    Service& s = Service::instance();
    s.reset();
    const QDateTime first = QDateTime::currentDateTime().addSecs(-60);
    auto message = [&first](const QString& text, int secs) {
      return QVariantMap{
          {"direction", 1}, {"sender", QString()}, {"text", text}, {"time", first.addSecs(secs)}};
    };
    QFile file(s.storePath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    {
      QDataStream out(&file);
      out.setVersion(QDataStream::Qt_5_15);
      const QVariantMap apart{{"sip:ines.haddad@client.example", QVariantList{message("a", 0)}},
                              {"ines.haddad@client.example", QVariantList{message("b", 10)}}};
      out << QByteArray("zent-demo-service") << 1
          << QVariantMap{{"chatArchives", QVariantMap{{"dora@demo.zent", apart}}}};
    }
    file.close();
    s.reloadStore();
    const auto texts = [&s](const QString& peer) {
      QStringList found;
      for (const QVariantMap& m : s.chatArchive("dora@demo.zent", peer))
        found << m.value("text").toString();
      return found;
    };
    QCOMPARE(texts("Ines.Haddad@client.example"), (QStringList{"a", "b"}));
    QCOMPARE(texts("sip:ines.haddad@client.example"), (QStringList{"a", "b"}));
    s.archiveChatMessage("dora@demo.zent", "sip:ines.haddad@client.example", message("c", 20));
    s.reloadStore();
    QCOMPARE(texts("ines.haddad@client.example"), (QStringList{"a", "b", "c"}));
    s.reset();
    QVERIFY(texts("ines.haddad@client.example").isEmpty());
  }

  void directorySearchAndRooms() {
    SessionManagerBase* session = open();
    RAZ::Controllers::Search::ContactSearch* search = session->contactSearchController();
    QSignalSpy finished(search, SIGNAL(searchFinished(int, QList<QVariantMap>)));
    QCOMPARE(search->search("   "), 0);
    const int stale = search->search("o");
    const int id = search->search("ber");  // replaces the first
    QVERIFY(finished.wait(ZentTest::kWaitMs));
    QCoreApplication::processEvents();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().at(0).toInt(), id);
    QVERIFY(stale != id);
    const auto results = finished.first().at(1).value<QList<QVariantMap>>();
    QCOMPARE(results.size(), 1);
    QCOMPARE(results.first().value("name").toString(), QString("Oskar Berg"));

    RAZ::Controllers::XmppChatController* xmpp = session->xmppChatController();
    QCOMPARE(xmpp->roomsModel()->rowCount(), 3);
    xmpp->chatRoomsFilterModel()->setFilterFixedString("support");
    QCOMPARE(xmpp->chatRoomsFilterModel()->rowCount(), 1);
    QVERIFY(xmpp->kickParticipant("support@conference.demo.zent", "bob"));
    QVERIFY(!xmpp->kickParticipant("nowhere@conference.demo.zent", "bob"));
  }

  // The demo's own words (data, notes, the service's answers) are in the
  // catalogues and speak the language installed when the service makes
  // them: a session opened in Spanish keeps what it was given after a switch
  // to English; the next account's speaks English. Names of people stay as
  // they are.
  void demoTextsSpeakTheLanguageOfTheirMaking() {
    Service& s = Service::instance();
    QStringList texts;
    for (const QVariantMap& g : s.groups()) texts << g.value("name").toString();
    for (const QVariantMap& c : s.contacts()) texts << c.value("status").toString();
    for (const QVariantMap& r : s.chatRooms())
      texts << r.value("name").toString() << r.value("subject").toString();
    for (const QVariantMap& d : s.directory()) {
      texts << d.value("title").toString();
      if (d.value("jid").toString().isEmpty()) texts << d.value("name").toString();
    }
    for (const QVariant& l : s.callSettings().value("anywhereLocations").toList())
      texts << l.toMap().value("description").toString();
    texts.removeAll(QString());
    QVERIFY(texts.size() > 20);
    const QStringList known = Service::dataTexts();
    for (const QString& text : qAsConst(texts))
      QVERIFY2(known.contains(text), qPrintable(text + " is not in the catalogues"));

    auto spanish = std::make_unique<QTranslator>();
    QVERIFY(spanish->load("ui_es", qEnvironmentVariable("ZENT_DIST_DIR") + "/translations"));
    QVERIFY(QCoreApplication::installTranslator(spanish.get()));
    for (const QString& text : known)
      QVERIFY2(Service::say(text) != text, qPrintable(text + " has no Spanish"));
    QCOMPARE(Service::say("Alice Moreno"), QString("Alice Moreno"));
    SessionManagerBase* session = open();
    QVERIFY(session);
    RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts = session->contactsManager();
    QCOMPARE(contacts->getGroup(1)->getName(), QString("Equipo"));
    RAZ::Contacts::ContactPtr alice = contacts->getContact(101);
    QCOMPARE(alice->getDisplayName(), QString("Alice Moreno"));
    QCOMPARE(alice->presenceData()->statusText(), QString("Revisando las notas de la versión"));
    RAZ::Controllers::XmppChatController* xmpp = session->xmppChatController();
    QCOMPARE(xmpp->roomName("release-planning@conference.demo.zent"),
             QString("Planificación de versiones"));
    QCOMPARE(Service::presenceNotes(14), QStringList{"En una llamada"});
    // The service's answers too.
    RAZ::Xsi::XsiCredentialsControl* control = session->xsiCredentialsControl();
    QSignalSpy result(control, SIGNAL(passwordChangeResult(bool, RAZ::Xsi::XsiErrorInfo)));
    control->changePassword("wrong", "new-one");
    QVERIFY(result.wait(ZentTest::kWaitMs));
    QCOMPARE(result.last().at(1).value<RAZ::Xsi::XsiErrorInfo>().message,
             QString("La contraseña actual no es correcta."));

    spanish.reset();
    QCOMPARE(contacts->getGroup(1)->getName(), QString("Equipo"));
    QCOMPARE(alice->presenceData()->statusText(), QString("Revisando las notas de la versión"));
    QCOMPARE(Service::presenceNotes(14), QStringList{"On a call"});
    QVERIFY(m_demo.signOut());
    session = m_demo.signIn(QStringLiteral("another"));
    QVERIFY(session);
    QCOMPARE(session->contactsManager()->getGroup(1)->getName(), QString("Team"));
    QCOMPARE(session->xmppChatController()->roomName("release-planning@conference.demo.zent"),
             QString("Release planning"));
  }
};

ZENT_TEST_MAIN(TestDemoService, QApplication)
#include "tst_demo_service.moc"
