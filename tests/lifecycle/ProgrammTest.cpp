#include "ProgrammUmgebung.h"
#include "desktop/Tray.h"
#include "platform/Fehlertext.h"

#include <QMenu>

#include <cerrno>

class ProgrammTest : public ProgrammUmgebung {};

TEST_F(ProgrammTest, ErsterStartSchalterUndStopOhneZeitplan) {
  starten();
  EXPECT_EQ(std::tuple(f().optionSoll.at(6 * 4 + 5)->isChecked(), f().checkAllFileKillUndo.at(4)->isEnabled(),
                       f().logbuchGrenze.at(1)->isChecked(), f().optionVerzeichnisse.at(1)->isChecked()),
            std::tuple(true, false, true, true)) << "the defaults: no copy mode, no emptying, 1 MByte, subfolders";
  // Each switch shows and stores the other state; offscreen no key is grabbed, the hotkey mark follows the click.
  const auto umschalten = [this] {
    for (QAction* schalter : {f().mueHelp, f().hotkeyAktion, f().noAufzeichenLogbuch}) schalter->trigger();
    return std::tuple(f().hilfe->isHidden(), f().hotkeyAktion->isChecked(), f().menueAufzeichenLogbuch->isEnabled(),
                      wert(u"Hilfe"_s, u"Help"_s), wert(u"Tool"_s, u"HotkeyAktion"_s), wert(u"LogBuch"_s, u"LogBuch"_s));
  };
  f().checkAllFileKill.at(1)->click();
  EXPECT_EQ(umschalten(), std::tuple(true, true, false, u"False"_s, u"True"_s, u"True"_s));
  f().checkAllFileKill.at(1)->click();  // not recorded while the logbook is stopped
  EXPECT_EQ(umschalten(), std::tuple(false, false, true, u"True"_s, u"False"_s, u"False"_s));
  EXPECT_EQ(logTexte(), (QStringList{u"Programm gestartet => Lft. Programmstart 1; kein Zeitplan vorhanden"_s,
                                     u"Löschen vor Kopiervorgang für Aufgabe 2 wurde auf Ja gesetzt"_s,
                                     u"Logbuch gestoppt"_s, u"Logbuch wird geführt"_s}));
  EXPECT_TRUE(f().close());
  EXPECT_EQ(logTexte().last(), u"Programm beendet"_s);
  EXPECT_EQ(wert(u"Tool"_s, u"MeLeft"_s), u"(fehlt)"_s) << "not shown in normal state: no placement";
}

TEST_F(ProgrammTest, GespeicherterZustandAenderungenUndStopMitZeitplan) {
  setze(u"Tool"_s, {{u"Count"_s, u"3"_s}, {u"HotkeyAktion"_s, u"True"_s}, {u"EndDatum"_s, u"05.12.2026"_s},
                    {u"EndTime"_s, u"08:00:00"_s}});
  plane(1, u"3"_s, u"01.12.2026"_s, u"08:30:00"_s);
  store->write(u"Timer"_s, u"DayArt4"_s, u"0"_s);
  setze(u"StatusIn"_s, {{u"Color0"_s, u"0"_s}, {u"Color1"_s, u"3"_s}, {u"Color2"_s, u"17"_s}});
  setze(u"Optionen"_s, {{u"Check_AllFileKill0"_s, u"-1"_s}, {u"Check_AllFileKill_Undo0"_s, u"0"_s},
                        {u"Vorgang0"_s, u"2"_s}, {u"Vorgang1"_s, u"0"_s}});
  const QString verpasst = u"! Verpasster Zeitplan in Aufgabe 2 gefunden, geplant am/um 05.12.2026 08:30:00"_s;
  dialoge.erwarte(versaeumtBox(verpasst));
  QStringList vorher = gespeichert();
  starten();
  // Loading writes only the start's own values (a write of the loaded options would store -1 as 1).
  vorher.replace(vorher.indexOf(u"Tool/Count=3"_s), u"Tool/Count=4"_s);
  EXPECT_EQ(gespeichert(), vorher << u"Tool/StartTime=14:03:27"_s << u"Tool/StartDatum=05.12.2026"_s);
  QList<Z> lampen;
  for (const auto& s : f().aufgabe) lampen << s.pruefLampe->zustand();
  EXPECT_EQ(lampen, (QList<Z>{Z::Gruen, Z::Gelb, Z::Rot, Z::Grau, Z::Grau})) << "from the stored codes";
  EXPECT_EQ((QList<bool>{f().checkAllFileKill.at(0)->isChecked(), f().checkAllFileKillUndo.at(0)->isEnabled(),
                         f().checkAllFileKillUndo.at(0)->isChecked(), f().optionSoll.at(2)->isChecked(),
                         f().hotkeyAktion->isChecked(), programm->hotkeyId() == 0}),
            (QList<bool>{true, true, false, true, true, true}));
  f().checkAllFileKill.at(0)->click();
  f().optionSoll.at(5)->click();
  EXPECT_EQ(werte(u"Optionen"_s, {u"Check_AllFileKill0"_s, u"Vorgang0"_s}), (QStringList{u"0"_s, u"5"_s}));
  dialoge.erwarte(stopFrage(), Antwort::Nein);
  EXPECT_FALSE(f().close());
  EXPECT_EQ(std::tuple(wert(u"Tool"_s, u"EndTime"_s), logTexte().size()), std::tuple(u"08:00:00"_s, 4));
  f().aufzeichenLogbuch.at(4)->setChecked(false);
  uhr.stellen(QDateTime(QDate(2026, 12, 6), QTime(9, 7, 59)));
  dialoge.erwarte(stopFrage(), Antwort::Ja);
  EXPECT_TRUE(f().close());
  EXPECT_EQ(logTexte().last(), u"Programm beendet"_s);
  EXPECT_EQ(werte(u"Tool"_s, {u"EndTime"_s, u"EndDatum"_s, u"LogWriting 4"_s, u"LogWriting 5"_s}),
            (QStringList{u"09:07:00"_s, u"06.12.2026"_s, u"False"_s, u"True"_s}));
}

