#include "Widgets/PopupWindow.h"

#include <QVBoxLayout>

PopupWindow::PopupWindow(bool alwaysOnTop, QWidget* parent) : Widgets::Window(parent, alwaysOnTop, true) {
  setObjectName(QStringLiteral("popupWindow"));
  auto* outer = new QVBoxLayout(this);
  outer->setObjectName(QStringLiteral("popupLayout"));
  outer->setContentsMargins(0, 0, 0, 0);
  m_contentsLayout = new QVBoxLayout();
  m_contentsLayout->setObjectName(QStringLiteral("popupContentsLayout"));
  m_contentsLayout->setContentsMargins(0, 0, 0, 0);
  outer->addLayout(m_contentsLayout);
  setResizable(true);
}

PopupWindow::~PopupWindow() = default;

void PopupWindow::setContent(QWidget* content, int extraSpacing) {
  while (QLayoutItem* item = m_contentsLayout->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  if (content) m_contentsLayout->addWidget(content, 0);
  if (extraSpacing > 0) m_contentsLayout->addSpacing(extraSpacing);
}

void PopupWindow::setTitle(const QString& title, int) { Widgets::Window::setTitle(title); }
