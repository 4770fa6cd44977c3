// Ring-signal lists: any file reads as a list (or as unreadable) without harm.
#include "FuzzSupport.h"
#include "Utils/Sounds/RingSignals.h"

ZENT_FUZZ_APPLICATION(QCoreApplication)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 65536) return 0;
  Utils::Sounds::setRingSignalListPath(
      ZentFuzz::scratchFile(ZentFuzz::bytes(data, size), "ring_signals.xml"));
  bool ok = false;
  const QList<Utils::Sounds::RingSignal> list = Utils::Sounds::readRingSignals(&ok);
  if (!ok && !list.isEmpty()) ZentFuzz::fail("signals from an unreadable list", "");
  return 0;
}
