#pragma once

#include <QList>
#include <QString>

class QObject;

namespace RAZ {
class Settings;
}

namespace Utils {
namespace Sounds {

// One entry of the active theme's ring-signal list.
struct RingSignal {
  QString file;         // handed to the player; stored as the user's choice
  QString description;  // shown to the user
  bool isDefault = false;
};

// The ring-signal list in use: ":/sounds/ring_signals.xml" unless a test
// points elsewhere (an empty path restores the theme's list).
QString ringSignalListPath();
void setRingSignalListPath(const QString& path);

// The "ringer" children of the list's root, in document order. A missing,
// unreadable or malformed list gives an empty result and `ok` false (logged).
QList<RingSignal> readRingSignals(bool* ok = nullptr);

// The file of the list's default ring signal (empty when the list cannot be
// read or marks none); a found default is written to
// "settings/sounds/defaultRinger" through `settings`.
QString defaultRinger(RAZ::Settings& settings);

// Plays `fileName` once through the process-wide list of preview players.
// With `stopOthers` every earlier preview is stopped and destroyed first.
// `parent` owns the new player.
void play(const QString& fileName, QObject* parent, bool stopOthers);

}  // namespace Sounds
}  // namespace Utils
