#include "Widgets/Preferences/SoundsHandler.h"

#include <QDataStream>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <RAZ/MediaEngine/CallControllerBase.h>
#include <RAZ/MediaEngine/IMediaHandlerAudio.h>
#include <RAZ/MediaEngine/MediaHandlerBase.h>
#include <RAZ/MediaEngine/Sound.h>
#include <RAZ/Settings.h>
#include <TP/Core/Logging.h>

#include "Utils/ConfigIds.h"
#include "Utils/SettingsKeys.h"
#include "Utils/Sounds/PlayerList.h"
#include "Utils/Sounds/RingSignals.h"
#include "Utils/Sounds/TemporaryFilePlayer.h"
#include "Widgets/Preferences/PreferencesConfig.h"
#include "dialogs/MessageWindow.h"
#include "ui_preferences.h"

namespace Preferences {

namespace {

const int kCallRow = 0;
const int kMessageRow = 1;
// Marks the entries that show the translated standard signal's name.
const int kStandardRole = Qt::UserRole + 1;

bool isResourcePath(const QString& path) {
  return path.startsWith(QLatin1String(":/")) || path.startsWith(QLatin1String("qrc:/"));
}

// Whether a preview started from this page (or any other) still sounds.
bool previewPlaying() {
  const auto entries = Utils::Sounds::PlayerList::entries();
  for (Utils::Sounds::TemporaryFilePlayer* player : entries)
    if (player && !player->isIdle()) return true;
  return false;
}

void stopPreviews() {
  const auto entries = Utils::Sounds::PlayerList::entries();
  for (Utils::Sounds::TemporaryFilePlayer* player : entries)
    if (player) player->stop();
}

quint32 le32(const QByteArray& b, int at) {
  const auto* p = reinterpret_cast<const uchar*>(b.constData() + at);
  return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

}  // namespace

bool SoundsHandler::isPlayableWave(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray head = file.read(12);
  if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE") return false;
  bool format = false;
  // Walk the chunks: a PCM (1) or float (3) "fmt " chunk, then "data".
  while (!file.atEnd()) {
    const QByteArray chunk = file.read(8);
    if (chunk.size() < 8) return false;
    const quint32 size = le32(chunk, 4);
    if (chunk.startsWith("fmt ")) {
      const QByteArray fmt = file.read(qMin<quint32>(size, 16));
      if (fmt.size() < 16) return false;
      const int tag = uchar(fmt[0]) | uchar(fmt[1]) << 8;
      const int channels = uchar(fmt[2]) | uchar(fmt[3]) << 8;
      format = (tag == 1 || tag == 3 || tag == 0xFFFE) && channels > 0 && le32(fmt, 4) > 0;
      if (!format) return false;
      if (!file.seek(file.pos() + (size - quint32(fmt.size())) + (size & 1))) return false;
    } else if (chunk.startsWith("data")) {
      return format && size > 0;
    } else if (!file.seek(file.pos() + size + (size & 1))) {
      return false;
    }
  }
  return false;
}

SoundsHandler::SoundsHandler(Ui::preferencesForm* form, RAZ::MediaEngine::CallControllerBase* calls,
                             QObject* parent, const RAZ::Sessions::SessionManagerBase* session)
    : QObject(parent), ui(form), m_audio(calls->GetMediaHandlerAudio()) {
  connect(this, SIGNAL(enableSave(bool)), parent, SIGNAL(enableSave(bool)));
  connect(parent, SIGNAL(saveSettings()), this, SLOT(saveSettings()));
  connect(parent, SIGNAL(cancelSettings()), this, SLOT(cancelSettings()));
  connect(parent, SIGNAL(languageChanged()), this, SLOT(retranslate()));

  RAZ::Settings settings(RAZ::Settings::User);
  QListWidgetItem* message = ui->soundEventsWidget->item(kMessageRow);
  message->setCheckState(
      settings.value(Utils::SettingsKey::SoundIncomingMessageEnabled, true).toBool()
          ? Qt::Checked
          : Qt::Unchecked);
  message->setData(Qt::UserRole, m_soundFiles.size());
  m_soundFiles << QStringLiteral(":/sounds/incoming_message.wav");
  // Message sounds belong to chats, which this installation may not offer.
  message->setHidden(!configBool(session, Utils::ConfigId::CommsHistory));

  const QString ringer = settings.value(Utils::SettingsKey::SoundDefaultRinger).toString();
  QListWidgetItem* call = ui->soundEventsWidget->item(kCallRow);
  call->setCheckState(settings.value(Utils::SettingsKey::SoundIncomingCallEnabled, true).toBool()
                          ? Qt::Checked
                          : Qt::Unchecked);
  call->setData(Qt::UserRole, m_soundFiles.size());
  m_soundFiles << ringer;

  connect(ui->soundEventsWidget, SIGNAL(itemChanged(QListWidgetItem*)), this, SLOT(changed()));
  connect(ui->soundEventsWidget, SIGNAL(itemClicked(QListWidgetItem*)), this,
          SLOT(soundEventSelected()));
  connect(ui->soundEventsWidget, SIGNAL(itemActivated(QListWidgetItem*)), this,
          SLOT(playSoundEvent()));
  connect(ui->previewSoundEvent, SIGNAL(pressed()), this, SLOT(playSoundEvent()));
  // A preview has no end the page would hear of: it looks while one plays.
  m_previewWatch = new QTimer(this);
  m_previewWatch->setInterval(250);
  connect(m_previewWatch, SIGNAL(timeout()), this, SLOT(watchPreview()));
  m_previewStatus = new QLabel(ui->previewSoundEvent->parentWidget());
  m_previewStatus->setObjectName(QStringLiteral("soundPreviewStatus"));
  m_previewStatus->hide();
  ui->soundButtons->insertWidget(1, m_previewStatus);
  connect(calls, SIGNAL(activeCalls(bool)), this, SLOT(onActiveCalls(bool)));

  ui->ringSignalSelect->clear();
  ui->ringSignalSelect->addItem(tr("Select other..."));
  if (!ringer.isEmpty() && !isResourcePath(ringer)) {
    ui->ringSignalSelect->addItem(ringer, QVariantList{m_soundFiles.size(), ringer});
    ui->ringSignalSelect->setCurrentIndex(1);
    m_ringPosition = 1;
    m_soundFiles << ringer;
  }
  fillRingSignals();

  connect(ui->ringSignalSelect, SIGNAL(currentIndexChanged(int)), this, SLOT(ringerChanged()));
  connect(ui->previewRingSignal, SIGNAL(pressed()), this, SLOT(playRingSignal()));
  ui->previewRingSignal->setEnabled(calls->callCount() == 0);
}

namespace {
// The names of the shipped theme's ring signals, said in the interface
// language; a theme's other names are shown as it writes them.
const char* const kRingSignalNames[] = {QT_TRANSLATE_NOOP("Preferences::SoundsHandler", "Bright"),
                                        QT_TRANSLATE_NOOP("Preferences::SoundsHandler", "Soft")};
}  // namespace

void SoundsHandler::fillRingSignals() {
  bool ok = false;
  const QList<Utils::Sounds::RingSignal> signalsList = Utils::Sounds::readRingSignals(&ok);
  RAZ::Settings settings(RAZ::Settings::User);
  const QString stored = settings.value(Utils::SettingsKey::SoundDefaultRinger).toString();
  for (const Utils::Sounds::RingSignal& ring : signalsList) {
    const bool standard =
        ring.description.compare(QLatin1String("standard ring signal"), Qt::CaseInsensitive) == 0;
    QString text = standard ? tr("Standard ring signal") : ring.description;
    for (const char* name : kRingSignalNames)
      if (ring.description == QLatin1String(name)) text = tr(name);
    ui->ringSignalSelect->addItem(text, QVariantList{m_soundFiles.size(), ring.file});
    if (standard)
      ui->ringSignalSelect->setItemData(ui->ringSignalSelect->count() - 1, true, kStandardRole);
    m_soundFiles << ring.file;
    if (ring.file == stored || (stored.isEmpty() && ring.isDefault)) {
      ui->ringSignalSelect->setCurrentIndex(ui->ringSignalSelect->count() - 1);
      m_ringPosition = ui->ringSignalSelect->count() - 1;
    }
  }
}

void SoundsHandler::retranslate() {
  ui->ringSignalSelect->setItemText(0, tr("Select other..."));
  for (int i = 1; i < ui->ringSignalSelect->count(); ++i) {
    if (ui->ringSignalSelect->itemData(i, kStandardRole).toBool())
      ui->ringSignalSelect->setItemText(i, tr("Standard ring signal"));
  }
}

void SoundsHandler::changed() { emit enableSave(true); }

void SoundsHandler::soundEventSelected() { ui->previewSoundEvent->setEnabled(true); }

void SoundsHandler::onActiveCalls(bool anyCalls) { ui->previewRingSignal->setEnabled(!anyCalls); }

bool SoundsHandler::stopPreviewOf(QPushButton* button) {
  if (m_playing != button || !previewPlaying()) return false;
  stopPreviews();
  previewEnded();
  return true;
}

void SoundsHandler::previewStarted(QPushButton* button) {
  previewEnded();
  if (!previewPlaying()) {
    m_previewStatus->setText(tr("No audio device: the sound cannot be played."));
    m_previewStatus->show();
    return;
  }
  m_previewStatus->hide();
  m_playing = button;
  m_playText = button->text();
  button->setText(tr("&Stop"));
  m_previewWatch->start();
}

void SoundsHandler::previewEnded() {
  m_previewWatch->stop();
  if (m_playing) m_playing->setText(m_playText);
  m_playing = nullptr;
}

void SoundsHandler::watchPreview() {
  if (!previewPlaying()) previewEnded();
}

void SoundsHandler::playSoundEvent() {
  if (stopPreviewOf(ui->previewSoundEvent)) return;
  const QList<QListWidgetItem*> selected = ui->soundEventsWidget->selectedItems();
  for (QListWidgetItem* item : selected) {
    const int index = item->data(Qt::UserRole).toInt();
    if (index >= 0 && index < m_soundFiles.size())
      Utils::Sounds::play(m_soundFiles.at(index), this, true);
  }
  if (!selected.isEmpty()) previewStarted(ui->previewSoundEvent);
}

void SoundsHandler::playRingSignal() {
  if (stopPreviewOf(ui->previewRingSignal)) return;
  const QVariantList data = ui->ringSignalSelect->currentData().toList();
  if (data.size() < 2) return;
  QByteArray device = ui->ringDeviceSelect->currentData().toByteArray();
  if (device.isEmpty()) device = ui->playbackSelect->currentData().toByteArray();
  if (m_audio) {
    if (!m_previewed) {
      m_previewed = true;
      m_playbackBeforePreview = m_audio->currentPlaybackDevice();
    }
    m_audio->setPlaybackDevice(device);
  }
  const int index = data.at(0).toInt();
  if (index >= 0 && index < m_soundFiles.size()) {
    // The preview rings where the page's choice, saved or not, would ring;
    // a sound takes its output as it starts, so the saved one comes back
    // at once for every other sound.
    RAZ::MediaEngine::SoundFacility* sounds =
        RAZ::MediaEngine::MediaHandlerBase::m_This
            ? RAZ::MediaEngine::MediaHandlerBase::m_This->soundFacility()
            : nullptr;
    const QByteArray saved = sounds ? sounds->outputDevice() : QByteArray();
    if (sounds) sounds->setOutputDevice(device);
    Utils::Sounds::play(m_soundFiles.at(index), this, true);
    if (sounds) sounds->setOutputDevice(saved);
    previewStarted(ui->previewRingSignal);
  }
}

void SoundsHandler::ringerChanged() {
  const int position = ui->ringSignalSelect->currentIndex();
  if (position != 0) {
    m_ringPosition = position;
    changed();
    return;
  }
  if (m_fileDialog) return;
  const QVariantList first = ui->ringSignalSelect->itemData(1).toList();
  const QString start = first.size() >= 2 && !isResourcePath(first.at(1).toString())
                            ? QFileInfo(first.at(1).toString()).absolutePath()
                            : QString();
  m_fileDialog = new QFileDialog(ui->ringSignalSelect, tr("Open Sound File"), start,
                                 tr("Sound files (*.wav)"));
  m_fileDialog->setAttribute(Qt::WA_DeleteOnClose);
  m_fileDialog->setFileMode(QFileDialog::ExistingFile);
  m_fileDialog->setOption(QFileDialog::DontUseNativeDialog);
  connect(m_fileDialog, SIGNAL(fileSelected(QString)), this, SLOT(ringFileChosen(QString)));
  connect(m_fileDialog, SIGNAL(rejected()), this, SLOT(ringFileCancelled()));
  m_fileDialog->open();
}

void SoundsHandler::ringFileCancelled() { ui->ringSignalSelect->setCurrentIndex(m_ringPosition); }

void SoundsHandler::ringFileChosen(const QString& path) {
  if (!QFileInfo(path).isFile()) {
    ringFileCancelled();
    return;
  }
  if (!isPlayableWave(path)) {
    TP_LOG("Preferences::SoundsHandler::ringerChanged", TP::Core::Logging::LevelWarning)
        << "Not a playable sound: " << path;
    Dialogs::MessageWindow::showWarning(
        tr("Ring Signal"),
        tr("The file %1 cannot be played. Please choose a sound file in WAV format.")
            .arg(QFileInfo(path).fileName().toHtmlEscaped()));
    ringFileCancelled();
    return;
  }
  int index = m_soundFiles.size();
  if (ui->ringSignalSelect->count() > 1) {
    const QVariantList old = ui->ringSignalSelect->itemData(1).toList();
    if (old.size() >= 2) index = old.at(0).toInt();
    ui->ringSignalSelect->blockSignals(true);
    ui->ringSignalSelect->removeItem(1);
    ui->ringSignalSelect->blockSignals(false);
  }
  while (m_soundFiles.size() <= index) m_soundFiles << QString();
  m_soundFiles[index] = path;
  ui->ringSignalSelect->insertItem(1, path, QVariantList{index, path});
  ui->ringSignalSelect->setCurrentIndex(1);
  m_ringPosition = 1;
  changed();
}

void SoundsHandler::saveSettings() {
  RAZ::Settings settings(RAZ::Settings::User);
  settings.setValue(Utils::SettingsKey::SoundIncomingCallEnabled,
                    ui->soundEventsWidget->item(kCallRow)->checkState() == Qt::Checked);
  settings.setValue(Utils::SettingsKey::SoundIncomingMessageEnabled,
                    ui->soundEventsWidget->item(kMessageRow)->checkState() == Qt::Checked);
  // "Select other..." carries no file: the stored ring signal stays.
  const QVariantList data = ui->ringSignalSelect->currentData().toList();
  if (data.size() < 2) return;
  const QString file = data.at(1).toString();
  settings.setValue(Utils::SettingsKey::SoundDefaultRinger, file);
  const int callIndex = ui->soundEventsWidget->item(kCallRow)->data(Qt::UserRole).toInt();
  if (callIndex >= 0 && callIndex < m_soundFiles.size()) m_soundFiles[callIndex] = file;
}

void SoundsHandler::cancelSettings() {
  if (m_previewed && m_audio) m_audio->setPlaybackDevice(m_playbackBeforePreview);
  if (m_fileDialog) m_fileDialog->close();
}

}  // namespace Preferences
