#include "RAZ/MediaEngine/CallBasePtr.h"

#include "RAZ/MediaEngine/CallControllerBase.h"
#include "RAZ/MediaEngine/VideoTestPicture.h"
#include "RAZ/Utils/Parsers.h"

namespace RAZ {
namespace MediaEngine {

CallBasePtr::CallBasePtr(const QString& remoteAddress, CallType type, bool incoming,
                         QObject* parent)
    : QObject(parent),
      TP::Core::RefCountable(true, QStringLiteral("RAZ::MediaEngine::CallBasePtr")),
      m_remote(remoteAddress),
      m_type(type),
      m_incoming(incoming),
      m_state(incoming ? StateIncoming : StateDialing),
      m_conference(type == TypeConference) {
  qRegisterMetaType<RAZ::MediaEngine::CallBasePtr::CallState>(
      "RAZ::MediaEngine::CallBasePtr::CallState");
  qRegisterMetaType<RAZ::MediaEngine::Call>("RAZ::MediaEngine::Call");
}

CallBasePtr::~CallBasePtr() {
  VideoTestPicture::paintInto(m_remoteWindow, false, VideoTestPicture::Remote);
  VideoTestPicture::paintInto(m_ownWindow, false, VideoTestPicture::Own);
}

bool CallBasePtr::setCallState(CallState state) {
  if (m_state == StateClosed || state == m_state) return false;
  m_state = state;
  const bool opening = state == StateInCall && !m_connectedAt.isValid();
  if (opening) m_connectedAt = QDateTime::currentDateTime();
  if (state == StateClosed) setVideoState(VideoNone);
  // Receivers of these may drop the last count of the call; a call that
  // nobody counts yet (built by hand) is not counted here either.
  Call keep(ReferenceCount() > 0 ? this : nullptr);
  emit callStateChanged(this, state);
  emit stateChanged();
  if (opening) emit opened();
  if (state == StateClosed) emit closed();
  return true;
}

int CallBasePtr::getMediaState() const {
  switch (m_state) {
    case StateInCall:
    case StateEarlyMedia:
    case StateAttention:
      return MediaBothWays;
    case StateRemoteHeld:
      return MediaTowardsUser;
    default:
      return MediaNone;
  }
}

void CallBasePtr::setVideoState(VideoState state) {
  if (state == m_videoState) return;
  m_videoState = state;
  updateTestPictures();
  emit videoStateChanged();
}

void CallBasePtr::setLocalVideo(bool on, const QSize& size) {
  m_localVideo = on;
  m_localVideoSize = on ? size : QSize();
  updateTestPictures();
}

void CallBasePtr::setVideoWindows(WId remote, WId own) {
  m_remoteWindow = remote ? QWidget::find(remote) : nullptr;
  m_ownWindow = own ? QWidget::find(own) : nullptr;
  updateTestPictures();
}

void CallBasePtr::updateTestPictures() {
  const bool running = m_videoState == VideoActive && m_state != StateClosed;
  VideoTestPicture::paintInto(m_remoteWindow, running, VideoTestPicture::Remote);
  VideoTestPicture::paintInto(m_ownWindow, running && m_localVideo, VideoTestPicture::Own);
}

void CallBasePtr::startVideo() {
  if (m_state == StateClosed) return;
  if (!m_localVideo) setLocalVideo(true, QSize(640, 480));
  setVideoState(VideoActive);
}

void CallBasePtr::stopVideo() { setVideoState(VideoNone); }

bool CallBasePtr::sendDtmf(const QString& tones) {
  static const QString kTones = QStringLiteral("0123456789*#,");
  if (tones.isEmpty() || getMediaState() != MediaBothWays) return false;
  for (const QChar c : tones)
    if (!kTones.contains(c)) return false;
  m_sentTones += tones;
  emit dtmfSent(tones);
  return true;
}

void CallBasePtr::setRecordingState(int state) {
  if (state == m_recording) return;
  m_recording = state;
  emit recordingStateChanged();
}

void CallBasePtr::setConference(bool on) {
  if (on == m_conference) return;
  m_conference = on;
  emit conferenceChanged();
}

void CallBasePtr::setFromAddress(const QString& from, const QString& transferredFrom) {
  m_from = from;
  m_transferredFrom = transferredFrom;
}

void CallBasePtr::muteMicrophone() {
  if (m_muted) return;
  m_muted = true;
  emit microphoneMutedChanged();
}

void CallBasePtr::unmuteMicrophone() {
  if (!m_muted) return;
  m_muted = false;
  emit microphoneMutedChanged();
}

void CallBasePtr::toggleHold() {
  if (m_state == StateInCall)
    setCallState(StateHeld);
  else if (m_state == StateHeld)
    setCallState(StateInCall);
}

void CallBasePtr::answer() {
  if (m_state != StateIncoming && m_state != StateRinging) return;
  if (CallControllerBase* calls = controller())
    if (calls->askBeforeAnswering(this)) return;
  setCallState(StateInCall);
}

void CallBasePtr::cbCallConfirmed() {
  if (m_state != StateIncoming && m_state != StateRinging) return;
  if (CallControllerBase* calls = controller()) calls->holdOthers(this);
  setCallState(StateInCall);
}

void CallBasePtr::setController(CallControllerBase* controller) { m_controller = controller; }

CallControllerBase* CallBasePtr::controller() const {
  return static_cast<CallControllerBase*>(m_controller.data());
}

namespace {
// A bare number (what the network gives for a phone) is read as "tel:".
TP::Core::Refcounting::SmartPtr<TP::Sip::UriPtr> parseAddress(const QString& text) {
  TP::Core::Refcounting::SmartPtr<TP::Sip::UriPtr> uri(new TP::Sip::UriPtr(text));
  if (!uri->IsValid() && RAZ::Utils::PhoneNumberParser::isValidPhoneNumber(text))
    uri = new TP::Sip::UriPtr(QStringLiteral("tel:") +
                              RAZ::Utils::PhoneNumberParser::normalizePhoneNumber(text));
  return uri;
}
}  // namespace

TP::Core::Refcounting::SmartPtr<TP::Sip::UriPtr> CallBasePtr::getFromUri() const {
  return parseAddress(getFromAddress());
}

TP::Core::Refcounting::SmartPtr<TP::Sip::UriPtr> CallBasePtr::getTransferredFromUri() const {
  if (m_transferredFrom.isEmpty()) return nullptr;
  return parseAddress(m_transferredFrom);
}

void CallBasePtr::setRemoteDisplayName(const QString& name) {
  if (name == m_remoteDisplayName) return;
  m_remoteDisplayName = name;
  emit remoteDisplayNameChanged();
}

void CallBasePtr::setRemoteVideoWindow(WId remote) {
  m_remoteWindow = remote ? QWidget::find(remote) : nullptr;
  updateTestPictures();
}

void CallBasePtr::setOwnVideoWindow(WId own) {
  m_ownWindow = own ? QWidget::find(own) : nullptr;
  updateTestPictures();
}

void CallBasePtr::close(int reason) {
  if (m_state == StateClosed) return;
  m_closeReason = reason;
  setCallState(StateClosed);
}

}  // namespace MediaEngine
}  // namespace RAZ
