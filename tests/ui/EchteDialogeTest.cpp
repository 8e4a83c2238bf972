// The real message boxes and file dialogs, opened over the main window.

#include "support/SaverUmgebung.h"

#include "ui/Dateiwahl.h"
#include "ui/QtDialoge.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

#include <functional>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

using MB = QMessageBox;
using EchteDialoge = test::SaverUmgebung;
constexpr int kSchliessen = 0;

// What the open box showed.
using Gesehen = std::tuple<QString, QString, MB::Icon, MB::StandardButtons, QWidget*, Qt::TextFormat>;

// Notes what the box shows and answers: a click on the button, the key, or kSchliessen.
Antwort zeigeUndBeantworte(QWidget* fenster, const Meldung& meldung, int handlung, Gesehen& g) {
  QTimer warte;
  QObject::connect(&warte, &QTimer::timeout, &warte, [&] {
    auto* box = qobject_cast<MB*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    warte.stop();
    g = {box->text(), box->windowTitle(), box->icon(), box->standardButtons(), box->parentWidget(), box->textFormat()};
    if (handlung == kSchliessen) box->close();
    else if (handlung >= Qt::Key_Escape) QTest::keyClick(box, Qt::Key(handlung));
    else if (QAbstractButton* b = box->button(MB::StandardButton(handlung))) b->click();
    else box->done(-1);  // the box would hang otherwise; the answer shows it
  });
  warte.start(5);
  return QtDialoge(fenster).zeige(meldung);
}

// Runs handlung on the open dialog once it is shown.
void beimOeffnen(const std::function<void(QFileDialog&)>& handlung) {
  QTimer::singleShot(0, qApp, [handlung] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (dialog != nullptr) return handlung(*dialog);
    ADD_FAILURE() << "no file dialog";
    if (QWidget* w = QApplication::activeModalWidget()) w->close();
  });
}

// Picks pfad as "Öffnen" does.
std::function<void(QFileDialog&)> waehle(const QString& pfad) {
  return [pfad](QFileDialog& d) {
    d.selectFile(pfad);
    static_cast<QDialog&>(d).accept();
  };
}

}  // namespace

TEST_F(EchteDialoge, ZeigenDieMeldungUndGebenDieAntwortZurueck) {
  const Meldung jaNein = frage(u"Sind Sie sicher?"_s, u"Löschen"_s);
  const Meldung jaNeinJa{u"Weiter?"_s, u"Löschen"_s, Symbol::Frage, Knoepfe::JaNeinAbbrechen, Antwort::Ja};
  const Meldung okAbbrechen{u"Drucken?"_s, u"Bewahrix"_s, Symbol::Ausrufezeichen, Knoepfe::OkAbbrechen};
  const Meldung kritisch{u"Fehler beim Startvorgang. "_s, u"Bewahrix"_s, Symbol::Kritisch};
  const Meldung schlicht{u"<Ende, Manueller Start> <b>nicht fett</b>"_s, u"Bewahrix"_s, Symbol::Keins};
  const MB::StandardButtons jn = MB::Yes | MB::No;
  const std::tuple<const char*, Meldung, int, Antwort, MB::Icon, MB::StandardButtons> faelle[] = {
      {"Ja geklickt", jaNein, MB::Yes, Antwort::Ja, MB::Question, jn},
      {"Eingabe nimmt den Standard Nein", jaNein, Qt::Key_Return, Antwort::Nein, MB::Question, jn},
      {"Escape sagt Nein", jaNein, Qt::Key_Escape, Antwort::Nein, MB::Question, jn},
      {"Eingabe nimmt den Standard Ja", jaNeinJa, Qt::Key_Return, Antwort::Ja, MB::Question, jn | MB::Cancel},
      {"Escape bricht ab", jaNeinJa, Qt::Key_Escape, Antwort::Abbrechen, MB::Question, jn | MB::Cancel},
      {"Escape bei Ok bricht ab", okAbbrechen, Qt::Key_Escape, Antwort::Abbrechen, MB::Warning, MB::Ok | MB::Cancel},
      {"Hinweis mit Escape bestätigt", information(u"Eintrag schon vorhanden"_s), Qt::Key_Escape, Antwort::Ok,
       MB::Information, MB::Ok},
      {"Fehler", kritisch, MB::Ok, Antwort::Ok, MB::Critical, MB::Ok},
      {"ohne Symbol, Text wie geschrieben", schlicht, kSchliessen, Antwort::Ok, MB::NoIcon, MB::Ok},
  };
  for (const auto& [name, meldung, handlung, antwort, symbol, knoepfe] : faelle) {
    SCOPED_TRACE(name);
    Gesehen g;
    EXPECT_EQ(zeigeUndBeantworte(&saver, meldung, handlung, g), antwort);
    // Plain text: angle brackets are no markup.
    EXPECT_EQ(g, Gesehen(meldung.text, meldung.titel, symbol, knoepfe, &saver, Qt::PlainText));
  }
  QDialog modal;
  modal.setModal(true);
  modal.show();
  ASSERT_EQ(QApplication::activeModalWidget(), &modal);
  Gesehen g;
  zeigeUndBeantworte(&saver, information(u"Diese Datei ist bereits eingetragen."_s), MB::Ok, g);
  // The box belongs to the window it is asked from.
  EXPECT_EQ(std::get<QWidget*>(g), &modal);
}

TEST_F(EchteDialoge, QuellordnerUndDateiGewaehltOderAbgebrochen) {
  const QString start = pfad(u"Daten"_s), datei = pfad(u"Brief an Jörg.txt"_s);
  QDir().mkpath(start + u"/Fotos"_s);
  test::schreibeDatei(datei, "x");
  const DateiSuche suche{u"Datei suchen"_s, home(), {u"alle Dateien (*)"_s}};
  beimOeffnen(waehle(start + u"/Fotos"_s));
  EXPECT_EQ(quellordnerWaehlen(&saver, suche.titel, start), start + u"/Fotos"_s);
  beimOeffnen(waehle(datei));
  EXPECT_EQ(dateiWaehlen(&saver, suche), datei);
  const auto abbrechen = [](QFileDialog& d) { d.reject(); };  // cancelled: nothing chosen
  beimOeffnen(abbrechen);
  EXPECT_EQ(quellordnerWaehlen(&saver, suche.titel, start), QString());
  beimOeffnen(abbrechen);
  EXPECT_EQ(dateiWaehlen(&saver, suche), QString());
}
