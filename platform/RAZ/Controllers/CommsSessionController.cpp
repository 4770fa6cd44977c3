#include "RAZ/Controllers/CommsSessionController.h"

#include <QTimer>

#include <TP/Core/Logging.h>

#include "RAZ/Actions/ActionData.h"
#include "RAZ/Controllers/ChatInterface.h"
#include "RAZ/MediaEngine/CallControllerBase.h"
#include "RAZ/Webcollab/WebcollabBase.h"

namespace RAZ {
namespace Controllers {

namespace {
// Platform action 4 starts a video call.
const int kVideoCallAction = 4;
// How long a demo party takes to answer a call or a chat message.
const int kAnswerDelayMs = 1200;
}  // namespace

CommsSessionController::CommsSessionController(
    RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
    RAZ::MediaEngine::CallControllerBase* calls, QObject* parent)
    : QObject(parent), m_contacts(contacts), m_calls(calls) {}

CommsSessionController::~CommsSessionController() = default;

QList<CommunicationSession*> CommsSessionController::commsList() const { return m_sessions; }

CommunicationSession* CommsSessionController::startSession(int contactId, const QString& name,
                                                           const QString& uri,
                                                           CommunicationSession::Kind kind,
                                                           bool incoming) {
  auto* session = new CommunicationSession(contactId, name, uri, kind, incoming, this);
  m_sessions.append(session);
  connect(session, &QObject::destroyed, this, &CommsSessionController::onSessionDestroyed);

  const bool online = [&] {
    if (!m_contacts) return false;
    RAZ::Contacts::ContactPtr contact = m_contacts->getContact(contactId);
    return contact && contact->isOnline();
  }();

  if (kind == CommunicationSession::KindCall || kind == CommunicationSession::KindVideoCall) {
    auto* call = new RAZ::MediaEngine::CallBasePtr(uri,
                                                   kind == CommunicationSession::KindVideoCall
                                                       ? RAZ::MediaEngine::CallBasePtr::TypeVideo
                                                       : RAZ::MediaEngine::CallBasePtr::TypeAudio,
                                                   incoming);
    // Held by count: the session's reference, and any the windows take.
    session->setCall(call);
    if (m_calls) m_calls->setCallCount(m_calls->callCount() + 1);
    if (!incoming) {
      // Demo parties that are online answer after a moment; others do not.
      QPointer<CommunicationSession> guard(session);
      QTimer::singleShot(kAnswerDelayMs, this, [guard, online] {
        if (!guard || !guard->getCall()) return;
        guard->getCall()->setCallState(online ? RAZ::MediaEngine::CallBasePtr::StateInCall
                                              : RAZ::MediaEngine::CallBasePtr::StateRinging);
      });
    }
  } else if (kind == CommunicationSession::KindChat ||
             kind == CommunicationSession::KindGroupChat ||
             kind == CommunicationSession::KindMyRoom) {
    session->openChat();
    ChatInterface* chat = session->getChatInterface();
    QPointer<ChatInterface> chatGuard(chat);
    const QString party = name;
    connect(chat, &ChatInterface::messageSent, this, [chatGuard, party, online](const QString&) {
      if (!online) return;
      QTimer::singleShot(kAnswerDelayMs, chatGuard.data(), [chatGuard, party] {
        if (chatGuard) emit chatGuard->messageReceived(party, QStringLiteral("Sounds good."));
      });
    });
  }
  announce(session, incoming);
  return session;
}

void CommsSessionController::announce(CommunicationSession* session, bool incoming) {
  QPointer<CommunicationSession> guard(session);
  QTimer::singleShot(0, this, [this, guard, incoming] {
    if (!guard) return;
    emit sessionCreated(guard, incoming);
    if (guard) emit sessionReady(guard);
  });
}

CommunicationSession* CommsSessionController::receiveSession(int contactId,
                                                             CommunicationSession::Kind kind) {
  RAZ::Contacts::ContactPtr contact = m_contacts ? m_contacts->getContact(contactId) : nullptr;
  if (!contact) {
    TP_LOG("RAZ::Controllers::CommsSessionController::receiveSession",
           TP::Core::Logging::LevelWarning)
        << "No contact with id " << contactId;
    return nullptr;
  }
  return startSession(contactId, contact->getDisplayName(), contact->getSipUri(), kind, true);
}

void CommsSessionController::closeSession(CommunicationSession* session) {
  if (!session || !m_sessions.contains(session)) return;
  m_sessions.removeAll(session);
  if (session->getCall()) {
    session->getCall()->close(0);
    if (m_calls) m_calls->setCallCount(m_calls->callCount() - 1);
  }
  emit session->closed(session);
  session->deleteLater();
}

void CommsSessionController::onSessionDestroyed(QObject* session) {
  // Sessions deleted with the controller (session end) need no report.
  for (int i = m_sessions.size() - 1; i >= 0; --i)
    if (static_cast<QObject*>(m_sessions.at(i)) == session) m_sessions.removeAt(i);
}

void CommsSessionController::createCall(const QList<RAZ::Contacts::ContactPtr>& contacts,
                                        RAZ::Contacts::Properties::Key key,
                                        RAZ::Actions::Action::Id action) {
  QList<RAZ::Contacts::ContactPtr> valid;
  for (const auto& c : contacts)
    if (c) valid.append(c);
  if (valid.isEmpty()) {
    TP_LOG("RAZ::Controllers::CommsSessionController::createCall", TP::Core::Logging::LevelWarning)
        << "No contact to call";
    return;
  }
  const auto kind = action == kVideoCallAction ? CommunicationSession::KindVideoCall
                                               : CommunicationSession::KindCall;
  const RAZ::Contacts::ContactPtr first = valid.first();
  QString address = first->getProperty(key).toString();
  if (address.isEmpty()) address = first->getSipUri();
  CommunicationSession* session =
      startSession(first->getId(), first->getDisplayName(), address, kind, false);
  session->setConference(valid.size() > 1);
}

void CommsSessionController::createChat(const QList<RAZ::Contacts::ContactPtr>& contacts) {
  QList<RAZ::Contacts::ContactPtr> valid;
  QStringList failed;
  for (const auto& c : contacts) {
    if (!c) continue;
    if (c->getJid().isEmpty())
      failed << c->getDisplayName();
    else
      valid.append(c);
  }
  if (!failed.isEmpty()) {
    QTimer::singleShot(0, this, [this, failed] { emit failedToAddContacts(failed); });
  }
  if (valid.isEmpty()) return;
  const RAZ::Contacts::ContactPtr first = valid.first();
  const auto kind =
      valid.size() > 1 ? CommunicationSession::KindGroupChat : CommunicationSession::KindChat;
  CommunicationSession* session =
      startSession(first->getId(), first->getDisplayName(), first->getJid(), kind, false);
  if (valid.size() > 1) {
    QStringList names;
    for (const auto& c : valid) names << c->getDisplayName();
    session->setGroupChatSubject(names.join(QStringLiteral(", ")));
  }
}

void CommsSessionController::createChat() {
  TP_LOG("RAZ::Controllers::CommsSessionController::createChat", TP::Core::Logging::LevelDetail)
      << "Chat without participants: nothing to start";
}

void CommsSessionController::createMyRoomSession(RAZ::Contacts::Const::ContactPtr owner,
                                                 const QString& reason) {
  if (!owner) {
    TP_LOG("RAZ::Controllers::CommsSessionController::createMyRoomSession",
           TP::Core::Logging::LevelWarning)
        << "No room owner";
    return;
  }
  CommunicationSession* session =
      startSession(owner->getId(), owner->getDisplayName(), owner->getJid(),
                   CommunicationSession::KindMyRoom, false);
  session->setInviteReason(reason);
  session->setRoomOwner(owner->getDisplayName());
}

void CommsSessionController::createMyRoomSession(const QString& call, const QString& chat,
                                                 const QString& webcollab) {
  if (call.isEmpty() && chat.isEmpty() && webcollab.isEmpty()) {
    TP_LOG("RAZ::Controllers::CommsSessionController::createMyRoomSession",
           TP::Core::Logging::LevelWarning)
        << "Empty room";
    return;
  }
  const QString address = chat.isEmpty() ? call : chat;
  CommunicationSession* session =
      startSession(-1, address, address, CommunicationSession::KindMyRoom, false);
  session->setConference(!call.isEmpty());
}

void CommsSessionController::createWebCollabSession(const QStringList& participants) {
  if (participants.isEmpty()) {
    TP_LOG("RAZ::Controllers::CommsSessionController::createWebCollabSession",
           TP::Core::Logging::LevelWarning)
        << "No participants";
    return;
  }
  CommunicationSession* session = startSession(-1, participants.first(), participants.first(),
                                               CommunicationSession::KindWebCollab, false);
  auto* collab = new RAZ::Webcollab::WebcollabBase(participants);
  session->setWebCollab(collab);
  collab->setState(RAZ::Webcollab::WebcollabBase::StateConnecting);
}

void CommsSessionController::actionTriggered(RAZ::Actions::ActionData& data,
                                             RAZ::Actions::Source& source) {
  Q_UNUSED(source);
  TP_LOG("RAZ::Controllers::CommsSessionController::actionTriggered",
         TP::Core::Logging::LevelDetail)
      << "Action " << data.getId();
}

void CommsSessionController::handleCommsCustomActions() {}

}  // namespace Controllers
}  // namespace RAZ
