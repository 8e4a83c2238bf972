#include "LaufUmgebung.h"

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

const QDateTime kAlt(QDate(2025, 6, 1), QTime(12, 0));
const QDateTime kNeu(QDate(2026, 6, 1), QTime(12, 0));
const test::Zeile kModus0{4, u"    => Vorgang: kopieren, evtl. vorhandene Zieldatei wird überschrieben"_s};
const test::Zeile kOkay{4, u"    => Okay, Fehlerfrei verarbeitet"_s};
const test::Zeile kNeuErstellt{1, u"    => Zielverzeichnis nicht vorhanden, wurde neu erstellt"_s};
// The lines of one copied file; nach is empty for a single-file entry.
static test::Zeilen kopiert(const QString& quelle, const QString& nach, const QString& groesse, const test::Zeilen& nachDemVorgang = {}) {
  test::Zeilen z{{2, u"  ==> Kopiere "_s + quelle}};
  if (!nach.isEmpty()) z.append({1, u"  ==> ...nach "_s + nach});
  return z << kModus0 << nachDemVorgang << test::Zeile{4, u"    => Datei kopiert"_s} << kOkay
           << test::Zeile{3, u"    => (Dateigröße "_s + groesse + u" KByte)"_s};
}

struct KopierTest : test::LaufUmgebung {
  // Runs the entries in the mode and gives the lines after "  ==> Kopiere".
  test::Zeilen laufIn(int modus, const QStringList& eintraege) { lauf(eintraege, modus); return dateiZeilen().mid(1); }
  QByteArray zielInhalt() { return test::leseDatei(ziel() + u"Brief.txt"_s); }
};

TEST(EintragsArt, NurNachTrennerEinVerzeichnis) { EXPECT_EQ(eintragsArt(u"/d/a*.*"_s), EintragsArt::Datei); }

// Every kind of entry with its odd cases in one run, with the prefix: the one full listing of a copy's lines.
TEST_F(KopierTest, AlleArtenVonEintraegenInEinemLauf) {
  const QString q = pfad(u"quelle/"_s);
  for (const auto& [name, groesse] : {std::pair(u"Briefe/a.txt"_s, 1024), {u"Briefe/.versteckt"_s, 512}, {u"Briefe/unter/nicht.txt"_s, 1},
                                      {u"Daten/a.txt"_s, 2048}, {u"Daten/Briefe/2024/b.txt"_s, 1024}, {u"Brief.txt"_s, 7}})
    datei(u"quelle/"_s + name, QByteArray(groesse, 'x'));
  for (const QString& leer : {u"leer"_s, u"Daten/Leer"_s}) QDir().mkpath(q + leer);
  const QStringList eintraege = {q + u"Briefe/*.*"_s, q + u"leer/*.*"_s, q + u"fehlt/*.*"_s, q + u"Daten/*.***"_s,
                                 q + u"Weg/*.***"_s, q + u"Briefe"_s, u"Brief.txt"_s, q + u"Daten/"_s};
  aufgabe(0, eintraege);
  store->write(u"Timer"_s, u"Zusatz0"_s, u"1"_s);
  const QString vorher = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(q));  // an entry without separator is relative to it
  lauf();
  QDir::setCurrent(vorher);

  const QString z = ziel() + u"Sicherheitskopie von "_s;
  const auto baum = [&](const QString& rel) { return test::Zeile{2, u"==> Kopiere Datei(en) aus dem Verzeichnis "_s + q + rel}; };
  const auto flach = [&](const QString& rel) { return test::Zeile{2, baum(rel).second + u" (ohne Unterverzeichnisse)"_s}; };
  const auto erstellt = [&](const QString& rel) { return test::Zeile{1, u"  ==> Verzeichniss "_s + z + rel + u" erstellt"_s}; };
  const auto wurzel = [&](int i) {
    return test::Zeile{9, u"    => kopieren aller Dateien und Unterverzeichnisse aus Verzeichnis "_s + eintraege.at(i)};
  };
  const test::Zeile leer{2, u"    => keine Datei gefunden, Verzeichnis ist leer"_s}, nichts{2, u"    => keine Datei gefunden"_s};

  test::Zeilen erwartet{{4, u"===> Kopien erhalten den Anhang <Sicherheitskopie von >"_s}, flach(u"Briefe"_s)};
  erwartet += kopiert(q + u"Briefe/.versteckt"_s, z + u"Briefe"_s, u"0,50"_s,
                      {{1, u"    => Zielverzeichnis nicht vorhanden, wurde neu  erstellt"_s}});
  erwartet += kopiert(q + u"Briefe/a.txt"_s, z + u"Briefe"_s, u"1,00"_s);
  erwartet += test::Zeilen{flach(u"leer"_s), leer, flach(u"fehlt"_s), leer, wurzel(3), baum(u"Daten"_s)};
  erwartet += kopiert(q + u"Daten/a.txt"_s, z + u"Daten/"_s, u"2,00"_s);
  erwartet += test::Zeilen{baum(u"Daten/Briefe"_s), nichts, erstellt(u"Daten/Briefe/"_s), baum(u"Daten/Briefe/2024"_s)};
  erwartet += kopiert(q + u"Daten/Briefe/2024/b.txt"_s, z + u"Daten/Briefe/2024/"_s, u"1,00"_s);
  erwartet += test::Zeilen{baum(u"Daten/Leer"_s), nichts, erstellt(u"Daten/Leer/"_s),
               wurzel(4), baum(u"Weg"_s), nichts, erstellt(u"Weg/"_s),
               {2, u"  ==> Kopiere "_s + q + u"Briefe"_s}, kModus0, {0, u"    => Error, Keine reguläre Datei: "_s + q + u"Briefe"_s}};
  erwartet += kopiert(u"Brief.txt"_s, {}, u"0,01"_s);
  erwartet.append({0, u" ==> Lesefehler, Datei wurde nicht angegeben, "_s + q + u"Daten/"_s});
  EXPECT_EQ(dateiZeilen(), erwartet);
  EXPECT_TRUE(hat(6, u"... von 6 Datei(en) wurden 5 Datei(en) Fehlerfrei verarbeitet"_s));
  EXPECT_EQ(sicherung->zustand().fehlerGesamt, 2);  // the entry without a file name counts too
  // The prefix goes on the top level and on files, not on subdirectories.
  QByteArrayList kopien = finde(ziel());
  for (QByteArray& kopie : kopien) kopie.replace("Sicherheitskopie von ", "§");
  EXPECT_EQ(kopien, (QByteArrayList{"d §Briefe", "d §Daten", "d §Daten/Briefe", "d §Daten/Briefe/2024", "d §Daten/Leer",
                                    "d §Weg", "f §Brief.txt", "f §Briefe/§.versteckt", "f §Briefe/§a.txt",
                                    "f §Daten/Briefe/2024/§b.txt", "f §Daten/§a.txt"}));
}

