#include "dialogs/FileDialog.h"

#include <QFileDialog>
#include <QWidget>

#include <TP/Core/Logging.h>

namespace Dialogs {

FileDialog::FileDialog(QWidget* parent, int mode, const QString& fileName)
    : QObject(nullptr), m_parent(parent), m_mode(mode), m_fileName(fileName) {
  if (parent) connect(parent, SIGNAL(destroyed(QObject*)), this, SLOT(deleteLater()));
}

FileDialog::~FileDialog() {
  // A dialog still open is closed, not left waiting for an answer nobody
  // receives.
  for (const QPointer<QFileDialog>& dialog : qAsConst(m_openDialogs)) {
    if (dialog) {
      disconnect(dialog, nullptr, this, nullptr);
      dialog->close();
    }
  }
}

void FileDialog::setInitialDirectory(const QString& directory) { m_initialDirectory = directory; }

void FileDialog::start() {
  if (m_mode < OpenAny || m_mode > SaveCsv) {
    TP_LOG("Dialogs::FileDialog::start", TP::Core::Logging::LevelError)
        << "Unknown file dialog mode " << m_mode;
    return;
  }
  auto* dialog = new QFileDialog(m_parent.data());
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  // One look on every desktop, and a dialog that stays inside this process.
  dialog->setOption(QFileDialog::DontUseNativeDialog, true);

  const bool save = m_mode == SaveAny || m_mode == SaveCsv;
  if (save) {
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, false);
  } else {
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
  }
  // Without a folder of its own the dialog opens where the process runs.
  if (!m_initialDirectory.isEmpty()) dialog->setDirectory(m_initialDirectory);
  if (save && !m_fileName.isEmpty()) dialog->selectFile(m_fileName);
  if (m_mode == OpenImage) {
    dialog->setNameFilter(QStringLiteral("*.png *.jpg *.gif (*.png *.jpg *.gif)"));
  } else if (m_mode == OpenCsv || m_mode == SaveCsv) {
    dialog->setNameFilter(QStringLiteral("*.csv (*.csv)"));
  }

  // Queued, as a result reached the caller from the dialog's own thread:
  // callers rely on start() having returned before the answer arrives.
  connect(dialog, SIGNAL(fileSelected(QString)), this, SLOT(onFileChosen(QString)),
          Qt::QueuedConnection);

  m_openDialogs.removeAll(QPointer<QFileDialog>());
  m_openDialogs << dialog;
  m_dialog = dialog;
  dialog->open();
}

void FileDialog::onFileChosen(const QString& path) {
  if (path.isEmpty()) return;
  emit fileSelected(path);
}

}  // namespace Dialogs
