#pragma once

#include "Utils/Sounds/TemporaryFilePlayer.h"

namespace Utils {
namespace Sounds {

// A player that plays only while a boolean user preference (default on) is
// set; the preference is read at every play().
class SettingsBoolPlayer : public TemporaryFilePlayer {
  Q_OBJECT
 public:
  SettingsBoolPlayer(const QString& settingsKey, const QString& fileName,
                     QObject* parent = nullptr);

  QString settingsKey() const { return m_settingsKey; }

 public slots:
  void play() override;

 private:
  QString m_settingsKey;
};

class IncomingMessagePlayer : public SettingsBoolPlayer {
  Q_OBJECT
 public:
  explicit IncomingMessagePlayer(QObject* parent = nullptr);
};

// The incoming-call ringer: the user's ring signal, or the call-waiting
// sound while another call is active.
class IncomingCallPlayer : public SettingsBoolPlayer {
  Q_OBJECT
 public:
  explicit IncomingCallPlayer(QObject* parent = nullptr);

 public slots:
  // Switches to the call-waiting sound while `activeCalls`, otherwise back
  // to the user's ring signal.
  void onPreferencesChanged(bool activeCalls);

 private:
  // The file the ringer wants now (the ring signal or the call-waiting sound).
  QString m_wanted;
};

}  // namespace Sounds
}  // namespace Utils
