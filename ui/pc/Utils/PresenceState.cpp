#include "Utils/PresenceState.h"

#include <QCoreApplication>

#include "libqml/utils/Style.h"

namespace Utils {

PresenceState::PresenceState(QObject* parent) : RAZ::Presence::PresenceState(parent) {}

PresenceState::Kind PresenceState::kindOf(int state) {
  switch (state) {
    case Unknown:
    case Offline:
    case Hidden:
      return KindOffline;
    case Pending:
      return KindPending;
    case AwayIdle:
    case Away:
    case AwayBeRightBack:
      return KindAway;
    case AvailableIdle:
    case Available:
      return KindAvailable;
    case Deskphone:
      return KindDeskphone;
    case Mobile:
      return KindMobile;
    case BusyOnline:
    case BusyPresenting:
    case Busy:
    case BusyOutOfOffice:
    case DoNotDisturb:
      return KindBusy;
    case Meeting:
    case MeetingBusy:
      return KindMeeting;
    case OnCall:
    case OnCallBusy:
      return KindCall;
    default:
      return KindNone;
  }
}

QString PresenceState::text(int state) {
  // The texts belong to the presence helper's translation context, where
  // the catalogues have always kept them (written out at each text, so that
  // lupdate finds them).
  switch (kindOf(state)) {
    case KindOffline:
      return QCoreApplication::translate("Utils::PresenceHelper", "Offline");
    case KindPending:
      return QCoreApplication::translate("Utils::PresenceHelper", "Pending");
    case KindAway:
      return QCoreApplication::translate("Utils::PresenceHelper", "Away");
    case KindAvailable:
      return QCoreApplication::translate("Utils::PresenceHelper", "Available");
    case KindDeskphone:
      return QCoreApplication::translate("Utils::PresenceHelper", "Deskphone");
    case KindMobile:
      return QCoreApplication::translate("Utils::PresenceHelper", "Mobile");
    case KindBusy:
      return QCoreApplication::translate("Utils::PresenceHelper", "Busy");
    case KindMeeting:
      return QCoreApplication::translate("Utils::PresenceHelper", "Meeting");
    case KindCall:
      return QCoreApplication::translate("Utils::PresenceHelper", "Call");
    case KindNone:
      break;
  }
  return QString();
}

QString PresenceState::colorName(int state) {
  switch (kindOf(state)) {
    case KindAvailable:
      return QStringLiteral("presenceAvailable");
    case KindAway:
      return QStringLiteral("presenceAway");
    case KindBusy:
    case KindMeeting:
    case KindCall:
      return QStringLiteral("presenceBusy");
    case KindOffline:
    case KindPending:
    case KindDeskphone:
    case KindMobile:
    case KindNone:
      break;
  }
  return QStringLiteral("presenceOffline");
}

QColor PresenceState::color(int state) {
  const QString name = colorName(state);
  const QML::Style* style = QML::Style::instance();
  QVariant value = style ? style->colors().value(name) : QVariant();
  if (!value.isValid()) value = QML::Style::defaultColor(name);
  return value.value<QColor>();
}

}  // namespace Utils
