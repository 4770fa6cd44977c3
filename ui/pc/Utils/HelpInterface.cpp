#include "Utils/HelpInterface.h"

#include <QDesktopServices>
#include <QUrlQuery>

#include <RAZ/Settings.h>
#include <TP/Core/Logging.h>
#include "Utils/SettingsKeys.h"

namespace Utils {

HelpInterface::HelpInterface(QWidget* parent, Qt::WindowFlags flags) : QWidget(parent, flags) {}

QString HelpInterface::helpContext() const { return QString(); }

QUrl HelpInterface::helpUrl(const QString& context) {
  const QString address = RAZ::Settings(RAZ::Settings::Installation)
                              .value(Utils::SettingsKey::DefaultHelpFile)
                              .toString();
  QUrl url(address);
  if (url.isEmpty()) return QUrl();
  const QString lang = RAZ::Settings(RAZ::Settings::Application)
                           .value(Utils::SettingsKey::LanguageActive, QString())
                           .toString();
  QUrlQuery query(url);
  query.addQueryItem(QStringLiteral("context"), context);
  query.addQueryItem(QStringLiteral("lang"), lang);
  url.setQuery(query);
  return url;
}

void HelpInterface::openHelp(const QString& context) {
  const QUrl url = helpUrl(context);
  if (url.isEmpty()) return;
  if (!QDesktopServices::openUrl(url)) {
    TP_LOG("Utils::HelpInterface::openHelp", TP::Core::Logging::LevelError)
        << "Failed to open help " << url.toString();
  }
}

}  // namespace Utils
