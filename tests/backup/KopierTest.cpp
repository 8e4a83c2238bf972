#include "LaufUmgebung.h"

#include "platform/Fehlertext.h"

#include <QDir>

#include <cerrno>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

const QDateTime kAlt(QDate(2025, 6, 1), QTime(12, 0));
const QDateTime kNeu(QDate(2026, 6, 1), QTime(12, 0));
const test::Zeile kModus0{4, u"    => Vorgang: kopieren, evtl. vorhandene Zieldatei wird überschrieben"_s};
const test::Zeile kOkay{4, u"    => Okay, Fehlerfrei verarbeitet"_s};
// The lines of one copied file; nach is empty for a single-file entry.
static test::Zeilen kopiert(const QString& quelle, const QString& nach, const QString& groesse, const test::Zeilen& nachDemVorgang = {}) {
  test::Zeilen z{{2, u"  ==> Kopiere "_s + quelle}};
  if (!nach.isEmpty()) z.append({1, u"  ==> ...nach "_s + nach});
  return z << kModus0 << nachDemVorgang << test::Zeile{4, u"    => Datei kopiert"_s} << kOkay
           << test::Zeile{3, u"    => (Dateigröße "_s + groesse + u" KByte)"_s};
}

struct KopierTest : test::LaufUmgebung {
  // Runs the entries in the mode and gives the lines after "  ==> Kopiere".
  test::Zeilen laufIn(int modus, const QStringList& eintraege) { aufgabe(0, eintraege, modus); lauf(); return dateiZeilen().mid(1); }
  QByteArray zielInhalt() { return test::leseDatei(ziel() + u"Brief.txt"_s); }
};

TEST(EintragsArt, NurNachTrennerEinVerzeichnis) { EXPECT_EQ(eintragsArt(u"/d/a*.*"_s), EintragsArt::Datei); }

