#include "ProgrammUmgebung.h"

#include "ui/Lampe.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QDateEdit>
#include <QEventLoop>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimeEdit>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {
using Zustand = Lampe::Zustand;
}  // namespace

class ZeitplanPanelTest : public ProgrammUmgebung {
 protected:
  QString timer(const QString& key) { return store->read(u"Timer"_s, key, u"(fehlt)"_s); }
  // The logbook as the window shows it, without date and time.
  QStringList gezeigt() {
    const QAbstractItemModel* modell = f().logbuch->model();
    QStringList texte;
    for (int r = 0; r < modell->rowCount(); ++r) texte.append(modell->index(r, 0).data().toString().mid(24));
    return texte;
  }
  void erwarteSicherungsfrage(Antwort antwort) {
    dialoge.erwarte({u"Es sind Einstellungen geändert wurden, die noch nicht gesichert sind.\n"
                     u"Sollen diese jetzt gesichert werden?"_s,
                     u"Bewahrix"_s, Symbol::Frage, Knoepfe::JaNein, Antwort::Ja},
                    antwort);
  }
  Zustand lampe() { return f().statusTimer->zustand(); }
};

// The clock stands on Saturday, 05.12.2026 14:03:27.

TEST_F(ZeitplanPanelTest, AufgabenwechselFragtNachUngesichertenAenderungen) {
  plane(0, u"3"_s, u"01.12.2026"_s, u"08:30:00"_s);
  plane(2, u"2"_s, u"24.12.2026"_s, u"18:30:00"_s);
  store->write(u"Timer"_s, u"Zusatz2"_s, u"1"_s);
  starten();
  ASSERT_TRUE(f().optionTime.at(3)->isChecked());
  f().sollZeit->setTime(QTime(14, 5, 37));
  EXPECT_EQ(f().sollZeit->time(), QTime(14, 5));
  EXPECT_EQ(lampe(), Zustand::Rot);

  // Yes: the edits go to the task shown so far, then the other one shows.
  erwarteSicherungsfrage(Antwort::Ja);
  f().optionTimerAufgabe.at(2)->click();
  EXPECT_TRUE(dialoge.alleGezeigt());
  EXPECT_EQ(timer(u"SollTime0"_s), u"14:05:00"_s);
  EXPECT_EQ(timer(u"DayArt0"_s), u"3"_s);
  EXPECT_EQ(timer(u"SollTime2"_s), u"18:30:00"_s);
  EXPECT_EQ(f().infoTimer.at(0)->text(), u" Täglich um 14:05 Uhr"_s);
  EXPECT_EQ(gezeigt().mid(gezeigt().size() - 2),
            (QStringList{u"neuer Zeitplan für Aufgabe 1, Timer: Täglich um 14:05 Uhr"_s,
                         u"neuer Zeitplan für Aufgabe 1 => ohne Erweiterung Sicherheitskopie von..."_s}));
  EXPECT_TRUE(f().optionTime.at(2)->isChecked());
  EXPECT_EQ(f().sollDatum->date(), QDate(2026, 12, 24));
  EXPECT_EQ(f().sollDatum->text(), u"Donnerstag"_s);
  EXPECT_FALSE(f().sollDatum->calendarPopup());
  EXPECT_EQ(f().sollZeit->time(), QTime(18, 30));
  EXPECT_TRUE(f().checkKopieZusatz->isChecked());
  EXPECT_EQ(lampe(), Zustand::Gruen);

  // No: the edits are dropped.
  f().optionTime.at(4)->click();
  f().checkKopieZusatz->click();
  const int zeilen = gezeigt().size();
  erwarteSicherungsfrage(Antwort::Nein);
  f().optionTimerAufgabe.at(4)->click();
  EXPECT_TRUE(dialoge.alleGezeigt());
  EXPECT_EQ(timer(u"DayArt2"_s), u"2"_s);
  EXPECT_EQ(timer(u"Zusatz2"_s), u"1"_s);
  EXPECT_EQ(gezeigt().size(), zeilen);
  EXPECT_TRUE(f().optionTime.at(4)->isChecked());
  EXPECT_TRUE(f().sollDatum->isHidden());
  EXPECT_EQ(lampe(), Zustand::Gruen);

  // Without edits there is nothing to ask, and a save now goes to task 5.
  f().optionTime.at(3)->click();
  f().cmdSaveZeitplan->click();
  EXPECT_EQ(timer(u"DayArt4"_s), u"3"_s);
}

