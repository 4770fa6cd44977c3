#include "dialogs/XmppPasswordDialog.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <TP/Core/Logging.h>

#include <RAZ/Services/Xmpp/XmppJidValidator.h>

#include "ui_ChatroomPassword.h"

namespace Widgets {
namespace Conference {

namespace {

const int kGroupChatRoomType = 1;

int roomType(const QString& room) {
  const QString userPart = room.section(QLatin1Char('@'), 0, 0);
  return RAZ::Services::Xmpp::XmppJidValidator::getRoomType(userPart);
}

}  // namespace

XmppPasswordDialog::XmppPasswordDialog(const QString& room, int reason, bool alwaysOnTop)
    : PopupWindow(alwaysOnTop, nullptr),
      m_form(new Ui::ChatroomPassword),
      m_room(room),
      m_reason(reason) {
  setAttribute(Qt::WA_DeleteOnClose);
  auto* content = new QWidget(this);
  m_form->setupUi(content);
  m_form->errorLabel->setText(reasonText());
  m_form->okButton->setEnabled(false);
  m_form->okButton->setAutoDefault(false);
  m_form->cancelButton->setAutoDefault(false);
  m_form->passwordEdit->setFocus();

  connect(m_form->okButton, SIGNAL(clicked()), this, SLOT(okClicked()));
  connect(m_form->cancelButton, SIGNAL(clicked()), this, SLOT(cancelClicked()));
  connect(m_form->passwordEdit, SIGNAL(textEdited(QString)), this, SLOT(passwordEdited(QString)));
  connect(m_form->passwordEdit, SIGNAL(returnPressed()), this, SLOT(okClicked()));
  // Esc gives up on the room as Cancel does.
  leaveOnEscape(SLOT(cancelClicked()));

  setTexts();
  setContent(content, 0);
  setMinimumWidth(250);
  adjustSize();
}

XmppPasswordDialog::~XmppPasswordDialog() { delete m_form; }

void XmppPasswordDialog::setTexts() {
  if (roomType(m_room) == kGroupChatRoomType)
    setTitle(tr("Group Chat"));
  else
    setTitle(m_roomName.isEmpty() ? m_room : m_roomName);
}

void XmppPasswordDialog::setRoomName(const QString& name) {
  m_roomName = name;
  setTexts();
}

QString XmppPasswordDialog::reasonText() const {
  switch (m_reason) {
    case PasswordRequired:
      return tr("A password is required to enter this room");
    case PasswordWrong:
      return tr("Incorrect password");
    default:
      return QString();
  }
}

void XmppPasswordDialog::passwordEdited(QString text) {
  m_form->okButton->setEnabled(!text.isEmpty());
}

void XmppPasswordDialog::okClicked() {
  const QString password = m_form->passwordEdit->text();
  if (password.isEmpty()) return;
  m_reported = true;
  emit passwordEntered(m_room, password);
  close();
}

void XmppPasswordDialog::cancelClicked() {
  if (!m_reported) {
    m_reported = true;
    emit passwordEnterCanceled(m_room);
  }
  close();
}

bool XmppPasswordDialog::canClose() {
  // Closed from the frame, by the close shortcut or at sign-out: the join
  // that waits for this answer learns that none is coming.
  if (!m_reported) {
    m_reported = true;
    TP_LOG("Widgets::Conference::XmppPasswordDialog::canClose", TP::Core::Logging::LevelDetail)
        << "Room password prompt closed without an answer";
    emit passwordEnterCanceled(m_room);
  }
  return true;
}

void XmppPasswordDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    m_form->retranslateUi(this->findChild<QWidget*>(QStringLiteral("ChatroomPassword")));
    m_form->errorLabel->setText(reasonText());
    setTexts();
  }
  PopupWindow::changeEvent(event);
}

}  // namespace Conference
}  // namespace Widgets
