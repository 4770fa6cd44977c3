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

// The text stripped of our tags and unescaped is the text that was sent (a
// carriage return reads as the line break it is shown as).
void checkRoundTrip(const QString& sent, const QString& html) {
  QString text = html;
  text.replace(QStringLiteral("<br/>"), QStringLiteral("\n"));
  text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
  text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
  text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
  text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
  text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
  QString expected;
  for (QChar c : sent) {
    if (RAZ::Models::SmileysPtr::isTokenCharacter(c)) continue;
    expected += c == QLatin1Char('\r') ? QLatin1Char('\n') : c;
  }
  if (text != expected)
    ZentFuzz::fail("text not shown as sent", sent.left(200) + "\n" + html.left(400));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;
  static RAZ::Models::SmileysPtr smileys;
  const QString text = QString::fromUtf8(ZentFuzz::bytes(data, size));
  checkMarkup(Models::Chat::MessageModel::textToHtml(text, &smileys));
  const QString plain = Models::Chat::MessageModel::textToHtml(text, nullptr);
  checkMarkup(plain);
  checkRoundTrip(text, plain);
  return 0;
}
