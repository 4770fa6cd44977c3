#pragma once

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <RAZ/Data/FTAdapter.h>
#include <RAZ/Data/Message.h>
#include <RAZ/Models/ChatModel.h>
#include <RAZ/Models/Smileys.h>
#include <tp/core/SmartPtr.h>

namespace RAZ {
namespace Configuration {
class Config;
}
namespace Models {
class ChatParticipants;
class FTModel;
}  // namespace Models
}  // namespace RAZ

namespace Models {
namespace Chat {

// The transcript of one chat session as one HTML page, kept up to date while
// the chat runs. It owns no messages: they come from the platform's chat
// model, the parties from the participant list and the files from the
// transfer model. Every entry is rendered into an HTML fragment that reaches
// the page through signals (see TranscriptPage); after a history change the
// whole document is rebuilt.
//
// Everything a remote party or the user wrote reaches the page escaped;
// identifiers that end up in element ids or script strings are reduced to
// characters that cannot leave them (see pageId / cleanId).
class MessageModel : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString htmlContent READ htmlContent NOTIFY htmlChanged)
  Q_PROPERTY(QString typingNotification READ typingNotification NOTIFY typingNotificationChanged)
  Q_PROPERTY(
      QDateTime lastMessageReceived READ lastMessageReceived NOTIFY lastMessageReceivedChanged)
  Q_PROPERTY(int maxMessageLength READ maxMessageLength CONSTANT)
  // The received files waiting for an answer, oldest first: each a map of
  // "id" (as the page names the transfer) and "fileName". The page's links
  // are drawn in it, out of reach of the keyboard and of a screen reader:
  // the scene offers the same answers as controls of its own.
  Q_PROPERTY(QVariantList pendingOffers READ pendingOffers NOTIFY pendingOffersChanged)

 public:
  // History periods, as the platform's chat model numbers them.
  enum MessageAge {
    Session = RAZ::Models::ChatModel::Session,
    Yesterday = RAZ::Models::ChatModel::Yesterday,
    LastWeek = RAZ::Models::ChatModel::LastWeek,
    LastMonth = RAZ::Models::ChatModel::LastMonth,
    All = RAZ::Models::ChatModel::All
  };
  Q_ENUM(MessageAge)

  explicit MessageModel(QObject* parent = nullptr);
  ~MessageModel() override;

  QString htmlContent() const { return m_htmlContent; }
  QString typingNotification() const { return m_typingNotification; }
  QDateTime lastMessageReceived() const { return m_lastMessageReceived; }
  int maxMessageLength() const { return m_maxMessageLength; }
  QVariantList pendingOffers() const;
  bool pageLoaded() const { return m_pageLoaded; }
  QStringList pendingHtml() const { return m_pendingHtml; }

  void setSourceModel(RAZ::Models::ChatModel* model);
  void setParticipants(RAZ::Models::ChatParticipants* participants);
  void setSmileys(const TP::Core::Refcounting::SmartPtr<RAZ::Models::SmileysPtr>& smileys);
  void setOwnDisplayName(const QString& name);
  void setFtModel(RAZ::Models::FTModel* model);
  void detachFtModel();
  bool lastActivityIsFileOffer() const;
  // The same from a chat's messages and transfers alone, before any window
  // (and its transcript) exists.
  static bool lastActivityIsFileOffer(const RAZ::Models::ChatModel* chat,
                                      RAZ::Models::FTModel* transfers);

  // The configuration the size limits are read from; by default the
  // application's (null: no limits).
  void setConfiguration(const RAZ::Configuration::Config* config);

  // Rendering, public for the page host and for tests.
  QString textToHtml(const QString& text) const;
  QString createHtml(RAZ::Data::Message::Data& message);
  QString pageHead() const;
  QString css() const { return m_css; }

  // The HTML of a message text (see textToHtml), for any smiley set.
  static QString textToHtml(const QString& text, const RAZ::Models::SmileysPtr* smileys);
  static QString formatFileSize(qint64 bytes);
  static int progressBarOffset(int percent);
  // The sender id reduced to letters, digits, "_" and "-" (class names).
  static QString cleanId(const QString& id);
  // A transfer id as it may stand in element ids and script strings, and
  // back. Ids made of letters, digits, ".", "_" and "-" stay as they are;
  // others are written as "~" and their UTF-8 bytes in hexadecimal.
  static QString pageId(const QString& transferId);
  static QString transferIdFromPage(const QString& pageId);
  // Fills %1..%9 of a template in one pass: text put in never has its own
  // "%n" replaced.
  static QString fill(const QString& templ, const QStringList& args);

