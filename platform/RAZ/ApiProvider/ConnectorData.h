#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QObject>
#include <QString>

namespace RAZ {
namespace ApiProvider {

// An add-in (connector) that asks to drive the client. The user's decision
// is its state; a decided add-in leaves the list of those waiting.
class ConnectorData : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString name READ name CONSTANT)
  Q_PROPERTY(QString vendor READ vendor CONSTANT)
  Q_PROPERTY(QString description READ description CONSTANT)
  Q_PROPERTY(QString version READ version CONSTANT)
  Q_PROPERTY(bool connected READ connected NOTIFY connectedChanged)
  Q_PROPERTY(State state READ state WRITE setState NOTIFY stateChanged)

 public:
  enum State { Pending = 0, Accepted = 1, Rejected = 2 };
  Q_ENUM(State)

  ConnectorData(const QString& name, const QString& vendor, const QString& description,
                const QString& version, QObject* parent = nullptr)
      : QObject(parent),
        m_name(name),
        m_vendor(vendor),
        m_description(description),
        m_version(version) {}

  QString name() const { return m_name; }
  QString vendor() const { return m_vendor; }
  QString description() const { return m_description; }
  QString version() const { return m_version; }
  bool connected() const { return m_connected; }
  void setConnected(bool on) {
    if (on == m_connected) return;
    m_connected = on;
    emit connectedChanged();
  }
  State state() const { return m_state; }
  void setState(State state) {
    if (state == m_state) return;
    m_state = state;
    emit stateChanged();
  }

 signals:
  void connectedChanged();
  void stateChanged();

 private:
  QString m_name, m_vendor, m_description, m_version;
  bool m_connected = false;
  State m_state = Pending;
};

// The add-ins waiting for a decision; rows give the add-in as "modelData".
class ConnectorModel : public QAbstractListModel {
  Q_OBJECT

 public:
  static constexpr int ConnectorRole = Qt::UserRole + 1;
  explicit ConnectorModel(QObject* parent = nullptr) : QAbstractListModel(parent) {}

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QHash<int, QByteArray> roleNames() const override;
  // Takes the add-in (owned); it leaves once decided.
  void append(RAZ::ApiProvider::ConnectorData* connector);
  QList<RAZ::ApiProvider::ConnectorData*> decided() const { return m_decided; }

 private slots:
  void onStateChanged();

 private:
  QList<RAZ::ApiProvider::ConnectorData*> m_rows;
  QList<RAZ::ApiProvider::ConnectorData*> m_decided;
};

}  // namespace ApiProvider
}  // namespace RAZ
