#pragma once

#include <QImage>
#include <QObject>
#include <QSize>
#include <QStringList>

#include "RAZ/Webcollab/USSClient.h"

class QTimer;

namespace RAZ {
namespace Webcollab {

// A web-collaboration (screen sharing) of a communication session. The
// owner presents; everybody else views the owner's screen, delivered as
// frames (frameChanged) rendered for the size the viewer asks for.
class WebcollabBase : public QObject {
  Q_OBJECT
  Q_PROPERTY(int state READ state NOTIFY stateChanged)
  Q_PROPERTY(bool owner READ isOwner NOTIFY ownerChanged)
  Q_PROPERTY(bool errorState READ isInErrorState NOTIFY stateChanged)

 public:
  enum State {
    StateIdle = 0,
    StateInvited = 1,
    StateConnecting = 2,
    StateActive = 3,
    StateClosed = 4,
    // Watching somebody else's screen, and being in the share as a party.
    ViewingShare = 5,
    Joined = 6,
    // Presenting the own desktop.
    Sharing = 8
  };
  Q_ENUM(State)

  explicit WebcollabBase(const QStringList& participants, QObject* parent = nullptr);
  ~WebcollabBase() override;

  int state() const { return m_state; }
  Q_INVOKABLE int getState() const { return m_state; }
  void setState(int state);
  QStringList participants() const { return m_participants; }
  // Capability tags of the peers that this client does not support.
  Q_INVOKABLE QStringList getMismatchedTags() const { return m_mismatched; }
  // Removes a participant by nickname; false when there is none.
  bool removeParticipant(const QString& nickname);

  // True when the user presents the share.
  Q_INVOKABLE bool isOwner() const { return m_owner; }
  void setOwner(bool owner);
  // Shares of the newer sharing library (the default) and of the older one
  // both deliver frames as pictures here; the viewer the window picks and
  // what it does when the share ends differ.
  Q_INVOKABLE bool isUsingNewLibrary() const { return m_newLibrary; }
  void setUsingNewLibrary(bool on) { m_newLibrary = on; }
  // The sharing library reported an error (ussError) and the share has not
  // changed state since.
  bool isInErrorState() const { return m_error; }
  // --- Service side: the sharing library fails (the error state, ussError).
  void reportError(USSClient::USSLIBERROR code, USSClient::ErrorType kind);
  // The size the viewer shows frames at; frames are rendered to fit it.
  Q_INVOKABLE void setViewSize(const QSize& size);
  // The shared screen's own size (the demo's is 1280 x 800).
  QSize screenSize() const { return m_screenSize; }

  // Delivers one frame of the shared screen now (the demo's timer does this
  // while the user views a share). Nothing for the owner or a closed share.
  bool deliverFrame();

 public slots:
  void acceptParticipantSession();
  void rejectParticipantSession();
  void closeWebcollab();

 signals:
  void stateChanged();
  void mismatchChanged();
  void ownerChanged();
  void kicked();
  void ussError(USSClient::USSLIBERROR code, USSClient::ErrorType kind);
  void frameChanged(QImage frame);
  void shareStopped();
  void notifyUserJoined(const QString name);
  void notifyUserLeft(const QString name);
  void roomIsClosing(unsigned seconds);
  void roomClosed();

 private:
  QImage renderFrame() const;
  void updateFrameTimer();

  int m_state = StateIdle;
  bool m_error = false;
  QStringList m_participants;
  QStringList m_mismatched;
  bool m_owner = false;
  QSize m_viewSize;
  QSize m_screenSize = QSize(1280, 800);
  QTimer* m_frameTimer;
  int m_frames = 0;
  bool m_newLibrary = true;
};

}  // namespace Webcollab
}  // namespace RAZ
