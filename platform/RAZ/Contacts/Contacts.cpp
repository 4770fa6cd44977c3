#include "RAZ/Contacts/Contacts.h"

#include "RAZ/Utils/Parsers.h"

#include <QCollator>

#include <TP/Core/Logging.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "RAZ/Actions/Action.h"
#include "RAZ/Contacts/ContactModels.h"
#include "RAZ/Presence/PresenceData.h"

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
      m_presence(new RAZ::Presence::PresenceData(0, this)) {
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
  for (const QVariant& v : getProperty(Properties::KeyGroupIds).toList()) ids.append(v.toInt());
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
  for (int type : numberTypes()) addresses << getProperty(type).toString().trimmed();
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
  for (int id : contactIds()) {
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
  for (int existing : contactIds()) id = qMax(id, existing + 1);
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
  for (IGroup* g : m_groups)
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
  for (IContact* t : m_temporary) id = qMin(id, t->getId() - 1);
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
  for (int id : contactIds()) {
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

// --- models ---

namespace {
QVariant contactData(IContact* c, int role) {
  switch (role) {
    case Qt::DisplayRole:
    case Contacts::DisplayNameRole:
      return c->getDisplayName();
    case Contacts::IdRole:
      return c->getId();
    case Contacts::OnlineRole:
      // No state before the first presence arrives.
      return c->getPresenceState() == 0 ? QVariant() : QVariant(c->isOnline());
    case Contacts::PresenceStateRole:
      return c->getPresenceState();
    case Contacts::StatusTextRole:
      return c->getStatusText();
    case Contacts::AvatarRole:
      return c->getAvatarUrl();
    case Contacts::GroupIdsRole:
      return c->getProperty(Properties::KeyGroupIds);
    case Contacts::JidRole:
      return c->getJid();
    case Contacts::SipUriRole:
      return c->getSipUri();
    case Contacts::FavouriteRole:
      return c->isFavourite();
    case Contacts::FirstNameRole:
      return c->getProperty(Properties::KeyFirstName);
    case Contacts::LastNameRole:
      return c->getProperty(Properties::KeyLastName);
    case Contacts::ContactObjectRole:
      return QVariant::fromValue(static_cast<QObject*>(c));
    default:
      return QVariant();
  }
}

QHash<int, QByteArray> contactRoleNames() {
  return {{Qt::DisplayRole, "display"},
          {Contacts::DisplayNameRole, "displayName"},
          {Contacts::IdRole, "contactId"},
          {Contacts::OnlineRole, "online"},
          {Contacts::PresenceStateRole, "presence"},
          {Contacts::StatusTextRole, "statusText"},
          {Contacts::AvatarRole, "avatarUrl"},
          {Contacts::GroupIdsRole, "groupIds"},
          {Contacts::JidRole, "jid"},
          {Contacts::SipUriRole, "sipUri"},
          {Contacts::FavouriteRole, "favourite"},
          {Contacts::FirstNameRole, "firstName"},
          {Contacts::LastNameRole, "lastName"},
          {Contacts::ContactObjectRole, "contact"}};
}
}  // namespace

ContactListModel::ContactListModel(QObject* parent) : QAbstractListModel(parent) {}

int ContactListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_contacts.size();
}

QVariant ContactListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= m_contacts.size()) return QVariant();
  IContact* c = m_contacts.at(index.row());
  return c ? contactData(c, role) : QVariant();
}

QHash<int, QByteArray> ContactListModel::roleNames() const { return contactRoleNames(); }

void ContactListModel::append(IContact* contact) {
  beginInsertRows(QModelIndex(), m_contacts.size(), m_contacts.size());
  m_contacts.append(contact);
  if (contact && !m_rowOfId.contains(contact->getId()))
    m_rowOfId.insert(contact->getId(), m_contacts.size() - 1);
  endInsertRows();
}

void ContactListModel::clear() {
  if (m_contacts.isEmpty()) return;
  beginResetModel();
  m_contacts.clear();
  m_rowOfId.clear();
  endResetModel();
}

bool ContactListModel::remove(int id) {
  const int row = rowOf(id);
  if (row < 0) return false;
  beginRemoveRows(QModelIndex(), row, row);
  m_contacts.removeAt(row);
  reindex();
  endRemoveRows();
  return true;
}

