#include "RAZ/Utils/Path.h"

#include <QDir>
#include <QStandardPaths>

#include <TP/Core/Logging.h>

namespace RAZ {
namespace Utils {

QString Path::writableDataPath() {
  const QString path = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  if (path.isEmpty()) {
    TP_LOG("RAZ::Utils::Path::writableDataPath", TP::Core::Logging::LevelError)
        << "No writable data location on this system";
    return QString();
  }
  return QDir::cleanPath(path);
}

QString Path::accountFolderName(const QString& account) {
  const QByteArray utf8 = account.trimmed().toUtf8();
  bool onlyDots = !utf8.isEmpty();
  for (char c : utf8)
    if (c != '.') onlyDots = false;
  QByteArray keep = "-_@";
  if (!onlyDots) keep += '.';
  QByteArray encoded = utf8.toPercentEncoding(keep);
  if (onlyDots) encoded.replace(".", "%2E");
  if (encoded.isEmpty()) encoded = "_";
  return QString::fromLatin1(encoded);
}

}  // namespace Utils
}  // namespace RAZ
