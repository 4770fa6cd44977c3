#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

namespace Utils {

// User-facing texts and time formats shared by several windows.
class StringHelper {
  Q_DECLARE_TR_FUNCTIONS(Utils::StringHelper)
 public:
  StringHelper() = delete;

  // The time in the interface locale's short format, without seconds.
  static QString formatTime(const QTime& time);
  // The date as the interface language writes it in full, without the day
  // of the week ("December 10, 2026", "10 de diciembre de 2026"): a short
  // date reads as two different days in two languages.
  static QString formatDate(const QDate& date);
  // `format` without its day-of-the-week field and what joins it on.
  static QString dateFormatWithoutWeekday(QString format);
  // `format` with its seconds field and the separator before it removed.
  static QString timeFormatWithoutSeconds(QString format);
  // The wall-clock time now at the UTC offset "[+|-]hh:mm", as local time.
  // An offset that does not parse counts as UTC (and is logged).
  static QDateTime dateTimeForUtcOffset(const QString& offset);

  static QString supplementaryServiceName(int service);
  static QString credentialsTypeText(int type);
  static QString errorText(int code);
  static QString profileLevelText(int level);
  static QString shareStartErrorText(unsigned int code);
  static QString shareJoinErrorText(unsigned int code);
  static QString shareInitiateErrorText(unsigned int code);
};

}  // namespace Utils
