#include "icons/MessageIcons.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QSvgRenderer>

namespace Icons {
namespace {

const int kIconSize = 32;

QString fileName(QMessageBox::Icon kind) {
  switch (kind) {
    case QMessageBox::Information:
      return QStringLiteral("message_information.svg");
    case QMessageBox::Warning:
      return QStringLiteral("message_warning.svg");
    case QMessageBox::Critical:
      return QStringLiteral("message_critical.svg");
    case QMessageBox::Question:
      return QStringLiteral("message_question.svg");
    default:
      return QString();
  }
}

QStyle::StandardPixmap styleIcon(QMessageBox::Icon kind) {
  switch (kind) {
    case QMessageBox::Warning:
      return QStyle::SP_MessageBoxWarning;
    case QMessageBox::Critical:
      return QStyle::SP_MessageBoxCritical;
    case QMessageBox::Question:
      return QStyle::SP_MessageBoxQuestion;
    default:
      return QStyle::SP_MessageBoxInformation;
  }
}

}  // namespace

QString builtInMessageIconPath(QMessageBox::Icon kind) {
  const QString name = fileName(kind);
  return name.isEmpty() ? QString() : QStringLiteral(":/builtin/icons/") + name;
}

QString messageIconPath(QMessageBox::Icon kind) {
  const QString name = fileName(kind);
  if (name.isEmpty()) return QString();
  const QString themed = QStringLiteral(":/icons/") + name;
  return QFile::exists(themed) ? themed : builtInMessageIconPath(kind);
}

QPixmap messagePixmap(QMessageBox::Icon kind, qreal devicePixelRatio) {
  if (kind == QMessageBox::NoIcon) return QPixmap();
  const qreal dpr = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
  const QSize devicePixels = QSize(kIconSize, kIconSize) * dpr;
  QSvgRenderer renderer(messageIconPath(kind));
  if (renderer.isValid()) {
    QImage image(devicePixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(dpr);
    return pixmap;
  }
  // The style may have no picture that large: show what it has at the
  // same on-screen size rather than blow it up.
  const QIcon icon = QApplication::style()->standardIcon(styleIcon(kind));
  QPixmap pixmap = icon.pixmap(devicePixels);
  if (!pixmap.isNull()) pixmap.setDevicePixelRatio(qreal(pixmap.width()) / kIconSize);
  return pixmap;
}

}  // namespace Icons
