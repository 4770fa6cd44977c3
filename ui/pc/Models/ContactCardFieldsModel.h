#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QObject>
#include <QString>

namespace RAZ {
namespace Configuration {
class Config;
}
}  // namespace RAZ

namespace Models {

// One row of the contact card: a contact field with its label, its visual
// group and whether the user may edit it.
class FieldData {
  Q_GADGET

 public:
  enum FieldType {
    DisplayNameField = 0,
    FirstNameField = 1,
    LastNameField = 2,
    WorkPhoneField = 3,
    ExtensionField = 4,
    MobilePhoneField = 5,
    PersonalPhoneField = 6,
    StreetField = 7,
    CityField = 8,
    PostalCodeField = 9,
    CountryField = 10,
    EmailField = 11,
    JidField = 12,
    ConferencePhoneField = 13,
    ConferenceIdField = 14,
    ConferencePinField = 15,
    WebUrlField = 16,
    CollabRoomField = 17
  };
  Q_ENUM(FieldType)

  FieldData(int type, bool editable);

  // The translated label of a field type (empty outside 0 to 17).
  static QString labelFor(int type);
  // The group of a field type: 0 names, 1 phones, 2 address, 3 e-mail and
  // IM, 4 conference, 5 web and room (0 outside 0 to 17).
  static int groupFor(int type);
  void retranslate() { name = labelFor(type); }

  QString name;
  bool editable;
  int type;
  int group;
};

// The rows of the contact card, decided once from the configuration: which
// fields show, in the order of their type, and which may be edited.
class ContactCardFieldsModel : public QAbstractListModel {
  Q_OBJECT

 public:
  enum Roles {
    FieldTypeRole = 361,
    FieldGroupRole = 316,
    FieldNameRole = 362,
    FieldEditableRole = Qt::EditRole
  };

  ContactCardFieldsModel(const RAZ::Configuration::Config* config, QObject* parent = nullptr);
  ~ContactCardFieldsModel() override;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QHash<int, QByteArray> roleNames() const override;
  bool event(QEvent* e) override;

  const FieldData* row(int i) const { return i >= 0 && i < m_rows.size() ? m_rows.at(i) : nullptr; }

 private:
  QList<FieldData*> m_rows;
};

}  // namespace Models
