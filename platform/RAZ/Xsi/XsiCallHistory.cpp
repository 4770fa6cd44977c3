#include "RAZ/Xsi/XsiCallHistory.h"

#include <QTimer>

#include <TP/Core/Logging.h>

#include "RAZ/Models/Timeline.h"

namespace RAZ {
namespace Controllers {

XsiCallHistory::XsiCallHistory(RAZ::Models::CallLog* log, QObject* parent)
    : QObject(parent), m_log(log) {}

void XsiCallHistory::fetchCallLogs() {
  if (m_fetching) return;
  m_fetching = true;
  QTimer::singleShot(0, this, [this] {
    m_fetching = false;
    if (m_failure != RAZ::Xsi::XsiComponent::NoError) {
      TP_LOG("RAZ::Controllers::XsiCallHistory", TP::Core::Logging::LevelWarning)
          << "Call logs not fetched: " << int(m_failure);
      RAZ::Xsi::XsiErrorInfo info;
      info.code = int(m_failure);
      emit xsiCallLogsRetrievalFailed(m_failure, info);
      return;
    }
    static const char* const kDirections[] = {"incoming", "outgoing", "missed"};
    CallInfoList logs;
    const auto records = m_log ? m_log->records() : QList<RAZ::Models::CallLog::Record>();
    for (const RAZ::Models::CallLog::Record& r : records) {
      if (r.kind == RAZ::Models::CallLog::Chat) continue;
      logs << QVariantMap{
          {QStringLiteral("address"), r.address},
          {QStringLiteral("name"), r.name},
          {QStringLiteral("direction"), QLatin1String(kDirections[qBound(0, r.direction, 2)])},
          {QStringLiteral("start"), r.start}};
    }
    emit xsiCallLogsReceived(logs);
  });
}

}  // namespace Controllers
}  // namespace RAZ
