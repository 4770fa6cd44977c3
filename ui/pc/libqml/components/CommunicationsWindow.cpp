#include "libqml/components/CommunicationsWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBoxLayout>
#include <QCursor>
#include <QDesktopWidget>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QQmlContext>
#include <QQuickItem>
#include <QScreen>
#include <QSortFilterProxyModel>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTimer>
#include <QtMath>

#include <algorithm>

#include <RAZ/Actions/Action.h>
#include <RAZ/Actions/Provider.h>
#include <RAZ/Actions/Source.h>
#include <RAZ/Configuration/Config.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/ChatInterface.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/PartyName.h>
#include <RAZ/Controllers/SecurityClassificationController.h>
#include <RAZ/Controllers/XmppChatController.h>
#include <RAZ/Data/FTAdapter.h>
#include <RAZ/Models/ChatParticipants.h>
#include <RAZ/Models/FTModel.h>
#include <RAZ/Sessions/Session.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Settings.h>
#include <RAZ/Webcollab/WebcollabBase.h>
#include <TP/Core/Logging.h>

#include "Application.h"
#include "Providers/Factory.h"
#include "Providers/QmlProviders.h"
#include "Utils/Accessibility.h"
#include "Utils/CommunicationSessionUiHelper.h"
#include "Utils/CommunicationsWindowMenuActions.h"
#include "Utils/ConfigIds.h"
#include "Utils/FileNames.h"
#include "Utils/ParticipantMenuActions.h"
#include "Utils/PresenceState.h"
#include "Utils/SettingsKeys.h"
#include "Utils/StringHelper.h"
#include "Utils/TextFieldActionsHandler.h"
#include "Utils/WindowManager.h"
#include "Widgets/Custom/VideoCall.h"
#include "Widgets/Notifications/CommunicationOverlay.h"
#include "Widgets/Notifications/CommunicationWindowDialpad.h"
#include "Widgets/Notifications/ContactMouseOver.h"
#include "Widgets/Notifications/WebcollabSharingNotification.h"
#include "dialogs/FileDialog.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/PreferencesWindow.h"
#include "libqml/components/CallDebugWindow.h"
#include "libqml/components/MainWindow.h"
#include "libqml/window/View.h"

namespace QML {

using RAZ::Controllers::CommunicationSession;
using RAZ::MediaEngine::CallBasePtr;
namespace L = QML::CommsLayout;

namespace {

const char* const kLog = "QML::CommunicationsWindow";

// The contacts a call can be handed to or joined with: the list, without
// the party already on the call.
class PartyPickerModel : public QSortFilterProxyModel {
 public:
  PartyPickerModel(const QPointer<CommunicationSession>& session, QObject* parent)
      : QSortFilterProxyModel(parent), m_session(session) {}

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
    const int party = m_session ? m_session->contactId() : -1;
    if (party > 0 && sourceModel() &&
        sourceModel()->index(row, 0, parent).data(RAZ::Contacts::Contacts::IdRole).toInt() == party)
      return false;
    return QSortFilterProxyModel::filterAcceptsRow(row, parent);
  }

 private:
  QPointer<CommunicationSession> m_session;
};
const QString kScenes = QStringLiteral("qrc:/windows/CommunicationsWindow/");

// The window a new communications window opens from: the one the user works
// in, else the main window.
QWidget* ownerWindow(QWidget* window) {
  QWidget* active = QApplication::activeWindow();
  if (active && active != window) return active;
  auto* app = qobject_cast<Application*>(QCoreApplication::instance());
  return app ? app->mainWindow() : nullptr;
}
const QString kContactMime = QStringLiteral("application/zent.contact");
const QString kFilesMime = QStringLiteral("text/uri-list");

// Platform actions of the window's toolbar and options menu.
using RAZ::Actions::Action;
const QList<Action::Id> kToolbarActions = {
    Action::Chat,         Action::Call,         Action::CallFromPhone, Action::VideoCall,
    Action::DesktopShare, Action::FileTransfer, Action::ParkCall};
const QList<Action::Id> kMenuActions = {Action::JoinRoom, Action::ViewProfile, Action::EditProfile,
                                        Action::AddContact};
const QList<Action::Id> kParticipantActions = {Action::ViewProfile, Action::EditProfile,
                                               Action::AddContact};
// Call states of the stand-in engine in which no debug window is offered.
const int kIncomingState = CallBasePtr::StateIncoming;
const int kEarlyMediaState = CallBasePtr::StateEarlyMedia;
// The share's states: closed, and presenting (own preview off).
const int kShareClosed = RAZ::Webcollab::WebcollabBase::StateClosed;
const int kShareSharing = RAZ::Webcollab::WebcollabBase::Sharing;
const int kOverlayMinHeight = 70;
const int kOverlayMaxHeight = 150;

bool hasVideoMedia(const CallBasePtr* call) {
  // Media both ways or towards the user only carries a picture; none shows none.
  const int media = call->getMediaState();
  return media == CallBasePtr::MediaBothWays || media == CallBasePtr::MediaTowardsUser;
}

}  // namespace

CommunicationsWindow::CommunicationsWindow(RAZ::Sessions::SessionManagerBase* sessionManager,
                                           CommunicationSession* session,
                                           Providers::Factory* factory, bool alwaysOnTop,
                                           QWidget* parent)
    : Window(alwaysOnTop, parent),
      m_sessionManager(sessionManager),
      m_session(session),
      m_factory(factory),
      m_alwaysOnTop(alwaysOnTop) {
  qRegisterMetaType<const QML::CommunicationsWindow*>("const QML::CommunicationsWindow*");
  // The panes are scenes of their own; the window's own view stays empty.
  view()->hide();

  createPanes();
  setupPanes();
  layoutPanes();
  TP_LOG(kLog, TP::Core::Logging::LevelInformation) << "CommunicationsWindow";

  m_participants = new RAZ::Models::ChatParticipantsSort(primarySortField(), this);
  createActionProviders();
  callChanged();
  connectSession();

  showSessionState();
  createMenus();
  connectWindow();
}

// One scene per pane (call, chat, footer, participants, security bar,
// shared screen), the video surface, the overlay and the dial pad.
void CommunicationsWindow::createPanes() {
  m_callView = new View(this);
  m_chatView = new View(this);
  m_footerView = new View(this);
  m_participantsView = new View(this);
  m_securityBarView = new View(this);
  m_videoSurface = new Widgets::Custom::VideoCall(this);
  m_shareView = new View(this);
  m_overlay = new CommunicationOverlay(m_session.data(), this);
  m_dialpad = new CommunicationWindowDialpad(m_session.data(), this);
  m_dialpad->hide();
  m_sessionUiHelper = new Utils::CommunicationSessionUiHelper(
      m_sessionManager ? m_sessionManager->contactsManager()
                       : RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts>(),
      this);
  m_callView->setObjectName(QStringLiteral("callView"));
  m_chatView->setObjectName(QStringLiteral("chatView"));
  m_footerView->setObjectName(QStringLiteral("footerView"));
  m_participantsView->setObjectName(QStringLiteral("participantsView"));
  m_securityBarView->setObjectName(QStringLiteral("securityBarView"));
  m_shareView->setObjectName(QStringLiteral("shareView"));
}

