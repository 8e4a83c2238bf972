#include "LaufUmgebung.h"

#include "backup/DateienLoeschen.h"
#include "store/Datensaetze.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>


using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

const test::Zeile kGeleert{8, u"    Zielverzeichnis vorm Kopiervorgang erfolgreich geleert"_s};
const test::Zeile kNichtGeleert{8, u"    Zielverzeichnis wurde nicht oder nur Teilweise geleert"_s};

// GLib reads the data directory once per process, so every test of this
// program shares one Trash; the paths in it are unique to each test.
const QString& gemeinsameDaten() {
  static QTemporaryDir ordner;
  static const QString pfad = ordner.path();
  return pfad;
}

// gio prints bytes outside printable ASCII as \\xHH and doubles a backslash.
QString ausGio(const QByteArray& zeile) {
  QByteArray bytes;
  for (qsizetype i = 0; i < zeile.size(); ++i) {
    if (zeile.at(i) == '\\' && i + 1 < zeile.size() && zeile.at(i + 1) == '\\') {
      bytes.append('\\');
      ++i;
    } else if (zeile.at(i) == '\\' && i + 3 < zeile.size() && zeile.at(i + 1) == 'x') {
      bytes.append(static_cast<char>(zeile.mid(i + 2, 2).toInt(nullptr, 16)));
      i += 3;
    } else {
      bytes.append(zeile.at(i));
    }
  }
  return QString::fromUtf8(bytes);
}

// A desktop without any Trash: every move there fails.
class OhnePapierkorb final : public Entferner {
 public:
  Status inDenPapierkorb(const QString&) override { return Fehler{0, u"kein Papierkorb"_s}; }
  Status endgueltigLoeschen(const QString& pfad) override { return echt_.endgueltigLoeschen(pfad); }

 private:
  SystemEntferner echt_;
};


}  // namespace

class LeerenTest : public test::LaufUmgebung {
 protected:
  void SetUp() override {
    LaufUmgebung::SetUp();
    qputenv("XDG_DATA_HOME", QFile::encodeName(gemeinsameDaten()));
  }
  // A target with files, a hidden file, a subtree and a link to outside.
  void alteSicherung() {
    datei(u"ziel/alte Datei ä.txt"_s);
    datei(u"ziel/.versteckt"_s);
    datei(u"ziel/Unterordner mit Leer/x.txt"_s);
    datei(u"draussen/wichtig.txt"_s, "bleibt");
    test::verknuepfe(pfad(u"draussen/wichtig.txt"_s), ziel() + u"verweis"_s);
  }
  void lauf(bool papierkorb) {
    aufgabe(0, {datei(u"quelle/neu.txt"_s)}, ImmerUeberschreiben);
    host.aufgaben.at(0).zielLeeren = true;
    host.aufgaben.at(0).papierkorb = papierkorb;
    sicherung->zustand().automatikLauf = true;
    sicherung->aufgabeKopieren(0);
  }
  QString papierkorbListe() {
    // The Trash as the desktop sees it, through the virtual file system daemon.
    QProcess gio;
    gio.start(u"dbus-run-session"_s, {u"--"_s, u"gio"_s, u"trash"_s, u"--list"_s});
    gio.waitForFinished(20000);
    return ausGio(gio.readAllStandardOutput());
  }
};

TEST_F(LeerenTest, EndgueltigOderWiederherstellbarImPapierkorb) {
  // Final removal first: the Trash is shared and must not hold this target yet.
  for (const bool papierkorb : {false, true}) {
    SCOPED_TRACE(papierkorb ? "Papierkorb" : "endgültig");
    alteSicherung();
    lauf(papierkorb);
    EXPECT_TRUE(logbuch->zeilen.contains(kGeleert));
    EXPECT_EQ(test::alleEintraege(ziel()), QStringList{u"neu.txt"_s});
    EXPECT_EQ(test::leseDatei(pfad(u"draussen/wichtig.txt"_s)), "bleibt");
    const QString liste = papierkorbListe();
    EXPECT_EQ(liste.contains(ziel()), papierkorb) << liste.toStdString();
    for (const QString& name : {u"alte Datei ä.txt"_s, u".versteckt"_s, u"Unterordner mit Leer"_s})
      EXPECT_EQ(liste.contains(ziel() + name), papierkorb) << liste.toStdString();
  }
}

TEST_F(LeerenTest, OhnePapierkorbBleibtAllesUndDerLaufMeldetEs) {
  datei(u"ziel/alt.txt"_s);
  entferner = std::make_unique<OhnePapierkorb>();
  sicherungAnlegen();
  lauf(true);
  EXPECT_TRUE(logbuch->zeilen.contains(kNichtGeleert));
  EXPECT_TRUE(QFileInfo::exists(ziel() + u"alt.txt"_s));
  EXPECT_TRUE(QFileInfo::exists(ziel() + u"neu.txt"_s));  // the run goes on
}

