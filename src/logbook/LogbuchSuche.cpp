#include "logbook/LogbuchSuche.h"

#include "logbook/LogSatz.h"
#include "logbook/LogbuchModell.h"
#include "platform/Dateihandle.h"
#include "store/Formate.h"

#include <QStringMatcher>

#include <algorithm>

#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace {

constexpr int kBlockSaetze = 8192;

// The shown line of a record, as logsatz::angezeigt builds it, with the date
// and time texts kept: formatting them anew for every row costs more than
// the whole rest of the search.
class Zeilenbau {
 public:
  const QString& zeile(const QByteArray& bytes) {
    const logsatz::Satz satz = logsatz::lesen(bytes);
    if (!satz.datum || !satz.zeit) {
      zeile_ = logsatz::angezeigt(satz);
      return zeile_;
    }
    if (*satz.datum != datum_) {
      datum_ = *satz.datum;
      datumText_ = formate::kurzDatum(datum_);
    }
    const int sekunde = satz.zeit->msecsSinceStartOfDay() / 1000;
    QString& zeit = zeiten_[static_cast<size_t>(sekunde)];
    if (zeit.isNull()) zeit = formate::langeZeit(*satz.zeit);
    zeile_.resize(0);  // keeps the allocation
    zeile_ += datumText_;
    zeile_ += u" um "_s;
    zeile_ += zeit;
    zeile_ += u": "_s;
    zeile_ += satz.text;
    return zeile_;
  }

 private:
  QDate datum_;
  QString datumText_;
  std::vector<QString> zeiten_ = std::vector<QString>(86400);
  QString zeile_;
};

}  // namespace

QList<int> treffer(const LogbuchModell& modell, const QString& begriff) {
  QList<int> zeilen;
  const int anzahl = modell.rowCount();
  if (begriff.isEmpty() || anzahl == 0) return zeilen;
  const QStringMatcher suche(begriff, Qt::CaseInsensitive);
  Zeilenbau bau;

  auto datei = Dateihandle::oeffnen(modell.pfad(), O_RDONLY);
  // The block read must give the model's lines; where the file is not the
  // one the model shows (gone, changed since), the model's rows decide.
  const auto zeileAusDatei = [&](int row) -> QString {
    if (!datei) return {};
    auto bytes = datei.wert().lesen(row * logsatz::kSlotGroesse, logsatz::kDatenGroesse);
    return bytes ? bau.zeile(bytes.wert()) : QString();
  };
  if (!datei || zeileAusDatei(0) != modell.zeile(0) ||
      zeileAusDatei(anzahl - 1) != modell.zeile(anzahl - 1)) {
    for (int row = 0; row < anzahl; ++row)
      if (suche.indexIn(modell.zeile(row)) >= 0) zeilen.append(row);
    return zeilen;
  }

  for (int anfang = 0; anfang < anzahl; anfang += kBlockSaetze) {
    const int ende = std::min(anzahl, anfang + kBlockSaetze);
    auto block = datei.wert().lesen(qint64{anfang} * logsatz::kSlotGroesse,
                                   qint64{ende - anfang} * logsatz::kSlotGroesse);
    const QByteArray bytes = block ? block.wert() : QByteArray();
    for (int row = anfang; row < ende; ++row) {
      const qsizetype offset = qsizetype{row - anfang} * logsatz::kSlotGroesse;
      const qsizetype laenge = std::clamp<qsizetype>(bytes.size() - offset, 0, logsatz::kDatenGroesse);
      // No copy: the bytes stay in the block.
      const QByteArray satz = QByteArray::fromRawData(bytes.constData() + std::min(offset, bytes.size()), laenge);
      if (suche.indexIn(bau.zeile(satz)) >= 0) zeilen.append(row);
    }
  }
  return zeilen;
}

QList<QPair<int, int>> bereiche(const QList<int>& zeilen) {
  QList<QPair<int, int>> laeufe;
  for (const int row : zeilen) {
    if (!laeufe.isEmpty() && laeufe.back().second + 1 == row)
      laeufe.back().second = row;
    else
      laeufe.append({row, row});
  }
  return laeufe;
}

Meldung suchErgebnis(qsizetype anzahl) {
  QString text;
  if (anzahl == 0)
    text = u"Keine Übereinstimmung gefunden."_s;
  else if (anzahl == 1)
    text = u"Eine Übereinstimmung wurde gefunden."_s;
  else
    text = u"Es wurden "_s + QString::number(anzahl) + u" Übereinstimmungen gefunden."_s;
  return information(text, u"Ergebnis"_s);
}

}  // namespace bewahrix
