#include "Utils/NotificationManager.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimeLine>

#include <TP/Core/Logging.h>

#include "Widgets/Notifications/Notification.h"

namespace {
const char* const kCenteredProperty = "centered";
}  // namespace

NotificationManager::NotificationManager(QObject* parent) : QObject(parent) {
  m_timeLine = new QTimeLine(kSlideMs, this);
  m_timeLine->setEasingCurve(QEasingCurve::InCurve);  // easing in, as the stack settles
  connect(m_timeLine, SIGNAL(frameChanged(int)), this, SLOT(moveNotifications(int)));
  connect(m_timeLine, SIGNAL(finished()), this, SLOT(repositionNotifications()));

  // A change of resolution or of the set of screens lays the stacks out again.
  const auto screens = QGuiApplication::screens();
  for (QScreen* screen : screens) watchScreen(screen);
  connect(qApp, SIGNAL(screenAdded(QScreen*)), this, SLOT(onScreenAdded(QScreen*)));
  connect(qApp, SIGNAL(screenRemoved(QScreen*)), this, SLOT(repositionNotifications()));
  connect(qApp, SIGNAL(primaryScreenChanged(QScreen*)), this, SLOT(repositionNotifications()));
}

NotificationManager::~NotificationManager() {
  // Popups outliving the manager must not report back to it.
  for (const Entry& entry : qAsConst(m_notifications)) {
    if (entry.widget) disconnect(entry.widget, nullptr, this, nullptr);
  }
}

void NotificationManager::watchScreen(QScreen* screen) {
  connect(screen, SIGNAL(availableGeometryChanged(QRect)), this, SLOT(repositionNotifications()));
}

void NotificationManager::onScreenAdded(QScreen* screen) {
  watchScreen(screen);
  repositionNotifications();
}

QML::CommunicationNotification* NotificationManager::addCommunicationNotification(
    QObject* session, QML::CommunicationNotification::NotificationType type) {
  if (findCommunicationNotification(session, type)) return nullptr;

  auto* notification = new QML::CommunicationNotification(session, type, nullptr);
  notification->load();

  // Any answer closes the popup; the asker connects the same signals.
  connect(notification, SIGNAL(chatNotificationAccepted()), notification, SLOT(close()));
  connect(notification, SIGNAL(callNotificationAccepted()), notification, SLOT(close()));
  connect(notification, SIGNAL(webcollabNotificationAccepted()), notification, SLOT(close()));
  connect(notification, SIGNAL(chatNotificationIgnored()), notification, SLOT(close()));
  connect(notification, SIGNAL(callNotificationIgnored()), notification, SLOT(close()));
  connect(notification, SIGNAL(webcollabNotificationIgnored()), notification, SLOT(close()));

  bool prepend = false;
  if (type == QML::CommunicationNotification::WebcollabNotification) {
    notification->setProperty(kCenteredProperty, true);
  } else if (type == QML::CommunicationNotification::CallNotification) {
    prepend = true;
  }
  addToStack(notification, prepend);
  return notification;
}

QML::CommunicationNotification* NotificationManager::findCommunicationNotification(
    QObject* session, QML::CommunicationNotification::NotificationType type) const {
  for (const Entry& entry : m_notifications) {
    QML::CommunicationNotification* n = entry.communication.data();
    if (n && n->session() == session && n->type() == type) return n;
  }
  return nullptr;
}

void NotificationManager::closeCommunicationNotification(QObject* session) {
  if (QML::CommunicationNotification* n = findCommunicationNotification(
          session, QML::CommunicationNotification::CallNotification)) {
    n->close();
  }
}

void NotificationManager::addNotification(QString text) {
  auto* toast = new Widgets::Notifications::Notification(kToastCloseMs);
  toast->setText(text);
  addToStack(toast, false);
}

