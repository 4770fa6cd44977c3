// Product-link payloads: any text decodes to some attribute text, no value
// read from it holds the quote that ends it, and its call dials nothing but
// the room's own conference.
#include "FuzzSupport.h"
#include "Utils/ZentUrlHandler.h"

ZENT_FUZZ_APPLICATION(QCoreApplication)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 8192) return 0;
  const QByteArray input = ZentFuzz::bytes(data, size);
  for (const QString& payload :
       {QString::fromLatin1(input), QString::fromLatin1(input.toBase64())}) {
    const QString text = Utils::ZentUrlHandler::decodePayload(payload);
    for (const char* key : {"call", "chat", "webcollab", "jid"}) {
      const QString value = Utils::ZentUrlHandler::attribute(text, QLatin1String(key));
      if (value.contains(QLatin1Char('"'))) ZentFuzz::fail("quote in a value", value);
    }
    // A link's call reaches the room's own conference or nothing: never
    // another number, never a host of the link's choosing.
    const QString call = Utils::ZentUrlHandler::conferenceCall(
        Utils::ZentUrlHandler::attribute(text, QStringLiteral("call")),
        QStringLiteral("+1 555 0100"));
    if (!call.isEmpty() &&
        (!call.startsWith(QLatin1String("sip:+15550100")) || call.contains(QLatin1Char('@')) ||
         (call.size() > 13 && call.at(13) != QLatin1Char(';'))))
      ZentFuzz::fail("a call beside the conference", call);
  }
  // Encoding and reading back keeps quote-free values.
  const QString value = QString::fromLatin1(input).remove(QLatin1Char('"'));
  const QString payload = Utils::ZentUrlHandler::encodePayload(value, QString(), value, QString());
  const QString text = Utils::ZentUrlHandler::decodePayload(payload);
  if (Utils::ZentUrlHandler::attribute(text, QStringLiteral("call")) != value && !value.isEmpty())
    ZentFuzz::fail("round trip", value);
  return 0;
}
