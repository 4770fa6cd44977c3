#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QQuickItem>

#include "libqml/components/CallSettings.h"

class QAction;
class QMenu;

namespace RAZ {
namespace Controllers {
class GWALocation;
}
namespace Sessions {
class SessionManagerBase;
}
}  // namespace RAZ

namespace Utils {

// The main window's call-settings toolbar: which service buttons it shows,
// whether each service is on, the small menus behind the buttons, switching
// services in one click, and opening the call settings on a page.
class CallSettingsToolbarHelper : public QObject {
  Q_OBJECT
  Q_PROPERTY(bool sessionOffline READ sessionOffline NOTIFY sessionOfflineChanged)
  Q_PROPERTY(bool toolbarEnabled READ toolbarEnabled CONSTANT)
  Q_PROPERTY(bool callSettingsEnabled READ callSettingsEnabled CONSTANT)
  Q_PROPERTY(bool granitewayAnywhereEnabled READ granitewayAnywhereEnabled NOTIFY
                 granitewayAnywhereEnabledChanged)
  Q_PROPERTY(bool granitewayAnywhereActive READ granitewayAnywhereActive NOTIFY
                 granitewayAnywhereActiveChanged)
  Q_PROPERTY(bool remoteOfficeEnabled READ remoteOfficeEnabled NOTIFY remoteOfficeEnabledChanged)
  Q_PROPERTY(bool remoteOfficeActive READ remoteOfficeActive NOTIFY remoteOfficeActiveChanged)
  Q_PROPERTY(bool simultaneousRingEnabled READ simultaneousRingEnabled CONSTANT)
  Q_PROPERTY(
      bool callForwardingEnabled READ callForwardingEnabled NOTIFY callForwardingEnabledChanged)
  Q_PROPERTY(bool callForwardingActive READ callForwardingActive NOTIFY callForwardingActiveChanged)
  Q_PROPERTY(bool doNotDisturbEnabled READ doNotDisturbEnabled NOTIFY doNotDisturbEnabledChanged)
  Q_PROPERTY(bool doNotDisturbActive READ doNotDisturbActive WRITE setDoNotDisturbActive NOTIFY
                 doNotDisturbActiveChanged)

 public:
  explicit CallSettingsToolbarHelper(RAZ::Sessions::SessionManagerBase* session,
                                     QObject* parent = nullptr);
  ~CallSettingsToolbarHelper() override;

  bool sessionOffline() const { return m_sessionOffline; }
  bool toolbarEnabled() const { return m_toolbarEnabled; }
  bool callSettingsEnabled() const { return m_callSettingsEnabled; }
  bool granitewayAnywhereEnabled() const;
  bool granitewayAnywhereActive() const;
  bool remoteOfficeEnabled() const { return m_remoteOfficeEnabled; }
  bool remoteOfficeActive() const;
  bool simultaneousRingEnabled() const { return m_simultaneousRingEnabled; }
  bool callForwardingEnabled() const { return m_callForwardingEnabled; }
  bool callForwardingActive() const;
  bool doNotDisturbEnabled() const { return m_doNotDisturbEnabled; }
  bool doNotDisturbActive() const { return m_doNotDisturbActive; }
  void setDoNotDisturbActive(bool on);

  QMenu* granitewayAnywhereMenu() const { return m_anywhereMenu; }
  QMenu* remoteOfficeMenu() const { return m_remoteOfficeMenu; }
  QMenu* forwardingMenu() const { return m_forwardingMenu; }
  QList<int> forwardingOptions() const { return m_forwardingOptions; }

  Q_INVOKABLE void supplementaryServicesReady();
  Q_INVOKABLE void rebuildGranitewayAnywhereMenu();
  Q_INVOKABLE void granitewayAnywhereLocationChanged();
  Q_INVOKABLE void granitewayAnywhereLocationClicked();
  Q_INVOKABLE void granitewayAnywhereConfigureClicked();
  Q_INVOKABLE void remoteOfficeClicked();
  Q_INVOKABLE void remoteOfficeConfigureClicked();
  Q_INVOKABLE void callForwardingOptionClicked();
  Q_INVOKABLE void callForwardingConfigureClicked();
  Q_INVOKABLE void serviceObjectReady();
  Q_INVOKABLE void cbReconnectionStateChanged(RAZ::Sessions::SessionManagerBase* session,
                                              bool reconnecting);

  // Menu texts as they show (also set by the show slots, which pop up).
  void retranslateMenus();

 public slots:
  // The next menu drops from this button rather than from the pointer
  // (Space on the button leaves the pointer anywhere).
  void setMenuButton(QQuickItem* button);
  void showGranitewayAnywhereMenu();
  void showRemoteOfficeMenu();
  void showSimultaneousRingMenu();
  void showForwardingMenu();

 signals:
  void sessionOfflineChanged();
  void granitewayAnywhereEnabledChanged();
  void granitewayAnywhereActiveChanged();
  void remoteOfficeEnabledChanged();
  void remoteOfficeActiveChanged();
  void callForwardingEnabledChanged();
  void callForwardingActiveChanged();
  void doNotDisturbEnabledChanged();
  void doNotDisturbActiveChanged();
  // Both forms are connected and called by name: the scene calls the one
  // without a page, the window connects the one with a page.
  void openCallSettings(Utils::CallSettingsPage page);  // clazy:exclude=overloaded-signal
  void openCallSettings();                              // clazy:exclude=overloaded-signal

 private slots:
  void emitDefaultPage();

 private:
  bool config(int id) const;
  static void discard(QPointer<QMenu>& menu);
  void popup(QMenu* menu);
  QPointer<QQuickItem> m_menuButton;

  QPointer<RAZ::Sessions::SessionManagerBase> m_session;
  bool m_sessionOffline = false;
  bool m_toolbarEnabled = false;
  bool m_callSettingsEnabled = false;
  bool m_granitewayAnywhereEnabled = false;
  bool m_remoteOfficeEnabled = false;
  bool m_simultaneousRingEnabled = false;
  bool m_callForwardingEnabled = false;
  bool m_doNotDisturbEnabled = false;
  QPointer<QMenu> m_anywhereMenu;
  QPointer<QMenu> m_remoteOfficeMenu;
  QPointer<QMenu> m_simultaneousRingMenu;
  QPointer<QMenu> m_forwardingMenu;
  QList<int> m_forwardingOptions;
  bool m_doNotDisturbActive = false;
  // The locations the anywhere menu shows, to let go of them on a rebuild.
  QList<QPointer<RAZ::Controllers::GWALocation>> m_anywhereLocations;
};

}  // namespace Utils
