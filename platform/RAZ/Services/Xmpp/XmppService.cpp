#include "RAZ/Services/Xmpp/XmppService.h"

#include <QDomElement>
#include <QTimer>
#include <QXmlStreamWriter>

namespace RAZ {
namespace Services {
namespace Xmpp {

namespace {
const char kConfChat[] = "CONFCHAT";
}

void VCardIq::parseElementFromChild(const QDomElement& element) {
  QXmppVCardIq::parseElementFromChild(element);
  const QDomElement ext = element.firstChildElement(QStringLiteral("x"));
  m_confChat = ext.firstChildElement(QLatin1String(kConfChat)).text().trimmed().toLatin1();
}

void VCardIq::toXmlElementFromChild(QXmlStreamWriter* writer) const {
  // The base writes the whole vCard element; ours goes into a second,
  // service-specific element the base parser ignores.
  QXmppVCardIq::toXmlElementFromChild(writer);
  if (m_confChat.isEmpty()) return;
  writer->writeStartElement(QStringLiteral("x"));
  writer->writeDefaultNamespace(QStringLiteral("urn:zent:vcard-ext"));
  writer->writeTextElement(QLatin1String(kConfChat), QString::fromLatin1(m_confChat));
  writer->writeEndElement();
}

bool XmppContactDataService::requestVCard(const QString& jid) {
  if (jid.isEmpty()) return false;
  ++m_requests;
  QTimer::singleShot(0, this, [this, jid] {
    const auto held = m_cards.constFind(jid);
    const VCardIq card = held != m_cards.constEnd() ? *held
                         : m_source                 ? m_source(jid)
                                                    : VCardIq(jid);
    emit vCardReceived(jid, card);
  });
  return true;
}

XmppService::XmppService(QObject* parent)
    : QObject(parent), m_contactData(new XmppContactDataService(this)) {
  qRegisterMetaType<RAZ::Services::Xmpp::VCardIq>("RAZ::Services::Xmpp::VCardIq");
}

void XmppService::setConnected(bool on) {
  if (on == m_connected) return;
  m_connected = on;
  if (on)
    emit connected();
  else
    emit disconnected();
}

}  // namespace Xmpp
}  // namespace Services
}  // namespace RAZ
