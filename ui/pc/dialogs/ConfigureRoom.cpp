#include "dialogs/ConfigureRoom.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QRegExp>
#include <QRegExpValidator>

#include <RAZ/Settings.h>

#include "Models/Chat/RoomMembersModel.h"
#include "Utils/GlobalConstants.h"
#include "Utils/SettingsKeys.h"
#include "dialogs/MessageWindow.h"
#include "ui_ConfigureRoomDialog.h"
#include "ui_ConfirmRoomDeletion.h"

namespace Dialogs {

namespace {
// Characters a room name may not hold (the vertical bar is one of them);
// typed or pasted, each becomes a blank.
const QRegExp& forbiddenCharacters() {
  static const QRegExp pattern(Utils::Constants::RoomNameForbidden, Qt::CaseSensitive,
                               QRegExp::RegExp);
  return pattern;
}
const QRegExp& validName() {
  static const QRegExp pattern(Utils::Constants::RoomNamePattern, Qt::CaseSensitive,
                               QRegExp::RegExp);
  return pattern;
}

const char kRoomName[] = "muc#roomconfig_roomname";
const char kMembersOnly[] = "muc#roomconfig_membersonly";
const char kHistory[] = "muc#maxhistoryfetch";
const char kHistoryLength[] = "muc#roomconfig_historylength";

QVariant formValue(const QXmppDataForm& form, const QString& key) {
  const auto fields = form.fields();
  for (const QXmppDataForm::Field& f : fields)
    if (f.key() == key) return f.value();
  return QVariant();
}

// A boolean field as the service sends it: true, or the text "1"/"true".
bool formBool(const QXmppDataForm& form, const QString& key) {
  const QVariant v = formValue(form, key);
  if (v.type() == QVariant::Bool) return v.toBool();
  const QString text = v.toString().trimmed().toLower();
  return text == QLatin1String("1") || text == QLatin1String("true");
}

// The history a form keeps for joining users: the larger of its two fields.
int formHistory(const QXmppDataForm& form) {
  return qMax(formValue(form, QLatin1String(kHistory)).toString().trimmed().toInt(),
              formValue(form, QLatin1String(kHistoryLength)).toString().trimmed().toInt());
}

// A number written as the field takes it: a list offers its own values, so
// the largest of them not above the number is chosen (the smallest when
// none is); any other field takes the number itself.
void setNumber(QXmppDataForm::Field& field, int number) {
  if (field.type() != QXmppDataForm::Field::ListSingleField || field.options().isEmpty()) {
    field.setValue(number);
    return;
  }
  QString best;
  int bestValue = 0;
  QString smallest;
  int smallestValue = 0;
  const auto options = field.options();
  for (const QPair<QString, QString>& option : options) {
    bool ok = false;
    const int value = option.second.trimmed().toInt(&ok);
    if (!ok) continue;
    if (smallest.isNull() || value < smallestValue) {
      smallest = option.second;
      smallestValue = value;
    }
    if (value <= number && (best.isNull() || value > bestValue)) {
      best = option.second;
      bestValue = value;
    }
  }
  if (!best.isNull())
    field.setValue(best);
  else if (!smallest.isNull())
    field.setValue(smallest);
}

// The form's texts; each caller marks its text with the form's context
// (QT_TRANSLATE_NOOP), which is how lupdate finds it.
QString tx(const char* text) { return QCoreApplication::translate("ConfigureRoomDialog", text); }
}  // namespace

ConfigureRoom::ConfigureRoom(const QString& roomJid, const QXmppDataForm& form, bool creationMode,
                             int maximumHistory,
                             RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
                             QWidget* parent)
    : Widgets::Window(parent, false, true),
      m_ui(new Ui::ConfigureRoomDialog),
      m_roomJid(roomJid),
      m_form(form),
      m_creationMode(creationMode),
      m_maximumHistory(maximumHistory) {
  setObjectName(QStringLiteral("configureRoom"));
  m_ui->setupUi(this);
  m_validator = new QRegExpValidator(validName(), this);
  setCanMaximize(false);
  setResizable(false);
  setTexts();
  m_members = new Models::Chat::RoomMembersModel(contacts, this);
  m_ui->membersList->setModel(m_members);
  m_ui->membersWidget->setContentsMargins(0, 0, 0, 0);
  connect(m_ui->createButton, SIGNAL(clicked()), this, SLOT(accepted()));
  connect(m_ui->editButton, SIGNAL(clicked()), this, SLOT(accepted()));
  connect(m_ui->cancelButton, SIGNAL(clicked()), this, SLOT(close()));
  connect(m_ui->removeButton, SIGNAL(clicked()), this, SLOT(removeClicked()));
  connect(m_ui->privateRoomButton, SIGNAL(toggled(bool)), this, SLOT(privateStatusChanged(bool)));
  if (m_creationMode) {
    m_ui->editButton->hide();
    m_ui->enableHistory->setChecked(true);
    m_ui->membersWidget->hide();
    resize(m_ui->mainLayout->sizeHint());
  } else {
    m_ui->createButton->hide();
    loadForm();
  }
  enableCreateIfValidName();
  connect(m_ui->nameEdit, SIGNAL(textEdited(QString)), this, SLOT(enableCreateIfValidName()));
  // The name is what the user came to type.
  m_ui->nameEdit->setFocus(Qt::OtherFocusReason);
  // Esc leaves as Cancel does.
  leaveOnEscape();
}

ConfigureRoom::~ConfigureRoom() { delete m_ui; }

void ConfigureRoom::loadForm() {
  const bool membersOnly = formBool(m_form, QLatin1String(kMembersOnly));
  if (membersOnly)
    m_ui->privateRoomButton->setChecked(true);
  else
    m_ui->publicRoomButton->setChecked(true);
  privateStatusChanged(membersOnly);
  m_ui->enableHistory->setChecked(formHistory(m_form) > 0);
  QString name = formValue(m_form, QLatin1String(kRoomName)).toString();
  // A room the service keeps no title for (some give a new room none) goes
  // by the name in its address, as the rooms list shows it: that is the
  // name offered, and Save leaves the title as it was unless it is changed.
  if (name.trimmed().isEmpty()) name = m_roomJid.section(QLatin1Char('@'), 0, 0);
  m_ui->nameEdit->setText(name);
  // What the form said, so that Save changes only what the user changed.
  m_loadedPrivate = membersOnly;
  m_loadedHistory = m_ui->enableHistory->isChecked();
  m_loadedName = m_ui->nameEdit->text().trimmed();
}

void ConfigureRoom::setTexts() {
  if (m_maximumHistory > 0)
    m_ui->enableHistory->setToolTip(
        tx(QT_TRANSLATE_NOOP(
               "ConfigureRoomDialog",
               "If you enable the history anyone joining this room will see the last %1 messages "
               "sent"))
            .arg(m_maximumHistory));
  setTitle(m_creationMode ? tx(QT_TRANSLATE_NOOP("ConfigureRoomDialog", "Create Room"))
                          : tx(QT_TRANSLATE_NOOP("ConfigureRoomDialog", "Edit Room")));
}

QString ConfigureRoom::helpContext() const {
  return m_creationMode ? QStringLiteral("createRoom") : QStringLiteral("editRoom");
}

void ConfigureRoom::setMembers(const QStringList& jids) { m_members->addMembers(jids); }

void ConfigureRoom::enableCreateIfValidName() {
  const QString text = m_ui->nameEdit->text();
  QString clean = text;
  clean.replace(forbiddenCharacters(), QStringLiteral(" "));
  if (clean != text) {
    const int cursor = m_ui->nameEdit->cursorPosition();
    m_ui->nameEdit->setText(clean);
    m_ui->nameEdit->setCursorPosition(cursor);
  }
  QString candidate = clean.trimmed();
  int pos = 0;
  const bool valid = m_validator->validate(candidate, pos) == QValidator::Acceptable;
  // Once accepted nothing is created or saved a second time.
  m_ui->createButton->setEnabled(valid && m_online && !m_accepting);
  m_ui->editButton->setEnabled(valid && !m_accepting);
}

void ConfigureRoom::enableCreate() {
  m_online = true;
  enableCreateIfValidName();
}

void ConfigureRoom::disableCreate() {
  m_online = false;
  m_ui->createButton->setEnabled(false);
}

void ConfigureRoom::privateStatusChanged(bool checked) {
  if (m_creationMode) return;
  m_ui->membersWidget->setEnabled(checked);
  m_ui->membersList->setModel(checked ? m_members : nullptr);
}

void ConfigureRoom::removeClicked() {
  const QStringList jids = m_members->checkedJids();
  if (jids.isEmpty()) return;
  emit removeParticipants(m_roomJid, jids);
  m_members->removeChecked();
}

void ConfigureRoom::accepted() {
  // A double click on Create or Save sends the form once.
  if (m_accepting) return;
  m_accepting = true;
  m_ui->createButton->setEnabled(false);
  m_ui->editButton->setEnabled(false);
  const bool wasMembersOnly = formBool(m_form, QLatin1String(kMembersOnly));
  const bool isPrivate = m_ui->privateRoomButton->isChecked();
  const bool history = m_ui->enableHistory->isChecked();
  const QString name = m_ui->nameEdit->text().trimmed();
  // A new room is set up as this program's rooms are: listed, kept when
  // empty, without a password. An existing room keeps every setting the
  // dialog does not show and every one the user left as it was, so that an
  // unchanged Save sends back exactly what came.
  const bool setUp = m_creationMode;
  const bool privateChanged = setUp || isPrivate != m_loadedPrivate;
  const bool historyChanged = setUp || history != m_loadedHistory;
  const bool nameChanged = setUp || name != m_loadedName;
  for (QXmppDataForm::Field& field : m_form.fields()) {
    const QString key = field.key();
    if (setUp && key == QLatin1String("muc#roomconfig_publicroom"))
      field.setValue(true);
    else if (setUp && key == QLatin1String("muc#roomconfig_persistentroom"))
      field.setValue(true);
    else if (setUp && key == QLatin1String("muc#roomconfig_passwordprotectedroom"))
      field.setValue(false);
    else if (privateChanged && key == QLatin1String(kMembersOnly))
      field.setValue(isPrivate);
    else if (historyChanged &&
             (key == QLatin1String(kHistory) || key == QLatin1String(kHistoryLength)))
      setNumber(field, history ? m_maximumHistory : 0);
    else if (nameChanged && key == QLatin1String(kRoomName))
      field.setValue(name);
  }
  m_form.setType(QXmppDataForm::Submit);
  emit roomConfigAccepted(m_roomJid, m_form, m_creationMode);
  if (!m_creationMode && !wasMembersOnly && isPrivate)
    MessageWindow::showInformation(
        tx(QT_TRANSLATE_NOOP("ConfigureRoomDialog", "Room Changed to Private Room")),
        tx(QT_TRANSLATE_NOOP("ConfigureRoomDialog",
                             "Chat room changed to private room, re-invite members to chat room.")),
        false);
  close();
}

void ConfigureRoom::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    m_ui->retranslateUi(this);
    setTexts();
  }
  Widgets::Window::changeEvent(event);
}

