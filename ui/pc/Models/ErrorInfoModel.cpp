#include "Models/ErrorInfoModel.h"

#include <QEvent>
#include <QRegularExpression>

#include <RAZ/Actions/Enablers.h>
#include <RAZ/Configuration/Config.h>
#include <RAZ/Contacts/Contacts.h>
#include <RAZ/Controllers/CommsSessionController.h>
#include <RAZ/Controllers/Search/LdapContactSearch.h>
#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Xsi/XsiCallHistory.h>
#include <RAZ/Xsi/XsiCredentialsControl.h>
#include <TP/Core/Logging.h>

#include "Utils/ConfigIds.h"
#include "Utils/PresenceHelper.h"
#include "dialogs/MessageWindow.h"
#include "dialogs/PreferencesWindow.h"

namespace Models {

using RAZ::Sessions::SubSession;

namespace {

namespace ConfigId = Utils::ConfigId;

bool disconnected(const SubSession* sub) {
  return sub->state() == RAZ::Sessions::Session::Idle ||
         sub->state() == RAZ::Sessions::Session::Closed;
}

}  // namespace

ErrorInfoModel::ErrorInfoModel(RAZ::Sessions::SessionManagerBase* session,
                               RAZ::Actions::WebcollabEnabler* enabler, QObject* parent)
    : QAbstractListModel(parent), m_session(session), m_enabler(enabler) {
  if (session) {
    connect(session,
            SIGNAL(subSessionStateChanged(RAZ::Sessions::SessionManagerBase*,
                                          const RAZ::Sessions::SubSession*,
                                          RAZ::Sessions::Session::State)),
            this, SLOT(updateSessionStatuses()));
    connect(session, SIGNAL(reconnectionStateChanged(RAZ::Sessions::SessionManagerBase*, bool)),
            this, SLOT(reconnectionStateChanged(RAZ::Sessions::SessionManagerBase*, bool)));
    if (RAZ::Controllers::XsiCallHistory* history = session->xsiCallHistoryController()) {
      connect(history, SIGNAL(xsiCallLogsReceived(RAZ::Controllers::CallInfoList)), this,
              SLOT(xsiCallLogsReceived()));
      connect(
          history,
          SIGNAL(xsiCallLogsRetrievalFailed(RAZ::Xsi::XsiComponent::Error, RAZ::Xsi::XsiErrorInfo)),
          this,
          SLOT(xsiCallLogsRetrievalFailed(RAZ::Xsi::XsiComponent::Error, RAZ::Xsi::XsiErrorInfo)));
    }
    if (RAZ::Controllers::Search::LdapContactSearch* ldap =
            session->ldapContactSearchController()) {
      connect(ldap, SIGNAL(requestLdapCredentials()), this, SLOT(ldapQueryAuthenticationFailed()));
      connect(ldap, SIGNAL(hideLdapCredentialsError()), this, SLOT(ldapQueryAuthenticationFixed()));
    }
    // Outlook does not exist on this desktop: both objects are null here,
    // but a platform that has them is followed.
    if (QObject* calendar = session->outlookCalendarService()) {
      connect(calendar, SIGNAL(outlookDetectionFinished()), this, SLOT(outlookFeatureChanged()));
      connect(calendar, SIGNAL(outlookCalendarChecked(bool)), this, SLOT(outlookFeatureChanged()));
    }
    if (QObject* search = session->outlookContactService()) {
      connect(search, SIGNAL(outlookDetectionFinished()), this, SLOT(outlookFeatureChanged()));
      connect(search, SIGNAL(outlookSearchChecked(bool)), this, SLOT(outlookFeatureChanged()));
    }
    if (RAZ::Contacts::Contacts* contacts = session->contactsManager().data())
      connect(contacts, SIGNAL(readOnlyChanged(bool)), this, SLOT(contactsReadOnlyChanged(bool)));
  }
  if (enabler)
    connect(enabler, SIGNAL(enable(const RAZ::Actions::Enabler*)), this,
            SLOT(webCollabAuthorizationChanged()));
  webCollabAuthorizationChanged();
}

ErrorInfoModel::~ErrorInfoModel() {
  // An explanation about a session that is gone would only mislead.
  for (const ErrorEntry& entry : qAsConst(m_entries))
    if (entry.window) entry.window->close();
}

bool ErrorInfoModel::configBool(int id) const {
  const RAZ::Configuration::Config* config = m_session ? m_session->configuration() : nullptr;
  return config && config->getBool(id);
}

const ErrorInfoModel::Services& ErrorInfoModel::services() {
  if (m_servicesRead) return m_services;
  m_servicesRead = true;
  const RAZ::Configuration::Config* config = m_session ? m_session->configuration() : nullptr;
  const bool presence = configBool(ConfigId::PresenceEnabled);
  m_services.xmppPresence = presence && configBool(ConfigId::PresenceOverXmpp);
  m_services.sipPresence = presence && !configBool(ConfigId::PresenceOverXmpp);
  const bool chat = configBool(ConfigId::Chat);
  const QString protocols = config ? config->getString(ConfigId::ChatProtocols) : QString();
  static const QRegularExpression xmpp(QStringLiteral("im|xmpp"));
  static const QRegularExpression sip(QStringLiteral("msrp|sip|conversation"));
  m_services.xmppChat = chat && xmpp.match(protocols).hasMatch();
  m_services.sipChat = chat && sip.match(protocols).hasMatch();
  m_services.calls = configBool(ConfigId::CallsOnThisClient);
  return m_services;
}

QString ErrorInfoModel::serviceNotConnectedText(bool chat, bool presence, bool calls,
                                                bool desktopShare) {
  QStringList items;
  if (chat) items << tr("Chat");
  if (presence) items << tr("Presence");
  if (calls) items << tr("Calls");
  if (desktopShare) items << tr("Desktop Share");
  QString joined;
  for (int i = 0; i < items.size(); ++i) {
    joined += items.at(i);
    const int following = items.size() - i - 1;
    if (following > 1)
      joined += QStringLiteral(", ");
    else if (following == 1)
      joined += tr(" and ");
  }
  return tr("Service not connected. %1 unavailable").arg(joined);
}

void ErrorInfoModel::fillTexts(ErrorEntry* entry, bool ldapSecondForm) {
  const Services& s = services();
  switch (entry->type) {
    case NetworkLost:
      entry->title = tr("Network connection lost");
      entry->detail.clear();
      break;
    case CallsUnavailable:
      entry->title = tr("Calls unavailable");
      entry->detail = serviceNotConnectedText(s.sipChat, s.sipPresence, s.calls, false);
      break;
    case ChatUnavailable:
      entry->title = tr("Chat unavailable");
      entry->detail = serviceNotConnectedText(s.xmppChat, s.xmppPresence, false, false);
      break;
    case XsiUnavailable: {
      const bool phone = configBool(ConfigId::OtherDevicesTakeCalls);
      const bool settings = configBool(ConfigId::CallSettingsOverXsi);
      entry->title.clear();
      entry->detail.clear();
      if (m_reconnecting && phone && settings) {
        entry->title = tr("Some events are unavailable");
        entry->detail = tr("Call settings and calling from phone is currently not available.");
      } else if (m_reconnecting && settings && !phone) {
        entry->title = tr("Some settings are unavailable");
        entry->detail = tr("Call settings is currently not available.");
      } else if (phone) {
        entry->title = tr("Calling from phone unavailable");
        entry->detail = tr("Calling from phone is currently not available.");
      }
      break;
    }
    case HistoryError:
      entry->title = tr("Error retrieving history");
      entry->detail = tr("Failed to retrieve some call logs in history. Please try again later.");
      break;
    case DesktopShareError:
      if (m_enabler && m_enabler->hasConnectionFailed()) {
        entry->title = tr("Desktop share unavailable");
        entry->detail =
            tr("Unable to start desktop share. Please try again later. If the problem persists, "
               "please contact your service provider.");
      } else {
        entry->title = tr("Desktop share credential error");
        if (configBool(ConfigId::WebCollabByService)) {
          entry->detail = tr("Your Desktop Share credentials seem to be unavailable or invalid.");
        } else {
          entry->detail =
              tr("Your Desktop Share credentials seem to be unavailable or invalid. You can "
                 "update your credentials from the Preferences.");
          entry->opensPreferences = 1;
        }
      }
      break;
    case LdapCredentialError:
      entry->title = ldapSecondForm ? tr("Corporate Directory (LDAP) Error")
                                    : tr("Corporate directory credential error");
      entry->detail =
          tr("Your LDAP credentials seem to be unavailable or invalid. You can update your "
             "credentials from the Preferences.");
      entry->opensPreferences = 1;
      break;
    case OutlookNotDetected:
      entry->title = tr("Outlook not detected");
      entry->detail =
          tr("There was an error locating Microsoft Outlook on your system. If you have Outlook "
             "installed, please exit and restart your client. If you do not have Outlook "
             "installed, you can disable Outlook features via Preferences.");
      break;
    case EmergencyCallsUnavailable:
      entry->title = tr("Emergency calls unavailable");
      entry->detail = tr("Emergency calls are not supported. Please use another phone.");
      break;
    case ContactListReadOnly:
      entry->title = tr("Contact list version mismatch");
      entry->detail = tr("Contact list version mismatch - contact list is read only.");
      break;
    default:
      break;
  }
}

ErrorInfoModel::ErrorEntry ErrorInfoModel::build(int type, bool ldapSecondForm) {
  ErrorEntry entry;
  entry.type = type;
  fillTexts(&entry, ldapSecondForm);
  return entry;
}

int ErrorInfoModel::rowOf(int type) const {
  for (int row = 0; row < m_entries.size(); ++row)
    if (m_entries.at(row).type == type) return row;
  return -1;
}

QList<int> ErrorInfoModel::types() const {
  QList<int> list;
  for (const ErrorEntry& entry : m_entries) list << entry.type;
  return list;
}

Dialogs::MessageWindow* ErrorInfoModel::windowAt(int row) const {
  return row >= 0 && row < m_entries.size() ? m_entries.at(row).window.data() : nullptr;
}

void ErrorInfoModel::add(const ErrorEntry& entry) {
  if (rowOf(entry.type) >= 0) return;
  TP_LOG("Models::ErrorInfoModel", TP::Core::Logging::LevelDetail)
      << "Banner shown: " << entry.type;
  beginInsertRows(QModelIndex(), m_entries.size(), m_entries.size());
  m_entries.append(entry);
  endInsertRows();
}

void ErrorInfoModel::remove(int type) {
  const int row = rowOf(type);
  if (row < 0) return;
  TP_LOG("Models::ErrorInfoModel", TP::Core::Logging::LevelDetail) << "Banner cleared: " << type;
  beginRemoveRows(QModelIndex(), row, row);
  const ErrorEntry entry = m_entries.takeAt(row);
  endRemoveRows();
  if (entry.window) entry.window->close();
}

int ErrorInfoModel::rowCount(const QModelIndex&) const { return m_entries.size(); }

QVariant ErrorInfoModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() < 0 || index.row() >= m_entries.size()) return QVariant();
  if (role == Qt::DisplayRole) return m_entries.at(index.row()).title;
  if (role == Qt::StatusTipRole) return m_entries.at(index.row()).detail;
  return QVariant();
}

