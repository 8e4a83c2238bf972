#include "backup/Sicherung.h"

#include "logbook/Logbuch.h"
#include "platform/Dateisystem.h"
#include "platform/Pfade.h"

#include <QDir>

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

EintragsArt eintragsArt(const QString& eintrag) {
  if (eintrag.endsWith(pfade::verzeichnisEndung())) return EintragsArt::Verzeichnis;
  if (eintrag.endsWith(pfade::baumEndung())) return EintragsArt::Baum;
  return EintragsArt::Datei;
}

QString quellverzeichnis(const QString& eintrag) {
  switch (eintragsArt(eintrag)) {
    case EintragsArt::Verzeichnis:
      return eintrag.chopped(pfade::verzeichnisEndung().size() - 1);
    case EintragsArt::Baum:
      return eintrag.chopped(pfade::baumEndung().size() - 1);
    case EintragsArt::Datei:
      break;
  }
  const QString teil = pfade::verzeichnisteil(eintrag);
  return teil.isEmpty() ? pfade::mitTrenner(QDir::currentPath()) : teil;
}

void Sicherung::eintragKopieren(int index, const QString& eintrag) {
  const QString name = pfade::namensteil(eintrag);
  if (name.isEmpty()) {
    ++zaehler_.sonstigeFehler;
    const QString text = u"Lesefehler, Datei wurde nicht angegeben, "_s + eintrag;
    fehlschlag(index, text);
    log(u" ==> "_s + text, Fehlermeldung);
    return;
  }
  if (aufSichSelbst(index, eintrag)) return;
  switch (eintragsArt(eintrag)) {
    case EintragsArt::Verzeichnis:
      verzeichnisKopieren(index, eintrag);
      break;
    case EintragsArt::Baum:
      baumKopieren(index, eintrag);
      break;
    case EintragsArt::Datei:
      dateiKopieren(index, eintrag, zielverzeichnis(index) + zusatz(index) + name, zielverzeichnis(index),
                    EintragsArt::Datei);
      break;
  }
}

bool Sicherung::aufSichSelbst(int index, const QString& eintrag) {
  // With the prefix every copy gets a name of its own.
  if (!zusatz(index).isEmpty()) return false;
  const QString quelle = quellverzeichnis(eintrag);
  const QString ziel = eintragsArt(eintrag) == EintragsArt::Datei
                           ? zielverzeichnis(index)
                           : zielverzeichnis(index) + pfade::namensteil(quelle.chopped(1));
  const auto q = u_.dateisystem.status(quelle);
  const auto z = u_.dateisystem.status(ziel);
  if (!q || !z || q.wert().kennung != z.wert().kennung) return false;
  ++zaehler_.sonstigeFehler;
  fehlerAlsStatus(index, u"Quelle "_s + eintrag + u" und Ziel "_s + ziel +
                             u" sind dasselbe Verzeichnis, nichts wird kopiert"_s);
  return true;
}

void Sicherung::verzeichnisKopieren(int index, const QString& eintrag) {
  // "/home/anna/Briefe/*.*": the directory without its suffix.
  const QString verzeichnis = eintrag.chopped(pfade::verzeichnisEndung().size());
  log(u"==> Kopiere Datei(en) aus dem Verzeichnis "_s + verzeichnis + u" (ohne Unterverzeichnisse)"_s,
      Dateiname);
  const Verzeichnisinhalt inhalt = sucheDateien(index, pfade::mitTrenner(verzeichnis));
  const QStringList& dateien = inhalt.dateien;
  if (dateien.isEmpty()) {
    if (!inhalt.fehler) log(u"    => keine Datei gefunden, Verzeichnis ist leer"_s, Dateiname);
    return;
  }
  const QString p = zusatz(index);
  const QString zielDir = zielverzeichnis(index) + p + pfade::namensteil(verzeichnis);
  for (const QString& datei : dateien) {
    if (abbruch_) return;
    dateiKopieren(index, pfade::mitTrenner(verzeichnis) + datei,
                  pfade::mitTrenner(zielDir) + p + datei, zielDir, EintragsArt::Verzeichnis);
  }
}

