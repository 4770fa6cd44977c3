#pragma once

#include <QObject>
#include <QString>

#include <tp/core/SmartPtr.h>

#include "RAZ/Adapters/FactoryPtr.h"

namespace RAZ {
namespace MediaEngine {
class CallControllerBase;
}
namespace Databases {

// The communications database of the signed-in user (history, messages).
// Held by value by the application for its whole run and re-initialised for
// each session that keeps history.
class Comms : public QObject {
  Q_OBJECT

 public:
  explicit Comms(QObject* parent = nullptr);
  ~Comms() override;

  // Opens (creating it when missing, readable by the user only) the database
  // file at `path` for the user of `factory`, replacing a database of an
  // earlier session. False (logged) for an empty path, a missing factory or
  // a file that cannot be created; the object then holds no database.
  bool Initialize(const QString& path,
                  TP::Core::Refcounting::SmartPtr<RAZ::Adapters::FactoryPtr> factory,
                  RAZ::MediaEngine::CallControllerBase* callController);
  // True while a database of a session is open.
  bool hasDatabase() const { return !m_path.isEmpty(); }
  QString path() const { return m_path; }
  // The own address of the user whose database is open.
  QString ownAddress() const;
  // Closes the database of an earlier session.
  void reset();

 signals:
  void databaseChanged();

 protected:
  void setPath(const QString& path);

 private:
  QString m_path;
  TP::Core::Refcounting::SmartPtr<RAZ::Adapters::FactoryPtr> m_factory;
};

}  // namespace Databases
}  // namespace RAZ
