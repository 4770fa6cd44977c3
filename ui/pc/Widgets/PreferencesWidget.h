#pragma once

#include <QMap>
#include <QPointer>
#include <QSharedPointer>

#include "Utils/HelpInterface.h"

#include <QAbstractItemModel>
class QTranslator;

namespace RAZ {
namespace Sessions {
class SessionManagerBase;
}
}  // namespace RAZ
namespace Ui {
class preferencesForm;
}

namespace Widgets {

// The content of the preferences window: the tabbed preferences form and its
// page handlers (children of this widget). OK reaches every handler through
// saveSettings(), Cancel through cancelSettings().
class PreferencesWidget : public Utils::HelpInterface {
  Q_OBJECT
  Q_PROPERTY(QAbstractItemModel* addinsModel READ addinsModel CONSTANT)
  Q_PROPERTY(QString languageChangeProperty READ languageChangeProperty NOTIFY languageChanged)

 public:
  PreferencesWidget(RAZ::Sessions::SessionManagerBase* session,
                    const QMap<int, QSharedPointer<QTranslator>>& translators, int page,
                    QAbstractItemModel* addinsModel, QWidget* parent = nullptr);
  ~PreferencesWidget() override;

  QAbstractItemModel* addinsModel() const { return m_addinsModel; }
  QString languageChangeProperty() const { return QString(); }
  Ui::preferencesForm* form() const { return ui; }

  QString helpContext() const override;

 signals:
  void enableSave(bool enable);
  void saveSettings();
  void cancelSettings();
  void qualityDetectionEnabled();
  void languageChanged();

 public slots:
  void setAddinsListVisibility();

 protected:
  void resizeEvent(QResizeEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  void retranslate();
  // The sounds list as tall as its rows (on a screen with room for them).
  void fitSoundsList();
  void setupAddins(bool apiAllowed);
  void readProxyFields();

  Ui::preferencesForm* ui;
  QPointer<QAbstractItemModel> m_addinsModel;
};

}  // namespace Widgets
