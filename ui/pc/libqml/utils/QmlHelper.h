#pragma once

#include <QDateTime>
#include <QMap>
#include <QObject>
#include <QTime>
#include <QVariant>

#include <RAZ/Contacts/Contacts.h>

namespace QML {

// Formatting and look-up for scenes ("qmlHelper"): resource checks,
// search highlighting, time texts, presence icons, tooltips, group names.
// One per view; holds only constant tables.
class QmlHelper : public QObject {
  Q_OBJECT

 public:
  // The special groups' ids, as scenes read them (QmlHelper.FavouritesGroupId).
  enum GroupId {
    AllContactsGroupId = RAZ::Contacts::IGroup::AllContactsId,
    FavouritesGroupId = RAZ::Contacts::IGroup::FavouritesId
  };
  Q_ENUM(GroupId)

  explicit QmlHelper(QObject* parent = nullptr);

  // Scenes call these; none changes anything, so they are invokables rather
  // than slots.
  Q_INVOKABLE bool checkResource(const QString& path) const;
  Q_INVOKABLE QString modifyStyle(const QString& text, const QString& searchText,
                                  const QString& style) const;
  Q_INVOKABLE QString formatTime(const QDateTime& dateTime) const;
  Q_INVOKABLE QString formatDateTime(const QDateTime& dateTime) const;
  Q_INVOKABLE QString formatHistoryEntryTime(const QDateTime& dateTime) const;
  Q_INVOKABLE QString formatActiveCommsEntryTime(const QTime& time) const;
  Q_INVOKABLE QString stripWhiteSpaceChars(const QString& text) const;
  Q_INVOKABLE QString getPresenceIcon(int state, bool large, bool own) const;
  Q_INVOKABLE QString getPresenceIcon(int state, bool large) const;
  Q_INVOKABLE QString getTooltip(int id, QObject* provider) const;
  Q_INVOKABLE QString getGroupName(const QVariant& group) const;

 private:
  QMap<int, QString> m_smallIcons;
  QMap<int, QString> m_largeIcons;
  QMap<int, QString> m_ownIcons;
};

}  // namespace QML
