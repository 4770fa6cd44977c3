#pragma once

#include <QObject>

namespace QML {

// The configuration values the scenes need, as the window property
// `configXML`.
class ConfigXML : public QObject {
  Q_OBJECT
  Q_PROPERTY(bool playingFileIntoCall READ playingFileIntoCall CONSTANT)
  Q_PROPERTY(CallTransferType callTransferType READ callTransferType CONSTANT)
  Q_PROPERTY(bool offlineMsgIndicatorEnabled READ offlineMsgIndicatorEnabled CONSTANT)

 public:
  enum CallTransferType { NoCT = 0, TalkFirstCT = 1, BlindCT = 2, FullCT = 3 };
  Q_ENUM(CallTransferType)

  explicit ConfigXML(QObject* parent = nullptr) : QObject(parent) {}

  virtual bool playingFileIntoCall() const = 0;
  virtual bool offlineMsgIndicatorEnabled() const = 0;
  virtual CallTransferType callTransferType() const = 0;
};

}  // namespace QML
