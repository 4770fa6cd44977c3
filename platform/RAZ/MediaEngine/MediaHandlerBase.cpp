#include "MediaHandlerBase.h"

#include "Sound.h"

#include <TP/Core/Logging.h>

namespace RAZ {
namespace MediaEngine {

MediaHandlerBase* MediaHandlerBase::m_This = nullptr;

MediaHandlerBase::MediaHandlerBase(SoundFacility* sounds, QObject* parent)
    : QObject(parent), m_sounds(sounds) {
  if (m_This) {
    TP_LOG("MediaHandlerBase::MediaHandlerBase", TP::Core::Logging::LevelWarning)
        << "a media handler already exists; the new one takes its place";
  }
  m_This = this;
}

MediaHandlerBase::~MediaHandlerBase() {
  if (m_This == this) m_This = nullptr;
}

}  // namespace MediaEngine
}  // namespace RAZ
