#pragma once

#include <QChar>
#include <QRegExp>
#include <QString>

// Constant texts and expressions read by the chat transcript, the chat-room
// configuration dialog, the location dialog and the directory search. They
// are built once before main() runs and never change.
namespace Utils {
namespace Constants {

// Chat-room names: one or more characters, none of them a form feed, line
// feed, carriage return, tab, vertical tab or bar.
inline const QString RoomNamePattern = QStringLiteral(R"(^[^\f|\n|\r|\t|\v]+$)");
inline const QString RoomNameForbidden = QStringLiteral(R"([\f|\n|\r|\t|\v])");

inline const QString LocationHelpContext = QStringLiteral("locationPublish");
inline const QString EmptyText;

namespace Chat {

inline const QString DateLine = QStringLiteral("<div class='date'>%1</div>");
inline const QString LocalSender =
    QStringLiteral("<span class='local_sender'><span class='sender %1'>%2</span> %3</span>");
inline const QString RemoteSender = QStringLiteral(
    "<div class ='remote_sender_bg'><span class='remote_sender'><span class='sender %1'>%2</span> "
    "%3</span></div>");
inline const QString LocalSenderWithIcon = QStringLiteral(
    "<span class='local_sender'><img id='msgicon-%1' class='msgicon' "
    "src='qrc:/windows/CommunicationsWindow/Chat/loading_small.gif' style='%2'/><span "
    "class='sender %3'>%4</span> %5</span><span><a class='msgaction' "
    "onclick='performHtmlCommand(\"delete\", %1)'>delete</a></span>");
inline const QString MessageBody = QStringLiteral("<div class='%1_content'>%2</div>");
inline const QString TransferProgressBar = QStringLiteral(
    "<img class='progressbar' id='progressbar-%1' "
    "src='qrc:/windows/CommunicationsWindow/Chat/progressbar_stroke.png' "
    "style='background-position: "
    "%2px 0px;' />");
inline const QString TransferBlock =
    QStringLiteral("<div class='filetransfer' id='filetransfer-%1'>%2</div>");
inline const QString TransferFileLine = QStringLiteral(
    "<div class='filename'><span>%1</span><span>%2</span></div><div class='filedetails'>%3</div>");
inline const QString IncomingTransferButtons = QStringLiteral(
    "<div class='ft_buttons'><span class='ft_button' onclick='window.qml.acceptClicked(\"%1\"); "
    "return false;'>%2</span> | <span class='ft_button' "
    "onclick='window.qml.cancelClicked(\"%1\"); return false;'>%3</span></div>");
inline const QString RunningTransferButton = QStringLiteral(
    "%2 | <span class='ft_button' onclick='window.qml.cancelClicked(\"%1\"); return "
    "false;'>%3</span>");
inline const QString RunningTransferButtonUpdate = QStringLiteral(
    "%2 | <span class='ft_button' onclick='window.qml.cancelClicked(\"%1\"); return "
    "false;'>%3</span>");
inline const QString FinishedTransferButtons = QStringLiteral(
    "<span class='ft_button' onclick='window.qml.openFileClicked(\"%1\"); return false;'>%2</span> "
    "| <span class='ft_button' onclick='window.qml.showInFolderClicked(\"%1\"); return "
    "false;'>%3</span>");
inline const QString AddParticipantsHint = QStringLiteral("<div class='addusersinfo'>%1</div>");
inline const QString JoinLeaveLine = QStringLiteral("<div class='joinpart'>%1</div>");
inline const QString ShareParticipantsLine =
    QStringLiteral("<div class='shareparticipants'>%1</div>");
inline const QString RoomClosingLine = QStringLiteral("<div class='roomclosing'>%1</div>");

// Links end before a closing typographic quotation mark or guillemet.
inline const QRegExp LinkExpression(
    QStringLiteral(
        R"(\b((?:(?:([a-z][\w-]+:/{1,3})|www\d{0,3}[.]|[a-z0-9.\-]+[.][a-z]{2,4}/)(?:[^\s()<>]+|\(([^\s()<>]+|(\([^\s()<>]+\)))*\))+(?:\(([^\s()<>]+|(\([^\s()<>]+\)))*\)|\}\]|[^\s`!()\[\]{};:'".,<>?%1%2%3%4%5%6]))))")
        .arg(QChar(0x00AB))
        .arg(QChar(0x00BB))
        .arg(QChar(0x201C))
        .arg(QChar(0x201D))
        .arg(QChar(0x2018))
        .arg(QChar(0x2019)),
    Qt::CaseSensitive);
inline const QRegExp EmailExpression(
    QStringLiteral(R"(\b([a-z0-9.\-+_]+@[a-z0-9.\-]+[.][a-z]{1,5}[^\s/`!()\[\]{};:'".,<>?]))"),
    Qt::CaseInsensitive);
inline const QRegExp LineBreakExpression(QStringLiteral("\n|\r"), Qt::CaseSensitive);

}  // namespace Chat
}  // namespace Constants
}  // namespace Utils