TEST_F(LeerenTest, GefaehrlicheZieleWerdenNieGeleert) {
  datei(u"quelle/Daten/a.txt"_s, "Original");
  aufgabe(0, {pfad(u"quelle/Daten/*.***"_s)}, ImmerUeberschreiben);
  store->write(u"SaveZiel"_s, u"Ziel 0"_s, pfad(u"quelle/"_s));
  host.aufgaben.at(0).zielLeeren = true;
  host.aufgaben.at(0).papierkorb = false;
  sicherung->zustand().automatikLauf = true;
  sicherung->aufgabeKopieren(0);
  EXPECT_TRUE(logbuch->zeilen.contains(kNichtGeleert));
  EXPECT_TRUE(logbuch->zeilen.contains(test::Zeile{
      0, u"    => Error, Zielverzeichnis "_s + pfad(u"quelle/"_s) + u" wird nicht geleert: die Quelle "_s +
             pfad(u"quelle/Daten/*.***"_s) + u" liegt darin"_s}));
  EXPECT_EQ(test::leseDatei(pfad(u"quelle/Daten/a.txt"_s)), "Original");
}

TEST_F(LeerenTest, LogbuchUndEinstellungenImZielBleiben) {
  const QString quelle = datei(u"quelle/a.txt"_s);
  const QString einstellungen = store->dateipfad();
  QDir().mkpath(ziel() + u"log"_s);
  store->write(u"LogBuch"_s, u"Pfad"_s, ziel() + u"log/"_s);
  const QString logbuchDatei = logbuch->dateipfad();
  logbuch->eintrag(u"vorher"_s, 7);
  const QList<QPair<QString, QString>> faelle = {
      {ziel(), u"das Logbuch "_s + logbuchDatei},
      {home() + u".config/"_s, u"die Einstellungsdatenbank "_s + einstellungen}};
  for (const auto& [zielOrdner, was] : faelle) {
    aufgabe(0, {quelle}, ImmerUeberschreiben);
    store->write(u"SaveZiel"_s, u"Ziel 0"_s, zielOrdner);
    host.aufgaben.at(0).zielLeeren = true;
    host.aufgaben.at(0).papierkorb = false;
    sicherung->zustand().automatikLauf = true;
    sicherung->aufgabeKopieren(0);
    EXPECT_TRUE(logbuch->zeilen.contains(test::Zeile{
        0, u"    => Error, Zielverzeichnis "_s + zielOrdner + u" wird nicht geleert: "_s + was + u" liegt darin"_s}));
  }
  EXPECT_TRUE(QFileInfo::exists(logbuchDatei));
  EXPECT_TRUE(QFileInfo::exists(einstellungen));
  EXPECT_EQ(SettingsStore(schluessel::anwendung()).read(u"LogBuch"_s, u"Pfad"_s, QString()), ziel() + u"log/"_s);
}

TEST(LeerenVerweigert, WurzelHeimatRelativUndQuellen) {
  EXPECT_TRUE(leerenVerweigert(u"/"_s, {}).has_value());
  EXPECT_TRUE(leerenVerweigert(u"//"_s, {}).has_value());
  EXPECT_TRUE(leerenVerweigert(u"sicherung/"_s, {}).has_value());
  EXPECT_TRUE(leerenVerweigert(QString(), {}).has_value());
  EXPECT_TRUE(leerenVerweigert(QDir::homePath() + u"/"_s, {}).has_value());
  EXPECT_TRUE(leerenVerweigert(QFileInfo(QDir::homePath()).path() + u"/"_s, {}).has_value());
  EXPECT_TRUE(leerenVerweigert(u"/media/"_s, {u"/media/stick/Daten/*.***"_s}).has_value());
  EXPECT_TRUE(leerenVerweigert(u"/media/stick/Daten/"_s, {u"/media/stick/Daten/a.txt"_s}).has_value());
  EXPECT_FALSE(leerenVerweigert(u"/media/stick/Dat/"_s, {u"/media/stick/Daten/a.txt"_s}).has_value());
  EXPECT_FALSE(leerenVerweigert(u"/media/sicherung/"_s, {u"/media/stick/Daten/*.*"_s}).has_value());
}

class LeerenVerweigertMitVerweis : public test::FrischeUmgebung {};

TEST_F(LeerenVerweigertMitVerweis, VerweisAufDieWurzelOderDieQuelle) {
  test::verknuepfe(u"/"_s, pfad(u"wurzel"_s));
  EXPECT_TRUE(leerenVerweigert(pfad(u"wurzel/"_s), {}).has_value());
  QDir().mkpath(pfad(u"daten/fotos"_s));
  test::verknuepfe(pfad(u"daten"_s), pfad(u"anders"_s));
  EXPECT_TRUE(leerenVerweigert(pfad(u"anders/"_s), {pfad(u"daten/fotos/*.*"_s)}).has_value());
}

class DateienLoeschenTest : public test::FrischeUmgebung {
 protected:
  SystemEntferner entferner;
};

TEST_F(DateienLoeschenTest, SchraegstrichAmEndeLoeschtDasVerzeichnisSelbst) {
  test::schreibeDatei(pfad(u"alt/x.txt"_s), "x");
  test::schreibeDatei(pfad(u"leer/.y"_s), "y");
  EXPECT_TRUE(dateienLoeschen(entferner, {pfad(u"alt/"_s), pfad(u"leer/*.*"_s)}, false));
  EXPECT_FALSE(QFileInfo::exists(pfad(u"alt"_s)));
  EXPECT_TRUE(QFileInfo(pfad(u"leer"_s)).isDir());
  EXPECT_TRUE(test::alleEintraege(pfad(u"leer"_s)).isEmpty());
  EXPECT_TRUE(dateienLoeschen(entferner, {pfad(u"leer/*.*"_s)}, false));  // already empty
  EXPECT_FALSE(dateienLoeschen(entferner, {pfad(u"fehlt/*.*"_s)}, false));
}
