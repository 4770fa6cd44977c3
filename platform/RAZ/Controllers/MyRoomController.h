#pragma once

#include <QObject>
#include <QString>

#include "RAZ/MyRoom/Controller.h"

namespace RAZ {
namespace Controllers {

// The user's personal meeting room ("My Room").
class MyRoomController : public RAZ::MyRoom::Controller {
  Q_OBJECT

 public:
  explicit MyRoomController(const QString& roomJid, QObject* parent = nullptr)
      : RAZ::MyRoom::Controller(parent), m_roomJid(roomJid) {}
  QString roomJid() const { return m_roomJid; }
  bool hasMyRoom() const { return !m_roomJid.isEmpty(); }

 public slots:
  // Opens the room (the reason is sent with invitations): the service is
  // asked by startRequested, and myRoomReady follows, both from the event
  // loop.
  void startMyRoom(const QString reason);
  void preferencesChanged() {}

 signals:
  // The room is to be opened: what the personal-room service acts on.
  void startRequested(const QString& reason);

 private:
  QString m_roomJid;
};

}  // namespace Controllers
}  // namespace RAZ
