#pragma once

#include <QPointer>
#include <QSize>
#include <QString>
#include <QVariant>

#include <RAZ/Controllers/CommunicationSession.h>
#include <RAZ/MediaEngine/CallBasePtr.h>
#include <RAZ/Models/ChatParticipants.h>
#include <RAZ/Models/Smileys.h>
#include <RAZ/Webcollab/USSClient.h>
#include <tp/core/SmartPtr.h>

#include "libqml/components/CommunicationsWindowLayout.h"
#include "libqml/window/Window.h"

class QAbstractItemModel;
class QAbstractButton;
class QAction;
class QBoxLayout;
class QMenu;
class QMessageBox;
class QSortFilterProxyModel;

namespace Providers {
class Factory;
}
namespace RAZ {
namespace Actions {
class Provider;
}
namespace Configuration {
class Config;
}
namespace Controllers {
class ChatInterface;
}
namespace Data {
class FTAdapter;
}
namespace Sessions {
class SessionManagerBase;
}
}  // namespace RAZ
namespace Utils {
class CommunicationSessionUiHelper;
class TextFieldActionsHandler;
namespace Actions {
class CommunicationsWindowMenuActions;
class ParticipantMenuActions;
}  // namespace Actions
}  // namespace Utils
namespace Widgets {
namespace Custom {
class VideoCall;
}
}  // namespace Widgets

namespace QML {

class CommunicationOverlay;
class CommunicationWindowDialpad;
class ContactMouseOver;
class View;

// The one window of a communication session: call, video, chat, room
// participants, shared screen and security classification side by side above
// a footer, each a scene of its own. Which panes show and how small the
// window may be follows the session's activity (updateLayout). Closing it
// ends the session, after asking while a call is active.
class CommunicationsWindow : public QML::Window {
  Q_OBJECT
  Q_PROPERTY(QObject* actionsProvider READ actionsProviderObject CONSTANT)
  Q_PROPERTY(QObject* session READ sessionObject NOTIFY sessionChanged)
  Q_PROPERTY(QObject* configXML READ configXml CONSTANT)
  Q_PROPERTY(QAbstractItemModel* contactModel READ contactModel NOTIFY contactModelChanged)
  Q_PROPERTY(QObject* messageModel READ messageModel NOTIFY messageModelChanged)
  Q_PROPERTY(QAbstractItemModel* smileys READ smileys NOTIFY smileysChanged)
  Q_PROPERTY(QAbstractItemModel* participants READ participants NOTIFY participantsChanged)
  Q_PROPERTY(QObject* textFieldActionsHandler READ textFieldActionsHandler CONSTANT)
  Q_PROPERTY(QObject* commsSessionUiHelper READ commsSessionUiHelper CONSTANT)
  Q_PROPERTY(int newMessageCount READ newMessageCount NOTIFY newMessageCountChanged)
  Q_PROPERTY(bool showOwnVideo READ showOwnVideo WRITE setShowOwnVideo NOTIFY showOwnVideoChanged)
  Q_PROPERTY(bool audioEnabled READ audioEnabled CONSTANT)
  Q_PROPERTY(bool optionsMenuVisible READ optionsMenuVisible NOTIFY optionsMenuVisibleChanged)
  Q_PROPERTY(QObject* overlay READ overlayObject CONSTANT)
  Q_PROPERTY(QObject* dialpad READ dialpadRoot CONSTANT)
  Q_PROPERTY(
      bool dialpadVisible READ dialpadVisible WRITE setDialpadVisible NOTIFY dialpadVisibleChanged)
  Q_PROPERTY(QString ussError READ ussError NOTIFY ussErrorChanged)
  Q_PROPERTY(bool xmppConnected READ xmppConnected NOTIFY xmppConnectedChanged)
  // The session's call for the scenes. A property, not the session's
  // getCall(): a scene must never come to own the shared call object.
  Q_PROPERTY(QObject* activeCall READ activeCall NOTIFY activeCallChanged)
  // Whether the call scene shows: where it does not (video, a chat or a
  // share beside the call), the footer carries the call's controls.
  Q_PROPERTY(bool callPaneShown READ callPaneShown NOTIFY layoutChanged)

