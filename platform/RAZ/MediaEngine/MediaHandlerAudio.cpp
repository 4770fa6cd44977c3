#include "RAZ/MediaEngine/IMediaHandlerAudio.h"

#include <QAudioDeviceInfo>
#include <QAudioInput>
#include <QTimer>
#include <QtEndian>

#include <cmath>

namespace RAZ {
namespace MediaEngine {
namespace {

// Machines without sound (test runs, CI) are told so; they get the demo's
// devices so that every run sees the same lists.
bool useSystemDevices() {
  return qEnvironmentVariable("ZENT_SOUND_BACKEND") != QLatin1String("silent");
}

QList<AudioDevice> systemDevices(QAudio::Mode mode) {
  QList<AudioDevice> out;
  if (!useSystemDevices()) return out;
  for (const QAudioDeviceInfo& info : QAudioDeviceInfo::availableDevices(mode)) {
    const QString name = info.deviceName();
    if (name.isEmpty()) continue;
    AudioDevice d{name, name.toUtf8()};
    if (!out.contains(d)) out << d;
  }
  return out;
}

const long kLevelLimit = 32768;

}  // namespace

MediaHandlerAudio::MediaHandlerAudio(QObject* parent) : IMediaHandlerAudio(parent) {
  m_playback = systemDevices(QAudio::AudioOutput);
  if (m_playback.isEmpty()) m_playback = demoPlaybackDevices();
  m_recording = systemDevices(QAudio::AudioInput);
  if (m_recording.isEmpty()) m_recording = demoRecordingDevices();
}

MediaHandlerAudio::~MediaHandlerAudio() { closeMicrophone(); }

QList<AudioDevice> MediaHandlerAudio::demoPlaybackDevices() {
  return {{QStringLiteral("Demo Speakers"), QByteArrayLiteral("demo-speakers")},
          {QStringLiteral("Demo Headset"), QByteArrayLiteral("demo-headset-out")}};
}

QList<AudioDevice> MediaHandlerAudio::demoRecordingDevices() {
  return {{QStringLiteral("Demo Microphone"), QByteArrayLiteral("demo-microphone")},
          {QStringLiteral("Demo Headset Microphone"), QByteArrayLiteral("demo-headset-in")}};
}

void MediaHandlerAudio::refreshDevices() { ++m_refreshCount; }

void MediaHandlerAudio::setDevices(const QList<AudioDevice>& playback,
                                   const QList<AudioDevice>& recording) {
  m_playback = playback;
  m_recording = recording;
  QMetaObject::invokeMethod(this, "reportDevices", Qt::QueuedConnection);
}

void MediaHandlerAudio::reportDevices() {
  emit audioDeviceAvailabilityChanged(!m_playback.isEmpty() || !m_recording.isEmpty());
}

void MediaHandlerAudio::startSignalLevelMeasurement(bool) {
  if (m_measuring) return;
  m_measuring = true;
  m_peak = 0;
  m_phase = 0;
  openMicrophone();
}

void MediaHandlerAudio::stopSignalLevelMeasurement() {
  m_measuring = false;
  closeMicrophone();
  m_peak = 0;
}

bool MediaHandlerAudio::getSignalLevel(long& level, bool absolute) {
  long abs = 0;
  if (m_measuring) {
    if (m_scriptedLevel >= 0) {
      abs = qMin(m_scriptedLevel, kLevelLimit);
    } else if (m_input) {
      abs = m_peak;
      m_peak = 0;
    } else {
      // A calm synthetic voice: a slow swell between silence and 80 %.
      ++m_phase;
      abs = static_cast<long>((std::sin(m_phase / 3.0) + 1.0) / 2.0 * 0.8 * kLevelLimit);
    }
  }
  level = absolute ? abs : abs * 100 / kLevelLimit;
  return m_measuring;
}

bool MediaHandlerAudio::openMicrophone() {
  if (!useSystemDevices()) return false;
  QAudioDeviceInfo chosen = QAudioDeviceInfo::defaultInputDevice();
  if (!m_currentRecording.isEmpty()) {
    for (const QAudioDeviceInfo& info : QAudioDeviceInfo::availableDevices(QAudio::AudioInput))
      if (info.deviceName().toUtf8() == m_currentRecording) chosen = info;
  }
  if (chosen.isNull()) return false;
  QAudioFormat format;
  format.setSampleRate(8000);
  format.setChannelCount(1);
  format.setSampleSize(16);
  format.setSampleType(QAudioFormat::SignedInt);
  format.setByteOrder(QAudioFormat::LittleEndian);
  format.setCodec(QStringLiteral("audio/pcm"));
  if (!chosen.isFormatSupported(format)) return false;
  m_input = new QAudioInput(chosen, format, this);
  m_inputDevice = m_input->start();
  if (!m_inputDevice) {
    closeMicrophone();
    return false;
  }
  connect(m_inputDevice.data(), &QIODevice::readyRead, this, &MediaHandlerAudio::readMicrophone);
  return true;
}

void MediaHandlerAudio::closeMicrophone() {
  if (!m_input) return;
  m_input->stop();
  delete m_input;
  m_input = nullptr;
}

void MediaHandlerAudio::readMicrophone() {
  if (!m_inputDevice) return;
  const QByteArray data = m_inputDevice->readAll();
  const int samples = data.size() / 2;
  const uchar* p = reinterpret_cast<const uchar*>(data.constData());
  for (int i = 0; i < samples; ++i) {
    const long v = std::labs(static_cast<long>(qFromLittleEndian<qint16>(p + 2 * i)));
    if (v > m_peak) m_peak = v;
  }
}

}  // namespace MediaEngine
}  // namespace RAZ