int ContactListModel::rowOf(int id) const {
  // Looked up by id: every change of a contact asks, and a large book made a
  // scan of the list quadratic to sign in with.
  const int row = m_rowOfId.value(id, -1);
  if (row >= 0 && row < m_contacts.size() && m_contacts.at(row) &&
      m_contacts.at(row)->getId() == id)
    return row;
  return -1;
}

void ContactListModel::reindex() {
  m_rowOfId.clear();
  for (int i = 0; i < m_contacts.size(); ++i)
    if (m_contacts.at(i) && !m_rowOfId.contains(m_contacts.at(i)->getId()))
      m_rowOfId.insert(m_contacts.at(i)->getId(), i);
}

IContact* ContactListModel::at(int row) const {
  return row >= 0 && row < m_contacts.size() ? m_contacts.at(row).data() : nullptr;
}

void ContactListModel::contactChanged(int id) {
  const int row = rowOf(id);
  if (row < 0) return;
  const QModelIndex i = index(row, 0);
  emit dataChanged(i, i);
}

GroupListModel::GroupListModel(QObject* parent) : QAbstractListModel(parent) {}

int GroupListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_groups.size();
}

QVariant GroupListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= m_groups.size() || !m_groups.at(index.row()))
    return QVariant();
  IGroup* g = m_groups.at(index.row());
  if (role == Qt::DisplayRole) return g->getName();
  if (role == Contacts::IdRole) return g->getId();
  if (role == Contacts::ContactObjectRole) return QVariant::fromValue(static_cast<QObject*>(g));
  return QVariant();
}

QHash<int, QByteArray> GroupListModel::roleNames() const {
  return {{Qt::DisplayRole, "name"},
          {Contacts::IdRole, "groupId"},
          {Contacts::ContactObjectRole, "group"}};
}

void GroupListModel::append(IGroup* group) {
  beginInsertRows(QModelIndex(), m_groups.size(), m_groups.size());
  m_groups.append(group);
  endInsertRows();
  connect(group, &IGroup::nameChanged, this, [this, group] {
    const int row = m_groups.indexOf(group);
    if (row >= 0) emit dataChanged(index(row, 0), index(row, 0));
  });
}

void GroupListModel::remove(IGroup* group) {
  const int row = m_groups.indexOf(group);
  if (row < 0) return;
  beginRemoveRows(QModelIndex(), row, row);
  m_groups.removeAt(row);
  endRemoveRows();
}

void GroupListModel::move(int from, int to) {
  if (from == to || from < 0 || to < 0 || from >= m_groups.size() || to >= m_groups.size()) return;
  beginMoveRows(QModelIndex(), from, from, QModelIndex(), to > from ? to + 1 : to);
  m_groups.move(from, to);
  endMoveRows();
}

OnlineFilterModel::OnlineFilterModel(QObject* parent) : QSortFilterProxyModel(parent) {
  setDynamicSortFilter(true);
}

bool OnlineFilterModel::filterAcceptsRow(int row, const QModelIndex& parent) const {
  return sourceModel()->index(row, 0, parent).data(Contacts::OnlineRole).toBool();
}

FavouritesFilterModel::FavouritesFilterModel(QObject* parent) : QSortFilterProxyModel(parent) {
  setDynamicSortFilter(true);
  setSortRole(Contacts::DisplayNameRole);
  setSortCaseSensitivity(Qt::CaseInsensitive);
  sort(0);
}

bool FavouritesFilterModel::filterAcceptsRow(int row, const QModelIndex& parent) const {
  return sourceModel()->index(row, 0, parent).data(Contacts::FavouriteRole).toBool();
}

ContactGroupsModel::ContactGroupsModel(Contacts* contacts, QObject* parent)
    : QAbstractListModel(parent), m_contacts(contacts) {
  connect(contacts, &Contacts::groupsChanged, this, &ContactGroupsModel::rebuild);
  connect(contacts, &Contacts::favouritesChanged, this, &ContactGroupsModel::rebuild);
  connect(contacts, &Contacts::favouritesGroupShownChanged, this, &ContactGroupsModel::rebuild);
}

int ContactGroupsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_rows.size();
}

QVariant ContactGroupsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= m_rows.size()) return QVariant();
  const Row& row = m_rows.at(index.row());
  switch (role) {
    case IsGroupRole:
      return row.contact.isNull();
    case GroupIdRole:
      return row.group ? row.group->getId() : 0;
    case GroupNameRole:
      return row.group ? row.group->getName() : QString();
    case GroupObjectRole:
      return QVariant::fromValue(static_cast<QObject*>(row.group.data()));
    case GroupOnlineRole:
      return row.online;
    case GroupTotalRole:
      return row.total;
    default:
      break;
  }
  if (row.contact) return contactData(row.contact, role);
  if (role == Contacts::ContactObjectRole)
    return QVariant::fromValue(static_cast<QObject*>(row.group.data()));
  if (role == Qt::DisplayRole && row.group) return row.group->getName();
  return QVariant();
}

QHash<int, QByteArray> ContactGroupsModel::roleNames() const {
  QHash<int, QByteArray> roles = contactRoleNames();
  roles.insert(IsGroupRole, "isGroup");
  roles.insert(GroupIdRole, "groupId");
  roles.insert(GroupNameRole, "groupName");
  roles.insert(GroupObjectRole, "group");
  roles.insert(GroupOnlineRole, "groupOnline");
  roles.insert(GroupTotalRole, "groupTotal");
  return roles;
}

void ContactGroupsModel::setFilter(int filter) {
  if (filter == m_filter) return;
  m_filter = filter;
  rebuild();
  emit filterChanged();
}

void ContactGroupsModel::setSortField(int field) {
  if (field == m_sortField) return;
  m_sortField = field;
  rebuild();
}

int ContactGroupsModel::rowOfContact(int id) const {
  for (int i = 0; i < m_rows.size(); ++i)
    if (m_rows.at(i).contact && m_rows.at(i).contact->getId() == id) return i;
  return -1;
}

