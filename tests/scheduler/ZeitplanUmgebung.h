#pragma once

#include "platform/Uhr.h"
#include "store/Schluessel.h"
#include "store/SettingsStore.h"
#include "support/TestUmgebung.h"

#include <memory>

namespace bewahrix::test {

inline QDateTime um(int jahr, int monat, int tag, int stunde, int minute, int sekunde = 0) {
  return QDateTime(QDate(jahr, monat, tag), QTime(stunde, minute, sekunde));
}

// A store in the test's own HOME and a clock that stands still.
class ZeitplanUmgebung : public FrischeUmgebung {
 protected:
  explicit ZeitplanUmgebung(const QDateTime& jetzt) : uhr(jetzt) {}

  void SetUp() override {
    FrischeUmgebung::SetUp();
    // Opened here: only now does HOME point at the test's own folder.
    store = std::make_unique<SettingsStore>(schluessel::anwendung());
  }

  std::unique_ptr<SettingsStore> store;
  GestellteUhr uhr;
};

}  // namespace bewahrix::test
