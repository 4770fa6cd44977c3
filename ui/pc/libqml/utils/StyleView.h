#pragma once

#include <QPointer>

#include "libqml/window/Window.h"

#include <QFileDialog>

namespace QML {

// The hidden style editor (Control+Shift+C+S in any scene): edits, inverts,
// resets, imports and exports the style's colours. At most one exists.
class StyleView : public Window {
  Q_OBJECT

 public:
  enum Mode { Import, ExportColors, ExportAll };

  explicit StyleView(QWidget* parent = nullptr);
  ~StyleView() override;

  static StyleView* instance();

  QSize minimumWindowSize() const override;
  Mode mode() const { return m_mode; }
  QFileDialog* fileDialog() const { return m_dialog; }

  Q_INVOKABLE void fileSelected(QString path);
  Q_INVOKABLE void onFontFamilyChanged();

 public slots:
  void importCsv();
  void exportCsv(bool exportFont);

 signals:
  void importCsv(const QString& filename);
  void exportCsv(const QString& filename, bool exportFont);

 protected:
  void changeEvent(QEvent* e) override;

 private slots:
  void fileDialogFinished();

 private:
  void retranslate();
  void openDialog(bool save, const QString& suggested);
  void reportFailure(const QString& text);

  Mode m_mode = Import;
  QPointer<QFileDialog> m_dialog;
};

}  // namespace QML
