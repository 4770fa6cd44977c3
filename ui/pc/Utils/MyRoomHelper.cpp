#include "Utils/MyRoomHelper.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QMimeData>
#include <QRegularExpression>
#include <QUrl>

#include <RAZ/Configuration/Config.h>
#include <RAZ/Utils/Parsers.h>
#include <TP/Core/Logging.h>

#include "Application.h"
#include "Utils/ConfigIds.h"
#include "Utils/ZentUrlHandler.h"

namespace Utils {

namespace {

const char* const kLog = "Utils::MyRoomHelper";

QString property(const RAZ::Contacts::ContactPtr& contact, int key) {
  return contact ? contact->getProperty(key).toString() : QString();
}

// A value of the link's attributes may not hold the quote that ends it (the
// rest would pose as further attributes), nor anything Latin-1 cannot carry.
QString attributeValue(const QString& value) {
  QString out;
  for (const QChar c : value)
    if (c != QLatin1Char('"') && c.unicode() < 256 && c.isPrint()) out += c;
  return out;
}

// A PIN or ID shown for dialling ends with the key that closes its entry.
QString withClosingKey(const QString& value) {
  if (value.endsWith(QLatin1Char('#')) || value.endsWith(QLatin1Char('*'))) return value;
  return value + QLatin1Char('#');
}

bool isWebAddress(const QString& url) {
  const QString scheme = QUrl(url).scheme().toLower();
  return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

}  // namespace

const RAZ::Configuration::Config* MyRoomHelper::appConfig() {
  auto* app = qobject_cast<Application*>(qApp);
  return app ? app->getConfig() : nullptr;
}

QString MyRoomHelper::productLink(const QString& call, const QString& chat,
                                  const QString& webcollab, const QString& jid) {
  return QStringLiteral("zent:") +
         ZentUrlHandler::encodePayload(attributeValue(call), attributeValue(chat),
                                       attributeValue(webcollab), attributeValue(jid));
}

QString MyRoomHelper::escape(const QString& text, bool html) {
  if (!html) return QString::fromLatin1(QUrl::toPercentEncoding(text));
  QString out = text.toHtmlEscaped();
  out.replace(QLatin1Char(' '), QLatin1String("&nbsp;"));
  out.replace(QLatin1String("\r\n"), QLatin1String("<br />"));
  return out;
}

QString MyRoomHelper::lineBreak(bool html) {
  return html ? QStringLiteral("<br/>") : QStringLiteral("\r\n");
}

QString MyRoomHelper::link(const QString& text, bool html, const QString& url) {
  if (url.isEmpty() || !html) return text;
  if (!isWebAddress(url) && !url.startsWith(QLatin1String("zent:"))) return text;
  return QStringLiteral("<a href=\"") + url.toHtmlEscaped() + QStringLiteral("\">") + text +
         QStringLiteral("</a>");
}

QString MyRoomHelper::invitationText(const RAZ::Contacts::ContactPtr& contact,
                                     bool quietWhenNoRoom) {
  if (!contact) return QString();
  const QString dialIn = property(contact, RAZ::Contacts::Properties::KeyMyRoomDialIn);
  if (dialIn.isEmpty()) return quietWhenNoRoom ? QString() : tr("My Room\n");
  QString text = tr("My Room\n") + tr("Dial-in Number: %1\n").arg(dialIn);
  const QString id = property(contact, RAZ::Contacts::Properties::KeyMyRoomConferenceId);
  const QString pin = property(contact, RAZ::Contacts::Properties::KeyMyRoomSecurityPin);
  const QString moderator = property(contact, RAZ::Contacts::Properties::KeyMyRoomModeratorPin);
  if (!id.isEmpty()) text += tr("Conference ID: %1\n").arg(id);
  if (!pin.isEmpty()) text += tr("Security PIN: %1\n").arg(pin);
  if (!moderator.isEmpty()) text += tr("Moderator PIN: %1").arg(moderator);
  return text;
}

QString MyRoomHelper::buildInvitation(const RAZ::Contacts::ContactPtr& contact, bool forClipboard,
                                      bool html, const RAZ::Configuration::Config* config) {
  if (!contact) return QString();
  if (!config) config = appConfig();
  auto flag = [config](int id) { return config && config->getBool(id, false); };
  using namespace RAZ::Contacts::Properties;
  const QString dialIn = property(contact, KeyMyRoomDialIn);
  const QString id = property(contact, KeyMyRoomConferenceId);
  const QString pin = property(contact, KeyMyRoomSecurityPin);
  const bool webcollabOffered =
      flag(ConfigId::WebCollabCredentialsEditable) && flag(ConfigId::SeveralDesktopShares);
  const QString webcollab = webcollabOffered ? property(contact, KeyMyRoomWebcollab) : QString();

  QString call;
  if (flag(ConfigId::CallsOnThisClient) && !dialIn.isEmpty()) {
    const RAZ::Utils::SipUriParser parser(config);
    call = parser.parseUriTp(RAZ::Utils::PhoneNumberParser::normalizePhoneNumber(dialIn));
    if (!call.isEmpty()) {
      if (!id.isEmpty()) call += QLatin1Char(';') + id + QLatin1Char('#');
      if (!pin.isEmpty()) call += (id.isEmpty() ? QStringLiteral(";") : QString()) + pin + '#';
    }
  }
  QString chat;
  if (flag(ConfigId::CommsHistory) && config &&
      QRegularExpression(QStringLiteral("im|xmpp"))
          .match(config->getString(ConfigId::ChatProtocols))
          .hasMatch())
    chat = property(contact, KeyMyRoomChat);

  // In HTML every text of the room or the user is escaped; the plain text
  // is what the user sees in a mail or pastes, and is encoded as a whole
  // where it goes into an address.
  auto text = [html](const QString& t) { return html ? escape(t, true) : t; };
  const QString br = lineBreak(html);
  QStringList sections;
  const QString product = productLink(call, chat, webcollab, chat);
  if (!call.isEmpty() || !chat.isEmpty() || !webcollab.isEmpty()) {
    const QString users = tr("Users:");
    QString section = text(QCoreApplication::applicationName()) + QLatin1Char(' ') +
                      (html ? QStringLiteral("<b>") + text(users) + QStringLiteral("</b>") : users);
    const QString session = tr("%1's Session").arg(contact->getDisplayName());
    section += br + link(text(session), html, product);
    if (!html) section += QStringLiteral(": ") + product;
    sections << section;
  }
  if (!webcollab.isEmpty()) {
    const QString others = tr("Others") + QLatin1Char(':');
    QString section = html ? QStringLiteral("<b>") + text(others) + QStringLiteral("</b>") : others;
    const QString shown = tr("Collaboration Session");
    section += br + link(text(shown), html, webcollab);
    if (!html)
      section += QStringLiteral(": ") + webcollab;
    else if (!isWebAddress(webcollab))
      section += QStringLiteral(": ") + text(webcollab);
    sections << section;
  }
  if (!dialIn.isEmpty()) {
    QString section = tr("Dial-In Number") + QStringLiteral(": ") + dialIn;
    if (!id.isEmpty())
      section +=
          QStringLiteral(", ") + tr("Conference ID") + QStringLiteral(": ") + withClosingKey(id);
    if (!pin.isEmpty())
      section +=
          QStringLiteral(", ") + tr("Security PIN") + QStringLiteral(": ") + withClosingKey(pin);
    sections << text(section);
  }
  Q_UNUSED(forClipboard);
  return sections.join(br);
}

QString MyRoomHelper::mailUrl(const RAZ::Contacts::ContactPtr& contact,
                              const RAZ::Configuration::Config* config) {
  if (!contact) return QString();
  // The whole body is percent-encoded: a "#" of a PIN would otherwise end
  // the address there, an "&" start another field.
  return QStringLiteral("mailto:?body=") +
         escape(buildInvitation(contact, false, false, config), false);
}

void MyRoomHelper::sendInvitation(const RAZ::Contacts::ContactPtr& contact,
                                  const RAZ::Configuration::Config* config) {
  if (!contact) return;
  const QString url = mailUrl(contact, config);
  if (!QDesktopServices::openUrl(QUrl(url, QUrl::StrictMode))) {
    // The address holds the room's PINs: only that it failed is logged.
    TP_LOG(kLog, TP::Core::Logging::LevelError) << "Failed to open url mailto:";
  }
}

void MyRoomHelper::copyInvitation(const RAZ::Contacts::ContactPtr& contact,
                                  const RAZ::Configuration::Config* config) {
  if (!contact) return;
  auto* mime = new QMimeData;
  mime->setHtml(buildInvitation(contact, true, true, config));
  mime->setText(buildInvitation(contact, true, false, config));
  QApplication::clipboard()->setMimeData(mime);
}

}  // namespace Utils
