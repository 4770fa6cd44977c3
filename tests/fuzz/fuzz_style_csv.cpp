// Style files: any file imports without harm, and what was imported exports
// as a file that imports to the same colours.
#include <QGuiApplication>

#include "FuzzSupport.h"
#include "libqml/utils/Style.h"

ZENT_FUZZ_APPLICATION(QGuiApplication)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 16384) return 0;
  static QML::Style style;
  style.setDefaults();
  style.importCsv(ZentFuzz::scratchFile(ZentFuzz::bytes(data, size), "style.csv"));
  const QVariantMap colors = style.colors();
  const QByteArray exported = style.toCsv(true);
  style.setDefaults();
  style.importCsv(ZentFuzz::scratchFile(exported, "style-again.csv"));
  if (style.colors() != colors) ZentFuzz::fail("export does not import back", exported);
  return 0;
}
