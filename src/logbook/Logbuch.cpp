#include "logbook/Logbuch.h"

#include "logbook/LogSatz.h"
#include "logbook/LogSchalter.h"
#include "platform/Pfade.h"
#include "platform/Uhr.h"
#include "store/Datensaetze.h"
#include "store/Schluessel.h"
#include "store/SettingsStore.h"

#include <QFile>

#include <cerrno>
#include <cstdio>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace {

Ergebnis<Dateihandle> oeffneIn(const QString& verzeichnis) {
  if (!pfade::istAbsolut(verzeichnis))
    return Fehler{ENOENT, u"Kein vollständiger Pfad: "_s + verzeichnis};
  return Dateihandle::oeffnen(verzeichnis + Logbuch::dateiname(), O_RDWR | O_CREAT);
}

}  // namespace

Logbuch::Logbuch(SettingsStore& store, const Uhr& uhr, const LogSchalter& schalter)
    : store_(store), uhr_(uhr), schalter_(schalter) {}

QString Logbuch::dateiname() { return u"Logbuch.log"_s; }

QString Logbuch::dateipfad() const { return leseLogVerzeichnis(store_) + dateiname(); }

QString Logbuch::aeltererDateiname() { return u"Logbuch.1.log"_s; }

QString Logbuch::aeltererPfad() const { return leseLogVerzeichnis(store_) + aeltererDateiname(); }

void Logbuch::begrenzen() {
  const qint64 grenze = leseLogGrenze(store_);
  const QByteArray pfad = QFile::encodeName(dateipfad());
  struct stat info {};
  if (grenze == 0 || ::stat(pfad.constData(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size <= grenze)
    return;
  schreibeGesammelte();  // what came before stays in the older file
  if (std::rename(pfad.constData(), QFile::encodeName(aeltererPfad()).constData()) != 0) {
    eintrag(u"Logbuch.log kann nicht in Logbuch.1.log umbenannt werden: "_s + systemfehler().text, Fehlermeldung);
    return;
  }
  eintrag(u"Logbuch fortgesetzt; ältere Einträge in Logbuch.1.log"_s, SonstigeMeldung);
}

Logbuch::Lauf::Lauf(Logbuch& logbuch) : logbuch_(logbuch) {
  if (logbuch_.laeufe_++ == 0) logbuch_.begrenzen();
}

Logbuch::Lauf::~Lauf() { --logbuch_.laeufe_; }

Ergebnis<Dateihandle> Logbuch::oeffnen() {
  auto datei = oeffneIn(leseLogVerzeichnis(store_));
  if (datei || imRueckfall_) return datei;

  const QString wurzel = pfade::standardWurzel();
  store_.write(schluessel::abschnittLogBuch(), schluessel::pfad(), wurzel);
  auto ersatz = oeffneIn(wurzel);
  if (!ersatz) return ersatz;
  ersatz.wert().schliessen();

  // The two notes go through the writer, which opens the fallback itself.
  imRueckfall_ = true;
  eintrag(u"Logbuch.log Error, "_s + datei.fehler().text, Fehlermeldung);
  eintrag(u"Logbuch.log auf "_s + wurzel + u" gespeichert"_s, Fehlermeldung);
  imRueckfall_ = false;
  return oeffneIn(wurzel);
}

namespace {
constexpr qsizetype kHoechstensGesammelt = 4 << 20;
}

void Logbuch::eintrag(const QString& text, int kategorie) {
  if (schalter_.aufzeichnungAus() || !schalter_.kategorieAn(kategorie)) return;
  const QDateTime jetzt = uhr_.jetzt();
  if (jetzt != kopfZeit_) {
    kopfZeit_ = jetzt;
    kopf_ = logsatz::zeitKopf(jetzt);
  }
  // The fallback's notes go straight to the file, ahead of what was collected.
  if (sitzungen_ == 0 || pausen_ > 0 || imRueckfall_) {
    QByteArray slot;
    logsatz::anhaengen(slot, kopf_, text);
    schreibe(slot);
    return;
  }
  logsatz::anhaengen(gesammelt_, kopf_, text);
  if (gesammelt_.size() >= kHoechstensGesammelt) schreibeGesammelte();
}

void Logbuch::schreibeGesammelte() {
  if (gesammelt_.isEmpty()) return;
  schreibe(gesammelt_);
  gesammelt_.resize(0);  // keeps the allocation for the next entries
}

void Logbuch::schreibe(const QByteArray& saetze) {
  const Status geschrieben = schreibeInDatei(saetze);
  // Told once when writing stops working and once when it works again.
  if (geschrieben.ok() != schreibtNicht_) return;
  schreibtNicht_ = !geschrieben.ok();
  if (!beiSchreibzustand) return;
  if (schreibtNicht_)
    beiSchreibzustand(Schreibfehler{dateipfad(), geschrieben.fehler().text});
  else
    beiSchreibzustand(std::nullopt);
}

Status Logbuch::schreibeInDatei(const QByteArray& saetze) {
  auto datei = oeffnen();
  if (!datei) return datei.fehler();
  const auto laenge = datei.wert().groesse();
  if (!laenge) return laenge.fehler();
  // The slot after the last record, counted from the length: a record cut
  // short keeps its slot and is never overwritten.
  const qint64 offset = logsatz::anzahlSaetze(laenge.wert()) * logsatz::kSlotGroesse;
  return datei.wert().schreiben(offset, saetze);
}

Logbuch::Sitzung::Sitzung(Logbuch& logbuch) : logbuch_(logbuch) { ++logbuch_.sitzungen_; }

Logbuch::Sitzung::~Sitzung() {
  if (--logbuch_.sitzungen_ == 0) logbuch_.schreibeGesammelte();
}

Logbuch::Pause::Pause(Logbuch& logbuch) : logbuch_(logbuch) {
  logbuch_.schreibeGesammelte();  // what came before stays before
  ++logbuch_.pausen_;
}

Logbuch::Pause::~Pause() { --logbuch_.pausen_; }

void meldeSpeicherZustand(const SettingsStore& store, Logbuch& logbuch) {
  // A record holds 100 characters: the name of the kept file fits, the
  // whole path is said in a box.
  if (const auto alt = store.beiseitegelegt())
    logbuch.eintrag(u"Einstellungsdatenbank unlesbar, beiseitegelegt als "_s + pfade::namensteil(*alt),
                    Fehlermeldung);
}

}  // namespace bewahrix
