// A signed-in session: its states in order, sign-out and server-side close
// deleting every session object once, and the history database it keeps.
#include "DemoFixture.h"
#include "TestSupport.h"

#include <RAZ/Actions/Action.h>
#include <RAZ/Adapters/FactoryPtr.h>
#include <RAZ/ApiProvider/Controller.h>
#include <RAZ/Client.h>
#include <RAZ/ConfigContainer.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Controllers/FtController.h>
#include <RAZ/Controllers/IChatController.h>
#include <RAZ/Controllers/MyRoomController.h>
#include <RAZ/Controllers/Search/ContactSearch.h>
#include <RAZ/Controllers/XmppChatController.h>
#include <RAZ/Databases/Comms.h>
#include <RAZ/Demo/Service.h>
#include <RAZ/MediaEngine/CallBasePtr.h>
#include <RAZ/MediaEngine/CallControllerBase.h>
#include <RAZ/Models/Smileys.h>
#include <RAZ/Models/Timeline.h>
#include <RAZ/ProgramKey.h>
#include <RAZ/Services/Xmpp/XmppJidValidator.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Utils/Credentials.h>
#include <RAZ/Utils/FileWrites.h>
#include <RAZ/Utils/Location.h>
#include <RAZ/Utils/Path.h>
#include <RAZ/Utils/Validator.h>
#include <RAZ/Xsi/XsiCredentialsControl.h>
#include <TP/Crypto/Blowfish.h>

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

using RAZ::Actions::Action;
using RAZ::Sessions::SessionManagerBase;
using RAZ::Utils::Credentials::CredentialsData;
using RAZ::Utils::Credentials::UserCredentials;

namespace {

UserCredentials account(const QString& user, const QString& password) {
  CredentialsData data;
  data.setUsername(user);
  data.setPassword(password);
  UserCredentials credentials;
  credentials.setCredentials(0, data);
  return credentials;
}

// Records the client's signals in the order they arrive, through the string
// signatures the application uses, and looks at the session while each
// signal is delivered.
class Recorder : public QObject {
  Q_OBJECT
 public:
  QStringList events;
  QList<int> states;
  QPointer<SessionManagerBase> session;
  bool contactsAliveAtClose = false;
  QString dirAccount;
  bool insideCall = false;
  bool signalInsideCall = false;

  void note(const QString& e) {
    if (insideCall) signalInsideCall = true;
    events << e;
  }

 public slots:
  void sessionStateChange(RAZ::Sessions::SessionManagerBase*, RAZ::Sessions::State state) {
    note("state");
    states << int(state);
  }
  void cbSessionOpened(RAZ::Sessions::SessionManagerBase& s) {
    note("opened");
    session = &s;
  }
  void cbSessionClosed(RAZ::Sessions::SessionManagerBase& s) {
    note("closed");
    contactsAliveAtClose = !s.contactsManager().isNull() && s.commsSessionController();
  }
  void cbSessionError(RAZ::Sessions::SessionManagerBase*, RAZ::Sessions::State state,
                      RAZ::Sessions::Error error) {
    note(QString("error %1/%2").arg(int(state)).arg(int(error)));
  }
  void ensureUserSettingsDirExists(QDir& dir, const QString& name) {
    note("dir");
    dirAccount = name;
    dir.setPath(dir.path() + "/" + RAZ::Utils::Path::accountFolderName(name));
  }
  void cbQuit() { note("quit"); }
};

}  // namespace

class TestRazSession : public QObject {
  Q_OBJECT

 private:
  ZentTest::DemoFixture m_demo;
  std::unique_ptr<Recorder> m_rec;