// Each mode against an existing target decides on content, time and size; without a readable mode the task fails.
TEST_F(KopierTest, JedesVerfahrenEntscheidetUeberDasVorhandeneZiel) {
  const auto groesse = [](const QString& kbyte) { return u"    => (Dateigröße "_s + kbyte + u" KByte)"_s; };
  const QString keinVorgang = u"    => Error, kein Vorgang gewählt, es wurde nichts kopiert"_s;
  const struct { const char* fall; int modus; QByteArray quelle, ziel; QDateTime zielZeit; bool kopiert; QString letzteZeile; } faelle[] = {
      {"nur wenn fehlend", NurWennFehlend, "neu", "alt, aber länger", kAlt, false, groesse(u"0,02"_s)},
      {"älteres, gleich alt", NurAelteres, "quelle", "gleich", kNeu, false, groesse(u"0,01"_s)},
      {"älteres, Ziel neuer", NurAelteres, "quelle", "neuer", kNeu.addSecs(1), false, groesse(u"0,00"_s)},
      {"älteres, Ziel älter", NurAelteres, "quelle", "aelter", kNeu.addSecs(-1), true, groesse(u"0,01"_s)},
      {"kleineres, gleich groß", NurKleineres, "12345", "abcde", kNeu, false, groesse(u"0,00"_s)},
      {"kleineres, Ziel kleiner", NurKleineres, "12345", "abc", kNeu, true, groesse(u"0,00"_s)},
      {"kleineres, beide leer", NurKleineres, "", "", kNeu, true, groesse(u"0,00"_s)},  // an empty target is always replaced
      {"größeres, gleich groß", NurGroesseres, "123", "abc", kNeu, false, groesse(u"0,00"_s)},
      {"größeres, Ziel kleiner", NurGroesseres, "123", "ab", kNeu, false, groesse(u"0,00"_s)},
      {"größeres, Ziel größer", NurGroesseres, "123", "abcdef", kNeu, true, groesse(u"0,00"_s)},
      {"kein Vorgang", KeinVerfahren, "neu", "alt", kAlt, false, keinVorgang},
      {"unlesbar", -1, "neu", "alt", kAlt, false, keinVorgang},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.fall);
    const QString quelle = datei(u"quelle/Brief.txt"_s, f.quelle, kNeu);
    datei(u"ziel/Brief.txt"_s, f.ziel, f.zielZeit);
    lauf({quelle}, f.modus);
    const test::Zeilen zeilen = dateiZeilen();
    EXPECT_EQ(std::tuple(zeilen.contains({4, u"    => Datei kopiert"_s}), zeilen.last().second, zielInhalt()),
              std::tuple(f.kopiert, f.letzteZeile, f.kopiert ? f.quelle : f.ziel));
  }
}

