#include "logbook/LogbuchVerwaltung.h"

#include "logbook/Logbuch.h"
#include "logbook/LogbuchModell.h"
#include "platform/Dateihandle.h"
#include "platform/Dateisystem.h"
#include "platform/Papierkorb.h"
#include "platform/Pfade.h"
#include "store/Datensaetze.h"
#include "store/Schluessel.h"
#include "store/SettingsStore.h"
#include "store/Werte.h"

#include <QFile>

#include <cstdio>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace s = schluessel;

namespace {

std::optional<struct stat> lstatVon(const QString& pfad) {
  struct stat info {};
  if (::lstat(QFile::encodeName(pfad).constData(), &info) != 0) return std::nullopt;
  return info;
}

// The same file under two names (a directory reached through a link): moving
// it there replaces nothing.
bool dieselbeDatei(const QString& a, const QString& b) {
  struct stat x {}, y {};
  return ::stat(QFile::encodeName(a).constData(), &x) == 0 &&
         ::stat(QFile::encodeName(b).constData(), &y) == 0 && x.st_dev == y.st_dev && x.st_ino == y.st_ino;
}

}  // namespace

LogbuchVerwaltung::LogbuchVerwaltung(Umfeld umfeld) : u_(std::move(umfeld)) {}

Eingabe LogbuchVerwaltung::suchEingabe() const {
  // Only a value that reads as 1 offers the last term; letters do not.
  const auto anbieten = werte::alsZahl(u_.store.read(s::abschnittTool(), s::search(), u"1"_s));
  const QString vorgabe =
      anbieten == 1.0 ? u_.store.read(s::abschnittTool(), s::understood(), QString()) : QString();
  return {u"Suchen"_s, u"Geben Sie den Suchbegriff ein:"_s, vorgabe};
}

std::optional<QList<int>> LogbuchVerwaltung::cmd_LogbuchSuchen_Click(
    const EingabeFunktion& eingabe, const std::function<void(const QList<int>&)>& markieren) {
  const QString begriff = eingabe(suchEingabe());
  if (begriff.isEmpty()) return std::nullopt;
  u_.store.write(s::abschnittTool(), s::understood(), begriff);
  QList<int> zeilen = treffer(u_.modell, begriff);
  // The matches are marked before the box covers the window.
  markieren(zeilen);
  u_.dialoge.zeige(suchErgebnis(zeilen.size()));
  return zeilen;
}

void LogbuchVerwaltung::cmd_LogbuchClear_Click() {
  if (u_.dialoge.zeige(frage(u"Sind Sie sich sicher, dass Sie das Logbuch löschen wollen?"_s,
                             u"Löschen"_s)) != Antwort::Ja)
    return;
  // A file that cannot be removed gets the entry appended.
  QFile::remove(u_.logbuch.dateipfad());
  QFile::remove(u_.logbuch.aeltererPfad());
  u_.logbuch.eintrag(u"Logbuch gelöscht"_s, SonstigeMeldung);
  u_.anzeigen();
}

QString LogbuchVerwaltung::ordnerWahlTitel(const QString& aktuell) {
  return u"Wählen Sie ein Verzeichnis für das Logbuch aus\n(aktuell: "_s + aktuell + u')';
}

void LogbuchVerwaltung::cmd_LogPfad_Click(const OrdnerWahl& ordnerWahl) {
  const QString alt = leseLogVerzeichnis(u_.store);
  const QString gewaehlt = ordnerWahl(ordnerWahlTitel(alt), alt);
  if (gewaehlt.isEmpty()) return;
  // A relative path would put the logbook wherever the program was started.
  if (!pfade::istAbsolut(gewaehlt)) {
    u_.dialoge.zeige(Meldung{u"Fehler beim Extrahieren des ausgewählten Pfades"_s});
    return;
  }
  const QString neu = pfade::mitTrenner(gewaehlt);
  // As the file system compares: byte for byte, and a link to the same
  // directory is the same directory.
  if (neu == alt || dieselbeDatei(neu, alt)) return;

  // The older entries move too, where there are any; Logbuch.log always.
  QStringList namen{Logbuch::dateiname()};
  if (lstatVon(alt + Logbuch::aeltererDateiname())) namen.prepend(Logbuch::aeltererDateiname());
  for (const QString& name : namen) {
    if (!lstatVon(neu + name) || dieselbeDatei(alt + name, neu + name)) continue;
    const QString text = u"Im Verzeichnis "_s + gewaehlt + u" gibt es schon eine Datei "_s + name +
                         u". Soll sie durch das Logbuch ersetzt werden? Ihr bisheriger Inhalt geht "
                         u"dabei verloren."_s;
    if (u_.dialoge.zeige(frage(text, u"Frage"_s)) != Antwort::Ja) return;
  }
  for (qsizetype k = 0; k < namen.size(); ++k) {
    if (const auto fehler = verschiebe(alt + namen.at(k), neu + namen.at(k))) {
      // The files stay together: what was moved already goes back.
      for (qsizetype z = 0; z < k; ++z) (void)verschiebe(neu + namen.at(z), alt + namen.at(z));
      u_.dialoge.zeige(information(u"Das Logbuch konnte nicht verschoben werden: "_s + fehler->text));
      return;
    }
  }
  u_.store.write(s::abschnittLogBuch(), s::pfad(), neu);
  u_.logbuch.eintrag(u"Logbuch.log nach "_s + gewaehlt + u" verschoben"_s, SonstigeMeldung);
  u_.anzeigen();
}

std::optional<Fehler> LogbuchVerwaltung::verschiebe(const QString& quelle, const QString& ziel) {
  // The copy goes to a hidden name first: until the old file is gone, a
  // file already at the new place stays as it was.
  const QString zwischen =
      pfade::verzeichnisteil(ziel) + u'.' + pfade::namensteil(ziel) + u".bewahrix-verschieben"_s;
  if (auto kopiert = u_.dateisystem.kopieren(quelle, zwischen); !kopiert) return kopiert.fehler();
  if (auto entfernt = u_.entferner.endgueltigLoeschen(quelle); !entfernt) {
    QFile::remove(zwischen);
    return entfernt.fehler();
  }
  if (std::rename(QFile::encodeName(zwischen).constData(), QFile::encodeName(ziel).constData()) != 0) {
    const Fehler fehler = systemfehler();
    // Back to the old place; should even that fail, the hidden copy is all
    // there is, so it stays.
    if (u_.dateisystem.kopieren(zwischen, quelle)) QFile::remove(zwischen);
    return fehler;
  }
  return std::nullopt;
}

Meldung ortMeldung(const SettingsStore& store) {
  return Meldung{u"Das Logbuch befindet sich derzeit im Verzeichnis\n"_s + leseLogVerzeichnis(store)};
}

Meldung zeilenMeldung(const QString& zeile) { return Meldung{zeile}; }

Meldung schreibfehlerMeldung(const QString& pfad, const QString& grund) {
  return {u"Das Logbuch "_s + pfad + u" kann nicht geschrieben werden: "_s + grund +
              u". Einträge gehen verloren, bis das behoben ist."_s,
          u"Bewahrix"_s, Symbol::Ausrufezeichen};
}

}  // namespace bewahrix
