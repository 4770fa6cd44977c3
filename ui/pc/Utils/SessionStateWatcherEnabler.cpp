#include "Utils/SessionStateWatcherEnabler.h"

#include <RAZ/Sessions/SessionManagerBase.h>

#include "Utils/AggregationEnabler.h"

namespace Utils {

namespace {
// Only a SIP or an XMPP connection is watched; for any other type the
// connection counts as up.
bool watchesSipOrXmpp(int type) {
  return type == RAZ::Sessions::SubSession::TypeSip || type == RAZ::Sessions::SubSession::TypeXmpp;
}
}  // namespace

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
      watchesSipOrXmpp(watchedType) ? session->subSession(watchedType) : nullptr;
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
  if (!sub || !watchesSipOrXmpp(m_watchedType) || sub->type() != m_watchedType) return;
  applyState(state);
}

void SessionStateWatcherEnabler::cbReconnectionStateChanged(RAZ::Sessions::SessionManagerBase*,
                                                            bool reconnecting) {
  const bool before = isEnabled();
  m_reconnecting = reconnecting;
  if (isEnabled() != before) emit sessionEnabled(isEnabled());
}

}  // namespace Utils