 public:
  CommunicationsWindow(RAZ::Sessions::SessionManagerBase* sessionManager,
                       RAZ::Controllers::CommunicationSession* session, Providers::Factory* factory,
                       bool alwaysOnTop, QWidget* parent = nullptr);
  ~CommunicationsWindow() override;

  // Loads the scenes; once, after construction.
  void Activate();
  // The session has a call: its contact model for transfers and additions.
  void ActivateCall();
  void activateChat();
  void deactivateFileTransfer();
  void activateShare();
  void deactivateShare();
  // The chat transcript model (set by the chat-room handler).
  void setMessageModel(QObject* model);
  void setSmileys(TP::Core::Refcounting::SmartPtr<RAZ::Models::SmileysPtr> smileys);
  // The room's participants, shown sorted.
  void setParticipantsModel(QAbstractItemModel* model);
  void setShowOwnVideo(bool show);
  void setDialpadVisible(bool visible);

  RAZ::Controllers::CommunicationSession* getSession() const;
  // The window's menu entries (its options menu; the main window borrows
  // entries for the session's row of the active communications).
  Utils::Actions::CommunicationsWindowMenuActions* getMenuActions() const { return m_menuActions; }
  Utils::Actions::ParticipantMenuActions* participantMenuActions() const {
    return m_participantMenuActions;
  }
  // The card of the room party the mouse rests on, or null.
  ContactMouseOver* participantMouseOver() const;
  // The signed-in session's platform configuration (null without one).
  const RAZ::Configuration::Config* configuration() const;
  Widgets::Custom::VideoCall* getVideoSurface() const { return m_videoSurface; }
  bool isAlwaysOnTop() const { return m_alwaysOnTop; }
  // Where "Send File" starts looking: the user's documents folder.
  static QString documentsFolder();

  // Property readers.
  QObject* actionsProviderObject() const;
  RAZ::Actions::Provider* actionsProvider() const { return m_actionsProvider; }
  RAZ::Actions::Provider* menuActionsProvider() const { return m_menuActionsProvider; }
  QObject* sessionObject() const;
  QObject* configXml() const { return m_configXml; }
  QAbstractItemModel* contactModel() const;
  QObject* messageModel() const { return m_messageModel.data(); }
  QAbstractItemModel* smileys() const;
  QAbstractItemModel* participants() const;
  QObject* textFieldActionsHandler() const;
  QObject* commsSessionUiHelper() const;
  int newMessageCount() const { return m_newMessageCount; }
  bool showOwnVideo() const;
  bool audioEnabled() const;
  bool optionsMenuVisible() const { return !m_optionsMenu.isNull(); }
  QObject* overlayObject() const;
  CommunicationOverlay* overlay() const { return m_overlay; }
  QObject* dialpadRoot() const;
  bool dialpadVisible() const;
  QString ussError() const { return m_ussError; }
  bool xmppConnected() const;
  QObject* activeCall() const;
  bool callPaneShown() const { return m_lastPlan.visible[QML::CommsLayout::CallPane]; }
  // The dial pad's window (for the layout and for tests).
  CommunicationWindowDialpad* dialpadWindow() const { return m_dialpad; }
  // Where the dial pad goes for a cursor at `cursor`: at the cursor when it
  // lies over `window` (a click on the window's Dial Pad), else beside the
  // window; then moved wholly into `area`, the free area of the screen.
  static QPoint dialpadPosition(const QPoint& cursor, const QRect& window, const QSize& pad,
                                const QRect& area);

  // The panes, for the layout and for tests.
  QWidget* pane(QML::CommsLayout::Pane pane) const;
  QWidget* footerView() const;
  // The layout applied last.
  const QML::CommsLayout::Plan& lastLayout() const { return m_lastPlan; }
  // The flags the layout reads, computed from the session now.
  QML::CommsLayout::Flags layoutFlags(uint state) const;
  // The least the call scene needs for its text and its row of controls.
  QSize callViewMinimum() const;
  // How often the debug window was asked for (its window is another's).
  int debugWindowRequests() const { return m_debugRequests; }
  bool isCloseQuestionOpen() const { return m_closeDialogOpen; }
  QMessageBox* dismissalBox() const;

  QString helpContext() const override;
  bool canClose() override;
  QSize minimumWindowSize() const override;

