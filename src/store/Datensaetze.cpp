#include "store/Datensaetze.h"

#include "platform/Pfade.h"
#include "platform/Uhr.h"
#include "store/Formate.h"
#include "store/Werte.h"

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace s = schluessel;

namespace {

std::optional<bool> boolean(const SettingsStore& st, const QString& abschnitt, const QString& key,
                            bool standard) {
  return werte::alsBoolean(st.read(abschnitt, key, werte::booleanText(standard)));
}

std::optional<int> ganzzahl(const SettingsStore& st, const QString& abschnitt, const QString& key,
                            int standard) {
  return werte::alsGanzzahl(st.read(abschnitt, key, QString::number(standard)));
}

std::optional<QString> fallsVorhanden(const SettingsStore& st, const QString& abschnitt,
                                      const QString& key) {
  if (!st.enthaelt(abschnitt, key)) return std::nullopt;
  return st.read(abschnitt, key, QString());
}

QList<Listeneintrag> liste(const SettingsStore& st, const QString& abschnitt) {
  QList<Listeneintrag> eintraege;
  for (const auto& [key, wert] : st.list(abschnitt)) eintraege.append({key, wert});
  return eintraege;
}

}  // namespace

QString standardTitel(int index) { return u"Sicherungsaufgabe "_s + QString::number(index + 1); }

QString keineStatusInformation() { return u"keine Information vorhanden"_s; }

Aufgabe leseAufgabe(const SettingsStore& st, int i, const Uhr& uhr) {
  const QDateTime jetzt = uhr.jetzt();
  Aufgabe a;
  a.index = i;
  a.titel = st.read(s::abschnittTitel(), s::titel(i), standardTitel(i));
  a.quellen = liste(st, s::aufgabe(i));
  a.ziel = st.read(s::abschnittSaveZiel(), s::ziel(i), pfade::standardWurzel());
  a.kopierModus = ganzzahl(st, s::abschnittOptionen(), s::vorgang(i), KeinVerfahren);
  a.zielLeeren = ganzzahl(st, s::abschnittOptionen(), s::allFileKill(i), 0);
  a.inPapierkorb = ganzzahl(st, s::abschnittOptionen(), s::allFileKillUndo(i), 1);
  a.namensZusatz = ganzzahl(st, s::abschnittTimer(), s::zusatz(i), 0);
  a.zeitplanArt = ganzzahl(st, s::abschnittTimer(), s::dayArt(i), KeinZeitplan);
  a.zeitplanDatum = formate::leseKurzDatum(
      st.read(s::abschnittTimer(), s::sollDay(i), formate::kurzDatum(jetzt.date())));
  a.zeitplanZeit = formate::leseZeit(
      st.read(s::abschnittTimer(), s::sollTime(i), formate::datumZeit(jetzt)));
  a.ignorierListe = liste(st, s::ignorierListe(i));
  a.statusCode = fallsVorhanden(st, s::abschnittStatus(), s::color(i));
  a.statusMeldung = st.read(s::abschnittStatus(), s::msgbox(i), keineStatusInformation());
  return a;
}

QString leseLogVerzeichnis(const SettingsStore& st) {
  return pfade::mitTrenner(st.read(s::abschnittLogBuch(), s::pfad(), pfade::standardWurzel()));
}

qint64 leseLogGrenze(const SettingsStore& st) {
  const qint64 standard = kLogGrenzen.at(1);
  bool ok = false;
  const qint64 grenze = st.read(s::abschnittLogBuch(), s::logGrenze(), QString()).trimmed().toLongLong(&ok);
  return ok && grenze >= 0 ? grenze : standard;
}

Programmoptionen leseProgrammoptionen(const SettingsStore& st) {
  Programmoptionen o;
  o.startMinimiert = boolean(st, s::abschnittTool(), s::startMinimiert(), false);
  o.hotkey = boolean(st, s::abschnittTool(), s::hotkeyAktion(), false);
  o.meldungVersaeumt = boolean(st, s::abschnittOptionen(), s::msgBoxVersaeumt(), true);
  o.benachrichtigungen = boolean(st, s::abschnittOptionen(), s::benachrichtigungen(), true);
  o.hilfe = boolean(st, s::abschnittHilfe(), s::help(), true);
  o.aufzeichnungAus = boolean(st, s::abschnittLogBuch(), s::logBuchAus(), false).value_or(false);
  for (int n = 0; n < s::kAnzahlKategorien; ++n)
    o.kategorien.at(n) = boolean(st, s::abschnittTool(), s::logWriting(n), true).value_or(true);
  o.logVerzeichnis = leseLogVerzeichnis(st);
  o.verzeichnisAuflisten = ganzzahl(st, s::abschnittOptionen(), s::checkAuflisten(), 0);
  o.dragDropSofort = ganzzahl(st, s::abschnittOptionen(), s::dragDrop(), 1);
  o.verzeichnisSuche = ganzzahl(st, s::abschnittOptionen(), s::optionVerzeichnisse(), 1);
  o.letzterSuchbegriff = st.read(s::abschnittTool(), s::understood(), QString());
  o.suchbegriffAnbieten = werte::alsZahl(st.read(s::abschnittTool(), s::search(), u"1"_s));
  return o;
}

Programmdaten leseProgrammdaten(const SettingsStore& st) {
  Programmdaten p;
  p.startzaehler = werte::alsZahl(st.read(s::abschnittTool(), s::count(), u"1"_s));
  p.startDatum = fallsVorhanden(st, s::abschnittTool(), s::startDatum());
  p.startZeit = fallsVorhanden(st, s::abschnittTool(), s::startTime());
  p.endDatum = fallsVorhanden(st, s::abschnittTool(), s::endDatum());
  p.endZeit = fallsVorhanden(st, s::abschnittTool(), s::endTime());
  p.links = ganzzahl(st, s::abschnittTool(), s::meLeft(), 1125);
  p.oben = ganzzahl(st, s::abschnittTool(), s::meTop(), 1110);
  p.breite = ganzzahl(st, s::abschnittProgramm(), s::width(), 7875);
  p.hoehe = ganzzahl(st, s::abschnittProgramm(), s::height(), 5940);
  return p;
}

}  // namespace bewahrix
