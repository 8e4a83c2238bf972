#pragma once

#include "logbook/LogSchalter.h"
#include "logbook/Logbuch.h"
#include "platform/Uhr.h"
#include "store/Schluessel.h"
#include "store/SettingsStore.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

// Small timing helpers shared by the benchmark programs.
namespace bewahrix::bench {

// A temporary HOME and XDG folders, so a benchmark never touches the user's.
class Umgebung {
 public:
  Umgebung() {
    const QString basis = ordner_.path();
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"}) {
      const QString ziel = basis + QLatin1Char('/') + QLatin1String(name);
      QDir().mkpath(ziel);
      qputenv(name, QFile::encodeName(ziel));
    }
  }
  QString pfad() const { return ordner_.path(); }

 private:
  QTemporaryDir ordner_;
};

// Store, clock, switches and logbook as the program has them, in a
// temporary HOME; every logbook category on, as a user has it.
struct Kern {
  Umgebung umgebung;
  SettingsStore store{schluessel::anwendung()};
  SystemUhr uhr;
  LogSchalterWerte schalter;
  Logbuch logbuch{store, uhr, schalter};
};

template <typename F>
double sekunden(F&& arbeit) {
  const auto anfang = std::chrono::steady_clock::now();
  arbeit();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count();
}

inline double median(std::vector<double> werte) {
  std::sort(werte.begin(), werte.end());
  return werte[werte.size() / 2];
}

// The median of several runs of a function that returns seconds.
template <typename F>
double median(int laeufe, F&& lauf) {
  std::vector<double> werte;
  for (int i = 0; i < laeufe; ++i) werte.push_back(lauf());
  return median(std::move(werte));
}

inline void zeile(const char* name, double wert) { std::printf("%s %.6f\n", name, wert); }

}  // namespace bewahrix::bench
