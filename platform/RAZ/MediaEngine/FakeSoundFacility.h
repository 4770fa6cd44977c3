#pragma once

#include "Sound.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>

namespace RAZ {
namespace MediaEngine {

// A silent sound facility that remembers what was asked of it, for machines
// without audio and for tests. Sounds "play" until stop() or finish().
class FakeSoundFacility : public SoundFacility {
 public:
  struct Event {
    enum Kind { Create, Start, Stop, Destroy };
    Kind kind;
    QString file;
    bool loop;
    // The output a start played on, and the name and role its stream had.
    QByteArray device = QByteArray();
    QString stream = QString();
    QByteArray role = QByteArray();
  };

  FakeSoundFacility();
  ~FakeSoundFacility() override;

  Sound* createSound(const QString& fileName) override;

  // Everything asked so far, oldest first.
  QList<Event> events() const;
  void clearEvents();
  // Events of one kind, as "file" or "file (loop)" for starts.
  QStringList started() const;
  QStringList created() const;
  int count(Event::Kind kind) const;

  // Sounds currently playing, by file name.
  QStringList playing() const;
  // The sound of `file` ends on its own (a sound played once).
  void finish(const QString& file);

  // Files for which createSound() answers null, and whether start() fails.
  void setMissing(const QStringList& files);
  void setFailStart(bool fail);

  struct State;

 private:
  std::shared_ptr<State> m_state;
};

}  // namespace MediaEngine
}  // namespace RAZ
