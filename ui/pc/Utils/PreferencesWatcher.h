#pragma once

#include <QObject>

namespace Preferences {

// Tells the program's parts once per event-loop turn that preferences were
// saved.
class Watcher : public QObject {
  Q_OBJECT

 public:
  explicit Watcher(QObject* parent = nullptr) : QObject(parent) {}
  ~Watcher() override = default;

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
  ~WatcherImpl() override;

 signals:
  void scheduleChanged();

 public slots:
  void qualityDetectionEnabled() override;
  void changed() override;
  void scheduledChange();

 private:
  bool m_pending = true;
};

Watcher* createWatcher(QObject* parent);

}  // namespace Preferences
