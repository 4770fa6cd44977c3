#include "RAZ/Models/Smileys.h"

#include <QHash>

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
    : QObject(parent), TP::Core::RefCountable(true, QStringLiteral("RAZ::Models::SmileysPtr")) {}

SmileysPtr::~SmileysPtr() = default;

QStringList SmileysPtr::codes() const {
  QStringList c = table().keys();
  c.sort();
  return c;
}

QString SmileysPtr::imageFor(const QString& code) const { return table().value(code); }

namespace {
constexpr ushort kTokenBase = 0xE000;
constexpr ushort kTokenEnd = 0xF8FF;

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
      ++i;
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
  for (QChar c : text) {
    if (!isTokenCharacter(c)) {
      out += c;
      continue;
    }
    const int k = c.unicode() - kTokenBase;
    if (k >= codes.size()) continue;  // not one of ours: dropped
    // Only resource paths of the set reach the markup.
    out += QStringLiteral("<img class='smiley' src='qrc%1' width='%2' height='%3' alt='' />")
               .arg(table().value(codes.at(k)), QString::number(width), QString::number(height));
  }
  return out;
}

}  // namespace Models
}  // namespace RAZ
