#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "RAZ/Databases/Comms.h"

#include <QHash>

namespace RAZ {
namespace Contacts {
class IContact;
}
namespace Models {
class FTModel;
}
}  // namespace RAZ

namespace RAZ {
namespace Controllers {

class ChatInterface;

// Sends and receives files in chats.
class FtController : public QObject {
  Q_OBJECT

 public:
  explicit FtController(QObject* parent = nullptr) : QObject(parent) {}

  void setCommsDb(RAZ::Databases::Comms* db) { m_db = db; }
  RAZ::Databases::Comms* commsDb() const { return m_db; }
  // The transfers with a contact (one model per contact, made when first
  // asked for); null without a contact.
  RAZ::Models::FTModel* getCreateFTModel(RAZ::Contacts::IContact* contact);

 public slots:
  // Offers the file to the chat's peer. A missing chat, or a path that is
  // not a readable file, is refused with transferFailed.
  void startFileTransfer(RAZ::Controllers::ChatInterface* chat, const QString& path);

 signals:
  void transferStarted(const QString& fileName);
  void transferFailed(const QString& fileName);

 private:
  QPointer<RAZ::Databases::Comms> m_db;
  QHash<int, QPointer<RAZ::Models::FTModel>> m_models;
};

}  // namespace Controllers
}  // namespace RAZ
