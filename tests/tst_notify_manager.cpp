// The notification manager's stack of popups: where each kind goes, how the
// stack closes up and lays out again, and that a popup goes with its session.
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QQuickItem>
#include <QScreen>
#include <QTimeLine>

#include "TestSupport.h"
#include "Utils/NotificationManager.h"
#include "Widgets/Notifications/Notification.h"

using QML::CommunicationNotification;

namespace {

// What the stack shows of a session: only its identity matters here.
class StubSession : public QObject {
  Q_OBJECT
};

QRect area() { return QGuiApplication::primaryScreen()->availableGeometry(); }

// Where the corner stack puts popups with these heights, lowest first.
QList<QPoint> cornerLayout(const QList<QWidget*>& popups) {
  QList<QPoint> out;
  int bottom = area().bottom() - 2;
  for (QWidget* w : popups) {
    bottom = bottom - 2 - w->height();
    out << QPoint(area().right() - 2 - w->width(), bottom);
  }
  return out;
}

}  // namespace

class TestNotifyManager : public QObject {
  Q_OBJECT

 private slots:
  void cleanup();
  void callsGoToTheBottomOthersOnTop();
  void duplicateSessionAndKindIsRefused();
  void closeCommunicationNotificationClosesOnlyTheCall();
  void anAnswerClosesThePopup();
  void shareInvitationsStackDownFromTheCentre();
  void closingTheLowestSlidesTheOthersDown();
  void closingInTheMiddleRestacks();
  void closingACentredOneMovesOnlyCentredOnesUp();
  void removeNotificationsClosesEveryPopup();
  void toastsJoinTheStackAndShowPlainText();
  void screenChangeLaysTheStackOutAgain();
  void sessionGoneReadsNull();

 private:
  void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }
  NotificationManager* m_manager = nullptr;
  QList<QObject*> m_sessions;

  QObject* session() {
    auto* s = new StubSession;
    m_sessions << s;
    return s;
  }
  NotificationManager& manager() {
    if (!m_manager) m_manager = new NotificationManager;
    return *m_manager;
  }
  // True once the stack's slide has ended (waits for it, never by a fixed time).
  [[nodiscard]] bool finishSlide() {
    return QTest::qWaitFor(
        [this] { return manager().timeLine()->state() == QTimeLine::NotRunning; });
  }
};

void TestNotifyManager::cleanup() {
  if (m_manager) {
    m_manager->removeNotifications();
    flushDeletes();
    QCOMPARE(m_manager->notificationWidgets().size(), 0);
    delete m_manager;
    m_manager = nullptr;
  }
  qDeleteAll(m_sessions);
  m_sessions.clear();
}

void TestNotifyManager::callsGoToTheBottomOthersOnTop() {
  QObject* s1 = session();
  QObject* s2 = session();
  QObject* s3 = session();
  auto* call1 =
      manager().addCommunicationNotification(s1, CommunicationNotification::CallNotification);
  auto* call2 =
      manager().addCommunicationNotification(s2, CommunicationNotification::CallNotification);
  auto* chat =
      manager().addCommunicationNotification(s3, CommunicationNotification::ChatNotification);
  QVERIFY(call1 && call2 && chat);

  // The scene gives the popup its size: calls are wider than chats.
  QCOMPARE(call1->width(), 400);
  QCOMPARE(call1->height(), 25 + 1 + 75);
  QCOMPARE(chat->width(), 350);
  QCOMPARE(chat->height(), 25 + 1 + 60);

  const QList<QWidget*> order = manager().notificationWidgets();
  QCOMPARE(order, (QList<QWidget*>{call2, call1, chat}));
  const QList<QPoint> expected = cornerLayout(order);
  QCOMPARE(call2->pos(), expected.at(0));
  QCOMPARE(call1->pos(), expected.at(1));
  QCOMPARE(chat->pos(), expected.at(2));
  QCOMPARE(call2->y(), area().bottom() - 2 - 2 - call2->height());
  QCOMPARE(call1->y() + call1->height() + 2, call2->y());
  QVERIFY(call1->isVisible() && call2->isVisible() && chat->isVisible());
}

void TestNotifyManager::duplicateSessionAndKindIsRefused() {
  QObject* s = session();
  auto* first =
      manager().addCommunicationNotification(s, CommunicationNotification::CallNotification);
  QVERIFY(first);
  QCOMPARE(manager().addCommunicationNotification(s, CommunicationNotification::CallNotification),
           static_cast<CommunicationNotification*>(nullptr));
  QCOMPARE(manager().notificationWidgets().size(), 1);
  QCOMPARE(manager().findCommunicationNotification(s, CommunicationNotification::CallNotification),
           first);
  // Another kind for the same session is a separate popup.
  QVERIFY(manager().addCommunicationNotification(s, CommunicationNotification::ChatNotification));
  QCOMPARE(manager().notificationWidgets().size(), 2);
}

