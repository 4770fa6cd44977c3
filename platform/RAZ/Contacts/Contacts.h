#pragma once

#include <QHash>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <tp/core/SharedPointer.h>

#include "RAZ/Actions/Source.h"

class QAbstractItemModel;

namespace RAZ {
namespace Presence {
class PresenceData;
}
namespace Contacts {

class Contacts;
class ContactListModel;
class ContactGroupsModel;
class GroupListModel;

namespace Properties {
// Property numbers of a contact.
enum Key {
  KeyDisplayName = 1,
  KeyUri = 2,       // the SIP address
  KeyGroupIds = 3,  // list of the contact's group ids
  KeyFirstName = 4,
  KeyLastName = 5,
  KeyEmail = 6,
  KeyWeb = 7,
  KeyStreet = 8,
  KeyPostalCode = 9,
  KeyCity = 11,
  KeyCountry = 12,
  KeyWork = 13,  // the number calls use
  KeyMobile = 14,
  KeyPersonal = 15,
  KeyExtension = 16,
  KeyImAddress = 25,  // the XMPP address; the key the directory is searched by
  KeyState = 33,
  KeyDepartment = 35,
  KeyConferenceMark = 38,
  KeyConference = 39,  // conference number
  KeyConferenceId = 40,
  KeySecurityPin = 41,
  // The user's own My Room (own contact only).
  KeyMyRoomDialIn = 42,
  KeyMyRoomConferenceId = 43,
  KeyMyRoomSecurityPin = 44,
  KeyMyRoomModeratorPin = 45,
  KeyMyRoomWebcollab = 46,
  KeyMyRoomChat = 47,
  KeyStatusText = 60,
  KeyAvatar = 61,
  // Older names of the same keys.
  KeySipUri = KeyUri,
  KeyJid = KeyImAddress,
  KeyDirectory = KeyImAddress
};
}  // namespace Properties

// A group of the contact list. Ids 16777203 (all contacts) and 16777204
// (favourites) are the special groups; their position is fixed. A group is
// an action source of its own (its menu); it offers no platform action.
class IGroup : public RAZ::Actions::Source {
  Q_OBJECT
  Q_PROPERTY(int id READ getId CONSTANT)
  Q_PROPERTY(QString name READ getName WRITE setName NOTIFY nameChanged)
  Q_PROPERTY(int position READ position NOTIFY positionChanged)
  Q_PROPERTY(bool open READ isOpen WRITE setOpen NOTIFY openChanged)
  Q_PROPERTY(bool searching READ isSearching WRITE setSearching NOTIFY searchingChanged)
  Q_PROPERTY(QString errorText READ errorText WRITE setErrorText NOTIFY errorTextChanged)
  Q_PROPERTY(bool moreResults READ hasMoreResults WRITE setMoreResults NOTIFY moreResultsChanged)

 public:
  static constexpr int AllContactsId = 16777203;
  static constexpr int FavouritesId = 16777204;

  IGroup(int id, const QString& name, QObject* parent = nullptr)
      : RAZ::Actions::Source(parent), m_id(id), m_name(name) {}
  int getId() const { return m_id; }
  QString getName() const { return m_name; }
  int position() const { return m_position; }
  void setPosition(int position);
  // The special groups keep their place.
  bool isReorderForbidden() const { return m_id == AllContactsId || m_id == FavouritesId; }
  // The favourites group offers no menu of its own (the list opens it anyway).
  Q_INVOKABLE bool hasMenu() const { return m_id != FavouritesId; }
  int getSourceType() const override { return GroupType; }
  // A group of search results: open shows its contacts, searching tells
  // that a search for it is out, the error text why its source failed.
  bool isOpen() const { return m_open; }
  bool isSearching() const { return m_searching; }
  QString errorText() const { return m_errorText; }
  // The source had more matches than it sent (a server's size limit).
  bool hasMoreResults() const { return m_moreResults; }
  // The group's boolean option: the main window switches it on for the
  // directory group. What it means is the service's.
  bool getBoolOption() const { return m_boolOption; }
  void setBoolOption(bool on) { m_boolOption = on; }

 public slots:
  void setName(const QString& name);
  void setOpen(bool open);
  void setSearching(bool searching);
  void setErrorText(const QString& text);
  void setMoreResults(bool more);
  void moveFirst();
  void moveUp();
  void moveDown();
  void moveLast();

