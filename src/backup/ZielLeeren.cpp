#include "backup/Sicherung.h"

#include "backup/DateienLoeschen.h"
#include "backup/LaufHost.h"
#include "logbook/Logbuch.h"
#include "store/SettingsStore.h"

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

void Sicherung::zielLeeren(int index, const QStringList& quellen) {
  const QString ziel = zielverzeichnis(index);
  // The user's history and tasks are never part of a backup target's content.
  const auto verweigert = leerenVerweigert(ziel, quellen,
                                           {{u_.logbuch.dateipfad(), u"das Logbuch"_s},
                                            {u_.store.dateipfad(), u"die Einstellungsdatenbank"_s}});
  geschrieben_ = !verweigert;
  const bool geleert = !verweigert && dateienLoeschen(u_.entferner, {ziel + u"*.*"_s},
                                                      u_.host.papierkorbAn(index));
  log(geleert ? u"    Zielverzeichnis vorm Kopiervorgang erfolgreich geleert"_s
              : u"    Zielverzeichnis wurde nicht oder nur Teilweise geleert"_s,
      Loeschbestaetigung);
  if (verweigert)
    log(u"    => Error, Zielverzeichnis "_s + ziel + u" wird nicht geleert: "_s + *verweigert,
        Fehlermeldung);
}

}  // namespace bewahrix
