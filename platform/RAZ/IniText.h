#pragma once

#include <QByteArray>
#include <QSettings>

namespace RAZ {

// Qt's INI text, read and written in memory. A file written by
// QSettings::IniFormat parses to the values Qt reads from it, and text
// rendered here reads back through QSettings::IniFormat as the same values:
// sections, escaped keys ("%XX", "%UXXXX", "\" for "/"), quoted and escaped
// values, lists, and the "@" forms of values that are not text
// ("@ByteArray(…)", "@Variant(…)", "@Rect(…)", …). Text without a UTF-8 byte
// order mark is Latin-1; rendered text is plain ASCII (other characters are
// escaped), as Qt writes it without a codec.
namespace IniText {

// False on a section line without its "]"; `map` is then left empty, as a
// settings file that cannot be read gives nothing. Lines without "=" are
// skipped.
bool parse(const QByteArray& text, QSettings::SettingsMap& map);

QByteArray render(const QSettings::SettingsMap& map);

}  // namespace IniText

}  // namespace RAZ
