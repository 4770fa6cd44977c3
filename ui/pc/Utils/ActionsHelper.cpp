#include "Utils/ActionsHelper.h"

#include <QAction>
#include <QMenu>

#include <RAZ/Actions/Action.h>
#include <RAZ/Actions/ActionData.h>
#include <RAZ/Actions/Provider.h>
#include <RAZ/Actions/Source.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/MediaEngine/CallBasePtr.h>
#include <RAZ/Models/Timeline.h>
#include <TP/Core/Logging.h>

namespace Utils {

namespace {
// The single source of a one-source composite, or null.
QObject* singleSource(RAZ::Actions::Source* source, int* type) {
  auto* composite = qobject_cast<RAZ::Actions::SourceComposite*>(source);
  if (!composite || composite->sources().size() != 1) return nullptr;
  if (type) *type = composite->getSourceType();
  return composite->sources().constFirst();
}
}  // namespace

ActionsHelper::ActionsHelper(RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
                             QObject* groupReceiver)
    : m_contacts(contacts), m_groupReceiver(groupReceiver) {}

ActionsHelper::ActionsHelper(RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
                             RAZ::Controllers::CommsSessionController* comms,
                             QObject* groupReceiver)
    : m_contacts(contacts), m_comms(comms), m_groupReceiver(groupReceiver) {}

QString ActionsHelper::actionText(int id, RAZ::Actions::Provider* provider, bool inCommunication) {
  const bool active = inCommunication && isActionActive(id, provider);
  switch (id) {
    case RAZ::Actions::Action::Chat:
      return !inCommunication ? tr("Chat") : (active ? tr("End Chat") : tr("Add Chat"));
    case RAZ::Actions::Action::Call:
      return !inCommunication ? tr("Call") : (active ? tr("End Call") : tr("Add Call"));
    case RAZ::Actions::Action::CallFromPhone:
      return tr("Call from Phone");
    case RAZ::Actions::Action::VideoCall:
      return !inCommunication ? tr("Video Call") : (active ? tr("Remove Video") : tr("Add Video"));
    case RAZ::Actions::Action::DesktopShare:
      return active ? tr("Stop Share Desktop") : tr("Share Desktop");
    case RAZ::Actions::Action::JoinRoom:
      return tr("Join Room");
    case RAZ::Actions::Action::Email:
      return tr("Email");
    case RAZ::Actions::Action::SetFavourite:
      return tr("Set as Favorite");
    case RAZ::Actions::Action::RemoveFavourite:
      return tr("Remove from Favorites");
    case RAZ::Actions::Action::ViewProfile:
      return tr("View Profile");
    case RAZ::Actions::Action::EditProfile:
      return tr("Edit Profile");
    case RAZ::Actions::Action::AddContact:
      return tr("Add Contact");
    case RAZ::Actions::Action::Subscribe:
      return tr("Subscribe");
    case RAZ::Actions::Action::Unsubscribe:
      return tr("Unsubscribe");
    case RAZ::Actions::Action::Remove:
      return tr("Remove");
    case RAZ::Actions::Action::EndAllCalls:
      return tr("End All Calls");
    case RAZ::Actions::Action::EndChats:
      return tr("End Chats");
    case RAZ::Actions::Action::Conference:
      return tr("Conference");
    case RAZ::Actions::Action::Transfer:
      return tr("Transfer");
    default:
      return QString();
  }
}

bool ActionsHelper::isSessionKindActive(int kind, QObject* object) {
  auto* session = qobject_cast<RAZ::Controllers::CommunicationSession*>(object);
  if (!session) return false;
  switch (kind) {
    case RAZ::Actions::Action::Chat:
      return session->chatActive();
    case RAZ::Actions::Action::Call:
      return session->callActive();
    case RAZ::Actions::Action::VideoCall:
      return session->callActive() && session->getCall() && session->getCall()->isVideoActive();
    case RAZ::Actions::Action::DesktopShare:
      return session->webCollabActive();
    default:
      return false;
  }
}

bool ActionsHelper::isActionActive(int id, RAZ::Actions::Provider* provider) {
  if (!provider) return false;
  RAZ::Actions::Source* source = provider->getActionSource();
  if (auto* composite = qobject_cast<RAZ::Actions::SourceComposite*>(source)) {
    return composite->sources().size() == 1 &&
           composite->getSourceType() == RAZ::Actions::Source::CommsCompositeType &&
           isSessionKindActive(id, composite->sources().constFirst());
  }
  return source && isSessionKindActive(id, source);
}

QString ActionsHelper::numberLabel(int propertyType) {
  switch (propertyType) {
    case RAZ::Contacts::Properties::KeyWork:
      return tr("Work");
    case RAZ::Contacts::Properties::KeyMobile:
      return tr("Mobile");
    case RAZ::Contacts::Properties::KeyPersonal:
      return tr("Personal");
    case RAZ::Contacts::Properties::KeyExtension:
      return tr("Extension");
    case RAZ::Contacts::Properties::KeyConference:
      return tr("Conference");
    default:
      return QString();
  }
}

QString ActionsHelper::phoneEntryText(const RAZ::Actions::ActionData& subAction,
                                      RAZ::Contacts::IContact* contact) {
  const QString value =
      contact ? contact->getProperty(subAction.getPropertyType()).toString() : QString();
  return numberLabel(subAction.getPropertyType()) + QStringLiteral(": ") + value;
}

QAction* ActionsHelper::createActionById(int id, RAZ::Actions::Provider* provider, QObject* parent,
                                         bool inCommunication) {
  RAZ::Actions::Action* action =
      provider ? provider->getActionById(RAZ::Actions::Action::Id(id)) : nullptr;
  if (!action) return nullptr;
  auto* qaction = new QAction(actionText(id, provider, inCommunication), parent);
  action->linkQAction(qaction);
  return qaction;
}

bool ActionsHelper::hasActiveCall(int id, RAZ::Actions::Source* source) const {
  if (!source || !m_comms ||
      (id != RAZ::Actions::Action::Call && id != RAZ::Actions::Action::CallFromPhone &&
       id != RAZ::Actions::Action::VideoCall))
    return false;
  if (auto* composite = qobject_cast<RAZ::Actions::SourceComposite*>(source)) {
    const auto communicationSessions = composite->getCommunicationSessions();
    for (RAZ::Controllers::CommunicationSession* s : communicationSessions)
      if (s->callActive()) return true;
    return false;
  }
  if (auto* contact = qobject_cast<RAZ::Contacts::IContact*>(source)) {
    const auto commsList = m_comms->commsList();
    for (RAZ::Controllers::CommunicationSession* s : commsList)
      if (s->callActive() && s->getContact() == contact) return true;
  }
  return false;
}

QAction* ActionsHelper::createAction(const RAZ::Actions::Action* action,
                                     RAZ::Actions::Provider* provider, QObject* parent,
                                     bool inCommunication) {
  if (!action || !provider || !action->isEnabled()) return nullptr;
  int type = 0;
  if (QObject* single = singleSource(provider->getActionSource(), &type)) {
    const int id = action->getId();
    if (type == RAZ::Actions::Source::ContactCompositeType) {
      if (auto* contact = qobject_cast<RAZ::Contacts::IContact*>(single)) {
        TP_LOG("Utils::ActionsHelper::createAction", TP::Core::Logging::LevelInformation)
            << "Action " << id << " for a contact";
        const bool listed = m_contacts && m_contacts->contains(contact);
        auto* asSource = static_cast<RAZ::Actions::Source*>(contact);
        if ((id == RAZ::Actions::Action::AddContact && listed) || hasActiveCall(id, asSource))
          return nullptr;
      }
    } else if (type == RAZ::Actions::Source::CommsCompositeType) {
      if (inCommunication &&
          (id == RAZ::Actions::Action::Chat || id == RAZ::Actions::Action::Call) &&
          isSessionKindActive(id, single))
        return nullptr;
    }
  }
  const RAZ::Actions::ActionData data = action->getActionData();
  auto* qaction = new QAction(actionText(data.getId(), provider, inCommunication), parent);
  if (!hasActiveCall(action->getId(), provider->getActionSource()))
    addNumberSubmenu(qaction, action, provider);
  const_cast<RAZ::Actions::Action*>(action)->linkQAction(qaction);
  return qaction;
}

void ActionsHelper::addNumberSubmenu(QAction* qaction, const RAZ::Actions::Action* action,
                                     RAZ::Actions::Provider* provider) {
  int type = 0;
  QObject* single = singleSource(provider->getActionSource(), &type);
  if (!single) return;
  RAZ::Contacts::IContact* contact = nullptr;
  if (type == RAZ::Actions::Source::ContactCompositeType) {
    contact = qobject_cast<RAZ::Contacts::IContact*>(single);
    if (!contact)
      if (auto* entry = qobject_cast<RAZ::Models::TimelineEntry*>(single))
        contact = entry->getContact();
  } else if (type == RAZ::Actions::Source::CommsCompositeType) {
    if (auto* session = qobject_cast<RAZ::Controllers::CommunicationSession*>(single))
      contact = session->getContact();
  }
  if (!contact) return;
  const QList<RAZ::Actions::ActionData> subs = action->getActionData().getSubActions();
  if (subs.isEmpty()) return;
  auto* submenu = new QMenu();
  QObject::connect(qaction, SIGNAL(destroyed()), submenu, SLOT(deleteLater()));
  for (int i = 0; i < subs.size(); ++i) {
    auto* entry = new QAction(phoneEntryText(subs.at(i), contact), submenu);
    entry->setProperty("SUBMENU_ACTION", i);
    const_cast<RAZ::Actions::Action*>(action)->linkQAction(entry);
    submenu->addAction(entry);
  }
  qaction->setMenu(submenu);
}

QMenu* ActionsHelper::createMenu(RAZ::Actions::Provider* provider) {
  auto* menu = new QMenu();
  if (!provider) return menu;
  for (int row = 0; row < provider->rowCount(QModelIndex()); ++row)
    if (QAction* a = createAction(provider->getAction(row), provider, menu, false))
      menu->addAction(a);
  return menu;
}

QMenu* ActionsHelper::createContextMenu(RAZ::Actions::Provider* provider, QList<QAction*>* extra,
                                        bool communicationOnly, bool communicationOrProfile,
                                        bool inCommunication, int* separatorIndex) {
  auto* menu = new QMenu();
  if (!provider) return menu;
  QList<QAction*> entries;
  auto separator = [menu]() {
    auto* s = new QAction(menu);
    s->setSeparator(true);
    return s;
  };
  for (int row = 0; row < provider->rowCount(QModelIndex()); ++row) {
    RAZ::Actions::Action* action = provider->getAction(row);
    QAction* entry = createAction(action, provider, menu, inCommunication);
    if (!entry) continue;
    const int id = action->getId();
    const bool communication = RAZ::Actions::Action::isCommunicationAction(id);
    if ((communicationOnly && !communication) ||
        (communicationOrProfile && !communication && id != RAZ::Actions::Action::ViewProfile &&
         id != RAZ::Actions::Action::EditProfile && id != RAZ::Actions::Action::AddContact)) {
      delete entry;
      continue;
    }
    if (id == RAZ::Actions::Action::SetFavourite || id == RAZ::Actions::Action::RemoveFavourite ||
        id == RAZ::Actions::Action::ViewProfile) {
      if (separatorIndex && *separatorIndex == -1) *separatorIndex = entries.size();
      if (id == RAZ::Actions::Action::ViewProfile && extra) entries << *extra;
      entries << separator();
      entries << entry;
    } else {
      entries << entry;
    }
  }
  menu->addActions(entries);
  if (extra && !extra->isEmpty() && provider->getActionSource() &&
      provider->getActionSource()->getSourceType() == RAZ::Actions::Source::ContactCompositeType) {
    bool all = true;
    for (QAction* a : qAsConst(*extra))
      if (!entries.contains(a)) all = false;
    if (!all) {
      menu->addSeparator();
      menu->addActions(*extra);
    }
  }
  return menu;
}

QMenu* ActionsHelper::createGroupMenu(RAZ::Actions::Provider* provider) {
  auto* menu = new QMenu();
  if (!provider) return menu;
  for (int row = 0; row < provider->rowCount(QModelIndex()); ++row)
    if (QAction* a = createAction(provider->getAction(row), provider, menu, false))
      menu->addAction(a);
  auto* group = qobject_cast<RAZ::Contacts::IGroup*>(
      provider->getActionSource() ? static_cast<QObject*>(provider->getActionSource()) : nullptr);
  if (m_contacts && !m_contacts->isReadOnly() && group) {
    const QList<QAction*> entries = createGroupActions(group, menu);
    if (!entries.isEmpty()) {
      menu->addSeparator();
      menu->addActions(entries);
    }
  }
  return menu;
}

QList<QAction*> ActionsHelper::createGroupActions(RAZ::Contacts::IGroup* group, QObject* parent) {
  QList<QAction*> entries;
  if (!group) return entries;
  const int gid = group->getId();
  const QString name = group->getName();
  if (gid != RAZ::Contacts::IGroup::FavouritesId) {
    auto* edit = new QAction(tr("Edit %1").arg(name), parent);
    edit->setData(gid);
    auto* remove = new QAction(tr("Remove %1").arg(name), parent);
    remove->setData(gid);
    if (m_groupReceiver) {
      QObject::connect(edit, SIGNAL(triggered()), m_groupReceiver, SLOT(editGroupTriggered()));
      QObject::connect(remove, SIGNAL(triggered()), m_groupReceiver, SLOT(removeGroupTriggered()));
    }
    auto* separator = new QAction(parent);
    separator->setSeparator(true);
    entries << edit << remove << separator;
  }
  if (gid != RAZ::Contacts::IGroup::AllContactsId && gid != RAZ::Contacts::IGroup::FavouritesId &&
      !group->isReorderForbidden() && m_contacts) {
    const int pos = group->position();
    if (!m_contacts->isFirstPosition(pos)) {
      auto* first = new QAction(tr("Move First"), parent);
      auto* up = new QAction(tr("Move Up"), parent);
      QObject::connect(first, SIGNAL(triggered()), group, SLOT(moveFirst()));
      QObject::connect(up, SIGNAL(triggered()), group, SLOT(moveUp()));
      entries << first << up;
    }
    if (!m_contacts->isLastPosition(pos)) {
      auto* down = new QAction(tr("Move Down"), parent);
      auto* last = new QAction(tr("Move Last"), parent);
      QObject::connect(down, SIGNAL(triggered()), group, SLOT(moveDown()));
      QObject::connect(last, SIGNAL(triggered()), group, SLOT(moveLast()));
      entries << down << last;
    }
  }
  return entries;
}

}  // namespace Utils
