#pragma once

#include <QObject>

#include "RAZ/Actions/Action.h"

namespace RAZ {
namespace Actions {

// Decides whether actions may run in the current state (session connected,
// camera present, ...). The provider asks every registered enabler; an action
// is enabled when none refuses it. enable() tells the provider to ask again.
class Enabler : public QObject {
  Q_OBJECT

 public:
  explicit Enabler(QObject* parent = nullptr) : QObject(parent) {}

  virtual bool isEnabled(RAZ::Actions::Action::Id id) const { return true; }

 signals:
  void enable(const RAZ::Actions::Enabler* enabler);
};

}  // namespace Actions
}  // namespace RAZ