// What every pane's scene binds to, and the fixed sizes of the bars.
void CommunicationsWindow::setupPanes() {
  setAcceptDrops(true);
  setContentsMargins(0, 0, 0, 0);

  for (View* v :
       {m_callView, m_chatView, m_footerView, m_participantsView, m_securityBarView, m_shareView}) {
    v->setResizeMode(QQuickWidget::SizeRootObjectToView);
    v->setSizePolicy(QSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred));
    v->rootContext()->setContextProperty(QStringLiteral("rootWindow"), this);
    v->setAcceptDrops(false);
  }
  m_callView->setMinimumSize(L::kCallViewMinWidth, L::kCallViewMinHeight);
  m_callView->setMaximumSize(L::kUnbounded, L::kUnbounded);
  // The action hub's scene helpers (null without a hub, e.g. in tests).
  QObject* pictures = m_factory ? m_factory->profilePictureHelper() : nullptr;
  QObject* volume = m_factory ? m_factory->mediaVolumeHelper() : nullptr;
  m_callView->rootContext()->setContextProperty(QStringLiteral("profilePictureHelper"), pictures);
  m_footerView->setFixedHeight(L::kFooterHeight);
  m_footerView->rootContext()->setContextProperty(QStringLiteral("mediaVolumeHelper"), volume);
  m_participantsView->rootContext()->setContextProperty(QStringLiteral("profilePictureHelper"),
                                                        pictures);
  m_securityBarView->setFixedHeight(L::kSecurityBarHeight);
  RAZ::Controllers::SecurityClassificationController* classification =
      m_sessionManager ? m_sessionManager->securityClassificationController() : nullptr;
  m_securityBarView->rootContext()->setContextProperty(
      QStringLiteral("callClassificationsModel"),
      classification ? classification->getCallClassificationsModel() : nullptr);
}

// The security bar above, the footer below, and between them the
// participants, the chat column, the call and the shared screen.
void CommunicationsWindow::layoutPanes() {
  auto* outer = new QVBoxLayout;
  m_contentLayout = new QHBoxLayout;
  m_columnLayout = new QVBoxLayout;
  for (QBoxLayout* l : {static_cast<QBoxLayout*>(outer), m_contentLayout, m_columnLayout}) {
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
  }
  outer->addWidget(m_securityBarView);
  outer->addLayout(m_contentLayout);
  outer->addWidget(m_footerView);
  m_contentLayout->addWidget(m_participantsView);
  m_contentLayout->addLayout(m_columnLayout);
  m_contentLayout->addWidget(m_callView);
  m_contentLayout->addWidget(m_shareView);
  m_columnLayout->addWidget(m_chatView);
  setProperty("contentLayout", QVariant::fromValue<QObject*>(m_contentLayout));
  setProperty("videoParticipantsChatLayout", QVariant::fromValue<QObject*>(m_columnLayout));
  setLayout(outer);
  m_videoSurface->hide();

  m_overlay->setResizeMode(QQuickWidget::SizeRootObjectToView);
  m_overlay->setMinimumHeight(kOverlayMinHeight);
  m_overlay->setMaximumHeight(kOverlayMaxHeight);
  m_overlay->rootContext()->setContextProperty(QStringLiteral("rootWindow"), this);
  m_overlay->setAcceptDrops(false);

  connect(m_videoSurface, SIGNAL(videoDoubleClicked()), this, SLOT(videoDoubleClicked()));
}

void CommunicationsWindow::createActionProviders() {
  const RAZ::Configuration::Config* config =
      m_sessionManager ? m_sessionManager->configuration() : nullptr;
  // Through the action hub the providers carry its enablers, dispatch and
  // confirmations; without one they only list what the session offers.
  m_actionsProvider =
      m_factory ? m_factory->createActionProvider(this) : new RAZ::Actions::Provider(config, this);
  m_actionsProvider->setAcceptedActions(kToolbarActions, false);
  m_actionsProvider->setActionSource(m_session.data());
  m_menuActionsProvider =
      m_factory ? m_factory->createActionProvider(this) : new RAZ::Actions::Provider(config, this);
  m_menuActionsProvider->setAcceptedActions(kMenuActions, false);
  if (m_session) m_session->setActionsProvider(m_actionsProvider);
}

// The layout and the title of the session as it is when the window opens.
void CommunicationsWindow::showSessionState() {
  updateLayout(m_session ? m_session->getState() : 0u);
  if (m_session && (m_session->getState() & CommunicationSession::StateGroup))
    setRoomTitle();
  else
    contactChanged();
}

void CommunicationsWindow::createMenus() {
  const RAZ::Configuration::Config* config =
      m_sessionManager ? m_sessionManager->configuration() : nullptr;
  m_menuActions = new Utils::Actions::CommunicationsWindowMenuActions(
      m_sessionManager ? m_sessionManager->contactsManager()
                       : RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts>(),
      m_sessionManager ? m_sessionManager->commsSessionController() : nullptr, this, this);
  connect(this, SIGNAL(showOwnVideoChanged()), m_menuActions, SLOT(refreshCallSpecificActions()));
  RAZ::Actions::Provider* participantProvider =
      m_factory ? m_factory->createActionProvider(this) : new RAZ::Actions::Provider(config, this);
  participantProvider->setAcceptedActions(kParticipantActions, false);
  m_participantMenuActions = new Utils::Actions::ParticipantMenuActions(
      m_sessionManager ? m_sessionManager->xmppChatController() : nullptr, participantProvider,
      this);
  m_textFieldActionsHandler = new Utils::TextFieldActionsHandler(this);
  if (m_factory) m_configXml = m_factory->configXml();
}

// The chat service's state, the screens' changes and the close key.
void CommunicationsWindow::connectWindow() {
  if (m_sessionManager) {
    if (RAZ::Sessions::SubSession* xmpp =
            m_sessionManager->subSession(RAZ::Sessions::SubSession::TypeXmpp)) {
      connect(xmpp, SIGNAL(online()), this, SIGNAL(xmppConnectedChanged()));
      connect(xmpp, SIGNAL(offline()), this, SIGNAL(xmppConnectedChanged()));
    }
  }

  // The base window resets the minimum size when a screen changes; the
  // layout's minimum, which follows the session, is put back after it.
  const auto screens = QGuiApplication::screens();
  for (QScreen* screen : screens)
    connect(screen, SIGNAL(availableGeometryChanged(QRect)), this, SLOT(relayout()));
  connect(this, SIGNAL(resizableChanged()), this, SLOT(relayout()));

  closeOnKeys(CloseKeys::CtrlW);
}

CommunicationsWindow::~CommunicationsWindow() {
  // The scenes go first, while the window they bind to is still whole.
  delete m_callView;
  delete m_chatView;
  delete m_dialpad;
  delete m_footerView;
  delete m_participantsView;
  delete m_securityBarView;
  delete m_videoSurface;
  delete m_shareView;
  delete m_overlay;
  delete m_participantMouseOver.data();
  delete m_menuActions;
  m_menuActions = nullptr;
  emit windowVisible(false, this);
}

// ---- Session wiring ----

void CommunicationsWindow::connectSession() {
  emit sessionChanged();
  if (!m_session) return;
  CommunicationSession* s = m_session.data();
  const Qt::ConnectionType unique = Qt::UniqueConnection;
  connect(s, SIGNAL(destroyed()), this, SLOT(close()), unique);
  connect(s, SIGNAL(sessionStateChanged(RAZ::Controllers::CommunicationSession*, uint, uint, bool)),
          this,
          SLOT(sessionStateChanged(RAZ::Controllers::CommunicationSession*, uint, uint, bool)),
          unique);
  connect(s, SIGNAL(contactChanged()), this, SLOT(contactChanged()), unique);
  connect(s, SIGNAL(callChanged()), this, SLOT(callChanged()), unique);
  connect(s, SIGNAL(chatActiveChanged()), this, SLOT(chatActiveChanged()), unique);
  connect(s, SIGNAL(activated()), this, SLOT(showAndActivate()), unique);
  connect(s, SIGNAL(participantUpdated()), this, SLOT(setRoomTitle()), unique);
  connect(s,
          SIGNAL(videoStateChanged(RAZ::MediaEngine::CallBasePtr*,
                                   RAZ::MediaEngine::CallBasePtr::CallState)),
          this, SLOT(videoStateChanged(RAZ::MediaEngine::CallBasePtr*)), unique);
  if (RAZ::Webcollab::WebcollabBase* collab = s->getWebCollab()) {
    connect(this, SIGNAL(webcollabNotificationAccepted()), collab, SLOT(acceptParticipantSession()),
            unique);
    connect(this, SIGNAL(webcollabNotificationIgnored()), collab, SLOT(rejectParticipantSession()),
            unique);
    connect(collab, SIGNAL(stateChanged()), this, SLOT(webcollabStateChanged()), unique);
    connect(collab, SIGNAL(kicked()), this, SLOT(onKickedFromShare()), unique);
    connect(collab, SIGNAL(ussError(USSClient::USSLIBERROR, USSClient::ErrorType)), this,
            SLOT(onUSSerror(USSClient::USSLIBERROR, USSClient::ErrorType)), unique);
  }
  connect(s, SIGNAL(hasAssociatedFirstCallChanged()), this, SLOT(contactNameOrPresenceChanged()),
          unique);
  if (RAZ::Controllers::ChatInterface* chat = s->getChatInterface()) {
    if (chat->isRoom()) {
      connect(chat, SIGNAL(kicked(QString)), this, SLOT(onKickedFromChat(QString)), unique);
    }
  }
}