TEST_F(ZeitplanPanelTest, DatumswahlJeArtAbHeute) {
  starten();
  f().sollDatum->setDate(QDate(2027, 3, 1));
  f().optionTime.at(0)->click();
  EXPECT_EQ(f().sollDatum->date(), QDate(2026, 12, 5));
  EXPECT_FALSE(f().sollDatum->isHidden());
  EXPECT_TRUE(f().sollDatum->calendarPopup());
  EXPECT_EQ(f().sollDatum->text(), u"05.Dez. 2026"_s);
  f().sollDatum->setDate(QDate(2027, 3, 1));
  EXPECT_EQ(f().sollDatum->text(), u"01.März 2027"_s);

  f().optionTime.at(1)->click();
  EXPECT_FALSE(f().sollDatum->calendarPopup());
  EXPECT_EQ(f().sollDatum->text(), u"05."_s);
  f().sollDatum->stepUp();
  EXPECT_EQ(f().sollDatum->date(), QDate(2026, 12, 6));

  f().optionTime.at(2)->click();
  EXPECT_EQ(f().sollDatum->date(), QDate(2026, 12, 5));
  EXPECT_EQ(f().sollDatum->text(), u"Samstag"_s);
  EXPECT_FALSE(f().sollDatum->isHidden());

  f().optionTime.at(3)->click();
  EXPECT_TRUE(f().sollDatum->isHidden());
  f().optionTime.at(4)->click();
  EXPECT_TRUE(f().sollDatum->isHidden());
  f().optionTime.at(1)->click();
  EXPECT_FALSE(f().sollDatum->isHidden());
}

TEST_F(ZeitplanPanelTest, SpeichernSchreibtDenZeitplanUndProtokolliert) {
  option(u"Vorgang1"_s, u"0"_s);
  starten();
  f().optionTimerAufgabe.at(1)->click();
  EXPECT_EQ(lampe(), Zustand::Gruen);
  f().optionTime.at(2)->click();
  EXPECT_EQ(lampe(), Zustand::Rot);
  f().sollZeit->setTime(QTime(14, 5, 37));
  f().cmdSaveZeitplan->click();
  EXPECT_EQ(lampe(), Zustand::Gruen);
  f().checkKopieZusatz->click();
  EXPECT_EQ(lampe(), Zustand::Rot);
  f().cmdSaveZeitplan->click();

  EXPECT_EQ(timer(u"SollDay1"_s), u"05.12.2026"_s);
  EXPECT_EQ(timer(u"SollTime1"_s), u"14:05:00"_s);
  EXPECT_EQ(timer(u"Zusatz1"_s), u"1"_s);
  EXPECT_EQ(timer(u"DayArt1"_s), u"2"_s);
  EXPECT_EQ(f().infoTimer.at(1)->text(), u" einmal pro Woche  um 14:05 Uhr"_s);
  EXPECT_EQ(gezeigt().last(), u"neuer Zeitplan für Aufgabe 2 => mit Erweiterung Sicherheitskopie von..."_s);
  EXPECT_EQ(gezeigt().at(gezeigt().size() - 2), u"neuer Zeitplan für Aufgabe 2, Timer: einmal pro Woche  um 14:05 Uhr"_s);

  // Switched off: the keys are written all the same, with one line.
  const int zeilen = gezeigt().size();
  f().optionTime.at(4)->click();
  f().cmdSaveZeitplan->click();
  EXPECT_EQ(timer(u"DayArt1"_s), u"4"_s);
  EXPECT_EQ(gezeigt().mid(zeilen), QStringList{u"neuer Zeitplan für Aufgabe 2, Timer: Timer deaktiv"_s});
  EXPECT_EQ(f().infoTimer.at(1)->text(), u" Timer deaktiv"_s);
}

