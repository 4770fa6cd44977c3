// The main window of a demo session as a whole: built with every model and
// helper, publishing them to its scene; the banner following the demo
// service's connections; one selection shared by the lists, the menus'
// sources and drag and drop; a contact dropped on an active call offering
// transfer or conference; the contact card shown for a contact row of the
// active window only; and every part of it ending exactly once when the
// session ends.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QQmlContext>
#include <QQuickItem>
#include <QSortFilterProxyModel>
#include <QSystemTrayIcon>
#include <QtTest>

#include <RAZ/Actions/Source.h>
#include <RAZ/Client.h>
#include <RAZ/Contacts/ContactModels.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Demo/Service.h>
#include <RAZ/MediaEngine/CallBasePtr.h>
#include <RAZ/Models/ActiveComms.h>
#include <RAZ/Models/SelectionHandler.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Settings.h>

#include "Application.h"
#include "Models/ErrorInfoModel.h"
#include "Models/LeftPaneButtonsModel.h"
#include "Providers/MenuActionProvider.h"
#include "Scenario.h"
#include "SessionScope.h"
#include "TestSupport.h"
#include "Utils/ActiveCommsDragDropHandler.h"
#include "Utils/ActiveSelectionHandler.h"
#include "Utils/BadgeHandler.h"
#include "Utils/CommunicationSessionUiHelper.h"
#include "Utils/SelectionHandlerBase.h"
#include "Widgets/Notifications/ContactMouseOver.h"
#include "dialogs/MessageWindow.h"
#include "libqml/components/LoginWindow.h"
#include "libqml/components/MainWindow.h"
#include "libqml/utils/Style.h"
#include "libqml/window/View.h"

using RAZ::Controllers::CommunicationSession;

namespace {

const bool g_environment = ZentTest::useTemporaryHome("zent-test-mainwin-session-", true);

Application* app() { return ZentTest::Scenario::app(); }
RAZ::Demo::Service& demo() { return ZentTest::Scenario::demo(); }

QObject* contextObject(QML::MainWindow* main, const char* name) {
  return main->view()->rootContext()->contextProperty(QString::fromLatin1(name)).value<QObject*>();
}

// Items of the scene by name, delegates of repeaters included (they are
// children of their visual parent only).
QList<QQuickItem*> sceneItems(QQuickItem* item, const QString& name) {
  QList<QQuickItem*> found;
  if (!item) return found;
  if (item->objectName() == name) found << item;
  for (QQuickItem* child : item->childItems()) found << sceneItems(child, name);
  return found;
}

QQuickItem* sceneItem(QQuickItem* root, const char* name) {
  return sceneItems(root, QString::fromLatin1(name)).value(0);
}

// The row of the contact list that shows `contactId`.
int rowOf(QAbstractItemModel* list, int contactId) {
  for (int row = 0; row < list->rowCount(); ++row) {
    const QModelIndex i = list->index(row, 0);
    if (i.data(RAZ::Models::SelectionHandler::ItemTypeRole).toInt() == 1 &&
        i.data(RAZ::Contacts::Contacts::IdRole).toInt() == contactId)
      return row;
  }
  return -1;
}

}  // namespace

class TestMainWindowSession : public QObject {
  Q_OBJECT

  QML::Style* m_style = nullptr;

  QString signIn() {
    QML::LoginWindow* login = app()->loginWindow();
    if (!login) return QStringLiteral("no sign-in window");
    login->setUsername(QStringLiteral("carol"));
    login->setPassword(RAZ::Demo::Service::demoPassword());
    login->onSigninClicked();
    if (!QTest::qWaitFor([] { return app()->mainWindow() && app()->mainWindow()->isVisible(); },
                         ZentTest::kWaitMs))
      return QStringLiteral("the main window did not show");
    return QString();
  }

  // A call with the contact, answered.
  CommunicationSession* answeredCall(int contactId) {
    RAZ::Controllers::CommsSessionController* comms =
        app()->sessionManager()->commsSessionController();
    CommunicationSession* s = comms->receiveSession(contactId, CommunicationSession::KindCall);
    if (s && s->getCall()) s->getCall()->setCallState(RAZ::MediaEngine::CallBasePtr::StateInCall);
    return s;
  }