// Every kind of entry with its odd cases in one run: the one full listing of a copy's lines.
TEST_F(KopierTest, AlleArtenVonEintraegenInEinemLauf) {
  const QString q = pfad(u"quelle/"_s);
  datei(u"quelle/Briefe/a.txt"_s, QByteArray(1024, 'a'));
  datei(u"quelle/Briefe/.versteckt"_s, QByteArray(512, 'v'));
  datei(u"quelle/Briefe/unter/nicht.txt"_s);
  QDir().mkpath(q + u"leer"_s);
  datei(u"quelle/Daten/a.txt"_s, QByteArray(2048, 'a'));
  datei(u"quelle/Daten/Briefe/2024/b.txt"_s, QByteArray(1024, 'b'));
  QDir().mkpath(q + u"Daten/Leer"_s);
  datei(u"quelle/Brief.txt"_s, "relativ");
  const QStringList eintraege = {q + u"Briefe/*.*"_s, q + u"leer/*.*"_s, q + u"fehlt/*.*"_s, q + u"Daten/*.***"_s,
                                 q + u"Weg/*.***"_s, q + u"Briefe"_s, u"Brief.txt"_s, q + u"Daten/"_s};
  aufgabe(0, eintraege);
  const QString vorher = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(q));  // an entry without separator is relative to it
  lauf();
  QDir::setCurrent(vorher);

  const auto verzeichnis = [&](const QString& rel, bool flach = false) {
    return test::Zeile{2, u"==> Kopiere Datei(en) aus dem Verzeichnis "_s + q + rel +
                              (flach ? u" (ohne Unterverzeichnisse)"_s : QString())};
  };
  const auto erstellt = [&](const QString& rel) { return test::Zeile{1, u"  ==> Verzeichniss "_s + ziel() + rel + u" erstellt"_s}; };
  const auto wurzel = [&](const QString& e) {
    return test::Zeile{9, u"    => kopieren aller Dateien und Unterverzeichnisse aus Verzeichnis "_s + e};
  };
  const test::Zeile leer{2, u"    => keine Datei gefunden, Verzeichnis ist leer"_s};
  const test::Zeile nichts{2, u"    => keine Datei gefunden"_s};

  test::Zeilen erwartet{verzeichnis(u"Briefe"_s, true)};
  erwartet += kopiert(q + u"Briefe/.versteckt"_s, ziel() + u"Briefe"_s, u"0,50"_s,
                      {{1, u"    => Zielverzeichnis nicht vorhanden, wurde neu  erstellt"_s}});
  erwartet += kopiert(q + u"Briefe/a.txt"_s, ziel() + u"Briefe"_s, u"1,00"_s);
  erwartet += test::Zeilen{verzeichnis(u"leer"_s, true), leer, verzeichnis(u"fehlt"_s, true), leer,
               wurzel(eintraege.at(3)), verzeichnis(u"Daten"_s)};
  erwartet += kopiert(q + u"Daten/a.txt"_s, ziel() + u"Daten/"_s, u"2,00"_s);
  erwartet += test::Zeilen{verzeichnis(u"Daten/Briefe"_s), nichts, erstellt(u"Daten/Briefe/"_s), verzeichnis(u"Daten/Briefe/2024"_s)};
  erwartet += kopiert(q + u"Daten/Briefe/2024/b.txt"_s, ziel() + u"Daten/Briefe/2024/"_s, u"1,00"_s);
  erwartet += test::Zeilen{verzeichnis(u"Daten/Leer"_s), nichts, erstellt(u"Daten/Leer/"_s),
               wurzel(eintraege.at(4)), verzeichnis(u"Weg"_s), nichts, erstellt(u"Weg/"_s),
               {2, u"  ==> Kopiere "_s + q + u"Briefe"_s}, kModus0, {0, u"    => Error, Keine reguläre Datei: "_s + q + u"Briefe"_s}};
  erwartet += kopiert(u"Brief.txt"_s, {}, u"0,01"_s);
  erwartet.append({0, u" ==> Lesefehler, Datei wurde nicht angegeben, "_s + q + u"Daten/"_s});
  EXPECT_EQ(dateiZeilen(), erwartet);
  EXPECT_TRUE(hat(6, u"... von 6 Datei(en) wurden 5 Datei(en) Fehlerfrei verarbeitet"_s));
  EXPECT_EQ(sicherung->zustand().fehlerGesamt, 2);
  EXPECT_EQ(finde(ziel()), (QStringList{u"d Briefe"_s, u"d Daten"_s, u"d Daten/Briefe"_s, u"d Daten/Briefe/2024"_s,
                                        u"d Daten/Leer"_s, u"d Weg"_s, u"f Brief.txt"_s, u"f Briefe/.versteckt"_s,
                                        u"f Briefe/a.txt"_s, u"f Daten/Briefe/2024/b.txt"_s, u"f Daten/a.txt"_s}));

  // The prefix goes on the top level and on files, not on subdirectories.
  store->write(u"Timer"_s, u"Zusatz0"_s, u"1"_s);
  aufgabe(0, {q + u"Daten/*.***"_s, q + u"Briefe/*.*"_s, q + u"Brief.txt"_s}, ImmerUeberschreiben, pfad(u"zusatz/"_s));
  lauf();
  EXPECT_TRUE(hat(4, u"===> Kopien erhalten den Anhang <Sicherheitskopie von >"_s));
  QStringList mitZusatz = {u"d §Briefe"_s, u"d §Daten"_s, u"d §Daten/Briefe"_s, u"d §Daten/Briefe/2024"_s,
                           u"d §Daten/Leer"_s, u"f §Brief.txt"_s, u"f §Briefe/§.versteckt"_s, u"f §Briefe/§a.txt"_s,
                           u"f §Daten/Briefe/2024/§b.txt"_s, u"f §Daten/§a.txt"_s};
  EXPECT_EQ(finde(pfad(u"zusatz"_s)), mitZusatz.replaceInStrings(u"§"_s, u"Sicherheitskopie von "_s));
}

