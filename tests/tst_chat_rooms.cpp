// Chat rooms and the chat scene: the room dialogs and their XMPP form, the
// member list, the room menu, the chat-room handler against the demo
// service (a room created, configured, joined with and without a password,
// refused, deleted), a chat wired twice, the message field's length limit,
// and the call debug window. The demo service is driven through its own
// objects; every wait is for the event itself.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QQuickItem>
#include <QQuickWidget>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWebFrame>
#include <QtTest>

#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/ChatInterface.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/XmppChatController.h>
#include <RAZ/Demo/DemoSession.h>
#include <RAZ/Demo/Service.h>
#include <RAZ/MediaEngine/CallBasePtr.h>
#include <RAZ/MediaEngine/Spirit/CallDebugInfo.h>
#include <RAZ/Settings.h>
#include <RAZ/Webcollab/WebcollabControllerBase.h>

#include "Models/Chat/MessageModel.h"
#include "Models/Chat/RoomMembersModel.h"
#include "TestSupport.h"
#include "Utils/ChatRoomActions.h"
#include "Utils/NotificationManager.h"
#include "Utils/SettingsKeys.h"
#include "Utils/WindowManagerChatHelper.h"
#include "Widgets/Notifications/CommunicationNotification.h"
#include "dialogs/ConfigureRoom.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/XmppPasswordDialog.h"
#include "libqml/components/CallDebugWindow.h"
#include "libqml/components/CommunicationsWindow.h"
#include "libqml/items/WebView.h"
#include "libqml/window/View.h"

using RAZ::Controllers::CommunicationSession;
using RAZ::Controllers::XmppChat;
using RAZ::Controllers::XmppChatController;

namespace {

const QString kOwnRoom = "release-planning@conference.demo.zent";
const QString kProtectedRoom = "support@conference.demo.zent";
const QString kPrivateRoom = "coffee@conference.demo.zent";

QVariant field(const QXmppDataForm& form, const QString& key, bool* found = nullptr) {
  if (found) *found = false;
  for (const QXmppDataForm::Field& f : form.fields()) {
    if (f.key() == key) {
      if (found) *found = true;
      return f.value();
    }
  }
  return QVariant();
}

template <typename T>
T* child(QObject* parent, const char* name) {
  T* found = parent ? parent->findChild<T*>(QLatin1String(name)) : nullptr;
  if (!found) qFatal("No child %s", name);
  return found;
}

template <typename T>
QList<T*> visibleTopLevels() {
  QList<T*> out;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* t = qobject_cast<T*>(w))
      if (t->isVisible()) out << t;
  return out;
}

bool messageShown(const QString& title) {
  for (auto* m : visibleTopLevels<Dialogs::MessageWindow>())
    if (m->windowTitle() == title) return true;
  return false;
}

void closeAllTopLevels() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible()) w->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Receives what the room menu asks for.
class RoomReceiver : public QObject {
  Q_OBJECT
 public:
  QString joined, configured, deleted, deletedName;
  int calls = 0;
 public slots:
  void createGroupChat(const QString& jid) {
    joined = jid;
    ++calls;
  }
  void requestRoomConfiguration(const QString& jid) {
    configured = jid;
    ++calls;
  }
  void deleteRoom(const QString& jid, const QString& name) {
    deleted = jid;
    deletedName = name;
    ++calls;
  }
};

}  // namespace

class TestChatRooms : public QObject {
  Q_OBJECT

  QTemporaryDir m_user;
  QTemporaryDir m_install;
  RAZ::Demo::DemoSession* m_session = nullptr;
  Utils::WindowManagerChatHelper* m_helper = nullptr;
  TP::Core::Refcounting::SmartPtr<RAZ::Models::SmileysPtr> m_smileys;

  XmppChatController* rooms() const { return m_session->xmppChatController(); }
  CommunicationSession* lastSession() const {
    const auto list = m_session->commsSessionController()->commsList();
    return list.isEmpty() ? nullptr : list.last();
  }
  QML::CommunicationsWindow* windowFor(CommunicationSession* session) {
    auto* w = new QML::CommunicationsWindow(m_session, session, nullptr, false);
    w->Activate();
    return w;
  }
  void setAskBeforeDeleting(bool ask) {
    RAZ::Settings(RAZ::Settings::User).setValue(Utils::SettingsKey::ConfirmDeleteChatRoom, ask);
  }

 private slots:
  void initTestCase() {
    ZentTest::installStrictMessageHandler();
    ZentTest::initScenes();
    QVERIFY(m_user.isValid() && m_install.isValid());
    RAZ::Settings::setPath(RAZ::Settings::User, m_user.path());
    RAZ::Settings::setPath(RAZ::Settings::Installation, m_install.path());
    RAZ::Demo::Service::instance().reset();
    RAZ::Demo::Service::instance().setPresenceChanges(false);
  }

  void init() {
    setAskBeforeDeleting(true);
    // The service keeps an account's rooms between its sessions: every test
    // starts with the account as the demo data has it.
    RAZ::Demo::Service::instance().setAccountState("tester", QVariantMap());
    m_smileys = new RAZ::Models::SmileysPtr;
    m_session = new RAZ::Demo::DemoSession(nullptr);
    m_session->open("tester", "demo");
    m_helper = new Utils::WindowManagerChatHelper(nullptr);
    QVERIFY(m_helper->initialize(m_session->contactsManager(), m_session, nullptr, m_smileys));
  }

