// A theme's resource package as a damaged download or disk may leave it: a
// package the check lets through registers, and every folder and file in it
// can be listed and read; one it refuses is never handed to Qt, which reads
// a registered package without any check of its own.
#include <QDirIterator>
#include <QFile>
#include <QResource>

#include "FuzzSupport.h"
#include "libqml/utils/Themes.h"

ZENT_FUZZ_APPLICATION(QCoreApplication)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 1024 * 1024) return 0;
  const QByteArray package = ZentFuzz::bytes(data, size);
  if (!Utils::Themes::isIntactPackage(package)) return 0;
  const QString root = QStringLiteral("/fuzz-theme");
  const auto* bytes = reinterpret_cast<const uchar*>(package.constData());
  if (!QResource::registerResource(bytes, root)) return 0;
  QDirIterator it(QLatin1Char(':') + root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                  QDirIterator::Subdirectories);
  int entries = 0;
  while (it.hasNext() && ++entries < 100000) {
    it.next();
    QFile file(it.filePath());
    if (file.open(QIODevice::ReadOnly)) file.readAll();
  }
  QResource::unregisterResource(bytes, root);
  return 0;
}
