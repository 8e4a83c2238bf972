#include "editing/Quellenliste.h"

#include "logbook/Logbuch.h"
#include "platform/Dateisystem.h"
#include "platform/Dialoge.h"
#include "platform/Pfade.h"
#include "platform/Uhr.h"
#include "store/Datensaetze.h"
#include "store/Formate.h"
#include "store/Schluessel.h"
#include "store/SettingsStore.h"

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace s = schluessel;

namespace {

QString nummer(int i) { return QString::number(i + 1); }

}  // namespace

QStringList Quellenliste::eintraege(int i) const {
  return bearbeiten::eintraege(b_.store, s::aufgabe(i));
}

Folge Quellenliste::hinzufuegen(int i, const QString& text) {
  if (text.isEmpty()) {
    b_.dialoge.zeige(information(u"Geben Sie die Datei an."_s));
    return {};
  }
  if (!pfade::istAbsolut(text)) {
    const Meldung hinweis{u"Datei oder Verzeichnis hat wahrscheinlich eine ungültige Angabe.\n"
                          u"Wollen Sie fortfahren?"_s,
                          u"Hinweis"_s, Symbol::Information, Knoepfe::JaNein, Antwort::Ja};
    if (b_.dialoge.zeige(hinweis) != Antwort::Ja) {
      Folge folge;
      folge.fokusAufEingabe = true;
      return folge;
    }
  }
  // The store compares keys without regard to letter case, umlauts included.
  if (b_.store.enthaelt(s::aufgabe(i), text)) {
    b_.dialoge.zeige(information(u"Diese Datei ist bereits eingetragen."_s));
    return {};
  }
  b_.store.write(s::aufgabe(i), text, formate::eintragsDatum(b_.uhr.jetzt().date()));
  b_.logbuch.eintrag(u"Eintrag zur Aufgabe "_s + nummer(i) + u" hinzugefügt => "_s + text,
                     SonstigeMeldung);
  bearbeiten::setzeGeaendert(
      b_, i,
      u" wurde eine neuer Eintrag hinzugefügt und der Kopiervorgang noch nicht wieder gestartet."_s);
  Folge folge;
  folge.neuLaden = true;
  folge.eingabe = QString();
  folge.startKnopf = true;
  return folge;
}

Folge Quellenliste::loeschen(int i, const QString& eintrag) {
  // The button stays disabled until a line is selected: no selection, no box.
  if (eintrag.isEmpty()) return {};
  const Meldung sicher = frage(
      u"Sind Sie sich sicher, dass Sie den Eintrag "_s + eintrag + u" löschen wollen?"_s,
      u"Löschen"_s);
  if (b_.dialoge.zeige(sicher) != Antwort::Ja) return {};
  b_.store.remove(s::aufgabe(i), eintrag);
  b_.logbuch.eintrag(u"Eintrag aus Aufgabe "_s + nummer(i) + u" gelöscht => "_s + eintrag,
                     SonstigeMeldung);
  Folge folge;
  folge.neuLaden = true;
  if (eintraege(i).isEmpty()) {
    bearbeiten::entferneStatus(b_.store, i);
    folge.startKnopf = false;
  } else {
    bearbeiten::setzeGeaendert(
        b_, i,
        u" wurde ein Eintrag gelöscht und der Kopiervorgang noch nicht wieder gestartet."_s);
  }
  return folge;
}

Folge Quellenliste::alleLoeschen(int i) {
  const Meldung sicher =
      frage(u"Sind Sie sich sicher, dass Sie alle Einträge löschen wollen?"_s, u"Löschen"_s);
  if (b_.dialoge.zeige(sicher) != Antwort::Ja) return {};
  b_.store.removeSection(s::aufgabe(i));
  bearbeiten::entferneStatus(b_.store, i);
  b_.logbuch.eintrag(u"alle Einträge aus Aufgabe "_s + nummer(i) + u" gelöscht"_s,
                     SonstigeMeldung);
  Folge folge;
  folge.neuLaden = true;
  folge.startKnopf = false;
  return folge;
}

