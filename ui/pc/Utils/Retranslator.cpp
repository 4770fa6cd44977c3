#include "Utils/Retranslator.h"

#include <QEvent>
#include <QWidget>

namespace Utils {

// A hidden top-level widget: Qt sends the language-change event to every
// top-level widget when a translator is installed or removed.
class PocketWidget : public QWidget {
 public:
  explicit PocketWidget(QObjectLanguageChange* registry) : QWidget(nullptr), m_registry(registry) {
    setAttribute(Qt::WA_DontShowOnScreen);
  }

 protected:
  void changeEvent(QEvent* event) override {
    if (event->type() == QEvent::LanguageChange) m_registry->forward(event);
    QWidget::changeEvent(event);
  }

 private:
  QObjectLanguageChange* m_registry;
};

namespace {
QObjectLanguageChange* g_instance = nullptr;
}

QObjectLanguageChange::QObjectLanguageChange()
    : QObject(nullptr), m_pocketWidget(new PocketWidget(this)) {}

QObjectLanguageChange::~QObjectLanguageChange() {
  for (QObject* object : qAsConst(m_objects)) {
    disconnect(object, nullptr, this, nullptr);
  }
  delete m_pocketWidget;
  if (g_instance == this) g_instance = nullptr;
}

QObjectLanguageChange* QObjectLanguageChange::instance() { return g_instance; }

void QObjectLanguageChange::registerObject(QObject* object) {
  if (!object) return;
  if (!g_instance) g_instance = new QObjectLanguageChange;
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
  // A handler may register or destroy objects while the event goes round.
  const QList<QObject*> objects = m_objects;
  for (QObject* object : objects) {
    if (m_objects.contains(object)) object->event(event);
  }
}

}  // namespace Utils
