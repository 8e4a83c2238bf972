// Drives that come and go: mounts in this program's own mount namespace
// (CTest starts it under "unshare -m" as root), all gone with it.
#include "LaufUmgebung.h"

#include <QDir>
#include <QFile>

#include <sys/mount.h>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

// The real file system; the stick is pulled after the next copy.
struct Abziehen final : PosixDateisystem {
  QByteArray stick;
  Status kopieren(const QString& quelle, const QString& ziel, const Fortschritt& f) override {
    const Status kopiert = PosixDateisystem::kopieren(quelle, ziel, f);
    if (!stick.isEmpty()) ::umount2(std::exchange(stick, {}).constData(), MNT_DETACH);
    return kopiert;
  }
};

struct DatentraegerTest : test::LaufUmgebung {
  // A fresh tmpfs at wo, or the file von bound over it.
  static void einhaengen(const QString& wo, const QString& von = {}) {
    ASSERT_EQ(::mount(von.isEmpty() ? "stick" : QFile::encodeName(von).constData(), QFile::encodeName(wo).constData(),
                      "tmpfs", von.isEmpty() ? 0 : MS_BIND, "size=4m"), 0) << wo.toStdString();
  }
};

TEST_F(DatentraegerTest, FehlenderDatentraegerWirdNieDurchDieLokalePlatteErsetzt) {
  if (QFile::symLinkTarget(u"/proc/self/ns/mnt"_s) == QFile::symLinkTarget(u"/proc/1/ns/mnt"_s))
    GTEST_SKIP() << "nur in einem eigenen Mount-Namensraum (unshare -m als root)";
  einhaengen(u"/media"_s);
  const QString stick = u"/media/mein stick"_s, ziel = stick + u"/Sicherung/"_s;  // a blank is \040 in the mount table
  QDir().mkpath(stick);
  einhaengen(stick);
  datei(u"quelle/Daten/a.txt"_s), datei(u"quelle/Daten/b/c.txt"_s);
  aufgabe(0, {pfad(u"quelle/Daten/*.***"_s)}, ImmerUeberschreiben, ziel);
  lauf();
  // The Trash refuses such a drive: twenty reasons logged at most, the task red.
  for (int i = 0; i < 21; ++i) test::schreibeDatei(ziel + u"alt%1"_s.arg(i), "x");
  host.aufgaben.at(0).zielLeeren = true;
  lauf();
  const QStringList grund = fehlerZeilen().filter(u"    => Error, "_s + ziel).filter(
      u" nicht entfernt: Trashing on system internal mounts is not supported"_s);
  EXPECT_EQ(std::tuple(grund.size(), fehlerZeilen().last(), host.lampen.last().second, test::alleEintraege(ziel).size()),
            std::tuple(20, u"… und 2 weitere"_s, false, 22));

  // Pulled: nothing is created, copied or cleared below the empty folder.
  ASSERT_EQ(::umount2("/media/mein stick", 0), 0);
  lauf();
  const QString fehlt = u"Zielverzeichnis "_s + ziel + u" liegt nicht auf dem erwarteten Datenträger ("_s + stick +
                        u"). Ist er angeschlossen?"_s;
  const auto nichtsUndFehlt = std::tuple(QStringList{}, QStringList{u"    => Error, "_s + fehlt});
  EXPECT_EQ(std::tuple(finde(stick), fehlerZeilen()), nichtsUndFehlt);
  EXPECT_EQ(std::tuple(host.fehlschlaege.last(), host.lampen.last().second), std::tuple(std::tuple(0, fehlt, true), false));

  // Another stick with the same label at the same place will do.
  einhaengen(stick);
  host.aufgaben.at(0).zielLeeren = false;
  lauf();
  EXPECT_EQ(finde(ziel), (QStringList{u"d Daten"_s, u"d Daten/b"_s, u"f Daten/a.txt"_s, u"f Daten/b/c.txt"_s}));

  // Pulled during the run: the file after it is counted, not saved elsewhere.
  auto* fs = new Abziehen;
  nimm(std::unique_ptr<Dateisystem>(fs));
  fs->stick = "/media/mein stick";
  lauf();
  EXPECT_EQ(std::tuple(finde(stick), fehlerZeilen()), nichtsUndFehlt);
  EXPECT_TRUE(hat(6, u"... von 2 Datei(en) wurden 1 Datei(en) Fehlerfrei verarbeitet"_s));

  // No drive known yet: no new target in an empty folder where a drive belongs, until the user creates it.
  const QString nas = pfad(u"mein nas"_s);
  einhaengen(u"/etc/fstab"_s, datei(u"fstab"_s, "//server/teil " + QFile::encodeName(nas).replace(" ", "\\040") + " cifs noauto 0 0\n"));
  for (const QString& ordner : {u"/media/STICK"_s, nas}) {
    QDir().mkpath(ordner);
    store->remove(u"Datentraeger"_s, u"Ziel0"_s);  // as after saving a new target
    aufgabe(0, {datei(u"quelle/a.txt"_s)}, ImmerUeberschreiben, ordner + u"/Sicherung/"_s);
    lauf();
    EXPECT_EQ(std::tuple(finde(ordner), fehlerZeilen()), std::tuple(QStringList{}, QStringList{u"    => Error, Zielverzeichnis "_s + ordner +
        u"/Sicherung/ wird nicht angelegt, "_s + ordner + u" scheint ein nicht eingehängter Datenträger zu sein"_s}));
    QDir().mkpath(ordner + u"/Sicherung"_s);
    lauf();
    EXPECT_EQ(finde(ordner), (QStringList{u"d Sicherung"_s, u"f Sicherung/a.txt"_s}));
  }
}