 signals:
  void nameChanged();
  void positionChanged();
  void openChanged();
  void searchingChanged();
  void errorTextChanged();
  void moreResultsChanged();

 private:
  int m_id;
  QString m_name;
  int m_position = 0;
  bool m_open = true;
  bool m_searching = false;
  bool m_boolOption = false;
  bool m_moreResults = false;
  QString m_errorText;
};

// One contact (id 0 is the user's own contact). A contact is an action
// source: what it offers follows what is known of it (a call needs a
// number, adding needs a contact the list does not hold yet).
class IContact : public RAZ::Actions::Source {
  Q_OBJECT
  Q_PROPERTY(int id READ getId CONSTANT)
  Q_PROPERTY(QString displayName READ getDisplayName NOTIFY changed)
  Q_PROPERTY(QString name READ getDisplayName NOTIFY changed)
  Q_PROPERTY(QString jid READ getJid NOTIFY changed)
  Q_PROPERTY(QString sipUri READ getSipUri NOTIFY changed)
  Q_PROPERTY(QString statusText READ getStatusText NOTIFY presenceChanged)
  Q_PROPERTY(QString avatarUrl READ getAvatarUrl NOTIFY changed)
  Q_PROPERTY(int presence READ getPresenceState NOTIFY presenceChanged)
  Q_PROPERTY(bool online READ isOnline NOTIFY presenceChanged)
  Q_PROPERTY(bool favourite READ isFavourite NOTIFY changed)
  Q_PROPERTY(bool isTemporary READ isTemporary NOTIFY changed)
  Q_PROPERTY(bool isSearchResult READ isSearchResult NOTIFY changed)
  Q_PROPERTY(QString searchHitString READ searchHitString NOTIFY changed)

 public:
  IContact(int id, const QVariantMap& properties, QObject* parent = nullptr);
  ~IContact() override;

  int getId() const { return m_id; }
  QString getDisplayName() const;
  // The text that identifies the contact to the service (IM or SIP address).
  QString getIdentifier() const;
  QString getJid() const;
  QString getSipUri() const;
  QString getStatusText() const;
  QString getAvatarUrl() const;
  int getPresenceState() const;
  bool isOnline() const;
  QList<int> getGroupIds() const;
  bool isFavourite() const { return m_favourite; }
  void setFavourite(bool on);
  // The numbers of the contact (property types 13-16, 39) with a value.
  QList<int> numberTypes() const;
  // Where the contact can be called (SIP address, then numbers) and chatted
  // with (IM address); empty when nowhere.
  QStringList getCallAddresses() const;
  QStringList getChatAddresses() const;

  // Property by number (Properties::Key); invalid when not set.
  QVariant getProperty(int key) const;
  // Every property with a number in `keys`, or all of them for an empty list.
  QVariantMap getProperties(const QList<int>& keys = QList<int>()) const;
  // Sets the given properties (numbers as text keys) and removes those named
  // in `removed`. `notify` false changes silently.
  void updateProperties(const QVariantMap& set, const QVariantMap& removed, bool notify);
  void setProperty(int key, const QVariant& value);
  // Drops the contact's own display name, so its name comes from the rest.
  void setNickname(const QString& name);

  // Contacts the list does not hold: made for a number or a directory hit.
  bool isTemporary() const { return m_temporary; }
  void setTemporary(bool on);
  bool isSearchResult() const { return m_searchResult; }
  void setSearchResult(bool on);
  // The search text that found the contact; the hit string is the first of
  // its name, IM address, e-mail or number that holds the text.
  void setSearchText(const QString& text);
  QString searchHitString() const;
  // Whether the contact list holds this object (set by the manager).
  bool isInStore() const { return m_inStore; }
  // Whether the client may change what is known of the contact (its name,
  // its number): a party outside the list; listed contacts belong to the
  // user and the directory.
  bool isClientUpdatable() const { return m_temporary; }
  // The contact's boolean option: the main window switches it on for the
  // test call's contact. What it means is the service's.
  bool getBoolOption() const { return m_boolOption; }
  void setBoolOption(bool on) { m_boolOption = on; }

  // Presence subscription.
  bool isSubscribed() const { return m_subscribed; }
  // True when something changed (a contact outside the list is added).
  Q_INVOKABLE bool subscribe();
  Q_INVOKABLE void unsubscribe();
  // Answers the contact's presence request: 0 allows it to see the user's
  // presence. True when the request was pending.
  Q_INVOKABLE bool authorize(int level);
  Q_INVOKABLE bool authorize() { return authorize(0); }
  // A presence request the user ignored: it leaves the request list.
  void setIgnored(bool on);

