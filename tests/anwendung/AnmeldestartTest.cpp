// The start-at-login item writes and removes the autostart entry; its mark follows it.
#include "Anwendung.h"
#include "desktop/Anmeldestart.h"
#include "platform/Dialoge.h"
#include "platform/Fehlertext.h"
#include "platform/Kindprozess.h"
#include "support/TestUmgebung.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QProcess>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

class Anmeldestart : public test::FrischeUmgebung, public Dialoge {
 protected:
  Antwort zeige(const Meldung& meldung) override { return gezeigt.append(meldung), Antwort::Ok; }
  QAction* einbauen() { return anmeldestartEinbauen(*nachbar, zeile, *this); }
  QString ordner() const { return pfad(u"home/.config/autostart"_s); }
  QString datei() const { return ordner() + u'/' + QString::fromUtf16(anwendung::kId) + u".desktop"_s; }
  void eintragen(const QByteArray& zusatz = {}) { test::schreibeDatei(datei(), "[Desktop Entry]\nExec=x\n" + zusatz); }

  QMenu menue;
  QAction* nachbar = menue.addAction(u"Bewahrix minimiert Starten"_s);
  QAction* danach = menue.addAction(u"Bewahrix mit ALT+S in den Vordergrund"_s);
  QLabel zeile;
  QList<Meldung> gezeigt;
};

TEST_F(Anmeldestart, HakenLegtDenEintragAnEntferntNurIhnUndFolgtIhm) {
  QAction* punkt = einbauen();
  EXPECT_EQ(menue.actions(), (QList<QAction*>{nachbar, punkt, danach}));
  EXPECT_FALSE(punkt->isChecked());
  test::schreibeDatei(ordner() + u"/anderes.desktop"_s, "[Desktop Entry]\n");
  punkt->trigger();
  const QByteArray eintrag = test::leseDatei(datei());
  EXPECT_TRUE(eintrag.contains("\nExec=" + QFile::encodeName(QCoreApplication::applicationFilePath()) + '\n'));
  EXPECT_EQ(QProcess::execute(u"desktop-file-validate"_s, {datei()}), 0) << eintrag.toStdString();
  EXPECT_TRUE(punkt->isChecked() && einbauen()->isChecked());
  QFile::remove(datei());  // removed in the desktop's settings meanwhile
  emit menue.aboutToShow();
  EXPECT_FALSE(punkt->isChecked());
  eintragen("Hidden=true\n");  // switched off there
  EXPECT_FALSE(einbauen()->isChecked());
  punkt->setChecked(true);
  punkt->trigger();
  EXPECT_EQ(QDir(ordner()).entryList(QDir::Files), QStringList{u"anderes.desktop"_s});
  EXPECT_TRUE(gezeigt.isEmpty());
}

TEST_F(Anmeldestart, SchreibgeschuetzterOrdnerWarntUndDerHakenStimmt) {
  ::chmod(QFile::encodeName(pfad(QString())).constData(), 0711);
  for (const bool vorhanden : {false, true}) {
    SCOPED_TRACE(vorhanden ? "Eintrag vorhanden" : "kein Eintrag");
    if (vorhanden) eintragen();
    ASSERT_TRUE(QDir().mkpath(ordner()));
    ::chmod(QFile::encodeName(ordner()).constData(), 0555);
    // Root writes anyway: then the click runs as nobody.
    const Status geprueft = test::imKindprozess(
        [&]() -> Status {
          QAction* punkt = einbauen();
          punkt->trigger();
          const Meldung m = gezeigt.value(0);
          if (punkt->isChecked() != vorhanden) return Fehler{0, u"der Haken lügt"_s};
          if (gezeigt.size() != 1 || m.symbol != Symbol::Ausrufezeichen || !m.text.contains(datei()) ||
              !m.text.endsWith(fehlertext(EACCES)))
            return Fehler{0, u"statt einer Warnung mit Datei und Grund: "_s + m.text};
          return erfolg();
        },
        test::brauchtAnderenBenutzer());
    ::chmod(QFile::encodeName(ordner()).constData(), 0755);
    EXPECT_TRUE(geprueft.ok()) << geprueft.fehler().text.toStdString();
    EXPECT_EQ(QFile::exists(datei()), vorhanden);
  }
}

}  // namespace
