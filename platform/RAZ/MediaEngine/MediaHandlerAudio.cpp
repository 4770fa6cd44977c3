#include "RAZ/MediaEngine/IMediaHandlerAudio.h"

#include "RAZ/MediaEngine/MultimediaBackend.h"

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

MediaHandlerAudio::DeviceProbe& deviceProbe() {
  static MediaHandlerAudio::DeviceProbe probe;
  return probe;
}

MediaHandlerAudio::DescriptionProbe& descriptionProbe() {
  static MediaHandlerAudio::DescriptionProbe probe;
  return probe;
}

QList<AudioDevice> systemDevices(bool output) {
  QList<AudioDevice> out;
  QStringList names;
  QHash<QString, QString> descriptions;
  if (deviceProbe()) {
    names = deviceProbe()(output);
  } else {
    if (!useSystemDevices()) return out;
    MultimediaBackend* backend = multimediaBackend();
    if (!backend) return out;
    names = backend->audioDeviceNames(output);
  }
  if (descriptionProbe())
    descriptions = descriptionProbe()(output);
  else if (useSystemDevices())
    if (MultimediaBackend* backend = multimediaBackend())
      descriptions = backend->audioDeviceDescriptions(output);
  for (const QString& name : qAsConst(names)) {
    if (name.isEmpty() || MediaHandlerAudio::isPseudoDevice(name)) continue;
    if (!output && MediaHandlerAudio::isMonitor(name)) continue;
    const QString shown = descriptions.value(name).trimmed();
    AudioDevice d{shown.isEmpty() ? name : shown, name.toUtf8()};
    if (!out.contains(d)) out << d;
  }
  return out;
}

const long kLevelLimit = 32768;

}  // namespace

MediaHandlerAudio::MediaHandlerAudio(QObject* parent) : IMediaHandlerAudio(parent) {}

void MediaHandlerAudio::readDevices() const {
  if (m_devicesRead) return;
  m_devicesRead = true;
  m_playback = systemDevices(true);
  if (m_playback.isEmpty()) m_playback = demoPlaybackDevices();
  m_recording = systemDevices(false);
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

bool MediaHandlerAudio::isPseudoDevice(const QString& name) {
  // ALSA's plug-ins that convert what passes through them (rates, channel
  // mixes, echo and noise filters) or hand it to another sound system: they are listed as outputs
  // beside the cards but are no place of their own to hear a sound. The
  // "default" one is what "Use Default" chooses already.
  static const QStringList plugins = {QStringLiteral("default"),
                                      QStringLiteral("lavrate"),
                                      QStringLiteral("lavcrate"),
                                      QStringLiteral("samplerate"),
                                      QStringLiteral("samplerate_best"),
                                      QStringLiteral("samplerate_linear"),
                                      QStringLiteral("samplerate_medium"),
                                      QStringLiteral("samplerate_order"),
                                      QStringLiteral("speexrate"),
                                      QStringLiteral("speexrate_best"),
                                      QStringLiteral("speexrate_medium"),
                                      QStringLiteral("upmix"),
                                      QStringLiteral("vdownmix"),
                                      QStringLiteral("jack"),
                                      QStringLiteral("oss"),
                                      QStringLiteral("a52"),
                                      QStringLiteral("dmix"),
                                      QStringLiteral("dsnoop"),
                                      QStringLiteral("null"),
                                      QStringLiteral("pulse"),
                                      QStringLiteral("pipewire"),
                                      QStringLiteral("speex")};
  return plugins.contains(name.trimmed(), Qt::CaseInsensitive);
}

bool MediaHandlerAudio::isMonitor(const QString& name) {
  return name.trimmed().endsWith(QLatin1String(".monitor"), Qt::CaseInsensitive);
}

void MediaHandlerAudio::setDescriptionProbe(DescriptionProbe probe) {
  descriptionProbe() = std::move(probe);
}

void MediaHandlerAudio::setDeviceProbe(DeviceProbe probe) { deviceProbe() = std::move(probe); }

void MediaHandlerAudio::refreshDevices() {
  ++m_refreshCount;
  // Lists nobody has read yet are read fresh when first asked for.
  if (!m_devicesRead) return;
  // Machines without devices of their own keep the demo's lists.
  const QList<AudioDevice> playback = systemDevices(true);
  const QList<AudioDevice> recording = systemDevices(false);
  if ((playback.isEmpty() || playback == m_playback) &&
      (recording.isEmpty() || recording == m_recording))
    return;
  setDevices(playback.isEmpty() ? m_playback : playback,
             recording.isEmpty() ? m_recording : recording);
}

void MediaHandlerAudio::setDevices(const QList<AudioDevice>& playback,
                                   const QList<AudioDevice>& recording) {
  m_devicesRead = true;
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
  MultimediaBackend* backend = multimediaBackend();
  if (!backend) return false;
  m_input = backend->openMicrophone(m_currentRecording, this,
                                    [this](const QByteArray& data) { readMicrophone(data); });
  return m_input != nullptr;
}

void MediaHandlerAudio::closeMicrophone() {
  delete m_input;
  m_input = nullptr;
}

void MediaHandlerAudio::readMicrophone(const QByteArray& data) {
  const int samples = data.size() / 2;
  const uchar* p = reinterpret_cast<const uchar*>(data.constData());
  for (int i = 0; i < samples; ++i) {
    const long v = std::labs(static_cast<long>(qFromLittleEndian<qint16>(p + 2 * i)));
    if (v > m_peak) m_peak = v;
  }
}

}  // namespace MediaEngine
}  // namespace RAZ
