#include "RAZ/Actions/Provider.h"

#include <QAction>

#include <TP/Core/Logging.h>

#include "RAZ/Actions/Enabler.h"
#include "RAZ/Actions/Source.h"

namespace RAZ {
namespace Actions {

namespace {
const char kSubmenuProperty[] = "SUBMENU_ACTION";
}

Provider::Provider(const RAZ::Configuration::Config* config, QObject* parent)
    : QAbstractListModel(parent), m_config(config) {
  qRegisterMetaType<RAZ::Actions::Action::Id>("RAZ::Actions::Action::Id");
}

Provider::~Provider() = default;

int Provider::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_rows.size();
}

QVariant Provider::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= m_rows.size()) return QVariant();
  Action* a = m_rows.at(index.row());
  switch (role) {
    case IdRole:
      return a->getId();
    case EnabledRole:
      return a->isEnabled();
    case ActionRole:
      return QVariant::fromValue(static_cast<QObject*>(a));
    default:
      return QVariant();
  }
}

QHash<int, QByteArray> Provider::roleNames() const {
  return {{IdRole, "actionId"}, {EnabledRole, "actionEnabled"}, {ActionRole, "action"}};
}

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
  rebuildRows();
}

bool Provider::linkQAction(QAction* qaction, Action::Id id) {
  if (!qaction || !m_accepted.contains(id)) {
    TP_LOG("RAZ::Actions::Provider::linkQAction", TP::Core::Logging::LevelWarning)
        << "Cannot link " << (qaction ? "an action" : "a null action") << " to platform action "
        << id;
    return false;
  }
  for (const auto& link : qAsConst(m_links))
    if (link.first == qaction) {
      // One QAction runs one platform action: a second link would run twice.
      if (link.second == id) return true;
      TP_LOG("RAZ::Actions::Provider::linkQAction", TP::Core::Logging::LevelWarning)
          << "Action already linked to platform action " << link.second;
      return false;
    }
  m_links.append(qMakePair(QPointer<QAction>(qaction), id));
  connect(qaction, SIGNAL(triggered()), this, SLOT(onQActionTriggered()), Qt::UniqueConnection);
  qaction->setEnabled(isEnabled(id));
  return true;
}

void Provider::setActionSource(Source* source) {
  if (m_source == source) {
    rebuildRows();
    return;
  }
  if (m_source) disconnect(m_source, nullptr, this, nullptr);
  m_source = source;
  if (source) {
    connect(source, SIGNAL(actionsChanged()), this, SLOT(refresh()));
    connect(source, SIGNAL(destroyed()), this, SLOT(onSourceDestroyed()));
  }
  rebuildRows();
}

void Provider::onSourceDestroyed() {
  m_source = nullptr;
  rebuildRows();
}

void Provider::registerActionEnabler(Enabler* enabler) {
  if (!enabler) return;
  for (const auto& e : qAsConst(m_enablers))
    if (e == enabler) return;
  m_enablers.append(enabler);
  connect(enabler, SIGNAL(enable(const RAZ::Actions::Enabler*)), this, SLOT(refresh()));
  refresh();
}

Action* Provider::action(Action::Id id) const {
  return m_accepted.contains(id) ? m_actions.value(id) : nullptr;
}

Action* Provider::getActionById(Action::Id id) const { return action(id); }

Action* Provider::getAction(int row) const {
  return row >= 0 && row < m_rows.size() ? m_rows.at(row) : nullptr;
}

bool Provider::isEnabledByEnablers(Action::Id id) const {
  if (!action(id)) return false;
  for (const auto& enabler : m_enablers)
    if (enabler && !enabler->isEnabled(id)) return false;
  return true;
}

bool Provider::isEnabled(Action::Id id) const {
  const Action* a = action(id);
  if (!a || !a->m_enabled) return false;
  if (m_source && !m_offered.contains(id)) return false;
  return isEnabledByEnablers(id);
}

ActionData Provider::actionData(Action::Id id) const { return m_offered.value(id, ActionData(id)); }

void Provider::rebuildRows() {
  QMap<Action::Id, ActionData> offered;
  if (m_source) {
    const auto actions = m_source->getActions();
    for (const ActionData& d : actions) offered.insert(Action::Id(d.getId()), d);
  }
  QList<Action*> rows;
  for (Action::Id id : qAsConst(m_accepted))
    if (offered.contains(id)) rows.append(m_actions.value(id));
  const bool countChange = rows.size() != m_rows.size();
  if (rows != m_rows) {
    beginResetModel();
    m_rows = rows;
    m_offered = offered;
    endResetModel();
  } else {
    m_offered = offered;
    if (!m_rows.isEmpty()) emit dataChanged(index(0), index(m_rows.size() - 1));
  }
  if (countChange) emit countChanged();
  for (const auto& link : qAsConst(m_links))
    if (link.first) link.first->setEnabled(isEnabled(link.second));
  if (!m_refreshing) {
    m_refreshing = true;
    for (Action* a : qAsConst(m_actions)) emit a->changed();
    m_refreshing = false;
  } else {
    for (Action* a : qAsConst(m_actions)) emit a->changed();
  }
}

void Provider::refresh() {
  // Actions report their own changes here too: rebuild without recursing.
  if (m_refreshing) return;
  m_refreshing = true;
  rebuildRows();
  m_refreshing = false;
}

bool Provider::trigger(Action::Id id) { return trigger(id, actionData(id)); }

bool Provider::trigger(Action::Id id, const ActionData& data) {
  if (!isEnabled(id)) return false;
  if (!m_source) {
    TP_LOG("RAZ::Actions::Provider::trigger", TP::Core::Logging::LevelWarning)
        << "No action source for action " << id;
    return false;
  }
  Action* a = action(id);
  if (m_source->needsConfirmation(id)) {
    a->m_pending = true;
    a->m_pendingData = data;
    emit actionConfirmationRequired(*a);
    return true;
  }
  run(id, data);
  return true;
}

void Provider::run(Action::Id id, const ActionData& data) {
  if (!m_source) return;
  ActionData copy = data.getId() == id ? data : ActionData(id);
  QPointer<Source> source(m_source);
  emit actionTriggered(copy, *source);
}

bool Provider::triggerDefaultAction() {
  for (Action::Id id :
       {Action::Call, Action::Chat, Action::VideoCall, Action::CallFromPhone, Action::JoinRoom})
    if (isEnabled(id) && m_source) return trigger(id);
  return false;
}

void Provider::onQActionTriggered() {
  auto* qaction = qobject_cast<QAction*>(sender());
  if (!qaction) return;
  for (const auto& link : qAsConst(m_links)) {
    if (link.first != qaction) continue;
    ActionData data = actionData(link.second);
    const QVariant sub = qaction->property(kSubmenuProperty);
    if (sub.isValid()) {
      const QList<ActionData> subs = data.getSubActions();
      const int i = sub.toInt();
      if (i >= 0 && i < subs.size()) data = subs.at(i);
    }
    trigger(link.second, data);
    return;
  }
}

}  // namespace Actions
}  // namespace RAZ