QList<ContactGroupsModel::Row> ContactGroupsModel::build(QHash<int, int>* rank,
                                                         QHash<int, bool>* online) const {
  QList<IContact*> all;
  QAbstractItemModel* list = m_contacts->getModel(Contacts::ContactListKind);
  for (int r = 0; r < list->rowCount(); ++r)
    if (auto* c = qobject_cast<IContact*>(
            list->index(r, 0).data(Contacts::ContactObjectRole).value<QObject*>()))
      all.append(c);
  QCollator collator;
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  const int field = m_sortField;
  auto sortKey = [field](IContact* c) {
    const QString first = c->getProperty(Properties::KeyFirstName).toString();
    const QString last = c->getProperty(Properties::KeyLastName).toString();
    if (first.isEmpty() && last.isEmpty()) return c->getDisplayName();
    return field == 0 ? first + QLatin1Char(' ') + last : last + QLatin1Char(' ') + first;
  };
  // One collation key per contact, not two strings built per comparison.
  std::vector<std::pair<QCollatorSortKey, IContact*>> keyed;
  keyed.reserve(all.size());
  for (IContact* c : all) keyed.emplace_back(collator.sortKey(sortKey(c)), c);
  std::stable_sort(keyed.begin(), keyed.end(),
                   [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
  for (int i = 0; i < all.size(); ++i) all[i] = keyed[i].second;
  if (rank) rank->clear();
  if (online) online->clear();
  for (int i = 0; i < all.size(); ++i) {
    if (rank) rank->insert(all.at(i)->getId(), i);
    if (online) online->insert(all.at(i)->getId(), all.at(i)->isOnline());
  }

  const bool hideOffline = (m_filter & HideOfflineFilter) != 0;
  QList<Row> rows;
  auto section = [&](IGroup* group, const std::function<bool(IContact*)>& member) {
    Row header;
    header.group = group;
    const int headerRow = rows.size();
    rows.append(header);
    for (IContact* c : all) {
      if (!member(c)) continue;
      ++rows[headerRow].total;
      if (c->isOnline()) ++rows[headerRow].online;
      if (hideOffline && !c->isOnline()) continue;
      Row row;
      row.group = group;
      row.contact = c;
      rows.append(row);
    }
    return rows.at(headerRow).total;
  };
  if (m_contacts->isFavouritesGroupShown())
    section(m_contacts->favouritesGroup(), [](IContact* c) { return c->isFavourite(); });
  QList<int> known;
  for (IGroup* g : m_contacts->groups()) {
    known.append(g->getId());
    const int id = g->getId();
    section(g, [id](IContact* c) { return c->getGroupIds().contains(id); });
  }
  // Contacts in no group still belong to the list.
  bool ungrouped = false;
  for (IContact* c : all) {
    bool inGroup = false;
    for (int id : c->getGroupIds())
      if (known.contains(id)) inGroup = true;
    if (!inGroup) ungrouped = true;
  }
  if (ungrouped) {
    IGroup* others = m_contacts->findChild<IGroup*>(QStringLiteral("allContactsGroup"));
    if (!others) {
      others = new IGroup(IGroup::AllContactsId, QStringLiteral("Other Contacts"), m_contacts);
      others->setObjectName(QStringLiteral("allContactsGroup"));
    }
    section(others, [known](IContact* c) {
      for (int id : c->getGroupIds())
        if (known.contains(id)) return false;
      return true;
    });
  }
  return rows;
}

void ContactGroupsModel::rebuild() {
  beginResetModel();
  m_rows = build(&m_rank, &m_online);
  endResetModel();
}

bool ContactGroupsModel::inSection(const IGroup* group, IContact* contact) const {
  if (!group || !contact) return false;
  if (group == m_contacts->favouritesGroup()) return contact->isFavourite();
  const QList<int> ids = contact->getGroupIds();
  if (group->getId() != IGroup::AllContactsId) return ids.contains(group->getId());
  // "Other Contacts": the contacts of no group of the list.
  for (IGroup* g : m_contacts->groups())
    if (ids.contains(g->getId())) return false;
  return true;
}

void ContactGroupsModel::contactChanged(int id) {
  // A presence change: the order (by name) stays. The contact's rows are
  // told, the online counts of its sections corrected, and with offline
  // contacts hidden its rows come or go, at their place in the order. Each
  // change thus costs a walk of the rows, never a sort of the list.
  IContact* contact = nullptr;
  for (const Row& row : qAsConst(m_rows))
    if (row.contact && row.contact->getId() == id) {
      contact = row.contact;
      break;
    }
  if (!contact) contact = m_contacts->getContact(id).data();
  if (!contact || !m_rank.contains(id)) {
    // A contact the rows were not built with.
    rebuild();
    return;
  }
  const bool online = contact->isOnline();
  const bool was = m_online.value(id, online);
  m_online.insert(id, online);
  if (online != was) {
    const bool hide = (m_filter & HideOfflineFilter) != 0;
    const int rank = m_rank.value(id);
    QList<int> headers;
    for (int i = 0; i < m_rows.size(); ++i)
      if (!m_rows.at(i).contact) headers << i;
    // From the last section up: rows added or taken in one leave the
    // places of the sections above as they were.
    for (int h = headers.size() - 1; h >= 0; --h) {
      const int header = headers.at(h);
      const int end = h + 1 < headers.size() ? headers.at(h + 1) : m_rows.size();
      IGroup* group = m_rows.at(header).group;
      if (!inSection(group, contact)) continue;
      m_rows[header].online += online ? 1 : -1;
      if (hide && online) {
        int at = header + 1;
        while (at < end && m_rows.at(at).contact &&
               m_rank.value(m_rows.at(at).contact->getId(), -1) < rank)
          ++at;
        beginInsertRows(QModelIndex(), at, at);
        Row row;
        row.group = group;
        row.contact = contact;
        m_rows.insert(at, row);
        endInsertRows();
      } else if (hide) {
        for (int at = header + 1; at < end; ++at) {
          if (m_rows.at(at).contact != contact) continue;
          beginRemoveRows(QModelIndex(), at, at);
          m_rows.removeAt(at);
          endRemoveRows();
          break;
        }
      }
      emit dataChanged(index(header), index(header));
    }
  }
  for (int i = 0; i < m_rows.size(); ++i)
    if (m_rows.at(i).contact == contact) emit dataChanged(index(i), index(i));
}

}  // namespace Contacts
}  // namespace RAZ
