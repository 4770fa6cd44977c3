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
  static const QRegularExpression allowed(
      QStringLiteral("\\G(?:<br/>|</a>|<a href=\"(?:https?://|ftp://|mailto:)[^\"<>]*\">|"
                     "<img class='smiley' src='qrc:/smileys/[a-z]+\\.png' width='16' height='16' "
                     "alt='[^'<>\"]+' />)"));
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

// The text the page shows, as a reader copies it: our tags gone, a smiley
// read as its alt text (its code), references read as their characters (a
// line break as a line feed).
QString shownText(const QString& html) {
  QString text = html;
  text.replace(QStringLiteral("<br/>"), QStringLiteral("\n"));
  static const QRegularExpression smiley(QStringLiteral("<img [^>]*alt='([^']*)' />"));
  text.replace(smiley, QStringLiteral("\\1"));
  text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
  static const QRegularExpression reference(QStringLiteral("&#x([0-9a-fA-F]+);"));
  QString out;
  int at = 0;
  for (auto it = reference.globalMatch(text); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    out += text.midRef(at, m.capturedStart() - at);
    out += QChar(static_cast<ushort>(m.captured(1).toUInt(nullptr, 16)));
    at = m.capturedEnd();
  }
  out += text.midRef(at);
  out.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
  out.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
  out.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
  out.replace(QStringLiteral("&#39;"), QStringLiteral("'"));
  out.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
  return out;
}

// The text the page shows is the text that was sent, with and without the
// smiley set (a carriage return reads as the line break it is shown as);
// nothing typed is dropped, private-use characters included.
void checkRoundTrip(const QString& sent, const QString& html) {
  QString expected = sent;
  expected.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  const QString text = shownText(html);
  if (text != expected)
    ZentFuzz::fail("text not shown as sent", sent.left(200) + "\n" + html.left(400));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;
  static RAZ::Models::SmileysPtr smileys;
  const QString text = QString::fromUtf8(ZentFuzz::bytes(data, size));
  const QString withSmileys = Models::Chat::MessageModel::textToHtml(text, &smileys);
  checkMarkup(withSmileys);
  checkRoundTrip(text, withSmileys);
  const QString plain = Models::Chat::MessageModel::textToHtml(text, nullptr);
  checkMarkup(plain);
  checkRoundTrip(text, plain);
  return 0;
}
