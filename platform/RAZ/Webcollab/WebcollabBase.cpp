#include "RAZ/Webcollab/WebcollabBase.h"

namespace RAZ {
namespace Webcollab {

WebcollabBase::WebcollabBase(const QStringList& participants, QObject* parent)
    : QObject(parent), m_participants(participants) {}

void WebcollabBase::setState(int state) {
  if (state == m_state) return;
  m_state = state;
  emit stateChanged();
}

void WebcollabBase::setMismatchedTags(const QStringList& tags) {
  if (tags == m_mismatched) return;
  m_mismatched = tags;
  emit mismatchChanged();
}

bool WebcollabBase::removeParticipant(const QString& nickname) {
  return m_participants.removeAll(nickname) > 0;
}

}  // namespace Webcollab
}  // namespace RAZ
