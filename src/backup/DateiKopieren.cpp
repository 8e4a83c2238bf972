#include "backup/Sicherung.h"

#include "backup/LaufHost.h"
#include "backup/Verfahren.h"
#include "logbook/LogSchalter.h"
#include "logbook/Logbuch.h"
#include "platform/Dateisystem.h"
#include "platform/Pfade.h"
#include "store/Datensaetze.h"
#include "store/Formate.h"
#include "store/SettingsStore.h"

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

void Sicherung::dateiKopieren(int index, const QString& quelle, const QString& ziel,
                              const QString& zielverzeichnis, EintragsArt art) {
  nachgeben(quelle);
  log(u"  ==> Kopiere "_s + quelle, Dateiname);
  if (art != EintragsArt::Datei) log(u"  ==> ...nach "_s + zielverzeichnis, ZielpfadUndErstellung);

  std::optional<Fehler> fehler;
  if (!wirdIgnoriert(index, ziel)) {
    // Read for every file: a change made while the run yields counts from the next file on.
    const int modus = u_.host.gewaehlterModus(index);
    log(verfahren::logZeile(modus), Kopiervorgang);
    fehler = nachVerfahren(modus, quelle, ziel, zielverzeichnis, art);
  }

  if (const auto groesse = u_.dateisystem.groesse(quelle)) zaehler_.volumenGesamt += groesse.wert();
  ++zaehler_.dateienGesamt;
  if (!fehler) {
    log(u"    => Okay, Fehlerfrei verarbeitet"_s, Kopiervorgang);
    if (const auto groesse = u_.dateisystem.groesse(ziel))
      log(u"    => (Dateigröße "_s + formate::festkomma(static_cast<double>(groesse.wert()) / 1024.0, 2) +
              u" KByte)"_s,
          Dateigroesse);
    ++zaehler_.dateienFehlerfrei;
    return;
  }
  ++zaehler_.dateienFehlerhaft;
  fehlerAlsStatus(index, fehler->text);
  // Names the file even when file names are not recorded.
  if (!u_.schalter.kategorieAn(Dateiname)) log(u"    => ... bei "_s + quelle, Fehlermeldung);
}

bool Sicherung::wirdIgnoriert(int index, const QString& ziel) {
  const QString name = pfade::namensteil(ziel);
  for (const auto& [eintrag, hinzugefuegt] : u_.store.list(schluessel::ignorierListe(index))) {
    if (eintrag.compare(name, Qt::CaseInsensitive) != 0) continue;
    log(u"    => \""_s + ziel + u"\" wird ignoriert"_s, IgnorierInformation);
    return true;
  }
  return false;
}

std::optional<Fehler> Sicherung::nachVerfahren(int modus, const QString& quelle, const QString& ziel,
                                               const QString& zielverzeichnis, EintragsArt art) {
  auto& fs = u_.dateisystem;
  switch (modus) {
    case ImmerUeberschreiben:
      break;
    case NurWennFehlend:
      if (fs.geaendert(ziel).ok()) {
        log(u"    => schon vorhanden, Datei nicht kopiert"_s, Kopiervorgang);
        return std::nullopt;
      }
      break;
    case NurAelteres: {
      const auto zielZeit = fs.geaendert(ziel);
      if (!zielZeit) {
        // Here the line is written for trees as well.
        if (art != EintragsArt::Datei && fs.verzeichnisAnlegen(zielverzeichnis).ok())
          log(u"    => Zielverzeichnis nicht vorhanden, wurde neu erstellt"_s, ZielpfadUndErstellung);
        return kopiere(quelle, ziel);
      }
      const auto quellZeit = fs.geaendert(quelle);
      if (!quellZeit) return quellZeit.fehler();
      if (!(zielZeit.wert() < quellZeit.wert())) {
        log(u"    => neuere oder gleiche Datei gefunden, Datei nicht kopiert"_s, Kopiervorgang);
        return std::nullopt;
      }
      break;
    }
    case NurKleineres:
    case NurGroesseres: {
      const auto zielGroesse = fs.groesse(ziel);
      if (!zielGroesse || zielGroesse.wert() == 0) break;
      const auto quellGroesse = fs.groesse(quelle);
      if (!quellGroesse) return quellGroesse.fehler();
      const bool ueberschreiben = modus == NurKleineres ? zielGroesse.wert() < quellGroesse.wert()
                                                        : zielGroesse.wert() > quellGroesse.wert();
      if (ueberschreiben) break;
      if (modus == NurKleineres)
        log(u"    => größere oder gleiche Datei gefunden, Datei nicht kopiert"_s, Kopiervorgang);
      return std::nullopt;
    }
    default:  // no mode chosen
      return std::nullopt;
  }
  verzeichnisVorbereiten(modus, zielverzeichnis, art);
  return kopiere(quelle, ziel);
}

void Sicherung::verzeichnisVorbereiten(int modus, const QString& zielverzeichnis, EintragsArt art) {
  if (art == EintragsArt::Datei) return;
  // It normally exists already; only a real creation is worth a line.
  if (!u_.dateisystem.verzeichnisAnlegen(zielverzeichnis).ok() || art != EintragsArt::Verzeichnis)
    return;
  log(modus == ImmerUeberschreiben ? u"    => Zielverzeichnis nicht vorhanden, wurde neu  erstellt"_s
                                   : u"    => Zielverzeichnis nicht vorhanden, wurde neu erstellt"_s,
      ZielpfadUndErstellung);
}

std::optional<Fehler> Sicherung::kopiere(const QString& quelle, const QString& ziel) {
  if (const Status kopiert = u_.dateisystem.kopieren(quelle, ziel); !kopiert) return kopiert.fehler();
  log(u"    => Datei kopiert"_s, Kopiervorgang);
  if (const auto groesse = u_.dateisystem.groesse(quelle)) zaehler_.volumenKopiert += groesse.wert();
  return std::nullopt;
}

}  // namespace bewahrix
