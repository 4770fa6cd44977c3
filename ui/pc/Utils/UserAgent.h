#pragma once

#include <QString>

namespace Utils {

// The name the service sees for a Windows version value as Qt reports it.
QString windowsVersionName(int windowsVersion);

// The running operating system's name: the Windows table above on Windows;
// elsewhere the system's own pretty product name (for example
// "Debian GNU/Linux 12 (bookworm)").
QString operatingSystemName();

// The user agent: the template with the version for %1 and the system name
// for %2 (a template with fewer placeholders takes what it has room for).
QString buildUserAgent(const QString& templ, const QString& version, const QString& osName);

}  // namespace Utils