  void cleanup() {
    closeAllTopLevels();
    delete m_helper;
    delete m_session;
    m_smileys = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  // ---- Member list ----

  void membersModelShowsNamesAndRemovesCheckedRows() {
    Models::Chat::RoomMembersModel model(m_session->contactsManager());
    model.addMembers({"alice.moreno@demo.zent", "stranger@elsewhere", "c@x", "d@x"});
    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(model.data(model.index(0), Qt::DisplayRole).toString(), QString("Alice Moreno"));
    QCOMPARE(model.data(model.index(1), Qt::DisplayRole).toString(), QString("stranger@elsewhere"));
    QCOMPARE(model.data(model.index(1), Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    QVERIFY(!model.data(model.index(4), Qt::DisplayRole).isValid());
    QVERIFY(!model.data(model.index(0), Qt::EditRole).isValid());
    QVERIFY(!model.setData(model.index(4), Qt::Checked, Qt::CheckStateRole));
    QVERIFY(!model.setData(model.index(0), Qt::Checked, Qt::DisplayRole));
    QVERIFY(model.flags(model.index(0)).testFlag(Qt::ItemIsUserCheckable));
    for (int row : {0, 2, 3})
      QVERIFY(model.setData(model.index(row), Qt::Checked, Qt::CheckStateRole));
    QCOMPARE(model.checkedJids(), QStringList({"alice.moreno@demo.zent", "c@x", "d@x"}));
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    model.removeChecked();
    QCOMPARE(removed.count(), 3);
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.data(model.index(0), Qt::DisplayRole).toString(), QString("stranger@elsewhere"));
  }

  // ---- Room menu ----

  void roomMenuForwardsItsRoom() {
    RoomReceiver receiver;
    Utils::ChatRoomActions actions(&receiver, &receiver, &receiver);
    std::unique_ptr<QMenu> menu(actions.createRoomMenu("r@x", "<b>R</b>"));
    QVERIFY(!menu->parent());
    const QList<QAction*> entries = menu->actions();
    QCOMPARE(entries.size(), 4);
    QVERIFY(entries.at(2)->isSeparator());
    entries.at(0)->trigger();
    QCOMPARE(receiver.joined, QString("r@x"));
    entries.at(1)->trigger();
    QCOMPARE(receiver.configured, QString("r@x"));
    entries.at(3)->trigger();
    QCOMPARE(receiver.deleted, QString("r@x"));
    QCOMPARE(receiver.deletedName, QString("<b>R</b>"));
    // An entry without a room asks for the empty room; another sender nothing.
    QAction bare;
    connect(&bare, SIGNAL(triggered()), &actions, SLOT(joinRoom()));
    bare.trigger();
    QCOMPARE(receiver.joined, QString());
    const int calls = receiver.calls;
    actions.joinRoom();
    QCOMPARE(receiver.calls, calls);
  }

  // ---- Configuration dialog and its form ----

  void formFieldsAreWrittenWithTheirTypesOnce() {
    QXmppDataForm form = XmppChatController::defaultRoomForm("Old name");
    form.fields() << QXmppDataForm::Field(QXmppDataForm::Field::TextSingleField, "x#custom",
                                          "keep");
    QPointer<Dialogs::ConfigureRoom> dialog =
        new Dialogs::ConfigureRoom("r@x", form, false, 20, m_session->contactsManager());
    dialog->show();
    QCOMPARE(dialog->helpContext(), QString("editRoom"));
    QCOMPARE(dialog->windowTitle(), QString("Edit Room"));
    QCOMPARE(child<QLineEdit>(dialog, "nameEdit")->text(), QString("Old name"));
    QVERIFY(child<QRadioButton>(dialog, "privateRoomButton")->isChecked());
    QVERIFY(!child<QCheckBox>(dialog, "enableHistory")->isChecked());
    QVERIFY(child<QPushButton>(dialog, "createButton")->isHidden());
    QVERIFY(child<QCheckBox>(dialog, "enableHistory")->toolTip().contains("20"));
    child<QLineEdit>(dialog, "nameEdit")->setText("  New name  ");
    child<QRadioButton>(dialog, "publicRoomButton")->setChecked(true);
    child<QCheckBox>(dialog, "enableHistory")->setChecked(true);
    QSignalSpy accepted(dialog.data(), &Dialogs::ConfigureRoom::roomConfigAccepted);
    QSignalSpy canceled(dialog.data(), &Dialogs::ConfigureRoom::roomConfigCanceled);
    // A double click on Save sends the form once.
    dialog->accepted();
    dialog->accepted();
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(canceled.count(), 0);
    QCOMPARE(accepted.at(0).at(2).toBool(), false);
    const QXmppDataForm sent = accepted.at(0).at(1).value<QXmppDataForm>();
    QCOMPARE(sent.type(), QXmppDataForm::Submit);
    // What the dialog does not show stays as the room has it.
    const QList<QPair<QString, QVariant>> expected = {
        {"muc#roomconfig_publicroom", false},
        {"muc#roomconfig_persistentroom", false},
        {"muc#roomconfig_passwordprotectedroom", false},
        {"muc#roomconfig_membersonly", false},
        {"muc#maxhistoryfetch", 20},
        {"muc#roomconfig_roomname", QString("New name")}};
    for (const auto& e : expected) {
      const QVariant v = field(sent, e.first);
      QCOMPARE(v.userType(), e.second.userType());
      QCOMPARE(v, e.second);
    }
    QCOMPARE(field(sent, "x#custom").toString(), QString("keep"));
    QCOMPARE(sent.fields().size(), form.fields().size());
    QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull(), ZentTest::kWaitMs);
  }

  // A room the service gives no title (a new room's form, as some services
  // send it) offers the name in its address; saved without a change of
  // name, the title stays as the service had it.
  void aRoomWithoutTitleCanBeSavedAsItIs() {
    QPointer<Dialogs::ConfigureRoom> dialog =
        new Dialogs::ConfigureRoom("standup@conference.x", XmppChatController::defaultRoomForm(""),
                                   false, 20, m_session->contactsManager());
    dialog->show();
    QCOMPARE(child<QLineEdit>(dialog, "nameEdit")->text(), QString("standup"));
    auto* save = child<QPushButton>(dialog, "editButton");
    QVERIFY(save->isEnabled());
    QSignalSpy accepted(dialog.data(), &Dialogs::ConfigureRoom::roomConfigAccepted);
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(field(accepted.at(0).at(1).value<QXmppDataForm>(), "muc#roomconfig_roomname"),
             QVariant(QString()));
    QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull(), ZentTest::kWaitMs);
  }

