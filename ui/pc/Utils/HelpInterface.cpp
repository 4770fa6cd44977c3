#include "Utils/HelpInterface.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrlQuery>

#include <RAZ/Settings.h>
#include <TP/Core/Logging.h>

#include "Utils/AppPaths.h"

namespace Utils {

HelpInterface::HelpInterface(QWidget* parent) : QWidget(parent) {}
HelpInterface::~HelpInterface() = default;

QString HelpInterface::helpContext() const { return QString(); }

QUrl HelpInterface::helpUrl(const QString& context) {
  RAZ::Settings installation(RAZ::Settings::Installation);
  const QString text = installation.value(QStringLiteral("defaults/help_file")).toString();
  QUrl url(text);
  if (url.isEmpty()) return QUrl();
  if (url.isRelative() && !text.startsWith(QLatin1Char('/')))
    url = QUrl::fromLocalFile(AppPaths::executableDir() + QLatin1Char('/')).resolved(url);
  else if (url.isRelative())
    url = QUrl::fromLocalFile(text);
  RAZ::Settings app(RAZ::Settings::Application);
  QUrlQuery query(url);
  query.addQueryItem(QStringLiteral("context"), context);
  query.addQueryItem(QStringLiteral("lang"),
                     app.value(QStringLiteral("settings/language/active"), QString()).toString());
  url.setQuery(query);
  return url;
}

void HelpInterface::openHelp(const QString& context) {
  const QUrl url = helpUrl(context);
  if (url.isEmpty()) return;
  if (!QDesktopServices::openUrl(url))
    TP_LOG("Utils::HelpInterface::openHelp", 4) << "Failed to open help " << url.toString();
}

}  // namespace Utils
