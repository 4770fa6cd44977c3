#include "Providers/QmlProviders.h"

#include <QCoreApplication>
#include <QUrl>

#include <RAZ/Configuration/Config.h>
#include <RAZ/MediaEngine/IMediaHandlerAudio.h>
#include <RAZ/Settings.h>

#include "Application.h"
#include "Utils/ConfigIds.h"

namespace Providers {

namespace {
const char kVolumeKey[] = "mediaVolume/volumelevel";
const char kProfilePhotosKey[] = "contactlist/showProfilePhotos";
}  // namespace

MediaVolumeHelper::MediaVolumeHelper(RAZ::MediaEngine::IMediaHandlerAudio* audio, QObject* parent)
    : QObject(parent), m_audio(audio) {
  if (!m_audio) return;
  const int stored = RAZ::Settings(RAZ::Settings::Application)
                         .value(QLatin1String(kVolumeKey), m_audio->getOutputVolume())
                         .toInt();
  m_audio->setOutputVolume(stored);
  connect(m_audio, SIGNAL(outputMuteChanged()), this, SIGNAL(systemMuteChanged()));
  connect(m_audio, SIGNAL(outputVolumeChanged()), this, SIGNAL(systemVolumeChanged()));
}

MediaVolumeHelper::~MediaVolumeHelper() {
  if (m_audio)
    RAZ::Settings(RAZ::Settings::Application)
        .setValue(QLatin1String(kVolumeKey), m_audio->getOutputVolume());
}

int MediaVolumeHelper::systemVolume() const { return m_audio ? m_audio->getOutputVolume() : 0; }

bool MediaVolumeHelper::systemMute() const { return m_audio && m_audio->getOutputMute(); }

void MediaVolumeHelper::setSystemVolume(int volume) {
  if (m_audio) m_audio->setOutputVolume(volume);
}

void MediaVolumeHelper::setSystemMute(bool mute) {
  if (m_audio) m_audio->setOutputMute(mute);
}

ProfilePictureHelper::ProfilePictureHelper(QObject* parent) : QObject(parent) {
  setShowProfilePictures(
      RAZ::Settings(RAZ::Settings::User).value(QLatin1String(kProfilePhotosKey), true).toBool());
}

QPixmap ProfilePictureHelper::picture(const QString& avatar) const {
  if (avatar.isEmpty()) return QPixmap();
  // Only files on this machine: an address of the network is never fetched.
  const QUrl url(avatar);
  if (url.isLocalFile()) return QPixmap(url.toLocalFile());
  if (avatar.startsWith(QLatin1Char('/'))) return QPixmap(avatar);
  return QPixmap();
}

void ProfilePictureHelper::setShowProfilePictures(bool show) {
  m_show = show;
  RAZ::Settings(RAZ::Settings::User).setValue(QLatin1String(kProfilePhotosKey), show);
  emit showProfilePicturesChanged();
}

ConfigXML::ConfigXML(QObject* parent) : QML::ConfigXML(parent) {
  auto* app = qobject_cast<Application*>(QCoreApplication::instance());
  read(app ? app->getConfig() : nullptr);
}

ConfigXML::ConfigXML(const RAZ::Configuration::Config* config, QObject* parent)
    : QML::ConfigXML(parent) {
  read(config);
}

void ConfigXML::read(const RAZ::Configuration::Config* config) {
  if (!config) return;
  m_playingFileIntoCall = config->getBool(Utils::ConfigId::PlayFileIntoCall);
  m_offlineIndicator = config->getBool(Utils::ConfigId::OfflineMessageIndicator);
  m_transferType = transferTypeOf(config->value(Utils::ConfigId::TransferType).toString());
}

QML::ConfigXML::CallTransferType ConfigXML::transferTypeOf(const QString& value) {
  if (value == QLatin1String("talk-first")) return TalkFirstCT;
  if (value == QLatin1String("blind")) return BlindCT;
  if (value == QLatin1String("full")) return FullCT;
  return NoCT;
}

}  // namespace Providers
