#include "dialogs/SimpleCredentialsDialog.h"

#include <QDialog>
#include <QEvent>
#include <QPushButton>

#include "ui_credentialsDialog.h"

namespace Dialogs {

SimpleCredentialsDialog::SimpleCredentialsDialog(const QString& title, const QString& prompt,
                                                 const QString& username, const QString& password,
                                                 bool alwaysOnTop)
    : PopupWindow(alwaysOnTop, nullptr), m_form(new Ui::credentialsDialog) {
  // The system's own frame, always above the application's windows.
  setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint);
  setWindowModality(Qt::ApplicationModal);
  setAttribute(Qt::WA_DeleteOnClose);
  setCanMinimize(false);
  setCanMaximize(false);
  setResizable(false);
  setWindowTitle(title);

  m_content = new QDialog(this);
  m_content->setWindowFlags(Qt::Widget);
  m_form->setupUi(m_content);
  m_form->titleLabel->setText(prompt);
  setContent(m_content, 0);
  retranslate();
  // Return in the fields is handled below, never by a default button.
  m_form->okButton->setAutoDefault(false);
  m_form->okButton->setDefault(false);
  m_form->cancelButton->setAutoDefault(false);
  m_form->usernameEdit->setText(username);
  m_form->passwordEdit->setText(password);

  connect(m_form->okButton, SIGNAL(clicked()), this, SLOT(onOkClicked()));
  connect(m_form->cancelButton, SIGNAL(clicked()), m_content, SLOT(reject()));
  // Escape rejects the content dialog as Cancel does; either way the
  // window closes and reports.
  connect(m_content, SIGNAL(finished(int)), this, SLOT(onClicked()));
  connect(m_form->usernameEdit, SIGNAL(returnPressed()), m_form->passwordEdit, SLOT(setFocus()));
  connect(m_form->passwordEdit, SIGNAL(returnPressed()), m_form->okButton, SLOT(click()));

  adjustSize();
}

SimpleCredentialsDialog::~SimpleCredentialsDialog() { delete m_form; }

void SimpleCredentialsDialog::retranslate() {
  // The form's own labels, then the texts set here; the caller's title and
  // prompt are shown as given.
  m_form->retranslateUi(m_content);
  m_form->okButton->setText(tr("OK"));
  m_form->cancelButton->setText(tr("Cancel"));
}

void SimpleCredentialsDialog::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) retranslate();
  PopupWindow::changeEvent(e);
}

void SimpleCredentialsDialog::onOkClicked() {
  m_okClicked = true;
  m_content->accept();
}

void SimpleCredentialsDialog::onClicked() { close(); }

bool SimpleCredentialsDialog::canClose() {
  if (!m_reported) {
    m_reported = true;
    if (m_okClicked) {
      emit credentialsProvided(m_form->usernameEdit->text(), m_form->passwordEdit->text());
    } else {
      emit credentialsProvided(QString(), QString());
    }
  }
  return true;
}

}  // namespace Dialogs
