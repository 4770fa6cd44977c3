#include <tp/core/Assertion.h>

#include "TP/Core/Logging.h"

namespace TP {
namespace Core {

void assertionFailed(const char* tag, const char* condition, const char* message) {
  Logging::ApacheLogger(__FILE__, __LINE__, tag, Logging::LevelError, "AppLogger")
      << "Assertion '" << condition << "' failed: " << message;
  Logging::do_backtrace();
}

void traceRecord(const char* file, int line, const char* tag, const QString& text,
                 bool withBacktrace) {
  Logging::ApacheLogger(file, line, tag, Logging::LevelTrace, "AppLogger") << text;
  if (withBacktrace) Logging::do_backtrace();
}

}  // namespace Core
}  // namespace TP
