#include "ProgrammUmgebung.h"

#include "ui/DatumsFeld.h"
#include <QTest>
#include <QTimeEdit>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

class ZeitplanPanelTest : public ProgrammUmgebung {
 protected:
  void erwarteSicherungsfrage(Antwort antwort) {
    dialoge.erwarte({u"Es sind Einstellungen geändert wurden, die noch nicht gesichert sind.\n"
                     u"Sollen diese jetzt gesichert werden?"_s,
                     u"Bewahrix"_s, Symbol::Frage, Knoepfe::JaNein, Antwort::Ja},
                    antwort);
  }
  Z lampe() { return f().statusTimer->zustand(); }
};

TEST_F(ZeitplanPanelTest, AufgabenwechselFragtNachUngesichertenAenderungen) {
  plane(0, u"3"_s, u"01.12.2026"_s, u"08:30:00"_s);
  plane(2, u"2"_s, u"24.12.2026"_s, u"18:30:00"_s);
  store->write(u"Timer"_s, u"Zusatz2"_s, u"1"_s);
  starten();
  ASSERT_TRUE(f().optionTime.at(3)->isChecked());
  f().sollZeit->setTime(QTime(14, 5, 37));
  EXPECT_EQ(f().sollZeit->time(), QTime(14, 5));
  // Yes: the edits go to the task shown so far, then the other one shows.
  erwarteSicherungsfrage(Antwort::Ja);
  f().optionTimerAufgabe.at(2)->click();
  EXPECT_EQ(werte(u"Timer"_s, {u"SollTime0"_s, u"DayArt0"_s, u"SollTime2"_s}),
            (QStringList{u"14:05:00"_s, u"3"_s, u"18:30:00"_s}));
  EXPECT_EQ(f().infoTimer.at(0)->text(), u" Täglich um 14:05 Uhr"_s);
  EXPECT_TRUE(logTexte().contains(u"neuer Zeitplan für Aufgabe 1, Timer: Täglich um 14:05 Uhr"_s));
  EXPECT_TRUE(f().optionTime.at(2)->isChecked() && f().checkKopieZusatz->isChecked());
  EXPECT_EQ(QDateTime(f().sollDatum->date(), f().sollZeit->time()), QDateTime(QDate(2026, 12, 24), QTime(18, 30)));
  EXPECT_EQ(lampe(), Z::Gruen);
  // No: the edits are dropped.
  f().optionTime.at(4)->click();
  f().checkKopieZusatz->click();
  const qsizetype vorher = logTexte().size();
  erwarteSicherungsfrage(Antwort::Nein);
  f().optionTimerAufgabe.at(4)->click();
  EXPECT_EQ(werte(u"Timer"_s, {u"DayArt2"_s, u"Zusatz2"_s}), (QStringList{u"2"_s, u"1"_s}));
  EXPECT_EQ(logTexte().size(), vorher);
  EXPECT_TRUE(f().optionTime.at(4)->isChecked() && lampe() == Z::Gruen);
  // Without edits there is nothing to ask, and a save now goes to task 5.
  f().optionTime.at(3)->click();
  f().cmdSaveZeitplan->click();
  EXPECT_EQ(wert(u"Timer"_s, u"DayArt4"_s), u"3"_s);
  // Refreshing reloads the task marked without its click.
  f().optionTimerAufgabe.at(2)->setChecked(true);
  f().cmdAktuell->click();
  EXPECT_TRUE(f().optionTime.at(2)->isChecked() && f().checkKopieZusatz->isChecked());
}

