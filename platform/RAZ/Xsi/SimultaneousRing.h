#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QObject>
#include <QString>

#include "RAZ/Xsi/XsiComponent.h"
#include "RAZ/Xsi/XsiCredentialsControl.h"

namespace RAZ {
namespace Controllers {

// The numbers that ring with the user's own phone, as the client edits
// them: roles "number" and "answerConfirmation".
class RingLocationModel : public QAbstractListModel {
  Q_OBJECT

 public:
  enum Roles { NumberRole = Qt::UserRole + 1, AnswerConfirmationRole };
  struct Entry {
    QString number;
    bool answerConfirmation = false;
  };

  explicit RingLocationModel(QObject* parent = nullptr) : QAbstractListModel(parent) {}
  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  QHash<int, QByteArray> roleNames() const override;

  QList<Entry> entries() const { return m_entries; }
  void setEntries(const QList<Entry>& entries);
  void append(const Entry& entry);
  void removeAt(int row);

 private:
  QList<Entry> m_entries;
};

// Simultaneous ring of the account. updateLists() fetches, saveRingLocations()
// pushes the client's copy; both answer later from the event loop, failures
// as operationFailed. A failed save leaves the client's copy as edited.
class SimultaneousRingController : public QObject {
  Q_OBJECT
  Q_PROPERTY(bool simRingMainActive READ simRingMainActive WRITE setSimRingMainActive NOTIFY
                 settingsChanged)
  Q_PROPERTY(
      bool doNotRingActive READ doNotRingActive WRITE setDoNotRingActive NOTIFY settingsChanged)
  Q_PROPERTY(QAbstractItemModel* locations READ locations CONSTANT)
  Q_PROPERTY(bool busy READ isBusy NOTIFY busyChanged)

 public:
  // The service rings at most this many numbers.
  static const int MaximumLocations = 10;

  explicit SimultaneousRingController(const QString& user, QObject* parent = nullptr);

  bool simRingMainActive() const { return m_active; }
  bool doNotRingActive() const { return m_doNotRing; }
  void setSimRingMainActive(bool on);
  void setDoNotRingActive(bool on);
  QAbstractItemModel* locations() const { return m_model; }
  RingLocationModel* ringLocations() const { return m_model; }
  bool isBusy() const { return m_pending > 0; }

  Q_INVOKABLE void addRingLocation(const QString& number, bool answerConfirmation);
  Q_INVOKABLE void removeRingLocation(int index);
  Q_INVOKABLE void setRingLocation(int index, const QString& number, bool answerConfirmation);

 public slots:
  void updateLists();
  void saveRingLocations();

 signals:
  void settingsChanged();
  void listsReady();
  void saved();
  void busyChanged();
  void operationFailed(RAZ::Xsi::XsiComponent::Error error, const RAZ::Xsi::XsiErrorInfo& info);

 private:
  QString m_user;
  RingLocationModel* m_model;
  bool m_active = false;
  bool m_doNotRing = false;
  int m_pending = 0;
};

}  // namespace Controllers
}  // namespace RAZ
