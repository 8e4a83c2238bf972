#include "store/SettingsStore.h"

#include "store/SqlAnweisung.h"

#include "platform/Fehlertext.h"
#include "platform/Pfade.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>

#include <unistd.h>

#include <sqlite3.h>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace {

const char* const kSchema =
    "CREATE TABLE IF NOT EXISTS settings ("
    " seq INTEGER PRIMARY KEY AUTOINCREMENT,"
    " section TEXT NOT NULL, key TEXT NOT NULL, value TEXT NOT NULL,"
    " section_fold TEXT NOT NULL, key_fold TEXT NOT NULL,"
    " UNIQUE(section_fold, key_fold))";

QString falte(const QString& name) { return name.toCaseFolded(); }

// How long a write waits for another program's lock: a locked store must
// not hold up the start by more than a moment.
constexpr int kWarteMs = 500;

// A file the program itself keeps is never empty: its header is written as
// it is opened. An empty one was cut off.
bool leereDatei(const QString& pfad) {
  const QFileInfo info(pfad);
  return info.isFile() && info.size() == 0;
}

}  // namespace

QString SettingsStore::standardDateipfad(const QString& anwendung) {
  QString basis = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (basis.isEmpty() || !QDir::isAbsolutePath(basis)) basis = QDir::homePath() + u"/.config"_s;
  return basis + u'/' + anwendung + u"/settings.db"_s;
}

SettingsStore::SettingsStore(const QString& anwendung)
    : SettingsStore(Oeffnen{}, standardDateipfad(anwendung)) {}

SettingsStore::SettingsStore(Oeffnen, const QString& dateipfad) : dateipfad_(dateipfad) {
  oeffne();
}

std::unique_ptr<SettingsStore> SettingsStore::oeffneDatei(const QString& dateipfad) {
  return std::unique_ptr<SettingsStore>(new SettingsStore(Oeffnen{}, dateipfad));
}

SettingsStore::~SettingsStore() { schliessen(); }

void SettingsStore::schliessen() {
  if (db_) sqlite3_close_v2(db_);
  db_ = nullptr;
}

void SettingsStore::oeffne() {
  QDir().mkpath(QFileInfo(dateipfad_).absolutePath());
  Zustand zustand = leereDatei(dateipfad_) ? Zustand::Beschaedigt : versucheOeffnen();
  // Only a damaged file is set aside; a locked or unreachable one is left
  // alone.
  if (zustand == Zustand::Beschaedigt) {
    schliessen();
    beiseiteLegen();
    zustand = versucheOeffnen();
  }
  if (zustand == Zustand::Bereit) return;
  schreibfehler_ = dateipfad_ + u": "_s + grund();
  // The program runs on what it can read, else on defaults; what the user
  // changes lasts until it ends. First as an ordinary reader, which also
  // sees what is still in the journal; a file locked by another program as
  // the bytes it holds.
  const QByteArray datei = "file:" + pfade::bytes(dateipfad_).toPercentEncoding("/");
  if (zustand != Zustand::Beschaedigt)
    for (const char* art : {"?mode=ro", "?immutable=1"})
      if (imSpeicher() && kopieEinlesen(datei + art)) {
        nurKopie_ = true;
        return;
      }
  if (!imSpeicher() || !SqlAnweisung::ausfuehren(db_, kSchema)) schliessen();
}

