#pragma once

#include "backup/FesterLaufHost.h"
#include "backup/Sicherung.h"
#include "logbook/LogSchalter.h"
#include "logbook/Logbuch.h"
#include "platform/Dateisystem.h"
#include "platform/Papierkorb.h"
#include "platform/Uhr.h"
#include "store/Datensaetze.h"
#include "store/SettingsStore.h"
#include "support/SkriptDialoge.h"
#include "support/TestUmgebung.h"

#include <QDateTime>
#include <QPair>

#include <functional>
#include <memory>

namespace bewahrix::test {

using Zeile = QPair<int, QString>;  // (category, text)
using Zeilen = QList<Zeile>;

// The real logbook, which also remembers every line it recorded.
class MitschreibendesLogbuch final : public Logbuch {
 public:
  MitschreibendesLogbuch(SettingsStore& store, const Uhr& uhr, const LogSchalter& schalter)
      : Logbuch(store, uhr, schalter), schalter_(schalter) {}
  void eintrag(const QString& text, int kategorie) override {
    if (!schalter_.aufzeichnungAus() && schalter_.kategorieAn(kategorie)) zeilen.append({kategorie, text});
    Logbuch::eintrag(text, kategorie);
  }
  Zeilen zeilen;

 private:
  const LogSchalter& schalter_;
};

// A host that remembers what the run showed.
class BeobachtenderHost final : public FesterLaufHost {
 public:
  void laufBeginnt(int index) override { begonnen.append(index); }
  void laufEndet() override { ++beendet; }
  void setzeLampe(int index, bool fehlerfrei) override { lampen.append({index, fehlerfrei}); }
  void fortschritt(qint64, const QString&, int prozent) override {
    if (prozent >= 0) prozente.append(prozent);
  }
  void ereignisseVerarbeiten() override {
    ++nachgegeben;
    if (beimNachgeben) beimNachgeben();
  }
  QList<int> begonnen;
  int beendet = 0;
  QList<QPair<int, bool>> lampen;
  QList<int> prozente;
  int nachgegeben = 0;
  std::function<void()> beimNachgeben;  // what the "user" does while the run yields
};

// Everything a run needs, real where it can be: store, logbook, file system
// and Trash in a fresh temporary HOME.
class LaufUmgebung : public FrischeUmgebung {
 protected:
  void SetUp() override;
  // Every recorded line is in the file too, in the same order.
  void TearDown() override;

  // A file under the test folder with content and last-write time.
  QString datei(const QString& relativ, const QByteArray& inhalt = "inhalt",
                const QDateTime& geaendert = QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)));
  // Task index gets sources, mode and a target (default pfad("ziel/")).
  void aufgabe(int index, const QStringList& quellen, int modus = ImmerUeberschreiben,
               const QString& zielOrdner = {});
  QString ziel() const { return pfad(QStringLiteral("ziel/")); }
  // An automatic run of task 0 (no summary box), with fresh lines.
  void lauf();
  // The lines of the run without the frame lines common to every run.
  Zeilen dateiZeilen() const;
  // What find prints for the entries below verzeichnis (by default each
  // type letter and relative path), sorted.
  static QStringList finde(const QString& verzeichnis,
                           const QStringList& ausdruck = {QStringLiteral("-printf"), QStringLiteral("%y %P\\0")});
  // The lines of one category.
  QStringList zeilenDer(int kategorie) const;
  bool hat(int kategorie, const QString& text) const { return logbuch->zeilen.contains(Zeile{kategorie, text}); }
  // Runs on another file system from now on.
  void nimm(std::unique_ptr<Dateisystem> neu);

  GestellteUhr uhr{QDateTime(QDate(2026, 12, 5), QTime(14, 3, 27))};
  LogSchalterWerte schalter;
  std::unique_ptr<SettingsStore> store;
  std::unique_ptr<MitschreibendesLogbuch> logbuch;
  BeobachtenderHost host;
  SkriptDialoge dialoge;
  std::unique_ptr<Dateisystem> dateisystem = std::make_unique<PosixDateisystem>();
  std::unique_ptr<Entferner> entferner = std::make_unique<SystemEntferner>();
  std::unique_ptr<Sicherung> sicherung;
};

}  // namespace bewahrix::test
