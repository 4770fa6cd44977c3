#pragma once

#include <QString>

// The keys of the settings stores. They are stored in the users' and the
// installation's files: a key's text never changes once released, and code
// names a key only through these constants.
namespace Utils {
namespace SettingsKey {

inline const QString LanguageActive = QStringLiteral("settings/language/active");
inline const QString ThemeActive = QStringLiteral("settings/themes/active");
inline const QString LoggingEnabled = QStringLiteral("settings/loggingenabled");
inline const QString XmppLoggingEnabled = QStringLiteral("settings/xmpploggingenabled");
inline const QString CrashingEnabled = QStringLiteral("settings/crashing_enabled");
inline const QString UserAgent = QStringLiteral("settings/user_agent");
inline const QString OsVersion = QStringLiteral("settings/os_version");
inline const QString SimplifiedSslHandling = QStringLiteral("settings/simplifiedSslHandling");
inline const QString SoundIncomingCallEnabled =
    QStringLiteral("settings/sounds/incomingCallEnabled");
inline const QString SoundIncomingMessageEnabled =
    QStringLiteral("settings/sounds/incomingMessageEnabled");
inline const QString SoundContactOnlineEnabled =
    QStringLiteral("settings/sounds/contactOnlineEnabled");
inline const QString SoundDefaultRinger = QStringLiteral("settings/sounds/defaultRinger");
inline const QString AudioSaveDirectory = QStringLiteral("settings/audio/saveDirectory");
inline const QString AudioAutomaticGainControl =
    QStringLiteral("settings/audio/automaticgaincontrol");
inline const QString VideoCaptureResolution = QStringLiteral("settings/video/captureresolution");
inline const QString VideoCaptureDevice = QStringLiteral("settings/video/capturedevice");
inline const QString ConfirmRemoveContact = QStringLiteral("settings/confirmations/removeContact");
inline const QString LoginUsername = QStringLiteral("login/username");
inline const QString LoginDisplayName = QStringLiteral("login/displayname");
inline const QString LoginConfig = QStringLiteral("login/config");
inline const QString LoginSavePassword = QStringLiteral("login/savepassword");
inline const QString LoginAutoLogin = QStringLiteral("login/autologin");
inline const QString DefaultTheme = QStringLiteral("defaults/theme");
inline const QString DefaultHelpFile = QStringLiteral("defaults/help_file");
inline const QString DefaultDmConfigFile = QStringLiteral("defaults/dm_config_file");
inline const QString DefaultForgotPasswordUrl = QStringLiteral("defaults/forgot_password_url");
inline const QString DefaultUserAgentTemplate = QStringLiteral("defaults/user_agent_template");
inline const QString DmUrl = QStringLiteral("dm/url");
inline const QString AlwaysOnTop = QStringLiteral("mainWindow/alwaysontop");
inline const QString MainWindowX = QStringLiteral("mainwindowpos/x");
inline const QString MainWindowY = QStringLiteral("mainwindowpos/y");
inline const QString MainWindowWidth = QStringLiteral("mainwindowsize/w");
inline const QString MainWindowHeight = QStringLiteral("mainwindowsize/h");
inline const QString LoginWindowX = QStringLiteral("loginwindowpos/x");
inline const QString LoginWindowY = QStringLiteral("loginwindowpos/y");
inline const QString ContactListSort = QStringLiteral("contactlist/sort");
inline const QString ShowOfflineContacts = QStringLiteral("contactlist/showOfflineContacts");
inline const QString ShowFavoritesGroup = QStringLiteral("contactlist/showFavoritesGroup");
inline const QString ShowProfilePhotos = QStringLiteral("contactlist/showProfilePhotos");
inline const QString ShowPresenceStatus = QStringLiteral("contactlist/showPresenceStatus");
// int: the history's filter (0 all, 1 missed, 2 calls, 3 chats).
inline const QString TimelineFilter = QStringLiteral("timeline/filterFlag");
inline const QString LocationPublishPrefix = QStringLiteral("presence/location_publish/");
inline const QString ThemeLogoX = QStringLiteral("window/logo_x");
inline const QString ThemeLogoY = QStringLiteral("window/logo_y");

// Preferences pages.
inline const QString ConfirmHistoryRecord = QStringLiteral("settings/confirmations/historyRecord");
inline const QString ConfirmDeleteChatRoom =
    QStringLiteral("settings/confirmations/deleteChatRoom");
inline const QString LocationPublishDontAskAgain =
    QStringLiteral("presence/location_publish/dontAskAgain");
inline const QString DefaultRingDevice = QStringLiteral("settings/actions/defaultRingDevice");
inline const QString OutlookCalendarEnabled = QStringLiteral("settings/outlook_calendar_enabled");
inline const QString OutlookSearchEnabled = QStringLiteral("settings/outlook_search_enabled");
inline const QString LdapSearchEnabled = QStringLiteral("settings/ldap_search_enabled");
inline const QString AudioCallPlaybackDevice = QStringLiteral("settings/audio/duringacalldevice");
inline const QString AudioRecordingDevice = QStringLiteral("settings/audio/recordingdevice");
inline const QString AudioRingingDevice = QStringLiteral("settings/audio/withoutacalldevice");
inline const QString VideoQualityDetection = QStringLiteral("settings/video/qualitydetection");
inline const QString MyRoomDialInNumber = QStringLiteral("security/myRoomDialInNumber");
inline const QString MyRoomHostPin = QStringLiteral("security/myRoomHostPin");
inline const QString MyRoomPin1 = QStringLiteral("security/myRoomPin1");
inline const QString MyRoomPin2 = QStringLiteral("security/myRoomPin2");
inline const QString ShowResetWarning = QStringLiteral("security/showResetWarning");
inline const QString AdvancedLoggingEnabled = QStringLiteral("settings/advloggingenabled");
inline const QString ApiProviderAllowConnectors =
    QStringLiteral("settings/api_provider_allow_connectors");
inline const QString ApiConnectionNoConfirmation =
    QStringLiteral("settings/api_connection_no_confirmation");
inline const QString ApiConnectionAcceptByDefault =
    QStringLiteral("settings/api_connection_accept_by_default");
inline const QString ProxyType = QStringLiteral("proxy_settings/type");
inline const QString ProxyHttpServer = QStringLiteral("proxy_settings/httpserver");
inline const QString ProxyHttpPort = QStringLiteral("proxy_settings/httpport");
inline const QString ProxyHttpsServer = QStringLiteral("proxy_settings/httpsserver");
inline const QString ProxyHttpsPort = QStringLiteral("proxy_settings/httpsport");

}  // namespace SettingsKey
}  // namespace Utils
