#include "logbook/LogbuchModell.h"

#include "logbook/LogSatz.h"
#include "logbook/Logbuch.h"
#include "store/Formate.h"

#include <QFileInfo>

#include <algorithm>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace {
constexpr int kBlockSaetze = 512;
}

LogbuchModell::LogbuchModell(Logbuch& logbuch, QObject* parent)
    : QAbstractListModel(parent), logbuch_(logbuch) {}

void LogbuchModell::neuLaden() {
  beginResetModel();
  block_.clear();
  blockAnfang_ = -1;
  QString aktuell = logbuch_.dateipfad();
  aktuellLaenge_ = 0;
  if (auto datei = logbuch_.oeffnen()) {
    aktuell = logbuch_.dateipfad();  // the fallback may have moved it
    const auto laenge = datei.wert().groesse();
    aktuellLaenge_ = laenge ? laenge.wert() : 0;
  } else {
    aktuellLaenge_ = QFileInfo(aktuell).size();
  }
  const QFileInfo aeltere(logbuch_.aeltererPfad());
  aeltereLaenge_ = aeltere.isFile() ? std::optional(aeltere.size()) : std::nullopt;
  // Once the older file is gone, a new one later is not shown unasked.
  aeltereGewuenscht_ = aeltereGewuenscht_ && aeltereLaenge_;
  zeigtAeltere_ = aeltereGewuenscht_;
  pfad_ = zeigtAeltere_ ? aeltere.filePath() : aktuell;
  const qint64 saetze = logsatz::anzahlSaetze(zeigtAeltere_ ? *aeltereLaenge_ : aktuellLaenge_);
  anzahl_ = static_cast<int>(std::min<qint64>(saetze, std::numeric_limits<int>::max()));
  endResetModel();
}

int LogbuchModell::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : anzahl_;
}

QVariant LogbuchModell::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= anzahl_) return {};
  return zeile(index.row());
}

QString LogbuchModell::zeile(int row) const {
  return logsatz::angezeigt(logsatz::lesen(satzBytes(row)));
}

QByteArray LogbuchModell::satzBytes(int row) const {
  const int anfang = row - row % kBlockSaetze;
  if (anfang != blockAnfang_) {
    block_.clear();
    blockAnfang_ = anfang;
    // Opened read-only for this one read: no handle is kept between events.
    if (auto datei = Dateihandle::oeffnen(pfad_, O_RDONLY)) {
      auto bytes = datei.wert().lesen(anfang * logsatz::kSlotGroesse,
                                      kBlockSaetze * logsatz::kSlotGroesse);
      if (bytes) block_ = std::move(bytes.wert());
    }
  }
  return block_.mid((row - anfang) * logsatz::kSlotGroesse, logsatz::kDatenGroesse);
}

QString LogbuchModell::groessenText() const { return bewahrix::groessenText(aktuellLaenge_, aeltereLaenge_); }

namespace {

QString groesse(qint64 dateilaenge) {
  const double kb = static_cast<double>(dateilaenge) / 1024.0;
  if (kb < 1025.0) return formate::festkomma(kb, 2) + u" KB"_s;
  return formate::festkomma(kb / 1024.0, 1) + u" MB"_s;
}

}  // namespace

QString groessenText(qint64 dateilaenge, std::optional<qint64> aeltere) {
  const QString daneben = aeltere ? u" + "_s + groesse(*aeltere) + u" älter"_s : QString();
  return u'(' + groesse(dateilaenge) + daneben + u')';
}

}  // namespace bewahrix
