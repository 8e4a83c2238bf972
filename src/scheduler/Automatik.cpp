#include "scheduler/Automatik.h"

#include "platform/Uhr.h"
#include "scheduler/Zeitplan.h"
#include "store/Formate.h"
#include "store/Schluessel.h"

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

AutomatikTakt::Ergebnis AutomatikTakt::takt() {
  const QDateTime jetzt = uhr_.jetzt();
  const QTime minute(jetzt.time().hour(), jetzt.time().minute());
  if (letzteMinute_ == minute) return {};
  letzteMinute_ = minute;
  Ergebnis ergebnis{true, {}};
  for (int i = 0; i < schluessel::kAnzahlAufgaben; ++i) {
    const zeitplan::Gespeichert plan = zeitplan::lese(store_, i);
    if (zeitplan::faellig(plan, jetzt)) ergebnis.faellig.append({i, plan.art == u"0"_s});
  }
  return ergebnis;
}

QString AutomatikTakt::datumsBeschriftung() const {
  return u" "_s + formate::langesDatum(uhr_.jetzt().date());
}

}  // namespace bewahrix
