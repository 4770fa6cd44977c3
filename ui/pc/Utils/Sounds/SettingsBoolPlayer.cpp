#include "Utils/Sounds/SettingsBoolPlayer.h"

#include "Utils/Sounds/RingSignals.h"

#include <RAZ/Settings.h>
#include <TP/Core/Logging.h>

#include <QFileInfo>
#include "Utils/SettingsKeys.h"

namespace Utils {
namespace Sounds {

namespace {
const char* const kCallWaitingFile = ":/sounds/call_waiting.wav";

// The user's ring signal, or the list's default when there is none or when
// the chosen file no longer exists.
QString ringSignal(RAZ::Settings& settings) {
  const QString stored =
      settings.value(Utils::SettingsKey::SoundDefaultRinger, QString()).toString();
  if (stored.isEmpty()) return defaultRinger(settings);
  if (!QFileInfo::exists(stored)) {
    TP_LOG("IncomingCallPlayer::ringSignal", TP::Core::Logging::LevelWarning)
        << "the chosen ring signal does not exist, using the default: " << stored;
    const QList<RingSignal> list = readRingSignals();
    for (const RingSignal& ring : list) {
      if (ring.isDefault) return ring.file;
    }
    return QString();
  }
  return stored;
}
}  // namespace

SettingsBoolPlayer::SettingsBoolPlayer(const QString& settingsKey, const QString& fileName,
                                       QObject* parent)
    : TemporaryFilePlayer(fileName, parent), m_settingsKey(settingsKey) {}

void SettingsBoolPlayer::play() {
  RAZ::Settings settings(RAZ::Settings::User);
  if (settings.value(m_settingsKey, true).toBool()) TemporaryFilePlayer::play();
}

IncomingMessagePlayer::IncomingMessagePlayer(QObject* parent)
    : SettingsBoolPlayer(Utils::SettingsKey::SoundIncomingMessageEnabled,
                         QStringLiteral(":/sounds/incoming_message.wav"), parent) {
  setPurpose(Purpose::Message);
}

IncomingCallPlayer::IncomingCallPlayer(QObject* parent)
    : SettingsBoolPlayer(Utils::SettingsKey::SoundIncomingCallEnabled, QString(), parent) {
  setPurpose(Purpose::Ringer);
  RAZ::Settings settings(RAZ::Settings::User);
  m_wanted = ringSignal(settings);
  setFile(m_wanted);
}

void IncomingCallPlayer::onPreferencesChanged(bool activeCalls) {
  QString wanted;
  if (activeCalls) {
    wanted = QLatin1String(kCallWaitingFile);
  } else {
    // Without a choice of its own the ringer goes back to the default
    // ring signal rather than keep ringing with the call-waiting sound.
    RAZ::Settings settings(RAZ::Settings::User);
    wanted = ringSignal(settings);
  }
  if (wanted == m_wanted) return;
  m_wanted = wanted;
  if (wanted.isEmpty()) {
    TP_LOG("IncomingCallPlayer::onPreferencesChanged", TP::Core::Logging::LevelWarning)
        << "no ring signal; the ringer is silent";
    clearSound();
    return;
  }
  setFile(wanted);
}

}  // namespace Sounds
}  // namespace Utils
