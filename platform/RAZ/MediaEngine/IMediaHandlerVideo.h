#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QSize>

#include <functional>

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
    // The camera's id.
    virtual QByteArray name() const = 0;
    // The name the user sees.
    virtual QString dispname() const = 0;
    // The capture sizes the camera offers, by level (ascending).
    virtual QMap<int, QSize> getProfileLevels() const = 0;
    // The selected level (-1 when none is selected); the sizes of that
    // level are written through the pointers that are not null.
    virtual int selectedProfileLevel(QSize* minimum, QSize* maximum) const = 0;
    virtual void setSelectedProfileLevel(ProfileLevel level) = 0;
  };

  explicit IMediaHandlerVideo(QObject* parent = nullptr) : QObject(parent) {}

  virtual QList<Camera*> cameras() const = 0;
  // The camera with the id, or null.
  Camera* findCamera(const QByteArray& name) const;
  // True when `camera` is now the one in use.
  virtual bool setCurrentCamera(Camera* camera) = 0;
  virtual Camera* currentCamera() const = 0;
  virtual int currentProfileLevel() const = 0;
  // Whether there is a camera to use, as cheaply as the handler can tell.
  virtual bool hasCameras() const { return !cameras().isEmpty(); }
  // Gives the camera in use (when there is one) the capture level.
  virtual void setCurrentCameraLevel(ProfileLevel level) {
    if (Camera* camera = currentCamera()) camera->setSelectedProfileLevel(level);
  }

 signals:
  // The user's preferences changed; the engine re-reads what concerns it.
  void preferencesChanged();
  // The system's camera list changed.
  void videoDeviceAvailabilityChanged(bool available);
};

// A camera of the stand-in media engine.
class SimpleCamera : public IMediaHandlerVideo::Camera {
 public:
  // Without levels the camera offers the four standard sizes; without a
  // display name it shows its id.
  explicit SimpleCamera(const QByteArray& name, int selectedLevel = -1,
                        const QString& displayName = QString(),
                        const QList<int>& levels = QList<int>{ProfileLevel12, ProfileLevel20,
                                                              ProfileLevel30, ProfileLevel31});
  QByteArray name() const override { return m_name; }
  // The display name, in the interface language when it has a context.
  QString dispname() const override;
  // The display name is a text of the catalogues, of this context (a
  // literal that outlives the camera): it is translated whenever it is read,
  // so that a switch of language renames the camera.
  void setTranslationContext(const char* context) { m_context = context; }
  QMap<int, QSize> getProfileLevels() const override;
  int selectedProfileLevel(QSize* minimum, QSize* maximum) const override;
  void setSelectedProfileLevel(ProfileLevel level) override { m_level = level; }

 private:
  QByteArray m_name;
  int m_level;
  QString m_displayName;
  QList<int> m_levels;
  const char* m_context = nullptr;
};

// The stand-in media engine's video handler: a fixed list of cameras.
class MediaHandlerVideo : public IMediaHandlerVideo {
  Q_OBJECT
 public:
  explicit MediaHandlerVideo(QObject* parent = nullptr);
  ~MediaHandlerVideo() override;

  // Takes ownership. The first camera added becomes the current one.
  void addCamera(SimpleCamera* camera);
  // The system's cameras from Qt Multimedia, where there are any and the
  // process is not told to stay silent.
  void addSystemCameras();
  // The system's cameras are looked for when a camera is first needed, not
  // now: Qt Multimedia and its camera plug-ins weigh some megabytes on a
  // sign-in that may never place a video call. `whenNone` adds the cameras
  // offered when the system has none (at least one).
  void addSystemCamerasWhenNeeded(std::function<void(MediaHandlerVideo&)> whenNone);
  bool hasCameras() const override;
  void setCurrentCameraLevel(ProfileLevel level) override;
  // Scripting: removes the camera with the id and reports the change from
  // the event loop; false when there is none.
  bool removeCamera(const QByteArray& name);
  // Scripting: adds a camera and reports the change from the event loop.
  void plugCamera(SimpleCamera* camera);
  void setCurrentProfileLevel(int level) { m_level = level; }

  QList<Camera*> cameras() const override;
  bool setCurrentCamera(Camera* camera) override;
  Camera* currentCamera() const override;
  int currentProfileLevel() const override { return m_level; }

 private:
  Q_INVOKABLE void reportCameras();
  // Looks for the system's cameras when that was left for later.
  void findPendingCameras() const;

  std::function<void(MediaHandlerVideo&)> m_whenNone;
  bool m_pending = false;
  // The level given to the camera in use before the cameras were looked for.
  int m_pendingLevel = -1;
  QList<SimpleCamera*> m_cameras;
  Camera* m_current = nullptr;
  int m_level = ProfileLevel20;
};

}  // namespace MediaEngine
}  // namespace RAZ
