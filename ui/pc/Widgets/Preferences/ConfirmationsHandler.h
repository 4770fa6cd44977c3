#pragma once

#include <QObject>
#include <QPointer>

namespace RAZ {
namespace Sessions {
class SessionManagerBase;
}
}  // namespace RAZ
namespace Ui {
class preferencesForm;
}

namespace Preferences {

// The confirmation and miscellaneous switches of the General tab, the
// Outlook switches of the Add-ins tab and the Proxy tab. The only page
// handler that also works signed out (then for the Proxy tab alone). Owns
// the program's registration for "callto:" and "tel:" links.
class ConfirmationsHandler : public QObject {
  Q_OBJECT

 public:
  ConfirmationsHandler(Ui::preferencesForm* ui, RAZ::Sessions::SessionManagerBase* session,
                       QObject* parent);

  // True when the desktop opens both link schemes with this program: our
  // desktop entries, written for this executable, are its defaults.
  static bool isCallToHandlerRegistered();
  // Registers or removes the program for the link schemes; false when a
  // desktop entry could not be written or removed (logged).
  static bool setCallToHandler(bool enable);
  static QStringList callToSchemes();

 signals:
  void enableSave(bool enable);

 public slots:
  void saveSettings();
  void changed();
  void zentProxyToggled(bool on);
  void retranslate();

 private:
  void setupConfirmations();
  void setupMiscellaneousWidgets();
  void saveProxy();

  Ui::preferencesForm* ui;
  QPointer<RAZ::Sessions::SessionManagerBase> m_session;
  QString m_ringDevice;
  bool m_ldapOffered = false;
  bool m_calendarOffered = false;
  bool m_searchOffered = false;
  bool m_ringDeviceOffered = false;
};

}  // namespace Preferences
