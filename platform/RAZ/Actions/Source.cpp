#include "RAZ/Actions/Source.h"

namespace RAZ {
namespace Actions {

void SourceComposite::addSource(QObject* source) {
  if (source && !sources().contains(source)) m_sources.append(source);
}

void SourceComposite::removeSource(QObject* source) {
  for (int i = m_sources.size() - 1; i >= 0; --i)
    if (m_sources.at(i) == source || m_sources.at(i).isNull()) m_sources.removeAt(i);
}

QList<QObject*> SourceComposite::sources() const {
  QList<QObject*> result;
  for (const QPointer<QObject>& source : m_sources)
    if (source) result.append(source.data());
  return result;
}

QList<ActionData> SourceComposite::getActions() const {
  QList<ActionData> result;
  bool first = true;
  for (QObject* object : sources()) {
    const auto* source = qobject_cast<const Source*>(object);
    if (!source) continue;
    const QList<ActionData> actions = source->getActions();
    if (first) {
      result = actions;
      first = false;
      continue;
    }
    // Only what every source offers applies to all of them.
    for (int i = result.size() - 1; i >= 0; --i) {
      bool shared = false;
      for (const ActionData& a : actions)
        if (a.getId() == result.at(i).getId()) shared = true;
      if (!shared) result.removeAt(i);
    }
  }
  return result;
}

}  // namespace Actions
}  // namespace RAZ
