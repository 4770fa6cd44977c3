#include "Widgets/Notifications/WebcollabSharingNotification.h"

#include <QEvent>
#include <QQmlContext>
#include <QTimer>

#include <TP/Core/Logging.h>

namespace QML {

const char* const WebcollabSharingNotification::SourceUrl =
    "qrc:/windows/Notifications/WebcollabSharingNotification.qml";

WebcollabSharingNotification::WebcollabSharingNotification(QWidget* parent) : View(parent) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  setClearColor(Qt::transparent);
  setAttribute(Qt::WA_TranslucentBackground);
  setResizeMode(QQuickWidget::SizeViewToRootObject);
  rootContext()->setContextProperty(QStringLiteral("rootWindow"), this);
  setSource(QUrl(QString::fromLatin1(SourceUrl)));
  if (status() == QQuickWidget::Error) {
    TP_LOG("QML::WebcollabSharingNotification", TP::Core::Logging::LevelError)
        << "The sharing hint did not load";
  }
  QTimer::singleShot(CloseAfterMs, this, SLOT(close()));
}

void WebcollabSharingNotification::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) emit languageChanged();
  View::changeEvent(e);
}

}  // namespace QML