void ConfigureRoom::keyPressEvent(QKeyEvent* event) {
  // Enter presses the button that has the focus, else the dialog's own:
  // Create, or Save; a disabled one does nothing.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    auto* button = qobject_cast<QAbstractButton*>(focusWidget());
    if (!button || qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button))
      button = m_creationMode ? m_ui->createButton : m_ui->editButton;
    if (button->isEnabled()) button->click();
    event->accept();
    return;
  }
  Widgets::Window::keyPressEvent(event);
}

void ConfigureRoom::closeEvent(QCloseEvent* event) {
  if (!m_accepting) emit roomConfigCanceled(m_roomJid);
  Widgets::Window::closeEvent(event);
}

// ---------------------------------------------------------------------------

DeleteRoomDialog::DeleteRoomDialog(const QString& roomJid, const QString& roomName, QWidget* parent)
    : Widgets::Window(parent, false, true),
      m_ui(new Ui::ConfirmRoomDeletion),
      m_roomJid(roomJid),
      m_roomName(roomName) {
  setObjectName(QStringLiteral("deleteRoom"));
  m_ui->setupUi(this);
  setCanMaximize(false);
  setResizable(false);
  // The name is whatever the room's owner called it: never markup.
  m_ui->label->setTextFormat(Qt::PlainText);
  setTexts();
  connect(m_ui->yesButton, SIGNAL(clicked()), this, SLOT(checkAlwaysAskStatus()));
  connect(m_ui->noButton, SIGNAL(clicked()), this, SLOT(checkAlwaysAskStatus()));
  connect(m_ui->yesButton, SIGNAL(clicked()), this, SLOT(close()));
  connect(m_ui->noButton, SIGNAL(clicked()), this, SLOT(close()));
  connect(m_ui->yesButton, SIGNAL(clicked()), this, SLOT(accepted()));
  // The keyboard starts on Cancel, drawn as the default: Enter on the
  // question keeps the room. Esc leaves, as Cancel does.
  m_ui->noButton->setDefault(true);
  m_ui->noButton->setFocus(Qt::OtherFocusReason);
  leaveOnEscape();
}

DeleteRoomDialog::~DeleteRoomDialog() { delete m_ui; }

void DeleteRoomDialog::setTexts() {
  m_ui->label->setText(
      QCoreApplication::translate("ConfirmRoomDeletion", "Are you sure you want to delete %1?")
          .arg(m_roomName));
  setTitle(QCoreApplication::translate("ConfirmRoomDeletion", "Delete Room?"));
}

void DeleteRoomDialog::checkAlwaysAskStatus() {
  RAZ::Settings(RAZ::Settings::User)
      .setValue(Utils::SettingsKey::ConfirmDeleteChatRoom, m_ui->alwaysAskCheckBox->isChecked());
}

void DeleteRoomDialog::accepted() { emit accepted(m_roomJid); }

void DeleteRoomDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    m_ui->retranslateUi(this);
    setTexts();
  }
  Widgets::Window::changeEvent(event);
}

}  // namespace Dialogs
