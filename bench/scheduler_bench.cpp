// Missed-schedule search over long offline times: the calendar computation
// must stay far below what the start sequence can afford. Prints
// "name seconds".
#include "BenchUmgebung.h"

#include "scheduler/Verpasst.h"
#include "store/Formate.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;
namespace s = bewahrix::schluessel;

namespace {

constexpr int kLaeufe = 5;

// wenigstens, hoechstens: the number of lines a correct search gives.
double suche(bench::Kern& kern, const QString& art, int tage, qsizetype wenigstens,
             qsizetype hoechstens) {
  const QDate ende(2026, 12, 5);
  kern.store.write(s::abschnittTool(), s::endDatum(), formate::kurzDatum(ende));
  kern.store.write(s::abschnittTool(), s::endTime(), u"17:00:00"_s);
  kern.store.write(s::abschnittTool(), s::startDatum(), formate::kurzDatum(ende.addDays(tage)));
  kern.store.write(s::abschnittTool(), s::startTime(), u"17:00:10"_s);
  for (int i = 0; i < s::kAnzahlAufgaben; ++i) {
    kern.store.write(s::abschnittOptionen(), s::vorgang(i), u"0"_s);
    kern.store.write(s::abschnittTimer(), s::dayArt(i), art);
    kern.store.write(s::abschnittTimer(), s::sollDay(i), formate::kurzDatum(ende.addDays(i)));
    kern.store.write(s::abschnittTimer(), s::sollTime(i), u"0"_s + QString::number(i + 5) + u":30:00"_s);
  }
  return bench::median(kLaeufe, [&] {
    qsizetype zeilen = 0;
    const double zeit = bench::sekunden([&] {
      zeilen = verpasst::suche(kern.store, kern.uhr, verpasst::Modus::Start, true).logZeilen.size();
    });
    if (zeilen < wenigstens || zeilen > hoechstens) qFatal("unexpected count %lld", static_cast<long long>(zeilen));
    return zeit;
  });
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  bench::Kern kern;
  bench::zeile("missed_search_365_days_5_daily", suche(kern, u"3"_s, 365, 5 * 365, 5 * 365));
  bench::zeile("missed_search_10_years_5_weekly", suche(kern, u"2"_s, 3652, 5 * 521, 5 * 522));
  return 0;
}
