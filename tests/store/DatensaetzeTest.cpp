#include "store/Anzeige.h"
#include "store/Datensaetze.h"

#include "platform/Uhr.h"
#include "support/TestUmgebung.h"

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

class DatensaetzeTest : public test::FrischeUmgebung {
 protected:
  GestellteUhr uhr{QDateTime(QDate(2026, 12, 5), QTime(14, 3, 27))};
};

// Only the defaults that the first start of the whole program does not show
// (tests/lifecycle: titles, targets, copy modes, switches, counter).
TEST_F(DatensaetzeTest, LeererSpeicherGibtDieUebrigenVorgaben) {
  SettingsStore store(schluessel::anwendung());
  for (int i = 0; i < schluessel::kAnzahlAufgaben; ++i) {
    const Aufgabe a = leseAufgabe(store, i, uhr);
    EXPECT_EQ(a.namensZusatz, 0);
    EXPECT_EQ(a.zeitplanDatum, QDate(2026, 12, 5));
    EXPECT_EQ(a.zeitplanZeit, QTime(14, 3, 27));
    EXPECT_TRUE(a.ignorierListe.isEmpty());
  }
  const Programmoptionen o = leseProgrammoptionen(store);
  EXPECT_EQ(o.startMinimiert, false);
  EXPECT_EQ(o.logVerzeichnis, home());
  EXPECT_EQ(o.verzeichnisAuflisten, 0);
  EXPECT_EQ(o.letzterSuchbegriff, QString());
  EXPECT_EQ(o.suchbegriffAnbieten, 1.0);
  const Programmdaten p = leseProgrammdaten(store);
  EXPECT_FALSE(p.endDatum.has_value());
  EXPECT_EQ((std::array{p.links, p.oben, p.breite, p.hoehe}),
            (std::array<std::optional<int>, 4>{1125, 1110, 7875, 5940}));
}

// Most keys, and unreadable counters and copy modes, are written for one task
// and read back through the window in tests/lifecycle; the rest here.
TEST_F(DatensaetzeTest, GespeicherteUndUnlesbareWerte) {
  SettingsStore store(schluessel::anwendung());
  store.write(u"Titel"_s, u"Titel2"_s, u"Fotos"_s);
  store.write(u"LogBuch"_s, u"Pfad"_s, u"/var/tmp"_s);
  store.write(u"Timer"_s, u"SollDay0"_s, u"irgendwann"_s);
  store.write(u"Tool"_s, u"MeLeft"_s, u"links"_s);
  store.write(u"Tool"_s, u"LogWriting 4"_s, u"vielleicht"_s);
  store.write(u"Tool"_s, u"LogWriting 5"_s, u"false"_s);
  EXPECT_EQ(leseAufgabe(store, 2, uhr).titel, u"Fotos"_s);
  EXPECT_EQ(leseAufgabe(store, 1, uhr).titel, u"Sicherungsaufgabe 2"_s);
  EXPECT_EQ(leseLogVerzeichnis(store), u"/var/tmp/"_s);
  EXPECT_EQ(leseAufgabe(store, 0, uhr).zeitplanDatum, std::nullopt);
  const Programmdaten p = leseProgrammdaten(store);
  EXPECT_EQ(p.links, std::nullopt);
  EXPECT_EQ(p.oben, 1110);
  const Programmoptionen o = leseProgrammoptionen(store);
  EXPECT_EQ(o.kategorien.at(4), std::nullopt);
  EXPECT_EQ(o.kategorien.at(5), false);
  EXPECT_EQ(o.kategorien.at(6), true);
  // A stored copy mode out of range shows nothing and blocks nothing.
  EXPECT_EQ(anzeige::verfahren(-1).beschreibung, QString());
  EXPECT_TRUE(anzeige::verfahren(-1).startAktiv);
}
