#include "scheduler/Lampen.h"

#include "store/Werte.h"

using namespace Qt::Literals::StringLiterals;

namespace bewahrix::lampen {

std::optional<Zustand> ausCode(const std::optional<QString>& code) {
  if (!code || code->isEmpty()) return Zustand::Grau;
  const auto zahl = werte::alsZahl(*code);
  if (!zahl) return std::nullopt;
  if (*zahl == 0.0) return Zustand::Gruen;
  if (*zahl == 3.0) return Zustand::Gelb;
  return Zustand::Rot;
}

QString hinweis(Zustand zustand) {
  switch (zustand) {
    case Zustand::Rot:
      return u"letzter Kopiervorgang fehlerhaft"_s;
    case Zustand::Gruen:
      return u"Fehlerfreie Verarbeitung des letzten Vorgangs"_s;
    case Zustand::Gelb:
      return u"seit der letzten Änderung wurde kein neuer Kopiervorgang gestartet"_s;
    case Zustand::Grau:
      break;
  }
  return u"es wurde noch kein Kopiervorgang verarbeitet"_s;
}

}  // namespace bewahrix::lampen
