<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>About</name>
    <message>
        <source>This product uses the Qt toolkit (LGPL version 3), OpenSSL (Apache License 2.0), QtWebKit (LGPL version 2.1) and QXmpp (LGPL version 2.1).</source>
        <translation>This product uses the Qt toolkit (LGPL version 3), OpenSSL (Apache License 2.0), QtWebKit (LGPL version 2.1) and QXmpp (LGPL version 2.1).</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>UI setting error</source>
        <translation>UI setting error</translation>
    </message>
    <message>
        <source>Couldn&apos;t find UI settings file</source>
        <translation>Couldn&apos;t find UI settings file</translation>
    </message>
    <message>
        <source>Initialization Error</source>
        <translation>Initialization Error</translation>
    </message>
    <message>
        <source>Initialization of the application failed!</source>
        <translation>Initialization of the application failed!</translation>
    </message>
    <message>
        <source>Theme Loading Error</source>
        <translation>Theme Loading Error</translation>
    </message>
    <message>
        <source>Initialization error</source>
        <translation>Initialization error</translation>
    </message>
    <message>
        <source>Unable to initialize login window!</source>
        <translation>Unable to initialize login window!</translation>
    </message>
    <message>
        <source>Stored Accounts</source>
        <translation>Stored Accounts</translation>
    </message>
    <message>
        <source>The stored accounts could not be read. The file was kept as %1. Sign in again to store your account.</source>
        <translation type="vanished">The stored accounts could not be read. The file was kept as %1. Sign in again to store your account.</translation>
    </message>
    <message>
        <source>%1 Connectivity</source>
        <extracomment>%1 is HTTP or HTTPS</extracomment>
        <translation>%1 Connectivity</translation>
    </message>
    <message>
        <source>Secured %1 proxy was detected during %1 connectivity test. Ask system administrator for valid credentials in order to access the network. If credentials are not provided, some of the application&apos;s features may be unavailable.</source>
        <extracomment>%1 is HTTP or HTTPS</extracomment>
        <translation>Secured %1 proxy was detected during %1 connectivity test. Ask system administrator for valid credentials in order to access the network. If credentials are not provided, some of the application&apos;s features may be unavailable.</translation>
    </message>
    <message>
        <source>Forced Logout</source>
        <translation>Forced Logout</translation>
    </message>
    <message>
        <source>%1 is not allowed to run simultaneously on multiple locations and had to logout here because it is being used somewhere else.</source>
        <translation>%1 is not allowed to run simultaneously on multiple locations and had to logout here because it is being used somewhere else.</translation>
    </message>
    <message>
        <source>New Mandatory Version Available</source>
        <translation>New Mandatory Version Available</translation>
    </message>
    <message>
        <source>New mandatory version available. You have to update in order to continue using the application.</source>
        <translation>New mandatory version available. You have to update in order to continue using the application.</translation>
    </message>
    <message>
        <source>New Version Available</source>
        <translation>New Version Available</translation>
    </message>
    <message>
        <source>New version available, would you like to upgrade now?</source>
        <translation>New version available, would you like to upgrade now?</translation>
    </message>
    <message>
        <source>New Version</source>
        <translation>New Version</translation>
    </message>
    <message>
        <source>Press OK to automatically shut down and upgrade the application.</source>
        <translation>Press OK to automatically shut down and upgrade the application.</translation>
    </message>
    <message>
        <source>Error Downloading New Version</source>
        <translation>Error Downloading New Version</translation>
    </message>
    <message>
        <source>Failed to launch default web browser with the following address: %1</source>
        <translation>Failed to launch default web browser with the following address: %1</translation>
    </message>
    <message>
        <source>E911 Disclosure</source>
        <translation>E911 Disclosure</translation>
    </message>
    <message>
        <source>WARNING: Do not use your soft phone to dial 911 except from your registered physical location. Use at a location other than the registered physical location may route 911 calls to an incorrect 911 dispatch center, potentially delaying or preventing emergency services. It is recommended that you maintain alternative access to 911 services.</source>
        <translation>WARNING: Do not use your soft phone to dial 911 except from your registered physical location. Use at a location other than the registered physical location may route 911 calls to an incorrect 911 dispatch center, potentially delaying or preventing emergency services. It is recommended that you maintain alternative access to 911 services.</translation>
    </message>
    <message>
        <source>Xsi account password expires in %1 days. Please consider changing it.</source>
        <translation>Xsi account password expires in %1 days. Please consider changing it.</translation>
    </message>
    <message>
        <source>Xsi account password expires today. Please consider changing it.</source>
        <translation>Xsi account password expires today. Please consider changing it.</translation>
    </message>
    <message>
        <source>Xsi account password has expired. Please change it to enable Xsi functionality.</source>
        <translation>Xsi account password has expired. Please change it to enable Xsi functionality.</translation>
    </message>
    <message>
        <source>Unknown Configuration</source>
        <translation>Unknown Configuration</translation>
    </message>
    <message>
        <source>The selected configuration is not available. Choose another one and sign in again.</source>
        <translation>The selected configuration is not available. Choose another one and sign in again.</translation>
    </message>
    <message>
        <source>Connection Error</source>
        <translation>Connection Error</translation>
    </message>
    <message>
        <source>Client is unable to connect to the server. Check your internet connection. If the problem persists please contact your service provider.</source>
        <translation>Client is unable to connect to the server. Check your internet connection. If the problem persists please contact your service provider.</translation>
    </message>
    <message>
        <source>Invalid User</source>
        <translation>Invalid User</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Authentication failed</translation>
    </message>
    <message>
        <source>Connection to server failed. Try again later. If the problem persists please contact your service provider.</source>
        <translation>Connection to server failed. Try again later. If the problem persists please contact your service provider.</translation>
    </message>
    <message>
        <source>it cannot be opened: %1</source>
        <translation>it cannot be opened: %1</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>it is larger than %1 MiB</translation>
    </message>
    <message>
        <source>its content cannot be deciphered</source>
        <translation>its content cannot be deciphered</translation>
    </message>
    <message>
        <source>The stored accounts in %1 could not be read: %2. The file was left as it is and no account is stored until it can be read.</source>
        <translation>The stored accounts in %1 could not be read: %2. The file was left as it is and no account is stored until it can be read.</translation>
    </message>
    <message>
        <source>The stored accounts in %1 could not be read: %2. The file was kept as %3. Sign in again to store your account.</source>
        <translation>The stored accounts in %1 could not be read: %2. The file was kept as %3. Sign in again to store your account.</translation>
    </message>
    <message>
        <source>Data Folder Error</source>
        <translation>Data Folder Error</translation>
    </message>
    <message>
        <source>The folder for your settings and accounts cannot be used: %1.</source>
        <translation>The folder for your settings and accounts cannot be used: %1.</translation>
    </message>
    <message>
        <source>the system offers no folder for your data</source>
        <translation>the system offers no folder for your data</translation>
    </message>
    <message>
        <source>%1 is not a folder and cannot be made one</source>
        <translation>%1 is not a folder and cannot be made one</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 cannot be written: %2</translation>
    </message>
    <message>
        <source>%1 cannot start because %2.</source>
        <translation>%1 cannot start because %2.</translation>
    </message>
    <message>
        <source>Start-up Error</source>
        <translation>Start-up Error</translation>
    </message>
    <message>
        <source>%1 is already running but does not answer (its lock is %2). Close it, or end its process, and start %1 again.</source>
        <translation>%1 is already running but does not answer (its lock is %2). Close it, or end its process, and start %1 again.</translation>
    </message>
    <message>
        <source>These configuration files could not be read:</source>
        <translation>These configuration files could not be read:</translation>
    </message>
    <message>
        <source>Configuration Error</source>
        <translation>Configuration Error</translation>
    </message>
    <message>
        <source>Your settings in %1 could not be read (%2). The defaults are used, and the file is left as it is: changes to your settings cannot be saved until it can be read.</source>
        <translation>Your settings in %1 could not be read (%2). The defaults are used, and the file is left as it is: changes to your settings cannot be saved until it can be read.</translation>
    </message>
    <message>
        <source>Your settings in %1 could not be read (%2). The defaults are used; the file was kept as %3.</source>
        <translation>Your settings in %1 could not be read (%2). The defaults are used; the file was kept as %3.</translation>
    </message>
    <message>
        <source>The file %1, which names the program, is not text: the program runs under its built-in name, %2, with the settings kept under that name. Reinstalling the client restores the file.</source>
        <translation>The file %1, which names the program, is not text: the program runs under its built-in name, %2, with the settings kept under that name. Reinstalling the client restores the file.</translation>
    </message>
    <message>
        <source>A line of the file %1, which names the program, is longer than %2 characters: only its first %2 are used.</source>
        <translation>A line of the file %1, which names the program, is longer than %2 characters: only its first %2 are used.</translation>
    </message>
    <message>
        <source>Installation</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than %2 MiB: only its beginning was read and the rest is ignored.</source>
        <translation>The settings file %1 is larger than %2 MiB: only its beginning was read and the rest is ignored.</translation>
    </message>
    <message>
        <source>Default theme not found. Please reinstall the client.
Looked for the theme &quot;%1&quot; in the folders %2.</source>
        <translation>Default theme not found. Please reinstall the client.
Looked for the theme &quot;%1&quot; in the folders %2.</translation>
    </message>
    <message>
        <source>No configuration could be loaded (looked in %1). Signing in uses the service's own settings; if it fails, reinstall the program.</source>
        <translation>No configuration could be loaded (looked in %1). Signing in uses the service's own settings; if it fails, reinstall the program.</translation>
    </message>
    <message>
        <source>History</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Your history in %1 could not be read. The file is left as it is, and the history of this session is not kept until it can be read.</source>
        <translation>Your history in %1 could not be read. The file is left as it is, and the history of this session is not kept until it can be read.</translation>
    </message>
    <message>
        <source>Your history in %1 could not be read. It was kept as %2, and a new history is started.</source>
        <translation>Your history in %1 could not be read. It was kept as %2, and a new history is started.</translation>
    </message>
    <message>
        <source>What the service kept for you (your contacts and groups, your chats, your history and call settings) could not be read. It was kept as %1, and all of it starts afresh.</source>
        <translation>What the service kept for you (your contacts and groups, your chats, your history and call settings) could not be read. It was kept as %1, and all of it starts afresh.</translation>
    </message>
    <message>
        <source>Kept Data Unreadable</source>
        <translation>Kept Data Unreadable</translation>
    </message>
    <message>
        <source>Your history and chats could not be saved (%1). They are kept and saved as soon as that is possible again; until then, ending the program loses what is new.</source>
        <translation>Your history and chats could not be saved (%1). They are kept and saved as soon as that is possible again; until then, ending the program loses what is new.</translation>
    </message>
    <message>
        <source>History Not Saved</source>
        <translation>History Not Saved</translation>
    </message>
    <message>
        <source>The file %1, which names the program, is missing or cannot be read: the program runs under its built-in name, %2, with the settings and stored accounts kept under that name. Reinstalling the client restores the file.</source>
        <translation>The file %1, which names the program, is missing or cannot be read: the program runs under its built-in name, %2, with the settings and stored accounts kept under that name. Reinstalling the client restores the file.</translation>
    </message>
    <message>
        <source>The file %1, which names the program, names no application: the program runs under its built-in name, %2, with the settings and stored accounts kept under that name. Reinstalling the client restores the file.</source>
        <translation>The file %1, which names the program, names no application: the program runs under its built-in name, %2, with the settings and stored accounts kept under that name. Reinstalling the client restores the file.</translation>
    </message>
    <message>
        <source>The installation&apos;s settings file %1 is not a settings file: it was not copied into your settings, and the program&apos;s own defaults are used. Reinstalling the client restores it.</source>
        <translation>The installation&apos;s settings file %1 is not a settings file: it was not copied into your settings, and the program&apos;s own defaults are used. Reinstalling the client restores it.</translation>
    </message>
    <message>
        <source>The installation&apos;s settings file %1 is missing: the program&apos;s own defaults are used. Reinstalling the client restores it.</source>
        <extracomment>%1 is the installation&apos;s settings file</extracomment>
        <translation>The installation&apos;s settings file %1 is missing: the program&apos;s own defaults are used. Reinstalling the client restores it.</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than %2 MiB: only its beginning was read. Before your settings are saved, the whole file is kept as %3.</source>
        <extracomment>%1 is a file, %2 a size in MiB, %3 the file the whole of it is copied to</extracomment>
        <translation>The settings file %1 is larger than %2 MiB: only its beginning was read. Before your settings are saved, the whole file is kept as %3.</translation>
    </message>
    <message>
        <source>Links to rooms (zent:) could not be handed to this program by the desktop (%1). They will be registered again at the next start.</source>
        <extracomment>%1 names the file and why it could not be written</extracomment>
        <translation>Links to rooms (zent:) could not be handed to this program by the desktop (%1). They will be registered again at the next start.</translation>
    </message>
    <message>
        <source>Links Not Registered</source>
        <translation>Links Not Registered</translation>
    </message>
    <message>
        <source>Call from a Link</source>
        <translation>Call from a Link</translation>
    </message>
    <message>
        <source>A link asks to call %1. Do you want to call this number?</source>
        <translation>A link asks to call %1. Do you want to call this number?</translation>
    </message>
</context>
<context>
    <name>CallAnswerNotification</name>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Video</source>
        <translation type="vanished">Video</translation>
    </message>
    <message>
        <source>Answer with Video</source>
        <translation>Answer with Video</translation>
    </message>
    <message>
        <source>Answer with audio only</source>
        <translation>Answer with audio only</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Decline</source>
        <translation>Decline</translation>
    </message>
</context>
<context>
    <name>CallSettings</name>
    <message>
        <source>These services are managed by your service provider.</source>
        <translation type="vanished">These services are managed by your service provider.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="vanished">Close</translation>
    </message>
</context>
<context>
    <name>ChatNotification</name>
    <message>
        <source>Group Chat</source>
        <translation>Group Chat</translation>
    </message>
    <message>
        <source>Click to accept</source>
        <translation>Click to accept</translation>
    </message>
