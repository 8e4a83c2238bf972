#pragma once

#include <QString>

namespace bewahrix {

enum class Symbol { Keins, Information, Frage, Ausrufezeichen, Kritisch };
enum class Knoepfe { Ok, JaNein, JaNeinAbbrechen, OkAbbrechen };
enum class Antwort { Ok, Ja, Nein, Abbrechen };

// A message box as the program asks for it.
struct Meldung {
  QString text;
  QString titel = QStringLiteral("Bewahrix");
  Symbol symbol = Symbol::Keins;
  Knoepfe knoepfe = Knoepfe::Ok;
  Antwort standard = Antwort::Ok;

  bool operator==(const Meldung&) const = default;
};

// Every message box goes through here: the window shows real ones, tests
// answer from a script.
class Dialoge {
 public:
  virtual ~Dialoge() = default;
  virtual Antwort zeige(const Meldung& meldung) = 0;
};

// The usual shapes of the program's boxes.
inline Meldung information(const QString& text, const QString& titel = QStringLiteral("Bewahrix")) {
  return {text, titel, Symbol::Information, Knoepfe::Ok, Antwort::Ok};
}
// Yes and No with No as the default: nothing happens by accident.
inline Meldung frage(const QString& text, const QString& titel = QStringLiteral("Bewahrix")) {
  return {text, titel, Symbol::Frage, Knoepfe::JaNein, Antwort::Nein};
}

}  // namespace bewahrix
