#include "Utils/ParticipantMenuActions.h"

#include <QAction>
#include <QMenu>

#include <RAZ/Actions/Action.h>
#include <RAZ/Actions/Provider.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/ChatInterface.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Controllers/XmppChatController.h>
#include <RAZ/Data/ChatParticipant.h>
#include <RAZ/Webcollab/WebcollabBase.h>

#include "Utils/ActionsHelper.h"

namespace Utils {
namespace Actions {

namespace {

const char* const kRoomJid = "roomJid";
const char* const kNick = "nick";
const char* const kWebcollab = "webcollab";
const int kOwner = RAZ::Data::ChatParticipant::Owner;
const int kModerator = RAZ::Data::ChatParticipant::Moderator;
const int kOutcast = RAZ::Data::ChatParticipant::Outcast;
const int kMember = RAZ::Data::ChatParticipant::Member;
const int kNone = RAZ::Data::ChatParticipant::None;

}  // namespace

ParticipantMenuActions::ParticipantMenuActions(RAZ::Controllers::XmppChatController* chatController,
                                               RAZ::Actions::Provider* provider, QObject* parent)
    : QObject(parent), m_chatController(chatController), m_provider(provider) {}

QMenu* ParticipantMenuActions::createMenu(RAZ::Controllers::CommunicationSession* session,
                                          RAZ::Data::ChatParticipant* participant) {
  if (!session || !participant) return nullptr;
  RAZ::Controllers::ChatInterface* chat = session->getChatInterface();
  if (!chat) return nullptr;
  const int own = chat->ownAffiliation();
  const int target = participant->getAffiliation();
  const bool chatActive = session->chatActive();

  auto* menu = new QMenu;
  if (own >= kModerator && own > target && target != kOutcast) {
    const bool share = session->webCollabActive();
    QAction* dismiss =
        menu->addAction(share ? tr("Dismiss from Chat and Share") : tr("Dismiss from Chat"));
    if (share)
      dismiss->setProperty(kWebcollab, QVariant::fromValue<QObject*>(session->getWebCollab()));
    dismiss->setEnabled(chatActive);
    connect(dismiss, SIGNAL(triggered()), this, SLOT(dismissTriggered()));
  }
  if (!session->isMyRoomSession() && own == kOwner && target != kOutcast) {
    QAction* rank = nullptr;
    if (target <= kMember) {
      rank = menu->addAction(tr("Promote to Moderator"));
      connect(rank, SIGNAL(triggered()), this, SLOT(promoteTriggered()));
    } else if (target == kModerator) {
      rank = menu->addAction(tr("Demote from Moderator"));
      connect(rank, SIGNAL(triggered()), this, SLOT(demoteTriggered()));
    }
    if (rank) rank->setEnabled(target != kNone && chatActive);
  }
  const auto actions = menu->actions();
  for (QAction* a : actions) {
    a->setProperty(kRoomJid, chat->roomJid());
    a->setProperty(kNick, participant->getNickname());
  }

  if (m_provider) {
    m_provider->setActionSource(participant->getContact());
    Utils::ActionsHelper helper(RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts>(), nullptr);
    if (RAZ::Actions::Action* profile =
            m_provider->getActionById(RAZ::Actions::Action::ViewProfile)) {
      if (QAction* a = helper.createAction(profile, m_provider, menu, false)) {
        menu->addSeparator();
        menu->addAction(a);
      }
    }
    for (RAZ::Actions::Action::Id id :
         {RAZ::Actions::Action::EditProfile, RAZ::Actions::Action::AddContact}) {
      RAZ::Actions::Action* action = m_provider->getActionById(id);
      if (!action) continue;
      if (QAction* a = helper.createAction(action, m_provider, menu, false)) menu->addAction(a);
    }
  }
  return menu;
}

void ParticipantMenuActions::dismissTriggered() {
  auto* entry = qobject_cast<QAction*>(sender());
  if (!entry || !m_chatController) return;
  const QString room = entry->property(kRoomJid).toString();
  const QString nick = entry->property(kNick).toString();
  m_chatController->kickParticipant(room, nick);
  if (auto* collab = qobject_cast<RAZ::Webcollab::WebcollabBase*>(
          entry->property(kWebcollab).value<QObject*>()))
    collab->removeParticipant(nick);
}

void ParticipantMenuActions::promoteTriggered() {
  auto* entry = qobject_cast<QAction*>(sender());
  if (!entry || !m_chatController) return;
  m_chatController->promoteParticipant(entry->property(kRoomJid).toString(),
                                       entry->property(kNick).toString());
}

void ParticipantMenuActions::demoteTriggered() {
  auto* entry = qobject_cast<QAction*>(sender());
  if (!entry || !m_chatController) return;
  m_chatController->demoteParticipant(entry->property(kRoomJid).toString(),
                                      entry->property(kNick).toString());
}

}  // namespace Actions
}  // namespace Utils
