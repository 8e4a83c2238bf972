#pragma once

#include "store/Schluessel.h"
#include "store/SettingsStore.h"

#include <QDate>
#include <QList>
#include <QTime>

#include <array>
#include <optional>

namespace bewahrix {

class Uhr;

// Copy modes ("Verfahren"); 5 means none chosen and blocks the task.
enum KopierModus : int {
  ImmerUeberschreiben = 0,
  NurWennFehlend = 1,
  NurAelteres = 2,
  NurKleineres = 3,
  NurGroesseres = 4,
  KeinVerfahren = 5,
};

// Schedule kinds.
enum ZeitplanArt : int { Einmalig = 0, Monatlich = 1, Woechentlich = 2, Taeglich = 3, KeinZeitplan = 4 };

// A list entry as stored: the key is the entry, the value when it was added.
struct Listeneintrag {
  QString text;
  QString hinzugefuegt;
};

// One task as the store holds it, every default applied. An empty optional
// means the stored text could not be converted: the caller keeps its control
// as it was.
struct Aufgabe {
  int index = 0;
  QString titel;
  QList<Listeneintrag> quellen;
  QString ziel;
  std::optional<int> kopierModus;
  std::optional<int> zielLeeren;     // check state
  std::optional<int> inPapierkorb;   // check state
  std::optional<int> namensZusatz;   // check state
  std::optional<int> zeitplanArt;
  std::optional<QDate> zeitplanDatum;
  std::optional<QTime> zeitplanZeit;
  QList<Listeneintrag> ignorierListe;
  std::optional<QString> statusCode;  // absent: no status
  QString statusMeldung;
};

struct Programmoptionen {
  std::optional<bool> startMinimiert;
  std::optional<bool> hotkey;
  std::optional<bool> meldungVersaeumt;
  std::optional<bool> benachrichtigungen;
  std::optional<bool> hilfe;
  // A logbook switch that cannot be read takes its default: nothing may stop
  // recording for good without the user's word.
  bool aufzeichnungAus = false;
  std::array<bool, schluessel::kAnzahlKategorien> kategorien{};
  QString logVerzeichnis;
  std::optional<int> verzeichnisAuflisten;  // check state
  std::optional<int> dragDropSofort;        // check state
  std::optional<int> verzeichnisSuche;      // option index 0 or 1
  QString letzterSuchbegriff;
  std::optional<double> suchbegriffAnbieten;
};

struct Programmdaten {
  std::optional<double> startzaehler;
  std::optional<QString> startDatum, startZeit, endDatum, endZeit;  // absent: none
  std::optional<int> links, oben, breite, hoehe;                   // twips
};

QString standardTitel(int index);
QString keineStatusInformation();  // "keine Information vorhanden"

Aufgabe leseAufgabe(const SettingsStore& store, int index, const Uhr& uhr);
Programmoptionen leseProgrammoptionen(const SettingsStore& store);
Programmdaten leseProgrammdaten(const SettingsStore& store);
// The logbook directory, always with a trailing separator.
QString leseLogVerzeichnis(const SettingsStore& store);

// The sizes the logbook may be limited to, in the order of the menu:
// 10 MB, 100 MB (the default), 1 GB, none (0).
inline constexpr std::array<qint64, schluessel::kAnzahlLogGrenzen> kLogGrenzen = {qint64{10} << 20, qint64{100} << 20, qint64{1} << 30, 0};
// The stored budget in bytes; 0 means none, a value that cannot be read the default.
qint64 leseLogGrenze(const SettingsStore& store);

}  // namespace bewahrix