void TestNotifyManager::closeCommunicationNotificationClosesOnlyTheCall() {
  QObject* s = session();
  QPointer<CommunicationNotification> call =
      manager().addCommunicationNotification(s, CommunicationNotification::CallNotification);
  QPointer<CommunicationNotification> chat =
      manager().addCommunicationNotification(s, CommunicationNotification::ChatNotification);
  manager().closeCommunicationNotification(s);
  flushDeletes();
  QVERIFY(call.isNull());
  QVERIFY(!chat.isNull());
  QCOMPARE(manager().notificationWidgets(), QList<QWidget*>{chat.data()});
  QVERIFY(!manager().findCommunicationNotification(s, CommunicationNotification::CallNotification));
}

void TestNotifyManager::anAnswerClosesThePopup() {
  const char* answers[] = {"callNotificationAccepted",      "callNotificationIgnored",
                           "chatNotificationAccepted",      "chatNotificationIgnored",
                           "webcollabNotificationAccepted", "webcollabNotificationIgnored"};
  for (const char* answer : answers) {
    QPointer<CommunicationNotification> n = manager().addCommunicationNotification(
        session(), CommunicationNotification::ChatNotification);
    QVERIFY(n);
    QVERIFY(QMetaObject::invokeMethod(n, answer));
    flushDeletes();
    QVERIFY2(n.isNull(), answer);
  }
  QCOMPARE(manager().notificationWidgets().size(), 0);
}

void TestNotifyManager::shareInvitationsStackDownFromTheCentre() {
  auto* corner = manager().addCommunicationNotification(
      session(), CommunicationNotification::CallNotification);
  auto* share1 = manager().addCommunicationNotification(
      session(), CommunicationNotification::WebcollabNotification);
  auto* share2 = manager().addCommunicationNotification(
      session(), CommunicationNotification::WebcollabNotification);
  QVERIFY(corner && share1 && share2);
  QVERIFY(share1->property("centered").toBool());
  QVERIFY(!corner->property("centered").toBool());

  const QRect a = area();
  QCOMPARE(share1->x(), (a.width() - share1->width()) / 2);
  QCOMPARE(share1->y(), (a.height() - share1->height()) / 2);
  QCOMPARE(share2->x(), (a.width() - share2->width()) / 2);
  QCOMPARE(share2->y(), share1->y() + share1->height() + 2);
  // The corner popup keeps its place at the bottom.
  QCOMPARE(corner->y(), a.bottom() - 2 - 2 - corner->height());
}

void TestNotifyManager::closingTheLowestSlidesTheOthersDown() {
  QPointer<CommunicationNotification> low = manager().addCommunicationNotification(
      session(), CommunicationNotification::CallNotification);
  auto* mid = manager().addCommunicationNotification(session(),
                                                     CommunicationNotification::ChatNotification);
  auto* top = manager().addCommunicationNotification(
      session(), CommunicationNotification::FiletransferNotification);
  const int gap = low->height();
  const int midBefore = mid->y();
  const int topBefore = top->y();

  low->close();
  flushDeletes();
  QVERIFY(low.isNull());
  // The slide covers exactly the gap, easing in over 350 ms.
  QTimeLine* line = manager().timeLine();
  QCOMPARE(line->state(), QTimeLine::Running);
  QCOMPARE(line->duration(), 350);
  QCOMPARE(line->easingCurve().type(), QEasingCurve::InCurve);
  QCOMPARE(line->endFrame(), gap);

  // While sliding the popups only ever move down, never past their goal.
  QTRY_VERIFY(mid->y() > midBefore);
  QVERIFY(mid->y() <= midBefore + gap);
  QCOMPARE(top->y() - topBefore, mid->y() - midBefore);

  QVERIFY(finishSlide());
  const QList<QWidget*> order = manager().notificationWidgets();
  QCOMPARE(order, (QList<QWidget*>{mid, top}));
  const QList<QPoint> expected = cornerLayout(order);
  QCOMPARE(mid->pos(), expected.at(0));
  QCOMPARE(top->pos(), expected.at(1));
}

void TestNotifyManager::closingInTheMiddleRestacks() {
  auto* low = manager().addCommunicationNotification(session(),
                                                     CommunicationNotification::CallNotification);
  QPointer<CommunicationNotification> mid = manager().addCommunicationNotification(
      session(), CommunicationNotification::ChatNotification);
  auto* top = manager().addCommunicationNotification(session(),
                                                     CommunicationNotification::ChatNotification);
  manager().addNotification(QStringLiteral("A call was diverted"));
  const QPoint lowBefore = low->pos();

  mid->close();
  flushDeletes();
  QVERIFY(mid.isNull());
  QVERIFY(finishSlide());
  const QList<QWidget*> order = manager().notificationWidgets();
  QCOMPARE(order.size(), 3);
  QCOMPARE(order.at(0), low);
  QCOMPARE(order.at(1), top);
  const QList<QPoint> expected = cornerLayout(order);
  for (int i = 0; i < order.size(); ++i) QCOMPARE(order.at(i)->pos(), expected.at(i));
  QCOMPARE(low->pos(), lowBefore);
}

