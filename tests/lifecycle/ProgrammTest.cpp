#include "ProgrammUmgebung.h"

#include "desktop/Tray.h"
#include "ui/Lampe.h"
#include "ui/Saver.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QTimeEdit>
#include <QTimer>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QItemSelectionModel>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

class ProgrammTest : public ProgrammUmgebung {};

TEST_F(ProgrammTest, ErsterStartAufLeeremSpeicher) {
  starten();
  for (int i = 0; i < 5; ++i) {
    const auto& seite = f().aufgabe.at(i);
    EXPECT_EQ(seite.titelText->text(), u"Sicherungsaufgabe "_s + QString::number(i + 1));
    EXPECT_EQ(f().labelOrtInfo.at(i)->text(), u"("_s + QString::number(i + 1) + u") Sicherungsaufgabe "_s +
                                                  QString::number(i + 1));
    EXPECT_EQ(seite.txtSicherungsVerzeichnis->text(), home());
    EXPECT_EQ(seite.infoVerfahren->text(), u"Wählen Sie zuerst das Verfahren aus"_s);
    EXPECT_FALSE(seite.cmdKopieStart->isEnabled());
    EXPECT_TRUE(f().optionSoll.at(6 * i + 5)->isChecked());
    EXPECT_EQ(f().inhaltAuftraege.at(i)->text(), u"0 Aufträge"_s);
    EXPECT_EQ(seite.pruefLampe->zustand(), Lampe::Zustand::Grau);
    EXPECT_FALSE(f().checkAllFileKill.at(i)->isChecked());
    EXPECT_TRUE(f().checkAllFileKillUndo.at(i)->isChecked());
    EXPECT_FALSE(f().checkAllFileKillUndo.at(i)->isEnabled());
  }
  for (QAction* kategorie : f().aufzeichenLogbuch) EXPECT_TRUE(kategorie->isChecked());
  EXPECT_FALSE(f().noAufzeichenLogbuch->isChecked());
  EXPECT_TRUE(f().mueHelp->isChecked());
  EXPECT_TRUE(f().msgBoxVersaeumt->isChecked());
  EXPECT_TRUE(f().checkDragAndDrop->isChecked());
  EXPECT_TRUE(f().optionVerzeichnisse.at(1)->isChecked());
  EXPECT_EQ(logTexte(), QStringList{u"Programm gestartet => Lft. Programmstart 1; kein Zeitplan vorhanden"_s});
  EXPECT_EQ(wert(u"Tool"_s, u"Count"_s), u"2"_s);
  EXPECT_EQ(wert(u"Tool"_s, u"StartDatum"_s), u"05.12.2026"_s);
  EXPECT_EQ(wert(u"Tool"_s, u"StartTime"_s), u"14:03:27"_s);
  EXPECT_EQ(f().txtDate.at(1)->text(), u" Samstag, 5. Dezember 2026 um 14:03:27"_s);
  EXPECT_EQ(f().labelLogbuch->text(), u"(0,21 KB)"_s);
  EXPECT_TRUE(programm->loadComplete());
}

TEST_F(ProgrammTest, StartzeileZaehltStartsUndZeitplaene) {
  store->write(u"Tool"_s, u"Count"_s, u"3"_s);
  store->write(u"Timer"_s, u"DayArt1"_s, u"3"_s);
  store->write(u"Timer"_s, u"DayArt4"_s, u"0"_s);
  starten();
  EXPECT_EQ(logTexte().last(), u"Programm gestartet => Lft. Programmstart 3; 2 Zeitpläne vorhanden"_s);
  EXPECT_EQ(wert(u"Tool"_s, u"Count"_s), u"4"_s);
}

TEST_F(ProgrammTest, UnlesbareWerteLassenDieSteuerelementeUnberuehrt) {
  store->write(u"Tool"_s, u"Count"_s, u"abc"_s);
  store->write(u"Tool"_s, u"MeLeft"_s, u"abc"_s);
  option(u"Vorgang2"_s, u"x"_s);
  option(u"Vorgang3"_s, u"7"_s);
  store->write(u"StatusIn"_s, u"Color1"_s, u"rot"_s);
  starten();
  EXPECT_TRUE(logTexte().isEmpty());  // no number, no start line
  EXPECT_EQ(wert(u"Tool"_s, u"Count"_s), u"abc"_s);
  EXPECT_EQ(f().aufgabe.at(2).infoVerfahren->text(), QString());  // design text kept
  EXPECT_EQ(f().aufgabe.at(3).infoVerfahren->text(), QString());
  EXPECT_TRUE(f().aufgabe.at(3).cmdKopieStart->isEnabled());
  EXPECT_EQ(f().aufgabe.at(1).pruefLampe->zustand(), Lampe::Zustand::Grau);
  EXPECT_TRUE(programm->loadComplete());
}

