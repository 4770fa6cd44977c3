#include "Utils/ActiveCommsDragDropHandler.h"

#include "Utils/CommunicationsWindowMenuActions.h"

#include <QPushButton>

#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/MediaEngine/CallBasePtr.h>
#include <TP/Core/Logging.h>

#include "Utils/CommunicationSessionUiHelper.h"
#include "dialogs/MessageWindow.h"

namespace Utils {

using RAZ::Controllers::CommunicationSession;
using RAZ::MediaEngine::CallBasePtr;

namespace {

const uint kChatBit = 1;
const uint kCallBit = 2;

// The identifiers of an item text; false when any part is not a number
// (empty parts, as left by a trailing ",", are skipped).
bool parseIds(const QString& items, QList<int>* ids) {
  const auto parts = items.split(QLatin1Char(','), Qt::SkipEmptyParts);
  for (const QString& part : parts) {
    bool ok = false;
    const int id = part.trimmed().toInt(&ok);
    if (!ok) return false;
    ids->append(id);
  }
  return !ids->isEmpty();
}

bool connectedCall(const CommunicationSession* session) {
  const CallBasePtr* call = session ? session->getCall() : nullptr;
  return call && (call->getCallState() == CallBasePtr::StateInCall ||
                  call->getCallState() == CallBasePtr::StateHeld);
}

bool placedFromPhone(const CommunicationSession* session) {
  const CallBasePtr* call = session->getCall();
  return call && (call->getCallKind() == CallBasePtr::KindClickToDial ||
                  call->getCallKind() == CallBasePtr::KindDeskphone);
}

}  // namespace

ActiveCommsDragDropHandler::ActiveCommsDragDropHandler(
    RAZ::Controllers::CommsSessionController* controller,
    RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts, bool transferAllowed,
    QObject* parent)
    : QObject(parent),
      m_controller(controller),
      m_contacts(contacts),
      m_uiHelper(new CommunicationSessionUiHelper(contacts, this)),
      m_transferAllowed(transferAllowed) {}

ActiveCommsDragDropHandler::~ActiveCommsDragDropHandler() {
  if (m_question) m_question->close();
}

ActiveCommsDragDropHandler::DropKind ActiveCommsDragDropHandler::dropKind(const QString& items,
                                                                          bool isContacts) {
  const bool several = items.contains(QLatin1Char(','));
  if (several) return isContacts ? SeveralContacts : SeveralSessions;
  return isContacts ? OneContact : OneSession;
}

QString ActiveCommsDragDropHandler::mergeSelections(const QString& a, const QString& b) {
  if (b.isEmpty()) return a;
  if (a.isEmpty()) return b;
  return a + QLatin1Char(',') + b;
}

CommunicationSession* ActiveCommsDragDropHandler::sessionOf(const QString& id) const {
  bool ok = false;
  const int number = id.toInt(&ok);
  return ok && m_controller ? m_controller->getSession(number) : nullptr;
}

bool ActiveCommsDragDropHandler::checkDropAllowed(QObject* target, const QString& items,
                                                  bool isContacts) {
  return checkDropAllowed(qobject_cast<CommunicationSession*>(target), items, isContacts);
}

void ActiveCommsDragDropHandler::handleDropOnActiveComm(QObject* target, const QString& items,
                                                        bool isContacts) {
  handleDropOnActiveComm(qobject_cast<CommunicationSession*>(target), items, isContacts);
}

bool ActiveCommsDragDropHandler::checkDropAllowed(CommunicationSession* target,
                                                  const QString& items, bool isContacts) {
  QList<int> ids;
  if (!target || items.isEmpty() || !parseIds(items, &ids)) return false;
  if (dropKind(items, isContacts) == OneSession) return sessionDropAllowed(target, ids.first());
  if (!target->isAllowedToInvite()) return false;
  const uint activity = target->getState();
  for (int id : qAsConst(ids)) {
    const RAZ::Contacts::ContactPtr contact =
        m_contacts ? m_contacts->getContact(id) : RAZ::Contacts::ContactPtr();
    if (!contact) continue;
    if ((activity & kCallBit) && contact->getCallAddresses().isEmpty()) return false;
    if ((activity & kChatBit) && contact->getChatAddresses().isEmpty()) return false;
  }
  return true;
}

bool ActiveCommsDragDropHandler::sessionDropAllowed(CommunicationSession* target,
                                                    int draggedId) const {
  CommunicationSession* dragged = m_controller ? m_controller->getSession(draggedId) : nullptr;
  if (!dragged || dragged == target) return false;
  const bool compatible = (target->chatActive() && dragged->chatActive()) ||
                          (target->callActive() && dragged->callActive() &&
                           placedFromPhone(target) == placedFromPhone(dragged));
  if ((target->isMyRoomSession() && !target->callActive()) || !dragged->callActive()) return false;
  if ((dragged->isMyRoomSession() && target->isOwnMyRoomSession()) ||
      (target->isMyRoomSession() && !target->isOwnMyRoomSession()))
    return false;
  if (!target->isAllowedToInvite() && !connectedCall(target)) return false;
  if (!connectedCall(dragged) || !compatible) return false;
  return true;
}

void ActiveCommsDragDropHandler::handleDropOnActiveComm(CommunicationSession* target,
                                                        const QString& items, bool isContacts) {
  if (!target) return;
  // What the list offered while dragging still has to hold now: the
  // sessions may have changed, and the text comes from the scene.
  if (!checkDropAllowed(target, items, isContacts)) {
    TP_LOG("Utils::ActiveCommsDragDropHandler::handleDropOnActiveComm",
           TP::Core::Logging::LevelWarning)
        << "Drop refused";
    return;
  }
  const DropKind kind = dropKind(items, isContacts);
  if (kind == SeveralSessions || kind == SeveralContacts) {
    if (!isContacts) {
      QList<int> ids;
      parseIds(items, &ids);
      for (int id : qAsConst(ids)) {
        CommunicationSession* dragged = m_controller ? m_controller->getSession(id) : nullptr;
        if (dragged && dragged->chatActive()) dragged->closeChat();
      }
    }
    target->addParticipants(items, QString());
    return;
  }
  singleDrop(target, items);
}

void ActiveCommsDragDropHandler::singleDrop(CommunicationSession* target, const QString& items) {
  RAZ::Contacts::IContact* targetContact = target->getContact();
  const QString dropped = items.trimmed();
  const QString mapping = (targetContact ? QString::number(targetContact->getId()) : QString()) +
                          QLatin1Char(',') + dropped;
  bool conference = target->isAllowedToInvite();
  bool transfer = m_transferAllowed && target->callActive();
  const RAZ::Contacts::ContactPtr contact =
      m_contacts ? m_contacts->getContact(dropped.toInt()) : RAZ::Contacts::ContactPtr();
  if (!contact) return;
  CommunicationSession* dragged = sessionOf(dropped);
  if (!dragged || !dragged->callActive()) transfer = false;
  // A transfer needs the target's party: without one there is nobody to
  // hand the call to.
  if (!targetContact) transfer = false;

  QString draggedName = contact->getDisplayName();
  QString targetName;
  if (dragged && dragged->isMyRoomSession()) {
    conference = false;
    draggedName = m_uiHelper->getFormCommunicationTitle(dragged);
  }
  const bool group = target->isMyRoomSession() || target->isGroup();
  if (!group) {
    targetName = target->partyName();
  } else {
    conference = !target->isMyRoomSession();
    if (target->isSessionOwner() && !target->isMyRoomSession()) transfer = false;
    targetName = m_uiHelper->getFormCommunicationTitle(target);
  }
  if (!conference && !transfer) return;

  const bool chat = !target->callActive() && !(dragged && dragged->callActive());
  QString title;
  QString text;
  if (transfer && conference) {
    title = tr("Transfer or Conference");
    text =
        tr("Do you want to transfer %1 to %2 or start a conference?").arg(draggedName, targetName);
  } else if (transfer) {
    title = tr("Transfer");
    text = tr("Do you want to transfer %1 to %2?").arg(draggedName, targetName);
  } else {
    title = chat ? tr("Chat room") : tr("Conference");
    if (group)
      text = tr("Add %1 to %2?").arg(draggedName, chat ? tr("chat room") : tr("conference call"));
    else
      text = tr("Do you want to %1?")
                 .arg(chat ? tr("create a chat room") : tr("start a conference call"));
  }

  if (m_question) m_question->close();
  Dialogs::MessageWindow* question = Dialogs::MessageWindow::showQuestion(
      title, text, false, QDialogButtonBox::Cancel, false, false, nullptr);
  m_question = question;
  // A question about a call that has ended is moot.
  for (CommunicationSession* session : {target, dragged}) {
    if (!session) continue;
    connect(session, QOverload<CommunicationSession*>::of(&CommunicationSession::closed), question,
            &Dialogs::MessageWindow::closeMessage);
    connect(session, &CommunicationSession::callStateChanged, question,
            [question](CallBasePtr*, CallBasePtr::CallState state) {
              if (state == CallBasePtr::StateClosing || state == CallBasePtr::StateClosed)
                question->closeMessage();
            });
  }
  if (transfer) {
    QPushButton* button = question->addButton(tr("Transfer"), QDialogButtonBox::AcceptRole);
    button->setObjectName(QStringLiteral("transferButton"));
    connect(button, &QPushButton::clicked, this,
            [this, mapping] { transferButtonClicked(mapping); });
  }
  if (conference) {
    QPushButton* button =
        question->addButton(chat ? tr("Chat") : tr("Conference"), QDialogButtonBox::AcceptRole);
    button->setObjectName(QStringLiteral("conferenceButton"));
    if (group) {
      auto* delayed = new DelayedAddParticipant(this);
      delayed->setSession(target);
      delayed->setParticipants(dropped);
      connect(button, &QPushButton::clicked, delayed, &DelayedAddParticipant::addParticipants);
      connect(question, &QObject::destroyed, delayed, &DelayedAddParticipant::abort);
      connect(delayed, &DelayedAddParticipant::aborted, delayed, &QObject::deleteLater);
    } else {
      connect(button, &QPushButton::clicked, this,
              [this, mapping] { conferenceButtonClicked(mapping); });
    }
  }
}

bool ActiveCommsDragDropHandler::sessionsOf(const QString& mapping, CommunicationSession** first,
                                            CommunicationSession** second) const {
  const QStringList parts = mapping.split(QLatin1Char(','));
  if (parts.size() < 2 || parts.at(0).isEmpty() || parts.at(1).isEmpty()) return false;
  *first = sessionOf(parts.at(0));
  *second = sessionOf(parts.at(1));
  return *first && *second;
}

void ActiveCommsDragDropHandler::transferButtonClicked(const QString& mapping) {
  CommunicationSession* a = nullptr;
  CommunicationSession* b = nullptr;
  if (!sessionsOf(mapping, &a, &b) || a == b) {
    TP_LOG("Utils::ActiveCommsDragDropHandler::transferButtonClicked",
           TP::Core::Logging::LevelWarning)
        << "No two sessions to transfer between";
    return;
  }
  a->setCallTransferAssociatedSession(b, false);
  b->setCallTransferAssociatedSession(a, true);
  b->transferCall(QString());
}

void ActiveCommsDragDropHandler::conferenceButtonClicked(const QString& mapping) {
  const QStringList parts = mapping.split(QLatin1Char(','));
  if (parts.size() < 2 || parts.at(0).isEmpty() || parts.at(1).isEmpty()) return;
  QList<int> ids;
  if (!parseIds(mapping, &ids)) return;
  if (CommunicationSession* session = sessionOf(parts.at(0)))
    session->addParticipants(mapping, QString());
}

}  // namespace Utils
