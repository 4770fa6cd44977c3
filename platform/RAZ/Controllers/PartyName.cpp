#include "RAZ/Controllers/PartyName.h"

#include <TP/Core/Logging.h>

#include "RAZ/Contacts/Contacts.h"
#include "RAZ/Controllers/CommunicationSession.h"
#include "RAZ/MediaEngine/CallBasePtr.h"
#include "RAZ/Utils/Parsers.h"

namespace RAZ {
namespace Controllers {

namespace {
const char* const kLog = "RAZ::Controllers::PartyName";

RAZ::Contacts::IContact* find(const RAZ::Contacts::Contacts* contacts, const QString& address) {
  if (address.trimmed().isEmpty()) return nullptr;
  // The list compares addresses in the form two addresses of one party
  // share, so the address is given as it came.
  return contacts->findContactByAddress(address);
}
}  // namespace

QString PartyName::of(const CommunicationSession* session, RAZ::Contacts::IContact** contact) {
  if (contact) *contact = nullptr;
  if (!session) return QString();
  if (!session->isGroup()) {
    RAZ::Contacts::IContact* known = session->getContact();
    const QString name = known ? known->getDisplayName() : QString();
    if (!name.isEmpty()) {
      if (contact) *contact = known;
      return name;
    }
  }
  if (!session->contactName().isEmpty()) return session->contactName();
  return session->callerName();
}

RAZ::Contacts::IContact* PartyName::contactOf(const RAZ::MediaEngine::CallBasePtr* call,
                                              const RAZ::Contacts::Contacts* contacts) {
  if (!contacts || !call) return nullptr;
  if (call->isConferenceCall()) return find(contacts, call->getConferenceAddress());
  RAZ::Contacts::IContact* found = find(contacts, UTQS(call->getTransferredFromUri(), false));
  if (!found) {
    TP_LOG(kLog, TP::Core::Logging::LevelDetail)
        << "No transferred URI lookup with normal from URI.";
    found = find(contacts, UTQS(call->getFromUri(), false));
  }
  const QStringList others = call->getAlternativeAddresses();
  for (int i = 0; !found && i < others.size(); ++i) found = find(contacts, others.at(i));
  if (found) TP_LOG(kLog, TP::Core::Logging::LevelInformation) << "Found contact!";
  return found;
}

QString PartyName::ofCall(const RAZ::MediaEngine::CallBasePtr* call,
                          const RAZ::Contacts::Contacts* contacts, const QString& unknown,
                          const QString& handOverMark, bool* replaced) {
  if (replaced) *replaced = false;
  if (!call) return QString();
  const RAZ::Utils::SipUriParser parser;
  QString name;
  if (RAZ::Contacts::IContact* contact = contactOf(call, contacts))
    name = contact->getDisplayName();
  if (call->isConferenceCall() && name.isEmpty()) {
    name = parser.displayNameFromUri(parser.matchableUri(call->getConferenceAddress()));
  } else if (name.isEmpty()) {
    const TP::Core::Refcounting::SmartPtr<TP::Sip::UriPtr> transferred =
        call->getTransferredFromUri();
    const bool useTransferred = !transferred.isNull() && !transferred->DisplayName().isEmpty();
    const TP::Core::Refcounting::SmartPtr<TP::Sip::UriPtr> address =
        useTransferred ? transferred : call->getFromUri();
    if (!address.isNull()) {
      const TP::Bytes display = address->DisplayName();
      bool take = useTransferred;
      if (!useTransferred && !display.isEmpty()) {
        // A hand-over marks itself "Transfer": that is no one's name.
        take = display.caseInsensitiveAsciiCompare(QSTB(QStringLiteral("Transfer"))) != 0 &&
               display.caseInsensitiveAsciiCompare(QSTB(handOverMark)) != 0;
      }
      if (take) {
        name = parser.displayNameFromUri(address);
        if (name == QString::fromUtf8(address->Username().toByteArray())) name.clear();
      }
      if (name.isEmpty() && !address->Username().isEmpty())
        name = parser.displayNameFromUri(UTQS(address, false));
    }
  }
  TP_LOG(kLog, TP::Core::Logging::LevelInformation) << "Display name: " << name;
  if (name.isEmpty() || name == QLatin1String("unavailable") ||
      name == QLatin1String("anonymous")) {
    name = unknown;
    if (replaced) *replaced = true;
  }
  return name;
}

}  // namespace Controllers
}  // namespace RAZ
