#include "scheduler/Automatik.h"

#include "platform/Uhr.h"
#include "scheduler/Zeitplan.h"
#include "store/Formate.h"
#include "store/Schluessel.h"

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

AutomatikTakt::AutomatikTakt(const SettingsStore& store, const Uhr& uhr)
    : store_(store), uhr_(uhr), letzterTakt_(uhr.jetzt()) {}

AutomatikTakt::Ergebnis AutomatikTakt::takt(bool meldungAn) {
  const QDateTime jetzt = uhr_.jetzt();
  const QDateTime vorher = std::exchange(letzterTakt_, jetzt);
  const bool luecke = verpasst::minutengrenzen(vorher, jetzt) > 1;
  const QTime minute(jetzt.time().hour(), jetzt.time().minute());
  // After a gap of whole days the time of day alone may look old.
  if (letzteMinute_ == minute && !luecke) return {};
  letzteMinute_ = minute;
  Ergebnis ergebnis{true, {}, {}};
  if (luecke) ergebnis.versaeumt = verpasst::sucheLuecke(store_, vorher, jetzt, meldungAn);
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
