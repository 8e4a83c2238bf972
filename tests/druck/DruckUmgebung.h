#pragma once

#include "logbook/LogbuchUmgebung.h"
#include "platform/Dialoge.h"

#include <QStringList>

namespace bewahrix::test {

// A logbook with chosen entries, its model and scripted boxes.
class DruckUmgebung : public LogbuchUmgebung {
 protected:
  // Writes the entries one second apart.
  void schreibe(const QStringList& texte) {
    for (const QString& text : texte) {
      logbuch->eintrag(text, SonstigeMeldung);
      uhr.sekundenWeiter(1);
    }
    modell->neuLaden();
  }
  QStringList gezeigteZeilen() { return zeilen(); }
};

// A run's typical lines: two error entries, one with "Error" elsewhere and
// one in small letters.
inline QStringList beispielTexte() {
  return {
      QStringLiteral("<Anfang, Manueller Start>"),
      QStringLiteral(">>> Aufgabe 1"),
      QStringLiteral("  ==> /home/anna/Daten/brief.odt"),
      QStringLiteral("    => Datei kopiert"),
      QStringLiteral("    => Error, Zugriff verweigert"),
      QStringLiteral("Logbuch.log Error, Datei fehlt"),
      QStringLiteral("    => error, klein geschrieben"),
      QStringLiteral("    => Error, Datenträger voll"),
      QStringLiteral("<Ende, Manueller Start>"),
  };
}

// The question before printing, with Ja as the default button.
inline Meldung frageRot() {
  return {QStringLiteral("Wünschen Sie, das Error Meldungen im Logbuch Rot gedruckt werden?"),
          QStringLiteral("Bewahrix"), Symbol::Frage, Knoepfe::JaNeinAbbrechen, Antwort::Ja};
}

}  // namespace bewahrix::test