  // Group membership.
  bool joinGroup(int groupId);
  bool leaveGroup(int groupId);

  // The contact's presence; owned by the contact.
  RAZ::Presence::PresenceData* presenceData() const { return m_presence; }

  QList<RAZ::Actions::ActionData> getActions() const override;
  int getSourceType() const override { return ContactType; }

 signals:
  void changed();
  void presenceChanged();
  void subscriptionChanged();
  void ignoredChanged();
  void authorized(int level);

 private:
  friend class Contacts;
  void setInStore(bool on);
  void notifyChanged();

  int m_id;
  QVariantMap m_properties;
  RAZ::Presence::PresenceData* m_presence;
  bool m_favourite = false;
  bool m_temporary = false;
  bool m_searchResult = false;
  QString m_searchText;
  bool m_inStore = false;
  bool m_subscribed = false;
  bool m_ignored = false;
  bool m_boolOption = false;
  int m_authorization = -1;
};

using ContactPtr = RAZ::Utils::SharedPointer<RAZ::Contacts::IContact>;
namespace Const {
using ContactPtr = RAZ::Utils::Const::SharedPointer<RAZ::Contacts::IContact>;
}

// The contacts manager of a session: the contacts, their groups and the
// models the windows show.
//
// Models by kind (getModel):
//   1   the contact list, one row per contact (own contact excluded)
//   2   the groups, one row per group
//   4   the contact list by group: a header row per group, then its contacts
//       (ContactGroupsModel; favourites first when shown)
//   5   the favourite contacts
//   17  the contacts that are online (a filter over kind 1)
//   132 pending presence requests (same roles as kind 1)
// Roles of the contact models: Qt::DisplayRole and 300 display name, 294 id
// (int), 314 online (bool; invalid until the first presence arrives), 295
// presence state (int), 296 status text, 297 avatar URL, 298 group ids
// (QVariantList), 299 JID, 301 SIP address, 302 favourite (bool), 303 first
// name, 304 last name, 329 the contact (QObject*).
class Contacts : public QObject {
  Q_OBJECT

 public:
  enum ModelKind {
    ContactListKind = 1,
    GroupsKind = 2,
    GroupedContactsKind = 4,
    FavouritesKind = 5,
    OnlineContactsKind = 17,
    PresenceRequestsKind = 132
  };
  enum Role {
    IdRole = 294,
    PresenceStateRole = 295,
    StatusTextRole = 296,
    AvatarRole = 297,
    GroupIdsRole = 298,
    JidRole = 299,
    DisplayNameRole = 300,
    SipUriRole = 301,
    FavouriteRole = 302,
    FirstNameRole = 303,
    LastNameRole = 304,
    OnlineRole = 314,
    ContactObjectRole = 329
  };

  explicit Contacts(QObject* parent = nullptr);
  ~Contacts() override;

  // The model of the kind (owned by the manager), or null for an unknown kind.
  QAbstractItemModel* getModel(int kind) const;
  RAZ::Contacts::ContactGroupsModel* groupsModel() const { return m_grouped; }

  // The contact with the id (0 the own contact); null when there is none.
  RAZ::Contacts::ContactPtr getContact(int id) const;
  RAZ::Contacts::ContactPtr ownContact() const { return getContact(0); }
  // The contact of the list with that XMPP address (any letter case, no
  // resource); null when there is none.
  RAZ::Contacts::ContactPtr getContactByJid(const QString& jid) const;
  // The own contact's presence (publishInternalPresence, setStatusText).
  RAZ::Presence::PresenceData* ownPresence() const;
  QList<int> contactIds() const;
  // Whether the list holds this very contact object.
  bool contains(const RAZ::Contacts::IContact* contact) const;
  // A contact of the list that is the same party (same IM address, SIP
  // address or work number), or null. With `byName` a contact with the same
  // display name (any letter case) counts too.
  RAZ::Contacts::ContactPtr getSimilarContact(const RAZ::Contacts::IContact* contact,
                                              bool byName = false) const;

  // Groups, in list order (position).
  QList<RAZ::Contacts::IGroup*> groups() const { return m_groups; }
  RAZ::Contacts::IGroup* getGroup(int id) const;
  // The favourites group (not listed among groups()).
  RAZ::Contacts::IGroup* favouritesGroup() const { return m_favouritesGroup; }
  bool isFirstPosition(int position) const;
  bool isLastPosition(int position) const;

