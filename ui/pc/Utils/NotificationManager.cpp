#include "Utils/NotificationManager.h"

#include <QApplication>
#include <QDesktopWidget>
#include <QLabel>
#include <QScreen>
#include <QTimeLine>
#include <QTimer>

NotificationManager::NotificationManager(QObject* parent)
    : QObject(parent), m_timeLine(new QTimeLine(350, this)) {
  m_timeLine->setEasingCurve(QEasingCurve::InCurve);
  connect(m_timeLine, SIGNAL(frameChanged(int)), this, SLOT(moveNotifications(int)));
  connect(m_timeLine, SIGNAL(finished()), this, SLOT(repositionNotifications()));
  connect(QApplication::desktop(), SIGNAL(resized(int)), this, SLOT(repositionNotifications()));
  connect(QApplication::desktop(), SIGNAL(screenCountChanged(int)), this, SLOT(repositionNotifications()));
}

NotificationManager::~NotificationManager() {
  // Popups outlive nothing of ours: stop hearing about their destruction.
  for (QWidget* w : m_notifications) disconnect(w, nullptr, this, nullptr);
}

void NotificationManager::addPopup(QWidget* popup, bool atFront) {
  if (!popup) return;
  if (atFront)
    m_notifications.prepend(popup);
  else
    m_notifications.append(popup);
  m_geometry.insert(popup, qMakePair(popup->height(), popup->property("centered").toBool()));
  connect(popup, SIGNAL(destroyed(QObject*)), this, SLOT(closed(QObject*)));
  repositionNotifications();
}

void NotificationManager::addNotification(QString text) {
  // A plain toast that closes itself after 7.5 s; the styled toast of the
  // notification popups replaces it.
  auto* toast = new QLabel(nullptr, Qt::ToolTip | Qt::WindowStaysOnTopHint);
  toast->setAttribute(Qt::WA_DeleteOnClose);
  toast->setTextFormat(Qt::PlainText);
  toast->setText(text);
  toast->setMargin(12);
  toast->adjustSize();
  QTimer::singleShot(7500, toast, SLOT(close()));
  addPopup(toast, false);
}

void NotificationManager::removeNotifications() {
  const QList<QWidget*> copy = m_notifications;
  for (QWidget* w : copy) w->close();
}

void NotificationManager::closed(QObject* object) {
  m_movingIndex = -1;
  for (int i = 0; i < m_notifications.size(); ++i) {
    if (static_cast<QObject*>(m_notifications.at(i)) == object) {
      m_movingIndex = i;
      break;
    }
  }
  m_lastFrame = 0;
  const QPair<int, bool> geometry = m_geometry.take(object);
  if (m_movingIndex < 0) return;
  m_movingCentered = geometry.second;
  const int height = geometry.first;
  m_timeLine->stop();
  m_timeLine->setFrameRange(0, height);
  m_notifications.removeAt(m_movingIndex);
  m_timeLine->start();
}

void NotificationManager::moveNotifications(int frame) {
  if (m_movingIndex < 0) return;
  const int delta = frame - m_lastFrame;
  for (int i = m_movingIndex; i < m_notifications.size(); ++i) {
    QWidget* w = m_notifications.at(i);
    const bool centered = w->property("centered").toBool();
    if (m_movingCentered) {
      if (centered) w->move(w->x(), w->y() - delta);
    } else {
      w->move(w->x(), w->y() + delta);
    }
  }
  m_lastFrame = frame;
}

void NotificationManager::repositionNotifications() {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  int bottom = area.bottom() - 2;
  int offset = 0;
  for (QWidget* w : qAsConst(m_notifications)) {
    int x, y;
    if (w->property("centered").toBool()) {
      x = (area.width() - w->width()) / 2;
      y = (area.height() - w->height()) / 2 + offset;
      offset += w->height() + 2;
    } else {
      bottom = bottom - 2 - w->height();
      x = area.right() - 2 - w->width();
      y = bottom;
    }
    w->move(x, y);
    w->show();
    m_geometry.insert(w, qMakePair(w->height(), w->property("centered").toBool()));
  }
}
