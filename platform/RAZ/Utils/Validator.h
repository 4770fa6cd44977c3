#pragma once

#include <QString>

namespace RAZ {
namespace Configuration {
class Config;
}
namespace Utils {

// Checks and normalises what users type as addresses.
class Validator {
 public:
  // The configuration may be null (then only the general rules apply).
  explicit Validator(const RAZ::Configuration::Config* config) : m_config(config) {}

  // A SIP user part as the service stores it: surrounding blanks and a
  // "sip:"/"sips:" scheme removed, and a telephone number reduced to its
  // digits (a leading '+' kept) when it holds only digits and the usual
  // separators (blank, '-', '.', '(', ')', '/'). Anything else is returned
  // trimmed but otherwise as typed.
  QString normalizeSipUserName(const QString& user) const;

 private:
  [[maybe_unused]] const RAZ::Configuration::Config* m_config;
};

}  // namespace Utils
}  // namespace RAZ
