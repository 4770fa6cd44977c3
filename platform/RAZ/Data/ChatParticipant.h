#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

namespace RAZ {
namespace Contacts {
class IContact;
}
namespace Data {

// One party of a chat room: its nickname in the room, its rank there and,
// when it is known, the contact behind it.
class ChatParticipant : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString nickname READ getNickname CONSTANT)
  Q_PROPERTY(int affiliation READ getAffiliation NOTIFY affiliationChanged)

 public:
  // 4 owner, 3 moderator, 2 member, 0 none; 1 a party that is never
  // moderated from here (an outcast).
  enum Affiliation { None = 0, Outcast = 1, Member = 2, Moderator = 3, Owner = 4 };
  Q_ENUM(Affiliation)

  ChatParticipant(const QString& nickname, int affiliation, RAZ::Contacts::IContact* contact,
                  QObject* parent = nullptr);

  QString getNickname() const { return m_nickname; }
  int getAffiliation() const { return m_affiliation; }
  RAZ::Contacts::IContact* getContact() const;

  // --- Service side ---
  void setAffiliation(int affiliation);

 signals:
  void affiliationChanged(int affiliation);

 private:
  QString m_nickname;
  int m_affiliation;
  QPointer<QObject> m_contact;
};

}  // namespace Data
}  // namespace RAZ

Q_DECLARE_METATYPE(RAZ::Data::ChatParticipant*)
