#pragma once

#include <QAbstractListModel>
#include <QByteArray>

#include <optional>

namespace bewahrix {

class Logbuch;

// The logbook's entries in their shown form, oldest first: those of
// Logbuch.log, or of Logbuch.1.log while the older ones are asked for. Rows
// are read from the file on demand, a block at a time, so a logbook of any
// size opens at once. neuLaden() takes the files as they are now.
class LogbuchModell final : public QAbstractListModel {
  Q_OBJECT

 public:
  explicit LogbuchModell(Logbuch& logbuch, QObject* parent = nullptr);

  void neuLaden();
  // Takes effect at the next neuLaden(), and only while the older file exists.
  void zeigeAeltere(bool aeltere) { aeltereGewuenscht_ = aeltere; }
  bool zeigtAeltere() const { return zeigtAeltere_; }
  bool hatAeltere() const { return aeltereLaenge_.has_value(); }
  // The file the rows come from.
  const QString& pfad() const { return pfad_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  // The shown form of one entry ("05.12.2026 um 14:03:27: Programm beendet").
  QString zeile(int row) const;
  // The size caption of Logbuch.log, "(12,66 KB)", with the older file's
  // beside it where there is one, "(12,3 MB + 100,0 MB älter)".
  QString groessenText() const;

 private:
  QByteArray satzBytes(int row) const;

  Logbuch& logbuch_;
  QString pfad_;
  qint64 aktuellLaenge_ = 0;
  std::optional<qint64> aeltereLaenge_;
  bool aeltereGewuenscht_ = false;
  bool zeigtAeltere_ = false;
  int anzahl_ = 0;
  mutable QByteArray block_;
  mutable int blockAnfang_ = -1;
};

// "(0,00 KB)" below 1025 KB, "(1,0 MB)" from there on; an older file's size
// follows the same rule: "(0,21 KB + 100,0 MB älter)".
QString groessenText(qint64 dateilaenge, std::optional<qint64> aeltere = std::nullopt);

}  // namespace bewahrix