void NotificationManager::addToStack(QWidget* popup, bool prepend) {
  Entry entry;
  entry.key = popup;
  entry.widget = popup;
  entry.communication = qobject_cast<QML::CommunicationNotification*>(popup);
  entry.height = popup->height();
  entry.centered = popup->property(kCenteredProperty).toBool();
  if (prepend) {
    m_notifications.prepend(entry);
  } else {
    m_notifications.append(entry);
  }
  connect(popup, SIGNAL(destroyed(QObject*)), this, SLOT(closed(QObject*)));
  repositionNotifications();
  emit notificationAdded(popup);
}

bool NotificationManager::focusCallNotification() {
  // A ringing call first: it will not wait. Without one, the newest
  // invitation (a chat, a file, a share), which has no other way to be
  // answered without a pointer.
  QML::CommunicationNotification* chosen = nullptr;
  for (int i = m_notifications.size() - 1; i >= 0; --i) {
    QML::CommunicationNotification* popup = m_notifications.at(i).communication.data();
    if (!popup) continue;
    if (popup->type() == QML::CommunicationNotification::CallNotification) {
      chosen = popup;
      break;
    }
    if (!chosen) chosen = popup;
  }
  if (!chosen) return false;
  // The popup shows without taking the keyboard from what the user
  // does; asked for, it takes it.
  chosen->allowActivation();
  chosen->raise();
  chosen->activateWindow();
  chosen->setFocus(Qt::ShortcutFocusReason);
  chosen->takeKeyboard();
  return true;
}

QList<QWidget*> NotificationManager::notificationWidgets() const {
  QList<QWidget*> out;
  for (const Entry& entry : m_notifications) {
    if (entry.widget) out << entry.widget.data();
  }
  return out;
}

int NotificationManager::indexOf(const QObject* object) const {
  for (int i = 0; i < m_notifications.size(); ++i) {
    if (m_notifications.at(i).key == object) return i;
  }
  return -1;
}

void NotificationManager::repositionNotifications() {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) {
    TP_LOG("NotificationManager::repositionNotifications", TP::Core::Logging::LevelWarning)
        << "No screen to show notifications on";
    return;
  }
  const QRect area = screen->availableGeometry();
  const int right = area.right();
  const int width = area.width();
  const int height = area.height();

  int bottom = area.bottom() - kGap;
  int offset = 0;
  for (Entry& entry : m_notifications) {
    QWidget* popup = entry.widget.data();
    if (!popup) continue;
    const int w = popup->width();
    const int h = popup->height();
    entry.height = h;  // the last height seen alive is the gap it leaves
    int x = 0;
    int y = 0;
    if (entry.centered) {
      x = (width - w) / 2;
      y = (height - h) / 2 + offset;
      offset += h + kGap;
    } else {
      bottom = bottom - kGap - h;
      x = right - kGap - w;
      y = bottom;
    }
    popup->move(x, y);
    popup->show();
  }
}

void NotificationManager::closed(QObject* object) {
  // Called from the popup's destroyed(): only its address may be used.
  const int index = indexOf(object);
  m_movingIndex = index;
  m_lastFrame = 0;
  if (index < 0) {
    m_movingCentered = false;
    return;
  }
  const Entry entry = m_notifications.takeAt(index);
  m_movingCentered = entry.centered;

  m_timeLine->stop();
  m_timeLine->setFrameRange(0, entry.height);
  m_timeLine->start();
}

void NotificationManager::moveNotifications(int frame) {
  if (m_movingIndex < 0) return;
  const int delta = frame - m_lastFrame;
  for (int i = m_movingIndex; i < m_notifications.size(); ++i) {
    const Entry& entry = m_notifications.at(i);
    QWidget* popup = entry.widget.data();
    if (!popup) continue;
    if (m_movingCentered) {
      if (entry.centered) popup->move(popup->x(), popup->y() - delta);
    } else {
      popup->move(popup->x(), popup->y() + delta);
    }
  }
  m_lastFrame = frame;
}

void NotificationManager::removeNotifications() {
  // Closing removes entries (through destroyed()), so walk a copy.
  const QList<Entry> copy = m_notifications;
  for (const Entry& entry : copy) {
    if (entry.widget) entry.widget->close();
  }
}
