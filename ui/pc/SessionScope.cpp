#include "SessionScope.h"

#include <QWidget>

SessionObjectBase::SessionObjectBase(SessionScope* scope) { scope->m_members.append(this); }

SessionObjectBase::~SessionObjectBase() { hold(nullptr); }

void SessionObjectBase::hold(QObject* object) {
  QObject* previous = m_guard.data();
  // Emptied first: whatever the deletion below reaches finds no object here.
  m_guard = object;
  if (previous && previous != object) delete previous;
}

void SessionObjectBase::dropLater() {
  QObject* object = m_guard.data();
  m_guard = nullptr;
  if (!object) return;
  if (object->isWidgetType()) static_cast<QWidget*>(object)->hide();
  object->deleteLater();
}

SessionScope::SessionScope() = default;

SessionScope::~SessionScope() {
  // The members go after this body, in the reverse order of declaration.
  while (!m_undoSteps.isEmpty()) {
    const std::function<void()> undo = m_undoSteps.takeLast();
    if (undo) undo();
  }
}

void SessionScope::atEnd(std::function<void()> undo) { m_undoSteps.append(std::move(undo)); }

QList<QObject*> SessionScope::objects() const {
  QList<QObject*> out;
  for (const SessionObjectBase* member : m_members)
    if (QObject* object = member->object()) out << object;
  return out;
}
