// Logbook figures: appending stays constant in the logbook's size, and the
// view opens a large logbook at once. Prints "name seconds" / "name ratio".
#include "BenchUmgebung.h"

#include "logbook/LogSatz.h"
#include "logbook/LogbuchModell.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

constexpr int kLaeufe = 5;
constexpr int kAnhaengen = 10'000;
constexpr qint64 kGrosseSaetze = 1'000'000;

// Writes a logbook of the given number of records in large blocks.
void fuelle(const QString& pfad, qint64 saetze) {
  QFile datei(pfad);
  if (!datei.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot write %s", qPrintable(pfad));
  const QByteArray slot = logsatz::slot(QDateTime::currentDateTime(), u"    => Datei kopiert"_s);
  const QByteArray block = slot.repeated(4096);
  for (qint64 n = 0; n < saetze; n += 4096)
    datei.write(block.constData(), std::min<qint64>(4096, saetze - n) * logsatz::kSlotGroesse);
}

double anhaengen(Logbuch& logbuch, qint64 vorher) {
  fuelle(logbuch.dateipfad(), vorher);
  return bench::sekunden([&] {
    for (int i = 0; i < kAnhaengen; ++i) logbuch.eintrag(u"  ==> /home/anna/Daten/Brief.doc"_s, Dateiname);
  });
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  bench::Kern kern;
  Logbuch& logbuch = kern.logbuch;

  const double leer = bench::median(kLaeufe, [&] { return anhaengen(logbuch, 0); });
  const double gross = bench::median(kLaeufe, [&] { return anhaengen(logbuch, kGrosseSaetze); });
  bench::zeile("logbook_append_10000_into_empty", leer);
  bench::zeile("logbook_append_10000_into_1000000", gross);
  bench::zeile("logbook_append_ratio_large_to_empty", gross / leer);

  fuelle(logbuch.dateipfad(), kGrosseSaetze);
  QString letzte;
  const double oeffnen = bench::median(kLaeufe, [&] {
    return bench::sekunden([&] {
      LogbuchModell modell(logbuch);
      modell.neuLaden();
      letzte = modell.zeile(modell.rowCount() - 1);
    });
  });
  if (!letzte.endsWith(u"Datei kopiert"_s)) qFatal("last row not read: %s", qPrintable(letzte));
  bench::zeile("logbook_model_open_1000000_and_read_last_row", oeffnen);
  return 0;
}
