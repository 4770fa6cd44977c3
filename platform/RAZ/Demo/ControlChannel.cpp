#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>

#include <TP/Core/Logging.h>

#include "RAZ/Demo/Service.h"
#include "RAZ/Sessions/Session.h"

namespace RAZ {
namespace Demo {

namespace {

// Carries out one command line; false for an unknown or malformed one.
bool runCommand(const QString& line) {
  const QStringList words = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
  if (words.isEmpty()) return false;
  Service& demo = Service::instance();
  const QString command = words.first();
  if (words.size() == 1) {
    if (command == QLatin1String("lose-service")) return demo.loseService();
    if (command == QLatin1String("restore-service")) return demo.restoreService();
    // The telephony service's web interface alone (call settings) goes or
    // comes back; calls and chat stay.
    if (command == QLatin1String("lose-xsi"))
      return demo.setSubSessionState(RAZ::Sessions::SubSession::TypeXsi,
                                     RAZ::Sessions::Session::Closed);
    if (command == QLatin1String("restore-xsi"))
      return demo.setSubSessionState(RAZ::Sessions::SubSession::TypeXsi,
                                     RAZ::Sessions::Session::Active);
    if (command == QLatin1String("fail-call-logs")) return demo.failCallLogRetrieval(true);
    if (command == QLatin1String("fetch-call-logs")) return demo.failCallLogRetrieval(false);
    if (command == QLatin1String("ldap-credentials-error"))
      return demo.reportLdapCredentialsError(true);
    if (command == QLatin1String("ldap-credentials-fixed"))
      return demo.reportLdapCredentialsError(false);
    if (command == QLatin1String("password-expired")) return demo.reportCredentialsDaysLeft(-1);
    if (command == QLatin1String("someone-calls")) return demo.someoneCalls() != 0;
    if (command == QLatin1String("voice-mail")) return demo.leaveVoiceMail();
    if (command == QLatin1String("hold-called-parties") ||
        command == QLatin1String("release-called-parties")) {
      demo.holdCalledParties(command.startsWith(QLatin1String("hold")));
      return true;
    }
    return false;
  }
  if (words.size() != 2) return false;
  using Kind = RAZ::Controllers::CommunicationSession::Kind;
  // Digits alone are a contact's id; anything else ("+4930100201",
  // "sip:nora.albrecht@demo.zent") the number or address somebody calls,
  // writes or shares from.
  bool ok = false;
  const QString party = words.at(1);
  const int id = party.toInt(&ok);
  const bool byId = ok && !party.startsWith(QLatin1Char('+'));
  const auto from = [&](Kind kind) {
    return byId ? demo.incomingSession(id, kind) : demo.incomingSessionFrom(party, kind);
  };
  if (command == QLatin1String("incoming-call")) return from(Kind::KindCall);
  if (command == QLatin1String("incoming-chat")) return from(Kind::KindChat);
  if (command == QLatin1String("incoming-share")) return from(Kind::KindWebCollab);
  if (command == QLatin1String("missed-call"))
    return byId ? demo.missedCall(id) : demo.missedCall(0, party);
  if (!byId) return false;
  if (command == QLatin1String("offer-file")) return demo.offerFile(id);
  if (command == QLatin1String("password-expires"))
    return id >= 0 && demo.reportCredentialsDaysLeft(id);
  return false;
}

}  // namespace

void Service::startControlChannel() {
  static QPointer<QLocalServer> server;
  const QString name = qEnvironmentVariable("ZENT_DEMO_CONTROL");
  if (server || name.isEmpty()) return;
  server = new QLocalServer(this);
  server->setSocketOptions(QLocalServer::UserAccessOption);
  QLocalServer::removeServer(name);
  if (!server->listen(name)) {
    TP_LOG("RAZ::Demo::Service", TP::Core::Logging::LevelWarning)
        << "Control channel not available: " << server->errorString();
    return;
  }
  connect(server.data(), &QLocalServer::newConnection, this, [] {
    while (QLocalSocket* socket = server ? server->nextPendingConnection() : nullptr) {
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      connect(socket, &QLocalSocket::readyRead, socket, [socket] {
        while (socket->canReadLine()) {
          // Commands are short; anything longer is not one of them.
          const QString line = QString::fromUtf8(socket->readLine(256)).trimmed();
          const bool done = runCommand(line);
          TP_LOG("RAZ::Demo::Service", TP::Core::Logging::LevelDetail)
              << "Control command " << (done ? "run" : "refused");
          socket->write(done ? "ok\n" : "refused\n");
        }
      });
    }
  });
}

}  // namespace Demo
}  // namespace RAZ
