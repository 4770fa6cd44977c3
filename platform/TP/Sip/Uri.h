#pragma once

#include "TP/Bytes.h"

#include <tp/core/RefCountable.h>

#include <QString>

namespace TP {
namespace Sip {

// A parsed SIP address, shared through TP::Core::Refcounting::SmartPtr.
// Accepted forms:
//   sip:alice@example.com:5061;transport=tls
//   "Alice Smith" <sip:alice@example.com>
//   Alice <sips:alice@example.com>
//   tel:+4930123456
//   alice@example.com                 (taken as sip:)
// Text that is none of these gives an invalid address whose parts are empty.
class UriPtr : public TP::Core::RefCountable {
 public:
  UriPtr();
  explicit UriPtr(const TP::Bytes& text);
  explicit UriPtr(const QString& text);

  bool IsValid() const { return m_valid; }
  TP::Bytes Scheme() const { return m_scheme; }
  TP::Bytes Username() const { return m_user; }
  TP::Bytes Host() const { return m_host; }
  int Port() const { return m_port; }                    // 0: none given
  TP::Bytes Parameters() const { return m_parameters; }  // without the leading ';'
  TP::Bytes DisplayName() const { return m_displayName; }
  void SetDisplayName(const TP::Bytes& name) { m_displayName = name; }

  // The address as text; with `withDisplayName` and a display name set, in
  // the form "\"Name\" <sip:...>". Empty for an invalid address.
  QString toString(bool withDisplayName) const;

 private:
  void parse(const QByteArray& text);

  bool m_valid = false;
  TP::Bytes m_scheme;
  TP::Bytes m_user;
  TP::Bytes m_host;
  int m_port = 0;
  TP::Bytes m_parameters;
  TP::Bytes m_displayName;
};

}  // namespace Sip
}  // namespace TP
