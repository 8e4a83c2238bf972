#pragma once

#include "logbook/LogSchalter.h"
#include "logbook/Logbuch.h"
#include "logbook/LogbuchModell.h"
#include "logbook/LogbuchVerwaltung.h"
#include "platform/Dateisystem.h"
#include "platform/Papierkorb.h"
#include "platform/Uhr.h"
#include "store/SettingsStore.h"
#include "support/SkriptDialoge.h"
#include "support/TestUmgebung.h"

#include <memory>
#include <optional>

namespace bewahrix::test {

// Removal that fails on request, for a logbook that cannot leave its place.
class SteuerbarerEntferner final : public Entferner {
 public:
  Status inDenPapierkorb(const QString& pfad) override { return echt_.inDenPapierkorb(pfad); }
  Status endgueltigLoeschen(const QString& pfad) override { return fehler ? Status(*fehler) : echt_.endgueltigLoeschen(pfad); }
  std::optional<Fehler> fehler;

 private:
  SystemEntferner echt_;
};

// A logbook in the fresh HOME, its model and the page's operations (counting the view's refreshes).
class LogbuchUmgebung : public FrischeUmgebung {
 protected:
  void SetUp() override {
    FrischeUmgebung::SetUp();
    store = std::make_unique<SettingsStore>(schluessel::anwendung());
    logbuch = std::make_unique<Logbuch>(*store, uhr, schalter);
    modell = std::make_unique<LogbuchModell>(*logbuch);
    seite = std::make_unique<LogbuchVerwaltung>(LogbuchVerwaltung::Umfeld{
        *store, *logbuch, *modell, dialoge, dateisystem, entferner, [this] { ++angezeigt, modell->neuLaden(); }});
  }

  // Every entry as shown, read anew; texte() without date and time.
  QStringList zeilen(int ab = 0) {
    modell->neuLaden();
    QStringList alle;
    for (int i = 0; i < modell->rowCount(); ++i) alle.append(modell->zeile(i).mid(ab));
    return alle;
  }
  QStringList texte() { return zeilen(24); }
  void setzePfad(const QString& verzeichnis) { store->write(QStringLiteral("LogBuch"), QStringLiteral("Pfad"), verzeichnis); }
  QString pfadEinstellung() { return store->read(QStringLiteral("LogBuch"), QStringLiteral("Pfad"), QStringLiteral("(fehlt)")); }

  GestellteUhr uhr{QDateTime(QDate(2026, 12, 5), QTime(14, 3, 27))};
  LogSchalterWerte schalter;
  SkriptDialoge dialoge;
  PosixDateisystem dateisystem;
  SteuerbarerEntferner entferner;
  int angezeigt = 0;
  std::unique_ptr<SettingsStore> store;
  std::unique_ptr<Logbuch> logbuch;
  std::unique_ptr<LogbuchModell> modell;
  std::unique_ptr<LogbuchVerwaltung> seite;
};

}  // namespace bewahrix::test
