#include "Widgets/Preferences/ProtocolsWidget.h"

#include <QEvent>
#include <QVBoxLayout>

#include <RAZ/Settings.h>

#include "Utils/SettingsKeys.h"
#include "Utils/StringHelper.h"
#include "dialogs/MessageWindow.h"
#include "ui_credentialwidget.h"

namespace Preferences {
namespace Widgets {

namespace {
bool hasPassword(RAZ::Utils::Credentials::Type type) {
  return type == RAZ::Utils::Credentials::TypeLdap ||
         type == RAZ::Utils::Credentials::TypeWebCollab;
}
}  // namespace

CredentialWidget::CredentialWidget(RAZ::Utils::Credentials::Type type, QWidget* parent)
    : QWidget(parent), m_type(type), ui(new Ui::credentialWidget) {
  ui->setupUi(this);
  retranslate();
  ui->typeLabel->setVisible(!hasPassword(type));
  ui->password->setEchoMode(QLineEdit::Password);
  ui->saveButton->setEnabled(false);
  ui->removeButton->setEnabled(false);
  connect(ui->username, SIGNAL(textEdited(QString)), this, SLOT(usernameEdited(QString)));
  connect(ui->password, SIGNAL(textEdited(QString)), this, SLOT(passwordEdited(QString)));
  connect(ui->saveButton, SIGNAL(clicked()), this, SLOT(onClickedsaveCredentials()));
  connect(ui->removeButton, SIGNAL(clicked()), this, SLOT(removeAccountWarning()));
  if (!hasPassword(type)) {
    ui->password->hide();
    ui->username->setReadOnly(true);
  }
}

CredentialWidget::~CredentialWidget() { delete ui; }

void CredentialWidget::retranslate() {
  ui->retranslateUi(this);
  ui->typeLabel->setText(Utils::StringHelper::credentialsTypeText(m_type));
  // A reader names a field by these: its placeholder goes once something
  // is typed, and each group's rows are told apart by their account.
  ui->username->setAccessibleName(tr("%1 username").arg(kindText()));
  ui->password->setAccessibleName(tr("%1 password").arg(kindText()));
  m_messageTitle = tr("Information");
  m_messageText = tr("To be able to enter new credentials, you'll have to logout and login anew.");
}

QString CredentialWidget::kindText() const {
  switch (m_type) {
    case RAZ::Utils::Credentials::TypeLdap:
      return tr("Corporate Directory (LDAP)");
    case RAZ::Utils::Credentials::TypeWebCollab:
      return tr("Web Collaboration");
    default:
      return Utils::StringHelper::credentialsTypeText(m_type);
  }
}

void CredentialWidget::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) retranslate();
  QWidget::changeEvent(e);
}

void CredentialWidget::setUsername(const QString& name) {
  m_storedUsername = name;
  ui->username->setText(name);
  ui->removeButton->setEnabled(!name.isEmpty());
}

void CredentialWidget::setPassword(const QString& password) {
  m_storedPassword = password;
  ui->password->setText(password);
}

void CredentialWidget::setStoredMode() {
  ui->removeButton->hide();
  if (!hasPassword(m_type)) ui->saveButton->hide();
}

void CredentialWidget::updateSaveButton() {
  const bool user = !ui->username->text().isEmpty();
  const bool password = !ui->password->text().isEmpty();
  if (m_type == RAZ::Utils::Credentials::TypeWebCollab)
    ui->saveButton->setEnabled(user == password);
  else
    ui->saveButton->setEnabled(user && password);
}

void CredentialWidget::usernameEdited(const QString& text) {
  updateSaveButton();
  if (text != m_storedUsername) emit changed();
}

void CredentialWidget::passwordEdited(const QString& text) {
  updateSaveButton();
  if (text != m_storedPassword) emit changed();
}

void CredentialWidget::onClickedsaveCredentials() {
  RAZ::Utils::Credentials::CredentialsData credentials;
  credentials.setUsername(ui->username->text());
  credentials.setPassword(ui->password->text());
  ui->saveButton->setEnabled(false);
  emit saveCredentials(credentials);
}

void CredentialWidget::removeAccountWarning() {
  RAZ::Settings settings(RAZ::Settings::User);
  if (!settings.value(Utils::SettingsKey::ShowResetWarning, true).toBool()) {
    emit removeAccount();
    return;
  }
  auto* window = new Dialogs::MessageWindow(nullptr, m_messageTitle, m_messageText, false,
                                            QDialogButtonBox::Ok | QDialogButtonBox::Cancel, false,
                                            true, false);
  connect(window, SIGNAL(messageRejected(bool)), window, SLOT(closeMessage()));
  connect(window, SIGNAL(messageAccepted(bool)), window, SLOT(closeMessage()));
  connect(window, SIGNAL(messageAccepted(bool)), this, SLOT(removeAccountWarningAccepted(bool)));
  window->show();
}

void CredentialWidget::removeAccountWarningAccepted(bool dontAskAgain) {
  RAZ::Settings settings(RAZ::Settings::User);
  settings.setValue(Utils::SettingsKey::ShowResetWarning, !dontAskAgain);
  emit removeAccount();
}

ProtocolsWidget::ProtocolsWidget(QWidget* parent) : QGroupBox(parent) { new QVBoxLayout(this); }

void ProtocolsWidget::addCredentialWidget(CredentialWidget* row) {
  layout()->addWidget(row);
  connect(row, SIGNAL(saveCredentials(RAZ::Utils::Credentials::CredentialsData)), this,
          SLOT(saveCredentials(RAZ::Utils::Credentials::CredentialsData)));
  connect(row, SIGNAL(removeAccount()), this, SLOT(removeAccount()));
}

CredentialWidget* ProtocolsWidget::findCredentialWidget(RAZ::Utils::Credentials::Type type) const {
  for (int i = 0; i < layout()->count(); ++i) {
    auto* row = qobject_cast<CredentialWidget*>(layout()->itemAt(i)->widget());
    if (row && row->type() == type) return row;
  }
  return nullptr;
}

bool ProtocolsWidget::isEmpty() const { return layout()->count() == 0; }

void ProtocolsWidget::saveCredentials(RAZ::Utils::Credentials::CredentialsData credentials) {
  if (auto* row = qobject_cast<CredentialWidget*>(sender()))
    emit saveCredentials(row->type(), credentials);
}

void ProtocolsWidget::removeAccount() {
  if (auto* row = qobject_cast<CredentialWidget*>(sender())) emit removeAccount(row->type());
}

}  // namespace Widgets
}  // namespace Preferences
