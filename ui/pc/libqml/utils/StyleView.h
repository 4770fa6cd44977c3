#pragma once

#include <QPointer>

#include "libqml/window/Window.h"

namespace Dialogs {
class FileDialog;
}

namespace QML {

// The hidden style editor (Control+Shift+C+S in any scene): edits, inverts,
// resets, imports and exports the style's colours. At most one exists.
// Files are chosen with the program's file dialog; the chosen path leaves
// the editor through importCsv(QString) / exportCsv(QString, bool), which
// the constructor connects to the style's slots of the same names.
class StyleView : public Window {
  Q_OBJECT

 public:
  enum Mode { Import, ExportColors, ExportAll };

  explicit StyleView(QWidget* parent = nullptr);
  ~StyleView() override;

  static StyleView* instance();

  QSize minimumWindowSize() const override;
  Mode mode() const { return m_mode; }
  // The file dialog of the import or export under way, if any.
  Dialogs::FileDialog* fileDialog() const;

  Q_INVOKABLE void fileSelected(QString path);
  Q_INVOKABLE void onFontFamilyChanged();

 public slots:
  void importCsv();
  void exportCsv(bool exportFont);

 signals:
  // Share their names with the slots above that open the file dialog; each
  // form is connected or called by its own signature.
  void importCsv(const QString& filename);                   // clazy:exclude=overloaded-signal
  void exportCsv(const QString& filename, bool exportFont);  // clazy:exclude=overloaded-signal

 protected:
  void changeEvent(QEvent* e) override;

 private slots:
  void fileDialogFinished();
  void styleFileFailed(const QString& filename, bool writing);

 private:
  void retranslate();
  void openDialog(int mode, const QString& suggested);

  Mode m_mode = Import;
  QPointer<Dialogs::FileDialog> m_dialog;
};

}  // namespace QML
