#include "backup/Sicherung.h"

#include "backup/LaufHost.h"
#include "backup/Verfahren.h"
#include "logbook/LogSchalter.h"
#include "logbook/Logbuch.h"
#include "platform/Dateisystem.h"
#include "platform/Pfade.h"
#include "store/Datensaetze.h"
#include "store/Formate.h"

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

void Sicherung::dateiKopieren(int index, const QString& quelle, const QString& ziel,
                              const QString& zielverzeichnis, EintragsArt art) {
  nachgeben(quelle);
  if (abbruch_) return;
  if (ziel_.verloren) return nichtGesichert();
  log(u"  ==> Kopiere "_s + quelle, Dateiname);
  if (art != EintragsArt::Datei) log(u"  ==> ...nach "_s + zielverzeichnis, ZielpfadUndErstellung);

  // Each file is looked at once: the mode decides by these, the totals count them.
  Datei datei{quelle, ziel, zielverzeichnis, art, u_.dateisystem.status(quelle),
              u_.dateisystem.status(ziel)};
  std::optional<Fehler> fehler;
  if (!wirdIgnoriert(index, ziel)) {
    // Read for every file: a change made while the run yields counts from the next file on.
    const int modus = u_.host.gewaehlterModus(index);
    log(verfahren::logZeile(modus), Kopiervorgang);
    fehler = nachVerfahren(index, modus, datei);
  }
  // Its drive went: the refusal is logged once, the files are counted.
  if (ziel_.verloren) return nichtGesichert();

  // A file cut off by a cancellation is no failure of its own; the run
  // records the cancellation once.
  if (fehler && abbruch_) return;
  // A directory given as a file has no volume of its own to count.
  if (datei.q && datei.q.wert().regulaer) zaehler_.volumenGesamt += datei.q.wert().groesse;
  ++zaehler_.dateienGesamt;
  if (!fehler) {
    log(u"    => Okay, Fehlerfrei verarbeitet"_s, Kopiervorgang);
    if (datei.z)
      log(u"    => (Dateigröße "_s +
              formate::festkomma(static_cast<double>(datei.z.wert().groesse) / 1024.0, 2) +
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
  // Whole names, letter case ignored, no wildcards.
  const auto& ignoriert = einstellungen(index).ignoriert;
  if (ignoriert.isEmpty() || !ignoriert.contains(pfade::namensteil(ziel).toCaseFolded())) return false;
  log(u"    => \""_s + ziel + u"\" wird ignoriert"_s, IgnorierInformation);
  return true;
}

std::optional<Fehler> Sicherung::nachVerfahren(int index, int modus, Datei& d) {
  switch (modus) {
    case ImmerUeberschreiben:
      break;
    case NurWennFehlend:
      if (d.z) {
        log(u"    => schon vorhanden, Datei nicht kopiert"_s, Kopiervorgang);
        return std::nullopt;
      }
      break;
    case NurAelteres:
      if (!d.z) {
        // Here the line is written for trees as well.
        if (imZielAnlegen(index, d.zielverzeichnis))
          log(u"    => Zielverzeichnis nicht vorhanden, wurde neu erstellt"_s, ZielpfadUndErstellung);
        return kopiere(d);
      }
      if (!d.q) return d.q.fehler();
      if (d.z.wert().geaendert >= d.q.wert().geaendert) {
        log(u"    => neuere oder gleiche Datei gefunden, Datei nicht kopiert"_s, Kopiervorgang);
        return std::nullopt;
      }
      break;
    case NurKleineres:
    case NurGroesseres: {
      if (!d.z || d.z.wert().groesse == 0) break;
      if (!d.q) return d.q.fehler();
      const qint64 z = d.z.wert().groesse;
      const qint64 q = d.q.wert().groesse;
      if (modus == NurKleineres ? z < q : z > q) break;
      if (modus == NurKleineres)
        log(u"    => größere oder gleiche Datei gefunden, Datei nicht kopiert"_s, Kopiervorgang);
      return std::nullopt;
    }
    default:  // no mode chosen
      return std::nullopt;
  }
  verzeichnisVorbereiten(index, modus, d.zielverzeichnis, d.art);
  return kopiere(d);
}

void Sicherung::verzeichnisVorbereiten(int index, int modus, const QString& zielverzeichnis, EintragsArt art) {
  // It normally exists already; only a real creation is worth a line. A
  // single file's target is the task's own directory, which a new task
  // may not have yet.
  if (!imZielAnlegen(index, zielverzeichnis) || art == EintragsArt::Baum) return;
  log(modus == ImmerUeberschreiben ? u"    => Zielverzeichnis nicht vorhanden, wurde neu  erstellt"_s
                                   : u"    => Zielverzeichnis nicht vorhanden, wurde neu erstellt"_s,
      ZielpfadUndErstellung);
}

void Sicherung::resteEntfernen(const QString& zielverzeichnis) {
  const QString verzeichnis = pfade::mitTrenner(zielverzeichnis);
  if (aufgeraeumt_.contains(verzeichnis)) return;
  aufgeraeumt_.insert(verzeichnis);
  for (const QString& rest : u_.dateisystem.resteEntfernen(verzeichnis))
    log(u"    => Rest eines abgebrochenen Kopiervorgangs entfernt: "_s + verzeichnis + rest,
        Loeschbestaetigung);
}

std::optional<Fehler> Sicherung::kopiere(Datei& d) {
  if (ziel_.verloren) return std::nullopt;  // not copied; the caller counts it
  // What a crash left beside an earlier copy goes before the first new one.
  resteEntfernen(d.zielverzeichnis);
  const auto fortschritt = [this, &d](qint64 kopiert, qint64 gesamt) {
    nachgeben(d.quelle, gesamt > 0 ? static_cast<int>(kopiert * 100 / gesamt) : 100);
    return !abbruch_;
  };
  if (const Status kopiert = u_.dateisystem.kopieren(d.quelle, d.ziel, fortschritt); !kopiert)
    return kopiert.fehler();
  geschrieben_ = true;
  log(u"    => Datei kopiert"_s, Kopiervorgang);
  if (d.q) zaehler_.volumenKopiert += d.q.wert().groesse;
  d.z = u_.dateisystem.status(d.ziel);  // the size line reports the new target
  return std::nullopt;
}

}  // namespace bewahrix
