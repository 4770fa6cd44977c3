#include "Utils/SessionStateWatcherEnabler.h"

#include <RAZ/Sessions/SessionManagerBase.h>

#include "Utils/AggregationEnabler.h"

namespace Utils {

namespace {
// The SIP, XMPP and XSI connections can be watched; for any other type the
// connection counts as up.
bool watchable(int type) {
  return type == RAZ::Sessions::SubSession::TypeSip ||
         type == RAZ::Sessions::SubSession::TypeXmpp || type == RAZ::Sessions::SubSession::TypeXsi;
}

// An XSI connection the account does not use keeps nothing waiting: the
// features behind it are simply not offered, so it never holds them back.
bool countsAsUp(const RAZ::Sessions::SubSession* sub) {
  return sub->type() == RAZ::Sessions::SubSession::TypeXsi && !sub->enabled();
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
      watchable(watchedType) ? session->subSession(watchedType) : nullptr;
  if (watched)
    m_subSessionActive = countsAsUp(watched) || watched->state() == RAZ::Sessions::Session::Active;
  else
    m_subSessionActive = true;
  m_reconnecting = session->isReconnecting();
}

bool SessionStateWatcherEnabler::connectAggregation(AggregationEnabler* aggregation) {
  if (!aggregation) return false;
  aggregation->setSourceEnabled(isEnabled(), this);
  return connect(this, SIGNAL(sessionEnabled(bool)), aggregation, SLOT(setEnabled(bool)));
}

void SessionStateWatcherEnabler::applyState(const RAZ::Sessions::SubSession* sub, int state) {
  const bool before = isEnabled();
  m_subSessionActive = countsAsUp(sub) || state == RAZ::Sessions::Session::Active;
  if (isEnabled() != before) emit sessionEnabled(isEnabled());
}

void SessionStateWatcherEnabler::cbSubSessionStateChanged(RAZ::Sessions::SessionManagerBase*,
                                                          const RAZ::Sessions::SubSession* sub,
                                                          RAZ::Sessions::Session::State state) {
  if (!sub || !watchable(m_watchedType) || sub->type() != m_watchedType) return;
  applyState(sub, state);
}

void SessionStateWatcherEnabler::cbReconnectionStateChanged(RAZ::Sessions::SessionManagerBase*,
                                                            bool reconnecting) {
  const bool before = isEnabled();
  m_reconnecting = reconnecting;
  if (isEnabled() != before) emit sessionEnabled(isEnabled());
}

}  // namespace Utils
