#include "libqml/components/CommunicationsWindow.h"

#include <QApplication>
#include <QBoxLayout>
#include <QMessageBox>
#include <QQmlContext>
#include <QQuickItem>
#include <QScreen>
#include <QSortFilterProxyModel>

#include <RAZ/Actions/Action.h>
#include <RAZ/Actions/Provider.h>
#include <RAZ/Actions/Source.h>
#include <RAZ/Configuration/Config.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/ChatInterface.h>
#include <RAZ/Controllers/CommsSessionController.h>
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
#include "Utils/CommunicationSessionUiHelper.h"
#include "Utils/CommunicationsWindowMenuActions.h"
#include "Utils/ConfigIds.h"
#include "Utils/ParticipantMenuActions.h"
#include "Utils/SettingsKeys.h"
#include "Utils/TextFieldActionsHandler.h"
#include "Utils/WindowManager.h"
#include "Widgets/Custom/VideoCall.h"
#include "Widgets/Notifications/CommunicationOverlay.h"
#include "Widgets/Notifications/CommunicationWindowDialpad.h"
#include "Widgets/Notifications/ContactMouseOver.h"
#include "libqml/components/CommunicationsWindowShared.h"
#include "libqml/components/MainWindow.h"
#include "libqml/window/View.h"

namespace QML {

namespace {

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

// Platform actions of the window's toolbar and options menu.
const QList<Action::Id> kToolbarActions = {
    Action::Chat,         Action::Call,         Action::CallFromPhone, Action::VideoCall,
    Action::DesktopShare, Action::FileTransfer, Action::ParkCall};
const QList<Action::Id> kMenuActions = {Action::JoinRoom, Action::ViewProfile, Action::EditProfile,
                                        Action::AddContact};
const QList<Action::Id> kParticipantActions = {Action::ViewProfile, Action::EditProfile,
                                               Action::AddContact};
const int kOverlayMinHeight = 70;
const int kOverlayMaxHeight = 150;

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
  if (m_sessionManager)
    m_sessionUiHelper->setCallService(
        m_sessionManager->subSession(RAZ::Sessions::SubSession::TypeSip));
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
  m_overlay->installEventFilter(this);
  m_videoSurface->installEventFilter(this);

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

// --- session wiring ---

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
  connect(s, SIGNAL(partyPickRequested(int)), this, SLOT(pickParty(int)), unique);
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
    // Before the page has the message: what a reader was told of catches
    // up with the page, so that the message is told alone.
    connect(model, SIGNAL(messageAdded(QVariant, QVariant)), this, SLOT(transcriptChanging()),
            unique);
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

// --- properties ---

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

}  // namespace QML
