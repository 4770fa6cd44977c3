#include "Utils/BadgeHandler.h"

#include <RAZ/Models/Timeline.h>

namespace Utils {

BadgeHandler::BadgeHandler(RAZ::Models::Timeline* timeline, QObject* messages, QObject* parent)
    : QObject(parent) {
  if (timeline) {
    connect(timeline, SIGNAL(newCommsCountChanged()), this, SLOT(communicationCountChanged()));
    m_newComms = timeline->newCommsCount();
  }
  if (messages)
    connect(messages, SIGNAL(messages(QVariant, QVariant)), this,
            SLOT(onMessages(QVariant, QVariant)));
}

BadgeHandler::~BadgeHandler() {
  m_newComms = 0;
  m_messages = 0;
  emit badgeCountChanged();
}

void BadgeHandler::communicationCountChanged() {
  auto* timeline = qobject_cast<RAZ::Models::Timeline*>(sender());
  if (!timeline) return;
  m_newComms = timeline->newCommsCount();
  emit badgeCountChanged();
}

void BadgeHandler::onMessages(QVariant first, QVariant) {
  const int count = first.toInt();
  if (count == m_messages) return;
  m_messages = count;
  emit badgeCountChanged();
}

}  // namespace Utils
