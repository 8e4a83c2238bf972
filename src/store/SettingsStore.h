#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

struct sqlite3;

namespace bewahrix {

using Schluesselpaare = QList<QPair<QString, QString>>;

// The per-user settings store: sections of (key, value) strings, names
// compared without regard to letter case, keys listed in insertion order.
// Backed by one SQLite database; every write is its own transaction.
class SettingsStore {
 public:
  // Opens (or creates) $XDG_CONFIG_HOME/<anwendung>/settings.db.
  explicit SettingsStore(const QString& anwendung);
  // Opens (or creates) the database at this exact path.
  static std::unique_ptr<SettingsStore> oeffneDatei(const QString& dateipfad);
  ~SettingsStore();
  SettingsStore(const SettingsStore&) = delete;
  SettingsStore& operator=(const SettingsStore&) = delete;

  QString read(const QString& section, const QString& key, const QString& standard) const;
  void write(const QString& section, const QString& key, const QString& value);
  void remove(const QString& section, const QString& key);
  void removeSection(const QString& section);
  void removeAll();
  Schluesselpaare list(const QString& section) const;

  bool enthaelt(const QString& section, const QString& key) const;
  // Grows with every change made through this store: a reader that keeps
  // values can tell when it must read them again.
  quint64 stand() const { return stand_; }

  QString dateipfad() const { return dateipfad_; }
  // Set when the database was damaged (or cut to 0 bytes) and was renamed
  // aside: where the old file now lies.
  std::optional<QString> beiseitegelegt() const { return beiseitegelegt_; }
  // Set when the database could not be opened for writing: "<path>: <why>".
  // Changes are then kept in memory only, until the program ends.
  std::optional<QString> schreibfehler() const { return schreibfehler_; }
  // With schreibfehler: what the file held could be read, and the memory
  // starts from that copy rather than from nothing.
  bool nurKopie() const { return nurKopie_; }
  // Told of a change that could not be written later on, with "<path>: <why>".
  std::function<void(const QString&)> beiSchreibfehler;

  static QString standardDateipfad(const QString& anwendung);

 private:
  struct Oeffnen {};
  SettingsStore(Oeffnen, const QString& dateipfad);
  enum class Zustand { Bereit, Beschaedigt, Unerreichbar };
  void oeffne();
  Zustand versucheOeffnen();
  void beiseiteLegen();
  // Opens an empty database in memory in place of the file.
  bool imSpeicher();
  // Copies what the database at this "file:" address holds into the one
  // in memory; false when it cannot be read or is not sound.
  bool kopieEinlesen(const QByteArray& uri);
  void schliessen();
  // Why the last open or write failed, as the system says it.
  QString grund() const;
  void geschrieben(bool ok);

  QString dateipfad_;
  sqlite3* db_ = nullptr;
  std::optional<QString> beiseitegelegt_;
  std::optional<QString> schreibfehler_;
  bool nurKopie_ = false;
  // Another program holds the database: writes fail at once until one
  // gets through again.
  bool gesperrt_ = false;
  quint64 stand_ = 0;
};

}  // namespace bewahrix
