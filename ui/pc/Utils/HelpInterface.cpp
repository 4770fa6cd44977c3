#include "Utils/HelpInterface.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrlQuery>

#include <RAZ/Settings.h>
#include <TP/Core/Logging.h>
#include "Utils/SettingsKeys.h"

#include "Utils/AppPaths.h"

namespace Utils {

namespace {

// The configured value is either a full address or a page shipped with the
// program ("help/index.html"). A relative value handed to the desktop opener
// as it stands means nothing to it, so it is made a local file of the
// installation; a value with a scheme of its own is kept. One-letter schemes
// are drive letters, i.e. local paths.
QUrl resolveHelpAddress(const QString& address) {
  const QUrl given(address);
  if (given.scheme().size() > 1) return given;
  const QString path =
      given.scheme().isEmpty() ? given.path() : address.section(QLatin1Char('?'), 0, 0);
  QUrl url =
      QUrl::fromLocalFile(QDir::cleanPath(QDir(AppPaths::executableDir()).absoluteFilePath(path)));
  if (given.scheme().isEmpty()) {
    url.setQuery(given.query(QUrl::FullyEncoded), QUrl::StrictMode);
    url.setFragment(given.fragment(QUrl::FullyEncoded), QUrl::StrictMode);
  }
  return url;
}

}  // namespace

HelpInterface::HelpInterface(QWidget* parent, Qt::WindowFlags flags) : QWidget(parent, flags) {}

QString HelpInterface::helpContext() const { return QString(); }

QUrl HelpInterface::helpUrl(const QString& context) {
  const QString address = RAZ::Settings(RAZ::Settings::Installation)
                              .value(Utils::SettingsKey::DefaultHelpFile)
                              .toString();
  if (address.trimmed().isEmpty()) return QUrl();
  QUrl url = resolveHelpAddress(address.trimmed());
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
