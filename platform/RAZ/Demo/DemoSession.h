#pragma once

#include <QString>

#include <memory>

#include "RAZ/Sessions/SessionManagerBase.h"

class QTimer;

namespace RAZ {
namespace MediaEngine {
class MediaHandlerAudio;
class MediaHandlerVideo;
}  // namespace MediaEngine
namespace Demo {

// A session of the demo service. Its objects are built when the sign-in
// succeeds (open) from the demo data, as children of the session, so they
// go with it.
class DemoSession : public RAZ::Sessions::SessionManagerBase {
  Q_OBJECT

 public:
  explicit DemoSession(const RAZ::Configuration::Config* config, QObject* parent = nullptr);
  ~DemoSession() override;

  // Builds the session's objects for the account; called once, before the
  // client reports the session open.
  void open(const QString& username, const QString& password);
  bool isBuilt() const { return m_built; }

  // Starts or stops the demo contacts' presence changes.
  void setPresenceChanges(bool on, int intervalMs);
  // One presence change of the fixed sequence (what the timer does).
  void changeSomePresence();

 private:
  bool m_built = false;
  std::unique_ptr<RAZ::MediaEngine::MediaHandlerAudio> m_audio;
  QTimer* m_presenceTimer = nullptr;
  quint32 m_seed = 20240601u;
};

}  // namespace Demo
}  // namespace RAZ
