#include "SeitenUmgebung.h"

#include "platform/Fehlertext.h"

#include <QDir>
#include <QFile>

#include <cerrno>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

class LogbuchLoeschenTest : public test::SeitenUmgebung {
 protected:
  void SetUp() override {
    SeitenUmgebung::SetUp();
    logbuch->eintrag(u"Programm gestartet"_s, SonstigeMeldung);
    logbuch->eintrag(u"    => Error, Zugriff verweigert"_s, Fehlermeldung);
    modell->neuLaden();
  }
  void erwarteFrage(Antwort antwort) {
    dialoge.erwarte(frage(u"Sind Sie sich sicher, dass Sie das Logbuch löschen wollen?"_s, u"Löschen"_s),
                    antwort);
  }
};

TEST_F(LogbuchLoeschenTest, NeinLaesstAllesStehen) {
  const QByteArray vorher = test::leseDatei(logbuch->dateipfad());
  erwarteFrage(Antwort::Nein);
  seite->cmd_LogbuchClear_Click();
  EXPECT_EQ(test::leseDatei(logbuch->dateipfad()), vorher);
  EXPECT_EQ(angezeigt, 0);
}

TEST_F(LogbuchLoeschenTest, NeueDateiMitEinemEintrag) {
  uhr.sekundenWeiter(5);
  erwarteFrage(Antwort::Ja);
  seite->cmd_LogbuchClear_Click();
  EXPECT_EQ(angezeigt, 1);
  ASSERT_EQ(modell->rowCount(), 1);
  EXPECT_EQ(modell->zeile(0), u"05.12.2026 um 14:03:32: Logbuch gelöscht"_s);
  EXPECT_EQ(modell->groessenText(), u"(0,21 KB)"_s);
  EXPECT_EQ(QFile(logbuch->dateipfad()).size(), 216);
}

TEST_F(LogbuchLoeschenTest, OhneAufzeichnungBleibtEsLeer) {
  for (const bool aus : {true, false}) {
    schalter.setzeAufzeichnungAus(aus);
    schalter.setzeKategorie(SonstigeMeldung, aus);  // either way nothing is recorded
    logbuch->eintrag(u"Programm gestartet"_s, Fehlermeldung);
    erwarteFrage(Antwort::Ja);
    seite->cmd_LogbuchClear_Click();
    EXPECT_EQ(modell->rowCount(), 0);
    EXPECT_EQ(modell->groessenText(), u"(0,00 KB)"_s);
    EXPECT_EQ(QFile(logbuch->dateipfad()).size(), 0);
  }
}

class LogbuchVerschiebenTest : public test::SeitenUmgebung {
 protected:
  void SetUp() override {
    SeitenUmgebung::SetUp();
    logbuch->eintrag(u"Programm gestartet"_s, SonstigeMeldung);
    uhr.sekundenWeiter(1);
    logbuch->eintrag(u"Programm beendet"_s, SonstigeMeldung);
    alt = test::leseDatei(home() + u"Logbuch.log"_s);
    ASSERT_EQ(alt.size(), 2 * 216);
    QDir().mkpath(pfad(u"Ziel"_s));
  }
  // The picker answers with waehle and remembers what it was shown.
  void verschiebe(const QString& waehle) {
    seite->cmd_LogPfad_Click([&](const QString& titel, const QString& aktuell) {
      gezeigterTitel = titel;
      gezeigtesVerzeichnis = aktuell;
      return waehle;
    });
  }
  static Meldung fehler(const QString& grund) {
    return information(u"Das Logbuch konnte nicht verschoben werden: "_s + grund);
  }
  void erwarteErsetzen(Antwort antwort) {
    dialoge.erwarte(frage(u"Im Verzeichnis "_s + pfad(u"Ziel"_s) +
                              u" gibt es schon eine Datei Logbuch.log. Soll sie durch das Logbuch "
                              u"ersetzt werden? Ihr bisheriger Inhalt geht dabei verloren."_s,
                          u"Frage"_s),
                    antwort);
  }
  // Nothing changed: the old file as it was, the setting, no view refresh.
  void erwarteUnveraendert() {
    EXPECT_EQ(test::leseDatei(home() + u"Logbuch.log"_s), alt);
    EXPECT_FALSE(store->enthaelt(u"LogBuch"_s, u"Pfad"_s));
    EXPECT_EQ(angezeigt, 0);
  }
  QByteArray alt;
  QString gezeigterTitel, gezeigtesVerzeichnis;
};

TEST_F(LogbuchVerschiebenTest, InEinNeuesVerzeichnis) {
  verschiebe(pfad(u"Ziel"_s));
  EXPECT_EQ(gezeigterTitel,
            u"Wählen Sie ein Verzeichnis für das Logbuch aus\n(aktuell: "_s + home() + u")"_s);
  EXPECT_EQ(gezeigtesVerzeichnis, home());
  EXPECT_FALSE(QFile::exists(home() + u"Logbuch.log"_s));
  EXPECT_EQ(pfadEinstellung(), pfad(u"Ziel/"_s));
  EXPECT_EQ(test::alleEintraege(pfad(u"Ziel"_s)), QStringList{u"Logbuch.log"_s});
  EXPECT_EQ(test::leseDatei(pfad(u"Ziel/Logbuch.log"_s)).left(2 * 216), alt);
  EXPECT_EQ(angezeigt, 1);
  EXPECT_EQ(modell->rowCount(), 3);
  EXPECT_EQ(texte().back(), u"Logbuch.log nach "_s + pfad(u"Ziel"_s) + u" verschoben"_s);
  EXPECT_EQ(ortMeldung(*store),
            Meldung{u"Das Logbuch befindet sich derzeit im Verzeichnis\n"_s + pfad(u"Ziel/"_s)});
}

