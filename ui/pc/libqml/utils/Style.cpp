#include "libqml/utils/Style.h"

#include <QColor>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>

#include <TP/Core/Logging.h>

namespace QML {
namespace {

Style* g_instance = nullptr;
const char* const kDefaultFontFamily = "Arial";
const char* const kFontKey = "defaultFontFamily";

}  // namespace

Style::Style(QObject* parent) : QObject(parent), m_fontFamily(QString::fromLatin1(kDefaultFontFamily)) {
  static const char* const table[][2] = {
      {"lightChatBackground", "#eff8ff"}, {"loginBackground", "#FFFFFF"},
      {"inputFieldText", "#333333"},      {"errorText", "#9C0C0C"},
      {"lightActiveBackground", "#99ccff"}, {"loginMediumText", "#868686"},
      {"sliderColor", "#D7D6D6"},         {"inputFieldPlaceholder", "#868686"},
      {"bottomBarBackground", "#006699"}, {"hoverButton", "#3399CC"},
      {"mediumBackground", "#F1F1F1"},    {"darkBackground", "#006699"},
      {"hoverBackground", "#66CCFF"},     {"replyButton", "#359C0C"},
      {"loginDarkText", "#4E4E4E"},       {"highlightText", "#66CCFF"},
      {"loginHighlightText", "#006699"},  {"leftBarBackground", "#FFFFFF"},
      {"blackText", "#000000"},           {"whiteBackground", "#FFFFFF"},
      {"alternativeWhiteText", "#000000"}, {"mediumText", "#868686"},
      {"declineButton", "#9C0C0C"},       {"darkTextShadow", "#FFFFFF"},
      {"whiteText", "#FFFFFF"},           {"darkDivider", "#006699"},
      {"inputFieldBackground", "#FFFFFF"}, {"transparentBackground", "transparent"},
      {"loginDivider", "#CCCCCC"},        {"whiteDivider", "#FFFFFF"},
      {"lightText", "#CCCCCC"},           {"defaultButton", "#66CCFF"},
      {"errorBgColor", "#EFE3E5"},        {"darkText", "#4E4E4E"},
      {"lightDivider", "#F1F1F1"},        {"mediumDivider", "#CCCCCC"},
      {"blackBackground", "#000000"},     {"activeBackground", "#3399CC"},
      {"lightBackground", "#F7F7F7"},
  };
  for (const auto& row : table) m_colors.insert(QString::fromLatin1(row[0]), QString::fromLatin1(row[1]));
  m_defaultColors = m_colors;
  g_instance = this;
}

Style::~Style() {
  if (g_instance == this) g_instance = nullptr;
}

Style* Style::instance() { return g_instance; }

void Style::setFontFamily(const QVariant& family, bool force) {
  if (!force && family == m_fontFamily) return;
  m_fontFamily = family;
  emit fontFamilyChanged();
}

bool Style::replaceCssWithStyle(QString& css) const {
  bool replaced = false;
  for (auto it = m_colors.constBegin(); it != m_colors.constEnd(); ++it) {
    const QString marker = QStringLiteral("%%colors:") + it.key() + QStringLiteral("%%");
    if (css.contains(marker)) {
      const QVariant v = it.value();
      const QString text = v.canConvert<QColor>() && v.type() == QVariant::Color
                               ? v.value<QColor>().name(QColor::HexArgb)
                               : v.toString();
      css.replace(marker, text);
      replaced = true;
    }
  }
  const QString fontMarker = QStringLiteral("%%font:defaultFontFamily%%");
  if (css.contains(fontMarker)) {
    css.replace(fontMarker, m_fontFamily.toString());
    replaced = true;
  }
  return replaced;
}

void Style::setColor(QString name, QVariant val) {
  if (m_colors.value(name) == val) return;
  m_colors.insert(name, val);
  emit colorsChanged();
}

void Style::setDefaults() {
  m_colors = m_defaultColors;
  emit colorsChanged();
  setFontFamily(QString::fromLatin1(kDefaultFontFamily), false);
}

void Style::invertAll() {
  for (auto it = m_colors.begin(); it != m_colors.end(); ++it) {
    QColor c(it.value().toString());
    if (it.value().type() == QVariant::Color) c = it.value().value<QColor>();
    if (!c.isValid()) continue;
    it.value() = QColor(255 - c.red(), 255 - c.green(), 255 - c.blue(), c.alpha());
  }
  emit colorsChanged();
}

void Style::importCsv(QString filename) {
  QFile file(filename);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    TP_LOG("QML::Style::importCsv", 4) << "Unable to open " << filename;
    return;
  }
  QTextStream in(&file);
  in.setCodec("UTF-8");
  bool changed = false;
  while (!in.atEnd()) {
    const QString line = in.readLine();
    const int comma = line.indexOf(QLatin1Char(','));
    if (comma <= 0) continue;
    const QString name = line.left(comma).trimmed();
    const QString value = line.mid(comma + 1).trimmed();
    if (name == QLatin1String(kFontKey)) {
      setFontFamily(value, false);
    } else {
      m_colors.insert(name, value);
      changed = true;
    }
  }
  if (changed) emit colorsChanged();
}

void Style::exportCsv(QString filename, bool exportFont) {
  QSaveFile file(filename);
  if (!file.open(QIODevice::WriteOnly)) {
    TP_LOG("QML::Style::exportCsv", 4) << "Unable to write " << filename;
    return;
  }
  QMap<QString, QString> lines;
  for (auto it = m_colors.constBegin(); it != m_colors.constEnd(); ++it) {
    const QVariant v = it.value();
    lines.insert(it.key(), v.type() == QVariant::Color ? v.value<QColor>().name() : v.toString());
  }
  if (exportFont) lines.insert(QString::fromLatin1(kFontKey), m_fontFamily.toString());
  QByteArray out;
  for (auto it = lines.constBegin(); it != lines.constEnd(); ++it)
    out += (it.key() + QLatin1Char(',') + it.value()).toUtf8() + "\r\n";
  file.write(out);
  if (!file.commit()) TP_LOG("QML::Style::exportCsv", 4) << "Unable to write " << filename;
}

}  // namespace QML
