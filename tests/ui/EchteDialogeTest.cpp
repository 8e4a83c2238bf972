// The real message boxes, opened over the main window.

#include "support/SaverUmgebung.h"

#include "ui/QtDialoge.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>

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

}  // namespace

TEST_F(EchteDialoge, ZeigenDieMeldungUndGebenDieAntwortZurueck) {
  const Meldung jaNein = frage(u"Sind Sie sicher?"_s, u"Löschen"_s);
  const Meldung jaNeinJa{u"Weiter?"_s, u"Löschen"_s, Symbol::Frage, Knoepfe::JaNeinAbbrechen, Antwort::Ja};
  const Meldung okAbbrechen{u"Drucken?"_s, u"Bewahrix"_s, Symbol::Ausrufezeichen, Knoepfe::OkAbbrechen};
  const MB::StandardButtons jn = MB::Yes | MB::No;
  const std::tuple<const char*, Meldung, int, Antwort, MB::Icon, MB::StandardButtons> faelle[] = {
      {"Ja geklickt", jaNein, MB::Yes, Antwort::Ja, MB::Question, jn},
      {"Eingabe nimmt den Standard Nein", jaNein, Qt::Key_Return, Antwort::Nein, MB::Question, jn},
      {"Escape sagt Nein", jaNein, Qt::Key_Escape, Antwort::Nein, MB::Question, jn},
      {"Eingabe nimmt den Standard Ja", jaNeinJa, Qt::Key_Return, Antwort::Ja, MB::Question, jn | MB::Cancel},
      {"Escape bricht ab", jaNeinJa, Qt::Key_Escape, Antwort::Abbrechen, MB::Question, jn | MB::Cancel},
      {"Escape bei Ok bricht ab", okAbbrechen, Qt::Key_Escape, Antwort::Abbrechen, MB::Warning, MB::Ok | MB::Cancel},
      {"Hinweis mit Escape bestätigt", information(u"Schon da"_s), Qt::Key_Escape, Antwort::Ok, MB::Information, MB::Ok},
      {"Fehler", {u"Fehler beim Start"_s, u"Bewahrix"_s, Symbol::Kritisch}, MB::Ok, Antwort::Ok, MB::Critical, MB::Ok},
      // Plain text: angle brackets are no markup.
      {"ohne Symbol, Text wie geschrieben", {u"<Ende, Manueller Start> <b>nicht fett</b>"_s, u"Bewahrix"_s},
       kSchliessen, Antwort::Ok, MB::NoIcon, MB::Ok},
  };
  for (const auto& [name, meldung, handlung, antwort, symbol, knoepfe] : faelle) {
    SCOPED_TRACE(name);
    Gesehen g;
    EXPECT_EQ(zeigeUndBeantworte(&saver, meldung, handlung, g), antwort);
    EXPECT_EQ(g, Gesehen(meldung.text, meldung.titel, symbol, knoepfe, &saver, Qt::PlainText));
  }
  QDialog modal;
  modal.open();
  ASSERT_EQ(QApplication::activeModalWidget(), &modal);
  Gesehen g;
  zeigeUndBeantworte(&saver, information(u"Diese Datei ist bereits eingetragen."_s), MB::Ok, g);
  // The box belongs to the window it is asked from.
  EXPECT_EQ(std::get<QWidget*>(g), &modal);
}
