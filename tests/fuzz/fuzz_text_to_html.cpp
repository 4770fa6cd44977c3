// Message text to HTML: whatever a party types, the result holds no markup
// but line breaks, links with a safe address and the smiley images.
#include <QGuiApplication>
#include <QRegularExpression>

#include <RAZ/Models/Smileys.h>

#include "FuzzSupport.h"
#include "Models/Chat/MessageModel.h"

ZENT_FUZZ_APPLICATION(QCoreApplication)

namespace {

void checkMarkup(const QString& html) {
  static const QRegularExpression allowed(QStringLiteral(
      "\\G(?:<br/>|</a>|<a href=\"(?:https?://|ftp://|mailto:)[^\"<>]*\">|"
      "<img class='smiley' src='qrc:/smileys/[a-z]+\\.png' width='16' height='16' alt='' />)"));
  for (int i = html.indexOf(QLatin1Char('<')); i >= 0; i = html.indexOf(QLatin1Char('<'), i + 1)) {
    const QRegularExpressionMatch m = allowed.match(html, i);
    if (!m.hasMatch()) ZentFuzz::fail("markup that is not ours", html.mid(i, 80));
  }
  // Outside our tags no character can open or end markup or an attribute.
  QString text = html;
  text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
  if (text.contains(QLatin1Char('<')) || text.contains(QLatin1Char('>')) ||
      text.contains(QLatin1Char('"')))
    ZentFuzz::fail("unescaped text", text.left(200));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;
  static RAZ::Models::SmileysPtr smileys;
  const QString text = QString::fromUtf8(ZentFuzz::bytes(data, size));
  checkMarkup(Models::Chat::MessageModel::textToHtml(text, &smileys));
  checkMarkup(Models::Chat::MessageModel::textToHtml(text, nullptr));
  return 0;
}
