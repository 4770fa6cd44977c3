#include "libqml/utils/StyleView.h"

#include <QEvent>
#include <QFileDialog>
#include <QQuickItem>

#include <TP/Core/Logging.h>

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
    // The style reports failures by its result; a queued call would lose it,
    // so the editor calls the style directly and says what went wrong.
    connect(style, SIGNAL(fontFamilyChanged()), this, SLOT(onFontFamilyChanged()));
  }
  connect(view(), SIGNAL(keyEscapePressed()), this, SLOT(close()));
}

StyleView::~StyleView() {
  if (g_instance == this) g_instance = nullptr;
  delete m_dialog;
}

StyleView* StyleView::instance() { return g_instance; }

void StyleView::retranslate() {
  setTitle(tr("Style view"));
  if (m_dialog) m_dialog->setNameFilter(tr("Style files (*.csv)"));
}

void StyleView::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) retranslate();
  Window::changeEvent(e);
}

QSize StyleView::minimumWindowSize() const { return QSize(300, 400); }

void StyleView::importCsv() {
  m_mode = Import;
  openDialog(false, QString());
}

void StyleView::exportCsv(bool exportFont) {
  m_mode = exportFont ? ExportAll : ExportColors;
  openDialog(true, exportFont ? QStringLiteral("style.csv") : QStringLiteral("colors.csv"));
}

void StyleView::openDialog(bool save, const QString& suggested) {
  delete m_dialog;
  m_dialog = new QFileDialog(this);
  m_dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  m_dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  m_dialog->setNameFilter(tr("Style files (*.csv)"));
  if (!suggested.isEmpty()) m_dialog->selectFile(suggested);
  connect(m_dialog, SIGNAL(fileSelected(QString)), this, SLOT(fileSelected(QString)));
  connect(m_dialog, SIGNAL(rejected()), this, SLOT(fileDialogFinished()));
  m_dialog->open();
}

void StyleView::fileDialogFinished() {
  if (m_dialog) m_dialog->deleteLater();
}

void StyleView::fileSelected(QString path) {
  fileDialogFinished();
  if (path.isEmpty()) return;
  Style* style = Style::instance();
  if (m_mode == Import) {
    emit importCsv(path);
    if (style && !style->importCsv(path))
      reportFailure(tr("The style file \"%1\" could not be read.").arg(path));
  } else {
    const bool all = (m_mode == ExportAll);
    emit exportCsv(path, all);
    if (style && !style->exportCsv(path, all))
      reportFailure(tr("The style file \"%1\" could not be written.").arg(path));
  }
}

void StyleView::reportFailure(const QString& text) {
  Dialogs::MessageWindow::showWarning(tr("Style view"), text, false, QDialogButtonBox::Ok, this);
}

void StyleView::onFontFamilyChanged() {
  if (QQuickItem* root = view()->rootObject()) root->setProperty("fontSelectorVisible", true);
}

}  // namespace QML
