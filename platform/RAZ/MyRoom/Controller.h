#pragma once

#include <QObject>
#include <QString>

namespace RAZ {
namespace MyRoom {

// What is known of personal meeting rooms ("My Room") in a session: which
// chat rooms are such rooms and whether the user's own room is ready.
class Controller : public QObject {
  Q_OBJECT

 public:
  explicit Controller(QObject* parent = nullptr) : QObject(parent) {}

  // True for the address of a personal meeting room.
  virtual bool isMyRoomChat(const QString& roomJid) const;
  bool isReady() const { return m_ready; }

  // --- Service side: the room became ready (reported once). ---
  void setReady();

 signals:
  void myRoomReady();

 private:
  bool m_ready = false;
};

}  // namespace MyRoom
}  // namespace RAZ