// Each mode against an existing target decides on content, time and size.
TEST_F(KopierTest, JedesVerfahrenEntscheidetUeberDasVorhandeneZiel) {
  const struct { const char* fall; int modus; QByteArray quelle, ziel; QDateTime zielZeit; bool kopiert; QString groesse; } faelle[] = {
      {"nur wenn fehlend", NurWennFehlend, "neu", "alt, aber länger", kAlt, false, u"0,02"_s},
      {"immer", ImmerUeberschreiben, "neu", "alt, aber länger", kAlt, true, u"0,00"_s},
      {"älteres, gleich alt", NurAelteres, "quelle", "gleich", kNeu, false, u"0,01"_s},
      {"älteres, Ziel neuer", NurAelteres, "quelle", "neuer", kNeu.addSecs(1), false, u"0,00"_s},
      {"älteres, Ziel älter", NurAelteres, "quelle", "aelter", kNeu.addSecs(-1), true, u"0,01"_s},
      {"kleineres, gleich groß", NurKleineres, "12345", "abcde", kNeu, false, u"0,00"_s},
      {"kleineres, Ziel kleiner", NurKleineres, "12345", "abc", kNeu, true, u"0,00"_s},
      {"kleineres, beide leer", NurKleineres, "", "", kNeu, true, u"0,00"_s},  // an empty target is always replaced
      {"größeres, gleich groß", NurGroesseres, "123", "abc", kNeu, false, u"0,00"_s},
      {"größeres, Ziel kleiner", NurGroesseres, "123", "ab", kNeu, false, u"0,00"_s},
      {"größeres, Ziel größer", NurGroesseres, "123", "abcdef", kNeu, true, u"0,00"_s},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.fall);
    const QString quelle = datei(u"quelle/Brief.txt"_s, f.quelle, kNeu);
    datei(u"ziel/Brief.txt"_s, f.ziel, f.zielZeit);
    const test::Zeilen zeilen = laufIn(f.modus, {quelle});
    EXPECT_EQ(std::tuple(zeilen.contains({4, u"    => Datei kopiert"_s}), zeilen.last().second, zielInhalt()),
              std::tuple(f.kopiert, u"    => (Dateigröße "_s + f.groesse + u" KByte)"_s, f.kopiert ? f.quelle : f.ziel));
  }
  // No mode, or one that cannot be read: the task fails and neither clears nor copies.
  host.aufgaben.at(0).zielLeeren = true;
  datei(u"ziel/Brief.txt"_s, "alte Sicherung");
  for (const auto& [fall, modus] : {std::pair("kein Vorgang", int{KeinVerfahren}), {"unlesbar", -1}}) {
    SCOPED_TRACE(fall);
    host.lampen.clear();
    laufIn(modus, {datei(u"quelle/Brief.txt"_s)});
    EXPECT_EQ(fehlerZeilen(), QStringList{u"    => Error, kein Vorgang gewählt, es wurde nichts kopiert"_s});
    EXPECT_EQ(std::tuple(host.lampen, zielInhalt()), std::tuple(QList<test::Lampe>{{0, false}}, "alte Sicherung"_ba));
  }
}

// A single file into a target several levels deep that does not exist yet.
TEST_F(KopierTest, EinzelneDateiInEinNeuesTiefesZiel) {
  const QString quelle = datei(u"quelle/Brief.txt"_s), tief = pfad(u"neu/a/b/"_s);
  aufgabe(0, {quelle}, ImmerUeberschreiben, tief);
  lauf();
  const test::Zeilen neu{{1, u"    => Zielverzeichnis nicht vorhanden, wurde neu erstellt"_s}};
  EXPECT_EQ(dateiZeilen(), neu + kopiert(quelle, {}, u"0,01"_s));
  EXPECT_EQ(test::leseDatei(tief + u"Brief.txt"_s), "inhalt");
}