TEST_F(ZeitplanPanelTest, SprungZwischenVerfahrenUndTimer) {
  plane(3, u"1"_s, u"15.03.2026"_s, u"20:00:00"_s);
  starten();
  f().cmdZuTimer.at(3)->click();
  EXPECT_EQ(f().ssTab->currentIndex(), 7);
  EXPECT_TRUE(f().optionTimerAufgabe.at(3)->isChecked());
  EXPECT_EQ(f().sollDatum->text(), u"15."_s);
  EXPECT_EQ(f().sollZeit->time(), QTime(20, 0));

  // Unsaved edits: only the page changes, the panel stays on its task.
  f().sollZeit->setTime(QTime(21, 0));
  f().ssTab->setCurrentIndex(6);
  f().cmdZuTimer.at(2)->click();
  EXPECT_EQ(f().ssTab->currentIndex(), 7);
  EXPECT_TRUE(f().optionTimerAufgabe.at(3)->isChecked());
  EXPECT_EQ(f().sollZeit->time(), QTime(21, 0));
  f().cmdSaveZeitplan->click();
  EXPECT_EQ(timer(u"SollTime3"_s), u"21:00:00"_s);
  EXPECT_EQ(timer(u"SollTime2"_s), u"(fehlt)"_s);

  f().cmdVorgang->click();
  EXPECT_EQ(f().ssTab->currentIndex(), 6);
  EXPECT_EQ(f().ssTabOptionen->currentIndex(), 3);
}

TEST_F(ZeitplanPanelTest, WarnungBlinktOhneVerfahren) {
  starten();  // no task has a copy mode yet
  ASSERT_TRUE(f().timerWarnung->isActive());
  QList<bool> verborgen;
  QObject::connect(f().timerWarnung, &QTimer::timeout, f().timerWarnung,
          [&] { verborgen.append(f().txtVorgangInfo->isHidden()); });
  QEventLoop schleife;
  QTimer::singleShot(1500, &schleife, &QEventLoop::quit);
  schleife.exec();
  ASSERT_GE(verborgen.size(), 2);
  EXPECT_TRUE(verborgen.at(0));
  for (qsizetype n = 1; n < verborgen.size(); ++n) EXPECT_NE(verborgen.at(n), verborgen.at(n - 1));

  // A copy mode chosen for the panel's task ends the warning and recolours
  // its description at once.
  f().optionSoll.at(0)->click();
  EXPECT_FALSE(f().timerWarnung->isActive());
  EXPECT_FALSE(f().txtVorgangInfo->isVisible());
  EXPECT_EQ(f().infoTimer.at(0)->palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0xC0));
  EXPECT_EQ(f().infoTimer.at(1)->palette().color(QPalette::Window), QColor(0xFF, 0x80, 0x80));
}

TEST_F(ZeitplanPanelTest, EinmaligerLaufFragtNachUngesichertenAenderungen) {
  plane(0, u"0"_s, u"05.12.2026"_s, u"14:04:00"_s);
  option(u"Vorgang0"_s, u"0"_s);
  store->write(u"Aufgabe0"_s, pfad(u"fehlt.txt"_s), u"05. Dez. 2026"_s);  // a failing file
  starten();
  f().optionTime.at(3)->click();
  f().sollZeit->setTime(QTime(18, 0));

  // The one-time schedule runs and is removed; the edits are not lost with it.
  uhr.stellen(QDateTime(QDate(2026, 12, 5), QTime(14, 4, 5)));
  erwarteSicherungsfrage(Antwort::Ja);
  // The timer keeps ticking while the question is open.
  dialoge.beimZeigen = [this] { programm->TimerAutomatik_Timer(); };
  programm->TimerAutomatik_Timer();
  EXPECT_TRUE(dialoge.alleGezeigt());
  EXPECT_EQ(f().statusLogbuch->zustand(), Zustand::Rot) << "the failure is still reported";
  EXPECT_EQ(timer(u"DayArt0"_s), u"3"_s);
  EXPECT_EQ(timer(u"SollTime0"_s), u"18:00:00"_s);
  EXPECT_TRUE(f().optionTime.at(3)->isChecked());
  EXPECT_EQ(lampe(), Zustand::Gruen);
  EXPECT_EQ(f().infoTimer.at(0)->text(), u" Täglich um 18:00 Uhr"_s);
}
