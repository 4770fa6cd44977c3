#pragma once

#include <QMetaType>
#include <QObject>

// The newer screen-share library's error reports: a numeric code (409: the
// user is in the share already, from another client) and what was being done.
namespace USSClient {
Q_NAMESPACE

enum USSLIBERROR { NoError = 0, AlreadyInShare = 409 };
Q_ENUM_NS(USSLIBERROR)

enum ErrorType { StartingShare = 0, JoiningShare = 1, InitiatingShare = 2 };
Q_ENUM_NS(ErrorType)

}  // namespace USSClient

Q_DECLARE_METATYPE(USSClient::USSLIBERROR)
Q_DECLARE_METATYPE(USSClient::ErrorType)