bool SettingsStore::imSpeicher() {
  schliessen();
  if (sqlite3_open_v2(":memory:", &db_, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) return true;
  schliessen();
  return false;
}

bool SettingsStore::kopieEinlesen(const QByteArray& uri) {
  sqlite3* quelle = nullptr;
  bool gelesen =
      sqlite3_open_v2(uri.constData(), &quelle, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr) == SQLITE_OK;
  if (gelesen) {
    sqlite3_backup* kopie = sqlite3_backup_init(db_, "main", quelle, "main");
    gelesen = kopie && sqlite3_backup_step(kopie, -1) == SQLITE_DONE;
    gelesen = sqlite3_backup_finish(kopie) == SQLITE_OK && gelesen;
  }
  sqlite3_close_v2(quelle);
  if (!gelesen || !SqlAnweisung::ausfuehren(db_, kSchema)) return false;
  SqlAnweisung pruefung(db_, "PRAGMA quick_check");
  return pruefung.schritt() && pruefung.text(0) == u"ok"_s;
}

QString SettingsStore::grund() const {
  // A file the system lets us read only: SQLite itself sees no error.
  if (::access(pfade::bytes(dateipfad_).constData(), W_OK) != 0 && errno != ENOENT)
    return fehlertext(errno);
  if (!db_) return fehlertext(ENOMEM);
  const int nummer = sqlite3_system_errno(db_);
  return nummer != 0 ? fehlertext(nummer) : QString::fromUtf8(sqlite3_errmsg(db_));
}

void SettingsStore::geschrieben(bool ok) {
  // After one write has waited for another program's lock in vain, the
  // next ones do not wait until one gets through: a stop of many writes
  // still ends at once.
  const bool gesperrt = !ok && (sqlite3_errcode(db_) & 0xff) == SQLITE_BUSY;
  if (!ok && beiSchreibfehler) beiSchreibfehler(dateipfad_ + u": "_s + grund());
  if (gesperrt != gesperrt_) sqlite3_busy_timeout(db_, gesperrt ? 0 : kWarteMs);
  gesperrt_ = gesperrt;
}

SettingsStore::Zustand SettingsStore::versucheOeffnen() {
  const QByteArray pfad = pfade::bytes(dateipfad_);
  if (sqlite3_open_v2(pfad.constData(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                      nullptr) != SQLITE_OK)
    return Zustand::Unerreichbar;
  sqlite3_busy_timeout(db_, kWarteMs);
  const auto beurteile = [this] {
    const int code = sqlite3_errcode(db_);
    return code == SQLITE_NOTADB || code == SQLITE_CORRUPT ? Zustand::Beschaedigt
                                                           : Zustand::Unerreichbar;
  };
  if (!SqlAnweisung::ausfuehren(db_, "PRAGMA journal_mode=WAL")) return beurteile();
  if (!SqlAnweisung::ausfuehren(db_, kSchema)) return beurteile();
  SqlAnweisung pruefung(db_, "PRAGMA quick_check");
  if (!pruefung.schritt()) return beurteile();
  if (pruefung.text(0) != u"ok"_s) return Zustand::Beschaedigt;
  // A file the system lets us read only is opened read-only without a word.
  return sqlite3_db_readonly(db_, "main") == 1 ? Zustand::Unerreichbar : Zustand::Bereit;
}

void SettingsStore::beiseiteLegen() {
  if (!QFileInfo::exists(dateipfad_)) return;
  const QString ziel =
      dateipfad_ + u".defekt-"_s + QDateTime::currentDateTime().toString(u"yyyyMMdd-HHmmss"_s);
  QString frei = ziel;
  for (int n = 2; QFileInfo::exists(frei); ++n) frei = ziel + u'-' + QString::number(n);
  if (!QFile::rename(dateipfad_, frei)) return;
  // The journal files belong to the damaged database, not to the new one.
  for (const auto& endung : {u"-wal"_s, u"-shm"_s})
    if (QFileInfo::exists(dateipfad_ + endung)) QFile::rename(dateipfad_ + endung, frei + endung);
  beiseitegelegt_ = frei;
}

QString SettingsStore::read(const QString& section, const QString& key,
                            const QString& standard) const {
  if (!db_) return standard;
  SqlAnweisung abfrage(db_, "SELECT value FROM settings WHERE section_fold=?1 AND key_fold=?2");
  abfrage.binde(1, falte(section));
  abfrage.binde(2, falte(key));
  return abfrage.schritt() ? abfrage.text(0) : standard;
}

bool SettingsStore::enthaelt(const QString& section, const QString& key) const {
  if (!db_) return false;
  SqlAnweisung abfrage(db_, "SELECT 1 FROM settings WHERE section_fold=?1 AND key_fold=?2");
  abfrage.binde(1, falte(section));
  abfrage.binde(2, falte(key));
  return abfrage.schritt();
}

void SettingsStore::write(const QString& section, const QString& key, const QString& value) {
  ++stand_;
  if (!db_) return;
  // The upsert keeps the row, so an overwritten key keeps its place in the order.
  SqlAnweisung schreiben(db_,
                         "INSERT INTO settings(section, key, value, section_fold, key_fold)"
                         " VALUES(?1, ?2, ?3, ?4, ?5)"
                         " ON CONFLICT(section_fold, key_fold) DO UPDATE SET value=excluded.value");
  schreiben.binde(1, section);
  schreiben.binde(2, key);
  schreiben.binde(3, value);
  schreiben.binde(4, falte(section));
  schreiben.binde(5, falte(key));
  geschrieben(schreiben.fertig());
}

void SettingsStore::remove(const QString& section, const QString& key) {
  ++stand_;
  if (!db_) return;
  SqlAnweisung loeschen(db_, "DELETE FROM settings WHERE section_fold=?1 AND key_fold=?2");
  loeschen.binde(1, falte(section));
  loeschen.binde(2, falte(key));
  geschrieben(loeschen.fertig());
}

void SettingsStore::removeSection(const QString& section) {
  ++stand_;
  if (!db_) return;
  SqlAnweisung loeschen(db_, "DELETE FROM settings WHERE section_fold=?1");
  loeschen.binde(1, falte(section));
  geschrieben(loeschen.fertig());
}

void SettingsStore::removeAll() {
  ++stand_;
  if (db_) geschrieben(SqlAnweisung::ausfuehren(db_, "DELETE FROM settings"));
}

Schluesselpaare SettingsStore::list(const QString& section) const {
  Schluesselpaare paare;
  if (!db_) return paare;
  SqlAnweisung abfrage(db_, "SELECT key, value FROM settings WHERE section_fold=?1 ORDER BY seq");
  abfrage.binde(1, falte(section));
  while (abfrage.schritt()) paare.append({abfrage.text(0), abfrage.text(1)});
  return paare;
}

}  // namespace bewahrix
