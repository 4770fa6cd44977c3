#include "Utils/Tray.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPixmap>
#include <QTimer>

#include <TP/Core/Logging.h>

namespace {
const char* const kIconPath = ":/app_icon.ico";
const qreal kMenuOpacity = 0.9;
}  // namespace

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
  retranslate();
  m_menu->setWindowOpacity(kMenuOpacity);
  m_trayIcon->setContextMenu(m_menu);
  connect(m_trayIcon, SIGNAL(activated(QSystemTrayIcon::ActivationReason)), this,
          SLOT(activated(QSystemTrayIcon::ActivationReason)));
  reloadIcon();
  if (isSystemTrayAvailable()) {
    m_trayIcon->show();
  } else {
    TP_LOG("Tray::Tray", TP::Core::Logging::LevelWarning)
        << "The desktop has no notification area; closing the last "
           "window brings the application back instead of hiding it";
  }
  // Checked again when it happens: a notification area may appear or vanish
  // while the program runs.
  connect(qApp, SIGNAL(lastWindowClosed()), this, SLOT(onLastWindowClosed()));
}

Tray::~Tray() {
  // The icon refers to the menu: take it away before the menu goes.
  m_trayIcon->setContextMenu(nullptr);
  delete m_menu;
}

bool Tray::isSystemTrayAvailable() { return QSystemTrayIcon::isSystemTrayAvailable(); }

void Tray::setPresenceMenu(QMenu* menu) {
  if (m_presenceMenu) disconnect(m_presenceMenu, nullptr, this, nullptr);
  m_presenceMenu = menu;
  if (menu) {
    menu->setWindowOpacity(kMenuOpacity);
    // The session owns the menu; rebuild without it when the session drops it.
    connect(menu, SIGNAL(destroyed()), this, SLOT(onPresenceMenuDestroyed()));
  }
  buildMenu();
}

void Tray::onPresenceMenuDestroyed() {
  // A widget reports its destruction before its guards are cleared: drop it
  // explicitly, or the rebuild would add the dying menu again.
  m_presenceMenu = nullptr;
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

void Tray::retranslate() { m_trayIcon->setToolTip(QApplication::applicationName()); }

void Tray::reloadIcon() {
  QPixmap pixmap;
  if (pixmap.load(QString::fromLatin1(kIconPath))) {
    m_trayIcon->setIcon(QIcon(pixmap));
  } else {
    TP_LOG("Tray::reloadIcon", TP::Core::Logging::LevelWarning)
        << "The theme has no application icon " << kIconPath;
  }
}

void Tray::activated(QSystemTrayIcon::ActivationReason reason) {
  if (reason == QSystemTrayIcon::DoubleClick && m_openAction) m_openAction->trigger();
}

void Tray::mainWindowHidden() {
  if (m_toldHidden || !isSystemTrayAvailable() || !m_trayIcon->isVisible()) return;
  m_toldHidden = true;
  m_trayIcon->showMessage(
      QApplication::applicationName(),
      tr("%1 keeps running here. Double-click the icon to open it again, or choose Exit to leave.")
          .arg(QApplication::applicationName()),
      QSystemTrayIcon::Information);
}

void Tray::onLastWindowClosed() {
  if (isSystemTrayAvailable() || !m_openAction) return;
  // The closing window may still be on its way out (deleted later); show the
  // application once it has gone.
  QTimer::singleShot(0, m_openAction.data(), &QAction::trigger);
}
