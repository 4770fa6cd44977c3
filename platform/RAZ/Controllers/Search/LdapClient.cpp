#include "RAZ/Controllers/Search/LdapClient.h"

#include <TP/Core/Logging.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace RAZ {
namespace Controllers {
namespace Search {
namespace {

const char kLibrary[] = "libzent_ldap.so";

using Entry = LdapClient* (*)();

QStringList locations() {
  QStringList places;
  if (QCoreApplication::instance())
    places << QCoreApplication::applicationDirPath() + QLatin1Char('/') + kLibrary;
  const QString dist = qEnvironmentVariable("ZENT_DIST_DIR");
  if (!dist.isEmpty()) places << dist + QLatin1Char('/') + kLibrary;
  return places;
}

struct Loaded {
  LdapClient* client = nullptr;
  QString error;
};

}  // namespace

LdapClient* ldapClient(QString* whyNot) {
  static const Loaded loaded = []() -> Loaded {
    QStringList errors;
    for (const QString& place : locations()) {
      if (!QFileInfo::exists(place)) continue;
      QLibrary library(place);
      if (auto entry = reinterpret_cast<Entry>(library.resolve(ZENT_LDAP_ENTRY))) {
        if (LdapClient* made = entry()) return {made, QString()};
        errors << place + QStringLiteral(": no client");
        continue;
      }
      errors << library.errorString();
    }
    Loaded failed;
    failed.error = errors.isEmpty()
                       ? QStringLiteral("%1 not found in %2")
                             .arg(QLatin1String(kLibrary), locations().join(QStringLiteral(", ")))
                       : errors.join(QStringLiteral("; "));
    TP_LOG("RAZ::Controllers::Search::ldapClient", TP::Core::Logging::LevelError)
        << "The LDAP client cannot be loaded, the corporate directory cannot be searched: "
        << failed.error;
    return failed;
  }();
  if (!loaded.client && whyNot) *whyNot = loaded.error;
  return loaded.client;
}

}  // namespace Search
}  // namespace Controllers
}  // namespace RAZ
