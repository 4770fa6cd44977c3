// What the program calls the other party (RAZ::Controllers::PartyName), on a
// signed-in demo account: a call's party by its addresses (a contact of the
// list by number or address, a stranger by number or by the name the caller
// sends, a caller who hides, a conference), and a session's party, which
// follows its contact's name and says when it changes.
#include <QApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Controllers/PartyName.h>
#include <RAZ/Demo/CommsScript.h>
#include <RAZ/MediaEngine/CallBasePtr.h>
#include <RAZ/Sessions/SessionManagerBase.h>

#include "DemoFixture.h"
#include "TestSupport.h"

using RAZ::Controllers::CommunicationSession;
using RAZ::Controllers::PartyName;
using RAZ::Demo::CommsScript;
using RAZ::MediaEngine::CallBasePtr;

namespace {

const int kAlice = 101;
const QString kAliceName = QStringLiteral("Alice Moreno");
const QString kUnknown = QStringLiteral("Nobody");
const QString kHandOver = QStringLiteral("Weiterleitung");

struct CallName {
  QString name;
  bool replaced = false;
};

}  // namespace

class PartyNameTest : public QObject {
  Q_OBJECT

 private:
  ZentTest::DemoFixture m_demo;

  RAZ::Contacts::Contacts* contacts() const { return m_demo.session()->contactsManager().data(); }

  CallName nameOf(const CallBasePtr* call) const {
    CallName result;
    result.name = PartyName::ofCall(call, contacts(), kUnknown, kHandOver, &result.replaced);
    return result;
  }

  RAZ::Contacts::IContact* stranger(const QString& name, const QString& number) const {
    RAZ::Contacts::IContact* c = contacts()->createTemporaryContact(
        {{QString::number(RAZ::Contacts::Properties::KeyWork), number}});
    if (c && !name.isEmpty()) c->setProperty(RAZ::Contacts::Properties::KeyDisplayName, name);
    return c;
  }

 private slots:
  void initTestCase() { REQUIRE(m_demo.start("ZentPartyNameTest")); }

  void init() {
    REQUIRE(m_demo.startClient());
    QVERIFY(m_demo.signIn());
  }

  void cleanup() { m_demo.stopClient(); }

