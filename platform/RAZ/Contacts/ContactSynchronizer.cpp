#include "RAZ/Contacts/ContactSynchronizer.h"

#include <QTimer>

#include "RAZ/Contacts/Contacts.h"
#include "RAZ/Controllers/Search/ContactSearch.h"

namespace RAZ {
namespace Contacts {

namespace {
QString k(int key) { return QString::number(key); }

QVariantMap propertiesOf(const QVariantMap& entry) {
  QVariantMap p;
  const QString name = entry.value(QStringLiteral("name")).toString().trimmed();
  const int space = name.lastIndexOf(QLatin1Char(' '));
  if (space > 0) {
    p.insert(k(Properties::KeyFirstName), name.left(space));
    p.insert(k(Properties::KeyLastName), name.mid(space + 1));
  } else if (!name.isEmpty()) {
    p.insert(k(Properties::KeyDisplayName), name);
  }
  auto put = [&](const char* field, int key) {
    const QString value = entry.value(QLatin1String(field)).toString();
    if (!value.isEmpty()) p.insert(k(key), value);
  };
  put("work", Properties::KeyWork);
  put("mobile", Properties::KeyMobile);
  put("extension", Properties::KeyExtension);
  put("email", Properties::KeyEmail);
  put("jid", Properties::KeyImAddress);
  put("title", Properties::KeyDepartment);
  return p;
}
}  // namespace

ContactSynchronizer::ContactSynchronizer(RAZ::Controllers::Search::ContactSearch* search,
                                         bool useImAddress, QObject* parent)
    : QObject(parent), m_search(search), m_useImAddress(useImAddress) {}

bool ContactSynchronizer::syncWithDirectory(IContact* contact, int key) {
  if (!contact || !m_search || m_running) return false;
  QString value = key == 0 ? contact->getIdentifier() : contact->getProperty(key).toString();
  // Without XMPP the SIP address identifies the party better.
  if (!m_useImAddress && key == Properties::KeyImAddress && !contact->getSipUri().isEmpty())
    value = contact->getSipUri();
  value = value.trimmed();
  if (value.startsWith(QLatin1String("sip:"))) value = value.mid(4);
  if (value.isEmpty()) return false;
  m_contact = contact;
  m_running = true;
  const QList<QVariantMap> matches = m_search->matches(value);
  QPointer<ContactSynchronizer> guard(this);
  QTimer::singleShot(0, this, [guard, matches] {
    if (!guard) return;
    guard->m_running = false;
    if (matches.isEmpty()) {
      emit guard->syncError();
      return;
    }
    guard->m_multiple = matches.size() > 1;
    guard->m_properties = propertiesOf(matches.first());
    emit guard->syncDone();
  });
  return true;
}

}  // namespace Contacts
}  // namespace RAZ
