#include "scheduler/Zeitplanfeld.h"

#include "store/Datensaetze.h"
#include "store/Formate.h"
#include "store/SettingsStore.h"

using namespace Qt::Literals::StringLiterals;

namespace bewahrix::zeitplan {

namespace s = schluessel;

DatumsForm datumsForm(int art) {
  switch (art) {
    case Einmalig: return {true, u"dd.MMM. yyyy"_s, true};
    case Monatlich: return {true, u"dd."_s, false};
    case Woechentlich: return {true, u"dddd"_s, false};
    default: return {};
  }
}

void speichere(SettingsStore& st, int j, const Feld& feld) {
  st.write(s::abschnittTimer(), s::sollDay(j), formate::kurzDatum(feld.datum));
  st.write(s::abschnittTimer(), s::sollTime(j), formate::langeZeit(feld.zeit));
  st.write(s::abschnittTimer(), s::zusatz(j), feld.zusatz ? u"1"_s : u"0"_s);
  if (feld.art) st.write(s::abschnittTimer(), s::dayArt(j), QString::number(*feld.art));
}

QList<LogZeile> speicherZeilen(int j, const Feld& feld, const QString& beschreibung) {
  const QString kopf = u"neuer Zeitplan für Aufgabe "_s + QString::number(j + 1);
  QList<LogZeile> zeilen{{kopf + u", Timer:"_s + beschreibung, SonstigeMeldung}};
  if (feld.art != KeinZeitplan)
    zeilen.append({kopf + (feld.zusatz ? u" => mit"_s : u" => ohne"_s) + u" Erweiterung Sicherheitskopie von..."_s,
                   SonstigeMeldung});
  return zeilen;
}

}  // namespace bewahrix::zeitplan
