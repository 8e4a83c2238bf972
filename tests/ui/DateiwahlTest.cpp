#include "support/SaverUmgebung.h"

#include "ui/Dateiwahl.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QTimer>

#include <functional>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

using EchteDateiwahl = test::SaverUmgebung;

// Runs handlung on the open dialog once it is shown.
void beimOeffnen(const std::function<void(QFileDialog&)>& handlung) {
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

// Picks pfad as on "Öffnen" (the dialog checks the choice) and notes the
// title and the status line or else the file filters.
std::function<void(QFileDialog&)> waehle(const QString& pfad, QStringList& gesehen) {
  return [pfad, &gesehen](QFileDialog& d) {
    const auto* zeile = d.findChild<QLabel*>(u"Statuszeile"_s);
    gesehen << d.windowTitle() << (zeile ? zeile->text() : d.nameFilters().join(u'|'));
    d.selectFile(pfad);
    static_cast<QDialog&>(d).accept();
  };
}

}  // namespace

TEST_F(EchteDateiwahl, QuellordnerMitStatuszeileUndDateiMitFiltern) {
  const QString start = pfad(u"Daten"_s);
  QDir().mkpath(start + u"/Fotos"_s);
  QStringList gesehen;
  beimOeffnen(waehle(start + u"/Fotos"_s, gesehen));
  EXPECT_EQ(quellordnerWaehlen(&saver, u"Suche eines Quellverzeichnisses"_s, start), start + u"/Fotos"_s);
  EXPECT_EQ(gesehen, (QStringList{u"Suche eines Quellverzeichnisses"_s, u"Sie haben "_s + start + u" gewählt."_s}));

  const QString datei = pfad(u"Brief an Jörg.txt"_s);
  test::schreibeDatei(datei, "x");
  const DateiSuche suche{u"Datei suchen"_s, home(), {u"alle Dateien (*)"_s, u"Textdateien (txt,doc) (*.txt *.doc)"_s}};
  gesehen.clear();
  beimOeffnen(waehle(datei, gesehen));
  EXPECT_EQ(dateiWaehlen(&saver, suche), datei);
  EXPECT_EQ(gesehen, (QStringList{suche.titel, suche.filter.join(u'|')}));

  // Cancelled: nothing chosen.
  beimOeffnen([](QFileDialog& d) { d.reject(); });
  EXPECT_EQ(quellordnerWaehlen(&saver, suche.titel, start), QString());
  beimOeffnen([](QFileDialog& d) { d.reject(); });
  EXPECT_EQ(dateiWaehlen(&saver, suche), QString());
}