QString Quellenliste::verzeichnisEintrag(const QString& verzeichnis, bool mitUnterverzeichnissen) {
  // The suffixes begin with the separator; a root already ends with one.
  return pfade::mitTrenner(verzeichnis) +
         (mitUnterverzeichnissen ? pfade::baumEndung() : pfade::verzeichnisEndung())
             .mid(pfade::trennerText().size());
}

bool Quellenliste::mitUnterverzeichnissen() const {
  return leseProgrammoptionen(b_.store).verzeichnisSuche.value_or(1) != 0;
}

Folge Quellenliste::ablegen(int i, const QString& eingabe, const QList<Abgelegt>& elemente,
                            Dateisystem& fs) {
  const Programmoptionen optionen = leseProgrammoptionen(b_.store);
  const bool sofort = optionen.dragDropSofort.value_or(1) != 0;
  const bool auflisten = optionen.verzeichnisAuflisten.value_or(0) != 0;
  const bool baum = optionen.verzeichnisSuche.value_or(1) != 0;

  Folge folge;
  QString feld = eingabe;
  // Every step works on the field as the previous one left it.
  const auto schritt = [&](const Folge& f) {
    folge.danach(f);
    if (f.eingabe) feld = *f.eingabe;
  };
  for (const Abgelegt& element : elemente) {
    if (element.verzeichnis && auflisten) {
      if (!sofort) {
        b_.dialoge.zeige({u"Dateien aus einem Verzeichnis auflisten, kan nur per Drag & Drop "
                          u"durchgeführt werden, wenn das Automatische hinzufügen aktiviert ist.\n"
                          u"(siehe unter Verfahren)"_s,
                          u"Bewahrix"_s, Symbol::Kritisch, Knoepfe::Ok, Antwort::Ok});
        break;
      }
      schritt(dateienAufnehmen(i, element.pfad, fs));
      folge.startKnopf = true;
      continue;
    }
    Folge gesetzt;
    gesetzt.eingabe = element.verzeichnis ? verzeichnisEintrag(element.pfad, baum) : element.pfad;
    schritt(gesetzt);
    if (sofort) schritt(hinzufuegen(i, feld));
  }
  if (feld != eingabe) folge.eingabe = feld;
  else folge.eingabe.reset();
  return folge;
}

Folge Quellenliste::dateienAufnehmen(int i, const QString& verzeichnis, Dateisystem& fs) {
  const QString ordner = pfade::mitTrenner(verzeichnis);
  QStringList dateien;
  // Names with a leading dot are hidden files on this system.
  for (const QString& name : fs.inhalt(ordner).dateien)
    if (!name.startsWith(u'.')) dateien.append(name);
  if (dateien.isEmpty()) {
    b_.dialoge.zeige(information(u"Im Verzeichniss \""_s + ordner +
                                 u"\" wurden keine Dateien gefunden\n"
                                 u"(evtl. vorhanden Unterverzeichnisse werden nicht mit einbezogen)."_s));
    return {};
  }
  Folge folge;
  for (const QString& name : dateien) {
    Folge gesetzt;
    gesetzt.eingabe = ordner + name;
    folge.danach(gesetzt);
    folge.danach(hinzufuegen(i, ordner + name));
  }
  return folge;
}

QString Quellenliste::infoText() {
  // The examples are written for this system's paths and the user's own home.
  const QString ordner = pfade::standardWurzel() + u"meine Daten"_s;
  return u"Um eine Datei zusichern, geben Sie den vollständigen Dateinamen inkl. des "
         u"Verzeichnisses an.\n => z.B. "_s +
         ordner + pfade::trennerText() + u"Foto.jpg\n\n"_s +
         u"Zum Sichern eines Verzeichnisses, geben Sie hinter den Verzeichnis "_s +
         pfade::verzeichnisEndung() +
         u" ein, hierbei werden Unterverzeichnisse nicht mit gesichert.\n => z.B. "_s + ordner +
         pfade::verzeichnisEndung() + u"\n\n"_s +
         u"Für das Sichern inkl. der Unterverzeichnisse, geben Sie hinter dem Verzeichnisnamen "_s +
         pfade::baumEndung() + u" ein.\n => z.B. "_s + ordner + pfade::baumEndung();
}

void Quellenliste::zeigeInfo() { b_.dialoge.zeige(information(infoText())); }

}  // namespace bewahrix
