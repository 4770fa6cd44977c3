#include "FakeSoundFacility.h"

#include <TP/Core/Logging.h>

namespace RAZ {
namespace MediaEngine {

struct FakeSoundFacility::State {
  QList<Event> events;
  QStringList missing;
  bool failStart = false;
  QList<class FakeSound*> sounds;
};

class FakeSound : public Sound {
 public:
  FakeSound(const QString& file, std::shared_ptr<FakeSoundFacility::State> state,
            std::shared_ptr<QByteArray> device)
      : m_file(file), m_state(std::move(state)), m_device(std::move(device)) {
    m_state->sounds << this;
    m_state->events << FakeSoundFacility::Event{FakeSoundFacility::Event::Create, m_file, false};
  }
  ~FakeSound() override {
    m_state->sounds.removeAll(this);
    m_state->events << FakeSoundFacility::Event{FakeSoundFacility::Event::Destroy, m_file, false};
  }
  bool start(bool loop) override {
    m_state->events << FakeSoundFacility::Event{
        FakeSoundFacility::Event::Start, m_file, loop, *m_device, m_streamName, m_role};
    if (m_state->failStart) {
      TP_LOG("FakeSound::start", TP::Core::Logging::LevelError)
          << "sound could not start: " << m_file;
      m_playing = false;
      return false;
    }
    m_playing = true;
    return true;
  }
  void stop() override {
    m_state->events << FakeSoundFacility::Event{FakeSoundFacility::Event::Stop, m_file, false};
    m_playing = false;
  }
  bool isPlaying() const override { return m_playing; }
  QString fileName() const override { return m_file; }
  void finish() { m_playing = false; }

 private:
  QString m_file;
  std::shared_ptr<FakeSoundFacility::State> m_state;
  std::shared_ptr<QByteArray> m_device;
  bool m_playing = false;
};

FakeSoundFacility::FakeSoundFacility() : m_state(std::make_shared<State>()) {}
FakeSoundFacility::~FakeSoundFacility() = default;

Sound* FakeSoundFacility::createSound(const QString& fileName) {
  if (fileName.isEmpty() || m_state->missing.contains(fileName)) {
    TP_LOG("FakeSoundFacility::createSound", TP::Core::Logging::LevelWarning)
        << "no such sound: " << fileName;
    return nullptr;
  }
  return new FakeSound(fileName, m_state, m_device);
}

QList<FakeSoundFacility::Event> FakeSoundFacility::events() const { return m_state->events; }
void FakeSoundFacility::clearEvents() { m_state->events.clear(); }

QStringList FakeSoundFacility::started() const {
  QStringList out;
  for (const Event& e : qAsConst(m_state->events)) {
    if (e.kind == Event::Start) out << (e.loop ? e.file + QStringLiteral(" (loop)") : e.file);
  }
  return out;
}

QStringList FakeSoundFacility::created() const {
  QStringList out;
  for (const Event& e : qAsConst(m_state->events)) {
    if (e.kind == Event::Create) out << e.file;
  }
  return out;
}

int FakeSoundFacility::count(Event::Kind kind) const {
  int n = 0;
  for (const Event& e : qAsConst(m_state->events)) n += e.kind == kind ? 1 : 0;
  return n;
}

QStringList FakeSoundFacility::playing() const {
  QStringList out;
  for (FakeSound* s : qAsConst(m_state->sounds)) {
    if (s->isPlaying()) out << s->fileName();
  }
  return out;
}

void FakeSoundFacility::finish(const QString& file) {
  for (FakeSound* s : qAsConst(m_state->sounds)) {
    if (s->fileName() == file) s->finish();
  }
}

void FakeSoundFacility::setMissing(const QStringList& files) { m_state->missing = files; }
void FakeSoundFacility::setFailStart(bool fail) { m_state->failStart = fail; }

}  // namespace MediaEngine
}  // namespace RAZ
