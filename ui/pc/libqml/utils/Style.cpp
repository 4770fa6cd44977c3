#include "libqml/utils/Style.h"

#include <QColor>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSaveFile>
#include <QtDebug>

#include <TP/Core/Logging.h>

namespace QML {

const char* const Style::DefaultFontFamily = "Arial";
const char* const Style::FontFamilyKey = "defaultFontFamily";

namespace {

Style* g_instance = nullptr;

const char* const kColorMarker = "%%colors:";
const char* const kMarkerEnd = "%%";
const char* const kFontMarker = "%%font:defaultFontFamily%%";
const char* const kUnknownColor = "#ff0000";

struct DefaultColor {
  const char* name;
  const char* value;
};

// A light theme: white and near-white surfaces, grey text, one calm blue
// for selection and emphasis, green and red only for answer and decline.
const DefaultColor kDefaults[] = {
    {"lightChatBackground", "#eff8ff"},
    {"loginBackground", "#FFFFFF"},
    {"inputFieldText", "#333333"},
    {"errorText", "#9C0C0C"},
    {"lightActiveBackground", "#99ccff"},
    {"loginMediumText", "#868686"},
    {"sliderColor", "#D7D6D6"},
    {"inputFieldPlaceholder", "#868686"},
    {"bottomBarBackground", "#006699"},
    {"hoverButton", "#3399CC"},
    {"mediumBackground", "#F1F1F1"},
    {"darkBackground", "#006699"},
    {"hoverBackground", "#66CCFF"},
    {"replyButton", "#359C0C"},
    {"loginDarkText", "#4E4E4E"},
    {"highlightText", "#66CCFF"},
    {"loginHighlightText", "#006699"},
    {"leftBarBackground", "#FFFFFF"},
    {"blackText", "#000000"},
    {"whiteBackground", "#FFFFFF"},
    {"alternativeWhiteText", "#000000"},
    {"mediumText", "#868686"},
    {"declineButton", "#9C0C0C"},
    {"darkTextShadow", "#FFFFFF"},
    {"whiteText", "#FFFFFF"},
    {"darkDivider", "#006699"},
    {"inputFieldBackground", "#FFFFFF"},
    {"transparentBackground", "transparent"},
    {"loginDivider", "#CCCCCC"},
    {"whiteDivider", "#FFFFFF"},
    {"lightText", "#CCCCCC"},
    {"defaultButton", "#66CCFF"},
    {"errorBgColor", "#EFE3E5"},
    {"darkText", "#4E4E4E"},
    {"lightDivider", "#F1F1F1"},
    {"mediumDivider", "#CCCCCC"},
    {"blackBackground", "#000000"},
    {"activeBackground", "#3399CC"},
    {"lightBackground", "#F7F7F7"},
    // Presence: green available, amber away, red busy, grey unreachable.
    {"presenceAvailable", "#3BA55C"},
    {"presenceAway", "#E8A33D"},
    {"presenceBusy", "#D9534F"},
    {"presenceOffline", "#A0A0A0"},
};

QString colorText(const QVariant& v) {
  if (v.userType() == QMetaType::QColor) {
    const QColor c = v.value<QColor>();
    return c.name(c.alpha() == 255 ? QColor::HexRgb : QColor::HexArgb);
  }
  return v.toString();
}

}  // namespace

Style::Style(QObject* parent)
    : QObject(parent), m_fontFamily(QString::fromLatin1(DefaultFontFamily)) {
  if (g_instance) {
    TP_LOG("QML::Style::Style", TP::Core::Logging::LevelWarning)
        << "a second style object replaces the first";
  }
  g_instance = this;
  for (const DefaultColor& d : kDefaults)
    setColor(QString::fromLatin1(d.name), QString::fromLatin1(d.value));
  m_defaultColors = m_colors;
}

Style::~Style() {
  if (g_instance == this) g_instance = nullptr;
}

QVariant Style::defaultColor(const QString& name) {
  for (const DefaultColor& d : kDefaults)
    if (name == QLatin1String(d.name)) return QString::fromLatin1(d.value);
  return QVariant();
}

Style* Style::instance() { return g_instance; }

bool Style::acceptsColor(const QString& text) {
  if (text.startsWith(QLatin1Char('#')) && text.size() >= 8) return false;
  QColor c;
  c.setNamedColor(text);
  return c.isValid();
}

void Style::setColor(const QString& name, const QVariant& val) {
  const QString text = colorText(val);
  if (m_colors.contains(name) && m_colors.value(name) == QVariant(text)) return;
  if (acceptsColor(text)) {
    m_colors.insert(name, text);
  } else {
    qDebug() << "invalid color: " << text;
  }
  emit colorsChanged();
}

void Style::setDefaults() {
  m_colors = m_defaultColors;
  emit colorsChanged();
  setFontFamily(QString::fromLatin1(DefaultFontFamily), false);
}

void Style::invertAll() {
  for (auto it = m_colors.begin(); it != m_colors.end(); ++it) {
    const QString text = colorText(it.value());
    if (text == QLatin1String("transparent")) continue;
    QColor c;
    c.setNamedColor(text);
    if (!c.isValid()) continue;
    const QRgb inverted = (c.rgba() ^ 0x00FFFFFFu);
    it.value() = colorText(QColor::fromRgba(inverted));
  }
  emit colorsChanged();
}

void Style::setFontFamily(const QVariant& family, bool force) {
  if (m_fontFamily == family && !force) return;
  m_fontFamily = family;
  emit fontFamilyChanged();
}

bool Style::replaceCssWithStyle(QString& css) const {
  const QString start = QString::fromLatin1(kColorMarker);
  const QString end = QString::fromLatin1(kMarkerEnd);
  int pos = 0;
  while ((pos = css.indexOf(start, pos)) >= 0) {
    const int nameStart = pos + start.size();
    const int close = css.indexOf(end, nameStart);
    if (close < 0) return false;
    const QString name = css.mid(nameStart, close - nameStart);
    QString value;
    if (m_colors.contains(name)) {
      value = colorText(m_colors.value(name));
    } else {
      value = QString::fromLatin1(kUnknownColor);
      qDebug() << "!!!color " << css.mid(pos, close + end.size() - pos)
               << " not found, using default";
    }
    css.replace(pos, close + end.size() - pos, value);
    pos += value.size();
  }
  css.replace(QString::fromLatin1(kFontMarker), m_fontFamily.toString());
  return true;
}

QByteArray Style::toCsv(bool exportFont) const {
  QMap<QString, QString> entries;
  for (auto it = m_colors.constBegin(); it != m_colors.constEnd(); ++it)
    entries.insert(it.key(), colorText(it.value()));
  if (exportFont) entries.insert(QString::fromLatin1(FontFamilyKey), m_fontFamily.toString());
  QByteArray out;
  for (auto it = entries.constBegin(); it != entries.constEnd(); ++it) {
    out += it.key().toUtf8();
    out += ',';
    out += it.value().toUtf8();
    out += "\r\n";
  }
  return out;
}

bool Style::exportCsv(const QString& filename, bool exportFont) {
  // Written beside the target and renamed at the end: an export that fails
  // half-way never leaves the user's earlier file truncated.
  QSaveFile file(filename);
  if (!file.open(QIODevice::WriteOnly)) {
    TP_LOG("QML::Style::exportCsv", TP::Core::Logging::LevelWarning)
        << "cannot write style file " << filename << ": " << file.errorString();
    emit csvFailed(filename, true);
    return false;
  }
  file.write(toCsv(exportFont));
  if (!file.commit()) {
    TP_LOG("QML::Style::exportCsv", TP::Core::Logging::LevelWarning)
        << "cannot write style file " << filename << ": " << file.errorString();
    emit csvFailed(filename, true);
    return false;
  }
  return true;
}

bool Style::importCsv(const QString& filename) {
  QFile file(filename);
  if (!file.open(QIODevice::ReadOnly)) {
    TP_LOG("QML::Style::importCsv", TP::Core::Logging::LevelWarning)
        << "cannot read style file " << filename << ": " << file.errorString();
    emit csvFailed(filename, false);
    return false;
  }
  const QString text = QString::fromUtf8(file.readAll());
  const QString fontKey = QString::fromLatin1(FontFamilyKey);
  QMap<QString, QString> entries;
  int lineNo = 0;
  const QStringList lines =
      text.split(QRegularExpression(QStringLiteral("[\r\n]")), Qt::SkipEmptyParts);
  for (const QString& line : lines) {
    ++lineNo;
    const QStringList parts = line.split(QLatin1Char(','), Qt::KeepEmptyParts);
    if (parts.size() == 2) {
      entries.insert(parts.at(0), parts.at(1));
    } else if (parts.size() > 2 && parts.at(0) == fontKey) {
      // A font family may itself hold a comma; colours never do.
      entries.insert(fontKey, line.mid(fontKey.size() + 1));
    } else {
      TP_LOG("QML::Style::importCsv", TP::Core::Logging::LevelWarning)
          << "skipping line " << lineNo << " of " << filename << ": expected \"name,value\"";
    }
  }
  for (auto it = entries.constBegin(); it != entries.constEnd(); ++it) {
    if (it.key() == fontKey) {
      setFontFamily(it.value(), true);
    } else {
      setColor(it.key(), it.value());
    }
  }
  return true;
}

}  // namespace QML
