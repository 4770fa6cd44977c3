#pragma once

#include <QString>

#include <tp/core/RefCountable.h>

namespace RAZ {
namespace Adapters {

// Builds the database adapters of one user; shared by reference count.
class FactoryPtr : public TP::Core::RefCountable {
 public:
  explicit FactoryPtr(const QString& ownAddress)
      : TP::Core::RefCountable(true, QStringLiteral("RAZ::Adapters::FactoryPtr")),
        m_ownAddress(ownAddress) {}
  QString ownAddress() const { return m_ownAddress; }

 private:
  QString m_ownAddress;
};

}  // namespace Adapters
}  // namespace RAZ
