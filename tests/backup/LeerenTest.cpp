#include "LaufUmgebung.h"

#include "backup/DateienLoeschen.h"

#include <QFileInfo>
#include <QProcess>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

struct LeerenTest : test::LaufUmgebung {
  void leerenderLauf(const QString& zielOrdner, bool papierkorb = false) {
    aufgabe(0, {datei(u"quelle/Daten/neu.txt"_s)}, ImmerUeberschreiben, zielOrdner);
    host.aufgaben.at(0).zielLeeren = true;
    host.aufgaben.at(0).papierkorb = papierkorb;
    lauf();
  }
};

// The only test here that uses the Trash: GLib reads its place once per process.
TEST_F(LeerenTest, EndgueltigOderWiederherstellbarImPapierkorb) {
  for (const bool papierkorb : {false, true}) {
    SCOPED_TRACE(papierkorb ? "Papierkorb" : "endgültig");  // first: the Trash must not hold it yet
    for (const QString& name : {u"alte Datei ä.txt"_s, u".versteckt"_s, u"Unterordner mit Leer/x.txt"_s}) datei(u"ziel/"_s + name);
    datei(u"draussen/wichtig.txt"_s, "bleibt");
    test::verknuepfe(pfad(u"draussen"_s), ziel() + u"Unterordner mit Leer/ordnerverweis"_s);
    leerenderLauf(ziel(), papierkorb);
    EXPECT_EQ(std::tuple(hat(8, u"    Zielverzeichnis vorm Kopiervorgang erfolgreich geleert"_s), test::alleEintraege(ziel()),
                         test::leseDatei(pfad(u"draussen/wichtig.txt"_s))),
              std::tuple(true, QStringList{u"neu.txt"_s}, "bleibt"_ba));
    QProcess gio;
    gio.start(u"dbus-run-session"_s, {u"--"_s, u"gio"_s, u"trash"_s, u"--list"_s});
    const QString liste = gio.waitForFinished(20000) ? QString::fromUtf8(gio.readAllStandardOutput()) : QString();
    EXPECT_EQ(liste.contains(ziel() + u"Unterordner mit Leer"_s), papierkorb) << liste.toStdString();
  }
}

// A target holding a source, the logbook or the settings is refused and untouched.
TEST_F(LeerenTest, GefaehrlicheZieleWerdenNieGeleert) {
  QDir().mkpath(ziel() + u"log"_s);
  store->write(u"LogBuch"_s, u"Pfad"_s, ziel() + u"log/"_s);
  const QString logbuchDatei = logbuch->dateipfad();
  const struct { QString ziel, was, datei; } faelle[] = {
      {pfad(u"quelle/"_s), u"die Quelle "_s, pfad(u"quelle/Daten/neu.txt"_s)},
      {ziel(), u"das Logbuch "_s, logbuchDatei},
      {home() + u".config/"_s, u"die Einstellungsdatenbank "_s, store->dateipfad()},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE((f.was + f.datei).toStdString());
    leerenderLauf(f.ziel);
    const QString fehler = u"    => Error, Zielverzeichnis "_s + f.ziel + u" wird nicht geleert: "_s + f.was + f.datei + u" liegt darin"_s;
    EXPECT_EQ(std::tuple(hat(8, u"    Zielverzeichnis wurde nicht oder nur Teilweise geleert"_s), fehlerZeilen(), host.lampen.last(),
                         QFileInfo::exists(f.datei)),
              std::tuple(true, QStringList{fehler}, test::Lampe{0, false}, true)) << "noted, error line, lamp, file kept";
  }
}

TEST_F(LeerenTest, VerweigertWurzelHeimatRelativQuellenUndVerweise) {
  test::verknuepfe(u"/"_s, pfad(u"wurzel"_s));
  QDir().mkpath(pfad(u"daten/fotos"_s));
  test::verknuepfe(pfad(u"daten"_s), pfad(u"anders"_s));
  const QString media = u"/media/stick/Daten/"_s;
  const struct { QString ziel; QStringList quellen; bool verweigert; } faelle[] = {
      {u"//"_s, {}, true}, {u"sicherung/"_s, {}, true}, {home(), {}, true}, {QFileInfo(home().chopped(1)).path() + u"/"_s, {}, true},
      {pfad(u"wurzel/"_s), {}, true}, {pfad(u"anders/"_s), {pfad(u"daten/fotos/*.*"_s)}, true}, {u"/media/"_s, {media + u"*.***"_s}, true},
      {media, {media + u"a.txt"_s}, true}, {u"/media/stick/Dat/"_s, {media + u"a.txt"_s}, false}, {u"/media/sicherung/"_s, {media + u"*.*"_s}, false},
  };
  for (const auto& f : faelle) EXPECT_EQ(leerenVerweigert(f.ziel, f.quellen).has_value(), f.verweigert) << f.ziel.toStdString();
}
