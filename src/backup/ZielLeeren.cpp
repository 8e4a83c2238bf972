#include "backup/Sicherung.h"

#include "backup/DateienLoeschen.h"
#include "backup/LaufHost.h"
#include "logbook/Logbuch.h"
#include "store/SettingsStore.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace {
// Reasons logged per task; a Trash that refuses a whole drive gives one for every entry.
constexpr qsizetype kLoeschfehlerHoechstens = 20;
}  // namespace

void Sicherung::zielLeeren(int index, const QStringList& quellen) {
  const QString ziel = zielverzeichnis(index);
  // The user's history and tasks are never part of a backup target's content.
  const auto verweigert = leerenVerweigert(ziel, quellen,
                                           {{u_.logbuch.dateipfad(), u"das Logbuch"_s},
                                            {u_.store.dateipfad(), u"die Einstellungsdatenbank"_s}});
  const auto fehler = verweigert ? QList<Loeschfehler>{}
                                 : dateienLoeschen(u_.entferner, {ziel + u"*.*"_s}, u_.host.papierkorbAn(index));
  geschrieben_ = !verweigert;
  const bool geleert = !verweigert && fehler.isEmpty();
  log(geleert ? u"    Zielverzeichnis vorm Kopiervorgang erfolgreich geleert"_s
              : u"    Zielverzeichnis wurde nicht oder nur Teilweise geleert"_s,
      Loeschbestaetigung);
  if (geleert) return;
  // A target that still holds what should have gone is a failure of the task.
  ++zaehler_.sonstigeFehler;
  if (verweigert) {
    fehlerAlsStatus(index, u"Zielverzeichnis "_s + ziel + u" wird nicht geleert: "_s + *verweigert);
    return;
  }
  const qsizetype gezeigt = std::min<qsizetype>(fehler.size(), kLoeschfehlerHoechstens);
  for (qsizetype i = 0; i < gezeigt; ++i) {
    const QString grund = fehler.at(i).pfad + u" nicht entfernt: "_s + fehler.at(i).fehler.text;
    if (i == 0) fehlschlag(index, grund);
    log(u"    => Error, "_s + grund, Fehlermeldung);
  }
  if (fehler.size() > gezeigt)
    log(u"… und "_s + QString::number(fehler.size() - gezeigt) + u" weitere"_s, Fehlermeldung);
}

}  // namespace bewahrix
