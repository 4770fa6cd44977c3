#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include "RAZ/Xsi/XsiComponent.h"
#include "RAZ/Xsi/XsiCredentialsControl.h"

namespace RAZ {
namespace Controllers {

class GranitewayAnywhereController;

// One anywhere location of the account: a phone that rings as an extension
// of the user's line. setActive asks the service to switch it (the location
// changes when the service has answered); the other setters edit the
// client's copy until the controller saves it.
class GWALocation : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString phoneNumber READ getPhoneNumber NOTIFY locationChanged)
  Q_PROPERTY(QString description READ getDescription WRITE setDescription NOTIFY locationChanged)
  Q_PROPERTY(bool active READ getActive WRITE setActive NOTIFY locationChanged)
  Q_PROPERTY(bool diversionInhibitor READ diversionInhibitor WRITE setDiversionInhibitor NOTIFY
                 locationChanged)
  Q_PROPERTY(bool answerConfirmation READ answerConfirmation WRITE setAnswerConfirmation NOTIFY
                 locationChanged)
  Q_PROPERTY(bool callControl READ callControl WRITE setCallControl NOTIFY locationChanged)
  Q_PROPERTY(bool criteriaActive READ criteriaActive WRITE setCriteriaActive NOTIFY locationChanged)

 public:
  GWALocation(GranitewayAnywhereController* controller, const QString& number,
              QObject* parent = nullptr);
  // A location of the client's own (a scene's "Location" element): not the
  // service's, so switching it changes only this copy.
  explicit GWALocation(QObject* parent = nullptr) : GWALocation(nullptr, QString(), parent) {}

  bool getActive() const { return m_active; }
  QString getPhoneNumber() const { return m_number; }
  QString getDescription() const { return m_description; }
  bool diversionInhibitor() const { return m_diversionInhibitor; }
  bool answerConfirmation() const { return m_answerConfirmation; }
  bool callControl() const { return m_callControl; }
  bool criteriaActive() const { return m_criteriaActive; }

  void setDescription(const QString& text);
  void setDiversionInhibitor(bool on);
  void setAnswerConfirmation(bool on);
  void setCallControl(bool on);
  void setCriteriaActive(bool on);

  // Set by the controller from what the service reports.
  void setFromService(const QString& description, bool active, bool diversionInhibitor,
                      bool answerConfirmation, bool callControl, bool criteriaActive);

 public slots:
  void setActive(bool on);

 signals:
  void locationChanged();

 private:
  QPointer<GranitewayAnywhereController> m_controller;
  QString m_number;
  QString m_description;
  bool m_active = false;
  bool m_diversionInhibitor = false;
  bool m_answerConfirmation = false;
  bool m_callControl = false;
  bool m_criteriaActive = true;
};

// The locations in the order the service lists them. Role 268 ("location")
// holds each GWALocation.
class GWALocationModel : public QAbstractListModel {
  Q_OBJECT

 public:
  enum Roles { LocationRole = 268 };
  explicit GWALocationModel(QObject* parent = nullptr) : QAbstractListModel(parent) {}

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QHash<int, QByteArray> roleNames() const override;

  GWALocation* at(int row) const;
  int indexOf(const QString& number) const;
  void setLocations(const QList<GWALocation*>& locations);
  void append(GWALocation* location);
  void removeAt(int row);

 private:
  QList<QPointer<GWALocation>> m_locations;
};

// The account's anywhere locations. Every request answers later from the
// event loop; failures arrive as operationFailed.
class GranitewayAnywhereController : public QObject {
  Q_OBJECT
  Q_PROPERTY(bool alertAll READ alertAll WRITE setAlertAll NOTIFY alertAllChanged)
  Q_PROPERTY(QAbstractItemModel* locations READ getLocations CONSTANT)
  Q_PROPERTY(bool busy READ isBusy NOTIFY busyChanged)

 public:
  explicit GranitewayAnywhereController(const QString& user, QObject* parent = nullptr);

  QAbstractItemModel* getLocations() const { return m_model; }
  GWALocationModel* locationModel() const { return m_model; }
  bool alertAll() const { return m_alertAll; }
  bool isBusy() const { return m_pending > 0; }
  void setAlertAll(bool on);

  // Used by a location to switch itself.
  void pushActive(RAZ::Controllers::GWALocation* location, bool on);

 public slots:
  void updateLists();
  void addLocation(const QString& number);
  void saveLocationDetails(int index, bool isNewLocation);
  void fetchLocationDetails(int index);
  void removeLocation(int index);

 signals:
  void serviceStatusReady();
  void detailsReady(int index);
  void alertAllChanged();
  void busyChanged();
  void operationFailed(RAZ::Xsi::XsiComponent::Error error, const RAZ::Xsi::XsiErrorInfo& info);

 private:
  // Runs `work` as the service's answer; false from `work` means a failure
  // it has reported already. A scripted failure of `save` kind is reported
  // instead of running it.
  template <typename Work>
  void answerLater(bool save, Work work);
  void begin();
  void end();
  bool failed(bool save);

  QString m_user;
  GWALocationModel* m_model;
  bool m_alertAll = false;
  int m_pending = 0;
};

}  // namespace Controllers
}  // namespace RAZ
