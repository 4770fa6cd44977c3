#pragma once

#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>

#include "RAZ/Actions/Action.h"
#include "RAZ/Actions/ActionData.h"

class QAction;

namespace RAZ {
namespace Configuration {
class Config;
}

namespace Actions {

class Enabler;
class Source;

// The action model behind the menus of one source: it keeps a platform
// Action per accepted id, links QActions to them (enabled state follows the
// action and the enablers; triggering the QAction runs the action) and
// reports a run action with actionTriggered(data, source).
class Provider : public QObject {
  Q_OBJECT

 public:
  explicit Provider(const RAZ::Configuration::Config* config, QObject* parent = nullptr);
  ~Provider() override;

  // The ids this provider handles. With `append` false the list replaces the
  // accepted ids, otherwise it is added to them.
  void setAcceptedActions(const QList<RAZ::Actions::Action::Id>& ids, bool append);
  QList<RAZ::Actions::Action::Id> acceptedActions() const { return m_accepted; }

  // Links a QAction (not owned) to the platform action `id`; false (logged)
  // for an id that is not accepted or a null action.
  bool linkQAction(QAction* action, RAZ::Actions::Action::Id id);
  // The source reported with triggered actions (not owned).
  void setActionSource(RAZ::Actions::Source* source);
  RAZ::Actions::Source* actionSource() const { return m_source; }
  // Adds an enabler (not owned) consulted for every action.
  void registerActionEnabler(RAZ::Actions::Enabler* enabler);

  RAZ::Actions::Action* action(RAZ::Actions::Action::Id id) const;
  const RAZ::Configuration::Config* configuration() const { return m_config; }

  // Runs an action as if its linked QAction was triggered; false when the id
  // is not accepted, the action is disabled or no source is set.
  bool trigger(RAZ::Actions::Action::Id id);

 signals:
  void actionTriggered(RAZ::Actions::ActionData& data, RAZ::Actions::Source& source);
  void actionConfirmationRequired(RAZ::Actions::Action& action);

 private slots:
  void onQActionTriggered();
  void refresh();

 private:
  bool isEnabled(RAZ::Actions::Action::Id id) const;

  const RAZ::Configuration::Config* m_config;
  QList<RAZ::Actions::Action::Id> m_accepted;
  QMap<RAZ::Actions::Action::Id, RAZ::Actions::Action*> m_actions;
  QList<QPair<QPointer<QAction>, RAZ::Actions::Action::Id>> m_links;
  QPointer<RAZ::Actions::Source> m_source;
  QList<QPointer<RAZ::Actions::Enabler>> m_enablers;
};

}  // namespace Actions
}  // namespace RAZ
