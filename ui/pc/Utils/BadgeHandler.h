#pragma once

#include <QObject>
#include <QPointer>
#include <QVariant>

namespace RAZ {
namespace Models {
class Timeline;
}
}  // namespace RAZ

namespace Utils {

// The count on the history button: new communications of the timeline plus
// the messages a messages source reports.
class BadgeHandler : public QObject {
  Q_OBJECT
  Q_PROPERTY(int badgeCount READ badgeCount NOTIFY badgeCountChanged)

 public:
  BadgeHandler(RAZ::Models::Timeline* timeline, QObject* messages, QObject* parent);
  ~BadgeHandler() override;

  int badgeCount() const { return m_newComms + m_messages; }

 public slots:
  void communicationCountChanged();
  void onMessages(QVariant first, QVariant second);

 signals:
  void badgeCountChanged();

 private:
  int m_newComms = 0;
  int m_messages = 0;
};

}  // namespace Utils