void TestNotifyManager::closingACentredOneMovesOnlyCentredOnesUp() {
  QPointer<CommunicationNotification> share1 = manager().addCommunicationNotification(
      session(), CommunicationNotification::WebcollabNotification);
  auto* corner = manager().addCommunicationNotification(
      session(), CommunicationNotification::ChatNotification);
  auto* share2 = manager().addCommunicationNotification(
      session(), CommunicationNotification::WebcollabNotification);
  const QPoint cornerBefore = corner->pos();
  const int firstY = share1->y();
  const int secondY = share2->y();

  share1->close();
  flushDeletes();
  QVERIFY(share1.isNull());
  // The centred one after it slides up; the corner stack stays put.
  QTRY_VERIFY(share2->y() < secondY);
  QCOMPARE(corner->pos(), cornerBefore);
  QVERIFY(finishSlide());
  QCOMPARE(share2->y(), firstY);
  QCOMPARE(corner->pos(), cornerBefore);
}

void TestNotifyManager::removeNotificationsClosesEveryPopup() {
  QList<QPointer<QWidget>> popups;
  // Each popup and toast is announced as it joins.
  QList<QWidget*> announced;
  QObject listening;
  connect(&manager(), &NotificationManager::notificationAdded, &listening,
          [&announced](QWidget* popup) { announced << popup; });
  for (int i = 0; i < 2; ++i) {
    popups << manager().addCommunicationNotification(session(),
                                                     CommunicationNotification::CallNotification);
    popups << manager().addCommunicationNotification(session(),
                                                     CommunicationNotification::ChatNotification);
    popups << manager().addCommunicationNotification(
        session(), CommunicationNotification::FiletransferNotification);
    popups << manager().addCommunicationNotification(
        session(), CommunicationNotification::WebcollabNotification);
    manager().addNotification(QStringLiteral("toast %1").arg(i));
  }
  QCOMPARE(manager().notificationWidgets().size(), 10);
  QCOMPARE(announced.size(), 10);
  for (QWidget* popup : manager().notificationWidgets()) QVERIFY(announced.contains(popup));
  manager().removeNotifications();
  flushDeletes();
  for (const auto& p : popups) QVERIFY(p.isNull());
  QCOMPARE(manager().notificationWidgets().size(), 0);
  QVERIFY(finishSlide());
}

void TestNotifyManager::toastsJoinTheStackAndShowPlainText() {
  auto* call = manager().addCommunicationNotification(session(),
                                                      CommunicationNotification::CallNotification);
  const QString markup = QStringLiteral("<b>Bob</b> <img src=\"http://example.invalid/x.png\">");
  manager().addNotification(markup);
  const QList<QWidget*> order = manager().notificationWidgets();
  QCOMPARE(order.size(), 2);
  QCOMPARE(order.first(), call);
  auto* toast = qobject_cast<Widgets::Notifications::Notification*>(order.last());
  QVERIFY(toast);
  QCOMPARE(toast->closeAfterMs(), 7500);
  QVERIFY(toast->isCloseTimerActive());
  QCOMPARE(toast->text(), markup);
  const auto labels = toast->findChildren<QLabel*>();
  bool found = false;
  for (QLabel* label : labels) {
    if (label->text() == markup) {
      QCOMPARE(label->textFormat(), Qt::PlainText);
      found = true;
    }
  }
  QVERIFY(found);
  QCOMPARE(toast->pos(), cornerLayout(order).at(1));
}

void TestNotifyManager::screenChangeLaysTheStackOutAgain() {
  auto* call = manager().addCommunicationNotification(session(),
                                                      CommunicationNotification::CallNotification);
  const QPoint home = call->pos();
  call->move(0, 0);
  QScreen* screen = QGuiApplication::primaryScreen();
  emit screen->availableGeometryChanged(screen->availableGeometry());
  QCOMPARE(call->pos(), home);
}

void TestNotifyManager::sessionGoneReadsNull() {
  auto* s = new StubSession;
  auto* n = manager().addCommunicationNotification(s, CommunicationNotification::ChatNotification);
  QCOMPARE(n->session(), static_cast<QObject*>(s));
  QSignalSpy changed(n, SIGNAL(sessionChanged()));
  delete s;
  QCOMPARE(changed.count(), 1);
  QCOMPARE(n->session(), static_cast<QObject*>(nullptr));
  // The scene keeps its shape with nothing to read from.
  QVERIFY(n->rootObject());
  QCOMPARE(n->rootObject()->height(), 25 + 1 + 60);
}

ZENT_TEST_MAIN(TestNotifyManager, QApplication)
#include "tst_notify_manager.moc"
