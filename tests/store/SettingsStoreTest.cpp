#include "store/SettingsStore.h"

#include "support/TestUmgebung.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;
using bewahrix::SettingsStore;
using bewahrix::Schluesselpaare;

// Rows another tool writes with its own case folding: tests/e2e (werkzeug.py).
class SettingsStoreTest : public bewahrix::test::FrischeUmgebung {
 protected:
  QString dbPfad() const { return home() + u".config/RoroVareduze/settings.db"_s; }
};

TEST_F(SettingsStoreTest, NamenOhneRuecksichtAufGrossKleinschreibung) {
  SettingsStore store(u"RoroVareduze"_s);
  store.write(u"Aufgabe0"_s, u"/daten/Ärger.doc"_s, u"05. Dez. 2026"_s);
  EXPECT_EQ(std::pair(store.dateipfad(), QFileInfo::exists(dbPfad() + u"-wal"_s)), std::pair(dbPfad(), true));  // write-ahead log
  EXPECT_EQ(std::pair(store.read(u"AUFGABE0"_s, u"/daten/ärger.doc"_s, u"-"_s), store.enthaelt(u"aufgabe0"_s, u"/DATEN/ÄRGER.DOC"_s)),
            std::pair(u"05. Dez. 2026"_s, true));

  // Writing the other spelling overwrites the one key; the first spelling stays.
  store.write(u"aufgabe0"_s, u"/daten/ärger.doc"_s, u"06. Dez. 2026"_s);
  EXPECT_EQ(store.list(u"Aufgabe0"_s), (Schluesselpaare{{u"/daten/Ärger.doc"_s, u"06. Dez. 2026"_s}}));

  store.remove(u"AUFGABE0"_s, u"/daten/ÄRGER.doc"_s);
  store.write(u"Titel"_s, u"ΣΟΦΊΑ"_s, u"1"_s);
  EXPECT_EQ(std::tuple(store.list(u"Aufgabe0"_s).size(), store.read(u"titel"_s, u"σοφία"_s, u"-"_s)),
            std::tuple(0, u"1"_s));
}

TEST_F(SettingsStoreTest, ReihenfolgeBleibtBeimUeberschreibenUndNeuOeffnen) {
  {
    SettingsStore store(u"RoroVareduze"_s);
    for (const auto& [key, wert] : Schluesselpaare{{u"/c"_s, u"1"_s}, {u"/a"_s, u"2"_s}, {u"/b"_s, u"3"_s}, {u"/C"_s, u"neu"_s}})
      store.write(u"Aufgabe1"_s, key, wert);
    store.write(u"Aufgabe2"_s, u"/x"_s, u"fremd"_s);
    store.remove(u"Aufgabe1"_s, u"/a"_s);
    store.write(u"Aufgabe1"_s, u"/a"_s, u"wieder"_s);
    // A section removed and written again starts a new order.
    store.write(u"Aufgabe3"_s, u"/a"_s, u"1"_s);
    store.removeSection(u"AUFGABE3"_s);
    for (const QString& key : {u"/b"_s, u"/a"_s}) store.write(u"Aufgabe3"_s, key, u"1"_s);
  }
  SettingsStore store(u"RoroVareduze"_s);
  EXPECT_EQ(std::tuple(store.list(u"Aufgabe1"_s), store.list(u"Aufgabe3"_s), store.list(u"Aufgabe2"_s).size()),
            std::tuple(Schluesselpaare{{u"/c"_s, u"neu"_s}, {u"/b"_s, u"3"_s}, {u"/a"_s, u"wieder"_s}},
                       Schluesselpaare{{u"/b"_s, u"1"_s}, {u"/a"_s, u"1"_s}}, 1));
}

// An empty file is one that was cut off: a new store never leaves one.
TEST_F(SettingsStoreTest, KaputteOderLeereDateiWirdBeiseiteGelegtNieGeloescht) {
  for (const QByteArray& inhalt : {QByteArray(8192, 'x'), QByteArray()}) {
    SCOPED_TRACE(inhalt.isEmpty() ? "leer" : "kaputt");
    QDir ordner(QFileInfo(dbPfad()).absolutePath());
    ordner.removeRecursively();
    bewahrix::test::schreibeDatei(dbPfad(), inhalt);
    SettingsStore store(u"RoroVareduze"_s);
    const QStringList beiseite = ordner.entryList({u"settings.db.defekt-*"_s}, QDir::Files);
    ASSERT_EQ(beiseite.size(), 1);
    const QString alt = ordner.filePath(beiseite.first());
    EXPECT_EQ(std::pair(store.beiseitegelegt(), bewahrix::test::leseDatei(alt)), std::pair(std::optional(alt), inhalt));
    // The fresh store, not yet written, is no damaged one; it works and is shared.
    SettingsStore wieder(u"RoroVareduze"_s);
    store.write(u"Tool"_s, u"Count"_s, u"2"_s);
    EXPECT_EQ(std::pair(wieder.beiseitegelegt().has_value(), wieder.read(u"Tool"_s, u"Count"_s, u"1"_s)), std::pair(false, u"2"_s));
  }
}
