#include "ui/Dateiwahl.h"

#include "support/SkriptDialoge.h"  // readable QStrings in failures
#include "support/TestUmgebung.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

class Dateiwahl : public test::FrischeUmgebung {
 protected:
  // Runs handlung on the open dialog once it is shown.
  static void beimOeffnen(const std::function<void(QFileDialog&)>& handlung) {
    QTimer::singleShot(0, qApp, [handlung] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) {
        ADD_FAILURE() << "no file dialog";
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
        return;
      }
      handlung(*dialog);
    });
  }
};

TEST_F(Dateiwahl, QuellordnerMitStatuszeile) {
  const QString start = pfad(u"Daten"_s);
  QDir().mkpath(start + u"/Fotos"_s);
  QString titel;
  QString status;
  beimOeffnen([&](QFileDialog& d) {
    titel = d.windowTitle();
    if (auto* zeile = d.findChild<QLabel*>(u"Statuszeile"_s)) status = zeile->text();
    d.selectFile(start + u"/Fotos"_s);
    static_cast<QDialog&>(d).accept();  // the dialog checks the choice as on "Öffnen"
  });
  EXPECT_EQ(quellordnerWaehlen(nullptr, u"Suche eines Quellverzeichnisses"_s, start), start + u"/Fotos"_s);
  EXPECT_EQ(titel, u"Suche eines Quellverzeichnisses"_s);
  EXPECT_EQ(status, u"Sie haben "_s + start + u" gewählt."_s);

  beimOeffnen([](QFileDialog& d) { d.reject(); });
  EXPECT_EQ(quellordnerWaehlen(nullptr, u"Suche eines Quellverzeichnisses"_s, start), QString());
}

TEST_F(Dateiwahl, DateiMitIhrenFiltern) {
  const QString datei = pfad(u"Brief an Jörg.txt"_s);
  test::schreibeDatei(datei, "x");
  const DateiSuche suche{u"Datei suchen"_s, home(), {u"alle Dateien (*)"_s, u"Textdateien (txt,doc) (*.txt *.doc)"_s}};
  QStringList filter;
  beimOeffnen([&](QFileDialog& d) {
    filter = d.nameFilters();
    d.selectFile(datei);
    static_cast<QDialog&>(d).accept();  // the dialog checks the choice as on "Öffnen"
  });
  EXPECT_EQ(dateiWaehlen(nullptr, suche), datei);
  EXPECT_EQ(filter, suche.filter);

  beimOeffnen([](QFileDialog& d) { d.reject(); });
  EXPECT_EQ(dateiWaehlen(nullptr, suche), QString());
}

}  // namespace
