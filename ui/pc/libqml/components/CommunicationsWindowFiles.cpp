#include "libqml/components/CommunicationsWindow.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <RAZ/Actions/Provider.h>
#include <RAZ/Controllers/ChatInterface.h>
#include <RAZ/Data/FTAdapter.h>
#include <TP/Core/Logging.h>

#include "Utils/FileNames.h"
#include "dialogs/FileDialog.h"
#include "libqml/components/CommunicationsWindowShared.h"

namespace QML {

namespace {

const QString kContactMime = QStringLiteral("application/zent.contact");
const QString kFilesMime = QStringLiteral("text/uri-list");

}  // namespace

// --- drops ---

void CommunicationsWindow::dragEnterEvent(QDragEnterEvent* e) {
  const QStringList formats = e->mimeData()->formats();
  if (formats.contains(kFilesMime) && m_actionsProvider) {
    RAZ::Actions::Action* files = m_actionsProvider->action(Action::FileTransfer);
    if (files && files->isEnabled()) e->acceptProposedAction();
  } else if (formats.contains(kContactMime)) {
    if (m_session && m_session->isAllowedToInvite()) e->acceptProposedAction();
  }
}

void CommunicationsWindow::dropEvent(QDropEvent* e) {
  if (!m_session) return;
  const QMimeData* mime = e->mimeData();
  if (mime->formats().contains(kFilesMime)) {
    // Only files of this computer are offered: a web address or a remote
    // share is not a file the party can be sent.
    const auto urls = mime->urls();
    for (const QUrl& url : urls) {
      if (url.isLocalFile() && !url.toLocalFile().isEmpty())
        m_session->fileDropped(url);
      else
        TP_LOG(kLog, TP::Core::Logging::LevelWarning) << "Dropped item is not a local file";
    }
  } else if (mime->formats().contains(kContactMime)) {
    m_session->addParticipants(QString::fromUtf8(mime->data(kContactMime)), QString());
  }
  e->acceptProposedAction();
}

// --- files ---

void CommunicationsWindow::openFileSelectDialog() {
  auto* dialog = new Dialogs::FileDialog(this, Dialogs::FileDialog::OpenAny, QString());
  connect(dialog, SIGNAL(fileSelected(QString)), this, SLOT(fileSelected(QString)));
  // Files to send are the user's documents, never the program's own data
  // folder (where the process happens to run, with the stored credentials).
  dialog->setInitialDirectory(documentsFolder());
  dialog->start();
}

QString CommunicationsWindow::documentsFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  // A folder that does not exist would leave the dialog where the process
  // runs: the home folder then, never the program's data.
  return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

void CommunicationsWindow::fileSelected(const QString& path) {
  if (m_session && m_session->getChatInterface())
    emit startFileTransfer(m_session->getChatInterface(), path);
}

void CommunicationsWindow::askSaveLocation(RAZ::Data::FTAdapter* adapter) {
  if (!adapter) return;
  if (m_lastSaveFolder.isEmpty()) {
    // Received files go where the desktop keeps downloads, when it has
    // such a folder.
    const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    m_lastSaveFolder =
        !downloads.isEmpty() && QFileInfo(downloads).isDir() ? downloads : QDir::homePath();
  }
  // The name comes from the sender: only its last part is offered, so a
  // save can never land outside the folder the user picks.
  const QString suggested = Utils::FileNames::safeBaseName(adapter->getFileName());
  auto* dialog = new Dialogs::FileDialog(this, Dialogs::FileDialog::SaveAny, suggested);
  connect(dialog, SIGNAL(fileSelected(QString)), adapter, SLOT(accept(QString)));
  connect(dialog, SIGNAL(fileSelected(QString)), this, SLOT(saveAcceptedFolder(QString)));
  dialog->setInitialDirectory(m_lastSaveFolder);
  dialog->start();
}

void CommunicationsWindow::saveAcceptedFolder(const QString& fileName) {
  m_lastSaveFolder = QFileInfo(fileName).absolutePath();
}

void CommunicationsWindow::insertFileIntoCall(const QString& path) {
  if (path.isEmpty()) {
    auto* dialog =
        new QFileDialog(this, tr("Select File to Send..."), QString(), tr("*.wav *.amr"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setModal(false);
    connect(dialog, SIGNAL(fileSelected(QString)), this, SLOT(fileSelectedToInsert(QString)));
    dialog->show();
    return;
  }
  QFile source(path);
  if (!source.open(QIODevice::ReadOnly)) {
    TP_LOG(kLog, TP::Core::Logging::LevelWarning) << "Cannot read the file to play into the call";
    return;
  }
  QTemporaryFile copy(QDir::tempPath() + QStringLiteral("/sound_XXXXXX.") +
                      QFileInfo(path).suffix());
  if (!copy.open()) return;
  copy.write(source.readAll());
  copy.close();
  // Receivers use or copy the file during the signal: it goes when we return.
  emit startPlayingFileIntoCall(copy.fileName());
}

void CommunicationsWindow::fileSelectedToInsert(const QString& path) {
  emit startPlayingFileIntoCall(path);
}

}  // namespace QML
