#pragma once

#include <QList>
#include <QMetaType>
#include <QVariant>

namespace RAZ {
namespace Actions {

// The description of an action a source offers: its id, the kind of property
// it acts on (a phone-number type such as 13 "Work"), a value and sub-actions.
class ActionData {
 public:
  ActionData() = default;
  explicit ActionData(int id, int propertyType = 0, const QVariant& value = QVariant())
      : m_id(id), m_propertyType(propertyType), m_value(value) {}

  int getId() const { return m_id; }
  int getPropertyType() const { return m_propertyType; }
  QList<ActionData> getSubActions() const { return m_subActions; }
  void addSubAction(const ActionData& data) { m_subActions.append(data); }

  bool operator==(const ActionData& o) const {
    return m_id == o.m_id && m_propertyType == o.m_propertyType && m_value == o.m_value &&
           m_subActions == o.m_subActions;
  }

 private:
  int m_id = 0;
  int m_propertyType = 0;
  QVariant m_value;
  QList<ActionData> m_subActions;
};

}  // namespace Actions
}  // namespace RAZ

Q_DECLARE_METATYPE(RAZ::Actions::ActionData)
