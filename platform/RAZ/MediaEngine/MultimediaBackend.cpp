#include "MultimediaBackend.h"

#include <TP/Core/Logging.h>
#include <os/Module.h>

namespace RAZ {
namespace MediaEngine {
namespace {

using Entry = MultimediaBackend* (*)(MultimediaBackend::Log);

void logFromLibrary(const char* where, int level, const QString& text) {
  TP_LOG(where, level) << text;
}

}  // namespace

MultimediaBackend* multimediaBackend() {
  static MultimediaBackend* const backend = []() -> MultimediaBackend* {
    QString error;
    if (auto entry = reinterpret_cast<Entry>(
            Os::moduleEntry("libzent_multimedia.so", ZENT_MULTIMEDIA_ENTRY, &error))) {
      if (MultimediaBackend* made = entry(&logFromLibrary)) return made;
      error = QStringLiteral("libzent_multimedia.so: no backend");
    }
    TP_LOG("RAZ::MediaEngine::multimediaBackend", TP::Core::Logging::LevelError)
        << "Qt Multimedia cannot be loaded, sounds are silent and only the demo devices "
           "are listed: "
        << error;
    return nullptr;
  }();
  return backend;
}

}  // namespace MediaEngine
}  // namespace RAZ
