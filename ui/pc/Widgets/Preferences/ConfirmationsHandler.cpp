#include "Widgets/Preferences/ConfirmationsHandler.h"

#include <QFile>
#include <QRegularExpressionValidator>

#include <RAZ/Sessions/SessionManagerBase.h>
#include <RAZ/Settings.h>
#include <TP/Core/Logging.h>

#include "Utils/AppPaths.h"
#include "Utils/ConfigIds.h"
#include "Utils/SettingsKeys.h"
#include "Widgets/Preferences/PreferencesConfig.h"
#include "os/UrlScheme.h"
#include "ui_preferences.h"

namespace Preferences {

namespace {

const char kSetupTag[] = "Preferences::ConfirmationsHandler::setupMiscellaneousWidgets";
const char kSaveTag[] = "Preferences::ConfirmationsHandler::saveSettings";

QString schemeDisplayName(const QString& scheme) {
  return scheme == QLatin1String("tel") ? QStringLiteral("Tel") : QStringLiteral("Callto");
}

// A port is a number from 1 to 65535; anything else gets the protocol's own.
QString portOrDefault(const QString& text, const QString& fallback) {
  const QString port = text.simplified();
  if (port.isEmpty()) return fallback;
  bool ok = false;
  const int number = port.toInt(&ok);
  if (ok && number >= 1 && number <= 65535) return QString::number(number);
  TP_LOG(kSaveTag, TP::Core::Logging::LevelWarning)
      << "Proxy port " << port << " is not a port number: " << fallback << " saved instead";
  return fallback;
}

}  // namespace

ConfirmationsHandler::ConfirmationsHandler(Ui::preferencesForm* form,
                                           RAZ::Sessions::SessionManagerBase* session,
                                           QObject* parent)
    : QObject(parent), ui(form), m_session(session) {
  connect(this, SIGNAL(enableSave(bool)), parent, SIGNAL(enableSave(bool)));
  connect(parent, SIGNAL(saveSettings()), this, SLOT(saveSettings()));
  connect(parent, SIGNAL(languageChanged()), this, SLOT(retranslate()));
  connect(ui->zentProxy, SIGNAL(toggled(bool)), this, SLOT(zentProxyToggled(bool)));
  // Ports are typed as digits only; a stored value that is not a port is
  // replaced by the protocol's default when saved.
  const QRegularExpression digits(QStringLiteral("[0-9]{0,5}"));
  ui->proxyportfield->setValidator(new QRegularExpressionValidator(digits, ui->proxyportfield));
  ui->secureproxyportfield->setValidator(
      new QRegularExpressionValidator(digits, ui->secureproxyportfield));
  for (QObject* field :
       {static_cast<QObject*>(ui->proxyhostfield), static_cast<QObject*>(ui->proxyportfield),
        static_cast<QObject*>(ui->secureproxyhostfield),
        static_cast<QObject*>(ui->secureproxyportfield)})
    connect(field, SIGNAL(textEdited(QString)), this, SLOT(changed()));
  if (m_session) {
    setupConfirmations();
    setupMiscellaneousWidgets();
  }
  // Its only choice belongs to a signed-in account that offers the
  // directory search: otherwise the group would stand empty or do nothing.
  ui->miscellaneousBox->setVisible(m_session && m_ldapOffered);
}

QStringList ConfirmationsHandler::callToSchemes() {
  return {QStringLiteral("callto"), QStringLiteral("tel")};
}

bool ConfirmationsHandler::isCallToHandlerRegistered() {
  const QString exe = AppPaths::executablePath();
  if (!Os::urlSchemeLauncherReady(exe)) return false;
  const QString program = Os::urlSchemeLauncherPath(exe);
  const auto schemes = callToSchemes();
  for (const QString& scheme : schemes) {
    QFile entry(Os::urlSchemeEntryPath(scheme));
    if (!entry.open(QIODevice::ReadOnly)) return false;
    if (QString::fromUtf8(entry.readAll()) !=
        Os::urlSchemeEntry(scheme, schemeDisplayName(scheme), program))
      return false;
    // Our entry is not enough: the switch shows what the desktop does with
    // such a link, and another program's default would take it.
    if (Os::desktopSchemeHandler(scheme) != Os::urlSchemeEntryName(scheme)) return false;
  }
  return true;
}

bool ConfirmationsHandler::setCallToHandler(bool enable) {
  bool ok = true;
  const auto schemes = callToSchemes();
  for (const QString& scheme : schemes) {
    const bool done = enable ? Os::registerUrlScheme(scheme, schemeDisplayName(scheme),
                                                     AppPaths::executablePath())
                             : Os::unregisterUrlScheme(scheme);
    if (!done) {
      TP_LOG(kSaveTag, TP::Core::Logging::LevelError)
          << "Could not " << (enable ? "write" : "remove") << " the link handler entry "
          << Os::urlSchemeEntryPath(scheme);
      ok = false;
    }
  }
  return ok;
}

void ConfirmationsHandler::setupConfirmations() {
  RAZ::Settings settings(RAZ::Settings::User);
  ui->removeContactConfirmation->setChecked(
      settings.value(Utils::SettingsKey::ConfirmRemoveContact, true).toBool());
  connect(ui->removeContactConfirmation, SIGNAL(stateChanged(int)), this, SLOT(changed()));
  ui->historyRecordConfirmation->setChecked(
      settings.value(Utils::SettingsKey::ConfirmHistoryRecord, true).toBool());
  connect(ui->historyRecordConfirmation, SIGNAL(stateChanged(int)), this, SLOT(changed()));
  if (configBool(m_session, Utils::ConfigId::ProjectRooms)) {
    ui->deleteChatRoomConfirmation->setChecked(
        settings.value(Utils::SettingsKey::ConfirmDeleteChatRoom, true).toBool());
    connect(ui->deleteChatRoomConfirmation, SIGNAL(stateChanged(int)), this, SLOT(changed()));
  } else {
    ui->deleteChatRoomConfirmation->hide();
  }
  if (configBool(m_session, Utils::ConfigId::LocationPublishing)) {
    ui->locationPublishConfirmation->setChecked(
        !settings.value(Utils::SettingsKey::LocationPublishDontAskAgain, false).toBool());
    connect(ui->locationPublishConfirmation, SIGNAL(stateChanged(int)), this, SLOT(changed()));
  } else {
    ui->locationPublishConfirmation->hide();
  }
  if (!configBool(m_session, Utils::ConfigId::CommsHistory)) {
    ui->historyRecordConfirmation->hide();
    ui->deleteChatRoomConfirmation->hide();
  }
  if (configBool(m_session, Utils::ConfigId::ClickToCall)) {
    ui->enableCallToHandler->setChecked(isCallToHandlerRegistered());
    connect(ui->enableCallToHandler, SIGNAL(stateChanged(int)), this, SLOT(changed()));
  } else {
    ui->enableCallToHandler->hide();
  }
  if (configBool(m_session, Utils::ConfigId::OtherDevicesTakeCalls)) {
    ui->useDefaultRingDevice->setChecked(true);
    m_ringDevice = settings.value(Utils::SettingsKey::DefaultRingDevice, true).toString();
    retranslate();
    m_ringDeviceOffered = !ui->useDefaultRingDevice->isHidden();
  } else {
    ui->useDefaultRingDevice->hide();
  }
}

void ConfirmationsHandler::retranslate() {
  if (!m_session || !configBool(m_session, Utils::ConfigId::OtherDevicesTakeCalls)) return;
  const QString devices[] = {QStringLiteral("PC"), QStringLiteral("MOBILE"),
                             QStringLiteral("DESKPHONE"), QStringLiteral("ALL")};
  const QString texts[] = {tr("Use PC Client as default ringing device"),
                           tr("Use Mobile as default ringing device"),
                           tr("Use Deskphone as default ringing device"), tr("Ring all devices")};
  for (int i = 0; i < 4; ++i) {
    if (m_ringDevice.compare(devices[i], Qt::CaseInsensitive) == 0) {
      ui->useDefaultRingDevice->setText(texts[i]);
      return;
    }
  }
  ui->useDefaultRingDevice->hide();
}

void ConfirmationsHandler::setupMiscellaneousWidgets() {
  RAZ::Settings settings(RAZ::Settings::User);

  const QString calendarKey = Utils::SettingsKey::OutlookCalendarEnabled;
  bool a = configBool(m_session, Utils::ConfigId::OutlookCalendar) &&
           configBool(m_session, Utils::ConfigId::PresenceEnabled);
  TP_LOG(kSetupTag, TP::Core::Logging::LevelInformation) << "OutlookCal: " << a;
  a = a && settings.contains(calendarKey);
  TP_LOG(kSetupTag, TP::Core::Logging::LevelInformation) << "OutlookCal: " << a;
  ui->enableOutlookCalendar->setHidden(!a);
  m_calendarOffered = a;
  bool v = settings.value(calendarKey, false).toBool();
  TP_LOG(kSetupTag, TP::Core::Logging::LevelInformation) << "OutlookCal(Settings): " << v;
  ui->enableOutlookCalendar->setChecked(v);
  connect(ui->enableOutlookCalendar, SIGNAL(stateChanged(int)), this, SLOT(changed()));

  const QString searchKey = Utils::SettingsKey::OutlookSearchEnabled;
  a = configBool(m_session, Utils::ConfigId::OutlookContactSearch);
  TP_LOG(kSetupTag, TP::Core::Logging::LevelInformation) << "OutlookSearch: " << a;
  a = a && settings.contains(searchKey);
  TP_LOG(kSetupTag, TP::Core::Logging::LevelInformation) << "OutlookSearch: " << a;
  ui->enableOutlookSearch->setHidden(!a);
  m_searchOffered = a;
  v = settings.value(searchKey, false).toBool();
  TP_LOG(kSetupTag, TP::Core::Logging::LevelInformation) << "OutlookSearch(Settings): " << v;
  ui->enableOutlookSearch->setChecked(v);
  connect(ui->enableOutlookSearch, SIGNAL(stateChanged(int)), this, SLOT(changed()));

  a = configBool(m_session, Utils::ConfigId::LdapContactSearch);
  TP_LOG(kSetupTag, TP::Core::Logging::LevelInformation) << "LdapSearch: " << a;
  ui->enableLdapSearch->setHidden(!a);
  m_ldapOffered = a;
  v = settings.value(Utils::SettingsKey::LdapSearchEnabled, true).toBool();
  TP_LOG(kSetupTag, TP::Core::Logging::LevelInformation) << "LdapSearch(Settings): " << v;
  ui->enableLdapSearch->setChecked(v);
  connect(ui->enableLdapSearch, SIGNAL(stateChanged(int)), this, SLOT(changed()));
}

void ConfirmationsHandler::changed() { emit enableSave(true); }

void ConfirmationsHandler::zentProxyToggled(bool on) {
  ui->proxyhostfield->setEnabled(on);
  ui->proxyportfield->setEnabled(on);
  ui->secureproxyhostfield->setEnabled(on);
  ui->secureproxyportfield->setEnabled(on);
}

void ConfirmationsHandler::saveSettings() {
  if (m_session) {
    RAZ::Settings settings(RAZ::Settings::User);
    settings.setValue(Utils::SettingsKey::ConfirmRemoveContact,
                      ui->removeContactConfirmation->isChecked());
    settings.setValue(Utils::SettingsKey::ConfirmHistoryRecord,
                      ui->historyRecordConfirmation->isChecked());
    settings.setValue(Utils::SettingsKey::ConfirmDeleteChatRoom,
                      ui->deleteChatRoomConfirmation->isChecked());
    settings.setValue(Utils::SettingsKey::LocationPublishDontAskAgain,
                      !ui->locationPublishConfirmation->isChecked());
    // Only a change of the switch touches the desktop entries: another
    // program's registration, which shows as unchecked, is left alone.
    if (configBool(m_session, Utils::ConfigId::ClickToCall) &&
        ui->enableCallToHandler->isChecked() != isCallToHandlerRegistered())
      setCallToHandler(ui->enableCallToHandler->isChecked());
    if (m_calendarOffered) {
      TP_LOG(kSaveTag, TP::Core::Logging::LevelInformation)
          << "Saving Outlook cal " << ui->enableOutlookCalendar->isChecked();
      settings.setValue(Utils::SettingsKey::OutlookCalendarEnabled,
                        ui->enableOutlookCalendar->isChecked());
    }
    if (m_searchOffered) {
      TP_LOG(kSaveTag, TP::Core::Logging::LevelInformation)
          << "Saving Outlook search " << ui->enableOutlookSearch->isChecked();
      settings.setValue(Utils::SettingsKey::OutlookSearchEnabled,
                        ui->enableOutlookSearch->isChecked());
    }
    if (configBool(m_session, Utils::ConfigId::LdapContactSearch))
      settings.setValue(Utils::SettingsKey::LdapSearchEnabled, ui->enableLdapSearch->isChecked());
    if (m_ringDeviceOffered && !ui->useDefaultRingDevice->isChecked())
      settings.setValue(Utils::SettingsKey::DefaultRingDevice, QString());
  }
  saveProxy();
}

void ConfirmationsHandler::saveProxy() {
  RAZ::Settings proxy(RAZ::Settings::Proxy);
  int type = 0;
  if (ui->noProxy->isChecked())
    type = 0;
  else if (ui->systemProxy->isChecked())
    type = 1;
  else if (ui->zentProxy->isChecked())
    type = 2;
  proxy.setValue(Utils::SettingsKey::ProxyType, type);
  if (!ui->proxyhostfield->text().isEmpty()) {
    proxy.setValue(Utils::SettingsKey::ProxyHttpServer, ui->proxyhostfield->text().simplified());
    proxy.setValue(Utils::SettingsKey::ProxyHttpPort,
                   portOrDefault(ui->proxyportfield->text(), QStringLiteral("80")));
  }
  if (!ui->secureproxyhostfield->text().isEmpty()) {
    proxy.setValue(Utils::SettingsKey::ProxyHttpsServer,
                   ui->secureproxyhostfield->text().simplified());
    proxy.setValue(Utils::SettingsKey::ProxyHttpsPort,
                   portOrDefault(ui->secureproxyportfield->text(), QStringLiteral("443")));
  }
}

}  // namespace Preferences
