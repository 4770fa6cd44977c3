#pragma once

#include <QHash>
#include <QList>
#include <QPair>
#include <QObject>
#include <QPointer>

class QTimeLine;
class QWidget;

// The on-screen stack of notification popups at the bottom-right corner
// (and a centred stack for popups marked "centered").
class NotificationManager : public QObject {
  Q_OBJECT

 public:
  explicit NotificationManager(QObject* parent = nullptr);
  ~NotificationManager() override;

  // Puts a popup into the stack; it leaves the stack when destroyed.
  void addPopup(QWidget* popup, bool atFront);
  QList<QWidget*> notifications() const { return m_notifications; }

 public slots:
  void addNotification(QString text);
  void removeNotifications();
  void closed(QObject* object);
  void moveNotifications(int frame);
  void repositionNotifications();

 private:
  QList<QWidget*> m_notifications;
  // Heights and centring as last laid out: a popup being destroyed can no
  // longer be asked.
  QHash<QObject*, QPair<int, bool>> m_geometry;
  int m_movingIndex = -1;
  QTimeLine* m_timeLine;
  int m_lastFrame = 0;
  bool m_movingCentered = false;
};
