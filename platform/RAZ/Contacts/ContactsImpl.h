#pragma once

#include <QList>
#include <QObject>

class QAbstractItemModel;

namespace RAZ {
namespace Configuration {
class Config;
}
namespace Contacts {

class IContact;
class ContactListModel;

// A store of contacts outside the contact list (the results of one directory
// search). It owns the contacts it was given; reset() empties it. Model kind
// 3 is the list of its contacts, with the roles of Contacts' contact models.
class ContactsImpl : public QObject {
  Q_OBJECT

 public:
  enum ModelKind { ResultsKind = 3 };

  ContactsImpl(const RAZ::Configuration::Config* config, const QObject* parent = nullptr);
  ~ContactsImpl() override;

  // The model of the kind, or null for any kind but 3.
  QAbstractItemModel* getModel(int kind) const;
  // A new contact for this store (id -1: the store picks one); the caller
  // owns it until addContact accepts it.
  RAZ::Contacts::IContact* createContact(int id);
  // Takes the contact into the store. False (and the caller keeps it) for a
  // null contact or one the store already holds.
  bool addContact(RAZ::Contacts::IContact* contact, bool subscribe, bool silent);
  // Drops every contact (deleted from the event loop, since a view or a menu
  // may still hold one during this turn).
  void reset();
  int count() const;
  QList<RAZ::Contacts::IContact*> contacts() const { return m_contacts; }
  const RAZ::Configuration::Config* configuration() const { return m_config; }

 private:
  const RAZ::Configuration::Config* m_config;
  ContactListModel* m_model;
  QList<RAZ::Contacts::IContact*> m_contacts;
};

}  // namespace Contacts
}  // namespace RAZ
