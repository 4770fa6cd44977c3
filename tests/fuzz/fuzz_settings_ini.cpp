// Settings files as the INI reader meets them: any text, of any size, reads
// to some values (or is refused whole), and what is written of those values
// reads back to the same text.
#include <QFileInfo>

#include <RAZ/IniText.h>
#include <RAZ/Settings.h>

#include "FuzzSupport.h"

ZENT_FUZZ_APPLICATION(QCoreApplication)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 65536) return 0;
  const QByteArray input = ZentFuzz::bytes(data, size);
  QSettings::SettingsMap map;
  if (!RAZ::IniText::parse(input, map)) {
    if (!map.isEmpty()) ZentFuzz::fail("a refused text gave values", QString::fromLatin1(input));
    return 0;
  }
  const QByteArray written = RAZ::IniText::render(map);
  QSettings::SettingsMap again;
  if (!RAZ::IniText::parse(written, again)) ZentFuzz::fail("own text refused", written);
  if (RAZ::IniText::render(again) != written) ZentFuzz::fail("text changed", written);

  // Through the store: the file reads, and a change is written in full.
  const QString folder = QFileInfo(ZentFuzz::scratchFile(input, "user_setting.ini")).path();
  RAZ::Settings::setPath(RAZ::Settings::User, folder);
  {
    RAZ::Settings settings(RAZ::Settings::User);
    for (const QString& key : settings.allKeys()) (void)settings.value(key);
    settings.setValue(QStringLiteral("fuzz/marker"), QStringLiteral("set"));
  }
  if (RAZ::Settings::readProblem(RAZ::Settings::User).isEmpty() &&
      RAZ::Settings(RAZ::Settings::User).value(QStringLiteral("fuzz/marker")).toString() !=
          QLatin1String("set"))
    ZentFuzz::fail("a change to a readable file was lost", QString::fromLatin1(input));
  return 0;
}
