#pragma once

#include <QList>
#include <QObject>

class QWidget;

namespace Utils {

// Forwards the language-change event to objects that are not widgets.
class QObjectLanguageChange : public QObject {
  Q_OBJECT

 public:
  static void registerObject(QObject* object);
  static void deleteInstance();
  static QObjectLanguageChange* instance();

  Q_INVOKABLE void objectDestroyed(QObject* object);

  // Hands a language-change event to every registered object.
  void forward(QEvent* event);

 private:
  QObjectLanguageChange();
  ~QObjectLanguageChange() override;

  QList<QObject*> m_objects;
  QWidget* m_pocketWidget;
};

}  // namespace Utils