</context>
<context>
    <name>ChatroomPassword</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Error:</source>
        <translation>Error:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CommunicationNotification</name>
    <message>
        <source>%1 wants to add video to the call</source>
        <translation>%1 wants to add video to the call</translation>
    </message>
    <message>
        <source>%1 invited you to conference call</source>
        <translation>%1 invited you to conference call</translation>
    </message>
    <message>
        <source>%1 is calling</source>
        <translation>%1 is calling</translation>
    </message>
    <message>
        <source>Accept My Room invitation from %1</source>
        <translation>Accept My Room invitation from %1</translation>
    </message>
    <message>
        <source>%1 invited you to group chat</source>
        <translation>%1 invited you to group chat</translation>
    </message>
    <message>
        <source>%1 wants to chat</source>
        <translation>%1 wants to chat</translation>
    </message>
    <message>
        <source>%1 is sending you a file</source>
        <translation>%1 is sending you a file</translation>
    </message>
    <message>
        <source>Would you like to view %1&apos;s desktop share?</source>
        <translation>Would you like to view %1&apos;s desktop share?</translation>
    </message>
    <message>
        <source>Decline</source>
        <translation>Decline</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignore</translation>
    </message>
</context>
<context>
    <name>QDeclarativeWebView2</name>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
</context>
<context>
    <name>ConnectorList</name>
    <message>
        <source>Vendor Name: %1</source>
        <translation>Vendor Name: %1</translation>
    </message>
    <message>
        <source>Description: %1</source>
        <translation>Description: %1</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disable</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Enable</translation>
    </message>
</context>
<context>
    <name>ContactCard</name>
    <message>
        <source>New contact</source>
        <translation type="vanished">New contact</translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="vanished">Close</translation>
    </message>
    <message>
        <source>Add to Contact List</source>
        <translation>Add to Contact List</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Edit Contact</source>
        <translation>Edit Contact</translation>
    </message>
    <message>
        <source>Delete Contact</source>
        <translation>Delete Contact</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Import Telephone Directory Information to Profile</source>
        <translation>Import Telephone Directory Information to Profile</translation>
    </message>
    <message>
        <source>Set as Favorite</source>
        <translation>Set as Favorite</translation>
    </message>
    <message>
        <source>Remove from Favorites</source>
        <translation>Remove from Favorites</translation>
    </message>
</context>
<context>
    <name>Dialogs::LocationPublish</name>
    <message>
        <source>Location</source>
        <translation type="vanished">Location</translation>
    </message>
    <message>
        <source>Your network has changed. Which location should your contacts see?</source>
        <translation type="vanished">Your network has changed. Which location should your contacts see?</translation>
    </message>
    <message>
        <source>Detected location</source>
        <translation type="vanished">Detected location</translation>
    </message>
    <message>
        <source>My own location:</source>
        <translation type="vanished">My own location:</translation>
    </message>
    <message>
        <source>Ask me when my network changes</source>
        <translation type="vanished">Ask me when my network changes</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="vanished">Unknown</translation>
    </message>
    <message>
        <source>My Location</source>
        <translation>My Location</translation>
    </message>
    <message>
        <source>No Time</source>
        <translation>No Time</translation>
    </message>
    <message>
        <source>Suggested times</source>
        <translation>Suggested times</translation>
    </message>
    <message>
        <source> (Computer time)</source>
        <translation> (Computer time)</translation>
    </message>
    <message>
        <source> (Automatic time)</source>
        <translation> (Automatic time)</translation>
    </message>
    <message>
        <source> (Last used)</source>
        <translation> (Last used)</translation>
    </message>
    <message>
        <source>Location to be published: %1  %2</source>
        <translation>Location to be published: %1  %2</translation>
    </message>
    <message>
        <source>Use automatic location: %1  %2</source>
        <translation>Use automatic location: %1  %2</translation>
    </message>
    <message>
        <source>No location was found automatically: type a location or choose a time zone.</source>
        <translation>No location was found automatically: type a location or choose a time zone.</translation>
    </message>
    <message>
        <source>Use automatic location: none found</source>
        <translation>Use automatic location: none found</translation>
    </message>
    <message>
        <source>Hawaii</source>
        <translation>Hawaii</translation>
    </message>
    <message>
        <source>Alaska</source>
        <translation>Alaska</translation>
    </message>
    <message>
        <source>Pacific Time (US &amp; Canada)</source>
        <translation>Pacific Time (US &amp; Canada)</translation>
    </message>
    <message>
        <source>Mountain Time (US &amp; Canada)</source>
        <translation>Mountain Time (US &amp; Canada)</translation>
    </message>
    <message>
        <source>Central Time (US &amp; Canada)</source>
        <translation>Central Time (US &amp; Canada)</translation>
    </message>
    <message>
        <source>Eastern Time (US &amp; Canada)</source>
        <translation>Eastern Time (US &amp; Canada)</translation>
    </message>
    <message>
        <source>Atlantic Time (Canada)</source>
        <translation>Atlantic Time (Canada)</translation>
    </message>
    <message>
        <source>Brasilia</source>
        <translation>Brasilia</translation>
    </message>
    <message>
        <source>Azores</source>
        <translation>Azores</translation>
    </message>
    <message>
        <source>Dublin, Edinburgh, Lisbon, London</source>
        <translation>Dublin, Edinburgh, Lisbon, London</translation>
    </message>
    <message>
        <source>Amsterdam, Berlin, Madrid, Paris, Rome</source>
        <translation>Amsterdam, Berlin, Madrid, Paris, Rome</translation>
    </message>
    <message>
        <source>Athens, Helsinki, Kyiv</source>
        <translation>Athens, Helsinki, Kyiv</translation>
    </message>
    <message>
        <source>Moscow, Istanbul</source>
        <translation>Moscow, Istanbul</translation>
    </message>
    <message>
        <source>Dubai</source>
        <translation>Dubai</translation>
    </message>
    <message>
        <source>Karachi</source>
        <translation>Karachi</translation>
    </message>
    <message>
        <source>Mumbai, New Delhi</source>
        <translation>Mumbai, New Delhi</translation>
    </message>
    <message>
        <source>Dhaka</source>
        <translation>Dhaka</translation>
    </message>
    <message>
        <source>Bangkok, Jakarta</source>
        <translation>Bangkok, Jakarta</translation>
    </message>
    <message>
        <source>Beijing, Singapore</source>
        <translation>Beijing, Singapore</translation>
    </message>
    <message>
        <source>Tokyo, Seoul</source>
        <translation>Tokyo, Seoul</translation>
    </message>
    <message>
        <source>Sydney</source>
        <translation>Sydney</translation>
    </message>
    <message>
        <source>Auckland</source>
        <translation>Auckland</translation>
    </message>
</context>
<context>
    <name>Dialogs::MessageWindow</name>
    <message>
        <source>Never ask again</source>
        <translation>Never ask again</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restore Defaults</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Save All</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Yes to All</source>
        <translation>Yes to All</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>No to All</source>
        <translation>No to All</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignore</translation>
    </message>
</context>
<context>
    <name>Dialogs::PasswordChangeNotification</name>
    <message>
        <source>Password change notification</source>
        <translation>Password change notification</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Change Password</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Sending request, please wait...</source>
        <translation>Sending request, please wait...</translation>
    </message>
    <message>
        <source>The password could not be changed.</source>
        <translation type="vanished">The password could not be changed.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Please input your new password</source>
        <translation>Please input your new password</translation>
    </message>
    <message>
        <source>The password has been changed successfully</source>
        <translation>The password has been changed successfully</translation>
    </message>
    <message>
        <source>Cannot change password:</source>
        <translation>Cannot change password:</translation>
    </message>
    <message>
        <source>Error Code:</source>
        <translation>Error Code:</translation>
    </message>
</context>
<context>
    <name>passwordChange</name>
    <message>
        <source>Old Password</source>
        <translation>Old Password</translation>
    </message>
    <message>
        <source>(Check Password)</source>
        <translation>(Check Password)</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>New Password</translation>
    </message>
    <message>
        <source>Retype New Password</source>
        <translation>Retype New Password</translation>
    </message>
</context>
<context>
    <name>Dialogs::PreferencesWindow</name>
    <message>
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
</context>
<context>
    <name>Dialogs::SettingsEditor</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Your settings could not be saved (%1). Make room or fix the problem, then press OK again.</source>
        <translation>Your settings could not be saved (%1). Make room or fix the problem, then press OK again.</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>Not Saved</translation>
    </message>
</context>
<context>
    <name>Dialogs::SimpleCredentialsDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>FtNotification</name>
    <message>
        <source>Click to accept</source>
        <translation>Click to accept</translation>
    </message>
</context>
<context>
    <name>LoginWindow</name>
    <message>
        <source>Window menu</source>
        <translation>Window menu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Sign In</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Enter your username</source>
        <translation>Enter your username</translation>
    </message>
    <message>
        <source>Enter your password</source>
        <translation>Enter your password</translation>
    </message>
    <message>
        <source>Fetching Proxy Settings...</source>
        <translation>Fetching Proxy Settings...</translation>
    </message>
    <message>
        <source>Signing In...</source>
        <translation>Signing In...</translation>
    </message>
    <message>
        <source>Signing Out...</source>
        <translation>Signing Out...</translation>
    </message>
    <message>
        <source>Enter login URL to access client</source>
        <translation>Enter login URL to access client</translation>
    </message>
    <message>
        <source>Remember password</source>
        <translation>Remember password</translation>
    </message>
    <message>
        <source>Sign in automatically</source>
        <translation>Sign in automatically</translation>
    </message>
    <message>
        <source>Signing Out</source>
        <translation>Signing Out</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>Forgot Password?</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Available</source>
        <translation type="vanished">Available</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Search contacts</source>
        <translation type="vanished">Search contacts</translation>
    </message>
    <message>
        <source>No matching contacts</source>
        <translation type="vanished">No matching contacts</translation>
    </message>
    <message>
        <source>No contacts yet</source>
        <translation type="vanished">No contacts yet</translation>
    </message>
    <message numerus="yes">
        <source>%n contact(s)</source>
        <translation type="vanished">
            <numerusform>%n contact</numerusform>
            <numerusform>%n contacts</numerusform>
        </translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation type="vanished">Sign Out</translation>
    </message>
    <message>
        <source>All</source>
        <translation type="vanished">All</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Call</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation type="vanished">Calls</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Video Call</source>
        <translation>Video Call</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation type="vanished">Contacts</translation>
    </message>
    <message>
        <source>Dial Pad</source>
        <translation type="vanished">Dial Pad</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation type="vanished">Favorites</translation>
    </message>
    <message>
        <source>History</source>
        <translation type="vanished">History</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Missed %1</source>
        <translation type="vanished">Missed %1</translation>
    </message>
    <message>
        <source>No history</source>
        <translation type="vanished">No history</translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="vanished">Number</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Other Contacts</source>
        <translation type="vanished">Other Contacts</translation>
    </message>
    <message>
        <source>Rooms</source>
        <translation type="vanished">Rooms</translation>
    </message>
    <message>
        <source>Search or dial</source>
        <translation>Search or dial</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Searching...</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation type="vanished">Missed</translation>
    </message>
    <message>
        <source>(first %1 shown, more exist)</source>
        <translation>(first %1 shown, more exist)</translation>
    </message>
    <message>
        <source>%1 found</source>
        <translation>%1 found</translation>
    </message>
    <message>
        <source>%1 of %2 online</source>
        <translation>%1 of %2 online</translation>
    </message>
    <message>
        <source>My Room</source>
        <translation type="vanished">My Room</translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="vanished">Open</translation>
    </message>
    <message>
        <source>Click to join</source>
        <translation type="vanished">Click to join</translation>
    </message>
    <message>
        <source>Failed to load banner, click here to refresh</source>
        <translation>Failed to load banner, click here to refresh</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation type="vanished">Mute</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="vanished">Volume</translation>
    </message>
</context>
<context>
    <name>ContactsView</name>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>No matching contacts</source>
        <translation>No matching contacts</translation>
    </message>
    <message>
        <source>No contacts yet</source>
        <translation>No contacts yet</translation>
    </message>
    <message>
        <source>Call %1</source>
        <translation>Call %1</translation>
    </message>
</context>
<context>
    <name>ContactRow</name>
    <message>
        <source>Presence unavailable</source>
        <translation>Presence unavailable</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favorites</translation>
    </message>
    <message>
        <source>Other Contacts</source>
        <translation>Other Contacts</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Searching...</translation>
    </message>
    <message>
        <source>(first %1 shown, more exist)</source>
        <translation>(first %1 shown, more exist)</translation>
    </message>
</context>
<context>
    <name>RoomsView</name>
    <message>
        <source>Rooms</source>
        <translation>Rooms</translation>
    </message>
    <message>
        <source>My Room</source>
        <translation>My Room</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Click to join</source>
        <translation>Click to join</translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Missed %1</source>
        <translation>Missed %1</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Calls</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>History</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Missed</translation>
    </message>
    <message>
        <source>No history</source>
        <translation>No history</translation>
    </message>
    <message>
        <source>Voice Mail</source>
        <translation>Voice Mail</translation>
    </message>
    <message numerus="yes">
        <source>Voice Mail (%n new)</source>
        <translation>
            <numerusform>Voice Mail (%n new)</numerusform>
            <numerusform>Voice Mail (%n new)</numerusform>
        </translation>
    </message>
    <message>
        <source>Calls the voice mail</source>
        <translation>Calls the voice mail</translation>
    </message>
    <message>
        <source>Outgoing call</source>
        <translation>Outgoing call</translation>
    </message>
    <message>
        <source>Missed call</source>
        <translation>Missed call</translation>
    </message>
    <message>
        <source>Incoming call</source>
        <translation>Incoming call</translation>
    </message>
    <message>
        <source>My Room</source>
        <translation>My Room</translation>
    </message>
    <message>
        <source>%1&apos;s Room</source>
        <translation>%1&apos;s Room</translation>
    </message>
</context>
<context>
    <name>DialPad</name>
    <message>
        <source>Number</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Call</translation>
    </message>
</context>
<context>
    <name>MediaEngineConfigurator</name>
    <message>
        <source>My Recording Files</source>
        <translation>My Recording Files</translation>
    </message>
</context>
<context>
    <name>Models::RingerModel</name>
    <message>
        <source>Select other...</source>
        <translation>Select other...</translation>
    </message>
    <message>
        <source>Use default ring signal</source>
        <translation>Use default ring signal</translation>
    </message>
</context>
<context>
    <name>Preferences::AudioHandler</name>
    <message>
        <source>Use Default</source>
        <translation>Use Default</translation>
    </message>
    <message>
        <source>Use Output Device</source>
        <translation>Use Output Device</translation>
    </message>
