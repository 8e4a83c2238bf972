#include "LaufUmgebung.h"

#include "platform/Fehlertext.h"
#include "store/Datensaetze.h"

#include <cerrno>

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {
const QDateTime kAlt(QDate(2025, 6, 1), QTime(12, 0));
const QDateTime kNeu(QDate(2026, 6, 1), QTime(12, 0));
}  // namespace

// One source file Brief.txt and, where a test wants one, an existing target.
class VerfahrenTest : public test::LaufUmgebung {
 protected:
  void quelle(const QByteArray& inhalt, const QDateTime& zeit = kNeu) {
    quellpfad = datei(u"quelle/Brief.txt"_s, inhalt, zeit);
  }
  void vorhanden(const QByteArray& inhalt, const QDateTime& zeit = kNeu) {
    datei(u"ziel/Brief.txt"_s, inhalt, zeit);
  }
  // Runs the file in the mode and gives the lines after the mode's line.
  test::Zeilen lauf(int modus, const QStringList& eintraege = {}) {
    aufgabe(0, eintraege.isEmpty() ? QStringList{quellpfad} : eintraege, modus);
    zeilenVergessen();
    sicherung->zustand().automatikLauf = true;
    sicherung->aufgabeKopieren(0);
    test::Zeilen z = dateiZeilen();
    z.removeFirst();  // "  ==> Kopiere ..."
    return z;
  }
  QByteArray zielInhalt() { return test::leseDatei(ziel() + u"Brief.txt"_s); }
  test::Zeile modus(int m) {
    static const QStringList t = {
        u"kopieren, evtl. vorhandene Zieldatei wird überschrieben"_s,
        u"wenn Zieldatei vorhanden, dann nicht kopieren"_s,
        u"aktualisieren, nur ältere Zieldatei überschreiben"_s,
        u"kopieren, kleinere Zieldatei überschreiben"_s,
        u"kopieren, größere Zieldatei überschreiben"_s, u"kein Vorgang gewählt"_s};
    return {4, u"    => Vorgang: "_s + t.at(m)};
  }
  test::Zeilen fertig(const QString& groesse) {
    return {{4, u"    => Okay, Fehlerfrei verarbeitet"_s},
            {3, u"    => (Dateigröße "_s + groesse + u" KByte)"_s}};
  }
  const test::Zeile kopiert{4, u"    => Datei kopiert"_s};
  QString quellpfad;
};

// Each mode against an existing target: the decision line (none where the
// mode writes none), the size line of the target afterwards and its content.
TEST_F(VerfahrenTest, JedesVerfahrenEntscheidetUeberDasVorhandeneZiel) {
  const QString nichtKopiert = u"    => schon vorhanden, Datei nicht kopiert"_s;
  const QString neuerOderGleich = u"    => neuere oder gleiche Datei gefunden, Datei nicht kopiert"_s;
  const QString groesserOderGleich = u"    => größere oder gleiche Datei gefunden, Datei nicht kopiert"_s;
  const struct {
    int modus;
    QByteArray quelle, ziel;
    QDateTime zielZeit;
    QString zeile, groesse;
  } faelle[] = {
      {NurWennFehlend, "neu", "alt, aber länger", kAlt, nichtKopiert, u"0,02"_s},
      {ImmerUeberschreiben, "neu", "alt, aber länger", kAlt, kopiert.second, u"0,00"_s},
      {NurAelteres, "quelle", "gleich", kNeu, neuerOderGleich, u"0,01"_s},
      {NurAelteres, "quelle", "neuer", kNeu.addSecs(1), neuerOderGleich, u"0,00"_s},
      {NurAelteres, "quelle", "aelter", kNeu.addSecs(-1), kopiert.second, u"0,01"_s},
      {NurKleineres, "12345", "abcde", kNeu, groesserOderGleich, u"0,00"_s},
      {NurKleineres, "12345", "abc", kNeu, kopiert.second, u"0,00"_s},
      // An empty target is always replaced, also by an empty source.
      {NurKleineres, "", "", kNeu, kopiert.second, u"0,00"_s},
      {NurGroesseres, "123", "abc", kNeu, QString(), u"0,00"_s},
      {NurGroesseres, "123", "ab", kNeu, QString(), u"0,00"_s},
      {NurGroesseres, "123", "abcdef", kNeu, kopiert.second, u"0,00"_s},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.modus);
    quelle(f.quelle);
    vorhanden(f.ziel, f.zielZeit);
    test::Zeilen erwartet{modus(f.modus)};
    if (!f.zeile.isEmpty()) erwartet.append({4, f.zeile});
    EXPECT_EQ(lauf(f.modus), erwartet + fertig(f.groesse));
    EXPECT_EQ(zielInhalt(), f.zeile == kopiert.second ? f.quelle : f.ziel);
  }
}

