#include "Models/ContactCardFieldsModel.h"

#include <QCoreApplication>
#include <QEvent>

#include <RAZ/Configuration/Config.h>

namespace Models {

namespace {

// The configuration ids that show a field and let it be edited, by type.
struct FieldSwitches {
  int shown;
  int editable;
};
const FieldSwitches kSwitches[] = {{21, 39}, {22, 40}, {23, 41}, {25, 43}, {27, 45}, {24, 42},
                                   {26, 44}, {28, 46}, {29, 47}, {30, 48}, {31, 49}, {33, 51},
                                   {32, 50}, {34, 52}, {35, 53}, {36, 54}, {37, 55}};
// The three switches that together offer the collaboration-room row.
const int kCollabRoomSwitches[] = {38, 270, 271};

const char* const kLabels[] = {QT_TRANSLATE_NOOP("QObject", "Display Name"),
                               QT_TRANSLATE_NOOP("QObject", "First Name"),
                               QT_TRANSLATE_NOOP("QObject", "Last Name"),
                               QT_TRANSLATE_NOOP("QObject", "Work Phone"),
                               QT_TRANSLATE_NOOP("QObject", "Work Extension"),
                               QT_TRANSLATE_NOOP("QObject", "Mobile Phone"),
                               QT_TRANSLATE_NOOP("QObject", "Personal Phone"),
                               QT_TRANSLATE_NOOP("QObject", "Street Address"),
                               QT_TRANSLATE_NOOP("QObject", "City"),
                               QT_TRANSLATE_NOOP("QObject", "Postal Code"),
                               QT_TRANSLATE_NOOP("QObject", "Country"),
                               QT_TRANSLATE_NOOP("QObject", "Email Address"),
                               QT_TRANSLATE_NOOP("QObject", "IM Address"),
                               QT_TRANSLATE_NOOP("QObject", "Dial-in Number"),
                               QT_TRANSLATE_NOOP("QObject", "Conference ID"),
                               QT_TRANSLATE_NOOP("QObject", "Security PIN"),
                               QT_TRANSLATE_NOOP("QObject", "Web Address"),
                               QT_TRANSLATE_NOOP("QObject", "Collaboration Room")};
const int kGroups[] = {0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 4, 4, 4, 5, 5};

bool flag(const RAZ::Configuration::Config* config, int id) {
  return config && config->value(id).toBool();
}

}  // namespace

FieldData::FieldData(int t, bool e) : editable(e), type(t), group(groupFor(t)) { retranslate(); }

QString FieldData::labelFor(int type) {
  if (type < 0 || type > CollabRoomField) return QString();
  return QCoreApplication::translate("QObject", kLabels[type]);
}

int FieldData::groupFor(int type) { return type < 0 || type > CollabRoomField ? 0 : kGroups[type]; }

ContactCardFieldsModel::ContactCardFieldsModel(const RAZ::Configuration::Config* config,
                                               QObject* parent)
    : QAbstractListModel(parent) {
  for (int type = 0; type <= FieldData::WebUrlField; ++type) {
    if (!flag(config, kSwitches[type].shown)) continue;
    m_rows.append(new FieldData(type, flag(config, kSwitches[type].editable)));
  }
  bool room = true;
  for (int id : kCollabRoomSwitches) {
    if (!flag(config, id)) {
      room = false;
      break;
    }
  }
  if (room) m_rows.append(new FieldData(FieldData::CollabRoomField, false));
}

ContactCardFieldsModel::~ContactCardFieldsModel() { qDeleteAll(m_rows); }

int ContactCardFieldsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_rows.size();
}

QVariant ContactCardFieldsModel::data(const QModelIndex& index, int role) const {
  const FieldData* r = index.isValid() ? row(index.row()) : nullptr;
  if (!r) return QVariant();
  switch (role) {
    case FieldTypeRole:
      return r->type;
    case FieldGroupRole:
      return r->group;
    case FieldNameRole:
      return r->name;
    case FieldEditableRole:
      return r->editable;
    default:
      return QVariant();
  }
}

QHash<int, QByteArray> ContactCardFieldsModel::roleNames() const {
  QHash<int, QByteArray> names = QAbstractListModel::roleNames();
  names.insert(FieldTypeRole, "fieldType");
  names.insert(FieldGroupRole, "fieldGroup");
  names.insert(FieldNameRole, "fieldName");
  names.insert(FieldEditableRole, "fieldEditable");
  return names;
}

bool ContactCardFieldsModel::event(QEvent* e) {
  if (e->type() == QEvent::LanguageChange && !m_rows.isEmpty()) {
    for (FieldData* r : qAsConst(m_rows)) r->retranslate();
    emit dataChanged(index(0), index(m_rows.size() - 1), {FieldNameRole});
  }
  return QAbstractListModel::event(e);
}

}  // namespace Models