TEST_F(LogbuchVerschiebenTest, AbbruchUndGleichesVerzeichnisUeberEinenVerweis) {
  store->write(u"LogBuch"_s, u"Pfad"_s, pfad(u"Ziel/"_s));
  logbuch->eintrag(u"dort"_s, SonstigeMeldung);
  const QByteArray dort = test::leseDatei(pfad(u"Ziel/Logbuch.log"_s));
  test::verknuepfe(pfad(u"Ziel"_s), pfad(u"Verweis"_s));
  for (const QString& wahl : {QString(), pfad(u"Ziel"_s), pfad(u"Verweis/"_s)}) {
    verschiebe(wahl);
    EXPECT_EQ(pfadEinstellung(), pfad(u"Ziel/"_s));
    EXPECT_EQ(test::leseDatei(pfad(u"Ziel/Logbuch.log"_s)), dort);
    EXPECT_EQ(angezeigt, 0);
  }
}

// A relative path, a file or a missing directory: a box, nothing changes.
TEST_F(LogbuchVerschiebenTest, UnbrauchbaresZiel) {
  test::schreibeDatei(pfad(u"datei"_s), "kein Verzeichnis");
  const QList<QPair<QString, Meldung>> faelle = {
      {u"Ziel"_s, Meldung{u"Fehler beim Extrahieren des ausgewählten Pfades"_s}},
      {pfad(u"datei"_s), fehler(fehlertext(ENOTDIR))},
      {pfad(u"fehlt"_s), fehler(fehlertext(ENOENT))}};
  for (const auto& [wahl, meldung] : faelle) {
    dialoge.erwarte(meldung);
    verschiebe(wahl);
    erwarteUnveraendert();
  }
  EXPECT_EQ(test::leseDatei(pfad(u"datei"_s)), "kein Verzeichnis");
  EXPECT_FALSE(QFile::exists(pfad(u"fehlt"_s)));
}

// The old file cannot be removed: the copy at the new place goes again.
TEST_F(LogbuchVerschiebenTest, EntfernenScheitert) {
  entferner.fehler = Fehler{EACCES, u"Keine Berechtigung"_s};
  dialoge.erwarte(fehler(u"Keine Berechtigung"_s));
  verschiebe(pfad(u"Ziel"_s));
  erwarteUnveraendert();
  EXPECT_TRUE(test::alleEintraege(pfad(u"Ziel"_s)).isEmpty());
}

class VorhandenesLogbuchTest : public LogbuchVerschiebenTest {
 protected:
  void SetUp() override {
    LogbuchVerschiebenTest::SetUp();
    test::schreibeDatei(pfad(u"Ziel/Logbuch.log"_s), "fremd");
  }
};

TEST_F(VorhandenesLogbuchTest, NeinLaesstBeideDateienStehen) {
  erwarteErsetzen(Antwort::Nein);
  verschiebe(pfad(u"Ziel"_s));
  erwarteUnveraendert();
  EXPECT_EQ(test::leseDatei(pfad(u"Ziel/Logbuch.log"_s)), "fremd");
}

TEST_F(VorhandenesLogbuchTest, JaErsetzt) {
  erwarteErsetzen(Antwort::Ja);
  verschiebe(pfad(u"Ziel"_s));
  EXPECT_FALSE(QFile::exists(home() + u"Logbuch.log"_s));
  EXPECT_EQ(test::leseDatei(pfad(u"Ziel/Logbuch.log"_s)).left(2 * 216), alt);
  EXPECT_EQ(texte().size(), 3);
  EXPECT_EQ(pfadEinstellung(), pfad(u"Ziel/"_s));
}

// Until the old file is gone, the one already there is kept.
TEST_F(VorhandenesLogbuchTest, JaAberEntfernenScheitert) {
  entferner.fehler = Fehler{EBUSY, u"Gerät oder Ressource belegt"_s};
  erwarteErsetzen(Antwort::Ja);
  dialoge.erwarte(fehler(u"Gerät oder Ressource belegt"_s));
  verschiebe(pfad(u"Ziel"_s));
  erwarteUnveraendert();
  EXPECT_EQ(test::alleEintraege(pfad(u"Ziel"_s)), QStringList{u"Logbuch.log"_s});
  EXPECT_EQ(test::leseDatei(pfad(u"Ziel/Logbuch.log"_s)), "fremd");
}

// A directory named Logbuch.log cannot be replaced: after the question the
// old file is back in its place.
TEST_F(LogbuchVerschiebenTest, UmbenennenScheitertDasAlteKommtZurueck) {
  QDir().mkpath(pfad(u"Ziel/Logbuch.log"_s));
  erwarteErsetzen(Antwort::Ja);
  dialoge.erwarte(fehler(fehlertext(EISDIR)));
  verschiebe(pfad(u"Ziel"_s));
  erwarteUnveraendert();
  EXPECT_EQ(test::alleEintraege(pfad(u"Ziel"_s)), QStringList{u"Logbuch.log"_s});
}

}  // namespace