  [[nodiscard]] bool connectRecorder() {
    bool ok = true;
    RAZ::Client* c = m_demo.client();
    Recorder* r = m_rec.get();
    ok &= bool(connect(
        c, SIGNAL(sessionStateChange(RAZ::Sessions::SessionManagerBase*, RAZ::Sessions::State)), r,
        SLOT(sessionStateChange(RAZ::Sessions::SessionManagerBase*, RAZ::Sessions::State))));
    ok &= bool(connect(c, SIGNAL(sessionOpened(RAZ::Sessions::SessionManagerBase&)), r,
                       SLOT(cbSessionOpened(RAZ::Sessions::SessionManagerBase&))));
    ok &= bool(connect(c, SIGNAL(sessionClosed(RAZ::Sessions::SessionManagerBase&)), r,
                       SLOT(cbSessionClosed(RAZ::Sessions::SessionManagerBase&))));
    ok &= bool(connect(c,
                       SIGNAL(sessionError(RAZ::Sessions::SessionManagerBase*, RAZ::Sessions::State,
                                           RAZ::Sessions::Error)),
                       r,
                       SLOT(cbSessionError(RAZ::Sessions::SessionManagerBase*, RAZ::Sessions::State,
                                           RAZ::Sessions::Error))));
    ok &= bool(connect(c, SIGNAL(ensureUserSettingsDirExists(QDir&, QString)), r,
                       SLOT(ensureUserSettingsDirExists(QDir&, QString))));
    ok &= bool(connect(c, SIGNAL(quit()), r, SLOT(cbQuit())));
    return ok;
  }

  // Signs in with the demo password and waits for the open session.
  SessionManagerBase* openSession(const QString& user = "alice@demo.zent") {
    m_rec->session = nullptr;
    m_rec->insideCall = true;
    const bool started = m_demo.client()->signin(account(user, "demo"),
                                                 m_demo.client()->getConfig(), QString(), true);
    m_rec->insideCall = false;
    if (!started) return nullptr;
    QPointer<Recorder> rec(m_rec.get());
    if (!QTest::qWaitFor([rec] { return rec && rec->session; }, ZentTest::kWaitMs)) return nullptr;
    return m_rec->session;
  }

 private slots:
  void initTestCase() { REQUIRE(m_demo.start("ZentRazSessionTest")); }

  void init() {
    REQUIRE(m_demo.startClient({{ConfigId::CommsHistory, true}},
                               {":/sounds/busy.wav", ":/sounds/congestion.wav"}));
    m_rec = std::make_unique<Recorder>();
    QVERIFY(connectRecorder());
  }

  void cleanup() {
    m_demo.stopClient();
    m_rec.reset();
  }

  void successfulSigninReportsStatesInOrderFromTheEventLoop() {
    SessionManagerBase* session = openSession();
    QVERIFY(session);
    QVERIFY(!m_rec->signalInsideCall);
    QCOMPARE(m_rec->states, (QList<int>{1, 4, 5, 10, 11}));
    // The account folder is settled before the session is announced.
    QCOMPARE(m_rec->events.mid(m_rec->events.size() - 2), (QStringList{"dir", "opened"}));
    QCOMPARE(m_rec->dirAccount, QString("alice@demo.zent"));
    QCOMPARE(m_demo.client()->openSession(), session);
    QVERIFY(m_demo.client()->isXmppConnected());
    QCOMPARE(session->state(), RAZ::Sessions::StateSignedIn);

    // Every object the session offers exists in the demo, except Outlook.
    QCOMPARE(session->kind(), 1);
    QVERIFY(session->ownSipAddress());
    QCOMPARE(session->ownSipAddress()->toString(false), QString("sip:alice@demo.zent"));
    QVERIFY(session->contactsManager());
    QVERIFY(session->contactSearchController());
    QVERIFY(session->sipChatController());
    QVERIFY(session->xmppChatController());
    QVERIFY(session->myroomController());
    QVERIFY(session->xsiEngine());
    QCOMPARE(session->credentialsManager(), m_demo.client()->getCredentialsManager());
    QVERIFY(session->callController());
    QVERIFY(session->callController()->GetMediaHandlerAudio());
    QVERIFY(session->callController()->GetMediaHandlerVideo());
    QVERIFY(session->xsiCredentialsControl());
    QVERIFY(session->ftController());
    QVERIFY(session->commsSessionController());
    QVERIFY(session->locationPublisher());
    QCOMPARE(session->locationSources().size(), 1);
    QVERIFY(session->sessionClosingObject());
    QVERIFY(!session->messagesSource().isNull());
    QCOMPARE(session->outlookCalendarService(), nullptr);
    QCOMPARE(session->outlookContactService(), nullptr);
    QVERIFY(session->subSession(RAZ::Sessions::SubSession::TypeXmpp));

    // Only one session at a time.
    QVERIFY(!m_demo.client()->signin(account("bob", "demo"), nullptr, QString(), true));
  }

