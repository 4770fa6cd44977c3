#include "Utils/file_utils.h"

#include <RAZ/Utils/FileWrites.h>
#include <TP/Core/Logging.h>

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace Utils {

QString File::findDir(const QString& root, const QString& fileName, const QStringList& skip) {
  if (!QFileInfo(root).isDir()) return QString();
  const QFileInfoList entries =
      QDir(root).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
  for (const QFileInfo& entry : entries) {
    if (skip.contains(entry.fileName())) continue;
    const QStringList files = QDir(entry.absoluteFilePath()).entryList(QDir::Files, QDir::NoSort);
    if (files.contains(fileName)) return entry.absoluteFilePath();
  }
  return QString();
}

bool File::cpDir(const QString& source, const QString& target, const QStringList& exclude) {
  QDir targetDir(QFileInfo(target).absoluteFilePath());
  // What is copied is the user's data (stored accounts, settings, history):
  // the user's alone from its first byte, whatever the older folder allowed.
  const RAZ::Utils::PrivateCreation closed;
  if (!targetDir.exists() && !targetDir.mkpath(targetDir.absolutePath())) {
    TP_LOG("File::cpDir", TP::Core::Logging::LevelError) << "cannot create folder " << target;
    return false;
  }

  const QFileInfoList entries =
      QDir(source).entryInfoList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot, QDir::NoSort);
  for (const QFileInfo& entry : entries) {
    const QString name = entry.fileName();
    bool excluded = false;
    for (const QString& part : exclude) {
      if (name.contains(part)) {
        excluded = true;
        break;
      }
    }
    if (excluded) continue;

    const QString from = source + QLatin1Char('/') + name;
    const QString to = target + QLatin1Char('/') + name;
    if (entry.isSymLink()) {
      // A link may point back up the tree or out of the user's folder.
      TP_LOG("File::cpDir", TP::Core::Logging::LevelInformation)
          << "symbolic link not copied: " << from;
    } else if (entry.isDir()) {
      if (!cpDir(from, to, exclude)) return false;
    } else if (entry.isFile()) {
      QFile in(from);
      bool existed = false;
      if (!in.open(QIODevice::ReadOnly) ||
          (!RAZ::Utils::FileWrites::create(to, in.readAll(), 0600, &existed) && !existed)) {
        TP_LOG("File::cpDir", TP::Core::Logging::LevelWarning)
            << "cannot copy " << from << " to " << to;
      }
    } else {
      qDebug() << "Unhandled item" << from << "in cpDir";
    }
  }
  return true;
}

}  // namespace Utils
