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

 public slots:
  bool checkResource(const QString& path) const;
  QString modifyStyle(const QString& text, const QString& searchText, const QString& style) const;
  QString formatTime(const QDateTime& dateTime) const;
  QString formatDateTime(const QDateTime& dateTime) const;
  QString formatHistoryEntryTime(const QDateTime& dateTime) const;
  QString formatActiveCommsEntryTime(const QTime& time) const;
  QString stripWhiteSpaceChars(const QString& text) const;
  QString getPresenceIcon(int state, bool large, bool own) const;
  QString getPresenceIcon(int state, bool large) const;
  QString getTooltip(int id, QObject* provider) const;
  QString getGroupName(const QVariant& group) const;

 private:
  QMap<int, QString> m_smallIcons;
  QMap<int, QString> m_largeIcons;
  QMap<int, QString> m_ownIcons;
};

}  // namespace QML
