#pragma once

#include "backup/FesterLaufHost.h"
#include "backup/Sicherung.h"
#include "logbook/LogSchalter.h"
#include "logbook/Logbuch.h"
#include "platform/Dateisystem.h"
#include "platform/Papierkorb.h"
#include "platform/Uhr.h"
#include "store/SettingsStore.h"
#include "support/SkriptDialoge.h"
#include "support/TestUmgebung.h"

#include <QList>
#include <QPair>
#include <QDir>

#include <functional>

#include <memory>

namespace bewahrix::test {

using Zeile = QPair<int, QString>;  // (category, text)
using Zeilen = QList<Zeile>;

// The real logbook, which also remembers every entry it was asked for with
// its category, so tests can compare a run's lines exactly.
class MitschreibendesLogbuch final : public Logbuch {
 public:
  using Logbuch::Logbuch;
  void eintrag(const QString& text, int kategorie) override {
    if (!schalterAus_(kategorie)) zeilen.append({kategorie, text});
    Logbuch::eintrag(text, kategorie);
  }
  void beachte(const LogSchalter& schalter) {
    schalterAus_ = [&schalter](int k) { return schalter.aufzeichnungAus() || !schalter.kategorieAn(k); };
  }
  Zeilen zeilen;

 private:
  std::function<bool(int)> schalterAus_ = [](int) { return false; };
};

// A host that remembers what the run showed.
class BeobachtenderHost final : public FesterLaufHost {
 public:
  void laufBeginnt(int index) override { begonnen.append(index); }
  void laufEndet() override { ++beendet; }
  void setzeLampe(int index, bool fehlerfrei) override { lampen.append({index, fehlerfrei}); }
  void logbuchAnzeigen() override { ++angezeigt; }
  void fortschritt(qint64 verarbeitet, const QString&, int prozent) override {
    fortschritte.append(verarbeitet);
    if (prozent >= 0) prozente.append(prozent);
  }
  void ereignisseVerarbeiten() override {
    ++nachgegeben;
    if (beimNachgeben) beimNachgeben();
  }

  QList<int> begonnen;
  int beendet = 0;
  QList<QPair<int, bool>> lampen;
  int angezeigt = 0;
  QList<qint64> fortschritte;
  QList<int> prozente;
  int nachgegeben = 0;
  std::function<void()> beimNachgeben;  // what the "user" does while the run yields
};

// Everything a run needs, real where it can be: store, logbook, file system
// and Trash in a fresh temporary HOME.
class LaufUmgebung : public FrischeUmgebung {
 protected:
  void SetUp() override;
  // Every recorded line is in the file too, in the same order: collecting
  // entries during a run loses, doubles or reorders none.
  void TearDown() override;

  // Creates a file under the test folder with content and last-write time.
  QString datei(const QString& relativ, const QByteArray& inhalt = "inhalt",
                const QDateTime& geaendert = QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)));
  void setzeZeit(const QString& pfad, const QDateTime& geaendert);
  // Task index gets sources, mode and the target pfad("ziel/").
  void aufgabe(int index, const QStringList& quellen, int modus);
  QString ziel() const { return pfad(QStringLiteral("ziel/")); }
  // The lines of the run, without the frame lines common to every run.
  Zeilen dateiZeilen() const;
  void zeilenVergessen() { logbuch->zeilen.clear(); }

  GestellteUhr uhr{QDateTime(QDate(2026, 12, 5), QTime(14, 3, 27))};
  LogSchalterWerte schalter;
  std::unique_ptr<SettingsStore> store;
  std::unique_ptr<MitschreibendesLogbuch> logbuch;
  BeobachtenderHost host;
  SkriptDialoge dialoge;
  std::unique_ptr<Dateisystem> dateisystem = std::make_unique<PosixDateisystem>();
  std::unique_ptr<Entferner> entferner = std::make_unique<SystemEntferner>();
  std::unique_ptr<Sicherung> sicherung;

  // Builds the run anew, e.g. after a test swapped the file system.
  void sicherungAnlegen();
};

}  // namespace bewahrix::test
