#include "LaufUmgebung.h"

#include "backup/Verfahren.h"
#include "platform/Fehlertext.h"

#include <QFileInfo>

#include <cerrno>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {
const QDateTime kAlt(QDate(2025, 6, 1), QTime(12, 0));
const QDateTime kNeu(QDate(2026, 6, 1), QTime(12, 0));
const test::Zeile kOkay{4, u"    => Okay, Fehlerfrei verarbeitet"_s};
}  // namespace

// One source file Brief.txt and an existing target.
class VerfahrenTest : public test::LaufUmgebung {
 protected:
  // Runs the entries in the mode and gives the lines after "  ==> Kopiere".
  test::Zeilen lauf(int modus, const QStringList& eintraege) {
    aufgabe(0, eintraege, modus);
    LaufUmgebung::lauf();
    return dateiZeilen().mid(1);
  }
  QByteArray zielInhalt() { return test::leseDatei(ziel() + u"Brief.txt"_s); }
};

// Each mode against an existing target: the decision line (none where the
// mode writes none), the size line of the target afterwards and its content.
TEST_F(VerfahrenTest, JedesVerfahrenEntscheidetUeberDasVorhandeneZiel) {
  const QStringList texte = {u"kopieren, evtl. vorhandene Zieldatei wird überschrieben"_s,
                             u"wenn Zieldatei vorhanden, dann nicht kopieren"_s,
                             u"aktualisieren, nur ältere Zieldatei überschreiben"_s,
                             u"kopieren, kleinere Zieldatei überschreiben"_s,
                             u"kopieren, größere Zieldatei überschreiben"_s, u"kein Vorgang gewählt"_s};
  const QString kopiert = u"    => Datei kopiert"_s;
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
      {ImmerUeberschreiben, "neu", "alt, aber länger", kAlt, kopiert, u"0,00"_s},
      {NurAelteres, "quelle", "gleich", kNeu, neuerOderGleich, u"0,01"_s},
      {NurAelteres, "quelle", "neuer", kNeu.addSecs(1), neuerOderGleich, u"0,00"_s},
      {NurAelteres, "quelle", "aelter", kNeu.addSecs(-1), kopiert, u"0,01"_s},
      {NurKleineres, "12345", "abcde", kNeu, groesserOderGleich, u"0,00"_s},
      {NurKleineres, "12345", "abc", kNeu, kopiert, u"0,00"_s},
      // An empty target is always replaced, also by an empty source.
      {NurKleineres, "", "", kNeu, kopiert, u"0,00"_s},
      {NurGroesseres, "123", "abc", kNeu, QString(), u"0,00"_s},
      {NurGroesseres, "123", "ab", kNeu, QString(), u"0,00"_s},
      {NurGroesseres, "123", "abcdef", kNeu, kopiert, u"0,00"_s},
      {KeinVerfahren, "123", "abcdef", kNeu, QString(), u"0,01"_s},
      {-1, "123", "abcdef", kNeu, QString(), u"0,01"_s},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.modus);
    const QString quelle = datei(u"quelle/Brief.txt"_s, f.quelle, kNeu);
    datei(u"ziel/Brief.txt"_s, f.ziel, f.zielZeit);
    test::Zeilen erwartet{{4, u"    => Vorgang: "_s + texte.at(f.modus < 0 ? KeinVerfahren : f.modus)}};
    if (!f.zeile.isEmpty()) erwartet.append({4, f.zeile});
    erwartet += test::Zeilen{kOkay, {3, u"    => (Dateigröße "_s + f.groesse + u" KByte)"_s}};
    EXPECT_EQ(lauf(f.modus, {quelle}), erwartet);
    EXPECT_EQ(zielInhalt(), f.zeile == kopiert ? f.quelle : f.ziel);
  }
  EXPECT_EQ(verfahren::beschriftung(1), u"wenn vorhanden, dann Datei nicht sichern"_s);
  EXPECT_EQ(verfahren::beschriftung(9), u"keinen Vorgang ausführen"_s);
}

TEST_F(VerfahrenTest, VerschwundeneQuelleBeiVorhandenemZielIstEinFehler) {
  datei(u"ziel/Brief.txt"_s, "alte Sicherung", kAlt);
  for (const int modus : {NurAelteres, NurKleineres, NurGroesseres}) {
    EXPECT_TRUE(lauf(modus, {pfad(u"quelle/Brief.txt"_s)}).contains(test::Zeile{0, u"    => Error, "_s + fehlertext(ENOENT)}))
        << modus;
    EXPECT_EQ(zielInhalt(), "alte Sicherung");
  }
}

TEST_F(VerfahrenTest, NeuesZielverzeichnisBeiAktualisierenAuchFuerBaeume) {
  const test::Zeile neu{1, u"    => Zielverzeichnis nicht vorhanden, wurde neu erstellt"_s};
  datei(u"quelle/Daten/x.txt"_s);
  EXPECT_TRUE(lauf(NurAelteres, {pfad(u"quelle/Daten/*.***"_s)}).contains(neu));
  EXPECT_TRUE(QFileInfo::exists(ziel() + u"Daten/x.txt"_s));
  // Mode 1 writes that line only for a directory entry, with one blank.
  datei(u"quelle/Briefe/y.txt"_s);
  EXPECT_TRUE(lauf(NurWennFehlend, {pfad(u"quelle/Briefe/*.*"_s)}).contains(neu));
}

TEST_F(VerfahrenTest, IgnorierlisteVergleichtGanzeZielnamenOhneGrossKlein) {
  const QString brief = datei(u"quelle/Brief.txt"_s);
  const QString bak = datei(u"quelle/Brief.txt.bak"_s);
  store->write(u"IgnorierListe_1"_s, u"BRIEF.TXT"_s, u"05.12.2026 14:00:00"_s);
  EXPECT_EQ(lauf(ImmerUeberschreiben, {brief, bak}).mid(0, 3),
            (test::Zeilen{{10, u"    => \""_s + ziel() + u"Brief.txt\" wird ignoriert"_s}, kOkay,
                          {2, u"  ==> Kopiere "_s + bak}}));
  EXPECT_EQ(test::alleEintraege(ziel()), QStringList{u"Brief.txt.bak"_s});

  // With the name prefix on, the list is matched against the prefixed name;
  // another task's list does not count.
  store->write(u"Timer"_s, u"Zusatz0"_s, u"1"_s);
  store->write(u"IgnorierListe_2"_s, u"Brief.txt.bak"_s, QString());
  lauf(ImmerUeberschreiben, {brief, bak});
  EXPECT_EQ(test::alleEintraege(ziel()), (QStringList{u"Brief.txt.bak"_s, u"Sicherheitskopie von Brief.txt"_s,
                                                      u"Sicherheitskopie von Brief.txt.bak"_s}));
}