bool CommunicationsWindow::loadScene(View* v, const QString& url) {
  v->setSource(QUrl(kScenes + url));
  if (v->status() == QQuickWidget::Error || !v->rootObject()) {
    const auto errors = v->errors();
    for (const QQmlError& e : errors) TP_LOG(kLog, TP::Core::Logging::LevelError) << e.toString();
    return false;
  }
  return true;
}

void CommunicationsWindow::Activate() {
  TP_LOG(kLog, TP::Core::Logging::LevelInformation) << "CommunicationsWindow::Activate";
  if (loadScene(m_dialpad, QStringLiteral("Dialpad/Dialpad.qml"))) {
    // A window of its own takes the size its scene asks for.
    const QQuickItem* pad = m_dialpad->rootObject();
    m_dialpad->resize(qRound(pad->width()), qRound(pad->height()));
  }
  if (loadScene(m_callView, QStringLiteral("AudioCall/CallWidget.qml"))) {
    QQuickItem* scene = m_callView->rootObject();
    connect(scene, SIGNAL(implicitWidthChanged()), this, SLOT(relayout()));
    connect(scene, SIGNAL(implicitHeightChanged()), this, SLOT(relayout()));
  }
  loadScene(m_chatView, QStringLiteral("Chat/ChatWidget.qml"));
  view()->rootContext()->setContextProperty(QStringLiteral("textFieldActionsHandler"),
                                            m_textFieldActionsHandler);
  loadScene(m_footerView, QStringLiteral("Footer.qml"));
  loadScene(m_participantsView, QStringLiteral("Participants/GroupParticipants.qml"));
  loadScene(m_securityBarView, QStringLiteral("SecurityBar.qml"));
  loadScene(m_shareView, QStringLiteral("WebCollab/WebCollabWidget.qml"));
  loadScene(m_overlay, QStringLiteral("Overlays.qml"));

  m_overlay->checkIfNeedsToBeVisible();
  if (!connect(this, SIGNAL(windowVisible(bool, const QML::CommunicationsWindow*)), m_overlay,
               SLOT(checkIfNeedsToBeVisible()), Qt::QueuedConnection))
    TP_LOG(kLog, TP::Core::Logging::LevelError) << "Overlay not told of visibility";
  if (QQuickItem* chatRoot = m_chatView->rootObject()) {
    if (!connect(chatRoot, SIGNAL(preferenceActivated()), this, SLOT(openPreferences())))
      TP_LOG(kLog, TP::Core::Logging::LevelError) << "Chat scene offers no preferences";
  }
  if (m_sessionManager && m_sessionManager->commsSessionController()) {
    if (!connect(this, SIGNAL(preferenceActivated(int)), m_sessionManager->commsSessionController(),
                 SIGNAL(preferenceActivated(int))))
      TP_LOG(kLog, TP::Core::Logging::LevelError) << "Preferences not wired";
  }
  if (!connect(m_dialpad, SIGNAL(dialpadVisibleChanged()), this, SIGNAL(dialpadVisibleChanged())))
    TP_LOG(kLog, TP::Core::Logging::LevelError) << "Dial pad visibility not wired";
  relayout();
  Utils::WindowManager::placeWindow(this, ownerWindow(this));
}

void CommunicationsWindow::ActivateCall() {
  TP_LOG(kLog, TP::Core::Logging::LevelInformation) << "CommunicationsWindow::Activate";
  if (m_menuActions) m_menuActions->connectCallSignals();
  if (m_contactModel) return;
  m_contactModel = new PartyPickerModel(m_session, this);
  m_contactModel->setFilterCaseSensitivity(Qt::CaseInsensitive);
  m_contactModel->setDynamicSortFilter(true);
  if (m_sessionManager && m_sessionManager->contactsManager())
    m_contactModel->setSourceModel(m_sessionManager->contactsManager()->getModel(1));
  emit contactModelChanged();
}

void CommunicationsWindow::activateChat() {
  if (!m_session) return;
  if (RAZ::Controllers::ChatInterface* chat = m_session->getChatInterface()) {
    if (chat->isRoom()) {
      connect(chat, SIGNAL(subjectChanged()), this, SLOT(setRoomTitle()), Qt::UniqueConnection);
      // "(Owner)" follows the service's word on who owns the room.
      connect(chat, SIGNAL(roomOwnerChanged()), this, SLOT(setRoomTitle()), Qt::UniqueConnection);
      connect(chat, SIGNAL(kicked(QString)), this, SLOT(onKickedFromChat(QString)),
              Qt::UniqueConnection);
    }
  }
  // Where a received file goes is asked here, one to one only: a room's
  // files are not offered through its window.
  deactivateFileTransfer();
  RAZ::Controllers::ChatInterface* chat = m_session->getChatInterface();
  if (!chat || chat->isRoom() || !m_session->getContact() || !chat->getFtModel()) return;
  m_ftModel = chat->getFtModel();
  connect(m_ftModel.data(), SIGNAL(askSaveLocation(RAZ::Data::FTAdapter*)), this,
          SLOT(askSaveLocation(RAZ::Data::FTAdapter*)), Qt::UniqueConnection);
}

void CommunicationsWindow::deactivateFileTransfer() {
  if (m_ftModel)
    disconnect(m_ftModel.data(), SIGNAL(askSaveLocation(RAZ::Data::FTAdapter*)), this,
               SLOT(askSaveLocation(RAZ::Data::FTAdapter*)));
  m_ftModel = nullptr;
}

const RAZ::Configuration::Config* CommunicationsWindow::configuration() const {
  return m_sessionManager ? m_sessionManager->configuration() : nullptr;
}

void CommunicationsWindow::activateShare() {
  connectSession();
  RAZ::Webcollab::WebcollabBase* collab = m_session ? m_session->getWebCollab() : nullptr;
  if (!collab || !m_messageModel) return;
  // Who joins and leaves the share, and its end, are noted in the transcript.
  QObject* model = m_messageModel.data();
  const Qt::ConnectionType unique = Qt::UniqueConnection;
  connect(collab, SIGNAL(notifyUserJoined(QString)), model, SLOT(participantJoinedShare(QString)),
          unique);
  connect(collab, SIGNAL(notifyUserLeft(QString)), model, SLOT(participantLeftShare(QString)),
          unique);
  connect(collab, SIGNAL(roomIsClosing(uint)), model, SLOT(onRoomIsClosing(uint)), unique);
  connect(collab, SIGNAL(roomClosed()), model, SLOT(onRoomClosed()), unique);
}

