#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <variant>

namespace bewahrix {

// A failed operation: the errno value (0 when none applies) and its text.
struct Fehler {
  int nummer = 0;
  QString text;
};

// Success with a value, or a Fehler. The caller checks it where the failure
// matters; nothing is thrown.
template <typename T>
class [[nodiscard]] Ergebnis {
 public:
  Ergebnis(T wert) : inhalt_(std::move(wert)) {}
  Ergebnis(Fehler fehler) : inhalt_(std::move(fehler)) {}

  bool ok() const { return std::holds_alternative<T>(inhalt_); }
  explicit operator bool() const { return ok(); }
  const T& wert() const { return std::get<T>(inhalt_); }
  T& wert() { return std::get<T>(inhalt_); }
  const Fehler& fehler() const { return std::get<Fehler>(inhalt_); }

 private:
  std::variant<T, Fehler> inhalt_;
};

// Success without a value.
struct Erfolg {};
using Status = Ergebnis<Erfolg>;

inline Status erfolg() { return Erfolg{}; }

}  // namespace bewahrix
