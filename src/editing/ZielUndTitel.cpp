#include "editing/ZielUndTitel.h"

#include "logbook/Logbuch.h"
#include "platform/Dialoge.h"
#include "platform/Pfade.h"
#include "store/Anzeige.h"
#include "store/Datensaetze.h"
#include "store/Schluessel.h"
#include "store/SettingsStore.h"

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace s = schluessel;

QString ZielUndTitel::gespeichertesZiel(int i) const {
  return b_.store.read(s::abschnittSaveZiel(), s::ziel(i), pfade::standardWurzel());
}

std::optional<QString> ZielUndTitel::zielSpeichern(int i, const QString& feld) {
  if (feld.isEmpty()) {
    b_.dialoge.zeige(information(u"Geben Sie ein Zielort an."_s));
    return std::nullopt;
  }
  if (!pfade::istAbsolut(feld)) {
    b_.dialoge.zeige(information(u"Geben Sie den vollständigen Pfad beginnend mit "_s +
                                 pfade::trennerText() + u" an."_s));
    return std::nullopt;
  }
  const QString ziel = pfade::mitTrenner(feld);
  b_.store.write(s::abschnittSaveZiel(), s::ziel(i), ziel);
  // The drive the old target was on says nothing about the new one.
  b_.store.remove(s::abschnittDatentraeger(), s::zielDatentraeger(i));
  b_.logbuch.eintrag(u"Zielpfad für Aufgabe "_s + QString::number(i + 1) +
                         u" gespeichern => "_s + ziel,
                     SonstigeMeldung);
  // Every save counts as a change, also one of an unchanged directory.
  bearbeiten::setzeGeaendert(
      b_, i,
      u" wurde das Zielverzeichnis geändert und der Kopiervorgang noch nicht wieder gestartet."_s);
  return ziel;
}

QString ZielUndTitel::titelDialogUeberschrift() { return u"Überschrift"_s; }

QString ZielUndTitel::titelDialogFrage() {
  return u"Geben Sie eine Text für die neue Überschrift ein"_s;
}

QString ZielUndTitel::titel(int i) const {
  return b_.store.read(s::abschnittTitel(), s::titel(i), standardTitel(i));
}

std::optional<ZielUndTitel::NeuerTitel> ZielUndTitel::titelAendern(int i, const QString& antwort) {
  if (antwort.isEmpty()) return std::nullopt;
  b_.store.write(s::abschnittTitel(), s::titel(i), antwort);
  return NeuerTitel{antwort, anzeige::ortText(i, antwort)};
}

namespace bearbeiten {

bool zielGesichert(const QString& feld, const QString& gespeichert) { return feld == gespeichert; }

}  // namespace bearbeiten
}  // namespace bewahrix
