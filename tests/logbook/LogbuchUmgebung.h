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

// A store, a logbook in the fresh HOME, its model and scripted boxes; the
// clock stands at 05.12.2026 14:03:27 and moves a second per entry written
// through schreibe().
class LogbuchUmgebung : public FrischeUmgebung {
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
  // Every entry in its shown form, as the file holds it now.
  QStringList gezeigteZeilen() {
    modell->neuLaden();
    QStringList alle;
    for (int i = 0; i < modell->rowCount(); ++i) alle.append(modell->zeile(i));
    return alle;
  }
  // The same without date and time.
  QStringList texte() {
    QStringList alle;
    for (const QString& zeile : gezeigteZeilen()) alle.append(zeile.mid(24));
    return alle;
  }

  GestellteUhr uhr{QDateTime(QDate(2026, 12, 5), QTime(14, 3, 27))};
  LogSchalterWerte schalter;
  SkriptDialoge dialoge;
  std::unique_ptr<SettingsStore> store;
  std::unique_ptr<Logbuch> logbuch;
  std::unique_ptr<LogbuchModell> modell;
};

}  // namespace bewahrix::test