  void refusedSigninReportsTheAuthenticationError() {
    m_rec->insideCall = true;
    QVERIFY(m_demo.client()->signin(account("alice", "not-demo"), nullptr, QString(), true));
    m_rec->insideCall = false;
    QVERIFY(m_demo.client()->hasSession());
    QVERIFY(!m_demo.client()->openSession());
    QSignalSpy error(m_demo.client(),
                     SIGNAL(sessionError(RAZ::Sessions::SessionManagerBase*, RAZ::Sessions::State,
                                         RAZ::Sessions::Error)));
    QVERIFY(error.wait(ZentTest::kWaitMs));
    QVERIFY(!m_rec->signalInsideCall);
    QCOMPARE(m_rec->states, (QList<int>{1, 4, 5, 0}));
    QCOMPARE(m_rec->events.last(), QString("error 5/2"));
    QVERIFY(!m_rec->events.contains("opened"));
    QVERIFY(!m_rec->events.contains("dir"));
    QVERIFY(!m_demo.client()->hasSession());
    // The failed attempt is released after its report.
    auto* failed = qvariant_cast<SessionManagerBase*>(error.first().at(0));
    QPointer<SessionManagerBase> guard(failed);
    QTRY_VERIFY(guard.isNull());
  }

  void signOutClosesAsynchronouslyAndDeletesEverySessionObjectOnce() {
    SessionManagerBase* session = openSession();
    QVERIFY(session);
    // Watch every object the session owns.
    QList<QPointer<QObject>> owned;
    QMap<QObject*, int> destroyedCount;
    for (QObject* child : session->findChildren<QObject*>()) {
      owned << child;
      connect(child, &QObject::destroyed, this,
              [&destroyedCount](QObject* o) { ++destroyedCount[o]; });
    }
    QVERIFY(owned.size() > 10);
    QPointer<SessionManagerBase> guard(session);
    m_rec->events.clear();
    m_rec->states.clear();

    m_rec->insideCall = true;
    m_demo.signOutAction().trigger();
    m_rec->insideCall = false;
    QVERIFY(!m_rec->signalInsideCall);
    QCOMPARE(m_rec->events.size(), 0);
    QTRY_VERIFY(m_rec->events.contains("closed"));
    QCOMPARE(m_rec->states, (QList<int>{12, 13}));
    QVERIFY(!m_rec->events.contains("quit"));
    // The session's objects were all there while the close was delivered.
    QVERIFY(m_rec->contactsAliveAtClose);
    QVERIFY(!m_demo.client()->hasSession());
    QTRY_VERIFY(guard.isNull());
    for (const auto& p : owned) QVERIFY(p.isNull());
    QCOMPARE(destroyedCount.size(), owned.size());
    for (int count : destroyedCount) QCOMPARE(count, 1);

    // A new session can open afterwards.
    QVERIFY(openSession("bob"));
  }

  void serverSideCloseAndDroppedConnection() {
    QVERIFY(openSession());
    m_rec->events.clear();
    m_rec->states.clear();
    QVERIFY(RAZ::Demo::Service::instance().closeSessionFromServer());
    QCOMPARE(m_rec->events.size(), 0);
    QTRY_VERIFY(m_rec->events.contains("closed"));
    QCOMPARE(m_rec->states, (QList<int>{13}));  // no SigningOut
    QVERIFY(!m_rec->events.join(",").contains("error"));

    QPointer<SessionManagerBase> second(openSession());
    QVERIFY(second);
    m_rec->events.clear();
    QVERIFY(RAZ::Demo::Service::instance().dropConnection());
    QCOMPARE(m_rec->events.size(), 0);
    QTRY_VERIFY(m_rec->events.contains("closed"));
    QCOMPARE(m_rec->events.first(), QString("error 11/3"));
    QVERIFY(m_rec->events.indexOf("closed") > 0);
    QTRY_VERIFY(second.isNull());
    // Nothing to act on any more.
    QVERIFY(!RAZ::Demo::Service::instance().dropConnection());
    QVERIFY(!RAZ::Demo::Service::instance().closeSessionFromServer());
  }

