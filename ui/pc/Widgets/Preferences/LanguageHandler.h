#pragma once

#include <QMap>
#include <QObject>
#include <QSharedPointer>

class QTranslator;

namespace Ui {
class preferencesForm;
}

namespace Preferences {

// The language list of the General tab. Saving another language reloads the
// installed translators, so every open window follows at once.
class LanguageHandler : public QObject {
  Q_OBJECT

 public:
  LanguageHandler(const QMap<int, QSharedPointer<QTranslator>>& translators,
                  Ui::preferencesForm* ui, QObject* parent);

  // Where the program's catalogues lie: "<exe>/translations", else
  // "<exe>/../translations" (empty when neither exists).
  static QString translationsFolder();

 signals:
  void enableSave(bool enable);

 public slots:
  void saveSettings();
  void changed();

 private:
  QMap<int, QSharedPointer<QTranslator>> m_translators;
  Ui::preferencesForm* ui;
};

// The logging switches and buttons of the General tab.
class LoggingHandler : public QObject {
  Q_OBJECT

 public:
  LoggingHandler(Ui::preferencesForm* ui, QObject* parent);

 signals:
  void enableSave(bool enable);
  void enableBasicLogging(bool enable);
  void enableAdvancedLogging(bool enable);
  void clearLogs();
  void openLogFolder();

 public slots:
  void saveSettings();
  void changed();

 private:
  Ui::preferencesForm* ui;
  bool m_basicLogging = false;
  bool m_advancedLogging = false;
};

// The add-in API switches of the Add-ins tab.
class AddinsHandler : public QObject {
  Q_OBJECT

 public:
  AddinsHandler(Ui::preferencesForm* ui, QObject* parent);

 signals:
  void enableSave(bool enable);

 public slots:
  void changed();
  void saveSettings();
  void cancelSettings();
  void allowThirdPartyChanged(bool b);
  void automaticallyAcceptIncomingChanged(bool b);
  void acceptIncomingByDefaultChanged(bool b);
  void setWidgetStates();

 private:
  Ui::preferencesForm* ui;
  bool m_allowThirdParty = false;
  bool m_acceptWithoutAsking = false;
  bool m_acceptByDefault = false;
};

}  // namespace Preferences
