#pragma once

#include <QObject>

namespace Preferences {

// Tells the rest of the program that the user's preferences were saved.
// However many saves happen in one turn of the event loop, followers hear
// one preferencesChanged() after it.
class Watcher : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;

 signals:
  void preferencesChanged();
  void dynamicProfileEnabled();

 public slots:
  virtual void changed() = 0;
  virtual void qualityDetectionEnabled() = 0;
};

class WatcherImpl : public Watcher {
  Q_OBJECT
 public:
  explicit WatcherImpl(QObject* parent = nullptr);

 signals:
  void scheduleChanged();

 public slots:
  void qualityDetectionEnabled() override;
  void changed() override;
  void scheduledChange();

 private:
  bool m_pending;
};

Watcher* createWatcher(QObject* parent);

}  // namespace Preferences