  void exitSignsOutThenQuitsAndMaybeQuitWaits() {
    QVERIFY(openSession());
    m_demo.client()->maybeQuit();
    QVERIFY(!m_rec->events.contains("quit"));
    m_rec->events.clear();
    m_demo.exitAction().trigger();
    QCOMPARE(m_rec->events.size(), 0);
    QTRY_VERIFY(m_rec->events.contains("quit"));
    QVERIFY(m_rec->events.indexOf("closed") >= 0);
    QVERIFY(m_rec->events.indexOf("closed") < m_rec->events.indexOf("quit"));
    QCOMPARE(m_rec->events.count("quit"), 1);
    m_demo.client()->maybeQuit();
    QCOMPARE(m_rec->events.count("quit"), 2);
  }

  void destroyingTheClientWithAnOpenSessionIsSilent() {
    QPointer<SessionManagerBase> session(openSession());
    QVERIFY(session);
    m_rec->events.clear();
    m_demo.stopClient();
    QVERIFY(session.isNull());
    QCoreApplication::processEvents();
    QCOMPARE(m_rec->events.size(), 0);
  }

  void addInControllerBindsToTheSessionAndForwardsCommands() {
    SessionManagerBase* session = openSession();
    QVERIFY(session);
    RAZ::ApiProvider::Controller api;
    QVERIFY(!api.Initialize(nullptr, session, session->configuration()));
    QVERIFY(api.Initialize(session->contactsManager(), session, session->configuration()));
    QVERIFY(api.isInitialized());
    QObject* comms = session->commsSessionController();
    QVERIFY(connect(&api,
                    SIGNAL(createCall(QList<RAZ::Contacts::ContactPtr>,
                                      RAZ::Contacts::Properties::Key, RAZ::Actions::Action::Id)),
                    comms,
                    SLOT(createCall(QList<RAZ::Contacts::ContactPtr>,
                                    RAZ::Contacts::Properties::Key, RAZ::Actions::Action::Id))));
    QVERIFY(connect(&api, SIGNAL(createChat(QList<RAZ::Contacts::ContactPtr>)), comms,
                    SLOT(createChat(QList<RAZ::Contacts::ContactPtr>))));
    QVERIFY(connect(&api, SIGNAL(createMyRoomSession(RAZ::Contacts::Const::ContactPtr, QString)),
                    comms, SLOT(createMyRoomSession(RAZ::Contacts::Const::ContactPtr, QString))));
    QVERIFY(connect(&api, SIGNAL(createWebCollabSession(QStringList)), comms,
                    SLOT(createWebCollabSession(QStringList))));
    QSignalSpy created(comms,
                       SIGNAL(sessionCreated(RAZ::Controllers::CommunicationSession*, bool)));
    QSignalSpy ready(comms, SIGNAL(sessionReady(RAZ::Controllers::CommunicationSession*)));
    RAZ::Contacts::ContactPtr alice = session->contactsManager()->getContact(101);
    QVERIFY(alice);
    emit api.createCall({alice}, RAZ::Contacts::Properties::KeyWork, Action::VideoCall);
    QCOMPARE(created.count(), 0);
    QVERIFY(created.wait(ZentTest::kWaitMs));
    QCOMPARE(ready.count(), 1);
    auto* call = qvariant_cast<RAZ::Controllers::CommunicationSession*>(created.first().at(0));
    QCOMPARE(created.first().at(1).toBool(), false);
    QCOMPARE(call->property("isVideoCall").toBool(), true);
    QCOMPARE(call->property("contactName").toString(), QString("Alice Moreno"));
    QVERIFY(call->getCall());
    QCOMPARE(call->getCall()->remoteAddress(), QString("+4930100101"));

    emit api.createChat({alice, nullptr});
    QVERIFY(created.wait(ZentTest::kWaitMs));
    auto* chat = qvariant_cast<RAZ::Controllers::CommunicationSession*>(created.last().at(0));
    QVERIFY(chat->property("chatActive").toBool());
    emit api.createWebCollabSession({});
    emit api.createWebCollabSession({"felix.brandt@client.example"});
    QVERIFY(created.wait(ZentTest::kWaitMs));
    QCOMPARE(created.count(), 3);
    QCOMPARE(static_cast<RAZ::Controllers::CommsSessionController*>(comms)->commsList().size(), 3);
    api.Uninitialize();
    QVERIFY(!api.isInitialized());
  }