bool ErrorInfoModel::xsiUnavailable() const {
  const SubSession* xsi = m_session ? m_session->subSession(SubSession::TypeXsi) : nullptr;
  if (!xsi || !xsi->enabled()) return false;
  if (!configBool(ConfigId::OtherDevicesTakeCalls) && !configBool(ConfigId::CallSettingsOverXsi))
    return false;
  return m_reconnecting || disconnected(xsi);
}

bool ErrorInfoModel::wantDesktopShare() const {
  return m_enabler && (m_enabler->hasAuthorizationFailed() || m_enabler->hasConnectionFailed());
}

bool ErrorInfoModel::wantOutlook() const {
  // No Outlook on this desktop: nothing is enabled, so nothing is missing.
  return false;
}

void ErrorInfoModel::updateSessionStatuses() {
  if (!m_session || m_session->state() != RAZ::Sessions::StateSignedIn) return;
  QList<ErrorEntry> wanted;
  if (m_reconnecting) wanted << build(NetworkLost);
  if (xsiUnavailable()) {
    const ErrorEntry xsi = build(XsiUnavailable);
    if (!xsi.title.isEmpty()) wanted << xsi;
  }
  // Offline mode is the user's choice: chat being away is then no problem.
  const SubSession* xmpp = m_session->subSession(SubSession::TypeXmpp);
  const bool chatAvailable = Utils::PresenceHelper::isOfflineMode(m_session) ||
                             (xmpp && (!xmpp->enabled() || !disconnected(xmpp)));
  if (!chatAvailable) wanted << build(ChatUnavailable);
  const SubSession* sip = m_session->subSession(SubSession::TypeSip);
  const bool callsAvailable = sip && (!sip->enabled() || !disconnected(sip));
  if (!callsAvailable) wanted << build(CallsUnavailable);
  if (configBool(ConfigId::EmergencyWarning) && !configBool(ConfigId::EmergencySupported))
    wanted << build(EmergencyCallsUnavailable);
  if (wantDesktopShare()) wanted << build(DesktopShareError);
  if (RAZ::Controllers::Search::LdapContactSearch* ldap = m_session->ldapContactSearchController())
    if (ldap->isChecked() && ldap->getAuthenticationRequired()) {
      if (!ldap->getLdapCredentials())
        wanted << build(LdapCredentialError);
      else if (ldap->getAuthenticationFailed())
        wanted << build(LdapCredentialError, true);
    }
  if (wantOutlook()) wanted << build(OutlookNotDetected);
  RAZ::Contacts::Contacts* contacts = m_session->contactsManager().data();
  if (contacts && contacts->isReadOnly()) wanted << build(ContactListReadOnly);

  if (wanted.isEmpty() && m_entries.isEmpty()) return;
  QList<int> wantedTypes;
  for (const ErrorEntry& entry : qAsConst(wanted)) wantedTypes << entry.type;
  for (int row = m_entries.size() - 1; row >= 0; --row)
    if (!wantedTypes.contains(m_entries.at(row).type)) remove(m_entries.at(row).type);
  for (const ErrorEntry& entry : qAsConst(wanted)) add(entry);
}

