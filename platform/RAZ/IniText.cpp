#include "RAZ/IniText.h"

#include <QDataStream>
#include <QDateTime>
#include <QMap>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>

namespace RAZ {
namespace IniText {

namespace {

const char kHexDigits[] = "0123456789ABCDEF";

bool isBlank(char ch) { return ch == ' ' || ch == '\t'; }
bool isLineSpace(char ch) { return isBlank(ch) || ch == '\n' || ch == '\r'; }
// The characters that end a run of plain text when lines are split.
bool isLineSpecial(char ch) {
  return ch == '\n' || ch == '\r' || ch == '"' || ch == ';' || ch == '=' || ch == '\\';
}
bool isHexDigit(uint ch) {
  return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}
uint hexValue(char ch) {
  if (ch >= '0' && ch <= '9') return uint(ch - '0');
  if (ch >= 'a' && ch <= 'f') return uint(ch - 'a' + 10);
  return uint(ch - 'A' + 10);
}

// ---- Keys: letters, digits, "_-." as they are; "/" as "\"; the rest as
// "%XX" (up to U+00FF) or "%UXXXX".

void appendKey(const QString& key, QByteArray& out) {
  for (const QChar c : key) {
    const uint ch = c.unicode();
    if (ch == '/') {
      out += '\\';
    } else if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') ||
               ch == '_' || ch == '-' || ch == '.') {
      out += char(ch);
    } else if (ch <= 0xFF) {
      out += '%';
      out += kHexDigits[ch >> 4];
      out += kHexDigits[ch & 0xF];
    } else {
      out += "%U";
      for (int shift = 12; shift >= 0; shift -= 4) out += kHexDigits[(ch >> shift) & 0xF];
    }
  }
}

// A "%" that does not start a whole code is kept as it is.
QString readKey(const QByteArray& text, int from, int to) {
  QString key;
  key.reserve(to - from);
  int i = from;
  while (i < to) {
    const char ch = text.at(i);
    if (ch == '\\') {
      key += QLatin1Char('/');
      ++i;
      continue;
    }
    if (ch != '%' || i == to - 1) {
      key += QLatin1Char(ch);
      ++i;
      continue;
    }
    int first = i + 1;
    int digits = 2;
    if (text.at(first) == 'U') {
      ++first;
      digits = 4;
    }
    bool ok = false;
    const int code = first + digits > to ? 0 : text.mid(first, digits).toInt(&ok, 16);
    if (!ok) {
      key += QLatin1Char('%');
      ++i;
      continue;
    }
    key += QChar(code);
    i = first + digits;
  }
  return key;
}

// The key as the store names it: "/a//b/" is "a/b". Read otherwise, two
// spellings of one key would be written on one line, one of them lost, and a
// trailing "/" would be written as a "\" that escapes the "=" after it.
QString storeKey(const QString& key) {
  if (!key.startsWith(QLatin1Char('/')) && !key.endsWith(QLatin1Char('/')) &&
      !key.contains(QLatin1String("//")))
    return key;
  return key.split(QLatin1Char('/'), Qt::SkipEmptyParts).join(QLatin1Char('/'));
}

// ---- Values as text, and back.

QString valueText(const QVariant& value) {
  switch (value.userType()) {
    case QMetaType::UnknownType:
      return QStringLiteral("@Invalid()");
    case QMetaType::QByteArray: {
      const QByteArray bytes = value.toByteArray();
      return QStringLiteral("@ByteArray(") + QLatin1String(bytes.constData(), bytes.size()) +
             QLatin1Char(')');
    }
    case QMetaType::QString:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Bool:
    case QMetaType::Double:
    case QMetaType::QKeySequence: {
      QString text = value.toString();
      if (text.contains(QChar::Null)) return QStringLiteral("@String(") + text + QLatin1Char(')');
      if (text.startsWith(QLatin1Char('@'))) text.prepend(QLatin1Char('@'));
      return text;
    }
    case QMetaType::QRect: {
      const QRect r = value.toRect();
      return QString::asprintf("@Rect(%d %d %d %d)", r.x(), r.y(), r.width(), r.height());
    }
    case QMetaType::QSize: {
      const QSize s = value.toSize();
      return QString::asprintf("@Size(%d %d)", s.width(), s.height());
    }
    case QMetaType::QPoint: {
      const QPoint p = value.toPoint();
      return QString::asprintf("@Point(%d %d)", p.x(), p.y());
    }
    default:
      break;
  }
  const bool dateTime = value.userType() == QMetaType::QDateTime;
  QByteArray bytes;
  {
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(dateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
    stream << value;
  }
  return QLatin1String(dateTime ? "@DateTime(" : "@Variant(") +
         QLatin1String(bytes.constData(), bytes.size()) + QLatin1Char(')');
}

// The numbers inside "@Rect(1 2 3 4)" and its kind.
QStringList arguments(const QString& text, int open) {
  return text.mid(open + 1, text.size() - open - 2).split(QLatin1Char(' '));
}

QVariant textValue(const QString& text) {
  if (!text.startsWith(QLatin1Char('@'))) return QVariant(text);
  if (text.endsWith(QLatin1Char(')'))) {
    if (text.startsWith(QLatin1String("@ByteArray(")))
      return QVariant(text.mid(11, text.size() - 12).toLatin1());
    if (text.startsWith(QLatin1String("@String("))) return QVariant(text.mid(8, text.size() - 9));
    const bool dateTime = text.startsWith(QLatin1String("@DateTime("));
    if (dateTime || text.startsWith(QLatin1String("@Variant("))) {
      QByteArray bytes = text.mid(dateTime ? 10 : 9).toLatin1();
      QDataStream stream(&bytes, QIODevice::ReadOnly);
      stream.setVersion(dateTime ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
      QVariant result;
      stream >> result;
      return result;
    }
    if (text.startsWith(QLatin1String("@Rect("))) {
      const QStringList a = arguments(text, 5);
      if (a.size() == 4) return QRect(a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt());
    } else if (text.startsWith(QLatin1String("@Size("))) {
      const QStringList a = arguments(text, 5);
      if (a.size() == 2) return QSize(a[0].toInt(), a[1].toInt());
    } else if (text.startsWith(QLatin1String("@Point("))) {
      const QStringList a = arguments(text, 6);
      if (a.size() == 2) return QPoint(a[0].toInt(), a[1].toInt());
    } else if (text == QLatin1String("@Invalid()")) {
      return QVariant();
    }
  }
  if (text.startsWith(QLatin1String("@@"))) return QVariant(text.mid(1));
  return QVariant(text);
}

// A list stays a list of text unless one item is an "@" form: then every
// item is read as a value.
QVariant listValue(const QStringList& items) {
  QStringList texts = items;
  for (QString& item : texts) {
    if (!item.startsWith(QLatin1Char('@'))) continue;
    if (item.size() >= 2 && item.at(1) == QLatin1Char('@')) {
      item.remove(0, 1);
      continue;
    }
    QVariantList values;
    values.reserve(items.size());
    for (const QString& each : items) values.append(textValue(each));
    return values;
  }
  return texts;
}

// Escapes a value: C escapes for control characters, "\xNN" for the rest
// outside ASCII (and for a hexadecimal digit right after such a code, which
// would otherwise read as part of it), quotes around text with ";,=" or
// blanks at either end.
void appendEscaped(const QString& text, QByteArray& out) {
  bool quote = false;
  bool escapeHexDigit = false;
  const int start = out.size();
  for (const QChar c : text) {
    const uint ch = c.unicode();
    if (ch == ';' || ch == ',' || ch == '=') quote = true;
    if (escapeHexDigit && isHexDigit(ch)) {
      out += "\\x" + QByteArray::number(ch, 16);
      continue;
    }
    escapeHexDigit = false;
    switch (ch) {
      case 0:
        out += "\\0";
        escapeHexDigit = true;
        break;
      case '\a':
        out += "\\a";
        break;
      case '\b':
        out += "\\b";
        break;
      case '\f':
        out += "\\f";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\v':
        out += "\\v";
        break;
      case '"':
      case '\\':
        out += '\\';
        out += char(ch);
        break;
      default:
        if (ch <= 0x1F || ch >= 0x7F) {
          out += "\\x" + QByteArray::number(ch, 16);
          escapeHexDigit = true;
        } else {
          out += char(ch);
        }
    }
  }
  if (quote || (start < out.size() && (out.at(start) == ' ' || out.at(out.size() - 1) == ' '))) {
    out.insert(start, '"');
    out += '"';
  }
}

void appendValue(const QVariant& value, QByteArray& out) {
  const int type = value.userType();
  if (type == QMetaType::QStringList ||
      (type == QMetaType::QVariantList && value.toList().size() != 1)) {
    const QVariantList items = value.toList();
    // An empty list reads back as no value, whose list is empty too.
    if (items.isEmpty()) out += "@Invalid()";
    for (int i = 0; i < items.size(); ++i) {
      if (i != 0) out += ", ";
      appendEscaped(valueText(items.at(i)), out);
    }
    return;
  }
  appendEscaped(valueText(value), out);
}

void chopBlanks(QString& text, int limit) {
  int n = text.size();
  while (n > limit && (text.at(n - 1) == QLatin1Char(' ') || text.at(n - 1) == QLatin1Char('\t')))
    --n;
  text.truncate(n);
}

// Reads the value text in [from, to): escapes, quotes, and commas that make
// it a list. True when it is a list (in `list`), else the text is in `value`.
// Blanks around an unquoted item are dropped; an escape keeps what it wrote.
bool readValue(const QByteArray& text, int from, int to, bool utf8, QString& value,
               QStringList& list) {
  bool isList = false;
  bool inQuotes = false;
  bool quoted = false;
  bool chopAtEnd = true;
  int i = from;
  int keep = 0;  // blanks before this position are part of the value
  const auto skipBlanks = [&]() {
    while (i < to && isBlank(text.at(i))) ++i;
    keep = value.size();
  };
  skipBlanks();
  while (i < to) {
    const char ch = text.at(i);
    if (ch == '\\') {
      if (++i >= to) {
        chopAtEnd = false;
        break;
      }
      const char code = text.at(i++);
      static const char kSimple[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                        {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                        {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
      bool simple = false;
      for (const auto& pair : kSimple) {
        if (code == pair[0]) {
          value += QLatin1Char(pair[1]);
          simple = true;
          break;
        }
      }
      if (!simple) {
        if (code == 'x' || (code >= '0' && code <= '7')) {
          const bool hex = code == 'x';
          if (hex && (i >= to || !isHexDigit(uchar(text.at(i))))) {
            // "\x" without a digit is dropped.
            if (i >= to) {
              chopAtEnd = false;
              break;
            }
            keep = value.size();
            continue;
          }
          uint number = hex ? 0 : uint(code - '0');
          while (i < to &&
                 (hex ? isHexDigit(uchar(text.at(i))) : (text.at(i) >= '0' && text.at(i) <= '7'))) {
            number =
                hex ? (number << 4) + hexValue(text.at(i)) : (number << 3) + uint(text.at(i) - '0');
            ++i;
          }
          value += QChar(ushort(number & 0xFFFF));
          if (i >= to) {
            chopAtEnd = false;
            break;
          }
        } else if ((code == '\n' || code == '\r') && i < to) {
          // A line continued: "\" before \n, \r, \r\n or \n\r.
          const char next = text.at(i);
          if ((next == '\n' || next == '\r') && next != code) ++i;
        }
        // Any other escaped character is dropped.
      }
      keep = value.size();
      continue;
    }
    if (ch == '"') {
      ++i;
      quoted = true;
      inQuotes = !inQuotes;
      if (!inQuotes) skipBlanks();
      continue;
    }
    if (ch == ',' && !inQuotes) {
      if (!quoted) chopBlanks(value, keep);
      if (!isList) {
        isList = true;
        list.clear();
      }
      list.append(value);
      value.clear();
      quoted = false;
      ++i;
      skipBlanks();
      continue;
    }
    int j = i + 1;
    while (j < to && text.at(j) != '\\' && text.at(j) != '"' && text.at(j) != ',') ++j;
    value += utf8 ? QString::fromUtf8(text.constData() + i, j - i)
                  : QString::fromLatin1(text.constData() + i, j - i);
    i = j;
  }
  if (chopAtEnd && !quoted) chopBlanks(value, keep);
  if (isList) list.append(value);
  return isList;
}

// Finds the next line from `pos`: where it starts, how long it is and where
// its first "=" outside quotes is (-1 when none). Quoted text and "\" carry a
// line over line breaks; a ";" starts a comment at the start of a line and
// ends the line elsewhere outside quotes. False when no line is left.
bool nextLine(const QByteArray& data, int& pos, int& start, int& length, int& equals) {
  const int size = data.size();
  bool inQuotes = false;
  equals = -1;
  start = pos;
  while (start < size && isLineSpace(data.at(start))) ++start;
  int i = start;
  while (i < size) {
    while (i < size && !isLineSpecial(data.at(i))) ++i;
    if (i == size) break;
    const char ch = data.at(i++);
    if (ch == '=') {
      if (!inQuotes && equals == -1) equals = i - 1;
    } else if (ch == '\n' || ch == '\r') {
      if (i == start + 1) {
        ++start;
      } else if (!inQuotes) {
        --i;
        break;
      }
    } else if (ch == '\\') {
      if (i < size) {
        const char escaped = data.at(i++);
        if (i < size) {
          const char next = data.at(i);
          if ((escaped == '\n' && next == '\r') || (escaped == '\r' && next == '\n')) ++i;
        }
      }
    } else if (ch == '"') {
      inQuotes = !inQuotes;
    } else if (i == start + 1) {  // ';' starting the line: a comment
      while (i < size && data.at(i) != '\n' && data.at(i) != '\r') ++i;
      // The next line starts at its first character, as at the top.
      while (i < size && isLineSpace(data.at(i))) ++i;
      start = i;
    } else if (!inQuotes) {  // ';' after text ends the line
      --i;
      break;
    }
  }
  pos = i;
  length = i - start;
  return length > 0;
}

}  // namespace

bool parse(const QByteArray& text, QSettings::SettingsMap& map) {
  map.clear();
  int pos = 0;
  // A UTF-8 byte order mark makes the values UTF-8; keys stay Latin-1, and
  // the mark stays part of the first key, as Qt reads it.
  const bool utf8 = text.startsWith("\xEF\xBB\xBF");
  QString prefix;
  bool ok = true;
  int start = 0;
  int length = 0;
  int equals = -1;
  QStringList list;
  while (nextLine(text, pos, start, length, equals)) {
    if (text.at(start) == '[') {
      const int close = text.indexOf(']', start);
      QByteArray section;
      if (close == -1 || close >= start + length) {
        ok = false;
        section = text.mid(start + 1, length - 1);
      } else {
        section = text.mid(start + 1, close - start - 1);
      }
      section = section.trimmed();
      if (qstricmp(section.constData(), "general") == 0) {
        prefix.clear();
      } else {
        prefix = qstricmp(section.constData(), "%general") == 0
                     ? QString::fromLatin1(section.constData() + 1)
                     : readKey(section, 0, section.size());
        // "[]" holds top-level keys, as the settings store names them.
        if (!prefix.isEmpty()) prefix += QLatin1Char('/');
      }
      continue;
    }
    if (equals == -1) continue;
    int keyEnd = equals;
    while (keyEnd > start && isBlank(text.at(keyEnd - 1))) --keyEnd;
    const QString key = storeKey(prefix + readKey(text, start, keyEnd));
    QString value;
    list.clear();
    if (readValue(text, equals + 1, start + length, utf8, value, list))
      map.insert(key, listValue(list));
    else
      map.insert(key, textValue(value));
  }
  if (!ok) map.clear();
  return ok;
}

QByteArray render(const QSettings::SettingsMap& map) {
  // Sections by name, keys by name within each: the order Qt writes values
  // it did not read from a file.
  QMap<QString, QByteArray> sections;
  for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
    const int slash = it.key().indexOf(QLatin1Char('/'));
    QByteArray& body = sections[slash < 0 ? QString() : it.key().left(slash)];
    appendKey(slash < 0 ? it.key() : it.key().mid(slash + 1), body);
    body += '=';
    appendValue(it.value(), body);
    body += '\n';
  }
  QByteArray text;
  for (auto it = sections.constBegin(); it != sections.constEnd(); ++it) {
    QByteArray name;
    appendKey(it.key(), name);
    if (it != sections.constBegin()) text += '\n';
    if (name.isEmpty())
      text += "[General]";
    else if (qstricmp(name.constData(), "general") == 0)
      text += "[%" + name + ']';  // as spelt: "general" and "General" are two sections
    else
      text += '[' + name + ']';
    text += '\n';
    text += it.value();
  }
  return text;
}

}  // namespace IniText
}  // namespace RAZ
