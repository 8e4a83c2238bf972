#include "ui/QtDialoge.h"
#include "ui/Zeiger.h"

#include "support/SkriptDialoge.h"  // readable QStrings in failures

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

using namespace Qt::Literals::StringLiterals;
using namespace bewahrix;

namespace {

enum class Handlung { KlickJa, KlickNein, KlickOk, KlickAbbrechen, Escape, Eingabe, Schliessen };

struct Fall {
  const char* name;
  Meldung meldung;
  Handlung handlung;
  Antwort antwort;
  QMessageBox::Icon symbol;
  QMessageBox::StandardButtons knoepfe;
};

struct Gesehen {
  QString text, titel;
  QMessageBox::Icon symbol = QMessageBox::NoIcon;
  QMessageBox::StandardButtons knoepfe;
  QWidget* eltern = nullptr;
  Qt::TextFormat format = Qt::AutoText;
  std::optional<Qt::CursorShape> zeiger;  // the override pointer while the box is open
};

// Waits for the box to open, notes what it shows and answers it.
Antwort zeigeUndBeantworte(QWidget* fenster, const Meldung& meldung, Handlung handlung, Gesehen& gesehen) {
  QObject kontext;
  QTimer warte(&kontext);
  warte.setInterval(5);
  QObject::connect(&warte, &QTimer::timeout, &kontext, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    warte.stop();
    gesehen = {box->text(), box->windowTitle(), box->icon(), box->standardButtons(), box->parentWidget(),
               box->textFormat(), std::nullopt};
    if (const QCursor* c = QApplication::overrideCursor()) gesehen.zeiger = c->shape();
    const auto klick = [box](QMessageBox::StandardButton k) {
      if (QAbstractButton* b = box->button(k)) b->click();
      else box->done(-1);  // the box would hang otherwise; the answer shows it
    };
    switch (handlung) {
      case Handlung::KlickJa: klick(QMessageBox::Yes); break;
      case Handlung::KlickNein: klick(QMessageBox::No); break;
      case Handlung::KlickOk: klick(QMessageBox::Ok); break;
      case Handlung::KlickAbbrechen: klick(QMessageBox::Cancel); break;
      case Handlung::Escape: QTest::keyClick(box, Qt::Key_Escape); break;
      case Handlung::Eingabe: QTest::keyClick(box, Qt::Key_Return); break;
      case Handlung::Schliessen: box->close(); break;
    }
  });
  warte.start();
  QtDialoge dialoge(fenster);
  return dialoge.zeige(meldung);
}

using MB = QMessageBox;

}  // namespace

TEST(QtDialoge, ZeigtDieMeldungUndGibtDieAntwortZurueck) {
  const Meldung jaNeinJa{u"Weiter?"_s, u"Löschen"_s, Symbol::Frage, Knoepfe::JaNeinAbbrechen, Antwort::Ja};
  const Meldung okAbbrechen{u"Drucken?"_s, u"Bewahrix"_s, Symbol::Ausrufezeichen, Knoepfe::OkAbbrechen,
                            Antwort::Ok};
  const Meldung kritisch{u"Fehler beim Startvorgang. "_s, u"Bewahrix"_s, Symbol::Kritisch, Knoepfe::Ok,
                         Antwort::Ok};
  const Meldung schlicht{u"<Ende, Manueller Start> <b>nicht fett</b>"_s, u"Bewahrix"_s, Symbol::Keins,
                         Knoepfe::Ok, Antwort::Ok};
  const MB::StandardButtons jn = MB::Yes | MB::No;
  const std::vector<Fall> faelle = {
      {"Ja geklickt", frage(u"Sind Sie sicher?"_s, u"Löschen"_s), Handlung::KlickJa, Antwort::Ja, MB::Question,
       jn},
      {"Nein geklickt", frage(u"Sind Sie sicher?"_s), Handlung::KlickNein, Antwort::Nein, MB::Question, jn},
      {"Eingabe nimmt den Standard Nein", frage(u"Sind Sie sicher?"_s), Handlung::Eingabe, Antwort::Nein,
       MB::Question, jn},
      {"Escape sagt Nein", frage(u"Sind Sie sicher?"_s), Handlung::Escape, Antwort::Nein, MB::Question, jn},
      {"Schließen sagt Nein", frage(u"Sind Sie sicher?"_s), Handlung::Schliessen, Antwort::Nein, MB::Question,
       jn},
      {"Eingabe nimmt den Standard Ja", jaNeinJa, Handlung::Eingabe, Antwort::Ja, MB::Question,
       jn | MB::Cancel},
      {"Escape bricht ab", jaNeinJa, Handlung::Escape, Antwort::Abbrechen, MB::Question, jn | MB::Cancel},
      {"Nein neben Abbrechen", jaNeinJa, Handlung::KlickNein, Antwort::Nein, MB::Question, jn | MB::Cancel},
      {"Ok geklickt", okAbbrechen, Handlung::KlickOk, Antwort::Ok, MB::Warning, MB::Ok | MB::Cancel},
      {"Abbrechen geklickt", okAbbrechen, Handlung::KlickAbbrechen, Antwort::Abbrechen, MB::Warning,
       MB::Ok | MB::Cancel},
      {"Escape bei Ok bricht ab", okAbbrechen, Handlung::Escape, Antwort::Abbrechen, MB::Warning,
       MB::Ok | MB::Cancel},
      {"Hinweis mit Escape bestätigt", information(u"Eintrag schon vorhanden"_s), Handlung::Escape,
       Antwort::Ok, MB::Information, MB::Ok},
      {"Fehler", kritisch, Handlung::KlickOk, Antwort::Ok, MB::Critical, MB::Ok},
      {"ohne Symbol, Text wie geschrieben", schlicht, Handlung::Schliessen, Antwort::Ok, MB::NoIcon, MB::Ok},
  };
  QWidget fenster;
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    Gesehen g;
    EXPECT_EQ(zeigeUndBeantworte(&fenster, f.meldung, f.handlung, g), f.antwort);
    EXPECT_EQ(g.text, f.meldung.text);
    EXPECT_EQ(g.titel, f.meldung.titel);
    EXPECT_EQ(g.symbol, f.symbol);
    EXPECT_EQ(g.knoepfe, f.knoepfe);
    EXPECT_EQ(g.eltern, &fenster);
    EXPECT_EQ(g.format, Qt::PlainText) << "Spitze Klammern sind Text, kein HTML";
  }
}

TEST(QtDialoge, UeberEinemModalenFensterUndMitNormalemZeiger) {
  QWidget fenster;
  QDialog modal;
  modal.setModal(true);
  modal.show();
  ASSERT_EQ(QApplication::activeModalWidget(), &modal);
  const Zeiger beschaeftigt(Qt::WaitCursor);
  Gesehen g;
  zeigeUndBeantworte(&fenster, information(u"Diese Datei ist bereits eingetragen."_s), Handlung::KlickOk, g);
  EXPECT_EQ(g.eltern, &modal) << "the box belongs to the window it is asked from";
  EXPECT_EQ(g.zeiger, Qt::ArrowCursor);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor) << "the work goes on busy";
}