void ErrorInfoModel::reconnectionStateChanged(RAZ::Sessions::SessionManagerBase*,
                                              bool reconnecting) {
  m_reconnecting = reconnecting;
  if (xsiUnavailable()) {
    const ErrorEntry fresh = build(XsiUnavailable);
    remove(XsiUnavailable);
    if (!fresh.title.isEmpty()) add(fresh);
  } else {
    remove(XsiUnavailable);
  }
  if (reconnecting)
    add(build(NetworkLost));
  else
    remove(NetworkLost);
}

void ErrorInfoModel::contactsReadOnlyChanged(bool readOnly) {
  if (readOnly)
    add(build(ContactListReadOnly));
  else
    remove(ContactListReadOnly);
}

void ErrorInfoModel::xsiCallLogsReceived() { remove(HistoryError); }

void ErrorInfoModel::xsiCallLogsRetrievalFailed(RAZ::Xsi::XsiComponent::Error,
                                                const RAZ::Xsi::XsiErrorInfo&) {
  add(build(HistoryError));
}

void ErrorInfoModel::ldapQueryAuthenticationFailed() { add(build(LdapCredentialError, true)); }

void ErrorInfoModel::ldapQueryAuthenticationFixed() { remove(LdapCredentialError); }

void ErrorInfoModel::outlookFeatureChanged() {
  if (wantOutlook())
    add(build(OutlookNotDetected));
  else
    remove(OutlookNotDetected);
}

