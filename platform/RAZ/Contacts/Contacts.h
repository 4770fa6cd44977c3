#pragma once

#include <QHash>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <tp/core/SharedPointer.h>

class QAbstractItemModel;

namespace RAZ {
namespace Presence {
class PresenceData;
}
namespace Contacts {

class ContactListModel;
class GroupListModel;

namespace Properties {
// Property numbers of a contact.
enum Key {
  KeyDisplayName = 0,
  KeyJid = 1,
  KeyIgnored = 2,   // a presence request the user ignored
  KeyGroupIds = 3,  // list of the contact's group ids
  KeyFirstName = 4,
  KeyLastName = 5,
  KeyEmail = 6,
  KeySipUri = 7,
  KeyStatusText = 8,
  KeyAvatar = 9,
  KeyWork = 13,
  KeyMobile = 14,
  KeyPersonal = 15,
  KeyExtension = 16,
  KeyDirectory = 25,  // the key the directory is searched by
  KeyConference = 39
};
}  // namespace Properties

// A group of the contact list. Ids 16777203 (all contacts) and 16777204
// (favourites) are the special groups.
class IGroup : public QObject {
  Q_OBJECT
  Q_PROPERTY(int id READ getId CONSTANT)
  Q_PROPERTY(QString name READ getName WRITE setName NOTIFY nameChanged)

 public:
  static const int AllContactsId = 16777203;
  static const int FavouritesId = 16777204;

  IGroup(int id, const QString& name, QObject* parent = nullptr)
      : QObject(parent), m_id(id), m_name(name) {}
  int getId() const { return m_id; }
  QString getName() const { return m_name; }

 public slots:
  void setName(const QString& name) {
    if (name == m_name || name.trimmed().isEmpty()) return;
    m_name = name;
    emit nameChanged();
  }

 signals:
  void nameChanged();

 private:
  int m_id;
  QString m_name;
};

// One contact of the user's list (id 0 is the user's own contact).
class IContact : public QObject {
  Q_OBJECT
  Q_PROPERTY(int id READ getId CONSTANT)
  Q_PROPERTY(QString displayName READ getDisplayName NOTIFY changed)
  Q_PROPERTY(QString name READ getDisplayName NOTIFY changed)
  Q_PROPERTY(QString jid READ getJid CONSTANT)
  Q_PROPERTY(QString sipUri READ getSipUri CONSTANT)
  Q_PROPERTY(QString statusText READ getStatusText NOTIFY presenceChanged)
  Q_PROPERTY(QString avatarUrl READ getAvatarUrl NOTIFY changed)
  Q_PROPERTY(int presence READ getPresenceState NOTIFY presenceChanged)
  Q_PROPERTY(bool online READ isOnline NOTIFY presenceChanged)

 public:
  IContact(int id, const QVariantMap& properties, QObject* parent = nullptr);
  ~IContact() override;

  int getId() const { return m_id; }
  QString getDisplayName() const;
  QString getJid() const;
  QString getSipUri() const;
  QString getStatusText() const;
  QString getAvatarUrl() const;
  int getPresenceState() const;
  bool isOnline() const;
  QList<int> getGroupIds() const;
  bool isFavourite() const { return m_favourite; }
  void setFavourite(bool on);

  // Property by number (Properties::Key); invalid when not set.
  QVariant getProperty(int key) const;
  // Every property with a number in `keys`, or all of them for an empty list.
  QVariantMap getProperties(const QList<int>& keys = QList<int>()) const;
  // Sets the given properties (numbers as text keys) and removes those named
  // in `removed`. `notify` false changes silently.
  void updateProperties(const QVariantMap& set, const QVariantMap& removed, bool notify);

  // The contact's presence; owned by the contact.
  RAZ::Presence::PresenceData* presenceData() const { return m_presence; }

 signals:
  void changed();
  void presenceChanged();

 private:
  int m_id;
  QVariantMap m_properties;
  RAZ::Presence::PresenceData* m_presence;
  bool m_favourite = false;
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
//   17  the contacts that are online (a filter over kind 1)
//   132 pending presence requests (same roles as kind 1)
// Roles of the contact models: Qt::DisplayRole and 300 display name, 294 id
// (int), 314 online (bool; invalid until the first presence arrives), 295
// presence state (int), 296 status text, 297 avatar URL, 298 group ids
// (QVariantList), 299 JID, 301 SIP address, 302 favourite (bool), 329 the
// contact (QObject*).
class Contacts : public QObject {
  Q_OBJECT

 public:
  enum ModelKind {
    ContactListKind = 1,
    GroupsKind = 2,
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
    OnlineRole = 314,
    ContactObjectRole = 329
  };

  explicit Contacts(QObject* parent = nullptr);
  ~Contacts() override;

  // The model of the kind (owned by the manager), or null for an unknown kind.
  QAbstractItemModel* getModel(int kind) const;

  // The contact with the id (0 the own contact); null when there is none.
  RAZ::Contacts::ContactPtr getContact(int id) const;
  RAZ::Contacts::ContactPtr ownContact() const { return getContact(0); }
  // The contact of the list with that XMPP address (any letter case, no
  // resource); null when there is none.
  RAZ::Contacts::ContactPtr getContactByJid(const QString& jid) const;
  // The own contact's presence (publishInternalPresence, setStatusText).
  RAZ::Presence::PresenceData* ownPresence() const;
  QList<int> contactIds() const;

  QList<RAZ::Contacts::IGroup*> groups() const { return m_groups; }
  RAZ::Contacts::IGroup* getGroup(int id) const;

  bool isReadOnly() const { return m_readOnly; }
  void setReadOnly(bool on);

  // Building the list (the demo service and tests). The manager owns what it
  // is given. A second contact with an id in use is refused (false, logged).
  void setOwnContact(RAZ::Contacts::IContact* own);
  bool addContact(RAZ::Contacts::IContact* contact);
  bool removeContact(int id);
  RAZ::Contacts::IGroup* addGroup(int id, const QString& name);
  void addPresenceRequest(RAZ::Contacts::IContact* contact);

  // A presence change received for a contact; false for an unknown id.
  bool setContactPresence(int id, int state, const QString& statusText);

 signals:
  void readOnlyChanged(bool readOnly);
  void contactPresenceChanged(int id);

 private:
  RAZ::Contacts::IContact* m_own = nullptr;
  QList<RAZ::Contacts::IGroup*> m_groups;
  ContactListModel* m_list;
  ContactListModel* m_requests;
  GroupListModel* m_groupModel;
  QAbstractItemModel* m_online;
  bool m_readOnly = false;
};

}  // namespace Contacts
}  // namespace RAZ

Q_DECLARE_METATYPE(RAZ::Contacts::ContactPtr)
Q_DECLARE_METATYPE(RAZ::Contacts::Const::ContactPtr)
Q_DECLARE_METATYPE(RAZ::Contacts::Properties::Key)