TEST_F(ProgrammTest, OptionenSchreibenBeimLadenNichtsErstDerBenutzer) {
  option(u"Check_AllFileKill0"_s, u"1"_s);
  option(u"Check_AllFileKill_Undo0"_s, u"0"_s);
  option(u"Vorgang0"_s, u"2"_s);
  starten();
  EXPECT_TRUE(f().checkAllFileKill.at(0)->isChecked());
  EXPECT_TRUE(f().checkAllFileKillUndo.at(0)->isEnabled());
  EXPECT_FALSE(f().checkAllFileKillUndo.at(0)->isChecked());
  EXPECT_TRUE(f().optionSoll.at(2)->isChecked());
  EXPECT_EQ(logTexte().size(), 1);

  f().checkAllFileKill.at(0)->click();
  EXPECT_FALSE(f().checkAllFileKillUndo.at(0)->isEnabled());
  f().optionSoll.at(5)->click();
  EXPECT_EQ(wert(u"Optionen"_s, u"Check_AllFileKill0"_s), u"0"_s);
  EXPECT_EQ(wert(u"Optionen"_s, u"Vorgang0"_s), u"5"_s);
  EXPECT_FALSE(f().aufgabe.at(0).cmdKopieStart->isEnabled());
  EXPECT_EQ(logTexte().mid(1), (QStringList{u"Löschen vor Kopiervorgang für Aufgabe 1 wurde auf Nein gesetzt"_s,
                                            u"Kopiervorgang für Aufgabe 1 geändert => keinen Vorgang ausführen"_s}));
}

TEST_F(ProgrammTest, LampenAusDemGespeichertenZustand) {
  store->write(u"StatusIn"_s, u"Color0"_s, u"0"_s);
  store->write(u"StatusIn"_s, u"Color1"_s, u"3"_s);
  store->write(u"StatusIn"_s, u"Color2"_s, u"17"_s);
  store->write(u"StatusIn"_s, u"Msgbox2"_s, u"letzte Fehler: am 01.Dezember 2026"_s);
  starten();
  EXPECT_EQ(f().aufgabe.at(0).pruefLampe->zustand(), Lampe::Zustand::Gruen);
  EXPECT_EQ(f().aufgabe.at(1).pruefLampe->zustand(), Lampe::Zustand::Gelb);
  EXPECT_EQ(f().aufgabe.at(2).pruefLampe->zustand(), Lampe::Zustand::Rot);
  EXPECT_EQ(f().aufgabe.at(3).pruefLampe->zustand(), Lampe::Zustand::Grau);
  dialoge.erwarte(information(u"letzte Fehler: am 01.Dezember 2026"_s, u"Information"_s));
  dialoge.erwarte(information(u"keine Information vorhanden"_s, u"Information"_s));
  emit f().aufgabe.at(2).pruefLampe->geklickt();
  emit f().aufgabe.at(3).pruefLampe->geklickt();
}

