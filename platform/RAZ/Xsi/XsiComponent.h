#pragma once

#include <QMetaType>
#include <QObject>

namespace RAZ {
namespace Xsi {

// What went wrong with a request to the service's XSI interface. With
// ServerError the service's own text and code come in an XsiErrorInfo.
class XsiComponent {
  Q_GADGET

 public:
  enum Error {
    NoError = 0,
    NoCredentials = 1,
    AuthenticationFailed = 2,
    NetworkError = 3,
    ServerError = 4
  };
  Q_ENUM(Error)
};

}  // namespace Xsi
}  // namespace RAZ

Q_DECLARE_METATYPE(RAZ::Xsi::XsiComponent::Error)