// A single file into a target several levels deep that does not exist yet.
TEST_F(KopierTest, EinzelneDateiInEinNeuesTiefesZiel) {
  const QString quelle = datei(u"quelle/Brief.txt"_s), tief = pfad(u"neu/a/b/"_s);
  lauf({quelle}, ImmerUeberschreiben, tief);
  EXPECT_EQ(dateiZeilen(), test::Zeilen{kNeuErstellt} + kopiert(quelle, {}, u"0,01"_s));
  EXPECT_EQ(test::leseDatei(tief + u"Brief.txt"_s), "inhalt");
}

// Updating reports a new target directory for trees too.
TEST_F(KopierTest, AktualisierenLegtFehlendeZielverzeichnisseAn) {
  datei(u"quelle/Daten/x.txt"_s);
  EXPECT_TRUE(laufIn(NurAelteres, {pfad(u"quelle/Daten/*.***"_s)}).contains(kNeuErstellt));
  EXPECT_EQ(test::leseDatei(ziel() + u"Daten/x.txt"_s), "inhalt");
}

TEST_F(KopierTest, IgnorierlisteVergleichtGanzeZielnamenOhneGrossKlein) {
  const QString brief = datei(u"quelle/Brief.txt"_s), bak = datei(u"quelle/Brief.txt.bak"_s);
  store->write(u"IgnorierListe_1"_s, u"BRIEF.TXT"_s, u"05.12.2026 14:00:00"_s);
  store->write(u"IgnorierListe_2"_s, u"Brief.txt.bak"_s, QString());  // another task's list does not count
  EXPECT_EQ(laufIn(ImmerUeberschreiben, {brief, bak}).mid(0, 3),
            (test::Zeilen{{10, u"    => \""_s + ziel() + u"Brief.txt\" wird ignoriert"_s}, kOkay, {2, u"  ==> Kopiere "_s + bak}}));
  EXPECT_EQ(test::alleEintraege(ziel()), QStringList{u"Brief.txt.bak"_s});
}

// A target inside its source is not backed up into itself; an entry whose
// copies would land on itself or leave out everything is refused.
TEST_F(KopierTest, ZielInDerQuelle) {
  const QString q = pfad(u"quelle/"_s), sicherung = q + u"Daten/Sicherung/"_s;
  datei(u"quelle/Daten/a.txt"_s);
  lauf({q + u"Daten/*.***"_s}, ImmerUeberschreiben, sicherung);
  lauf();  // the first run's copy is not copied again
  EXPECT_EQ(finde(sicherung), (QByteArrayList{"d Daten", "f Daten/a.txt"}));
  EXPECT_TRUE(hat(9, u"    => Zielverzeichnis "_s + sicherung + u" liegt in der Quelle und wird nicht mitgesichert"_s));
  for (const auto& [eintrag, zielOrdner, grund] : {std::tuple(u"Daten/a.txt"_s, u"Daten/"_s, u"und Ziel %1Daten/ sind dasselbe Verzeichnis"_s),
                                                   {u"Daten/*.*"_s, QString(), u"und Ziel %1Daten sind dasselbe Verzeichnis"_s},
                                                   {u"Daten/*.***"_s, u"Daten/"_s, u"ist das Zielverzeichnis selbst"_s}}) {
    lauf({q + eintrag}, ImmerUeberschreiben, q + zielOrdner);
    EXPECT_EQ(fehlerZeilen(), QStringList{u"    => Error, Quelle "_s + q + eintrag + u' ' + grund.arg(q) + u", nichts wird kopiert"_s});
  }
}
