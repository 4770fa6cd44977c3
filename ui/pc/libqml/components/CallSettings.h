#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QNetworkReply>
#include <QPointer>

#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Xsi/SupplementaryServices.h>
#include <RAZ/Xsi/XsiComponent.h>

#include "libqml/window/Window.h"

namespace Utils {
// The page the call settings open on (the toolbar and the main window send
// it); any other value, 0 when none is asked for, opens the first tab.
enum CallSettingsPage {
  DefaultPage = 0,
  AnywherePage = 1,
  RemoteOfficePage = 2,
  SimultaneousRingPage = 3,
  ForwardingPage = 4,
  DoNotDisturbPage = 5
};
}  // namespace Utils

Q_DECLARE_METATYPE(Utils::CallSettingsPage)

namespace QML {

class CallSettings;

// One tab of the call settings: its title and the page it shows.
class CallSettingsTabDetail : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString tabTitle READ tabTitle NOTIFY tabTitleChanged)
  Q_PROPERTY(TabType tabType READ tabType CONSTANT)

 public:
  enum TabType {
    Invalid = -1,
    GranitewayAnywhereTab = 0,
    RemoteOfficeTab = 1,
    CallForwardingTab = 2,
    DoNotDisturbTab = 3,
    HideNumberTab = 4,
    SimultaneousRingTab = 5
  };
  Q_ENUM(TabType)

  explicit CallSettingsTabDetail(CallSettings* window, QObject* parent = nullptr);

  CallSettings* window() const { return m_window; }
  QString tabTitle() const { return m_title; }
  TabType tabType() const { return m_type; }
  void setTabTitle(const QString& title);
  void setTabType(TabType type);

 signals:
  void tabTitleChanged();

 private:
  QPointer<CallSettings> m_window;
  QString m_title;
  TabType m_type = GranitewayAnywhereTab;
};

// The tabs this account can use, in the order they are listed.
class CallSettingsTabDetailList : public QAbstractListModel {
  Q_OBJECT

 public:
  enum Roles { TabTitleRole = 257, TabTypeRole = 258, TabObjectRole = 259 };

  explicit CallSettingsTabDetailList(QObject* parent = nullptr) : QAbstractListModel(parent) {}

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QHash<int, QByteArray> roleNames() const override;
  bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;

  // Takes the tab (it becomes the list's child).
  void append(CallSettingsTabDetail* tab);
  CallSettingsTabDetail* at(int row) const;

 private:
  QList<QPointer<CallSettingsTabDetail>> m_tabs;
};

// The call-settings window: the telephony service's supplementary services
// (anywhere locations, remote office, forwarding, do not disturb, number
// hiding, simultaneous ring), one tab each that the account can use.
class CallSettings : public Window {
  Q_OBJECT
  Q_PROPERTY(bool answerConfirmationSupported READ answerConfirmationSupported CONSTANT)

 public:
  CallSettings(RAZ::Sessions::SessionManagerBase* session, bool alwaysOnTop,
               QWidget* parent = nullptr);
  ~CallSettings() override;

  bool answerConfirmationSupported() const { return m_answerConfirmationSupported; }
  CallSettingsTabDetailList* tabs() const { return m_tabs; }
  QString helpContext() const override { return m_helpContext; }
  QSize minimumWindowSize() const override { return QSize(625, 450); }
  QSize maximumWindowSize() const override { return minimumWindowSize(); }

  // Opens the tab of the page (a Utils::CallSettingsPage).
  void showPage(int page);

  // Checks of what the user typed: the text to show, or empty when it may
  // be saved (see Utils::CallSettingsInput).
  Q_INVOKABLE QString checkForwarding(const QString& number) const;
  Q_INVOKABLE QString checkRemoteOffice(bool enabled, const QString& number) const;
  Q_INVOKABLE QString checkAnywhereLocation(const QString& number) const;
  Q_INVOKABLE QString checkRingLocations() const;

  Q_INVOKABLE void sessionStateChange(RAZ::Sessions::SessionManagerBase* sess,
                                      RAZ::Sessions::State state);
  Q_INVOKABLE void pageChanged(QString currentPage);

 public slots:
  void onSupplementaryServicesReady();
  void onSaveGWROServiceData(bool isActive, QString targetPhone);
  void onSaveCFUServiceData(bool isActive, QString targetPhone);
  void onSaveCFBServiceData(bool isActive, QString targetPhone);
  void onSaveCFNRcServiceData(bool isActive, QString targetPhone);
  void onSaveCFNRServiceData(bool isActive, QString targetPhone);
  void onSaveDNDServiceData(bool isActive);
  void onSaveCLIDBlockData(bool isActive);
  QString getNumberAttribute();
  void onFetchFailed(RAZ::Xsi::XsiComponent::Error error, RAZ::Xsi::XsiErrorInfo info);
  void onFetchFailed(QNetworkReply::NetworkError error);

 signals:
  void unblockUi();
  void setRemoteOfficeData(bool isActive, QString targetPhone);
  void setAlwaysForwardData(bool isActive, QString targetPhone);
  void setBusyForwardData(bool isActive, QString targetPhone);
  void setUnreachableForwardData(bool isActive, QString targetPhone);
  void setNoReplyForwardData(bool isActive, QString targetPhone);
  void setDndData(bool isActive);
  void setCLIDBlockData(bool isActive);
  void changeSupplementaryService(RAZ::Controllers::SupplementaryService ss);
  void showErrorMessage(QString message);
  void switchTab();
  void changeTab(int tab, int tabIndex);

 protected:
  void keyReleaseEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void rebuildTabs();
  void loadScene();
  void addTab(const QString& title, CallSettingsTabDetail::TabType type);
  bool hasNoForwardingService() const;
  RAZ::Controllers::XsiSupplementaryServicesController2* xsi() const;

  QPointer<RAZ::Sessions::SessionManagerBase> m_session;
  CallSettingsTabDetailList* m_tabs = nullptr;
  QString m_helpContext;
  QString m_numberAttribute;
  bool m_answerConfirmationSupported = false;
  // The page last asked for: its tab may only appear once the services
  // list has arrived.
  int m_requestedPage = Utils::DefaultPage;
};

}  // namespace QML
