#include "RAZ/Models/Smileys.h"

#include <QHash>

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

}  // namespace Models
}  // namespace RAZ
