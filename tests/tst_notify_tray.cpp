// The tray icon's menu before and after sign-in, and which clicks and actions
// reach the application.
#include <QAction>
#include <QMenu>
#include <QPointer>

#include "TestSupport.h"
#include "Utils/Tray.h"

class TestNotifyTray : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void menuBeforeSignIn();
  void presenceMenuComesFirst();
  void presenceMenuGoneWithTheSession();
  void missingActionsAreLeftOut();
  void onlyDoubleClickOpens();
  void menuEntriesTriggerTheApplicationActions();
  void missingIconLeavesTheMenuWorking();
  void withoutTrayTheApplicationComesBack();

 private:
  QStringList layout(QMenu* menu) const {
    QStringList out;
    const auto actions = menu->actions();
    for (QAction* a : actions) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
  }
  QAction* m_signOut = nullptr;
  QAction* m_exit = nullptr;
  QAction* m_about = nullptr;
  QAction* m_open = nullptr;
  QObject* m_owner = nullptr;
};

void TestNotifyTray::init() {
  m_owner = new QObject;
  m_signOut = new QAction(QStringLiteral("Sign Out"), m_owner);
  m_exit = new QAction(QStringLiteral("Exit"), m_owner);
  m_about = new QAction(QStringLiteral("About"), m_owner);
  m_open = new QAction(QStringLiteral("Open Application"), m_owner);
}

void TestNotifyTray::cleanup() {
  delete m_owner;
  m_owner = nullptr;
}

void TestNotifyTray::menuBeforeSignIn() {
  Tray tray(m_signOut, m_exit, m_about, m_open, nullptr);
  QCOMPARE(tray.menu()->title(), QStringLiteral("Testing"));
  QVERIFY(qAbs(tray.menu()->windowOpacity() - 0.9) < 0.01);
  QCOMPARE(tray.trayIcon()->contextMenu(), tray.menu());
  QCOMPARE(layout(tray.menu()),
           (QStringList{"Open Application", "-", "About", "-", "Sign Out", "Exit"}));
}

void TestNotifyTray::presenceMenuComesFirst() {
  Tray tray(m_signOut, m_exit, m_about, m_open, nullptr);
  QMenu presence(QStringLiteral("Available"));
  tray.setPresenceMenu(&presence);
  QVERIFY(qAbs(presence.windowOpacity() - 0.9) < 0.01);
  QCOMPARE(layout(tray.menu()), (QStringList{"Available", "-", "Open Application", "-", "About",
                                             "-", "Sign Out", "Exit"}));
  QCOMPARE(tray.menu()->actions().first()->menu(), &presence);

  tray.setPresenceMenu(nullptr);
  QCOMPARE(layout(tray.menu()),
           (QStringList{"Open Application", "-", "About", "-", "Sign Out", "Exit"}));
}

void TestNotifyTray::presenceMenuGoneWithTheSession() {
  Tray tray(m_signOut, m_exit, m_about, m_open, nullptr);
  auto* presence = new QMenu(QStringLiteral("Busy"));
  tray.setPresenceMenu(presence);
  delete presence;  // the session closes and takes its menu along
  QCOMPARE(layout(tray.menu()),
           (QStringList{"Open Application", "-", "About", "-", "Sign Out", "Exit"}));
  // Later rebuilds must not reach the old menu either.
  auto* next = new QMenu(QStringLiteral("Away"));
  tray.setPresenceMenu(next);
  QCOMPARE(layout(tray.menu()).first(), QStringLiteral("Away"));
  delete next;
  QCOMPARE(layout(tray.menu()).first(), QStringLiteral("Open Application"));
}

void TestNotifyTray::missingActionsAreLeftOut() {
  Tray tray(nullptr, m_exit, nullptr, m_open, nullptr);
  QCOMPARE(layout(tray.menu()), (QStringList{"Open Application", "-", "Exit"}));
  // An action that goes away is left out of the next build.
  delete m_open;
  m_open = nullptr;
  QMenu presence(QStringLiteral("Available"));
  tray.setPresenceMenu(&presence);
  QCOMPARE(layout(tray.menu()), (QStringList{"Available", "-", "Exit"}));
}

void TestNotifyTray::onlyDoubleClickOpens() {
  Tray tray(m_signOut, m_exit, m_about, m_open, nullptr);
  QSignalSpy opened(m_open, SIGNAL(triggered()));
  tray.activated(QSystemTrayIcon::Trigger);
  tray.activated(QSystemTrayIcon::Context);
  tray.activated(QSystemTrayIcon::MiddleClick);
  QCOMPARE(opened.count(), 0);
  emit tray.trayIcon()->activated(QSystemTrayIcon::DoubleClick);
  QCOMPARE(opened.count(), 1);
}

void TestNotifyTray::menuEntriesTriggerTheApplicationActions() {
  Tray tray(m_signOut, m_exit, m_about, m_open, nullptr);
  QSignalSpy signOut(m_signOut, SIGNAL(triggered()));
  QSignalSpy exit(m_exit, SIGNAL(triggered()));
  QSignalSpy about(m_about, SIGNAL(triggered()));
  QSignalSpy open(m_open, SIGNAL(triggered()));
  const auto actions = tray.menu()->actions();
  for (QAction* a : actions) {
    if (!a->isSeparator()) a->trigger();
  }
  QCOMPARE(signOut.count(), 1);
  QCOMPARE(exit.count(), 1);
  QCOMPARE(about.count(), 1);
  QCOMPARE(open.count(), 1);
}

void TestNotifyTray::missingIconLeavesTheMenuWorking() {
  // The test program carries no theme, so ":/app_icon.ico" is absent.
  Tray tray(m_signOut, m_exit, m_about, m_open, nullptr);
  QVERIFY(tray.trayIcon()->icon().isNull());
  QCOMPARE(tray.menu()->actions().size(), 6);
  QCOMPARE(tray.trayIcon()->toolTip(), QCoreApplication::applicationName());
}

void TestNotifyTray::withoutTrayTheApplicationComesBack() {
  if (Tray::isSystemTrayAvailable()) QSKIP("this desktop has a notification area");
  Tray tray(m_signOut, m_exit, m_about, m_open, nullptr);
  QSignalSpy opened(m_open, SIGNAL(triggered()));
  QVERIFY(QMetaObject::invokeMethod(qApp, "lastWindowClosed"));
  // Not inside the closing itself: the window may still be on its way out.
  QCOMPARE(opened.count(), 0);
  QTRY_COMPARE(opened.count(), 1);
}

ZENT_TEST_MAIN(TestNotifyTray, QApplication)
#include "tst_notify_tray.moc"
