#pragma once

#include <QImage>
#include <QPointer>
#include <QQuickPaintedItem>

namespace RAZ {
namespace Webcollab {
class WebcollabBase;
}
}  // namespace RAZ

namespace QML {

// Elements "ViewShare" and "ViewShareUss": somebody else's shared screen in
// a scene. Both paint the frames the session's web collaboration delivers
// (property webcollab), centred where the item is larger than the frame.
// aspectRatio follows the area the scene gives the share (resizeViewShare),
// so that the scene can letterbox it.
class ShareFrameItem : public QQuickPaintedItem {
  Q_OBJECT
  Q_PROPERTY(double aspectRatio READ aspectRatio NOTIFY aspectRatioChanged)
  Q_PROPERTY(QObject* webcollab READ webCollab WRITE setWebCollab NOTIFY webcollabChanged)

 public:
  explicit ShareFrameItem(QQuickItem* parent = nullptr);

  double aspectRatio() const { return m_aspectRatio; }
  QObject* webCollab() const;
  QImage frame() const { return m_frame; }
  // Where paint() draws the frame in an item of `itemSize`.
  static QPoint framePosition(const QSize& itemSize, const QSize& frameSize);

  void paint(QPainter* painter) override;

 public slots:
  void resizeViewShare(int width, int height);
  void setWebCollab(QObject* object);
  void shareImageReady(QImage image);

 signals:
  void shareStarted();
  void shareStopped();
  void endSession();
  void aspectRatioChanged();
  void webcollabChanged();

 protected:
  // The share ended: what each element reports.
  virtual void onShareStopped();
  RAZ::Webcollab::WebcollabBase* collab() const;

 private:
  void setAspectRatio(double ratio);

  QImage m_frame;
  double m_aspectRatio = 1.0;
  QPointer<RAZ::Webcollab::WebcollabBase> m_webcollab;
};

// For shares of the older collaboration library: when a share by somebody
// else stops, the session's collaboration is asked to end (endSession).
class ViewShare : public ShareFrameItem {
  Q_OBJECT

 public:
  explicit ViewShare(QQuickItem* parent = nullptr) : ShareFrameItem(parent) {}

 protected:
  void onShareStopped() override;
};

// For shares of the newer library, which deliver frames as pictures.
class ViewShareUss : public ShareFrameItem {
  Q_OBJECT

 public:
  explicit ViewShareUss(QQuickItem* parent = nullptr) : ShareFrameItem(parent) {}
};

}  // namespace QML
