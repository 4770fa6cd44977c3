#pragma once

#include <QList>
#include <QObject>

class QEvent;

namespace Utils {

// Hands the application's language-change event to objects that are not
// widgets (widgets get it from Qt), so they can translate their texts again.
// Objects leave the registry when they are destroyed.
class QObjectLanguageChange : public QObject {
  Q_OBJECT
 public:
  ~QObjectLanguageChange() override;

  // Registers `object` once; the registry is made on first use.
  static void registerObject(QObject* object);
  // Deletes the registry (the application does this on exit).
  static void deleteInstance();
  // The registry, or null when nothing was ever registered.
  static QObjectLanguageChange* instance();

  Q_INVOKABLE void objectDestroyed(QObject* object);

  // Forwards `event` to every registered object, in registration order.
  void forward(QEvent* event);

 private:
  QObjectLanguageChange();

  QList<QObject*> m_objects;
  class PocketWidget* m_pocketWidget;
};

}  // namespace Utils