</context>
<context>
    <name>Preferences::ConfirmationsHandler</name>
    <message>
        <source>Use PC Client as default ringing device</source>
        <translation>Use PC Client as default ringing device</translation>
    </message>
    <message>
        <source>Use Mobile as default ringing device</source>
        <translation>Use Mobile as default ringing device</translation>
    </message>
    <message>
        <source>Use Deskphone as default ringing device</source>
        <translation>Use Deskphone as default ringing device</translation>
    </message>
    <message>
        <source>Ring all devices</source>
        <translation>Ring all devices</translation>
    </message>
</context>
<context>
    <name>Preferences::CredentialsHandler</name>
    <message>
        <source>The credentials below are downloaded from the network, they cannot be modified here.</source>
        <translation>The credentials below are downloaded from the network, they cannot be modified here.</translation>
    </message>
    <message>
        <source> Web Collaboration credentials can be edited above.</source>
        <translation> Web Collaboration credentials can be edited above.</translation>
    </message>
    <message>
        <source>Remove Account</source>
        <translation>Remove Account</translation>
    </message>
    <message>
        <source>Primary account removal will lead to removal of all accounts. Do you want to proceed?</source>
        <translation>Primary account removal will lead to removal of all accounts. Do you want to proceed?</translation>
    </message>
</context>
<context>
    <name>Preferences::SoundsHandler</name>
    <message>
        <source>Soft</source>
        <translation>Soft</translation>
    </message>
    <message>
        <source>Bright</source>
        <translation>Bright</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>No audio device: the sound cannot be played.</source>
        <translation>No audio device: the sound cannot be played.</translation>
    </message>
    <message>
        <source>Select other...</source>
        <translation>Select other...</translation>
    </message>
    <message>
        <source>Standard ring signal</source>
        <translation>Standard ring signal</translation>
    </message>
    <message>
        <source>Open Sound File</source>
        <translation>Open Sound File</translation>
    </message>
    <message>
        <source>Sound files (*.wav)</source>
        <translation>Sound files (*.wav)</translation>
    </message>
    <message>
        <source>Ring Signal</source>
        <translation>Ring Signal</translation>
    </message>
    <message>
        <source>The file %1 cannot be played. Please choose a sound file in WAV format.</source>
        <translation>The file %1 cannot be played. Please choose a sound file in WAV format.</translation>
    </message>
</context>
<context>
    <name>Preferences::Widgets::CredentialWidget</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>To be able to enter new credentials, you&apos;ll have to logout and login anew.</source>
        <translation>To be able to enter new credentials, you&apos;ll have to logout and login anew.</translation>
    </message>
    <message>
        <source>Corporate Directory (LDAP)</source>
        <translation>Corporate Directory (LDAP)</translation>
    </message>
    <message>
        <source>Web Collaboration</source>
        <translation>Web Collaboration</translation>
    </message>
    <message>
        <source>%1 username</source>
        <translation>%1 username</translation>
    </message>
    <message>
        <source>%1 password</source>
        <translation>%1 password</translation>
    </message>
</context>
<context>
    <name>PresenceRequestDialog</name>
    <message>
        <source>The following users want to share presence information with you:</source>
        <translation>The following users want to share presence information with you:</translation>
    </message>
    <message>
        <source>The following user wants to share presence information with you:</source>
        <translation>The following user wants to share presence information with you:</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignore</translation>
    </message>
</context>
<context>
    <name>Providers::Factory</name>
    <message>
        <source>Confirm Deletion</source>
        <translation>Confirm Deletion</translation>
    </message>
    <message>
        <source>Are you sure you want to remove %1 from your contact list?</source>
        <translation>Are you sure you want to remove %1 from your contact list?</translation>
    </message>
    <message>
        <source>Failed to add contacts to the communication. You cannot add more than %1 contacts to your group communication. Check your selection and try again.</source>
        <translation>Failed to add contacts to the communication. You cannot add more than %1 contacts to your group communication. Check your selection and try again.</translation>
    </message>
    <message>
        <source>Failed to add contacts to the communication. You cannot add any more contacts to your group communication.</source>
        <translation>Failed to add contacts to the communication. You cannot add any more contacts to your group communication.</translation>
    </message>
    <message>
        <source>Initiating group communication failed. You cannot select more than %1 contacts to start a group communication with. Check your selection and try again.</source>
        <translation>Initiating group communication failed. You cannot select more than %1 contacts to start a group communication with. Check your selection and try again.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Are you sure you want to remove %1 group from your list?</source>
        <translation>Are you sure you want to remove %1 group from your list?</translation>
    </message>
    <message>
        <source>Confirm Share</source>
        <translation>Confirm Share</translation>
    </message>
    <message>
        <source>If you have Outlook installed on your computer, you can allow the client to search your Outlook contacts and observe calendar events. To do this you need to allow %1 to access the information in Outlook.

You can change these settings later through Preferences in the General tab.
Allow? </source>
        <translation>If you have Outlook installed on your computer, you can allow the client to search your Outlook contacts and observe calendar events. To do this you need to allow %1 to access the information in Outlook.

You can change these settings later through Preferences in the General tab.
Allow? </translation>
    </message>
    <message>
        <source>Microsoft Outlook was detected in your system. %1 can include Outlook address book in your contacts search and update your availability based on your Outlook calendar entries.

Please note that you may be asked for additional permissions from Outlook if you proceed. These features can be enabled or disabled later in application preferences.
Do you want to enable these features? </source>
        <translation>Microsoft Outlook was detected in your system. %1 can include Outlook address book in your contacts search and update your availability based on your Outlook calendar entries.

Please note that you may be asked for additional permissions from Outlook if you proceed. These features can be enabled or disabled later in application preferences.
Do you want to enable these features? </translation>
    </message>
    <message>
        <source>Outlook detected</source>
        <translation>Outlook detected</translation>
    </message>
    <message>
        <source>Outlook integration</source>
        <translation>Outlook integration</translation>
    </message>
    <message>
        <source>Starting a share will end ongoing share. Continue?</source>
        <translation>Starting a share will end ongoing share. Continue?</translation>
    </message>
    <message>
        <source>You have selected to start multiple shares. By selecting Yes you will stream your desktop in multiple communications. Note that ending one sharing session will not end all sharing session. Each session needs to be closed individually.</source>
        <translation>You have selected to start multiple shares. By selecting Yes you will stream your desktop in multiple communications. Note that ending one sharing session will not end all sharing session. Each session needs to be closed individually.</translation>
    </message>
</context>
<context>
    <name>Providers::MenuActionProvider</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Preferences...</translation>
    </message>
    <message>
        <source>Call Settings...</source>
        <translation>Call Settings...</translation>
    </message>
    <message>
        <source>Open Application</source>
        <translation>Open Application</translation>
    </message>
    <message>
        <source>Add Contact</source>
        <translation>Add Contact</translation>
    </message>
    <message>
        <source>With %1</source>
        <translation>With %1</translation>
    </message>
    <message>
        <source>Retrieve Parked Call</source>
        <translation>Retrieve Parked Call</translation>
    </message>
    <message>
        <source>With Phone</source>
        <translation>With Phone</translation>
    </message>
    <message>
        <source>Pull Call</source>
        <translation>Pull Call</translation>
    </message>
    <message>
        <source>Sort by First Name</source>
        <translation>Sort by First Name</translation>
    </message>
    <message>
        <source>Sort by Last Name</source>
        <translation>Sort by Last Name</translation>
    </message>
    <message>
        <source>Show Offline Contacts</source>
        <translation>Show Offline Contacts</translation>
    </message>
    <message>
        <source>Show Favorites Group</source>
        <translation>Show Favorites Group</translation>
    </message>
    <message>
        <source>Show Profile Photos</source>
        <translation>Show Profile Photos</translation>
    </message>
    <message>
        <source>Show Status</source>
        <translation>Show Status</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Sign Out</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>Always on Top</translation>
    </message>
    <message>
        <source>Test Call</source>
        <translation>Test Call</translation>
    </message>
    <message>
        <source>Sort Contacts</source>
        <translation>Sort Contacts</translation>
    </message>
</context>
<context>
    <name>Providers::MenuActionProviderWin</name>
    <message>
        <source>Retrieve Parked Call</source>
        <translation>Retrieve Parked Call</translation>
    </message>
    <message>
        <source>Sort Contacts</source>
        <translation>Sort Contacts</translation>
    </message>
</context>
<context>
    <name>QML::About</name>
    <message>
        <source>About %1</source>
        <translation>About %1</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
</context>
<context>
    <name>QML::CallSettings</name>
    <message>
        <source>Call Settings</source>
        <translation>Call Settings</translation>
    </message>
    <message>
        <source>General</source>
        <translation type="vanished">General</translation>
    </message>
    <message>
        <source>Call Forwarding</source>
        <translation type="vanished">Call Forwarding</translation>
    </message>
    <message>
        <source>Do Not Disturb</source>
        <translation>Do Not Disturb</translation>
    </message>
    <message>
        <source>Remote Office</source>
        <translation type="vanished">Remote Office</translation>
    </message>
    <message>
        <source>Graniteway Anywhere</source>
        <translation>Graniteway Anywhere</translation>
    </message>
    <message>
        <source>Graniteway Remote Office</source>
        <translation>Graniteway Remote Office</translation>
    </message>
    <message>
        <source>Forward Calls</source>
        <translation>Forward Calls</translation>
    </message>
    <message>
        <source>Hide Number</source>
        <translation>Hide Number</translation>
    </message>
    <message>
        <source>Simultaneous Ring Personal</source>
        <translation>Simultaneous Ring Personal</translation>
    </message>
    <message>
        <source>Error Code:</source>
        <translation>Error Code:</translation>
    </message>
    <message>
        <source>Connection Refused</source>
        <translation>Connection Refused</translation>
    </message>
    <message>
        <source>Host Not Found</source>
        <translation>Host Not Found</translation>
    </message>
    <message>
        <source>Timeout Error</source>
        <translation>Timeout Error</translation>
    </message>
    <message>
        <source>Operation Canceled</source>
        <translation>Operation Canceled</translation>
    </message>
    <message>
        <source>Authentication Required</source>
        <translation>Authentication Required</translation>
    </message>
    <message>
        <source>Unknown Error %1</source>
        <translation>Unknown Error %1</translation>
    </message>
</context>
<context>
    <name>QML::ConnectorNotification</name>
    <message>
        <source>New Add-ins</source>
        <translation>New Add-ins</translation>
    </message>
</context>
<context>
    <name>QML::ContactCard</name>
    <message>
        <source>Add Contact</source>
        <translation>Add Contact</translation>
    </message>
    <message>
        <source>Add Conference Contact</source>
        <translation>Add Conference Contact</translation>
    </message>
    <message>
        <source>Error Adding Contact</source>
        <translation>Error Adding Contact</translation>
    </message>
    <message>
        <source>A contact in your contact list with the same IM Address has been found (%1). Please enter a different IM Address to add a new contact.</source>
        <translation>A contact in your contact list with the same IM Address has been found (%1). Please enter a different IM Address to add a new contact.</translation>
    </message>
    <message>
        <source>The contact could not be added.</source>
        <translation>The contact could not be added.</translation>
    </message>
    <message>
        <source>Confirm Deletion</source>
        <translation>Confirm Deletion</translation>
    </message>
    <message>
        <source>Are you sure you want to remove %1 from your contact list?</source>
        <translation>Are you sure you want to remove %1 from your contact list?</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Unsaved Changes</translation>
    </message>
    <message>
        <source>Close the card and discard your changes to this contact?</source>
        <translation>Close the card and discard your changes to this contact?</translation>
    </message>
    <message>
        <source>Multiple Matches Found</source>
        <translation>Multiple Matches Found</translation>
    </message>
    <message>
        <source>Multiple matching contacts were found in Telephone Directory. To make sure you import the correct information, please search the directory by name and add a contact from the search results.</source>
        <translation>Multiple matching contacts were found in Telephone Directory. To make sure you import the correct information, please search the directory by name and add a contact from the search results.</translation>
    </message>
    <message>
        <source>Match Found</source>
        <translation>Match Found</translation>
    </message>
    <message>
        <source>A matching contact with the same IM Address was found in Telephone Directory. Do you want to overwrite this contact&apos;s information with the information of %1 %2 from Telephone Directory?</source>
        <translation>A matching contact with the same IM Address was found in Telephone Directory. Do you want to overwrite this contact&apos;s information with the information of %1 %2 from Telephone Directory?</translation>
    </message>
    <message>
        <source>A matching contact with the same contact information was found in Telephone Directory. Do you want to overwrite this contact&apos;s information with the information of %1 %2 from Telephone Directory?</source>
        <translation>A matching contact with the same contact information was found in Telephone Directory. Do you want to overwrite this contact&apos;s information with the information of %1 %2 from Telephone Directory?</translation>
    </message>
    <message>
        <source>Import Information</source>
        <translation>Import Information</translation>
    </message>
    <message>
        <source>Do you want to overwrite this contact&apos;s information with the information from Telephone Directory?</source>
        <translation>Do you want to overwrite this contact&apos;s information with the information from Telephone Directory?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Overwrite</translation>
    </message>
</context>
<context>
    <name>QML::LoginWindow</name>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Your account and sign-in options could not be saved (%1). Signing in goes on, but they will not be remembered next time.</source>
        <translation>Your account and sign-in options could not be saved (%1). Signing in goes on, but they will not be remembered next time.</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>Not Saved</translation>
    </message>
</context>
<context>
    <name>QML::PresenceRequestDialog</name>
    <message>
        <source>Presence Request</source>
        <translation>Presence Request</translation>
    </message>
</context>
<context>
    <name>QML::QmlHelper</name>
    <message>
        <source>All Contacts</source>
        <translation>All Contacts</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favorites</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>Date and time</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>QML::QmlSecurityClassMenu</name>
    <message>
        <source>(Current Call)</source>
        <translation>(Current Call)</translation>
    </message>
</context>
<context>
    <name>QML::StyleView</name>
    <message>
        <source>Style files (*.csv)</source>
        <translation type="vanished">Style files (*.csv)</translation>
    </message>
    <message>
        <source>The style file &quot;%1&quot; could not be read.</source>
        <translation>The style file &quot;%1&quot; could not be read.</translation>
    </message>
    <message>
        <source>The style file &quot;%1&quot; could not be written.</source>
        <translation>The style file &quot;%1&quot; could not be written.</translation>
    </message>
    <message>
        <source>Style view</source>
        <translation>Style view</translation>
    </message>
</context>
<context>
    <name>StyleView</name>
    <message>
        <source>Invert all</source>
        <translation>Invert all</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
