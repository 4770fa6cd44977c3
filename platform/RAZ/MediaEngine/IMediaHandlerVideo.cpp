#include "IMediaHandlerVideo.h"

#include <QCoreApplication>

#include "MultimediaBackend.h"

namespace RAZ {
namespace MediaEngine {

namespace {
QSize sizeOf(int level) {
  switch (level) {
    case ProfileLevel12:
      return QSize(320, 240);
    case ProfileLevel20:
      return QSize(352, 288);
    case ProfileLevel30:
      return QSize(640, 480);
    case ProfileLevel31:
      return QSize(1280, 720);
    default:
      return QSize();
  }
}
}  // namespace

IMediaHandlerVideo::Camera* IMediaHandlerVideo::findCamera(const QByteArray& name) const {
  const auto found = cameras();
  for (Camera* c : found)
    if (c && c->name() == name) return c;
  return nullptr;
}

SimpleCamera::SimpleCamera(const QByteArray& name, int selectedLevel, const QString& displayName,
                           const QList<int>& levels)
    : m_name(name),
      m_level(selectedLevel),
      m_displayName(displayName.isEmpty() ? QString::fromUtf8(name) : displayName),
      m_levels(levels) {}

QMap<int, QSize> SimpleCamera::getProfileLevels() const {
  QMap<int, QSize> out;
  for (int level : m_levels) out.insert(level, sizeOf(level));
  return out;
}

int SimpleCamera::selectedProfileLevel(QSize* minimum, QSize* maximum) const {
  if (minimum) *minimum = sizeOf(m_level);
  if (maximum) *maximum = sizeOf(m_level);
  return m_level;
}

MediaHandlerVideo::MediaHandlerVideo(QObject* parent) : IMediaHandlerVideo(parent) {}

MediaHandlerVideo::~MediaHandlerVideo() { qDeleteAll(m_cameras); }

void MediaHandlerVideo::addCamera(SimpleCamera* camera) {
  findPendingCameras();
  m_cameras << camera;
  if (!m_current) m_current = camera;
}

void MediaHandlerVideo::addSystemCamerasWhenNeeded(
    std::function<void(MediaHandlerVideo&)> whenNone) {
  m_whenNone = std::move(whenNone);
  m_pending = true;
}

void MediaHandlerVideo::findPendingCameras() const {
  if (!m_pending) return;
  // The list was always there for the callers: filling it late changes
  // nothing they see (every change to the list looks first).
  auto* self = const_cast<MediaHandlerVideo*>(this);
  self->m_pending = false;
  self->addSystemCameras();
  if (m_cameras.isEmpty() && m_whenNone) m_whenNone(*self);
  if (m_pendingLevel >= 0 && m_current)
    m_current->setSelectedProfileLevel(static_cast<ProfileLevel>(m_pendingLevel));
  self->m_pendingLevel = -1;
}

bool MediaHandlerVideo::hasCameras() const {
  if (m_pending && m_whenNone) return true;
  findPendingCameras();
  return !m_cameras.isEmpty();
}

void MediaHandlerVideo::setCurrentCameraLevel(ProfileLevel level) {
  if (m_pending) {
    m_pendingLevel = level;
    return;
  }
  IMediaHandlerVideo::setCurrentCameraLevel(level);
}

IMediaHandlerVideo::Camera* MediaHandlerVideo::currentCamera() const {
  findPendingCameras();
  return m_current;
}

void MediaHandlerVideo::addSystemCameras() {
  if (qEnvironmentVariable("ZENT_SOUND_BACKEND") == QLatin1String("silent")) return;
  if (MultimediaBackend* backend = multimediaBackend()) {
    const auto found = backend->cameras();
    for (const auto& camera : found)
      addCamera(new SimpleCamera(camera.first.toUtf8(), ProfileLevel20, camera.second));
  }
}

QString SimpleCamera::dispname() const {
  if (!m_context) return m_displayName;
  return QCoreApplication::translate(m_context, m_displayName.toUtf8().constData());
}

bool MediaHandlerVideo::removeCamera(const QByteArray& name) {
  findPendingCameras();
  for (int i = 0; i < m_cameras.size(); ++i) {
    if (m_cameras.at(i)->name() != name) continue;
    SimpleCamera* gone = m_cameras.takeAt(i);
    if (m_current == gone) m_current = m_cameras.isEmpty() ? nullptr : m_cameras.first();
    delete gone;
    QMetaObject::invokeMethod(this, "reportCameras", Qt::QueuedConnection);
    return true;
  }
  return false;
}

void MediaHandlerVideo::plugCamera(SimpleCamera* camera) {
  addCamera(camera);
  QMetaObject::invokeMethod(this, "reportCameras", Qt::QueuedConnection);
}

void MediaHandlerVideo::reportCameras() {
  emit videoDeviceAvailabilityChanged(!m_cameras.isEmpty());
}

QList<IMediaHandlerVideo::Camera*> MediaHandlerVideo::cameras() const {
  findPendingCameras();
  QList<Camera*> out;
  for (SimpleCamera* c : m_cameras) out << c;
  return out;
}

bool MediaHandlerVideo::setCurrentCamera(Camera* camera) {
  findPendingCameras();
  for (SimpleCamera* c : qAsConst(m_cameras)) {
    if (c == camera) {
      m_current = camera;
      return true;
    }
  }
  return false;
}

}  // namespace MediaEngine
}  // namespace RAZ