TEST_F(ProgrammTest, StopFragtBeiAktivemZeitplan) {
  store->write(u"Timer"_s, u"DayArt3"_s, u"2"_s);
  starten();
  f().show();
  const Meldung frageStop = frage(
      u"Ein oder mehrere Timer sind noch aktiv! Sind Sie sich sicher, dass Sie das Programm beenden wollen?"_s,
      u"Programm beenden"_s);
  dialoge.erwarte(frageStop, Antwort::Nein);
  EXPECT_FALSE(f().close());
  EXPECT_FALSE(logTexte().contains(u"Programm beendet"_s));
  EXPECT_EQ(wert(u"Tool"_s, u"EndDatum"_s), u"(fehlt)"_s);

  f().aufzeichenLogbuch.at(4)->setChecked(false);
  uhr.stellen(QDateTime(QDate(2026, 12, 6), QTime(9, 7, 59)));
  dialoge.erwarte(frageStop, Antwort::Ja);
  EXPECT_TRUE(f().close());
  EXPECT_EQ(logTexte().last(), u"Programm beendet"_s);
  EXPECT_EQ(wert(u"Tool"_s, u"EndTime"_s), u"09:07:00"_s);
  EXPECT_EQ(wert(u"Tool"_s, u"EndDatum"_s), u"06.12.2026"_s);
  EXPECT_EQ(wert(u"Tool"_s, u"LogWriting 4"_s), u"False"_s);
  EXPECT_EQ(wert(u"Tool"_s, u"LogWriting 5"_s), u"True"_s);
  EXPECT_NE(wert(u"Bewahrix"_s, u"Width"_s), u"(fehlt)"_s);
}

TEST_F(ProgrammTest, StopOhneZeitplanFragtNicht) {
  starten();
  EXPECT_TRUE(f().close());
  EXPECT_EQ(logTexte().last(), u"Programm beendet"_s);
  // Not shown in normal state: no placement is stored.
  EXPECT_EQ(wert(u"Tool"_s, u"MeLeft"_s), u"(fehlt)"_s);
}

TEST_F(ProgrammTest, ZaehlerUndVollstaendigesZuruecksetzen) {
  store->write(u"Tool"_s, u"Count"_s, u"41"_s);
  starten();
  Meldung zaehler = frage(u"Wollen Sie den laufenden Programmzähler wiklich auf 0 setzen?"_s);
  zaehler.standard = Antwort::Ja;
  dialoge.erwarte(zaehler, Antwort::Ja);
  f().mueCountReset->trigger();
  EXPECT_EQ(wert(u"Tool"_s, u"Count"_s), u"(fehlt)"_s);
  EXPECT_EQ(logTexte().last(), u"(Info: Zähler für lft. Programmstarts auf 0 gesetzt)"_s);

  const Meldung reset = frage(u"Sollen wirklich alle Aufgaben und Einstellungen von Bewahrix gelöscht werden? "
                              u"Das Programm wird danach beendet."_s,
                              u"Löschen"_s);
  dialoge.erwarte(reset, Antwort::Nein);
  f().nueReset->trigger();
  EXPECT_EQ(beendet, 0);
  dialoge.erwarte(reset, Antwort::Ja);
  f().nueReset->trigger();
  EXPECT_EQ(beendet, 1);
  EXPECT_TRUE(store->list(u"Tool"_s).isEmpty());
  // The stop sequence does not run any more: nothing is written back.
  f().close();
  EXPECT_TRUE(store->list(u"Tool"_s).isEmpty());
}

TEST_F(ProgrammTest, LogbuchAnhaltenUndWiederAufnehmen) {
  starten();
  f().noAufzeichenLogbuch->trigger();
  EXPECT_EQ(logTexte().last(), u"Logbuch gestoppt"_s);
  EXPECT_FALSE(f().menueAufzeichenLogbuch->isEnabled());
  EXPECT_EQ(wert(u"LogBuch"_s, u"LogBuch"_s), u"True"_s);
  f().checkAllFileKill.at(1)->click();  // not recorded while stopped
  f().noAufzeichenLogbuch->trigger();
  EXPECT_EQ(logTexte().mid(1), (QStringList{u"Logbuch gestoppt"_s, u"Logbuch wird geführt"_s}));
  EXPECT_EQ(wert(u"LogBuch"_s, u"LogBuch"_s), u"False"_s);
}

