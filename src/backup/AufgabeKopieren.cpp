#include "backup/Sicherung.h"

#include "backup/LaufHost.h"
#include "logbook/Logbuch.h"
#include "platform/Dialoge.h"
#include "platform/Dateisystem.h"
#include "platform/Pfade.h"
#include "platform/Uhr.h"
#include "store/Datensaetze.h"
#include "store/Formate.h"
#include "store/Schluessel.h"
#include "store/SettingsStore.h"
#include "store/Werte.h"

#include <chrono>
#include <future>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace s = schluessel;

namespace {

constexpr qint64 kMByteSchwelle = 102400;
// Stored under "Color" after a run with failures: any number but 0 and 3.
const QString kRotCode = u"1"_s;

QString aufgabe(int index) { return QString::number(index + 1); }

// Total and copied volume in the unit the total calls for.
struct Volumen {
  double gesamt;
  double kopiert;
  QString einheit;
};

Volumen volumen(const LaufZaehler& z) {
  const bool mbyte = z.volumenGesamt >= kMByteSchwelle;
  const double teiler = mbyte ? 1024.0 * 1024.0 : 1024.0;
  return {static_cast<double>(z.volumenGesamt) / teiler,
          static_cast<double>(z.volumenKopiert) / teiler, mbyte ? u"MByte"_s : u"KByte"_s};
}

}  // namespace

Sicherung::Sicherung(Umgebung umgebung) : u_(umgebung) {}

void Sicherung::log(const QString& text, int kategorie) { u_.logbuch.eintrag(text, kategorie); }

const Sicherung::Einstellungen& Sicherung::einstellungen(int index) {
  auto& e = einstellungen_;
  if (e.index == index && e.stand == u_.store.stand()) return e;
  e.index = index;
  e.stand = u_.store.stand();
  e.ziel = u_.store.read(s::abschnittSaveZiel(), s::ziel(index), pfade::standardWurzel());
  const auto an = werte::alsBoolean(u_.store.read(s::abschnittTimer(), s::zusatz(index), u"0"_s));
  e.zusatz = an.value_or(false) ? u"Sicherheitskopie von "_s : QString();
  e.ignoriert.clear();
  for (const auto& [name, hinzugefuegt] : u_.store.list(s::ignorierListe(index)))
    e.ignoriert.insert(name.toCaseFolded());
  return e;
}

void Sicherung::nachgeben(const QString& aktuell, int prozent) {
  // Often enough to keep the window alive, rarely enough to cost nothing.
  if (takt_.isValid() && takt_.elapsed() < 20) return;
  takt_.start();
  // What the user may look at or change in the logbook meanwhile is complete.
  const Logbuch::Pause pause(u_.logbuch);
  u_.host.fortschritt(zaehler_.dateienGesamt, pfade::anzeige(aktuell), prozent);
  u_.host.ereignisseVerarbeiten();
}

void Sicherung::aufgabeKopieren(int index) {
  // While a run yields to the event loop nothing may start a second one;
  // after a cancellation nothing starts at all.
  if (laeuft_ || abbruch_) return;
  laeuft_ = true;
  aufgabe_ = index;
  u_.host.laufBeginnt(index);
  {
    const Logbuch::Lauf lauf(u_.logbuch);
    const Logbuch::Sitzung sitzung(u_.logbuch);
    const bool manuell = !zustand_.automatikLauf && !zustand_.sammelLauf;
    bool abgebrochen = false;
    if (manuell) {
      zustand_.fehlerGesamt = 0;
      if (u_.host.zielUngesichert(index)) {
        const Logbuch::Pause pause(u_.logbuch);
        const auto antwort = u_.dialoge.zeige(frage(
            u"Das neue Zielverzeichnis wurde noch nicht gesichert, wollen Sie trotzdem fortfahren?"_s,
            u"Frage"_s));
        abgebrochen = antwort != Antwort::Ja;
      }
      if (!abgebrochen)
        log(u"<Anfang, Manueller Start => Kopieren der Dateien aus Aufgabe "_s + aufgabe(index),
            StartDesVorgangs);
    } else {
      log(u">>> Kopieren der Dateien aus Aufgabe "_s + aufgabe(index), StartDesVorgangs);
    }
    if (!abgebrochen) {
      const QStringList quellen = u_.host.quellen(index);
      laufInhalt(index, quellen);
      summenSchreiben(index, quellen, manuell);
    }
  }
  u_.host.laufEndet();
  u_.host.logbuchAnzeigen();
  u_.host.zeigerBeschaeftigt(false);
  laeuft_ = false;
}

