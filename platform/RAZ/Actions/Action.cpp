#include "RAZ/Actions/Action.h"

#include "RAZ/Actions/Provider.h"

namespace RAZ {
namespace Actions {

Action::Action(Id id, QObject* parent)
    : QObject(parent), m_id(id), m_provider(qobject_cast<Provider*>(parent)) {
  qRegisterMetaType<RAZ::Actions::Action::Id>("RAZ::Actions::Action::Id");
}

bool Action::isEnabled() const {
  if (!m_enabled) return false;
  return m_provider ? m_provider->isEnabled(m_id) : true;
}

bool Action::isEnabledByEnablers() const {
  return m_provider ? m_provider->isEnabledByEnablers(m_id) : true;
}

void Action::setEnabled(bool enabled) {
  if (m_enabled == enabled) return;
  m_enabled = enabled;
  emit changed();
}

void Action::setVisible(bool visible) {
  if (m_visible == visible) return;
  m_visible = visible;
  emit changed();
}

ActionData Action::getActionData() const {
  return m_provider ? m_provider->actionData(m_id) : ActionData(m_id);
}

bool Action::linkQAction(QAction* action) {
  return m_provider && m_provider->linkQAction(action, m_id);
}

bool Action::isCommunicationAction(int id) {
  // Chat, calls, video, share, rooms, park, and the calls and chats of a
  // running communication (end all, end chats, conference, transfer).
  return (id >= Chat && id <= FileTransfer) || id == ParkCall ||
         (id >= EndAllCalls && id <= Transfer);
}

void Action::trigger() {
  if (!m_provider) return;
  if (m_pending) {
    m_pending = false;
    const ActionData data = m_pendingData;
    m_pendingData = ActionData();
    m_provider->run(m_id, data);
    return;
  }
  m_provider->trigger(m_id);
}

void Action::reject() {
  if (!m_pending) return;
  m_pending = false;
  m_pendingData = ActionData();
  emit rejected();
}

}  // namespace Actions
}  // namespace RAZ