 public slots:
  void primarySortFieldChanged();
  void callClassificationsMenuTriggered(QAction* action);
  void cbCloseConfirmed();
  void cbCloseRejected();
  void sessionStateChanged(RAZ::Controllers::CommunicationSession* session, uint oldState,
                           uint newState, bool incoming);
  void contactChanged();
  void contactNameOrPresenceChanged();
  void setRoomTitle();
  void callChanged();
  void videoStateChanged(RAZ::MediaEngine::CallBasePtr* call);
  void videoDoubleClicked();
  void incomingMessage();
  void chatActiveChanged();
  void openFileSelectDialog();
  void fileSelected(const QString& path);
  // A received file's adapter asks where to save (its fileName property,
  // its accept(QString) slot).
  void askSaveLocation(RAZ::Data::FTAdapter* adapter);
  void saveAcceptedFolder(const QString& fileName);
  void insertFileIntoCall(const QString& path);
  void fileSelectedToInsert(const QString& path);
  void messageSendingFailed();
  void onKickedFromChat(const QString& kickerName);
  void onKickedFromShare();
  void onUSSerror(USSClient::USSLIBERROR code, USSClient::ErrorType kind);
  void showDebugWindow();
  void showSharingNotification();
  void webcollabStateChanged();
  void openTextFieldMenu();
  void alwaysOnTopTriggered();
  void openPreferences();
  void windowSizeChanged(int width, int height);
  void updateSession();
  void showParticipantPopupMenu(QString nick);
  void toggleShowOwnVideo();
  // After a dismissal: the session's share and chat end.
  void closeChatAndShare();
  void updateLayout(uint state);
  void updateOwnVideoSize();
  // Somebody else's shared screen fills the screen while it shows, and the
  // window returns to its size when it stops (unless the user maximised it
  // before the share began).
  void maximizeForShare();
  void restoreAfterShare();
  // The share of somebody else ended for good: the session's collaboration
  // is closed (after the share's own report has been delivered).
  void endShare();

  Q_INVOKABLE void showOptionsMenu();
  // The call's End: the call ends at once, with no question. A chat or a
  // share beside it stays in the window; a window of the call alone goes.
  Q_INVOKABLE void endCall();
  // The room party of a nickname (its rank and contact), or null: what the
  // participant list hands to the card below.
  Q_INVOKABLE QObject* participant(const QString& nick) const;
  // The card of a room party, beside the pointer, while this window is the
  // active one; anything but a party shows none.
  Q_INVOKABLE void showParticipantMouseOver(QVariant participant);
  Q_INVOKABLE void hideParticipantMouseOver();
  Q_INVOKABLE void searchTextChanged(const QString& text);
  Q_INVOKABLE void addParticipantClicked(QString uri, int contactId);
  // The transfer list's pick: the call goes to the contact (its address or
  // first number) or to the typed address.
  Q_INVOKABLE void transferToClicked(QString uri, int contactId);
  // Holds this call and calls the party: the user talks to them first and
  // puts the two through from that call (completeTransferClicked there).
  Q_INVOKABLE void talkFirstToClicked(QString uri, int contactId);
  // In a call made to talk first: hands the held call to this party.
  Q_INVOKABLE void completeTransferClicked();
  Q_INVOKABLE QMenu* callClassificationsMenu();

 signals:
  void startFileTransfer(RAZ::Controllers::ChatInterface* chat, QString path);
  void addFileClicked();
  void transferCall(RAZ::Controllers::CommunicationSession* session, QString uri);
  void addParticipant(RAZ::Controllers::CommunicationSession* session, QString uri, int contactId);
  void startPlayingFileIntoCall(QString path);
  void playIncomingMessageSound();
  void sessionChanged();
  void contactModelChanged();
  void ftModelChanged();
  void messageModelChanged();
  void smileysChanged();
  void participantsChanged();
  void newMessageCountChanged();
  void windowVisible(bool visible, const QML::CommunicationsWindow* window);
  void chatNotificationAccepted();
  void callNotificationAccepted();
  void webcollabNotificationAccepted();
  void callNotificationIgnored();
  void webcollabNotificationIgnored();
  void showOwnVideoChanged();
  void optionsMenuVisibleChanged();
  void dialpadVisibleChanged();
  void ussErrorChanged();
  void preferenceActivated(int tab = 0);
  void xmppConnectedChanged();
  void activeCallChanged();
  // The panes were laid out again (the session's activity changed).
  void layoutChanged();

