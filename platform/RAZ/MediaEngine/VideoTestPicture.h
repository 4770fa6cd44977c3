#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

class QTimer;

namespace RAZ {
namespace MediaEngine {

// What the stand-in media engine shows in place of a camera: a moving test
// picture (colour bars, a sweeping band and a running clock) painted into a
// video window, so that a video call is visibly one. It lives as a child of
// the window it paints and ends with it. What the picture stands for is
// written above the clock: the caption the service behind the engine gives.
class VideoTestPicture : public QObject {
  Q_OBJECT

 public:
  enum Role { Remote, Own };

  // Starts (on) or stops painting the window in the role; a null window is
  // ignored.
  static void paintInto(QWidget* window, bool on, Role role);
  // The picture painting the window in the role, or null.
  static VideoTestPicture* find(QWidget* window, Role role);
  // What every picture of a role says above its clock, asked at each frame
  // (so that it follows the interface language); without one, or empty,
  // the clock alone.
  using Caption = std::function<QString(Role role)>;
  static void setCaption(Caption caption);

  int frames() const { return m_frames; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  VideoTestPicture(QWidget* window, Role role);
  void paint();

  QPointer<QWidget> m_window;
  Role m_role;
  QTimer* m_timer;
  int m_frames = 0;
};

}  // namespace MediaEngine
}  // namespace RAZ
