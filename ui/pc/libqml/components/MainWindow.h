#pragma once

#include <QDateTime>
#include <QPointer>
#include <QVariant>

#include "libqml/components/CallSettings.h"
#include "libqml/window/Window.h"

class QShortcut;
class QSortFilterProxyModel;

namespace Providers {
class Factory;
class MenuActionProviderWin;
}  // namespace Providers
namespace RAZ {
class Client;
namespace Actions {
class Provider;
class SourceComposite;
}  // namespace Actions
namespace Databases {
class Comms;
}
namespace Sessions {
class SessionManagerBase;
}
}  // namespace RAZ
namespace Utils {
class CallSettingsToolbarHelper;
class CommunicationsWindowManager;
}  // namespace Utils

namespace QML {

// The window of a signed-in session: the user's own name and presence, the
// contact list with presence, search, and the session's commands. Closing it
// by its frame only hides it; the session goes on in the tray.
class MainWindow : public Window {
  Q_OBJECT
  Q_PROPERTY(QString userName READ userName NOTIFY ownContactChanged)
  Q_PROPERTY(QObject* ownContact READ ownContact NOTIFY ownContactChanged)
  Q_PROPERTY(
      int voiceMailMessagesCount READ voiceMailMessagesCount NOTIFY voiceMailMessagesCountChanged)
  Q_PROPERTY(bool showStatus READ showStatus NOTIFY showStatusChanged)
  Q_PROPERTY(bool myRoomReady READ isMyRoomReady NOTIFY myRoomReadyChanged)
  Q_PROPERTY(QObject* callSettingsToolbarHelper READ callSettingsToolbarHelperObject CONSTANT)
  Q_PROPERTY(QString ownLocation READ ownLocation NOTIFY ownLocationChanged)

 public:
  MainWindow(RAZ::Client* client, Providers::Factory* factory,
             Providers::MenuActionProviderWin* menuActionProvider, RAZ::Databases::Comms* commsDb,
             Utils::CommunicationsWindowManager* commsWindowManager, bool stayOnTop,
             QWidget* parent = nullptr);
  ~MainWindow() override;

  bool activate();

  QString helpContext() const override { return m_activeView; }
  QSize minimumWindowSize() const override;
  QSize maximumWindowSize() const override;
  bool canClose() override;
  bool isPinnedToTaskbar() const;

  QString userName() const;
  QObject* ownContact() const;
  int voiceMailMessagesCount() const { return m_voiceMailMessagesCount; }
  bool showStatus() const { return m_showStatus; }
  bool isMyRoomReady() const { return m_myRoomReady; }
  QString activeView() const { return m_activeView; }
  QSortFilterProxyModel* contactModel() const { return m_contactsProxy; }
  Providers::Factory* factory() const;
  RAZ::Actions::Provider* actionsProvider() const { return m_actionsProvider; }
  QShortcut* crashShortcut() const { return m_crashShortcut; }
  QML::CallSettings* callSettingsWindow() const { return m_callSettings; }
  Utils::CallSettingsToolbarHelper* callSettingsToolbarHelper() const { return m_toolbarHelper; }
  QObject* callSettingsToolbarHelperObject() const;
  // The location the user publishes, as the own-presence panel shows it.
  QString ownLocation() const;

  // Whether the rectangle (x, y, w, h) may be restored on `desktop`: not
  // empty and inside it without touching its edges.
  static bool canRestoreGeometry(const QRect& desktop, const QRect& saved);

 public slots:
  void preferencesChanged();
  void cbSessionClosed();
  void showContactList();
  void onMessages(QVariant titles, QVariant texts);
  void myRoomReady();
  void alwaysOnTopTriggered();
  void crash();
  void setSearchText(const QString& text);
  void openPresenceMenu();
  void signOut();
  QString availabilityText(int state) const;
  // Opens the session's call settings (one window at a time) on a page.
  void openCallSettings(Utils::CallSettingsPage page);
  void openCallSettings();

 signals:
  void ownContactChanged();
  void ownLocationChanged();
  void voiceMailMessagesCountChanged();
  void showStatusChanged();
  void myRoomReadyChanged();
  void startMyRoom(const QString reason);
  void checkVoiceMails();
  void primarySortFieldChanged();
  void fetchCallLogs();
  void selectActiveSession();

 private slots:
  void activeViewChanged(const QString& view);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void restoreGeometry();
  void saveGeometry();

  QPointer<RAZ::Client> m_client;
  QPointer<RAZ::Sessions::SessionManagerBase> m_session;
  QPointer<Providers::Factory> m_factory;
  QPointer<Providers::MenuActionProviderWin> m_menuActionProvider;
  QPointer<RAZ::Databases::Comms> m_commsDb;
  QPointer<Utils::CommunicationsWindowManager> m_commsWindowManager;
  QPointer<QML::CallSettings> m_callSettings;
  Utils::CallSettingsToolbarHelper* m_toolbarHelper = nullptr;
  QSortFilterProxyModel* m_contactsProxy = nullptr;
  RAZ::Actions::SourceComposite* m_contactSource = nullptr;
  RAZ::Actions::Provider* m_actionsProvider = nullptr;
  QShortcut* m_crashShortcut = nullptr;
  QString m_activeView;
  QDateTime m_activeViewSince;
  QString m_searchText;
  bool m_showStatus = false;
  bool m_myRoomReady = false;
  int m_voiceMailMessagesCount = 0;
  bool m_geometryRestored = false;
};

}  // namespace QML
