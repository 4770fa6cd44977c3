#include "IMediaHandlerVideo.h"

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

int SimpleCamera::selectedProfileLevel(QSize* minimum, QSize* maximum) const {
  if (minimum) *minimum = sizeOf(m_level);
  if (maximum) *maximum = sizeOf(m_level);
  return m_level;
}

MediaHandlerVideo::MediaHandlerVideo(QObject* parent) : IMediaHandlerVideo(parent) {}

MediaHandlerVideo::~MediaHandlerVideo() { qDeleteAll(m_cameras); }

void MediaHandlerVideo::addCamera(SimpleCamera* camera) {
  m_cameras << camera;
  if (!m_current) m_current = camera;
}

QList<IMediaHandlerVideo::Camera*> MediaHandlerVideo::cameras() const {
  QList<Camera*> out;
  for (SimpleCamera* c : m_cameras) out << c;
  return out;
}

bool MediaHandlerVideo::setCurrentCamera(Camera* camera) {
  for (SimpleCamera* c : m_cameras) {
    if (c == camera) {
      m_current = camera;
      return true;
    }
  }
  return false;
}

}  // namespace MediaEngine
}  // namespace RAZ