void CommunicationsWindow::deactivateShare() {
  RAZ::Webcollab::WebcollabBase* collab = m_session ? m_session->getWebCollab() : nullptr;
  if (!collab || !m_messageModel) return;
  QObject* model = m_messageModel.data();
  disconnect(collab, SIGNAL(notifyUserJoined(QString)), model,
             SLOT(participantJoinedShare(QString)));
  disconnect(collab, SIGNAL(notifyUserLeft(QString)), model, SLOT(participantLeftShare(QString)));
  disconnect(collab, SIGNAL(roomIsClosing(uint)), model, SLOT(onRoomIsClosing(uint)));
  disconnect(collab, SIGNAL(roomClosed()), model, SLOT(onRoomClosed()));
}

void CommunicationsWindow::setMessageModel(QObject* model) {
  if (model == m_messageModel) return;
  // The old transcript is let go of entirely: a message it still reported
  // would show twice.
  if (m_messageModel) {
    disconnect(m_messageModel.data(), nullptr, this, nullptr);
    if (m_chatView->rootObject())
      disconnect(m_messageModel.data(), nullptr, m_chatView->rootObject(), nullptr);
  }
  m_messageModel = model;
  emit messageModelChanged();
  if (!model) return;
  const Qt::ConnectionType unique = Qt::UniqueConnection;
  if (QQuickItem* chat = m_chatView->rootObject()) {
    connect(model, SIGNAL(messageAdded(QVariant, QVariant)), chat,
            SLOT(addMessage(QVariant, QVariant)), unique);
    connect(model, SIGNAL(stateChanged(QVariant, QVariant)), chat,
            SLOT(ftStateChanged(QVariant, QVariant)), unique);
    connect(model, SIGNAL(progressChanged(QVariant, QVariant, QVariant)), chat,
            SLOT(ftProgressChanged(QVariant, QVariant, QVariant)), unique);
    connect(model, SIGNAL(contactNameChanged(QVariant, QVariant)), chat,
            SLOT(contactNameChanged(QVariant, QVariant)), unique);
    // After the page has the message: connected after the scene's own.
    connect(model, SIGNAL(messageAdded(QVariant, QVariant)), this, SLOT(transcriptChanged()),
            unique);
  }
  connect(model, SIGNAL(messageAdded(QVariant)), this, SLOT(updateSession()), unique);
  connect(model, SIGNAL(incomingMessage()), this, SLOT(incomingMessage()), unique);
  // A transcript that keeps no history has nothing to delete.
  if (m_menuActions && model->metaObject()->indexOfSlot("deleteHistory()") >= 0)
    connect(m_menuActions, SIGNAL(deleteChatHistory()), model, SLOT(deleteHistory()), unique);
  if (m_session && m_session->getChatInterface() && m_session->getChatInterface()->isRoom())
    connect(m_session->getChatInterface(), SIGNAL(kicked(QString)), this,
            SLOT(onKickedFromChat(QString)), unique);
  // A one-to-one chat shows what was said before its transcript existed
  // (the first message of a chat a party started).
  RAZ::Controllers::ChatInterface* chat = m_session ? m_session->getChatInterface() : nullptr;
  if (chat && !chat->isGroupChat() &&
      model->metaObject()->indexOfSlot("updateMessagesFrom(int)") >= 0)
    QMetaObject::invokeMethod(model, "updateMessagesFrom", Q_ARG(int, 0));
  markTranscriptRead();
}

void CommunicationsWindow::setSmileys(TP::Core::Refcounting::SmartPtr<RAZ::Models::SmileysPtr> s) {
  if (s == m_smileys) return;
  m_smileys = s;
  emit smileysChanged();
}

void CommunicationsWindow::setParticipantsModel(QAbstractItemModel* model) {
  if (m_participants->sourceModel() == model) return;
  m_participants->setSourceModel(model);
  m_participants->sort(0, Qt::AscendingOrder);
  emit participantsChanged();
}

// ---- Properties ----

CommunicationSession* CommunicationsWindow::getSession() const { return m_session.data(); }
QObject* CommunicationsWindow::actionsProviderObject() const { return m_actionsProvider; }
QObject* CommunicationsWindow::sessionObject() const { return m_session.data(); }
QAbstractItemModel* CommunicationsWindow::contactModel() const { return m_contactModel; }
QAbstractItemModel* CommunicationsWindow::smileys() const {
  return qobject_cast<QAbstractItemModel*>(m_smileys.Raw());
}
QAbstractItemModel* CommunicationsWindow::participants() const { return m_participants; }
QObject* CommunicationsWindow::textFieldActionsHandler() const { return m_textFieldActionsHandler; }
QObject* CommunicationsWindow::commsSessionUiHelper() const { return m_sessionUiHelper; }
QObject* CommunicationsWindow::overlayObject() const { return m_overlay; }
QObject* CommunicationsWindow::dialpadRoot() const {
  return m_dialpad ? m_dialpad->rootObject() : nullptr;
}
bool CommunicationsWindow::dialpadVisible() const { return m_dialpad && m_dialpad->isVisible(); }

bool CommunicationsWindow::showOwnVideo() const {
  return m_videoSurface && m_videoSurface->isOwnVideoShown();
}

bool CommunicationsWindow::audioEnabled() const {
  const RAZ::Configuration::Config* config =
      m_sessionManager ? m_sessionManager->configuration() : nullptr;
  return config && config->value(Utils::ConfigId::CallsOnThisClient).toBool();
}

bool CommunicationsWindow::xmppConnected() const {
  if (!m_sessionManager) return false;
  RAZ::Sessions::SubSession* xmpp =
      m_sessionManager->subSession(RAZ::Sessions::SubSession::TypeXmpp);
  return xmpp && xmpp->isConnected();
}

QWidget* CommunicationsWindow::pane(L::Pane p) const {
  switch (p) {
    case L::CallPane:
      return m_callView;
    case L::VideoPane:
      return m_videoSurface;
    case L::ChatPane:
      return m_chatView;
    case L::ParticipantsPane:
      return m_participantsView;
    case L::SharePane:
      return m_shareView;
    case L::SecurityBarPane:
      return m_securityBarView;
  }
  return nullptr;
}

QWidget* CommunicationsWindow::footerView() const { return m_footerView; }

QMessageBox* CommunicationsWindow::dismissalBox() const { return m_kickMessageBox.data(); }

QSize CommunicationsWindow::minimumWindowSize() const { return QSize(420, 310); }

// ---- Small slots ----

RAZ::Models::ChatParticipantsSort::PrimaryField CommunicationsWindow::primarySortField() {
  RAZ::Settings settings(RAZ::Settings::User);
  return settings.value(Utils::SettingsKey::ContactListSort).toString() ==
                 QLatin1String("first name")
             ? RAZ::Models::ChatParticipantsSort::FirstName
             : RAZ::Models::ChatParticipantsSort::LastName;
}

void CommunicationsWindow::primarySortFieldChanged() {
  m_participants->changePrimarySortField(primarySortField());
}

void CommunicationsWindow::callClassificationsMenuTriggered(QAction* action) {
  if (!action || !m_session) return;
  QString text = action->data().toString();
  if (text.isEmpty()) text = action->text();
  m_session->setCurrentCallSecurityClassification(text);
}

void CommunicationsWindow::sessionStateChanged(CommunicationSession*, uint oldState, uint newState,
                                               bool incoming) {
  if (newState == CommunicationSession::StateNothing || !m_session) return;
  // A share that began after the window was built is wired now (once).
  connectSession();
  if (newState & CommunicationSession::StateGroup)
    setRoomTitle();
  else if (m_session->getContact())
    contactNameOrPresenceChanged();
  // A conference call without a room lists its parties itself.
  RAZ::Models::ChatParticipants* parties = m_session->getConferenceParticipants();
  if ((newState & CommunicationSession::StateGroup) && !m_session->getChatInterface() && parties)
    setParticipantsModel(parties->model());
  updateLayout(newState);
  if (!isActiveWindow() && !incoming && !(oldState > newState)) {
    raise();
    activateWindow();
  }
}

