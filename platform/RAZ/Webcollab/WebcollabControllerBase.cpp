#include "RAZ/Webcollab/WebcollabControllerBase.h"

#include <QRandomGenerator>

namespace RAZ {
namespace Webcollab {

namespace {

const QLatin1String kTagStart("<zent-share ");

// What marks an invitation as the service's own: drawn once per run and
// never sent, shown or stored, so no text a party or the user writes can
// carry it. An invitation is the service's message, never text that reads
// like one.
const QString& serviceMark() {
  static const QString mark = [] {
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    QString text;
    for (quint32 w : words) text += QString::number(w, 16).rightJustified(8, QLatin1Char('0'));
    return text;
  }();
  return mark;
}

}  // namespace

int WebcollabControllerBase::containsShareTags(const QString& text) {
  if (!text.startsWith(kTagStart)) return 0;
  const QString mark = QStringLiteral("' service='") + serviceMark() + QStringLiteral("'/>");
  if (!text.endsWith(mark)) return 0;
  // Between the two: the share's id, as shareInvitationTag writes it.
  const QString id = text.mid(kTagStart.size(), text.size() - kTagStart.size() - mark.size());
  if (!id.startsWith(QLatin1String("id='"))) return 0;
  const QStringRef quoted = id.midRef(4);
  for (const QChar c : quoted)
    if (c == QLatin1Char('\'') || c == QLatin1Char('<') || c == QLatin1Char('>') ||
        c == QLatin1Char('"'))
      return 0;
  return 1;
}

QString WebcollabControllerBase::shareInvitationTag(const QString& id) {
  return kTagStart + QStringLiteral("id='") + id.toHtmlEscaped() + QStringLiteral("' service='") +
         serviceMark() + QStringLiteral("'/>");
}

}  // namespace Webcollab
}  // namespace RAZ
