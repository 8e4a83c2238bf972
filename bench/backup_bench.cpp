// Backup run figures beside cp -a and rsync -a on the same trees: a full run
// into an empty target, and a second run with nothing changed.
// Prints "name seconds" and "name ratio".
#include "BenchUmgebung.h"

#include "backup/FesterLaufHost.h"
#include "backup/Sicherung.h"
#include "logbook/LogSchalter.h"
#include "logbook/Logbuch.h"
#include "platform/Dateisystem.h"
#include "platform/Dialoge.h"
#include "platform/Papierkorb.h"
#include "platform/Uhr.h"
#include "store/Datensaetze.h"
#include "store/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

#include <string>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

class KeineDialoge final : public Dialoge {
 public:
  Antwort zeige(const Meldung&) override { return Antwort::Ok; }
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

// 20 files of 64 MiB.
void grosseDateien(const QString& wurzel) {
  QDir().mkpath(wurzel);
  for (int f = 0; f < 20; ++f)
    schreibe(wurzel + u"/g"_s + QString::number(f) + u".bin"_s, qint64{64} << 20, f + 1);
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
  FesterLaufHost& host;

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

void vergleiche(const char* name, const QString& quelle, const QString& basis, Lauf& lauf,
                int laeufe) {
  const QString ziel = basis + u"/ziel/"_s;
  const auto voll = [&](auto&& kopieren) {
    return bench::median(laeufe, [&] {
      leeren(ziel);
      return kopieren();
    });
  };
  const double bewahrix = voll([&] { return lauf.sekunden(quelle, ziel, ImmerUeberschreiben); });
  const double cp = voll([&] { return befehl(u"cp"_s, {u"-a"_s, quelle, ziel}); });
  const double rsync = voll([&] { return befehl(u"rsync"_s, {u"-a"_s, quelle, ziel}); });

  leeren(ziel);
  lauf.sekunden(quelle, ziel, ImmerUeberschreiben);
  const double bewahrixWieder =
      bench::median(laeufe, [&] { return lauf.sekunden(quelle, ziel, NurAelteres); });
  leeren(ziel);
  befehl(u"rsync"_s, {u"-a"_s, quelle, ziel});
  const double rsyncWieder =
      bench::median(laeufe, [&] { return befehl(u"rsync"_s, {u"-a"_s, quelle, ziel}); });
  leeren(ziel);

  const std::string n = name;
  bench::zeile((n + "_full_bewahrix").c_str(), bewahrix);
  bench::zeile((n + "_full_cp_a").c_str(), cp);
  bench::zeile((n + "_full_rsync_a").c_str(), rsync);
  bench::zeile((n + "_full_ratio_to_cp_a").c_str(), bewahrix / cp);
  bench::zeile((n + "_unchanged_bewahrix_mode2").c_str(), bewahrixWieder);
  bench::zeile((n + "_unchanged_rsync_a").c_str(), rsyncWieder);
  bench::zeile((n + "_unchanged_ratio_to_rsync_a").c_str(), bewahrixWieder / rsyncWieder);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  bench::Umgebung umgebung;
  SettingsStore store(schluessel::anwendung());
  SystemUhr uhr;
  LogSchalterWerte schalter;  // every category on, as a user has it
  Logbuch logbuch(store, uhr, schalter);
  FesterLaufHost host;
  KeineDialoge dialoge;
  PosixDateisystem dateisystem;
  SystemEntferner entferner;
  Sicherung sicherung({store, logbuch, schalter, host, dialoge, dateisystem, entferner, uhr});
  Lauf lauf{store, logbuch, sicherung, host};

  const QString basis = umgebung.pfad();
  const bool nurKlein = argc > 1 && QByteArray(argv[1]) == "--small-only";
  kleineDateien(basis + u"/a/Daten"_s);
  vergleiche("small_20000_files", basis + u"/a/Daten"_s, basis + u"/a"_s, lauf, 5);
  QDir(basis + u"/a"_s).removeRecursively();
  if (nurKlein) return 0;
  grosseDateien(basis + u"/b/Daten"_s);
  vergleiche("large_20_files_64MiB", basis + u"/b/Daten"_s, basis + u"/b"_s, lauf, 3);
  return 0;
}
