#include "RAZ/Actions/Action.h"

namespace RAZ {
namespace Actions {

Action::Action(Id id, QObject* parent) : QObject(parent), m_id(id) {
  qRegisterMetaType<RAZ::Actions::Action::Id>("RAZ::Actions::Action::Id");
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

bool Action::isCommunicationAction(Id id) {
  // Calls (1-12 by medium and number kind), chats (30-35) and shares (40-45).
  return (id >= 1 && id <= 12) || (id >= 30 && id <= 35) || (id >= 40 && id <= 45);
}

}  // namespace Actions
}  // namespace RAZ
