#include "RAZ/Models/Smileys.h"

#include <QHash>
#include <QMap>
#include <QPair>

#include <algorithm>

namespace RAZ {
namespace Models {

namespace {
const QHash<QString, QString>& table() {
  static const QHash<QString, QString> t = {
      {QStringLiteral(":-)"), QStringLiteral(":/smileys/smile.png")},
      {QStringLiteral(":)"), QStringLiteral(":/smileys/smile.png")},
      {QStringLiteral(":-("), QStringLiteral(":/smileys/sad.png")},
      {QStringLiteral(";-)"), QStringLiteral(":/smileys/wink.png")},
      {QStringLiteral(":-D"), QStringLiteral(":/smileys/laugh.png")}};
  return t;
}
}  // namespace

SmileysPtr::SmileysPtr(QObject* parent)
    : QAbstractListModel(parent),
      TP::Core::RefCountable(true, QStringLiteral("RAZ::Models::SmileysPtr")) {}

SmileysPtr::~SmileysPtr() = default;

QStringList SmileysPtr::codes() const {
  QStringList c = table().keys();
  c.sort();
  return c;
}

QString SmileysPtr::imageFor(const QString& code) const { return table().value(code); }

namespace {
// One entry per picture, in a fixed order, with its texts (the longest,
// the usual way to type it, first).
const QList<QPair<QString, QString>>& pictures() {
  static const QList<QPair<QString, QString>> list = [] {
    QMap<QString, QStringList> byImage;
    for (auto it = table().cbegin(); it != table().cend(); ++it) byImage[it.value()] << it.key();
    QList<QPair<QString, QString>> out;
    for (auto it = byImage.begin(); it != byImage.end(); ++it) {
      QStringList texts = it.value();
      std::sort(texts.begin(), texts.end(), [](const QString& a, const QString& b) {
        return a.size() != b.size() ? a.size() > b.size() : a < b;
      });
      out << qMakePair(QStringLiteral("qrc") + it.key(), texts.join(QLatin1Char(' ')));
    }
    return out;
  }();
  return list;
}
}  // namespace

int SmileysPtr::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : pictures().size();
}

QVariant SmileysPtr::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() < 0 || index.row() >= pictures().size()) return QVariant();
  const auto& entry = pictures().at(index.row());
  if (role == FileNameRole) return entry.first;
  if (role == TextRole || role == Qt::DisplayRole) return entry.second;
  return QVariant();
}

QHash<int, QByteArray> SmileysPtr::roleNames() const {
  return {{FileNameRole, "fileName"}, {TextRole, "text"}};
}

namespace {
constexpr ushort kTokenBase = 0xE000;
constexpr ushort kTokenEnd = 0xF8FF;
// Marks the private-use character that follows it as one the user typed:
// it is shown as that character, never as a picture.
constexpr ushort kLiteral = kTokenEnd;

// The codes, longest first, so ":-)" wins over ":)".
const QStringList& codesByLength() {
  static const QStringList c = [] {
    QStringList list = table().keys();
    std::sort(list.begin(), list.end(), [](const QString& a, const QString& b) {
      return a.size() != b.size() ? a.size() > b.size() : a < b;
    });
    return list;
  }();
  return c;
}
}  // namespace

bool SmileysPtr::isTokenCharacter(QChar c) {
  return c.unicode() >= kTokenBase && c.unicode() <= kTokenEnd;
}

QString SmileysPtr::replaceSmileysWithUid(const QString& text) const {
  const QStringList& codes = codesByLength();
  QString out;
  out.reserve(text.size());
  for (int i = 0; i < text.size();) {
    if (isTokenCharacter(text.at(i))) {
      out += QChar(kLiteral);
      out += text.at(i++);
      continue;
    }
    bool matched = false;
    for (int k = 0; k < codes.size(); ++k) {
      if (text.midRef(i, codes.at(k).size()) == codes.at(k)) {
        out += QChar(static_cast<ushort>(kTokenBase + k));
        i += codes.at(k).size();
        matched = true;
        break;
      }
    }
    if (!matched) out += text.at(i++);
  }
  return out;
}

QString SmileysPtr::replaceUidsWithImgs(const QString& text, int width, int height) const {
  const QStringList& codes = codesByLength();
  QString out;
  out.reserve(text.size());
  for (int i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (!isTokenCharacter(c)) {
      out += c;
      continue;
    }
    if (c.unicode() == kLiteral) {
      // A typed private-use character reads as itself, as a reference the
      // page cannot take for one of our pictures.
      if (i + 1 < text.size() && isTokenCharacter(text.at(i + 1)))
        out += QStringLiteral("&#x%1;").arg(text.at(++i).unicode(), 4, 16, QLatin1Char('0'));
      continue;
    }
    const int k = c.unicode() - kTokenBase;
    if (k >= codes.size()) continue;  // not one of ours: dropped
    // Only resource paths of the set reach the markup; the picture's text is
    // the code that was typed, so the page reads as it was written.
    QString alt = codes.at(k).toHtmlEscaped();
    alt.replace(QLatin1Char('\''), QLatin1String("&#39;"));
    out +=
        QStringLiteral("<img class='smiley' src='qrc%1' width='%2' height='%3' alt='%4' />")
            .arg(table().value(codes.at(k)), QString::number(width), QString::number(height), alt);
  }
  return out;
}

bool SmileysPtr::isLiteralMark(QChar c) { return c.unicode() == kLiteral; }

}  // namespace Models
}  // namespace RAZ
