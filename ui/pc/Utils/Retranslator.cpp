#include "Utils/Retranslator.h"

#include <QEvent>
#include <QWidget>

namespace Utils {
namespace {

QObjectLanguageChange* g_instance = nullptr;

// A hidden top-level widget: Qt hands it the application's language-change
// event, which it passes on to the registry.
class PocketWidget : public QWidget {
 public:
  explicit PocketWidget(QObjectLanguageChange* registry) : QWidget(nullptr), m_registry(registry) {}

 protected:
  void changeEvent(QEvent* event) override {
    if (event->type() == QEvent::LanguageChange) m_registry->forward(event);
    QWidget::changeEvent(event);
  }

 private:
  QObjectLanguageChange* m_registry;
};

}  // namespace

QObjectLanguageChange::QObjectLanguageChange() : QObject(nullptr), m_pocketWidget(new PocketWidget(this)) {}

QObjectLanguageChange::~QObjectLanguageChange() { delete m_pocketWidget; }

QObjectLanguageChange* QObjectLanguageChange::instance() { return g_instance; }

void QObjectLanguageChange::registerObject(QObject* object) {
  if (!object) return;
  if (!g_instance) g_instance = new QObjectLanguageChange();
  if (g_instance->m_objects.contains(object)) return;
  g_instance->m_objects.append(object);
  connect(object, SIGNAL(destroyed(QObject*)), g_instance, SLOT(objectDestroyed(QObject*)));
}

void QObjectLanguageChange::deleteInstance() {
  delete g_instance;
  g_instance = nullptr;
}

void QObjectLanguageChange::objectDestroyed(QObject* object) { m_objects.removeAll(object); }

void QObjectLanguageChange::forward(QEvent* event) {
  const QList<QObject*> copy = m_objects;
  for (QObject* object : copy) {
    if (m_objects.contains(object)) object->event(event);
  }
}

}  // namespace Utils
