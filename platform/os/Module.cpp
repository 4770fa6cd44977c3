#include "os/Module.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QMutex>
#include <QMutexLocker>
#include <QStringList>

namespace Os {
namespace {

// The program's folder, taken on the application's thread as each
// application object is made. The search worker loads its library on a
// thread of its own, and QCoreApplication::applicationDirPath() is not safe
// there: the first call fills a cache inside Qt without a lock, and the
// application object may be going away while the worker asks.
QMutex& folderMutex() {
  static QMutex mutex;
  return mutex;
}

QString& programFolder() {
  static QString folder;
  return folder;
}

void rememberProgramFolder() {
  const QString folder = QCoreApplication::applicationDirPath();
  QMutexLocker lock(&folderMutex());
  programFolder() = folder;
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(rememberProgramFolder)

QFunctionPointer moduleEntry(const char* library, const char* entry, QString* error) {
  QStringList places;
  {
    QMutexLocker lock(&folderMutex());
    if (!programFolder().isEmpty())
      places << programFolder() + QLatin1Char('/') + QLatin1String(library);
  }
  const QString dist = qEnvironmentVariable("ZENT_DIST_DIR");
  if (!dist.isEmpty()) places << dist + QLatin1Char('/') + QLatin1String(library);

  QStringList errors;
  for (const QString& place : qAsConst(places)) {
    if (!QFileInfo::exists(place)) continue;
    // Never unloaded: the QLibrary going out of scope leaves it loaded.
    QLibrary module(place);
    if (QFunctionPointer found = module.resolve(entry)) return found;
    // A library that loaded but lacks the function leaves QLibrary's error
    // empty ("Unknown error"): say what is missing.
    errors << (module.isLoaded()
                   ? QStringLiteral("%1 has no function %2").arg(place, QLatin1String(entry))
                   : module.errorString());
  }
  if (error)
    *error = errors.isEmpty() ? QStringLiteral("%1 not found in %2")
                                    .arg(QLatin1String(library), places.join(QStringLiteral(", ")))
                              : errors.join(QStringLiteral("; "));
  return nullptr;
}

}  // namespace Os
