#include "Utils/PreferencesWatcher.h"

#include <QDebug>

namespace Preferences {

WatcherImpl::WatcherImpl(QObject* parent) : Watcher(parent), m_pending(true) {
  // Queued: every save made before control returns to the event loop is
  // reported once.
  connect(this, SIGNAL(scheduleChanged()), this, SLOT(scheduledChange()), Qt::QueuedConnection);
}

void WatcherImpl::changed() {
  qDebug() << "settings updated";
  m_pending = true;
  emit scheduleChanged();
}

void WatcherImpl::scheduledChange() {
  if (!m_pending) return;
  m_pending = false;
  emit preferencesChanged();
}

void WatcherImpl::qualityDetectionEnabled() {
  qDebug() << "Quality Detection Enabled";
  emit dynamicProfileEnabled();
}

Watcher* createWatcher(QObject* parent) { return new WatcherImpl(parent); }

}  // namespace Preferences
