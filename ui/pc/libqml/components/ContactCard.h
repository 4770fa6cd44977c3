#pragma once

#include <QPointer>

#include <tp/core/SharedPointer.h>

#include "libqml/window/Window.h"

namespace Providers {
class Factory;
}
namespace RAZ {
namespace Configuration {
class Config;
}
namespace Contacts {
class Contacts;
class IContact;
}  // namespace Contacts
namespace Controllers {
namespace Search {
class ContactSearch;
}
}  // namespace Controllers
}  // namespace RAZ

namespace QML {

// The contact card: shows a contact's details, or the form of a new one.
class ContactCard : public Window {
  Q_OBJECT
  Q_PROPERTY(bool editMode READ editMode WRITE setEditMode NOTIFY editModeChanged)
  Q_PROPERTY(QObject* contact READ contactObject CONSTANT)
  Q_PROPERTY(bool conference READ isConference CONSTANT)

 public:
  ContactCard(bool conference, RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
              RAZ::Contacts::IContact* contact, const RAZ::Configuration::Config* config,
              Providers::Factory* factory, RAZ::Controllers::Search::ContactSearch* search,
              bool alwaysOnTop, QWidget* parent = nullptr);
  ~ContactCard() override;

  bool editMode() const { return m_editMode; }
  void setEditMode(bool on);
  bool isConference() const { return m_conference; }
  QObject* contactObject() const;
  RAZ::Contacts::IContact* getContact() const;
  void activate();

  QSize minimumWindowSize() const override { return QSize(320, 360); }

 signals:
  void editModeChanged();
  void contactAdded();

 protected:
  void changeEvent(QEvent* e) override;

 private:
  void retranslate();

  bool m_conference;
  bool m_editMode = false;
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> m_contacts;
  QPointer<RAZ::Contacts::IContact> m_contact;
  QPointer<Providers::Factory> m_factory;
};

}  // namespace QML
