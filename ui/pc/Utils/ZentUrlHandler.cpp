#include "Utils/ZentUrlHandler.h"

#include <QRegularExpression>

#include <TP/Core/Logging.h>

namespace Utils {

ZentUrlHandler::ZentUrlHandler(const QString& link, QObject* parent)
    : QObject(parent), m_link(link) {
  m_timeout.setSingleShot(true);
  m_timeout.setInterval(20000);
  connect(&m_timeout, SIGNAL(timeout()), this, SIGNAL(timedOut()));
  m_timeout.start();
}

ZentUrlHandler::~ZentUrlHandler() = default;

QMap<QString, QString> ZentUrlHandler::parseAttributes(const QString& link) {
  QMap<QString, QString> out;
  static const QRegularExpression re(QStringLiteral("([A-Za-z]+)\\s*=\\s*\"([^\"]*)\""));
  auto it = re.globalMatch(link);
  while (it.hasNext()) {
    const QRegularExpressionMatch m = it.next();
    out.insert(m.captured(1).toLower(), m.captured(2));
  }
  return out;
}

void ZentUrlHandler::initialize(RAZ::Sessions::SessionManagerBase* session) {
  m_attributes = parseAttributes(m_link);
  if (!session) return;  // pending until a session exists
  TP_LOG("Utils::ZentUrlHandler::initialize", TP::Core::Logging::LevelInformation)
      << "Product link with " << int(m_attributes.size()) << " attributes";
}

}  // namespace Utils
