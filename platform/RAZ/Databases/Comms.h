#pragma once

#include <QObject>
#include <QString>

namespace RAZ {
namespace Databases {

// The communications database of the signed-in user (history, messages).
// Held by value by the application for its whole run and re-initialised for
// each session that keeps history.
class Comms : public QObject {
  Q_OBJECT

 public:
  explicit Comms(QObject* parent = nullptr);
  ~Comms() override;

  // True while a database of a session is open.
  bool hasDatabase() const { return !m_path.isEmpty(); }
  QString path() const { return m_path; }
  // Closes the database of an earlier session.
  void reset();

 signals:
  void databaseChanged();

 protected:
  void setPath(const QString& path);

 private:
  QString m_path;
};

}  // namespace Databases
}  // namespace RAZ
