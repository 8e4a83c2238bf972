#include "backup/AufgabenOptionen.h"
#include "backup/Verfahren.h"

#include "LaufUmgebung.h"
#include "store/Datensaetze.h"

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

class OptionenTest : public test::LaufUmgebung {
 protected:
  void SetUp() override {
    LaufUmgebung::SetUp();
    optionen = std::make_unique<AufgabenOptionen>(*store, *logbuch, geladen);
  }
  bool geladen = false;
  std::unique_ptr<AufgabenOptionen> optionen;
  QString wert(const QString& key) { return store->read(u"Optionen"_s, key, u"(fehlt)"_s); }
};

TEST_F(OptionenTest, WaehrendDesLadensWirdNichtsGespeichertOderProtokolliert) {
  EXPECT_FALSE(optionen->check_AllFileKill_Click(0, true));
  EXPECT_FALSE(optionen->check_AllFileKill_Undo_Click(0, false));
  EXPECT_FALSE(optionen->option_SOLL_Click(0, 2));
  EXPECT_EQ(wert(u"Check_AllFileKill0"_s), u"(fehlt)"_s);
  EXPECT_EQ(wert(u"Vorgang0"_s), u"(fehlt)"_s);
  EXPECT_TRUE(logbuch->zeilen.isEmpty());
}

TEST_F(OptionenTest, NachDemLadenSpeichernUndProtokollieren) {
  geladen = true;
  EXPECT_TRUE(optionen->check_AllFileKill_Click(1, true));
  EXPECT_TRUE(optionen->check_AllFileKill_Undo_Click(1, false));
  EXPECT_TRUE(optionen->option_SOLL_Click(4, KeinVerfahren));
  EXPECT_TRUE(optionen->option_SOLL_Click(4, NurGroesseres));
  EXPECT_EQ(wert(u"Check_AllFileKill1"_s), u"1"_s);
  EXPECT_EQ(wert(u"Check_AllFileKill_Undo1"_s), u"0"_s);
  EXPECT_EQ(wert(u"Vorgang4"_s), u"4"_s);
  const test::Zeilen erwartet = {
      {7, u"Löschen vor Kopiervorgang für Aufgabe 2 wurde auf Ja gesetzt"_s},
      {7, u"gelöschte Dateien in den Papierkorp legen für Aufgabe 2 wurde auf Nein gesetzt"_s},
      {7, u"Kopiervorgang für Aufgabe 5 geändert => keinen Vorgang ausführen"_s},
      {7, u"Kopiervorgang für Aufgabe 5 geändert => kopieren, größere Dateien überschreiben"_s},
  };
  EXPECT_EQ(logbuch->zeilen, erwartet);
}

TEST_F(OptionenTest, GlobaleOptionenOhneLogzeile) {
  optionen->check_Auflisten_Click(true);
  optionen->check_DragAndDrop_Click(false);
  optionen->option_Verzeichnisse_Click(0);
  EXPECT_EQ(wert(u"Check_Auflisten"_s), u"1"_s);
  EXPECT_EQ(wert(u"DragDrop"_s), u"0"_s);
  EXPECT_EQ(wert(u"Option_Verzeichnisse"_s), u"0"_s);
  EXPECT_TRUE(logbuch->zeilen.isEmpty());
}

TEST(Verfahren, BeschriftungenUndUnbekannteCodes) {
  EXPECT_EQ(verfahren::beschriftung(1), u"wenn vorhanden, dann Datei nicht sichern"_s);
  EXPECT_EQ(verfahren::beschriftung(9), u"keinen Vorgang ausführen"_s);
  EXPECT_EQ(verfahren::logZeile(-1), u"    => Vorgang: kein Vorgang gewählt"_s);
}
