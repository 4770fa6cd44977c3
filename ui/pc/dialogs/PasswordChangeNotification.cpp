#include "dialogs/PasswordChangeNotification.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <TP/Core/Logging.h>

#include "Utils/WindowManager.h"
#include "ui_passwordChange.h"

namespace Dialogs {

namespace {
const char kRejectedStyle[] = "QLineEdit {border: 2px solid red}";
}

PasswordChangeNotification::PasswordChangeNotification(
    const RAZ::Utils::Credentials::UserCredentials& credentials, int credentialsType,
    bool alwaysOnTop)
    : PopupWindow(alwaysOnTop, nullptr),
      m_form(new Ui::passwordChange),
      m_content(new QWidget(this)),
      m_credentials(credentials),
      m_type(credentialsType) {
  setObjectName(QStringLiteral("passwordChangeNotification"));
  setWindowFlags(windowFlags() | Qt::Window);
  setWindowModality(Qt::ApplicationModal);
  setCanMinimize(false);
  setCanMaximize(false);
  setResizable(false);
  setTitle(tr("Password change notification"));
  m_form->setupUi(m_content);
  setContent(m_content, 0);
  // Nothing has been checked yet.
  m_form->warningLabel1->hide();
  m_form->warningLabel2->hide();

  connect(changeButton(), SIGNAL(clicked()), this, SLOT(okClicked()));
  connect(cancelButton(), SIGNAL(clicked()), this, SLOT(close()));
  connect(m_form->oldPassEdit, SIGNAL(returnPressed()), m_form->newPassEdit, SLOT(setFocus()));
  connect(m_form->newPassEdit, SIGNAL(returnPressed()), m_form->newPassEdit2, SLOT(setFocus()));
  connect(m_form->newPassEdit2, SIGNAL(returnPressed()), this, SLOT(okClicked()));
  // Esc leaves as Cancel does (never while a change is on its way).
  leaveOnEscape();
  setState(ExpiryWarning);
}

PasswordChangeNotification::~PasswordChangeNotification() = default;

QLabel* PasswordChangeNotification::messageLabel() const { return m_form->textLabel; }
QLineEdit* PasswordChangeNotification::oldPasswordField() const { return m_form->oldPassEdit; }
QLineEdit* PasswordChangeNotification::newPasswordField() const { return m_form->newPassEdit; }
QLineEdit* PasswordChangeNotification::confirmPasswordField() const { return m_form->newPassEdit2; }
QLabel* PasswordChangeNotification::oldPasswordWarning() const { return m_form->warningLabel1; }
QLabel* PasswordChangeNotification::confirmPasswordWarning() const { return m_form->warningLabel2; }
QWidget* PasswordChangeNotification::inputArea() const { return m_form->inputWidget; }
QPushButton* PasswordChangeNotification::changeButton() const {
  return m_form->buttons->button(QDialogButtonBox::Ok);
}
QPushButton* PasswordChangeNotification::cancelButton() const {
  return m_form->buttons->button(QDialogButtonBox::Cancel);
}

bool PasswordChangeNotification::canClose() {
  return m_state != Changing && PopupWindow::canClose();
}

void PasswordChangeNotification::showExpiryWarning(const QString& text) {
  m_form->textLabel->setText(text);
  m_message = CallerText;
  setState(ExpiryWarning);
  showOverActiveWindow();
}

void PasswordChangeNotification::showExpired(const QString& text) {
  m_form->textLabel->setText(text);
  m_message = CallerText;
  setState(Expired);
  showOverActiveWindow();
}

void PasswordChangeNotification::showOverActiveWindow() {
  // The service's news comes without an owner: it shows over what the user
  // is looking at, or in the middle of the screen.
  if (!isVisible()) Utils::WindowManager::placeOver(this);
  show();
  raise();
  activateWindow();
}

void PasswordChangeNotification::setState(int state) {
  m_state = state;
  QPushButton* ok = changeButton();
  QPushButton* cancel = cancelButton();
  ok->setEnabled(true);
  cancel->setEnabled(true);
  cancel->show();
  m_form->inputWidget->hide();
  m_form->mainLayout->removeWidget(m_form->inputWidget);
  resize(333, 200);
  switch (state) {
    case ExpiryWarning:
      ok->setText(tr("Change Password"));
      break;
    case Expired:
      ok->setText(tr("OK"));
      m_form->inputWidget->show();
      m_form->mainLayout->insertWidget(2, m_form->inputWidget, 1);
      resize(333, 230);
      // What is typed next is the old password.
      m_form->oldPassEdit->setFocus();
      break;
    case Changing:
      showMessage(StateText);
      ok->setEnabled(false);
      cancel->setEnabled(false);
      break;
    case Changed:
      showMessage(StateText);
      cancel->hide();
      ok->setText(tr("Close"));
      break;
    default:
      break;
  }
  // Enter presses the window's one button, and the focus is drawn on it,
  // unless a field takes what is typed; a hidden field never keeps it.
  ok->setDefault(true);
  if (state != Expired && ok->isEnabled()) ok->setFocus(Qt::OtherFocusReason);
}

void PasswordChangeNotification::showMessage(int message) {
  m_message = message;
  switch (message) {
    case InputPrompt:
      m_form->textLabel->setText(tr("Please input your new password"));
      break;
    case StateText:
      m_form->textLabel->setText(m_state == Changing ? tr("Sending request, please wait...")
                                                     : QString());
      break;
    case Success:
      m_form->textLabel->setText(tr("The password has been changed successfully"));
      break;
    case Failure:
      m_form->textLabel->setText(tr("Cannot change password:") + QLatin1Char('\n') +
                                 m_error.message + QLatin1Char('\n') + tr("Error Code:") +
                                 QString::number(m_error.code));
      break;
    default:
      break;
  }
}

void PasswordChangeNotification::retranslateState() {
  const QString shown = m_form->textLabel->text();
  const int message = m_message;
  setState(m_state);
  if (message == CallerText)
    m_form->textLabel->setText(shown);
  else
    showMessage(message);
}

void PasswordChangeNotification::markField(QLineEdit* field, bool rejected) {
  field->setStyleSheet(rejected ? QString::fromLatin1(kRejectedStyle) : QString());
}

void PasswordChangeNotification::okClicked() {
  switch (m_state) {
    case ExpiryWarning:
      setState(Expired);
      showMessage(InputPrompt);
      return;
    case Expired: {
      const RAZ::Utils::Credentials::CredentialsData stored = m_credentials.getCredentials(m_type);
      if (m_form->oldPassEdit->text() != stored.getPassword()) {
        m_form->warningLabel1->show();
        m_form->warningLabel2->hide();
        markField(m_form->oldPassEdit, true);
        markField(m_form->newPassEdit2, false);
      } else if (m_form->newPassEdit->text() == m_form->newPassEdit2->text()) {
        setState(Changing);
        TP_LOG("Dialogs::PasswordChangeNotification::okClicked",
               TP::Core::Logging::LevelInformation)
            << "Sending a password change";
        emit sendCredentials(m_form->oldPassEdit->text(), m_form->newPassEdit2->text());
      } else {
        m_form->warningLabel2->show();
        m_form->warningLabel1->hide();
        markField(m_form->newPassEdit2, true);
        markField(m_form->oldPassEdit, false);
      }
      return;
    }
    default:
      close();
  }
}

void PasswordChangeNotification::passwordChangeResult(bool succeeded,
                                                      const RAZ::Xsi::XsiErrorInfo& error) {
  // Only the answer to our own request counts: another window's request
  // must not store a password typed here.
  if (m_state != Changing) return;
  if (succeeded) {
    RAZ::Utils::Credentials::CredentialsData record;
    record.setUsername(m_credentials.getCredentials(m_type).getUsername());
    record.setPassword(m_form->newPassEdit2->text());
    m_credentials.setCredentials(m_type, record);
    emit saveCredentials(m_credentials);
    setState(Changed);
    showMessage(Success);
    TP_LOG("Dialogs::PasswordChangeNotification::passwordChangeResult",
           TP::Core::Logging::LevelInformation)
        << "Password changed";
  } else {
    m_error = error;
    setState(Changed);
    showMessage(Failure);
    TP_LOG("Dialogs::PasswordChangeNotification::passwordChangeResult",
           TP::Core::Logging::LevelWarning)
        << "Password change refused: " << error.code;
  }
}

void PasswordChangeNotification::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) {
    m_form->retranslateUi(m_content);
    setTitle(tr("Password change notification"));
    // The button box puts its standard texts back on the same event: ours
    // follow once every widget has seen it.
    QMetaObject::invokeMethod(this, "retranslateState", Qt::QueuedConnection);
  }
  PopupWindow::changeEvent(e);
}

}  // namespace Dialogs
