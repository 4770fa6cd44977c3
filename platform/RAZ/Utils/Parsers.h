#pragma once

#include <QString>

#include <TP/Bytes.h>
#include <TP/Sip/Uri.h>
#include <tp/core/SmartPtr.h>

namespace RAZ {
namespace Configuration {
class Config;
}
namespace Utils {

// Telephone numbers as the user types them: "+49 (30) 100-101" normalises to
// "+4930100101".
class PhoneNumberParser {
 public:
  // Drops blanks and the usual separators (- . / ( )); keeps digits, a
  // leading "+", "*" and "#". Text with any other character is returned
  // trimmed but otherwise unchanged (it is not a number).
  static QString normalizePhoneNumber(const QString& text);
  // A dialable number: an optional leading "+" and 2 to 20 digits, "*" or
  // "#", after normalising.
  static bool isValidPhoneNumber(const QString& text);
};

// SIP addresses: "alice@demo.zent", "sip:alice@demo.zent" and
// "<sip:alice@demo.zent>" name the same address.
class SipUriParser {
 public:
  explicit SipUriParser(const RAZ::Configuration::Config* config = nullptr) : m_config(config) {}
  // The address as "sip:user@host", or empty when the text is none.
  QString normalize(const QString& text) const;
  // An address or a telephone number as a SIP URI text ("sip:..."); empty
  // for anything else.
  QString parseUriTp(const QString& text) const;
  bool isValid(const QString& text) const { return !normalize(text).isEmpty(); }
  // The user part of an address ("alice"), or empty.
  QString userPart(const QString& text) const;
  // The form two addresses of one party share: "sip:user@host" for a SIP
  // address, the bare number for a number; other text trimmed.
  QString matchableUri(const QString& text) const;
  // A name to show for an address: its display name when it has one, else
  // its user part (a number stays a number); the text itself otherwise.
  QString displayNameFromUri(const QString& text) const;
  QString displayNameFromUri(const TP::Core::Refcounting::SmartPtr<TP::Sip::UriPtr>& uri) const;

 private:
  [[maybe_unused]] const RAZ::Configuration::Config* m_config;
};

}  // namespace Utils
}  // namespace RAZ

// A parsed address as text (with its display name when asked), and text as
// the base library's bytes.
QString UTQS(const TP::Core::Refcounting::SmartPtr<TP::Sip::UriPtr>& uri, bool withDisplayName);
TP::Bytes QSTB(const QString& text);
