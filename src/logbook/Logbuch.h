#pragma once

#include "platform/Dateihandle.h"
#include "platform/Ergebnis.h"

#include <QString>

namespace bewahrix {

class LogSchalter;
class SettingsStore;
class Uhr;

// Message categories of the logbook.
enum LogKategorie : int {
  Fehlermeldung = 0,
  ZielpfadUndErstellung = 1,
  Dateiname = 2,
  Dateigroesse = 3,
  Kopiervorgang = 4,
  StartDesVorgangs = 5,
  Endreport = 6,
  SonstigeMeldung = 7,
  Loeschbestaetigung = 8,
  BaumHinweis = 9,
  IgnorierInformation = 10,
};

// Writes entries into Logbuch.log in the directory the store names. Keeps no
// state between calls: the directory is read afresh, the file opened for
// each operation and closed at its end.
class Logbuch {
 public:
  Logbuch(SettingsStore& store, const Uhr& uhr, const LogSchalter& schalter);
  virtual ~Logbuch() = default;
  Logbuch(const Logbuch&) = delete;
  Logbuch& operator=(const Logbuch&) = delete;

  // Appends one entry, subject to the switches. Never fails towards the
  // caller. Virtual so tests can watch the categories that the file drops.
  virtual void eintrag(const QString& text, int kategorie);

  // Opens the logbook for reading and writing, creating it. When the
  // configured directory cannot be used, falls back to the home directory,
  // stores that as the new directory and records why.
  Ergebnis<Dateihandle> oeffnen();

  QString dateipfad() const;
  static QString dateiname();  // "Logbuch.log"

 private:
  SettingsStore& store_;
  const Uhr& uhr_;
  const LogSchalter& schalter_;
  bool imRueckfall_ = false;
};

// Records in category 0 that the settings store had to be started afresh.
void meldeSpeicherZustand(const SettingsStore& store, Logbuch& logbuch);

}  // namespace bewahrix
