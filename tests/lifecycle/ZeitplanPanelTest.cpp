#include "ProgrammUmgebung.h"
#include "ui/DatumsFeld.h"

#include <QTimeEdit>

class ZeitplanPanelTest : public ProgrammUmgebung {
 protected:
  void erwarteSicherungsfrage(Antwort antwort) {
    dialoge.erwarte({u"Es sind Einstellungen geändert wurden, die noch nicht gesichert sind.\nSollen diese jetzt "
                     u"gesichert werden?"_s, u"Bewahrix"_s, Symbol::Frage, Knoepfe::JaNein, Antwort::Ja}, antwort);
  }
  Z lampe() { return f().statusTimer->zustand(); }
};

TEST_F(ZeitplanPanelTest, AufgabenwechselFragtNachUngesichertenAenderungen) {
  plane(0, u"3"_s, u"01.12.2026"_s, u"08:30:00"_s);
  plane(2, u"2"_s, u"24.12.2026"_s, u"18:30:00"_s);
  store->write(u"Timer"_s, u"Zusatz2"_s, u"1"_s);
  starten();
  f().sollZeit->setTime(QTime(14, 5, 37));
  // Yes: the edits go to the task shown so far, then the other one shows.
  erwarteSicherungsfrage(Antwort::Ja);
  f().optionTimerAufgabe.at(2)->click();
  EXPECT_EQ(werte(u"Timer"_s, {u"SollTime0"_s, u"DayArt0"_s, u"SollTime2"_s}),
            (QStringList{u"14:05:00"_s, u"3"_s, u"18:30:00"_s}));
  EXPECT_EQ(std::tuple(f().optionTime.at(2)->isChecked(), f().checkKopieZusatz->isChecked(), lampe(),
                       QDateTime(f().sollDatum->date(), f().sollZeit->time())),
            std::tuple(true, true, Z::Gruen, QDateTime(QDate(2026, 12, 24), QTime(18, 30))));
  // No: the edits are dropped.
  f().optionTime.at(4)->click();
  f().checkKopieZusatz->click();
  erwarteSicherungsfrage(Antwort::Nein);
  f().optionTimerAufgabe.at(4)->click();
  EXPECT_EQ(werte(u"Timer"_s, {u"DayArt2"_s, u"Zusatz2"_s}), (QStringList{u"2"_s, u"1"_s}));
  // Without edits there is nothing to ask, and a save now goes to task 5.
  f().optionTime.at(3)->click();
  f().cmdSaveZeitplan->click();
  EXPECT_EQ(wert(u"Timer"_s, u"DayArt4"_s), u"3"_s);
}

TEST_F(ZeitplanPanelTest, SpeichernUndSprungZumTimer) {
  option(u"Vorgang1"_s, u"0"_s);
  plane(3, u"1"_s, u"15.03.2026"_s, u"20:00:00"_s);
  starten();
  f().optionTimerAufgabe.at(1)->click();
  f().optionTime.at(2)->click();
  f().sollZeit->setTime(QTime(14, 5));
  f().checkKopieZusatz->click();
  const Z ungesichert = lampe();
  f().cmdSaveZeitplan->click();
  EXPECT_EQ(std::pair(ungesichert, lampe()), std::pair(Z::Rot, Z::Gruen));
  EXPECT_EQ(werte(u"Timer"_s, {u"SollDay1"_s, u"SollTime1"_s, u"Zusatz1"_s, u"DayArt1"_s}),
            (QStringList{u"05.12.2026"_s, u"14:05:00"_s, u"1"_s, u"2"_s}));
  EXPECT_EQ(logTexte().last(), u"neuer Zeitplan für Aufgabe 2 => mit Erweiterung Sicherheitskopie von..."_s);

  // Unsaved edits: a jump changes only the page, the panel stays on its task.
  f().cmdZuTimer.at(3)->click();
  f().sollZeit->setTime(QTime(21, 0));
  f().ssTab->setCurrentIndex(6);
  f().cmdZuTimer.at(2)->click();
  EXPECT_EQ(f().ssTab->currentIndex(), Saver::kSeiteTimer);
  f().cmdSaveZeitplan->click();
  EXPECT_EQ(werte(u"Timer"_s, {u"SollTime3"_s, u"SollTime2"_s}), (QStringList{u"21:00:00"_s, u"(fehlt)"_s}));
}

TEST_F(ZeitplanPanelTest, EinmaligerLaufFragtNachUngesichertenAenderungen) {
  plane(0, u"0"_s, u"05.12.2026"_s, u"14:04:00"_s);
  aufgabe(0, u"fehlt.txt"_s);  // a failing file
  starten();
  f().optionTime.at(3)->click();
  f().sollZeit->setTime(QTime(18, 0));
  // The one-time schedule runs and goes; the edits stay, and the timer ticks while the box is open.
  uhr.stellen(QDateTime(QDate(2026, 12, 5), QTime(14, 4, 5)));
  erwarteSicherungsfrage(Antwort::Ja);
  dialoge.beimZeigen = [this] { programm->TimerAutomatik_Timer(); };
  programm->TimerAutomatik_Timer();
  EXPECT_EQ(f().statusLogbuch->zustand(), Z::Rot) << "the failure is still reported";
  EXPECT_EQ(werte(u"Timer"_s, {u"DayArt0"_s, u"SollTime0"_s}), (QStringList{u"3"_s, u"18:00:00"_s}));
}