</context>
<context>
    <name>Utils::ActionsHelper</name>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Add Chat</source>
        <translation>Add Chat</translation>
    </message>
    <message>
        <source>End Chat</source>
        <translation>End Chat</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Call</translation>
    </message>
    <message>
        <source>Add Call</source>
        <translation>Add Call</translation>
    </message>
    <message>
        <source>End Call</source>
        <translation>End Call</translation>
    </message>
    <message>
        <source>Call from Phone</source>
        <translation>Call from Phone</translation>
    </message>
    <message>
        <source>Video Call</source>
        <translation>Video Call</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>Add Video</translation>
    </message>
    <message>
        <source>Remove Video</source>
        <translation>Remove Video</translation>
    </message>
    <message>
        <source>Share Desktop</source>
        <translation>Share Desktop</translation>
    </message>
    <message>
        <source>Stop Share Desktop</source>
        <translation>Stop Share Desktop</translation>
    </message>
    <message>
        <source>Join Room</source>
        <translation>Join Room</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Set as Favorite</source>
        <translation>Set as Favorite</translation>
    </message>
    <message>
        <source>Remove from Favorites</source>
        <translation>Remove from Favorites</translation>
    </message>
    <message>
        <source>View Profile</source>
        <translation>View Profile</translation>
    </message>
    <message>
        <source>Edit Profile</source>
        <translation>Edit Profile</translation>
    </message>
    <message>
        <source>Add Contact</source>
        <translation>Add Contact</translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation>Subscribe</translation>
    </message>
    <message>
        <source>Unsubscribe</source>
        <translation>Unsubscribe</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>End All Calls</source>
        <translation>End All Calls</translation>
    </message>
    <message>
        <source>End Chats</source>
        <translation>End Chats</translation>
    </message>
    <message>
        <source>Conference</source>
        <translation>Conference</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transfer</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Edit %1</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Extension</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Mobile</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Move Down</translation>
    </message>
    <message>
        <source>Move First</source>
        <translation>Move First</translation>
    </message>
    <message>
        <source>Move Last</source>
        <translation>Move Last</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Move Up</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Personal</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Remove %1</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Work</translation>
    </message>
</context>
<context>
    <name>Utils::ExternalServiceVerification</name>
    <message>
        <source>Address Verification</source>
        <translation>Address Verification</translation>
    </message>
    <message>
        <source>Do you need to update your address?</source>
        <translation>Do you need to update your address?</translation>
    </message>
    <message>
        <source>Waiting...</source>
        <translation>Waiting...</translation>
    </message>
    <message>
        <source>After your address has been updated you will be able to proceed.</source>
        <translation>After your address has been updated you will be able to proceed.</translation>
    </message>
</context>
<context>
    <name>Utils::PresenceHelper</name>
    <message>
        <source>Availability</source>
        <translation>Availability</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Pending</source>
        <translation>Pending</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Away</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Available</translation>
    </message>
    <message>
        <source>Deskphone</source>
        <translation>Deskphone</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Mobile</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Busy</translation>
    </message>
    <message>
        <source>Meeting</source>
        <translation>Meeting</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Call</translation>
    </message>
</context>
<context>
    <name>Utils::Sounds::TemporaryFilePlayer</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Failed to Start Sound Player</source>
        <translation>Failed to Start Sound Player</translation>
    </message>
    <message>
        <source>Ringer</source>
        <translation>Ringer</translation>
    </message>
    <message>
        <source>Calling Tone</source>
        <translation>Calling Tone</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
</context>
<context>
    <name>Utils::StringHelper</name>
    <message>
        <source>Communication Forwarding Unconditional</source>
        <translation>Communication Forwarding Unconditional</translation>
    </message>
    <message>
        <source>Communication Forwarding on not Logged in</source>
        <translation>Communication Forwarding on not Logged in</translation>
    </message>
    <message>
        <source>Communication Forwarding on Busy</source>
        <translation>Communication Forwarding on Busy</translation>
    </message>
    <message>
        <source>Communication Forwarding on not Reachable</source>
        <translation>Communication Forwarding on not Reachable</translation>
    </message>
    <message>
        <source>Communication Forwarding on No Reply</source>
        <translation>Communication Forwarding on No Reply</translation>
    </message>
    <message>
        <source>Originating Identification Presentation</source>
        <translation>Originating Identification Presentation</translation>
    </message>
    <message>
        <source>Originating Identification Restriction</source>
        <translation>Originating Identification Restriction</translation>
    </message>
    <message>
        <source>Terminating Identification Presentation</source>
        <translation>Terminating Identification Presentation</translation>
    </message>
    <message>
        <source>Terminating Identification Restriction</source>
        <translation>Terminating Identification Restriction</translation>
    </message>
    <message>
        <source>Barring of All Incoming Calls</source>
        <translation>Barring of All Incoming Calls</translation>
    </message>
    <message>
        <source>Barring of Incoming Calls - When Roaming</source>
        <translation>Barring of Incoming Calls - When Roaming</translation>
    </message>
    <message>
        <source>Barring of All Outgoing Calls</source>
        <translation>Barring of All Outgoing Calls</translation>
    </message>
    <message>
        <source>Barring of Outgoing International Calls</source>
        <translation>Barring of Outgoing International Calls</translation>
    </message>
    <message>
        <source>Barring of Outgoing International Calls %1 ex Home Country</source>
        <translation>Barring of Outgoing International Calls %1 ex Home Country</translation>
    </message>
    <message>
        <source>Communication Waiting</source>
        <translation>Communication Waiting</translation>
    </message>
    <message>
        <source>Do Not Disturb</source>
        <translation>Do Not Disturb</translation>
    </message>
    <message>
        <source>Graniteway Remote Office</source>
        <translation>Graniteway Remote Office</translation>
    </message>
    <message>
        <source>Unknown service</source>
        <translation>Unknown service</translation>
    </message>
    <message>
        <source>SIP</source>
        <translation>SIP</translation>
    </message>
    <message>
        <source>XMPP</source>
        <translation>XMPP</translation>
    </message>
    <message>
        <source>Kelvantic (Xsi)</source>
        <translation>Kelvantic (Xsi)</translation>
    </message>
    <message>
        <source>Unknown credentials type</source>
        <translation>Unknown credentials type</translation>
    </message>
    <message>
        <source>Please set your credentials</source>
        <translation>Please set your credentials</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Authentication failed</translation>
    </message>
    <message>
        <source>Network error</source>
        <translation>Network error</translation>
    </message>
    <message>
        <source>Client encountered an error when trying to add participant. Maximum active call count reached.</source>
        <translation>Client encountered an error when trying to add participant. Maximum active call count reached.</translation>
    </message>
    <message>
        <source>Client encountered an error when trying locate participant. Call/Participant not found.</source>
        <translation>Client encountered an error when trying locate participant. Call/Participant not found.</translation>
    </message>
    <message>
        <source>Client encountered an error when trying to add participant. Maximum participant count reached.</source>
        <translation>Client encountered an error when trying to add participant. Maximum participant count reached.</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Small</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Large</translation>
    </message>
    <message>
        <source>HD</source>
        <translation>HD</translation>
    </message>
    <message>
        <source>Error starting share. ( %1 )</source>
        <translation>Error starting share. ( %1 )</translation>
    </message>
    <message>
        <source>You are already in the share. Please log out from your other clients. ( %1 )</source>
        <translation>You are already in the share. Please log out from your other clients. ( %1 )</translation>
    </message>
    <message>
        <source>Error joining share. ( %1 )</source>
        <translation>Error joining share. ( %1 )</translation>
    </message>
    <message>
        <source>Error initiating share. ( %1 )</source>
        <translation>Error initiating share. ( %1 )</translation>
    </message>
</context>
<context>
    <name>Utils::TextFieldActionsHandler</name>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
</context>
<context>
    <name>WebcollabNotification</name>
    <message>
        <source>Would you like to view %1&apos;s desktop share?</source>
        <translation>Would you like to view %1&apos;s desktop share?</translation>
    </message>
    <message>
        <source>%1 has invited you to a desktop share. Unfortunately we can&apos;t find a share component in your client or your versions are incompatible. Please contact your service provider for more information.</source>
        <translation>%1 has invited you to a desktop share. Unfortunately we can&apos;t find a share component in your client or your versions are incompatible. Please contact your service provider for more information.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>ContactMouseOver</name>
    <message>
        <source>Owner</source>
        <translation>Owner</translation>
    </message>
    <message>
        <source>Moderator</source>
        <translation>Moderator</translation>
    </message>
    <message>
        <source>Member</source>
        <translation>Member</translation>
    </message>
</context>
<context>
    <name>WebcollabSharingNotification</name>
    <message>
        <source>You are now sharing your desktop. Stop the sharing from the communications window.</source>
        <translation>You are now sharing your desktop. Stop the sharing from the communications window.</translation>
    </message>
</context>
<context>
    <name>Widgets::Conference::XmppPasswordDialog</name>
    <message>
        <source>Group Chat</source>
        <translation>Group Chat</translation>
    </message>
    <message>
        <source>A password is required to enter this room</source>
        <translation>A password is required to enter this room</translation>
    </message>
    <message>
        <source>Incorrect password</source>
        <translation>Incorrect password</translation>
    </message>
</context>
<context>
    <name>Widgets::GroupNameInput</name>
    <message>
        <source>Add Group</source>
        <translation>Add Group</translation>
    </message>
    <message>
        <source>Enter a group name</source>
        <translation>Enter a group name</translation>
    </message>
    <message>
        <source>Edit Group</source>
        <translation>Edit Group</translation>
    </message>
    <message>
        <source>Edit group name</source>
        <translation>Edit group name</translation>
    </message>
</context>
<context>
    <name>Widgets::PreferencesWidget</name>
    <message>
        <source>Allow 3rd party applications to access %1</source>
        <translation>Allow 3rd party applications to access %1</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
</context>
<context>
    <name>Widgets::Window</name>
    <message>
        <source>Give Me a Name</source>
        <translation>Give Me a Name</translation>
    </message>
</context>
<context>
    <name>ZBusyIndicator</name>
    <message>
        <source>Busy</source>
        <translation>Busy</translation>
    </message>
</context>
<context>
    <name>ZVolume</name>
    <message>
        <source>Mute</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
</context>
<context>
    <name>credentialWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Username</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Remove account</source>
        <translation>Remove account</translation>
    </message>
</context>
<context>
    <name>credentialsDialog</name>
    <message>
        <source>Username</source>
        <translation>Username</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
</context>
<context>
    <name>preferencesForm</name>
    <message>
        <source>Sign In</source>
        <translation>Sign In</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation type="vanished">Log In</translation>
    </message>
    <message>
        <source>Sign in automatically</source>
        <translation>Sign in automatically</translation>
    </message>
    <message>
        <source>Run this program when the system starts</source>
        <translation>Run this program when the system starts</translation>
    </message>
    <message>
        <source>Confirmations</source>
        <translation>Confirmations</translation>
    </message>
    <message>
        <source>Ask before removing contact</source>
        <translation>Ask before removing contact</translation>
    </message>
    <message>
        <source>Ask before removing history record</source>
        <translation>Ask before removing history record</translation>
    </message>
    <message>
        <source>Ask before deleting project room</source>
        <translation>Ask before deleting project room</translation>
    </message>
    <message>
        <source>Ask before publishing location information</source>
        <translation>Ask before publishing location information</translation>
    </message>
    <message>
        <source>Enable click-to-call </source>
        <translation>Enable click-to-call </translation>
    </message>
    <message>
        <source>Use &lt;Device&gt; as default ring device</source>
        <translation>Use &lt;Device&gt; as default ring device</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Miscellaneous</translation>
    </message>
    <message>
        <source>Enable Corporate Directory (LDAP) contacts search</source>
        <translation>Enable Corporate Directory (LDAP) contacts search</translation>
    </message>
    <message>
        <source>Logging</source>
        <translation>Logging</translation>
    </message>
    <message>
        <source>Enable basic logging</source>
        <translation>Enable basic logging</translation>
    </message>
    <message>
        <source>Enable advanced logging</source>
        <translation>Enable advanced logging</translation>
    </message>
    <message>
        <source>Clear All Logs</source>
        <translation>Clear All Logs</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Open Folder</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Voice Playback</source>
        <translation>Voice Playback</translation>
    </message>
    <message>
        <source>Output Device:</source>
        <translation>Output Device:</translation>
    </message>
    <message>
        <source>Voice Recording</source>
        <translation>Voice Recording</translation>
    </message>
    <message>
        <source>Input Device:</source>
        <translation>Input Device:</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Start and stop microphone test</source>
        <translation>Start and stop microphone test</translation>
    </message>
    <message>
        <source>Use Automatic Gain Control</source>
        <translation>Use Automatic Gain Control</translation>
    </message>
    <message>
        <source>Alert Signal</source>
        <translation>Alert Signal</translation>
    </message>
    <message>
        <source>Ringing Device:</source>
        <translation>Ringing Device:</translation>
    </message>
    <message>
        <source>Use this sound as the default ring signal:</source>
        <translation>Use this sound as the default ring signal:</translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation>P&amp;lay</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sounds</translation>
    </message>
    <message>
        <source>Incoming Call</source>
        <translation>Incoming Call</translation>
    </message>
    <message>
        <source>Incoming Message</source>
        <translation>Incoming Message</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Play</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Video Capture</source>
        <translation>Video Capture</translation>
    </message>
    <message>
        <source>&amp;Capture Device:</source>
        <translation>&amp;Capture Device:</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Video Size</translation>
    </message>
    <message>
        <source>Use automatically detected quality profile</source>
        <translation>Use automatically detected quality profile</translation>
    </message>
    <message>
        <source>Credentials</source>
        <translation>Credentials</translation>
    </message>
    <message>
        <source>My Room</source>
        <translation>My Room</translation>
    </message>
    <message>
        <source>Dial-in Number</source>
        <translation>Dial-in Number</translation>
    </message>
    <message>
        <source>Moderator PIN</source>
        <translation>Moderator PIN</translation>
    </message>
    <message>
        <source>Conference ID</source>
        <translation>Conference ID</translation>
    </message>
    <message>
        <source>Security PIN</source>
        <translation>Security PIN</translation>
    </message>
    <message>
        <source>Web Collaboration</source>
        <translation>Web Collaboration</translation>
    </message>
    <message>
        <source>Corporate Directory (LDAP)</source>
        <translation>Corporate Directory (LDAP)</translation>
    </message>
    <message>
        <source>Protocols</source>
        <translation>Protocols</translation>
    </message>
    <message>
        <source>Device Management</source>
        <translation>Device Management</translation>
    </message>
    <message>
        <source>Configuration URL</source>
        <translation>Configuration URL</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Proxy Settings</source>
        <translation>Proxy Settings</translation>
    </message>
    <message>
        <source>Please restart the application after changing the proxy settings below.</source>
        <translation>Please restart the application after changing the proxy settings below.</translation>
    </message>
    <message>
        <source>No proxy</source>
        <translation>No proxy</translation>
    </message>
    <message>
        <source>Use system proxy settings</source>
        <translation>Use system proxy settings</translation>
    </message>
    <message>
        <source>Use client proxy settings</source>
        <translation>Use client proxy settings</translation>
    </message>
    <message>
        <source>Web Proxy Server</source>
        <translation>Web Proxy Server</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Secure Web Proxy Server</source>
        <translation>Secure Web Proxy Server</translation>
    </message>
    <message>
        <source>Web Proxy Server Port</source>
        <translation>Web Proxy Server Port</translation>
    </message>
    <message>
        <source>Secure Web Proxy Server Port</source>
        <translation>Secure Web Proxy Server Port</translation>
    </message>
    <message>
        <source>Add-ins</source>
        <translation>Add-ins</translation>
    </message>
    <message>
        <source>Outlook</source>
        <translation>Outlook</translation>
    </message>
    <message>
        <source>Enable Outlook contacts search</source>
        <translation>Enable Outlook contacts search</translation>
    </message>
    <message>
        <source>Enable Outlook Calendar</source>
        <translation>Enable Outlook Calendar</translation>
    </message>
    <message>
        <source>Add-in Settings</source>
        <translation>Add-in Settings</translation>
    </message>
    <message>
        <source>Allow 3rd party applications to access %1</source>
        <translation>Allow 3rd party applications to access %1</translation>
    </message>
    <message>
        <source>Do not ask about incoming Add-in connection requests</source>
        <translation>Do not ask about incoming Add-in connection requests</translation>
    </message>
    <message>
        <source>Accept incoming requests by default</source>
        <translation>Accept incoming requests by default</translation>
    </message>
    <message>
        <source>Reject incoming requests by default</source>
        <translation>Reject incoming requests by default</translation>
    </message>
    <message>
        <source>Manage Add-ins</source>
        <translation>Manage Add-ins</translation>
    </message>
    <message>
        <source>You need to restart your client for any changes made to take effect.</source>
        <translation>You need to restart your client for any changes made to take effect.</translation>
    </message>
