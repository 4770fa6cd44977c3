#pragma once

#include <QMetaObject>
#include <QObject>

namespace RAZ {
namespace Utils {

// Watches one QObject and is told, through observedDestroyed(), when that
// object is destroyed. The base of the observing pointers: they read as null
// once their target is gone. Observer and target live on the same thread.
class DestructionObserver : public QObject {
  Q_OBJECT

 public:
  ~DestructionObserver() override;

  // Starts watching `object` (null: watch nothing); a previous target is
  // let go first.
  void attach(const QObject* object);
  // Stops watching `object` when it is the one watched.
  void detach(const QObject* object);
  const QObject* observed() const { return m_observed; }

 protected:
  DestructionObserver();
  explicit DestructionObserver(const QObject* object);
  // Watches the same object as `other` (the QObject part is not copied).
  DestructionObserver(const DestructionObserver& other);
  DestructionObserver& operator=(const DestructionObserver& other);

  // Called once the watched object is being destroyed; it is no longer
  // watched by then.
  virtual void observedDestroyed();

 private:
  void onDestroyed(QObject* object);

  const QObject* m_observed = nullptr;
  QMetaObject::Connection m_connection;
};

}  // namespace Utils
}  // namespace RAZ
