// The main window's parts on their own: the shared selection of a list
// (clicks with modifiers, keyboard moves over headers, selection by object,
// drag text), the drop rules of the active communications for every pair of
// session kinds and the question a single drop asks, the error banner as
// the service's connections come and go, and the left pane's buttons.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QtTest>

#include <RAZ/Configuration/Config.h>
#include <RAZ/Contacts/ContactModels.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Contacts/GroupRoles.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Demo/DemoSession.h>
#include <RAZ/MediaEngine/CallBasePtr.h>
#include <RAZ/Models/ActiveComms.h>
#include <RAZ/Models/SelectionHandler.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Settings.h>
#include <RAZ/Xsi/XsiCredentialsControl.h>

#include "DemoFixture.h"
#include "Models/ErrorInfoModel.h"
#include "Models/LeftPaneButtonsModel.h"
#include "TestSupport.h"
#include "Utils/ActiveCommsDragDropHandler.h"
#include "Utils/ActiveSelectionHandler.h"
#include "Utils/SelectionHandlerBase.h"
#include "dialogs/MessageWindow.h"

using RAZ::Controllers::CommunicationSession;
using RAZ::MediaEngine::CallBasePtr;

namespace {

const bool g_environment = ZentTest::useTemporaryHome("zent-test-mainwin-parts-", true);

using ZentTest::configText;

// A list like the contact list: contacts (type 1) under group headers (0).
QStandardItemModel* contactList(const QList<bool>& headers, QList<QObject*>* objects,
                                QObject* parent) {
  auto* model = new QStandardItemModel(parent);
  for (int row = 0; row < headers.size(); ++row) {
    auto* item = new QStandardItem(QStringLiteral("row %1").arg(row));
    item->setData(headers.at(row) ? 0 : 1, RAZ::Models::SelectionHandler::ItemTypeRole);
    if (!headers.at(row)) {
      auto* contact = new RAZ::Contacts::IContact(
          100 + row, {{QStringLiteral("1"), QStringLiteral("c%1").arg(row)}}, parent);
      item->setData(QVariant::fromValue(static_cast<QObject*>(contact)),
                    RAZ::Contacts::Contacts::ContactObjectRole);
      objects->append(contact);
    }
    model->appendRow(item);
  }
  return model;
}

QList<int> selectedRows(const QItemSelectionModel& selection) {
  QList<int> rows;
  for (const QModelIndex& i : selection.selectedIndexes()) rows << i.row();
  std::sort(rows.begin(), rows.end());
  return rows;
}

QList<int> range(int from, int to) {
  QList<int> rows;
  for (int r = from; r <= to; ++r) rows << r;
  return rows;
}

// A signed-in session with the three connections, set by the test.
class FakeSession : public RAZ::Sessions::SessionManagerBase {
 public:
  FakeSession(const RAZ::Configuration::Config* config, RAZ::Contacts::Contacts* contacts)
      : SessionManagerBase(config) {
    Parts parts;
    parts.contacts = contacts;
    for (int type : {0, 1, 2}) parts.subSessions << new RAZ::Sessions::SubSession(type, this);
    setParts(parts);
    for (RAZ::Sessions::SubSession* sub : parts.subSessions)
      sub->setState(RAZ::Sessions::Session::Active);
    setState(RAZ::Sessions::StateSignedIn);
  }
};

// The sessions of one drop: what each kind of active communication is.
struct Party {
  const char* name;
  CommunicationSession::Kind kind;
  int callState;  // -1: no call
  int callKind;
  bool ownRoom;
};

const Party kParties[] = {
    {"call", CommunicationSession::KindCall, CallBasePtr::StateInCall, 0, true},
    {"held", CommunicationSession::KindCall, CallBasePtr::StateHeld, 0, true},
    {"ringing", CommunicationSession::KindCall, CallBasePtr::StateRinging, 0, true},
    {"phone", CommunicationSession::KindCall, CallBasePtr::StateInCall, 2, true},
    {"chat", CommunicationSession::KindChat, -1, 0, true},
    {"room", CommunicationSession::KindGroupChat, -1, 0, true},
    {"myroom", CommunicationSession::KindMyRoom, CallBasePtr::StateInCall, 0, true},
    {"otherroom", CommunicationSession::KindMyRoom, CallBasePtr::StateInCall, 0, false},
};

// Whether one communication (row) may be dropped on another (column), in
// the order of kParties.
const char* const kSessionOnSession[] = {
    // call held ring phone chat room myroom other
    "11100010",  // call
    "11100010",  // held
    "00000000",  // ringing: not answered yet
    "00010000",  // phone: only onto another call from the phone
    "00000000",  // chat: nothing to transfer
    "00000000",  // room
    "11101100",  // myroom
    "11101100",  // otherroom
};

// Two contacts and a controller; sessions are made per test.
struct Stage {
  RAZ::Contacts::Contacts contacts;
  RAZ::Controllers::CommsSessionController controller{&contacts, nullptr};
  Stage() {
    const QList<QVariantMap> entries = {
        {{"id", 1},
         {"first", "Ana"},
         {"last", "Ruiz"},
         {"jid", "ana@example.org"},
         {"sip", "sip:ana@example.org"}},
        {{"id", 2},
         {"first", "Ben"},
         {"last", "Ode"},
         {"jid", "ben@example.org"},
         {"sip", "sip:ben@example.org"}},
        {{"id", 3}, {"first", "Cy"}, {"last", "Chatonly"}, {"jid", "cy@example.org"}},
        {{"id", 4}, {"first", "Di"}, {"last", "<b>Phone</b>"}, {"sip", "sip:di@example.org"}},
    };
    for (const QVariantMap& e : entries)
      contacts.addContact(RAZ::Demo::DemoSession::makeContact(e));
  }
  CommunicationSession* make(const Party& p, int contactId) {
    CommunicationSession* s = controller.receiveSession(contactId, p.kind);
    if (!s) return nullptr;
    if (p.callState >= 0 && !s->getCall())
      s->setCall(
          new CallBasePtr(QStringLiteral("sip:x@example.org"), CallBasePtr::TypeAudio, false));
    if (s->getCall()) {
      s->getCall()->setCallKind(p.callKind);
      s->getCall()->setCallState(static_cast<CallBasePtr::CallState>(p.callState));
    }
    s->setOwnMyRoomSession(p.ownRoom);
    return s;
  }
};

Dialogs::MessageWindow* openQuestion() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* m = qobject_cast<Dialogs::MessageWindow*>(w))
      if (m->isVisible()) return m;
  return nullptr;
}

