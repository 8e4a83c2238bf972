#pragma once

#include <QAbstractListModel>
#include <QByteArray>

namespace bewahrix {

class Logbuch;

// The logbook's entries in their shown form, oldest first. Rows are read from
// the file on demand, a block at a time, so a logbook of any size opens at
// once. neuLaden() takes the file as it is now.
class LogbuchModell final : public QAbstractListModel {
  Q_OBJECT

 public:
  explicit LogbuchModell(Logbuch& logbuch, QObject* parent = nullptr);

  void neuLaden();

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  // The shown form of one entry ("05.12.2026 um 14:03:27: Programm beendet").
  QString zeile(int row) const;
  qint64 dateilaenge() const { return laenge_; }
  // The size caption, "(12,66 KB)".
  QString groessenText() const;

 private:
  QByteArray satzBytes(int row) const;

  Logbuch& logbuch_;
  QString pfad_;
  qint64 laenge_ = 0;
  int anzahl_ = 0;
  mutable QByteArray block_;
  mutable int blockAnfang_ = -1;
};

// "(0,00 KB)" below 1025 KB, "(1,0 MB)" from there on.
QString groessenText(qint64 dateilaenge);

}  // namespace bewahrix
