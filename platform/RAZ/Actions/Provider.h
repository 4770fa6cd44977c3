#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QMap>
#include <QPointer>

#include "RAZ/Actions/Action.h"
#include "RAZ/Actions/ActionData.h"
#include "RAZ/Actions/Enabler.h"
#include "RAZ/Actions/Source.h"

class QAction;

namespace RAZ {
namespace Configuration {
class Config;
}

namespace Actions {

class Enabler;
class Source;

// The action model behind the menus of one source: a list model whose rows
// are the accepted actions that the current source offers, in accepted
// order. It links QActions to its actions (their enabled state follows the
// action, the source and the enablers; triggering one runs the action) and
// reports a run action with actionTriggered(data, source). An action that
// needs the user's confirmation is reported by actionConfirmationRequired
// instead; its trigger() then runs it, its reject() drops it.
class Provider : public QAbstractListModel {
  Q_OBJECT
  Q_PROPERTY(int count READ count NOTIFY countChanged)

 public:
  enum Roles { IdRole = Qt::UserRole + 1, EnabledRole, ActionRole };

  explicit Provider(const RAZ::Configuration::Config* config, QObject* parent = nullptr);
  ~Provider() override;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QHash<int, QByteArray> roleNames() const override;
  int count() const { return m_rows.size(); }

  // The ids this provider handles. With `append` false the list replaces the
  // accepted ids, otherwise it is added to them.
  void setAcceptedActions(const QList<RAZ::Actions::Action::Id>& ids, bool append);
  QList<RAZ::Actions::Action::Id> acceptedActions() const { return m_accepted; }

  // Links a QAction (not owned) to the platform action `id`; false (logged)
  // for an id that is not accepted or a null action. A QAction carrying the
  // property "SUBMENU_ACTION" runs that sub-action (a number) of the action.
  bool linkQAction(QAction* action, RAZ::Actions::Action::Id id);
  // The source actions apply to (not owned).
  void setActionSource(RAZ::Actions::Source* source);
  RAZ::Actions::Source* getActionSource() const { return m_source; }
  // Adds an enabler (not owned) consulted for every action.
  void registerActionEnabler(RAZ::Actions::Enabler* enabler);

  // The action of an accepted id, whether the source offers it or not; null
  // for an id that is not accepted.
  RAZ::Actions::Action* action(RAZ::Actions::Action::Id id) const;
  RAZ::Actions::Action* getActionById(RAZ::Actions::Action::Id id) const;
  // The action of a row (rows follow the source's offer).
  RAZ::Actions::Action* getAction(int row) const;
  const RAZ::Configuration::Config* configuration() const { return m_config; }

  bool isEnabled(RAZ::Actions::Action::Id id) const;
  bool isEnabledByEnablers(RAZ::Actions::Action::Id id) const;
  RAZ::Actions::ActionData actionData(RAZ::Actions::Action::Id id) const;

  // Runs an action as if its linked QAction was triggered; false when the id
  // is not accepted, the action is disabled or no source is set.
  bool trigger(RAZ::Actions::Action::Id id);
  bool trigger(RAZ::Actions::Action::Id id, const RAZ::Actions::ActionData& data);
  // Runs the action a double click or Enter means for the source: call,
  // else chat, video, call from phone, join room. False when none applies.
  Q_INVOKABLE bool triggerDefaultAction();
  // Scenes pass ids as numbers (Action.Call and the like).
  Q_INVOKABLE bool triggerAction(int id) { return trigger(RAZ::Actions::Action::Id(id)); }
  // The action of an accepted id for scenes (its `enabled`), or null.
  Q_INVOKABLE QVariant getActionAsVariant(int id) const {
    return QVariant::fromValue<QObject*>(
        static_cast<QObject*>(action(RAZ::Actions::Action::Id(id))));
  }

 signals:
  void actionTriggered(RAZ::Actions::ActionData& data, RAZ::Actions::Source& source);
  void actionConfirmationRequired(RAZ::Actions::Action& action);
  void countChanged();

 private slots:
  void onQActionTriggered();
  void refresh();
  void onSourceDestroyed();

 private:
  friend class Action;
  // Runs an action the user confirmed (or one that needs no confirmation).
  void run(RAZ::Actions::Action::Id id, const RAZ::Actions::ActionData& data);
  void rebuildRows();

  const RAZ::Configuration::Config* m_config;
  QList<RAZ::Actions::Action::Id> m_accepted;
  QMap<RAZ::Actions::Action::Id, RAZ::Actions::Action*> m_actions;
  QList<RAZ::Actions::Action*> m_rows;
  QMap<RAZ::Actions::Action::Id, RAZ::Actions::ActionData> m_offered;
  QList<QPair<QPointer<QAction>, RAZ::Actions::Action::Id>> m_links;
  QPointer<RAZ::Actions::Source> m_source;
  QList<QPointer<RAZ::Actions::Enabler>> m_enablers;
  bool m_refreshing = false;
};

}  // namespace Actions
}  // namespace RAZ