void ErrorInfoModel::webCollabAuthorizationChanged() {
  if (wantDesktopShare()) {
    add(build(DesktopShareError));
  } else {
    remove(DesktopShareError);
  }
}

void ErrorInfoModel::showExtendedInfo(int row) {
  if (row < 0 || row >= m_entries.size()) return;
  ErrorEntry& entry = m_entries[row];
  if (!entry.window) {
    auto* window = new Dialogs::MessageWindow(nullptr, entry.title, entry.detail, false,
                                              entry.opensPreferences
                                                  ? QDialogButtonBox::Ok | QDialogButtonBox::Cancel
                                                  : QDialogButtonBox::Ok,
                                              false, false, false);
    entry.window = window;
    if (entry.opensPreferences == 1 && m_session && m_session->commsSessionController()) {
      // Accepting leads to the page where the credentials are changed.
      QPointer<RAZ::Controllers::CommsSessionController> comms(m_session->commsSessionController());
      connect(window, &Dialogs::MessageWindow::messageAccepted, this, [comms] {
        if (comms) emit comms->preferenceActivated(Dialogs::PreferencesWindow::Credentials);
      });
    }
  }
  entry.window->show();
  entry.window->raise();
  entry.window->activateWindow();
}

bool ErrorInfoModel::event(QEvent* event) {
  if (event->type() != QEvent::LanguageChange) return QAbstractListModel::event(event);
  for (int row = 0; row < m_entries.size(); ++row) {
    ErrorEntry& entry = m_entries[row];
    entry.opensPreferences = 0;
    fillTexts(&entry, false);
    emit dataChanged(index(row), index(row));
  }
  return true;
}

}  // namespace Models
