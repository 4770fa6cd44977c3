#include "Utils/SessionStateWatcherEnabler.h"

#include <RAZ/Sessions/SessionManagerBase.h>

#include "Utils/AggregationEnabler.h"

namespace Utils {

SessionStateWatcherEnabler::SessionStateWatcherEnabler(RAZ::Sessions::SessionManagerBase* session,
                                                       int watchedType, QObject* parent)
    : QObject(parent), m_watchedType(watchedType) {
  if (!session) {
    m_subSessionActive = true;
    return;
  }
  connect(session,
          SIGNAL(subSessionStateChanged(RAZ::Sessions::SessionManagerBase*,
                                        const RAZ::Sessions::SubSession*,
                                        RAZ::Sessions::Session::State)),
          this,
          SLOT(cbSubSessionStateChanged(RAZ::Sessions::SessionManagerBase*,
                                        const RAZ::Sessions::SubSession*,
                                        RAZ::Sessions::Session::State)));
  connect(session, SIGNAL(reconnectionStateChanged(RAZ::Sessions::SessionManagerBase*, bool)), this,
          SLOT(cbReconnectionStateChanged(RAZ::Sessions::SessionManagerBase*, bool)));
  RAZ::Sessions::SubSession* watched =
      (watchedType == 0 || watchedType == 1) ? session->subSession(watchedType) : nullptr;
  if (watched)
    m_subSessionActive = watched->state() == RAZ::Sessions::Session::Active;
  else
    m_subSessionActive = true;
  m_reconnecting = session->isReconnecting();
}

bool SessionStateWatcherEnabler::connectAggregation(AggregationEnabler* aggregation) {
  if (!aggregation) return false;
  aggregation->setSourceEnabled(isEnabled(), this);
  return connect(this, SIGNAL(sessionEnabled(bool)), aggregation, SLOT(setEnabled(bool)));
}

void SessionStateWatcherEnabler::applyState(int state) {
  const bool before = isEnabled();
  m_subSessionActive = state == RAZ::Sessions::Session::Active;
  if (isEnabled() != before) emit sessionEnabled(isEnabled());
}

void SessionStateWatcherEnabler::cbSubSessionStateChanged(RAZ::Sessions::SessionManagerBase*,
                                                          const RAZ::Sessions::SubSession* sub,
                                                          RAZ::Sessions::Session::State state) {
  if (!sub || (m_watchedType != 0 && m_watchedType != 1) || sub->type() != m_watchedType) return;
  applyState(state);
}

void SessionStateWatcherEnabler::cbReconnectionStateChanged(RAZ::Sessions::SessionManagerBase*,
                                                            bool reconnecting) {
  const bool before = isEnabled();
  m_reconnecting = reconnecting;
  if (isEnabled() != before) emit sessionEnabled(isEnabled());
}

}  // namespace Utils
