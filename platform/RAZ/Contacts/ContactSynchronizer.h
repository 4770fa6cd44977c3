#pragma once

#include <QObject>
#include <QPointer>
#include <QVariantMap>

namespace RAZ {
namespace Controllers {
namespace Search {
class ContactSearch;
}
}  // namespace Controllers
namespace Contacts {

class IContact;

// Completes a contact from the directory: looks the contact's value of a
// property up and offers what the directory knows as properties. The answer
// arrives from the event loop: syncDone() with a match, syncError() without.
class ContactSynchronizer : public QObject {
  Q_OBJECT

 public:
  ContactSynchronizer(RAZ::Controllers::Search::ContactSearch* search, bool useImAddress,
                      QObject* parent = nullptr);

  // Starts the look-up by the contact's property `key` (0: its identifier).
  // False when none was started (no contact, no directory, nothing to look
  // up, or one already running).
  bool syncWithDirectory(RAZ::Contacts::IContact* contact, int key);
  RAZ::Contacts::IContact* contact() const { return m_contact; }
  bool hasMultipleMatches() const { return m_multiple; }
  // The directory's properties (numbers as text keys) of the first match.
  QVariantMap getProperties() const { return m_properties; }

 signals:
  void syncDone();
  void syncError();

 private:
  QPointer<RAZ::Controllers::Search::ContactSearch> m_search;
  QPointer<RAZ::Contacts::IContact> m_contact;
  bool m_useImAddress;
  bool m_running = false;
  bool m_multiple = false;
  QVariantMap m_properties;
};

}  // namespace Contacts
}  // namespace RAZ
