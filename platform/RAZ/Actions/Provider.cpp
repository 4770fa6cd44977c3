#include "RAZ/Actions/Provider.h"

#include <QAction>

#include <TP/Core/Logging.h>

#include "RAZ/Actions/Enabler.h"
#include "RAZ/Actions/Source.h"

namespace RAZ {
namespace Actions {

Provider::Provider(const RAZ::Configuration::Config* config, QObject* parent)
    : QObject(parent), m_config(config) {
  qRegisterMetaType<RAZ::Actions::Action::Id>("RAZ::Actions::Action::Id");
}

Provider::~Provider() = default;

void Provider::setAcceptedActions(const QList<Action::Id>& ids, bool append) {
  if (!append) m_accepted.clear();
  for (Action::Id id : ids) {
    if (m_accepted.contains(id)) continue;
    m_accepted.append(id);
    if (!m_actions.contains(id)) {
      auto* action = new Action(id, this);
      connect(action, SIGNAL(changed()), this, SLOT(refresh()));
      m_actions.insert(id, action);
    }
  }
  refresh();
}

bool Provider::linkQAction(QAction* qaction, Action::Id id) {
  if (!qaction || !m_accepted.contains(id)) {
    TP_LOG("RAZ::Actions::Provider::linkQAction", TP::Core::Logging::LevelWarning)
        << "Cannot link " << (qaction ? "an action" : "a null action") << " to platform action "
        << id;
    return false;
  }
  for (const auto& link : qAsConst(m_links))
    if (link.first == qaction && link.second == id) return true;
  m_links.append(qMakePair(QPointer<QAction>(qaction), id));
  connect(qaction, SIGNAL(triggered()), this, SLOT(onQActionTriggered()), Qt::UniqueConnection);
  refresh();
  return true;
}

void Provider::setActionSource(Source* source) {
  m_source = source;
  refresh();
}

void Provider::registerActionEnabler(Enabler* enabler) {
  if (!enabler) return;
  m_enablers.append(enabler);
  connect(enabler, SIGNAL(enable(const RAZ::Actions::Enabler*)), this, SLOT(refresh()));
  refresh();
}

Action* Provider::action(Action::Id id) const { return m_actions.value(id); }

bool Provider::isEnabled(Action::Id id) const {
  const Action* a = action(id);
  if (!a || !m_accepted.contains(id) || !a->isEnabled()) return false;
  for (const auto& enabler : m_enablers)
    if (enabler && !enabler->isEnabled(id)) return false;
  return true;
}

void Provider::refresh() {
  for (const auto& link : qAsConst(m_links))
    if (link.first) link.first->setEnabled(isEnabled(link.second));
}

bool Provider::trigger(Action::Id id) {
  if (!isEnabled(id)) return false;
  if (!m_source) {
    TP_LOG("RAZ::Actions::Provider::trigger", TP::Core::Logging::LevelWarning)
        << "No action source for action " << id;
    return false;
  }
  ActionData data(id);
  QPointer<Source> source(m_source);
  emit actionTriggered(data, *source);
  return true;
}

void Provider::onQActionTriggered() {
  auto* qaction = qobject_cast<QAction*>(sender());
  Action::Id id = 0;
  bool found = false;
  for (const auto& link : qAsConst(m_links)) {
    if (link.first == qaction) {
      id = link.second;
      found = true;
      break;
    }
  }
  if (found) trigger(id);
}

}  // namespace Actions
}  // namespace RAZ