  void communicationDatabaseForTheUserOnly() {
    QTemporaryDir dir;
    RAZ::Databases::Comms comms;
    QSignalSpy changed(&comms, SIGNAL(databaseChanged()));
    QVERIFY(!comms.Initialize(QString(), new RAZ::Adapters::FactoryPtr("sip:a@b"), nullptr));
    QVERIFY(!comms.Initialize(dir.path() + "/comms.db", nullptr, nullptr));
    QVERIFY(!comms.hasDatabase());
    TP::Core::Refcounting::SmartPtr<RAZ::Adapters::FactoryPtr> factory(
        new RAZ::Adapters::FactoryPtr("sip:a@b"));
    QVERIFY(comms.Initialize(dir.path() + "/user/comms.db", factory, nullptr));
    QVERIFY(comms.hasDatabase());
    QCOMPARE(comms.ownAddress(), QString("sip:a@b"));
    QCOMPARE(QFile::permissions(dir.path() + "/user/comms.db") & 0x0077,
             QFileDevice::Permissions());
    QCOMPARE(factory->ReferenceCount(), 2u);
    comms.reset();
    QVERIFY(!comms.hasDatabase());
    QCOMPARE(factory->ReferenceCount(), 1u);
    QCOMPARE(changed.count(), 2);
  }

