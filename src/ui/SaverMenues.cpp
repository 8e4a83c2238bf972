#include "ui/Bau.h"
#include "ui/Saver.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

using namespace Qt::Literals::StringLiterals;

namespace bewahrix {

namespace {

QMenu* menue(QWidget* eltern, const QString& name, const QString& titel) {
  auto* m = bau::neu<QMenu>(eltern, name);
  m->setTitle(titel);
  return m;
}

QAction* aktion(QMenu* m, const QString& name, const QString& text, bool abhakbar = false) {
  auto* a = new QAction(text, m);
  a->setObjectName(name);
  a->setCheckable(abhakbar);
  m->addAction(a);
  return a;
}

// Separators carry their names too, so the order of a menu can be checked.
void strich(QMenu* m, const QString& name) { m->addSeparator()->setObjectName(name); }

}  // namespace

void Saver::baueMenues() {
  auto* programm = menue(this, u"Menü"_s, u"Programm"_s);
  menuBar()->addMenu(programm);
  auto* internet = menue(programm, u"Mü_Internet"_s, u"Internet"_s);
  programm->addMenu(internet);
  mueNewVersion = aktion(internet, u"Mü_NewVersion"_s, u"aktuelle Version suchen"_s);
  zumWeb = aktion(internet, u"ZumWeb"_s, u"Webseite besuchen"_s);
  const std::array<QString, 9> seiten = {
      u"Inhalt"_s,    u"Aufgabe 1"_s,       u"Aufgabe 2"_s,  u"Aufgabe 3"_s, u"Aufgabe 4"_s,
      u"Aufgabe 5"_s, u"Verfahrensweise"_s, u"Zeitpläne"_s,  u"Logbuch"_s,
  };
  for (int k = 0; k < static_cast<int>(seiten.size()); ++k)
    mappe.at(k) = aktion(programm, bau::feld(u"Mappe"_s, k), seiten.at(k));
  strich(programm, u"str0"_s);
  clickAlles = aktion(programm, u"click_alles"_s, u"alle Aufgaben ausführen"_s);
  strich(programm, u"str"_s);
  mueEnde = aktion(programm, u"Mü_Ende"_s, u"Ende"_s);

  auto* logbuchMenue = menue(this, u"MenüLogbuch"_s, u"Logbuch"_s);
  menuBar()->addMenu(logbuchMenue);
  menueAufzeichenLogbuch = menue(logbuchMenue, u"MenüAufzeichenLogbuch"_s, u"Aufzeichnung von"_s);
  logbuchMenue->addMenu(menueAufzeichenLogbuch);
  // In category order: the index of an item is the category it switches.
  const std::array<QString, schluessel::kAnzahlKategorien> kategorien = {
      u"Fehlermeldungen"_s,
      u"Zielpfad und Erstellung"_s,
      u"Dateiname"_s,
      u"Dateigröße"_s,
      u"Meldung über Kopiervorgang"_s,
      u"Start des Vorgangs"_s,
      u"Endreport des Vorgangs"_s,
      u"sonstige Meldungen"_s,
      u"Löschbestätigung"_s,
      u"Hinweis für *.*** Aufgaben"_s,
      u"Ignorier Information"_s,
  };
  for (int n = 0; n < schluessel::kAnzahlKategorien; ++n)
    aufzeichenLogbuch.at(n) =
        aktion(menueAufzeichenLogbuch, bau::feld(u"AufzeichenLogbuch"_s, n), kategorien.at(n), true);
  noAufzeichenLogbuch = aktion(logbuchMenue, u"NoAufzeichenLogbuch"_s, u"keine Aufzeichnung"_s, true);
  menueLogbuchGrenze = menue(logbuchMenue, u"MenüLogbuchGrenze"_s, u"Logbuch begrenzen auf"_s);
  logbuchMenue->addMenu(menueLogbuchGrenze);
  auto* grenzen = new QActionGroup(menueLogbuchGrenze);
  const std::array<QString, schluessel::kAnzahlLogGrenzen> groessen = {u"10 MB"_s, u"100 MB"_s, u"1 GB"_s, u"unbegrenzt"_s};
  for (int k = 0; k < static_cast<int>(groessen.size()); ++k)
    logbuchGrenze.at(k) = grenzen->addAction(
        aktion(menueLogbuchGrenze, bau::feld(u"LogbuchGrenze"_s, k), groessen.at(k), true));

  auto* hilfeMenue = menue(this, u"Menü3"_s, u"Hilfe"_s);
  menuBar()->addMenu(hilfeMenue);
  mueHelp = aktion(hilfeMenue, u"Mü_Help"_s, u"Hilfefunktion"_s, true);
  auto* sonstiges = menue(hilfeMenue, u"mü3"_s, u"sonstiges"_s);
  hilfeMenue->addMenu(sonstiges);
  checkStartUpPosition =
      aktion(sonstiges, u"Check_StartUpPosition"_s, u"Bewahrix minimiert Starten"_s, true);
  hotkeyAktion =
      aktion(sonstiges, u"HotkeyAktion"_s, u"Bewahrix mit ALT+S in den Vordergrund"_s, true);
  msgBoxVersaeumt =
      aktion(sonstiges, u"MsgBoxVersäumt"_s, u"Meldung bei versäumten Aufgaben"_s, true);
  msgBoxVersaeumtSuchen =
      aktion(sonstiges, u"MsgBoxVersäumtSuchen"_s, u"nach versäumten Aufgaben suchen"_s);
  mueCountReset = aktion(sonstiges, u"Mü_CountReset"_s, u"Programm Counter Reset"_s);
  nueReset = aktion(sonstiges, u"Nü_Reset"_s, u"voll Reset"_s);
  mueInfo = aktion(hilfeMenue, u"Mü_Info"_s, u"Copyright"_s);
  strich(hilfeMenue, u"Mü_str"_s);
  mueBegruessung = aktion(hilfeMenue, u"Mü_Begruessung"_s, u"Begrüßungsbildschirm"_s);

  // The tray icon's popup: owned here, shown only by the tray.
  bewahrixFormer = menue(this, u"BewahrixFormer"_s, u"Former"_s);
  bewahrixAusfueren = aktion(bewahrixFormer, u"BewahrixAusfueren"_s, u"alle Aufgaben ausführen"_s);
  mueLogbuch = aktion(bewahrixFormer, u"Mü_Logbuch"_s, u"Logbuch einsehen"_s);
  strich(bewahrixFormer, u"Strich1"_s);
  bewahrixHerstellen = aktion(bewahrixFormer, u"BewahrixHerstellen"_s, u"Wiederherstellen"_s);
  strich(bewahrixFormer, u"Strich2"_s);
  bewahrixEnd = aktion(bewahrixFormer, u"BewahrixEnd"_s, u"Programm beenden"_s);
}

}  // namespace bewahrix
