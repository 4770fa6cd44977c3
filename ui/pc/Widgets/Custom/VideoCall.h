#pragma once

#include <QSize>
#include <QWidget>

namespace Widgets {
namespace Custom {

// The surface the media engine draws a video call on: the remote picture
// fills the surface's own native window, the own-camera preview a small
// native child in the bottom-left corner, 15 px from the edges. It draws
// nothing itself.
class VideoCall : public QWidget {
  Q_OBJECT

 public:
  explicit VideoCall(QWidget* parent = nullptr);
  ~VideoCall() override;

  void setShowOwnVideo(bool show);
  // Whether the preview is switched on (also while the window is hidden).
  bool isOwnVideoShown() const;
  // The preview's native window, where the own picture goes (0 without one).
  WId ownVideoWinId() const;
  QWidget* ownVideo() const { return m_ownVideo; }
  // Fits the local video's size into a quarter of the surface, keeping its
  // aspect ratio; writes the result back and gives it to the preview.
  void setOwnVideoSize(QSize& size);

 signals:
  void videoDoubleClicked();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QWidget* m_ownVideo;
};

}  // namespace Custom
}  // namespace Widgets