void CommunicationsWindow::contactChanged() {
  if (!m_session) return;
  RAZ::Contacts::IContact* contact = m_session->getContact();
  if (!contact) {
    contactNameOrPresenceChanged();
    return;
  }
  connect(contact, SIGNAL(changed()), this, SLOT(contactNameOrPresenceChanged()),
          Qt::UniqueConnection);
  if (!(m_session->getState() & CommunicationSession::StateGroup)) {
    connect(contact, SIGNAL(presenceChanged()), this, SLOT(contactNameOrPresenceChanged()),
            Qt::UniqueConnection);
    contactNameOrPresenceChanged();
  }
}

void CommunicationsWindow::contactNameOrPresenceChanged() {
  if (!m_session) return;
  if (m_session->isMyRoomSession() || m_session->isGroup()) {
    setRoomTitle();
    return;
  }
  RAZ::Contacts::IContact* contact = nullptr;
  QString title = RAZ::Controllers::PartyName::of(m_session.data(), &contact);
  // A contact of the list comes with its presence; another party has none.
  if (contact) {
    const QString known = Utils::PresenceState::text(contact->getPresenceState());
    const QString presence = known.isEmpty() ? tr("Unknown") : known;
    title = tr("%1 (%2)").arg(title, presence);
  }
  if (m_session->getHasAssociatedFirstCall()) title = tr("%1: ").arg(tr("Transfer Call")) + title;
  setTitle(title);
}

void CommunicationsWindow::setRoomTitle() {
  if (!m_session) return;
  setTitle(m_sessionUiHelper->getFormCommunicationTitle(m_session.data()));
}

void CommunicationsWindow::callChanged() {
  if (m_session && !m_session->getCall()) setDialpadVisible(false);
  emit activeCallChanged();
}

QObject* CommunicationsWindow::activeCall() const {
  return m_session ? m_session->getCall() : nullptr;
}

void CommunicationsWindow::videoStateChanged(CallBasePtr* call) {
  if (!m_session) return;
  if (call && call->getVideoState() == CallBasePtr::VideoActive) {
    RAZ::Webcollab::WebcollabBase* collab = m_session->getWebCollab();
    if (collab && collab->getState() == kShareSharing) setShowOwnVideo(false);
    updateOwnVideoSize();
    // The media engine draws into the surface and its preview.
    call->setVideoWindows(m_videoSurface->winId(), m_videoSurface->ownVideoWinId());
  }
  updateLayout(m_session->getState());
}

void CommunicationsWindow::videoDoubleClicked() { setWantsFullscreen(!isFullScreen()); }

void CommunicationsWindow::maximizeForShare() {
  if (isMaximized() || isFullScreen()) return;
  m_maximizedForShare = true;
  showMaximized();
}

void CommunicationsWindow::endShare() {
  // Asked from within the share's own signal: the share object must not go
  // while it is still reporting.
  QTimer::singleShot(0, this, [this] {
    if (m_session && m_session->webCollabActive()) m_session->closeWebcollab();
  });
}

void CommunicationsWindow::restoreAfterShare() {
  if (!m_maximizedForShare) return;
  m_maximizedForShare = false;
  if (isMaximized()) showNormal();
}

void CommunicationsWindow::transcriptChanged() {
  if (QQuickItem* chat = m_chatView->rootObject())
    Utils::Accessibility::textChanged(
        chat->findChild<QQuickItem*>(QStringLiteral("transcriptView")));
}

void CommunicationsWindow::incomingMessage() {
  if (!m_session) return;
  if (!m_session->chatActive()) {
    ++m_newMessageCount;
    emit newMessageCountChanged();
  }
  if (!isActiveWindow()) {
    emit playIncomingMessageSound();
    QApplication::alert(this, 0);
  } else {
    markTranscriptRead();
  }
}

void CommunicationsWindow::chatActiveChanged() {
  if (!m_session) return;
  if (m_session->chatActive()) {
    m_newMessageCount = 0;
    emit newMessageCountChanged();
    markTranscriptRead();
  }
  updateLayout(m_session->getState());
}

void CommunicationsWindow::markTranscriptRead() {
  if (!m_messageModel || !m_session || !m_session->chatActive()) return;
  QMetaObject::invokeMethod(m_messageModel.data(), "setMessagesRead",
                            Q_ARG(bool, m_session->isGroup()));
}

void CommunicationsWindow::showSharingNotification() {
  auto* note = new WebcollabSharingNotification(nullptr);
  note->show();
  QScreen* screen = QGuiApplication::primaryScreen();
  const QRect area = screen ? screen->availableGeometry() : QRect();
  // Centred in the screen's free area, wherever that screen lies.
  note->move(area.x() + (area.width() - note->width()) / 2,
             area.y() + (area.height() - note->height()) / 2);
}

void CommunicationsWindow::webcollabStateChanged() {
  if (!m_session) return;
  // The user who starts presenting is told once where the share is stopped.
  RAZ::Webcollab::WebcollabBase* collab = m_session->getWebCollab();
  const bool presenting = collab && collab->isOwner() && collab->getState() == kShareSharing;
  if (presenting && !m_presenting) showSharingNotification();
  m_presenting = presenting;
  updateLayout(m_session->getState());
}

void CommunicationsWindow::openTextFieldMenu() {
  auto* menu = new QMenu;
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->addActions(m_textFieldActionsHandler->createActions(menu, false));
  openMenu(menu);
}

void CommunicationsWindow::alwaysOnTopTriggered() {
  auto* action = qobject_cast<QAction*>(sender());
  const bool checked = action && action->isChecked();
  if (action) action->setChecked(!checked);
  setAlwaysOnTop(checked);
  m_alwaysOnTop = checked;
}

void CommunicationsWindow::openPreferences() {
  emit preferenceActivated(Dialogs::PreferencesWindow::Credentials);
}

void CommunicationsWindow::windowSizeChanged(int width, int height) { resize(width, height); }

void CommunicationsWindow::updateSession() {
  RAZ::Controllers::CommsSessionController* comms =
      m_sessionManager ? m_sessionManager->commsSessionController() : nullptr;
  if (m_session && comms) comms->updateSession(m_session.data());
}

QObject* CommunicationsWindow::participant(const QString& nick) const {
  RAZ::Controllers::ChatInterface* chat = m_session ? m_session->getChatInterface() : nullptr;
  RAZ::Models::ChatParticipants* parties = chat ? chat->getParticipants() : nullptr;
  return parties ? parties->getParticipant(nick) : nullptr;
}

void CommunicationsWindow::showParticipantMouseOver(QVariant participant) {
  if (QApplication::activeWindow() != this) return;
  auto* party = qobject_cast<RAZ::Data::ChatParticipant*>(participant.value<QObject*>());
  // A party whose contact is not known has nothing to show.
  if (!party || !party->getContact()) return;
  hideParticipantMouseOver();
  auto* card = new ContactMouseOver(nullptr);
  card->rootContext()->setContextProperty(QStringLiteral("profilePictureHelper"),
                                          m_factory ? m_factory->profilePictureHelper() : nullptr);
  card->activate();
  card->setContact(party->getContact());
  card->setAffiliation(party->getAffiliation());
  connect(party, SIGNAL(affiliationChanged(int)), card, SLOT(setAffiliation(int)));
  m_participantMouseOver = card;
  card->showAtCursor();
}

ContactMouseOver* CommunicationsWindow::participantMouseOver() const {
  return m_participantMouseOver.data();
}

void CommunicationsWindow::hideParticipantMouseOver() {
  if (!m_participantMouseOver) return;
  m_participantMouseOver->hide();
  m_participantMouseOver->deleteLater();
  m_participantMouseOver = nullptr;
}