  // The history and its seen marks outlive the program: a new run with the
  // service's list as it was at the start finds the day as it was left.
  // Other users' histories in the same file stay; a damaged file is kept
  // aside (never emptied) and said; an empty one from before is no history.
  void communicationDatabaseKeepsTheHistory() {
    QTemporaryDir dir;
    const QString path = dir.path() + "/comms.db";
    auto record = [](const QString& name, int direction, bool isNew) {
      RAZ::Models::CallLog::Record r;
      r.name = name;
      r.address = "sip:" + name + "@demo.zent";
      r.direction = direction;
      r.start = QDateTime::currentDateTime().addSecs(-60);
      r.durationSec = 42;
      r.isNew = isNew;
      return r;
    };
    auto open = [&path](RAZ::Databases::Comms& db, RAZ::Models::CallLog& log,
                        const QString& owner = "sip:dora@demo.zent") {
      // What the service lists at every start: one missed call, new.
      log.add([] {
        RAZ::Models::CallLog::Record seed;
        seed.name = "seed";
        seed.direction = RAZ::Models::CallLog::Missed;
        seed.isNew = true;
        return seed;
      }());
      const bool ok = db.Initialize(path, new RAZ::Adapters::FactoryPtr(owner), nullptr);
      db.keepHistory(&log);
      return ok;
    };
    {
      RAZ::Databases::Comms db;
      RAZ::Models::CallLog log;
      QVERIFY(open(db, log));
      QCOMPARE(QFile::permissions(path) & 0x0077, QFileDevice::Permissions());
      log.setNew(log.records().first().id, false);
      log.add(record("bruno", RAZ::Models::CallLog::Outgoing, false));
      log.add(record("alice", RAZ::Models::CallLog::Missed, true));
    }  // the pending write is made as the program ends
    QVERIFY(!QFile::exists(path + ".new"));
    {
      RAZ::Databases::Comms db;
      RAZ::Models::CallLog log;
      RAZ::Models::Timeline timeline(&log, {});
      QVERIFY(open(db, log));
      QCOMPARE(db.loadProblem(), RAZ::Databases::Comms::LoadProblem::None);
      const auto records = log.records();
      QCOMPARE(records.size(), 3);
      QCOMPARE(timeline.rowCount(), 3);
      QCOMPARE(records.at(0).name, QString("seed"));
      QVERIFY(!records.at(0).isNew);
      QCOMPARE(records.at(1).name, QString("bruno"));
      QCOMPARE(records.at(1).direction, int(RAZ::Models::CallLog::Outgoing));
      QCOMPARE(records.at(1).durationSec, 42);
      QCOMPARE(records.at(2).name, QString("alice"));
      QVERIFY(records.at(2).isNew);
      QCOMPARE(log.newCount(), 1);
      // When it happened, to the millisecond, in local time.
      QVERIFY(records.at(2).start.isValid());
      QVERIFY(qAbs(records.at(2).start.secsTo(QDateTime::currentDateTime()) - 60) <= 5);
      // Another user of the same folder gets a history of its own.
      RAZ::Databases::Comms other;
      RAZ::Models::CallLog otherLog;
      QVERIFY(open(other, otherLog, "sip:eve@demo.zent"));
      QCOMPARE(otherLog.records().size(), 1);
      QVERIFY(other.save());
    }
    {
      RAZ::Databases::Comms db;
      RAZ::Models::CallLog log;
      QVERIFY(open(db, log));
      QCOMPARE(log.records().size(), 3);
    }

    // Damaged: kept aside as it was, said, and a new history begins.
    QFile damaged(path);
    QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("{\"version\":1,\"histories\":{\"sip:dora@demo.zent\":[{\"na");
    damaged.close();
    {
      RAZ::Databases::Comms db;
      RAZ::Models::CallLog log;
      QVERIFY(open(db, log));
      QCOMPARE(db.loadProblem(), RAZ::Databases::Comms::LoadProblem::NotADatabase);
      QCOMPARE(db.keptAs(), path + ".unreadable");
      QVERIFY(!db.savesBlocked());
      QCOMPARE(log.records().size(), 1);
      QVERIFY(db.save());
    }
    QFile aside(path + ".unreadable");
    QVERIFY(aside.open(QIODevice::ReadOnly));
    QVERIFY(aside.readAll().endsWith("{\"na"));
    // A second damaged file does not replace the first one kept.
    QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("not a database");
    damaged.close();
    {
      RAZ::Databases::Comms db;
      RAZ::Models::CallLog log;
      QVERIFY(open(db, log));
      QVERIFY(db.keptAs().startsWith(path + ".unreadable."));
    }
    QCOMPARE(QDir(dir.path()).entryList({"comms.db.unreadable*"}).size(), 2);

    // The empty file earlier versions left is no damage.
    QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.close();
    {
      RAZ::Databases::Comms db;
      RAZ::Models::CallLog log;
      QVERIFY(open(db, log));
      QCOMPARE(db.loadProblem(), RAZ::Databases::Comms::LoadProblem::None);
      QVERIFY(QFileInfo(path).size() > 0);
    }
    QCOMPARE(QDir(dir.path()).entryList({"comms.db.unreadable*"}).size(), 2);
  }

