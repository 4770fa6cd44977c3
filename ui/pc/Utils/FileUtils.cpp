#include "Utils/FileUtils.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace Utils {

QString File::findDir(const QString& root, const QString& fileName, const QStringList& skip) {
  if (!QFileInfo(root).isDir()) return QString();
  QDir dir(root);
  const QFileInfoList entries = dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
  for (const QFileInfo& entry : entries) {
    if (skip.contains(entry.fileName())) continue;
    const QStringList files = QDir(entry.absoluteFilePath()).entryList(QDir::Files, QDir::NoSort);
    if (files.contains(fileName)) return entry.absoluteFilePath();
  }
  return QString();
}

bool File::cpDir(const QString& source, const QString& target, const QStringList& exclude) {
  QDir targetDir(QFileInfo(target).absoluteFilePath());
  if (!targetDir.exists() && !targetDir.mkpath(QStringLiteral("."))) return false;
  const QFileInfoList entries =
      QDir(source).entryInfoList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot | QDir::System, QDir::NoSort);
  for (const QFileInfo& entry : entries) {
    const QString name = entry.fileName();
    bool skip = false;
    for (const QString& part : exclude) {
      if (!part.isEmpty() && name.contains(part)) {
        skip = true;
        break;
      }
    }
    if (skip) continue;
    const QString from = source + QLatin1Char('/') + name;
    const QString to = target + QLatin1Char('/') + name;
    if (entry.isSymLink()) {
      // A link may point anywhere, even back up the tree: never copied.
      qDebug() << "Unhandled item" << from << "in cpDir";
    } else if (entry.isDir()) {
      if (!cpDir(from, to, exclude)) return false;
    } else if (entry.isFile()) {
      QFile::copy(from, to);
    } else {
      qDebug() << "Unhandled item" << from << "in cpDir";
    }
  }
  return true;
}

}  // namespace Utils
