// Address-verification status data: any stream of bytes, in any pieces,
// splits into objects and a rest without losing or inventing bytes.
#include <QJsonDocument>

#include "FuzzSupport.h"
#include "Utils/ExternalServiceVerification.h"

ZENT_FUZZ_APPLICATION(QCoreApplication)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1 || size > 65536) return 0;
  const QByteArray input = ZentFuzz::bytes(data + 1, size - 1);
  const int pieces = 1 + data[0] % 7;
  QByteArray buffer;
  QList<QByteArray> objects;
  int dropped = 0;
  int total = 0;
  for (int i = 0; i < pieces; ++i) {
    const int from = input.size() * i / pieces;
    const int to = input.size() * (i + 1) / pieces;
    buffer += input.mid(from, to - from);
    int d = 0;
    Utils::ExternalServiceVerification::takeJsonObjects(buffer, objects, &d);
    if (d < 0) ZentFuzz::fail("negative drop count", QString::number(d));
    dropped += d;
  }
  for (const QByteArray& object : objects) {
    total += object.size();
    QJsonParseError error;
    (void)QJsonDocument::fromJson(object, &error);
  }
  if (total + dropped + buffer.size() > input.size())
    ZentFuzz::fail("more bytes out than in", QString::number(total + dropped + buffer.size()));
  return 0;
}