  void formWithoutHistoryFieldGetsNone() {
    QXmppDataForm form = XmppChatController::defaultRoomForm("Room");
    QList<QXmppDataForm::Field>& fields = form.fields();
    for (int i = fields.size() - 1; i >= 0; --i)
      if (fields.at(i).key() == "muc#maxhistoryfetch") fields.removeAt(i);
    auto* dialog = new Dialogs::ConfigureRoom("r@x", form, true, 50, {});
    QSignalSpy accepted(dialog, &Dialogs::ConfigureRoom::roomConfigAccepted);
    child<QLineEdit>(dialog, "nameEdit")->setText("Room");
    dialog->enableCreateIfValidName();
    dialog->accepted();
    QCOMPARE(accepted.count(), 1);
    bool found = true;
    field(accepted.at(0).at(1).value<QXmppDataForm>(), "muc#maxhistoryfetch", &found);
    QVERIFY(!found);
    QCOMPARE(accepted.at(0).at(2).toBool(), true);
  }

  void nameCheckAndConnection() {
    QPointer<Dialogs::ConfigureRoom> dialog = new Dialogs::ConfigureRoom(
        "r@x", XmppChatController::defaultRoomForm(QString()), true, 50, {});
    dialog->show();
    QCOMPARE(dialog->helpContext(), QString("createRoom"));
    QCOMPARE(dialog->windowTitle(), QString("Create Room"));
    QVERIFY(child<QCheckBox>(dialog, "enableHistory")->isChecked());
    QVERIFY(child<QWidget>(dialog, "membersWidget")->isHidden());
    QVERIFY(!child<QPushButton>(dialog, "createButton")->isEnabled());
    // A forbidden character (the bar, a tab) becomes a blank where it was typed.
    QTest::keyClicks(child<QLineEdit>(dialog, "nameEdit"), "ab");
    child<QLineEdit>(dialog, "nameEdit")->setCursorPosition(1);
    QTest::keyClicks(child<QLineEdit>(dialog, "nameEdit"), "|");
    QCOMPARE(child<QLineEdit>(dialog, "nameEdit")->text(), QString("a b"));
    QCOMPARE(child<QLineEdit>(dialog, "nameEdit")->cursorPosition(), 2);
    QVERIFY(child<QPushButton>(dialog, "createButton")->isEnabled());
    child<QLineEdit>(dialog, "nameEdit")->setText("   ");
    dialog->enableCreateIfValidName();
    QVERIFY(!child<QPushButton>(dialog, "createButton")->isEnabled());
    QVERIFY(!child<QPushButton>(dialog, "editButton")->isEnabled());
    child<QLineEdit>(dialog, "nameEdit")->setText("Room");
    dialog->disableCreate();
    dialog->enableCreateIfValidName();
    QVERIFY(!child<QPushButton>(dialog, "createButton")->isEnabled());
    QVERIFY(child<QPushButton>(dialog, "editButton")->isEnabled());
    dialog->enableCreate();
    QVERIFY(child<QPushButton>(dialog, "createButton")->isEnabled());
    QSignalSpy canceled(dialog.data(), &Dialogs::ConfigureRoom::roomConfigCanceled);
    child<QPushButton>(dialog, "cancelButton")->click();
    QCOMPARE(canceled.count(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull(), ZentTest::kWaitMs);
  }

  void deletionDialogShowsNameAsTextAndStoresTheBox() {
    auto* dialog = new Dialogs::DeleteRoomDialog("r@x", "<b>Room</b>");
    dialog->show();
    QCOMPARE(child<QLabel>(dialog, "label")->textFormat(), Qt::PlainText);
    QCOMPARE(child<QLabel>(dialog, "label")->text(),
             QString("Are you sure you want to delete <b>Room</b>?"));
    QSignalSpy accepted(dialog, SIGNAL(accepted(QString)));
    child<QCheckBox>(dialog, "alwaysAskCheckBox")->setChecked(false);
    child<QPushButton>(dialog, "noButton")->click();
    QCOMPARE(accepted.count(), 0);
    QCOMPARE(RAZ::Settings(RAZ::Settings::User)
                 .value(Utils::SettingsKey::ConfirmDeleteChatRoom, true)
                 .toBool(),
             false);
  }

  // ---- The chat-room handler against the demo service ----

  void roomCreatedConfiguredAndDeleted() {
    QSignalSpy created(rooms(), &XmppChatController::roomCreated);
    QSignalSpy projectRoom(m_helper, &Utils::WindowManagerChatHelper::projectRoomCreated);
    rooms()->createRoom();
    QTRY_COMPARE_WITH_TIMEOUT(m_helper->configureWindowCount(), 1, ZentTest::kWaitMs);
    CommunicationSession* session = lastSession();
    QVERIFY(session);
    auto* chat = qobject_cast<XmppChat*>(session->getChatInterface());
    QVERIFY(chat);
    const QString jid = chat->roomJid();
    Dialogs::ConfigureRoom* dialog = m_helper->configureWindow(jid);
    QVERIFY(dialog && dialog->isCreationMode());
    child<QLineEdit>(dialog, "nameEdit")->setText("Team lunch");
    dialog->enableCreateIfValidName();
    child<QPushButton>(dialog, "createButton")->click();
    QTRY_COMPARE_WITH_TIMEOUT(created.count(), 1, ZentTest::kWaitMs);
    QCOMPARE(projectRoom.count(), 1);
    QCOMPARE(created.at(0).at(0).toString(), jid);
    QVERIFY(rooms()->hasRoom(jid));
    QCOMPARE(rooms()->roomName(jid), QString("Team lunch"));
    QCOMPARE(chat->state(), int(XmppChat::StateJoined));
    QVERIFY(chat->isRoomOwner());
    QCOMPARE(session->contactName(), QString("Team lunch"));
    QTRY_COMPARE_WITH_TIMEOUT(m_helper->configureWindowCount(), 0, ZentTest::kWaitMs);
    // The service keeps the form as sent, with its types.
    QCOMPARE(field(rooms()->roomForm(jid), "muc#roomconfig_membersonly").userType(),
             int(QMetaType::Bool));
    QCOMPARE(field(rooms()->roomForm(jid), "muc#maxhistoryfetch").userType(), int(QMetaType::Int));

    // Editing: the form arrives in edit mode; asking again raises the same dialog.
    QSignalSpy changed(rooms(), &XmppChatController::roomChanged);
    rooms()->requestRoomConfiguration(jid);
    QTRY_VERIFY_WITH_TIMEOUT(m_helper->configureWindow(jid), ZentTest::kWaitMs);
    dialog = m_helper->configureWindow(jid);
    QVERIFY(!dialog->isCreationMode());
    QCOMPARE(child<QLineEdit>(dialog, "nameEdit")->text(), QString("Team lunch"));
    rooms()->requestRoomConfiguration(jid);
    QTest::qWait(0);
    QTRY_COMPARE_WITH_TIMEOUT(m_helper->configureWindowCount(), 1, ZentTest::kWaitMs);
    QCOMPARE(m_helper->configureWindow(jid), dialog);
    child<QLineEdit>(dialog, "nameEdit")->setText("Team dinner");
    dialog->enableCreateIfValidName();
    child<QPushButton>(dialog, "editButton")->click();
    QTRY_COMPARE_WITH_TIMEOUT(changed.count(), 1, ZentTest::kWaitMs);
    QCOMPARE(rooms()->roomName(jid), QString("Team dinner"));
    QCOMPARE(chat->getRoomName(), QString("Team dinner"));

    // Deleting without the question.
    setAskBeforeDeleting(false);
    QSignalSpy destroyed(rooms(), &XmppChatController::roomDestroyed);
    m_helper->deleteRoom(jid, "Team dinner");
    QTRY_COMPARE_WITH_TIMEOUT(destroyed.count(), 1, ZentTest::kWaitMs);
    QVERIFY(!rooms()->hasRoom(jid));
    QVERIFY(chat->roomNotExistent());
  }

  void deletingAsksFirstAndOnlyTheOwnerMayDelete() {
    QSignalSpy destroyed(rooms(), &XmppChatController::roomDestroyed);
    m_helper->deleteRoom(kOwnRoom, "Release planning");
    QTRY_COMPARE_WITH_TIMEOUT(visibleTopLevels<Dialogs::DeleteRoomDialog>().size(), 1,
                              ZentTest::kWaitMs);
    QVERIFY(rooms()->hasRoom(kOwnRoom));
    child<QPushButton>(visibleTopLevels<Dialogs::DeleteRoomDialog>().first(), "yesButton")->click();
    QTRY_COMPARE_WITH_TIMEOUT(destroyed.count(), 1, ZentTest::kWaitMs);
    QVERIFY(!rooms()->hasRoom(kOwnRoom));

    setAskBeforeDeleting(false);
    m_helper->deleteRoom(kProtectedRoom, "Support desk");
    QTRY_VERIFY_WITH_TIMEOUT(messageShown("Error Deleting Room"), ZentTest::kWaitMs);
    QVERIFY(rooms()->hasRoom(kProtectedRoom));
    rooms()->requestRoomConfiguration(kProtectedRoom);
    QTRY_VERIFY_WITH_TIMEOUT(messageShown("Error Editing Room"), ZentTest::kWaitMs);
    QCOMPARE(m_helper->configureWindowCount(), 0);
  }

  void editingListsMembersAndRemovesThem() {
    rooms()->requestRoomConfiguration(kOwnRoom);
    QTRY_VERIFY_WITH_TIMEOUT(m_helper->configureWindow(kOwnRoom), ZentTest::kWaitMs);
    Dialogs::ConfigureRoom* dialog = m_helper->configureWindow(kOwnRoom);
    QTRY_COMPARE_WITH_TIMEOUT(dialog->membersModel()->rowCount(), 3, ZentTest::kWaitMs);
    // A public room has no members to remove; a private one has.
    QVERIFY(!child<QWidget>(dialog, "membersWidget")->isEnabled());
    child<QRadioButton>(dialog, "privateRoomButton")->setChecked(true);
    QVERIFY(child<QWidget>(dialog, "membersWidget")->isEnabled());
    QCOMPARE(dialog->membersModel()->data(dialog->membersModel()->index(0)).toString(),
             QString("Alice Moreno"));
    dialog->membersModel()->setData(dialog->membersModel()->index(0), Qt::Checked,
                                    Qt::CheckStateRole);
    QSignalSpy removal(dialog, &Dialogs::ConfigureRoom::removeParticipants);
    child<QPushButton>(dialog, "removeButton")->click();
    QCOMPARE(removal.count(), 1);
    QCOMPARE(dialog->membersModel()->rowCount(), 2);
    QTRY_VERIFY_WITH_TIMEOUT(!rooms()->roomMembers(kOwnRoom).contains("alice.moreno@demo.zent"),
                             ZentTest::kWaitMs);
  }

  void joiningWithAndWithoutPassword() {
    // An open room.
    rooms()->createGroupChat(kOwnRoom);
    XmppChat* open = rooms()->roomChat(kOwnRoom);
    QVERIFY(open);
    QTRY_COMPARE_WITH_TIMEOUT(open->state(), int(XmppChat::StateJoined), ZentTest::kWaitMs);

    // A protected room: one prompt, even with the chat wired twice.
    rooms()->createGroupChat(kProtectedRoom);
    CommunicationSession* session = lastSession();
    // Windows close (and go) with their sessions: held by guards.
    QPointer<QML::CommunicationsWindow> window(windowFor(session));
    QVERIFY(m_helper->connectChat(session, window.data()));
    QObject* model = window->messageModel();
    QVERIFY(model);
    QVERIFY(m_helper->connectChat(session, window.data()));
    QCOMPARE(window->messageModel(), model);
    XmppChat* chat = rooms()->roomChat(kProtectedRoom);
    QTRY_VERIFY_WITH_TIMEOUT(m_helper->passwordDialog(kProtectedRoom), ZentTest::kWaitMs);
    QCOMPARE(visibleTopLevels<Widgets::Conference::XmppPasswordDialog>().size(), 1);
    // A wrong password is asked again in the same prompt.
    emit m_helper->passwordEntered(kProtectedRoom, "wrong");
    QTRY_COMPARE_WITH_TIMEOUT(chat->state(), int(XmppChat::StateJoinFailed), ZentTest::kWaitMs);
    QTest::qWait(0);
    QCOMPARE(visibleTopLevels<Widgets::Conference::XmppPasswordDialog>().size(), 1);
    Widgets::Conference::XmppPasswordDialog* prompt = m_helper->passwordDialog(kProtectedRoom);
    auto* edit = prompt->findChild<QLineEdit*>("passwordEdit");
    QVERIFY(edit);
    QTest::keyClicks(edit, "demo-room");
    prompt->okClicked();
    QTRY_COMPARE_WITH_TIMEOUT(chat->state(), int(XmppChat::StateJoined), ZentTest::kWaitMs);
    session->close();
    QTRY_VERIFY_WITH_TIMEOUT(!rooms()->roomChat(kProtectedRoom), ZentTest::kWaitMs);

    // A wrong password typed into the prompt: the prompt that answered
    // closes and a new one, titled with the room's name, says why; its
    // Cancel leaves nothing of the room behind.
    rooms()->createGroupChat(kProtectedRoom);
    QPointer<CommunicationSession> second = lastSession();
    QPointer<QML::CommunicationsWindow> secondWindow(windowFor(second));
    QVERIFY(m_helper->connectChat(second, secondWindow.data()));
    QTRY_VERIFY_WITH_TIMEOUT(m_helper->passwordDialog(kProtectedRoom), ZentTest::kWaitMs);
    prompt = m_helper->passwordDialog(kProtectedRoom);
    QCOMPARE(prompt->windowTitle(), QString("Support desk"));
    QTest::keyClicks(prompt->findChild<QLineEdit*>("passwordEdit"), "wrong");
    prompt->okClicked();
    QTRY_VERIFY_WITH_TIMEOUT(
        m_helper->passwordDialog(kProtectedRoom) &&
            m_helper->passwordDialog(kProtectedRoom)->isVisible() &&
            m_helper->passwordDialog(kProtectedRoom)->reasonText() == QString("Incorrect password"),
        ZentTest::kWaitMs);
    m_helper->passwordDialog(kProtectedRoom)->cancelClicked();
    QTRY_VERIFY_WITH_TIMEOUT(second.isNull(), ZentTest::kWaitMs);

    // A private room the user is no member of.
    rooms()->createGroupChat(kPrivateRoom);
    CommunicationSession* privateSession = lastSession();
    QPointer<QML::CommunicationsWindow> privateWindow(windowFor(privateSession));
    QVERIFY(m_helper->connectChat(privateSession, privateWindow.data()));
    QTRY_VERIFY_WITH_TIMEOUT(messageShown("Private Room"), ZentTest::kWaitMs);
    // A refused room is left: its session ends and its window with it.
    QTRY_VERIFY_WITH_TIMEOUT(privateWindow.isNull(), ZentTest::kWaitMs);
    delete window.data();
    delete secondWindow.data();
  }

  void oneToOneChatIsWiredOnceAndAnswered() {
    RAZ::Contacts::ContactPtr alice = m_session->contactsManager()->getContact(101);
    QVERIFY(alice);
    m_session->commsSessionController()->createChat({alice});
    CommunicationSession* session = lastSession();
    QVERIFY(session && session->getChatInterface());
    std::unique_ptr<QML::CommunicationsWindow> window(windowFor(session));
    QVERIFY(m_helper->connectChat(session, window.get()));
    QVERIFY(m_helper->connectChat(session, window.get()));
    auto* model = qobject_cast<Models::Chat::MessageModel*>(window->messageModel());
    QVERIFY(model);
    QSignalSpy typing(model, &Models::Chat::MessageModel::typingNotificationChanged);
    session->getChatInterface()->setTypers({"alice.moreno@demo.zent"});
    QCOMPARE(typing.count(), 1);
    session->getChatInterface()->setTypers({});

    // Sending from the scene; the demo contact answers in the transcript.
    QQuickItem* root =
        qobject_cast<QQuickWidget*>(window->pane(QML::CommsLayout::ChatPane))->rootObject();
    QVERIFY(root);
    auto* input = root->findChild<QQuickItem*>("messageInput");
    QVERIFY(input);
    input->setProperty("text", "Lunch at noon?");
    QVariant sent;
    QVERIFY(QMetaObject::invokeMethod(root, "send", Q_RETURN_ARG(QVariant, sent)));
    QVERIFY(sent.toBool());
    QCOMPARE(input->property("text").toString(), QString());
    auto* view = root->findChild<QDeclarativeWebView2*>("transcriptView");
    QVERIFY(view);
    QTRY_VERIFY_WITH_TIMEOUT(view->page()->mainFrame()->toPlainText().contains("Lunch at noon?"),
                             ZentTest::kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(view->page()->mainFrame()->toPlainText().contains("Sounds good."),
                             ZentTest::kWaitMs);
  }

  void returnSendsShiftReturnBreaksTheLine() {
    RAZ::Contacts::ContactPtr alice = m_session->contactsManager()->getContact(101);
    m_session->commsSessionController()->createChat({alice});
    CommunicationSession* session = lastSession();
    std::unique_ptr<QML::CommunicationsWindow> window(windowFor(session));
    QVERIFY(m_helper->connectChat(session, window.get()));
    auto* view = qobject_cast<QQuickWidget*>(window->pane(QML::CommsLayout::ChatPane));
    QQuickItem* root = view->rootObject();
    auto* input = root->findChild<QQuickItem*>("messageInput");
    QVERIFY(input);
    QVERIFY(!input->property("readOnly").toBool());
    QFocusEvent focusIn(QEvent::FocusIn, Qt::OtherFocusReason);
    QCoreApplication::sendEvent(view, &focusIn);
    input->forceActiveFocus();
    auto press = [view](Qt::KeyboardModifiers modifiers) {
      QKeyEvent key(QEvent::KeyPress, Qt::Key_Return, modifiers);
      QCoreApplication::sendEvent(view, &key);
    };
    QSignalSpy sent(session->getChatInterface(), &RAZ::Controllers::ChatInterface::messageSent);
    // Nothing typed: nothing sent.
    press(Qt::NoModifier);
    QCOMPARE(sent.count(), 0);
    input->setProperty("text", "ab");
    input->setProperty("cursorPosition", 1);
    press(Qt::ShiftModifier);
    QCOMPARE(input->property("text").toString(), QString("a\nb"));
    QCOMPARE(sent.count(), 0);
    press(Qt::NoModifier);
    QCOMPARE(sent.count(), 1);
    QCOMPARE(sent.at(0).at(0).toString(), QString("a\nb"));
    QCOMPARE(input->property("text").toString(), QString());
    // An emoticon goes in as its first text, where the cursor is.
    input->setProperty("text", "xy");
    input->setProperty("cursorPosition", 1);
    QVERIFY(QMetaObject::invokeMethod(root, "insertSmiley", Q_ARG(QVariant, QString(":-) :)"))));
    QCOMPARE(input->property("text").toString(), QString("x:-)y"));
    // The history choice is offered one to one.
    QVERIFY(root->findChild<QQuickItem*>("historySelection")->isVisible());
  }

  void roomChatHasNoHistoryChoiceAndListsItsParties() {
    rooms()->createGroupChat(kOwnRoom);
    CommunicationSession* session = lastSession();
    std::unique_ptr<QML::CommunicationsWindow> window(windowFor(session));
    QVERIFY(m_helper->connectChat(session, window.get()));
    XmppChat* chat = rooms()->roomChat(kOwnRoom);
    QTRY_COMPARE_WITH_TIMEOUT(chat->state(), int(XmppChat::StateJoined), ZentTest::kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(window->participants()->rowCount() >= 4, ZentTest::kWaitMs);
    QQuickItem* root =
        qobject_cast<QQuickWidget*>(window->pane(QML::CommsLayout::ChatPane))->rootObject();
    QVERIFY(!root->findChild<QQuickItem*>("historySelection")->isVisible());
    // Once the room is gone the history can still be read, nothing sent.
    chat->setRoomNotExistent(true);
    QVERIFY(root->findChild<QQuickItem*>("historySelection")->isVisible());
    QVERIFY(root->findChild<QQuickItem*>("roomGoneWarning")->isVisible());
    QVERIFY(root->findChild<QQuickItem*>("messageInput")->property("readOnly").toBool());
  }

  void chatNotificationShowsOnceAndClosesWithTheWindow() {
    NotificationManager notes;
    RAZ::Contacts::ContactPtr alice = m_session->contactsManager()->getContact(101);
    m_session->commsSessionController()->createChat({alice});
    CommunicationSession* session = lastSession();
    RAZ::Controllers::ChatInterface* chat = session->getChatInterface();
    std::unique_ptr<QML::CommunicationsWindow> window(windowFor(session));
    QVERIFY(m_helper->connectChat(session, window.get()));
    // A message that is a share invitation has a notification of its own.
    chat->setLastMessage(RAZ::Webcollab::WebcollabControllerBase::shareInvitationTag("s1"));
    m_helper->showChatNotification(session, &notes, window.get());
    QCOMPARE(notes.notificationWidgets().size(), 0);
    chat->setLastMessage("Are you there?");
    m_helper->showChatNotification(session, &notes, window.get());
    m_helper->showChatNotification(session, &notes, window.get());
    QCOMPARE(notes.notificationWidgets().size(), 1);
    QPointer<QML::CommunicationNotification> note = notes.findCommunicationNotification(
        session, QML::CommunicationNotification::ChatNotification);
    QVERIFY(note);
    QSignalSpy accepted(m_helper, &Utils::WindowManagerChatHelper::chatAccepted);
    emit note->chatNotificationAccepted();
    QCOMPARE(accepted.count(), 1);
    QVERIFY(chat->isAccepted());
    // Showing the window takes the notification away.
    emit window->windowVisible(true, window.get());
    QTRY_VERIFY_WITH_TIMEOUT(note.isNull() || !note->isVisible(), ZentTest::kWaitMs);
  }

  void messageFieldKeepsToTheMaximumLength() {
    QSettings ini(m_install.path() + "/" + RAZ::Settings::fileName(RAZ::Settings::Installation),
                  QSettings::IniFormat);
    ini.setValue("chat/maxMessageLength", 5);
    ini.sync();
    RAZ::Contacts::ContactPtr alice = m_session->contactsManager()->getContact(101);
    m_session->commsSessionController()->createChat({alice});
    CommunicationSession* session = lastSession();
    std::unique_ptr<QML::CommunicationsWindow> window(windowFor(session));
    QVERIFY(m_helper->connectChat(session, window.get()));
    auto* model = qobject_cast<Models::Chat::MessageModel*>(window->messageModel());
    ini.remove("chat/maxMessageLength");
    ini.sync();
    QCOMPARE(model->maxMessageLength(), 5);
    QQuickItem* root =
        qobject_cast<QQuickWidget*>(window->pane(QML::CommsLayout::ChatPane))->rootObject();
    auto* input = root->findChild<QQuickItem*>("messageInput");
    input->setProperty("text", "abcde");
    QCOMPARE(input->property("text").toString(), QString("abcde"));
    input->setProperty("cursorPosition", 5);
    QVERIFY(QMetaObject::invokeMethod(input, "insert", Q_ARG(int, 5), Q_ARG(QString, "f")));
    QCOMPARE(input->property("text").toString(), QString("abcde"));
    input->setProperty("text", "abcdefgh");
    QCOMPARE(input->property("text").toString(), QString("abcde"));
    // Typing is told to the peer and stops with an empty field.
    QVERIFY(session->getChatInterface()->isTyping());
    input->setProperty("text", "");
    QVERIFY(!session->getChatInterface()->isTyping());
  }

  // ---- Call debug window ----

  void debugWindowShowsEveryValue() {
    TP::Core::Refcounting::SmartPtr<RAZ::MediaEngine::CallBasePtr> call(
        new RAZ::MediaEngine::CallBasePtr("sip:alice.moreno@demo.zent",
                                          RAZ::MediaEngine::CallBasePtr::TypeAudio, false));
    std::unique_ptr<QML::CallDebugWindow> window(QML::CallDebugWindow::create(call));
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QString("Call debug"));
    QVERIFY(window->activate());
    QVERIFY(window->isVisible());
    RAZ::MediaEngine::Spirit::CallDebugInfo* info = window->debugInfo();
    QVERIFY(info);
    // Every value the scene reads exists (none reads as undefined).
    const QStringList names =
        QString(
            "CpuParmEnabled CpuParmMaxProcess CpuParmMaxTotal CpuStateEnabled CpuStateProcess "
            "CpuStateTotal acMicBoost acMicGain acMicMute acSpeakerGain acSpeakerMute "
            "acSystemMicGain "
            "acSystemMicMute acSystemSpeakerGain acSystemSpeakerMute aec aecAutoMode aecCNG "
            "aecMode "
            "aecNLP agc arsAutoFec arsFeedbackOverRTCP arsFrameResize arsHiBitrate arsHiFramerate "
            "arsInitialBitrate arsLoBitrate arsLoFramerate arsProfile audioInputDevice "
            "audioOutputDevice channelMicGain channelMicMute channelSpeakerGain channelSpeakerMute "
            "disableConfControl disableRTCP disableSendArsFeedback enableARS enableQOS "
            "keepAliveSec "
            "lastError ns recvStreamBitrate recvStreamBitrateFull recvStreamCodecName "
            "recvStreamFrameRate recvStreamFramesDecoded recvStreamInactiveTime "
            "recvStreamIntraFramesDecoded recvStreamJitter recvStreamOnlineTime "
            "recvStreamPacketRate "
            "recvStreamPacketsLost recvStreamPacketsReceived recvStreamPacketsRecovered "
            "recvStreamPacketsRetransmitted recvStreamPayloadReceived recvStreamPayloadType "
            "recvStreamQueueTimeLength recvStreamResetCount recvStreamResolution "
            "recvStreamRtxDelay "
            "recvStreamTotalReceived sendStreamAverageJitter sendStreamAverageRtxDelay "
            "sendStreamCodecName sendStreamCurrentQueueLength sendStreamDropFPS "
            "sendStreamDropFrames "
            "sendStreamEfficientJitter sendStreamFPS sendStreamFrames sendStreamIntraFrames "
            "sendStreamPayloadType sendStreamPeakJitter sendStreamPeakRtxDelay "
            "sendStreamRTPLostPacketsRate sendStreamRTPLostPacketsTotal sendStreamResetCount "
            "sendStreamResolution videoCaptureDevice videoEncoderBitrate videoEncoderCodecFlags "
            "videoEncoderCodecName videoEncoderFECCheckPackets videoEncoderFECInfoPackets "
            "videoEncoderFramerate videoEncoderImageSize videoEncoderKeyPeriod "
            "videoEncoderPayloadType "
            "videoEncoderRedundancy videoEncoderVEQProfile voiceEncoderBitrate voiceEncoderCN "
            "voiceEncoderCodecFlags voiceEncoderCodecName voiceEncoderFECCheckPackets "
            "voiceEncoderFECInfoPackets voiceEncoderFECInterleaving voiceEncoderFrameLength "
            "voiceEncoderPayloadType voiceEncoderSamplingFreq")
            .split(' ');
    for (const QString& name : names) {
      const int index = info->metaObject()->indexOfProperty(name.toLatin1().constData());
      QVERIFY2(index >= 0, qPrintable(name));
      QVERIFY2(info->metaObject()->property(index).isWritable(), qPrintable(name));
    }
    QCOMPARE(info->voiceEncoderCodecName(), QString("OPUS"));
    // F5 reads again; a switch flips the engine's value.
    const int reads = info->initCount();
    QQuickItem* root = window->view()->rootObject();
    QVERIFY(root);
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QFocusEvent focusIn(QEvent::FocusIn, Qt::OtherFocusReason);
    QCoreApplication::sendEvent(window->view(), &focusIn);
    root->forceActiveFocus();
    QKeyEvent f5(QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier);
    QCoreApplication::sendEvent(window->view(), &f5);
    QTRY_COMPARE_WITH_TIMEOUT(info->initCount(), reads + 1, ZentTest::kWaitMs);
    QVERIFY(info->aec());
    info->setAec(false);
    QVERIFY(!info->aec());
  }

  void debugWindowStaysHiddenWithoutItsScene() {
    TP::Core::Refcounting::SmartPtr<RAZ::MediaEngine::CallBasePtr> call(
        new RAZ::MediaEngine::CallBasePtr("sip:x@demo.zent",
                                          RAZ::MediaEngine::CallBasePtr::TypeAudio, false));
    QML::CallDebugWindow window(call);
    window.setSourceUrl("qrc:/windows/CallDebug/Missing.qml");
    QVERIFY(!window.activate());
    QVERIFY(!window.isVisible());
  }
};

ZENT_TEST_MAIN(TestChatRooms, QApplication)
#include "tst_chat_rooms.moc"
