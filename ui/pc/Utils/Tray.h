#pragma once

#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

class QAction;
class QMenu;

// The program's icon in the desktop's notification area, with the application
// menu and, during a session, the own-presence menu.
//
// Where the desktop offers no notification area the icon cannot be shown, so
// nothing would bring a closed window back. In that case the tray brings the
// application back itself: when the last visible window closes it triggers
// "Open Application" on the next event-loop turn (the main window during a
// session, the sign-in window otherwise). Leaving the program then goes
// through Exit in the window's own menu, never through an invisible process.
class Tray : public QObject {
  Q_OBJECT

 public:
  Tray(QAction* signOutAction, QAction* exitAction, QAction* aboutAction, QAction* openAction,
       QObject* parent);
  ~Tray() override;

  // The presence helper's menu; it belongs to the session and may go away
  // before the tray does, so the tray only observes it.
  void setPresenceMenu(QMenu* menu);

  // Whether the desktop shows tray icons at all.
  static bool isSystemTrayAvailable();

  QMenu* menu() const { return m_menu; }
  QSystemTrayIcon* trayIcon() const { return m_trayIcon; }
  // Whether the icon has said that the main window keeps running in it.
  bool toldHidden() const { return m_toldHidden; }

  // Tooltip and icon follow the language and theme (the application calls
  // these on language and style changes).
  void retranslate();
  void reloadIcon();

 public slots:
  void activated(QSystemTrayIcon::ActivationReason reason);
  // The main window went into the notification area: the first time in a
  // run the icon says so, so that closing never looks like leaving.
  void mainWindowHidden();

 private slots:
  void onLastWindowClosed();
  void onPresenceMenuDestroyed();

 private:
  void buildMenu();

  QSystemTrayIcon* m_trayIcon = nullptr;
  QMenu* m_menu = nullptr;
  QPointer<QAction> m_signOutAction;
  QPointer<QAction> m_exitAction;
  QPointer<QAction> m_aboutAction;
  QPointer<QAction> m_openAction;
  QPointer<QMenu> m_presenceMenu;
  bool m_toldHidden = false;
};
