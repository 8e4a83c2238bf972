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
  EXPECT_EQ(std::tuple(f().infoTimer.at(0)->text(), logTexte().last()),
            std::tuple(u" Täglich um 14:05 Uhr"_s, u"neuer Zeitplan für Aufgabe 1 => ohne Erweiterung "
                                                   u"Sicherheitskopie von..."_s));
  EXPECT_EQ(std::tuple(f().optionTime.at(2)->isChecked(), f().checkKopieZusatz->isChecked(), lampe(),
                       QDateTime(f().sollDatum->date(), f().sollZeit->time())),
            std::tuple(true, true, Z::Gruen, QDateTime(QDate(2026, 12, 24), QTime(18, 30))));
  // No: the edits are dropped.
  f().optionTime.at(4)->click();
  f().checkKopieZusatz->click();
  const qsizetype vorher = logTexte().size();
  erwarteSicherungsfrage(Antwort::Nein);
  f().optionTimerAufgabe.at(4)->click();
  EXPECT_EQ(werte(u"Timer"_s, {u"DayArt2"_s, u"Zusatz2"_s}), (QStringList{u"2"_s, u"1"_s}));
  EXPECT_EQ(std::tuple(logTexte().size(), f().optionTime.at(4)->isChecked(), lampe()),
            std::tuple(vorher, true, Z::Gruen));
  // Without edits there is nothing to ask, and a save now goes to task 5.
  f().optionTime.at(3)->click();
  f().cmdSaveZeitplan->click();
  EXPECT_EQ(wert(u"Timer"_s, u"DayArt4"_s), u"3"_s);
  // Refreshing reloads the task marked without its click.
  f().optionTimerAufgabe.at(2)->setChecked(true);
  f().cmdAktuell->click();
  EXPECT_TRUE(f().optionTime.at(2)->isChecked() && f().checkKopieZusatz->isChecked());
}

TEST_F(ZeitplanPanelTest, DatumsfeldFolgtDerArt) {
  starten();
  QStringList gesehen;  // the date as shown, "+" with a calendar, "-" hidden
  for (const int art : {0, 1, 2, 3}) {
    f().sollDatum->setDate(QDate(2027, 3, 1));
    f().optionTime.at(art)->click();
    gesehen << (f().sollDatum->isHidden() ? u"-"_s
                                          : f().sollDatum->text() + u"+"_s.repeated(f().sollDatum->calendarPopup()));
  }
  EXPECT_EQ(gesehen, (QStringList{u"05.Dez. 2026+"_s, u"05."_s, u"Samstag"_s, u"-"_s}));
  // The program's own month abbreviations, each with its point; keys still set the day.
  f().optionTime.at(0)->click();
  QStringList monate;
  for (int monat = 1; monat <= 12; ++monat) {
    f().sollDatum->setDate(QDate(2027, monat, 1));
    monate << f().sollDatum->text().mid(3).chopped(5);
  }
  EXPECT_EQ(monate, QStringList({u"Jan."_s, u"Feb."_s, u"Mrz."_s, u"Apr."_s, u"Mai."_s, u"Jun."_s, u"Jul."_s, u"Aug."_s,
                                 u"Sep."_s, u"Okt."_s, u"Nov."_s, u"Dez."_s}));
  f().sollDatum->setSelectedSection(QDateTimeEdit::DaySection);
  QTest::keyClicks(f().sollDatum, u"12"_s);
  EXPECT_EQ(f().sollDatum->text(), u"12.Dez. 2027"_s);
}

TEST_F(ZeitplanPanelTest, SpeichernUndSprungZwischenVerfahrenUndTimer) {
  option(u"Vorgang1"_s, u"0"_s);
  plane(3, u"1"_s, u"15.03.2026"_s, u"20:00:00"_s);
  starten();
  erwarteSicherungsfrage(Antwort::Nein);
  f().sollZeit->setTime(QTime(9, 0));
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
  EXPECT_EQ(std::tuple(f().infoTimer.at(1)->text(), logTexte().last()),
            std::tuple(u" einmal pro Woche  um 14:05 Uhr"_s,
                       u"neuer Zeitplan für Aufgabe 2 => mit Erweiterung Sicherheitskopie von..."_s));

  f().cmdZuTimer.at(3)->click();
  EXPECT_EQ(std::tuple(f().sollDatum->text(), f().sollZeit->time()), std::tuple(u"15."_s, QTime(20, 0)));
  // Unsaved edits: only the page changes, the panel stays on its task.
  f().sollZeit->setTime(QTime(21, 0));
  f().ssTab->setCurrentIndex(6);
  f().cmdZuTimer.at(2)->click();
  EXPECT_EQ(f().ssTab->currentIndex(), Saver::kSeiteTimer);
  f().cmdSaveZeitplan->click();
  EXPECT_EQ(werte(u"Timer"_s, {u"SollTime3"_s, u"SollTime2"_s}), (QStringList{u"21:00:00"_s, u"(fehlt)"_s}));
  f().cmdVorgang->click();
  EXPECT_EQ(std::tuple(f().ssTab->currentIndex(), f().ssTabOptionen->currentIndex()),
            std::tuple(Saver::kSeiteVerfahren, 3));
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
  EXPECT_EQ(std::tuple(f().infoTimer.at(0)->palette().color(QPalette::Window),
                       f().infoTimer.at(1)->palette().color(QPalette::Window)),
            std::tuple(QColor(0xFF, 0xFF, 0xC0), QColor(0xFF, 0x80, 0x80)));
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
  EXPECT_EQ(std::tuple(f().optionTime.at(3)->isChecked(), lampe(), f().infoTimer.at(0)->text()),
            std::tuple(true, Z::Gruen, u" Täglich um 18:00 Uhr"_s));
}
