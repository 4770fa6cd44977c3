// The demo service's store as the program finds it on disk: any bytes are
// read or refused without harm (no nesting deep enough to overflow the
// stack), and a store that reads is written back and read again unchanged.
#include <RAZ/Demo/StoreFile.h>

#include "FuzzSupport.h"

ZENT_FUZZ_APPLICATION(QCoreApplication)

using namespace RAZ::Demo;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 1024 * 1024) return 0;
  QVariantMap read;
  if (!StoreFile::read(ZentFuzz::bytes(data, size), read)) {
    if (!read.isEmpty()) ZentFuzz::fail("a refused store gave data", QString());
    return 0;
  }
  // Compared as written: a value that is not a number equals nothing.
  const QByteArray written = StoreFile::write(read);
  QVariantMap again;
  if (!StoreFile::read(written, again)) ZentFuzz::fail("own store not read back", QString());
  if (StoreFile::write(again) != written) ZentFuzz::fail("store changed on the way", QString());
  return 0;
}
