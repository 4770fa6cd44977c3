#pragma once

#include <QMetaType>
#include <QObject>
#include <QString>

namespace RAZ {
namespace Actions {

// A platform action: one operation the user can run from a menu, with its
// state. Menus show it through a QAction linked to it by the Provider.
class Action : public QObject {
  Q_OBJECT

 public:
  // Platform action ids (13 add contact, 18/19 parked-call retrieval, 20 call
  // pull, 21 test call, ...).
  using Id = int;

  explicit Action(Id id, QObject* parent = nullptr);

  Id getId() const { return m_id; }
  bool isEnabled() const { return m_enabled; }
  void setEnabled(bool enabled);
  bool isVisible() const { return m_visible; }
  void setVisible(bool visible);

  // True for the actions that start a call, chat or other communication;
  // the communication-session controller carries those out.
  static bool isCommunicationAction(Id id);

 signals:
  void changed();

 private:
  Id m_id;
  bool m_enabled = true;
  bool m_visible = true;
};

}  // namespace Actions
}  // namespace RAZ
