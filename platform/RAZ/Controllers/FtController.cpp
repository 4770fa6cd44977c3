#include "RAZ/Controllers/FtController.h"

#include <QFileInfo>

#include <TP/Core/Logging.h>

#include "RAZ/Contacts/Contacts.h"
#include "RAZ/Controllers/ChatInterface.h"
#include "RAZ/Data/FTAdapter.h"
#include "RAZ/Models/FTModel.h"

namespace RAZ {
namespace Controllers {

void FtController::startFileTransfer(RAZ::Controllers::ChatInterface* chat, const QString& path) {
  const QFileInfo info(path);
  // Only the base name ever leaves this machine.
  const QString name = info.fileName();
  if (!chat || !info.isFile() || !info.isReadable()) {
    TP_LOG("RAZ::Controllers::FtController::startFileTransfer", TP::Core::Logging::LevelWarning)
        << "File transfer refused: " << (chat ? "not a readable file" : "no chat");
    emit transferFailed(name);
    return;
  }
  TP_LOG("RAZ::Controllers::FtController::startFileTransfer", TP::Core::Logging::LevelInformation)
      << "Offering " << name;
  emit transferStarted(name);
  // The offer waits in the chat's transfers for the peer's answer, which
  // the service reports by moving the transfer on.
  if (RAZ::Models::FTModel* transfers = chat->getFtModel()) {
    auto* transfer = new RAZ::Data::FTAdapter(RAZ::Models::FTModel::newTransferId(), chat->peer(),
                                              RAZ::Data::FTAdapter::Sending, name, info.size());
    transfer->setFilePath(info.absoluteFilePath());
    transfer->setState(RAZ::Data::FTAdapter::StateRequested);
    transfers->addTransfer(transfer);
  }
}

}  // namespace Controllers
}  // namespace RAZ

namespace RAZ {
namespace Controllers {

RAZ::Models::FTModel* FtController::getCreateFTModel(RAZ::Contacts::IContact* contact) {
  if (!contact) return nullptr;
  QPointer<RAZ::Models::FTModel>& model = m_models[contact->getId()];
  if (!model) model = new RAZ::Models::FTModel(this);
  return model;
}

}  // namespace Controllers
}  // namespace RAZ
