#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QPointer>
#include <QString>

#include <RAZ/Xsi/XsiComponent.h>

namespace Dialogs {
class MessageWindow;
}
namespace RAZ {
namespace Actions {
class WebcollabEnabler;
}
namespace Sessions {
class SessionManagerBase;
}
namespace Xsi {
struct XsiErrorInfo;
}
}  // namespace RAZ

namespace Models {

// The error banner of the main window: one row per current service problem
// (lost network, calls or chat unavailable, the XSI interface, history,
// desktop share, directory, Outlook, emergency calls, a read-only contact
// list), at most one row per kind, each with a one-line title and an
// optional explanation shown in a message window on request.
//
// Rows follow the platform's signals as they arrive; a full re-evaluation
// (updateSessionStatuses) happens only while the session is signed in.
// Role 0 ("display") is the title, role 4 ("statusTip") the explanation.
class ErrorInfoModel : public QAbstractListModel {
  Q_OBJECT

 public:
  enum ErrorType {
    NetworkLost = 0,
    CallsUnavailable = 1,
    ChatUnavailable = 2,
    XsiUnavailable = 3,
    HistoryError = 4,
    DesktopShareError = 7,
    LdapCredentialError = 8,
    OutlookNotDetected = 9,
    EmergencyCallsUnavailable = 10,
    ContactListReadOnly = 11
  };
  Q_ENUM(ErrorType)

  struct ErrorEntry {
    int type = 0;
    QString title;
    QString detail;
    QPointer<Dialogs::MessageWindow> window;
    int opensPreferences = 0;
  };

  ErrorInfoModel(RAZ::Sessions::SessionManagerBase* session,
                 RAZ::Actions::WebcollabEnabler* enabler, QObject* parent = nullptr);
  ~ErrorInfoModel() override;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  // The kinds of the rows, top to bottom.
  QList<int> types() const;
  Dialogs::MessageWindow* windowAt(int row) const;

  // "Service not connected. %1 unavailable" with the given services named.
  static QString serviceNotConnectedText(bool chat, bool presence, bool calls, bool desktopShare);

 public slots:
  void showExtendedInfo(int row);
  void updateSessionStatuses();
  void reconnectionStateChanged(RAZ::Sessions::SessionManagerBase* session, bool reconnecting);
  void contactsReadOnlyChanged(bool readOnly);
  void xsiCallLogsReceived();
  void xsiCallLogsRetrievalFailed(RAZ::Xsi::XsiComponent::Error error,
                                  const RAZ::Xsi::XsiErrorInfo& info);
  void ldapQueryAuthenticationFailed();
  void ldapQueryAuthenticationFixed();
  void outlookFeatureChanged();
  void webCollabAuthorizationChanged();

 protected:
  bool event(QEvent* event) override;

 private:
  // What the session's configuration says it offers, read once per model
  // (one model per session: a later session may be configured otherwise).
  struct Services {
    bool xmppPresence = false;
    bool sipPresence = false;
    bool xmppChat = false;
    bool sipChat = false;
    bool calls = false;
  };
  const Services& services();
  bool configBool(int id) const;
  ErrorEntry build(int type, bool ldapSecondForm = false);
  void fillTexts(ErrorEntry* entry, bool ldapSecondForm);
  void add(const ErrorEntry& entry);
  void remove(int type);
  int rowOf(int type) const;
  bool xsiUnavailable() const;
  bool wantDesktopShare() const;
  bool wantOutlook() const;

  QPointer<RAZ::Sessions::SessionManagerBase> m_session;
  bool m_reconnecting = false;
  QList<ErrorEntry> m_entries;
  QPointer<RAZ::Actions::WebcollabEnabler> m_enabler;
  Services m_services;
  bool m_servicesRead = false;
};

}  // namespace Models
