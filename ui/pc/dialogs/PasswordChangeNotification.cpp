#include "dialogs/PasswordChangeNotification.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <TP/Core/Logging.h>

namespace Dialogs {

PasswordChangeNotification::PasswordChangeNotification(
    const RAZ::Utils::Credentials::UserCredentials& credentials, int credentialsType,
    QWidget* parent)
    : PopupWindow(false, parent), m_credentials(credentials), m_type(credentialsType) {
  setObjectName(QStringLiteral("passwordChangeNotification"));
  auto* content = new QWidget(this);
  auto* layout = new QVBoxLayout(content);
  m_message = new QLabel(content);
  m_message->setTextFormat(Qt::PlainText);
  m_message->setWordWrap(true);
  layout->addWidget(m_message);
  auto* form = new QFormLayout();
  m_old = new QLineEdit(content);
  m_new = new QLineEdit(content);
  m_confirm = new QLineEdit(content);
  for (QLineEdit* e : {m_old, m_new, m_confirm}) {
    e->setEchoMode(QLineEdit::Password);
    connect(e, SIGNAL(textChanged(QString)), this, SLOT(fieldsEdited()));
  }
  m_oldLabel = new QLabel(content);
  m_newLabel = new QLabel(content);
  m_confirmLabel = new QLabel(content);
  form->addRow(m_oldLabel, m_old);
  form->addRow(m_newLabel, m_new);
  form->addRow(m_confirmLabel, m_confirm);
  layout->addLayout(form);
  m_error = new QLabel(content);
  m_error->setTextFormat(Qt::PlainText);
  m_error->setWordWrap(true);
  layout->addWidget(m_error);
  auto* buttons = new QDialogButtonBox(content);
  m_change = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
  QPushButton* later = buttons->addButton(QDialogButtonBox::Close);
  later->setObjectName(QStringLiteral("cancelButton"));
  layout->addWidget(buttons);
  connect(m_change, SIGNAL(clicked()), this, SLOT(changeClicked()));
  connect(later, SIGNAL(clicked()), this, SLOT(close()));
  setContent(content, 0);
  retranslate();
  fieldsEdited();
}

PasswordChangeNotification::~PasswordChangeNotification() = default;

void PasswordChangeNotification::retranslate() {
  setTitle(tr("Password change notification"));
  m_oldLabel->setText(tr("Current password:"));
  m_newLabel->setText(tr("New password:"));
  m_confirmLabel->setText(tr("Confirm new password:"));
  m_change->setText(tr("Change Password"));
  // The service's own texts stay as sent; ours follow the language.
  if (m_state == Changed) m_message->setText(tr("Your password has been changed."));
  showError(m_errorKind, m_errorKind == ServiceError ? m_error->text() : QString());
}

void PasswordChangeNotification::showError(int kind, const QString& serviceText) {
  m_errorKind = kind;
  switch (kind) {
    case Mismatch:
      showError(Mismatch, QString());
      break;
    case Refused:
      m_error->setText(tr("The password could not be changed."));
      break;
    case ServiceError:
      m_error->setText(serviceText);
      break;
    default:
      m_error->clear();
      break;
  }
}

void PasswordChangeNotification::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) retranslate();
  PopupWindow::changeEvent(e);
}

void PasswordChangeNotification::showState(int state, const QString& message) {
  m_state = state;
  m_message->setText(message);
  showError(NoError, QString());
  adjustSize();
  show();
  raise();
  activateWindow();
}

void PasswordChangeNotification::showExpiryWarning(const QString& message) {
  showState(ExpiryWarning, message);
}

void PasswordChangeNotification::showExpired(const QString& message) {
  showState(Expired, message);
}

void PasswordChangeNotification::fieldsEdited() {
  m_change->setEnabled(m_state != Changing && !m_old->text().isEmpty() &&
                       !m_new->text().isEmpty() && m_new->text() == m_confirm->text());
}

void PasswordChangeNotification::changeClicked() {
  if (m_new->text() != m_confirm->text()) {
    showError(Mismatch, QString());
    return;
  }
  m_pendingPassword = m_new->text();
  m_state = Changing;
  fieldsEdited();
  emit sendCredentials(m_old->text(), m_pendingPassword);
}

void PasswordChangeNotification::passwordChangeResult(bool success,
                                                      const RAZ::Xsi::XsiErrorInfo& error) {
  if (m_state != Changing) return;
  if (!success) {
    m_state = ExpiryWarning;
    m_pendingPassword.clear();
    if (error.message.isEmpty())
      showError(Refused, QString());
    else
      showError(ServiceError, error.message);
    TP_LOG("Dialogs::PasswordChangeNotification::passwordChangeResult",
           TP::Core::Logging::LevelWarning)
        << "Password change refused: " << error.code;
    fieldsEdited();
    return;
  }
  RAZ::Utils::Credentials::CredentialsData data = m_credentials.getCredentials(m_type);
  data.setPassword(m_pendingPassword);
  m_credentials.setCredentials(m_type, data);
  m_pendingPassword.clear();
  m_state = Changed;
  emit saveCredentials(m_credentials);
  m_message->setText(tr("Your password has been changed."));
  showError(NoError, QString());
  for (QLineEdit* e : {m_old, m_new, m_confirm}) e->clear();
  m_change->setEnabled(false);
}

}  // namespace Dialogs