 public slots:
  // Marks the chat's messages read (the window asks when the chat is seen).
  void setMessagesRead(bool read);
  void pageLoadFinished();
  void updateMessagesFrom(int age);
  void deleteHistory();
  void onShowAddUsersInfo();

 protected slots:
  void messageAdded(int index, RAZ::Data::Message::Data& message);
  void messageRemoved(int index, RAZ::Data::Message::Data& message);
  void messageUpdated(int index, RAZ::Data::Message::Data& message);
  void participantAdded(QString id, QString name);
  void participantRemoved(QString name);
  void participantJoinedShare(QString name);
  void participantLeftShare(QString name);
  void onRoomIsClosing(uint seconds);
  void onRoomClosed();
  void modelReset();
  void addFiletransfer(RAZ::Data::FTAdapter* ft);
  void ftStateChanged(RAZ::Data::FTAdapter::State state);
  void ftProgressChanged(QString id, int percent, qint64 bytes);
  void acceptFtClicked(QVariant id);
  void cancelFtClicked(QVariant id);
  void openFileClicked(QVariant id);
  void showFileInFolderClicked(QVariant id);
  void typersChanged(QStringList typers);
  void participantNameChanged(QString contactId, QString newName);
  void cssChanged();

 signals:
  void htmlChanged();
  // Shares its name with the model slot and has a one-argument form; both
  // forms are connected by signature.
  void messageAdded(QVariant message, QVariant prepend = false);  // clazy:exclude=overloaded-signal
  void incomingMessage();
  void acceptFt(QVariant id);
  void cancelFt(QVariant id);
  void stateChanged(QVariant id, QVariant innerHtml);
  void progressChanged(QVariant id, QVariant percent, QVariant bytes);
  void typingNotificationChanged();
  void lastMessageReceivedChanged();
  void contactNameChanged(QVariant contactId, QVariant name);
  void pendingOffersChanged();

 protected:
  bool event(QEvent* e) override;

 private:
  void generateCss();
  void addHtml(const QString& html, bool incoming, bool prepend);
  // A line of the transcript that is no message: a party joined or left
  // the chat or a share, the share closes, the hint. Kept, so that a
  // rebuilt page (another language, another style, a longer history)
  // shows it again where it was.
  struct Note {
    enum Kind { Joined, Left, JoinedShare, LeftShare, RoomClosing, RoomClosed, AddUsersInfo };
    Kind kind;
    QString name;
    uint seconds;
    QDateTime time;
  };
  void addNote(Note::Kind kind, const QString& name = QString(), uint seconds = 0);
  QString noteHtml(const Note& note) const;
  QString fileTransferHtml(RAZ::Data::FTAdapter* ft);
  QString transferStatusLine(RAZ::Data::FTAdapter* ft, const QString& size) const;
  void connectFtSignals(RAZ::Data::FTAdapter* ft);
  QString dateSeparator(const QDateTime& time) const;
  const RAZ::Configuration::Config* configuration() const;
  int configLimit(int id) const;
  bool isIncomingFileTooLarge(const RAZ::Data::FTAdapter* ft) const;
  bool isOutgoingFileTooLarge(const RAZ::Data::FTAdapter* ft) const;
  QString fileMissingDetails(const RAZ::Data::FTAdapter* ft) const;
  QString failedText(const RAZ::Data::FTAdapter* ft) const;

  QPointer<RAZ::Models::ChatModel> m_chatModel;
  QPointer<RAZ::Models::FTModel> m_ftModel;
  QStringList m_pendingHtml;
  bool m_pageLoaded = false;
  TP::Core::Refcounting::SmartPtr<RAZ::Models::SmileysPtr> m_smileys;
  QString m_htmlContent;
  QPointer<RAZ::Models::ChatParticipants> m_participants;
  QHash<QString, QString> m_participantNames;
  int m_maxMessageLength = 0;
  int m_historyAge = 0;
  QString m_lastSender;
  QDateTime m_lastDate;
  QString m_ownDisplayName;
  QString m_css;
  QString m_typingNotification;
  QDateTime m_lastMessageReceived;
  const RAZ::Configuration::Config* m_config = nullptr;
  bool m_configSet = false;
  // The user's own name is the program's word for "me" until one is given.
  bool m_ownNameGiven = false;
  bool m_retranslatePending = false;
  QList<Note> m_notes;  // in the order they came
};

}  // namespace Chat
}  // namespace Models
