#include "Widgets/Notifications/Notification.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "libqml/utils/Style.h"

namespace Widgets {
namespace Notifications {

Notification::Notification(int closeAfterMs) : Base(closeAfterMs) {
  setObjectName(QStringLiteral("notification"));

  m_closeButton = new QPushButton(this);
  m_closeButton->setObjectName(QStringLiteral("notificationCloseButton"));
  m_closeButton->setFlat(true);
  m_closeButton->setFocusPolicy(Qt::NoFocus);
  m_closeButton->setText(QStringLiteral("\u00d7"));
  connect(m_closeButton, SIGNAL(clicked()), this, SLOT(close()));

  m_iconLabel = new QLabel(this);
  m_iconLabel->setObjectName(QStringLiteral("notificationIcon"));

  m_textLabel = new QLabel(this);
  m_textLabel->setObjectName(QStringLiteral("notificationText"));
  m_textLabel->setTextFormat(Qt::PlainText);
  m_textLabel->setWordWrap(true);
  m_textLabel->setTextInteractionFlags(Qt::NoTextInteraction);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 4, 8, 8);
  layout->setSpacing(2);
  layout->addWidget(m_closeButton, 0, Qt::AlignRight);
  auto* row = new QHBoxLayout;
  row->setSpacing(8);
  row->addWidget(m_iconLabel, 0, Qt::AlignTop);
  row->addWidget(m_textLabel, 1);
  layout->addLayout(row);

  applyStyle();
  if (QML::Style* style = QML::Style::instance()) {
    connect(style, SIGNAL(colorsChanged()), this, SLOT(applyStyle()));
    connect(style, SIGNAL(fontFamilyChanged()), this, SLOT(applyStyle()));
  }
  setMinimumWidth(300);
}

void Notification::applyStyle() {
  // The theme's colours and font; the default table's values when the
  // process has no style object.
  QString css = QStringLiteral(
      "Widgets--Notifications--Notification { background: %%colors:mediumBackground%%;"
      " border: 1px solid %%colors:darkDivider%%; }"
      "QLabel#notificationText { color: %%colors:inputFieldText%%;"
      " font-family: \"%%font:defaultFontFamily%%\"; }"
      "QPushButton#notificationCloseButton { border: none; color: %%colors:mediumText%%; }");
  QML::Style* style = QML::Style::instance();
  if (!style || !style->replaceCssWithStyle(css) || css.contains(QLatin1String("%%"))) {
    css = QStringLiteral(
        "Widgets--Notifications--Notification { background: #F1F1F1; border: 1px solid #006699; }"
        "QLabel#notificationText { color: #333333; }"
        "QPushButton#notificationCloseButton { border: none; color: #868686; }");
  }
  setStyleSheet(css);
}

void Notification::setIconType(int iconType) {
  m_iconType = iconType;
  m_iconLabel->clear();
}

void Notification::setText(const QString& text) {
  m_textLabel->setText(text);
  adjustSize();
}

QString Notification::text() const { return m_textLabel->text(); }

void Notification::mousePressEvent(QMouseEvent* event) {
  event->accept();
  close();
}

}  // namespace Notifications
}  // namespace Widgets