TEST_F(ZeitplanPanelTest, DatumswahlSpeichernUndSprungZwischenVerfahrenUndTimer) {
  option(u"Vorgang1"_s, u"0"_s);
  plane(3, u"1"_s, u"15.03.2026"_s, u"20:00:00"_s);
  starten();
  QStringList gesehen;
  for (const int art : {0, 1, 2, 3}) {
    f().sollDatum->setDate(QDate(2027, 3, 1));
    f().optionTime.at(art)->click();
    gesehen << (f().sollDatum->isHidden() ? u"-"_s
                                          : f().sollDatum->text() + u"+"_s.repeated(f().sollDatum->calendarPopup()));
  }
  // The program's own month abbreviations, each with its point; keys still set the day.
  f().optionTime.at(0)->click();
  for (int monat = 1; monat <= 12; ++monat) {
    f().sollDatum->setDate(QDate(2027, monat, 1));
    gesehen << f().sollDatum->text().mid(3, 4);
  }
  f().sollDatum->setSelectedSection(QDateTimeEdit::DaySection);
  QTest::keyClicks(f().sollDatum, u"12"_s);
  EXPECT_EQ((gesehen << f().sollDatum->text()).join(u'|'),
            u"05.Dez. 2026+|05.|Samstag|-|Jan.|Feb.|Mrz.|Apr.|Mai.|Jun.|Jul.|Aug.|Sep.|Okt.|Nov.|Dez.|12.Dez. 2027"_s);

  erwarteSicherungsfrage(Antwort::Nein);
  f().optionTimerAufgabe.at(1)->click();
  QList<Z> lampen{lampe()};
  f().optionTime.at(2)->click();
  lampen << lampe();
  f().sollZeit->setTime(QTime(14, 5, 37));
  f().cmdSaveZeitplan->click();
  lampen << lampe();
  f().checkKopieZusatz->click();
  lampen << lampe();
  f().cmdSaveZeitplan->click();
  EXPECT_EQ(lampen << lampe(), (QList<Z>{Z::Gruen, Z::Rot, Z::Gruen, Z::Rot, Z::Gruen}));
  EXPECT_EQ(werte(u"Timer"_s, {u"SollDay1"_s, u"SollTime1"_s, u"Zusatz1"_s, u"DayArt1"_s}),
            (QStringList{u"05.12.2026"_s, u"14:05:00"_s, u"1"_s, u"2"_s}));
  EXPECT_EQ(f().infoTimer.at(1)->text(), u" einmal pro Woche  um 14:05 Uhr"_s);
  EXPECT_EQ(logTexte().last(), u"neuer Zeitplan für Aufgabe 2 => mit Erweiterung Sicherheitskopie von..."_s);

  f().cmdZuTimer.at(3)->click();
  EXPECT_EQ(f().sollDatum->text() + f().sollZeit->time().toString(), u"15.20:00:00"_s);
  // Unsaved edits: only the page changes, the panel stays on its task.
  f().sollZeit->setTime(QTime(21, 0));
  f().ssTab->setCurrentIndex(6);
  f().cmdZuTimer.at(2)->click();
  EXPECT_EQ(f().ssTab->currentIndex(), 7);
  f().cmdSaveZeitplan->click();
  EXPECT_EQ(werte(u"Timer"_s, {u"SollTime3"_s, u"SollTime2"_s}), (QStringList{u"21:00:00"_s, u"(fehlt)"_s}));
  f().cmdVorgang->click();
  EXPECT_EQ(f().ssTab->currentIndex() * 10 + f().ssTabOptionen->currentIndex(), 63);
}

TEST_F(ZeitplanPanelTest, WarnungBlinktOhneVerfahren) {
  starten();  // no task has a copy mode yet
  QList<bool> verborgen;
  QObject::connect(f().timerWarnung, &QTimer::timeout, f().timerWarnung,
                   [&] { verborgen.append(f().txtVorgangInfo->isHidden()); });
  ASSERT_TRUE(QTest::qWaitFor([&] { return verborgen.size() >= 3; }, 10000)) << "the warning does not blink";
  for (qsizetype n = 0; n < verborgen.size(); ++n) EXPECT_EQ(verborgen.at(n), n % 2 == 0);
  // A copy mode for the panel's task ends the warning and recolours at once.
  f().optionSoll.at(0)->click();
  EXPECT_FALSE(f().timerWarnung->isActive() || f().txtVorgangInfo->isVisible());
  EXPECT_EQ(f().infoTimer.at(0)->palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0xC0));
  EXPECT_EQ(f().infoTimer.at(1)->palette().color(QPalette::Window), QColor(0xFF, 0x80, 0x80));
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
  EXPECT_TRUE(f().optionTime.at(3)->isChecked() && lampe() == Z::Gruen);
  EXPECT_EQ(f().infoTimer.at(0)->text(), u" Täglich um 18:00 Uhr"_s);
}
