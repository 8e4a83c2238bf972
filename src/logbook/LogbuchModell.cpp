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
  pfad_ = logbuch_.dateipfad();
  laenge_ = 0;
  if (auto datei = logbuch_.oeffnen()) {
    pfad_ = logbuch_.dateipfad();  // the fallback may have moved it
    const auto laenge = datei.wert().groesse();
    laenge_ = laenge ? laenge.wert() : 0;
  } else {
    laenge_ = QFileInfo(pfad_).size();
  }
  const qint64 saetze = logsatz::anzahlSaetze(laenge_);
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

QString LogbuchModell::groessenText() const { return bewahrix::groessenText(laenge_); }

QString groessenText(qint64 dateilaenge) {
  const double kb = static_cast<double>(dateilaenge) / 1024.0;
  if (kb < 1025.0) return u'(' + formate::festkomma(kb, 2) + u" KB)"_s;
  return u'(' + formate::festkomma(kb / 1024.0, 1) + u" MB)"_s;
}

}  // namespace bewahrix