QStringList buttonTexts(Dialogs::MessageWindow* m) {
  QStringList texts;
  for (QAbstractButton* b : m->buttonBox()->buttons())
    if (m->buttonBox()->standardButton(b) == QDialogButtonBox::NoButton) texts << b->text();
  texts.sort();
  return texts;
}

}  // namespace

class TestMainWindowParts : public QObject {
  Q_OBJECT

  QTemporaryDir m_folder;

 private slots:
  void initTestCase() {
    QVERIFY(g_environment);
    QVERIFY(m_folder.isValid());
    RAZ::Settings::setPath(RAZ::Settings::User, m_folder.path());
  }

  void cleanupTestCase() { RAZ::Settings::clearPaths(); }

  void cleanup() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<Dialogs::MessageWindow*>(w)) w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  // --- selection ------------------------------------------------------

  void clicksWithModifiers() {
    QObject owner;
    QList<QObject*> objects;
    QStandardItemModel* model =
        contactList({false, false, false, false, false, false, false, false}, &objects, &owner);
    QItemSelectionModel selection(model);
    Utils::ContactSelectionHandler handler(model, &selection);
    handler.select(2, 0);
    handler.select(5, Qt::ShiftModifier);
    QCOMPARE(selectedRows(selection), range(2, 5));
    QCOMPARE(handler.currentIndex(), 2);  // the anchor stays
    handler.select(0, Qt::ShiftModifier);
    QCOMPARE(selectedRows(selection), range(0, 2));
    handler.select(1, Qt::ControlModifier);  // a selected row: deselected
    QCOMPARE(selectedRows(selection), QList<int>({0, 2}));
    handler.select(6, Qt::ControlModifier);
    QCOMPARE(selectedRows(selection), QList<int>({0, 2, 6}));
    QCOMPARE(handler.lastModifiers(), int(Qt::ControlModifier));
    handler.select(4, Qt::ShiftModifier | Qt::ControlModifier);  // range added
    QCOMPARE(selectedRows(selection), QList<int>({0, 2, 4, 5, 6}));
    handler.select(3, 0);
    QCOMPARE(selectedRows(selection), QList<int>({3}));
    QCOMPARE(handler.selectionAsString(), QString("103"));
    // A row outside the list: nothing selected, no current row.
    handler.select(40, 0);
    QVERIFY(selectedRows(selection).isEmpty());
    QCOMPARE(handler.currentIndex(), -1);
  }

  // The selection the scene reads says when it changes: a click, the rows
  // removed under it, a reset of the list.
  void selectionSaysWhenItChanges() {
    QObject owner;
    QList<QObject*> objects;
    QStandardItemModel* model = contactList({false, false, false}, &objects, &owner);
    QItemSelectionModel selection(model);
    Utils::ContactSelectionHandler handler(model, &selection);
    QSignalSpy changed(&handler, SIGNAL(selectionChanged()));
    handler.select(1, 0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(handler.property("selection").toList().size(), 1);
    handler.select(1, 0);  // the same row again: nothing changes
    QCOMPARE(changed.count(), 1);
    model->removeRow(2);
    QCOMPARE(changed.count(), 2);
    QVERIFY(handler.property("selection").toList().isEmpty());
    handler.select(0, 0);
    QCOMPARE(changed.count(), 3);
    model->clear();
    QCOMPARE(changed.count(), 4);
    QVERIFY(handler.property("selection").toList().isEmpty());
  }

  void keyboardSkipsHeaders() {
    QObject owner;
    QList<QObject*> objects;
    // row 0 header, 1 contact, 2 contact, 3 header, 4 contact, 5 header
    QStandardItemModel* model =
        contactList({true, false, false, true, false, true}, &objects, &owner);
    for (int row : {0, 3, 5}) model->item(row)->setFlags(Qt::ItemIsEnabled);
    QItemSelectionModel selection(model);
    Utils::ContactSelectionHandler handler(model, &selection);
    QSignalSpy current(&handler, SIGNAL(currentIndexChanged()));
    handler.setCurrentIndex(2);
    QCOMPARE(selectedRows(selection), QList<int>({2}));
    handler.setCurrentIndex(3);  // down onto a header
    QCOMPARE(handler.currentIndex(), 4);
    QCOMPARE(selectedRows(selection), QList<int>({4}));
    handler.moveCurrent(false);  // only a header below: nothing changes
    QCOMPARE(handler.currentIndex(), 4);
    handler.setCurrentIndex(2);
    handler.setCurrentIndex(1);
    QCOMPARE(handler.currentIndex(), 1);
    handler.moveCurrent(true);  // never onto the header, never around
    QCOMPARE(handler.currentIndex(), 1);
    QVERIFY(current.count() >= 4);
    // Removing rows clears the selection.
    model->removeRow(5);
    QVERIFY(selectedRows(selection).isEmpty());
  }

  void emptyListAndSelectionByObject() {
    QStandardItemModel empty;
    QItemSelectionModel none(&empty);
    Utils::ContactSelectionHandler idle(&empty, &none);
    idle.setCurrentIndex(3);
    idle.moveCurrent(false);
    idle.setSelection({this});
    QCOMPARE(idle.currentIndex(), -1);
    QVERIFY(idle.selection().isEmpty());

    QObject owner;
    QList<QObject*> objects;
    QStandardItemModel* model = contactList({true, false, false, false}, &objects, &owner);
    QItemSelectionModel selection(model);
    Utils::ContactSelectionHandler handler(model, &selection);
    handler.setSelection({objects.at(2), objects.at(0), &owner});
    QCOMPARE(selectedRows(selection), QList<int>({1, 3}));
    QCOMPARE(handler.selection(), QList<QObject*>({objects.at(0), objects.at(2)}));
    QCOMPARE(handler.selectionAsString(), QString("101,103"));
    // The header row is never an object of the selection.
    selection.select(model->index(0, 0), QItemSelectionModel::Select);
    QCOMPARE(handler.selection().size(), 2);
    handler.clear();
    QVERIFY(handler.selection().isEmpty());
  }

  // The platform's list wrapper tells items from headers and follows the
  // selection model, so the scene's rows show the one selection.
  void listWrapperGivesTypesAndSelection() {
    RAZ::Contacts::Contacts contacts;
    contacts.addContact(RAZ::Demo::DemoSession::makeContact(
        {{"id", 7}, {"first", "Eve"}, {"last", "Io"}, {"groups", QVariantList{1}}}));
    RAZ::Models::SelectionHandler list(contacts.groupsModel(), RAZ::Models::Groups::ItemContact,
                                       nullptr);
    QItemSelectionModel selection(&list);
    list.setSelectionModel(&selection);
    Utils::ContactSelectionHandler handler(&list, &selection);
    int contactRow = -1;
    for (int row = 0; row < list.rowCount(); ++row) {
      const int type = list.index(row, 0).data(RAZ::Models::SelectionHandler::ItemTypeRole).toInt();
      if (list.index(row, 0).data(RAZ::Contacts::GroupRoles::IsGroupRole).toBool())
        QCOMPARE(type, 0);
      else if (type == 1)
        contactRow = row;
    }
    QVERIFY(contactRow >= 0);
    QSignalSpy changed(&list, &QAbstractItemModel::dataChanged);
    handler.select(contactRow, 0);
    QVERIFY(list.index(contactRow, 0).data(RAZ::Models::SelectionHandler::SelectedRole).toBool());
    QVERIFY(!changed.isEmpty());
    QCOMPARE(handler.selectionAsString(), QString("7"));
  }

  void activeSelectionNamesParties() {
    Stage stage;
    CommunicationSession* first = stage.make(kParties[0], 1);
    CommunicationSession* chat = stage.make(kParties[4], 1);
    CommunicationSession* second = stage.make(kParties[0], 2);
    QVERIFY(first && chat && second);
    RAZ::Models::ActiveCommsModel model(&stage.controller);
    QCOMPARE(model.rowCount(), 3);
    QItemSelectionModel selection(&model);
    Utils::ActiveSelectionHandler handler(&model, &selection);
    handler.select(0, 0);
    handler.select(1, Qt::ControlModifier);
    QCOMPARE(handler.selectionAsString(), QString("1,1"));  // one party, twice
    QCOMPARE(handler.selectionAsContacts().size(), 1);
    handler.select(2, Qt::ControlModifier);
    QCOMPARE(handler.selectionAsContacts().size(), 2);

    // An answered first call is selected by the lookup.
    handler.clear();
    QSignalSpy changed(&selection, &QItemSelectionModel::selectionChanged);
    handler.activeSelectionSessionLookup();
    QCOMPARE(selectedRows(selection), QList<int>({0}));
    QVERIFY(!changed.isEmpty());
    // A ringing one is not.
    first->getCall()->setCallState(CallBasePtr::StateRemoteHeld);
    handler.clear();
    handler.activeSelectionSessionLookup();
    QVERIFY(selectedRows(selection).isEmpty());
    // A session that ends leaves the list and the selection.
    handler.select(1, 0);
    stage.controller.closeSession(chat);
    QCOMPARE(model.rowCount(), 2);
    QVERIFY(selectedRows(selection).isEmpty());
  }

  // --- drops onto active communications ------------------------------

  void sessionOntoSession_data() {
    QTest::addColumn<int>("dragged");
    QTest::addColumn<int>("target");
    QTest::addColumn<bool>("allowed");
    const int n = int(sizeof(kParties) / sizeof(kParties[0]));
    for (int d = 0; d < n; ++d)
      for (int t = 0; t < n; ++t)
        QTest::addRow("%s onto %s", kParties[d].name, kParties[t].name)
            << d << t << (kSessionOnSession[d][t] == '1');
  }

  void sessionOntoSession() {
    QFETCH(int, dragged);
    QFETCH(int, target);
    QFETCH(bool, allowed);
    Stage stage;
    CommunicationSession* d = stage.make(kParties[dragged], 1);
    CommunicationSession* t = stage.make(kParties[target], 2);
    QVERIFY(d && t);
    Utils::ActiveCommsDragDropHandler handler(&stage.controller, &stage.contacts, true);
    QCOMPARE(handler.checkDropAllowed(t, "1", false), allowed);
    // Onto itself, or a session that no longer runs: never.
    QVERIFY(!handler.checkDropAllowed(t, "2", false));
    QVERIFY(!handler.checkDropAllowed(t, "9", false));
    // What the check refuses the drop does not do either.
    const int before = t->invitedParticipants().size();
    if (!allowed) {
      handler.handleDropOnActiveComm(t, "1", false);
      QVERIFY(!openQuestion());
      QCOMPARE(t->invitedParticipants().size(), before);
    }
  }

  void contactsOntoSession_data() {
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("items");
    QTest::addColumn<bool>("allowed");
    // Contacts 1 and 2 can be called and chatted with, 3 only chatted
    // with, 4 only called; unknown identifiers do not count against.
    QTest::newRow("callable onto a call") << 0 << "1" << true;
    QTest::newRow("chat-only onto a call") << 0 << "3" << false;
    QTest::newRow("phone-only onto a chat") << 4 << "4" << false;
    QTest::newRow("chat-only onto a chat") << 4 << "3" << true;
    QTest::newRow("several onto a room") << 5 << "1,3" << true;
    QTest::newRow("one misfit among several") << 0 << "1,3" << false;
    QTest::newRow("unknown contact") << 0 << "77" << true;
    QTest::newRow("onto a room of one's own, which invites nobody") << 6 << "1" << false;
    QTest::newRow("text that is no identifier") << 0 << "1;rm" << false;
    QTest::newRow("empty") << 0 << "" << false;
  }

  void contactsOntoSession() {
    QFETCH(int, target);
    QFETCH(QString, items);
    QFETCH(bool, allowed);
    Stage stage;
    CommunicationSession* t = stage.make(kParties[target], 2);
    QVERIFY(t);
    Utils::ActiveCommsDragDropHandler handler(&stage.controller, &stage.contacts, true);
    QCOMPARE(handler.checkDropAllowed(t, items, true), allowed);
    QVERIFY(!handler.checkDropAllowed(static_cast<CommunicationSession*>(nullptr), "1", true));
  }

  void severalContactsJoinAtOnce() {
    Stage stage;
    CommunicationSession* chat = stage.make(kParties[4], 1);
    CommunicationSession* room = stage.make(kParties[5], 2);
    Utils::ActiveCommsDragDropHandler handler(&stage.controller, &stage.contacts, true);
    handler.handleDropOnActiveComm(room, "1,2,3", true);
    QCOMPARE(room->invitedParticipants(), QStringList("1,2,3"));
    QVERIFY(chat->chatActive());  // contacts: no chat of theirs is closed
    QVERIFY(!openQuestion());
    // Dragged communications give up their own chats.
    handler.handleDropOnActiveComm(room, "1,3", false);
    QCOMPARE(room->invitedParticipants().size(), 2);
    QVERIFY(!chat->chatActive());
    QCOMPARE(handler.mergeSelections("1", ""), QString("1"));
    QCOMPARE(handler.mergeSelections("", "2"), QString("2"));
    QCOMPARE(handler.mergeSelections("1", "2,3"), QString("1,2,3"));
  }

  void singleDropAsks_data() {
    QTest::addColumn<bool>("transferAllowed");
    QTest::addColumn<bool>("draggedCall");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("buttons");
    QTest::newRow("transfer or conference")
        << true << true << "Transfer or Conference" << QStringList{"Conference", "Transfer"};
    QTest::newRow("transfer switched off")
        << false << true << "Conference" << QStringList{"Conference"};
    QTest::newRow("a contact without a call")
        << true << false << "Conference" << QStringList{"Conference"};
  }

  void singleDropAsks() {
    QFETCH(bool, transferAllowed);
    QFETCH(bool, draggedCall);
    QFETCH(QString, title);
    QFETCH(QStringList, buttons);
    Stage stage;
    CommunicationSession* target = stage.make(kParties[0], 2);
    if (draggedCall) stage.make(kParties[1], 4);
    Utils::ActiveCommsDragDropHandler handler(&stage.controller, &stage.contacts, transferAllowed);
    handler.handleDropOnActiveComm(target, "4", true);
    Dialogs::MessageWindow* question = handler.question();
    QVERIFY(question);
    QVERIFY(question->isVisible());
    QCOMPARE(question->windowTitle(), title);
    QCOMPARE(buttonTexts(question), buttons);
    // The party's name is shown as written, never as markup.
    QVERIFY(question->messageLabel()->textFormat() != Qt::RichText ||
            !question->messageLabel()->text().contains("<b>"));
    if (!draggedCall)
      QCOMPARE(question->messageLabel()->text(),
               QString("Do you want to start a conference call?"));
  }

  void transferHandsTheCallOver() {
    Stage stage;
    CommunicationSession* target = stage.make(kParties[0], 2);
    CommunicationSession* dragged = stage.make(kParties[1], 1);
    QPointer<CommunicationSession> t(target), d(dragged);
    QSignalSpy transferred(dragged, &CommunicationSession::callTransferred);
    Utils::ActiveCommsDragDropHandler handler(&stage.controller, &stage.contacts, true);
    handler.handleDropOnActiveComm(target, "1", false);
    QPointer<Dialogs::MessageWindow> question = handler.question();
    QVERIFY(question);
    QCOMPARE(question->windowTitle(), QString("Transfer or Conference"));
    QCOMPARE(question->messageLabel()->text(),
             QString("Do you want to transfer Ana Ruiz to Ben Ode or start a conference?"));
    auto* transfer = question->findChild<QPushButton*>("transferButton");
    QVERIFY(transfer);
    transfer->click();
    QCOMPARE(transferred.count(), 1);
    QCOMPARE(transferred.at(0).at(1).toString(), QString("sip:ben@example.org"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!t && !d);  // both of the user's calls ended
    QTRY_VERIFY_WITH_TIMEOUT(!question || !question->isVisible(), ZentTest::kWaitMs);
  }

  void conferenceInvitesBoth() {
    Stage stage;
    CommunicationSession* target = stage.make(kParties[0], 2);
    stage.make(kParties[1], 1);
    Utils::ActiveCommsDragDropHandler handler(&stage.controller, &stage.contacts, true);
    handler.handleDropOnActiveComm(target, "1", false);
    QVERIFY(handler.question());
    auto* conference = handler.question()->findChild<QPushButton*>("conferenceButton");
    QVERIFY(conference);
    conference->click();
    QCOMPARE(target->invitedParticipants(), QStringList("2,1"));
  }

  void questionGoesWhenACallEnds() {
    Stage stage;
    CommunicationSession* target = stage.make(kParties[0], 2);
    CommunicationSession* dragged = stage.make(kParties[1], 1);
    Utils::ActiveCommsDragDropHandler handler(&stage.controller, &stage.contacts, true);
    handler.handleDropOnActiveComm(target, "1", false);
    QPointer<Dialogs::MessageWindow> question = handler.question();
    QVERIFY(question);
    stage.controller.closeSession(dragged);
    QTRY_VERIFY_WITH_TIMEOUT(!question || !question->isVisible(), ZentTest::kWaitMs);
  }

  // A mapping must name two running sessions: a target without a party
  // ("" before the comma) must not act on whatever session 0 is.
  void mappingsNamingNobodyDoNothing() {
    Stage stage;
    CommunicationSession* a = stage.make(kParties[0], 1);
    CommunicationSession* b = stage.make(kParties[1], 2);
    QSignalSpy transferredA(a, &CommunicationSession::callTransferred);
    QSignalSpy transferredB(b, &CommunicationSession::callTransferred);
    Utils::ActiveCommsDragDropHandler handler(&stage.controller, &stage.contacts, true);
    for (const QString& mapping : {QString(",2"), QString("1,"), QString("x,2"), QString("1")}) {
      handler.transferButtonClicked(mapping);
      handler.conferenceButtonClicked(mapping);
    }
    QCOMPARE(transferredA.count() + transferredB.count(), 0);
    QVERIFY(a->invitedParticipants().isEmpty() && b->invitedParticipants().isEmpty());
  }

  // --- error banner ---------------------------------------------------

  void serviceText_data() {
    QTest::addColumn<bool>("chat");
    QTest::addColumn<bool>("presence");
    QTest::addColumn<bool>("calls");
    QTest::addColumn<QString>("text");
    QTest::newRow("three") << true << true << true
                           << "Service not connected. Chat, Presence and Calls unavailable";
    QTest::newRow("two") << true << false << true
                         << "Service not connected. Chat and Calls unavailable";
    QTest::newRow("one") << false << false << true << "Service not connected. Calls unavailable";
    QTest::newRow("none") << false << false << false << "Service not connected.  unavailable";
  }

  void serviceText() {
    QFETCH(bool, chat);
    QFETCH(bool, presence);
    QFETCH(bool, calls);
    QFETCH(QString, text);
    QCOMPARE(Models::ErrorInfoModel::serviceNotConnectedText(chat, presence, calls, false), text);
  }

  void bannersFollowTheConnections() {
    RAZ::Configuration::Config config(configText({{4, true},
                                                  {7, false},
                                                  {79, true},
                                                  {116, true},
                                                  {118, QString("sip")},
                                                  {376, true},
                                                  {170, true}}),
                                      QString());
    RAZ::Contacts::Contacts contacts;
    FakeSession session(&config, &contacts);
    Models::ErrorInfoModel model(&session, nullptr);
    QCOMPARE(model.rowCount(), 0);

    session.setReconnecting(true);
    QCOMPARE(model.types(), QList<int>({Models::ErrorInfoModel::XsiUnavailable,
                                        Models::ErrorInfoModel::NetworkLost}));
    QCOMPARE(model.index(0).data(Qt::DisplayRole).toString(),
             QString("Some events are unavailable"));
    QCOMPARE(model.index(1).data(Qt::DisplayRole).toString(), QString("Network connection lost"));
    QVERIFY(model.index(1).data(Qt::StatusTipRole).toString().isEmpty());
    QVERIFY(!model.index(2).data(Qt::DisplayRole).isValid());

    // The calls connection closes: its row joins, with what is missing.
    session.subSession(0)->setState(RAZ::Sessions::Session::Closed);
    QVERIFY(model.types().contains(Models::ErrorInfoModel::CallsUnavailable));
    const int calls = model.types().indexOf(Models::ErrorInfoModel::CallsUnavailable);
    QCOMPARE(model.index(calls).data(Qt::StatusTipRole).toString(),
             QString("Service not connected. Chat, Presence and Calls unavailable"));

    // The service returns: every row goes.
    session.subSession(0)->setState(RAZ::Sessions::Session::Active);
    session.setReconnecting(false);
    QCOMPARE(model.rowCount(), 0);

    // Reconnecting ends while XSI is down: its row stays, with the text of
    // calling from the phone alone.
    session.setReconnecting(true);
    session.subSession(2)->setState(RAZ::Sessions::Session::Closed);
    session.setReconnecting(false);
    QCOMPARE(model.types(), QList<int>({Models::ErrorInfoModel::XsiUnavailable}));
    QCOMPARE(model.index(0).data().toString(), QString("Calling from phone unavailable"));
  }

  void oneRowPerKindAndWindowsReused() {
    RAZ::Configuration::Config config(configText({{4, true}}), QString());
    RAZ::Contacts::Contacts contacts;
    FakeSession session(&config, &contacts);
    Models::ErrorInfoModel model(&session, nullptr);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    model.xsiCallLogsRetrievalFailed(RAZ::Xsi::XsiComponent::NetworkError, {});
    model.xsiCallLogsRetrievalFailed(RAZ::Xsi::XsiComponent::NetworkError, {});
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(inserted.count(), 1);
    model.showExtendedInfo(0);
    QPointer<Dialogs::MessageWindow> first = model.windowAt(0);
    QVERIFY(first && first->isVisible());
    model.showExtendedInfo(0);
    QCOMPARE(model.windowAt(0), first.data());
    model.showExtendedInfo(5);  // outside the list: nothing
    model.showExtendedInfo(-1);
    // A full check while signed in drops what no longer applies, and the
    // explanation with it.
    model.updateSessionStatuses();
    QCOMPARE(model.rowCount(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(!first || !first->isVisible(), ZentTest::kWaitMs);

    contacts.setReadOnly(true);
    QCOMPARE(model.types(), QList<int>({Models::ErrorInfoModel::ContactListReadOnly}));
    contacts.setReadOnly(false);
    QCOMPARE(model.rowCount(), 0);
    model.ldapQueryAuthenticationFailed();
    QCOMPARE(model.index(0).data().toString(), QString("Corporate Directory (LDAP) Error"));
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QEvent language(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&model, &language);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(reset.count(), 0);
    QCOMPARE(model.index(0).data().toString(), QString("Corporate directory credential error"));
    model.ldapQueryAuthenticationFixed();
    QCOMPARE(model.rowCount(), 0);
  }

  void nothingHappensOutsideASignedInSession() {
    RAZ::Contacts::Contacts contacts;
    FakeSession session(nullptr, &contacts);
    Models::ErrorInfoModel model(&session, nullptr);
    session.setState(RAZ::Sessions::StateSigningOut);
    session.subSession(0)->setState(RAZ::Sessions::Session::Closed);
    QCOMPARE(model.rowCount(), 0);
    Models::ErrorInfoModel alone(nullptr, nullptr);
    alone.updateSessionStatuses();
    QCOMPARE(alone.rowCount(), 0);
  }

  void textPairsInTheConfiguration() {
    RAZ::Configuration::Config config(
        "<config name=\"T\"><value id=\"67\" type=\"pairs\">en=;es=555; de = 777 ;fr"
        "</value></config>",
        QString());
    const QVariantList pairs = config.value(67).toList();
    QCOMPARE(pairs.size(), 4);
    QCOMPARE(pairs.at(0).toStringList(), QStringList({"en", ""}));
    QCOMPARE(pairs.at(2).toStringList(), QStringList({"de", "777"}));
    QCOMPARE(pairs.at(3).toStringList(), QStringList({"fr", ""}));
  }

  // --- left pane -------------------------------------------------------

  void leftPaneOrderFromConfiguration_data() {
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<QList<int>>("order");
    QTest::newRow("as configured")
        << configText({{59, true}, {14, 5}, {16, 1}, {17, 3}, {15, 2}}) << QList<int>({2, 1, 3, 0});
    QTest::newRow("equal orders keep the building order")
        << configText({{142, true}, {397, true}}) << QList<int>({0, 2, 3, 4, 5});
    QTest::newRow("no rooms, no directory") << configText({}) << QList<int>({0, 2, 3});
  }

  void leftPaneOrderFromConfiguration() {
    QFETCH(QByteArray, config);
    QFETCH(QList<int>, order);
    RAZ::Configuration::Config c(config, QString());
    Models::LeftPaneButtonsModel model(&c);
    QSortFilterProxyModel sorted;
    sorted.setSourceModel(&model);
    sorted.setSortRole(Models::LeftPaneButtonsModel::OrderRole);
    sorted.sort(0);
    QList<int> types;
    for (int row = 0; row < sorted.rowCount(); ++row)
      types << sorted.index(row, 0).data(Models::LeftPaneButtonsModel::ButtonTypeRole).toInt();
    QCOMPARE(types, order);
    QCOMPARE(model.roleNames().value(291), QByteArray("buttonType"));
    QVERIFY(!model.roleNames().contains(360));
    QVERIFY(!model.index(0).data(Qt::DecorationRole).isValid());
  }

  void leftPaneRemembersTheView() {
    RAZ::Settings user(RAZ::Settings::User);
    user.remove("mainWindow/leftpane");
    RAZ::Configuration::Config config(configText({{13, QString("history")}, {142, false}}),
                                      QString());
    Models::LeftPaneButtonsModel first(&config);
    QCOMPARE(first.lastActiveView(), 2);
    first.setLastActiveView(3);
    QCOMPARE(first.lastActiveView(), 2);  // read as restored
    QCOMPARE(RAZ::Settings(RAZ::Settings::User).value("mainWindow/leftpane").toString(),
             QString("dialpad"));
    Models::LeftPaneButtonsModel second(&config);
    QCOMPARE(second.lastActiveView(), 3);
    // A view that is switched off now gives the contacts.
    RAZ::Settings(RAZ::Settings::User).setValue("mainWindow/leftpane", "directory");
    Models::LeftPaneButtonsModel third(&config);
    QCOMPARE(third.lastActiveView(), 0);
    Models::LeftPaneButtonsModel none(nullptr);
    QCOMPARE(none.rowCount(), 0);
    QCOMPARE(none.lastActiveView(), 0);
  }

  void externalLinkNeedsAValidAddress_data() {
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("link") << configText({{397, true},
                                         {398, QString("Portal")},
                                         {399, QString("https://portal.example.org")}})
                          << true;
    QTest::newRow("no link") << configText({{397, true}}) << false;
    QTest::newRow("switched off") << configText({{397, false},
                                                 {399, QString("https://portal.example.org")}})
                                  << false;
  }

  void externalLinkNeedsAValidAddress() {
    QFETCH(QByteArray, config);
    QFETCH(bool, enabled);
    RAZ::Configuration::Config c(config, QString());
    Utils::ExternalResourceButtonHelper helper(&c);
    QCOMPARE(helper.enabled(), enabled);
    // The web button is listed even when its link is unusable.
    Models::LeftPaneButtonsModel model(&c);
    QCOMPARE(model.rowCount() == 4, c.getBool(Utils::ConfigId::ExternalResourceButton));
  }
};

ZENT_TEST_MAIN(TestMainWindowParts, QApplication)
#include "tst_mainwin_parts.moc"
