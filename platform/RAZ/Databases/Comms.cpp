#include "RAZ/Databases/Comms.h"

namespace RAZ {
namespace Databases {

Comms::Comms(QObject* parent) : QObject(parent) {}

Comms::~Comms() = default;

void Comms::reset() { setPath(QString()); }

void Comms::setPath(const QString& path) {
  if (m_path == path) return;
  m_path = path;
  emit databaseChanged();
}

}  // namespace Databases
}  // namespace RAZ
