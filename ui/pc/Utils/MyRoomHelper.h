#pragma once

#include <QCoreApplication>
#include <QString>

#include <RAZ/Contacts/Contacts.h>

namespace RAZ {
namespace Configuration {
class Config;
}
}  // namespace RAZ

namespace Utils {

// The texts of the user's personal conference room ("My Room"): a tooltip,
// a full invitation (HTML and plain text, for the clipboard) and an e-mail
// invitation. The invitation carries a product link that joins the room.
// Everything the room's data or the user's name holds is escaped where it
// reaches HTML or a mail address; the room's values never break the link.
class MyRoomHelper {
  Q_DECLARE_TR_FUNCTIONS(Utils::MyRoomHelper)

 public:
  // "zent:" and the Base64 of the non-empty attributes.
  static QString productLink(const QString& call, const QString& chat, const QString& webcollab,
                             const QString& jid);
  static QString invitationText(const RAZ::Contacts::ContactPtr& contact, bool quietWhenNoRoom);
  // `config` defaults to the signed-in client's configuration.
  static QString buildInvitation(const RAZ::Contacts::ContactPtr& contact, bool forClipboard,
                                 bool html, const RAZ::Configuration::Config* config = nullptr);
  // The "mailto:" address of the e-mail invitation (empty without a contact).
  static QString mailUrl(const RAZ::Contacts::ContactPtr& contact,
                         const RAZ::Configuration::Config* config = nullptr);
  static void sendInvitation(const RAZ::Contacts::ContactPtr& contact,
                             const RAZ::Configuration::Config* config = nullptr);
  static void copyInvitation(const RAZ::Contacts::ContactPtr& contact,
                             const RAZ::Configuration::Config* config = nullptr);

  // HTML: the text escaped, blanks kept as non-breaking spaces, line breaks
  // as "<br />". Otherwise the text percent-encoded in full for a URL.
  static QString escape(const QString& text, bool html);
  static QString lineBreak(bool html);
  // An anchor in HTML (the address escaped; only web addresses and the
  // product's own links are made links), else just the text.
  static QString link(const QString& text, bool html, const QString& url);

 private:
  static const RAZ::Configuration::Config* appConfig();
};

}  // namespace Utils
