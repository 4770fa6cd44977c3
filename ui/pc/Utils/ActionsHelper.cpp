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
const int kAllContactsGroup = 16777203;
const int kFavouritesGroup = 16777204;

// The single source of a one-source composite, or null.
QObject* singleSource(RAZ::Actions::Source* source, int* type) {
  auto* composite = qobject_cast<RAZ::Actions::SourceComposite*>(source);
  if (!composite || composite->sources().size() != 1) return nullptr;
  if (type) *type = composite->getSourceType();
  return composite->sources().first();
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
    case 1:
      return !inCommunication ? tr("Chat") : (active ? tr("End Chat") : tr("Add Chat"));
    case 2:
      return !inCommunication ? tr("Call") : (active ? tr("End Call") : tr("Add Call"));
    case 3:
      return tr("Call from Phone");
    case 4:
      return !inCommunication ? tr("Video Call") : (active ? tr("Remove Video") : tr("Add Video"));
    case 5:
      return active ? tr("Stop Share Desktop") : tr("Share Desktop");
    case 6:
      return tr("Join Room");
    case 8:
      return tr("Email");
    case 9:
      return tr("Set as Favorite");
    case 10:
      return tr("Remove from Favorites");
    case 11:
      return tr("View Profile");
    case 12:
      return tr("Edit Profile");
    case 13:
      return tr("Add Contact");
    case 14:
      return tr("Subscribe");
    case 15:
      return tr("Unsubscribe");
    case 16:
      return tr("Remove");
    case 22:
      return tr("End All Calls");
    case 23:
      return tr("End Chats");
    case 24:
      return tr("Conference");
    case 25:
      return tr("Transfer");
    default:
      return QString();
  }
}

bool ActionsHelper::isSessionKindActive(int kind, QObject* object) {
  auto* session = qobject_cast<RAZ::Controllers::CommunicationSession*>(object);
  if (!session) return false;
  switch (kind) {
    case 1:
      return session->chatActive();
    case 2:
      return session->callActive();
    case 4:
      return session->callActive() && session->getCall() && session->getCall()->isVideoActive();
    case 5:
      return session->webCollabActive();
    default:
      return false;
  }
}

bool ActionsHelper::isActionActive(int id, RAZ::Actions::Provider* provider) {
  if (!provider) return false;
  RAZ::Actions::Source* source = provider->getActionSource();
  if (auto* composite = qobject_cast<RAZ::Actions::SourceComposite*>(source)) {
    return composite->sources().size() == 1 && composite->getSourceType() == 6 &&
           isSessionKindActive(id, composite->sources().first());
  }
  return source && isSessionKindActive(id, source);
}

QString ActionsHelper::numberLabel(int propertyType) {
  switch (propertyType) {
    case 13:
      return tr("Work");
    case 14:
      return tr("Mobile");
    case 15:
      return tr("Personal");
    case 16:
      return tr("Extension");
    case 39:
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
  RAZ::Actions::Action* action = provider ? provider->getActionById(id) : nullptr;
  if (!action) return nullptr;
  auto* qaction = new QAction(actionText(id, provider, inCommunication), parent);
  action->linkQAction(qaction);
  return qaction;
}

bool ActionsHelper::hasActiveCall(int id, RAZ::Actions::Source* source) const {
  if (!source || !m_comms || (id != 2 && id != 3 && id != 4)) return false;
  if (auto* composite = qobject_cast<RAZ::Actions::SourceComposite*>(source)) {
    for (RAZ::Controllers::CommunicationSession* s : composite->getCommunicationSessions())
      if (s->callActive()) return true;
    return false;
  }
  if (auto* contact = qobject_cast<RAZ::Contacts::IContact*>(source)) {
    for (RAZ::Controllers::CommunicationSession* s : m_comms->commsList())
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
    if (type == 5) {
      if (auto* contact = qobject_cast<RAZ::Contacts::IContact*>(single)) {
        TP_LOG("Utils::ActionsHelper::createAction", 2) << "Action " << id << " for a contact";
        const bool listed = m_contacts && m_contacts->contains(contact);
        auto* asSource = static_cast<RAZ::Actions::Source*>(contact);
        if ((id == 13 && listed) || hasActiveCall(id, asSource)) return nullptr;
      }
    } else if (type == 6) {
      if (inCommunication && (id == 1 || id == 2) && isSessionKindActive(id, single))
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
  if (type == 5) {
    contact = qobject_cast<RAZ::Contacts::IContact*>(single);
    if (!contact)
      if (auto* entry = qobject_cast<RAZ::Models::TimelineEntry*>(single))
        contact = entry->getContact();
  } else if (type == 6) {
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
        (communicationOrProfile && !communication && id != 11 && id != 12 && id != 13)) {
      delete entry;
      continue;
    }
    if (id == 9 || id == 10 || id == 11) {
      if (separatorIndex && *separatorIndex == -1) *separatorIndex = entries.size();
      if (id == 11 && extra) entries << *extra;
      entries << separator();
      entries << entry;
    } else {
      entries << entry;
    }
  }
  menu->addActions(entries);
  if (extra && !extra->isEmpty() && provider->getActionSource() &&
      provider->getActionSource()->getSourceType() == 5) {
    bool all = true;
    for (QAction* a : *extra)
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
  if (gid != kFavouritesGroup) {
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
  if (gid != kAllContactsGroup && gid != kFavouritesGroup && !group->isReorderForbidden() &&
      m_contacts) {
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
