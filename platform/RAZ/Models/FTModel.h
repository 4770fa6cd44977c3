#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

#include "RAZ/Data/FTAdapter.h"

namespace RAZ {
namespace Models {

// The file transfers with one contact, oldest first. Owns its transfers.
class FTModel : public QObject {
  Q_OBJECT

 public:
  enum TransferAge { Session = 0, Yesterday = 1, LastWeek = 2, LastMonth = 3, All = 4 };

  explicit FTModel(QObject* parent = nullptr);
  ~FTModel() override;

  RAZ::Data::FTAdapter* getFt(const QString& id) const;
  RAZ::Data::FTAdapter* getLastFt() const;
  QList<RAZ::Data::FTAdapter*> getTransfersFrom(int age) const;
  int count() const { return m_transfers.size(); }

  // --- Service side ---
  // Takes the transfer and reports it with newFTAdded.
  void addTransfer(RAZ::Data::FTAdapter* transfer);
  // An id for a new transfer that no other transfer of the process has.
  static QString newTransferId();

 public slots:
  void deleteHistory();
  // The user accepted or declined / cancelled a transfer (by id). An id the
  // model does not hold is ignored.
  void acceptFtClicked(const QVariant& id);
  void cancelFtClicked(const QVariant& id);

 signals:
  void newFTAdded(RAZ::Data::FTAdapter* transfer);
  void acceptRequested(RAZ::Data::FTAdapter* transfer);
  // A received file was accepted and the user is to say where it goes; the
  // transfer starts once its accept(path) is called. Without anybody to
  // ask, accepting starts the transfer at once (into the download folder).
  void askSaveLocation(RAZ::Data::FTAdapter* transfer);

 private slots:
  // The user chose where a received file goes: it may start now.
  void onTransferAccepted();

 private:
  QList<QPointer<RAZ::Data::FTAdapter>> m_transfers;
};

}  // namespace Models
}  // namespace RAZ
