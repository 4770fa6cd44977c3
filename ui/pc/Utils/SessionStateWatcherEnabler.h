#pragma once

#include <QObject>
#include <QPointer>

#include <RAZ/Sessions/Session.h>

namespace RAZ {
namespace Sessions {
class SessionManagerBase;
}
}  // namespace RAZ

namespace Utils {

class AggregationEnabler;

// One boolean out of the session's state: the connection a feature needs
// (sub-session type 0, 1 or 2 for SIP, XMPP or XSI; any other value watches
// none) is up and the session is not reconnecting. Changes are broadcast by
// sessionEnabled(bool).
class SessionStateWatcherEnabler : public QObject {
  Q_OBJECT

 public:
  SessionStateWatcherEnabler(RAZ::Sessions::SessionManagerBase* session, int watchedType,
                             QObject* parent);

  bool isEnabled() const { return m_subSessionActive && !m_reconnecting; }
  // Feeds an aggregation enabler from now on; false for null or a failed
  // connection.
  bool connectAggregation(Utils::AggregationEnabler* aggregation);

 public slots:
  void cbSubSessionStateChanged(RAZ::Sessions::SessionManagerBase* session,
                                const RAZ::Sessions::SubSession* subSession,
                                RAZ::Sessions::Session::State state);
  void cbReconnectionStateChanged(RAZ::Sessions::SessionManagerBase* session, bool reconnecting);

 signals:
  void sessionEnabled(bool enabled);

 private:
  void applyState(const RAZ::Sessions::SubSession* sub, int state);

  int m_watchedType;
  bool m_subSessionActive = false;
  bool m_reconnecting = true;
};

}  // namespace Utils
