#include "ProgrammUmgebung.h"

#include <QStatusBar>

class LaufAbbruchTest : public ProgrammUmgebung {
 protected:
  static constexpr int kDateien = 300;

  // With a schedule set, so an ordinary stop would ask about it.
  void grosseAufgabe(const QString& art = u"2"_s, const QString& zeit = u"20:00:00"_s) {
    for (int n = 0; n < kDateien; ++n) test::schreibeDatei(pfad(u"quelle/d%1"_s.arg(n)), QByteArray(4096, 'x'));
    aufgabe(0, u"quelle/*.*"_s);
    plane(0, art, u"05.12.2026"_s, zeit);
    starten();
  }
  // Starts the run; waehrenddessen comes at its first yield.
  void laufMit(const std::function<void()>& waehrenddessen) {
    QTimer::singleShot(0, programm.get(), waehrenddessen);
    f().aufgabe.at(0).cmdKopieStart->click();
  }
  qsizetype kopiert() { return test::alleEintraege(pfad(u"ziel/quelle"_s)).size(); }
  static Meldung laufFrage() {
    return frage(u"Aufgabe 1 wird gerade gesichert. Soll die Sicherung abgebrochen und Bewahrix beendet werden?"_s);
  }
};

// A stop asked for meanwhile neither replaces the reset nor asks about the cancelled run.
TEST_F(LaufAbbruchTest, ResetWartetAufDenLaufUndLeertDannDenSpeicher) {
  grosseAufgabe();
  dialoge.erwarte(resetFrage(), Antwort::Ja);
  laufMit([this] {
    f().nueReset->trigger();
    EXPECT_EQ(beendet, 0);  // the run still works on the store
    f().close();
    programm->sitzungEnde();
  });
  EXPECT_EQ(beendet, 1);
  EXPECT_FALSE(logTexte().contains(u"Programm beendet"_s));
  EXPECT_EQ(kopiert(), 0);
  EXPECT_FALSE(QFileInfo::exists(home() + u"d0"_s));  // not into the home directory either
  EXPECT_EQ(gespeichert(), QStringList());
}

TEST_F(LaufAbbruchTest, StopWaehrendDesLaufsBrichtIhnAb) {
  const auto sitzungsende = [this] { programm->sitzungEnde(); };
  const std::tuple<const char*, std::optional<Antwort>, std::function<void()>> faelle[] = {
      {"Fenster schließen, Ja", Antwort::Ja, [this] { f().close(); }},
      {"Sitzungsende", std::nullopt, sitzungsende},  // asks nothing
      // The box closes at the session end, and the stop goes on in order.
      {"Sitzungsende bei offener Frage", Antwort::Nein, [&] { dialoge.beimZeigen = sitzungsende, f().cmdEnde->click(); }},
  };
  for (const auto& [wie, antwort, stop] : faelle) {
    SCOPED_TRACE(wie);
    QDir(pfad(u"ziel"_s)).removeRecursively();
    store->write(u"StatusIn"_s, u"Color0"_s, u"0"_s);  // green again: the case must turn it red itself
    grosseAufgabe();
    const qsizetype vorher = logTexte().size();
    if (antwort) dialoge.erwarte(laufFrage(), *antwort);
    bool statusImLauf = false;
    laufMit([&] { statusImLauf = f().statusBar()->isVisibleTo(&f()), stop(); });
    const QStringList log = logTexte().mid(vorher);
    EXPECT_EQ(std::tuple(kopiert(), log.contains(u"<<< Aufgabe 1 abgebrochen"_s), log.last(),
                         wert(u"StatusIn"_s, u"Color0"_s), f().aufgabe.at(0).pruefLampe->zustand(), statusImLauf),
              std::tuple(0, true, u"Programm beendet"_s, u"1"_s, Z::Rot, true))
        << "copied, cancel line, last entry, stored status, lamp, status bar during the run";
  }
  // So does the question about the schedules (a box still ends the session).
  starten();
  dialoge.erwarte(stopFrage(), Antwort::Nein);
  EXPECT_TRUE(f().close() && logTexte().last() == u"Programm beendet"_s) << "Sitzungsende bei der Frage nach Zeitplänen";
}

// The status bar shows during each run: it is made visible lazily, so only a second run shows a missing show().
TEST_F(LaufAbbruchTest, NeinLaesstDenLaufZuEndeGehen) {
  grosseAufgabe();
  const Meldung summe = information(u"Augabe beendet.\n\nGesamtdatenvolumen: 1,172 MByte , kopiertes Datenvolumen "
                                    u"1,172 MByte\n300 Datei(en) wurden verarbeitet; davon Fehlerhaft 0 Datei(en)"_s);
  dialoge.erwarte(laufFrage(), Antwort::Nein);
  dialoge.erwarte(summe);
  dialoge.erwarte(summe);
  QList<bool> statusImLauf;
  laufMit([&] { statusImLauf << f().statusBar()->isVisibleTo(&f()), f().cmdEnde->click(); });
  laufMit([&] { statusImLauf << f().statusBar()->isVisibleTo(&f()); });
  EXPECT_EQ(std::tuple(kopiert(), statusImLauf, f().statusBar()->isVisibleTo(&f())),
            std::tuple(kDateien, QList<bool>{true, true}, false)) << "copied, status bar in both runs and after";
}

// Cancelled by the logout, the one-time backup did not happen: the schedule stays, the task is red.
TEST_F(LaufAbbruchTest, AbgebrochenerEinmaligerZeitplanBleibt) {
  grosseAufgabe(u"0"_s, u"14:04:00"_s);
  uhr.stellen(QDateTime(QDate(2026, 12, 5), QTime(14, 4, 10)));
  QTimer::singleShot(0, programm.get(), [this] { programm->sitzungEnde(); });
  programm->TimerAutomatik_Timer();
  EXPECT_EQ(werte(u"Timer"_s, {u"DayArt0"_s, u"SollTime0"_s}) << wert(u"StatusIn"_s, u"Color0"_s),
            (QStringList{u"0"_s, u"14:04:00"_s, u"1"_s}));
  EXPECT_TRUE(wert(u"StatusIn"_s, u"Msgbox0"_s).endsWith(u"Kopiervorgang abgebrochen"_s));
  EXPECT_EQ(logTexte().last(), u"Programm beendet"_s);
}

TEST_F(LaufAbbruchTest, SpaetererSchreibfehlerEinmalAlsMeldung) {
  starten();
  // Another process holds the store past the busy time-out.
  sqlite3* anderer = nullptr;
  ASSERT_EQ(sqlite3_open(store->dateipfad().toUtf8().constData(), &anderer), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(anderer, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
  const QString text = u"Eine Änderung der Einstellungen wurde nicht gespeichert: "_s + store->dateipfad() + u": "_s +
                       QString::fromUtf8(sqlite3_errstr(SQLITE_BUSY));
  dialoge.erwarte({text + u". Weitere solche Fehler stehen nur im Logbuch."_s, u"Bewahrix"_s, Symbol::Ausrufezeichen});
  f().checkStartUpPosition->trigger();
  f().checkStartUpPosition->trigger();
  sqlite3_close(anderer);  // and with it the transaction
  QCoreApplication::processEvents();
  EXPECT_EQ(logTexte().filter(u"Eine Änderung der Einstellungen wurde nicht"_s).size(), 2) << "both in the logbook";
}
