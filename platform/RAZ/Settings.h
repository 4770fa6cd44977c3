#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace RAZ {

// The settings store. One object is opened per access with a scope; each
// scope is an INI file inside the folder given to setPath():
//
//   scope 0 (User)         <folder>/user_setting.ini        the signed-in account's preferences
//   scope 1 (Application)  <folder>/application_setting.ini application-level settings
//   scope 2 (Installation) <folder>/application_setting.ini installation defaults, read-only
//   scope 3 (Theme)        <folder>/theme_setting.ini       theme values; the folder is ":/",
//                                                         so the active theme's package holds
//                                                         ":/theme_setting.ini"; read-only
//   scope 4 (Proxy)        <folder>/proxy_setting.ini       proxy settings
//
// The INI format is used for every scope on every system. A scope whose folder
// has not been set reads nothing and refuses writes (logged): nothing is ever
// written into the process's current folder by accident.
//
// The files of the writable scopes are replaced whole: a write goes to a
// temporary file beside the old one, is checked, and only then renamed over
// it, so a full disk or a failed write leaves the old file as it was (and
// status() reports the failure). The files keep Qt's INI format: a file
// written by QSettings::IniFormat reads the same, and the other way round.
//
// A file whose text cannot be read is never written over (Qt would replace
// it with the values set since, losing the rest): changes to it are refused
// and recorded as failed writes (RAZ::Utils::FileWrites), as are writes that
// fail, so that the window that saved can say so. Files are created and
// replaced readable by the user only, from their first byte. A file larger
// than kMaxFileBytes is read up to that size (see cappedFiles).
//
// setValue() and remove() hide the QSettings functions of the same name so
// that the read-only scopes can refuse them; call them on a RAZ::Settings.
class Settings : public QSettings {
  Q_OBJECT

 public:
  enum SettingsType { User = 0, Application = 1, Installation = 2, Theme = 3, Proxy = 4 };
  Q_ENUM(SettingsType)

  explicit Settings(SettingsType scope, QObject* parent = nullptr);
  // For callers holding the scope as a number; a number outside 0..4 gives a
  // store that reads nothing and refuses writes.
  explicit Settings(int scope, QObject* parent = nullptr);
  // Writes what was changed, and records a failure that the writer could not.
  ~Settings() override;
  // QSettings::sync(), recording a failed write of what was changed. The
  // file and the temporary it is written through are the user's alone from
  // their first byte (syncPrivate).
  void sync();
  // Syncs a QSettings opened with safeIniFormat() on one of the user's
  // files as sync() does: a file another program left open to others is
  // closed to them first, and what the sync creates is the user's alone
  // from its first byte (RAZ::Utils::PrivateCreation).
  static void syncPrivate(QSettings& settings);

  // The largest part of a settings file that is read.
  static constexpr int kMaxFileBytes = 1024 * 1024;
  // The files read so far that were larger than kMaxFileBytes.
  static QStringList cappedFiles();
  // Adds a file that was read only up to kMaxFileBytes outside the store.
  static void noteCapped(const QString& file);
  // Where the whole of a capped file is kept before the store first writes
  // over it ("<file>.toolarge", or with a time added when that exists), so
  // that what was not read is never lost; empty for a file not capped.
  static QString cappedCopy(const QString& file);
  // Why the scope's file, which exists, cannot be read (empty when it can
  // or when there is none).
  static QString readProblem(SettingsType scope);
  // Moves the scope's file aside as "<file>.unreadable" (a dated name when
  // that exists already) and returns where it went; empty when it could not
  // be moved.
  static QString keepAside(SettingsType scope);
  // Removes the temporary files of replacements that never finished (the
  // program ended mid-write) from a settings folder; returns how many.
  static int removeLeftovers(const QString& folder);

  // Points a scope at a folder. An empty folder unsets the scope.
  static void setPath(SettingsType scope, const QString& folder);
  // The folder last given for the scope (empty when unset).
  static QString path(SettingsType scope);
  // The INI file a scope opens, or an empty string when its folder is unset.
  static QString filePath(SettingsType scope);
  // The file name used inside each scope's folder.
  static QString fileName(SettingsType scope);
  // Forgets every folder (tests and shut-down).
  static void clearPaths();
  // The INI format with whole-file replacement described above, for every
  // settings file of the user's that is opened with QSettings directly.
  static QSettings::Format safeIniFormat();

  SettingsType scope() const { return m_scope; }
  // False for the read-only scopes 2 and 3, an unset scope and an invalid one.
  bool isWritable() const;

  void setValue(const QString& key, const QVariant& value);
  void remove(const QString& key);

 protected:
  bool event(QEvent* event) override;

 private:
  Settings(SettingsType scope, bool valid, QObject* parent);
  static QString openPath(SettingsType scope, bool valid);
  bool refuseUnreadable(const QString& key);

  SettingsType m_scope;
  bool m_valid;
  bool m_pathSet;
  bool m_unreadable;
  bool m_changed = false;
  bool m_refusalRecorded = false;
};

}  // namespace RAZ
