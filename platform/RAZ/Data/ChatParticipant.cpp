#include "RAZ/Data/ChatParticipant.h"

#include "RAZ/Contacts/Contacts.h"

namespace RAZ {
namespace Data {

ChatParticipant::ChatParticipant(const QString& nickname, int affiliation,
                                 RAZ::Contacts::IContact* contact, QObject* parent)
    : QObject(parent), m_nickname(nickname), m_affiliation(affiliation), m_contact(contact) {}

RAZ::Contacts::IContact* ChatParticipant::getContact() const {
  return static_cast<RAZ::Contacts::IContact*>(m_contact.data());
}

void ChatParticipant::setAffiliation(int affiliation) {
  if (affiliation == m_affiliation) return;
  m_affiliation = affiliation;
  emit affiliationChanged(affiliation);
}

}  // namespace Data
}  // namespace RAZ
