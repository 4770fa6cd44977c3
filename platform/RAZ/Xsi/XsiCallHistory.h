#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QVariantMap>

#include "RAZ/Xsi/XsiComponent.h"
#include "RAZ/Xsi/XsiCredentialsControl.h"

namespace RAZ {
namespace Models {
class CallLog;
}
namespace Controllers {

// One call of the service's logs: "address", "name", "direction"
// ("incoming", "outgoing", "missed"), "start" (QDateTime).
typedef QList<QVariantMap> CallInfoList;

// The user's call logs kept by the telephony service (XSI): the calls of
// every device of the account. fetchCallLogs() asks for them; exactly one of
// xsiCallLogsReceived() or xsiCallLogsRetrievalFailed() follows, from the
// event loop, never inside the call. A fetch asked while one runs is the
// same fetch. The service answers with the calls of the session's log, or
// fails when its script tells it to (setFailure).
class XsiCallHistory : public QObject {
  Q_OBJECT

 public:
  explicit XsiCallHistory(RAZ::Models::CallLog* log, QObject* parent = nullptr);

  // Script of the demo: the next fetches fail with `error` (NoError: they
  // succeed again).
  void setFailure(RAZ::Xsi::XsiComponent::Error error) { m_failure = error; }

 public slots:
  void fetchCallLogs();

 signals:
  void xsiCallLogsReceived(const RAZ::Controllers::CallInfoList& logs);
  void xsiCallLogsRetrievalFailed(RAZ::Xsi::XsiComponent::Error error,
                                  const RAZ::Xsi::XsiErrorInfo& info);

 private:
  QPointer<RAZ::Models::CallLog> m_log;
  RAZ::Xsi::XsiComponent::Error m_failure = RAZ::Xsi::XsiComponent::NoError;
  bool m_fetching = false;
};

}  // namespace Controllers
}  // namespace RAZ
