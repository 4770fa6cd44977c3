#pragma once

#include <QFileDialog>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace Dialogs {

// Asks for a file without blocking: start() opens the dialog and returns at
// once; the chosen path arrives later through fileSelected(), on the GUI
// thread. Cancelling delivers nothing. Lives until its parent widget goes.
class FileDialog : public QObject {
  Q_OBJECT

 public:
  enum Mode {
    OpenAny = 0,    // an existing file of any kind
    OpenImage = 1,  // an existing picture (png, jpg, gif)
    OpenCsv = 2,    // an existing CSV file
    SaveAny = 3,    // a file to write, asking before overwriting
    SaveCsv = 4     // a CSV file to write, asking before overwriting
  };

  FileDialog(QWidget* parent, int mode, const QString& fileName);
  ~FileDialog() override;

  // Where the dialog starts (open and save); set before start().
  void setInitialDirectory(const QString& directory);

  int mode() const { return m_mode; }

  // The dialog shown by the last start(), while it is open.
  QFileDialog* dialog() const { return m_dialog.data(); }

 public slots:
  void start();

 signals:
  void fileSelected(QString path);

 private slots:
  void onFileChosen(const QString& path);

 private:
  QPointer<QWidget> m_parent;
  int m_mode = 0;
  QString m_fileName;
  QString m_initialDirectory;
  QPointer<QFileDialog> m_dialog;
  QList<QPointer<QFileDialog>> m_openDialogs;
};

}  // namespace Dialogs
