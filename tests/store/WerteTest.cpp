#include "store/Datensaetze.h"
#include "store/Formate.h"
#include "store/Werte.h"

#include "platform/Uhr.h"
#include "support/SkriptDialoge.h"  // readable QStrings in failures
#include "support/TestUmgebung.h"

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

TEST(Formate, GeschriebenWieDasProgrammEsZeigt) {
  const std::pair<QString, QString> faelle[] = {
      {formate::eintragsDatum(QDate(2026, 3, 1)), u"01. Mrz. 2026"_s},
      {formate::statusDatum(QDate(2026, 3, 9)), u"09.März 2026"_s},
      {formate::datumZeit(QDateTime(QDate(2026, 2, 1), QTime(9, 5, 3))), u"01.02.2026 09:05:03"_s},
      {formate::datumZeit(QDateTime(QDate(2026, 2, 1), QTime(0, 0))), u"01.02.2026"_s},
      {formate::festkomma(123456.789, 3), u"123456,789"_s},  // no grouping
      {[] { QStringList m; for (int i = 1; i <= 12; ++i) m << formate::monatKurz(i); return m.join(u' '); }(),
       u"Jan Feb Mrz Apr Mai Jun Jul Aug Sep Okt Nov Dez"_s},
  };
  for (const auto& [ist, soll] : faelle) EXPECT_EQ(ist, soll) << "expected " << soll.toStdString();
}

TEST(Formate, GeschriebenesWirdZurueckgelesen) {
  const QDateTime zeitpunkt(QDate(2026, 12, 31), QTime(23, 59, 58));
  EXPECT_EQ(formate::leseDatumZeit(formate::datumZeit(zeitpunkt)), zeitpunkt);
  EXPECT_EQ(formate::leseKurzDatum(u"5.2.2026"_s), QDate(2026, 2, 5)) << "typed without leading zeros";
  // A time stored after a date (the default of a schedule time) gives the time.
  EXPECT_EQ(std::tuple(formate::leseZeit(u"05.12.2026 08:30:00"_s), formate::leseKurzDatum(u"31.02.2026"_s)),
            std::tuple(QTime(8, 30), std::nullopt));
}

TEST(Werte, GespeicherteTexteAlsBooleanOderZahl) {
  for (const auto& wahr : {u" tRuE "_s, u"-1"_s, u"2,5"_s}) EXPECT_EQ(werte::alsBoolean(wahr), true) << wahr.toStdString();
  for (const auto& falsch : {u"fAlSe"_s, u"0.0"_s}) EXPECT_EQ(werte::alsBoolean(falsch), false) << falsch.toStdString();
  for (const auto& nichts : {u"ja"_s, u""_s, u"Truex"_s, u"nan"_s}) EXPECT_EQ(werte::alsBoolean(nichts), std::nullopt);
  EXPECT_EQ(std::tuple(werte::alsZahl(u"1.5"_s), werte::alsZahl(u"1,5"_s), werte::alsZahl(u"inf"_s)),
            std::tuple(1.5, 1.5, std::nullopt));
  // Half to even.
  EXPECT_EQ(std::tuple(werte::alsGanzzahl(u" 7 "_s), werte::alsGanzzahl(u"2.5"_s), werte::alsGanzzahl(u"3,5"_s),
                       werte::alsGanzzahl(u"1e12"_s)),
            std::tuple(7, 2, 4, std::nullopt));
}

class DatensaetzeTest : public test::FrischeUmgebung {
 protected:
  GestellteUhr uhr{QDateTime(QDate(2026, 12, 5), QTime(14, 3, 27))};
};

// What tests/lifecycle does not read back through the window: the remaining defaults, stored and unreadable values.
TEST_F(DatensaetzeTest, VorgabenGespeicherteUndUnlesbareWerte) {
  SettingsStore store(schluessel::anwendung());
  const Aufgabe a = leseAufgabe(store, 4, uhr);
  const Programmoptionen o = leseProgrammoptionen(store);
  EXPECT_EQ(std::tuple(a.namensZusatz, a.zeitplanDatum, a.zeitplanZeit, a.ignorierListe.size(), o.startMinimiert,
                       o.logVerzeichnis, o.letzterSuchbegriff, o.suchbegriffAnbieten),
            std::tuple(0, QDate(2026, 12, 5), QTime(14, 3, 27), 0, false, home(), QString(), 1.0))
      << "defaults: name prefix, schedule date and time, ignore list, minimised, logbook folder, search term, offer";
  for (const auto& [abschnitt, key, wert] : QList<std::tuple<QString, QString, QString>>{
           {u"Titel"_s, u"Titel2"_s, u"Fotos"_s}, {u"LogBuch"_s, u"Pfad"_s, u"/var/tmp"_s}, {u"Timer"_s, u"SollDay0"_s, u"irgendwann"_s},
           {u"Tool"_s, u"LogWriting 4"_s, u"vielleicht"_s}, {u"Tool"_s, u"LogWriting 5"_s, u"false"_s}, {u"LogBuch"_s, u"Grenze"_s, u"-1"_s}})
    store.write(abschnitt, key, wert);
  const auto k = leseProgrammoptionen(store).kategorien;  // an unreadable switch: its default
  EXPECT_EQ(std::tuple(leseAufgabe(store, 2, uhr).titel, leseAufgabe(store, 1, uhr).titel, leseLogVerzeichnis(store),
                       leseAufgabe(store, 0, uhr).zeitplanDatum, k.at(4), k.at(5), leseLogGrenze(store)),
            std::tuple(u"Fotos"_s, u"Sicherungsaufgabe 2"_s, u"/var/tmp/"_s, std::optional<QDate>(), true, false, qint64{100} << 20))
      << "stored: title 2, title 1 unset, logbook folder; unreadable: schedule date, switches 4 and 5, budget";
}
