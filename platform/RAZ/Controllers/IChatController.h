#pragma once

#include <QObject>
#include <QPointer>

#include "RAZ/Databases/Comms.h"

namespace RAZ {
namespace Controllers {

// A chat service of the session (SIP or XMPP). The communications database
// keeps the messages when the session keeps history.
class IChatController : public QObject {
  Q_OBJECT

 public:
  explicit IChatController(QObject* parent = nullptr) : QObject(parent) {}

  void setCommsDb(RAZ::Databases::Comms* db) { m_db = db; }
  RAZ::Databases::Comms* commsDb() const { return m_db; }

 private:
  QPointer<RAZ::Databases::Comms> m_db;
};

}  // namespace Controllers
}  // namespace RAZ
