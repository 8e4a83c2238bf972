#include "LaufUmgebung.h"

#include "backup/DateienLoeschen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

const test::Zeile kGeleert{8, u"    Zielverzeichnis vorm Kopiervorgang erfolgreich geleert"_s};
const test::Zeile kNichtGeleert{8, u"    Zielverzeichnis wurde nicht oder nur Teilweise geleert"_s};

// GLib reads the data directory once per process: all tests share one Trash, with paths of their own.
QString gemeinsameDaten() { static QTemporaryDir ordner; return ordner.path(); }

QString papierkorbListe() {
  QProcess gio;
  gio.start(u"dbus-run-session"_s, {u"--"_s, u"gio"_s, u"trash"_s, u"--list"_s});
  return gio.waitForFinished(20000) ? QString::fromUtf8(gio.readAllStandardOutput()) : QString();
}

}  // namespace

class LeerenTest : public test::LaufUmgebung {
 protected:
  void SetUp() override {
    LaufUmgebung::SetUp();
    qputenv("XDG_DATA_HOME", QFile::encodeName(gemeinsameDaten()));
  }
  void leerenderLauf(const QString& zielOrdner, bool papierkorb = false, const QStringList& quellen = {}) {
    aufgabe(0, quellen.isEmpty() ? QStringList{datei(u"quelle/neu.txt"_s)} : quellen, ImmerUeberschreiben, zielOrdner);
    host.aufgaben.at(0).zielLeeren = true;
    host.aufgaben.at(0).papierkorb = papierkorb;
    lauf();
  }
};

TEST_F(LeerenTest, EndgueltigOderWiederherstellbarImPapierkorb) {
  for (const bool papierkorb : {false, true}) {
    SCOPED_TRACE(papierkorb ? "Papierkorb" : "endgültig");  // first: the shared Trash must not hold it yet
    for (const QString& name : {u"alte Datei ä.txt"_s, u".versteckt"_s, u"Unterordner mit Leer/x.txt"_s}) datei(u"ziel/"_s + name);
    ::close(::open(QFile::encodeName(ziel() + u"roh "_s).append("\xe9").constData(), O_WRONLY | O_CREAT, 0644));
    datei(u"draussen/wichtig.txt"_s, "bleibt");
    test::verknuepfe(pfad(u"draussen/wichtig.txt"_s), ziel() + u"verweis"_s);
    test::verknuepfe(pfad(u"draussen"_s), ziel() + u"Unterordner mit Leer/ordnerverweis"_s);
    leerenderLauf(ziel(), papierkorb);
    EXPECT_TRUE(logbuch->zeilen.contains(kGeleert));
    EXPECT_EQ(std::tuple(test::alleEintraege(ziel()), test::leseDatei(pfad(u"draussen/wichtig.txt"_s))),
              std::tuple(QStringList{u"neu.txt"_s}, "bleibt"_ba));
    const QString liste = papierkorbListe();
    // gio escapes bytes outside ASCII: the ASCII names stand for all.
    for (const QString& name : {QString(), u".versteckt"_s, u"Unterordner mit Leer"_s, u"roh "_s})
      EXPECT_EQ(liste.contains(ziel() + name), papierkorb) << liste.toStdString();
  }
}

// A target holding a source, the logbook or the settings is refused and untouched.
TEST_F(LeerenTest, GefaehrlicheZieleWerdenNieGeleert) {
  datei(u"quelle/Daten/a.txt"_s, "Original");
  const QString einstellungen = store->dateipfad();
  QDir().mkpath(ziel() + u"log"_s);
  store->write(u"LogBuch"_s, u"Pfad"_s, ziel() + u"log/"_s);
  const QString logbuchDatei = logbuch->dateipfad();
  logbuch->eintrag(u"vorher"_s, 7);
  const struct { QString ziel, quelle, grund; } faelle[] = {
      {pfad(u"quelle/"_s), pfad(u"quelle/Daten/a.txt"_s), u"die Quelle "_s + pfad(u"quelle/Daten/a.txt"_s)},
      {ziel(), {}, u"das Logbuch "_s + logbuchDatei},
      {home() + u".config/"_s, {}, u"die Einstellungsdatenbank "_s + einstellungen},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.grund.toStdString());
    leerenderLauf(f.ziel, false, f.quelle.isEmpty() ? QStringList{} : QStringList{f.quelle});
    EXPECT_TRUE(logbuch->zeilen.contains(kNichtGeleert));
    EXPECT_EQ(fehlerZeilen(), QStringList{u"    => Error, Zielverzeichnis "_s + f.ziel + u" wird nicht geleert: "_s +
                                        f.grund + u" liegt darin"_s});
    EXPECT_EQ(host.lampen.last(), (test::Lampe{0, false}));
  }
  EXPECT_EQ(test::leseDatei(pfad(u"quelle/Daten/a.txt"_s)), "Original");
  EXPECT_TRUE(QFileInfo::exists(logbuchDatei));
  EXPECT_EQ(SettingsStore(schluessel::anwendung()).read(u"LogBuch"_s, u"Pfad"_s, QString()), ziel() + u"log/"_s);
}

TEST_F(LeerenTest, VerweigertWurzelHeimatRelativQuellenUndVerweise) {
  test::verknuepfe(u"/"_s, pfad(u"wurzel"_s));
  QDir().mkpath(pfad(u"daten/fotos"_s));
  test::verknuepfe(pfad(u"daten"_s), pfad(u"anders"_s));
  const QString media = u"/media/stick/Daten/"_s;
  const struct { QString ziel; QStringList quellen; bool verweigert; } faelle[] = {
      {u"/"_s, {}, true}, {u"//"_s, {}, true}, {u"sicherung/"_s, {}, true}, {QString(), {}, true}, {home(), {}, true},
      {QFileInfo(home().chopped(1)).path() + u"/"_s, {}, true}, {u"/media/"_s, {media + u"*.***"_s}, true},
      {media, {media + u"a.txt"_s}, true}, {u"/media/stick/Dat/"_s, {media + u"a.txt"_s}, false},
      {u"/media/sicherung/"_s, {media + u"*.*"_s}, false}, {pfad(u"wurzel/"_s), {}, true},
      {pfad(u"anders/"_s), {pfad(u"daten/fotos/*.*"_s)}, true},
  };
  for (const auto& f : faelle) EXPECT_EQ(leerenVerweigert(f.ziel, f.quellen).has_value(), f.verweigert) << f.ziel.toStdString();
}