</context>
<context>
    <name>LocationPublishDialog</name>
    <message>
        <source>Your location is automatically determined when a location change is detected. You can choose to publish the automatically determined location or manually set the location description and time zone.</source>
        <translation>Your location is automatically determined when a location change is detected. You can choose to publish the automatically determined location or manually set the location description and time zone.</translation>
    </message>
    <message>
        <source>Use manual location</source>
        <translation>Use manual location</translation>
    </message>
    <message>
        <source>Set Location</source>
        <translation>Set Location</translation>
    </message>
    <message>
        <source>Always ask before publishing new location information</source>
        <translation>Always ask before publishing new location information</translation>
    </message>
    <message>
        <source>Publish Location</source>
        <translation>Publish Location</translation>
    </message>
    <message>
        <source>No Location</source>
        <translation>No Location</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Authentication failed</source>
        <translation>Authentication failed</translation>
    </message>
    <message>
        <source>Server Error</source>
        <translation>Server Error</translation>
    </message>
    <message>
        <source>Deleting Location</source>
        <translation>Deleting Location</translation>
    </message>
    <message>
        <source>You are about to delete a location.
Are you sure you want to continue?</source>
        <translation>You are about to delete a location.
Are you sure you want to continue?</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>Enable to hide number</source>
        <translation>Enable to hide number</translation>
    </message>
    <message>
        <source>If you activate this service all calls will be blocked by the server. You can forward all or some calls if you choose to use other call forwarding services.</source>
        <translation>If you activate this service all calls will be blocked by the server. You can forward all or some calls if you choose to use other call forwarding services.</translation>
    </message>
    <message>
        <source>You can hide or display your number when calling/ communicating with other parties or contacts. Enable to hide number and disable to show number.</source>
        <translation>You can hide or display your number when calling/ communicating with other parties or contacts. Enable to hide number and disable to show number.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Popup2Buttons</name>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ServiceItem</name>
    <message>
        <source>Service update error</source>
        <translation>Service update error</translation>
    </message>
    <message>
        <source>Service fetch error</source>
        <translation>Service fetch error</translation>
    </message>
    <message>
        <source>Service is not available for this account</source>
        <translation>Service is not available for this account</translation>
    </message>
    <message>
        <source>Fetching service state...</source>
        <translation>Fetching service state...</translation>
    </message>
    <message>
        <source>Disabled </source>
        <translation>Disabled </translation>
    </message>
    <message>
        <source>Enabled </source>
        <translation>Enabled </translation>
    </message>
    <message>
        <source>to </source>
        <translation>to </translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Enable service</source>
        <translation>Enable service</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Phone number</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>SimpleServicePage</name>
    <message>
        <source>Service update error</source>
        <translation>Service update error</translation>
    </message>
    <message>
        <source>Service fetch error</source>
        <translation>Service fetch error</translation>
    </message>
    <message>
        <source>Service is not available for this account</source>
        <translation>Service is not available for this account</translation>
    </message>
    <message>
        <source>Fetching service state...</source>
        <translation>Fetching service state...</translation>
    </message>
</context>
<context>
    <name>ForwardingPage</name>
    <message>
        <source>Always forward: </source>
        <translation>Always forward: </translation>
    </message>
    <message>
        <source>Forward when busy: </source>
        <translation>Forward when busy: </translation>
    </message>
    <message>
        <source>Forward when unanswered: </source>
        <translation>Forward when unanswered: </translation>
    </message>
    <message>
        <source>Forward when unreachable: </source>
        <translation>Forward when unreachable: </translation>
    </message>
    <message>
        <source>No forwarding services available for this account</source>
        <translation>No forwarding services available for this account</translation>
    </message>
</context>
<context>
    <name>RemoteOfficePage</name>
    <message>
        <source>Service: </source>
        <translation>Service: </translation>
    </message>
    <message>
        <source>This service allows you to use your home phone, your cell phone, or even a hotel phone as your business phone. This application allows you to make phone calls from this remote phone and have them billed to your business. This service also directs all calls coming to your business phone number to ring the remote office phone.</source>
        <translation>This service allows you to use your home phone, your cell phone, or even a hotel phone as your business phone. This application allows you to make phone calls from this remote phone and have them billed to your business. This service also directs all calls coming to your business phone number to ring the remote office phone.</translation>
    </message>
</context>
<context>
    <name>AnywherePage</name>
    <message>
        <source>Service update error</source>
        <translation>Service update error</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Alert all enabled locations for Click-To-Dial</source>
        <translation>Alert all enabled locations for Click-To-Dial</translation>
    </message>
    <message>
        <source>Locations</source>
        <translation>Locations</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Configure</translation>
    </message>
    <message>
        <source>Add New Location</source>
        <translation>Add New Location</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Phone number</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Location:</translation>
    </message>
    <message>
        <source>Diversion Inhibitor</source>
        <translation>Diversion Inhibitor</translation>
    </message>
    <message>
        <source>Answer Confirmation</source>
        <translation>Answer Confirmation</translation>
    </message>
    <message>
        <source>Call Control</source>
        <translation>Call Control</translation>
    </message>
    <message>
        <source>Criteria Active</source>
        <translation>Criteria Active</translation>
    </message>
    <message>
        <source>Delete Location</source>
        <translation>Delete Location</translation>
    </message>
    <message>
        <source>This service allows users to enable their mobile phones to behave as if the phones were an extension of the telephony exchange. The locations added are the mobile phone numbers for these devices. They can be activated or deactivated and the user can also notify all phones on a Click-To-Dial or just their primary phone</source>
        <translation>This service allows users to enable their mobile phones to behave as if the phones were an extension of the telephony exchange. The locations added are the mobile phone numbers for these devices. They can be activated or deactivated and the user can also notify all phones on a Click-To-Dial or just their primary phone</translation>
    </message>
</context>
<context>
    <name>SimRingPage</name>
    <message>
        <source>Service update error</source>
        <translation>Service update error</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>Do not ring my simultaneously ringing numbers if I&apos;m already on a call.</source>
        <translation>Do not ring my simultaneously ringing numbers if I&apos;m already on a call.</translation>
    </message>
    <message>
        <source>Phone Number / SIP-URI</source>
        <translation>Phone Number / SIP-URI</translation>
    </message>
    <message>
        <source>Answer confirmation required</source>
        <translation>Answer confirmation required</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Add Number</source>
        <translation>Add Number</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This service allows you to list up to 10 phone numbers or SIP URI addresses you would like to ring in addition to your primary phone when you receive a call. This feature is helpful when you are not at your phone but you would like your cell phone to ring when you get a call. You can also turn this service off at your desk on a call.</source>
        <translation>This service allows you to list up to 10 phone numbers or SIP URI addresses you would like to ring in addition to your primary phone when you receive a call. This feature is helpful when you are not at your phone but you would like your cell phone to ring when you get a call. You can also turn this service off at your desk on a call.</translation>
    </message>
</context>
<context>
    <name>Utils::CallSettingsInput</name>
    <message>
        <source>&quot;%1&quot; is not a phone number. Enter digits only, optionally starting with +.</source>
        <translation>&quot;%1&quot; is not a phone number. Enter digits only, optionally starting with +.</translation>
    </message>
    <message>
        <source>Enter the number of your remote office phone to switch the service on.</source>
        <translation>Enter the number of your remote office phone to switch the service on.</translation>
    </message>
    <message>
        <source>Enter the phone number of the new location.</source>
        <translation>Enter the phone number of the new location.</translation>
    </message>
    <message>
        <source>A location with the number %1 exists already.</source>
        <translation>A location with the number %1 exists already.</translation>
    </message>
    <message>
        <source>At most %1 numbers can ring at the same time.</source>
        <translation>At most %1 numbers can ring at the same time.</translation>
    </message>
    <message>
        <source>Enter a phone number or SIP address in every row.</source>
        <translation>Enter a phone number or SIP address in every row.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a phone number nor a SIP address.</source>
        <translation>&quot;%1&quot; is neither a phone number nor a SIP address.</translation>
    </message>
    <message>
        <source>The number %1 is listed twice.</source>
        <translation>The number %1 is listed twice.</translation>
    </message>
</context>
<context>
    <name>Utils::CallSettingsToolbarHelper</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Configure...</source>
        <translation>Configure...</translation>
    </message>
    <message>
        <source>Remote Office</source>
        <translation>Remote Office</translation>
    </message>
    <message>
        <source>Call Forward Always</source>
        <translation>Call Forward Always</translation>
    </message>
    <message>
        <source>Call Forward Busy</source>
        <translation>Call Forward Busy</translation>
    </message>
    <message>
        <source>Call Forward Not Reachable</source>
        <translation>Call Forward Not Reachable</translation>
    </message>
    <message>
        <source>Call Forward No Answer</source>
        <translation>Call Forward No Answer</translation>
    </message>
</context>
<context>
    <name>CallSettingsToolbar</name>
    <message>
        <source>Call Settings</source>
        <translation>Call Settings</translation>
    </message>
    <message>
        <source>Graniteway Anywhere</source>
        <translation>Graniteway Anywhere</translation>
    </message>
    <message>
        <source>Remote Office</source>
        <translation>Remote Office</translation>
    </message>
    <message>
        <source>Simultaneous Ring</source>
        <translation>Simultaneous Ring</translation>
    </message>
    <message>
        <source>Call Forwarding</source>
        <translation>Call Forwarding</translation>
    </message>
    <message>
        <source>Do Not Disturb</source>
        <translation>Do Not Disturb</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Display Name</source>
        <translation>Display Name</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>First Name</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Last Name</translation>
    </message>
    <message>
        <source>Work Phone</source>
        <translation>Work Phone</translation>
    </message>
    <message>
        <source>Work Extension</source>
        <translation>Work Extension</translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <translation>Mobile Phone</translation>
    </message>
    <message>
        <source>Personal Phone</source>
        <translation>Personal Phone</translation>
    </message>
    <message>
        <source>Street Address</source>
        <translation>Street Address</translation>
    </message>
    <message>
        <source>City</source>
        <translation>City</translation>
    </message>
    <message>
        <source>Postal Code</source>
        <translation>Postal Code</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Email Address</source>
        <translation>Email Address</translation>
    </message>
    <message>
        <source>IM Address</source>
        <translation>IM Address</translation>
    </message>
    <message>
        <source>Dial-in Number</source>
        <translation>Dial-in Number</translation>
    </message>
    <message>
        <source>Conference ID</source>
        <translation>Conference ID</translation>
    </message>
    <message>
        <source>Security PIN</source>
        <translation>Security PIN</translation>
    </message>
    <message>
        <source>Web Address</source>
        <translation>Web Address</translation>
    </message>
    <message>
        <source>Collaboration Room</source>
        <translation>Collaboration Room</translation>
    </message>
</context>
<context>
    <name>CallWidget</name>
    <message>
        <source>Complete Transfer</source>
        <translation>Complete Transfer</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>Decline</source>
        <translation>Decline</translation>
    </message>
    <message>
        <source>Dial Pad</source>
        <translation>Dial Pad</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Hold</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Stop Video</source>
        <translation>Stop Video</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transfer</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Unmute</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Conference call</source>
        <translation>Conference call</translation>
    </message>
</context>
<context>
    <name>ChatWidget</name>
    <message>
        <source>Offered file: %1</source>
        <translation>Offered file: %1</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Decline</source>
        <translation>Decline</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation type="vanished">Chat</translation>
    </message>
    <message>
        <source>You are offline</source>
        <translation>You are offline</translation>
    </message>
    <message>
        <source>%1 is offline. The messages are delivered when %2 comes online.</source>
        <translation>%1 is offline. The messages are delivered when %2 comes online.</translation>
    </message>
    <message>
        <source>%1 is offline. The messages might not be delivered.</source>
        <translation>%1 is offline. The messages might not be delivered.</translation>
    </message>
    <message>
        <source>Chat room no longer exists</source>
        <translation>Chat room no longer exists</translation>
    </message>
    <message>
        <source>Audio conference information has not been provided. To enable audio functionality, please enter your conference information under %1 Preferences%2.</source>
        <translation>Audio conference information has not been provided. To enable audio functionality, please enter your conference information under %1 Preferences%2.</translation>
    </message>
    <message>
        <source>Last message received %1</source>
        <translation>Last message received %1</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Emoticons</translation>
    </message>
    <message>
        <source>Send File</source>
        <translation>Send File</translation>
    </message>
    <message>
        <source>Conversation</source>
        <translation>Conversation</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>Footer</name>
    <message>
        <source>Mute Speaker</source>
        <translation>Mute Speaker</translation>
    </message>
    <message>
        <source>Complete Transfer</source>
        <translation>Complete Transfer</translation>
    </message>
    <message>
        <source>Hide my video</source>
        <translation>Hide my video</translation>
    </message>
    <message>
        <source>Show my video</source>
        <translation>Show my video</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>Decline</source>
        <translation>Decline</translation>
    </message>
    <message>
        <source>Dial Pad</source>
        <translation>Dial Pad</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Hold</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Stop Video</source>
        <translation>Stop Video</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transfer</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Unmute</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