TEST_F(VerfahrenTest, AktualisierenLegtFehlendesZielverzeichnisAuchFuerBaeumeAn) {
  datei(u"quelle/Daten/x.txt"_s);
  const test::Zeilen z = lauf(NurAelteres, {pfad(u"quelle/Daten/*.***"_s)});
  EXPECT_TRUE(z.contains(test::Zeile{1, u"    => Zielverzeichnis nicht vorhanden, wurde neu erstellt"_s}));
  EXPECT_TRUE(QFileInfo::exists(ziel() + u"Daten/x.txt"_s));
  // Mode 1 writes that line only for a directory entry, with one blank.
  datei(u"quelle/Briefe/y.txt"_s);
  const test::Zeilen v = lauf(NurWennFehlend, {pfad(u"quelle/Briefe/*.*"_s)});
  EXPECT_TRUE(v.contains(test::Zeile{1, u"    => Zielverzeichnis nicht vorhanden, wurde neu erstellt"_s}));
}

TEST_F(VerfahrenTest, OhneVerfahrenWirdNichtsKopiertAberFehlerfreiGezaehlt) {
  quelle("x");
  EXPECT_EQ(lauf(KeinVerfahren), (test::Zeilen{modus(5), {4, u"    => Okay, Fehlerfrei verarbeitet"_s}}));
  EXPECT_FALSE(QFileInfo::exists(ziel() + u"Brief.txt"_s));
  EXPECT_TRUE(logbuch->zeilen.contains(
      test::Zeile{6, u"... von 1 Datei(en) wurden 1 Datei(en) Fehlerfrei verarbeitet"_s}));
  EXPECT_TRUE(logbuch->zeilen.contains(
      test::Zeile{6, u"    Gesamtdatenvolumen: 0,00 KByte , kopiertes Datenvolumen 0,000 KByte"_s}));
}

TEST_F(VerfahrenTest, IgnorierlisteVergleichtGanzeZielnamenOhneGrossKlein) {
  quelle("x");
  const QString bak = datei(u"quelle/Brief.txt.bak"_s);
  store->write(u"IgnorierListe_1"_s, u"BRIEF.TXT"_s, u"05.12.2026 14:00:00"_s);
  const test::Zeilen z = lauf(ImmerUeberschreiben, {quellpfad, bak});
  EXPECT_EQ(z.mid(0, 3), (test::Zeilen{{10, u"    => \""_s + ziel() + u"Brief.txt\" wird ignoriert"_s},
                                       {4, u"    => Okay, Fehlerfrei verarbeitet"_s},
                                       {2, u"  ==> Kopiere "_s + bak}}));
  EXPECT_FALSE(QFileInfo::exists(ziel() + u"Brief.txt"_s));
  EXPECT_TRUE(QFileInfo::exists(ziel() + u"Brief.txt.bak"_s));

  // With the name prefix on, the list is matched against the prefixed name.
  store->write(u"Timer"_s, u"Zusatz0"_s, u"1"_s);
  lauf(ImmerUeberschreiben);
  EXPECT_TRUE(QFileInfo::exists(ziel() + u"Sicherheitskopie von Brief.txt"_s));
  // Another task's list does not count.
  store->write(u"IgnorierListe_2"_s, u"Brief.txt.bak"_s, QString());
  lauf(ImmerUeberschreiben, {bak});
  EXPECT_TRUE(QFileInfo::exists(ziel() + u"Sicherheitskopie von Brief.txt.bak"_s));
}

TEST_F(VerfahrenTest, VerschwundeneQuelleBeiVorhandenemZielIstEinFehler) {
  vorhanden("alte Sicherung", kAlt);
  quellpfad = pfad(u"quelle/Brief.txt"_s);  // never created
  for (const int modus : {NurAelteres, NurKleineres, NurGroesseres}) {
    const test::Zeilen z = lauf(modus);
    EXPECT_TRUE(z.contains(test::Zeile{0, u"    => Error, "_s + fehlertext(ENOENT)})) << modus;
    EXPECT_EQ(zielInhalt(), "alte Sicherung");
  }
}
