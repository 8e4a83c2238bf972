#include "editing/Bearbeitung.h"

#include "platform/Dialoge.h"
#include "platform/Pfade.h"
#include "platform/Uhr.h"
#include "store/Formate.h"
#include "store/Schluessel.h"
#include "store/SettingsStore.h"

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace s = schluessel;

void Folge::danach(const Folge& spaeter) {
  neuLaden = neuLaden || spaeter.neuLaden;
  if (spaeter.eingabe) eingabe = spaeter.eingabe;
  if (spaeter.startKnopf) startKnopf = spaeter.startKnopf;
  fokusAufEingabe = fokusAufEingabe || spaeter.fokusAufEingabe;
}

namespace bearbeiten {

DateiSuche dateiSuche() {
  // Programs on this system rarely carry an extension; these are the ones
  // a user would pick as a program file.
  return {u"Datei suchen"_s, pfade::standardWurzel(),
          {u"alle Dateien (*)"_s, u"Anwendungen (*.AppImage *.desktop *.sh)"_s,
           u"Textdateien (txt,doc) (*.txt *.doc)"_s}};
}

QStringList eintraege(const SettingsStore& store, const QString& abschnitt) {
  QStringList liste;
  for (const auto& paar : store.list(abschnitt)) liste.append(paar.first);
  return liste;
}

bool nochUebernehmen(Dialoge& dialoge, const QString& eingabe) {
  if (eingabe.isEmpty()) return false;
  // Yes by default: a hasty Enter keeps the typed entry.
  Meldung noch = frage(u"Es steht noch eine Datei in der Liste, soll diese zuvor noch übernommen werden?"_s);
  noch.standard = Antwort::Ja;
  return dialoge.zeige(noch) == Antwort::Ja;
}

void setzeGeaendert(const Bearbeitung& b, int i, const QString& ende) {
  const QDateTime jetzt = b.uhr.jetzt();
  b.store.write(s::abschnittStatus(), s::color(i), u"3"_s);
  b.store.write(s::abschnittStatus(), s::msgbox(i),
                u"am "_s + formate::eintragsDatum(jetzt.date()) + u" um "_s +
                    formate::langeZeit(jetzt.time()) + ende);
}

void entferneStatus(SettingsStore& store, int i) {
  store.remove(s::abschnittStatus(), s::msgbox(i));
  store.remove(s::abschnittStatus(), s::color(i));
}

}  // namespace bearbeiten
}  // namespace bewahrix
