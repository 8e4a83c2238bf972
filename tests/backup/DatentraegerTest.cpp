// Drives that come and go: mounts in this program's own mount namespace
// (CTest starts it under "unshare -m" as root), all gone with it.
#include "LaufUmgebung.h"

#include <QFile>

#include <sys/mount.h>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

// A fresh tmpfs at wo, or the file von bound over it.
static void einhaengen(const QString& wo, const QString& von = {}) {
  ASSERT_EQ(::mount(von.isEmpty() ? "stick" : QFile::encodeName(von).constData(), QFile::encodeName(wo).constData(),
                    "tmpfs", von.isEmpty() ? 0 : MS_BIND, "size=4m"), 0) << wo.toStdString();
}

class DatentraegerTest : public test::LaufUmgebung {};

TEST_F(DatentraegerTest, FehlenderDatentraegerWirdNieDurchDieLokalePlatteErsetzt) {
  if (QFile::symLinkTarget(u"/proc/self/ns/mnt"_s) == QFile::symLinkTarget(u"/proc/1/ns/mnt"_s))
    GTEST_SKIP() << "nur in einem eigenen Mount-Namensraum (unshare -m als root)";
  einhaengen(u"/media"_s);
  const QString stick = u"/media/mein stick"_s, ziel = stick + u"/Sicherung/"_s;  // a blank is \040 in the mount table
  QDir().mkpath(stick);
  einhaengen(stick);
  datei(u"quelle/Daten/a.txt"_s), datei(u"quelle/Daten/b/c.txt"_s);
  lauf({pfad(u"quelle/Daten/*.***"_s)}, ImmerUeberschreiben, ziel);
  // The Trash refuses such a drive: twenty reasons logged at most, the task red.
  for (int i = 0; i < 21; ++i) test::schreibeDatei(ziel + u"alt%1"_s.arg(i), "x");
  host.aufgaben.at(0).zielLeeren = true;
  lauf();
  const QStringList fehler = fehlerZeilen();
  EXPECT_EQ(std::tuple(fehler.filter(u" nicht entfernt: Trashing on system internal mounts is not supported"_s).size(),
                       fehler.last(), host.lampen.last().second, test::alleEintraege(ziel).size()),
            std::tuple(20, u"… und 2 weitere"_s, false, 22));

  // Pulled: nothing is created, copied or cleared below the empty folder.
  ASSERT_EQ(::umount2("/media/mein stick", 0), 0);
  lauf();
  const QString fehlt = u"Zielverzeichnis "_s + ziel + u" liegt nicht auf dem erwarteten Datenträger ("_s + stick +
                        u"). Ist er angeschlossen?"_s;
  const auto nichtsUndFehlt = std::tuple(QByteArrayList{}, QStringList{u"    => Error, "_s + fehlt});
  EXPECT_EQ(std::tuple(finde(stick), fehlerZeilen()), nichtsUndFehlt);
  EXPECT_EQ(std::tuple(host.fehlschlaege.last(), host.lampen.last().second), std::tuple(std::tuple(0, fehlt, true), false));

  // Another stick with the same label at the same place will do.
  einhaengen(stick);
  host.aufgaben.at(0).zielLeeren = false;
  lauf();
  EXPECT_EQ(fehlerZeilen(), QStringList()) << "the same place and file-system type count as the remembered drive";

  // Pulled during the run: its files are counted, not saved elsewhere.
  host.beimNachgeben = [] { ::umount2("/media/mein stick", MNT_DETACH); };
  lauf();
  EXPECT_EQ(std::tuple(finde(stick), fehlerZeilen()), nichtsUndFehlt);
  EXPECT_TRUE(hat(6, u"... von 2 Datei(en) wurden 0 Datei(en) Fehlerfrei verarbeitet"_s));

  // No drive known yet: no new target in an empty folder where a drive belongs, until the user creates it.
  host.beimNachgeben = nullptr;
  store->remove(u"Datentraeger"_s, u"Ziel0"_s);  // as after saving a new target
  QDir().mkpath(u"/media/STICK"_s);
  lauf({datei(u"quelle/a.txt"_s)}, ImmerUeberschreiben, u"/media/STICK/Sicherung/"_s);
  EXPECT_EQ(std::tuple(finde(u"/media/STICK"_s), fehlerZeilen()), std::tuple(QByteArrayList{}, QStringList{u"    => Error, Zielverzeichnis "
      u"/media/STICK/Sicherung/ wird nicht angelegt, /media/STICK scheint ein nicht eingehängter Datenträger zu sein"_s}));
  QDir().mkpath(u"/media/STICK/Sicherung"_s);
  lauf();
  EXPECT_EQ(finde(u"/media/STICK"_s), (QByteArrayList{"d Sicherung", "f Sicherung/a.txt"}));
}
