#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <QTimer>

namespace RAZ {
namespace Sessions {
class SessionManagerBase;
}
}  // namespace RAZ

namespace Utils {

// The handler of one product link (the text after "--zent:"). It waits for
// a session and then starts what the link asks for.
//
// First version: keeps the link and reads its attributes; starting the call,
// chat or collaboration arrives with the communications windows.
class ZentUrlHandler : public QObject {
  Q_OBJECT

 public:
  explicit ZentUrlHandler(const QString& link, QObject* parent = nullptr);
  ~ZentUrlHandler() override;

  void initialize(RAZ::Sessions::SessionManagerBase* session);

  QString link() const { return m_link; }
  // The link's key="value" attributes (values as written, Base64 text).
  QMap<QString, QString> attributes() const { return m_attributes; }
  static QMap<QString, QString> parseAttributes(const QString& link);

 signals:
  void timedOut();

 private:
  QString m_link;
  QMap<QString, QString> m_attributes;
  QTimer m_timeout;
};

}  // namespace Utils
