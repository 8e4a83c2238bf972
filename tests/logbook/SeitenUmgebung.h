#pragma once

#include "LogbuchUmgebung.h"
#include "logbook/LogbuchVerwaltung.h"

#include "platform/Dateisystem.h"
#include "platform/Papierkorb.h"

#include <memory>
#include <optional>

namespace bewahrix::test {

// Removal that fails on request, for a logbook that cannot leave its place.
class SteuerbarerEntferner final : public Entferner {
 public:
  Status inDenPapierkorb(const QString& pfad) override { return echt_.inDenPapierkorb(pfad); }
  Status endgueltigLoeschen(const QString& pfad) override {
    if (fehler) return *fehler;
    return echt_.endgueltigLoeschen(pfad);
  }
  std::optional<Fehler> fehler;

 private:
  SystemEntferner echt_;
};

// The logbook page without a window: store, writer, model and the page's
// operations, refreshed through a counted LogbuchAnzeigen.
class SeitenUmgebung : public LogbuchUmgebung {
 protected:
  void SetUp() override {
    LogbuchUmgebung::SetUp();
    seite = std::make_unique<LogbuchVerwaltung>(LogbuchVerwaltung::Umfeld{
        *store, *logbuch, *modell, dialoge, dateisystem, entferner, [this] {
          ++angezeigt;
          modell->neuLaden();
        }});
  }

  QString pfadEinstellung() { return store->read(QStringLiteral("LogBuch"), QStringLiteral("Pfad"), QStringLiteral("(fehlt)")); }

  PosixDateisystem dateisystem;
  SteuerbarerEntferner entferner;
  int angezeigt = 0;
  std::unique_ptr<LogbuchVerwaltung> seite;
};

}  // namespace bewahrix::test
