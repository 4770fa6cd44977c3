#pragma once

#include <QMetaType>
#include <QObject>
#include <QString>

namespace RAZ {
namespace Utils {
namespace Location {

// A location of the user as the service reports or publishes it.
struct Info {
  double latitude = 0.0;
  double longitude = 0.0;
  QString ipAddress;
  QString timeZone;
  QString manualLocation;
  QString city;
  QString country;
  QString state;
  // Carried along unread by the client (the service's own locality code).
  QString locality;

  // True when nothing but the address is known.
  bool isEmpty() const {
    return timeZone.isEmpty() && manualLocation.isEmpty() && city.isEmpty() && country.isEmpty() &&
           state.isEmpty();
  }
  // The address does not take part: two reports of one place are equal.
  bool operator==(const Info& o) const {
    return timeZone == o.timeZone && manualLocation == o.manualLocation && city == o.city &&
           country == o.country && state == o.state;
  }
  bool operator!=(const Info& o) const { return !(*this == o); }
};

// Reports the location the service found for the user: from the server's
// XSI interface or from XMPP publish-subscribe.
class Source : public QObject {
  Q_OBJECT

 public:
  explicit Source(QObject* parent = nullptr) : QObject(parent) {}

 signals:
  void xsiLocationReceived(const RAZ::Utils::Location::Info& info);
  void pubsubLocationReceived(const RAZ::Utils::Location::Info& info);
};

// Publishes the user's own location while the session runs.
class Publisher : public QObject {
  Q_OBJECT

 public:
  explicit Publisher(QObject* parent = nullptr) : QObject(parent) {}
  bool isActive() const { return m_active; }

 public slots:
  void uninitialize() { m_active = false; }
  void ownLocationChanged() {}

 private:
  bool m_active = true;
};

}  // namespace Location
}  // namespace Utils
}  // namespace RAZ

Q_DECLARE_METATYPE(RAZ::Utils::Location::Info)
