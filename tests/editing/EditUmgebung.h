#pragma once

#include "editing/Bearbeitung.h"
#include "logbook/LogSchalter.h"
#include "logbook/Logbuch.h"
#include "platform/Uhr.h"
#include "store/SettingsStore.h"
#include "support/SkriptDialoge.h"
#include "support/TestUmgebung.h"

#include <QList>
#include <QPair>

#include <memory>

namespace bewahrix::test {

// Keeps every entry with its category, also those a switch would drop.
class MitschreibLogbuch final : public Logbuch {
 public:
  using Logbuch::Logbuch;
  void eintrag(const QString& text, int kategorie) override { saetze.append({text, kategorie}); }
  QList<QPair<QString, int>> saetze;
};

class EditUmgebung : public FrischeUmgebung {
 protected:
  void SetUp() override {
    FrischeUmgebung::SetUp();
    store = SettingsStore::oeffneDatei(pfad(QStringLiteral("settings.db")));
    logbuch = std::make_unique<MitschreibLogbuch>(*store, uhr, schalter);
  }
  Bearbeitung b() { return {*store, *logbuch, dialoge, uhr}; }
  void option(const QString& key, const QString& wert) { store->write(QStringLiteral("Optionen"), key, wert); }
  QString status(const QString& key) { return store->read(QStringLiteral("StatusIn"), key, QStringLiteral("<fehlt>")); }

  GestellteUhr uhr{QDateTime(QDate(2026, 12, 5), QTime(14, 3, 27))};
  LogSchalterWerte schalter;
  std::unique_ptr<SettingsStore> store;
  std::unique_ptr<MitschreibLogbuch> logbuch;
  SkriptDialoge dialoge;
};

}  // namespace bewahrix::test
