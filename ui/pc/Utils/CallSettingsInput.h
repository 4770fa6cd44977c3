#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace Utils {

// The checks the call settings make before anything reaches the service:
// each gives the text to show the user, or an empty text when the input
// may be saved.
class CallSettingsInput {
  Q_DECLARE_TR_FUNCTIONS(Utils::CallSettingsInput)

 public:
  // A telephone number: digits with the usual separators (blank, '-', '.',
  // '(', ')', '/'), optionally starting with '+'; at least two digits.
  static bool isPhoneNumber(const QString& text);
  // A SIP address ("sip:" optional) of the form user@host.
  static bool isSipAddress(const QString& text);
  // The number reduced to what makes it the same number: its digits and a
  // leading '+'; other text trimmed and in lower case.
  static QString comparable(const QString& number);

  // A forwarding number: empty (the service is then saved as off) or a
  // telephone number.
  static QString checkForwarding(const QString& number);
  // Remote office switched on needs a number; a number must be one.
  static QString checkRemoteOffice(bool enabled, const QString& number);
  // A new anywhere location: a telephone number not yet among `existing`.
  static QString checkAnywhereLocation(const QString& number, const QStringList& existing);
  // Simultaneous ring: every entry a telephone number or SIP address, none
  // twice, at most `maximum` of them.
  static QString checkRingLocations(const QStringList& numbers, int maximum);
};

}  // namespace Utils
