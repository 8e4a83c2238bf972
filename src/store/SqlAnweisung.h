#pragma once

#include <QString>

struct sqlite3;
struct sqlite3_stmt;

namespace bewahrix {

// One prepared SQLite statement, finalised when it goes out of scope.
class SqlAnweisung {
 public:
  SqlAnweisung(sqlite3* db, const char* sql);
  ~SqlAnweisung();
  SqlAnweisung(const SqlAnweisung&) = delete;
  SqlAnweisung& operator=(const SqlAnweisung&) = delete;

  void binde(int stelle, const QString& text);
  // Advances to the next row; false at the end or on an error.
  bool schritt();
  // Runs a statement that returns no rows; false on an error.
  bool fertig();
  QString text(int spalte) const;

  // Runs a statement without parameters to its end; false on any error.
  static bool ausfuehren(sqlite3* db, const char* sql);

 private:
  sqlite3_stmt* anweisung_ = nullptr;
};

}  // namespace bewahrix
