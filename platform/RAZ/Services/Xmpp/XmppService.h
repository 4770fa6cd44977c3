#pragma once

#include <QHash>
#include <QMetaType>
#include <QObject>
#include <QPointer>
#include <QString>

#include <QXmppVCardIq.h>

#include <functional>

namespace RAZ {
namespace Services {
namespace Xmpp {

// A vCard with the service's own conference-chat field: the JID of the
// owner's personal meeting room, Base64-encoded as the server stores it.
class VCardIq : public QXmppVCardIq {
 public:
  VCardIq() = default;
  explicit VCardIq(const QString& jid) : QXmppVCardIq(jid) {}

  QByteArray confChat() const { return m_confChat; }
  void setConfChat(const QByteArray& base64) { m_confChat = base64; }

 protected:
  void parseElementFromChild(const QDomElement& element) override;
  void toXmlElementFromChild(QXmlStreamWriter* writer) const override;

 private:
  QByteArray m_confChat;
};

// Fetches contacts' vCards. Answers arrive later from the event loop.
class XmppContactDataService : public QObject {
  Q_OBJECT

 public:
  explicit XmppContactDataService(QObject* parent = nullptr) : QObject(parent) {}

  // Asks for the vCard of `jid`; false when the request cannot be sent.
  bool requestVCard(const QString& jid);
  int requestCount() const { return m_requests; }

  // --- Service side: the vCards the server holds. ---
  void setVCard(const QString& jid, const RAZ::Services::Xmpp::VCardIq& card) {
    m_cards.insert(jid, card);
  }
  // Makes the card of a JID the service holds none of, as it is asked for:
  // a server with many owners keeps the rule their cards follow rather
  // than a card for each (a large book then costs nothing at sign-in).
  using CardSource = std::function<RAZ::Services::Xmpp::VCardIq(const QString& jid)>;
  void setCardSource(CardSource source) { m_source = std::move(source); }

 signals:
  void vCardReceived(const QString& jid, const RAZ::Services::Xmpp::VCardIq& vCard);

 private:
  QHash<QString, RAZ::Services::Xmpp::VCardIq> m_cards;
  CardSource m_source;
  int m_requests = 0;
};

// The session's XMPP connection as the application sees it. Its contact-data
// service exists only while the connection is up.
class XmppService : public QObject {
  Q_OBJECT

 public:
  explicit XmppService(QObject* parent = nullptr);

  RAZ::Services::Xmpp::XmppContactDataService* getXmppContactDataService() const {
    return m_connected ? m_contactData.data() : nullptr;
  }
  bool isConnected() const { return m_connected; }

  // --- Service side ---
  // The connection comes up (connected() is emitted) or goes down.
  void setConnected(bool on);
  // The contact-data service, whether or not connected (to seed vCards).
  RAZ::Services::Xmpp::XmppContactDataService* contactData() const { return m_contactData; }

 signals:
  void connected();
  void disconnected();

 private:
  bool m_connected = false;
  QPointer<RAZ::Services::Xmpp::XmppContactDataService> m_contactData;
};

}  // namespace Xmpp
}  // namespace Services
}  // namespace RAZ

Q_DECLARE_METATYPE(RAZ::Services::Xmpp::VCardIq)
