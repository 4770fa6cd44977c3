#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <QFileDialog>

class QLabel;
class QPushButton;
class QTimer;

namespace RAZ {
namespace MediaEngine {
class CallControllerBase;
class IMediaHandlerAudio;
}  // namespace MediaEngine
namespace Sessions {
class SessionManagerBase;
}
}  // namespace RAZ
namespace Ui {
class preferencesForm;
}

namespace Preferences {

// The sound events (incoming call and message, each on or off, with a
// preview) and the ring signal: the theme's signals or a WAV file of the
// user's own.
class SoundsHandler : public QObject {
  Q_OBJECT

 public:
  // `session` answers whether chats (and so message sounds) are offered.
  SoundsHandler(Ui::preferencesForm* ui, RAZ::MediaEngine::CallControllerBase* calls,
                QObject* parent, const RAZ::Sessions::SessionManagerBase* session = nullptr);

  // The open "Select other..." file dialog, if any.
  QFileDialog* fileDialog() const { return m_fileDialog; }

  // True when the file is a WAV file the sound player can play: a RIFF/WAVE
  // header with PCM format and a data chunk.
  static bool isPlayableWave(const QString& path);

 signals:
  void enableSave(bool enable);

 public slots:
  void saveSettings();
  void cancelSettings();
  void changed();
  void ringerChanged();
  void soundEventSelected();
  void playSoundEvent();
  void playRingSignal();
  void onActiveCalls(bool anyCalls);
  void retranslate();

 private slots:
  void ringFileChosen(const QString& path);
  void ringFileCancelled();
  // Turns a Stop back into Play once the preview has ended by itself.
  void watchPreview();

 private:
  void fillRingSignals();
  // What a press of Play shows: Stop while the sound plays, or why nothing
  // can be heard. False when the press stopped a playing preview instead.
  bool stopPreviewOf(QPushButton* button);
  void previewStarted(QPushButton* button);
  void previewEnded();

  Ui::preferencesForm* ui;
  QPointer<RAZ::MediaEngine::IMediaHandlerAudio> m_audio;
  QStringList m_soundFiles;
  int m_ringPosition = 0;
  QByteArray m_playbackBeforePreview;
  bool m_previewed = false;
  QPointer<QFileDialog> m_fileDialog;
  QPointer<QPushButton> m_playing;
  QString m_playText;
  QTimer* m_previewWatch = nullptr;
  QLabel* m_previewStatus = nullptr;
};

}  // namespace Preferences
