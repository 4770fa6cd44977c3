#pragma once

#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

#include <QAction>
class QMenu;

// The program's icon in the notification area with the application menu.
class Tray : public QObject {
  Q_OBJECT

 public:
  Tray(QAction* signOutAction, QAction* exitAction, QAction* aboutAction, QAction* openAction,
       QObject* parent = nullptr);
  ~Tray() override;

  void setPresenceMenu(QMenu* menu);
  // The tool tip follows the application name (and its translation).
  void refreshToolTip();
  // Loads ":/app_icon.ico" again (the theme may have changed it).
  void reloadIcon();

  QMenu* menu() const { return m_menu; }
  QSystemTrayIcon* trayIcon() const { return m_trayIcon; }

 public slots:
  void activated(QSystemTrayIcon::ActivationReason reason);

 private:
  void buildMenu();

  QSystemTrayIcon* m_trayIcon;
  QMenu* m_menu;
  QPointer<QAction> m_signOutAction;
  QPointer<QAction> m_exitAction;
  QPointer<QAction> m_aboutAction;
  QPointer<QAction> m_openAction;
  // Owned by the session's presence helper; guarded because it goes away
  // with the session.
  QPointer<QMenu> m_presenceMenu;
};
