#include "RAZ/Presence/PresenceData.h"
#include "RAZ/Presence/PresenceState.h"

#include <TP/Core/Logging.h>

namespace RAZ {
namespace Presence {

PresenceData::PresenceData(int state, QObject* parent) : QObject(parent), m_state(state) {}

void PresenceData::setReceived(int state, const QString& statusText) {
  const bool stateChanged = state != m_state;
  const bool textChanged = statusText != m_statusText;
  m_state = state;
  m_statusText = statusText;
  if (stateChanged) emit presenceChanged();
  if (textChanged) emit statusTextChanged();
}

void PresenceData::publishInternalPresence(int state) { publishInternalPresence(state, true); }

void PresenceData::publishInternalPresence(int state, bool manual) {
  Q_UNUSED(manual);
  if (!PresenceState::isValid(state)) {
    TP_LOG("RAZ::Presence::PresenceData::publishInternalPresence", TP::Core::Logging::LevelWarning)
        << "Presence state out of range refused: " << state;
    return;
  }
  if (state == m_state) return;
  m_state = state;
  emit presenceChanged();
}

void PresenceData::setStatusText(const QString& text) {
  if (text == m_statusText) return;
  m_statusText = text;
  emit statusTextChanged();
}

void PresenceData::setAvatarPath(const QString& path) {
  if (path == m_avatarPath) return;
  m_avatarPath = path;
  emit avatarChanged();
}

void PresenceData::setLocation(const RAZ::Utils::Location::Info& info) {
  m_location = info;
  emit locationChanged();
}

}  // namespace Presence
}  // namespace RAZ
