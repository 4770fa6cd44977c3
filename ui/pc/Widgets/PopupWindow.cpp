#include "Widgets/PopupWindow.h"

#include <QHBoxLayout>
#include <QSpacerItem>
#include <QStyle>
#include <QVBoxLayout>

PopupWindow::PopupWindow(bool alwaysOnTop, QWidget* parent)
    : Widgets::Window(parent, alwaysOnTop, true) {
  setObjectName(QStringLiteral("popupWindow"));
  resize(106, 64);

  m_verticalLayout = new QVBoxLayout(this);
  m_verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
  m_verticalLayout->setSpacing(0);
  m_verticalLayout->setContentsMargins(0, 0, 0, 0);

  m_controlLayout = new QHBoxLayout();
  m_controlLayout->setObjectName(QStringLiteral("popupControlLayout"));
  m_controlLayout->setSpacing(0);
  m_verticalLayout->addLayout(m_controlLayout, 1);

  m_controlLayout->addItem(new QSpacerItem(0, 20, QSizePolicy::Maximum, QSizePolicy::Minimum));
  m_contentsLayout = new QVBoxLayout();
  m_contentsLayout->setObjectName(QStringLiteral("popupContentsLayout"));
  m_contentsLayout->setSpacing(0);
  m_contentsLayout->setSizeConstraint(QLayout::SetNoConstraint);
  const int top = style()->pixelMetric(QStyle::PM_LayoutTopMargin);
  m_contentsLayout->setContentsMargins(5, top, 5, 5);
  m_controlLayout->addLayout(m_contentsLayout);
  m_controlLayout->addItem(new QSpacerItem(0, 20, QSizePolicy::Maximum, QSizePolicy::Minimum));

  setResizable(true);
}

PopupWindow::~PopupWindow() = default;

void PopupWindow::setContent(QWidget* content, int extraSpacing) {
  while (QLayoutItem* item = m_contentsLayout->takeAt(0)) {
    // A nested layout is its own item; a widget item only wraps the widget.
    delete item->widget();
    delete item;
  }
  if (content) m_contentsLayout->addWidget(content, 0);
  if (extraSpacing > 0) {
    m_contentsLayout->addItem(
        new QSpacerItem(1, extraSpacing, QSizePolicy::Fixed, QSizePolicy::Fixed));
  }
}

void PopupWindow::setTitle(const QString& title, int) { Widgets::Window::setTitle(title); }

void PopupWindow::changeEvent(QEvent* e) { Widgets::Window::changeEvent(e); }
