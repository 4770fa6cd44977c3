#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include "RAZ/Actions/ActionData.h"

namespace RAZ {
namespace Actions {

// Something that offers actions: a contact, a session, the application menu.
class Source : public QObject {
  Q_OBJECT

 public:
  explicit Source(QObject* parent = nullptr) : QObject(parent) {}

  virtual QList<RAZ::Actions::ActionData> getActions() const { return {}; }
  // The kind of source (6 active communications, 9 the application menu, ...).
  virtual int getSourceType() const { return 0; }
};

// A source made of several objects (contacts, sessions, timeline entries) that
// an action applies to together. The objects are watched, not owned: one
// that is destroyed drops out of sources().
class SourceComposite : public Source {
  Q_OBJECT

 public:
  explicit SourceComposite(QObject* parent = nullptr) : Source(parent) {}

  void addSource(QObject* source);
  void removeSource(QObject* source);
  void clearSources() { m_sources.clear(); }
  QList<QObject*> sources() const;

  // The actions every source that is itself an action source offers.
  QList<RAZ::Actions::ActionData> getActions() const override;

 private:
  QList<QPointer<QObject>> m_sources;
};

}  // namespace Actions
}  // namespace RAZ