  // A call's party by what its addresses say; "Nobody" stands in for the
  // program's "Unknown".
  void callsAreNamedByTheirAddresses_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("transferredFrom");
    QTest::addColumn<QStringList>("otherAddresses");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("replaced");
    const QStringList none;
    QTest::newRow("contact by SIP address, any case") << "\"Alicia\" <sip:Alice.Moreno@demo.zent>"
                                                      << "" << none << kAliceName << false;
    QTest::newRow("contact by number as dialled") << "+49 (30) 100-101"
                                                  << "" << none << kAliceName << false;
    QTest::newRow("contact by another address of the call")
        << "sip:+4930999@gateway.example"
        << "" << QStringList{"tel:+4930100101"} << kAliceName << false;
    QTest::newRow("contact it was handed over from")
        << "\"Transfer\" <sip:desk@elsewhere.example>"
        << "sip:alice.moreno@demo.zent" << none << kAliceName << false;
    QTest::newRow("unknown number") << "sip:+4930555@elsewhere.example"
                                    << "" << none << "+4930555" << false;
    QTest::newRow("unknown address with a display name")
        << "\"Paula Ring\" <sip:paula@elsewhere.example>"
        << "" << none << "Paula Ring" << false;
    QTest::newRow("unknown address without one") << "sip:paula@elsewhere.example"
                                                 << "" << none << "paula" << false;
    QTest::newRow("hand-over mark in the user's language")
        << "\"weiterleitung\" <sip:+4930444@elsewhere.example>"
        << "" << none << "+4930444" << false;
    QTest::newRow("anonymous") << "\"anonymous\" <sip:anonymous@anonymous.invalid>"
                               << "" << none << kUnknown << true;
    QTest::newRow("unavailable") << "sip:unavailable@elsewhere.example"
                                 << "" << none << kUnknown << true;
    QTest::newRow("empty") << ""
                           << "" << none << kUnknown << true;
  }
  void callsAreNamedByTheirAddresses() {
    QFETCH(QString, from);
    QFETCH(QString, transferredFrom);
    QFETCH(QStringList, otherAddresses);
    QFETCH(QString, expected);
    QFETCH(bool, replaced);
    RAZ::MediaEngine::Call call(new CallBasePtr(QString(), CallBasePtr::TypeAudio, true));
    call->setFromAddress(from, transferredFrom);
    call->setAlternativeAddresses(otherAddresses);
    const CallName got = nameOf(call.Raw());
    QCOMPARE(got.name, expected);
    QCOMPARE(got.replaced, replaced);
  }

  // A conference goes by its own address, never by the caller's.
  void conferencesAreNamedByTheirAddress() {
    RAZ::MediaEngine::Call conference(new CallBasePtr(
        QStringLiteral("sip:weekly-sync@conference.demo.zent"), CallBasePtr::TypeAudio, true));
    conference->setConference(true);
    conference->setFromAddress(QStringLiteral("sip:alice.moreno@demo.zent"), QString());
    QVERIFY(!PartyName::contactOf(conference.Raw(), contacts()));
    QCOMPARE(nameOf(conference.Raw()).name, QString("weekly-sync"));

    RAZ::Contacts::IContact* room = stranger(QStringLiteral("Weekly Sync"), QString());
    room->setProperty(RAZ::Contacts::Properties::KeyUri,
                      QStringLiteral("sip:weekly-sync@conference.demo.zent"));
    QVERIFY(PartyName::contactOf(conference.Raw(), contacts()) == room);
    QCOMPARE(nameOf(conference.Raw()).name, QString("Weekly Sync"));
  }

  // No call or no contact list: nothing is looked up, nothing breaks.
  void missingPartsGiveNoName() {
    QCOMPARE(PartyName::ofCall(nullptr, contacts(), kUnknown, kHandOver), QString());
    QCOMPARE(PartyName::of(nullptr), QString());
    RAZ::MediaEngine::Call call(new CallBasePtr(QString(), CallBasePtr::TypeAudio, true));
    call->setFromAddress(QStringLiteral("sip:alice.moreno@demo.zent"), QString());
    QVERIFY(!PartyName::contactOf(call.Raw(), nullptr));
    QCOMPARE(PartyName::ofCall(call.Raw(), nullptr, kUnknown, kHandOver), QString("alice.moreno"));
  }

  // A session's party is its contact as the list names it now: a rename
  // shows at once and is announced; a contact without a name leaves the
  // name the session was started with, and a contact replaced no longer
  // speaks for the session.
  void sessionsFollowTheirContact() {
    QPointer<CommunicationSession> s = m_demo.incomingCall(kAlice);
    QVERIFY(s);
    RAZ::Contacts::IContact* alice = s->getContact();
    QVERIFY(alice);
    RAZ::Contacts::IContact* named = nullptr;
    QCOMPARE(PartyName::of(s, &named), kAliceName);
    QVERIFY(named == alice);
    QCOMPARE(s->partyName(), kAliceName);

    QSignalSpy renamed(s.data(), SIGNAL(partyNameChanged()));
    alice->setProperty(RAZ::Contacts::Properties::KeyDisplayName, QStringLiteral("Alice Berg"));
    QVERIFY(renamed.count() >= 1);
    QCOMPARE(s->partyName(), QString("Alice Berg"));
    // What the history records when the session ends.
    QSignalSpy ended(m_demo.comms(),
                     SIGNAL(sessionEnded(int, QString, QString, int, bool, QDateTime, int, bool)));

    // A contact the list knows nothing of yet, not even an address.
    RAZ::Contacts::IContact* blank = contacts()->createTemporaryContact({});
    QVERIFY(blank && blank->getDisplayName().isEmpty());
    s->setContact(blank);
    QCOMPARE(PartyName::of(s, &named), QString("Alice Moreno"));
    QVERIFY(!named);
    renamed.clear();
    alice->setProperty(RAZ::Contacts::Properties::KeyDisplayName, QStringLiteral("Alice Moreno"));
    QCOMPARE(renamed.count(), 0);
    blank->setProperty(RAZ::Contacts::Properties::KeyDisplayName, QStringLiteral("Front Desk"));
    QCOMPARE(renamed.count(), 1);
    QCOMPARE(s->partyName(), QString("Front Desk"));

    m_demo.comms()->closeSession(s);
    QCOMPARE(ended.count(), 1);
    QCOMPARE(ended.at(0).at(2).toString(), QString("Front Desk"));
  }

  // A group goes by its own name (a room's, a conference's parties), even
  // when it began with a contact; a session without anything goes by its
  // caller.
  void groupsGoByTheirOwnName() {
    QObject owner;
    CommunicationSession* call =
        CommsScript::makeSession(CommunicationSession::KindCall, true, kAliceName, &owner);
    call->setContact(contacts()->getContact(kAlice).data());
    QSignalSpy renamed(call, SIGNAL(partyNameChanged()));
    call->joinConference({kAliceName, QStringLiteral("Bruno Keller")});
    QVERIFY(renamed.count() >= 1);
    QCOMPARE(PartyName::of(call), QString("Alice Moreno, Bruno Keller"));

    CommunicationSession* bare =
        CommsScript::makeSession(CommunicationSession::KindCall, true, QString(), &owner);
    QCOMPARE(PartyName::of(bare), QString());
    bare->setCallerName(QStringLiteral("+4930777"));
    QCOMPARE(PartyName::of(bare), QString("+4930777"));
  }
};

ZENT_TEST_MAIN(PartyNameTest, QApplication)
#include "tst_party_name.moc"