void CommunicationsWindow::showParticipantPopupMenu(QString nick) {
  if (!m_session || !m_participantMenuActions) return;
  auto* party = qobject_cast<RAZ::Data::ChatParticipant*>(participant(nick));
  if (!party) {
    TP_LOG(kLog, TP::Core::Logging::LevelWarning) << "No participant to show a menu for";
    return;
  }
  QMenu* menu = m_participantMenuActions->createMenu(m_session.data(), party);
  if (!menu) return;
  menu->setAttribute(Qt::WA_DeleteOnClose);
  openMenu(menu);
}

void CommunicationsWindow::toggleShowOwnVideo() { setShowOwnVideo(!showOwnVideo()); }

void CommunicationsWindow::showOptionsMenu() {
  if (!m_menuActions) return;
  QMenu* menu = m_menuActions->createOptionsMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  m_optionsMenu = menu;
  connect(menu, SIGNAL(destroyed()), this, SIGNAL(optionsMenuVisibleChanged()),
          Qt::QueuedConnection);
  emit optionsMenuVisibleChanged();
  openMenu(menu);
}

void CommunicationsWindow::searchTextChanged(const QString& text) {
  if (m_contactModel) m_contactModel->setFilterFixedString(text);
}

void CommunicationsWindow::addParticipantClicked(QString uri, int contactId) {
  emit addParticipant(m_session.data(), uri, contactId);
}

void CommunicationsWindow::transferToClicked(QString uri, int contactId) {
  if (!m_session) return;
  QString address = uri.trimmed();
  RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts> contacts =
      m_sessionManager ? m_sessionManager->contactsManager()
                       : RAZ::Utils::SharedPointer<RAZ::Contacts::Contacts>();
  if (contactId != -1 && contacts) {
    if (RAZ::Contacts::ContactPtr contact = contacts->getContact(contactId)) {
      address = contact->getSipUri();
      if (address.isEmpty() && !contact->numberTypes().isEmpty())
        address = contact->getProperty(contact->numberTypes().first()).toString();
    }
  }
  if (address.isEmpty()) return;
  emit transferCall(m_session.data(), address);
  // A bad address is reported by the session (transferFailed), which the
  // call handler turns into its message.
  m_session->transferCall(address);
}

QMenu* CommunicationsWindow::callClassificationsMenu() {
  auto* menu = new QMenu;
  // One entry per classification the service allows, the current one checked.
  RAZ::Controllers::SecurityClassificationController* classification =
      m_sessionManager ? m_sessionManager->securityClassificationController() : nullptr;
  if (QAbstractItemModel* model =
          classification ? classification->getCallClassificationsModel() : nullptr) {
    const QString current = m_session ? m_session->currentCallSecurityClassification() : QString();
    for (int row = 0; row < model->rowCount(); ++row) {
      const QString text = model->index(row, 0).data().toString();
      QAction* entry = menu->addAction(text);
      entry->setData(text);
      entry->setCheckable(true);
      entry->setChecked(text == current);
    }
  }
  connect(menu, SIGNAL(triggered(QAction*)), this,
          SLOT(callClassificationsMenuTriggered(QAction*)));
  return menu;
}

void CommunicationsWindow::setShowOwnVideo(bool show) {
  if (!m_videoSurface) return;
  m_videoSurface->setShowOwnVideo(show);
  emit showOwnVideoChanged();
  if (show) updateOwnVideoSize();
}

QPoint CommunicationsWindow::dialpadPosition(const QPoint& cursor, const QRect& window,
                                             const QSize& pad, const QRect& area) {
  // Opened from the keyboard the pointer may be anywhere: the pad then
  // goes to the right of the window, level with its top.
  QPoint pos = window.contains(cursor) ? cursor : QPoint(window.right() + 1, window.top());
  // Flipped to the other side of the point when it would leave the screen
  // (measured from the screen's own edges: a second screen does not start
  // at 0), then held inside the screen whatever its size.
  if (pos.x() + pad.width() > area.x() + area.width()) pos.rx() -= pad.width();
  if (pos.y() + pad.height() > area.y() + area.height()) pos.ry() -= pad.height();
  if (area.isValid()) {
    pos.setX(qBound(area.left(), pos.x(), std::max(area.left(), area.right() + 1 - pad.width())));
    pos.setY(qBound(area.top(), pos.y(), std::max(area.top(), area.bottom() + 1 - pad.height())));
  }
  return pos;
}

void CommunicationsWindow::setDialpadVisible(bool visible) {
  if (!m_dialpad) return;
  if (visible) {
    const QPoint cursor = QCursor::pos();
    QScreen* screen = QGuiApplication::screenAt(cursor);
    if (!screen || !frameGeometry().contains(cursor)) screen = this->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    m_dialpad->move(dialpadPosition(cursor, frameGeometry(), m_dialpad->size(), area));
    m_dialpad->setAlwaysOnTop(m_alwaysOnTop);
  }
  if (visible == m_dialpad->isVisible()) return;
  m_dialpad->setVisible(visible);
  emit dialpadVisibleChanged();
}

// ---- Layout ----

L::Flags CommunicationsWindow::layoutFlags(uint state) const {
  L::Flags f;
  if (!m_session) return f;
  CallBasePtr* call = m_session->getCall();
  RAZ::Webcollab::WebcollabBase* collab = m_session->getWebCollab();
  f.chatBit = state & CommunicationSession::StateChat;
  f.video = (state & CommunicationSession::StateCall) && call && hasVideoMedia(call) &&
            call->getVideoState() != CallBasePtr::VideoNone;
  f.audio = (state & CommunicationSession::StateCall) && !f.video;
  f.group = state & CommunicationSession::StateGroup;
  f.share = ((state & CommunicationSession::StateWebCollab) || m_session->webCollabActive()) &&
            collab && collab->getState() != kShareClosed;
  f.viewer = collab && !collab->isOwner();
  f.chat = f.chatBit && m_session->chatActive();
  RAZ::Actions::Action* chatAction =
      m_actionsProvider ? m_actionsProvider->action(Action::Chat) : nullptr;
  f.chatAction = chatAction && chatAction->isEnabled();
  f.classified = (m_session->getChatSecurityClassificationsEnabled() && f.chat) ||
                 (m_session->getCallSecurityClassificationsEnabled() && (f.audio || f.video));
  return f;
}

void CommunicationsWindow::applyLimits(QWidget* widget, const L::PaneLimits& limits) {
  if (!limits.set) return;
  widget->setMinimumSize(limits.minimum);
  widget->setMaximumSize(limits.maximum);
}

void CommunicationsWindow::updateLayout(uint state) {
  if (!m_session) return;
  const L::Flags flags = layoutFlags(state);
  const L::Plan plan = L::plan(flags, m_securityBarView->height(), callViewMinimum());
  if (plan.switchChatOn) m_session->setChatActive(true);

  const QSize oldMinimum = minimumSize();
  const QSize current = size();

  for (int i = 0; i < L::kPaneCount; ++i) {
    QWidget* w = pane(static_cast<L::Pane>(i));
    w->setVisible(plan.visible[i]);
    applyLimits(w, plan.limits[i]);
  }
  if (plan.focusChat) {
    m_chatView->setFocus(Qt::OtherFocusReason);
  } else if (plan.visible[L::CallPane]) {
    // The keyboard (and a reader) starts on the call's first control, not
    // on a window nothing in which has the focus.
    QWidget* focus = focusWidget();
    if (!focus || !focus->isVisible()) m_callView->setFocus(Qt::OtherFocusReason);
  }

  // Appending moves a pane out of wherever it sat before.
  auto append = [this](QBoxLayout* target, L::Pane p) {
    QWidget* w = pane(p);
    m_columnLayout->removeWidget(w);
    m_contentLayout->removeWidget(w);
    target->addWidget(w);
  };
  for (L::Pane p : plan.column) append(m_columnLayout, p);
  for (L::Pane p : plan.row) append(m_contentLayout, p);

  if (!flags.video && isFullScreen()) setWantsFullscreen(false);
  setMinimumSize(plan.minimumWindow);
  if (!isVisible() || current == oldMinimum) resize(plan.minimumWindow);
  // Grown where it stands, it may reach past the screen's edge.
  if (isVisible() && size() != current) Utils::WindowManager::keepOnScreen(this);
  m_lastPlan = plan;
  emit layoutChanged();
}

