#include "Utils/AggregationEnabler.h"

#include <QAction>

namespace Utils {

AggregationEnabler::AggregationEnabler(QObject* parent) : QObject(parent) {}

void AggregationEnabler::addTarget(QAction* action, int flags) {
  if (!action) return;
  if (flags & FollowEnabled) {
    connect(this, SIGNAL(enabled(bool)), action, SLOT(setEnabled(bool)));
    action->setEnabled(m_enabled);
  }
  if (flags & FollowVisible) {
    connect(this, SIGNAL(enabled(bool)), action, SLOT(setVisible(bool)));
    action->setVisible(m_enabled);
  }
}

void AggregationEnabler::setSourceEnabled(bool enabled, const QObject* source) {
  // A destroyed source no longer has a say.
  if (source && !m_sources.contains(source))
    connect(source, &QObject::destroyed, this, [this, source] {
      m_sources.remove(source);
      recompute();
    });
  m_sources.insert(source, enabled);
  recompute();
}

void AggregationEnabler::setEnabled(bool on) { setSourceEnabled(on, sender()); }
void AggregationEnabler::enable() { setSourceEnabled(true, sender()); }
void AggregationEnabler::disable() { setSourceEnabled(false, sender()); }

void AggregationEnabler::recompute() {
  bool state = !m_sources.isEmpty();
  for (bool s : qAsConst(m_sources)) state = state && s;
  if (state == m_enabled) return;
  m_enabled = state;
  emit enabled(state);
}

}  // namespace Utils
