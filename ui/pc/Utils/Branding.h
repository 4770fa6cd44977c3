#pragma once

#include <QString>

namespace Utils {

// The names the program runs under, from "application_name.txt" beside the
// executable: line 1 the application name, line 2 the organisation name,
// line 3 the organisation domain, each trimmed; a missing line is empty.
struct Branding {
  QString applicationName;
  QString organizationName;
  QString organizationDomain;
  // What the user is told of the file, when there is something to tell.
  enum class Problem {
    None,
    NotText,  // the built-in names were used in its place
    Cut,      // a line was longer than a name may be: its name was cut
    Missing,  // it cannot be read: the built-in names were used
    NoName,   // it names no application: the built-in names were used
  };
  bool fromFile = false;  // false: the built-in names were used
  Problem problem = Problem::None;
};

// What is read of the file: a name is at most kMaxBrandingNameChars, taken
// from a line's first kMaxBrandingLineBytes, and no more than
// kMaxBrandingBytes are read in all.
constexpr int kMaxBrandingNameChars = 128;
constexpr int kMaxBrandingLineBytes = 4 * kMaxBrandingNameChars;
constexpr qint64 kMaxBrandingBytes = 16 * 1024 * 1024;

// The built-in names, used when the file cannot be read or names no
// application (an empty name would leave windows untitled and put the user's
// data directly into the organisation's folder).
Branding builtInBranding();

// A name made fit to be one folder name: slashes and back-slashes become
// '_', control characters are dropped, surrounding blanks trimmed, and a
// name of dots alone becomes empty.
QString pathSafeName(const QString& name);

// Reads the branding file (each name made path-safe); falls back to
// builtInBranding() when it cannot be opened, names no application, or is
// not text (a NUL byte anywhere in what is read of it, the part of a long
// line passed over included), each said in `problem`; a name cut to the cap
// is said in `problem` too.
Branding readBranding(const QString& path);

}  // namespace Utils
