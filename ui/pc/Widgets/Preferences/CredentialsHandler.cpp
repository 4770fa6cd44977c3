#include "Widgets/Preferences/CredentialsHandler.h"

#include <QCoreApplication>

#include <RAZ/Configuration/Config.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Settings.h>
#include <TP/Core/Logging.h>

#include "Utils/AppPaths.h"
#include "Utils/ConfigIds.h"
#include "Utils/SettingsKeys.h"
#include "Widgets/Preferences/PreferencesConfig.h"
#include "Widgets/Preferences/ProtocolsWidget.h"
#include "dialogs/MessageWindow.h"
#include "os/Autostart.h"
#include "ui_preferences.h"

namespace Preferences {

using Preferences::Widgets::CredentialWidget;
using Preferences::Widgets::ProtocolsWidget;
using RAZ::Utils::Credentials::CredentialsData;
using RAZ::Utils::Credentials::CredentialsManager;
using RAZ::Utils::Credentials::Type;
using RAZ::Utils::Credentials::UserCredentials;

namespace {
const char kSignature[] =
    "(const RAZ::Utils::Credentials::UserCredentials&,const "
    "RAZ::Utils::Credentials::CredentialsData&,RAZ::Utils::Credentials::Type)";

ProtocolsWidget* groupOf(Ui::preferencesForm* ui, int type) {
  if (type == RAZ::Utils::Credentials::TypeWebCollab) return ui->webCollab;
  if (type == RAZ::Utils::Credentials::TypeLdap) return ui->ldap;
  return ui->protocols;
}

// Connects `signal` of `sender` to the first of `receivers` that has the
// slot, when any does (platform objects that listen to credential changes).
bool connectToSlot(QObject* sender, const char* signal, QObject* receiver, const char* name) {
  if (!receiver) return false;
  const QByteArray slot = QByteArray(name) + kSignature;
  if (receiver->metaObject()->indexOfSlot(QMetaObject::normalizedSignature(slot)) < 0) return false;
  return QObject::connect(sender, signal, receiver, QByteArray("1" + slot).constData());
}
}  // namespace

QString CredentialsHandler::autostartName() { return QCoreApplication::applicationName(); }

CredentialsHandler::CredentialsHandler(Ui::preferencesForm* form,
                                       RAZ::Sessions::SessionManagerBase* session, QObject* parent)
    : QObject(parent), ui(form), m_session(session) {
  RAZ::Settings installation(RAZ::Settings::Installation);
  RAZ::Settings app(RAZ::Settings::Application);
  RAZ::Settings user(RAZ::Settings::User);
  m_dmUrlEmpty = installation.value(Utils::SettingsKey::DmUrl).toByteArray().isEmpty();
  ui->groupDeviceManagement->setVisible(m_dmUrlEmpty);
  ui->groupDeviceManagement->setHidden(!m_dmUrlEmpty);
  ui->textDMUrl->setText(app.value(Utils::SettingsKey::DefaultDmConfigFile).toString());
  ui->textDMUrl->setCursorPosition(0);

  connect(this, SIGNAL(enableSave(bool)), parent, SIGNAL(enableSave(bool)));
  connect(parent, SIGNAL(saveSettings()), this, SLOT(saveSettings()));
  connect(parent, SIGNAL(languageChanged()), this, SLOT(setCredentialsLabel()));

  const char* modify = SIGNAL(modifyCredentials(RAZ::Utils::Credentials::UserCredentials,
                                                RAZ::Utils::Credentials::CredentialsData,
                                                RAZ::Utils::Credentials::Type));
  if (CredentialsManager* credentials = manager()) {
    connect(this, modify, credentials,
            SLOT(addCredentials(RAZ::Utils::Credentials::UserCredentials)));
    connect(this, SIGNAL(removeCredentials(RAZ::Utils::Credentials::UserCredentials)), credentials,
            SLOT(removeCredentials(RAZ::Utils::Credentials::UserCredentials)));
    connect(this, SIGNAL(updateCredentials(RAZ::Utils::Credentials::UserCredentials)), credentials,
            SLOT(updateCredentials(RAZ::Utils::Credentials::UserCredentials)));
  }

  const bool webEditable = !configBool(m_session, Utils::ConfigId::WebCollabByService) &&
                           !configBool(m_session, Utils::ConfigId::SeveralDesktopShares);
  const char* save = SIGNAL(
      saveCredentials(RAZ::Utils::Credentials::Type, RAZ::Utils::Credentials::CredentialsData));
  const char* saveSlot = SLOT(
      saveCredentials(RAZ::Utils::Credentials::Type, RAZ::Utils::Credentials::CredentialsData));
  const char* remove = SIGNAL(removeAccount(RAZ::Utils::Credentials::Type));
  const char* removeSlot = SLOT(removeAccount(RAZ::Utils::Credentials::Type));
  if (webEditable) {
    if (m_session) connectToSlot(this, modify, m_session, "setCredentials");
    connect(ui->webCollab, save, this, saveSlot);
    connect(ui->webCollab, remove, this, removeSlot);
  }
  for (ProtocolsWidget* group : {ui->ldap, ui->protocols}) {
    connect(group, save, this, saveSlot);
    connect(group, remove, this, removeSlot);
  }
  if (m_session) connectToSlot(this, modify, m_session, "onCredentialsChanged");

  ui->webCollab->hide();
  ui->ldap->hide();
  const QList<int> types = manager() ? manager()->availableTypes() : QList<int>();
  for (int t : types) {
    auto* row = new CredentialWidget(static_cast<Type>(t));
    connect(row, SIGNAL(changed()), this, SLOT(changed()));
    if (t == RAZ::Utils::Credentials::TypeWebCollab) {
      if (webEditable) {
        ui->webCollab->show();
        ui->webCollab->addCredentialWidget(row);
      } else {
        delete row;
      }
    } else if (t == RAZ::Utils::Credentials::TypeLdap) {
      ui->ldap->show();
      ui->ldap->addCredentialWidget(row);
    } else if (m_dmUrlEmpty) {
      ui->protocols->addCredentialWidget(row);
    } else {
      delete row;
    }
  }
  if (ui->protocols->isEmpty()) ui->protocols->hide();

  // Until the user has given numbers of their own, the page shows the room's
  // numbers as the service has them (those the invitation sends).
  RAZ::Contacts::ContactPtr own = m_session && m_session->contactsManager()
                                      ? m_session->contactsManager()->ownContact()
                                      : RAZ::Contacts::ContactPtr();
  auto roomValue = [&](const QString& key, int property) {
    if (user.contains(key) || !own) return user.value(key).toString();
    return own->getProperty(property).toString();
  };
  using RAZ::Contacts::Properties::Key;
  ui->textDialInNumber->setText(
      roomValue(Utils::SettingsKey::MyRoomDialInNumber, Key::KeyMyRoomDialIn));
  ui->textHostPin->setText(
      roomValue(Utils::SettingsKey::MyRoomHostPin, Key::KeyMyRoomModeratorPin));
  ui->textPin1->setText(roomValue(Utils::SettingsKey::MyRoomPin1, Key::KeyMyRoomConferenceId));
  ui->textPin2->setText(roomValue(Utils::SettingsKey::MyRoomPin2, Key::KeyMyRoomSecurityPin));
  if (m_session && m_session->configuration() &&
      m_session->configuration()->getBool(Utils::ConfigId::MyRoomByService)) {
    for (QLineEdit* field : {ui->textDialInNumber, ui->textHostPin, ui->textPin1, ui->textPin2})
      field->setReadOnly(true);
  }
  for (QLineEdit* field : {ui->textDialInNumber, ui->textHostPin, ui->textPin1, ui->textPin2})
    connect(field, SIGNAL(textEdited(QString)), this, SLOT(changed()));

  ui->autoSignin->setChecked(app.value(Utils::SettingsKey::LoginAutoLogin, false).toBool());
  ui->autoStart->setChecked(Os::Autostart::isEnabled(autostartName()));
  connect(ui->autoSignin, SIGNAL(stateChanged(int)), this, SLOT(changed()));
  connect(ui->autoStart, SIGNAL(stateChanged(int)), this, SLOT(changed()));

  updateWidgets();
  setCredentialsLabel();
  if (!m_session || !m_session->myroomController()) ui->myRoomConfigBox->hide();
}

CredentialsManager* CredentialsHandler::manager() const {
  return m_session ? m_session->credentialsManager() : nullptr;
}

bool CredentialsHandler::fetchUser(UserCredentials& out) const {
  CredentialsManager* credentials = manager();
  if (!credentials) return false;
  RAZ::Settings app(RAZ::Settings::Application);
  const QString name = app.value(Utils::SettingsKey::LoginUsername).toString();
  return credentials->getCredentials(credentials->loginType(), name, out);
}

void CredentialsHandler::setCredentialsLabel() {
  QString text;
  if (m_dmUrlEmpty) {
    text =
        tr("The credentials below are downloaded from the network, they cannot be modified "
           "here.");
    if (configBool(m_session, Utils::ConfigId::WebCollabCredentialsEditable) &&
        !configBool(m_session, Utils::ConfigId::SeveralDesktopShares) &&
        !configBool(m_session, Utils::ConfigId::WebCollabByService))
      text += tr(" Web Collaboration credentials can be edited above.");
  }
  ui->credentialsLabel->setText(text);
  ui->credentialsLabel->setHidden(text.isEmpty());
}

void CredentialsHandler::updateWidgets() {
  CredentialsManager* credentials = manager();
  if (!credentials) return;
  UserCredentials account;
  const bool found = credentials->getCredentials(credentials->loginType(),
                                                 credentials->getLoginUsername(), account);
  if (found) {
    ui->webCollab->setEnabled(true);
    ui->ldap->setEnabled(true);
    ui->protocols->setEnabled(true);
  }
  const auto availableTypes = credentials->availableTypes();
  for (int t : availableTypes) {
    CredentialWidget* row = groupOf(ui, t)->findCredentialWidget(static_cast<Type>(t));
    if (!row) continue;
    if (!found) {
      row->hide();
      continue;
    }
    row->show();
    const CredentialsData data = account.getCredentials(t);
    row->setUsername(data.getUsername());
    row->setPassword(data.getPassword());
    row->setStoredMode();
  }
}

void CredentialsHandler::changed() { emit enableSave(true); }

void CredentialsHandler::saveCredentials(Type type, CredentialsData data) {
  UserCredentials account;
  if (!fetchUser(account)) return;
  const CredentialsData previous = account.getCredentials(type);
  account.setCredentials(type, data);
  emit modifyCredentials(account, previous, type);
}

void CredentialsHandler::removeAccount(Type type) {
  CredentialsManager* credentials = manager();
  if (!credentials) return;
  UserCredentials account;
  if (type != credentials->loginType()) {
    if (fetchUser(account)) {
      account.removeCredentials(type);
      emit updateCredentials(account);
    }
    updateWidgets();
    changed();
    return;
  }
  int clicked = 0;
  Dialogs::MessageWindow::warning(
      tr("Remove Account"),
      tr("Primary account removal will lead to removal of all accounts. Do you want to proceed?"),
      false, QDialogButtonBox::Yes | QDialogButtonBox::No, &clicked);
  if (clicked != QDialogButtonBox::Yes) return;
  if (fetchUser(account)) {
    emit removeCredentials(account);
  }
  updateWidgets();
  changed();
}

void CredentialsHandler::saveSettings() {
  RAZ::Settings app(RAZ::Settings::Application);
  RAZ::Settings user(RAZ::Settings::User);
  CredentialsManager* credentials = manager();
  bool accountGone = false;
  if (credentials) {
    credentials->save();
    UserCredentials account;
    accountGone = !fetchUser(account);
    if (accountGone) {
      app.setValue(Utils::SettingsKey::LoginUsername, QString());
      app.setValue(Utils::SettingsKey::LoginAutoLogin, false);
    }
  }
  user.setValue(Utils::SettingsKey::MyRoomDialInNumber, ui->textDialInNumber->text());
  // A dial-in number the user typed is the room's number from now on: the
  // signed-in session (and every room window that warns of its absence)
  // learns it at once. A field the user did not touch leaves the service's
  // number as it is.
  if (ui->textDialInNumber->isModified() && !ui->textDialInNumber->isReadOnly() && m_session &&
      m_session->contactsManager()) {
    if (RAZ::Contacts::ContactPtr own = m_session->contactsManager()->ownContact())
      own->setProperty(RAZ::Contacts::Properties::KeyMyRoomDialIn,
                       ui->textDialInNumber->text().trimmed());
    ui->textDialInNumber->setModified(false);
  }
  user.setValue(Utils::SettingsKey::MyRoomHostPin, ui->textHostPin->text());
  user.setValue(Utils::SettingsKey::MyRoomPin1, ui->textPin1->text());
  user.setValue(Utils::SettingsKey::MyRoomPin2, ui->textPin2->text());
  // Without a stored account there is nobody to sign in automatically.
  if (!accountGone) app.setValue(Utils::SettingsKey::LoginAutoLogin, ui->autoSignin->isChecked());
  const QString name = autostartName();
  const bool ok = ui->autoStart->isChecked()
                      ? Os::Autostart::enable(name, AppPaths::executablePath())
                      : Os::Autostart::disable(name);
  if (!ok)
    TP_LOG("Preferences::CredentialsHandler::saveSettings", TP::Core::Logging::LevelError)
        << "Could not change the autostart entry " << Os::Autostart::entryPath(name);
}

}  // namespace Preferences