QSize CommunicationsWindow::callViewMinimum() const {
  const QSize atRest(L::kCallViewMinWidth, L::kCallViewMinHeight);
  const QQuickItem* scene = m_callView->rootObject();
  if (!scene) return atRest;
  int width = qCeil(scene->implicitWidth());
  // No wider than the screen: there the controls wrap, and the scene asks
  // for the height that takes.
  // The window's frame, once it has one, takes its share of the screen too.
  if (QScreen* s = screen())
    width = qMin(width, s->availableGeometry().width() - (frameGeometry().width() - this->width()));
  return QSize(width, qCeil(scene->implicitHeight())).expandedTo(atRest);
}

void CommunicationsWindow::relayout() {
  if (m_session) updateLayout(m_session->getState());
}

void CommunicationsWindow::updateOwnVideoSize() {
  if (!m_session) return;
  CallBasePtr* call = m_session->getCall();
  if (!call || !call->hasLocalVideo()) return;
  QSize size = call->getLocalVideoSize();
  if (size.isValid()) m_videoSurface->setOwnVideoSize(size);
}

QString CommunicationsWindow::helpContext() const {
  QString key = QStringLiteral("comm");
  if (!m_session) return key;
  const bool videoShown = !m_videoSurface->isHidden();
  if (m_session->chatActive()) key += QStringLiteral("|chat");
  if (m_session->callActive() && !videoShown) key += QStringLiteral("|call");
  if (m_session->webCollabActive()) key += QStringLiteral("|share");
  if (m_session->isMyRoomSession()) key += QStringLiteral("|myroom");
  if (videoShown) key += QStringLiteral("|video");
  return key;
}

// ---- Events ----

bool CommunicationsWindow::handleCallKey(int key) {
  CallBasePtr* call = m_session ? m_session->getCall() : nullptr;
  if ((key == Qt::Key_Return || key == Qt::Key_Enter) && call &&
      (call->getCallState() == CallBasePtr::StateIncoming ||
       call->getCallState() == CallBasePtr::StateRinging) &&
      call->isIncoming()) {
    call->answer();
    return true;
  }
  if (key == Qt::Key_Escape && !dialpadVisible()) {
    close();
    return true;
  }
  return false;
}

bool CommunicationsWindow::event(QEvent* e) {
  switch (e->type()) {
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(e);
      if (key->key() == Qt::Key_D &&
          (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier))) {
        showDebugWindow();
        return true;
      }
      if (handleCallKey(key->key())) return true;
      m_dialpad->handleKeyEvent(key);
      break;
    }
    case QEvent::WindowActivate:
      markTranscriptRead();
      break;
    case QEvent::WindowStateChange:
      m_dialpad->hideDialpad();
      break;
    default:
      break;
  }
  return Window::event(e);
}

void CommunicationsWindow::moveEvent(QMoveEvent* e) {
  m_overlay->move(0, 0);
  Window::moveEvent(e);
}

void CommunicationsWindow::resizeEvent(QResizeEvent* e) {
  Window::resizeEvent(e);
  m_overlay->setFixedSize(width(), m_overlay->height());
  m_overlay->move(0, 0);
  updateOwnVideoSize();
}

void CommunicationsWindow::showEvent(QShowEvent* e) {
  // Placed while smaller than the session now needs, the window may reach
  // past the screen's edge.
  if (!e->spontaneous()) {
    // Only a window shown has its frame, which the screen must hold too.
    relayout();
    Utils::WindowManager::keepOnScreen(this);
  }
  Window::showEvent(e);
  emit windowVisible(true, this);
}

void CommunicationsWindow::hideEvent(QHideEvent* e) {
  Window::hideEvent(e);
  emit windowVisible(false, this);
}

void CommunicationsWindow::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) contactNameOrPresenceChanged();
  if (e->type() == QEvent::ActivationChange && m_participantMouseOver && !isActiveWindow())
    hideParticipantMouseOver();
  Window::changeEvent(e);
}

// ---- Drops ----

void CommunicationsWindow::dragEnterEvent(QDragEnterEvent* e) {
  const QStringList formats = e->mimeData()->formats();
  if (formats.contains(kFilesMime) && m_actionsProvider) {
    RAZ::Actions::Action* files = m_actionsProvider->action(Action::FileTransfer);
    if (files && files->isEnabled()) e->acceptProposedAction();
  } else if (formats.contains(kContactMime)) {
    if (m_session && m_session->isAllowedToInvite()) e->acceptProposedAction();
  }
}

void CommunicationsWindow::dropEvent(QDropEvent* e) {
  if (!m_session) return;
  const QMimeData* mime = e->mimeData();
  if (mime->formats().contains(kFilesMime)) {
    // Only files of this computer are offered: a web address or a remote
    // share is not a file the party can be sent.
    const auto urls = mime->urls();
    for (const QUrl& url : urls) {
      if (url.isLocalFile() && !url.toLocalFile().isEmpty())
        m_session->fileDropped(url);
      else
        TP_LOG(kLog, TP::Core::Logging::LevelWarning) << "Dropped item is not a local file";
    }
  } else if (mime->formats().contains(kContactMime)) {
    m_session->addParticipants(QString::fromUtf8(mime->data(kContactMime)), QString());
  }
  e->acceptProposedAction();
}

// ---- Closing ----

bool CommunicationsWindow::canClose() {
  if (!m_session) return true;
  if (m_session->callActive() && !m_closeConfirmed) {
    TP_LOG(kLog, TP::Core::Logging::LevelInformation)
        << "We have an ongoing call, are you sure you wish to close?";
    openCloseConfirmation();
    return false;
  }
  CommunicationSession* s = m_session.data();
  disconnect(s, nullptr, this, nullptr);
  m_session = nullptr;
  emit sessionChanged();
  s->close();
  m_closeConfirmed = false;
  return true;
}

void CommunicationsWindow::endCall() {
  RAZ::MediaEngine::CallBasePtr* call = m_session ? m_session->getCall() : nullptr;
  if (call && (m_session->chatActive() || m_session->webCollabActive())) {
    call->close();
    return;
  }
  // Nothing else runs here: the window goes with the call, as the user asked.
  m_closeConfirmed = true;
  close();
}

void CommunicationsWindow::openCloseConfirmation() {
  if (m_closeDialogOpen) return;
  TP_LOG(kLog, TP::Core::Logging::LevelInformation) << "Querying confirmation!";
  Dialogs::MessageWindow* question = Dialogs::MessageWindow::showQuestion(
      tr("Warning - End Call?"),
      tr("Closing this communication window will end the call. Are you sure you want to end the "
         "call and close the window?"),
      m_factory ? m_factory->isAlwaysOnTop() : false, QDialogButtonBox::Yes | QDialogButtonBox::No,
      false, false, nullptr);
  m_closeQuestion = question;
  connect(question, SIGNAL(messageAccepted(bool)), this, SLOT(cbCloseConfirmed()));
  connect(question, SIGNAL(messageRejected(bool)), this, SLOT(cbCloseRejected()));
  connect(this, SIGNAL(destroyed(QObject*)), question, SLOT(close()));
  m_closeDialogOpen = true;
}

