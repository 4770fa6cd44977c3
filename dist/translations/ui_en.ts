<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Application</name>
    <message>
        <source>UI setting error</source>
        <translation>UI setting error</translation>
    </message>
    <message>
        <source>Couldn&apos;t find UI settings file</source>
        <translation>Couldn't find UI settings file</translation>
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
        <source>Default theme not found. Please reinstall the client.
 Looked in %1 and %2</source>
        <translation>Default theme not found. Please reinstall the client.
 Looked in %1 and %2</translation>
    </message>
    <message>
        <source>Initialization error</source>
        <translation>Initialization error</translation>
    </message>
    <message>
        <source>Unable to initialize login window!</source>
        <translation>Unable to initialize login window!</translation>
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
    <name>LoginWindow</name>
    <message>
        <source>User name</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
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
        <source>Signing out...</source>
        <translation>Signing out...</translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation>Signing in...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
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
    <name>QML::ConnectorNotification</name>
    <message>
        <source>New Add-ins</source>
        <translation>New Add-ins</translation>
    </message>
</context>
<context>
    <name>QML::LoginWindow</name>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
</context>
<context>
    <name>Widgets::Window</name>
    <message>
        <source>Give Me a Name</source>
        <translation>Give Me a Name</translation>
    </message>
</context>
</TS>