</context>
<context>
    <name>GroupParticipants</name>
    <message>
        <source>Participants</source>
        <translation>Participants</translation>
    </message>
</context>
<context>
    <name>Models::Chat::MessageModel</name>
    <message>
        <source> Sending SMS...</source>
        <translation> Sending SMS...</translation>
    </message>
    <message>
        <source> sent an SMS</source>
        <translation> sent an SMS</translation>
    </message>
    <message>
        <source>%1 B</source>
        <translation>%1 B</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 are typing...</source>
        <translation>%1 are typing...</translation>
    </message>
    <message>
        <source>%1 has joined chat %2</source>
        <translation>%1 has joined chat %2</translation>
    </message>
    <message>
        <source>%1 has left chat %2</source>
        <translation>%1 has left chat %2</translation>
    </message>
    <message>
        <source>%1 is typing...</source>
        <translation>%1 is typing...</translation>
    </message>
    <message>
        <source>%1 joined Desktop Share %2</source>
        <translation>%1 joined Desktop Share %2</translation>
    </message>
    <message>
        <source>%1 left Desktop Share %2</source>
        <translation>%1 left Desktop Share %2</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Cancel Transfer</source>
        <translation>Cancel Transfer</translation>
    </message>
    <message>
        <source>Decline</source>
        <translation>Decline</translation>
    </message>
    <message>
        <source>Drag and drop contacts from the contact list to add them as participants to this chat.</source>
        <translation>Drag and drop contacts from the contact list to add them as participants to this chat.</translation>
    </message>
    <message>
        <source>File Size %1</source>
        <translation>File Size %1</translation>
    </message>
    <message>
        <source>File Size %1. The incoming file is too large. The transfer has been cancelled.</source>
        <translation>File Size %1. The incoming file is too large. The transfer has been cancelled.</translation>
    </message>
    <message>
        <source>File Size %1. The outgoing file is too large. The transfer has been cancelled.</source>
        <translation>File Size %1. The outgoing file is too large. The transfer has been cancelled.</translation>
    </message>
    <message>
        <source>File received, click to open</source>
        <translation>File received, click to open</translation>
    </message>
    <message>
        <source>File sent</source>
        <translation>File sent</translation>
    </message>
    <message>
        <source>Me</source>
        <translation>Me</translation>
    </message>
    <message>
        <source>Receiving file %1 of %2</source>
        <translation>Receiving file %1 of %2</translation>
    </message>
    <message>
        <source>Request timed out, message wasn&apos;t sent.</source>
        <translation>Request timed out, message wasn&apos;t sent.</translation>
    </message>
    <message>
        <source>Sending file %1 of %2</source>
        <translation>Sending file %1 of %2</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Show in Folder</translation>
    </message>
    <message>
        <source>The file does not exist</source>
        <translation>The file does not exist</translation>
    </message>
    <message>
        <source>Transfer cancelled</source>
        <translation>Transfer cancelled</translation>
    </message>
    <message>
        <source>Transfer failed</source>
        <translation>Transfer failed</translation>
    </message>
    <message>
        <source>Transfer failed. Incompatible encryption level.</source>
        <translation>Transfer failed. Incompatible encryption level.</translation>
    </message>
    <message>
        <source>Transfer timed out</source>
        <translation>Transfer timed out</translation>
    </message>
    <message>
        <source>Waiting...</source>
        <translation>Waiting...</translation>
    </message>
    <message>
        <source>Your share has been closed.</source>
        <translation>Your share has been closed.</translation>
    </message>
    <message>
        <source>Your share will close in %1 minute(s) due to inactivity unless you continue using the share before that.</source>
        <translation>Your share will close in %1 minute(s) due to inactivity unless you continue using the share before that.</translation>
    </message>
    <message>
        <source>Transfer failed. The file could not be saved: %1</source>
        <translation>Transfer failed. The file could not be saved: %1</translation>
    </message>
</context>
<context>
    <name>Overlays</name>
    <message>
        <source>Talk First</source>
        <translation>Talk First</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transfer</translation>
    </message>
    <message>
        <source>Add people...</source>
        <translation type="vanished">Add people...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Park the call on...</source>
        <translation>Park the call on...</translation>
    </message>
    <message>
        <source>Transfer the call to...</source>
        <translation type="vanished">Transfer the call to...</translation>
    </message>
    <message>
        <source>Transfer to</source>
        <translation>Transfer to</translation>
    </message>
    <message>
        <source>Add people</source>
        <translation>Add people</translation>
    </message>
    <message>
        <source>Name or number</source>
        <translation>Name or number</translation>
    </message>
    <message>
        <source>Transfer to %1</source>
        <translation>Transfer to %1</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Add %1</translation>
    </message>
</context>
<context>
    <name>QML::CommunicationsWindow</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: </source>
        <translation>%1: </translation>
    </message>
    <message>
        <source>*.wav *.amr</source>
        <translation>*.wav *.amr</translation>
    </message>
    <message>
        <source>Closing this communication window will end the call. Are you sure you want to end the call and close the window?</source>
        <translation>Closing this communication window will end the call. Are you sure you want to end the call and close the window?</translation>
    </message>
    <message>
        <source>Dismissed from Chat</source>
        <translation>Dismissed from Chat</translation>
    </message>
    <message>
        <source>Dismissed from Chat and Share</source>
        <translation>Dismissed from Chat and Share</translation>
    </message>
    <message>
        <source>Dismissed from Share</source>
        <translation>Dismissed from Share</translation>
    </message>
    <message>
        <source>Error Sending Message</source>
        <translation>Error Sending Message</translation>
    </message>
    <message>
        <source>Select File to Send...</source>
        <translation>Select File to Send...</translation>
    </message>
    <message>
        <source>Transfer Call</source>
        <translation>Transfer Call</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Warning - End Call?</source>
        <translation>Warning - End Call?</translation>
    </message>
    <message>
        <source>You have been dismissed from chat and share by %1.</source>
        <translation>You have been dismissed from chat and share by %1.</translation>
    </message>
    <message>
        <source>You have been dismissed from chat by %1.</source>
        <translation>You have been dismissed from chat by %1.</translation>
    </message>
    <message>
        <source>You have been dismissed from share.</source>
        <translation>You have been dismissed from share.</translation>
    </message>
    <message>
        <source>Your message could not be sent due to a network issue. Because of this some chat messages might not be visible in the history.</source>
        <translation>Your message could not be sent due to a network issue. Because of this some chat messages might not be visible in the history.</translation>
    </message>
</context>
<context>
    <name>QML::MainWindow</name>
    <message>
        <source>Are you sure you want to remove the selected contacts from your contact list?</source>
        <translation>Are you sure you want to remove the selected contacts from your contact list?</translation>
    </message>
    <message>
        <source>Confirm Deletion</source>
        <translation>Confirm Deletion</translation>
    </message>
    <message>
        <source>Contact Already Exists</source>
        <translation>Contact Already Exists</translation>
    </message>
    <message>
        <source>My Room</source>
        <translation type="vanished">My Room</translation>
    </message>
    <message>
        <source>This person is already in your contact list under display name %1</source>
        <translation>This person is already in your contact list under display name %1</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Directory</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation type="vanished">Contacts</translation>
    </message>
    <message>
        <source>Own Contacts</source>
        <translation>Own Contacts</translation>
    </message>
</context>
<context>
    <name>SecurityBar</name>
    <message>
        <source>Unclassified</source>
        <translation>Unclassified</translation>
    </message>
</context>
<context>
    <name>Utils::ChatRoomActions</name>
    <message>
        <source>Delete Room</source>
        <translation>Delete Room</translation>
    </message>
    <message>
        <source>Edit Room</source>
        <translation>Edit Room</translation>
    </message>
    <message>
        <source>Join Room</source>
        <translation>Join Room</translation>
    </message>
</context>
<context>
    <name>Utils::CommunicationSessionUiHelper</name>
    <message>
        <source>Calls unavailable</source>
        <translation>Calls unavailable</translation>
    </message>
    <message>
        <source>%1&apos;s Room</source>
        <translation>%1&apos;s Room</translation>
    </message>
    <message>
        <source>(Owner)</source>
        <translation>(Owner)</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Call</translation>
    </message>
    <message>
        <source>Call Active</source>
        <translation>Call Active</translation>
    </message>
    <message>
        <source>Call from phone</source>
        <translation>Call from phone</translation>
    </message>
    <message>
        <source>Calling</source>
        <translation>Calling</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnected</translation>
    </message>
    <message>
        <source>Group Communications</source>
        <translation>Group Communications</translation>
    </message>
    <message>
        <source>Incoming Call</source>
        <translation>Incoming Call</translation>
    </message>
    <message>
        <source>My Room</source>
        <translation>My Room</translation>
    </message>
    <message>
        <source>On Hold</source>
        <translation>On Hold</translation>
    </message>
    <message>
        <source>Pull Call</source>
        <translation>Pull Call</translation>
    </message>
    <message>
        <source>Retrieve Parked Call</source>
        <translation>Retrieve Parked Call</translation>
    </message>
    <message>
        <source>Sharing Desktop</source>
        <translation>Sharing Desktop</translation>
    </message>
    <message>
        <source>Transfer Call: %1</source>
        <translation>Transfer Call: %1</translation>
    </message>
    <message>
        <source>Viewing Share</source>
        <translation>Viewing Share</translation>
    </message>
</context>
<context>
    <name>Utils::MenuHandler</name>
    <message>
        <source>Add Conference Contact</source>
        <translation>Add Conference Contact</translation>
    </message>
    <message>
        <source>Add Contact</source>
        <translation>Add Contact</translation>
    </message>
    <message>
        <source>Add Group</source>
        <translation>Add Group</translation>
    </message>
    <message>
        <source>Add Room</source>
        <translation>Add Room</translation>
    </message>
    <message>
        <source>Add to Group</source>
        <translation>Add to Group</translation>
    </message>
    <message>
        <source>Change Profile Photo</source>
        <translation>Change Profile Photo</translation>
    </message>
    <message>
        <source>Clear All Missed</source>
        <translation>Clear All Missed</translation>
    </message>
    <message>
        <source>Clear Missed Calls</source>
        <translation>Clear Missed Calls</translation>
    </message>
    <message>
        <source>Clear Missed Chats</source>
        <translation>Clear Missed Chats</translation>
    </message>
    <message>
        <source>Clear Profile Photo</source>
        <translation>Clear Profile Photo</translation>
    </message>
    <message>
        <source>Configure My Room</source>
        <translation>Configure My Room</translation>
    </message>
    <message>
        <source>Copy My Room Invitation</source>
        <translation>Copy My Room Invitation</translation>
    </message>
    <message>
        <source>Join My Room</source>
        <translation>Join My Room</translation>
    </message>
    <message>
        <source>Mark as Seen</source>
        <translation>Mark as Seen</translation>
    </message>
    <message>
        <source>Remove Contacts</source>
        <translation>Remove Contacts</translation>
    </message>
    <message>
        <source>Remove from Group</source>
        <translation>Remove from Group</translation>
    </message>
    <message>
        <source>My Location...</source>
        <translation>My Location...</translation>
    </message>
</context>
<context>
    <name>Utils::ZentUrlHandler</name>
    <message>
        <source>Failed to Join Room</source>
        <translation>Failed to Join Room</translation>
    </message>
    <message>
        <source>Failed to join %1&apos;s room due to network connection issues. Please try again after the connection is restored</source>
        <translation>Failed to join %1&apos;s room due to network connection issues. Please try again after the connection is restored</translation>
    </message>
    <message>
        <source>Call from a Link</source>
        <translation>Call from a Link</translation>
    </message>
    <message>
        <source>A link to a room asks to call its conference, %1. Do you want to join the room with this call?</source>
        <translation>A link to a room asks to call its conference, %1. Do you want to join the room with this call?</translation>
    </message>
</context>
<context>
    <name>WebCollabWidget</name>
    <message>
        <source>Waiting for the shared screen...</source>
        <translation>Waiting for the shared screen...</translation>
    </message>
    <message>
        <source>You are sharing your desktop</source>
        <translation>You are sharing your desktop</translation>
    </message>
    <message>
        <source>Stop Sharing</source>
        <translation>Stop Sharing</translation>
    </message>
</context>
<context>
    <name>Utils::WindowManagerCallHelper</name>
    <message>
        <source>Confirm Call</source>
        <translation>Confirm Call</translation>
    </message>
    <message>
        <source>Starting a call will put ongoing call on hold. Continue?</source>
        <translation>Starting a call will put ongoing call on hold. Continue?</translation>
    </message>
    <message>
        <source>Answering a call will put ongoing call on hold. Continue?</source>
        <translation>Answering a call will put ongoing call on hold. Continue?</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transfer</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Video Call Failed</source>
        <translation>Video Call Failed</translation>
    </message>
    <message>
        <source>Unable to start video, please check that other applications are not using the camera. Please also ensure that your web-camera drivers are up to date.</source>
        <translation>Unable to start video, please check that other applications are not using the camera. Please also ensure that your web-camera drivers are up to date.</translation>
    </message>
    <message>
        <source>Call Failed</source>
        <translation>Call Failed</translation>
    </message>
    <message>
        <source>Emergency calls are not supported. Please use another phone.</source>
        <translation>Emergency calls are not supported. Please use another phone.</translation>
    </message>
    <message>
        <source>Call to Phone failed!</source>
        <translation>Call to Phone failed!</translation>
    </message>
    <message>
        <source>Error Transferring Call</source>
        <translation>Error Transferring Call</translation>
    </message>
    <message>
        <source>There was an error while transferring your call. Please check the number and try again.</source>
        <translation>There was an error while transferring your call. Please check the number and try again.</translation>
    </message>
    <message>
        <source>The person you are transferring to cannot take the call now. Your call goes on.</source>
        <translation>The person you are transferring to cannot take the call now. Your call goes on.</translation>
    </message>
    <message>
        <source>%1 is busy</source>
        <translation>%1 is busy</translation>
    </message>
    <message>
        <source>%1 declined the call</source>
        <translation>%1 declined the call</translation>
    </message>
    <message>
        <source>%1 did not answer</source>
        <translation>%1 did not answer</translation>
    </message>
    <message>
        <source>%1 was transferred to %2</source>
        <translation>%1 was transferred to %2</translation>
    </message>
