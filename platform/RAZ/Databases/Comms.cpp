#include "RAZ/Databases/Comms.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <TP/Core/Logging.h>

namespace RAZ {
namespace Databases {

Comms::Comms(QObject* parent) : QObject(parent) {}

Comms::~Comms() = default;

bool Comms::Initialize(const QString& path,
                       TP::Core::Refcounting::SmartPtr<RAZ::Adapters::FactoryPtr> factory,
                       RAZ::MediaEngine::CallControllerBase* callController) {
  Q_UNUSED(callController);
  if (path.isEmpty() || !factory) {
    TP_LOG("RAZ::Databases::Comms::Initialize", TP::Core::Logging::LevelError)
        << "No database " << (path.isEmpty() ? "path" : "adapter factory");
    reset();
    return false;
  }
  const QFileInfo info(path);
  QFile file(path);
  const bool existed = info.exists();
  if (!QDir().mkpath(info.absolutePath()) || !file.open(QIODevice::ReadWrite)) {
    TP_LOG("RAZ::Databases::Comms::Initialize", TP::Core::Logging::LevelError)
        << "Cannot open the database " << path;
    reset();
    return false;
  }
  // The history is the user's own: nobody else may read it.
  if (!existed) file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  file.close();
  m_factory = factory;
  setPath(info.absoluteFilePath());
  return true;
}

QString Comms::ownAddress() const { return m_factory ? m_factory->ownAddress() : QString(); }

void Comms::reset() {
  m_factory = nullptr;
  setPath(QString());
}

void Comms::setPath(const QString& path) {
  if (m_path == path) return;
  m_path = path;
  emit databaseChanged();
}

}  // namespace Databases
}  // namespace RAZ
