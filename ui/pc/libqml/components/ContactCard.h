#pragma once

#include <QPointer>
#include <QVariantMap>

#include <tp/core/SharedPointer.h>

#include "libqml/window/Window.h"

namespace Models {
class ContactCardFieldsModel;
class RingerModel;
}  // namespace Models
namespace Providers {
class Factory;
}
namespace RAZ {
namespace Actions {
class ActionData;
class Provider;
class Source;
}  // namespace Actions
namespace Configuration {
class Config;
}
namespace Contacts {
class ContactSynchronizer;
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

// The contact card: views one contact, edits it, adds a new contact or
// conference contact or a directory result, completes it from the telephony
// directory and deletes it. Edits stay in the card until saved; closing the
// card with unsaved edits asks first.
class ContactCard : public Window {
  Q_OBJECT
  Q_PROPERTY(bool addMode READ addMode WRITE setAddMode NOTIFY addModeChanged)
  Q_PROPERTY(bool editMode READ editMode WRITE setEditMode NOTIFY editModeChanged)
  Q_PROPERTY(bool readOnlyMode READ readOnlyMode CONSTANT)
  Q_PROPERTY(bool xmppEnabled READ xmppEnabled CONSTANT)
  Q_PROPERTY(bool syncingPossible READ syncingPossible NOTIFY syncingPossibleChanged)
  Q_PROPERTY(bool importFromDirectoryPossible READ importFromDirectoryPossible NOTIFY
                 importFromDirectoryPossibleChanged)
  Q_PROPERTY(QObject* actionsProvider READ actionsProviderObject CONSTANT)
  Q_PROPERTY(QObject* fieldsModel READ fieldsModelObject CONSTANT)
  Q_PROPERTY(QObject* contact READ contactObject CONSTANT)
  Q_PROPERTY(bool conference READ isConference CONSTANT)
  Q_PROPERTY(bool hasUnsavedEdits READ hasUnsavedEdits NOTIFY editsChanged)
  Q_PROPERTY(bool anyFieldHasValue READ anyFieldHasValue NOTIFY editsChanged)
  // Where the contact is and its time there ("" when it publishes none).
  Q_PROPERTY(QString contactLocation READ contactLocation NOTIFY contactLocationChanged)
  // Whether "Add to Contact List" is offered and may be pressed now.
  Q_PROPERTY(bool canAdd READ canAdd NOTIFY canAddChanged)

 public:
  ContactCard(bool conference, RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
              RAZ::Contacts::IContact* contact, const RAZ::Configuration::Config* config,
              Providers::Factory* factory, RAZ::Controllers::Search::ContactSearch* search,
              bool alwaysOnTop, QWidget* parent = nullptr);
  ~ContactCard() override;

  bool addMode() const { return m_addMode; }
  void setAddMode(bool on);
  bool editMode() const { return m_editMode; }
  void setEditMode(bool on);
  bool readOnlyMode() const;
  bool xmppEnabled() const;
  bool syncingPossible() const { return m_syncingPossible; }
  bool importFromDirectoryPossible() const { return m_importPossible; }
  bool isConference() const { return m_conference; }
  bool hasUnsavedEdits() const { return !m_edits.isEmpty() || (m_addMode && m_typed); }
  bool anyFieldHasValue() const;
  Models::ContactCardFieldsModel* fieldsModel() const { return m_fieldsModel; }
  QObject* fieldsModelObject() const;
  QObject* actionsProviderObject() const;
  RAZ::Actions::Provider* actionsProvider() const { return m_provider; }
  QString contactLocation() const;
  bool canAdd() const;
  QObject* contactObject() const;
  RAZ::Contacts::IContact* getContact() const;
  bool activate();

  QString helpContext() const override;
  QSize minimumWindowSize() const override { return QSize(345, 450); }
  // Unsaved edits are not thrown away without asking.
  bool canClose() override;

  // The contact property a field type reads and writes (-1: none).
  static int propertyKey(int fieldType);
  // The name as the deletion question shows it: at most 30 characters.
  static QString shortName(const QString& name);

  // What a field shows: the edit in progress, else the contact's value.
  Q_INVOKABLE QString fieldValue(int fieldType) const;
  Q_INVOKABLE void setFieldValue(int fieldType, const QString& value);
  // Whether the user may change a field of the row now.
  Q_INVOKABLE bool canEditField(int fieldType, bool rowEditable) const;
  // Writes the edits to the contact and leaves edit mode.
  Q_INVOKABLE void save();
  // Drops the edits (and closes a card that was adding).
  Q_INVOKABLE void cancel();
  // The text of a platform action's button.
  Q_INVOKABLE QString actionText(int id) const;
  Q_INVOKABLE bool triggerAction(int id);
  // The favourite star: true when the contact's mark changed.
  Q_INVOKABLE bool toggleFavourite();

 public slots:
  void addContact();
  void deleteContact();
  void setWindowTitle();
  void contactActionTriggered(RAZ::Actions::ActionData& data, RAZ::Actions::Source& source);
  void trySyncing(int fieldType);
  void onSyncDone();
  void matchFoundDialogAnswered(bool accepted);
  void importFromDirectory();
  void clearContactJid();
  void showMessageBox(const QString& text, const QString& title);
  bool checkIfContactExists();

 signals:
  void addModeChanged();
  void editModeChanged();
  void syncingPossibleChanged();
  void importFromDirectoryPossibleChanged();
  void contactAdded();
  void groupingsChanged();
  void editsChanged();
  void contactLocationChanged();
  void canAddChanged();

 protected:
  void showEvent(QShowEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  void applyEdits();
  void setSyncingPossible(bool on);
  void setImportFromDirectoryPossible(bool on);
  void closeAfterAdding();

  bool m_conference;
  bool m_addMode = false;
  bool m_editMode = false;
  bool m_syncingPossible = false;
  bool m_importPossible = false;
  bool m_closingAsked = false;
  bool m_addPending = false;
  bool m_fromSearchResult = false;
  // The contact came with an IM address (it then stays as it is).
  bool m_jidGiven = false;
  // Something was typed into a card that adds (its contact is not saved).
  bool m_typed = false;
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> m_contacts;
  QPointer<RAZ::Contacts::IContact> m_contact;
  // A contact made by the card: it is the card's until added (the list then
  // holds a copy of it).
  bool m_ownsContact = false;
  RAZ::Actions::Provider* m_provider = nullptr;
  RAZ::Contacts::ContactSynchronizer* m_sync = nullptr;
  const RAZ::Configuration::Config* m_config;
  QPointer<Providers::Factory> m_factory;
  Models::ContactCardFieldsModel* m_fieldsModel = nullptr;
  Models::RingerModel* m_ringerModel = nullptr;
  QVariantMap m_edits;  // field type (as text) -> value
};

}  // namespace QML