void Sicherung::laufInhalt(int index, const QStringList& quellen) {
  zaehler_ = {};
  geschrieben_ = false;
  ziel_ = {};
  fehlschlag_ = {index, {}, false};
  aufgeraeumt_.clear();
  takt_.invalidate();
  const QDateTime beginn = u_.uhr.jetzt();
  u_.store.write(s::abschnittStatus(), s::laufBegonnen(index),
                 formate::kurzDatum(beginn.date()) + u' ' + formate::langeZeit(beginn.time()));
  log(u"===> Zielverzeichnis: "_s + zielverzeichnis(index), ZielpfadUndErstellung);
  if (!zusatz(index).isEmpty())
    log(u"===> Kopien erhalten den Anhang <Sicherheitskopie von >"_s, Kopiervorgang);
  if (quellen.isEmpty()) {
    log(u"    => keine Datei vorhanden"_s, Dateiname);
    return;
  }
  // A run that copies nothing is no success, and its clearing would leave
  // the target empty.
  if (const int modus = u_.host.gewaehlterModus(index); modus < ImmerUeberschreiben || modus >= KeinVerfahren) {
    ++zaehler_.sonstigeFehler;
    fehlerAlsStatus(index, u"kein Vorgang gewählt, es wurde nichts kopiert"_s);
    return;
  }
  if (zielVerweigert(index)) return;
  if (u_.host.zielLeerenAn(index)) zielLeeren(index, quellen);
  // A new task's target may lie several levels below what exists.
  if (u_.dateisystem.verzeichnisseAnlegen(zielverzeichnis(index)).ok()) {
    geschrieben_ = true;
    log(u"    => Zielverzeichnis nicht vorhanden, wurde neu erstellt"_s, ZielpfadUndErstellung);
  }
  if (const auto da = u_.dateisystem.status(zielverzeichnis(index))) ziel_.kennung = da.wert().kennung;
  for (const QString& eintrag : quellen) {
    if (abbruch_) break;
    eintragKopieren(index, eintrag);
  }
  if (abbruch_) {
    ++zaehler_.sonstigeFehler;
    fehlerAlsStatus(index, u"Kopiervorgang abgebrochen"_s);
  }
}

void Sicherung::zielAufPlatte(int index) {
  // "fertig" must mean on the device: a stick may be pulled right after.
  if (!geschrieben_ || ziel_.verloren) return;
  const QString ziel = zielverzeichnis(index);
  // Writing out gigabytes takes a while: the window stays alive meanwhile,
  // and the logbook is written before, not while the device is busy.
  u_.logbuch.schreibeGesammelte();
  auto auftrag = std::async(std::launch::async, [this, ziel] { return u_.dateisystem.aufPlatteBringen(ziel); });
  while (auftrag.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready) nachgeben(ziel);
  if (const Status geschrieben = auftrag.get(); !geschrieben) {
    ++zaehler_.sonstigeFehler;
    fehlerAlsStatus(index, u"Zielverzeichnis "_s + ziel + u" nicht auf den Datenträger geschrieben: "_s +
                               geschrieben.fehler().text);
  }
}

void Sicherung::summenSchreiben(int index, const QStringList& quellen, bool manuell) {
  zielAufPlatte(index);
  datentraegerMerken(index);
  const Volumen v = volumen(zaehler_);
  log(u"    Gesamtdatenvolumen: "_s + formate::festkomma(v.gesamt, 2) + u' ' + v.einheit +
          u" , kopiertes Datenvolumen "_s + formate::festkomma(v.kopiert, 3) + u' ' + v.einheit,
      Endreport);
  // A cancelled run did not finish: its end lines must not read as if it had.
  log((abbruch_ ? u"... bis zum Abbruch von "_s : u"... von "_s) + QString::number(zaehler_.dateienGesamt) +
          u" Datei(en) wurden "_s + QString::number(zaehler_.dateienFehlerfrei) +
          u" Datei(en) Fehlerfrei verarbeitet"_s,
      Endreport);
  log(u"<<< Aufgabe "_s + aufgabe(index) + (abbruch_ ? u" abgebrochen"_s : u" fertig verarbeitet"_s), Endreport);
  statusSetzen(index, quellen);
  if (!manuell) return;

  log(u"<Ende, Manueller Start>"_s, Endreport);
  // Whoever cancelled wants the program back at once, not a box.
  if (abbruch_) return;
  // Failures that are no file must not leave the box reading error-free.
  const qint64 weitere = zaehler_.verzeichnisseFehlerhaft + zaehler_.sonstigeFehler;
  const Logbuch::Pause pause(u_.logbuch);  // the box waits for the user
  u_.dialoge.zeige(information(
      u"Augabe beendet.\n\nGesamtdatenvolumen: "_s + formate::festkomma(v.gesamt, 3) + u' ' +
      v.einheit + u" , kopiertes Datenvolumen "_s + formate::festkomma(v.kopiert, 3) + u' ' +
      v.einheit + u'\n' + QString::number(zaehler_.dateienGesamt) +
      u" Datei(en) wurden verarbeitet; davon Fehlerhaft "_s +
      QString::number(zaehler_.dateienGesamt - zaehler_.dateienFehlerfrei) + u" Datei(en)"_s +
      (weitere > 0 ? u"\nweitere Fehler: "_s + QString::number(weitere) + u" (siehe Logbuch)"_s : QString())));
}

