#include "backup/AufgabenOptionen.h"

#include "LaufUmgebung.h"

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

class OptionenTest : public test::LaufUmgebung {};

TEST_F(OptionenTest, NurNachDemLadenGespeichertUndProtokolliert) {
  bool geladen = false;
  AufgabenOptionen optionen(*store, *logbuch, geladen);
  const auto werte = [&] {
    QStringList w;
    for (const QString& key : {u"Check_AllFileKill1"_s, u"Check_AllFileKill_Undo1"_s, u"Vorgang4"_s,
                               u"Check_Auflisten"_s, u"DragDrop"_s, u"Option_Verzeichnisse"_s})
      w.append(store->read(u"Optionen"_s, key, u"-"_s));
    return w;
  };
  for (const bool jetzt : {false, true}) {
    geladen = jetzt;
    EXPECT_EQ(optionen.check_AllFileKill_Click(1, true), jetzt);
    EXPECT_EQ(optionen.check_AllFileKill_Undo_Click(1, false), jetzt);
    EXPECT_EQ(optionen.option_SOLL_Click(4, KeinVerfahren), jetzt);
    EXPECT_EQ(optionen.option_SOLL_Click(4, NurGroesseres), jetzt);
    if (!jetzt) {
      EXPECT_EQ(werte(), QStringList(6, u"-"_s));
    }
  }
  // The global options are saved at any time, without a line.
  optionen.check_Auflisten_Click(true);
  optionen.check_DragAndDrop_Click(false);
  optionen.option_Verzeichnisse_Click(0);
  EXPECT_EQ(werte(), (QStringList{u"1"_s, u"0"_s, u"4"_s, u"1"_s, u"0"_s, u"0"_s}));
  EXPECT_EQ(logbuch->zeilen, (test::Zeilen{
      {7, u"Löschen vor Kopiervorgang für Aufgabe 2 wurde auf Ja gesetzt"_s},
      {7, u"gelöschte Dateien in den Papierkorp legen für Aufgabe 2 wurde auf Nein gesetzt"_s},
      {7, u"Kopiervorgang für Aufgabe 5 geändert => keinen Vorgang ausführen"_s},
      {7, u"Kopiervorgang für Aufgabe 5 geändert => kopieren, größere Dateien überschreiben"_s}}));
}
