#include "Utils/WindowManagerChatHelper.h"

#include <RAZ/Configuration/Config.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/ChatInterface.h>
#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/Controllers/FtController.h>
#include <RAZ/Controllers/MyRoomController.h>
#include <RAZ/Controllers/XmppChat.h>
#include <RAZ/Controllers/XmppChatController.h>
#include <RAZ/Models/ChatParticipants.h>
#include <RAZ/MyRoom/Controller.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Settings.h>
#include <RAZ/Webcollab/WebcollabControllerBase.h>
#include <TP/Core/Logging.h>

#include "Models/Chat/MessageModel.h"
#include "Providers/Factory.h"
#include "Utils/ConfigIds.h"
#include "Utils/NotificationManager.h"
#include "Utils/SettingsKeys.h"
#include "Utils/Sounds/SettingsBoolPlayer.h"
#include "Utils/WindowManager.h"
#include "Widgets/Notifications/CommunicationNotification.h"
#include "dialogs/ConfigureRoom.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/XmppPasswordDialog.h"
#include "libqml/components/CommunicationsWindow.h"

namespace Utils {

using RAZ::Controllers::ChatInterface;
using RAZ::Controllers::CommunicationSession;

namespace {
const char kLog[] = "Utils::WindowManagerChatHelper";

// A room dialog comes up over the window the user works in (the main
// window's room list, or the room's own window), active, so that the user
// can type into it at once.
QWidget* present(QWidget* dialog, QWidget* owner = nullptr) {
  dialog->adjustSize();
  QWidget* placedOver = Utils::WindowManager::placeOver(dialog, owner);
  dialog->show();
  dialog->raise();
  dialog->activateWindow();
  return placedOver;
}
// The transcript model a window got from this handler carries its chat, so
// that wiring the same chat again keeps it.
const char kChatProperty[] = "zentTranscriptChat";
}  // namespace

WindowManagerChatHelper::WindowManagerChatHelper(NotificationManager* notifications,
                                                 QObject* parent)
    : QObject(parent), m_notifications(notifications) {
  qRegisterMetaType<QXmppDataForm>();
  qRegisterMetaType<RAZ::Controllers::ChatError::ChatRoomJoinError>();
}

WindowManagerChatHelper::~WindowManagerChatHelper() {
  // Open configuration dialogs belong to the session that ends with us.
  const QList<Dialogs::ConfigureRoom*> dialogs = m_configureWindows.values();
  m_configureWindows.clear();
  for (Dialogs::ConfigureRoom* d : dialogs) {
    disconnect(d, nullptr, this, nullptr);
    d->deleteLater();
  }
  for (const auto& p : qAsConst(m_passwordDialogs))
    if (p) p->deleteLater();
}

bool WindowManagerChatHelper::initialize(
    RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts,
    RAZ::Sessions::SessionManagerBase* sessionManager, Providers::Factory* factory,
    TP::Core::Refcounting::SmartPtr<RAZ::Models::SmileysPtr> smileys) {
  if (contacts.data() != m_contacts.data()) m_contacts = contacts;
  m_sessionManager = sessionManager;
  m_factory = factory;
  m_smileys = smileys;
  RAZ::Controllers::XmppChatController* rooms =
      sessionManager ? sessionManager->xmppChatController() : nullptr;
  if (!rooms) return true;
  const Qt::ConnectionType unique = Qt::UniqueConnection;
  connect(this, SIGNAL(passwordEnterCanceled(QString)), rooms, SLOT(passwordEnterCanceled(QString)),
          unique);
  connect(this, SIGNAL(passwordEntered(QString, QString)), rooms,
          SLOT(passwordEntered(QString, QString)), unique);
  connect(rooms,
          SIGNAL(xmppRoomConfigReceived(QString, QXmppDataForm, RAZ::Controllers::XmppChat*)), this,
          SLOT(xmppRoomConfigReceived(QString, QXmppDataForm, RAZ::Controllers::XmppChat*)),
          unique);
  connect(this, SIGNAL(roomConfigured(QString, QXmppDataForm)), rooms,
          SLOT(roomConfigured(QString, QXmppDataForm)), unique);
  connect(rooms, SIGNAL(roomDestructionFailed(QString)), this, SLOT(roomDestructionFailed()),
          unique);
  connect(rooms, SIGNAL(roomConfigurationForbidden()), this, SLOT(roomConfigurationForbidden()),
          unique);
  connect(rooms, SIGNAL(memberListReceived(QString, QStringList)), this,
          SLOT(onMemberListReceived(QString, QStringList)), unique);
  connect(rooms, SIGNAL(roomNotFound(QString)), this, SLOT(roomNotFound()), unique);
  return true;
}

Dialogs::ConfigureRoom* WindowManagerChatHelper::configureWindow(const QString& roomJid) const {
  return m_configureWindows.value(roomJid, nullptr);
}

Widgets::Conference::XmppPasswordDialog* WindowManagerChatHelper::passwordDialog(
    const QString& roomJid) const {
  return m_passwordDialogs.value(roomJid).data();
}

QString WindowManagerChatHelper::roomName(const QString& roomJid) const {
  RAZ::Controllers::XmppChatController* rooms =
      m_sessionManager ? m_sessionManager->xmppChatController() : nullptr;
  if (!rooms) return QString();
  if (RAZ::Controllers::XmppChat* chat = rooms->roomChat(roomJid))
    if (!chat->getRoomName().isEmpty()) return chat->getRoomName();
  return rooms->roomName(roomJid);
}

bool WindowManagerChatHelper::alwaysOnTop() const {
  return m_factory && m_factory->isAlwaysOnTop();
}

void WindowManagerChatHelper::showError(const QString& title, const QString& text) {
  Dialogs::MessageWindow* box = Dialogs::MessageWindow::showCritical(title, text, alwaysOnTop());
  if (box) connect(this, SIGNAL(destroyed()), box, SLOT(close()));
}

void WindowManagerChatHelper::showWarning(const QString& title, const QString& text) {
  Dialogs::MessageWindow::showWarning(title, text, alwaysOnTop());
}

// ---- Rooms ----

void WindowManagerChatHelper::roomConfigAccepted(const QString& roomJid, const QXmppDataForm& form,
                                                 bool created) {
  emit roomConfigured(roomJid, form);
  if (created) emit projectRoomCreated();
}

void WindowManagerChatHelper::roomConfigDestroyed(QObject* dialog) {
  if (!dialog) return;
  for (auto it = m_configureWindows.begin(); it != m_configureWindows.end(); ++it) {
    if (static_cast<QObject*>(it.value()) == dialog) {
      m_configureWindows.erase(it);
      return;
    }
  }
}

void WindowManagerChatHelper::handleAuthFailError(
    const QString& roomJid, RAZ::Controllers::ChatError::ChatRoomJoinError error) {
  using namespace RAZ::Controllers::ChatError;
  switch (error) {
    case PasswordRequired:
    case PasswordWrong: {
      // One prompt per room: a second report raises the one that is open.
      // A prompt that has answered is closing; the service's verdict on
      // that answer (a wrong password) gets a prompt of its own.
      Widgets::Conference::XmppPasswordDialog* open = m_passwordDialogs.value(roomJid);
      if (open && open->isVisible() && !open->hasAnswered()) {
        open->raise();
        open->activateWindow();
        return;
      }
      auto* dialog =
          new Widgets::Conference::XmppPasswordDialog(roomJid, int(error), alwaysOnTop());
      dialog->setRoomName(roomName(roomJid));
      connect(dialog, SIGNAL(passwordEnterCanceled(QString)), this,
              SIGNAL(passwordEnterCanceled(QString)));
      connect(dialog, SIGNAL(passwordEntered(QString, QString)), this,
              SIGNAL(passwordEntered(QString, QString)));
      m_passwordDialogs.insert(roomJid, dialog);
      QWidget* before = error == PasswordWrong ? m_passwordOwners.value(roomJid).data() : nullptr;
      m_passwordOwners.insert(roomJid, present(dialog, before));
      return;
    }
    case MembersOnly:
      showWarning(tr("Private Room"),
                  tr("This private room is restricted to members only. Since you are not a "
                     "member of this room, you are not able to join."));
      return;
    case Banned:
      showWarning(tr("Error joining room"), tr("You are banned from the room and cannot join"));
      return;
    default:
      return;
  }
}

void WindowManagerChatHelper::xmppRoomConfigReceived(const QString& roomJid,
                                                     const QXmppDataForm& form,
                                                     RAZ::Controllers::XmppChat* chat) {
  RAZ::Sessions::SessionManagerBase* session = m_sessionManager.data();
  if (session && session->myroomController() &&
      session->myroomController()->isMyRoomChat(roomJid)) {
    Dialogs::MessageWindow::showInformation(
        tr("Unable to Join"),
        tr("It seems the room you have selected has not been configured. We are sorry for the "
           "inconvenience."),
        alwaysOnTop());
    if (chat) chat->close();
    return;
  }
  if (Dialogs::ConfigureRoom* open = m_configureWindows.value(roomJid, nullptr)) {
    open->raise();
    open->activateWindow();
    return;
  }
  const bool creation = chat && chat->state() == RAZ::Controllers::XmppChat::StateCreating;
  const RAZ::Configuration::Config* config = session ? session->configuration() : nullptr;
  const int maxHistory = config ? config->value(Utils::ConfigId::RoomHistorySize).toInt() : 0;
  auto* dialog = new Dialogs::ConfigureRoom(roomJid, form, creation, maxHistory, m_contacts);
  if (session) {
    if (RAZ::Sessions::SubSession* xmpp =
            session->subSession(RAZ::Sessions::SubSession::TypeXmpp)) {
      connect(xmpp, SIGNAL(online()), dialog, SLOT(enableCreate()));
      connect(xmpp, SIGNAL(offline()), dialog, SLOT(disableCreate()));
      if (!xmpp->isConnected()) dialog->disableCreate();
    }
  }
  connect(dialog, SIGNAL(roomConfigAccepted(QString, QXmppDataForm, bool)), this,
          SLOT(roomConfigAccepted(QString, QXmppDataForm, bool)));
  connect(dialog, SIGNAL(destroyed(QObject*)), this, SLOT(roomConfigDestroyed(QObject*)));
  RAZ::Controllers::XmppChatController* rooms = session ? session->xmppChatController() : nullptr;
  if (creation) {
    connect(dialog, SIGNAL(roomConfigCanceled(QString)), chat, SLOT(close()));
  } else if (rooms) {
    rooms->requestRoomMembers(roomJid);
    connect(dialog, SIGNAL(removeParticipants(QString, QStringList)), rooms,
            SLOT(removeParticipantsFromChat(QString, QStringList)));
  }
  m_configureWindows.insert(roomJid, dialog);
  present(dialog);
}

void WindowManagerChatHelper::deleteRoom(const QString& roomJid, const QString& roomName) {
  RAZ::Controllers::XmppChatController* rooms =
      m_sessionManager ? m_sessionManager->xmppChatController() : nullptr;
  if (!rooms) {
    TP_LOG(kLog, TP::Core::Logging::LevelWarning) << "No room service to delete a room with";
    return;
  }
  const bool ask = RAZ::Settings(RAZ::Settings::User)
                       .value(Utils::SettingsKey::ConfirmDeleteChatRoom, true)
                       .toBool();
  if (!ask) {
    rooms->destroyRoom(roomJid);
    return;
  }
  auto* dialog = new Dialogs::DeleteRoomDialog(roomJid, roomName);
  connect(dialog, SIGNAL(accepted(QString)), rooms, SLOT(destroyRoom(QString)));
  present(dialog);
}

void WindowManagerChatHelper::roomDestructionFailed() {
  showError(tr("Error Deleting Room"),
            tr("You are not the owner of this room. Only the owner can delete the room."));
}

void WindowManagerChatHelper::roomNotFound() {
  showWarning(tr("Error joining room"), tr("Chat room no longer exists"));
}

void WindowManagerChatHelper::roomConfigurationForbidden() {
  showError(tr("Error Editing Room"),
            tr("You are not the owner of this room. Only the owner can edit the room."));
}

void WindowManagerChatHelper::failedToAddContacts(QStringList names) {
  // The names are contact data: the message window shows plain text only.
  showError(tr("Error adding people"),
            tr("Unable to add the following people to the session because they have no IM "
               "address:\n%1")
                .arg(names.join(QLatin1Char('\n'))));
}

void WindowManagerChatHelper::onMemberListReceived(const QString& roomJid,
                                                   const QStringList& members) {
  if (Dialogs::ConfigureRoom* dialog = m_configureWindows.value(roomJid, nullptr)) {
    dialog->setMembers(members);
    return;
  }
  TP_LOG(kLog, TP::Core::Logging::LevelWarning)
      << "Received member list for room without config window: " << roomJid;
}

// ---- Chats ----

void WindowManagerChatHelper::chatNotificationAccepted() {
  auto* note = qobject_cast<QML::CommunicationNotification*>(sender());
  auto* session = note ? qobject_cast<CommunicationSession*>(note->session()) : nullptr;
  ChatInterface* chat = session ? session->getChatInterface() : nullptr;
  if (!chat) return;
  chat->accept();
  emit chatAccepted(session);
}

bool WindowManagerChatHelper::connectChat(CommunicationSession* session,
                                          QML::CommunicationsWindow* window) {
  ChatInterface* chat = session ? session->getChat() : nullptr;
  if (!chat || !window) return false;
  const Qt::ConnectionType unique = Qt::UniqueConnection;

  // The window lists the chat's parties (rooms show them beside the chat).
  if (chat->getParticipants()) window->setParticipantsModel(chat->getParticipants()->model());
  auto* model = qobject_cast<Models::Chat::MessageModel*>(window->messageModel());
  const bool sameChat = model && model->property(kChatProperty).value<QObject*>() == chat;
  if (!sameChat) {
    RAZ::Contacts::ContactPtr own = m_contacts ? m_contacts->ownContact() : nullptr;
    Models::Chat::MessageModel* old = model;
    model = new Models::Chat::MessageModel(window);
    model->setProperty(kChatProperty, QVariant::fromValue<QObject*>(chat));
    model->setParticipants(chat->getParticipants());
    model->setSmileys(m_smileys);
    model->setSourceModel(chat->getChatModel());
    if (own) model->setOwnDisplayName(own->getDisplayName());
    connect(chat, SIGNAL(typersChanged(QStringList)), model, SLOT(typersChanged(QStringList)),
            unique);
    if (!chat->isGroupChat()) {
      RAZ::Contacts::IContact* contact = session->getContact();
      if (!contact) {
        TP_LOG(kLog, TP::Core::Logging::LevelWarning) << "A one-to-one chat without a contact";
        delete model;
        return false;
      }
      model->setFtModel(transfersOf(session));
    }
    window->setMessageModel(model);
    // The window let go of the old transcript; it is no one's now.
    if (old && old->parent() == window) old->deleteLater();
  }
  window->setSmileys(m_smileys);
  connect(chat,
          SIGNAL(authorizationFailed(QString, RAZ::Controllers::ChatError::ChatRoomJoinError)),
          this, SLOT(handleAuthFailError(QString, RAZ::Controllers::ChatError::ChatRoomJoinError)),
          unique);
  connect(chat, SIGNAL(messageSendingFailed()), window, SLOT(messageSendingFailed()), unique);
  connect(window, SIGNAL(playIncomingMessageSound()), this, SLOT(playMessageSound()), unique);
  return true;
}

void WindowManagerChatHelper::playMessageSound() {
  if (!m_player) m_player = new Utils::Sounds::IncomingMessagePlayer(this);
  m_player->play();
}

RAZ::Models::FTModel* WindowManagerChatHelper::transfersOf(CommunicationSession* session) const {
  ChatInterface* chat = session ? session->getChat() : nullptr;
  RAZ::Contacts::IContact* contact = session ? session->getContact() : nullptr;
  if (!chat || chat->isGroupChat() || !contact) return nullptr;
  // The chat's own transfers when it keeps them, else the contact's.
  RAZ::Models::FTModel* ft = chat->getFtModel();
  if (!ft && m_sessionManager && m_sessionManager->ftController())
    ft = m_sessionManager->ftController()->getCreateFTModel(contact);
  return ft;
}

QML::CommunicationNotification* WindowManagerChatHelper::showChatNotification(
    CommunicationSession* session, NotificationManager* notifications,
    QML::CommunicationsWindow* window) {
  ChatInterface* chat = session ? session->getChatInterface() : nullptr;
  if (!chat || !notifications) return nullptr;
  if (RAZ::Webcollab::WebcollabControllerBase::containsShareTags(chat->getLastMessage()))
    return nullptr;
  // Read from the chat itself where no window (and no transcript) exists
  // yet: the first popup of a session does not wait for a window.
  auto* model =
      window ? qobject_cast<Models::Chat::MessageModel*>(window->messageModel()) : nullptr;
  const bool fileOffer = model ? model->lastActivityIsFileOffer()
                               : Models::Chat::MessageModel::lastActivityIsFileOffer(
                                     chat->getChatModel(), transfersOf(session));
  const auto type = fileOffer ? QML::CommunicationNotification::FiletransferNotification
                              : QML::CommunicationNotification::ChatNotification;
  QML::CommunicationNotification* note = notifications->addCommunicationNotification(session, type);
  if (!note) return nullptr;
  playMessageSound();
  const Qt::ConnectionType unique = Qt::UniqueConnection;
  connect(note, SIGNAL(chatNotificationAccepted()), this, SLOT(chatNotificationAccepted()), unique);
  connect(note, &QML::CommunicationNotification::chatNotificationIgnored, session,
          &CommunicationSession::closeChat, unique);
  if (window)
    connect(window, SIGNAL(windowVisible(bool, const QML::CommunicationsWindow*)), note,
            SLOT(close()), unique);
  connect(chat, SIGNAL(closed(RAZ::Controllers::ChatInterface*, int)), note, SLOT(close()), unique);
  connect(chat,
          SIGNAL(authorizationFailed(QString, RAZ::Controllers::ChatError::ChatRoomJoinError)),
          this, SLOT(handleAuthFailError(QString, RAZ::Controllers::ChatError::ChatRoomJoinError)),
          unique);
  return note;
}

void WindowManagerChatHelper::closeNotificationWithWindow(CommunicationSession* session,
                                                          NotificationManager* notifications,
                                                          QML::CommunicationsWindow* window) {
  if (!session || !notifications || !window) return;
  for (auto type : {QML::CommunicationNotification::ChatNotification,
                    QML::CommunicationNotification::FiletransferNotification})
    if (QML::CommunicationNotification* note =
            notifications->findCommunicationNotification(session, type))
      connect(window, SIGNAL(windowVisible(bool, const QML::CommunicationsWindow*)), note,
              SLOT(close()), Qt::UniqueConnection);
}

void WindowManagerChatHelper::detachFileTransfers(CommunicationSession*,
                                                  QML::CommunicationsWindow* window,
                                                  Providers::Factory*) {
  auto* model =
      window ? qobject_cast<Models::Chat::MessageModel*>(window->messageModel()) : nullptr;
  if (model) model->detachFtModel();
}

}  // namespace Utils