  // On a full disk (a small disk of its own) the history is not lost: what
  // could not be written stays pending and is written on the timer, at the
  // next change and when the database closes; each failed write is said,
  // with the file and why.
  void aFullDiskKeepsTheHistoryPending() {
    QTemporaryDir dir;
    ZentTest::SmallDisk disk(dir.filePath("disk"), 64);
    if (!disk.mounted()) QSKIP(qPrintable(disk.skipReason()));
    const QString path = dir.filePath("disk/comms.db");
    const auto stored = [&path] {
      QFile f(path);
      return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const auto missed = [](const QString& name) {
      RAZ::Models::CallLog::Record r;
      r.name = name;
      r.direction = RAZ::Models::CallLog::Missed;
      r.isNew = true;
      r.start = QDateTime::currentDateTime();
      return r;
    };
    {
      RAZ::Databases::Comms db;
      RAZ::Models::CallLog log;
      QVERIFY(db.Initialize(path, new RAZ::Adapters::FactoryPtr("sip:dora@demo.zent"), nullptr));
      db.keepHistory(&log);
      QTRY_VERIFY(!db.hasPendingChanges());
      QSignalSpy failed(&db, SIGNAL(saveFailed(QString)));
      auto* retry = db.findChild<QTimer*>("historyRetry");
      QVERIFY(retry);

      QVERIFY(disk.fill());
      log.add(missed("missed on a full disk"));
      QVERIFY(failed.wait(ZentTest::kWaitMs));
      QCOMPARE(failed.count(), 1);
      const QString said = failed.first().first().toString();
      QVERIFY2(said.startsWith(QDir::toNativeSeparators(path) + ": ") &&
                   said.endsWith(RAZ::Utils::FileWrites::fullDiskText()),
               qPrintable(said));
      QVERIFY(db.hasPendingChanges());
      QVERIFY(!stored().contains("missed on a full disk"));
      QVERIFY(stored().contains("sip:dora@demo.zent"));
      QVERIFY(retry->isActive());
      // Space comes back: the timer's next turn writes it.
      disk.free();
      retry->start(0);
      QTRY_VERIFY(!db.hasPendingChanges());
      QVERIFY(stored().contains("missed on a full disk"));
      QVERIFY(!retry->isActive());
      retry->setInterval(RAZ::Databases::Comms::kRetryMs);

      QVERIFY(disk.fill());
      log.add(missed("chat on a full disk"));
      QVERIFY(failed.wait(ZentTest::kWaitMs));
      disk.free();
      log.add(missed("after the space was freed"));
      QTRY_VERIFY(!db.hasPendingChanges());
      QVERIFY(stored().contains("chat on a full disk"));
      QVERIFY(stored().contains("after the space was freed"));

      QVERIFY(disk.fill());
      log.add(missed("just before the end"));
      QVERIFY(failed.wait(ZentTest::kWaitMs));
      QCOMPARE(failed.count(), 3);
      disk.free();
      QVERIFY(!stored().contains("just before the end"));
    }  // the program ends: the pending changes are written
    QVERIFY(stored().contains("just before the end"));
    QCOMPARE(QDir(dir.filePath("disk")).entryList(QDir::Files | QDir::Hidden),
             QStringList{"comms.db"});
  }

  // Years of history: only the newest records are read and written again.
  void aLongHistoryKeepsItsNewest() {
    QTemporaryDir dir;
    const QString path = dir.filePath("comms.db");
    const int kept = RAZ::Models::CallLog::kKeptRecords;
    QByteArray text = "{\"version\":1,\"histories\":{\"sip:dora@demo.zent\":[";
    for (int i = 0; i < kept + 25; ++i)
      text += (i ? ",{\"name\":\"n" : "{\"name\":\"n") + QByteArray::number(i) + "\"}";
    text += "]}}";
    QVERIFY(ZentTest::writeFile(path, text));
    {
      RAZ::Databases::Comms db;
      RAZ::Models::CallLog log;
      QVERIFY(db.Initialize(path, new RAZ::Adapters::FactoryPtr("sip:dora@demo.zent"), nullptr));
      db.keepHistory(&log);
      QCOMPARE(log.records().size(), kept);
      QCOMPARE(log.records().first().name, QString("n25"));
      QCOMPARE(log.records().last().name, QString("n%1").arg(kept + 24));
      // Written back bounded at once: the next sign-in reads no more.
      QTRY_VERIFY(!db.hasPendingChanges());
      QCOMPARE(QJsonDocument::fromJson(ZentTest::readFile(path))
                   .object()
                   .value("histories")
                   .toObject()
                   .value("sip:dora@demo.zent")
                   .toArray()
                   .size(),
               kept);
      RAZ::Models::CallLog::Record newest;
      newest.name = "newest";
      log.add(newest);
      QVERIFY(db.save());
    }
    RAZ::Databases::Comms db;
    RAZ::Models::CallLog log;
    QVERIFY(db.Initialize(path, new RAZ::Adapters::FactoryPtr("sip:dora@demo.zent"), nullptr));
    db.keepHistory(&log);
    QCOMPARE(log.records().size(), kept);
    QCOMPARE(log.records().first().name, QString("n26"));
    QCOMPARE(log.records().last().name, QString("newest"));
  }

  void countedPlatformObjects() {
    QPointer<RAZ::Models::SmileysPtr> watch;
    {
      TP::Core::Refcounting::SmartPtr<RAZ::Models::SmileysPtr> smileys(
          new RAZ::Models::SmileysPtr(nullptr));
      watch = smileys.Raw();
      QVERIFY(!smileys->imageFor(":-)").isEmpty());
      TP::Core::Refcounting::SmartPtr<RAZ::Models::SmileysPtr> second = smileys;
      QCOMPARE(smileys->ReferenceCount(), 2u);
    }
    QVERIFY(watch.isNull());

    // A call read through the meta-object, the way the popups read it.
    RAZ::Controllers::CommunicationSession session(
        7, "Bob", "sip:bob@x", RAZ::Controllers::CommunicationSession::KindCall, true);
    QPointer<RAZ::MediaEngine::CallBasePtr> call(new RAZ::MediaEngine::CallBasePtr(
        "sip:bob@x", RAZ::MediaEngine::CallBasePtr::TypeAudio, true));
    session.setCall(call);
    QSignalSpy states(&session, SIGNAL(callStateChanged(RAZ::MediaEngine::CallBasePtr*,
                                                        RAZ::MediaEngine::CallBasePtr::CallState)));
    RAZ::MediaEngine::CallBasePtr* read = nullptr;
    QVERIFY(QMetaObject::invokeMethod(&session, "getCall",
                                      Q_RETURN_ARG(RAZ::MediaEngine::CallBasePtr*, read)));
    QCOMPARE(read, call.data());
    RAZ::MediaEngine::CallBasePtr::CallState state = RAZ::MediaEngine::CallBasePtr::StateIdle;
    QVERIFY(QMetaObject::invokeMethod(
        read, "getCallState", Q_RETURN_ARG(RAZ::MediaEngine::CallBasePtr::CallState, state)));
    QCOMPARE(int(state), 2);
    call->answer();
    QCOMPARE(states.count(), 1);
    QCOMPARE(int(call->getCallState()), 3);
    call->close(0);
    QVERIFY(
        !call->setCallState(RAZ::MediaEngine::CallBasePtr::StateInCall));  // closed stays closed
    for (const char* name :
         {"contactName", "callerName", "isVideoCall", "updatingToVideo", "isConference",
          "isGroupChat", "isMyRoom", "inviteReason", "subject", "groupChatSubject", "fileName",
          "roomOwner", "shareAvailable", "chatActionAvailable", "chatActive", "contactPicture",
          "presenceIcon"}) {
      const int index = session.metaObject()->indexOfProperty(name);
      QVERIFY2(index >= 0, name);
      QVERIFY2(session.metaObject()->property(index).hasNotifySignal(), name);
    }
    session.setCall(nullptr);
    QVERIFY(call.isNull());  // the session held the last count
  }

  void validators() {
    RAZ::Utils::Validator validator(nullptr);
    QCOMPARE(validator.normalizeSipUserName(" sip:alice "), QString("alice"));
    QCOMPARE(validator.normalizeSipUserName("+49 (30) 123-45"), QString("+493012345"));
    QCOMPARE(validator.normalizeSipUserName("12+3"), QString("12+3"));
    QCOMPARE(validator.normalizeSipUserName("Bob.Smith"), QString("Bob.Smith"));
    using RAZ::Services::Xmpp::XmppJidValidator;
    QCOMPARE(XmppJidValidator::getRoomType("chat0a1b2c3d"), 1);
    QCOMPARE(XmppJidValidator::getRoomType("chatroom"), 0);
    QCOMPARE(XmppJidValidator::getRoomType("myroom.alice"), 2);
    QVERIFY(XmppJidValidator::isValidJid("a@b/c"));
    QVERIFY(!XmppJidValidator::isValidJid("a b@c"));
  }
};

ZENT_TEST_MAIN(TestRazSession, QApplication)
#include "tst_raz_session.moc"
