#pragma once

#include <QMap>
#include <QMetaType>
#include <QObject>
#include <QPointer>
#include <QString>

#include "RAZ/Xsi/XsiComponent.h"
#include "RAZ/Xsi/XsiCredentialsControl.h"

namespace RAZ {
namespace Controllers {

// One supplementary service of the telephony service, switched on or off,
// with its target number where it has one.
class SupplementaryService {
  Q_GADGET

 public:
  enum Id {
    CallForwardingAlways = 0,
    CallForwardingBusy = 2,
    CallForwardingNotReachable = 3,
    CallForwardingNoAnswer = 4,
    CallingLineIdDeliveryBlocking = 11,
    DoNotDisturb = 18,
    RemoteOffice = 19
  };
  Q_ENUM(Id)

  SupplementaryService() = default;
  SupplementaryService(Id id, bool isActive, const QString& target)
      : m_id(id), m_active(isActive), m_target(target) {}

  Id id() const { return m_id; }
  bool isActive() const { return m_active; }
  QString target() const { return m_target; }

  // The service's name as the pages of the call settings use it, and back.
  static QString nameOf(Id id);
  static bool idForName(const QString& name, Id* id);

 private:
  Id m_id = CallForwardingAlways;
  bool m_active = false;
  QString m_target;
};

// One service of the account as the client knows it: its state (on, off, or
// not known yet), its attributes (such as "forwardToPhoneNumber")
// and what it is doing with the service right now. fetch() and push() answer
// later from the event loop with ready() or error(); setState and setValue
// change only the client's copy until it is pushed, and rollback() puts
// back what the service last reported. Scenes compare the state by name
// (Vantre.XsiService.StateOn).
class XsiServiceObject : public QObject {
  Q_OBJECT
  Q_PROPERTY(int id READ id CONSTANT)
  Q_PROPERTY(QString name READ name CONSTANT)
  Q_PROPERTY(int state READ state NOTIFY changed)
  Q_PROPERTY(int activity READ activity NOTIFY changed)

 public:
  enum State { StateUnknown = -1, StateOff = 0, StateOn = 1 };
  Q_ENUM(State)
  enum Activity { Idle = 0, Fetching = 1, Pushing = 2 };
  Q_ENUM(Activity)

  XsiServiceObject(int id, const QString& user, QObject* parent = nullptr);

  int id() const { return m_id; }
  QString name() const;
  int state() const { return m_state; }
  int activity() const { return m_activity; }
  Q_INVOKABLE QString attribute(const QString& name) const { return m_attributes.value(name); }
  QMap<QString, QString> attributes() const { return m_attributes; }

 public slots:
  void fetch();
  void setState(int state);
  void setValue(const QString& value, const QString& attribute);
  void push();
  void rollback();
  // Forgets the state, so that the next page that shows it fetches it.
  void reset();

 signals:
  void ready();
  void error(const QString& error_str);
  void changed();

 private:
  void setActivity(int activity);
  void takeFromService();

  int m_id;
  QString m_user;
  int m_state = StateUnknown;
  int m_activity = Idle;
  QMap<QString, QString> m_attributes;
  int m_heldState = StateUnknown;
  QMap<QString, QString> m_heldAttributes;
};

// The account's supplementary services over XSI. fetchServicesList() asks
// the service which services the account has: servicesReady() or
// fetchFailed() follows from the event loop. getService gives null for a
// service the account lacks (and for all before the list arrived).
class XsiSupplementaryServicesController2 : public QObject {
  Q_OBJECT

 public:
  explicit XsiSupplementaryServicesController2(const QString& user, QObject* parent = nullptr);

  RAZ::Controllers::XsiServiceObject* getService(
      RAZ::Controllers::SupplementaryService::Id id) const;
  Q_INVOKABLE QObject* getServiceByName(const QString& name) const;
  QString getRemoteOfficeNumberAttribute() const { return QStringLiteral("remoteOfficeNumber"); }
  // Set once the services list has arrived.
  bool isReady() const { return m_ready; }
  int servicesCount() const { return m_services.size(); }

 public slots:
  void fetchServicesList();
  void resetServices();

 signals:
  void servicesReady();
  void fetchFailed(RAZ::Xsi::XsiComponent::Error error, const RAZ::Xsi::XsiErrorInfo& info);

 private:
  QString m_user;
  bool m_ready = false;
  bool m_fetching = false;
  QMap<int, QPointer<XsiServiceObject>> m_services;
};

}  // namespace Controllers
}  // namespace RAZ

Q_DECLARE_METATYPE(RAZ::Controllers::SupplementaryService)
