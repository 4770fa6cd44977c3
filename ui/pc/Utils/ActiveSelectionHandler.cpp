#include "Utils/ActiveSelectionHandler.h"

#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/MediaEngine/CallBasePtr.h>
#include <TP/Core/Logging.h>

namespace Utils {

using RAZ::Controllers::CommunicationSession;

bool ActiveSelectionHandler::isSelectableItem(const QModelIndex& index) const {
  return index.isValid() && index.data(ItemTypeRole).toInt() == RAZ::Models::Groups::ItemSession;
}

QString ActiveSelectionHandler::selectionAsString() {
  QStringList ids;
  const auto selected = selection();
  for (QObject* object : selected)
    if (auto* session = qobject_cast<CommunicationSession*>(object))
      if (RAZ::Contacts::IContact* contact = session->getContact())
        ids << QString::number(contact->getId());
  return ids.join(QLatin1Char(','));
}

QVariantList ActiveSelectionHandler::selectionAsContacts() {
  QList<QObject*> contacts;
  const auto selected = selection();
  for (QObject* object : selected)
    if (auto* session = qobject_cast<CommunicationSession*>(object))
      if (RAZ::Contacts::IContact* contact = session->getContact())
        if (!contacts.contains(contact)) contacts.append(contact);
  QVariantList list;
  for (QObject* contact : contacts) list.append(QVariant::fromValue(contact));
  return list;
}

void ActiveSelectionHandler::activeSelectionSessionLookup() {
  TP_LOG("Utils::ActiveSelectionHandler::activeSelectionSessionLookup",
         TP::Core::Logging::LevelInformation)
      << "()";
  if (!model() || !selectionModel()) return;
  const QModelIndex first = model()->index(0, 0);
  auto* session = qobject_cast<CommunicationSession*>(objectAt(first));
  if (!session || !session->callActive() || !session->getCall() ||
      session->getCall()->getCallState() != RAZ::MediaEngine::CallBasePtr::StateInCall)
    return;
  TP_LOG("Utils::ActiveSelectionHandler::activeSelectionSessionLookup",
         TP::Core::Logging::LevelInformation)
      << "Found comm session to be selected!";
  // Toggled first so the selection model reports a change even when the
  // row was selected already.
  selectionModel()->select(first, QItemSelectionModel::Toggle);
  selectionModel()->select(first, QItemSelectionModel::ClearAndSelect);
}

}  // namespace Utils