void Sicherung::baumKopieren(int index, const QString& eintrag) {
  // "/home/anna/Daten/*.***": the root with its trailing separator.
  const QString wurzel = eintrag.chopped(pfade::baumEndung().size() - 1);
  QList<Ordner> ordner;
  QString zielGefunden;
  ordnerSammeln(ordner, wurzel, zielGefunden);
  log(u"    => kopieren aller Dateien und Unterverzeichnisse aus Verzeichnis "_s + eintrag, BaumHinweis);
  if (zielGefunden == wurzel) {  // nothing of it would be saved
    ++zaehler_.sonstigeFehler;
    fehlerAlsStatus(index, u"Quelle "_s + eintrag + u" ist das Zielverzeichnis selbst, nichts wird kopiert"_s);
    return;
  }
  if (!zielGefunden.isEmpty())
    log(u"    => Zielverzeichnis "_s + zielGefunden + u" liegt in der Quelle und wird nicht mitgesichert"_s,
        BaumHinweis);
  // Target paths keep the tree from the root's own name on ("Daten/Briefe/").
  const qsizetype relativAb = wurzel.size() - 1 - pfade::namensteil(wurzel.chopped(1)).size();

  for (Ordner& item : ordner) {
    if (abbruch_) return;
    const QString verzeichnis = item.pfad.chopped(1);
    log(u"==> Kopiere Datei(en) aus dem Verzeichnis "_s + verzeichnis, Dateiname);
    // The walk has read the directory already; its files are taken from there.
    const Verzeichnisinhalt inhalt = gefunden(index, verzeichnis, std::exchange(item.inhalt, {}));
    const QStringList& dateien = inhalt.dateien;
    const QString relativ = pfade::mitTrenner(item.pfad.mid(relativAb));
    const QString p = zusatz(index);
    if (inhalt.fehler && dateien.isEmpty()) continue;  // reported; it is not an empty one
    if (dateien.isEmpty()) {
      log(u"    => keine Datei gefunden"_s, Dateiname);
      const QString leer = zielverzeichnis(index) + p + relativ;
      if (imZielAnlegen(index, leer))
        log(u"  ==> Verzeichniss "_s + leer + u" erstellt"_s, ZielpfadUndErstellung);
      continue;
    }
    const QString zielDir = zielverzeichnis(index) + p + relativ;
    for (const QString& datei : dateien) {
      if (abbruch_) return;
      dateiKopieren(index, item.pfad + datei, zielDir + p + datei, zielDir, EintragsArt::Baum);
    }
  }
}

Verzeichnisinhalt Sicherung::sucheDateien(int index, const QString& verzeichnis) {
  nachgeben(verzeichnis);
  return gefunden(index, verzeichnis, u_.dateisystem.inhalt(verzeichnis));
}

Verzeichnisinhalt Sicherung::gefunden(int index, const QString& verzeichnis, Verzeichnisinhalt inhalt) {
  anzahlGefunden_ = inhalt.dateien.size();
  // An unreadable directory is not an empty one: its files were not saved.
  if (inhalt.fehler) {
    ++zaehler_.verzeichnisseFehlerhaft;
    fehlerAlsStatus(index, u"Verzeichnis "_s + verzeichnis + u" nicht lesbar: "_s + inhalt.fehler->text);
  }
  return inhalt;
}

void Sicherung::ordnerSammeln(QList<Ordner>& liste, const QString& pfad, QString& zielGefunden) {
  const QString verzeichnis = pfade::mitTrenner(pfad);
  nachgeben(verzeichnis);
  if (abbruch_) return;
  Verzeichnisinhalt inhalt = u_.dateisystem.inhalt(verzeichnis);
  // A target inside its source would hold one more copy of itself after
  // every run.
  if (ziel_.kennung && inhalt.kennung == ziel_.kennung) {
    zielGefunden = verzeichnis;
    return;
  }
  const QStringList unter = inhalt.unterverzeichnisse;
  liste.append({verzeichnis, std::move(inhalt)});
  for (const QString& name : unter) ordnerSammeln(liste, verzeichnis + name, zielGefunden);
}

}  // namespace bewahrix
