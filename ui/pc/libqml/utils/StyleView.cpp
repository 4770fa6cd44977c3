#include "libqml/utils/StyleView.h"

#include <QEvent>
#include <QFileDialog>
#include <QQuickItem>

#include <TP/Core/Logging.h>

#include "dialogs/FileDialog.h"
#include "dialogs/MessageWindow.h"
#include "libqml/utils/Style.h"
#include "libqml/window/View.h"

namespace QML {

namespace {
StyleView* g_instance = nullptr;
}

StyleView::StyleView(QWidget* parent) : Window(false, parent) {
  g_instance = this;
  retranslate();
  setAttribute(Qt::WA_DeleteOnClose);
  if (Style* style = Style::instance()) {
    connect(this, SIGNAL(importCsv(QString)), style, SLOT(importCsv(QString)));
    connect(this, SIGNAL(exportCsv(QString, bool)), style, SLOT(exportCsv(QString, bool)));
    connect(style, SIGNAL(csvFailed(QString, bool)), this, SLOT(styleFileFailed(QString, bool)));
    connect(style, SIGNAL(fontFamilyChanged()), this, SLOT(onFontFamilyChanged()));
  }
  closeOnKeys(CloseKeys::CtrlWAndEscape);
}

StyleView::~StyleView() {
  if (g_instance == this) g_instance = nullptr;
  delete m_dialog.data();
}

StyleView* StyleView::instance() { return g_instance; }

Dialogs::FileDialog* StyleView::fileDialog() const { return m_dialog.data(); }

void StyleView::retranslate() { setTitle(tr("Style view")); }

void StyleView::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) retranslate();
  Window::changeEvent(e);
}

QSize StyleView::minimumWindowSize() const { return QSize(300, 400); }

void StyleView::importCsv() {
  m_mode = Import;
  openDialog(Dialogs::FileDialog::OpenCsv, QString());
}

void StyleView::exportCsv(bool exportFont) {
  m_mode = exportFont ? ExportAll : ExportColors;
  openDialog(Dialogs::FileDialog::SaveCsv,
             exportFont ? QStringLiteral("style.csv") : QStringLiteral("colors.csv"));
}

void StyleView::openDialog(int mode, const QString& suggested) {
  // One question at a time: a dialog still open gives way to the new one.
  delete m_dialog.data();
  m_dialog = new Dialogs::FileDialog(this, mode, suggested);
  connect(m_dialog, SIGNAL(fileSelected(QString)), this, SLOT(fileSelected(QString)));
  m_dialog->start();
}

void StyleView::fileDialogFinished() {
  if (m_dialog) m_dialog->deleteLater();
}

void StyleView::fileSelected(QString path) {
  fileDialogFinished();
  if (path.isEmpty()) return;
  if (m_mode == Import)
    emit importCsv(path);
  else
    emit exportCsv(path, m_mode == ExportAll);
}

void StyleView::styleFileFailed(const QString& filename, bool writing) {
  const QString text = writing ? tr("The style file \"%1\" could not be written.")
                               : tr("The style file \"%1\" could not be read.");
  Dialogs::MessageWindow::showWarning(tr("Style view"), text.arg(filename), false,
                                      QDialogButtonBox::Ok, this);
}

void StyleView::onFontFamilyChanged() {
  if (QQuickItem* root = view()->rootObject()) root->setProperty("fontSelectorVisible", true);
}

}  // namespace QML
