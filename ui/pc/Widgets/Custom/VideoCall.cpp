#include "Widgets/Custom/VideoCall.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QSpacerItem>

namespace Widgets {
namespace Custom {

namespace {
const int kMargin = 15;
const QSize kInitialPreview(160, 120);
}  // namespace

VideoCall::VideoCall(QWidget* parent) : QWidget(parent), m_ownVideo(new QWidget(this)) {
  // The media engine needs native windows for the two pictures; the scenes
  // beside the surface must stay non-native, or they cannot draw.
  QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
  setObjectName(QStringLiteral("videoSurface"));
  setContentsMargins(kMargin, kMargin, kMargin, kMargin);
  // A dark surface until the media engine paints it.
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::black);
  setPalette(pal);
  m_ownVideo->setObjectName(QStringLiteral("ownVideo"));
  m_ownVideo->setAutoFillBackground(true);
  m_ownVideo->setPalette(pal);
  m_ownVideo->setFixedSize(kInitialPreview);

  auto* column = new QVBoxLayout;
  column->setContentsMargins(0, 0, 0, 0);
  column->addItem(
      new QSpacerItem(0, 0, QSizePolicy::MinimumExpanding, QSizePolicy::MinimumExpanding));
  column->addWidget(m_ownVideo);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->addLayout(column);
  row->addItem(new QSpacerItem(0, 0, QSizePolicy::MinimumExpanding, QSizePolicy::MinimumExpanding));
}

VideoCall::~VideoCall() {
  delete m_ownVideo;
  m_ownVideo = nullptr;
}

void VideoCall::setShowOwnVideo(bool show) { m_ownVideo->setVisible(show); }

bool VideoCall::isOwnVideoShown() const { return m_ownVideo && !m_ownVideo->isHidden(); }

WId VideoCall::ownVideoWinId() const { return m_ownVideo ? m_ownVideo->winId() : 0; }

void VideoCall::setOwnVideoSize(QSize& size) {
  const QSize bound(width() / 4, height() / 4);
  size = size.scaled(bound, Qt::KeepAspectRatio);
  m_ownVideo->setMinimumSize(size);
  m_ownVideo->setMaximumSize(size);
}

void VideoCall::mouseDoubleClickEvent(QMouseEvent* event) {
  emit videoDoubleClicked();
  QWidget::mouseDoubleClickEvent(event);
}

}  // namespace Custom
}  // namespace Widgets
