#include "scheduler/Zeitplan.h"

#include "platform/Uhr.h"
#include "store/Formate.h"
#include "store/SettingsStore.h"
#include "store/Werte.h"

using namespace Qt::Literals::StringLiterals;

namespace bewahrix::zeitplan {

namespace s = schluessel;

namespace {

std::optional<QString> fallsVorhanden(const SettingsStore& st, const QString& key) {
  if (!st.enthaelt(s::abschnittTimer(), key)) return std::nullopt;
  return st.read(s::abschnittTimer(), key, QString());
}

// The stored time as "hh:mm"; text that is no time stays as it is, the
// way a format of a plain text leaves it.
QString stundeMinuteText(const QString& gespeichert) {
  const auto zeit = formate::leseZeit(gespeichert);
  return zeit ? formate::stundeMinute(*zeit) : gespeichert;
}

}  // namespace

Gespeichert lese(const SettingsStore& st, int i) {
  return {st.read(s::abschnittTimer(), s::dayArt(i), u"4"_s), fallsVorhanden(st, s::sollDay(i)),
          fallsVorhanden(st, s::sollTime(i))};
}

bool faellig(const Gespeichert& plan, const QDateTime& zeitpunkt) {
  if (!plan.zeit) return false;
  const auto zeit = formate::leseZeit(*plan.zeit);
  if (!zeit || zeit->hour() != zeitpunkt.time().hour() || zeit->minute() != zeitpunkt.time().minute())
    return false;
  const QDate heute = zeitpunkt.date();
  const QString tagText = plan.tag.value_or(formate::kurzDatum(heute));
  if (plan.art == u"0"_s) return tagText == formate::kurzDatum(heute);
  if (plan.art == u"3"_s) return true;
  const auto tag = formate::leseKurzDatum(tagText);
  if (!tag) return false;
  // Day 31 therefore only matches in months that have one.
  if (plan.art == u"1"_s) return tag->day() == heute.day();
  if (plan.art == u"2"_s) return tag->dayOfWeek() == heute.dayOfWeek();
  return false;
}

void entferneEinmalig(SettingsStore& st, int i) {
  st.remove(s::abschnittTimer(), s::sollDay(i));
  st.remove(s::abschnittTimer(), s::sollTime(i));
  st.remove(s::abschnittTimer(), s::dayArt(i));
}

LogZeile anfangZeile() { return {u"<Anfang, Automatischer Zeitplan>"_s, StartDesVorgangs}; }
LogZeile endeZeile() { return {u"<Ende, Automatischer Zeitplan>"_s, Endreport}; }
LogZeile einmaligBeendetZeile(int i) {
  return {u"  => einmaliger Zeitplan der Aufgabe "_s + QString::number(i + 1) +
              u" beendet und gelöscht"_s,
          Endreport};
}

Beschreibung beschreibung(const SettingsStore& st, int i, const Uhr& uhr) {
  const QDateTime jetzt = uhr.jetzt();
  const Gespeichert plan = lese(st, i);
  const QString zeit = plan.zeit ? stundeMinuteText(*plan.zeit) : formate::stundeMinute(jetzt.time());
  QString t = u" um "_s + zeit + u" Uhr"_s;
  const QString tag = plan.tag.value_or(formate::kurzDatum(jetzt.date()));
  if (plan.art == u"0"_s) {
    t = u" nur am "_s + tag + t;
  } else if (plan.art == u"1"_s) {
    const auto datum = formate::leseKurzDatum(tag);
    const QString tagDesMonats = datum ? datum->toString(u"dd."_s) : tag;
    t = u" immer am "_s + tagDesMonats + u" des Monats"_s + t;
  } else if (plan.art == u"2"_s) {
    t = u" einmal pro Woche "_s + t;
  } else if (plan.art == u"3"_s) {
    t = u" Täglich"_s + t;
  } else if (plan.art == u"4"_s) {
    t = u" Timer deaktiv"_s;
  }
  // A task without a copy mode cannot run, whatever its schedule says.
  const auto modus = werte::alsZahl(st.read(s::abschnittOptionen(), s::vorgang(i), u"5"_s));
  if (modus && *modus == 5.0) return {t, kHellrot, kWeiss};
  return {t, kHellgelb, kSchwarz};
}

std::array<Beschreibung, s::kAnzahlAufgaben> beschreibungen(const SettingsStore& st, const Uhr& uhr) {
  std::array<Beschreibung, s::kAnzahlAufgaben> alle;
  for (int i = 0; i < s::kAnzahlAufgaben; ++i) alle.at(i) = beschreibung(st, i, uhr);
  return alle;
}

}  // namespace bewahrix::zeitplan
