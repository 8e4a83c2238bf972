#include "editing/Ignorierliste.h"

#include "logbook/Logbuch.h"
#include "platform/Dialoge.h"
#include "platform/Pfade.h"
#include "platform/Uhr.h"
#include "store/Formate.h"
#include "store/Schluessel.h"
#include "store/SettingsStore.h"

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace s = schluessel;

QString Ignorierliste::nummer() const { return QString::number(i_ + 1); }

QString Ignorierliste::fensterTitel() const { return u"Ignorierliste für Aufgabe "_s + nummer(); }

QStringList Ignorierliste::eintraege() const {
  return bearbeiten::eintraege(b_.store, s::ignorierListe(i_));
}

Folge Ignorierliste::hinzufuegen(const QString& text) {
  if (text.isEmpty()) {
    b_.dialoge.zeige(information(u"Geben Sie die Datei an."_s));
    return {};
  }
  if (b_.store.enthaelt(s::ignorierListe(i_), text)) {
    b_.dialoge.zeige(information(u"Diese Datei ist bereits eingetragen."_s));
    return {};
  }
  b_.store.write(s::ignorierListe(i_), text, formate::datumZeit(b_.uhr.jetzt()));
  b_.logbuch.eintrag(
      u"Eintrag zur Ignorierliste Aufgabe "_s + nummer() + u" hinzugefügt => "_s + text,
      IgnorierInformation);
  Folge folge;
  folge.neuLaden = true;
  folge.eingabe = QString();
  return folge;
}

Folge Ignorierliste::loeschen(const std::optional<QString>& auswahl) {
  if (!auswahl) {
    b_.dialoge.zeige(information(u"Wählen Sie eine Datei aus."_s));
    return {};
  }
  const Meldung sicher = frage(
      u"Sind Sie sich sicher, dass Sie den Eintrag "_s + *auswahl + u" löschen wollen?"_s,
      u"Löschen"_s);
  if (b_.dialoge.zeige(sicher) != Antwort::Ja) return {};
  b_.store.remove(s::ignorierListe(i_), *auswahl);
  b_.logbuch.eintrag(
      u"Eintrag aus Ignorierliste Aufgabe "_s + nummer() + u" gelöscht => "_s + *auswahl,
      IgnorierInformation);
  Folge folge;
  folge.neuLaden = true;
  return folge;
}

Folge Ignorierliste::alleLoeschen() {
  const Meldung sicher =
      frage(u"Sind Sie sich sicher, dass Sie alle Einträge löschen wollen?"_s, u"Löschen"_s);
  if (b_.dialoge.zeige(sicher) != Antwort::Ja) return {};
  b_.store.removeSection(s::ignorierListe(i_));
  b_.logbuch.eintrag(u"alle Einträge aus Ignorierliste Aufgabe "_s + nummer() + u" gelöscht"_s,
                     IgnorierInformation);
  Folge folge;
  folge.neuLaden = true;
  return folge;
}

QString Ignorierliste::ausDateiDialog(const QString& pfad) { return pfade::namensteil(pfad); }

}  // namespace bewahrix
