#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include "Widgets/Notifications/CommunicationNotification.h"

class QTimeLine;

// Owns the on-screen stack of notification popups: call, chat, file-transfer
// and desktop-share notifications and text toasts stacked upwards from the
// bottom-right corner of the screen, and desktop-share invitations stacked
// downwards from the middle. When a popup goes away the ones stacked after it
// slide into the gap.
class NotificationManager : public QObject {
  Q_OBJECT

 public:
  explicit NotificationManager(QObject* parent = nullptr);
  ~NotificationManager() override;

  QML::CommunicationNotification* addCommunicationNotification(
      QObject* session, QML::CommunicationNotification::NotificationType type);
  QML::CommunicationNotification* findCommunicationNotification(
      QObject* session, QML::CommunicationNotification::NotificationType type) const;
  void closeCommunicationNotification(QObject* session);
  // Gives the keyboard to the newest incoming-call popup, or else to the
  // newest other invitation (raised and activated, its scene focused);
  // false when none is shown.
  bool focusCallNotification();

  // The popups in stack order (index 0 first).
  QList<QWidget*> notificationWidgets() const;
  QTimeLine* timeLine() const { return m_timeLine; }

  static const int kGap = 2;
  static const int kSlideMs = 350;
  static const int kToastCloseMs = 7500;

 public slots:
  void addNotification(QString text);
  void removeNotifications();
  void closed(QObject* object);
  void moveNotifications(int frame);
  void repositionNotifications();

 signals:
  // A popup or toast joined the stack, about to show: whoever needs to know
  // of one that lives only a moment (a caller who gives up at once) hears of
  // it here.
  void notificationAdded(QWidget* popup);

 private slots:
  void onScreenAdded(QScreen* screen);

 private:
  // What the manager knows of a popup is recorded while the popup is alive:
  // by the time its destroyed() arrives its widget part is gone, so neither
  // its height nor its properties can be read then.
  struct Entry {
    QObject* key = nullptr;  // identity only, never dereferenced
    QPointer<QWidget> widget;
    QPointer<QML::CommunicationNotification> communication;
    int height = 0;
    bool centered = false;
  };

  void addToStack(QWidget* popup, bool prepend);
  int indexOf(const QObject* object) const;
  void watchScreen(QScreen* screen);

  QList<Entry> m_notifications;
  int m_movingIndex = -1;
  QTimeLine* m_timeLine = nullptr;
  int m_lastFrame = 0;
  bool m_movingCentered = false;
};
