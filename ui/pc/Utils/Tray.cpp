#include "Utils/Tray.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QPixmap>

Tray::Tray(QAction* signOutAction, QAction* exitAction, QAction* aboutAction, QAction* openAction,
           QObject* parent)
    : QObject(parent),
      m_trayIcon(new QSystemTrayIcon(this)),
      m_menu(new QMenu(QStringLiteral("Testing"))),
      m_signOutAction(signOutAction),
      m_exitAction(exitAction),
      m_aboutAction(aboutAction),
      m_openAction(openAction) {
  buildMenu();
  refreshToolTip();
  m_menu->setWindowOpacity(0.9);
  m_trayIcon->setContextMenu(m_menu);
  connect(m_trayIcon, SIGNAL(activated(QSystemTrayIcon::ActivationReason)), this,
          SLOT(activated(QSystemTrayIcon::ActivationReason)));
  reloadIcon();
  // Without a notification area (headless runs) the icon stays hidden.
  if (QSystemTrayIcon::isSystemTrayAvailable()) m_trayIcon->show();
}

Tray::~Tray() { delete m_menu; }

void Tray::refreshToolTip() { m_trayIcon->setToolTip(QCoreApplication::applicationName()); }

void Tray::reloadIcon() {
  QPixmap pixmap;
  if (pixmap.load(QStringLiteral(":/app_icon.ico"))) m_trayIcon->setIcon(QIcon(pixmap));
}

void Tray::setPresenceMenu(QMenu* menu) {
  m_presenceMenu = menu;
  if (menu) menu->setWindowOpacity(0.9);
  buildMenu();
}

void Tray::buildMenu() {
  m_menu->clear();
  if (m_presenceMenu) {
    m_menu->addMenu(m_presenceMenu);
    m_menu->addSeparator();
  }
  if (m_openAction) {
    m_menu->addAction(m_openAction);
    m_menu->addSeparator();
  }
  if (m_aboutAction) {
    m_menu->addAction(m_aboutAction);
    m_menu->addSeparator();
  }
  if (m_signOutAction) m_menu->addAction(m_signOutAction);
  if (m_exitAction) m_menu->addAction(m_exitAction);
}

void Tray::activated(QSystemTrayIcon::ActivationReason reason) {
  if (reason == QSystemTrayIcon::DoubleClick && m_openAction) m_openAction->trigger();
}