TEST_F(ProgrammTest, ZaehlerUndAllesZuruecksetzen) {
  store->write(u"Tool"_s, u"Count"_s, u"abc"_s);
  starten();
  dialoge.erwarte({u"Wollen Sie den laufenden Programmzähler wiklich auf 0 setzen?"_s, u"Bewahrix"_s, Symbol::Frage,
                   Knoepfe::JaNein, Antwort::Ja}, Antwort::Ja);
  f().mueCountReset->trigger();
  EXPECT_EQ(wert(u"Tool"_s, u"Count"_s), u"(fehlt)"_s);
  // No number, no start line.
  EXPECT_EQ(logTexte(), QStringList{u"(Info: Zähler für lft. Programmstarts auf 0 gesetzt)"_s});
  dialoge.erwarte(resetFrage(), Antwort::Nein);
  f().nueReset->trigger();
  EXPECT_EQ(beendet, 0) << "answered no";
  dialoge.erwarte(resetFrage(), Antwort::Ja);
  f().nueReset->trigger();
  EXPECT_EQ(beendet, 1);
  f().close();  // the stop sequence does not run any more
  EXPECT_EQ(gespeichert(), QStringList());
}

TEST_F(ProgrammTest, AufgabeVonHandAufbauenUndLaufen) {
  test::schreibeDatei(pfad(u"quelle/a.txt"_s), "inhalt");
  QDir().mkpath(pfad(u"ziel"_s));
  option(u"Vorgang0"_s, u"0"_s);
  starten();
  auto& seite = f().aufgabe.at(0);
  seite.txtZuSichern->setText(pfad(u"quelle/a.txt"_s));
  seite.cmdDazu->click();
  // A target typed but not saved shows red until it is saved with its "/".
  seite.txtSicherungsVerzeichnis->setText(pfad(u"ziel"_s));
  const Z ungesichert = seite.statusZiel->zustand();
  seite.cmdVerzeichnisSpeichern->click();
  EXPECT_EQ(std::tuple(ungesichert, seite.statusZiel->zustand(), seite.txtSicherungsVerzeichnis->text(),
                       wert(u"SaveZiel"_s, u"Ziel 0"_s)),
            std::tuple(Z::Rot, Z::Gruen, pfad(u"ziel/"_s), pfad(u"ziel/"_s)));

  dialoge.erwarte(information(u"Augabe beendet.\n\nGesamtdatenvolumen: 0,006 KByte , kopiertes Datenvolumen "
                              u"0,006 KByte\n1 Datei(en) wurden verarbeitet; davon Fehlerhaft 0 Datei(en)"_s));
  seite.cmdKopieStart->click();
  EXPECT_EQ(std::pair(QFileInfo::exists(pfad(u"ziel/a.txt"_s)), seite.pruefLampe->zustand()), std::pair(true, Z::Gruen));
  for (const auto& s : f().aufgabe) EXPECT_TRUE(s.cmdKopieStart->isEnabled());
}

