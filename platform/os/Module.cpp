#include "os/Module.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

namespace Os {

QFunctionPointer moduleEntry(const char* library, const char* entry, QString* error) {
  QStringList places;
  if (QCoreApplication::instance())
    places << QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(library);
  const QString dist = qEnvironmentVariable("ZENT_DIST_DIR");
  if (!dist.isEmpty()) places << dist + QLatin1Char('/') + QLatin1String(library);

  QStringList errors;
  for (const QString& place : places) {
    if (!QFileInfo::exists(place)) continue;
    // Never unloaded: the QLibrary going out of scope leaves it loaded.
    QLibrary module(place);
    if (QFunctionPointer found = module.resolve(entry)) return found;
    errors << module.errorString();
  }
  if (error)
    *error = errors.isEmpty() ? QStringLiteral("%1 not found in %2")
                                    .arg(QLatin1String(library), places.join(QStringLiteral(", ")))
                              : errors.join(QStringLiteral("; "));
  return nullptr;
}

}  // namespace Os
