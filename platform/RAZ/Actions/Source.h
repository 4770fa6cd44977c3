#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include "RAZ/Actions/ActionData.h"

namespace RAZ {
namespace Configuration {
class Config;
}
namespace Controllers {
class CommunicationSession;
}
namespace Actions {

// Something that offers actions: a contact, a history entry, a session, the
// application menu. A source whose offer changes (a contact became a
// favourite, a call started) emits actionsChanged().
class Source : public QObject {
  Q_OBJECT

 public:
  // Source types: 1 a contact, 2 a history entry, 3 a communication session,
  // 4 a dialled number, 5 a composite of contacts, 6 a composite of
  // communication sessions, 7 a mixed composite, 8 a contact group, 9 the
  // application menu.
  enum Type {
    ContactType = 1,
    TimelineEntryType = 2,
    SessionType = 3,
    DialStringType = 4,
    ContactCompositeType = 5,
    CommsCompositeType = 6,
    MixedCompositeType = 7,
    GroupType = 8,
    MenuType = 9
  };

  explicit Source(QObject* parent = nullptr) : QObject(parent) {}

  virtual QList<RAZ::Actions::ActionData> getActions() const { return {}; }
  virtual int getSourceType() const { return 0; }
  // Whether running the action needs the user's confirmation first (a
  // second desktop share, ...).
  virtual bool needsConfirmation(int actionId) const {
    Q_UNUSED(actionId);
    return false;
  }

 signals:
  void actionsChanged();
};

// A source made of several objects (contacts, sessions, timeline entries) that
// an action applies to together. The objects are watched, not owned: one
// that is destroyed drops out of the sources and sourceDestroyed() is emitted.
class SourceComposite : public Source {
  Q_OBJECT

 public:
  explicit SourceComposite(QObject* parent = nullptr) : Source(parent) {}

  void addSource(QObject* source);
  void removeSource(QObject* source);
  void clearSources();
  void reset() { clearSources(); }
  QList<QObject*> sources() const;
  QList<QObject*> getSources() const { return sources(); }
  // The communication sessions among the sources.
  QList<RAZ::Controllers::CommunicationSession*> getCommunicationSessions() const;

  // The actions every source that is itself an action source offers.
  QList<RAZ::Actions::ActionData> getActions() const override;
  bool needsConfirmation(int actionId) const override;

 signals:
  void sourceDestroyed();

 private slots:
  void onSourceDestroyed(QObject* source);

 private:
  QList<QPointer<QObject>> m_sources;
};

// The selected contacts and history entries of a list.
class ContactSourceComposite : public SourceComposite {
  Q_OBJECT

 public:
  explicit ContactSourceComposite(const RAZ::Configuration::Config* config,
                                  QObject* parent = nullptr)
      : SourceComposite(parent), m_config(config) {}
  int getSourceType() const override { return ContactCompositeType; }

 private:
  const RAZ::Configuration::Config* m_config;
};

// The selected communication sessions of the active-communications list.
class ActiveCommsSourceComposite : public SourceComposite {
  Q_OBJECT

 public:
  explicit ActiveCommsSourceComposite(const RAZ::Configuration::Config* config,
                                      QObject* parent = nullptr)
      : SourceComposite(parent), m_config(config) {}
  int getSourceType() const override { return CommsCompositeType; }

 private:
  const RAZ::Configuration::Config* m_config;
};

// Contacts and sessions selected together: what applies to both (adding the
// contacts to the sessions' communication). Follows both selections.
class MixedSourceComposite : public SourceComposite {
  Q_OBJECT

 public:
  MixedSourceComposite(const RAZ::Configuration::Config* config,
                       RAZ::Actions::SourceComposite* contacts,
                       RAZ::Actions::SourceComposite* sessions, QObject* owner = nullptr);
  int getSourceType() const override { return MixedCompositeType; }
  QList<RAZ::Actions::ActionData> getActions() const override;

 private slots:
  void rebuild();

 private:
  const RAZ::Configuration::Config* m_config;
  QPointer<RAZ::Actions::SourceComposite> m_contacts;
  QPointer<RAZ::Actions::SourceComposite> m_sessions;
};

// A number typed into the search or dial-pad field: it offers calls while
// the number under data role 13 is a dialable one.
class DialStringSource : public Source {
  Q_OBJECT

 public:
  static constexpr int NumberRole = 13;
  explicit DialStringSource(QObject* parent = nullptr) : Source(parent) {}
  int getSourceType() const override { return DialStringType; }
  QList<RAZ::Actions::ActionData> getActions() const override;
  QString number() const { return m_number; }
  // Only role 13 is kept; false for any other role.
  bool setData(int role, const QVariant& value);

 private:
  QString m_number;
};

}  // namespace Actions
}  // namespace RAZ