TEST_F(ProgrammTest, LaufVonHandUndSammellauf) {
  aufgabeMitDatei(0);
  starten();
  EXPECT_EQ(f().aufgabe.at(0).txtSichernGesamt->count(), 1);
  EXPECT_EQ(f().inhaltAuftraege.at(0)->text(), u"1 Auftrag"_s);
  const QString titel = f().windowTitle();
  dialoge.erwarte(information(u"Augabe beendet.\n\nGesamtdatenvolumen: 0,006 KByte , kopiertes Datenvolumen "
                              u"0,006 KByte\n1 Datei(en) wurden verarbeitet; davon Fehlerhaft 0 Datei(en)"_s));
  // The summary box comes while the run still holds the window.
  dialoge.beimZeigen = [this] {
    EXPECT_EQ(f().windowTitle(), u"Bitte Warten, verarbeite Aufgabe 1"_s);
    for (const auto& seite : f().aufgabe) EXPECT_FALSE(seite.cmdKopieStart->isEnabled());
  };
  f().aufgabe.at(0).cmdKopieStart->click();
  dialoge.beimZeigen = nullptr;
  EXPECT_TRUE(QFileInfo::exists(pfad(u"ziel/a.txt"_s)));
  EXPECT_EQ(f().windowTitle(), titel);
  EXPECT_EQ(f().aufgabe.at(0).pruefLampe->zustand(), Lampe::Zustand::Gruen);
  for (const auto& seite : f().aufgabe) EXPECT_TRUE(seite.cmdKopieStart->isEnabled());

  dialoge.erwarte(frage(u"Sollen jetzt die Aufgaben ausgeführt werden?"_s), Antwort::Ja);
  dialoge.erwarte(Meldung{u"Aufgaben beendet"_s});
  f().cmdAutoSave.at(0)->click();
  EXPECT_EQ(logTexte().last(), u"<Ende, keine Aufgabe markiert>"_s);
}

TEST_F(ProgrammTest, ZeitplanfeldAusDemSpeicherUndLogbuchlampe) {
  plane(1, u"2"_s, u"24.12.2026"_s, u"18:30:00"_s);
  store->write(u"Timer"_s, u"Zusatz1"_s, u"1"_s);
  option(u"Vorgang1"_s, u"2"_s);
  starten();
  f().optionTimerAufgabe.at(1)->setChecked(true);
  f().statusTimer->setzeZustand(Lampe::Zustand::Rot);
  f().cmdAktuell->click();
  EXPECT_TRUE(f().optionTime.at(2)->isChecked());
  EXPECT_EQ(f().sollDatum->date(), QDate(2026, 12, 24));
  EXPECT_EQ(f().sollZeit->time(), QTime(18, 30));
  EXPECT_TRUE(f().checkKopieZusatz->isChecked());
  EXPECT_TRUE(f().txtVorgangInfo->isHidden());
  EXPECT_FALSE(f().timerWarnung->isActive());
  EXPECT_EQ(f().statusTimer->zustand(), Lampe::Zustand::Gruen);

  // A task without copy mode: the warning shows and blinks.
  f().optionTimerAufgabe.at(3)->setChecked(true);
  f().cmdAktuell->click();
  EXPECT_FALSE(f().txtVorgangInfo->isHidden());
  EXPECT_TRUE(f().timerWarnung->isActive());

  f().statusLogbuch->setzeZustand(Lampe::Zustand::Rot);
  programm->tray().fehler();
  programm->Gruen_TimerNotError();
  EXPECT_EQ(f().statusLogbuch->zustand(), Lampe::Zustand::Gruen);
  EXPECT_EQ(programm->tray().tooltip(), u"Bewahrix (rechte Maustaste)"_s);
  EXPECT_FALSE(programm->tray().fehlerAnzeige());
}

TEST_F(ProgrammTest, LogbuchseiteSuchtMarkiertUndZeigtDenOrt) {
  starten();
  f().checkAllFileKill.at(0)->click();
  f().checkAllFileKill.at(0)->click();
  programm->eingabe = [](const Eingabe& e) {
    EXPECT_EQ(e.titel, u"Suchen"_s);
    return u"LÖSCHEN VOR"_s;
  };
  dialoge.erwarte(information(u"Es wurden 2 Übereinstimmungen gefunden."_s, u"Ergebnis"_s));
  f().cmdLogbuchSuchen->click();
  const QModelIndexList markiert = f().logbuch->selectionModel()->selectedRows();
  ASSERT_EQ(markiert.size(), 2);
  EXPECT_EQ(markiert.at(0).row() + markiert.at(1).row(), 1 + 2);
  // A new minute with nothing due leaves the marks where they are.
  uhr.stellen(uhr.jetzt().addSecs(60));
  programm->TimerAutomatik_Timer();
  EXPECT_EQ(f().logbuch->selectionModel()->selectedRows().size(), 2);
  EXPECT_EQ(wert(u"Tool"_s, u"Understood"_s), u"LÖSCHEN VOR"_s);

  dialoge.erwarte(ortMeldung(*store));
  f().cmdOrtLocgbuch->click();
}

