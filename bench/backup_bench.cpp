// Backup run figures beside cp -a and rsync -a on the same trees: a full run
// into an empty target, and a second run with nothing changed; for one large
// file also the longest time the event loop waited during the run.
// Prints "name seconds" and "name ratio".
#include "BenchUmgebung.h"

#include "backup/FesterLaufHost.h"
#include "backup/Sicherung.h"
#include "platform/Dateisystem.h"
#include "platform/Dialoge.h"
#include "platform/Papierkorb.h"
#include "store/Datensaetze.h"
#include "store/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

class KeineDialoge final : public Dialoge {
 public:
  Antwort zeige(const Meldung&) override { return Antwort::Ok; }
};

// Measures the longest stretch in which a run did not let the window work.
class PausenHost final : public FesterLaufHost {
 public:
  void laufBeginnt(int) override {
    laengste = 0;
    letzte_ = std::chrono::steady_clock::now();
  }
  void ereignisseVerarbeiten() override { messen(); }
  void laufEndet() override { messen(); }
  double laengste = 0;

 private:
  void messen() {
    const auto jetzt = std::chrono::steady_clock::now();
    laengste = std::max(laengste, std::chrono::duration<double>(jetzt - letzte_).count());
    letzte_ = jetzt;
  }
  std::chrono::steady_clock::time_point letzte_;
};

void schreibe(const QString& pfad, qint64 groesse, quint32 saat) {
  QFile datei(pfad);
  if (!datei.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(pfad));
  QByteArray block(1 << 20, Qt::Uninitialized);
  for (char& b : block) b = static_cast<char>((saat = saat * 1664525u + 1013904223u) >> 24);
  for (qint64 rest = groesse; rest > 0; rest -= block.size())
    datei.write(block.constData(), std::min<qint64>(rest, block.size()));
}

// 20,000 files of 1 to 16 KiB in 2,000 directories.
void kleineDateien(const QString& wurzel) {
  quint32 saat = 1;
  for (int a = 0; a < 40; ++a)
    for (int b = 0; b < 50; ++b) {
      const QString dir = wurzel + u"/d"_s + QString::number(a) + u"/e"_s + QString::number(b);
      QDir().mkpath(dir);
      for (int f = 0; f < 10; ++f) {
        saat = saat * 1103515245u + 12345u;
        schreibe(dir + u"/f"_s + QString::number(f) + u".dat"_s, 1024 + (saat >> 8) % (15 * 1024 + 1), saat);
      }
    }
}

// One file of 2 GiB.
void grosseDatei(const QString& wurzel) {
  QDir().mkpath(wurzel);
  schreibe(wurzel + u"/g.bin"_s, qint64{2} << 30, 1);
}

void leeren(const QString& pfad) {
  QDir(pfad).removeRecursively();
  QDir().mkpath(pfad);
}

double befehl(const QString& programm, const QStringList& argumente) {
  return bench::sekunden([&] {
    if (QProcess::execute(programm, argumente) != 0) qFatal("%s failed", qPrintable(programm));
  });
}

struct Lauf {
  SettingsStore& store;
  Logbuch& logbuch;
  Sicherung& sicherung;
  PausenHost& host;

  double sekunden(const QString& quelle, const QString& ziel, int modus) {
    QFile::remove(logbuch.dateipfad());  // each run starts with an empty logbook
    store.write(schluessel::abschnittSaveZiel(), schluessel::ziel(0), ziel);
    host.aufgaben.at(0) = {{quelle + u"/*.***"_s}, modus};
    sicherung.zustand().automatikLauf = true;
    const double s = bench::sekunden([&] { sicherung.aufgabeKopieren(0); });
    if (sicherung.zustand().fehlerGesamt != 0) qFatal("the run reported failures");
    return s;
  }
};

// The runs of the three programs take turns, after one round that only warms
// the caches; dirty pages are written out before every timed run, so no run
// pays for the one before it.
void vergleiche(const char* name, const QString& quelle, const QString& basis, Lauf& lauf,
                int laeufe) {
  const QString ziel = basis + u"/ziel/"_s;
  const auto frisch = [&](auto&& kopieren) {
    leeren(ziel);
    ::sync();
    return kopieren();
  };
  const auto wieder = [&](auto&& kopieren) {
    ::sync();
    return kopieren();
  };
  const auto bewahrixVoll = [&] { return lauf.sekunden(quelle, ziel, ImmerUeberschreiben); };
  // Our run ends with the target's data on the device; so does the peer's.
  const auto cpVoll = [&] {
    return befehl(u"cp"_s, {u"-a"_s, quelle, ziel}) + befehl(u"sync"_s, {u"-f"_s, ziel});
  };
  const auto rsyncVoll = [&] { return befehl(u"rsync"_s, {u"-a"_s, quelle, ziel}); };
  const auto bewahrixWieder = [&] { return lauf.sekunden(quelle, ziel, NurAelteres); };

  std::vector<double> b, c, r, bw, rw, pause;
  for (int runde = 0; runde <= laeufe; ++runde) {
    const double zeiten[] = {frisch(bewahrixVoll), lauf.host.laengste, wieder(bewahrixWieder),
                             frisch(cpVoll), frisch(rsyncVoll), wieder(rsyncVoll)};
    if (runde == 0) continue;
    b.push_back(zeiten[0]);
    pause.push_back(zeiten[1]);
    bw.push_back(zeiten[2]);
    c.push_back(zeiten[3]);
    r.push_back(zeiten[4]);
    rw.push_back(zeiten[5]);
  }
  leeren(ziel);

  const std::string n = name;
  const auto zeige = [&](const char* figur, double wert) { bench::zeile((n + figur).c_str(), wert); };
  zeige("_full_bewahrix", bench::median(b));
  zeige("_full_cp_a_and_sync", bench::median(c));
  zeige("_full_rsync_a", bench::median(r));
  zeige("_full_ratio_to_cp_a_and_sync", bench::median(b) / bench::median(c));
  zeige("_full_longest_pause_bewahrix", bench::median(pause));
  zeige("_unchanged_bewahrix_mode2", bench::median(bw));
  zeige("_unchanged_rsync_a", bench::median(rw));
  zeige("_unchanged_ratio_to_rsync_a", bench::median(bw) / bench::median(rw));
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  bench::Kern kern;
  PausenHost host;
  KeineDialoge dialoge;
  PosixDateisystem dateisystem;
  SystemEntferner entferner;
  Sicherung sicherung(
      {kern.store, kern.logbuch, kern.schalter, host, dialoge, dateisystem, entferner, kern.uhr});
  Lauf lauf{kern.store, kern.logbuch, sicherung, host};

  const QString basis = kern.umgebung.pfad();
  const bool nurKlein = argc > 1 && QByteArray(argv[1]) == "--small-only";
  kleineDateien(basis + u"/a/Daten"_s);
  vergleiche("small_20000_files", basis + u"/a/Daten"_s, basis + u"/a"_s, lauf, 5);
  QDir(basis + u"/a"_s).removeRecursively();
  if (nurKlein) return 0;
  grosseDatei(basis + u"/b/Daten"_s);
  vergleiche("large_1_file_2GiB", basis + u"/b/Daten"_s, basis + u"/b"_s, lauf, 3);
  return 0;
}
