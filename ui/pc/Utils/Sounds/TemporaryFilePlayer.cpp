#include "Utils/Sounds/TemporaryFilePlayer.h"

#include "Utils/Sounds/PlayerList.h"

#include <RAZ/MediaEngine/MediaHandlerBase.h>
#include <RAZ/MediaEngine/Sound.h>
#include <TP/Core/Logging.h>

#include "dialogs/MessageWindow.h"

namespace Utils {
namespace Sounds {

TemporaryFilePlayer::TemporaryFilePlayer(const QString& fileName, QObject* parent)
    : QObject(parent), m_loops(1) {
  setFile(fileName);
}

TemporaryFilePlayer::~TemporaryFilePlayer() {
  stop();
  m_sound.reset();
  PlayerList::forget(this);
}

void TemporaryFilePlayer::setFile(const QString& fileName) {
  if (fileName.isEmpty()) return;
  stop();
  m_sound.reset();
  m_fileName = fileName;
  RAZ::MediaEngine::MediaHandlerBase* engine = RAZ::MediaEngine::MediaHandlerBase::m_This;
  if (!engine || !engine->soundFacility()) {
    TP_LOG("TemporaryFilePlayer::setFile", TP::Core::Logging::LevelDetail)
        << "no media engine; silent: " << fileName;
    return;
  }
  m_sound.reset(engine->soundFacility()->createSound(fileName));
  if (!m_sound) {
    TP_LOG("TemporaryFilePlayer::setFile", TP::Core::Logging::LevelWarning)
        << "sound cannot be loaded: " << fileName;
  }
}

void TemporaryFilePlayer::clearSound() {
  stop();
  m_sound.reset();
  m_fileName.clear();
}

bool TemporaryFilePlayer::isIdle() const { return !m_sound || !m_sound->isPlaying(); }

QString TemporaryFilePlayer::streamName(Purpose purpose) {
  switch (purpose) {
    case Purpose::Ringer:
      return tr("Ringer");
    case Purpose::CallingTone:
      return tr("Calling Tone");
    case Purpose::Message:
      return tr("Message");
    case Purpose::Preview:
      return tr("Preview");
    case Purpose::Sound:
      break;
  }
  return QString();
}

QByteArray TemporaryFilePlayer::streamRole(Purpose purpose) {
  switch (purpose) {
    case Purpose::Ringer:
    case Purpose::CallingTone:
      return QByteArrayLiteral("phone");
    case Purpose::Message:
    case Purpose::Preview:
    case Purpose::Sound:
      break;
  }
  return QByteArrayLiteral("event");
}

void TemporaryFilePlayer::play() {
  if (!m_sound) return;
  m_sound->stop();
  // Named as it starts: the language may have changed since the last time.
  m_sound->setStreamName(streamName(m_purpose));
  m_sound->setRole(streamRole(m_purpose));
  if (m_sound->start(m_loops != 1)) return;

  TP_LOG("TemporaryFilePlayer::play", TP::Core::Logging::LevelError)
      << "Failed to Start Sound Player: " << m_fileName;
  Dialogs::MessageWindow::showInformation(tr("Error"), tr("Failed to Start Sound Player"), false,
                                          QDialogButtonBox::Ok, false, nullptr);
}

void TemporaryFilePlayer::stop() {
  if (m_sound) m_sound->stop();
}

}  // namespace Sounds
}  // namespace Utils