</context>
<context>
    <name>Models::ErrorInfoModel</name>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Presence</source>
        <translation>Presence</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Calls</translation>
    </message>
    <message>
        <source>Desktop Share</source>
        <translation>Desktop Share</translation>
    </message>
    <message>
        <source> and </source>
        <translation> and </translation>
    </message>
    <message>
        <source>Service not connected. %1 unavailable</source>
        <translation>Service not connected. %1 unavailable</translation>
    </message>
    <message>
        <source>Network connection lost</source>
        <translation>Network connection lost</translation>
    </message>
    <message>
        <source>Calls unavailable</source>
        <translation>Calls unavailable</translation>
    </message>
    <message>
        <source>Chat unavailable</source>
        <translation>Chat unavailable</translation>
    </message>
    <message>
        <source>Some events are unavailable</source>
        <translation>Some events are unavailable</translation>
    </message>
    <message>
        <source>Call settings and calling from phone is currently not available.</source>
        <translation>Call settings and calling from phone is currently not available.</translation>
    </message>
    <message>
        <source>Some settings are unavailable</source>
        <translation>Some settings are unavailable</translation>
    </message>
    <message>
        <source>Call settings is currently not available.</source>
        <translation>Call settings is currently not available.</translation>
    </message>
    <message>
        <source>Calling from phone unavailable</source>
        <translation>Calling from phone unavailable</translation>
    </message>
    <message>
        <source>Calling from phone is currently not available.</source>
        <translation>Calling from phone is currently not available.</translation>
    </message>
    <message>
        <source>Error retrieving history</source>
        <translation>Error retrieving history</translation>
    </message>
    <message>
        <source>Failed to retrieve some call logs in history. Please try again later.</source>
        <translation>Failed to retrieve some call logs in history. Please try again later.</translation>
    </message>
    <message>
        <source>Desktop share unavailable</source>
        <translation>Desktop share unavailable</translation>
    </message>
    <message>
        <source>Unable to start desktop share. Please try again later. If the problem persists, please contact your service provider.</source>
        <translation>Unable to start desktop share. Please try again later. If the problem persists, please contact your service provider.</translation>
    </message>
    <message>
        <source>Desktop share credential error</source>
        <translation>Desktop share credential error</translation>
    </message>
    <message>
        <source>Your Desktop Share credentials seem to be unavailable or invalid.</source>
        <translation>Your Desktop Share credentials seem to be unavailable or invalid.</translation>
    </message>
    <message>
        <source>Your Desktop Share credentials seem to be unavailable or invalid. You can update your credentials from the Preferences.</source>
        <translation>Your Desktop Share credentials seem to be unavailable or invalid. You can update your credentials from the Preferences.</translation>
    </message>
    <message>
        <source>Corporate Directory (LDAP) Error</source>
        <translation>Corporate Directory (LDAP) Error</translation>
    </message>
    <message>
        <source>Corporate directory credential error</source>
        <translation>Corporate directory credential error</translation>
    </message>
    <message>
        <source>Your LDAP credentials seem to be unavailable or invalid. You can update your credentials from the Preferences.</source>
        <translation>Your LDAP credentials seem to be unavailable or invalid. You can update your credentials from the Preferences.</translation>
    </message>
    <message>
        <source>Outlook not detected</source>
        <translation>Outlook not detected</translation>
    </message>
    <message>
        <source>There was an error locating Microsoft Outlook on your system. If you have Outlook installed, please exit and restart your client. If you do not have Outlook installed, you can disable Outlook features via Preferences.</source>
        <translation>There was an error locating Microsoft Outlook on your system. If you have Outlook installed, please exit and restart your client. If you do not have Outlook installed, you can disable Outlook features via Preferences.</translation>
    </message>
    <message>
        <source>Emergency calls unavailable</source>
        <translation>Emergency calls unavailable</translation>
    </message>
    <message>
        <source>Emergency calls are not supported. Please use another phone.</source>
        <translation>Emergency calls are not supported. Please use another phone.</translation>
    </message>
    <message>
        <source>Contact list version mismatch</source>
        <translation>Contact list version mismatch</translation>
    </message>
    <message>
        <source>Contact list version mismatch - contact list is read only.</source>
        <translation>Contact list version mismatch - contact list is read only.</translation>
    </message>
</context>
<context>
    <name>Models::LeftPaneButtonsModel</name>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Communication History</source>
        <translation>Communication History</translation>
    </message>
    <message>
        <source>Dialpad</source>
        <translation>Dialpad</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Directory</translation>
    </message>
</context>
<context>
    <name>Utils::ActiveCommsDragDropHandler</name>
    <message>
        <source>Transfer or Conference</source>
        <translation>Transfer or Conference</translation>
    </message>
    <message>
        <source>Do you want to transfer %1 to %2 or start a conference?</source>
        <translation>Do you want to transfer %1 to %2 or start a conference?</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transfer</translation>
    </message>
    <message>
        <source>Do you want to transfer %1 to %2?</source>
        <translation>Do you want to transfer %1 to %2?</translation>
    </message>
    <message>
        <source>Chat room</source>
        <translation>Chat room</translation>
    </message>
    <message>
        <source>Conference</source>
        <translation>Conference</translation>
    </message>
    <message>
        <source>Add %1 to %2?</source>
        <translation>Add %1 to %2?</translation>
    </message>
    <message>
        <source>chat room</source>
        <translation>chat room</translation>
    </message>
    <message>
        <source>conference call</source>
        <translation>conference call</translation>
    </message>
    <message>
        <source>Do you want to %1?</source>
        <translation>Do you want to %1?</translation>
    </message>
    <message>
        <source>create a chat room</source>
        <translation>create a chat room</translation>
    </message>
    <message>
        <source>start a conference call</source>
        <translation>start a conference call</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
</context>
<context>
    <name>ErrorInfo</name>
    <message>
        <source>More</source>
        <translation>More</translation>
    </message>
</context>
<context>
    <name>LeftPane</name>
    <message>
        <source>Rooms</source>
        <translation>Rooms</translation>
    </message>
</context>
<context>
    <name>ActiveComms</name>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>More</source>
        <translation>More</translation>
    </message>
</context>
<context>
    <name>Utils::Search::SearchManager</name>
    <message>
        <source>Telephony Directory</source>
        <translation>Telephony Directory</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Directory</translation>
    </message>
    <message>
        <source>Outlook</source>
        <translation>Outlook</translation>
    </message>
    <message>
        <source>Corporate Directory</source>
        <translation>Corporate Directory</translation>
    </message>
    <message>
        <source>The directory server refused the credentials</source>
        <translation>The directory server refused the credentials</translation>
    </message>
    <message>
        <source>No directory server is configured</source>
        <translation>No directory server is configured</translation>
    </message>
    <message>
        <source>The directory server did not answer in time</source>
        <translation>The directory server did not answer in time</translation>
    </message>
    <message>
        <source>The directory server cannot be reached</source>
        <translation>The directory server cannot be reached</translation>
    </message>
    <message>
        <source>The directory search is unavailable: its library cannot be loaded</source>
        <translation>The directory search is unavailable: its library cannot be loaded</translation>
    </message>
    <message>
        <source>The directory search failed</source>
        <translation>The directory search failed</translation>
    </message>
    <message>
        <source>Outlook search is initializing</source>
        <translation>Outlook search is initializing</translation>
    </message>
    <message>
        <source>Operation timeout</source>
        <translation>Operation timeout</translation>
    </message>
    <message>
        <source>Unknown error while obtaining contacts from Outlook</source>
        <translation>Unknown error while obtaining contacts from Outlook</translation>
    </message>
</context>
<context>
    <name>Utils::WindowManagerChatHelper</name>
    <message>
        <source>Private Room</source>
        <translation>Private Room</translation>
    </message>
    <message>
        <source>This private room is restricted to members only. Since you are not a member of this room, you are not able to join.</source>
        <translation>This private room is restricted to members only. Since you are not a member of this room, you are not able to join.</translation>
    </message>
    <message>
        <source>Error joining room</source>
        <translation>Error joining room</translation>
    </message>
    <message>
        <source>You are banned from the room and cannot join</source>
        <translation>You are banned from the room and cannot join</translation>
    </message>
    <message>
        <source>Unable to Join</source>
        <translation>Unable to Join</translation>
    </message>
    <message>
        <source>It seems the room you have selected has not been configured. We are sorry for the inconvenience.</source>
        <translation>It seems the room you have selected has not been configured. We are sorry for the inconvenience.</translation>
    </message>
    <message>
        <source>Error Deleting Room</source>
        <translation>Error Deleting Room</translation>
    </message>
    <message>
        <source>You are not the owner of this room. Only the owner can delete the room.</source>
        <translation>You are not the owner of this room. Only the owner can delete the room.</translation>
    </message>
    <message>
        <source>Error Editing Room</source>
        <translation>Error Editing Room</translation>
    </message>
    <message>
        <source>You are not the owner of this room. Only the owner can edit the room.</source>
        <translation>You are not the owner of this room. Only the owner can edit the room.</translation>
    </message>
    <message>
        <source>Error adding people</source>
        <translation>Error adding people</translation>
    </message>
    <message>
        <source>Unable to add the following people to the session because they have no IM address:
%1</source>
        <translation>Unable to add the following people to the session because they have no IM address:
%1</translation>
    </message>
    <message>
        <source>Chat room no longer exists</source>
        <translation>Chat room no longer exists</translation>
    </message>
</context>
<context>
    <name>ConfigureRoomDialog</name>
    <message>
        <source>Edit Room</source>
        <translation>Edit Room</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Private Room</source>
        <translation>Private Room</translation>
    </message>
    <message>
        <source>Public Room</source>
        <translation>Public Room</translation>
    </message>
    <message>
        <source>Enable History</source>
        <translation>Enable History</translation>
    </message>
    <message>
        <source>Remove participants from room:</source>
        <translation>Remove participants from room:</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>If you enable the history anyone joining this room will see the last %1 messages sent</source>
        <translation>If you enable the history anyone joining this room will see the last %1 messages sent</translation>
    </message>
    <message>
        <source>Create Room</source>
        <translation>Create Room</translation>
    </message>
    <message>
        <source>Room Changed to Private Room</source>
        <translation>Room Changed to Private Room</translation>
    </message>
    <message>
        <source>Chat room changed to private room, re-invite members to chat room.</source>
        <translation>Chat room changed to private room, re-invite members to chat room.</translation>
    </message>
</context>
<context>
    <name>ConfirmRoomDeletion</name>
    <message>
        <source>Delete Room?</source>
        <translation>Delete Room?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete ?</source>
        <translation>Are you sure you want to delete ?</translation>
    </message>
    <message>
        <source>Always ask before deleting room</source>
        <translation>Always ask before deleting room</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1?</source>
        <translation>Are you sure you want to delete %1?</translation>
    </message>
</context>
<context>
    <name>QML::CallDebugWindowBase</name>
    <message>
        <source>Call debug</source>
        <translation>Call debug</translation>
    </message>
</context>
<context>
    <name>HistorySelection</name>
    <message>
        <source>Yesterday</source>
        <translation>Yesterday</translation>
    </message>
    <message>
        <source>Last Week</source>
        <translation>Last Week</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Last Month</translation>
    </message>
    <message>
        <source>All History</source>
        <translation>All History</translation>
    </message>
</context>
<context>
    <name>Utils::Actions::CommunicationsWindowMenuActions</name>
    <message>
        <source>End communications</source>
        <translation>End communications</translation>
    </message>
    <message>
        <source>End Call</source>
        <translation>End Call</translation>
    </message>
    <message>
        <source>End Chat</source>
        <translation>End Chat</translation>
    </message>
    <message>
        <source>Mute Microphone</source>
        <translation>Mute Microphone</translation>
    </message>
    <message>
        <source>Unmute Microphone</source>
        <translation>Unmute Microphone</translation>
    </message>
    <message>
        <source>Hold Call</source>
        <translation>Hold Call</translation>
    </message>
    <message>
        <source>Unhold Call</source>
        <translation>Unhold Call</translation>
    </message>
    <message>
        <source>Conference with</source>
        <translation>Conference with</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Transfer to</source>
        <translation>Transfer to</translation>
    </message>
    <message>
        <source>Park Call</source>
        <translation>Park Call</translation>
    </message>
    <message>
        <source>Record Call</source>
        <translation>Record Call</translation>
    </message>
    <message>
        <source>Start Recording</source>
        <translation>Start Recording</translation>
    </message>
    <message>
        <source>Pause Recording</source>
        <translation>Pause Recording</translation>
    </message>
    <message>
        <source>Resume Recording</source>
        <translation>Resume Recording</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Stop Recording</translation>
    </message>
    <message>
        <source>Show My Video</source>
        <translation>Show My Video</translation>
    </message>
    <message>
        <source>Hide My Video</source>
        <translation>Hide My Video</translation>
    </message>
    <message>
        <source>Delete Chat History</source>
        <translation>Delete Chat History</translation>
    </message>
    <message>
        <source>Edit Room</source>
        <translation>Edit Room</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Show Window</translation>
    </message>
    <message>
        <source>Hide Window</source>
        <translation>Hide Window</translation>
    </message>
    <message>
        <source>Always on Top</source>
        <translation>Always on Top</translation>
    </message>
    <message>
        <source>Group Communications</source>
        <translation>Group Communications</translation>
    </message>
    <message>
        <source>Confirm Removal</source>
        <translation>Confirm Removal</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the chat history?</source>
        <translation>Are you sure you want to delete the chat history?</translation>
    </message>
</context>
<context>
    <name>Utils::Actions::ParticipantMenuActions</name>
    <message>
        <source>Dismiss from Chat</source>
        <translation>Dismiss from Chat</translation>
    </message>
    <message>
        <source>Dismiss from Chat and Share</source>
        <translation>Dismiss from Chat and Share</translation>
    </message>
    <message>
        <source>Promote to Moderator</source>
        <translation>Promote to Moderator</translation>
    </message>
    <message>
        <source>Demote from Moderator</source>
        <translation>Demote from Moderator</translation>
    </message>
