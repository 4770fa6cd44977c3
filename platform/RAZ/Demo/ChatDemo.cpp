#include "RAZ/Demo/ChatDemo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>

#include <TP/Core/Logging.h>

#include "RAZ/Client.h"
#include "RAZ/Controllers/ChatInterface.h"
#include "RAZ/Controllers/CommunicationSession.h"
#include "RAZ/Controllers/XmppChatController.h"
#include "RAZ/Data/ChatParticipant.h"
#include "RAZ/Data/Message.h"
#include "RAZ/Demo/Service.h"
#include "RAZ/Models/ChatModel.h"
#include "RAZ/Models/ChatParticipants.h"
#include "RAZ/Models/FTModel.h"
#include "RAZ/Sessions/SessionManagerBase.h"
#include "RAZ/Utils/FileWrites.h"
#include "RAZ/Webcollab/WebcollabControllerBase.h"
#include "RAZ/Xsi/XsiCredentialsControl.h"

namespace RAZ {
namespace Demo {

using RAZ::Controllers::ChatInterface;
using RAZ::Data::FTAdapter;

namespace {
bool g_autoTransfer = true;

// Received demo files go to a folder of their own, never over user files.
QString downloadFolder() {
  QString base = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
  if (base.isEmpty()) base = QDir::tempPath();
  const QString folder = base + QStringLiteral("/Zent demo files");
  QDir().mkpath(folder);
  return folder;
}
}  // namespace

QString ChatDemo::storeReceivedFile(const QString& path, const QByteArray& content) {
  // The file appears under its name only once all of it is on the disk: a
  // full disk, or the program ending half-way, leaves no partial file there.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    const QString reason = file.errorString();
    RAZ::Utils::FileWrites::recordFailure(path, reason);
    return reason;
  }
  QString reason;
  if (!RAZ::Utils::FileWrites::write(file, content, &reason)) return reason;
  if (!file.commit()) {
    reason = file.errorString();
    RAZ::Utils::FileWrites::recordFailure(path, reason);
    return reason;
  }
  return QString();
}

ChatDemo::ChatDemo(ChatInterface* chat, const QString& ownAddress)
    : QObject(chat), m_chat(chat), m_ownAddress(ownAddress) {
  setObjectName(QStringLiteral("chatDemo"));
  if (!chat->isRoom() && !ownAddress.isEmpty()) {
    using RAZ::Data::Message::Data;
    RAZ::Models::ChatModel* model = chat->getChatModel();
    const QList<QVariantMap> archived = Service::instance().chatArchive(ownAddress, chat->peer());
    for (const QVariantMap& entry : archived) {
      const int direction = entry.value(QStringLiteral("direction")).toInt();
      const QDateTime time = entry.value(QStringLiteral("time")).toDateTime();
      if ((direction != Data::Sent && direction != Data::Received) || !time.isValid()) continue;
      model->addHistory(Data(0, direction, entry.value(QStringLiteral("sender")).toString(),
                             entry.value(QStringLiteral("text")).toString(), time));
    }
    connect(model, &RAZ::Models::ChatModel::messageAdded, this,
            [this](int, Data& message) { archive(message); });
    connect(model, &RAZ::Models::ChatModel::historyDeleted, this, [this] {
      if (m_chat) Service::instance().forgetChatArchive(m_ownAddress, m_chat->peer());
    });
  }
  connect(chat, &ChatInterface::messageSent, this, &ChatDemo::onMessageSent);
  if (RAZ::Models::FTModel* ft = chat->getFtModel()) {
    connect(ft, &RAZ::Models::FTModel::acceptRequested, this, &ChatDemo::runTransfer);
    connect(ft, &RAZ::Models::FTModel::newFTAdded, this, &ChatDemo::onTransferAdded);
    m_offerTimer = new QTimer(this);
    m_offerTimer->setInterval(kOfferIntervalMs);
    connect(m_offerTimer, &QTimer::timeout, this, &ChatDemo::offerSomething);
    if (Service::instance().presenceChanges()) m_offerTimer->start();
  }
}

void ChatDemo::attach(ChatInterface* chat, const QString& ownAddress) {
  if (!chat || chat->findChild<ChatDemo*>(QString(), Qt::FindDirectChildrenOnly)) return;
  new ChatDemo(chat, ownAddress);
}

void ChatDemo::followChatsOf(RAZ::Controllers::CommunicationSession* session,
                             const QString& ownAddress) {
  if (!session) return;
  attach(session->getChatInterface(), ownAddress);
  connect(session, &RAZ::Controllers::CommunicationSession::chatActiveChanged, session,
          [session, ownAddress] { attach(session->getChatInterface(), ownAddress); });
}

void ChatDemo::archive(const RAZ::Data::Message::Data& message) {
  if (!m_chat || message.getType() != RAZ::Data::Message::Data::Chat) return;
  // An invitation is the service's message of this run, not chat text.
  if (RAZ::Webcollab::WebcollabControllerBase::containsShareTags(message.getText())) return;
  Service::instance().archiveChatMessage(m_ownAddress, m_chat->peer(),
                                         {{QStringLiteral("direction"), message.getDirection()},
                                          {QStringLiteral("sender"), message.getSenderId()},
                                          {QStringLiteral("text"), message.getText()},
                                          {QStringLiteral("time"), message.getTime()}});
}

void ChatDemo::onTransferAdded(FTAdapter* transfer) {
  if (!transfer || transfer->getDirection() != FTAdapter::Sending ||
      transfer->getState() != FTAdapter::StateRequested || !g_autoTransfer)
    return;
  QPointer<FTAdapter> guard(transfer);
  QTimer::singleShot(kPeerAcceptDelayMs, this, [this, guard] {
    if (guard && guard->getState() == FTAdapter::StateRequested) runTransfer(guard);
  });
}

void ChatDemo::onMessageSent() {
  // Somebody offline neither reads nor types.
  if (!m_chat || m_chat->isRoom() || !Service::instance().peerIsOnline(m_chat)) return;
  QPointer<ChatInterface> chat = m_chat;
  const QString peer = chat->peer();
  QTimer::singleShot(kTypingDelayMs, this, [chat, peer] {
    if (chat) chat->setTypers({peer});
  });
  // A peer that does not answer stops typing after a while.
  QTimer::singleShot(kTypingTimeoutMs, this, [chat] {
    if (chat) chat->setTypers({});
  });
}

void ChatDemo::offerSomething() {
  if (m_chat && Service::instance().presenceChanges()) offerSomethingIn(m_chat);
}

FTAdapter* ChatDemo::offerSomethingIn(ChatInterface* chat) {
  ChatDemo* demo =
      chat ? chat->findChild<ChatDemo*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
  // Somebody shown offline sends nothing.
  if (!demo || chat->isRoom() || !Service::instance().peerIsOnline(chat)) return nullptr;
  ++demo->m_offers;
  return offerFile(chat, QStringLiteral("notes-%1.txt").arg(demo->m_offers),
                   2048 + 512 * demo->m_offers, 0);
}

void ChatDemo::runTransfer(FTAdapter* transfer) {
  if (!transfer || !g_autoTransfer) return;
  QPointer<FTAdapter> guard(transfer);
  QTimer::singleShot(0, this, [this, guard] {
    if (!guard) return;
    guard->setState(FTAdapter::StateTransferring);
    stepTransfer(guard);
  });
}

void ChatDemo::stepTransfer(QPointer<FTAdapter> transfer) {
  QTimer::singleShot(kProgressStepMs, this, [this, transfer] {
    if (!transfer || transfer->getState() != FTAdapter::StateTransferring) return;
    const int next = transfer->getPercent() + 20;
    transfer->setProgress(next);
    if (next < 100) {
      stepTransfer(transfer);
      return;
    }
    if (transfer->getDirection() == FTAdapter::Sending) {
      transfer->setState(FTAdapter::StateSent);
      return;
    }
    // Only the base name of what the peer called the file is used.
    QString name = QFileInfo(transfer->getFileName()).fileName();
    if (name.isEmpty() || name == QLatin1String("..")) name = QStringLiteral("received-file");
    // Where the user chose to save it, else a fresh name in the folder.
    QString path = transfer->getFilePath();
    if (path.isEmpty()) {
      path = downloadFolder() + QLatin1Char('/') + name;
      for (int n = 2; QFileInfo::exists(path); ++n)
        path = downloadFolder() + QStringLiteral("/%1-%2").arg(n).arg(name);
    }
    const QString error = storeReceivedFile(path, QByteArray("A file of the Zent demo service.\n"));
    if (!error.isEmpty()) {
      transfer->setError(error);
      transfer->setState(FTAdapter::StateFailed);
      return;
    }
    transfer->setFilePath(path);
    transfer->setState(FTAdapter::StateReceived);
  });
}

void ChatDemo::receiveMessage(ChatInterface* chat, const QString& from, const QString& text) {
  QPointer<ChatInterface> guard(chat);
  QTimer::singleShot(0, chat, [guard, from, text] {
    if (guard) emit guard->messageReceived(from.isEmpty() ? guard->peer() : from, text);
  });
}

bool ChatDemo::enterRoom(ChatInterface* chat, const QString& jid, const QString& name) {
  if (!chat || !chat->isRoom() || !chat->getParticipants()) return false;
  QPointer<ChatInterface> guard(chat);
  QTimer::singleShot(0, chat, [guard, jid, name] {
    if (!guard) return;
    RAZ::Models::ChatParticipants* people = guard->getParticipants();
    if (!people) return;
    people->addParticipant(name, RAZ::Data::ChatParticipant::Member, nullptr);
    people->add(jid, name);
    people->rename(jid, name);
  });
  return true;
}

bool ChatDemo::changeRoom(ChatInterface* chat, const QString& name, const QString& subject) {
  RAZ::Client* client = Service::instance().client();
  RAZ::Sessions::SessionManagerBase* session = client ? client->openSession() : nullptr;
  RAZ::Controllers::XmppChatController* rooms = session ? session->xmppChatController() : nullptr;
  if (!chat || !chat->isRoom() || !rooms || !rooms->hasRoom(chat->roomJid())) return false;
  QPointer<RAZ::Controllers::XmppChatController> guard(rooms);
  const QString jid = chat->roomJid();
  QTimer::singleShot(0, rooms, [guard, jid, name, subject] {
    if (guard) guard->changeRoom(jid, name, subject);
  });
  return true;
}

void ChatDemo::setTypers(ChatInterface* chat, const QStringList& typers) {
  QPointer<ChatInterface> guard(chat);
  QTimer::singleShot(0, chat, [guard, typers] {
    if (guard) guard->setTypers(typers);
  });
}

FTAdapter* ChatDemo::offerFile(ChatInterface* chat, const QString& fileName, qint64 size,
                               int direction, const QString& id) {
  if (!chat || !chat->getFtModel()) return nullptr;
  const QString transferId = id.isEmpty() ? RAZ::Models::FTModel::newTransferId() : id;
  auto* transfer = new FTAdapter(transferId, chat->peer(), direction, fileName, size);
  transfer->setState(FTAdapter::StateOffered);
  chat->getFtModel()->addTransfer(transfer);
  return transfer;
}

void ChatDemo::setTransferState(FTAdapter* transfer, FTAdapter::State state) {
  if (transfer) transfer->setState(state);
}

void ChatDemo::setTransferProgress(FTAdapter* transfer, int percent) {
  if (transfer) transfer->setProgress(percent);
}

void ChatDemo::setAutoTransfer(bool on) { g_autoTransfer = on; }

}  // namespace Demo
}  // namespace RAZ
