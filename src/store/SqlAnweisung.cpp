#include "store/SqlAnweisung.h"

#include <sqlite3.h>

namespace bewahrix {

SqlAnweisung::SqlAnweisung(sqlite3* db, const char* sql) {
  sqlite3_prepare_v2(db, sql, -1, &anweisung_, nullptr);
}

SqlAnweisung::~SqlAnweisung() { sqlite3_finalize(anweisung_); }

void SqlAnweisung::binde(int stelle, const QString& text) {
  if (!anweisung_) return;
  const QByteArray utf8 = text.toUtf8();
  sqlite3_bind_text(anweisung_, stelle, utf8.constData(), static_cast<int>(utf8.size()),
                    SQLITE_TRANSIENT);
}

bool SqlAnweisung::schritt() {
  if (!anweisung_) return false;
  return sqlite3_step(anweisung_) == SQLITE_ROW;
}

bool SqlAnweisung::fertig() { return anweisung_ && sqlite3_step(anweisung_) == SQLITE_DONE; }

QString SqlAnweisung::text(int spalte) const {
  const auto* daten = reinterpret_cast<const char*>(sqlite3_column_text(anweisung_, spalte));
  return QString::fromUtf8(daten, sqlite3_column_bytes(anweisung_, spalte));
}

bool SqlAnweisung::ausfuehren(sqlite3* db, const char* sql) {
  sqlite3_stmt* anweisung = nullptr;
  if (sqlite3_prepare_v2(db, sql, -1, &anweisung, nullptr) != SQLITE_OK) {
    sqlite3_finalize(anweisung);
    return false;
  }
  int rc;
  while ((rc = sqlite3_step(anweisung)) == SQLITE_ROW) {
  }
  sqlite3_finalize(anweisung);
  return rc == SQLITE_DONE;
}

}  // namespace bewahrix
