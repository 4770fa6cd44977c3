#include "RAZ/Contacts/Contacts.h"

#include "RAZ/Utils/Parsers.h"

#include <TP/Core/Logging.h>

#include "RAZ/Actions/Action.h"
#include "RAZ/Contacts/ContactModels.h"
#include "RAZ/Presence/PresenceData.h"
#include "RAZ/Presence/PresenceState.h"

namespace RAZ {
namespace Contacts {

namespace {
QString key(int k) { return QString::number(k); }
const int kNumberTypes[] = {Properties::KeyWork, Properties::KeyMobile, Properties::KeyPersonal,
                            Properties::KeyExtension, Properties::KeyConference};
// Ids the stand-in gives contacts and groups the user adds.
const int kFirstAddedContactId = 100000;
const int kFirstAddedGroupId = 1000;
const int kFirstTemporaryId = -1000;

Contacts* managerOf(QObject* object) {
  return object ? qobject_cast<Contacts*>(object->parent()) : nullptr;
}
}  // namespace

// --- IGroup ---

void IGroup::setPosition(int position) {
  if (position == m_position) return;
  m_position = position;
  emit positionChanged();
}

void IGroup::setOpen(bool open) {
  if (open == m_open) return;
  m_open = open;
  emit openChanged();
}

void IGroup::setSearching(bool searching) {
  if (searching == m_searching) return;
  m_searching = searching;
  emit searchingChanged();
}

void IGroup::setErrorText(const QString& text) {
  if (text == m_errorText) return;
  m_errorText = text;
  emit errorTextChanged();
}

void IGroup::setMoreResults(bool more) {
  if (more == m_moreResults) return;
  m_moreResults = more;
  emit moreResultsChanged();
}

void IGroup::setName(const QString& name) {
  const QString trimmed = name.trimmed();
  if (trimmed == m_name || trimmed.isEmpty()) return;
  if (Contacts* contacts = managerOf(this))
    if (contacts->refuseReadOnly("rename a group")) return;
  m_name = trimmed;
  emit nameChanged();
}

void IGroup::moveFirst() {
  if (Contacts* c = managerOf(this)) c->moveGroup(this, 0);
}
void IGroup::moveUp() {
  if (Contacts* c = managerOf(this)) c->moveGroup(this, m_position - 1);
}
void IGroup::moveDown() {
  if (Contacts* c = managerOf(this)) c->moveGroup(this, m_position + 1);
}
void IGroup::moveLast() {
  if (Contacts* c = managerOf(this)) c->moveGroup(this, c->groups().size() - 1);
}

// --- IContact ---

IContact::IContact(int id, const QVariantMap& properties, QObject* parent)
    : RAZ::Actions::Source(parent),
      m_id(id),
      m_properties(properties),
      m_presence(new RAZ::Presence::PresenceData(RAZ::Presence::PresenceState::Unknown, this)) {
  connect(m_presence, &RAZ::Presence::PresenceData::presenceChanged, this,
          &IContact::presenceChanged);
  connect(m_presence, &RAZ::Presence::PresenceData::statusTextChanged, this,
          &IContact::presenceChanged);
}

IContact::~IContact() = default;

QString IContact::getDisplayName() const {
  const QString name = getProperty(Properties::KeyDisplayName).toString();
  if (!name.isEmpty()) return name;
  const QString full = (getProperty(Properties::KeyFirstName).toString() + QLatin1Char(' ') +
                        getProperty(Properties::KeyLastName).toString())
                           .trimmed();
  if (!full.isEmpty()) return full;
  return getIdentifier();
}

QString IContact::getIdentifier() const {
  const QString jid = getJid();
  if (!jid.isEmpty()) return jid;
  const QString sip = getSipUri();
  if (!sip.isEmpty()) return sip;
  for (int type : kNumberTypes) {
    const QString number = getProperty(type).toString();
    if (!number.isEmpty()) return number;
  }
  return QString();
}

QString IContact::getJid() const { return getProperty(Properties::KeyImAddress).toString(); }
QString IContact::getSipUri() const { return getProperty(Properties::KeyUri).toString(); }
QString IContact::getStatusText() const { return m_presence->statusText(); }
QString IContact::getAvatarUrl() const { return getProperty(Properties::KeyAvatar).toString(); }
int IContact::getPresenceState() const { return m_presence->state(); }
bool IContact::isOnline() const { return m_presence->online(); }

QList<int> IContact::getGroupIds() const {
  QList<int> ids;
  const auto list = getProperty(Properties::KeyGroupIds).toList();
  for (const QVariant& v : list) ids.append(v.toInt());
  return ids;
}

QList<int> IContact::numberTypes() const {
  QList<int> types;
  for (int type : kNumberTypes)
    if (!getProperty(type).toString().trimmed().isEmpty()) types.append(type);
  return types;
}

QStringList IContact::getCallAddresses() const {
  QStringList addresses;
  if (!getSipUri().isEmpty()) addresses << getSipUri();
  const auto types = numberTypes();
  for (int type : types) addresses << getProperty(type).toString().trimmed();
  return addresses;
}

QStringList IContact::getChatAddresses() const {
  return getJid().isEmpty() ? QStringList() : QStringList(getJid());
}

void IContact::notifyChanged() {
  emit changed();
  emit actionsChanged();
}

void IContact::setFavourite(bool on) {
  if (on == m_favourite) return;
  m_favourite = on;
  notifyChanged();
}

QVariant IContact::getProperty(int k) const { return m_properties.value(key(k)); }

QVariantMap IContact::getProperties(const QList<int>& keys) const {
  if (keys.isEmpty()) return m_properties;
  QVariantMap result;
  for (int k : keys)
    if (m_properties.contains(key(k))) result.insert(key(k), m_properties.value(key(k)));
  return result;
}

void IContact::updateProperties(const QVariantMap& set, const QVariantMap& removed, bool notify) {
  for (auto it = set.begin(); it != set.end(); ++it) m_properties.insert(it.key(), it.value());
  for (auto it = removed.begin(); it != removed.end(); ++it) m_properties.remove(it.key());
  if (notify) notifyChanged();
}

void IContact::setProperty(int k, const QVariant& value) {
  if (m_properties.value(key(k)) == value && m_properties.contains(key(k))) return;
  m_properties.insert(key(k), value);
  notifyChanged();
}

void IContact::setNickname(const QString& name) {
  if (name.isEmpty())
    m_properties.remove(key(Properties::KeyDisplayName));
  else
    m_properties.insert(key(Properties::KeyDisplayName), name);
  notifyChanged();
}

void IContact::setTemporary(bool on) {
  if (on == m_temporary) return;
  m_temporary = on;
  notifyChanged();
}

void IContact::setSearchResult(bool on) {
  if (on == m_searchResult) return;
  m_searchResult = on;
  notifyChanged();
}

void IContact::setSearchText(const QString& text) {
  if (text == m_searchText) return;
  m_searchText = text;
  notifyChanged();
}

QString IContact::searchHitString() const {
  QString needle = m_searchText.trimmed();
  while (needle.endsWith(QLatin1Char('*'))) needle.chop(1);
  if (needle.isEmpty()) return QString();
  const int keys[] = {Properties::KeyDisplayName, Properties::KeyImAddress,
                      Properties::KeyEmail,       Properties::KeyWork,
                      Properties::KeyMobile,      Properties::KeyExtension};
  for (int key : keys) {
    const QString value = getProperty(key).toString();
    if (value.contains(needle, Qt::CaseInsensitive)) return value;
  }
  return QString();
}

void IContact::setInStore(bool on) {
  if (on == m_inStore) return;
  m_inStore = on;
  notifyChanged();
}

bool IContact::subscribe() {
  if (!m_inStore) {
    // Subscribing to someone the list does not hold adds them.
    Contacts* contacts = managerOf(this);
    return contacts && contacts->addContact(this, true, false);
  }
  if (m_subscribed) return false;
  m_subscribed = true;
  emit subscriptionChanged();
  notifyChanged();
  return true;
}

void IContact::unsubscribe() {
  if (!m_subscribed) return;
  m_subscribed = false;
  emit subscriptionChanged();
  notifyChanged();
}

bool IContact::authorize(int level) {
  if (m_ignored) return false;
  const bool pending = m_authorization < 0;
  m_authorization = level;
  emit authorized(level);
  return pending;
}

void IContact::setIgnored(bool on) {
  if (on == m_ignored) return;
  m_ignored = on;
  emit ignoredChanged();
  notifyChanged();
}

bool IContact::joinGroup(int groupId) {
  Contacts* contacts = managerOf(this);
  if (!m_inStore || !contacts || !contacts->getGroup(groupId) ||
      contacts->refuseReadOnly("add a contact to a group"))
    return false;
  QList<int> ids = getGroupIds();
  if (ids.contains(groupId)) return false;
  ids.append(groupId);
  QVariantList list;
  for (int id : ids) list.append(id);
  m_properties.insert(key(Properties::KeyGroupIds), list);
  notifyChanged();
  return true;
}

bool IContact::leaveGroup(int groupId) {
  Contacts* contacts = managerOf(this);
  if (!m_inStore || !contacts || contacts->refuseReadOnly("remove a contact from a group"))
    return false;
  QList<int> ids = getGroupIds();
  if (!ids.removeAll(groupId)) return false;
  QVariantList list;
  for (int id : ids) list.append(id);
  m_properties.insert(key(Properties::KeyGroupIds), list);
  notifyChanged();
  return true;
}

QList<RAZ::Actions::ActionData> IContact::getActions() const {
  using RAZ::Actions::Action;
  using RAZ::Actions::ActionData;
  QList<ActionData> actions;
  if (m_id == 0 || m_ignored) return actions;
  const QList<int> numbers = numberTypes();
  auto withNumbers = [&](int id) {
    ActionData data(id);
    for (int type : numbers) data.addSubAction(ActionData(id, type, getProperty(type)));
    return data;
  };
  if (!getJid().isEmpty()) actions << ActionData(Action::Chat);
  // A call needs somewhere to go: a SIP address or a number.
  if (!getSipUri().isEmpty() || !numbers.isEmpty()) actions << withNumbers(Action::Call);
  if (!numbers.isEmpty()) actions << withNumbers(Action::CallFromPhone);
  if (!getSipUri().isEmpty()) actions << ActionData(Action::VideoCall);
  if (!getProperty(Properties::KeyEmail).toString().isEmpty()) actions << ActionData(Action::Email);
  if (m_inStore)
    actions << ActionData(m_favourite ? Action::RemoveFavourite : Action::SetFavourite);
  actions << ActionData(Action::ViewProfile);
  if (m_inStore)
    actions << ActionData(Action::EditProfile);
  else
    actions << ActionData(Action::AddContact);  // only a contact the list does not hold yet
  if (m_inStore && !getJid().isEmpty())
    actions << ActionData(m_subscribed ? Action::Unsubscribe : Action::Subscribe);
  if (m_inStore) actions << ActionData(Action::Remove);
  return actions;
}

// --- Contacts ---

Contacts::Contacts(QObject* parent)
    : QObject(parent),
      m_favouritesGroup(new IGroup(IGroup::FavouritesId, QStringLiteral("Favorites"), this)),
      m_list(new ContactListModel(this)),
      m_requests(new ContactListModel(this)),
      m_groupModel(new GroupListModel(this)) {
  auto* online = new OnlineFilterModel(this);
  online->setSourceModel(m_list);
  m_online = online;
  auto* favourites = new FavouritesFilterModel(this);
  favourites->setSourceModel(m_list);
  m_favourites = favourites;
  m_grouped = new ContactGroupsModel(this, this);
}

Contacts::~Contacts() = default;

QAbstractItemModel* Contacts::getModel(int kind) const {
  switch (kind) {
    case ContactListKind:
      return m_list;
    case GroupsKind:
      return m_groupModel;
    case GroupedContactsKind:
      return m_grouped;
    case FavouritesKind:
      return m_favourites;
    case OnlineContactsKind:
      return m_online;
    case PresenceRequestsKind:
      return m_requests;
    default:
      return nullptr;
  }
}

ContactPtr Contacts::getContactByJid(const QString& jid) const {
  const QString bare = jid.section(QLatin1Char('/'), 0, 0).trimmed();
  if (bare.isEmpty()) return ContactPtr(nullptr);
  const auto ids = contactIds();
  for (int id : ids) {
    ContactPtr contact = getContact(id);
    if (contact && contact->getJid().compare(bare, Qt::CaseInsensitive) == 0) return contact;
  }
  return ContactPtr(nullptr);
}

ContactPtr Contacts::getContact(int id) const {
  if (id == 0) return ContactPtr(m_own);
  const int row = m_list->rowOf(id);
  if (row >= 0) return ContactPtr(m_list->at(row));
  const int request = m_requests->rowOf(id);
  if (request >= 0) return ContactPtr(m_requests->at(request));
  for (IContact* t : m_temporary)
    if (t->getId() == id) return ContactPtr(t);
  return ContactPtr();
}

RAZ::Presence::PresenceData* Contacts::ownPresence() const {
  return m_own ? m_own->presenceData() : nullptr;
}

QList<int> Contacts::contactIds() const {
  QList<int> ids;
  for (int row = 0; row < m_list->rowCount(); ++row) ids.append(m_list->at(row)->getId());
  return ids;
}

bool Contacts::contains(const IContact* contact) const {
  if (!contact) return false;
  const int row = m_list->rowOf(contact->getId());
  return row >= 0 && m_list->at(row) == contact;
}

ContactPtr Contacts::getSimilarContact(const IContact* contact, bool byName) const {
  if (!contact) return ContactPtr();
  const QString jid = contact->getJid().trimmed().toLower();
  const QString sip = contact->getSipUri().trimmed().toLower();
  const QString work = contact->getProperty(Properties::KeyWork).toString().trimmed();
  const QString name = byName ? contact->getDisplayName().trimmed() : QString();
  for (int row = 0; row < m_list->rowCount(); ++row) {
    IContact* c = m_list->at(row);
    if (!c || c == contact) continue;
    if ((!jid.isEmpty() && c->getJid().toLower() == jid) ||
        (!sip.isEmpty() && c->getSipUri().toLower() == sip) ||
        (!work.isEmpty() && c->getProperty(Properties::KeyWork).toString() == work) ||
        (!name.isEmpty() && c->getDisplayName().compare(name, Qt::CaseInsensitive) == 0))
      return ContactPtr(c);
  }
  return ContactPtr();
}

IGroup* Contacts::getGroup(int id) const {
  if (id == IGroup::FavouritesId) return m_favouritesGroup;
  for (IGroup* group : m_groups)
    if (group->getId() == id) return group;
  return nullptr;
}

bool Contacts::isFirstPosition(int position) const { return position <= 0; }

bool Contacts::isLastPosition(int position) const { return position >= m_groups.size() - 1; }

void Contacts::setReadOnly(bool on) {
  if (on == m_readOnly) return;
  m_readOnly = on;
  emit readOnlyChanged(on);
}

bool Contacts::refuseReadOnly(const char* what) const {
  if (!m_readOnly) return false;
  TP_LOG("RAZ::Contacts::Contacts", TP::Core::Logging::LevelWarning)
      << "The contact list is read-only: cannot " << what;
  return true;
}

bool Contacts::addToFavourites(int contactId) {
  const int row = m_list->rowOf(contactId);
  if (row < 0 || refuseReadOnly("add a favourite")) return false;
  IContact* c = m_list->at(row);
  if (c->isFavourite()) return false;
  c->setFavourite(true);
  emit favouritesChanged();
  return true;
}

bool Contacts::removeFromFavourites(int contactId) {
  const int row = m_list->rowOf(contactId);
  if (row < 0 || refuseReadOnly("remove a favourite")) return false;
  IContact* c = m_list->at(row);
  if (!c->isFavourite()) return false;
  c->setFavourite(false);
  emit favouritesChanged();
  return true;
}

void Contacts::showFavouritesGroup(bool show) {
  if (show == m_showFavourites) return;
  m_showFavourites = show;
  emit favouritesGroupShownChanged(show);
}

int Contacts::nextContactId() const {
  // Past the ids created contacts hold too, so a listed copy never shares
  // an id with a contact still outside the list.
  int id = qMax(kFirstAddedContactId, m_lastCreatedId + 1);
  const auto ids = contactIds();
  for (int existing : ids) id = qMax(id, existing + 1);
  return id;
}

int Contacts::nextGroupId() const {
  int id = kFirstAddedGroupId;
  for (IGroup* g : m_groups) id = qMax(id, g->getId() + 1);
  return id;
}

bool Contacts::addContact(IContact* contact, bool subscribe, bool silent) {
  Q_UNUSED(silent);
  if (!contact || contains(contact) || refuseReadOnly("add a contact")) return false;
  if (getSimilarContact(contact)) {
    TP_LOG("RAZ::Contacts::Contacts::addContact", TP::Core::Logging::LevelInformation)
        << "The list already holds this party";
    return false;
  }
  QVariantMap properties = contact->getProperties();
  properties.remove(key(Properties::KeyGroupIds));
  auto* copy = new IContact(nextContactId(), properties);
  copy->presenceData()->setReceived(contact->getPresenceState(), contact->getStatusText());
  if (!addContact(copy)) return false;
  if (subscribe && !copy->getJid().isEmpty()) copy->subscribe();
  return true;
}

bool Contacts::removeContact(IContact* contact) {
  if (!contains(contact) || refuseReadOnly("remove a contact")) return false;
  return removeContact(contact->getId());
}

IGroup* Contacts::createGroup(const QString& name, const QList<int>& members) {
  const QString trimmed = name.trimmed();
  if (trimmed.isEmpty() || refuseReadOnly("create a group")) return nullptr;
  IGroup* group = addGroup(nextGroupId(), trimmed);
  for (int id : members)
    if (ContactPtr c = getContact(id)) c->joinGroup(group->getId());
  return group;
}

bool Contacts::removeGroup(int groupId) {
  IGroup* group = nullptr;
  for (IGroup* g : qAsConst(m_groups))
    if (g->getId() == groupId) group = g;
  if (!group || refuseReadOnly("remove a group")) return false;
  m_groups.removeAll(group);
  m_groupModel->remove(group);
  for (int row = 0; row < m_list->rowCount(); ++row) {
    IContact* c = m_list->at(row);
    if (c && c->getGroupIds().contains(groupId)) c->leaveGroup(groupId);
  }
  renumberGroups();
  group->deleteLater();
  emit groupsChanged();
  return true;
}

bool Contacts::moveGroup(IGroup* group, int position) {
  const int from = m_groups.indexOf(group);
  if (from < 0 || group->isReorderForbidden() || refuseReadOnly("move a group")) return false;
  const int to = qBound(0, position, m_groups.size() - 1);
  if (to == from) return false;
  m_groups.move(from, to);
  m_groupModel->move(from, to);
  renumberGroups();
  emit groupsChanged();
  return true;
}

void Contacts::renumberGroups() {
  for (int i = 0; i < m_groups.size(); ++i) m_groups.at(i)->setPosition(i);
}

IContact* Contacts::createTemporaryContact(const QVariantMap& properties) {
  int id = kFirstTemporaryId;
  for (IContact* t : qAsConst(m_temporary)) id = qMin(id, t->getId() - 1);
  auto* contact = new IContact(id, properties, this);
  contact->setTemporary(true);
  m_temporary.append(contact);
  return contact;
}

IContact* Contacts::findContactByAddress(const QString& address) const {
  const RAZ::Utils::SipUriParser parser;
  const QString wanted = parser.matchableUri(address);
  if (wanted.isEmpty()) return nullptr;
  auto matches = [&parser, &wanted](const IContact* c) {
    for (int key : {int(Properties::KeyUri), int(Properties::KeyImAddress),
                    int(Properties::KeyWork), int(Properties::KeyMobile),
                    int(Properties::KeyPersonal), int(Properties::KeyExtension)}) {
      const QString value = c->getProperty(key).toString();
      if (!value.isEmpty() && parser.matchableUri(value) == wanted) return true;
    }
    return false;
  };
  const auto ids = contactIds();
  for (int id : ids) {
    ContactPtr contact = getContact(id);
    if (contact && matches(contact.data())) return contact.data();
  }
  for (IContact* t : m_temporary)
    if (matches(t)) return t;
  return nullptr;
}

IContact* Contacts::findOrCreateContact(const QString& address) {
  if (IContact* found = findContactByAddress(address)) return found;
  const QString trimmed = address.trimmed();
  if (trimmed.isEmpty()) return nullptr;
  const bool number = RAZ::Utils::PhoneNumberParser::isValidPhoneNumber(trimmed);
  const int key = number ? Properties::KeyWork : Properties::KeyUri;
  return createTemporaryContact({{QString::number(key), trimmed}});
}

IContact* Contacts::createContact(int id) {
  if (id < 0) {
    // Never an id the list holds, nor one handed out before.
    id = nextContactId();
    m_lastCreatedId = id;
  }
  return new IContact(id, QVariantMap(), this);
}

void Contacts::setOwnContact(IContact* own) {
  if (!own) return;
  own->setParent(this);
  delete m_own;
  m_own = own;
}

bool Contacts::addContact(IContact* contact) {
  if (!contact) return false;
  if (contact->getId() == 0 || m_list->rowOf(contact->getId()) >= 0) {
    TP_LOG("RAZ::Contacts::Contacts::addContact", TP::Core::Logging::LevelWarning)
        << "Contact id already in use: " << contact->getId();
    delete contact;
    return false;
  }
  contact->setParent(this);
  const int id = contact->getId();
  connect(contact, &IContact::changed, this, [this, id] {
    m_list->contactChanged(id);
    if (!m_addingBook) m_grouped->rebuild();
  });
  connect(contact, &IContact::presenceChanged, this, [this, id] {
    m_list->contactChanged(id);
    m_grouped->contactChanged(id);
    emit contactPresenceChanged(id);
  });
  contact->m_subscribed = !contact->getJid().isEmpty();
  contact->setInStore(true);
  m_list->append(contact);
  if (!m_addingBook) m_grouped->rebuild();
  emit contactAdded(id);
  return true;
}

int Contacts::addContacts(const QList<IContact*>& contacts) {
  int added = 0;
  m_addingBook = true;
  for (IContact* contact : contacts)
    if (addContact(contact)) ++added;
  m_addingBook = false;
  m_grouped->rebuild();
  return added;
}

bool Contacts::removeContact(int id) {
  const int row = m_list->rowOf(id);
  if (row < 0) return false;
  IContact* contact = m_list->at(row);
  disconnect(contact, nullptr, this, nullptr);
  m_list->remove(id);
  contact->setInStore(false);
  m_grouped->rebuild();
  emit contactRemoved(id);
  contact->deleteLater();
  return true;
}

IGroup* Contacts::addGroup(int id, const QString& name) {
  if (IGroup* existing = getGroup(id)) return existing;
  auto* group = new IGroup(id, name, this);
  group->setPosition(m_groups.size());
  m_groups.append(group);
  m_groupModel->append(group);
  connect(group, &IGroup::nameChanged, m_grouped, &ContactGroupsModel::rebuild);
  emit groupsChanged();
  return group;
}

void Contacts::addPresenceRequest(IContact* contact) {
  if (!contact) return;
  contact->setParent(this);
  connect(contact, &IContact::ignoredChanged, this, &Contacts::onRequestIgnoredOrAuthorized);
  connect(contact, &IContact::authorized, this, &Contacts::onRequestIgnoredOrAuthorized);
  m_requests->append(contact);
}

void Contacts::onRequestIgnoredOrAuthorized() {
  auto* contact = qobject_cast<IContact*>(sender());
  if (!contact) return;
  // An answered request leaves the list; the object stays until the
  // answering call has returned.
  if (m_requests->remove(contact->getId())) contact->deleteLater();
}

bool Contacts::setContactPresence(int id, int state, const QString& statusText) {
  IContact* contact = nullptr;
  if (id == 0)
    contact = m_own;
  else if (m_list->rowOf(id) >= 0)
    contact = m_list->at(m_list->rowOf(id));
  if (!contact) {
    TP_LOG("RAZ::Contacts::Contacts::setContactPresence", TP::Core::Logging::LevelWarning)
        << "No contact with id " << id;
    return false;
  }
  contact->presenceData()->setReceived(state, statusText);
  return true;
}

QVariantMap Contacts::snapshot() const {
  QVariantList groups;
  for (IGroup* g : m_groups)
    groups.append(
        QVariantMap{{QStringLiteral("id"), g->getId()}, {QStringLiteral("name"), g->getName()}});
  QVariantList contacts;
  for (int row = 0; row < m_list->rowCount(); ++row) {
    IContact* c = m_list->at(row);
    contacts.append(QVariantMap{{QStringLiteral("id"), c->getId()},
                                {QStringLiteral("properties"), c->getProperties()},
                                {QStringLiteral("favourite"), c->isFavourite()},
                                {QStringLiteral("subscribed"), c->isSubscribed()}});
  }
  return QVariantMap{{QStringLiteral("groups"), groups}, {QStringLiteral("contacts"), contacts}};
}

}  // namespace Contacts
}  // namespace RAZ