TEST_F(ProgrammTest, ZeitplaeneLaufenInIhrerMinuteEinmal) {
  test::schreibeDatei(pfad(u"quelle/a.txt"_s), "inhalt");
  aufgabe(1, u"quelle/a.txt"_s);
  plane(1, u"0"_s, u"05.12.2026"_s, u"14:04:00"_s);
  aufgabe(0, u"quelle/fehlt.txt"_s);
  setze(u"Timer"_s, {{u"DayArt0"_s, u"3"_s}, {u"SollTime0"_s, u"14:05:00"_s}});
  starten();
  programm->TimerAutomatik_Timer();
  EXPECT_FALSE(QFileInfo::exists(pfad(u"ziel/a.txt"_s)));
  f().statusLogbuch->setzeZustand(Z::Rot);
  uhr.stellen(QDateTime(QDate(2026, 12, 5), QTime(14, 4, 10)));
  const qsizetype vorher = logTexte().size();
  programm->TimerAutomatik_Timer();
  EXPECT_TRUE(QFileInfo::exists(pfad(u"ziel/a.txt"_s)));
  const QStringList texte = logTexte().mid(vorher);
  EXPECT_EQ(std::tuple(texte.first(), texte.last()),
            std::tuple(u"<Anfang, Automatischer Zeitplan>"_s, u"<Ende, Automatischer Zeitplan>"_s));
  EXPECT_EQ(wert(u"Timer"_s, u"DayArt1"_s), u"(fehlt)"_s);
  EXPECT_EQ(std::tuple(f().statusLogbuch->zustand(), f().aufgabe.at(1).pruefLampe->zustand(),
                       programm->tray().fehlerAnzeige()),
            std::tuple(Z::Gruen, Z::Gruen, false));
  uhr.stellen(QDateTime(QDate(2026, 12, 5), QTime(14, 5, 0)));
  programm->TimerAutomatik_Timer();
  EXPECT_EQ(std::tuple(f().statusLogbuch->zustand(), programm->tray().fehlerAnzeige()), std::tuple(Z::Rot, true));
  EXPECT_EQ(wert(u"Timer"_s, u"DayArt0"_s), u"3"_s);  // periodic schedules stay
}

// Rows beyond the budget move aside at the start already; the menu stores the chosen budget.
TEST_F(ProgrammTest, LogbuchGrenzeBeimStart) {
  test::schreibeDatei(home() + u"Logbuch.log"_s, QByteArray(2 * 216, ' '));
  store->write(u"LogBuch"_s, u"Grenze"_s, u"400"_s);
  starten();
  EXPECT_EQ(logTexte().first(), u"Logbuch fortgesetzt; ältere Einträge in Logbuch.1.log"_s);
  f().logbuchGrenze.at(3)->trigger();
  EXPECT_EQ(wert(u"LogBuch"_s, u"Grenze"_s), u"0"_s);
}

// A directory in the logbook's place (read-only stops no root): red lamp and tray, one box per run, green at a good entry.
TEST_F(ProgrammTest, UnschreibbaresLogbuchWirdEinmalGemeldet) {
  const QString datei = home() + u"Logbuch.log"_s;
  QDir().mkpath(datei);
  starten();
  dialoge.erwarte(schreibfehlerMeldung(datei, fehlertext(EISDIR)));
  QCoreApplication::sendPostedEvents();
  QDir(datei).removeRecursively();
  f().checkAllFileKill.at(1)->click();
  const auto gruen = std::pair(f().statusLogbuch->zustand(), programm->tray().fehlerAnzeige());
  QFile::remove(datei);
  QDir().mkpath(datei);
  f().checkAllFileKill.at(1)->click();
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(std::tuple(gruen.first, gruen.second, f().statusLogbuch->zustand(), programm->tray().fehlerAnzeige()),
            std::tuple(Z::Gruen, false, Z::Rot, true)) << "lamp and tray after a good entry, then after a failed one";
}
