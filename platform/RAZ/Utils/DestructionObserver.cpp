#include "RAZ/Utils/DestructionObserver.h"

namespace RAZ {
namespace Utils {

DestructionObserver::DestructionObserver() = default;

DestructionObserver::DestructionObserver(const QObject* object) { attach(object); }

DestructionObserver::DestructionObserver(const DestructionObserver& other) : QObject() {
  attach(other.m_observed);
}

DestructionObserver& DestructionObserver::operator=(const DestructionObserver& other) {
  if (this != &other) attach(other.m_observed);
  return *this;
}

DestructionObserver::~DestructionObserver() { detach(m_observed); }

void DestructionObserver::attach(const QObject* object) {
  if (object == m_observed) return;
  detach(m_observed);
  if (!object) return;
  m_observed = object;
  // Direct: the pointer must read as null before anything else runs.
  m_connection = connect(object, &QObject::destroyed, this, &DestructionObserver::onDestroyed,
                         Qt::DirectConnection);
}

void DestructionObserver::detach(const QObject* object) {
  if (!object || object != m_observed) return;
  disconnect(m_connection);
  m_connection = QMetaObject::Connection();
  m_observed = nullptr;
}

void DestructionObserver::onDestroyed(QObject* object) {
  if (object != m_observed) return;
  detach(m_observed);
  observedDestroyed();
}

void DestructionObserver::observedDestroyed() {}

}  // namespace Utils
}  // namespace RAZ