void CommunicationsWindow::cbCloseConfirmed() {
  TP_LOG(kLog, TP::Core::Logging::LevelInformation) << "Confirmed!";
  disconnectDialogSignaling();
  m_closeConfirmed = true;
  close();
}

void CommunicationsWindow::cbCloseRejected() {
  TP_LOG(kLog, TP::Core::Logging::LevelInformation) << "Rejected!";
  disconnectDialogSignaling();
}

void CommunicationsWindow::disconnectDialogSignaling() {
  TP_LOG(kLog, TP::Core::Logging::LevelInformation) << "Disconnecting dialog signaling!";
  m_closeDialogOpen = false;
  if (m_closeQuestion) {
    disconnect(m_closeQuestion.data(), nullptr, this, SLOT(cbCloseConfirmed()));
    disconnect(m_closeQuestion.data(), nullptr, this, SLOT(cbCloseRejected()));
  }
}

// ---- Dismissals ----

QMessageBox* CommunicationsWindow::openDismissalBox() {
  auto* box = new QMessageBox(this);
  box->setStandardButtons(QMessageBox::Ok);
  box->setWindowModality(Qt::WindowModal);
  box->setAttribute(Qt::WA_DeleteOnClose);
  // Names come from other parties: never read as markup.
  box->setTextFormat(Qt::PlainText);
  m_kickMessageBox = box;
  return box;
}

void CommunicationsWindow::onKickedFromChat(const QString& kickerName) {
  if (m_overlay->isVisible()) m_overlay->hide();
  QMessageBox* box = m_kickMessageBox.data();
  const bool fresh = !box;
  if (fresh) {
    box = openDismissalBox();
    connect(box, SIGNAL(destroyed(QObject*)), this, SLOT(closeChatAndShare()));
  }
  if (m_session && m_session->webCollabActive()) {
    box->setWindowTitle(tr("Dismissed from Chat and Share"));
    box->setText(tr("You have been dismissed from chat and share by %1.").arg(kickerName));
  } else {
    box->setWindowTitle(tr("Dismissed from Chat"));
    box->setText(tr("You have been dismissed from chat by %1.").arg(kickerName));
  }
  if (fresh) box->show();
}

void CommunicationsWindow::onKickedFromShare() {
  if (m_kickMessageBox) return;
  QMessageBox* box = openDismissalBox();
  box->setWindowTitle(tr("Dismissed from Share"));
  box->setText(tr("You have been dismissed from share."));
  connect(box, SIGNAL(buttonClicked(QAbstractButton*)), this, SLOT(closeChatAndShare()));
  box->show();
}

void CommunicationsWindow::closeChatAndShare() {
  if (!m_session) return;
  if (RAZ::Webcollab::WebcollabBase* collab = m_session->getWebCollab()) collab->closeWebcollab();
  m_session->closeWebcollab();
  if (RAZ::Controllers::ChatInterface* chat = m_session->getChatInterface()) chat->close();
}

// ---- Files ----

void CommunicationsWindow::openFileSelectDialog() {
  auto* dialog = new Dialogs::FileDialog(this, Dialogs::FileDialog::OpenAny, QString());
  connect(dialog, SIGNAL(fileSelected(QString)), this, SLOT(fileSelected(QString)));
  // Files to send are the user's documents, never the program's own data
  // folder (where the process happens to run, with the stored credentials).
  dialog->setInitialDirectory(documentsFolder());
  dialog->start();
}

QString CommunicationsWindow::documentsFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  // A folder that does not exist would leave the dialog where the process
  // runs: the home folder then, never the program's data.
  return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

void CommunicationsWindow::fileSelected(const QString& path) {
  if (m_session && m_session->getChatInterface())
    emit startFileTransfer(m_session->getChatInterface(), path);
}

void CommunicationsWindow::askSaveLocation(RAZ::Data::FTAdapter* adapter) {
  if (!adapter) return;
  if (m_lastSaveFolder.isEmpty()) {
    // Received files go where the desktop keeps downloads, when it has
    // such a folder.
    const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    m_lastSaveFolder =
        !downloads.isEmpty() && QFileInfo(downloads).isDir() ? downloads : QDir::homePath();
  }
  // The name comes from the sender: only its last part is offered, so a
  // save can never land outside the folder the user picks.
  const QString suggested = Utils::FileNames::safeBaseName(adapter->getFileName());
  auto* dialog = new Dialogs::FileDialog(this, Dialogs::FileDialog::SaveAny, suggested);
  connect(dialog, SIGNAL(fileSelected(QString)), adapter, SLOT(accept(QString)));
  connect(dialog, SIGNAL(fileSelected(QString)), this, SLOT(saveAcceptedFolder(QString)));
  dialog->setInitialDirectory(m_lastSaveFolder);
  dialog->start();
}

void CommunicationsWindow::saveAcceptedFolder(const QString& fileName) {
  m_lastSaveFolder = QFileInfo(fileName).absolutePath();
}

void CommunicationsWindow::insertFileIntoCall(const QString& path) {
  if (path.isEmpty()) {
    auto* dialog =
        new QFileDialog(this, tr("Select File to Send..."), QString(), tr("*.wav *.amr"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setModal(false);
    connect(dialog, SIGNAL(fileSelected(QString)), this, SLOT(fileSelectedToInsert(QString)));
    dialog->show();
    return;
  }
  QFile source(path);
  if (!source.open(QIODevice::ReadOnly)) {
    TP_LOG(kLog, TP::Core::Logging::LevelWarning) << "Cannot read the file to play into the call";
    return;
  }
  QTemporaryFile copy(QDir::tempPath() + QStringLiteral("/sound_XXXXXX.") +
                      QFileInfo(path).suffix());
  if (!copy.open()) return;
  copy.write(source.readAll());
  copy.close();
  // Receivers use or copy the file during the signal: it goes when we return.
  emit startPlayingFileIntoCall(copy.fileName());
}

void CommunicationsWindow::fileSelectedToInsert(const QString& path) {
  emit startPlayingFileIntoCall(path);
}

// ---- Errors ----

void CommunicationsWindow::messageSendingFailed() {
  auto* box = new QMessageBox(QMessageBox::NoIcon, tr("Error Sending Message"),
                              tr("Your message could not be sent due to a network issue. Because "
                                 "of this some chat messages might not be visible in the history."),
                              QMessageBox::Ok, this);
  box->setWindowModality(Qt::WindowModal);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->show();
}

void CommunicationsWindow::onUSSerror(USSClient::USSLIBERROR code, USSClient::ErrorType kind) {
  const unsigned int c = static_cast<unsigned int>(code);
  QString text;
  if (kind == USSClient::StartingShare)
    text = Utils::StringHelper::shareStartErrorText(c);
  else if (kind == USSClient::JoiningShare)
    text = Utils::StringHelper::shareJoinErrorText(c);
  else
    text = Utils::StringHelper::shareInitiateErrorText(c);
  if (text.isEmpty()) return;
  m_ussError = text;
  emit ussErrorChanged();
}

void CommunicationsWindow::showDebugWindow() {
  CallBasePtr* call = m_session ? m_session->getCall() : nullptr;
  if (!call || call->getCallState() == kIncomingState || call->getCallState() == kEarlyMediaState)
    return;
  ++m_debugRequests;
  TP_LOG(kLog, TP::Core::Logging::LevelInformation) << "Call debug window asked for";
  QML::CallDebugWindow* debug =
      QML::CallDebugWindow::create(TP::Core::Refcounting::SmartPtr<CallBasePtr>(call), nullptr);
  if (!debug) return;
  debug->setAttribute(Qt::WA_DeleteOnClose);
  // It closes with the window it was opened from.
  connect(this, SIGNAL(destroyed()), debug, SLOT(close()));
  if (!debug->activate()) debug->deleteLater();
}

}  // namespace QML
