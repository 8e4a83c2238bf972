#pragma once

#include "platform/Dateihandle.h"
#include "platform/Ergebnis.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

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
  // The older entries, beside Logbuch.log.
  QString aeltererPfad() const;
  static QString aeltererDateiname();  // "Logbuch.1.log"

  // When Logbuch.log has passed the size budget the store names, it becomes
  // Logbuch.1.log (replacing an older one) and a new file begins with a note
  // where the older entries are. For the program's start and a Lauf's.
  void begrenzen();

  // A run, from its first record to its last. The outermost one begins with
  // begrenzen(): a run's records stay together in one file, however many.
  class Lauf {
   public:
    explicit Lauf(Logbuch& logbuch);
    ~Lauf();
    Lauf(const Lauf&) = delete;
    Lauf& operator=(const Lauf&) = delete;

   private:
    Logbuch& logbuch_;
  };

  struct Schreibfehler {
    QString pfad;
    QString grund;
  };
  // Told when entries stop reaching the file (which file and why) and, with
  // nullopt, when the next one reaches it again.
  std::function<void(const std::optional<Schreibfehler>&)> beiSchreibzustand;

  // While a Sitzung lives, entries are collected in memory and written with
  // one write at schreibeGesammelte() and at the Sitzung's end. A run opens
  // one and writes before every yield to the event loop, so a logbook
  // operation of the user never misses an entry and the file is still
  // opened once per operation.
  class Sitzung {
   public:
    explicit Sitzung(Logbuch& logbuch);
    ~Sitzung();
    Sitzung(const Sitzung&) = delete;
    Sitzung& operator=(const Sitzung&) = delete;

   private:
    Logbuch& logbuch_;
  };
  void schreibeGesammelte();

  // Inside a Sitzung, while the window's handlers may run (a yield to the
  // event loop, a message box), entries go straight to the file again, so a
  // handler that records something and refreshes the view sees its entry.
  class Pause {
   public:
    explicit Pause(Logbuch& logbuch);
    ~Pause();
    Pause(const Pause&) = delete;
    Pause& operator=(const Pause&) = delete;

   private:
    Logbuch& logbuch_;
  };

 private:
  void schreibe(const QByteArray& saetze);
  Status schreibeInDatei(const QByteArray& saetze);

  SettingsStore& store_;
  const Uhr& uhr_;
  const LogSchalter& schalter_;
  bool imRueckfall_ = false;
  int sitzungen_ = 0;
  int pausen_ = 0;
  int laeufe_ = 0;
  bool schreibtNicht_ = false;
  QByteArray gesammelt_;
  // Date and time bytes of the last entry: a run writes many per second.
  QDateTime kopfZeit_;
  QByteArray kopf_;
};

// Records in category 0 that the settings store had to be started afresh.
void meldeSpeicherZustand(const SettingsStore& store, Logbuch& logbuch);

}  // namespace bewahrix