  static void closeMessages() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<Dialogs::MessageWindow*>(w) && w->isVisible()) w->close();
  }

 private slots:
  void initTestCase() {
    QVERIFY(g_environment);
    m_style = new QML::Style(nullptr);
    REQUIRE(ZentTest::Scenario::start());
    for (const QSharedPointer<QTranslator>& t : app()->translators())
      if (t) QCoreApplication::removeTranslator(t.data());
  }

  void cleanupTestCase() {
    ZentTest::Scenario::finish();
    delete m_style;
  }

  void init() { REQUIRE(ZentTest::Scenario::signOutByAction()); }
  void cleanup() { closeMessages(); }

  void builtWithEveryPart() {
    REQUIRE(signIn());
    QML::MainWindow* main = app()->mainWindow();
    QVERIFY(main->activeCommsModel());
    QCOMPARE(main->activeCommsFilter()->sourceModel(), main->activeCommsModel());
    QCOMPARE(main->activeSelectionModel()->sourceModel(), main->activeCommsFilter());
    QCOMPARE(main->activeSelectionHandler()->model(), main->activeSelectionModel());
    QCOMPARE(main->contactSelectionHandler()->model(), main->contactSelectionListModel());
    QVERIFY(main->errorInfoModel());
    QVERIFY(main->commsSessionUiHelper());
    QVERIFY(main->dragDropHandler());
    QCOMPARE(main->leftPaneButtonsSorted()->sourceModel(), main->leftPaneButtonsModel());
    // The demo offers project rooms and the directory, no provider page.
    QCOMPARE(main->leftPaneButtonsSorted()->rowCount(), 5);
    QVERIFY(!main->externalResourceButtonHelper());
    QVERIFY(!main->property("externalResourceButtonHelper").value<QObject*>());
    QCOMPARE(main->property("leftpaneButtonsSorted").value<QObject*>(),
             main->leftPaneButtonsSorted());
    // The scene reaches each through the names it uses.
    QCOMPARE(contextObject(main, "activeModel"), main->activeSelectionModel());
    QCOMPARE(contextObject(main, "activeSelectionHandler"), main->activeSelectionHandler());
    QCOMPARE(contextObject(main, "selectionHandler"), main->contactSelectionHandler());
    QCOMPARE(contextObject(main, "contactModel"), main->contactSelectionListModel());
    QCOMPARE(contextObject(main, "errorInfoModel"), main->errorInfoModel());
    QCOMPARE(contextObject(main, "activeCommsDragDropHandler"), main->dragDropHandler());
    QQuickItem* root = main->view()->rootObject();
    for (const char* button : {"leftPaneButton0", "leftPaneButton1", "leftPaneButton2",
                               "leftPaneButton3", "leftPaneButton4"})
      QVERIFY2(sceneItem(root, button), button);
    QVERIFY(!sceneItem(root, "leftPaneButton5"));
    // A click on a view button shows the view and keeps it for next time.
    QVERIFY(QMetaObject::invokeMethod(sceneItem(root, "leftPaneButton2"), "clicked"));
    QTRY_COMPARE_WITH_TIMEOUT(main->activeView(), QString("historyView"), ZentTest::kWaitMs);
    QCOMPARE(RAZ::Settings(RAZ::Settings::User).value("mainWindow/leftpane").toString(),
             QString("history"));
    // The history's badge counts the service's messages beside new calls.
    const int before = main->badgeHandler()->badgeCount();
    emit app()->sessionManager()->messagesSource()->messages(QVariant(2), QVariant());
    QCOMPARE(main->badgeHandler()->badgeCount(), before + 2);
    emit app()->sessionManager()->messagesSource()->messages(QVariant(0), QVariant());
    // Closing never ends the session; with no tray to bring the window
    // back it is minimised rather than hidden.
    QVERIFY(!main->canClose());
    QVERIFY(app()->client()->hasSession());
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
      QVERIFY(main->windowState() & Qt::WindowMinimized);
      QVERIFY(!main->isHidden());
    }
    main->showNormal();
  }

  void lastViewOpensInTheNextSession() {
    RAZ::Settings(RAZ::Settings::User).setValue("mainWindow/leftpane", "dialpad");
    REQUIRE(signIn());
    QTRY_COMPARE_WITH_TIMEOUT(app()->mainWindow()->activeView(), QString("dialpadView"),
                              ZentTest::kWaitMs);
    RAZ::Settings(RAZ::Settings::User).remove("mainWindow/leftpane");
  }

  void bannerFollowsTheService() {
    REQUIRE(signIn());
    QML::MainWindow* main = app()->mainWindow();
    Models::ErrorInfoModel* errors = main->errorInfoModel();
    QCOMPARE(errors->rowCount(), 0);
    QQuickItem* banner = main->view()->rootObject()->findChild<QQuickItem*>("errorBanner");
    QVERIFY(banner);
    QVERIFY(!banner->isVisible());
    QVERIFY(demo().loseService());
    QTRY_VERIFY_WITH_TIMEOUT(
        errors->types().contains(Models::ErrorInfoModel::NetworkLost) &&
            errors->types().contains(Models::ErrorInfoModel::CallsUnavailable) &&
            errors->types().contains(Models::ErrorInfoModel::ChatUnavailable),
        ZentTest::kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(banner->isVisible(), ZentTest::kWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(sceneItems(banner, "errorRow").size(), errors->rowCount(),
                              ZentTest::kWaitMs);
    // The explanation of a row opens on "More".
    const int calls = errors->types().indexOf(Models::ErrorInfoModel::CallsUnavailable);
    errors->showExtendedInfo(calls);
    QPointer<Dialogs::MessageWindow> more = errors->windowAt(calls);
    QVERIFY(more && more->isVisible());
    QCOMPARE(more->windowTitle(), QString("Calls unavailable"));
    QVERIFY(demo().restoreService());
    QTRY_COMPARE_WITH_TIMEOUT(errors->rowCount(), 0, ZentTest::kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(!banner->isVisible(), ZentTest::kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(!more || !more->isVisible(), ZentTest::kWaitMs);
    // A read-only contact list is a problem of its own.
    QVERIFY(demo().setContactsReadOnly(true));
    QTRY_COMPARE_WITH_TIMEOUT(errors->types(),
                              QList<int>({Models::ErrorInfoModel::ContactListReadOnly}),
                              ZentTest::kWaitMs);
    QVERIFY(demo().setContactsReadOnly(false));
    QTRY_COMPARE_WITH_TIMEOUT(errors->rowCount(), 0, ZentTest::kWaitMs);
  }

  void oneSelectionForListsAndMenus() {
    REQUIRE(signIn());
    QML::MainWindow* main = app()->mainWindow();
    Utils::ContactSelectionHandler* contacts = main->contactSelectionHandler();
    QAbstractItemModel* list = main->contactSelectionListModel();
    const QList<int> ids = app()->sessionManager()->contactsManager()->contactIds();
    QVERIFY(ids.size() >= 3);
    const int first = rowOf(list, ids.at(1));
    const int second = rowOf(list, ids.at(2));
    QVERIFY(first >= 0 && second >= 0);
    contacts->select(first, 0);
    contacts->select(second, Qt::ControlModifier);
    // What the menus act on is what the list selects.
    QList<QObject*> menuSources = main->contactSource()->sources();
    QCOMPARE(menuSources.size(), 2);
    for (QObject* o : contacts->selection()) QVERIFY(menuSources.contains(o));
    QVERIFY(main->isContactRowSelected(first));
    QVERIFY(list->index(second, 0)
                .data(RAZ::Models::SelectionHandler::SelectedRole)
                .toBool());  // the scene's rows see it too
    QCOMPARE(contacts->selectionAsString().split(',').size(), 2);

    // A session selected without Ctrl takes over the menus from the contacts.
    CommunicationSession* call = answeredCall(ids.at(1));
    QVERIFY(call);
    QTRY_COMPARE_WITH_TIMEOUT(main->activeSelectionModel()->rowCount(), 1, ZentTest::kWaitMs);
    main->activeSelectionHandler()->select(0, 0);
    QCOMPARE(main->activeSource()->sources(), QList<QObject*>({call}));
    QVERIFY(contacts->selection().isEmpty());
    QVERIFY(main->contactSource()->sources().isEmpty());
    QCOMPARE(main->activeSelectionHandler()->selectionAsString(), QString::number(ids.at(1)));
    // The session ends: the list and the selection follow.
    app()->sessionManager()->commsSessionController()->closeSession(call);
    QTRY_COMPARE_WITH_TIMEOUT(main->activeSelectionModel()->rowCount(), 0, ZentTest::kWaitMs);
    QVERIFY(main->activeSelectionHandler()->selection().isEmpty());
  }

  // The history list moves its current row whenever the history changes,
  // also while the contacts show: the menus and Enter must not pick up a
  // history entry the user cannot see.
  void hiddenHistoryRowIsNotActedOn() {
    REQUIRE(signIn());
    QML::MainWindow* main = app()->mainWindow();
    QCOMPARE(main->activeView(), QString("contactsView"));
    auto* history = main->view()->rootObject()->findChild<QQuickItem*>("historyList");
    QVERIFY(history);
    QTRY_VERIFY_WITH_TIMEOUT(history->property("count").toInt() > 0, ZentTest::kWaitMs);
    main->historySelectionChanged(0);
    QVERIFY(main->contactSource()->sources().isEmpty());
    // With a search typed and nothing selected, Enter starts nothing.
    auto* search = main->view()->rootObject()->findChild<QQuickItem*>("searchField");
    QVERIFY(search);
    search->setProperty("text", QString("nora"));
    main->triggerDefaultAction();
    QCoreApplication::processEvents();
    QVERIFY(app()->sessionManager()->commsSessionController()->commsList().isEmpty());
    search->setProperty("text", QString());

    // Shown, the history's current row is what the menus act on.
    main->view()
        ->rootObject()
        ->findChild<QQuickItem*>("activeView")
        ->setProperty("state", "historyView");
    QTRY_COMPARE_WITH_TIMEOUT(main->activeView(), QString("historyView"), ZentTest::kWaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(main->contactSource()->sources().size(), 1, ZentTest::kWaitMs);
    main->showContactList();
    QTRY_COMPARE_WITH_TIMEOUT(main->activeView(), QString("contactsView"), ZentTest::kWaitMs);
    QVERIFY(main->contactSource()->sources().isEmpty());
  }

  void contactDroppedOnAnActiveCall() {
    REQUIRE(signIn());
    QML::MainWindow* main = app()->mainWindow();
    const QList<int> ids = app()->sessionManager()->contactsManager()->contactIds();
    CommunicationSession* target = answeredCall(ids.at(1));
    QVERIFY(target);
    QTRY_COMPARE_WITH_TIMEOUT(main->activeCommsModel()->rowCount(), 1, ZentTest::kWaitMs);
    Utils::ActiveCommsDragDropHandler* drops = main->dragDropHandler();
    const QString dropped = QString::number(ids.at(2));
    QVERIFY(drops->checkDropAllowed(target, dropped, true));
    drops->handleDropOnActiveComm(static_cast<QObject*>(target), dropped, true);
    QVERIFY(drops->question());
    QCOMPARE(drops->question()->windowTitle(), QString("Conference"));
    drops->question()->close();
    // With a call of its own the dropped party can be transferred instead.
    CommunicationSession* second = answeredCall(ids.at(2));
    QVERIFY(second);
    drops->handleDropOnActiveComm(target, dropped, true);
    QVERIFY(drops->question());
    QCOMPARE(drops->question()->windowTitle(), QString("Transfer or Conference"));
    QVERIFY(drops->question()->findChild<QPushButton*>("transferButton"));
    QVERIFY(drops->question()->findChild<QPushButton*>("conferenceButton"));
  }

  void testCallFollowsTheLanguage() {
    RAZ::Settings app_(RAZ::Settings::Application);
    app_.setValue("settings/language/active", "en");
    REQUIRE(signIn());
    QML::MainWindow* main = app()->mainWindow();
    QCOMPARE(main->testCallNumber(), QString("*611"));
    QVERIFY(main->testCallContact());
    QVERIFY(main->testCallContact()->getBoolOption());
    QVERIFY(main->testCallProvider());
    QCOMPARE(main->testCallContact()->getProperty(13).toString(), QString("*611"));
    app_.setValue("settings/language/active", "es");
    main->preferencesChanged();
    QCOMPARE(main->testCallContact()->getProperty(13).toString(), QString("*612"));
    // A language without a number of its own takes the first one.
    app_.setValue("settings/language/active", "fr");
    QCOMPARE(main->testCallNumber(), QString("*611"));
    // The test call dials that contact, whatever the list selects.
    main->contactSelectionHandler()->select(
        rowOf(main->contactSelectionListModel(),
              app()->sessionManager()->contactsManager()->contactIds().at(1)),
        0);
    main->testCallTriggered();
    QTRY_COMPARE_WITH_TIMEOUT(main->activeCommsModel()->rowCount(), 1, ZentTest::kWaitMs);
    auto* session = main->activeCommsModel()
                        ->index(0, 0)
                        .data(RAZ::Models::ActiveCommsModel::SessionRole)
                        .value<QObject*>();
    QVERIFY(session);
    // The service puts the number through to its echo test, never to the
    // selected contact.
    auto* testCall = qobject_cast<CommunicationSession*>(session);
    QCOMPARE(testCall->uri(), main->testCallContact()->getProperty(13).toString());
    QVERIFY(testCall->contactId() !=
            app()->sessionManager()->contactsManager()->contactIds().at(1));
    QCOMPARE(testCall->partyName(), QString("Echo Test"));
    app_.remove("settings/language/active");
  }

  void hoverCardFollowsTheWindow() {
    REQUIRE(signIn());
    QML::MainWindow* main = app()->mainWindow();
    QPointer<QML::ContactMouseOver> card = main->contactMouseOver();
    QVERIFY(card);
    // A tool tip of its own, waiting hidden, with its scene loaded.
    QVERIFY(!card->isVisible());
    QVERIFY(!card->parent());
    QCOMPARE(card->windowFlags() & Qt::ToolTip, Qt::ToolTip);
    QVERIFY(card->rootObject());
    QVERIFY(card->rootContext()->contextProperty("profilePictureHelper").value<QObject*>());

    QAbstractItemModel* list = main->contactSelectionListModel();
    const QList<int> ids = app()->sessionManager()->contactsManager()->contactIds();
    const int row = rowOf(list, ids.at(1));
    QVERIFY(row >= 0);
    const QVariant contact = list->index(row, 0).data(RAZ::Contacts::Contacts::ContactObjectRole);
    QVERIFY(contact.value<QObject*>());
    int header = -1;
    for (int r = 0; r < list->rowCount() && header < 0; ++r)
      if (list->index(r, 0).data(RAZ::Contacts::ContactGroupsModel::IsGroupRole).toBool())
        header = r;
    QVERIFY(header >= 0);

    // Behind another window it shows nothing.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other, ZentTest::kWaitMs));
    QVERIFY(!main->isActiveWindow());
    main->showContactMouseOver(contact);
    QVERIFY(!card->isVisible());

    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main, ZentTest::kWaitMs));
    // A pointer the list came up under (or the window came back to) was
    // never rested there by the user: no card until it moves.
    main->showContactMouseOver(contact);
    QVERIFY(!card->isVisible());
    // The pointer moves over the window, between two places off the list.
    ZentTest::SceneDriver scene = ZentTest::Scenario::mainScene();
    bool atSearch = false;
    const auto movePointer = [&scene, &atSearch] {
      atSearch = !atSearch;
      return scene.hover(
          scene.item(atSearch ? QStringLiteral("searchField") : QStringLiteral("leftPaneButton0")));
    };
    REQUIRE(movePointer());
    main->showContactMouseOver(contact);
    QVERIFY(card->isVisible());
    QCOMPARE(card->contact(), contact.value<QObject*>());
    QVERIFY(card->hideTimer()->isActive());
    QCOMPARE(card->hideTimer()->interval(), QML::ContactMouseOver::HideAfterMs);
    // The keyboard stays with the list.
    QCoreApplication::processEvents();
    QVERIFY(main->isActiveWindow());
    QVERIFY(!card->isActiveWindow());
    // Resting on the same contact only restarts the timer.
    QSignalSpy changed(card.data(), SIGNAL(contactChanged()));
    card->hideTimer()->stop();
    main->showContactMouseOver(contact);
    QCOMPARE(changed.count(), 0);
    QVERIFY(card->hideTimer()->isActive());

    // The keys (and the wheel) move the list under the pointer: the card
    // goes, and the row that comes under the pointer shows none until the
    // pointer moves again.
    QTest::keyClick(scene.view(), Qt::Key_Down);
    QVERIFY(!card->isVisible());
    main->showContactMouseOver(contact);
    QVERIFY(!card->isVisible());
    REQUIRE(movePointer());
    main->showContactMouseOver(contact);
    QVERIFY(card->isVisible());
    QWheelEvent wheel(QPointF(10, 10), scene.view()->mapToGlobal(QPoint(10, 10)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(scene.view(), &wheel);
    QVERIFY(!card->isVisible());
    main->showContactMouseOver(contact);
    QVERIFY(!card->isVisible());
    REQUIRE(movePointer());

    // A group header (and a row without a contact) has no card, and puts
    // away the one of the row before.
    const QModelIndex headerIndex = list->index(header, 0);
    main->showContactMouseOver(headerIndex.data(RAZ::Contacts::Contacts::ContactObjectRole));
    QVERIFY(!card->isVisible());
    main->showContactMouseOver(contact);
    QVERIFY(card->isVisible());
    main->showContactMouseOver(
        headerIndex.data(RAZ::Contacts::ContactGroupsModel::GroupObjectRole));
    QVERIFY(!card->isVisible());
    main->showContactMouseOver(QVariant());
    QVERIFY(!card->isVisible());

    // Leaving the row puts it away.
    main->showContactMouseOver(contact);
    QVERIFY(card->isVisible());
    main->hideContactMouseOver();
    QVERIFY(!card->isVisible());
    QVERIFY(!card->hideTimer()->isActive());

    // Typing a search puts it away.
    main->showContactMouseOver(contact);
    main->searchTextChanged(QStringLiteral("a"));
    QVERIFY(!card->isVisible());
    main->searchTextChanged(QString());

    // Turning to another window puts it away.
    main->showContactMouseOver(contact);
    QVERIFY(card->isVisible());
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other, ZentTest::kWaitMs));
    QVERIFY(!card->isVisible());

    // The card goes with the window.
    QSignalSpy destroyed(card.data(), SIGNAL(destroyed(QObject*)));
    REQUIRE(ZentTest::Scenario::signOutByAction());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTRY_VERIFY_WITH_TIMEOUT(!card, ZentTest::kWaitMs);
    QCOMPARE(destroyed.count(), 1);
  }

  void signOutEndsEveryPartOnce() {
    REQUIRE(signIn());
    QML::MainWindow* main = app()->mainWindow();
    const QList<int> ids = app()->sessionManager()->contactsManager()->contactIds();
    // Something to lose with the window: a call, a selection, a banner and
    // an open question.
    CommunicationSession* target = answeredCall(ids.at(1));
    QVERIFY(target);
    QTRY_COMPARE_WITH_TIMEOUT(main->activeCommsModel()->rowCount(), 1, ZentTest::kWaitMs);
    main->activeSelectionHandler()->select(0, 0);
    main->contactSelectionHandler()->select(rowOf(main->contactSelectionListModel(), ids.at(2)),
                                            Qt::ControlModifier);
    QVERIFY(demo().setContactsReadOnly(true));
    QTRY_COMPARE_WITH_TIMEOUT(main->errorInfoModel()->rowCount(), 1, ZentTest::kWaitMs);
    main->errorInfoModel()->showExtendedInfo(0);
    main->dragDropHandler()->handleDropOnActiveComm(target, QString::number(ids.at(2)), true);
    QPointer<Dialogs::MessageWindow> question = main->dragDropHandler()->question();
    QPointer<Dialogs::MessageWindow> more = main->errorInfoModel()->windowAt(0);
    QVERIFY(question && more);

    QList<QPair<QPointer<QObject>, QSharedPointer<QSignalSpy>>> watched;
    for (QObject* o : std::initializer_list<QObject*>{
             main, main->activeCommsModel(), main->activeCommsFilter(),
             main->activeSelectionModel(), main->activeSelectionHandler(),
             main->contactSelectionListModel(), main->contactSelectionHandler(),
             main->errorInfoModel(), main->leftPaneButtonsModel(), main->leftPaneButtonsSorted(),
             main->commsSessionUiHelper(), main->dragDropHandler()})
      watched.append({o, QSharedPointer<QSignalSpy>::create(o, SIGNAL(destroyed(QObject*)))});
    REQUIRE(ZentTest::Scenario::signOutByAction());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    for (const auto& w : watched) {
      QVERIFY(!w.first);
      QCOMPARE(w.second->count(), 1);
    }
    // Questions about a session that is gone do not stay behind.
    QTRY_VERIFY_WITH_TIMEOUT(!question || !question->isVisible(), ZentTest::kWaitMs);
    QTRY_VERIFY_WITH_TIMEOUT(!more || !more->isVisible(), ZentTest::kWaitMs);
    QVERIFY(demo().setContactsReadOnly(false) == false);  // no session: refused
  }
};

ZENT_TEST_MAIN(TestMainWindowSession, Application)
#include "tst_mainwin_session.moc"
