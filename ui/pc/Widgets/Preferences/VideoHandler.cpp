#include "Widgets/Preferences/VideoHandler.h"

#include <QRadioButton>

#include <RAZ/MediaEngine/IMediaHandlerVideo.h>
#include <RAZ/Settings.h>
#include <TP/Core/Logging.h>

#include "Utils/SettingsKeys.h"
#include "Utils/StringHelper.h"
#include "ui_preferences.h"

namespace Preferences {

namespace {
const char kLevelProperty[] = "profileLevel";
}

VideoHandler::VideoHandler(Ui::preferencesForm* form, RAZ::MediaEngine::IMediaHandlerVideo* video,
                           QObject* parent)
    : QObject(parent), ui(form), m_video(video) {
  connect(video, SIGNAL(videoDeviceAvailabilityChanged(bool)), this, SLOT(captureDevicesChanged()));
  connect(this, SIGNAL(enableSave(bool)), parent, SIGNAL(enableSave(bool)));
  connect(parent, SIGNAL(saveSettings()), this, SLOT(saveSettings()));
  connect(parent, SIGNAL(languageChanged()), this, SLOT(retranslate()));
  connect(ui->videoCaptureSelect, SIGNAL(currentIndexChanged(int)), this,
          SLOT(captureDeviceChanged(int)));
  RAZ::Settings settings(RAZ::Settings::User);
  updateCaptureDeviceList(
      settings.value(Utils::SettingsKey::VideoCaptureDevice, QByteArray()).toByteArray());
  ui->automaticGainControl->setChecked(
      settings.value(Utils::SettingsKey::AudioAutomaticGainControl).toBool());
  ui->qualityDetection->setChecked(
      settings.value(Utils::SettingsKey::VideoQualityDetection, true).toBool());
  ui->qualityDetection->hide();
}

void VideoHandler::updateCaptureDeviceList(const QByteArray& id) {
  ui->videoCaptureSelect->clear();
  if (!m_video) return;
  int selected = -1;
  const QList<RAZ::MediaEngine::IMediaHandlerVideo::Camera*> cameras = m_video->cameras();
  for (RAZ::MediaEngine::IMediaHandlerVideo::Camera* camera : cameras) {
    if (!camera) continue;
    TP_LOG("Preferences::VideoHandler::updateCaptureDeviceList",
           TP::Core::Logging::LevelInformation)
        << "device name: " << camera->name();
    ui->videoCaptureSelect->addItem(camera->dispname(), camera->name());
    if (selected < 0 && camera->name() == id) {
      selected = ui->videoCaptureSelect->count() - 1;
      TP_LOG("Preferences::VideoHandler::updateCaptureDeviceList",
             TP::Core::Logging::LevelInformation)
          << "selected index: " << selected;
    }
  }
  ui->videoCaptureSelect->setCurrentIndex(selected >= 0 ? selected : 0);
}

void VideoHandler::captureDevicesChanged() {
  updateCaptureDeviceList(ui->videoCaptureSelect->currentData().toByteArray());
}

void VideoHandler::captureDeviceChanged(int idx) {
  QLayout* sizes = ui->videoSizeBox->layout();
  for (int i = sizes->count() - 1; i >= 0; --i) {
    QLayoutItem* item = sizes->takeAt(i);
    delete item->widget();
    delete item;
  }
  if (!m_video) return;
  RAZ::MediaEngine::IMediaHandlerVideo::Camera* camera =
      m_video->findCamera(ui->videoCaptureSelect->itemData(idx).toByteArray());
  if (!camera) return;
  const QMap<int, QSize> levels = camera->getProfileLevels();
  if (levels.isEmpty()) {
    ui->videoSizeBox->hide();
    return;
  }
  const int current = camera->selectedProfileLevel(nullptr, nullptr);
  ui->videoSizeBox->show();
  for (auto it = levels.constBegin(); it != levels.constEnd(); ++it) {
    auto* button =
        new QRadioButton(Utils::StringHelper::profileLevelText(it.key()), ui->videoSizeBox);
    button->setProperty(kLevelProperty, it.key());
    button->setChecked(it.key() == current);
    sizes->addWidget(button);
  }
}

void VideoHandler::changed() { emit enableSave(true); }

void VideoHandler::qualityDetectionChanged(bool checked) {
  if (checked) emit qualityDetectionEnabled();
  emit enableSave(true);
  QLayout* sizes = ui->videoSizeBox->layout();
  for (int i = 0; i < sizes->count(); ++i) {
    if (auto* button = qobject_cast<QRadioButton*>(sizes->itemAt(i)->widget())) {
      button->setAutoExclusive(false);
      button->setChecked(false);
      button->setAutoExclusive(true);
    }
  }
}

void VideoHandler::launchSoundWizard() {}

void VideoHandler::retranslate() {
  const QList<QRadioButton*> buttons = ui->videoSizeBox->findChildren<QRadioButton*>();
  for (QRadioButton* button : buttons)
    button->setText(
        Utils::StringHelper::profileLevelText(button->property(kLevelProperty).toInt()));
}

void VideoHandler::saveSettings() {
  RAZ::Settings settings(RAZ::Settings::User);
  int level = 0;
  QLayout* sizes = ui->videoSizeBox->layout();
  for (int i = 0; i < sizes->count(); ++i) {
    auto* button = qobject_cast<QRadioButton*>(sizes->itemAt(i)->widget());
    if (button && button->isChecked()) {
      level = button->property(kLevelProperty).toInt();
      break;
    }
  }
  const QList<RAZ::MediaEngine::IMediaHandlerVideo::Camera*> cameras =
      m_video ? m_video->cameras() : QList<RAZ::MediaEngine::IMediaHandlerVideo::Camera*>();
  if (cameras.isEmpty()) {
    settings.setValue(Utils::SettingsKey::VideoCaptureDevice, QByteArray());
    settings.setValue(Utils::SettingsKey::VideoCaptureResolution, -1);
  } else {
    RAZ::MediaEngine::IMediaHandlerVideo::Camera* chosen =
        m_video->findCamera(ui->videoCaptureSelect->currentData().toByteArray());
    for (RAZ::MediaEngine::IMediaHandlerVideo::Camera* camera : cameras) {
      if (!camera) continue;
      TP_LOG("Preferences::VideoHandler::saveSettings", TP::Core::Logging::LevelInformation)
          << "device name: " << camera->name();
      camera->setSelectedProfileLevel(static_cast<RAZ::MediaEngine::ProfileLevel>(level));
    }
    if (chosen) {
      settings.setValue(Utils::SettingsKey::VideoCaptureResolution, level);
      settings.setValue(Utils::SettingsKey::VideoCaptureDevice, chosen->name());
    }
  }
  settings.setValue(Utils::SettingsKey::VideoQualityDetection, ui->qualityDetection->isChecked());
  settings.setValue(Utils::SettingsKey::AudioAutomaticGainControl,
                    ui->automaticGainControl->isChecked());
}

}  // namespace Preferences
