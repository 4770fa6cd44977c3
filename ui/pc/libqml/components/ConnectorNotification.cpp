#include "libqml/components/ConnectorNotification.h"

#include <QAbstractItemModel>
#include <QEvent>

#include <TP/Core/Logging.h>

namespace QML {

ConnectorNotification::ConnectorNotification(QAbstractItemModel* model, QWidget* parent)
    : QML::Window(true, parent), m_model(model) {
  if (m_model) {
    connect(m_model, SIGNAL(rowsInserted(QModelIndex, int, int)), this, SLOT(onModelChanged()));
    connect(m_model, SIGNAL(rowsRemoved(QModelIndex, int, int)), this, SLOT(onModelChanged()));
  }
  setResizable(false);
  setWindowFlag(Qt::WindowMinimizeButtonHint, false);
  setMinimumSize(360, 200);
  setMaximumSize(360, 200);
  setWantsFullscreen(false);
  retranslate();
  onModelChanged();
}

ConnectorNotification::~ConnectorNotification() = default;

void ConnectorNotification::retranslate() { setTitle(tr("New Add-ins")); }

void ConnectorNotification::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) retranslate();
  Window::changeEvent(e);
}

void ConnectorNotification::onModelChanged() {
  TP::Core::Logging::CTraceScope trace("QML::ConnectorNotification::onModelChanged");
  const bool show = m_model && m_model->rowCount(QModelIndex()) > 0;
  // The scene is made for the first add-in to show: most runs have none,
  // and the sign-in window does not wait for a hidden one. A window whose
  // scene cannot be made stays hidden (Window::setSource logs why).
  if (show && !m_sceneLoaded)
    m_sceneLoaded = setSource(QStringLiteral("qrc:/components/ConnectorList.qml"));
  if (show && !m_sceneLoaded) return;
  setVisible(show);
  if (show) showAndActivate();
}

}  // namespace QML
