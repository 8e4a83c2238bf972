#pragma once

#include "logbook/LogSchalter.h"
#include "logbook/Logbuch.h"
#include "logbook/LogbuchModell.h"
#include "platform/Uhr.h"
#include "store/SettingsStore.h"
#include "support/SkriptDialoge.h"
#include "support/TestUmgebung.h"

#include <memory>

namespace bewahrix::test {

// A logbook with chosen entries, its model and scripted boxes.
class DruckUmgebung : public FrischeUmgebung {
 protected:
  void SetUp() override {
    FrischeUmgebung::SetUp();
    store = std::make_unique<SettingsStore>(schluessel::anwendung());
    logbuch = std::make_unique<Logbuch>(*store, uhr, schalter);
    modell = std::make_unique<LogbuchModell>(*logbuch);
  }

  void schreibe(const QStringList& texte) {
    for (const QString& text : texte) {
      logbuch->eintrag(text, SonstigeMeldung);
      uhr.sekundenWeiter(1);
    }
    modell->neuLaden();
  }
  QStringList gezeigteZeilen() const {
    QStringList alle;
    for (int i = 0; i < modell->rowCount(); ++i) alle.append(modell->zeile(i));
    return alle;
  }

  GestellteUhr uhr{QDateTime(QDate(2026, 12, 5), QTime(14, 3, 27))};
  LogSchalterWerte schalter;
  SkriptDialoge dialoge;
  std::unique_ptr<SettingsStore> store;
  std::unique_ptr<Logbuch> logbuch;
  std::unique_ptr<LogbuchModell> modell;
};

// A run's typical lines: two error entries, one with "Error" elsewhere and
// one in small letters.
inline QStringList beispielTexte() {
  return {
      QStringLiteral("<Anfang, Manueller Start>"),
      QStringLiteral(">>> Aufgabe 1"),
      QStringLiteral("  ==> /home/anna/Daten/brief.odt"),
      QStringLiteral("    => Datei kopiert"),
      QStringLiteral("    => Error, Zugriff verweigert"),
      QStringLiteral("Logbuch.log Error, Datei fehlt"),
      QStringLiteral("    => error, klein geschrieben"),
      QStringLiteral("    => Error, Datenträger voll"),
      QStringLiteral("<Ende, Manueller Start>"),
  };
}

}  // namespace bewahrix::test