TEST_F(ProgrammTest, HilfefunktionAusUndWiederAn) {
  starten();
  f().mueHelp->trigger();
  EXPECT_TRUE(f().hilfe->isHidden());
  EXPECT_EQ(wert(u"Hilfe"_s, u"Help"_s), u"False"_s);
  f().mueHelp->trigger();
  EXPECT_FALSE(f().hilfe->isHidden());
  EXPECT_EQ(wert(u"Hilfe"_s, u"Help"_s), u"True"_s);
}

TEST_F(ProgrammTest, HotkeySchalterOhneX11) {
  // Offscreen there is no key to grab: the mark follows the click, the store
  // follows the mark, and the failed registration says nothing.
  starten();
  EXPECT_FALSE(f().hotkeyAktion->isChecked());
  f().hotkeyAktion->trigger();
  EXPECT_TRUE(f().hotkeyAktion->isChecked());
  EXPECT_EQ(programm->hotkeyId(), 0);
  EXPECT_EQ(wert(u"Tool"_s, u"HotkeyAktion"_s), u"True"_s);
  f().hotkeyAktion->trigger();
  EXPECT_FALSE(f().hotkeyAktion->isChecked());
  EXPECT_EQ(wert(u"Tool"_s, u"HotkeyAktion"_s), u"False"_s);

  store->write(u"Tool"_s, u"HotkeyAktion"_s, u"True"_s);
  starten();
  EXPECT_TRUE(f().hotkeyAktion->isChecked());
  EXPECT_EQ(programm->hotkeyId(), 0);
}

TEST_F(ProgrammTest, ZeitplanLaeuftInSeinerMinuteEinmal) {
  aufgabeMitDatei(1);
  plane(1, u"0"_s, u"05.12.2026"_s, u"14:04:00"_s);  // once, today at 14:04
  starten();
  programm->TimerAutomatik_Timer();
  EXPECT_FALSE(QFileInfo::exists(pfad(u"ziel/a.txt"_s)));
  f().statusLogbuch->setzeZustand(Lampe::Zustand::Rot);

  uhr.stellen(QDateTime(QDate(2026, 12, 5), QTime(14, 4, 10)));
  programm->TimerAutomatik_Timer();
  programm->TimerAutomatik_Timer();  // the same minute again: nothing more
  EXPECT_TRUE(QFileInfo::exists(pfad(u"ziel/a.txt"_s)));
  const QStringList texte = logTexte();
  EXPECT_EQ(texte.count(u"<Anfang, Automatischer Zeitplan>"_s), 1);
  EXPECT_TRUE(texte.contains(u">>> Kopieren der Dateien aus Aufgabe 2"_s));
  EXPECT_TRUE(texte.contains(u"=> einmaliger Zeitplan der Aufgabe 2 beendet und gelöscht"_s));
  EXPECT_EQ(texte.last(), u"<Ende, Automatischer Zeitplan>"_s);
  EXPECT_EQ(wert(u"Timer"_s, u"DayArt1"_s), u"(fehlt)"_s);
  EXPECT_EQ(f().statusLogbuch->zustand(), Lampe::Zustand::Gruen);
  EXPECT_EQ(f().aufgabe.at(1).pruefLampe->zustand(), Lampe::Zustand::Gruen);
}

TEST_F(ProgrammTest, FehlerImAutomatischenLaufFaerbtLogbuchlampeUndSymbol) {
  store->write(u"Aufgabe0"_s, pfad(u"quelle/fehlt.txt"_s), u"05. Dez. 2026"_s);
  option(u"Vorgang0"_s, u"0"_s);
  store->write(u"Timer"_s, u"DayArt0"_s, u"3"_s);  // daily at 14:04
  store->write(u"Timer"_s, u"SollTime0"_s, u"14:04:00"_s);
  starten();
  uhr.stellen(QDateTime(QDate(2026, 12, 5), QTime(14, 4, 0)));
  programm->TimerAutomatik_Timer();
  EXPECT_EQ(f().statusLogbuch->zustand(), Lampe::Zustand::Rot);
  EXPECT_TRUE(programm->tray().fehlerAnzeige());
  EXPECT_EQ(wert(u"Timer"_s, u"DayArt0"_s), u"3"_s);  // periodic schedules stay
}

