#pragma once

#include <QObject>

#include <memory>

namespace RAZ {
namespace MediaEngine {

class SoundFacility;

// The media engine's process-wide handler. At most one exists at a time;
// m_This points at it while it lives and is null otherwise.
class MediaHandlerBase : public QObject {
  Q_OBJECT
 public:
  // Takes ownership of `sounds` (may be null: a media engine without sound).
  explicit MediaHandlerBase(SoundFacility* sounds, QObject* parent = nullptr);
  ~MediaHandlerBase() override;

  // The sound facility; null when the media engine has none.
  SoundFacility* soundFacility() const { return m_sounds.get(); }

  static MediaHandlerBase* m_This;

 private:
  std::unique_ptr<SoundFacility> m_sounds;
};

}  // namespace MediaEngine
}  // namespace RAZ
