#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSize>

namespace RAZ {
namespace MediaEngine {

// Capture sizes of a camera, by coding level.
enum ProfileLevel : int {
  ProfileLevel12 = 12,  // small
  ProfileLevel20 = 20,  // medium
  ProfileLevel30 = 30,  // large
  ProfileLevel31 = 31,  // HD
};

// The video side of the media engine, as the program configures it.
class IMediaHandlerVideo : public QObject {
  Q_OBJECT
 public:
  class Camera {
   public:
    virtual ~Camera() = default;
    virtual QByteArray name() const = 0;
    // The selected level (-1 when none is selected); the sizes of that
    // level are written through the pointers that are not null.
    virtual int selectedProfileLevel(QSize* minimum, QSize* maximum) const = 0;
    virtual void setSelectedProfileLevel(ProfileLevel level) = 0;
  };

  explicit IMediaHandlerVideo(QObject* parent = nullptr) : QObject(parent) {}

  virtual QList<Camera*> cameras() const = 0;
  // True when `camera` is now the one in use.
  virtual bool setCurrentCamera(Camera* camera) = 0;
  virtual Camera* currentCamera() const = 0;
  virtual int currentProfileLevel() const = 0;

 signals:
  // The user's preferences changed; the engine re-reads what concerns it.
  void preferencesChanged();
};

// A camera of the stand-in media engine.
class SimpleCamera : public IMediaHandlerVideo::Camera {
 public:
  explicit SimpleCamera(const QByteArray& name, int selectedLevel = -1)
      : m_name(name), m_level(selectedLevel) {}
  QByteArray name() const override { return m_name; }
  int selectedProfileLevel(QSize* minimum, QSize* maximum) const override;
  void setSelectedProfileLevel(ProfileLevel level) override { m_level = level; }

 private:
  QByteArray m_name;
  int m_level;
};

// The stand-in media engine's video handler: a fixed list of cameras.
class MediaHandlerVideo : public IMediaHandlerVideo {
  Q_OBJECT
 public:
  explicit MediaHandlerVideo(QObject* parent = nullptr);
  ~MediaHandlerVideo() override;

  // Takes ownership. The first camera added becomes the current one.
  void addCamera(SimpleCamera* camera);
  void setCurrentProfileLevel(int level) { m_level = level; }

  QList<Camera*> cameras() const override;
  bool setCurrentCamera(Camera* camera) override;
  Camera* currentCamera() const override { return m_current; }
  int currentProfileLevel() const override { return m_level; }

 private:
  QList<SimpleCamera*> m_cameras;
  Camera* m_current = nullptr;
  int m_level = ProfileLevel20;
};

}  // namespace MediaEngine
}  // namespace RAZ