</context>
<context>
    <name>Utils::MyRoomHelper</name>
    <message>
        <source>My Room
</source>
        <translation>My Room
</translation>
    </message>
    <message>
        <source>Dial-in Number: %1
</source>
        <translation>Dial-in Number: %1
</translation>
    </message>
    <message>
        <source>Conference ID: %1
</source>
        <translation>Conference ID: %1
</translation>
    </message>
    <message>
        <source>Security PIN: %1
</source>
        <translation>Security PIN: %1
</translation>
    </message>
    <message>
        <source>Moderator PIN: %1</source>
        <translation>Moderator PIN: %1</translation>
    </message>
    <message>
        <source>Users:</source>
        <translation>Users:</translation>
    </message>
    <message>
        <source>%1's Session</source>
        <translation>%1's Session</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Others</translation>
    </message>
    <message>
        <source>Collaboration Session</source>
        <translation>Collaboration Session</translation>
    </message>
    <message>
        <source>Dial-In Number</source>
        <translation>Dial-In Number</translation>
    </message>
    <message>
        <source>Conference ID</source>
        <translation>Conference ID</translation>
    </message>
    <message>
        <source>Security PIN</source>
        <translation>Security PIN</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>%1 keeps running here. Double-click the icon to open it again, or choose Exit to leave.</source>
        <translation>%1 keeps running here. Double-click the icon to open it again, or choose Exit to leave.</translation>
    </message>
</context>
<context>
    <name>CrashReporter</name>
    <message>
        <source>Crash Report</source>
        <translation>Crash Report</translation>
    </message>
    <message>
        <source>The program closed unexpectedly.</source>
        <translation>The program closed unexpectedly.</translation>
    </message>
    <message>
        <source>A report was saved to:
%1</source>
        <translation>A report was saved to:
%1</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>Show Report</source>
        <translation>Show Report</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>The program could not be started.</source>
        <translation>The program could not be started.</translation>
    </message>
</context>
<context>
    <name>FileWrites</name>
    <message>
        <source>No space left on device</source>
        <translation>No space left on device</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Disk quota exceeded</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Operation not permitted</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Read-only file system</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Input/output error</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>No such file or directory</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Not a directory</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Is a directory</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>File name too long</translation>
    </message>
    <message>
        <source>the file could not be replaced</source>
        <translation>the file could not be replaced</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>not a file</translation>
    </message>
    <message>
        <source>the file could not be read, so it is not written over</source>
        <translation>the file could not be read, so it is not written over</translation>
    </message>
    <message>
        <source>the folder could not be created</source>
        <translation>the folder could not be created</translation>
    </message>
    <message>
        <source>the whole file could not be kept beside it</source>
        <translation>the whole file could not be kept beside it</translation>
    </message>
    <message>
        <source>not a settings file</source>
        <translation>not a settings file</translation>
    </message>
</context>
<context>
    <name>QtSingleApplication</name>
    <message>
        <source>%1 is in the way of the lock file and is not one</source>
        <translation>%1 is in the way of the lock file and is not one</translation>
    </message>
    <message>
        <source>the lock file %1 of an instance that has ended cannot be removed: %2</source>
        <translation>the lock file %1 of an instance that has ended cannot be removed: %2</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be written: %2</source>
        <translation>the lock file %1 cannot be written: %2</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>the lock file %1 cannot be created: permission denied</source>
        <translation>the lock file %1 cannot be created: permission denied</translation>
    </message>
    <message>
        <source>no folder given</source>
        <translation>no folder given</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>%1 cannot be used: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 is not a folder</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 belongs to another user</translation>
    </message>
    <message>
        <source>%1 is open to other users</source>
        <translation>%1 is open to other users</translation>
    </message>
    <message>
        <source>no socket at %1</source>
        <translation>no socket at %1</translation>
    </message>
    <message>
        <source>%1 is not a socket</source>
        <translation>%1 is not a socket</translation>
    </message>
    <message>
        <source>there is no cache folder</source>
        <translation>there is no cache folder</translation>
    </message>
    <message>
        <source>%1, and %2</source>
        <translation>%1, and %2</translation>
    </message>
</context>
<context>
    <name>RAZ::Controllers::GranitewayAnywhereController</name>
    <message>
        <source>The location could not be added: its number is empty or listed already</source>
        <translation>The location could not be added: its number is empty or listed already</translation>
    </message>
</context>
<context>
    <name>RAZ::Controllers::XsiServiceObject</name>
    <message>
        <source>The service is not assigned to this account</source>
        <translation>The service is not assigned to this account</translation>
    </message>
</context>
<context>
    <name>RAZ::Webcollab::WebcollabBase</name>
    <message>
        <source>Shared screen
</source>
        <translation>Shared screen
</translation>
    </message>
</context>
<context>
    <name>RAZ::Xsi::CallSettingsStore</name>
    <message>
        <source>No credentials</source>
        <translation>No credentials</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Authentication failed</translation>
    </message>
    <message>
        <source>Network error</source>
        <translation>Network error</translation>
    </message>
</context>
<context>
    <name>RAZ::Xsi::XsiCredentialsControl</name>
    <message>
        <source>The current password is not correct.</source>
        <translation>The current password is not correct.</translation>
    </message>
    <message>
        <source>The new password is not accepted.</source>
        <translation>The new password is not accepted.</translation>
    </message>
</context>
<context>
    <name>RAZ::Demo::Service</name>
    <message>
        <source>Demo Document Camera</source>
        <translation>Demo Document Camera</translation>
    </message>
    <message>
        <source>Demo Camera</source>
        <translation>Demo Camera</translation>
    </message>
    <message>
        <source>Sounds good.</source>
        <translation>Sounds good.</translation>
    </message>
    <message>
        <source>Hi, have you got a minute?</source>
        <translation>Hi, have you got a minute?</translation>
    </message>
    <message>
        <source>Noted, thanks.</source>
        <translation>Noted, thanks.</translation>
    </message>
    <message>
        <source>Berlin</source>
        <translation>Berlin</translation>
    </message>
    <message>
        <source>GERMANY</source>
        <translation>GERMANY</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translation>Unclassified</translation>
    </message>
    <message>
        <source>Restricted</source>
        <translation>Restricted</translation>
    </message>
    <message>
        <source>Confidential</source>
        <translation>Confidential</translation>
    </message>
    <message>
        <source>Available for the demo call</source>
        <translation>Available for the demo call</translation>
    </message>
    <message>
        <source>At my desk</source>
        <translation>At my desk</translation>
    </message>
    <message>
        <source>Home office</source>
        <translation>Home office</translation>
    </message>
    <message>
        <source>Lunch</source>
        <translation>Lunch</translation>
    </message>
    <message>
        <source>Out for a run</source>
        <translation>Out for a run</translation>
    </message>
    <message>
        <source>Back in ten minutes</source>
        <translation>Back in ten minutes</translation>
    </message>
    <message>
        <source>At the desk phone</source>
        <translation>At the desk phone</translation>
    </message>
    <message>
        <source>On the road, mobile only</source>
        <translation>On the road, mobile only</translation>
    </message>
    <message>
        <source>In a workshop until 3 pm</source>
        <translation>In a workshop until 3 pm</translation>
    </message>
    <message>
        <source>Focus time, please do not disturb</source>
        <translation>Focus time, please do not disturb</translation>
    </message>
    <message>
        <source>Planning meeting</source>
        <translation>Planning meeting</translation>
    </message>
    <message>
        <source>In a meeting</source>
        <translation>In a meeting</translation>
    </message>
    <message>
        <source>On a call</source>
        <translation>On a call</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Customers</source>
        <translation>Customers</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Family</translation>
    </message>
    <message>
        <source>Reviewing the release notes</source>
        <translation>Reviewing the release notes</translation>
    </message>
    <message>
        <source>Back on Monday</source>
        <translation>Back on Monday</translation>
    </message>
    <message>
        <source>Release planning</source>
        <translation>Release planning</translation>
    </message>
    <message>
        <source>Next release: scope and dates</source>
        <translation>Next release: scope and dates</translation>
    </message>
    <message>
        <source>Support desk</source>
        <translation>Support desk</translation>
    </message>
    <message>
        <source>Open tickets</source>
        <translation>Open tickets</translation>
    </message>
    <message>
        <source>Coffee corner</source>
        <translation>Coffee corner</translation>
    </message>
    <message>
        <source>Sales</source>
        <translation>Sales</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Engineering</source>
        <translation>Engineering</translation>
    </message>
    <message>
        <source>Finance</source>
        <translation>Finance</translation>
    </message>
    <message>
        <source>Front desk</source>
        <translation>Front desk</translation>
    </message>
    <message>
        <source>Reception</source>
        <translation>Reception</translation>
    </message>
    <message>
        <source>Mobile</source>
        <translation>Mobile</translation>
    </message>
    <message>
        <source>Rejected: Do Not Disturb</source>
        <translation>Rejected: Do Not Disturb</translation>
    </message>
    <message>
        <source>Forwarded to %1</source>
        <translation>Forwarded to %1</translation>
    </message>
    <message>
        <source>Demo video</source>
        <translation>Demo video</translation>
    </message>
    <message>
        <source>You</source>
        <translation>You</translation>
    </message>
    <message>
        <source>Echo Test</source>
        <translation>Echo Test</translation>
    </message>
    <message>
        <source>Voice Mail</source>
        <translation>Voice Mail</translation>
    </message>
</context>
<context>
    <name>CallDebugInfo</name>
    <message>
        <source>Real duplex params</source>
        <translation>Real duplex params</translation>
    </message>
    <message>
        <source>AEC</source>
        <translation>AEC</translation>
    </message>
    <message>
        <source>AEC auto mode</source>
        <translation>AEC auto mode</translation>
    </message>
    <message>
        <source>AEC NLP</source>
        <translation>AEC NLP</translation>
    </message>
    <message>
        <source>AEC CNG</source>
        <translation>AEC CNG</translation>
    </message>
    <message>
        <source>Noise suppression</source>
        <translation>Noise suppression</translation>
    </message>
    <message>
        <source>Automatic gain control</source>
        <translation>Automatic gain control</translation>
    </message>
    <message>
        <source>Audio parameters</source>
        <translation>Audio parameters</translation>
    </message>
    <message>
        <source>System speaker mute</source>
        <translation>System speaker mute</translation>
    </message>
    <message>
        <source>System speaker gain</source>
        <translation>System speaker gain</translation>
    </message>
    <message>
        <source>System mic mute</source>
        <translation>System mic mute</translation>
    </message>
    <message>
        <source>System mic gain</source>
        <translation>System mic gain</translation>
    </message>
    <message>
        <source>Speaker mute</source>
        <translation>Speaker mute</translation>
    </message>
    <message>
        <source>Speaker gain</source>
        <translation>Speaker gain</translation>
    </message>
    <message>
        <source>Mic mute</source>
        <translation>Mic mute</translation>
    </message>
    <message>
        <source>Mic gain</source>
        <translation>Mic gain</translation>
    </message>
    <message>
        <source>Channel audio parameters</source>
        <translation>Channel audio parameters</translation>
    </message>
    <message>
        <source>Channel speaker mute</source>
        <translation>Channel speaker mute</translation>
    </message>
    <message>
        <source>Channel speaker gain</source>
        <translation>Channel speaker gain</translation>
    </message>
    <message>
        <source>Channel mic mute</source>
        <translation>Channel mic mute</translation>
    </message>
    <message>
        <source>Channel mic gain</source>
        <translation>Channel mic gain</translation>
    </message>
    <message>
        <source>Audio channel parameters (not editable)</source>
        <translation>Audio channel parameters (not editable)</translation>
    </message>
    <message>
        <source>Voice encoder parameters</source>
        <translation>Voice encoder parameters</translation>
    </message>
    <message>
        <source>Input/Output devices</source>
        <translation>Input/Output devices</translation>
    </message>
    <message>
        <source>Video encoder parameters</source>
        <translation>Video encoder parameters</translation>
    </message>
    <message>
        <source>CPU Load Control</source>
        <translation>CPU Load Control</translation>
    </message>
    <message>
        <source>Sent video stream statistics</source>
        <translation>Sent video stream statistics</translation>
    </message>
    <message>
        <source>Received video stream statistics</source>
        <translation>Received video stream statistics</translation>
    </message>
    <message>
        <source>Video Automatic bitRate Selector (ARS) parameters</source>
        <translation>Video Automatic bitRate Selector (ARS) parameters</translation>
    </message>
    <message>
        <source>Enable ARS</source>
        <translation>Enable ARS</translation>
    </message>
    <message>
        <source>Auto FEC</source>
        <translation>Auto FEC</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Initial bitrate</source>
        <translation>Initial bitrate</translation>
    </message>
    <message>
        <source>Low bitrate</source>
        <translation>Low bitrate</translation>
    </message>
    <message>
        <source>High bitrate</source>
        <translation>High bitrate</translation>
    </message>
    <message>
        <source>Low frame rate</source>
        <translation>Low frame rate</translation>
    </message>
    <message>
        <source>High frame rate</source>
        <translation>High frame rate</translation>
    </message>
    <message>
        <source>Frame resize</source>
        <translation>Frame resize</translation>
    </message>
    <message>
        <source>Feedback over RTCP</source>
        <translation>Feedback over RTCP</translation>
    </message>
    <message>
        <source>Send no ARS feedback</source>
        <translation>Send no ARS feedback</translation>
    </message>
    <message>
        <source>AEC mode (0: Headset; 1: Half duplex, time domain; 2: Half duplex, frequency domain; 3: Full duplex): %1</source>
        <translation>AEC mode (0: Headset; 1: Half duplex, time domain; 2: Half duplex, frequency domain; 3: Full duplex): %1</translation>
    </message>
    <message>
        <source>Mic boost behavior (0: No change; 1: Force to enable; 2: Force to disable): %1</source>
        <translation>Mic boost behavior (0: No change; 1: Force to enable; 2: Force to disable): %1</translation>
    </message>
    <message>
        <source>Keep alive (s): %1</source>
        <translation>Keep alive (s): %1</translation>
    </message>
    <message>
        <source>Touch tones sent: %1</source>
        <translation>Touch tones sent: %1</translation>
    </message>
    <message>
        <source>QoS: %1</source>
        <translation>QoS: %1</translation>
    </message>
    <message>
        <source>RTCP disabled: %1</source>
        <translation>RTCP disabled: %1</translation>
    </message>
    <message>
        <source>Conference control disabled: %1</source>
        <translation>Conference control disabled: %1</translation>
    </message>
</context>
<context>
    <name>NumberInput</name>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
</context>
</TS>
