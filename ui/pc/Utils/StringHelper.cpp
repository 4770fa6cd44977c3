#include "Utils/StringHelper.h"

#include <TP/Core/Logging.h>

#include <QLocale>
#include <QRegularExpression>

namespace Utils {

QString StringHelper::timeFormatWithoutSeconds(QString format) {
  const int first = format.indexOf(QLatin1Char('s'));
  if (first < 0) return format;
  // The separator before the seconds goes with them; a format that starts
  // with its seconds has no separator to drop.
  if (first == 0) {
    format.remove(0, 1);
  } else {
    format.remove(first - 1, 2);
  }
  format.remove(QLatin1Char('s'));
  return format;
}

QString StringHelper::formatTime(const QTime& time) {
  // The interface's locale, also for "AM" and "PM": QTime's own toString
  // would name them in the system's language.
  const QLocale locale;
  return locale.toString(time, timeFormatWithoutSeconds(locale.timeFormat(QLocale::ShortFormat)));
}

QString StringHelper::dateFormatWithoutWeekday(QString format) {
  // "dddd, MMMM d, yyyy" and "dddd, d 'de' MMMM 'de' yyyy": the weekday
  // field and the punctuation and blanks after it (or before it, at the end).
  static const QRegularExpression leading(QStringLiteral("^\\s*dddd[,.\\s]*"));
  static const QRegularExpression trailing(QStringLiteral("[,.\\s]*dddd\\s*$"));
  format.remove(leading);
  format.remove(trailing);
  return format;
}

QString StringHelper::formatDate(const QDate& date) {
  const QLocale locale;
  return locale.toString(date, dateFormatWithoutWeekday(locale.dateFormat(QLocale::LongFormat)));
}

QDateTime StringHelper::dateTimeForUtcOffset(const QString& offset) {
  QDateTime result = QDateTime::currentDateTimeUtc();
  int sign = 1;
  QString rest = offset;
  if (rest.startsWith(QLatin1Char('-')) || rest.startsWith(QLatin1Char('+'))) {
    if (rest.at(0) == QLatin1Char('-')) sign = -1;
    rest.remove(0, 1);
  }
  const QTime parsed = QTime::fromString(rest, QStringLiteral("hh:mm"));
  if (parsed.isValid()) {
    result = result.addSecs(qint64(parsed.hour() * 60 + parsed.minute()) * sign * 60);
  } else {
    TP_LOG("StringHelper::dateTimeForUtcOffset", TP::Core::Logging::LevelWarning)
        << "time-zone offset does not parse, using UTC: " << offset;
  }
  result.setTimeSpec(Qt::LocalTime);
  return result;
}

QString StringHelper::supplementaryServiceName(int service) {
  switch (service) {
    case 0:
      return tr("Communication Forwarding Unconditional");
    case 1:
      return tr("Communication Forwarding on not Logged in");
    case 2:
      return tr("Communication Forwarding on Busy");
    case 3:
      return tr("Communication Forwarding on not Reachable");
    case 4:
      return tr("Communication Forwarding on No Reply");
    case 5:
      return tr("Originating Identification Presentation");
    case 6:
      return tr("Originating Identification Restriction");
    case 7:
      return tr("Terminating Identification Presentation");
    case 8:
      return tr("Terminating Identification Restriction");
    case 12:
      return tr("Barring of All Incoming Calls");
    case 13:
      return tr("Barring of Incoming Calls - When Roaming");
    case 14:
      return tr("Barring of All Outgoing Calls");
    case 15:
      return tr("Barring of Outgoing International Calls");
    case 16:
      return tr("Barring of Outgoing International Calls %1 ex Home Country").arg(QChar(0x2013));
    case 17:
      return tr("Communication Waiting");
    case 18:
      return tr("Do Not Disturb");
    case 19:
      return tr("Graniteway Remote Office");
    default:
      return tr("Unknown service");
  }
}

QString StringHelper::credentialsTypeText(int type) {
  switch (type) {
    case 0:
      return tr("SIP");
    case 1:
      return tr("XMPP");
    case 2:
      return tr("Kelvantic (Xsi)");
    default:
      return tr("Unknown credentials type");
  }
}

QString StringHelper::errorText(int code) {
  switch (code) {
    case 1:
      return tr("Please set your credentials");
    case 2:
      return tr("Authentication failed");
    case 3:
      return tr("Network error");
    case 100019:
      return tr(
          "Client encountered an error when trying to add participant. Maximum active call count "
          "reached.");
    case 101002:
      return tr(
          "Client encountered an error when trying locate participant. Call/Participant not "
          "found.");
    case 110649:
      return tr(
          "Client encountered an error when trying to add participant. Maximum participant count "
          "reached.");
    default:
      return QString();
  }
}

QString StringHelper::profileLevelText(int level) {
  switch (level) {
    case 12:
      return tr("Small");
    case 20:
      return tr("Medium");
    case 30:
      return tr("Large");
    case 31:
      return tr("HD");
    default:
      return QString();
  }
}

QString StringHelper::shareStartErrorText(unsigned int code) {
  return tr("Error starting share. ( %1 )").arg(code);
}

QString StringHelper::shareJoinErrorText(unsigned int code) {
  if (code == 409) {
    return tr("You are already in the share. Please log out from your other clients. ( %1 )")
        .arg(code);
  }
  return tr("Error joining share. ( %1 )").arg(code);
}

QString StringHelper::shareInitiateErrorText(unsigned int code) {
  return tr("Error initiating share. ( %1 )").arg(code);
}

}  // namespace Utils
