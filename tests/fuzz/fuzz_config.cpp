// Deciphered configuration files: any text gives a configuration (valid or
// not) whose values can all be read.
#include <RAZ/Configuration/Config.h>

#include "FuzzSupport.h"

ZENT_FUZZ_APPLICATION(QCoreApplication)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 65536) return 0;
  const RAZ::Configuration::Config config(ZentFuzz::bytes(data, size), QStringLiteral("fuzz.xml"));
  for (int id : config.ids()) {
    (void)config.value(id);
    (void)config.getString(id);
    (void)config.getInt(id);
    (void)config.getBool(id);
  }
  if (!config.isValid() && !config.ids().isEmpty()) ZentFuzz::fail("values without a name", "");
  return 0;
}
