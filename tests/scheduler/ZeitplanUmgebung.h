#pragma once

#include "platform/Uhr.h"
#include "store/Schluessel.h"
#include "store/SettingsStore.h"
#include "support/TestUmgebung.h"

#include <memory>

namespace bewahrix::test {

inline QDateTime um(int jahr, int monat, int tag, int stunde, int minute, int sekunde = 0) {
  return {QDate(jahr, monat, tag), QTime(stunde, minute, sekunde)};
}

// A store in the test's own HOME and a clock that stands still on Saturday,
// 05.12.2026 14:03:27.
class ZeitplanUmgebung : public FrischeUmgebung {
 protected:
  void SetUp() override {
    FrischeUmgebung::SetUp();
    // Opened here: only now does HOME point at the test's own folder.
    store = std::make_unique<SettingsStore>(schluessel::anwendung());
  }
  // Task i's schedule and its copy mode; an empty text is not stored.
  void plane(int i, const QString& art, const QString& tag, const QString& zeit,
             const QString& vorgang = QStringLiteral("0")) {
    namespace s = schluessel;
    for (const auto& [key, wert] : QList<std::pair<QString, QString>>{{s::dayArt(i), art}, {s::sollDay(i), tag}, {s::sollTime(i), zeit}})
      if (!wert.isEmpty()) store->write(s::abschnittTimer(), key, wert);
    store->write(s::abschnittOptionen(), s::vorgang(i), vorgang);
  }

  std::unique_ptr<SettingsStore> store;
  GestellteUhr uhr{um(2026, 12, 5, 14, 3, 27)};
};

}  // namespace bewahrix::test