 private slots:
  // The session asks for a party to transfer to or conference with.
  void pickParty(int actionId);
  // A screen reader hears of what the transcript shows that it did not.
  void transcriptChanged();
  // The same just before a message is added: it is then told of alone.
  void transcriptChanging();
  // The panes' limits again, after the base window reset its own (or the
  // call scene came to need another size: a label in another language).
  void relayout();

 protected:
  bool event(QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The video's windows give way where the overlay's panel lies over them.
  void keepOverlayClearOfVideo();
  // Where a transfer pick goes: the contact's address or first number, or
  // the typed address.
  QString transferAddress(const QString& uri, int contactId) const;
  // The steps of the constructor, in their order.
  void createPanes();
  void setupPanes();
  void layoutPanes();
  void createActionProviders();
  void showSessionState();
  void createMenus();
  void connectWindow();
  void connectSession();
  // The contact list's sort order (first or last name), for the room's parties.
  static RAZ::Models::ChatParticipantsSort::PrimaryField primarySortField();
  void openCloseConfirmation();
  void disconnectDialogSignaling();
  void markTranscriptRead();
  QMessageBox* openDismissalBox();
  void applyLimits(QWidget* widget, const QML::CommsLayout::PaneLimits& limits);
  bool loadScene(QML::View* view, const QString& url);
  bool handleCallKey(int key);
  // The consultation call of a talk-first transfer of this window's call.
  void talkFirstOn(RAZ::Controllers::CommunicationSession* consult);
  // Puts away a popup open inside the chat pane; false when none is open.
  bool closeChatPopup();

  QPointer<RAZ::Sessions::SessionManagerBase> m_sessionManager;
  QPointer<RAZ::Controllers::CommunicationSession> m_session;
  RAZ::Actions::Provider* m_actionsProvider = nullptr;
  RAZ::Actions::Provider* m_menuActionsProvider = nullptr;
  RAZ::Models::ChatParticipantsSort* m_participants = nullptr;
  QObject* m_configXml = nullptr;
  QSortFilterProxyModel* m_contactModel = nullptr;
  QPointer<QObject> m_messageModel;
  TP::Core::Refcounting::SmartPtr<RAZ::Models::SmileysPtr> m_smileys;
  QPointer<Providers::Factory> m_factory;
  QString m_lastSaveFolder;
  int m_newMessageCount = 0;
  bool m_closeDialogOpen = false;
  bool m_closeConfirmed = false;
  Utils::TextFieldActionsHandler* m_textFieldActionsHandler = nullptr;
  Utils::Actions::CommunicationsWindowMenuActions* m_menuActions = nullptr;
  Utils::Actions::ParticipantMenuActions* m_participantMenuActions = nullptr;
  // The transfers whose save questions this window answers.
  QPointer<QObject> m_ftModel;
  QPointer<QMenu> m_optionsMenu;
  QString m_ussError;
  bool m_alwaysOnTop;
  QML::View* m_callView = nullptr;
  QML::View* m_chatView = nullptr;
  QML::View* m_footerView = nullptr;
  QML::View* m_participantsView = nullptr;
  // A top-level tool tip of its own; it goes with the window at the latest.
  QPointer<ContactMouseOver> m_participantMouseOver;
  QML::View* m_securityBarView = nullptr;
  Widgets::Custom::VideoCall* m_videoSurface = nullptr;
  QML::View* m_shareView = nullptr;
  CommunicationOverlay* m_overlay = nullptr;
  CommunicationWindowDialpad* m_dialpad = nullptr;
  QPointer<QMessageBox> m_kickMessageBox;
  QPointer<QObject> m_closeQuestion;
  Utils::CommunicationSessionUiHelper* m_sessionUiHelper = nullptr;
  QBoxLayout* m_contentLayout = nullptr;
  QBoxLayout* m_columnLayout = nullptr;
  QML::CommsLayout::Plan m_lastPlan;
  int m_debugRequests = 0;
  // The user presents the share (the hint was shown for it).
  bool m_presenting = false;
  // The window was maximised for a share being viewed.
  bool m_maximizedForShare = false;
};

}  // namespace QML
