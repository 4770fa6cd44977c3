#pragma once

#include <QPointer>

#include "libqml/window/Window.h"

namespace RAZ {
namespace Sessions {
class SessionManagerBase;
}
}  // namespace RAZ

namespace Utils {
// The pages of the call settings (0 keeps the default page).
enum CallSettingsPage {
  DefaultPage = 0,
  ForwardingPage = 1,
  DoNotDisturbPage = 2,
  RemoteOfficePage = 3
};
}  // namespace Utils

namespace QML {

// The call-settings window of a session: the telephony services the user
// may switch (forwarding, do not disturb, remote office), on tabs.
class CallSettings : public Window {
  Q_OBJECT
  Q_PROPERTY(int currentPage READ currentPage NOTIFY currentPageChanged)
  Q_PROPERTY(QStringList tabs READ tabs NOTIFY tabsChanged)

 public:
  CallSettings(RAZ::Sessions::SessionManagerBase* session, bool alwaysOnTop,
               QWidget* parent = nullptr);
  ~CallSettings() override;

  int currentPage() const { return m_page; }
  QStringList tabs() const;
  QSize minimumWindowSize() const override { return QSize(420, 320); }

 public slots:
  void showAndRaise();
  void openPage(int page);

 signals:
  void currentPageChanged();
  void tabsChanged();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  QPointer<RAZ::Sessions::SessionManagerBase> m_session;
  int m_page = 0;
};

}  // namespace QML