TEST_F(KopierTest, FehlendeQuelleOderFehlendesZielverzeichnis) {
  datei(u"ziel/Brief.txt"_s, "alte Sicherung", kAlt);
  for (const auto& [fall, modus] :
       {std::pair("älteres", NurAelteres), {"kleineres", NurKleineres}, {"größeres", NurGroesseres}}) {
    SCOPED_TRACE(fall);
    EXPECT_TRUE(laufIn(modus, {pfad(u"quelle/Brief.txt"_s)}).contains({0, u"    => Error, "_s + fehlertext(ENOENT)}));
    EXPECT_EQ(zielInhalt(), "alte Sicherung");
  }
  // Updating reports a new target directory for trees too; mode 1 only for a directory entry.
  const test::Zeile neu{1, u"    => Zielverzeichnis nicht vorhanden, wurde neu erstellt"_s};
  datei(u"quelle/Daten/x.txt"_s);
  EXPECT_TRUE(laufIn(NurAelteres, {pfad(u"quelle/Daten/*.***"_s)}).contains(neu));
  EXPECT_EQ(test::leseDatei(ziel() + u"Daten/x.txt"_s), "inhalt");
  datei(u"quelle/Briefe/y.txt"_s);
  EXPECT_TRUE(laufIn(NurWennFehlend, {pfad(u"quelle/Briefe/*.*"_s)}).contains(neu));
}

TEST_F(KopierTest, IgnorierlisteVergleichtGanzeZielnamenOhneGrossKlein) {
  const QString brief = datei(u"quelle/Brief.txt"_s);
  const QString bak = datei(u"quelle/Brief.txt.bak"_s);
  store->write(u"IgnorierListe_1"_s, u"BRIEF.TXT"_s, u"05.12.2026 14:00:00"_s);
  EXPECT_EQ(laufIn(ImmerUeberschreiben, {brief, bak}).mid(0, 3),
            (test::Zeilen{{10, u"    => \""_s + ziel() + u"Brief.txt\" wird ignoriert"_s}, kOkay,
                          {2, u"  ==> Kopiere "_s + bak}}));
  EXPECT_EQ(test::alleEintraege(ziel()), QStringList{u"Brief.txt.bak"_s});

  // With the prefix on, the prefixed name is matched; another task's list does not count.
  store->write(u"Timer"_s, u"Zusatz0"_s, u"1"_s);
  store->write(u"IgnorierListe_2"_s, u"Brief.txt.bak"_s, QString());
  laufIn(ImmerUeberschreiben, {brief, bak});
  EXPECT_EQ(test::alleEintraege(ziel()), (QStringList{u"Brief.txt.bak"_s, u"Sicherheitskopie von Brief.txt"_s,
                                                      u"Sicherheitskopie von Brief.txt.bak"_s}));
}

// A target inside its source is not backed up into itself; an entry whose
// copies would land on itself or leave out everything is refused.
TEST_F(KopierTest, ZielInDerQuelle) {
  const QString q = pfad(u"quelle/"_s), sicherung = q + u"Daten/Sicherung/"_s;
  datei(u"quelle/Daten/a.txt"_s);
  aufgabe(0, {q + u"Daten/*.***"_s}, ImmerUeberschreiben, sicherung);
  lauf(), lauf();
  EXPECT_EQ(finde(sicherung), (QStringList{u"d Daten"_s, u"f Daten/a.txt"_s}));
  EXPECT_TRUE(hat(9, u"    => Zielverzeichnis "_s + sicherung + u" liegt in der Quelle und wird nicht mitgesichert"_s));
  const QStringList vorher = finde(q);
  for (const auto& [eintrag, zielOrdner, grund] : {std::tuple(u"Daten/a.txt"_s, u"Daten/"_s, u"und Ziel %1Daten/ sind dasselbe Verzeichnis"_s),
                                                   {u"Daten/*.*"_s, QString(), u"und Ziel %1Daten sind dasselbe Verzeichnis"_s},
                                                   {u"Daten/*.***"_s, u"Daten/"_s, u"ist das Zielverzeichnis selbst"_s}}) {
    aufgabe(0, {q + eintrag}, ImmerUeberschreiben, q + zielOrdner);
    lauf();
    EXPECT_EQ(fehlerZeilen(), QStringList{u"    => Error, Quelle "_s + q + eintrag + u' ' + grund.arg(q) + u", nichts wird kopiert"_s});
  }
  EXPECT_EQ(finde(q), vorher);
}
