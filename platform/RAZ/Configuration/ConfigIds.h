#pragma once

// The ids under which the session's configuration holds its values. The
// service's configuration files are keyed by these numbers, so a value never
// changes; code reads configuration through these names only, the
// platform's as well as the program's (which sees them as Utils::ConfigId).
namespace RAZ {
namespace Configuration {
namespace ConfigId {

constexpr int CallSettingsOnly = 0;  // bool: the session offers call settings alone
constexpr int PresenceEnabled = 4;   // bool: the user's own presence is published
constexpr int PresenceOverXmpp = 7;  // bool: presence travels over XMPP, not SIP
// The left pane: the view shown first, and the order of its buttons.
constexpr int DefaultView = 13;               // text: a button's name
constexpr int ContactsOrder = 14;             // int
constexpr int RoomsOrder = 15;                // int
constexpr int HistoryOrder = 16;              // int
constexpr int DialpadOrder = 17;              // int
constexpr int DirectoryOrder = 18;            // int
constexpr int WebOrder = 19;                  // int
constexpr int DirectorySyncMode = 20;         // text: "automatic" overwrites card fields
constexpr int MyRoom = 58;                    // bool
constexpr int ProjectRooms = 59;              // bool
constexpr int RoomsMayBeAdded = 60;           // bool
constexpr int RoomHistorySize = 61;           // int: messages kept per room
constexpr int MyRoomByService = 64;           // bool: My Room is configured by the service
constexpr int TestCall = 66;                  // bool
constexpr int TestCallNumbers = 67;           // pairs: the test-call number by language
constexpr int CallTransfer = 68;              // bool: transfer and drag-and-drop of calls
constexpr int TransferType = 69;              // text
constexpr int CallRecording = 71;             // bool
constexpr int CallPull = 73;                  // bool
constexpr int ParkedCallRetrieval = 74;       // bool
constexpr int ShowCommsWindowAtOnce = 75;     // bool
constexpr int CallsOnThisClient = 79;         // bool: this client places and receives calls
constexpr int PlayFileIntoCall = 80;          // bool
constexpr int VideoCalls = 94;                // bool
constexpr int ConferenceAdd = 109;            // text
constexpr int VoiceMailNumber = 115;          // text
constexpr int CommsHistory = 116;             // bool: the communications history is kept
constexpr int Chat = CommsHistory;            // the same switch offers chat
constexpr int ChatProtocols = 118;            // text: the chat protocols offered ("im", "xmpp")
constexpr int OfflineMessageIndicator = 119;  // bool
constexpr int Directory = 142;                // bool: the left pane's directory button
constexpr int EmergencySupported = 144;       // bool: emergency calls can be placed
constexpr int EmergencyWarning = 145;         // bool: warn when they cannot
constexpr int OutgoingFileSizeLimit = 153;    // int: bytes; below 1 no limit
constexpr int IncomingFileSizeLimit = 154;    // int: bytes; below 1 no limit
constexpr int OutlookContactSearch = 164;     // bool
constexpr int LdapContactSearch = 165;        // bool
constexpr int SearchDelay = 168;              // int: ms between the last key and the search
constexpr int SearchMinimumLength = 169;      // int: characters a search needs
constexpr int CallSettingsOverXsi = 170;      // bool
constexpr int WebCollabCredentialsEditable =
    270;                                    // bool: web-collaboration credentials are edited here
constexpr int SeveralDesktopShares = 271;   // bool
constexpr int WebCollabByService = 276;     // bool: web collaboration is configured by the service,
                                            // so its credentials are the service's
constexpr int AddinApi = 277;               // bool: add-ins may connect through the API
constexpr int XmppPresenceAndChat = 350;    // bool
constexpr int XsiProfilePath = 366;         // text
constexpr int ClickToCall = 375;            // bool: the program may handle call links
constexpr int OtherDevicesTakeCalls = 376;  // bool
constexpr int OutlookCalendar = 378;        // bool
constexpr int Banner = 379;                 // bool
constexpr int BannerAddress = 380;          // text
constexpr int BannerHeight = 381;           // int
constexpr int LocationPublishing = 382;     // bool
constexpr int EmergencyDisclaimer = 384;    // text: "disabled", "exit" or a prompt mode
constexpr int DisclaimerRejectionAddress = 385;  // text: opened when the disclaimer is refused
constexpr int XsiVersion = 364;                  // text: "v1.0" has no answer confirmation
constexpr int CallSettingsToolbar = 386;         // bool
constexpr int CallSettingsButton = 387;          // bool
constexpr int AnywhereButton = 388;              // bool
constexpr int SimultaneousRingButton = 389;      // bool
constexpr int RemoteOfficeButton = 390;          // bool
constexpr int ForwardingButton = 391;            // bool
constexpr int ForwardAlwaysOption = 392;         // bool
constexpr int ForwardBusyOption = 393;           // bool
constexpr int ForwardNoAnswerOption = 394;       // bool
constexpr int ForwardNotReachableOption = 395;   // bool
constexpr int DoNotDisturbButton = 396;          // bool
constexpr int AddressVerification = 400;         // bool
constexpr int AddressVerificationUrl = 401;      // text
constexpr int ExternalResourceButton = 397;      // bool: the left pane's web button
constexpr int ExternalResourceTooltip = 398;     // text
constexpr int ExternalResourceLink = 399;        // text
// What the call settings need of the service: every one of these (call
// settings over XSI first) and any one of the services they offer, which are
// read in this order.
constexpr int CallSettingsRequirements[] = {CallSettingsOverXsi, 171, 359};
constexpr int CallSettingsServices[] = {172, 174, 175, 176, 177, 179, 178, 173, 180};
// The corporate directory's server.
constexpr int LdapServer = 410;        // text: "ldap://host:port"
constexpr int LdapSearchBase = 411;    // text
constexpr int LdapFilter = 412;        // text
constexpr int LdapBindRequired = 413;  // bool: a search needs the user's credentials
constexpr int LdapTimeout = 414;       // int: seconds

}  // namespace ConfigId
}  // namespace Configuration
}  // namespace RAZ
