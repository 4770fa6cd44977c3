// SIP addresses and telephone numbers as users and peers type them: any
// text parses to an address or to nothing, and the normal forms are stable.
#include <RAZ/Utils/Parsers.h>
#include <TP/Sip/Uri.h>

#include "FuzzSupport.h"
#include "Utils/CallSettingsInput.h"

ZENT_FUZZ_APPLICATION(QCoreApplication)

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;
  const QByteArray input = ZentFuzz::bytes(data, size);
  const QString text = QString::fromUtf8(input);

  const TP::Sip::UriPtr uri(TP::Bytes::Copy(input.constData(), input.size()));
  const QString shown = uri.toString(true);
  if (!uri.IsValid() && !shown.isEmpty()) ZentFuzz::fail("an invalid address has a text", shown);
  if (uri.IsValid() && uri.toString(false).isEmpty())
    ZentFuzz::fail("a valid address has no text", text);

  const RAZ::Utils::SipUriParser parser;
  const QString normal = parser.normalize(text);
  if (!normal.isEmpty() && parser.normalize(normal) != normal)
    ZentFuzz::fail("normal form is not stable", normal);
  for (const QChar c : normal)
    if (c.isSpace()) ZentFuzz::fail("a normal form holds a blank or a line break", normal);
  (void)parser.parseUriTp(text);
  (void)parser.userPart(text);

  const QString number = RAZ::Utils::PhoneNumberParser::normalizePhoneNumber(text);
  if (RAZ::Utils::PhoneNumberParser::normalizePhoneNumber(number) != number)
    ZentFuzz::fail("number normal form is not stable", number);
  if (RAZ::Utils::PhoneNumberParser::isValidPhoneNumber(text) &&
      !RAZ::Utils::PhoneNumberParser::isValidPhoneNumber(number))
    ZentFuzz::fail("a valid number is not valid normalised", number);

  (void)Utils::CallSettingsInput::isPhoneNumber(text);
  (void)Utils::CallSettingsInput::isSipAddress(text);
  const QString comparable = Utils::CallSettingsInput::comparable(text);
  if (Utils::CallSettingsInput::comparable(comparable) != comparable)
    ZentFuzz::fail("comparable form is not stable", comparable);
  return 0;
}