  bool isReadOnly() const { return m_readOnly; }
  bool isReadOnlyMode() const { return m_readOnly; }
  void setReadOnly(bool on);

  // --- What the user changes (refused, logged, while read-only) ---
  bool addToFavourites(int contactId);
  bool removeFromFavourites(int contactId);
  void showFavouritesGroup(bool show);
  bool isFavouritesGroupShown() const { return m_showFavourites; }
  // Adds a contact the list does not hold (temporary, search result or
  // presence request): the list gets its own copy. False when the list
  // already holds it or read-only.
  bool addContact(RAZ::Contacts::IContact* contact, bool subscribe, bool silent);
  bool removeContact(RAZ::Contacts::IContact* contact);
  RAZ::Contacts::IGroup* createGroup(const QString& name, const QList<int>& members);
  bool removeGroup(int groupId);
  // Moves a group to a position among the ordinary groups.
  bool moveGroup(RAZ::Contacts::IGroup* group, int position);

  // A contact for a party outside the list (a dialled number, a history
  // entry); owned by the manager, never listed.
  RAZ::Contacts::IContact* createTemporaryContact(const QVariantMap& properties);
  // The contact known by the address (SIP or IM address, or one of its
  // numbers, in any of their spellings), among the list and the parties
  // outside it; null when none.
  RAZ::Contacts::IContact* findContactByAddress(const QString& address) const;
  // The same, or a new party outside the list with that address.
  RAZ::Contacts::IContact* findOrCreateContact(const QString& address);
  // A new, empty contact that the list does not hold (yet): `id` -1 gives it
  // an id no other contact has. The caller owns it (the manager is only its
  // parent, so that it goes with the session at the latest); adding it
  // (addContact(contact, subscribe, silent)) lists a copy.
  RAZ::Contacts::IContact* createContact(int id);

  // --- Building the list (the demo service and tests) ---
  // The manager owns what it is given. A second contact with an id in use is
  // refused (false, logged).
  void setOwnContact(RAZ::Contacts::IContact* own);
  bool addContact(RAZ::Contacts::IContact* contact);
  // Adds a whole book at once: the grouped view is built once at the end, not
  // once per contact (which made a large book quadratic to sign in with).
  // Returns how many were added.
  int addContacts(const QList<RAZ::Contacts::IContact*>& contacts);
  bool removeContact(int id);
  RAZ::Contacts::IGroup* addGroup(int id, const QString& name);
  void addPresenceRequest(RAZ::Contacts::IContact* contact);

  // A presence change received for a contact; false for an unknown id.
  bool setContactPresence(int id, int state, const QString& statusText);

  // What the service keeps of the list between sessions: groups in order,
  // contacts with their properties and favourite marks.
  QVariantMap snapshot() const;

 signals:
  void readOnlyChanged(bool readOnly);
  void contactPresenceChanged(int id);
  void groupsChanged();
  void favouritesChanged();
  void favouritesGroupShownChanged(bool shown);
  void contactAdded(int id);
  void contactRemoved(int id);

 private slots:
  void onRequestIgnoredOrAuthorized();

 private:
  friend class IGroup;
  friend class IContact;
  bool refuseReadOnly(const char* what) const;
  void renumberGroups();
  int nextContactId() const;
  int nextGroupId() const;
  int m_lastCreatedId = 0;

  RAZ::Contacts::IContact* m_own = nullptr;
  QList<RAZ::Contacts::IGroup*> m_groups;
  RAZ::Contacts::IGroup* m_favouritesGroup;
  ContactListModel* m_list;
  ContactListModel* m_requests;
  GroupListModel* m_groupModel;
  ContactGroupsModel* m_grouped;
  QAbstractItemModel* m_online;
  QAbstractItemModel* m_favourites;
  QList<RAZ::Contacts::IContact*> m_temporary;
  bool m_readOnly = false;
  bool m_showFavourites = false;
  bool m_addingBook = false;
};

}  // namespace Contacts
}  // namespace RAZ

Q_DECLARE_METATYPE(RAZ::Contacts::ContactPtr)
Q_DECLARE_METATYPE(RAZ::Contacts::Const::ContactPtr)
Q_DECLARE_METATYPE(RAZ::Contacts::Properties::Key)
