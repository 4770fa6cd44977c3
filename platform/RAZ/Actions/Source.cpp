#include "RAZ/Actions/Source.h"

#include "RAZ/Actions/Action.h"
#include "RAZ/Controllers/CommunicationSession.h"

namespace RAZ {
namespace Actions {

void SourceComposite::addSource(QObject* source) {
  if (!source || sources().contains(source)) return;
  m_sources.append(source);
  connect(source, SIGNAL(destroyed(QObject*)), this, SLOT(onSourceDestroyed(QObject*)));
  if (qobject_cast<Source*>(source))
    connect(source, SIGNAL(actionsChanged()), this, SIGNAL(actionsChanged()));
  emit actionsChanged();
}

void SourceComposite::removeSource(QObject* source) {
  bool removed = false;
  for (int i = m_sources.size() - 1; i >= 0; --i) {
    if (m_sources.at(i) == source || m_sources.at(i).isNull()) {
      if (m_sources.at(i)) disconnect(m_sources.at(i), nullptr, this, nullptr);
      m_sources.removeAt(i);
      removed = true;
    }
  }
  if (removed) emit actionsChanged();
}

void SourceComposite::clearSources() {
  if (m_sources.isEmpty()) return;
  for (const QPointer<QObject>& s : qAsConst(m_sources))
    if (s) disconnect(s, nullptr, this, nullptr);
  m_sources.clear();
  emit actionsChanged();
}

void SourceComposite::onSourceDestroyed(QObject* source) {
  for (int i = m_sources.size() - 1; i >= 0; --i)
    if (m_sources.at(i).isNull() || m_sources.at(i) == source) m_sources.removeAt(i);
  emit sourceDestroyed();
  emit actionsChanged();
}

QList<QObject*> SourceComposite::sources() const {
  QList<QObject*> result;
  for (const QPointer<QObject>& source : m_sources)
    if (source) result.append(source.data());
  return result;
}

QList<RAZ::Controllers::CommunicationSession*> SourceComposite::getCommunicationSessions() const {
  QList<RAZ::Controllers::CommunicationSession*> result;
  const auto sourceList = sources();
  for (QObject* o : sourceList)
    if (auto* s = qobject_cast<RAZ::Controllers::CommunicationSession*>(o)) result.append(s);
  return result;
}

QList<ActionData> SourceComposite::getActions() const {
  QList<ActionData> result;
  bool first = true;
  const bool several = sources().size() > 1;
  const auto sourceList = sources();
  for (QObject* object : sourceList) {
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
  if (several) {
    // Numbers belong to one party: with several, each is reached its own way.
    for (ActionData& a : result) a = ActionData(a.getId());
  }
  return result;
}

bool SourceComposite::needsConfirmation(int actionId) const {
  const auto sourceList = sources();
  for (QObject* object : sourceList)
    if (const auto* source = qobject_cast<const Source*>(object))
      if (source->needsConfirmation(actionId)) return true;
  return false;
}

MixedSourceComposite::MixedSourceComposite(const RAZ::Configuration::Config* config,
                                           SourceComposite* contacts, SourceComposite* sessions,
                                           QObject* owner)
    : SourceComposite(owner), m_config(config), m_contacts(contacts), m_sessions(sessions) {
  if (contacts) connect(contacts, SIGNAL(actionsChanged()), this, SLOT(rebuild()));
  if (sessions) connect(sessions, SIGNAL(actionsChanged()), this, SLOT(rebuild()));
  rebuild();
}

void MixedSourceComposite::rebuild() {
  const bool blocked = blockSignals(true);
  clearSources();
  if (m_contacts) {
    const auto sourceList = m_contacts->sources();
    for (QObject* o : sourceList) addSource(o);
  }
  if (m_sessions) {
    const auto sourceList = m_sessions->sources();
    for (QObject* o : sourceList) addSource(o);
  }
  blockSignals(blocked);
  emit actionsChanged();
}

QList<ActionData> MixedSourceComposite::getActions() const {
  // Contacts with a running communication: call or chat them into it.
  if (!m_contacts || !m_sessions || m_contacts->sources().isEmpty() ||
      m_sessions->sources().isEmpty())
    return {};
  return {ActionData(Action::Chat), ActionData(Action::Call), ActionData(Action::Conference)};
}

QList<ActionData> DialStringSource::getActions() const {
  if (m_number.isEmpty()) return {};
  return {ActionData(Action::Call, 13, m_number), ActionData(Action::CallFromPhone, 13, m_number),
          ActionData(Action::VideoCall, 13, m_number)};
}

bool DialStringSource::setData(int role, const QVariant& value) {
  if (role != NumberRole) return false;
  const QString number = value.toString();
  if (number == m_number) return true;
  m_number = number;
  emit actionsChanged();
  return true;
}

}  // namespace Actions
}  // namespace RAZ