TEST_F(ProgrammTest, VerpassterZeitplanWirdBeimStartGemeldet) {
  option(u"Vorgang1"_s, u"0"_s);
  plane(1, u"3"_s, u"01.12.2026"_s, u"08:30:00"_s);
  store->write(u"Tool"_s, u"EndDatum"_s, u"05.12.2026"_s);
  store->write(u"Tool"_s, u"EndTime"_s, u"17:00:00"_s);
  uhr.stellen(QDateTime(QDate(2026, 12, 6), QTime(9, 0, 10)));
  const QString zeile = u"! Verpasster Zeitplan in Aufgabe 2 gefunden, geplant am/um 06.12.2026 08:30:00"_s;
  dialoge.erwarte(Meldung{u"Folgende Aufgaben wurden versäumt (Bewahrix war nicht aktiv)\n\n"_s + zeile + u"; "_s,
                          u"Versäumte Aufgaben"_s, Symbol::Kritisch, Knoepfe::Ok, Antwort::Ok});
  starten();
  EXPECT_TRUE(logTexte().contains(zeile));
  EXPECT_FALSE(f().infoTimer.at(1)->text().isEmpty());
}

TEST_F(ProgrammTest, AufgabeVonHandAufbauenZielUndTitel) {
  option(u"Vorgang0"_s, u"0"_s);
  starten();
  auto& seite = f().aufgabe.at(0);
  EXPECT_EQ(seite.statusZiel->zustand(), Lampe::Zustand::Gruen);
  seite.txtZuSichern->setText(pfad(u"quelle/Brief.txt"_s));
  seite.cmdDazu->click();
  ASSERT_EQ(seite.txtSichernGesamt->count(), 1);
  EXPECT_EQ(seite.txtSichernGesamt->item(0)->text(), pfad(u"quelle/Brief.txt"_s));
  EXPECT_EQ(seite.txtSichernDaten->item(0)->text(), u"05. Dez. 2026"_s);
  EXPECT_EQ(f().inhaltAuftraege.at(0)->text(), u"1 Auftrag"_s);
  EXPECT_EQ(seite.pruefLampe->zustand(), Lampe::Zustand::Gelb);
  EXPECT_FALSE(seite.cmdLoeschen->isEnabled());
  seite.txtSichernGesamt->setCurrentRow(0);
  EXPECT_TRUE(seite.cmdLoeschen->isEnabled());

  // A target typed but not saved shows red until it is saved with its "/".
  seite.txtSicherungsVerzeichnis->setText(pfad(u"sicherung"_s));
  EXPECT_EQ(seite.statusZiel->zustand(), Lampe::Zustand::Rot);
  seite.cmdVerzeichnisSpeichern->click();
  EXPECT_EQ(seite.txtSicherungsVerzeichnis->text(), pfad(u"sicherung/"_s));
  EXPECT_EQ(wert(u"SaveZiel"_s, u"Ziel 0"_s), pfad(u"sicherung/"_s));
  EXPECT_EQ(seite.statusZiel->zustand(), Lampe::Zustand::Gruen);
  // Typed with its "/", the saved text leaves the field as it was.
  seite.txtSicherungsVerzeichnis->setText(pfad(u"andere/"_s));
  seite.cmdVerzeichnisSpeichern->click();
  EXPECT_EQ(seite.statusZiel->zustand(), Lampe::Zustand::Gruen);

  QList<Eingabe> gefragt;
  programm->eingabe = [&gefragt](const Eingabe& e) {
    gefragt.append(e);
    return u"Fotos der Familie"_s;
  };
  seite.cmdUeberschrift->click();
  EXPECT_EQ(gefragt, (QList<Eingabe>{{u"Überschrift"_s, u"Geben Sie eine Text für die neue Überschrift ein"_s,
                                      u"Sicherungsaufgabe 1"_s}}));
  EXPECT_EQ(seite.titelText->text(), u"Fotos der Familie"_s);
  EXPECT_EQ(f().labelOrtInfo.at(0)->text(), u"(1) Fotos der Familie"_s);
}
