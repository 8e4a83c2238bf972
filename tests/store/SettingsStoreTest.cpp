#include "store/SettingsStore.h"
#include "platform/Fehlertext.h"

#include "support/TestUmgebung.h"

#include <QDir>
#include <QFileInfo>

#include <sqlite3.h>

using namespace Qt::Literals::StringLiterals;
using bewahrix::SettingsStore;
using bewahrix::Schluesselpaare;

namespace {

QString erstesSqlErgebnis(const QString& datei, const char* sql) {
  sqlite3* db = nullptr;
  sqlite3_open(QFile::encodeName(datei).constData(), &db);
  sqlite3_stmt* st = nullptr;
  sqlite3_prepare_v2(db, sql, -1, &st, nullptr);
  QString text;
  if (sqlite3_step(st) == SQLITE_ROW)
    text = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
  sqlite3_finalize(st);
  sqlite3_close(db);
  return text;
}

}  // namespace

class SettingsStoreTest : public bewahrix::test::FrischeUmgebung {
 protected:
  QString dbPfad() const { return home() + u".config/RoroVareduze/settings.db"_s; }
};

TEST_F(SettingsStoreTest, LiegtUnterXdgConfigHome) {
  SettingsStore store(u"RoroVareduze"_s);
  store.write(u"Tool"_s, u"Count"_s, u"1"_s);
  EXPECT_EQ(store.dateipfad(), dbPfad());
  EXPECT_TRUE(QFileInfo::exists(dbPfad()));
  EXPECT_EQ(erstesSqlErgebnis(dbPfad(), "PRAGMA journal_mode"), u"wal"_s);
}

TEST_F(SettingsStoreTest, NamenOhneRuecksichtAufGrossKleinschreibung) {
  SettingsStore store(u"RoroVareduze"_s);
  store.write(u"Aufgabe0"_s, u"/daten/Ärger.doc"_s, u"05. Dez. 2026"_s);
  EXPECT_EQ(store.read(u"AUFGABE0"_s, u"/daten/ärger.doc"_s, u"-"_s), u"05. Dez. 2026"_s);
  EXPECT_TRUE(store.enthaelt(u"aufgabe0"_s, u"/DATEN/ÄRGER.DOC"_s));

  // Writing the other spelling overwrites the one key; the first spelling stays.
  store.write(u"aufgabe0"_s, u"/daten/ärger.doc"_s, u"06. Dez. 2026"_s);
  const Schluesselpaare erwartet = {{u"/daten/Ärger.doc"_s, u"06. Dez. 2026"_s}};
  EXPECT_EQ(store.list(u"Aufgabe0"_s), erwartet);

  store.remove(u"AUFGABE0"_s, u"/daten/ÄRGER.doc"_s);
  EXPECT_TRUE(store.list(u"Aufgabe0"_s).isEmpty());
  store.write(u"Titel"_s, u"ΣΟΦΊΑ"_s, u"1"_s);
  EXPECT_EQ(store.read(u"titel"_s, u"σοφία"_s, u"-"_s), u"1"_s);
}

TEST_F(SettingsStoreTest, ReihenfolgeBleibtBeimUeberschreibenUndNeuOeffnen) {
  {
    SettingsStore store(u"RoroVareduze"_s);
    store.write(u"Aufgabe1"_s, u"/c"_s, u"1"_s);
    store.write(u"Aufgabe1"_s, u"/a"_s, u"2"_s);
    store.write(u"Aufgabe2"_s, u"/x"_s, u"fremd"_s);
    store.write(u"Aufgabe1"_s, u"/b"_s, u"3"_s);
    store.write(u"Aufgabe1"_s, u"/C"_s, u"neu"_s);
    store.remove(u"Aufgabe1"_s, u"/a"_s);
    store.write(u"Aufgabe1"_s, u"/a"_s, u"wieder"_s);
  }
  SettingsStore store(u"RoroVareduze"_s);
  const Schluesselpaare erwartet = {{u"/c"_s, u"neu"_s}, {u"/b"_s, u"3"_s}, {u"/a"_s, u"wieder"_s}};
  EXPECT_EQ(store.list(u"Aufgabe1"_s), erwartet);
}

