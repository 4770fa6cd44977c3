#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

class QAction;

namespace Utils {

// A logical AND over several sources' states: enabled exactly while every
// source that reported agrees. Actions attached to it follow the result.
class AggregationEnabler : public QObject {
  Q_OBJECT

 public:
  enum TargetFlag { FollowEnabled = 1, FollowVisible = 2 };

  explicit AggregationEnabler(QObject* parent = nullptr);

  bool isEnabled() const { return m_enabled; }
  // Attaches an action (not owned): with FollowEnabled its enabled state,
  // with FollowVisible its visibility follow the aggregate, starting now.
  void addTarget(QAction* action, int flags);
  // Records the state of `source` (null counts as one source of its own).
  void setSourceEnabled(bool enabled, const QObject* source);

 public slots:
  void setEnabled(bool enabled);
  void enable();
  void disable();

 signals:
  void enabled(bool state);

 private:
  void recompute();

  QHash<const QObject*, bool> m_sources;
  bool m_enabled = true;
};

}  // namespace Utils
