// What a second start hands the running program: any text gives the
// product links it holds, each a piece of the text, and call links only from
// arguments that are call links; a command line joins into a message that
// gives back the links it carried.
#include "Application.h"
#include "FuzzSupport.h"

ZENT_FUZZ_APPLICATION(QCoreApplication)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 65536) return 0;
  const QString message = QString::fromUtf8(ZentFuzz::bytes(data, size));
  for (const QString& link : Application::zentLinksInMessage(message))
    if (!message.contains(link)) ZentFuzz::fail("a link not in the message", link);
  int callArguments = 0;
  for (const QString& word : message.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    const QString argument = word.trimmed();
    for (const char* scheme : {"--callto:", "--tel:"})
      if (argument.startsWith(QLatin1String(scheme), Qt::CaseInsensitive)) {
        ++callArguments;
        break;
      }
  }
  if (Application::callLinksInMessage(message).size() != callArguments)
    ZentFuzz::fail("a call link that is no argument of its own", message);

  // Arguments split at NUL bytes, as a command line would be.
  const QStringList arguments =
      QStringList{QStringLiteral("zent")} + message.split(QChar(0), Qt::SkipEmptyParts);
  const QString joined = Application::secondInstanceMessage(arguments);
  if (arguments.size() <= 1 && joined != QLatin1String("activate!"))
    ZentFuzz::fail("no arguments is not activate!", joined);
  for (const QString& link : Application::zentLinksInMessage(joined))
    if (!joined.contains(link)) ZentFuzz::fail("a link not in the joined message", link);
  return 0;
}
