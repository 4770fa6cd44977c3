#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>

namespace RAZ {
namespace MediaEngine {
class IMediaHandlerVideo;
}
}  // namespace RAZ
namespace Ui {
class preferencesForm;
}

namespace Preferences {

// The video page: the camera and its capture size, the quality-detection
// switch and the microphone's automatic gain control.
class VideoHandler : public QObject {
  Q_OBJECT

 public:
  VideoHandler(Ui::preferencesForm* ui, RAZ::MediaEngine::IMediaHandlerVideo* video,
               QObject* parent);

 signals:
  void enableSave(bool enable);
  void qualityDetectionEnabled();

 public slots:
  void saveSettings();
  void changed();
  void qualityDetectionChanged(bool checked);
  void launchSoundWizard();
  void captureDeviceChanged(int idx);
  void captureDevicesChanged();
  void retranslate();

 private:
  void updateCaptureDeviceList(const QByteArray& id);

  Ui::preferencesForm* ui;
  QPointer<RAZ::MediaEngine::IMediaHandlerVideo> m_video;
};

}  // namespace Preferences
