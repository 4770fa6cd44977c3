#include "Utils/Sounds/RingSignals.h"

#include "Utils/Sounds/PlayerList.h"
#include "Utils/Sounds/TemporaryFilePlayer.h"

#include <RAZ/Settings.h>
#include <TP/Core/Logging.h>
#include <TP/Xml/Parser.h>

#include <QFile>
#include <QTextStream>
#include "Utils/SettingsKeys.h"

namespace Utils {
namespace Sounds {

namespace {
QString& listPathOverride() {
  static QString path;
  return path;
}
}  // namespace

QString ringSignalListPath() {
  return listPathOverride().isEmpty() ? QStringLiteral(":/sounds/ring_signals.xml")
                                      : listPathOverride();
}

void setRingSignalListPath(const QString& path) { listPathOverride() = path; }

QList<RingSignal> readRingSignals(bool* ok) {
  if (ok) *ok = false;
  QList<RingSignal> out;
  QFile file(ringSignalListPath());
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    TP_LOG("Sounds::readRingSignals", TP::Core::Logging::LevelWarning)
        << "cannot open the ring-signal list " << file.fileName() << ": " << file.errorString();
    return out;
  }
  QTextStream stream(&file);
  const QString text = stream.readAll();

  TP::Xml::Parser parser;
  if (!parser.Parse(text)) {
    TP_LOG("Sounds::readRingSignals", TP::Core::Logging::LevelError)
        << "the ring-signal list " << file.fileName() << " is malformed: " << parser.errorString();
    return out;
  }
  // Only the root's direct children count.
  const TP::Container::List<TP::Xml::Element> children = parser.Root().Children();
  for (const TP::Xml::Element& child : children) {
    if (child.Name() != QLatin1String("ringer")) continue;
    RingSignal ring;
    ring.file = child.getAttribute(QStringLiteral("file"), QString());
    ring.description = child.getAttribute(QStringLiteral("description"), QString());
    ring.isDefault =
        child.getAttribute(QStringLiteral("default"), QString()) == QLatin1String("true");
    out << ring;
  }
  if (ok) *ok = true;
  return out;
}

QString defaultRinger(RAZ::Settings& settings) {
  const QList<RingSignal> list = readRingSignals();
  for (const RingSignal& ring : list) {
    if (ring.isDefault) {
      settings.setValue(Utils::SettingsKey::SoundDefaultRinger, ring.file);
      return ring.file;
    }
  }
  TP_LOG("Sounds::defaultRinger", TP::Core::Logging::LevelWarning)
      << "the ring-signal list marks no default ring signal";
  return QString();
}

QList<TemporaryFilePlayer*>& PlayerList::entries() {
  static QList<TemporaryFilePlayer*> list;
  return list;
}

void PlayerList::forget(TemporaryFilePlayer* player) {
  QList<TemporaryFilePlayer*>& list = entries();
  for (int i = 0; i < list.size(); ++i) {
    if (list[i] == player) list[i] = nullptr;
  }
}

void play(const QString& fileName, QObject* parent, bool stopOthers) {
  QList<TemporaryFilePlayer*>& list = PlayerList::entries();
  int slot = -1;
  if (stopOthers) {
    for (int i = 0; i < list.size(); ++i) {
      delete list[i];  // its destructor clears the slot
      list[i] = nullptr;
    }
    if (!list.isEmpty()) slot = 0;
  } else {
    for (int i = 0; i < list.size(); ++i) {
      if (!list[i] || list[i]->isIdle()) {
        delete list[i];
        list[i] = nullptr;
        slot = i;
        break;
      }
    }
  }
  if (slot < 0) {
    list.append(nullptr);
    slot = list.size() - 1;
  }
  auto* player = new TemporaryFilePlayer(fileName, parent);
  player->setPurpose(TemporaryFilePlayer::Purpose::Preview);
  list[slot] = player;
  player->play();
}

}  // namespace Sounds
}  // namespace Utils