TEST_F(SettingsStoreTest, AbschnittUndAllesEntfernen) {
  SettingsStore store(u"RoroVareduze"_s);
  store.write(u"Aufgabe0"_s, u"/a"_s, u"1"_s);
  store.write(u"Aufgabe0"_s, u"/b"_s, u"1"_s);
  store.write(u"Aufgabe1"_s, u"/a"_s, u"1"_s);
  store.removeSection(u"AUFGABE0"_s);
  EXPECT_TRUE(store.list(u"Aufgabe0"_s).isEmpty());
  EXPECT_EQ(store.list(u"Aufgabe1"_s).size(), 1);
  store.removeAll();
  EXPECT_TRUE(store.list(u"Aufgabe1"_s).isEmpty());
  // A section removed and written again starts a new order.
  store.write(u"Aufgabe0"_s, u"/b"_s, u"1"_s);
  store.write(u"Aufgabe0"_s, u"/a"_s, u"1"_s);
  EXPECT_EQ(store.list(u"Aufgabe0"_s).first().first, u"/b"_s);
}

TEST_F(SettingsStoreTest, AndereWerkzeugeKoennenDieTabelleVorbereiten) {
  { SettingsStore store(u"RoroVareduze"_s); }
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(QFile::encodeName(dbPfad()).constData(), &db), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(db,
                         "INSERT INTO settings(section, key, value, section_fold, key_fold) "
                         "VALUES('SaveZiel', 'Ziel 2', '/sicherung/', 'saveziel', 'ziel 2')",
                         nullptr, nullptr, nullptr),
            SQLITE_OK);
  sqlite3_close(db);
  SettingsStore store(u"RoroVareduze"_s);
  EXPECT_EQ(store.read(u"SaveZiel"_s, u"Ziel 2"_s, QString()), u"/sicherung/"_s);
  EXPECT_FALSE(store.wiederherstellungsHinweis().has_value());
}

TEST_F(SettingsStoreTest, KaputteDateiWirdBeiseiteGelegtNieGeloescht) {
  const QByteArray muell(8192, 'x');
  bewahrix::test::schreibeDatei(dbPfad(), muell);
  SettingsStore store(u"RoroVareduze"_s);

  ASSERT_TRUE(store.wiederherstellungsHinweis().has_value());
  const QStringList beiseite =
      QDir(QFileInfo(dbPfad()).absolutePath()).entryList({u"settings.db.defekt-*"_s}, QDir::Files);
  ASSERT_EQ(beiseite.size(), 1);
  const QString alt = QFileInfo(dbPfad()).absolutePath() + u'/' + beiseite.first();
  EXPECT_EQ(bewahrix::test::leseDatei(alt), muell);
  EXPECT_TRUE(store.wiederherstellungsHinweis()->contains(alt));

  // The fresh store works and survives a reopen.
  store.write(u"Tool"_s, u"Count"_s, u"2"_s);
  SettingsStore wieder(u"RoroVareduze"_s);
  EXPECT_EQ(wieder.read(u"Tool"_s, u"Count"_s, u"1"_s), u"2"_s);
  EXPECT_FALSE(wieder.wiederherstellungsHinweis().has_value());
}

TEST_F(SettingsStoreTest, UnerreichbarerOrtHaeltAenderungenImSpeicher) {
  // A file where the directory should be: nothing can be created there.
  bewahrix::test::schreibeDatei(home() + u".config/RoroVareduze"_s, "kein Verzeichnis");
  SettingsStore store(u"RoroVareduze"_s);
  EXPECT_EQ(store.read(u"Tool"_s, u"Count"_s, u"1"_s), u"1"_s);
  store.write(u"Tool"_s, u"Count"_s, u"5"_s);
  EXPECT_EQ(store.read(u"Tool"_s, u"Count"_s, u"1"_s), u"5"_s);
  EXPECT_EQ(store.schreibfehler(), store.dateipfad() + u": "_s + bewahrix::fehlertext(ENOTDIR));
  EXPECT_FALSE(store.wiederherstellungsHinweis().has_value());
  EXPECT_EQ(bewahrix::test::leseDatei(home() + u".config/RoroVareduze"_s), "kein Verzeichnis");
}
