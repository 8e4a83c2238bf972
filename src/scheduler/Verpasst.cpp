#include "scheduler/Verpasst.h"

#include "platform/Uhr.h"
#include "store/Formate.h"
#include "store/Schluessel.h"
#include "store/SettingsStore.h"
#include "store/Werte.h"

using namespace Qt::Literals::StringLiterals;

namespace bewahrix::verpasst {

namespace s = schluessel;

namespace {

constexpr qint64 kMinutenProTag = 24 * 60;

// Minutes of the wall clock since the start of the Julian day count. Wall
// clock on purpose: the texts compared are wall-clock texts, so a change
// to or from summer time must not move any minute.
qint64 minutenzahl(const QDateTime& zeitpunkt) {
  return zeitpunkt.date().toJulianDay() * kMinutenProTag + zeitpunkt.time().hour() * 60 +
         zeitpunkt.time().minute();
}

std::optional<QDateTime> leseZeitpunkt(const SettingsStore& st, const QString& datumKey,
                                       const QString& zeitKey, const QDateTime& jetzt) {
  const QString datum = st.read(s::abschnittTool(), datumKey, formate::kurzDatum(jetzt.date()));
  const QString zeit = st.read(s::abschnittTool(), zeitKey, formate::langeZeit(jetzt.time()));
  return formate::leseDatumZeit(datum + u' ' + zeit);
}

QString praefix(int i) {
  return u"! Verpasster Zeitplan in Aufgabe "_s + QString::number(i + 1) +
         u" gefunden, geplant am/um "_s;
}

// The schedule of task i when it takes part: a copy mode, a date and a time.
// A copy mode or schedule that cannot be read leaves the task out.
std::optional<QDateTime> geplanterZeitpunkt(const SettingsStore& st, int i) {
  const auto modus = werte::alsZahl(st.read(s::abschnittOptionen(), s::vorgang(i), u"5"_s));
  if (!modus || *modus == 5.0) return std::nullopt;
  const QString tag = st.read(s::abschnittTimer(), s::sollDay(i), QString());
  const QString zeit = st.read(s::abschnittTimer(), s::sollTime(i), QString());
  if (tag.isEmpty() || zeit.isEmpty()) return std::nullopt;
  return formate::leseDatumZeit(tag + u' ' + zeit);
}

}  // namespace

qint64 minutengrenzen(const QDateTime& ende, const QDateTime& start) {
  return minutenzahl(start) - minutenzahl(ende);
}

QList<QDateTime> vorkommen(const QDateTime& ende, qint64 n, const QString& art, const QDateTime& geplant) {
  QList<QDateTime> treffer;
  if (n < 1) return treffer;
  const qint64 erste = minutenzahl(ende) + 1;
  const qint64 letzte = minutenzahl(ende) + n;
  const int sekunde = ende.time().second();
  const qint64 uhrzeit = geplant.time().hour() * 60 + geplant.time().minute();
  const QDate planTag = geplant.date();

  const auto pruefe = [&](qint64 julianischerTag) {
    const qint64 minute = julianischerTag * kMinutenProTag + uhrzeit;
    if (minute < erste || minute > letzte) return;
    treffer.append(QDateTime(QDate::fromJulianDay(julianischerTag),
                             QTime(geplant.time().hour(), geplant.time().minute(), sekunde)));
  };
  const qint64 ersterTag = erste / kMinutenProTag;
  const qint64 letzterTag = letzte / kMinutenProTag;

  if (art == u"0"_s) {
    pruefe(planTag.toJulianDay());
  } else if (art == u"3"_s) {
    for (qint64 tag = ersterTag; tag <= letzterTag; ++tag) pruefe(tag);
  } else if (art == u"2"_s) {
    // Julian day numbers and weekdays move in step, so one week is 7 days.
    const qint64 versatz = ((planTag.toJulianDay() - ersterTag) % 7 + 7) % 7;
    for (qint64 tag = ersterTag + versatz; tag <= letzterTag; tag += 7) pruefe(tag);
  } else if (art == u"1"_s) {
    // Month by month; day 31 is simply absent from the shorter months.
    const QDate von = QDate::fromJulianDay(ersterTag);
    for (QDate monat(von.year(), von.month(), 1); monat.toJulianDay() <= letzterTag;
         monat = monat.addMonths(1)) {
      if (planTag.day() <= monat.daysInMonth())
        pruefe(QDate(monat.year(), monat.month(), planTag.day()).toJulianDay());
    }
  }
  return treffer;
}

namespace {

// The minutes ende + 1 min .. ende + n min.
Ergebnis durchsuche(const SettingsStore& st, const QDateTime& ende, qint64 n, Modus modus, bool meldungAn) {
  Ergebnis ergebnis;
  for (int i = 0; i < s::kAnzahlAufgaben; ++i) {
    const auto geplant = geplanterZeitpunkt(st, i);
    if (!geplant) continue;
    const QString art = st.read(s::abschnittTimer(), s::dayArt(i), u"4"_s);
    const QList<QDateTime> treffer = vorkommen(ende, n, art, *geplant);
    for (const QDateTime& t : treffer) ergebnis.logZeilen.append(praefix(i) + formate::datumZeit(t));
    if (!treffer.isEmpty()) ergebnis.aufgaben.append({i, treffer.last()});
  }

  const bool gefunden = !ergebnis.logZeilen.isEmpty();
  QString r;
  for (qsizetype k = 0; k < ergebnis.logZeilen.size() && k < kHoechstensImFenster; ++k)
    r += ergebnis.logZeilen.at(k) + u"; "_s;
  if (ergebnis.logZeilen.size() > kHoechstensImFenster)
    r += u"... und "_s + QString::number(ergebnis.logZeilen.size() - kHoechstensImFenster) +
         u" weitere (siehe Logbuch)"_s;
  const auto versaeumt = [&](const QString& grund) {
    // Line breaks as "\n": a bare carriage return does not break a line in Qt.
    return Meldung{u"Folgende Aufgaben wurden versäumt ("_s + grund + u")\n\n"_s + r,
                   u"Versäumte Aufgaben"_s, Symbol::Kritisch, Knoepfe::Ok, Antwort::Ok};
  };
  if (meldungAn && gefunden) {
    ergebnis.meldung = versaeumt(u"Bewahrix war nicht aktiv"_s);
  } else if (modus == Modus::Menue) {
    ergebnis.meldung = gefunden ? versaeumt(u"Bewahrix wurde nicht gestartet"_s)
                                : information(u"Suche beendet. Es wurden keine Auträge versäumt."_s);
  }
  return ergebnis;
}

}  // namespace

Ergebnis suche(const SettingsStore& st, const Uhr& uhr, Modus modus, bool meldungAn) {
  const QDateTime jetzt = uhr.jetzt();
  const auto ende = leseZeitpunkt(st, s::endDatum(), s::endTime(), jetzt);
  const auto start = leseZeitpunkt(st, s::startDatum(), s::startTime(), jetzt);
  // An unreadable record gives no interval to search at all.
  if (!ende || !start) return {};
  const qint64 n = minutengrenzen(*ende, *start);
  if (n == 0) return {};
  // Ended late in a minute and started in the next: nothing to report.
  if (n == 1 && ende->time().second() >= 5) return {};
  return durchsuche(st, *ende, n, modus, meldungAn);
}

Ergebnis sucheLuecke(const SettingsStore& st, const QDateTime& von, const QDateTime& bis, bool meldungAn) {
  // From the full minute, as the end record is: the lines show hh:mm:00.
  const QDateTime minute(von.date(), QTime(von.time().hour(), von.time().minute()));
  return durchsuche(st, minute, minutengrenzen(minute, bis) - 1, Modus::Start, meldungAn);
}

}  // namespace bewahrix::verpasst
