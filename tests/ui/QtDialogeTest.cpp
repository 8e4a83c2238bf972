#include "support/SaverUmgebung.h"

#include "ui/QtDialoge.h"
#include "ui/Zeiger.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <optional>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

using MB = QMessageBox;
using EchteBoxen = test::SaverUmgebung;
enum class Handlung { KlickJa, KlickOk, Escape, Eingabe, Schliessen };

// What the open box showed: text, title, icon, buttons, its parent, the text
// format and the override pointer while it was open.
struct Gesehen {
  QString text, titel;
  MB::Icon symbol = MB::NoIcon;
  MB::StandardButtons knoepfe;
  QWidget* eltern = nullptr;
  Qt::TextFormat format = Qt::AutoText;
  std::optional<Qt::CursorShape> zeiger;
};

// Waits for the box to open, notes what it shows and answers it.
Antwort zeigeUndBeantworte(QWidget* fenster, const Meldung& meldung, Handlung handlung, Gesehen& g) {
  QTimer warte;
  warte.setInterval(5);
  QObject::connect(&warte, &QTimer::timeout, &warte, [&] {
    auto* box = qobject_cast<MB*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    warte.stop();
    g = {box->text(), box->windowTitle(), box->icon(), box->standardButtons(), box->parentWidget(),
         box->textFormat(), std::nullopt};
    if (const QCursor* c = QApplication::overrideCursor()) g.zeiger = c->shape();
    const auto klick = [box](MB::StandardButton k) {
      if (QAbstractButton* b = box->button(k)) b->click();
      else box->done(-1);  // the box would hang otherwise; the answer shows it
    };
    switch (handlung) {
      case Handlung::KlickJa: klick(MB::Yes); break;
      case Handlung::KlickOk: klick(MB::Ok); break;
      case Handlung::Escape: QTest::keyClick(box, Qt::Key_Escape); break;
      case Handlung::Eingabe: QTest::keyClick(box, Qt::Key_Return); break;
      case Handlung::Schliessen: box->close(); break;
    }
  });
  warte.start();
  return QtDialoge(fenster).zeige(meldung);
}

}  // namespace

TEST_F(EchteBoxen, ZeigenDieMeldungUndGebenDieAntwortZurueck) {
  const Meldung jaNein = frage(u"Sind Sie sicher?"_s, u"Löschen"_s);
  const Meldung jaNeinJa{u"Weiter?"_s, u"Löschen"_s, Symbol::Frage, Knoepfe::JaNeinAbbrechen, Antwort::Ja};
  const Meldung okAbbrechen{u"Drucken?"_s, u"Bewahrix"_s, Symbol::Ausrufezeichen, Knoepfe::OkAbbrechen};
  const Meldung kritisch{u"Fehler beim Startvorgang. "_s, u"Bewahrix"_s, Symbol::Kritisch};
  const Meldung schlicht{u"<Ende, Manueller Start> <b>nicht fett</b>"_s, u"Bewahrix"_s, Symbol::Keins};
  const MB::StandardButtons jn = MB::Yes | MB::No;
  const std::tuple<const char*, Meldung, Handlung, Antwort, MB::Icon, MB::StandardButtons> faelle[] = {
      {"Ja geklickt", jaNein, Handlung::KlickJa, Antwort::Ja, MB::Question, jn},
      {"Eingabe nimmt den Standard Nein", jaNein, Handlung::Eingabe, Antwort::Nein, MB::Question, jn},
      {"Escape sagt Nein", jaNein, Handlung::Escape, Antwort::Nein, MB::Question, jn},
      {"Schließen sagt Nein", jaNein, Handlung::Schliessen, Antwort::Nein, MB::Question, jn},
      {"Eingabe nimmt den Standard Ja", jaNeinJa, Handlung::Eingabe, Antwort::Ja, MB::Question, jn | MB::Cancel},
      {"Escape bricht ab", jaNeinJa, Handlung::Escape, Antwort::Abbrechen, MB::Question, jn | MB::Cancel},
      {"Ok geklickt", okAbbrechen, Handlung::KlickOk, Antwort::Ok, MB::Warning, MB::Ok | MB::Cancel},
      {"Escape bei Ok bricht ab", okAbbrechen, Handlung::Escape, Antwort::Abbrechen, MB::Warning, MB::Ok | MB::Cancel},
      {"Hinweis mit Escape bestätigt", information(u"Eintrag schon vorhanden"_s), Handlung::Escape, Antwort::Ok,
       MB::Information, MB::Ok},
      {"Fehler", kritisch, Handlung::KlickOk, Antwort::Ok, MB::Critical, MB::Ok},
      {"ohne Symbol, Text wie geschrieben", schlicht, Handlung::Schliessen, Antwort::Ok, MB::NoIcon, MB::Ok},
  };
  for (const auto& [name, meldung, handlung, antwort, symbol, knoepfe] : faelle) {
    SCOPED_TRACE(name);
    Gesehen g;
    EXPECT_EQ(zeigeUndBeantworte(&saver, meldung, handlung, g), antwort);
    EXPECT_EQ(std::tuple(g.text, g.titel, g.symbol, g.knoepfe, g.eltern),
              std::tuple(meldung.text, meldung.titel, symbol, knoepfe, &saver));
    EXPECT_EQ(g.format, Qt::PlainText) << "Spitze Klammern sind Text, kein HTML";
  }
}

TEST_F(EchteBoxen, UeberEinemModalenFensterUndMitNormalemZeiger) {
  QDialog modal;
  modal.setModal(true);
  modal.show();
  ASSERT_EQ(QApplication::activeModalWidget(), &modal);
  const Zeiger beschaeftigt(Qt::WaitCursor);
  Gesehen g;
  zeigeUndBeantworte(&saver, information(u"Diese Datei ist bereits eingetragen."_s), Handlung::KlickOk, g);
  EXPECT_EQ(g.eltern, &modal) << "the box belongs to the window it is asked from";
  EXPECT_EQ(g.zeiger, Qt::ArrowCursor);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor) << "the work goes on busy";
}
