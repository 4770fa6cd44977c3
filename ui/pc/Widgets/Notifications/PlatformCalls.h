#pragma once

#include <QVariant>

class QObject;

namespace Widgets {
namespace Notifications {

// Reads from platform objects the popups see only as QObject (sessions,
// calls, web-collaboration objects): parameterless invokable getters and
// signals looked up by name, so that a missing one is reported in the log
// instead of failing a connection or the build.
namespace PlatformCalls {

// The result of obj->name(): a bool, an int (also enums) or a QObject*
// (as QVariant holding QObject*). Invalid when obj is null or has no such
// invokable getter.
QVariant call(QObject* obj, const char* name);

// Whether obj declares the signal with this normalised signature.
bool hasSignal(const QObject* obj, const char* signature);

}  // namespace PlatformCalls
}  // namespace Notifications
}  // namespace Widgets