void Sicherung::statusSetzen(int index, const QStringList& quellen) {
  const bool fehlerfrei = zaehler_.dateienFehlerhaft == 0 && zaehler_.verzeichnisseFehlerhaft == 0 &&
                          zaehler_.sonstigeFehler == 0;
  u_.store.remove(s::abschnittStatus(), s::laufBegonnen(index));
  if (fehlerfrei) {
    const QDateTime jetzt = u_.uhr.jetzt();
    zustand_.aufgabenStatusText.at(index) =
        u"Aufgabe wurde zuletzt am "_s + formate::statusDatum(jetzt.date()) + u" um "_s +
        formate::langeZeit(jetzt.time()) + u" ohne Fehler verarbeitet"_s;
    if (!quellen.isEmpty()) u_.store.write(s::abschnittStatus(), s::color(index), u"0"_s);
  } else {
    u_.store.write(s::abschnittStatus(), s::color(index), kRotCode);
  }
  u_.host.setzeLampe(index, fehlerfrei);
  if (!fehlerfrei && !abbruch_) u_.host.aufgabeFehlgeschlagen(fehlschlag_);
  if (!quellen.isEmpty())
    u_.store.write(s::abschnittStatus(), s::msgbox(index), zustand_.aufgabenStatusText.at(index));
}

void Sicherung::fehlschlag(int index, const QString& beschreibung) {
  const QDateTime jetzt = u_.uhr.jetzt();
  zustand_.fehlerZaehlen();
  const QString text = pfade::anzeige(beschreibung);  // a status line, unlike the logbook, is not encoded
  if (fehlschlag_.grund.isEmpty()) fehlschlag_.grund = text;
  zustand_.aufgabenStatusText.at(index) = u"letzte Fehler: am "_s + formate::statusDatum(jetzt.date()) + u" um "_s +
                                          formate::langeZeit(jetzt.time()) + u", "_s + text;
}

void Sicherung::fehlerAlsStatus(int index, const QString& beschreibung) {
  fehlschlag(index, beschreibung);
  log(u"    => Error, "_s + beschreibung, Fehlermeldung);
}

QStringList unbeendeteLaeufe(SettingsStore& store) {
  QStringList zeilen;
  for (int i = 0; i < s::kAnzahlAufgaben; ++i) {
    if (!store.enthaelt(s::abschnittStatus(), s::laufBegonnen(i))) continue;
    const auto beginn = formate::leseDatumZeit(store.read(s::abschnittStatus(), s::laufBegonnen(i), QString()));
    const QString am = beginn ? u"am "_s + formate::statusDatum(beginn->date()) + u" um "_s +
                                    formate::langeZeit(beginn->time()) + u' '
                              : QString();
    const QString text = u"letzter Lauf "_s + am + u"nicht beendet"_s;
    store.write(s::abschnittStatus(), s::color(i), kRotCode);
    store.write(s::abschnittStatus(), s::msgbox(i), text);
    store.remove(s::abschnittStatus(), s::laufBegonnen(i));
    zeilen.append(u"Aufgabe "_s + aufgabe(i) + u": "_s + text);
  }
  return zeilen;
}

void Sicherung::cmd_AutoSave_Click(int knopf) {
  if (laeuft_ || abbruch_) return;
  const bool alle = knopf != 0;  // the tray menu passes 2
  if (u_.dialoge.zeige(frage(u"Sollen jetzt die Aufgaben ausgeführt werden?"_s)) != Antwort::Ja)
    return;
  // The mark is read at that moment: the user may change it while tasks run.
  sammelLauf(alle ? u"<Anfang, manueller Start aller Aufträge>"_s
                  : u"<Anfang, manueller Start markierter Aufträge>"_s,
             [this, alle](int i) { return alle || u_.host.markiert(i); });
}

void Sicherung::nachholen(const QList<int>& aufgaben) {
  if (laeuft_ || abbruch_) return;
  sammelLauf(u"<Anfang, versäumte Aufträge nachholen>"_s, [&aufgaben](int i) { return aufgaben.contains(i); });
}

void Sicherung::sammelLauf(const QString& anfang, const std::function<bool(int)>& gewaehlt) {
  const Logbuch::Lauf lauf(u_.logbuch);  // the tasks' records stay with the batch's frame
  log(anfang, StartDesVorgangs);
  zustand_.fehlerGesamt = 0;
  zustand_.sammelLauf = true;
  bool gelaufen = false;
  for (int i = 0; i < s::kAnzahlAufgaben && !abbruch_; ++i) {
    if (!gewaehlt(i)) continue;
    aufgabeKopieren(i);
    gelaufen = true;
  }
  log(gelaufen ? u"<Ende, manueller Start>"_s : u"<Ende, keine Aufgabe markiert>"_s, Endreport);
  zustand_.sammelLauf = false;
  u_.host.logbuchAnzeigen();
  if (abbruch_) return;
  const QString text = zustand_.fehlerGesamt != 0
                           ? u"Aufgaben beendet, gefundene Fehler "_s +
                                 QString::number(zustand_.fehlerGesamt)
                           : u"Aufgaben beendet"_s;
  u_.dialoge.zeige(Meldung{text});
}

}  // namespace bewahrix
